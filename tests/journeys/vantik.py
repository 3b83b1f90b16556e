"""Vantik seen from outside, for the journeys: starting it, finding its frame,
asking the probe (a program of the test rig inside the same Wine session)
about the remembered geometry, the frame's shape and the clipboard, and
reading BMP files."""

import os
import pwd
import re
import struct

from journey import SCREEN_HEIGHT, SCREEN_WIDTH, JourneyTestCase, wait_until

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


def pack(low, high):
    """Two 16-bit values in one, as the frame stores its size and place."""
    return (low & 0xFFFF) | ((high & 0xFFFF) << 16)


def on_screen(rect):
    l, t, r, b = rect
    return l < SCREEN_WIDTH and t < SCREEN_HEIGHT and r > 0 and b > 0


def centred(work, size=(280, 175)):
    """Top-left corner of a default frame (of that size) centred on the work
    area."""
    wl, wt, wr, wb = work
    return (wl + wr) // 2 - size[0] // 2, (wt + wb) // 2 - size[1] // 2


def read_frame(j, bands=()):
    """The frame's window rectangle and shape as the probe sees them in
    journey j's session, or None while there is none; the viewport inside
    bands (left, top, right, bottom) when given."""
    out = j.probe("frame", *bands)
    if out.startswith("none") or "rect=" not in out:
        return None
    f = parse_fields(out)
    return {
        "rect": tuple(int(v) for v in f["rect"].split(",")),
        "topmost": f["topmost"] == "1",
        "excluded": int(f["excluded"]),
        "hole": int(f["hole"]),
        "work": tuple(int(v) for v in f["work"].split(",")),
        "visible": f["visible"] == "1",
    }


def wait_for_frame_shown(j):
    """Waits for the frame to be topmost and visible and, where it lies on
    the screen, for its X window to be mapped. Topmost alone is not enough:
    the frame takes the topmost band before it is placed and sized, and is
    shown once it is. Shown is not enough either: its X window is mapped some
    time later, and a click before that lands on whatever lies below."""
    def shown():
        f = read_frame(j) or {}
        return f.get("topmost") and f.get("visible") and (not on_screen(f["rect"]) or j.find_windows(TITLE))
    wait_until("Vantik's frame", shown, timeout=30)


def place_vantik_as_windows_does(j):
    """Wine places Vantik's windows itself in journey j, as Windows does,
    instead of leaving them to the window manager. Under a manager, Wine
    takes a late reply to one of its own moves for a move of the manager's
    and puts the window back there, while the X window may stay where it is:
    a frame shown centred was at 0,0 to the program (once in twelve starts
    with other journeys running), so a click where it said its button was
    hit the desktop; a burst of arrow keys lost 1 to 6 of 300 steps. A manager also
    keeps windows on the screen (it pulled a frame coming back from off the
    screen 12 pixels up, and the tallest frame 2,800 pixels up)."""
    j.leave_unmanaged("vantik.exe")


