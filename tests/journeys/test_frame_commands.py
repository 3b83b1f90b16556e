"""The star button's region size dialog and the help button's box."""

import unittest

from journey import wait_until
from vantik import HELP_TITLE, SIZE_DIALOG_TITLE, VantikJourney


HELP_TEXT = ("←  向左移动   →  向右移动\r\n"
             "↑  向上移动   ↓  向下移动\r\n"
             "\r\n"
             "按下Shift +方向键 改变窗口大小\r\n"
             "Ctrl +C --- 截图")


class FrameCommands(VantikJourney):
    def setUp(self):
        super().setUp()
        self.start_vantik()
        self.rect = self.frame_rect()

    def test_size_command_resizes_the_viewport_and_remembers_the_request(self):
        d = self.open_size_dialog()
        self.assertEqual(d["edits"], ["50", "50"])
        self.j.screenshot("size-dialog-open.png")
        self.enter_size("320", "240")
        l, t = self.rect[:2]
        self.wait_for_rect((l, t, l + 420, t + 262))
        self.assert_label("320x240")

        # Resized by hand in between; the dialog still offers the last request.
        self.focus_frame()
        self.j.key("shift+Right")
        self.wait_for_rect((l, t, l + 421, t + 262))
        d = self.open_size_dialog()
        self.assertEqual(d["edits"], ["320", "240"])
        self.j.key("Escape")
        wait_until("the dialog to close", lambda: self.dialog(SIZE_DIALOG_TITLE) is None)
        self.assertEqual(self.frame_rect(), (l, t, l + 421, t + 262), "cancel changed the frame")

        self.type_size("", "90")
        self.assertEqual(self.frame_rect(), (l, t, l + 421, t + 262), "an empty box changed the frame")

    def test_hot_key_captures_while_the_size_dialog_is_open(self):
        self.open_size_dialog()
        self.j.key("ctrl+c")
        wait_until("a capture", self.j.paint_log, timeout=20)
        self.assertIsNotNone(self.dialog(SIZE_DIALOG_TITLE), "the dialog closed")

    def test_help_box(self):
        self.click_panel("help")
        box = wait_until("the help box", lambda: self.dialog(HELP_TITLE))
        self.assertEqual(box["text"], HELP_TEXT)
        self.assertEqual(box["buttons"], 1)
        self.assertTrue(box["icon"], "the box shows no icon")
        self.j.screenshot("help-box.png")

        self.j.key("ctrl+c")
        # Nothing may happen: give a capture ample time to show, then look.
        with self.assertRaises(AssertionError):
            wait_until("a capture", self.j.paint_log, timeout=3)
        self.j.key("Return")
        wait_until("the help box to close", lambda: self.dialog(HELP_TITLE) is None)
        self.assertEqual(self.frame_rect(), self.rect)

        self.click_panel("camera")
        wait_until("a capture from the camera button", self.j.paint_log, timeout=20)

    def test_f1_opens_the_help_box(self):
        self.focus_frame()
        self.j.key("F1")
        box = wait_until("the help box on F1", lambda: self.dialog(HELP_TITLE))
        self.assertEqual(box["text"], HELP_TEXT)
        self.j.key("Return")
        wait_until("the help box to close", lambda: self.dialog(HELP_TITLE) is None)
        self.assertEqual(self.frame_rect(), self.rect, "F1 moved the frame")


if __name__ == "__main__":
    unittest.main()
