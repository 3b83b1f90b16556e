"""Capturing: what lies under the viewport goes, pixel for pixel, to the
clipboard, into vantikbitmap.bmp in the temporary folder and to Paint, from
the camera button and from Ctrl+C while another program has the focus; also
where the temporary folder is named in a script the system's code page
lacks."""

import os
import shutil
import subprocess
import unittest

from capturing import CaptureJourney
from journey import wait_until
from vantik import VantikJourney, pattern_colour, read_bmp

# The pattern window lies under the frame's viewport; the frame stays above
# it, being topmost.
PATTERN = (300, 250, 420, 300)


class Capture(VantikJourney):
    def setUp(self):
        super().setUp()
        self.j.start(self.probe_exe, "pattern", *PATTERN)
        self.j.wait_for_window("Probe pattern")
        self.start_vantik()
        self.rect = self.frame_rect()

    def expected_pixels(self):
        """The pattern as it lies under the viewport now."""
        l, t, r, b = self.frame_rect()
        vx, vy = l + 18 - PATTERN[0], t + 11 - PATTERN[1]
        w, h = r - l - 100, b - t - 22
        return w, h, [[pattern_colour(vx + x, vy + y) for x in range(w)] for y in range(h)]

    def wait_for_captures(self, count):
        return wait_until(f"{count} start(s) of Paint", lambda: len(self.j.paint_log()) >= count and
                          self.j.paint_log(), timeout=20)

    def assert_delivered(self, expected):
        w, h, rows = expected
        clip = self.clipboard_bitmap()
        self.assertIsNotNone(clip, "no bitmap on the clipboard")
        self.assertEqual(clip[:2], (w, h))
        self.assertTrue(clip[2] == rows, "the clipboard's bitmap is not the pattern under the viewport")
        fw, fh, frows = read_bmp(self.output_file())
        self.assertEqual((fw, fh), (w, h))
        self.assertTrue(frows == rows, "the file is not the pattern under the viewport")

    def test_camera_button_and_hot_key_deliver_the_viewport_exactly(self):
        self.click_panel("camera")
        log = self.wait_for_captures(1)
        self.assert_delivered(self.expected_pixels())
        user = os.path.basename(os.path.dirname(self.temp_folder()))
        self.assertTrue(log[0].endswith(f' "C:\\users\\{user}\\Temp\\vantikbitmap.bmp"'), log[0])
        self.j.screenshot("capture-after-camera.png")

        # Another program takes the focus; Ctrl+C still captures, after the
        # frame moved, so the file is written anew.
        self.focus_frame()
        self.j.key("Right", "Right", "Right", "Down")
        l, t, r, b = self.rect
        self.wait_for_rect((l + 3, t + 1, r + 3, b + 1))
        self.j.start(self.probe_exe, "focus")
        focus = self.j.wait_for_window("Probe focus")
        self.j.xdotool("windowactivate", "--sync", focus)
        self.j.xdotool("windowfocus", "--sync", focus)
        self.j.key("ctrl+c")
        self.wait_for_captures(2)
        self.assert_delivered(self.expected_pixels())
        self.assertEqual(len(self.j.paint_log()), 2)

    def test_clipboard_held_by_another_program_keeps_its_content(self):
        self.probe("set-clipboard-text", "old content")
        holder = subprocess.Popen(["wine", self.probe_exe, "hold-clipboard", "4000"], env=self.j.env,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.addCleanup(holder.stdout.close)
        self.addCleanup(holder.wait)
        self.assertEqual(holder.stdout.readline().strip(), b"held")
        self.click_panel("camera")
        self.wait_for_captures(1)
        w, h, rows = self.expected_pixels()
        fw, fh, frows = read_bmp(self.output_file())
        self.assertTrue((fw, fh, frows) == (w, h, rows), "the file was not written")
        holder.wait(timeout=30)
        self.assertEqual(self.probe("clipboard-text"), "text=old content")
        self.assertIsNone(self.clipboard_bitmap())

    def test_no_temporary_folder_or_an_unwritable_file_still_starts_paint(self):
        # A folder where the file should be: the save fails (root ignores
        # permission bits, so this is how a file that cannot be written is
        # made here).
        if os.path.isfile(self.output_file()):
            os.remove(self.output_file())
        os.makedirs(self.output_file())
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assertTrue(os.path.isdir(self.output_file()))
        self.assertIsNotNone(self.clipboard_bitmap(), "the clipboard step should not depend on the file")

        shutil.rmtree(self.temp_folder())
        self.click_panel("camera")
        self.wait_for_captures(2)
        self.assertIsNotNone(self.frame(), "Vantik is gone")


class CaptureIntoAForeignTemporaryFolder(CaptureJourney):
    """A user on a Western system (code page 1252) whose temporary folder is
    named in Thai, which neither that code page nor 936 can hold."""

    folder = "ภาพหน้าจอ"

    def temp_folder(self):
        return os.path.join(super().temp_folder(), self.folder)

    def test_the_file_is_written_there_and_paint_gets_its_true_path(self):
        user = os.path.basename(os.path.dirname(super().temp_folder()))
        windows_folder = f"C:\\users\\{user}\\Temp\\{self.folder}"
        os.makedirs(self.temp_folder())
        # Wine takes a program's TEMP and TMP from the logon's registry, not
        # from the Unix environment, and its code page from the Unix locale.
        for name in ("TEMP", "TMP"):
            code, out = self.j.run("reg", "add", "HKCU\\Environment", "/v", name, "/t", "REG_SZ", "/d",
                                   windows_folder, "/f")
            self.assertEqual(code, 0, out)
        self.j.env["LC_ALL"] = "C.UTF-8"
        self.assertEqual(self.probe("code-page"), "acp=1252")

        self.start_vantik()
        expected = self.expected_pixels(self.frame_rect())
        self.click_panel("camera")
        log = self.wait_for_captures(1)
        self.assert_delivered(expected)
        self.assertTrue(log[0].endswith(f' "{windows_folder}\\vantikbitmap.bmp"'), log[0])


if __name__ == "__main__":
    unittest.main()
