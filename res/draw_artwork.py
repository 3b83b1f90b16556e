#!/usr/bin/env python3
"""Draws Vantik's bitmaps and its icon into this directory.

Every image is computed from the shapes below, with nothing but the standard
library, so running the script again rewrites the same bytes.  The generated
files are committed next to it; the build only reads them.

The places the program relies on (the skin's size, the viewport's bands,
the panel's buttons, the region size dialog's title band and edges) are read
from the program's own tables, app/CaptureFrameSkin.h and
dialogs/RegionSizeSkin.h, so that the artwork follows them when redrawn.

Bitmaps are 24-bit BMP files.  Magenta, RGB(255, 0, 255), is the key colour
the program treats as see-through, so it is written only where a picture
must be transparent; every shape is blended against real colours and a
final check refuses to write a bitmap with magenta anywhere else.

    python3 res/draw_artwork.py
"""

import math
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

# Supersampling grid per pixel edge for the blended outlines of shapes.
SUBSAMPLES = 4


# ---------------------------------------------------------------------------
# The program's tables


class HeaderValues:
    """The named numbers of a C++ header: `constexpr int kName = n;` and
    `constexpr Type kName{a, b, c, d};`."""

    def __init__(self, path):
        self.path = path
        with open(os.path.join(ROOT, path)) as f:
            text = f.read()
        self.values = {}
        for name, number in re.findall(r"constexpr int (k\w+) = (-?\d+);", text):
            self.values[name] = int(number)
        for name, numbers in re.findall(r"constexpr \w+ (k\w+)\{(-?\d+(?:, -?\d+)*)\};", text):
            self.values[name] = tuple(int(n) for n in numbers.split(", "))

    def __getitem__(self, name):
        if name not in self.values:
            raise SystemExit("%s: no plain value named %s" % (self.path, name))
        return self.values[name]


CAPTURE_FRAME = HeaderValues("app/CaptureFrameSkin.h")
REGION_DIALOG = HeaderValues("dialogs/RegionSizeSkin.h")


