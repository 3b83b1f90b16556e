"""Input faster than a person types: bursts of the hot key and of the arrow
keys, and keys held down until the keyboard repeats them. Nothing is lost,
nothing runs twice (a held hot key captures once; held arrows go on moving),
and the program's memory stays put over many captures."""

import sys
import unittest

from capturing import CaptureJourney
from journey import wait_until

BURST = 20
# The held hot key is let go once the keyboard has repeated it this often:
# well past the soonest a keyboard starts repeating (250 ms) and the time the
# guard watches a released key (500 ms), at the usual 25 repeats a second.
HELD_REPEATS = 25
# Resident memory may grow this much over 80 captures after a warm-up of 20.
# One 180 x 153 capture bitmap kept per capture would come to 8.6 MiB.
RSS_GROWTH_BOUND_KIB = 4096


class RapidInput(CaptureJourney):
    def settled_rect(self):
        """The frame's rectangle once it has stopped moving."""
        seen = [None]

        def probe():
            rect = self.frame_rect()
            still = rect == seen[-1]
            seen.append(rect)
            return still and rect
        return wait_until("the frame to stop moving", probe, timeout=30, interval=0.3)

    def press_hot_key(self, times):
        """Ctrl+C pressed times over at a person's quickest pace, about eight
        presses a second, the keys down some 50 ms each time."""
        steps = []
        for _ in range(times):
            steps += ["keydown", "--delay", "0", "ctrl+c", "sleep", "0.05",
                      "keyup", "--delay", "0", "ctrl+c", "sleep", "0.075"]
        self.j.xdotool(*steps)

    def repeats(self):
        return int(self.probe("repeats").partition("=")[2] or 0)

    def test_hot_key_bursts_capture_once_per_press_without_growing(self):
        self.start_vantik()
        expected = self.expected_pixels(self.frame_rect())
        pids = self.vantik_processes()
        self.assertEqual(len(pids), 1, f"vantik.exe processes of this logon: {pids}")
        # Another program has the focus; it does not overlap the frame.
        self.focus_another_program()
        self.j.key("ctrl+c")
        self.wait_for_captures(1)

        self.press_hot_key(BURST)
        self.wait_for_captures(1 + BURST, timeout=120)
        self.assert_delivered(expected)
        before = self.resident_kib(pids[0])

        for n in range(2 * BURST, 5 * BURST + 1, BURST):
            self.press_hot_key(BURST)
            self.wait_for_captures(1 + n, timeout=120)
        after = self.resident_kib(pids[0])
        print(f"\nvantik.exe resident: {before} KiB after {1 + BURST} captures, {after} KiB after {1 + 5 * BURST}",
              file=sys.stderr)
        self.assertEqual(self.vantik_processes(), pids, "Vantik ended")
        self.assertLess(after - before, RSS_GROWTH_BOUND_KIB,
                        f"resident memory grew from {before} KiB to {after} KiB over {4 * BURST} captures")
        self.assert_delivered(expected)

    def test_hot_key_held_down_captures_once(self):
        self.start_vantik()
        # The other program counts the keyboard's repeats of the held key.
        self.j.start(self.probe_exe, "focus", "count-repeats")
        self.j.wait_for_window("Probe focus")
        self.focus_another_program()
        self.j.xdotool("keydown", "ctrl+c")
        try:
            wait_until(f"the keyboard to repeat the held Ctrl+C {HELD_REPEATS} times",
                       lambda: self.repeats() >= HELD_REPEATS, timeout=30)
        finally:
            self.j.xdotool("keyup", "ctrl+c")
        print(f"\nCtrl+C held: {self.repeats()} repeats", file=sys.stderr)
        self.wait_for_captures(1)
        self.assertEqual(self.probe("idle"), "idle")
        self.j.key("ctrl+c")
        self.wait_for_captures(2)

    def test_arrow_bursts_and_held_arrows_move_frame_and_pointer_alike(self):
        self.start_vantik()
        l, t, r, b = self.frame_rect()
        self.focus_frame()
        self.j.move_pointer(100, 100)
        self.j.xdotool("key", "--delay", "5", *["Right"] * 100)
        self.wait_for_rect((l + 100, t, r + 100, b), "100 quick presses of Right", timeout=30)
        self.assertEqual(self.j.pointer(), (200, 100))

        # Held until the keyboard has repeated it a while.
        self.j.xdotool("keydown", "Left")
        try:
            wait_until("Left held to move the frame 30 pixels", lambda: self.frame_rect()[0] <= l + 70, timeout=30)
        finally:
            self.j.xdotool("keyup", "Left")
        l2, t2, r2, b2 = self.settled_rect()
        moved = l + 100 - l2
        self.assertEqual((t2, r2 - l2, b2 - t2), (t, r - l, b - t), "the held key changed more than the place")
        self.assertEqual(self.j.pointer(), (200 - moved, 100), f"the frame moved {moved} pixels")

    def test_shift_arrow_held_at_the_minimum_size(self):
        self.start_vantik()
        l, t = self.frame_rect()[:2]
        # Ten pixels above the minimum width, at the minimum height.
        self.type_size("25", "15")
        self.wait_for_rect((l, t, l + 125, t + 37))
        self.focus_frame()
        self.j.xdotool("keydown", "shift")
        self.j.xdotool("keydown", "Left")
        try:
            self.wait_for_rect((l, t, l + 115, t + 37), "Shift+Left held down to the minimum")
            # It goes on repeating against the minimum for a while.
            for _ in range(5):
                self.assertEqual(self.frame_rect(), (l, t, l + 115, t + 37))
        finally:
            self.j.xdotool("keyup", "Left")
            self.j.xdotool("keyup", "shift")
        self.j.screenshot("rapid-minimum-size.png")

        self.j.key("Down")
        self.wait_for_rect((l, t + 1, l + 115, t + 38), "a plain arrow after the held keys")
        # The camera button hangs below a frame this low; the hot key captures.
        expected = self.expected_pixels(self.frame_rect())
        self.j.key("ctrl+c")
        self.wait_for_captures(1)
        self.assert_delivered(expected)


if __name__ == "__main__":
    unittest.main()
