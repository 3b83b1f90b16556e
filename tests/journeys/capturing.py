"""Captures checked from outside, for the fault and rapid-input journeys: a
probe pattern window under the viewport, the outputs compared pixel for pixel
with it, the Paint log, the session's visible windows, and the resident
memory of the running Vantik."""

import os
import re
import struct

from journey import wait_until
from vantik import PANEL, SIZE_DIALOG_TITLE, VantikJourney, pattern_colour, read_bmp

# The pattern window lies under the default frame's viewport (the frame,
# 280 x 175, is centred on the 1024 x 768 screen); the frame stays above it.
PATTERN = (300, 250, 420, 300)

VK_ESCAPE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN = 0x1B, 0x25, 0x26, 0x27, 0x28


def pack(low, high):
    return (low & 0xFFFF) | ((high & 0xFFFF) << 16)


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

    def setUp(self):
        super().setUp()
        self.j.start(self.probe_exe, "pattern", *self.pattern)
        self.j.wait_for_window("Probe pattern")

    # -- frames --------------------------------------------------------------

    def frames(self):
        """Every frame's rectangle, topmost first; unlike frame(), quick at
        any size."""
        return [tuple(int(v) for v in m.split(","))
                for m in re.findall(r"rect=(\S+)", self.probe("frames"))]

    def frame_rect(self):
        """The topmost frame's rectangle, or None while there is none."""
        rects = self.frames()
        return rects[0] if rects else None

    def wait_for_rect(self, rect, what="the frame's rectangle", timeout=15):
        seen = []

        def probe():
            seen.append(self.frame_rect())
            return seen[-1] == tuple(rect)
        try:
            wait_until(what, probe, timeout=timeout, interval=0.2)
        except AssertionError:
            raise AssertionError(f"{what}: wanted {tuple(rect)}, saw {seen[-1]}") from None

    # -- the size dialog -------------------------------------------------------

    def type_size(self, width, height):
        """Opens the region size dialog with the star button, replaces both
        boxes' text and confirms with Enter."""
        self.click_panel("star")
        try:
            wait_until("the region size dialog", lambda: self.dialog(SIZE_DIALOG_TITLE))
        except AssertionError:
            self.j.screenshot(f"{self.j.name}-no-size-dialog.png")
            raise
        self.j.key("ctrl+a", "BackSpace")
        self.j.xdotool("type", width)
        self.j.key("Tab", "ctrl+a", "BackSpace")
        self.j.xdotool("type", height)
        self.j.key("Return")
        wait_until("the dialog to close", lambda: self.dialog(SIZE_DIALOG_TITLE) is None)

    def pointer(self):
        return self.j.pointer()

    def move_pointer(self, x, y):
        self.j.move_pointer(x, y)

    def click_panel(self, button):
        """A click on a panel button. The pointer leaves the frame first and
        the tooltip of the button it rested on goes: xdotool's pointer jumps,
        and a tooltip still showing may lie over the next button."""
        dx, y = PANEL[button]
        left, top, right = self.frame_rect()[:3]
        target = (right + dx, top + y)
        if self.pointer() != target:
            self.move_pointer(1, 1)
            wait_until("no tooltip", lambda: not any(w[1] == "tooltips_class32" for w in self.visible_windows()))
            self.move_pointer(*target)
        self.j.xdotool("click", 1)

    # -- captures --------------------------------------------------------------

    def expected_pixels(self, rect, pattern=None):
        """The pattern as it lies under the viewport of a frame at rect."""
        pattern = pattern or self.pattern
        l, t, r, b = rect
        vx, vy = l + 18 - pattern[0], t + 11 - pattern[1]
        w, h = r - l - 100, b - t - 22
        return w, h, [[pattern_colour(vx + x, vy + y) for x in range(w)] for y in range(h)]

    def wait_for_captures(self, count, timeout=30):
        """Waits for the count-th start of Paint; fails if there are more."""
        log = wait_until(f"{count} start(s) of Paint", lambda: len(self.j.paint_log()) >= count and
                         self.j.paint_log(), timeout=timeout)
        self.assertEqual(len(log), count, f"Paint was started more often than there were captures: {log}")
        return log

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

    def visible_windows(self):
        """(process id, class, title) of every visible top-level window."""
        lines = self.probe_bytes("windows").splitlines()
        return [m.groups() for m in (re.match(r"pid=(\d+) class=(.*?) title=(.*)", line.rstrip("\r"))
                                     for line in lines) if m]

    def assert_no_message_box(self):
        """No dialog window besides the frames: a message box, an error box or
        Wine's crash dialog would be one."""
        dialogs = [w for w in self.visible_windows() if w[1] == "#32770" and w[2] != "Vantik"]
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
