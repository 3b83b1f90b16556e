"""Vantik where the system's code page is not 936, as a new user on a Western
system (or a Chinese one with the system-wide UTF-8 option) would meet it.

The program's texts are GBK. Vantik is started once in a session whose
locale gives Wine code page 936 and once in C.UTF-8, which gives 1252, with
the interface language still Chinese (LC_MESSAGES zh_CN.UTF-8); in
each the size label and the region size dialog are looked at on the screen.
The label, the dialog's title, its width and height captions and its OK
button must be the same pixels in both, and the dialog's title must reach
the window system as its Chinese text.

The bed has no font called 宋体, so any face name the program asks for would
fall back to the same CJK font and a wrong one would go unseen. Each session
therefore gets a font that answers to 宋体 (WenQuanYi Micro Hei Mono, through
Wine's font replacements), as a real system has SimSun: a face name read in
the wrong code page then falls back to another font and shows."""

import os
import subprocess
import unittest

from journey import Journey, unix_to_windows_path, wait_until
from vantik import (PANEL, SIZE_DIALOG_TITLE, parse_fields, place_vantik_as_windows_does, read_frame,
                    wait_for_frame_shown)

LOCALES = {"zh_CN.UTF-8": 936, "C.UTF-8": 1252}

SONGTI_REPLACEMENT = (
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"
    '"宋体"="WenQuanYi Micro Hei Mono"\r\n')

# Regions of the region size dialog, (x, y, width, height) in the dialog.
DIALOG_SIZE = (200, 100)
DIALOG_REGIONS = {
    "title": (2, 2, 150, 22),
    "width caption": (5, 39, 25, 20),
    "height caption": (100, 39, 25, 20),
    "OK button": (135, 68, 40, 20),
}


def crop(shot, x0, y0, w, h):
    return [shot.pixel(x0 + x, y0 + y) for y in range(h) for x in range(w)]


# Text is darker than this (sum of R, G and B) on each region's background:
# grey on light grey, black on the title's light blue, ink on white.
INK_BELOW = {"size label": 600, "title": 300, "width caption": 450, "height caption": 450,
             "OK button": 450}


def ink(name, pixels):
    return sum(sum(p) < INK_BELOW[name] for p in pixels)


class Session:
    """Vantik in a logon of its own, in one locale."""

    def __init__(self, locale):
        self.locale = locale
        # A Chinese interface language in either code page.
        self.j = Journey(f"code-page-{LOCALES[locale]}", locale=locale, messages_locale="zh_CN.UTF-8")
        place_vantik_as_windows_does(self.j)
        self.closed = False

    def close(self):
        if not self.closed:
            self.closed = True
            self.j.close()

    def give_songti_a_font(self):
        path = os.path.join(self.j.work, "songti.reg")
        with open(path, "wb") as f:
            f.write(b"\xff\xfe" + SONGTI_REPLACEMENT.encode("utf-16-le"))
        subprocess.run(["wine", "regedit", "/S", unix_to_windows_path(path)], env=self.j.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=60)

    def code_page(self):
        return int(parse_fields(self.j.probe("code-page"))["acp"])

    def start_vantik(self):
        """Starts Vantik and returns its frame's rectangle once it is shown."""
        self.j.start(self.j.program("vantik.exe"))
        wait_for_frame_shown(self.j)
        return read_frame(self.j)["rect"]

    def settled(self, what, x, y, w, h):
        """The pixels of a screen rectangle once two screenshots in a row agree
        and something is drawn there."""
        last = [None]

        def probe():
            now = crop(self.j.screenshot(), x, y, w, h)
            same = now == last[0] and len(set(now)) > 1
            last[0] = now
            return now if same else None
        return wait_until(f"{what} to be drawn and settle", probe, timeout=15, interval=0.3)

    def dialog_window(self):
        """The region size dialog's X window and the title the window system
        shows for it. Found by its size, not its title, which is under test."""
        def find():
            for xid in self.j.xdotool("search", "--onlyvisible", "--name", ".").split():
                if self.j.window_geometry(xid)[2:] == DIALOG_SIZE:
                    return xid
            return None
        xid = wait_until("the region size dialog", find, timeout=15)
        return xid, self.j.xdotool("getwindowname", xid)

    def look(self):
        """What the user sees: the label and the dialog's regions, by name, and
        the dialog's title in the window system."""
        l, t, r, b = self.start_vantik()
        seen = {"size label": self.settled("the size label", r - 76, b - 17, 52, 13)}
        self.j.screenshot(f"code-page-{LOCALES[self.locale]}-frame.png")

        dx, y = PANEL["star"]
        self.j.click(r + dx, t + y)
        self.j.move_pointer(5, 5)
        xid, title = self.dialog_window()
        x, y = self.j.window_geometry(xid)[:2]
        for name, (rx, ry, rw, rh) in DIALOG_REGIONS.items():
            seen[name] = self.settled(f"the dialog's {name}", x + rx, y + ry, rw, rh)
        self.j.screenshot(f"code-page-{LOCALES[self.locale]}-dialog.png")
        return seen, title


class CodePageJourney(unittest.TestCase):
    def session(self, locale):
        s = Session(locale)
        self.addCleanup(s.close)
        s.give_songti_a_font()
        self.assertEqual(s.code_page(), LOCALES[locale], f"Wine's ANSI code page under {locale}")
        return s

    def test_label_title_and_captions_are_the_same_pixels_under_1252_as_under_936(self):
        chinese = self.session("zh_CN.UTF-8")
        reference, title = chinese.look()
        self.assertEqual(title, SIZE_DIALOG_TITLE, "the dialog's title under 936")
        for name, pixels in reference.items():
            self.assertGreater(ink(name, pixels), 10, f"under 936 the {name} shows no text")
        chinese.close()

        western = self.session("C.UTF-8")
        seen, title = western.look()
        differing = {name: sum(a != b for a, b in zip(reference[name], seen[name])) for name in reference}
        self.assertEqual({name: n for name, n in differing.items() if n}, {},
                         "pixels that differ from code page 936 (screenshots code-page-*.png among the "
                         "rig's shots)")
        self.assertEqual(title, SIZE_DIALOG_TITLE, "the dialog's title under 1252")


if __name__ == "__main__":
    unittest.main()
