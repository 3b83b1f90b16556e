"""The journey rig drives a real window: finds it, reads its pixels from a
screenshot, clicks it, and sees the Paint stand-in started."""

import unittest

from journey import JourneyTestCase, wait_until

BLUE = (0, 128, 255)
ORANGE = (255, 128, 0)


class RigJourney(JourneyTestCase):
    def test_click_starts_paint_and_repaints(self):
        self.j.start(self.j.program("rigdemo.exe"))
        xid = self.j.wait_for_window("Vantik rig demo")
        x, y, w, h = self.j.window_geometry(xid)
        self.assertEqual((x, y, w, h), (100, 100, 200, 120))
        self.j.wait_for_pixel(150, 150, BLUE)
        self.j.screenshot("rig-before-click.png")

        self.j.click(150, 150)

        log = wait_until("the Paint stand-in's log", self.j.paint_log)
        self.assertEqual(len(log), 1, log)
        self.assertTrue(log[0].endswith('"C:\\rig demo\\picture.bmp"'), log[0])
        self.j.wait_for_pixel(150, 150, ORANGE)
        self.j.screenshot("rig-after-click.png")

    def test_each_journey_starts_a_fresh_logon(self):
        self.j.start(self.j.program("rigdemo.exe"))
        self.j.wait_for_window("Vantik rig demo")
        self.j.new_logon()
        wait_until("the demo window to be gone with its logon",
                   lambda: not self.j.find_windows("Vantik rig demo"))


if __name__ == "__main__":
    unittest.main()
