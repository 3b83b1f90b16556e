"""Starting Vantik: the first frame of a logon, the remembered geometry, the
frame's shape, and a second instance."""

import unittest

from journey import wait_until
from vantik import TITLE, VantikJourney, centred, pack

VIEWPORT_PIXELS = 180 * 153
CORNER_PIXELS = 24


class FrameStart(VantikJourney):
    def test_first_start_is_centred_and_remembered_then_restored(self):
        self.start_vantik()
        f = self.frame()
        l, t, r, b = f["rect"]
        self.assertEqual((r - l, b - t), (280, 175))
        self.assertEqual((l, t), centred(f["work"]), f"not centred on {f['work']}")
        self.assertTrue(f["topmost"])
        self.assertEqual(f["hole"], VIEWPORT_PIXELS, "the viewport is not cut out whole")
        self.assertEqual(f["excluded"], VIEWPORT_PIXELS + CORNER_PIXELS, "corner pixels")
        self.assert_label("180x153")
        self.assertEqual(self.props(), (pack(280, 175), pack(l, t)))
        self.j.screenshot("frame-first-start.png")

        # Moved, closed, started again in the same logon: exactly where it was.
        self.focus_frame()
        self.j.key("Right", "Right", "Down")
        self.wait_for_rect((l + 2, t + 1, r + 2, b + 1))
        self.close_frame()
        self.start_vantik()
        self.assertEqual(self.frame_rect(), (l + 2, t + 1, r + 2, b + 1))

    def test_restores_stored_geometry_and_defaults_when_one_value_is_missing(self):
        self.probe("set-props", pack(400, 300), pack(50, 60))
        self.start_vantik()
        self.assertEqual(self.frame_rect(), (50, 60, 450, 360))
        self.assert_label("300x278")
        self.close_frame()

        for size, xy in ((pack(400, 300), 0), (0, pack(50, 60))):
            self.probe("set-props", size, xy)
            self.start_vantik()
            f = self.frame()
            l, t, r, b = f["rect"]
            self.assertEqual((r - l, b - t), (280, 175), f"properties {size}, {xy}")
            self.assertEqual((l, t), centred(f["work"]), "not centred")
            self.close_frame()

    def test_a_second_instance_has_a_frame_of_its_own_and_says_nothing(self):
        self.start_vantik()
        self.j.start(self.vantik_exe)
        wait_until("two frames", lambda: len(self.j.find_windows(TITLE)) == 2, timeout=30)
        windows = self.j.xdotool("search", "--onlyvisible", "--name", ".")
        titles = {self.j.xdotool("getwindowname", w) for w in windows.split()}
        self.assertEqual(titles - {TITLE, ""}, set(), "a second instance showed something besides its frame")
        self.j.screenshot("frame-second-instance.png")


if __name__ == "__main__":
    unittest.main()
