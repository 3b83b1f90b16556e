"""Runs Vantik's benchmark programs in a Wine session of their own and prints
one table: each case's median and p10-p90 spread over repeated runs, the
baseline measured in the same run, their ratio and the target.

Called by bench/run.sh; see there for what is measured. The session is a
fresh logon: a copy of a Wine prefix (the build's test-rig prefix when it is
ready, else one made once for the benchmark), its own wineserver and its own
Xvfb, all ended afterwards, so a test suite running on the same build tree is
not disturbed.
"""

import argparse
import math
import os
import platform
import shutil
import subprocess
import sys
import tempfile
import threading
import time
from collections import defaultdict
from dataclasses import dataclass

SCREEN_WIDTH, SCREEN_HEIGHT = 2048, 1152
CAPTURE_VIEWPORTS = ("180x153", "1000x700", "1820x1000")
RESIZE_FRAMES = ("280x175", "1820x1000")
RESIZE_TIMER_MS = 20.0
RESIZE_TARGET_MS = 5.0
CAPTURE_TARGET_RATIO = 1.15
DRIVER_TIMEOUT_S = 900


# ---- statistics ----------------------------------------------------------------

def percentile(values, q):
    """The q-th percentile (0..100) by linear interpolation between the
    closest ranks, as numpy's default does."""
    if not values:
        raise ValueError("no values")
    ordered = sorted(values)
    position = (len(ordered) - 1) * q / 100.0
    low = math.floor(position)
    high = math.ceil(position)
    return ordered[low] + (ordered[high] - ordered[low]) * (position - low)


@dataclass
class Summary:
    median: float
    p10: float
    p90: float
    count: int


def summarise(values):
    return Summary(percentile(values, 50), percentile(values, 10), percentile(values, 90), len(values))


# ---- what the Windows programs print ----------------------------------------------

class Results:
    """Samples by (case, who): milliseconds, or KiB for memory cases."""

    def __init__(self):
        self.samples = defaultdict(list)
        self.pieces = {}
        self.wine_peak_kb = defaultdict(list)
        self.proc_peak_kb = defaultdict(list)

    def add(self, case, who, value):
        self.samples[(case, who)].append(value)


def handle_line(line, results):
    """Files one output line of a benchmark program; returns the sync request
    ("sync N WHAT...") as (N, [WHAT...]) for the caller to act on, else None.
    Raises RuntimeError on an error line."""
    words = line.split()
    if not words:
        return None
    kind = words[0]
    if kind == "sample" and len(words) == 4:
        results.add(words[1], words[2], float(words[3]))
    elif kind == "piece" and len(words) == 4:
        results.pieces[(words[1], words[2])] = float(words[3])
    elif kind == "memory" and len(words) == 5:
        results.wine_peak_kb[(words[1], words[2])].append(int(words[4]))
    elif kind == "sync" and len(words) >= 3:
        return int(words[1]), words[2:]
    elif kind == "error":
        raise RuntimeError(line.strip())
    return None


# ---- Linux's view of the Wine processes ------------------------------------------

def _read(path, mode="rb"):
    try:
        with open(path, mode) as f:
            return f.read()
    except OSError:
        return None


def runs_windows_program(cmdline, exe_name):
    """Whether a /proc cmdline (NUL-separated) is a Wine process running the
    Windows program exe_name: Wine puts the program's Windows path first."""
    args = [a for a in cmdline.split(b"\0") if a]
    if not args:
        return False
    first = args[0].decode("utf-8", "replace").replace("\\", "/")
    return first.rsplit("/", 1)[-1].lower() == exe_name.lower()


def wine_prefix_of(environ):
    for entry in environ.split(b"\0"):
        if entry.startswith(b"WINEPREFIX="):
            return entry[len(b"WINEPREFIX="):].decode("utf-8", "replace")
    return None


def find_wine_processes(exe_name, prefix, proc_root="/proc"):
    """Unix pids of the processes running exe_name in this Wine prefix (other
    people's Wine sessions run the same programs)."""
    pids = []
    for entry in os.listdir(proc_root):
        if not entry.isdigit():
            continue
        cmdline = _read(os.path.join(proc_root, entry, "cmdline"))
        if not cmdline or not runs_windows_program(cmdline, exe_name):
            continue
        environ = _read(os.path.join(proc_root, entry, "environ")) or b""
        if wine_prefix_of(environ) == prefix:
            pids.append(int(entry))
    return sorted(pids)


