#!/usr/bin/env python3
"""Draws Vantik's bitmaps and its icon into this directory.

Every image is computed from the shapes below, with nothing but the standard
library, so running the script again rewrites the same bytes.  The generated
files are committed next to it; the build only reads them.

The places the program relies on (the skin's size, the viewport's bands,
the panel's buttons, the region size dialog's title band and edges) are read
from the program's own tables, app/CaptureFrameSkin.h and
dialogs/RegionSizeSkin.h, so that the artwork follows them when redrawn.

Every bitmap is drawn at each scale of gfx/DisplayScale.h: at 96 DPI as a
24-bit BMP file, at the larger scales as an 8-bit RGB PNG file in scaled/,
from the same shapes, with the tables' places scaled by the program's own
rounding rule.  scaled_artwork.rc lists the PNG files under the resource
ids res/resource.h gives them.

Magenta, RGB(255, 0, 255), is the key colour
the program treats as see-through, so it is written only where a picture
must be transparent; every shape is blended against real colours and a
final check refuses to write a bitmap with magenta anywhere else, or a PNG
file that does not read back as drawn.

    python3 res/draw_artwork.py
"""

import math
import os
import re
import struct
import zlib

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
# Scales


def read_scale_percents():
    """The scales the artwork is drawn for, from gfx/DisplayScale.h."""
    path = "gfx/DisplayScale.h"
    with open(os.path.join(ROOT, path)) as f:
        found = re.search(r"kScalePercents\{(\d+(?:, \d+)*)\};", f.read())
    if not found:
        raise SystemExit("%s: no kScalePercents" % path)
    percents = tuple(int(n) for n in found.group(1).split(", "))
    if percents[0] != 100:
        raise SystemExit("%s: the first scale is not 100 %%" % path)
    return percents


class Scale:
    """One scale of the artwork and the rounding gfx::DisplayScale uses.

    A position at 96 DPI, measured from the picture's top-left corner, is
    scaled and rounded half up; a length between two positions is the
    difference of the scaled positions, so that pieces which meet at 96 DPI
    still meet.  Shapes are drawn in continuous coordinates multiplied by the
    factor, which is exactly 1.0 at 100 %, so the natural scale's pictures
    are computed from the same numbers as they always were.
    """

    def __init__(self, index, percent):
        self.index = index
        self.percent = percent
        self.factor = percent / 100.0
        # Lines one pixel wide at 96 DPI.
        self.stroke = self.px(1)

    def px(self, value):
        rounded = (abs(value) * self.percent + 50) // 100
        return -rounded if value < 0 else rounded

    def span(self, start, end):
        return self.px(end) - self.px(start)

    def reaches(self, dx, dy, cut, strokes=0):
        """Whether the pixel dx, dy away from a corner's two edges lies
        within the corner's diagonal: the sum of its centre's distances,
        (dx + 0.5) + (dy + 0.5), at most cut pixels (at 96 DPI, scaled) plus
        the given number of strokes.  Computed in hundredths, exactly."""
        return 100 * (dx + dy + 1) <= cut * self.percent + 100 * strokes * self.stroke

    def cut_pixels(self, cut):
        """The pixels (dx, dy) a corner cut of this reach removes."""
        limit = cut * self.percent // 100 + 1
        return [(dx, dy) for dy in range(limit) for dx in range(limit)
                if self.reaches(dx, dy, cut)]


SCALES = [Scale(i, p) for i, p in enumerate(read_scale_percents())]
NATURAL = SCALES[0]

# The program looks for the see-through corner pixels of its skins only in
# a square of this size (at 96 DPI, scaled) at each corner.
CORNER_SQUARE = 5


def fill_rect(canvas, scale, x, y, width, height, colour):
    """Fills a rectangle given at 96 DPI, its edges scaled."""
    for py in range(scale.px(y), scale.px(y + height)):
        for px in range(scale.px(x), scale.px(x + width)):
            canvas.put(px, py, colour)


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
FRAME_SHINE = (240, 244, 249)    # one stroke inside the outer edge
VIEWPORT_RING = (150, 166, 188)  # the stroke around the see-through window

# The frame's corners are cut along a diagonal reaching 3 pixels along each
# edge (3, 2 and 1 pixels at 96 DPI); the outline and the shine follow it.
FRAME_CUT = 3