class VantikJourney(JourneyTestCase):
    panel = PANEL

    def setUp(self):
        super().setUp()
        place_vantik_as_windows_does(self.j)
        self.vantik_exe = self.j.program("vantik.exe")
        self.probe_exe = self.j.program("probe.exe")

    # -- the probe ---------------------------------------------------------

    def probe(self, *args):
        return self.j.probe(*args)

    def props(self):
        f = parse_fields(self.probe("props"))
        return int(f["size"]), int(f["xy"])

    def frame(self, bands=()):
        """The frame's window rectangle and shape, or None while there is none."""
        return read_frame(self.j, bands)

    def frames(self):
        """Every frame's rectangle, topmost first; unlike frame(), quick at
        any size."""
        return [tuple(int(v) for v in m.split(","))
                for m in re.findall(r"rect=(\S+)", self.probe("frames"))]

    def frame_rect(self):
        """The topmost frame's rectangle, or None while there is none."""
        rects = self.frames()
        return rects[0] if rects else None

    def dialog(self, title):
        """What the probe sees of a shown dialog or message box, or None."""
        out = self.probe("dialog", title)
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

    def names(self, title):
        """What a screen reader reads as the name of each visible control of
        a dialog, by control id, asked from another process through oleacc."""
        lines = self.probe("names", title).splitlines()
        return {int(m[1]): m[2] for m in map(re.compile(r"id=(-?\d+) name=(.*)").fullmatch, lines) if m}

    # -- Vantik --------------------------------------------------------------

    def start_vantik(self):
        """Starts Vantik and waits for its frame to be shown, topmost."""
        proc = self.j.start(self.vantik_exe)
        self.wait_for_frame_shown()
        return proc

    def wait_for_frame_shown(self):
        wait_for_frame_shown(self.j)

    def wait_for_rect(self, rect, what="the frame's rectangle", timeout=15):
        seen = []

        def probe():
            seen.append(self.frame_rect())
            return seen[-1] == tuple(rect)
        try:
            wait_until(what, probe, timeout=timeout, interval=0.2)
        except AssertionError:
            raise AssertionError(f"{what}: wanted {tuple(rect)}, saw {seen[-1]}") from None

    def close_frame(self):
        """Closes the frame with Escape and waits for it to go."""
        self.focus_frame()
        self.j.key("Escape")
        wait_until("the frame to close", lambda: self.frame_rect() is None)

    def activate(self, xid, active, title=None):
        """Gives X window xid the keyboard focus and makes its window the
        active one, unless active() says it is, then waits for active() to
        say so: keys pressed before the platform has made it active would go
        to the window active before. The window manager activates the windows
        it manages (xdotool's --sync would wait in vain, 15 s, for one that
        Wine places itself); a dialog of that title is activated as its
        taskbar button would, which also reaches one that Wine places."""
        if not active():
            self.j.xdotool("windowactivate", xid)
            if title:
                self.probe("activate", title)
        self.j.xdotool("windowfocus", "--sync", xid)
        wait_until(f"X window {xid} to be the active window", active)

    def focus_frame(self, xid=None):
        """Makes the frame (the one of that X window, where there are more)
        the active window."""
        title = None if xid else TITLE
        xid = xid or self.j.wait_for_window(TITLE)
        self.activate(xid, lambda: f"foreground=1 xid={xid}" in self.probe("frames"), title)
        return xid

    def focus_another_program(self):
        """Gives the keyboard to another program's window (the probe's,
        opened once)."""
        if not self.j.find_windows("Probe focus"):
            self.j.start(self.probe_exe, "focus")
        xid = self.j.wait_for_window("Probe focus")
        self.activate(xid, lambda: self.probe("foreground") == "title=Probe focus")

    def click_panel(self, button, rect=None):
        """A click on a panel button of the frame at rect (the topmost frame's
        by default); the buttons' places follow the frame's right edge."""
        dx, y = self.panel[button]
        left, top, right = (rect or self.frame_rect())[:3]
        self.j.click(right + dx, top + y)

    # -- the region size dialog ------------------------------------------------

    def open_size_dialog(self):
        """Opens the region size dialog with the star button, and waits for
        it to have the keyboard: the platform's active window and X's focus,
        which Wine gives itself to a window it places (keys typed at once
        were lost once, leaving the dialog open)."""
        self.click_panel("star")
        try:
            shown = wait_until("the region size dialog", lambda: self.dialog(SIZE_DIALOG_TITLE))
        except AssertionError:
            self.j.screenshot(f"{self.j.name}-no-size-dialog.png")
            raise
        xid = self.j.wait_for_window(SIZE_DIALOG_TITLE)
        self.activate(xid, lambda: self.probe("foreground") == f"title={SIZE_DIALOG_TITLE}" and
                      self.j.xdotool("getwindowfocus") == str(xid), SIZE_DIALOG_TITLE)
        return shown

    def enter_size(self, width, height):
        """Replaces the open dialog's two boxes' text (an empty one is left
        empty) and confirms with Enter."""
        self.j.key("ctrl+a", "BackSpace")
        if width:
            self.j.xdotool("type", width)
        self.j.key("Tab", "ctrl+a", "BackSpace")
        if height:
            self.j.xdotool("type", height)
        self.j.key("Return")
        wait_until("the dialog to close", lambda: self.dialog(SIZE_DIALOG_TITLE) is None)

    def type_size(self, width, height):
        self.open_size_dialog()
        self.enter_size(width, height)

    # The size label's place (from the frame's right and bottom edges), size
    # and font height.
    label = (76, 17, 52, 13, 11)

    def label_matches(self, text):
        """Whether the frame's size label shows text, compared pixel by pixel
        with the same text drawn by the probe."""
        l, t, r, b = self.frame_rect()
        from_right, from_bottom, width, height, font = self.label
        expected_path = os.path.join(self.j.work, "label.bmp")
        self.probe("label", text, expected_path, width, height, font)
        _, _, expected = read_bmp(expected_path)
        shot = self.j.screenshot()
        x0, y0 = r - from_right, b - from_bottom
        return all(expected[y][x] == (255, 0, 255) or shot.pixel(x0 + x, y0 + y) == expected[y][x]
                   for y in range(height) for x in range(width))

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