def read_vmhwm_kb(pid, proc_root="/proc"):
    """Peak resident set size (VmHWM) in KiB, or None."""
    status = _read(os.path.join(proc_root, str(pid), "status"), "r")
    for line in (status or "").splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return None


# ---- the table -----------------------------------------------------------------

@dataclass
class Row:
    case: str
    unit: str
    vantik: Summary
    baseline_name: str
    baseline: Summary
    target: str            # shown as is; "" for none
    limit: float = None    # the ratio at most allowed, or None
    absolute_limit: float = None  # the Vantik median at most allowed

    @property
    def ratio(self):
        return self.vantik.median / self.baseline.median if self.baseline.median else float("inf")

    def verdict(self):
        if self.absolute_limit is not None:
            return "yes" if self.vantik.median < self.absolute_limit else "no"
        if self.limit is None:
            return ""
        if self.ratio <= self.limit:
            return "yes"
        # Over the line, but the middle 80 % of the two overlap.
        scaled_p10 = self.vantik.p10 / self.limit
        if scaled_p10 <= self.baseline.p90:
            return "no (within noise)"
        return "no"


def number(value, unit):
    if unit == "KiB":
        return f"{value / 1024:.1f}"
    return f"{value:.2f}" if value < 100 else f"{value:.0f}"


def fmt(value, unit):
    return number(value, unit) + (" MiB" if unit == "KiB" else " ms")


def spread(s, unit):
    return f"{number(s.p10, unit)}-{number(s.p90, unit)}"


def format_table(rows):
    header = ("case", "Vantik median", "p10-p90", "n", "baseline", "median", "p10-p90", "n",
              "ratio", "target", "met")
    lines = [header]
    for r in rows:
        lines.append((r.case, fmt(r.vantik.median, r.unit), spread(r.vantik, r.unit), str(r.vantik.count),
                      r.baseline_name, fmt(r.baseline.median, r.unit), spread(r.baseline, r.unit),
                      str(r.baseline.count), f"{r.ratio:.2f}x", r.target or "-", r.verdict() or "-"))
    widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
    out = []
    for n, line in enumerate(lines):
        out.append("  ".join(cell.ljust(widths[i]) for i, cell in enumerate(line)).rstrip())
        if n == 0:
            out.append("  ".join("-" * w for w in widths))
    return "\n".join(out)


def constant(value, count=1):
    return Summary(value, value, value, count)


def build_rows(results):
    s = results.samples
    rows = []
    for viewport in CAPTURE_VIEWPORTS:
        case = f"capture-{viewport}"
        if (case, "vantik") not in s:
            continue
        vantik = summarise(s[(case, "vantik")])
        rows.append(Row(f"capture {viewport}", "ms", vantik, "floor", summarise(s[(case, "floor")]),
                        f"<= {CAPTURE_TARGET_RATIO:.2f}x", limit=CAPTURE_TARGET_RATIO))
        if (case, "import") in s:
            rows.append(Row(f"capture {viewport}", "ms", vantik, "import", summarise(s[(case, "import")]), ""))
    for frame in RESIZE_FRAMES:
        case = f"resize-{frame}"
        if (case, "vantik") not in s:
            continue
        big = frame == RESIZE_FRAMES[-1]
        rows.append(Row(f"resize step {frame}", "ms", summarise(s[(case, "vantik")]), "20 ms timer",
                        constant(RESIZE_TIMER_MS), f"< {RESIZE_TARGET_MS:.0f} ms" if big else "",
                        absolute_limit=RESIZE_TARGET_MS if big else None))
    for case, name in (("startup-visible", "start-up to visible"), ("startup-idle", "start-up to idle")):
        if (case, "vantik") in s:
            rows.append(Row(name, "ms", summarise(s[(case, "vantik")]), "notepad",
                            summarise(s[(case, "notepad")]), "<= 1.00x", limit=1.0))
    notepad = results.proc_peak_kb.get(("start", "notepad"))
    for when, name in (("start", "peak RSS after start"), ("after200", "peak RSS after 200 captures")):
        vantik = results.proc_peak_kb.get((when, "vantik"))
        if vantik and notepad:
            rows.append(Row(name, "KiB", summarise(vantik), "notepad (start)", summarise(notepad),
                            "<= 1.00x", limit=1.0))
    return rows


