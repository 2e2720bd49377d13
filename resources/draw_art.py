#!/usr/bin/env python3
"""Draws Varnholt's artwork and writes it next to this script.

    banner.bmp                       700 x 95, 32 bits per pixel, BI_RGB
    mainicon.ico                     64, 32 and 16 pixels, 32 bits per pixel
    icons/hicolor/NxN/apps/varnholt.png   the same three icon images

Only the Python standard library is used. Shapes are described as signed
distance functions in pixel units, so every edge is anti-aliased by
coverage = 0.5 - distance. The output is deterministic: running the script
again rewrites identical files.

Usage: python3 resources/draw_art.py [output-directory]
"""

import math
import pathlib
import struct
import sys
import zlib

# Colours of the Carbon look (the same values as the window palette).
WINDOW = (0x2B, 0x2D, 0x31)      # button face, the window's background
BASE = (0x1E, 0x1F, 0x22)        # edit boxes and output panes
DARK = (0x18, 0x19, 0x1C)
TEXT = (0xE3, 0xE5, 0xE8)
HIGHLIGHT = (0x58, 0xA6, 0xFF)   # selection and the output panes' text
STEEL_TOP = (0x4A, 0x4F, 0x58)
STEEL_BOTTOM = (0x23, 0x26, 0x2B)

BANNER_SIZE = (700, 95)
ICON_SIZES = (64, 32, 16)


# ---------------------------------------------------------------- canvas --

