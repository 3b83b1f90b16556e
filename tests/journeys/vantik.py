"""Vantik seen from outside, for the journeys: starting it, finding its frame,
asking the probe (a program of the test rig inside the same Wine session)
about the remembered geometry, the frame's shape and the clipboard, and
reading BMP files."""

import os
import pwd
import re
import struct
import subprocess

from journey import JourneyTestCase, wait_until

TITLE = "Vantik"
SIZE_DIALOG_TITLE = "设置截屏区域"
HELP_TITLE = "快捷键"

# A point on each panel button: x from the frame's right edge, y from its top.
PANEL = {
    "close": (-29 + 14, 11),
    "camera": (-67 + 25, 23 + 25),
    "star": (-62 + 19, 75 + 10),  # clear of the help button above it
    "help": (-29 + 10, 93 + 10),
}


def pattern_colour(x, y):
    """The probe's pattern window paints this colour at (x, y) within it."""
    return ((x * 7 + y) & 0xFF, (y * 5 + 3) & 0xFF, ((x ^ y) * 3) & 0xFF)


def read_bmp(path):
    """(width, height, rows of (r, g, b)) of an uncompressed 24- or 32-bit BMP."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise AssertionError(f"{path} is not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bpp, compression = struct.unpack_from("<iiHHI", data, 18)
    if bpp not in (24, 32) or compression not in (0, 3):
        raise AssertionError(f"{path}: unexpected BMP format {bpp} bpp, compression {compression}")
    step = bpp // 8
    stride = (width * step + 3) & ~3
    bottom_up = height > 0
    height = abs(height)
    rows = []
    for y in range(height):
        src = height - 1 - y if bottom_up else y
        base = offset + src * stride
        rows.append([(data[base + x * step + 2], data[base + x * step + 1], data[base + x * step])
                     for x in range(width)])
    return width, height, rows


def parse_fields(line):
    """key=value pairs of a probe answer."""
    return dict(re.findall(r"(\w+)=(\S*)", line))


class VantikJourney(JourneyTestCase):
    def setUp(self):
        super().setUp()
        self.vantik_exe = self.j.program("vantik.exe")
        self.probe_exe = self.j.program("probe.exe")

    # -- the probe ---------------------------------------------------------

    def probe(self, *args):
        code, out = self.j.run(self.probe_exe, *map(str, args))
        return out.strip()

    def probe_bytes(self, *args):
        r = subprocess.run(["wine", self.probe_exe, *map(str, args)], env=self.j.env, capture_output=True,
                           timeout=60)
        return r.stdout.decode("gbk", "replace").strip()

    def props(self):
        f = parse_fields(self.probe("props"))
        return int(f["size"]), int(f["xy"])

    def frame(self):
        """The frame's window rectangle and shape, or None while there is none."""
        out = self.probe("frame")
        if out.startswith("none") or "rect=" not in out:
            return None
        f = parse_fields(out)
        return {
            "rect": tuple(int(v) for v in f["rect"].split(",")),
            "topmost": f["topmost"] == "1",
            "excluded": int(f["excluded"]),
            "hole": int(f["hole"]),
            "work": tuple(int(v) for v in f["work"].split(",")),
        }

    def frame_rect(self):
        f = self.frame()
        return f["rect"] if f else None

    def dialog(self, title):
        """What the probe sees of a shown dialog or message box, or None."""
        out = self.probe_bytes("dialog", title)
        if out.startswith("none"):
            return None
        text = out.split(" text=", 1)[1] if " text=" in out else ""
        f = parse_fields(out.split(" text=", 1)[0])
        if f.get("visible") != "1":
            return None
        return {"rect": tuple(int(v) for v in f["rect"].split(",")),
                "edits": f.get("edits", "").split("|") if f.get("edits") else [],
                "buttons": int(f["buttons"]), "icon": f["icon"] == "1",
                "text": text.replace("\\r", "\r").replace("\\n", "\n")}

    # -- Vantik --------------------------------------------------------------

    def start_vantik(self):
        """Starts Vantik and waits for its frame to be shown, topmost. Shown,
        not only topmost: the frame takes the topmost band before it is
        placed, still at its template's size, and shows itself once placed."""
        proc = self.j.start(self.vantik_exe)
        wait_until("Vantik's frame", lambda: "visible=1" in self.probe("frames") and (self.frame() or {}).get("topmost"),
                   timeout=30)
        return proc

    def wait_for_rect(self, rect, what="the frame's rectangle"):
        seen = []

        def probe():
            seen.append(self.frame_rect())
            return seen[-1] == tuple(rect)
        try:
            wait_until(what, probe, timeout=10, interval=0.2)
        except AssertionError:
            raise AssertionError(f"{what}: wanted {tuple(rect)}, saw {seen[-1]}") from None

    def focus_frame(self):
        xid = self.j.wait_for_window(TITLE)
        self.j.xdotool("windowactivate", "--sync", xid)
        self.j.xdotool("windowfocus", "--sync", xid)
        return xid

    def click_in_frame(self, x, y):
        """A click at client point (x, y) of the frame."""
        left, top = self.frame_rect()[:2]
        self.j.click(left + x, top + y)

    def click_panel(self, button):
        """A click on a panel button, whose place follows the frame's right edge."""
        dx, y = PANEL[button]
        left, top, right = self.frame_rect()[:3]
        self.j.click(right + dx, top + y)

    def label_matches(self, text):
        """Whether the frame's size label shows text, compared pixel by pixel
        with the same text drawn by the probe."""
        l, t, r, b = self.frame_rect()
        expected_path = os.path.join(self.j.work, "label.bmp")
        self.probe("label", text, expected_path)
        _, _, expected = read_bmp(expected_path)
        shot = self.j.screenshot()
        x0, y0 = r - 76, b - 17
        return all(expected[y][x] == (255, 0, 255) or shot.pixel(x0 + x, y0 + y) == expected[y][x]
                   for y in range(13) for x in range(52))

    def assert_label(self, text):
        try:
            wait_until(f"the size label to read {text}", lambda: self.label_matches(text), timeout=10,
                       interval=0.3)
        except AssertionError:
            self.j.screenshot(f"{self.j.name}-label.png")
            raise

    # -- the capture's outputs ---------------------------------------------------

    def temp_folder(self):
        return os.path.join(self.j.prefix, "drive_c", "users", pwd.getpwuid(os.getuid()).pw_name, "Temp")

    def output_file(self):
        return os.path.join(self.temp_folder(), "vantikbitmap.bmp")

    def clipboard_bitmap(self):
        path = os.path.join(self.j.work, "clipboard.bmp")
        out = self.probe("clipboard-bitmap", path)
        if not out.startswith("size="):
            return None
        return read_bmp(path)
