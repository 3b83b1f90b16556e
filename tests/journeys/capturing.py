"""Captures checked from outside: a probe pattern window under the viewport,
the outputs compared pixel for pixel with it, the Paint log, the session's
visible windows, and the resident memory of the running Vantik."""

import os
import struct

from journey import wait_until
from vantik import VantikJourney, pattern_colour, read_bmp

# The pattern window lies under the default frame's viewport (the frame,
# 280 x 175, is centred on the 1024 x 768 screen); the frame stays above it.
PATTERN = (300, 250, 420, 300)


def bmp_top_rows(path, count):
    """(width, height, the first count rows from the top) of a big 24- or
    32-bit BMP, reading no more of it than those rows."""
    with open(path, "rb") as f:
        header = f.read(54)
        if header[:2] != b"BM":
            raise AssertionError(f"{path} is not a BMP file")
        offset = struct.unpack_from("<I", header, 10)[0]
        width, height, _, bpp = struct.unpack_from("<iiHH", header, 18)
        step = bpp // 8
        stride = (width * step + 3) & ~3
        rows = []
        for y in range(count):
            src = abs(height) - 1 - y if height > 0 else y
            f.seek(offset + src * stride)
            data = f.read(width * step)
            rows.append([(data[x * step + 2], data[x * step + 1], data[x * step]) for x in range(width)])
    return width, abs(height), rows


class CaptureJourney(VantikJourney):
    """A logon with the pattern window showing; Vantik is started by each test.
    Windows started after a frame come out above it under Wine, topmost or
    not, so the pattern comes first."""

    pattern = PATTERN
    # The frame's bands around the viewport: left, title, panel, below.
    bands = (18, 11, 82, 11)

    def setUp(self):
        super().setUp()
        self.j.start(self.probe_exe, "pattern", *self.pattern)
        self.j.wait_for_window("Probe pattern")

    # -- captures --------------------------------------------------------------

    def expected_pixels(self, rect, pattern=None):
        """The pattern as it lies under the viewport of a frame at rect."""
        pattern = pattern or self.pattern
        l, t, r, b = rect
        left, top, right, bottom = self.bands
        vx, vy = l + left - pattern[0], t + top - pattern[1]
        w, h = r - l - left - right, b - t - top - bottom
        return w, h, [[pattern_colour(vx + x, vy + y) for x in range(w)] for y in range(h)]

    def wait_for_captures(self, count, timeout=30):
        """Waits for the count-th start of Paint; fails if there are more."""
        try:
            log = wait_until(f"{count} start(s) of Paint", lambda: len(self.j.paint_log()) >= count and
                             self.j.paint_log(), timeout=timeout)
        except AssertionError:
            self.j.screenshot(f"{self.j.name}-no-paint.png")
            raise AssertionError(f"{len(self.j.paint_log())} of {count} start(s) of Paint after {timeout} s; "
                                 f"file written: {os.path.isfile(self.output_file())}, "
                                 f"windows: {self.j.visible_windows()}") from None
        self.assertEqual(len(log), count, f"Paint was started more often than there were captures: {log}")
        return log

    def wait_for_capture_without_paint(self, expected):
        """Waits for a capture whose file cannot be written: the clipboard
        gets the area, the command ends, and Paint is not started on a file
        the capture did not write."""
        starts = len(self.j.paint_log())
        wait_until("the capture on the clipboard", lambda: (self.clipboard_bitmap() or [None] * 3)[2] == expected[2])
        self.assertEqual(self.probe("idle"), "idle")
        # A Paint the command started runs by now, but logs only once it has
        # got going: the log is complete when no Paint of this logon runs.
        wait_until("no Paint running", lambda: not self.paint_running())
        self.assertEqual(len(self.j.paint_log()), starts, "Paint was started on a file this capture did not write")

    def paint_running(self):
        """Whether a Paint (the stand-in) of this logon's prefix runs."""
        prefix = f"WINEPREFIX={self.j.prefix}".encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    if b"mspaint.exe" not in f.read().lower():
                        continue
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if prefix in f.read().split(b"\0"):
                        return True
            except OSError:
                continue
        return False

    def assert_clipboard_is(self, expected):
        w, h, rows = expected
        clip = self.clipboard_bitmap()
        self.assertIsNotNone(clip, "no bitmap on the clipboard")
        self.assertEqual(clip[:2], (w, h), "the clipboard's bitmap has another size")
        self.assertTrue(clip[2] == rows, "the clipboard's bitmap is not the pattern under the viewport")

    def assert_file_is(self, expected):
        w, h, rows = expected
        self.assertTrue(os.path.isfile(self.output_file()), f"no file at {self.output_file()}")
        fw, fh, frows = read_bmp(self.output_file())
        self.assertEqual((fw, fh), (w, h), "the file's bitmap has another size")
        self.assertTrue(frows == rows, "the file is not the pattern under the viewport")

    def assert_delivered(self, expected):
        self.assert_clipboard_is(expected)
        self.assert_file_is(expected)

    def remove_output_file(self):
        if os.path.isfile(self.output_file()):
            os.remove(self.output_file())

    # -- the session -------------------------------------------------------------

    def assert_no_message_box(self):
        """No dialog window besides the frames: a message box, an error box or
        Wine's crash dialog would be one."""
        dialogs = [w for w in self.j.visible_windows() if w[1] == "#32770" and w[2] != "Vantik"]
        self.assertEqual(dialogs, [], "a dialog or message box is showing")

    def vantik_processes(self):
        """Linux process ids of this logon's running vantik.exe processes (other
        engineers' sessions run their own)."""
        wanted = ("WINEPREFIX=" + self.j.prefix).encode()
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/cmdline", "rb") as f:
                    argv0 = f.read().split(b"\0")[0]
                with open(f"/proc/{entry}/environ", "rb") as f:
                    environment = f.read().split(b"\0")
            except OSError:
                continue
            if argv0.lower().endswith(b"vantik.exe") and wanted in environment:
                found.append(int(entry))
        return found

    def resident_kib(self, pid):
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        raise AssertionError(f"no VmRSS for process {pid}")