# ---------------------------------------------------------------------------
# Canvas and colour helpers


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighten(c, t):
    return mix(c, WHITE, t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def vgradient(top, bottom, y0, y1):
    """A colour function shading from top at y0 to bottom at y1."""
    span = float(y1 - y0) if y1 != y0 else 1.0

    def colour(x, y):
        t = min(1.0, max(0.0, (y - y0) / span))
        return mix(top, bottom, t)

    return colour


class Canvas:
    """An RGB picture; row 0 is the top row."""

    def __init__(self, width, height, fill=WHITE):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        if alpha >= 1.0:
            self.put(x, y, colour)
        else:
            self.put(x, y, mix(self.get(x, y), colour, alpha))

    def paste(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                self.put(dx + x, dy + y, other.get(x, y))

    def crop(self, x0, y0, width, height):
        part = Canvas(width, height)
        for y in range(height):
            for x in range(width):
                part.put(x, y, self.get(x0 + x, y0 + y))
        return part

    def count(self, colour):
        return sum(1 for p in self.pixels if p == colour)


class IconCanvas:
    """An RGBA picture for icon images: shapes are composed over transparency."""

    def __init__(self, size):
        self.width = self.height = size
        self.rgb = [(0, 0, 0)] * (size * size)
        self.alpha = [0.0] * (size * size)

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        i = y * self.width + x
        below = self.alpha[i]
        out = alpha + below * (1.0 - alpha)
        rgb = tuple(
            int(round((colour[k] * alpha + self.rgb[i][k] * below * (1.0 - alpha)) / out))
            for k in range(3))
        self.rgb[i] = rgb
        self.alpha[i] = out


def fill_shape(canvas, inside, colour, box):
    """Fills the points where inside(fx, fy) holds, within box (x0, y0, x1, y1).

    colour is an RGB tuple or a function of the pixel (x, y).  Pixels on the
    shape's outline get the colour in proportion to the covered subsamples.
    """
    x0, y0, x1, y1 = (int(math.floor(box[0])), int(math.floor(box[1])),
                      int(math.ceil(box[2])), int(math.ceil(box[3])))
    n = SUBSAMPLES
    offsets = [(i + 0.5) / n for i in range(n)]
    for y in range(max(0, y0), min(canvas.height, y1 + 1)):
        for x in range(max(0, x0), min(canvas.width, x1 + 1)):
            hits = 0
            for oy in offsets:
                for ox in offsets:
                    if inside(x + ox, y + oy):
                        hits += 1
            if hits:
                c = colour(x, y) if callable(colour) else colour
                canvas.blend(x, y, c, hits / float(n * n))


# ---------------------------------------------------------------------------
# Shapes, as point tests in pixel coordinates (pixel (x, y) covers
# [x, x + 1) x [y, y + 1))


def circle(cx, cy, r):
    return (lambda fx, fy: (fx - cx) ** 2 + (fy - cy) ** 2 <= r * r,
            (cx - r, cy - r, cx + r, cy + r))


def ring(cx, cy, r_outer, r_inner):
    def inside(fx, fy):
        d = (fx - cx) ** 2 + (fy - cy) ** 2
        return r_inner * r_inner < d <= r_outer * r_outer
    return inside, (cx - r_outer, cy - r_outer, cx + r_outer, cy + r_outer)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(fx, fy):
        if not (x0 <= fx <= x1 and y0 <= fy <= y1):
            return False
        nx = min(max(fx, x0 + r), x1 - r)
        ny = min(max(fy, y0 + r), y1 - r)
        return (fx - nx) ** 2 + (fy - ny) ** 2 <= r * r
    return inside, (x0, y0, x1, y1)


def segment(ax, ay, bx, by, width):
    """A stroke of the given width from (ax, ay) to (bx, by), round ends."""
    half = width / 2.0
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(fx, fy):
        t = ((fx - ax) * dx + (fy - ay) * dy) / length2 if length2 else 0.0
        t = min(1.0, max(0.0, t))
        px, py = ax + t * dx, ay + t * dy
        return (fx - px) ** 2 + (fy - py) ** 2 <= half * half
    return inside, (min(ax, bx) - half, min(ay, by) - half,
                    max(ax, bx) + half, max(ay, by) + half)


def arc(cx, cy, r, width, start_deg, end_deg):
    """A stroke along a circle, clockwise on screen from start to end angle."""
    half = width / 2.0
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a1)]

    def inside(fx, fy):
        d = math.hypot(fx - cx, fy - cy)
        a = math.atan2(fy - cy, fx - cx)
        while a < a0:
            a += 2 * math.pi
        if a <= a1 and abs(d - r) <= half:
            return True
        return any((fx - ex) ** 2 + (fy - ey) ** 2 <= half * half for ex, ey in ends)
    return inside, (cx - r - half, cy - r - half, cx + r + half, cy + r + half)


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def inside(fx, fy):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > fy) != (yj > fy) and fx < (xj - xi) * (fy - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside, (min(xs), min(ys), max(xs), max(ys))


def inset_polygon(points, distance):
    """The band of a polygon's inside lying farther than distance from its edges."""
    inside, box = polygon(points)
    edges = list(zip(points, points[1:] + points[:1]))

    def edge_distance(fx, fy):
        best = float("inf")
        for (ax, ay), (bx, by) in edges:
            dx, dy = bx - ax, by - ay
            t = min(1.0, max(0.0, ((fx - ax) * dx + (fy - ay) * dy) / (dx * dx + dy * dy)))
            best = min(best, math.hypot(fx - ax - t * dx, fy - ay - t * dy))
        return best

    return (lambda fx, fy: inside(fx, fy) and edge_distance(fx, fy) > distance), box


def star_points(cx, cy, r_outer, r_inner, count=5):
    points = []
    for k in range(count * 2):
        r = r_outer if k % 2 == 0 else r_inner
        a = math.radians(-90 + k * 180.0 / count)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def draw(canvas, shape, colour):
    inside, box = shape
    fill_shape(canvas, inside, colour, box)


# ---------------------------------------------------------------------------
# The capture frame's skin (bitmap 129) and its four panel buttons

SKIN_W, SKIN_H = CAPTURE_FRAME["kSkinWidth"], CAPTURE_FRAME["kSkinHeight"]
VIEWPORT = (CAPTURE_FRAME["kLeftWidth"], CAPTURE_FRAME["kTitleHeight"],    # left, top,
            SKIN_W - CAPTURE_FRAME["kPanelWidth"],                         # right, bottom
            SKIN_H - CAPTURE_FRAME["kViewportBottomInset"])

# Panel places, (from the right edge, top, width, height), where the frame
# puts its buttons and the skin shows their pictures.
CLOSE_BUTTON = CAPTURE_FRAME["kCloseButton"]
CAPTURE_BUTTON = CAPTURE_FRAME["kCaptureButton"]
SET_SIZE_BUTTON = CAPTURE_FRAME["kSetSizeButton"]
HELP_BUTTON = CAPTURE_FRAME["kHelpButton"]

FRAME = (214, 223, 234)          # light grey-blue body of the frame
FRAME_OUTLINE = (124, 142, 166)  # outer edge
FRAME_SHINE = (240, 244, 249)    # one pixel inside the outer edge
VIEWPORT_RING = (150, 166, 188)  # the pixel ring around the see-through window

# Button states: (lighten, darken, offset) for normal, hover and pressed.
STATES = ((0.0, 0.0, 0), (0.12, 0.0, 0), (0.0, 0.14, 1))


def state_colour(colour, state):
    up, down, _ = STATES[state]
    return darken(lighten(colour, up), down)


def corner_distance(x, y, width, height):
    """Distances of (x, y) from the nearest vertical and horizontal outer edge."""
    return min(x, width - 1 - x), min(y, height - 1 - y)


def frame_pixel(x, y):
    """The frame's own colour at (x, y) of the skin, before any picture."""
    dx, dy = corner_distance(x, y, SKIN_W, SKIN_H)
    in_corner = dx < 5 and dy < 5
    if in_corner and dx + dy <= 2:
        return MAGENTA           # 3, 2 and 1 pixels: a quarter circle cut away
    if dx == 0 or dy == 0 or (in_corner and dx + dy == 3):
        return FRAME_OUTLINE
    if dx == 1 or dy == 1 or (in_corner and dx + dy == 4):
        return FRAME_SHINE
    left, top, right, bottom = VIEWPORT
    if left <= x < right and top <= y < bottom:
        return WHITE
    if left - 1 <= x <= right and top - 1 <= y <= bottom:
        return VIEWPORT_RING
    return FRAME


def draw_frame_background(canvas):
    for y in range(SKIN_H):
        for x in range(SKIN_W):
            canvas.put(x, y, frame_pixel(x, y))


def draw_resize_grip(canvas):
    """Six embossed dots in a triangle at the bottom-right corner."""
    columns = (SKIN_W - 14, SKIN_W - 10, SKIN_W - 6)
    rows = (SKIN_H - 13, SKIN_H - 9, SKIN_H - 5)
    for i, x in enumerate(columns):
        for j, y in enumerate(rows):
            if i + j < 2:
                continue
            for ox in (1, 2):
                for oy in (1, 2):
                    canvas.put(x + ox, y + oy, FRAME_SHINE)
            for ox in (0, 1):
                for oy in (0, 1):
                    canvas.put(x + ox, y + oy, FRAME_OUTLINE)


def close_button_image(state):
    """29 x 22: an orange close circle on a pale pill, in the frame's corner."""
    from_right, top, width, height = CLOSE_BUTTON
    left = SKIN_W - from_right
    image = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            image.put(x, y, frame_pixel(left + x, top + y))
    shift = STATES[state][2]
    draw(image, rounded_rect(2.0, 3.0, 26.0, 20.0, 8.5), state_colour((178, 192, 210), state))
    draw(image, rounded_rect(3.0, 4.0, 25.0, 19.0, 7.5), state_colour((247, 249, 252), state))
    cx, cy = 14.0 + shift, 11.5 + shift
    orange = state_colour((240, 118, 28), state)
    draw(image, circle(cx, cy, 6.4), darken(orange, 0.12))
    draw(image, circle(cx, cy, 5.5), vgradient(lighten(orange, 0.2), orange, cy - 5, cy + 5))
    for sx, sy in ((-1, -1), (1, -1)):
        draw(image, segment(cx + 2.3 * sx, cy - 2.3, cx - 2.3 * sx, cy + 2.3, 1.5), WHITE)
    return image


def capture_button_image(state):
    """50 x 50: a round green button carrying a white camera."""
    image = Canvas(CAPTURE_BUTTON[2], CAPTURE_BUTTON[3], FRAME)
    shift = STATES[state][2]
    cx, cy = 25.0 + shift, 25.0 + shift
    green = state_colour((72, 168, 70), state)
    draw(image, circle(cx + 0.6, cy + 1.2, 22.6), darken(FRAME, 0.08))   # soft shadow
    draw(image, circle(cx, cy, 22.6), darken(green, 0.28))
    draw(image, circle(cx, cy, 21.6),
         vgradient(lighten(green, 0.35), green, cy - 21, cy + 21))
    # The camera: body, viewfinder hump, lens and flash.
    draw(image, rounded_rect(cx - 12, cy - 4.5, cx + 12, cy + 11, 3.0), WHITE)
    draw(image, rounded_rect(cx - 5.5, cy - 8.5, cx + 4.5, cy - 2.5, 2.0), WHITE)
    draw(image, circle(cx, cy + 3.5, 6.2), darken(green, 0.2))
    draw(image, circle(cx, cy + 3.5, 4.6), WHITE)
    draw(image, circle(cx, cy + 3.5, 3.4), darken(green, 0.35))
    draw(image, circle(cx - 1.1, cy + 2.4, 1.1), lighten(green, 0.6))
    draw(image, circle(cx + 8.5, cy - 1.2, 1.3), darken(green, 0.1))
    return image


def set_size_button_image(state):
    """38 x 35: a grey five-pointed star, clear of the help button's corner."""
    image = Canvas(SET_SIZE_BUTTON[2], SET_SIZE_BUTTON[3], FRAME)
    shift = STATES[state][2]
    points = star_points(18.0 + shift, 18.5 + shift, 15.5, 6.6)
    grey = state_colour((150, 158, 170), state)
    draw(image, polygon([(px + 0.6, py + 0.9) for px, py in points]), darken(FRAME, 0.08))
    draw(image, polygon(points), darken(grey, 0.3))
    draw(image, inset_polygon(points, 1.1), vgradient(lighten(grey, 0.4), grey, 4, 32))
    return image


def help_button_image(state):
    """20 x 20: a small grey disc with a white question mark."""
    image = Canvas(HELP_BUTTON[2], HELP_BUTTON[3], FRAME)
    shift = STATES[state][2]
    cx, cy = 10.0 + shift * 0.5, 10.0 + shift * 0.5
    grey = state_colour((140, 150, 164), state)
    draw(image, circle(cx, cy, 8.6), darken(grey, 0.25))
    draw(image, circle(cx, cy, 7.7), vgradient(lighten(grey, 0.3), grey, cy - 7, cy + 7))
    draw(image, arc(cx, cy - 2.2, 2.6, 1.7, 180, 405), WHITE)
    draw(image, segment(cx + 1.8, cy - 0.4, cx, cy + 1.4, 1.7), WHITE)
    draw(image, circle(cx, cy + 4.4, 1.05), WHITE)
    return image


def strip_size(place):
    """Three pictures of a panel button side by side."""
    return place[2] * 3, place[3]


def image_strip(painter):
    """Normal, hover and pressed images of one button side by side."""
    frames = [painter(state) for state in range(3)]
    strip = Canvas(frames[0].width * 3, frames[0].height)
    for i, frame in enumerate(frames):
        strip.paste(frame, i * frame.width, 0)
    return strip


def capture_frame_skin():
    skin = Canvas(SKIN_W, SKIN_H)
    draw_frame_background(skin)
    # Pictures of the panel buttons where a frame of the skin's size places
    # them; the help button overlaps the set-size button and lies above it.
    for painter, place in ((close_button_image, CLOSE_BUTTON),
                           (capture_button_image, CAPTURE_BUTTON),
                           (set_size_button_image, SET_SIZE_BUTTON),
                           (help_button_image, HELP_BUTTON)):
        skin.paste(painter(0), SKIN_W - place[0], place[1])
    draw_resize_grip(skin)
    return skin


# ---------------------------------------------------------------------------
# The region size dialog's skin (bitmap 135) and caption-button strip (134)

DIALOG_W, DIALOG_H = REGION_DIALOG["kSkinWidth"], REGION_DIALOG["kSkinHeight"]
TITLE_H = REGION_DIALOG["kTitleHeight"]
# The edges are drawn as two lines, dark outside and light inside.
if REGION_DIALOG["kEdgeWidth"] != 2:
    raise SystemExit("dialogs/RegionSizeSkin.h: the dialog's edges are drawn 2 pixels wide")
TITLE_TOP = (61, 188, 241)
TITLE_BOTTOM = (227, 246, 253)
EDGE_OUTER = (34, 108, 138)
EDGE_INNER = (236, 247, 252)
DIALOG_BODY = (0, 128, 128)


def title_band_colour(y):
    return mix(TITLE_TOP, TITLE_BOTTOM, y / float(TITLE_H - 1))


def dialog_pixel(x, y):
    dx, dy = corner_distance(x, y, DIALOG_W, DIALOG_H)
    if dx < 5 and dy < 5 and dx + dy <= 1:
        return MAGENTA           # 2 and 1 pixels at each corner
    if y < TITLE_H:
        return EDGE_OUTER if dx == 0 else title_band_colour(y)
    if dx == 0 or dy == 0 or (dx == 1 and dy == 1):
        return EDGE_OUTER
    if dx == 1 or dy == 1:
        return EDGE_INNER
    return DIALOG_BODY


def draw_title_close_glyph(canvas):
    cx, cy = DIALOG_W - 13.0, 9.0
    grey = (104, 116, 128)
    draw(canvas, segment(cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5, 1.6), grey)
    draw(canvas, segment(cx + 3.5, cy - 3.5, cx - 3.5, cy + 3.5, 1.6), grey)


def region_dialog_skin():
    skin = Canvas(DIALOG_W, DIALOG_H)
    for y in range(DIALOG_H):
        for x in range(DIALOG_W):
            skin.put(x, y, dialog_pixel(x, y))
    draw_title_close_glyph(skin)
    return skin


CAPTION_W, CAPTION_H = 38, 18
CAPTION_STRIP_W = CAPTION_W * 12
CLOSE_TRIPLE_X = CAPTION_W * 6


def caption_close_image(state):
    """A white X on light blue, on red while hovered, on dark red while pressed."""
    if state == 0:
        background = lambda x, y: title_band_colour(y)
    else:
        background = ((232, 35, 46), (168, 18, 26))[state - 1]
    image = Canvas(CAPTION_W, CAPTION_H)
    draw(image, ((lambda fx, fy: True), (0, 0, CAPTION_W, CAPTION_H)), background)
    cx, cy = CAPTION_W / 2.0, CAPTION_H / 2.0
    for sx in (-1, 1):
        draw(image, segment(cx - 4.0 * sx, cy - 4.0, cx + 4.0 * sx, cy + 4.0, 1.6), WHITE)
    return image


def caption_button_strip():
    strip = Canvas(CAPTION_STRIP_W, CAPTION_H, MAGENTA)
    for state in range(3):
        strip.paste(caption_close_image(state), CLOSE_TRIPLE_X + state * CAPTION_W, 0)
    return strip


# ---------------------------------------------------------------------------
# Application icon (128): the frame in miniature, a white window on the left
# and the green capture button on the right of a grey-blue tile.


def icon_image(size):
    image = IconCanvas(size)
    s = size / 48.0

    def snap(v):
        return float(round(v * s))

    edge = 1.0 if size < 48 else 1.5
    radius = max(2.0, 7.0 * s)
    tile = (snap(1), snap(4), snap(47), snap(44))
    draw(image, rounded_rect(tile[0], tile[1], tile[2], tile[3], radius), FRAME_OUTLINE)
    draw(image, rounded_rect(tile[0] + edge, tile[1] + edge, tile[2] - edge, tile[3] - edge,
                             radius - edge),
         vgradient(lighten(FRAME, 0.35), FRAME, tile[1], tile[3]))
    window = (snap(6), snap(10), snap(29), snap(38))
    whole = lambda fx, fy: True
    draw(image, (whole, (window[0], window[1], window[2] - 0.01, window[3] - 0.01)),
         VIEWPORT_RING)
    draw(image, (whole, (window[0] + 1, window[1] + 1, window[2] - 1.01, window[3] - 1.01)),
         WHITE)
    green = (72, 168, 70)
    cx, cy, r = 37.5 * s, 24.0 * s, max(2.6, 6.8 * s)
    draw(image, circle(cx, cy, r), darken(green, 0.28))
    draw(image, circle(cx, cy, r - max(0.8, s)),
         vgradient(lighten(green, 0.35), green, cy - r, cy + r))
    if size >= 32:
        # The lens of the capture button and two corners of a selection.
        draw(image, circle(cx, cy, 3.0 * s), WHITE)
        draw(image, circle(cx, cy, 1.8 * s), darken(green, 0.3))
        mark = 2.0 * s
        for x0, y0, dx, dy in ((10.5, 14.5, 1, 1), (24.5, 33.5, -1, -1)):
            ax, ay = x0 * s, y0 * s
            draw(image, segment(ax, ay, ax + dx * 5 * s, ay, mark), (96, 132, 176))
            draw(image, segment(ax, ay, ax, ay + dy * 5 * s, mark), (96, 132, 176))
    return image


# ---------------------------------------------------------------------------
# File formats


def bmp_bytes(canvas):
    """A bottom-up 24-bit BMP file."""
    row_size = (canvas.width * 3 + 3) & ~3
    pad = b"\0" * (row_size - canvas.width * 3)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + pad)
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                       len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def icon_entry_bytes(image):
    """One icon image: a 32-bit BGRA DIB (height doubled) and its AND mask."""
    size = image.width
    colour = bytearray()
    mask = bytearray()
    mask_row = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(size):
            i = y * size + x
            alpha = int(round(image.alpha[i] * 255))
            r, g, b = image.rgb[i] if alpha else (0, 0, 0)
            colour += bytes((b, g, r, alpha))
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def ico_bytes(images):
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    blobs = b""
    offset = len(header) + 16 * len(images)
    for image in images:
        blob = icon_entry_bytes(image)
        dim = image.width if image.width < 256 else 0
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return header + entries + blobs


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def write_bitmap(name, canvas, size, magenta):
    """Writes a bitmap after checking its size and its count of key pixels."""
    if (canvas.width, canvas.height) != size:
        raise SystemExit("%s: drawn %dx%d, expected %dx%d" % ((name, canvas.width, canvas.height) + size))
    found = canvas.count(MAGENTA)
    if found != magenta:
        raise SystemExit("%s: %d magenta pixels, expected %d" % (name, found, magenta))
    write(name, bmp_bytes(canvas))


def main():
    write_bitmap("frame_skin.bmp", capture_frame_skin(), (SKIN_W, SKIN_H), 24)
    write_bitmap("btn_close.bmp", image_strip(close_button_image), strip_size(CLOSE_BUTTON), 18)
    write_bitmap("btn_capture.bmp", image_strip(capture_button_image), strip_size(CAPTURE_BUTTON), 0)
    write_bitmap("btn_hotkeyhelp.bmp", image_strip(help_button_image), strip_size(HELP_BUTTON), 0)
    write_bitmap("btn_setsize.bmp", image_strip(set_size_button_image), strip_size(SET_SIZE_BUTTON), 0)
    write_bitmap("caption_buttons.bmp", caption_button_strip(), (456, 18),
                 456 * 18 - 3 * CAPTION_W * CAPTION_H)
    write_bitmap("setrgn_skin.bmp", region_dialog_skin(), (DIALOG_W, DIALOG_H), 12)
    write("vantik.ico", ico_bytes([icon_image(48), icon_image(32), icon_image(16)]))


if __name__ == "__main__":
    main()
