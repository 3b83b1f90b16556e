"""Three Vantik processes at once: each shows a frame of its own and its
camera button captures its own viewport; the hot key belongs to the first;
closing one leaves the others working."""

import unittest

from capturing import CaptureJourney
from journey import wait_until
from vantik import TITLE, pack


class Instances(CaptureJourney):
    # One pattern across the screen, under all three viewports.
    pattern = (0, 250, 1024, 300)

    def start_instance(self, count, place=None):
        """Starts one more Vantik, at place (x, y) if given, where the stored
        geometry puts it; returns its process and X window."""
        if place:
            self.probe("set-props", pack(280, 175), pack(*place))
        before = set(self.vantik_processes())
        proc = self.j.start(self.vantik_exe)
        wait_until(f"{count} frames", lambda: len(self.frames()) == count, timeout=30)
        new = wait_until("the new process", lambda: set(self.vantik_processes()) - before)
        self.assertEqual(len(new), 1, f"new vantik.exe processes: {new}")
        pid = new.pop()
        xid = wait_until(f"the frame of process {pid}", lambda: self.window_of(pid))
        return proc, xid

    def window_of(self, pid):
        for xid in self.j.find_windows(TITLE):
            if self.j.xdotool("getwindowpid", xid) == str(pid):
                return xid
        return None

    def rect_of(self, xid):
        x, y, w, h = self.j.window_geometry(xid)
        return (x, y, x + w, y + h)

    def click_camera_of(self, xid):
        self.click_panel("camera", self.rect_of(xid))

    def test_three_frames_each_capture_their_own_viewport(self):
        # Side by side: the later ones start where the stored geometry says.
        first, a = self.start_instance(1)
        second, b = self.start_instance(2, (72, 297))
        third, c = self.start_instance(3, (672, 297))
        rects = {name: self.rect_of(xid) for name, xid in (("first", a), ("second", b), ("third", c))}
        self.assertEqual(sorted(self.frames()), sorted(rects.values()))
        self.j.screenshot("instances-three-frames.png")

        captures = 0
        for name, xid in (("second", b), ("first", a), ("third", c)):
            self.click_camera_of(xid)
            captures += 1
            self.wait_for_captures(captures)
            with self.subTest(camera=name):
                self.assert_delivered(self.expected_pixels(rects[name]))

        # The hot key, pressed while another program has the focus, is the
        # first one's.
        self.focus_another_program()
        self.j.key("ctrl+c")
        captures += 1
        self.wait_for_captures(captures)
        self.assert_delivered(self.expected_pixels(rects["first"]))

        # The second one closes with its close button; the others go on.
        self.click_panel("close", rects["second"])
        second.wait(timeout=30)
        self.assertEqual(sorted(self.frames()), sorted([rects["first"], rects["third"]]))
        self.click_camera_of(c)
        captures += 1
        self.wait_for_captures(captures)
        self.assert_delivered(self.expected_pixels(rects["third"]))
        self.focus_another_program()
        self.j.key("ctrl+c")
        captures += 1
        self.wait_for_captures(captures)
        self.assert_delivered(self.expected_pixels(rects["first"]))
        self.assertIsNone(first.poll())
        self.assertIsNone(third.poll())


if __name__ == "__main__":
    unittest.main()
