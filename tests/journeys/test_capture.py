"""Capturing: what lies under the viewport goes, pixel for pixel, to the
clipboard, into vantikbitmap.bmp in the temporary folder and to Paint, from
the camera button and from Ctrl+C while another program has the focus; also
where the temporary folder is missing (the clipboard alone), or named in a
script the system's code page lacks."""

import os
import shutil
import unittest

from capturing import CaptureJourney


class Capture(CaptureJourney):
    def setUp(self):
        super().setUp()
        self.start_vantik()
        self.rect = self.frame_rect()

    def expected_pixels(self, rect=None, pattern=None):
        """The pattern as it lies under the viewport now."""
        return super().expected_pixels(rect or self.frame_rect(), pattern)

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
        self.focus_another_program()
        self.j.key("ctrl+c")
        self.wait_for_captures(2)
        self.assert_delivered(self.expected_pixels())
        self.assertEqual(len(self.j.paint_log()), 2)

    def test_no_temporary_folder_still_fills_the_clipboard(self):
        # No file can be written, so Paint is not started either. (A file
        # that cannot be written is the fault journey's.)
        shutil.rmtree(self.temp_folder())
        self.click_panel("camera")
        self.wait_for_capture_without_paint(self.expected_pixels())
        self.assertIsNotNone(self.frame(), "Vantik is gone")


class CaptureOnWindows11(CaptureJourney):
    """Windows 11's layout: no Paint in the system folder, its app execution
    alias in the user's local application data, and an mspaint.exe left
    beside the copy of Vantik the user starts, in a downloads folder."""

    def test_paint_is_started_by_its_alias_never_from_the_programs_folder(self):
        user = os.path.basename(os.path.dirname(self.temp_folder()))
        apps = os.path.join(self.j.prefix, "drive_c", "users", user, "AppData", "Local", "Microsoft", "WindowsApps")
        os.makedirs(apps, exist_ok=True)
        shutil.move(os.path.join(self.j.prefix, "drive_c", "windows", "system32", "mspaint.exe"),
                    os.path.join(apps, "mspaint.exe"))
        downloads = os.path.join(self.j.work, "downloads")
        os.makedirs(downloads)
        for exe in (self.vantik_exe, self.j.program("mspaint.exe")):
            shutil.copy(exe, downloads)
        self.j.start(os.path.join(downloads, "vantik.exe"))
        self.wait_for_frame_shown()
        expected = self.expected_pixels(self.frame_rect())
        self.click_panel("camera")
        log = self.wait_for_captures(1)
        self.assert_delivered(expected)
        alias = f"C:\\users\\{user}\\AppData\\Local\\Microsoft\\WindowsApps\\mspaint.exe"
        self.assertTrue(log[0].lower().startswith(f'"{alias.lower()}" '), log[0])
        self.assertTrue(log[0].endswith(f' "C:\\users\\{user}\\Temp\\vantikbitmap.bmp"'), log[0])


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
