"""The skinned dialog under a real mouse: skindemo.exe shows a dialog with a
generated skin (title band 24 pixels high, side edges 6 wide, bottom edge 10
high, corners cut in a quarter circle) at (200, 150), 320 x 240, resizable,
minimum 200 x 150. The mouse is driven with xdotool; the window's place is
read from the X server, the cursor from the demo's log.

Wine places, moves and maximises the demo itself, as Windows would, rather
than the journey's window manager: the dialog's geometry is what is tested
here, and a window manager would make the maximised dialog full-screen and
run the drags itself."""

import os
import unittest

from journey import JourneyTestCase, unix_to_windows_path, wait_until

TITLE = "Vantik skin demo"
START = (200, 150, 320, 240)
TITLE_LEFT = (180, 30, 30)   # colour of the skin's title-left slice
LEFT_EDGE = (160, 160, 20)   # colour of the left edge slice


class SkinFrameJourney(JourneyTestCase):
    def start_demo(self):
        self.cursor_log = os.path.join(self.j.work, "cursor.log")
        self.j.env["VANTIK_SKIN_LOG"] = unix_to_windows_path(self.cursor_log)
        self.j.leave_unmanaged("skindemo.exe")
        self.j.start(self.j.program("skindemo.exe"))
        self.xid = self.j.wait_for_window(TITLE)
        wait_until("the demo at its start place", lambda: self.geometry() == START)

    def geometry(self):
        return self.j.window_geometry(self.xid)

    def platform_window(self):
        """The window rectangle and zoomed state as the platform sees them."""
        out = self.j.probe("window", TITLE)
        fields = dict(f.split("=") for f in out.split() if "=" in f)
        if "rect" not in fields:
            return None
        return tuple(int(v) for v in fields["rect"].split(",")), fields["zoomed"] == "1"

    def wait_geometry(self, want, what):
        seen = []

        def probe():
            seen.append(self.geometry())
            return seen[-1] == want
        try:
            wait_until(what, probe, timeout=10)
        except AssertionError:
            self.fail(f"{what}: window at {seen[-1]}, wanted {want}")

    def taken(self):
        """Whether the dialog holds the mouse capture, as it does from a press
        on its frame until the release."""
        return self.j.probe("capture", TITLE) == "capture=1"

    def drag_and_wait(self, x, y, dx, dy, want, what):
        """A drag from screen (x, y) by (dx, dy) whose release waits for the
        window to get where the last move takes it: the platform's move loop
        ends at the release and, on a busy machine, may not have handled that
        move yet."""
        self.j.drag(x, y, dx, dy, taken=self.taken)
        self.wait_geometry(want, what)
        self.j.release()

    def last_cursor(self):
        try:
            with open(self.cursor_log) as f:
                lines = f.read().split()
        except FileNotFoundError:
            return None
        return lines[-1] if lines else None

    def wait_cursor(self, x, y, name):
        # Two small moves: the cursor is set on the moves the window sees.
        self.j.xdotool("mousemove", "--sync", x + 1, y)
        self.j.xdotool("mousemove", "--sync", x, y)
        seen = []

        def probe():
            seen.append(self.last_cursor())
            return seen[-1] == name
        try:
            wait_until(f"cursor {name} at ({x}, {y})", probe, timeout=10)
        except AssertionError:
            self.fail(f"cursor at ({x}, {y}) is {seen[-1]!r}, wanted {name!r}")

    def test_drag_resize_and_cursors(self):
        self.start_demo()
        x, y, w, h = START

        # The client area and the title band both drag the window.
        self.drag_and_wait(x + 160, y + 120, 50, 30, (x + 50, y + 30, w, h), "drag by the client area")
        x, y = x + 50, y + 30
        self.drag_and_wait(x + 100, y + 12, -70, 40, (x - 70, y + 40, w, h), "drag by the title band")
        x, y = x - 70, y + 40

        # The right border follows the mouse while the button is down...
        self.drag_and_wait(x + w - 1, y + 120, 40, 0, (x, y, w + 40, h), "resize by the right border")
        w += 40
        # ...and the resize ends with the release: moving on changes nothing,
        # and the next drag moves the window at its new size.
        self.j.xdotool("mousemove", "--sync", x + w + 60, y + 120)
        self.drag_and_wait(x + 160, y + 120, 10, 10, (x + 10, y + 10, w, h), "drag after the resize ended")
        x, y = x + 10, y + 10

        # The left border stops at the minimum width, the right edge stays.
        self.drag_and_wait(x + 1, y + 120, 300, 0, (x + w - 200, y, 200, h),
                           "resize by the left border to the minimum")
        x, w = x + w - 200, 200
        # The bottom-right corner, both ways.
        self.drag_and_wait(x + w - 3, y + h - 2, 60, 20, (x, y, w + 60, h + 20), "resize by the bottom-right corner")
        w, h = w + 60, h + 20
        # The top border, upwards.
        self.drag_and_wait(x + 100, y + 1, 0, -25, (x, y - 25, w, h + 25), "resize by the top border")
        y, h = y - 25, h + 25

        # Sizing cursors over the borders only.
        self.wait_cursor(x + 1, y + 100, "sizewe")
        self.wait_cursor(x + 100, y + h - 1, "sizens")
        self.wait_cursor(x + 3, y + h - 2, "sizenesw")
        self.wait_cursor(x + w - 3, y + h - 2, "sizenwse")
        self.wait_cursor(x + 100, y + 100, "arrow")
        self.wait_cursor(x + 100, y + 12, "arrow")
        self.j.screenshot("skin-after-resize.png")

    def test_title_double_click_maximises_and_restores(self):
        self.start_demo()
        x, y, w, h = START
        shot = self.j.screenshot("skin-start.png")
        # The skin's frame, no platform caption or border, corners cut.
        self.assertEqual(shot.pixel(x + 10, y + 20), TITLE_LEFT)
        self.assertEqual(shot.pixel(x + 3, y + 100), LEFT_EDGE)
        self.assertEqual(shot.pixel(x, y), shot.pixel(x - 1, y), "the corner pixel is not cut")
        self.assertEqual(shot.pixel(x + w - 1, y + h - 1), shot.pixel(x + w, y + h - 1))

        # The menu spot (first 20 pixels of the title band) does not
        # maximise: the window still drags afterwards.
        self.j.xdotool("mousemove", "--sync", x + 10, y + 12)
        self.j.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.drag_and_wait(x + 160, y + 120, 10, 0, (x + 10, y, w, h), "drag after a menu-spot double click")
        x += 10
        self.j.xdotool("mousemove", "--sync", x + 120, y + 12)
        self.j.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        # Maximised: the side edges, the bottom band and the top 3 title
        # pixels lie outside the work area (the whole screen here). Read
        # from the platform: without a window manager Wine moves the X window
        # of a maximised window but leaves its size to the manager.
        wait_until("maximised by a title double click",
                   lambda: self.platform_window() == ((-6, -3, 1024 + 6, 768 + 10), True))
        self.j.screenshot("skin-maximised.png")

        self.j.xdotool("mousemove", "--sync", 300, 9)
        self.j.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.wait_geometry((x, y, w, h), "restored by a title double click")


if __name__ == "__main__":
    unittest.main()
