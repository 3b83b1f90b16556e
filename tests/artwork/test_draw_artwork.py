"""res/draw_artwork.py against the artwork the build takes: the 96 DPI
bitmaps it draws are the committed files, the committed PNGs of a larger scale
hold what it draws, and at that scale every place lies where the program's
rounding rule (gfx::DisplayScale) puts it."""

import os
import sys
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RES = os.path.join(ROOT, "res")

sys.path.insert(0, RES)
import draw_artwork as art  # noqa: E402 (found through RES)

# 125 % rounds 162 * 1.25 = 202.5 and 18 * 1.25 = 22.5 up, where rounding
# half to even would not, and a panel button's height there differs from its
# scaled length (23 + 50 = 73 maps to 91 - 29 = 62, not 63).
PERCENT = 125


def px(value):
    """gfx::DisplayScale::Px for a position of 0 or more."""
    return (value * PERCENT + 50) // 100


def drawn(scale):
    return {name: art.checked(name, drawing(scale)) for name, _, drawing in art.bitmaps()}


class DrawArtworkTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        (cls.scale,) = [s for s in art.SCALES if s.percent == PERCENT]
        cls.images = drawn(cls.scale)

    def test_natural_scale_draws_the_committed_bitmaps(self):
        for name, canvas in drawn(art.NATURAL).items():
            with open(os.path.join(RES, name + ".bmp"), "rb") as f:
                self.assertEqual(art.bmp_bytes(canvas), f.read(), name)

    def test_committed_pngs_hold_the_drawn_pixels(self):
        for name, canvas in self.images.items():
            path = os.path.join(RES, "scaled", "%s@%d.png" % (name, PERCENT))
            with open(path, "rb") as f:
                size, rows = art.png_rows(f.read())
            self.assertEqual((canvas.width, canvas.height), size, name)
            self.assertTrue(rows == art.canvas_rows(canvas), name + ": pixels differ")

    def test_panel_pictures_lie_at_their_scaled_places(self):
        skin = self.images["frame_skin"]
        self.assertEqual((skin.width, skin.height), (px(239), px(162)))
        help_left = px(239 - art.HELP_BUTTON[0])
        for name, place in (("btn_close", art.CLOSE_BUTTON), ("btn_capture", art.CAPTURE_BUTTON),
                            ("btn_setsize", art.SET_SIZE_BUTTON), ("btn_hotkeyhelp", art.HELP_BUTTON)):
            from_right, top, cx, cy = place
            left = 239 - from_right
            x, y, w, h = px(left), px(top), px(left + cx) - px(left), px(top + cy) - px(top)
            strip = self.images[name]
            self.assertEqual((strip.width, strip.height), (3 * w, h), name)
            if name == "btn_setsize":
                w = help_left - x  # the help button's picture lies over its right part
            self.assertTrue(skin.crop(x, y, w, h).pixels == strip.crop(0, 0, w, h).pixels,
                            name + ": the skin's picture is not the strip's first image")

    def test_white_window_is_the_scaled_viewport(self):
        skin = self.images["frame_skin"]
        left, top, right, bottom = px(18), px(11), px(239 - 82), px(162 - 11)
        white = {(x, y) for y in range(skin.height) for x in range(skin.width)
                 if skin.get(x, y) == art.WHITE
                 and left - 1 <= x <= right and top - 1 <= y <= bottom}
        self.assertEqual(white, {(x, y) for y in range(top, bottom) for x in range(left, right)})

    def test_caption_strip_and_dialog_title(self):
        strip = self.images["caption_buttons"]
        w, h = px(38), px(18)
        self.assertEqual((strip.width, strip.height), (12 * w, h))
        key = [x for x in range(strip.width) if strip.get(x, h - 1) == art.MAGENTA]
        self.assertEqual(key, list(range(6 * w)) + list(range(9 * w, 12 * w)))
        skin = self.images["setrgn_skin"]
        self.assertEqual((skin.width, skin.height), (px(100), px(70)))
        middle = skin.width // 2
        self.assertEqual(skin.get(middle, px(26) - 1), art.TITLE_BOTTOM)
        self.assertEqual(skin.get(middle, px(26)), art.DIALOG_BODY)


if __name__ == "__main__":
    unittest.main()