# Button states: (lighten, darken, offset) for normal, hover and pressed.
STATES = ((0.0, 0.0, 0), (0.12, 0.0, 0), (0.0, 0.14, 1))


def state_colour(colour, state):
    up, down, _ = STATES[state]
    return darken(lighten(colour, up), down)


def corner_distance(x, y, width, height):
    """Distances of (x, y) from the nearest vertical and horizontal outer edge."""
    return min(x, width - 1 - x), min(y, height - 1 - y)


class FrameLayout:
    """The capture frame's skin at one scale."""

    def __init__(self, scale):
        self.scale = scale
        self.width, self.height = scale.px(SKIN_W), scale.px(SKIN_H)
        self.viewport = tuple(scale.px(v) for v in VIEWPORT)
        self.corner = scale.px(CORNER_SQUARE)

    def place(self, place):
        """A panel place as (left, top, width, height) in the skin's pixels:
        its edges are positions on the skin, counted from the skin's left."""
        from_right, top, width, height = place
        left = SKIN_W - from_right
        return (self.scale.px(left), self.scale.px(top),
                self.scale.span(left, left + width), self.scale.span(top, top + height))

    def pixel(self, x, y):
        """The frame's own colour at (x, y) of the skin, before any picture."""
        scale = self.scale
        stroke = scale.stroke
        dx, dy = corner_distance(x, y, self.width, self.height)
        in_corner = dx < self.corner and dy < self.corner
        if in_corner and scale.reaches(dx, dy, FRAME_CUT):
            return MAGENTA
        if dx < stroke or dy < stroke or (in_corner and scale.reaches(dx, dy, FRAME_CUT, 1)):
            return FRAME_OUTLINE
        if dx < 2 * stroke or dy < 2 * stroke or (in_corner and scale.reaches(dx, dy, FRAME_CUT, 2)):
            return FRAME_SHINE
        left, top, right, bottom = self.viewport
        if left <= x < right and top <= y < bottom:
            return WHITE
        if left - stroke <= x < right + stroke and top - stroke <= y < bottom + stroke:
            return VIEWPORT_RING
        return FRAME

    def key_pixels(self):
        """How many see-through pixels the frame's skin has: its four cuts."""
        return 4 * len(self.scale.cut_pixels(FRAME_CUT))


def draw_frame_background(canvas, frame):
    for y in range(frame.height):
        for x in range(frame.width):
            canvas.put(x, y, frame.pixel(x, y))


def draw_resize_grip(canvas, frame):
    """Six embossed dots in a triangle at the bottom-right corner."""
    columns = (SKIN_W - 14, SKIN_W - 10, SKIN_W - 6)
    rows = (SKIN_H - 13, SKIN_H - 9, SKIN_H - 5)
    for i, x in enumerate(columns):
        for j, y in enumerate(rows):
            if i + j < 2:
                continue
            fill_rect(canvas, frame.scale, x + 1, y + 1, 2, 2, FRAME_SHINE)
            fill_rect(canvas, frame.scale, x, y, 2, 2, FRAME_OUTLINE)


def close_button_image(frame, state):
    """29 x 22 at 96 DPI: an orange close circle on a pale pill, in the
    frame's corner."""
    left, top, width, height = frame.place(CLOSE_BUTTON)
    image = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            image.put(x, y, frame.pixel(left + x, top + y))
    s = frame.scale.factor
    shift = STATES[state][2]
    draw(image, rounded_rect(2.0 * s, 3.0 * s, 26.0 * s, 20.0 * s, 8.5 * s),
         state_colour((178, 192, 210), state))
    draw(image, rounded_rect(3.0 * s, 4.0 * s, 25.0 * s, 19.0 * s, 7.5 * s),
         state_colour((247, 249, 252), state))
    cx, cy = (14.0 + shift) * s, (11.5 + shift) * s
    orange = state_colour((240, 118, 28), state)
    draw(image, circle(cx, cy, 6.4 * s), darken(orange, 0.12))
    draw(image, circle(cx, cy, 5.5 * s),
         vgradient(lighten(orange, 0.2), orange, cy - 5 * s, cy + 5 * s))
    d = 2.3 * s
    for sx, sy in ((-1, -1), (1, -1)):
        draw(image, segment(cx + d * sx, cy - d, cx - d * sx, cy + d, 1.5 * s), WHITE)
    return image