class Canvas:
    """RGBA picture with straight (not premultiplied) alpha, values 0..1."""

    def __init__(self, width, height, fill=(0, 0, 0), alpha=0.0):
        self.width = width
        self.height = height
        r, g, b = (c / 255.0 for c in fill)
        self.px = [[r, g, b, alpha] for _ in range(width * height)]

    def blend(self, x, y, rgb, coverage):
        """Paints rgb (0..255) over pixel (x, y) with the given coverage."""
        if coverage <= 0.0:
            return
        coverage = min(coverage, 1.0)
        p = self.px[y * self.width + x]
        src = [c / 255.0 for c in rgb]
        out_a = coverage + p[3] * (1.0 - coverage)
        if out_a <= 0.0:
            return
        for i in range(3):
            p[i] = (src[i] * coverage + p[i] * p[3] * (1.0 - coverage)) / out_a
        p[3] = out_a

    def fill_sdf(self, sdf, colour, box=None, opacity=1.0):
        """Fills the shape sdf(x, y) < 0; colour is an rgb tuple or a
        function (x, y) -> rgb. box = (x0, y0, x1, y1) limits the work."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        for y in range(y0, y1):
            for x in range(x0, x1):
                cx, cy = x + 0.5, y + 0.5
                d = sdf(cx, cy)
                coverage = 0.5 - d
                if coverage <= 0.0:
                    continue
                rgb = colour(cx, cy) if callable(colour) else colour
                self.blend(x, y, rgb, min(coverage, 1.0) * opacity)

    def bytes_bgra(self, bottom_up=True, opaque=False):
        """Pixel rows as BGRA bytes, as BMP and ICO files store them."""
        out = bytearray()
        rows = range(self.height - 1, -1, -1) if bottom_up else range(self.height)
        for y in rows:
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                a8 = 255 if opaque else to8(a)
                if a8 == 0:
                    out += b"\0\0\0\0"
                else:
                    out += bytes((to8(b), to8(g), to8(r), a8))
        return bytes(out)

    def bytes_rgba_rows(self):
        rows = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                a8 = to8(a)
                row += bytes((to8(r), to8(g), to8(b), a8)) if a8 else b"\0\0\0\0"
            rows.append(bytes(row))
        return rows


def to8(v):
    return max(0, min(255, int(round(v * 255.0))))


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


# ------------------------------------------------------------- geometry --

def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    ex, ey = px - (ax + t * dx), py - (ay + t * dy)
    return math.sqrt(ex * ex + ey * ey)


def polygon_sdf(points):
    """Signed distance to a closed polygon: negative inside."""
    edges = list(zip(points, points[1:] + points[:1]))

    def sdf(x, y):
        d = min(segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    return sdf


def strokes_sdf(polylines, half_width):
    """Distance field of open polylines drawn with round ends and joins."""
    segments = [(a[0], a[1], b[0], b[1]) for line in polylines for a, b in zip(line, line[1:])]

    def sdf(x, y):
        return min(segment_distance(x, y, *s) for s in segments) - half_width
    return sdf


def bounds(polylines, margin):
    xs = [p[0] for line in polylines for p in line]
    ys = [p[1] for line in polylines for p in line]
    return (min(xs) - margin, min(ys) - margin, max(xs) + margin + 1, max(ys) + margin + 1)


def arc(cx, cy, rx, ry, start_deg, end_deg, steps=24):
    """Points along an elliptical arc; angles in degrees, 0 = right, 90 = down."""
    return [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
            for a in (start_deg + (end_deg - start_deg) * i / steps for i in range(steps + 1))]


# ----------------------------------------------------------------- font --
# A small geometric capital alphabet of strokes, for the letters the artwork
# needs. Coordinates are in cap heights: y = 0 is the cap line, y = 1 the
# baseline. Each glyph is (advance width, [polyline, ...]).

def _glyphs():
    g = {}
    g["V"] = (0.78, [[(0, 0), (0.39, 1), (0.78, 0)]])
    g["A"] = (0.80, [[(0, 1), (0.40, 0), (0.80, 1)], [(0.15, 0.63), (0.65, 0.63)]])
    g["R"] = (0.66, [[(0, 1), (0, 0), (0.38, 0)] + arc(0.38, 0.26, 0.26, 0.26, -90, 90)[1:]
                     + [(0, 0.52)], [(0.34, 0.52), (0.66, 1)]])
    g["N"] = (0.72, [[(0, 1), (0, 0), (0.72, 1), (0.72, 0)]])
    g["H"] = (0.70, [[(0, 0), (0, 1)], [(0.70, 0), (0.70, 1)], [(0, 0.5), (0.70, 0.5)]])
    g["O"] = (0.96, [arc(0.48, 0.5, 0.48, 0.5, 0, 360, 48)])
    g["L"] = (0.56, [[(0, 0), (0, 1), (0.56, 1)]])
    g["T"] = (0.72, [[(0, 0), (0.72, 0)], [(0.36, 0), (0.36, 1)]])
    g["Q"] = (0.96, [arc(0.48, 0.5, 0.48, 0.5, 0, 360, 48), [(0.62, 0.72), (0.98, 1.06)]])
    g["U"] = (0.70, [[(0, 0), (0, 0.65)] + arc(0.35, 0.65, 0.35, 0.35, 180, 0, 20)[1:]
                     + [(0.70, 0)]])
    g["E"] = (0.58, [[(0.58, 0), (0, 0), (0, 1), (0.58, 1)], [(0, 0.5), (0.50, 0.5)]])
    return g


GLYPHS = _glyphs()


def text_width(text, cap, tracking):
    return sum(GLYPHS[c][0] * cap for c in text) + tracking * cap * (len(text) - 1)


def glyph_strokes(text, left, cap_line, cap, tracking):
    """Per letter, the polylines in pixels for text whose cap line is at
    y = cap_line."""
    glyphs = []
    x = left
    for c in text:
        advance, strokes = GLYPHS[c]
        glyphs.append([[(x + px * cap, cap_line + py * cap) for px, py in stroke]
                       for stroke in strokes])
        x += advance * cap + tracking * cap
    return glyphs


def draw_text(canvas, text, left, cap_line, cap, tracking, weight, colour, opacity=1.0):
    # Letters are filled one at a time, which keeps each distance search
    # short; they never overlap, so the result is the same.
    for strokes in glyph_strokes(text, left, cap_line, cap, tracking):
        canvas.fill_sdf(strokes_sdf(strokes, weight / 2), colour, bounds(strokes, weight), opacity)


# --------------------------------------------------------------- shield --

def shield_outline(left, top, width, height, steps=40):
    """The emblem's heater shield: flat top with rounded shoulders, straight
    sides down to mid-height, then curved flanks meeting in a point."""
    half = width / 2
    cx = left + half
    shoulder = width * 0.10
    side_end = top + height * 0.42
    bottom = top + height
    right = [(cx + half - shoulder, top)]
    right += arc(cx + half - shoulder, top + shoulder, shoulder, shoulder, -90, 0, 8)[1:]
    right.append((cx + half, side_end))
    for i in range(1, steps + 1):
        t = i / steps
        y = side_end + (bottom - side_end) * t
        right.append((cx + half * (1 - t ** 1.7) ** 0.75, y))
    left_side = [(2 * cx - x, y) for x, y in reversed(right)]
    return right + left_side[1:-1]


def draw_shield(canvas, left, top, size, detail):
    """Draws the emblem into a square of the given size. detail is the
    pixel size the strokes are tuned for (the 16 pixel icon needs its own
    widths to stay crisp)."""
    width = size * 0.78
    height = size * 0.90
    left = left + (size - width) / 2
    top = top + size * 0.05
    outline = shield_outline(left, top, width, height)
    box = (left - 2, top - 2, left + width + 2, top + height + 2)

    rim = max(1.0, size * 0.06)
    if detail <= 16:
        rim = 1.15

    def steel(x, y):
        return mix(STEEL_TOP, STEEL_BOTTOM, (y - top) / height)

    # Outer rim in the highlight colour, then the steel face inside it.
    canvas.fill_sdf(polygon_sdf(outline), HIGHLIGHT, box)
    face = polygon_sdf(outline)
    canvas.fill_sdf(lambda x, y: face(x, y) + rim, steel, box)

    # A bevel: lighter left half of the face.
    cx = left + width / 2
    canvas.fill_sdf(lambda x, y: max(face(x, y) + rim, x - cx), (0xFF, 0xFF, 0xFF), box, 0.06)

    # The "V" chevron of Varnholt, over a small anvil-like bar.
    weight = max(1.6, size * 0.11)
    if detail <= 16:
        weight = 1.9
    vt = top + height * (0.24 if detail <= 16 else 0.31)
    vb = top + height * (0.66 if detail <= 16 else 0.71)
    spread = width * 0.26
    chevron = [[(cx - spread, vt), (cx, vb), (cx + spread, vt)]]
    canvas.fill_sdf(strokes_sdf(chevron, weight / 2), TEXT, bounds(chevron, weight))
    if detail > 16:
        bar_y = top + height * 0.16
        bar = [[(cx - spread * 1.25, bar_y), (cx + spread * 1.25, bar_y)]]
        canvas.fill_sdf(strokes_sdf(bar, weight * 0.28), HIGHLIGHT, bounds(bar, weight))


# --------------------------------------------------------------- banner --

def carbon_weave(x, y):
    """Brightness offset of a fine twill weave, as on carbon fibre."""
    cell = 4
    ix, iy = int(x) // cell, int(y) // cell
    fx, fy = (x % cell) / cell, (y % cell) / cell
    horizontal = (ix + iy) % 2 == 0
    t = fy if horizontal else fx
    return (math.sin(t * math.pi) - 0.6) * (1.0 if horizontal else 0.55)


def draw_banner():
    width, height = BANNER_SIZE
    canvas = Canvas(width, height, WINDOW, 1.0)

    # Background: a darker carbon panel in the middle that fades into the
    # window colour at both ends, so the banner sits in the 838 pixel strip
    # without a hard edge.
    for y in range(height):
        for x in range(width):
            edge = min(x, width - 1 - x) / 90.0
            depth = min(1.0, edge) ** 1.5
            vertical = y / (height - 1)
            panel = mix((0x26, 0x28, 0x2C), DARK, vertical * 0.9)
            colour = mix(WINDOW, panel, depth)
            grain = carbon_weave(x, y) * 3.2 * depth
            p = canvas.px[y * width + x]
            for i in range(3):
                p[i] = max(0.0, min(1.0, (colour[i] + grain) / 255.0))

    # Thin highlight line along the bottom edge, fading out at the ends.
    for y, strength in ((height - 3, 0.95), (height - 2, 0.35)):
        for x in range(width):
            t = 1.0 - abs(x - width / 2) / (width / 2)
            canvas.blend(x, y, HIGHLIGHT, strength * min(1.0, t * 2.2) ** 1.3)

    # Emblem and lettering, centred as one group.
    emblem = 70
    gap = 22
    title = "VARNHOLT"
    cap = 34
    tracking = 0.22
    title_w = text_width(title, cap, tracking)
    group_w = emblem + gap + title_w
    left = (width - group_w) / 2
    emblem_top = (height - 3 - emblem) / 2
    draw_shield(canvas, left, emblem_top, emblem, emblem)

    text_left = left + emblem + gap
    title_top = 17
    # A soft shadow under the title, then the title itself.
    draw_text(canvas, title, text_left + 1.2, title_top + 1.6, cap, tracking, 4.6, (0, 0, 0), 0.55)
    draw_text(canvas, title, text_left, title_top, cap, tracking, 4.2, TEXT)

    subtitle = "QUARNET"
    sub_cap = 10
    sub_tracking = 0.9
    sub_w = text_width(subtitle, sub_cap, sub_tracking)
    sub_top = title_top + cap + 12
    sub_left = text_left + (title_w - sub_w) / 2
    draw_text(canvas, subtitle, sub_left, sub_top, sub_cap, sub_tracking, 1.7, HIGHLIGHT)

    # Rules either side of the subtitle, as wide as the title.
    rule_y = sub_top + sub_cap / 2
    for x0, x1 in ((text_left + 2, sub_left - 12), (sub_left + sub_w + 12, text_left + title_w - 2)):
        rule = [[(x0, rule_y), (x1, rule_y)]]
        canvas.fill_sdf(strokes_sdf(rule, 0.55), HIGHLIGHT, bounds(rule, 2), 0.7)
    return canvas


# ---------------------------------------------------------------- icons --

def draw_icon(size):
    canvas = Canvas(size, size)
    draw_shield(canvas, 0, 0, size, size)
    return canvas


# -------------------------------------------------------------- writers --

def bmp_bytes(canvas):
    """A bottom-up, uncompressed (BI_RGB) 32 bits per pixel BMP file. The
    fourth byte of each pixel is 255 so readers that honour it see an opaque
    picture."""
    pixels = canvas.bytes_bgra(bottom_up=True, opaque=True)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 32, 0,
                       len(pixels), 3780, 3780, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def ico_bytes(canvases):
    """An ICO file with one 32 bits per pixel image per canvas, each stored
    as a BITMAPINFOHEADER, the BGRA rows and a 1 bit AND mask (set where the
    pixel is fully transparent)."""
    images = []
    for c in canvases:
        xor = c.bytes_bgra(bottom_up=True)
        mask_row = ((c.width + 31) // 32) * 4
        mask = bytearray()
        for y in range(c.height - 1, -1, -1):
            row = bytearray(mask_row)
            for x in range(c.width):
                if to8(c.px[y * c.width + x][3]) == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        images.append(info + xor + bytes(mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


def png_bytes(canvas):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in canvas.bytes_rgba_rows())
    ihdr = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    out = pathlib.Path(argv[1]) if len(argv) > 1 else pathlib.Path(__file__).resolve().parent
    files = {"banner.bmp": bmp_bytes(draw_banner())}
    icons = [draw_icon(size) for size in ICON_SIZES]
    files["mainicon.ico"] = ico_bytes(icons)
    for size, icon in zip(ICON_SIZES, icons):
        files[f"icons/hicolor/{size}x{size}/apps/varnholt.png"] = png_bytes(icon)
    for name, data in files.items():
        path = out / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print(f"wrote {path} ({len(data)} bytes)")


if __name__ == "__main__":
    main(sys.argv)
