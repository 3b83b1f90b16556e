"""Vantik on a display of 100 %, 125 %, 150 % and 200 %: the frame comes up at its
scaled size, centred and topmost, with its corners cut and its hole where the
scaled bands put it; the panel's buttons lie where they are drawn and answer
clicks; a capture holds exactly the device pixels under the hole; the region
size dialog opens at its scaled size with whole digits in its boxes, and
the size typed there is the viewport's in device pixels.

Wine takes the scale from the prefix's system DPI (LogPixels) when a logon
starts. Every number below is the 96 DPI table scaled by hand: each edge of
the skin times the scale, rounded half up."""

import unittest

from capturing import CaptureJourney
from journey import wait_until
from vantik import centred, pack


# Per DPI: the frame's default size; its bands (left, title, panel, below);
# the skin's magenta corner pixels; a point on each panel button, x from the
# frame's right edge; the size label (from right, from bottom, width,
# height, font); the dialog's size and its height box (left, top, right,
# bottom; the width box's digits are selected).
SCALES = {
    96: {
        "size": (280, 175), "bands": (18, 11, 82, 11), "corners": 24,
        "panel": {"close": (-15, 11), "camera": (-42, 48), "star": (-43, 85)},
        "label": (76, 17, 52, 13, 11),
        "dialog": (200, 100), "height_box": (127, 39, 187, 59),
    },
    120: {
        "size": (350, 219), "bands": (23, 14, 103, 14), "corners": 24,
        "panel": {"close": (-19, 14), "camera": (-53, 60), "star": (-54, 106)},
        "label": (95, 22, 65, 17, 14),
        "dialog": (250, 125), "height_box": (159, 49, 234, 74),
    },
    144: {
        "size": (420, 263), "bands": (27, 17, 123, 16), "corners": 40,
        "panel": {"close": (-23, 17), "camera": (-63, 72), "star": (-65, 128)},
        "label": (114, 25, 78, 19, 17),
        "dialog": (300, 150), "height_box": (191, 59, 281, 89),
    },
    192: {
        "size": (560, 350), "bands": (36, 22, 164, 22), "corners": 84,
        "panel": {"close": (-30, 22), "camera": (-84, 96), "star": (-86, 170)},
        "label": (152, 34, 104, 26, 22),
        "dialog": (400, 200), "height_box": (254, 78, 374, 118),
    },
}


def ink(rgb):
    """Text drawn on white, smoothed edges included."""
    return sum(rgb) < 450


class ScaledDisplay(CaptureJourney):
    # Under the viewport of the largest default frame too.
    pattern = (150, 150, 700, 500)

    def write_log_pixels(self, dpi):
        """The prefix's system DPI, as the display settings write it."""
        for key in ("HKCU\\Control Panel\\Desktop", "HKCC\\Software\\Fonts"):
            code, out = self.j.run("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
            self.assertEqual(code, 0, out)

    def set_dpi(self, dpi):
        """The system DPI for the next logon, with the pattern shown."""
        self.write_log_pixels(dpi)
        self.j.new_logon()
        self.j.start(self.probe_exe, "pattern", *self.pattern)
        self.j.wait_for_window("Probe pattern")
        return self.use_table(dpi)

    def use_table(self, dpi):
        table = SCALES[dpi]
        self.bands, self.panel, self.label = table["bands"], table["panel"], table["label"]
        return table

    def check_scale(self, dpi):
        table = self.set_dpi(dpi)
        self.start_vantik()
        f = self.frame(self.bands)
        l, t, r, b = f["rect"]
        self.assertEqual((r - l, b - t), table["size"])
        self.assertEqual((l, t), centred(f["work"], table["size"]), f"not centred on {f['work']}")
        self.assertTrue(f["topmost"])
        left, top, right, bottom = self.bands
        hole = (r - l - left - right) * (b - t - top - bottom)
        self.assertEqual(f["hole"], hole, "the hole is not where the scaled bands put it")
        self.assertEqual(f["excluded"], hole + table["corners"], "corner pixels")
        self.assert_label(f"{r - l - left - right}x{b - t - top - bottom}")
        self.j.screenshot(f"frame-at-{dpi}-dpi.png")

        # A size typed in the dialog is the viewport's, in device pixels.
        self.check_size_dialog(table, dpi)
        self.enter_size("400", "300")
        self.wait_for_rect((l, t, l + 400 + left + right, t + 300 + top + bottom))
        self.assert_label("400x300")

        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_delivered(self.expected_pixels(self.frame_rect()))

        self.click_panel("close")
        wait_until("the frame to close", lambda: self.frame_rect() is None)

    def check_size_dialog(self, table, dpi):
        shown = self.open_size_dialog()
        l, t, r, b = shown["rect"]
        self.assertEqual((r - l, b - t), table["dialog"])
        self.assertEqual(shown["edits"], ["50", "50"])
        shot = self.j.screenshot(f"size-dialog-at-{dpi}-dpi.png")
        # The height box's inside, within its 2-pixel border: the digits' rows all
        # lie inside it, with background below them (a font too tall for the
        # box is cut off at its last row).
        bl, bt, br, bb = table["height_box"]
        rows = [y for y in range(t + bt + 2, t + bb - 2)
                if any(ink(shot.pixel(x, y)) for x in range(l + bl + 2, l + br - 2))]
        self.assertTrue(rows, "no digits in the height box")
        self.assertLess(rows[-1], t + bb - 3, f"the digits reach the box's last row: rows {rows}")
        # Digits of the dialog's font are 7 rows or more at 96 DPI.
        self.assertGreaterEqual(len(rows), 7 * dpi // 96, f"digits {len(rows)} rows high")

    def test_a_stored_frame_keeps_its_viewport_at_every_scale(self):
        """A frame left at 100 % with a 300 x 278 viewport, 400 x 300 in all,
        comes back at its place with the same viewport at 150 % and 200 %,
        in one logon, and stores the same values again; back at 100 % it is
        exactly the stored place and size."""
        self.set_dpi(96)
        self.start_vantik()
        self.type_size("300", "278")
        l, t, _, _ = self.frame_rect()
        self.wait_for_rect((l, t, l + 400, t + 300))
        self.close_frame()
        stored = (pack(400, 300), pack(l, t))
        self.assertEqual(self.props(), stored)
        for dpi in (144, 192, 96):
            self.write_log_pixels(dpi)
            left, top, right, bottom = self.use_table(dpi)["bands"]
            self.start_vantik()
            l, t, r, b = self.frame_rect()
            self.assertEqual((r - l - left - right, b - t - top - bottom), (300, 278), f"the viewport at {dpi} DPI")
            self.assertEqual(pack(l, t), stored[1], f"the place at {dpi} DPI")
            self.assert_label("300x278")
            self.j.screenshot(f"stored-frame-at-{dpi}-dpi.png")
            self.close_frame()
            self.assertEqual(self.props(), stored, f"stored again at {dpi} DPI")
        self.assertEqual((r - l, b - t), (400, 300))

    def test_at_100_percent(self):
        self.check_scale(96)

    def test_at_125_percent(self):
        self.check_scale(120)

    def test_at_150_percent(self):
        self.check_scale(144)

    def test_at_200_percent(self):
        self.check_scale(192)


if __name__ == "__main__":
    unittest.main()
