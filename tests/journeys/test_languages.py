"""Vantik in the user's interface language, which Wine takes from each
process's locale: English under a German and an English locale (the key help
box, the region size dialog, the controls' names a screen reader reads, and a
capture still works), Chinese under zh_TW as under zh_CN. The tooltips and
the dialog are left as screenshots (language-*.png among the rig's shots)."""

import unittest

from capturing import CaptureJourney
from journey import wait_until
from test_frame_commands import HELP_TEXT
from vantik import HELP_TITLE, SIZE_DIALOG_TITLE

ENGLISH = {
    "help title": "Keyboard shortcuts",
    "help text": ("←  Move left   →  Move right\r\n"
                  "↑  Move up   ↓  Move down\r\n"
                  "\r\n"
                  "Shift + arrow keys  Change the size\r\n"
                  "Ctrl+C --- Capture"),
    "size title": "Set capture area",
    # By control id: the panel's close, capture, set-size and help buttons.
    "frame names": {7560: "Close", 7570: "Capture", 7580: "Set capture area", 7590: "Keyboard shortcuts"},
    # The boxes, the labels (named by their own texts), OK, and the caption's
    # close button.
    "size names": {1000: "Width", 1001: "Height", 7350: "Width:", 7450: "Height:", 1: "OK", 7001: "Close"},
}
CHINESE = {
    "help title": HELP_TITLE, "help text": HELP_TEXT, "size title": SIZE_DIALOG_TITLE,
    "frame names": {7560: "关闭", 7570: "截图", 7580: "设置截屏区域", 7590: "快捷键"},
    "size names": {1000: "宽", 1001: "高", 7350: "宽：", 7450: "高：", 1: "确 定", 7001: "关闭"},
}


class InTheUsersLanguage(CaptureJourney):
    texts = CHINESE

    def shot(self, what):
        self.j.screenshot(f"language-{self.locale.split('.')[0]}-{what}.png")

    def test_help_box_size_dialog_and_a_capture(self):
        self.start_vantik()
        rect = self.frame_rect()
        self.assertEqual(self.names("Vantik"), self.texts["frame names"])

        # The help button's tooltip, then the box it opens.
        dx, y = self.panel["help"]
        self.j.move_pointer(rect[2] + dx, rect[1] + y)
        self.j.move_pointer(rect[2] + dx + 1, rect[1] + y)
        wait_until("the tooltip", lambda: any(c == "tooltips_class32" for _, c, _ in self.j.visible_windows()))
        self.shot("tooltip")
        self.click_panel("help")
        box = wait_until("the help box", lambda: self.dialog(self.texts["help title"]))
        self.assertEqual(box["text"], self.texts["help text"])
        self.shot("help-box")
        self.j.key("Return")
        wait_until("the help box to close", lambda: self.dialog(self.texts["help title"]) is None)

        self.click_panel("star")
        dialog = wait_until("the region size dialog", lambda: self.dialog(self.texts["size title"]))
        self.assertEqual(dialog["edits"], ["50", "50"])
        self.assertEqual(self.names(self.texts["size title"]), self.texts["size names"])
        self.j.move_pointer(5, 5)
        self.shot("size-dialog")
        self.j.key("Escape")
        wait_until("the dialog to close", lambda: self.dialog(self.texts["size title"]) is None)

        expected = self.expected_pixels(rect)
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_delivered(expected)


class German(InTheUsersLanguage):
    locale = "de_DE.UTF-8"
    texts = ENGLISH


class English(InTheUsersLanguage):
    locale = "en_US.UTF-8"
    texts = ENGLISH


class TaiwaneseChinese(InTheUsersLanguage):
    locale = "zh_TW.UTF-8"


class SimplifiedChinese(InTheUsersLanguage):
    locale = "zh_CN.UTF-8"


del InTheUsersLanguage

if __name__ == "__main__":
    unittest.main()
