"""A capture when its outputs fail: the clipboard held by another program, the
BMP file locked or a folder in its place, GDI+ failing, Paint missing. Each
step that fails is skipped without a box, the others still happen, except that
Paint is started only on a file the capture wrote, and the capture after the
fault is over delivers everything again. And a gdiplus.dll planted beside the
program is never loaded."""

import os
import shutil
import struct
import subprocess
import unittest

from capturing import CaptureJourney
from journey import unix_to_windows_path, wait_until
from vantik import read_bmp


class Faults(CaptureJourney):
    def hold(self, *args):
        """Starts a probe that holds something until its input is closed;
        returns it once it reports that it holds it."""
        holder = subprocess.Popen(["wine", self.probe_exe, *args], env=self.j.env, stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.addCleanup(self.release, holder)
        answer = holder.stdout.readline().strip()
        self.assertIn(answer, (b"held", b"locked"), f"probe {args} answered {answer!r}")
        return holder

    def release(self, holder):
        if holder.stdin and not holder.stdin.closed:
            holder.stdin.close()
        holder.wait(timeout=30)
        holder.stdout.close()

    def file_pixels(self):
        """The file's rows, or None while it is missing or being written."""
        try:
            return read_bmp(self.output_file())[2]
        except (OSError, AssertionError, IndexError, struct.error):
            return None

    def move_right(self):
        """One pixel to the right, so that the next capture differs from the last."""
        l, t, r, b = self.frame_rect()
        self.focus_frame()
        self.j.key("Right")
        self.wait_for_rect((l + 1, t, r + 1, b))
        return self.expected_pixels(self.frame_rect())

    def test_clipboard_held_open_holds_up_neither_file_nor_paint(self):
        self.start_vantik()
        expected = self.expected_pixels(self.frame_rect())
        self.probe("set-clipboard-text", "old content")
        holder = self.hold("hold-clipboard")

        # The file and Paint come while the clipboard is still held.
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_file_is(expected)
        self.assertIsNone(holder.poll(), "the holder ended before the capture was checked")
        self.j.screenshot("faults-clipboard-held.png")

        self.release(holder)
        self.assertEqual(self.probe("clipboard-text"), "text=old content")
        self.assertIsNone(self.clipboard_bitmap(), "a bitmap got onto the held clipboard")

        expected = self.move_right()
        self.click_panel("camera")
        self.wait_for_captures(2)
        self.assert_delivered(expected)

    def test_locked_file_then_a_folder_in_its_place(self):
        self.start_vantik()
        self.remove_output_file()
        expected = self.expected_pixels(self.frame_rect())
        lock = self.hold("lock-file", unix_to_windows_path(self.output_file()))
        self.click_panel("camera")
        self.wait_for_capture_without_paint(expected)
        self.assert_no_message_box()

        self.release(lock)
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_file_is(expected)

        os.remove(self.output_file())
        os.makedirs(self.output_file())
        expected = self.move_right()
        self.click_panel("camera")
        self.wait_for_capture_without_paint(expected)
        self.assert_no_message_box()

        os.rmdir(self.output_file())
        expected = self.move_right()
        self.click_panel("camera")
        self.wait_for_captures(2)
        self.assert_delivered(expected)

    def gdiplus_stand_in(self):
        return os.path.join(os.path.dirname(self.vantik_exe), "stand-ins", "gdiplusfault.dll")

    def prefer_a_native_gdiplus(self):
        """Wine, unlike Windows, prefers its own GDI+ to a gdiplus.dll file
        it finds; from now on programs of this logon take the file."""
        self.j.env["WINEDLLOVERRIDES"] += ";gdiplus=n,b"

    def test_gdiplus_failing_to_start_or_to_save(self):
        # The failing stand-in in place of the system's GDI+, in this logon's
        # own prefix; the real one stays beside it under another name.
        system32 = os.path.join(self.j.prefix, "drive_c", "windows", "system32")
        os.rename(os.path.join(system32, "gdiplus.dll"), os.path.join(system32, "gdiplus-real.dll"))
        shutil.copy(self.gdiplus_stand_in(), os.path.join(system32, "gdiplus.dll"))
        mode_file = os.path.join(system32, "gdiplus-fault.txt")
        calls_file = os.path.join(system32, "gdiplus-calls.log")

        def calls():
            with open(calls_file) as f:
                return f.read().splitlines()

        self.prefer_a_native_gdiplus()
        proc = self.start_vantik()
        self.remove_output_file()

        with open(mode_file, "w") as f:
            f.write("startup")
        expected = self.expected_pixels(self.frame_rect())
        self.click_panel("camera")
        self.wait_for_capture_without_paint(expected)
        self.assertEqual(calls(), ["GdiplusStartup startup"])
        self.assert_no_message_box()

        with open(mode_file, "w") as f:
            f.write("save")
        expected = self.move_right()
        self.click_panel("camera")
        self.wait_for_capture_without_paint(expected)
        self.assertEqual(calls()[1:], ["GdiplusStartup save", "GdipSaveImageToFile save"])
        self.assert_no_message_box()

        # GDI+ works again: the same process starts it anew and saves.
        os.remove(mode_file)
        expected = self.move_right()
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assertEqual(calls()[3:], ["GdiplusStartup pass", "GdipSaveImageToFile pass"])
        self.assert_delivered(expected)
        self.assertIsNone(proc.poll(), "Vantik ended")

    def test_a_gdiplus_planted_beside_the_program_is_never_loaded(self):
        # Run from a downloads folder where someone left a gdiplus.dll: the
        # recording stand-in, which notes every program that loads it.
        folder = os.path.join(self.j.work, "downloads")
        self.prefer_a_native_gdiplus()
        self.start_copy(folder, (self.gdiplus_stand_in(), "gdiplus.dll"))
        self.remove_output_file()
        expected = self.expected_pixels(self.frame_rect())
        self.click_panel("camera")
        self.wait_for_captures(1)
        self.assert_delivered(expected)
        for log in ("gdiplus-loaded.log", "gdiplus-calls.log"):
            if os.path.exists(os.path.join(folder, log)):
                with open(os.path.join(folder, log)) as f:
                    self.fail(f"the planted gdiplus.dll was loaded; its {log}: {f.read()!r}")

    def start_copy(self, folder, *extra_files):
        """Starts a copy of Vantik from a folder of the journey's own, with the
        given files beside it."""
        os.makedirs(folder)
        shutil.copy(self.vantik_exe, folder)
        for source, name in extra_files:
            shutil.copy(source, os.path.join(folder, name))
        proc = self.j.start(os.path.join(folder, "vantik.exe"))
        self.wait_for_frame_shown()
        return proc

    def test_paint_missing(self):
        # Paint is looked for in the system folder only: the prefix's stand-in
        # goes (and a copy of Vantik runs from elsewhere than the build folder,
        # which holds one too).
        os.remove(os.path.join(self.j.prefix, "drive_c", "windows", "system32", "mspaint.exe"))
        proc = self.start_copy(os.path.join(self.j.work, "no-paint"))
        self.remove_output_file()
        expected = self.expected_pixels(self.frame_rect())
        self.click_panel("camera")
        # Without Paint, the file is the sign that the capture is done.
        wait_until("the file", lambda: os.path.isfile(self.output_file()), timeout=30)
        wait_until("the file complete", lambda: os.path.getsize(self.output_file()) > 0, timeout=30)
        self.assert_delivered(expected)
        self.assert_no_message_box()
        self.j.screenshot("faults-paint-missing.png")

        expected = self.move_right()
        self.click_panel("camera")
        try:
            wait_until("the next capture in the file", lambda: self.file_pixels() == expected[2],
                       timeout=30, interval=0.3)
        except AssertionError:
            self.assert_file_is(expected)  # says how it differs
            raise
        self.assert_clipboard_is(expected)
        self.assert_no_message_box()
        self.assertEqual(self.j.paint_log(), [])
        self.assertIsNone(proc.poll(), "Vantik ended")


if __name__ == "__main__":
    unittest.main()