def resize_breakdown(results):
    """Where a resize step's time goes: the step's parts (medians, ms) and
    how often one step erased (composed) the frame."""
    lines = []
    names = (("platform-move", "platform move/resize"), ("size-handler", "WM_SIZE handler"),
             ("frame-erase-handler", "frame erase handler"), ("paint-after-move", "paint left after the move"),
             ("region-update", "region update alone"), ("region-scan", "corner pixel scan"),
             ("region-build", "region build"), ("frame-repaint", "frame repaint alone"),
             ("button-repaint", "all buttons repainted alone"))
    for frame in RESIZE_FRAMES:
        case = f"resize-{frame}"
        parts = [f"{label} {results.pieces[(case, key)]:.2f}" for key, label in names
                 if (case, key) in results.pieces]
        if not parts:
            continue
        erases = results.pieces.get((case, "erases-per-step"))
        tail = f"; {erases:.2f} frame erases per step" if erases is not None else ""
        lines.append(f"  resize step {frame} (ms, medians): " + ", ".join(parts) + tail)
    return lines


def memory_cross_check(results):
    lines = []
    for key, wine in sorted(results.wine_peak_kb.items()):
        linux = results.proc_peak_kb.get(key)
        if linux:
            lines.append(f"  {key[1]} {key[0]}: Wine's PeakWorkingSetSize median {percentile(wine, 50) / 1024:.1f}"
                         f" MiB, /proc VmHWM median {percentile(linux, 50) / 1024:.1f} MiB")
    return lines


# ---- the Wine session ---------------------------------------------------------------

