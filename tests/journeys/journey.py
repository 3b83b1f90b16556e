"""The journey rig: a real Windows program of the build, run under Wine on a
virtual display of its own, driven with xdotool as a person would drive it and
looked at from outside.

Every Journey is a fresh logon: its own copy of the build's Wine prefix, its
own Xvfb with a window manager (Openbox) on it, as a desktop user has, and its
own wineserver, kept alive across program starts until new_logon() or close()
ends it (the desktop window's properties live exactly as long as the
wineserver does).
"""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

BUILD_DIR = os.environ.get("VANTIK_BUILD_DIR", "")
OPENBOX_CONFIG = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "openbox-rc.xml")
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


def wait_until(what, probe, timeout=15.0, interval=0.1):
    """Polls probe() until it returns something truthy; fails with the last
    value it returned when the time is up."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = probe()
        if last:
            return last
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}; last seen: {last!r}")
        time.sleep(interval)


def unix_to_windows_path(path):
    """Wine maps the Unix root to drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Screenshot:
    """An RGB image of the whole screen."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])


class Journey:
    def __init__(self, name, locale="zh_CN.UTF-8", messages_locale=None):
        """locale: the Unix locale the session runs in, from which Wine takes
        the ANSI code page (zh_CN.UTF-8: 936; C.UTF-8: 1252) and the
        interface language (zh_CN: 0x0804, de_DE: 0x0407), unless
        messages_locale gives the interface language apart (LC_MESSAGES)."""
        if not BUILD_DIR:
            raise RuntimeError("VANTIK_BUILD_DIR is not set; run journeys through ctest")
        template = os.path.join(BUILD_DIR, "rig", "wineprefix")
        if not os.path.exists(os.path.join(template, ".vantik-ready")):
            raise RuntimeError(f"no Wine prefix at {template}; the rig.start test makes it")
        self.name = name
        self.work = tempfile.mkdtemp(prefix=f"journey-{name}-", dir=os.path.join(BUILD_DIR, "rig"))
        self.shots = os.path.join(BUILD_DIR, "rig", "shots")
        os.makedirs(self.shots, exist_ok=True)
        self.prefix = os.path.join(self.work, "prefix")
        self.paint_log_path = os.path.join(self.work, "paint.log")
        self._programs = []
        self._xvfb = None
        self._window_manager = None
        self._keeper = None
        subprocess.run(["cp", "-a", template, self.prefix], check=True)
        self.display = self._start_display()
        try:
            self._start_window_manager()
        except BaseException:
            self._stop_servers()
            raise
        self.env = dict(os.environ)
        self.env.update({
            "WINEPREFIX": self.prefix,
            # The rig's Wine for this build (win32: the 32-bit one, first on PATH).
            "WINEARCH": os.environ.get("WINEARCH", "win64"),
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "DISPLAY": self.display,
            "VANTIK_PAINT_LOG": unix_to_windows_path(self.paint_log_path),
        })
        if messages_locale:
            self.env.pop("LC_ALL", None)
            self.env.update({"LANG": locale, "LC_CTYPE": locale, "LC_MESSAGES": messages_locale})
        else:
            self.env["LC_ALL"] = locale
        self._start_wineserver()

    # -- the session ---------------------------------------------------------

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

    def _start_window_manager(self):
        """Openbox, once it manages the screen. Without a window manager Wine
        waits about two seconds for one whenever a window of the program is
        hidden or destroyed."""
        env = dict(os.environ, DISPLAY=self.display)
        self._window_manager = subprocess.Popen(
            ["openbox", "--sm-disable", "--config-file", OPENBOX_CONFIG], env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def managing():
            if self._window_manager.poll() is not None:
                raise RuntimeError(f"openbox ended with {self._window_manager.returncode}")
            r = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
                               text=True)
            return "window id #" in r.stdout
        wait_until("openbox to manage the screen", managing)

    def _start_wineserver(self):
        # -p: stay alive with no clients, so that properties of the desktop
        # window survive between program starts within one logon.
        subprocess.run(["wineserver", "-p"], env=self.env, check=True)
        # The first program also starts Wine's background services, which
        # outlive it and would hold its output pipes open: start them here.
        subprocess.run(["wine", "cmd", "/c", "exit"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self._keep_desktop()

    def _keep_desktop(self):
        """Keeps the logon's desktop, as a user's session does, for as long as
        the wineserver lives. Wine closes it about a second after the last
        program using it has gone, and the desktop window's properties with
        it: a frame closed and started again a little more slowly (the
        32-bit build under QEMU beside another journey) lost its place."""
        ready = os.path.join(self.work, "desktop.ready")
        if os.path.exists(ready):
            os.remove(ready)
        self._keeper = subprocess.Popen(["wine", self.program("desktopkeeper.exe"), unix_to_windows_path(ready)],
                                        env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        wait_until("the desktop to be kept", lambda: os.path.exists(ready), timeout=60)

    def leave_unmanaged(self, exe_name):
        """From now on Wine places, sizes and moves that program's windows
        itself, as Windows does, instead of leaving them to the window
        manager: a window manager keeps windows on the screen, makes a
        maximised window that covers it full-screen, and runs window drags
        itself."""
        code, out = self.run("reg", "add", f"HKCU\\Software\\Wine\\AppDefaults\\{exe_name}\\X11 Driver",
                             "/v", "Managed", "/d", "N", "/f")
        if code != 0:
            raise RuntimeError(f"could not leave {exe_name} unmanaged: {out}")

    def new_logon(self):
        """Ends every program and the wineserver, and starts a fresh one."""
        self._stop_programs()
        self._end_wineserver()
        self._start_wineserver()

    def _stop_programs(self):
        for p in self._programs:
            if p.poll() is None:
                p.kill()
                p.wait()
        self._programs = []

    def close(self):
        self._stop_programs()
        self._end_wineserver()
        self._stop_servers()
        shutil.rmtree(self.work, ignore_errors=True)

    def _end_wineserver(self):
        """Ends the logon: every Wine program, the desktop keeper with them."""
        subprocess.run(["wineserver", "-k"], env=self.env)
        subprocess.run(["wineserver", "-w"], env=self.env)
        if self._keeper is not None:
            self._keeper.wait(timeout=30)
            self._keeper = None

    def _stop_servers(self):
        for server in (self._window_manager, self._xvfb):
            if server is not None:
                server.terminate()
                server.wait()

    # -- programs ------------------------------------------------------------

    def program(self, exe_name):
        """Path of a program of the build."""
        path = os.path.join(BUILD_DIR, exe_name)
        if not os.path.exists(path):
            raise RuntimeError(f"{path} was not built")
        return path

    def start(self, exe, *args):
        """Starts a Windows program and returns at once."""
        p = subprocess.Popen(["wine", exe, *map(str, args)], env=self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._programs.append(p)
        return p

    def run(self, exe, *args, timeout=60):
        """Runs a Windows program to its end; returns (exit code, output)."""
        r = subprocess.run(["wine", exe, *map(str, args)], env=self.env, capture_output=True, timeout=timeout)
        return r.returncode, r.stdout.decode("utf-8", "replace")

    # -- the probe (tests/support/VantikProbe.cpp) ------------------------------

    def probe(self, *args):
        """The probe's answer, its texts read in code page 936. It answers 0,
        or 1 for "none"; anything else means it did not run, which fails
        here with what it said rather than read as no answer later."""
        r = subprocess.run(["wine", self.program("probe.exe"), *map(str, args)], env=self.env,
                           capture_output=True, timeout=60)
        if r.returncode not in (0, 1):
            raise AssertionError(f"probe {args} ended with {r.returncode}: {r.stdout!r} {r.stderr[-500:]!r}")
        return r.stdout.decode("gbk", "replace").strip()

    def visible_windows(self):
        """(process id, class, title) of every visible top-level window."""
        lines = self.probe("windows").splitlines()
        return [m.groups() for m in (re.match(r"pid=(\d+) class=(.*?) title=(.*)", line.rstrip("\r"))
                                     for line in lines) if m]

    # -- the display -----------------------------------------------------------

    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip() if r.returncode == 0 else ""

    def find_windows(self, title):
        out = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$")
        return [int(w) for w in out.split()]

    def wait_for_window(self, title, timeout=20):
        return wait_until(f"a visible window titled {title!r}",
                          lambda: (self.find_windows(title) or [None])[0], timeout)

    def window_geometry(self, xid):
        """(x, y, width, height) of an X window on the screen."""
        out = subprocess.run(["xwininfo", "-id", str(xid)], env=self.env, capture_output=True,
                             text=True).stdout
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=") for line in out.splitlines())
        return int(values["X"]), int(values["Y"])

    def move_pointer(self, x, y):
        # xdotool's mousemove --sync waits (about 15 s) for a motion that
        # never comes when the pointer is there already.
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y):
        """A click as a person makes one: the pointer comes to (x, y) from
        the screen's corner once no tooltip shows (xdotool's pointer jumps,
        and a tip left from where it rested may lie over the target)."""
        if self.pointer() != (x, y):
            self.move_pointer(0, 0)
            wait_until("no tooltip", lambda: not any(w[1] == "tooltips_class32" for w in self.visible_windows()))
            self.move_pointer(x, y)
        self.xdotool("click", 1)

    def drag(self, x, y, dx, dy, taken=None, steps=5):
        """Presses the button at (x, y) and moves the pointer by (dx, dy) in
        steps, leaving the button down (release() lets it go). With taken,
        the moves wait for taken() to say that the program has taken the
        press: a move loop starts from where the pointer is when it begins,
        so a move made before would be lost."""
        self.move_pointer(x, y)
        self.xdotool("mousedown", 1)
        if taken:
            wait_until("the press to be taken", taken)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", "--sync", x + dx * i // steps, y + dy * i // steps)

    def release(self):
        self.xdotool("mouseup", 1)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def screenshot(self, save_as=None):
        """The whole screen; with save_as, also written as a PNG among the
        rig's screenshots (build/win64/rig/shots) to be looked at."""
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                             capture_output=True, check=True).stdout
        if save_as:
            subprocess.run(["convert", "-size", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}", "-depth", "8",
                            "rgb:-", os.path.join(self.shots, save_as)], input=raw, check=True)
        return Screenshot(SCREEN_WIDTH, SCREEN_HEIGHT, raw)

    def wait_for_pixel(self, x, y, rgb, timeout=10):
        seen = []

        def probe():
            seen.append(self.screenshot().pixel(x, y))
            return seen[-1] == tuple(rgb)
        try:
            wait_until(f"pixel ({x}, {y}) to be {tuple(rgb)}", probe, timeout, interval=0.2)
        except AssertionError:
            raise AssertionError(f"pixel ({x}, {y}) stayed {seen[-1]}, wanted {tuple(rgb)}") from None

    # -- Paint ---------------------------------------------------------------

    def paint_log(self):
        """Command lines of every start of the Paint stand-in, oldest first
        (the stand-in logs them in UTF-8)."""
        try:
            with open(self.paint_log_path, "rb") as f:
                return [line.rstrip(b"\r\n").decode("utf-8", "replace") for line in f if line.strip()]
        except FileNotFoundError:
            return []


class JourneyTestCase(unittest.TestCase):
    """A fresh logon for every test, in the locale the class names."""

    locale = "zh_CN.UTF-8"

    def setUp(self):
        self.j = Journey(self.id().split(".")[-1], locale=self.locale)
        self.addCleanup(self.j.close)