def capture_button_image(frame, state):
    """50 x 50 at 96 DPI: a round green button carrying a white camera."""
    _, _, width, height = frame.place(CAPTURE_BUTTON)
    image = Canvas(width, height, FRAME)
    s = frame.scale.factor
    shift = STATES[state][2]
    cx, cy = (25.0 + shift) * s, (25.0 + shift) * s
    green = state_colour((72, 168, 70), state)
    draw(image, circle(cx + 0.6 * s, cy + 1.2 * s, 22.6 * s), darken(FRAME, 0.08))  # soft shadow
    draw(image, circle(cx, cy, 22.6 * s), darken(green, 0.28))
    draw(image, circle(cx, cy, 21.6 * s),
         vgradient(lighten(green, 0.35), green, cy - 21 * s, cy + 21 * s))
    # The camera: body, viewfinder hump, lens and flash.
    draw(image, rounded_rect(cx - 12 * s, cy - 4.5 * s, cx + 12 * s, cy + 11 * s, 3.0 * s), WHITE)
    draw(image, rounded_rect(cx - 5.5 * s, cy - 8.5 * s, cx + 4.5 * s, cy - 2.5 * s, 2.0 * s), WHITE)
    lens = cy + 3.5 * s
    draw(image, circle(cx, lens, 6.2 * s), darken(green, 0.2))
    draw(image, circle(cx, lens, 4.6 * s), WHITE)
    draw(image, circle(cx, lens, 3.4 * s), darken(green, 0.35))
    draw(image, circle(cx - 1.1 * s, cy + 2.4 * s, 1.1 * s), lighten(green, 0.6))
    draw(image, circle(cx + 8.5 * s, cy - 1.2 * s, 1.3 * s), darken(green, 0.1))
    return image


def set_size_button_image(frame, state):
    """38 x 35 at 96 DPI: a grey five-pointed star, clear of the help
    button's corner."""
    _, _, width, height = frame.place(SET_SIZE_BUTTON)
    image = Canvas(width, height, FRAME)
    s = frame.scale.factor
    shift = STATES[state][2]
    points = star_points((18.0 + shift) * s, (18.5 + shift) * s, 15.5 * s, 6.6 * s)
    grey = state_colour((150, 158, 170), state)
    draw(image, polygon([(px + 0.6 * s, py + 0.9 * s) for px, py in points]), darken(FRAME, 0.08))
    draw(image, polygon(points), darken(grey, 0.3))
    draw(image, inset_polygon(points, 1.1 * s), vgradient(lighten(grey, 0.4), grey, 4 * s, 32 * s))
    return image


def help_button_image(frame, state):
    """20 x 20 at 96 DPI: a small grey disc with a white question mark."""
    _, _, width, height = frame.place(HELP_BUTTON)
    image = Canvas(width, height, FRAME)
    s = frame.scale.factor
    shift = STATES[state][2]
    cx, cy = (10.0 + shift * 0.5) * s, (10.0 + shift * 0.5) * s
    grey = state_colour((140, 150, 164), state)
    draw(image, circle(cx, cy, 8.6 * s), darken(grey, 0.25))
    draw(image, circle(cx, cy, 7.7 * s), vgradient(lighten(grey, 0.3), grey, cy - 7 * s, cy + 7 * s))
    draw(image, arc(cx, cy - 2.2 * s, 2.6 * s, 1.7 * s, 180, 405), WHITE)
    draw(image, segment(cx + 1.8 * s, cy - 0.4 * s, cx, cy + 1.4 * s, 1.7 * s), WHITE)
    draw(image, circle(cx, cy + 4.4 * s, 1.05 * s), WHITE)
    return image


# The panel buttons: their pictures, in the order the skin shows them (the
# help button overlaps the set-size button and lies above it).
PANEL_BUTTONS = ((close_button_image, CLOSE_BUTTON),
                 (capture_button_image, CAPTURE_BUTTON),
                 (set_size_button_image, SET_SIZE_BUTTON),
                 (help_button_image, HELP_BUTTON))


def image_strip(painter, frame):
    """Normal, hover and pressed images of one button side by side."""
    frames = [painter(frame, state) for state in range(3)]
    strip = Canvas(frames[0].width * 3, frames[0].height)
    for i, picture in enumerate(frames):
        strip.paste(picture, i * picture.width, 0)
    return strip


