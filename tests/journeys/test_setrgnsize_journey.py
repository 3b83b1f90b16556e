"""The region size dialog as a person uses it: opened over its owner by the
demo program, looked at on the screen, typed into, pasted into and closed in
every way it can be, with xdotool.

All tests share one logon: each starts the demo afresh and waits for it to
end, so they stay independent while the session's start-up is paid once."""

import os
import unittest

from journey import Journey, unix_to_windows_path, wait_until

TITLE = "设置截屏区域"
OWNER_TITLE = "Vantik owner"
OWNER = (212, 184, 600, 400)            # the demo's owner window: x, y, width, height
SIZE = (200, 100)
INT_MAX = 2147483647

PURPLE = (128, 0, 128)
WHITE = (255, 255, 255)
MAGENTA = (255, 0, 255)


def near(rgb, want, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(rgb, want))


def dark(rgb):
    return sum(rgb) < 200


def ink(rgb):
    """Text drawn on white, smoothed edges included."""
    return sum(rgb) < 450


class SetRgnSizeJourney(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.j = Journey("setrgnsize")

    @classmethod
    def tearDownClass(cls):
        cls.j.close()

    def setUp(self):
        self.result_path = os.path.join(self.j.work, f"{self.id().split('.')[-1]}.txt")
        self.process = None

    def tearDown(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # -- helpers -----------------------------------------------------------

    def open_dialog(self, width, height, clipboard=None):
        """Starts the demo and returns the dialog's screen rectangle, with the
        keyboard focus in the dialog."""
        args = [str(width), str(height), unix_to_windows_path(self.result_path)]
        if clipboard is not None:
            args.append(clipboard)
        # The pointer starts away from where the dialog will be.
        self.j.move_pointer(5, 5)
        self.process = self.j.start(self.j.program("setrgnsizedemo.exe"), *args)
        xid = self.j.wait_for_window(TITLE)
        self.xid = xid
        self.j.xdotool("windowfocus", "--sync", xid)
        return self.j.window_geometry(xid)

    def at(self, x, y):
        """Screen point of a point of the dialog."""
        return self.rect[0] + x, self.rect[1] + y

    def click_at(self, x, y):
        self.j.click(*self.at(x, y))

    def result(self):
        """(DoModal result, width, height), which the demo writes once
        DoModal has returned: the dialog has closed by then. The demo's own
        ending is not waited for (Wine takes seconds to retire its windows on
        a display without a window manager); tearDown ends it."""
        def line():
            try:
                with open(self.result_path) as f:
                    text = f.read()
            except FileNotFoundError:
                return None
            return text if text.endswith("\n") else None
        fields = dict(item.split("=") for item in wait_until("the dialog's result", line, timeout=30).split())
        return int(fields["result"]), int(fields["width"]), int(fields["height"])

    def clear_box(self, x):
        """Puts the caret at the end of the box at dialog x and empties it."""
        self.click_at(x, 49)
        self.j.key("End", *["BackSpace"] * 12)

    def rect_once_width_box_shows(self, text):
        """The dialog's window rectangle as the platform has it, once its
        width box (asked by the probe) shows text; else None."""
        fields = dict(f.split("=", 1) for f in self.j.probe("dialog", TITLE).split(" text=")[0].split()
                      if "=" in f)
        if "rect" not in fields or fields.get("edits", "").split("|")[0] != text:
            return None
        return tuple(int(v) for v in fields["rect"].split(","))

    def pixels(self, shot, x0, y0, x1, y1):
        """Pixels of a rectangle of the dialog (dialog coordinates)."""
        return [shot.pixel(*self.at(x, y)) for y in range(y0, y1) for x in range(x0, x1)]

    # -- the journeys --------------------------------------------------------

    def test_opens_centred_with_its_skin_and_enter_returns_the_shown_values(self):
        self.rect = self.open_dialog(320, 240)
        ox, oy, ow, oh = self.j.window_geometry(self.j.wait_for_window(OWNER_TITLE))
        self.assertEqual((ox, oy, ow, oh), OWNER)
        x, y, w, h = self.rect
        self.assertEqual((w, h), SIZE)
        self.assertLessEqual(abs((x + w // 2) - (ox + ow // 2)), 1, self.rect)
        self.assertLessEqual(abs((y + h // 2) - (oy + oh // 2)), 1, self.rect)

        self.j.wait_for_pixel(*self.at(100, 64), WHITE)
        shot = self.j.screenshot("setrgnsize-open.png")

        title = self.pixels(shot, 8, 7, 110, 22)
        self.assertGreater(sum(map(dark, title)), 20, "no black title text at (8, 7)")
        self.assertEqual(sum(map(dark, self.pixels(shot, 2, 4, 8, 24))), 0, "ink left of the title's start")
        self.assertEqual(shot.pixel(*self.at(100, 64)), WHITE, "inner area")
        self.assertEqual(shot.pixel(*self.at(3, 96)), WHITE, "inner area's bottom-left")

        close = self.pixels(shot, 162, 0, 200, 18)
        self.assertIn(WHITE, close, "no close button (its white X) at the top right")
        minimise = self.pixels(shot, 123, 0, 161, 18)
        self.assertNotIn(MAGENTA, minimise, "a minimise button is showing")
        self.assertNotIn(WHITE, minimise, "something is drawn where the minimise button would be")

        self.assertGreater(sum(map(ink, self.pixels(shot, 5, 39, 30, 59))), 10, "no width caption")
        self.assertGreater(sum(map(ink, self.pixels(shot, 100, 39, 125, 59))), 10, "no height caption")
        ok = self.pixels(shot, 135, 68, 175, 88)
        self.assertGreater(sum(near(p, PURPLE, 40) for p in ok), 10, "OK text is not purple")
        self.assertEqual(sum(dark(p) and not near(p, PURPLE, 60) for p in ok), 0, "OK text in another colour")
        # Inside the box's border: the digits of 320 and 240.
        self.assertGreater(sum(map(ink, self.pixels(shot, 34, 41, 90, 57))), 10, "width box is empty")
        self.assertGreater(sum(map(ink, self.pixels(shot, 129, 41, 185, 57))), 10, "height box is empty")

        self.j.key("Return")
        self.assertEqual(self.result(), (1, 320, 240))

    def test_boxes_take_digits_only_an_empty_box_reads_zero_and_ok_click_returns_them(self):
        self.rect = self.open_dialog(50, 50)
        self.clear_box(60)
        self.j.xdotool("type", "12a3b")
        self.clear_box(150)
        self.j.screenshot("setrgnsize-typed.png")
        self.click_at(155, 78)
        self.assertEqual(self.result(), (1, 123, 0))

    def test_pasted_text_reads_like_atoi_and_huge_numbers_saturate(self):
        self.rect = self.open_dialog(50, 50, clipboard="  42abc")
        self.clear_box(60)
        self.j.key("ctrl+v")
        self.clear_box(150)
        self.j.xdotool("type", "99999999999")
        # Over the OK button and off it again, then the keyboard: the
        # button's first hover must not take the keyboard from the dialog.
        self.j.move_pointer(*self.at(155, 78))
        self.j.move_pointer(*self.at(100, 64))
        self.j.screenshot("setrgnsize-pasted.png")
        self.j.key("Return")
        self.assertEqual(self.result(), (1, 42, INT_MAX))

    def test_its_borders_do_not_resize_it(self):
        """The dialog is not resizable. Dragged as a new user tried it, by its
        right edge and then by its bottom-right corner, it stays 200 x 100
        where it was (Wine sized it to 300 x 100 and 300 x 250 when the press
        reached the platform). A digit typed after each drag reaches the
        width box only after the drag's own events were handled."""
        self.rect = self.open_dialog(320, 240)
        x, y, w, h = self.rect
        self.assertEqual((w, h), SIZE)
        drags = (("right edge", (199, 50), (100, 0), "3201"),
                 ("bottom-right corner", (199, 99), (100, 150), "32012"))
        for what, (px, py), (dx, dy), typed in drags:
            self.j.drag(*self.at(px, py), dx, dy)
            self.j.release()
            self.j.key("End", typed[-1])
            rect = wait_until(f"{typed} in the width box after the drag on the {what}",
                              lambda: self.rect_once_width_box_shows(typed), timeout=20)
            self.assertEqual(rect, (x, y, x + w, y + h), f"the drag on the {what} sized the dialog")
        self.j.screenshot("setrgnsize-after-border-drags.png")
        self.assertEqual(self.j.window_geometry(self.xid), self.rect)
        self.j.key("Return")
        self.assertEqual(self.result(), (1, 32012, 240))

    def test_escape_close_button_and_system_menu_close_return_zeros(self):
        ways = {
            "Escape": lambda: self.j.key("Escape"),
            "close button": lambda: self.click_at(181, 9),
            # C is the accelerator of the menu's Close item.
            "system menu": lambda: (self.j.key("alt+space"), self.j.xdotool("sleep", "0.5"),
                                    self.j.key("c")),
        }
        for way, close in ways.items():
            with self.subTest(way):
                self.rect = self.open_dialog(320, 240)
                close()
                self.assertEqual(self.result(), (2, 0, 0))


if __name__ == "__main__":
    unittest.main()