def windows_path(path):
    """Wine maps the Unix root to drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Session:
    """Display, prefix copy and wineserver of one benchmark run."""

    def __init__(self, build):
        self.build = build
        self.work = tempfile.mkdtemp(prefix="bench-run-", dir=build)
        self.prefix = os.path.join(self.work, "prefix")
        self.sync_dir = os.path.join(self.work, "sync")
        os.makedirs(self.sync_dir)
        self.paint_log = os.path.join(self.work, "paint.log")
        self._xvfb = None
        self.display = self._start_display()
        self.env = dict(os.environ)
        self.env.update({
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "LC_ALL": "zh_CN.UTF-8",
            "DISPLAY": self.display,
            "VANTIK_PAINT_LOG": windows_path(self.paint_log),
        })
        template = self._template_prefix()
        subprocess.run(["cp", "-a", template, self.prefix], check=True)
        shutil.copy(os.path.join(build, "mspaint.exe"),
                    os.path.join(self.prefix, "drive_c", "windows", "system32", "mspaint.exe"))
        self.env["WINEPREFIX"] = self.prefix
        self._run_quietly(["wineserver", "-p"])
        self._run_quietly(["wine", "cmd", "/c", "exit"])

    def _start_display(self):
        read_fd, write_fd = os.pipe()
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not report a display number")
        return ":" + number

    def _run_quietly(self, command, env=None):
        subprocess.run(command, env=env or self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)

    def _template_prefix(self):
        """The test rig's prefix when the tests have made it; else one made
        here once (about ten seconds) and kept in the build tree."""
        rig = os.path.join(self.build, "rig", "wineprefix")
        if os.path.exists(os.path.join(rig, ".vantik-ready")):
            return rig
        own = os.path.join(self.build, "bench-prefix")
        if not os.path.exists(os.path.join(own, ".bench-ready")):
            print(f"bench: creating a Wine prefix in {own} (once)", file=sys.stderr)
            shutil.rmtree(own, ignore_errors=True)
            env = dict(self.env, WINEPREFIX=own)
            subprocess.run(["wine", "wineboot", "-i"], env=env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            self._run_quietly(["wineserver", "-k"], env)
            self._run_quietly(["wineserver", "-w"], env)
            open(os.path.join(own, ".bench-ready"), "w").close()
        return own

    def close(self):
        self._run_quietly(["wineserver", "-k"])
        self._run_quietly(["wineserver", "-w"])
        if self._xvfb is not None:
            self._xvfb.terminate()
            self._xvfb.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def exe(self, name):
        return os.path.join(self.build, name)

    def run_program(self, exe, args, results):
        """Runs a benchmark program of the build, filing its output lines and
        answering its sync requests."""
        process = subprocess.Popen(["wine", self.exe(exe), *args], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                   errors="replace")
        watchdog = threading.Timer(DRIVER_TIMEOUT_S, process.kill)
        watchdog.start()
        try:
            for line in process.stdout:
                request = handle_line(line, results)
                if request is not None:
                    self._answer(request, results)
        finally:
            watchdog.cancel()
            if process.poll() is None:
                process.kill()
            process.wait()
        if process.returncode != 0:
            raise RuntimeError(f"{exe} {' '.join(args)} ended with {process.returncode}")

    def _answer(self, request, results):
        number, what = request
        if what[0] == "peer":
            self._time_import(what[1], *map(int, what[2:6]), results)
        elif what[0] == "vmhwm":
            self._read_peak(what[1], what[2], results)
        open(os.path.join(self.sync_dir, f"{number}.go"), "w").close()

    def _time_import(self, case, x, y, w, h, results):
        """The peer: ImageMagick grabbing the same rectangle into a BMP file,
        timed as a whole process."""
        out = os.path.join(self.work, "import.bmp")
        if os.path.exists(out):
            os.remove(out)
        start = time.perf_counter()
        subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", out],
                       env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)
        elapsed = (time.perf_counter() - start) * 1000.0
        if os.path.getsize(out) < w * h * 3:
            raise RuntimeError(f"import wrote a file too small for {w}x{h}")
        results.add(case, "import", elapsed)

    def _read_peak(self, when, who, results):
        pids = find_wine_processes(f"{who}.exe", self.prefix)
        if len(pids) != 1:
            raise RuntimeError(f"expected one {who}.exe process in the benchmark's prefix, found {pids}")
        peak = read_vmhwm_kb(pids[0])
        if peak is None:
            raise RuntimeError(f"no VmHWM for {who}.exe (pid {pids[0]})")
        results.proc_peak_kb[(when, who)].append(peak)


# ---- the run ---------------------------------------------------------------------

def machine_facts():
    facts = [f"{os.cpu_count()} CPUs"]
    for line in (_read("/proc/cpuinfo", "r") or "").splitlines():
        if line.startswith("model name"):
            facts.append(line.split(":", 1)[1].strip())
            break
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    facts.append(wine or "wine ?")
    facts.append(platform.release())
    return ", ".join(facts)


def load_average():
    return (_read("/proc/loadavg", "r") or "? ? ?").split()[:3]


def run(build, options):
    results = Results()
    session = Session(build)
    try:
        sync = windows_path(session.sync_dir)
        vantik = windows_path(session.exe("vantik.exe"))
        if "resize" in options.parts:
            session.run_program("resize_bench.exe", ["--steps", str(options.resize_steps),
                                                     "--sizes", ",".join(RESIZE_FRAMES)], results)
        if "capture" in options.parts:
            session.run_program("bench_driver.exe", [
                "capture", "--vantik", vantik, "--floor", windows_path(session.exe("bench_floor.exe")),
                "--sizes", ",".join(CAPTURE_VIEWPORTS), "--runs", str(options.capture_runs),
                "--warmup", "2", "--sync", sync], results)
        if "startup" in options.parts:
            session.run_program("bench_driver.exe", [
                "startup", "--vantik", vantik, "--runs", str(options.startup_runs), "--sync", sync], results)
        if "memory" in options.parts:
            session.run_program("bench_driver.exe", [
                "memory", "--vantik", vantik, "--captures", "200", "--repeats", str(options.memory_repeats),
                "--sync", sync], results)
    finally:
        session.close()
    return results


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", help="the build tree (build/win64)")
    parser.add_argument("--parts", default="resize,capture,startup,memory")
    parser.add_argument("--capture-runs", type=int, default=21)
    parser.add_argument("--resize-steps", type=int, default=300)
    parser.add_argument("--startup-runs", type=int, default=9)
    parser.add_argument("--memory-repeats", type=int, default=1)
    options = parser.parse_args()
    options.parts = options.parts.split(",")
    build = os.path.abspath(options.build)
    for exe in ("vantik.exe", "mspaint.exe", "bench_driver.exe", "bench_floor.exe", "resize_bench.exe"):
        if not os.path.exists(os.path.join(build, exe)):
            sys.exit(f"bench: {build}/{exe} is missing; build first (cmake --build --preset win64)")

    load_before = load_average()
    started = time.perf_counter()
    results = run(build, options)
    minutes = (time.perf_counter() - started) / 60.0
    load_after = load_average()

    print(f"Vantik benchmark: {machine_facts()}")
    print(f"screen {SCREEN_WIDTH}x{SCREEN_HEIGHT}x24 (Xvfb); load average {' '.join(load_before)} before, "
          f"{' '.join(load_after)} after; {minutes:.1f} min")
    print()
    print(format_table(build_rows(results)))
    notes = resize_breakdown(results) + memory_cross_check(results)
    if notes:
        print()
        print("Notes:")
        print("\n".join(notes))


if __name__ == "__main__":
    main()