def capture_frame_skin(frame):
    skin = Canvas(frame.width, frame.height)
    draw_frame_background(skin, frame)
    # Pictures of the panel buttons where a frame of the skin's size places
    # them.
    for painter, place in PANEL_BUTTONS:
        left, top, _, _ = frame.place(place)
        skin.paste(painter(frame, 0), left, top)
    draw_resize_grip(skin, frame)
    return skin


# ---------------------------------------------------------------------------
# The region size dialog's skin (bitmap 135) and caption-button strip (134)

DIALOG_W, DIALOG_H = REGION_DIALOG["kSkinWidth"], REGION_DIALOG["kSkinHeight"]
TITLE_H = REGION_DIALOG["kTitleHeight"]
EDGE_W = REGION_DIALOG["kEdgeWidth"]
TITLE_TOP = (61, 188, 241)
TITLE_BOTTOM = (227, 246, 253)
EDGE_OUTER = (34, 108, 138)
EDGE_INNER = (236, 247, 252)
DIALOG_BODY = (0, 128, 128)

# The dialog's corners are cut along a diagonal reaching 2 pixels along each
# edge (2 and 1 pixels at 96 DPI); at the bottom the outer edge follows it.
DIALOG_CUT = 2

CAPTION_W = REGION_DIALOG["kCaptionButtonWidth"]
CAPTION_H = REGION_DIALOG["kCaptionButtonHeight"]


class DialogLayout:
    """The region size dialog's skin and caption buttons at one scale."""

    def __init__(self, scale):
        self.scale = scale
        self.width, self.height = scale.px(DIALOG_W), scale.px(DIALOG_H)
        self.title = scale.px(TITLE_H)
        # The edges are an outer line one stroke wide and an inner line
        # filling the rest of the edge's band, whose sides are positions.
        self.left_edge = scale.px(EDGE_W)
        self.right_edge = self.width - scale.px(DIALOG_W - EDGE_W)
        self.bottom_edge = self.height - scale.px(DIALOG_H - EDGE_W)
        self.corner = scale.px(CORNER_SQUARE)
        self.caption_w, self.caption_h = scale.px(CAPTION_W), scale.px(CAPTION_H)
        self.caption_strip_w = self.caption_w * 12
        self.close_triple_x = self.caption_w * 6

    def title_band_colour(self, y):
        return mix(TITLE_TOP, TITLE_BOTTOM, y / float(self.title - 1))

    def pixel(self, x, y):
        scale = self.scale
        stroke = scale.stroke
        dx, dy = corner_distance(x, y, self.width, self.height)
        in_corner = dx < self.corner and dy < self.corner
        if in_corner and scale.reaches(dx, dy, DIALOG_CUT):
            return MAGENTA
        if y < self.title:
            return EDGE_OUTER if dx < stroke else self.title_band_colour(y)
        if dx < stroke or dy < stroke or (in_corner and scale.reaches(dx, dy, DIALOG_CUT, 1)):
            return EDGE_OUTER
        if (x < self.left_edge or x >= self.width - self.right_edge
                or y >= self.height - self.bottom_edge):
            return EDGE_INNER
        return DIALOG_BODY

    def key_pixels(self):
        """How many see-through pixels the dialog's skin has: its four cuts."""
        return 4 * len(self.scale.cut_pixels(DIALOG_CUT))


def draw_title_close_glyph(canvas, dialog):
    s = dialog.scale.factor
    cx, cy = (DIALOG_W - 13.0) * s, 9.0 * s
    d = 3.5 * s
    grey = (104, 116, 128)
    draw(canvas, segment(cx - d, cy - d, cx + d, cy + d, 1.6 * s), grey)
    draw(canvas, segment(cx + d, cy - d, cx - d, cy + d, 1.6 * s), grey)


def region_dialog_skin(dialog):
    skin = Canvas(dialog.width, dialog.height)
    for y in range(dialog.height):
        for x in range(dialog.width):
            skin.put(x, y, dialog.pixel(x, y))
    draw_title_close_glyph(skin, dialog)
    return skin


