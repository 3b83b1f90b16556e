"""The frame at the edges of what it accepts: restored where no monitor shows
it, left there by a change of the display, and sized with absurd numbers typed
into the region size dialog."""

import os
import unittest

from capturing import PATTERN, CaptureJourney, bmp_top_rows
from journey import SCREEN_WIDTH, wait_until
from vantik import TITLE, pack, pattern_colour

HUGE = "99999999999999999999"
MAX_EXTENT = 32767


class FrameExtremes(CaptureJourney):
    def test_a_place_no_monitor_shows_is_left_for_the_nearest_work_area(self):
        # Windows started after the frame come out above it under Wine, topmost
        # or not: the pattern the frame will come back over is there first.
        corner = (700, 550, SCREEN_WIDTH - 700, 218)
        self.j.start(self.probe_exe, "pattern", *corner)
        wait_until("the second pattern", lambda: len(self.j.find_windows("Probe pattern")) == 2)
        # Last left on a monitor unplugged since, or on a screen that was larger.
        self.probe("set-props", pack(280, 175), pack(1300, 900))
        self.start_vantik()
        wl, wt, wr, wb = self.frame()["work"]
        back = (wr - 280, wb - 175, wr, wb)
        self.assertEqual(self.frame_rect(), back, "not brought whole onto the work area at its size")
        self.assertEqual(self.props(), (pack(280, 175), pack(*back[:2])), "the new place was not stored")
        self.j.wait_for_window(TITLE)
        self.j.screenshot("extremes-brought-back.png")

        # While it runs: the display changes and the frame is on no monitor
        # any more; a frame that shows even partly stays where it is.
        for place, expected in (((900, 700), (900, 700, 1180, 875)), ((1500, 300), (wr - 280, 300, wr, 475))):
            self.probe("move-frame", *place)
            self.wait_for_rect((place[0], place[1], place[0] + 280, place[1] + 175))
            self.probe("display-changed")
            self.wait_for_rect(expected, f"the frame moved to {place} after the display changed")

        # Back where it came to on the screen, it takes ordinary key presses;
        # then a capture of a pattern there.
        self.probe("move-frame", *back[:2])
        self.wait_for_rect(back)
        self.focus_frame()
        self.j.key("Left")
        self.wait_for_rect((back[0] - 1, back[1], back[2] - 1, back[3]))
        self.j.wait_for_pixel(800, 700, pattern_colour(100, 150))
        expected = self.expected_pixels(self.frame_rect(), corner)
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_delivered(expected)

    def test_absurd_typed_sizes(self):
        self.start_vantik()
        l, t, r, b = rect = self.frame_rect()
        for width, height in (("0", "-40"), ("-" + HUGE, "120")):
            self.type_size(width, height)
            self.assertEqual(self.frame_rect(), rect, f"{width} x {height} changed the frame")

        # The tallest frame: its viewport is captured whole.
        self.type_size("200", HUGE)
        self.wait_for_rect((l, t, l + 300, t + MAX_EXTENT))
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_tall_capture(os.path.join(self.j.work, "clipboard.bmp"), "clipboard-bitmap")
        self.assert_tall_capture(self.output_file())
        stamp = os.stat(self.output_file()).st_mtime_ns

        # The largest frame, both ways: the bitmap cannot be made, so neither
        # clipboard nor file changes, and Paint is not started on the old file.
        # The panel lies off the screen: the camera button's command comes from
        # the probe, which says when it is done.
        self.type_size(HUGE, HUGE)
        self.wait_for_rect((l, t, l + MAX_EXTENT, t + MAX_EXTENT))
        self.j.screenshot("extremes-largest-frame.png")
        self.assertEqual(self.probe("capture-command"), "captured")
        self.assert_tall_capture(os.path.join(self.j.work, "clipboard.bmp"), "clipboard-bitmap")
        self.assertEqual(os.stat(self.output_file()).st_mtime_ns, stamp, "the file was written")
        wait_until("no Paint running", lambda: not self.paint_running())
        self.assertEqual(len(self.j.paint_log()), 1, "Paint was started on a file this capture did not write")
        self.assert_no_message_box()

        # Its panel, set-size button and all, lies far off the screen, and
        # the size is remembered for as long as the logon lasts: closed, and
        # started again in a new logon, the frame has its default size, and a
        # sane size typed in gives a capture that works.
        self.close_frame()
        self.j.new_logon()
        self.j.start(self.probe_exe, "pattern", *PATTERN)
        self.j.wait_for_window("Probe pattern")
        self.start_vantik()
        self.assertEqual(self.frame_rect(), rect)
        self.type_size("150", "100")
        self.wait_for_rect((l, t, l + 250, t + 122))
        expected = self.expected_pixels(self.frame_rect())
        self.remove_output_file()
        self.click_panel("camera")
        self.wait_for_captures(2)
        self.assert_delivered(expected)

    def assert_tall_capture(self, path, probe_command=None):
        """A 200 x 32745 capture of the frame at the default place: the
        pattern in its top rows."""
        if probe_command:
            self.assertEqual(self.probe(probe_command, path), f"size=200x{MAX_EXTENT - 22}")
        l, t = self.frame_rect()[:2]
        w, h, rows = bmp_top_rows(path, 150)
        self.assertEqual((w, h), (200, MAX_EXTENT - 22))
        expected = self.expected_pixels((l, t, l + 300, t + 150 + 22))[2]
        self.assertTrue(rows == expected, f"{path}: the top rows are not the pattern")


if __name__ == "__main__":
    unittest.main()
