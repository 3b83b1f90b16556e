"""The frame from the keyboard, and with the mouse on its borders."""

import unittest

from journey import wait_until
from vantik import TITLE, VantikJourney, pack


class FrameKeys(VantikJourney):
    def setUp(self):
        super().setUp()
        self.start_vantik()
        self.rect = self.frame_rect()
        self.focus_frame()

    def test_arrows_move_frame_and_pointer_shift_resizes(self):
        l, t, r, b = self.rect
        self.j.move_pointer(100, 100)
        self.j.key("Left")
        self.wait_for_rect((l - 1, t, r - 1, b))
        self.assertEqual(self.j.pointer(), (99, 100))
        self.j.key("Down")
        self.wait_for_rect((l - 1, t + 1, r - 1, b + 1))
        self.assertEqual(self.j.pointer(), (99, 101))
        self.j.key("ctrl+Up")
        self.wait_for_rect((l - 1, t, r - 1, b), "Ctrl+Up moving like Up")
        self.assertEqual(self.props()[1], pack(l - 1, t))

        self.j.key("shift+Right")
        self.wait_for_rect((l - 1, t, r, b))
        self.assertEqual(self.j.pointer(), (99, 100), "Shift+arrow moved the pointer")
        self.assert_label("181x153")
        self.assertEqual(self.props()[0], pack(281, 175))

    def test_other_keys_do_nothing_and_escape_closes(self):
        for key in ("Return", "Tab", "space", "a", "z", "F2"):
            self.j.key(key)
        self.j.key("Left")  # a key that does act, to know the others were handled first
        l, t, r, b = self.rect
        self.wait_for_rect((l - 1, t, r - 1, b))
        self.assertIsNotNone(self.frame())

        self.j.key("shift+Escape")
        wait_until("Shift+Escape to close the frame", lambda: self.frame() is None)

    def test_shift_arrows_stop_at_the_minimum_size(self):
        l, t, r, b = self.rect
        # 280 x 175 down to 115 x 37 is 165 and 138 steps.
        self.j.xdotool("key", "--delay", "5", *(["shift+Left"] * 170))
        self.j.xdotool("key", "--delay", "5", *(["shift+Up"] * 142))
        self.wait_for_rect((l, t, l + 115, t + 37), "the frame at its minimum size")
        # The 15x15 label lies half under the camera button at this size, so
        # the stored size stands witness instead.
        self.assertEqual(self.props()[0], pack(115, 37))

    def taken(self):
        """Whether the frame holds the mouse capture, as it does from a press
        on its band or a border until the release."""
        return self.probe("capture", TITLE) == "capture=1"

    def test_dragging_and_border_resize_update_viewport_label_and_properties(self):
        l, t, r, b = self.rect
        # Drag by the left band: the platform's move loop takes the capture.
        self.j.drag(l + 8, t + 80, 50, 30, taken=self.taken)
        self.j.release()
        self.wait_for_rect((l + 50, t + 30, r + 50, b + 30), "the dragged frame")
        self.assertEqual(self.props()[1], pack(l + 50, t + 30))

        # Resize at the right edge of the panel, through the polling timer.
        l, t, r, b = self.frame_rect()
        self.j.drag(r - 1, t + 130, 40, 0, taken=self.taken)
        self.wait_for_rect((l, t, r + 40, b), "the frame widened live")
        self.j.release()
        self.assert_label("220x153")
        self.assertEqual(self.props()[0], pack(320, 175))


if __name__ == "__main__":
    unittest.main()