def caption_close_image(dialog, state):
    """A white X on light blue, on red while hovered, on dark red while pressed."""
    if state == 0:
        background = lambda x, y: dialog.title_band_colour(y)
    else:
        background = ((232, 35, 46), (168, 18, 26))[state - 1]
    width, height = dialog.caption_w, dialog.caption_h
    image = Canvas(width, height)
    draw(image, ((lambda fx, fy: True), (0, 0, width, height)), background)
    cx, cy = width / 2.0, height / 2.0
    d = 4.0 * dialog.scale.factor
    for sx in (-1, 1):
        draw(image, segment(cx - d * sx, cy - d, cx + d * sx, cy + d, 1.6 * dialog.scale.factor), WHITE)
    return image


def caption_button_strip(dialog):
    strip = Canvas(dialog.caption_strip_w, dialog.caption_h, MAGENTA)
    for state in range(3):
        strip.paste(caption_close_image(dialog, state),
                    dialog.close_triple_x + state * dialog.caption_w, 0)
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


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filtered_rows(row, above):
    """A row of 3-byte pixels under each of PNG's five filters, given the
    row above it (zeros for the first row)."""
    left = bytes(3) + row[:-3]
    corner = bytes(3) + above[:-3]
    return [
        row,
        bytes((r - a) & 255 for r, a in zip(row, left)),
        bytes((r - b) & 255 for r, b in zip(row, above)),
        bytes((r - ((a + b) >> 1)) & 255 for r, a, b in zip(row, left, above)),
        bytes((r - paeth(a, b, c)) & 255 for r, a, b, c in zip(row, left, above, corner)),
    ]


def png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def canvas_rows(canvas):
    return [bytes(c for x in range(canvas.width) for c in canvas.get(x, y))
            for y in range(canvas.height)]


def png_bytes(canvas):
    """An 8-bit RGB PNG file.  Each row's filter is chosen by the usual
    measure (the smallest sum of the filtered bytes taken as signed), and
    that choice is compared with one filter for every row: the smallest
    compressed stream is kept."""
    rows = canvas_rows(canvas)
    above = bytes(canvas.width * 3)
    options = []
    for row in rows:
        options.append(filtered_rows(row, above))
        above = row
    choices = [[min(range(5), key=lambda f: sum(b if b < 128 else 256 - b for b in row_options[f]))
                for row_options in options]]
    choices += [[f] * len(rows) for f in range(5)]
    best = None
    for choice in choices:
        raw = b"".join(bytes((f,)) + row_options[f] for f, row_options in zip(choice, options))
        stream = zlib.compress(raw, 9)
        if best is None or len(stream) < len(best):
            best = stream
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return (PNG_SIGNATURE + png_chunk(b"IHDR", header) + png_chunk(b"IDAT", best)
            + png_chunk(b"IEND", b""))


def png_rows(data):
    """The size and pixel rows of an 8-bit RGB PNG as png_bytes writes it."""
    if data[:8] != PNG_SIGNATURE:
        raise ValueError("not a PNG file")
    pos, stream, size = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0] != zlib.crc32(kind + body):
            raise ValueError("bad CRC in %r" % kind)
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 2, 0):
                raise ValueError("not 8-bit RGB without interlace")
            size = (width, height)
        elif kind == b"IDAT":
            stream += body
        pos += 12 + length
    raw = zlib.decompress(stream)
    width, height = size
    stride = width * 3
    rows, above = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - 3] if i >= 3 else 0
            b = above[i]
            c = above[i - 3] if i >= 3 else 0
            row[i] = (row[i] + (0, a, b, (a + b) >> 1, paeth(a, b, c))[kind]) & 255
        rows.append(bytes(row))
        above = row
    return size, rows


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


# ---------------------------------------------------------------------------
# The bitmaps at every scale


def read_resource_ids():
    """The numbers #defined in res/resource.h."""
    with open(os.path.join(HERE, "resource.h")) as f:
        return {name: int(number)
                for name, number in re.findall(r"#define (\w+)\s+(\d+)", f.read())}


def bitmaps():
    """Each bitmap: its file name, its resource name, how it is drawn at a
    scale and its size and number of see-through pixels there."""
    def frame_skin(scale):
        frame = FrameLayout(scale)
        return capture_frame_skin(frame), (frame.width, frame.height), frame.key_pixels()

    def button_strip(painter, place, key_corners):
        def strip(scale):
            frame = FrameLayout(scale)
            _, _, width, height = frame.place(place)
            cut = len(scale.cut_pixels(FRAME_CUT))
            return image_strip(painter, frame), (width * 3, height), key_corners * cut
        return strip

    def caption_buttons(scale):
        dialog = DialogLayout(scale)
        size = (dialog.caption_strip_w, dialog.caption_h)
        # Everything but the close button's three images is unused.
        key = size[0] * size[1] - 3 * dialog.caption_w * dialog.caption_h
        return caption_button_strip(dialog), size, key

    def dialog_skin(scale):
        dialog = DialogLayout(scale)
        return region_dialog_skin(dialog), (dialog.width, dialog.height), dialog.key_pixels()

    return (
        ("frame_skin", "IDB_FRAME_SKIN", frame_skin),
        # The close button's images show the frame's top-right corner, cut.
        ("btn_close", "IDB_BTN_CLOSE", button_strip(close_button_image, CLOSE_BUTTON, 3)),
        ("btn_capture", "IDB_BTN_CAPTURE", button_strip(capture_button_image, CAPTURE_BUTTON, 0)),
        ("btn_hotkeyhelp", "IDB_BTN_HOTKEYHELP", button_strip(help_button_image, HELP_BUTTON, 0)),
        ("btn_setsize", "IDB_BTN_SETSIZE", button_strip(set_size_button_image, SET_SIZE_BUTTON, 0)),
        ("caption_buttons", "IDB_CAPTION_BUTTONS", caption_buttons),
        ("setrgn_skin", "IDB_SETRGN_SKIN", dialog_skin),
    )


def checked(name, drawing):
    """The drawn canvas, after checking its size and its count of key pixels."""
    canvas, size, magenta = drawing
    if (canvas.width, canvas.height) != size:
        raise SystemExit("%s: drawn %dx%d, expected %dx%d" % ((name, canvas.width, canvas.height) + size))
    found = canvas.count(MAGENTA)
    if found != magenta:
        raise SystemExit("%s: %d magenta pixels, expected %d" % (name, found, magenta))
    return canvas


def check_corner_cuts():
    """The program looks for a skin's see-through pixels only in a corner
    square; every cut must lie inside it."""
    for scale in SCALES:
        square = scale.px(CORNER_SQUARE)
        for cut in (FRAME_CUT, DIALOG_CUT):
            outside = [p for p in scale.cut_pixels(cut) if max(p) >= square]
            if outside:
                raise SystemExit("%d %%: corner cut reaches %r, outside %d x %d"
                                 % (scale.percent, outside, square, square))


def scaled_name(name, scale):
    return "%s@%d.png" % (name, scale.percent)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def write_png(name, canvas):
    """Writes a PNG after reading it back: it must hold the drawn pixels."""
    data = png_bytes(canvas)
    if png_rows(data) != ((canvas.width, canvas.height), canvas_rows(canvas)):
        raise SystemExit("%s: the PNG does not read back as drawn" % name)
    write(name, data)
    return len(data)


def scaled_resource_script(entries, per_bitmap):
    lines = ["// The artwork drawn for the larger scales, written by draw_artwork.py.",
             "// The image of bitmap id for scale set n is resource",
             "// id * IDR_SCALED_PER_BITMAP + n (%d), a PNG." % per_bitmap,
             ""]
    for number, path in sorted(entries):
        lines.append('%d RCDATA "%s"' % (number, path))
    return "\n".join(lines) + "\n"


def main():
    check_corner_cuts()
    ids = read_resource_ids()
    per_bitmap = ids["IDR_SCALED_PER_BITMAP"]
    if len(SCALES) > per_bitmap:
        raise SystemExit("res/resource.h: IDR_SCALED_PER_BITMAP leaves no room for %d scales"
                         % (len(SCALES) - 1))
    os.makedirs(os.path.join(HERE, "scaled"), exist_ok=True)
    entries = []
    total = 0
    for name, id_name, drawing in bitmaps():
        write(name + ".bmp", bmp_bytes(checked(name + ".bmp", drawing(NATURAL))))
        for scale in SCALES[1:]:
            path = "scaled/" + scaled_name(name, scale)
            total += write_png(path, checked(path, drawing(scale)))
            entries.append((ids[id_name] * per_bitmap + scale.index, path))
    write("vantik.ico", ico_bytes([icon_image(48), icon_image(32), icon_image(16)]))
    write("scaled_artwork.rc", scaled_resource_script(entries, per_bitmap).encode("ascii"))
    print("%d scaled images, %d bytes" % (len(entries), total))


if __name__ == "__main__":
    main()
