#!/usr/bin/env python3
"""Draw the module's artwork.

Writes the analog clock pieces (plate, dial, hands, pins, centre cap) as SVG
files to images/light/ and images/dark/, and the 32x32 action icons (chevrons
and a rotate-left arrow) as RGBA PNG files to icons/32x32/actions/{light,dark}/.
Both variants share one drawing function per picture and differ only by their
colour table.

The SVGs stick to what QtSvg (SVG Tiny 1.2) renders: a shadow is an offset,
semi-transparent black copy of its shape (or the crescent of it that shows), and
a Gaussian blur filter softens it in full SVG renderers while QtSvg ignores the
filter and draws it crisp.  The numerals are stroked paths, so they look the
same everywhere without depending on installed fonts.

The PNGs come from a tiny rasteriser: each glyph is a signed-distance function
of round-capped strokes, discs and a triangle, turned into alpha coverage with
a 1 px ramp.

Run from the repository root (standard library only, output is reproducible):

    python3 tools/artwork/generate.py
"""

import math
import os
import struct
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

RED = "#F34444"
CLOCK_COLOURS = {
    "light": {"plate": "#F4F4F4", "face": "#FFFFFF", "ink": "#7E7E7E", "pin": "#C2C2C2",
              "minute_height": 72},
    "dark": {"plate": "#454545", "face": "#2D2D2D", "ink": "#C2C2C2", "pin": "#7E7E7E",
             "minute_height": 73},
}
ICON_COLOURS = {"light": (0x50, 0x50, 0x50), "dark": (0xCC, 0xCC, 0xCC)}


# ---------------------------------------------------------------- SVG helpers

def num(v):
    """Short, stable number formatting for SVG attributes."""
    s = f"{v:.3f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def svg(width, height, defs, body):
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" '
           f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">']
    if defs:
        out += ["<defs>"] + [f"  {d}" for d in defs] + ["</defs>"]
    out += body
    out.append("</svg>")
    return "\n".join(out) + "\n"


def blur_filter(fid, blur, width, height):
    """A Gaussian blur over the whole canvas; `blur` is the blur radius (2 sigma)."""
    return (f'<filter id="{fid}" filterUnits="userSpaceOnUse" x="-8" y="-8" '
            f'width="{width + 16}" height="{height + 16}">'
            f'<feGaussianBlur stdDeviation="{num(blur / 2)}"/></filter>')


def shadow(shape, dx, dy, opacity, fid=None):
    """A black copy of `shape` (an element missing its closing '/>') shifted by
    (dx, dy); blurred by filter `fid` where filters are supported."""
    filt = f' filter="url(#{fid})"' if fid else ""
    return (f'<g transform="translate({num(dx)},{num(dy)})">'
            f'{shape} fill="#000000" fill-opacity="{num(opacity)}"{filt}/></g>')


def circle(cx, cy, r):
    return f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}"'


def path(d):
    return f'<path d="{d}"'


def capsule(cx, top, length, width):
    """Upright bar with fully rounded ends."""
    r = width / 2
    return path(f"M{num(cx - r)},{num(top + r)}A{num(r)},{num(r)} 0 0 1 {num(cx + r)},{num(top + r)}"
                f"V{num(top + length - r)}A{num(r)},{num(r)} 0 0 1 {num(cx - r)},{num(top + length - r)}Z")


def lower_crescent(cx, cy, r, d):
    """Disc (cx, cy, r) minus the same disc moved up by d: the sliver along its bottom."""
    m, h = cy - d / 2, math.sqrt(r * r - d * d / 4)
    return path(f"M{num(cx - h)},{num(m)}A{num(r)},{num(r)} 0 1 0 {num(cx + h)},{num(m)}"
                f"A{num(r)},{num(r)} 0 0 1 {num(cx - h)},{num(m)}Z")


def pin(cx, cy, r, colour):
    """Disc with a 1 px drop shadow below and a 1 px inner shadow along its bottom."""
    return [shadow(circle(cx, cy, r), 0, 1, 0.25, "soft"),
            f'{circle(cx, cy, r)} fill="{colour}"/>',
            f'{lower_crescent(cx, cy, r, 1)} fill="#000000" fill-opacity="0.25"/>']


# ------------------------------------------------------------ clock pictures

def draw_background(c):
    w = h = 240
    x0, y0, x1, y1, rr = 10, 11, 230, 231, 40
    plate = f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{rr}" ry="{rr}"'
    edge = 0.75  # highlight runs just inside the top edge
    highlight = (f"M{num(x0 + edge)},{y0 + rr}A{num(rr - edge)},{num(rr - edge)} 0 0 1 {x0 + rr},{num(y0 + edge)}"
                 f"H{x1 - rr}A{num(rr - edge)},{num(rr - edge)} 0 0 1 {num(x1 - edge)},{y0 + rr}")
    defs = [blur_filter("blur2", 2, w, h), blur_filter("blur5", 5, w, h),
            '<linearGradient id="bezel" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#EAEAEA"/><stop offset="1" stop-color="#B0BDC5"/>'
            '</linearGradient>',
            # the highlight fades out down the rounded corners
            f'<linearGradient id="shine" gradientUnits="userSpaceOnUse" x1="0" y1="{y0}" x2="0" y2="{y0 + rr}">'
            '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.25"/>'
            '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></linearGradient>']
    body = [shadow(plate, 0, -1, 0.05, "blur5"),
            shadow(plate, 0, 2, 0.20, "blur2"),
            f'{plate} fill="{c["plate"]}"/>',
            f'<path d="{highlight}" fill="none" stroke="url(#shine)" stroke-width="1.5"/>',
            '<ellipse cx="120.5" cy="121" rx="109.5" ry="110" fill="url(#bezel)"/>']
    return svg(w, h, defs, body)


# Monoline digits on a 10-unit-high grid: (advance width, path).
DIGITS = {
    "0": (6, "M0,3A3,3 0 0 1 6,3V7A3,3 0 0 1 0,7Z"),
    "1": (3, "M0.2,2.2L2.8,0V10"),
    "2": (6, "M0.1,3A2.9,2.9 0 1 1 5.2,4.9L0,10H6"),
    "3": (6, "M0.92,1.2A2.4,2.4 0 1 1 3,4.8H2M3,4.8A2.6,2.6 0 1 1 0.75,8.7"),
    "4": (6, "M4.6,10V0L0,7H6"),
    "5": (6, "M5.5,0H1.3L1,5A2.86,2.86 0 1 1 0.65,8.7"),
    "6": (6, "M0,7A3,3 0 1 0 6,7A3,3 0 1 0 0,7A7,7 0 0 1 4.6,0.3"),
    "7": (6, "M0,0H6L2.2,10"),
    "8": (6, "M3,4.8A2.4,2.4 0 1 1 3,0A2.4,2.4 0 1 1 3,4.8A2.6,2.6 0 1 0 3,10A2.6,2.6 0 1 0 3,4.8Z"),
    "9": (6, "M6,3A3,3 0 1 0 0,3A3,3 0 1 0 6,3A7,7 0 0 1 1.4,9.7"),
}
DIGIT_GAP = 2.2


def numeral(text, cx, cy, height, stroke, colour, opacity):
    """A numeral drawn as stroked paths, centred on (cx, cy)."""
    s = height / 10
    width = sum(DIGITS[ch][0] for ch in text) + DIGIT_GAP * (len(text) - 1)
    x, parts = 0.0, []
    for ch in text:
        advance, d = DIGITS[ch]
        parts.append(f'<path transform="translate({num(x)},0)" d="{d}"/>')
        x += advance + DIGIT_GAP
    return (f'<g transform="translate({num(cx - width * s / 2)},{num(cy - height / 2)}) scale({num(s)})" '
            f'fill="none" stroke="{colour}" stroke-opacity="{num(opacity)}" stroke-width="{num(stroke / s)}" '
            f'stroke-linecap="round" stroke-linejoin="round">' + "".join(parts) + "</g>")


def draw_face(c):
    w = h = 192
    cx, cy, r = 95.8, 94, 93.8
    ox, oy, ring, height = 96, 95, 80, 11  # numeral ring, between the dial's centre and the hands' pivot
    # The dial is translucent, so its shadow is only the crescent peeking out below it.
    body = [f'{lower_crescent(cx, cy + 2, r, 2)} fill="#000000" fill-opacity="0.12" filter="url(#soft)"/>',
            f'{circle(cx, cy, r)} fill="{c["face"]}" fill-opacity="0.6"/>']
    for hour in range(1, 13):
        a = math.radians(hour * 30)
        body.append(numeral(str(hour), ox + ring * math.sin(a), oy - ring * math.cos(a),
                            height, 1.7, c["ink"], 1 if hour % 3 == 0 else 0.4))
    return svg(w, h, [blur_filter("soft", 2, w, h)], body)


def draw_hour(c):
    w, h = 35, 70
    cx, cy, r = 17.4, 15.4, 15.4      # round head
    hw, tip, f = 7.9 / 2, 66, 6       # stem half width, stem end, fillet radius
    # Concave fillets of radius f join the head to the stem.
    fy = cy + math.sqrt((r + f) ** 2 - (hw + f) ** 2)
    k = r / (r + f)
    hx, hy = (hw + f) * k, (fy - cy) * k   # tangent point on the head, relative to its centre
    d = (f"M{num(cx - hw)},{num(tip - hw)}V{num(fy)}"
         f"A{f},{f} 0 0 0 {num(cx - hx)},{num(cy + hy)}"
         f"A{num(r)},{num(r)} 0 1 1 {num(cx + hx)},{num(cy + hy)}"
         f"A{f},{f} 0 0 0 {num(cx + hw)},{num(fy)}"
         f"V{num(tip - hw)}A{num(hw)},{num(hw)} 0 0 1 {num(cx - hw)},{num(tip - hw)}Z")
    body = [shadow(path(d), 0, 2, 0.25, "soft"), f'{path(d)} fill="{c["ink"]}"/>']
    return svg(w, h, [blur_filter("soft", 2, w, h)], body)


def draw_minute(c):
    w, h = 9, c["minute_height"]
    bar = capsule(4.5, 1, 67.6, 4.85)
    body = [shadow(bar, 0, 2, 0.25, "soft"), f'{bar} fill="{c["ink"]}"/>']
    return svg(w, h, [blur_filter("soft", 1.5, w, h)], body)


def draw_second(c):
    return svg(4, 91, [], [f'{capsule(2, 0.4, 90.2, 3.24)} fill="{RED}"/>'])


def draw_minute_pin(c):
    return svg(24, 24, [blur_filter("soft", 1, 24, 24)], pin(12, 11, 10, c["pin"]))


def draw_second_pin(c):
    return svg(12, 12, [], [f'{circle(6, 6, 6)} fill="{RED}"/>'])


def draw_center(c):
    body = [f'{circle(14, 14, 14)} fill="{c["ink"]}"/>'] + pin(14, 14, 7, c["pin"])
    return svg(28, 28, [blur_filter("soft", 1, 28, 28)], body)


CLOCK = {
    "background.svg": draw_background,
    "face.svg": draw_face,
    "hour.svg": draw_hour,
    "minute.svg": draw_minute,
    "second.svg": draw_second,
    "minutePin.svg": draw_minute_pin,
    "secondPin.svg": draw_second_pin,
    "center.svg": draw_center,
}


# ------------------------------------------------------------ PNG rasteriser

def seg(ax, ay, bx, by):
    """Distance to the segment a-b."""
    def d(x, y):
        vx, vy, wx, wy = bx - ax, by - ay, x - ax, y - ay
        t = max(0.0, min(1.0, (wx * vx + wy * vy) / (vx * vx + vy * vy)))
        return math.hypot(wx - t * vx, wy - t * vy)
    return d


def arc(cx, cy, r, start, sweep):
    """Distance to a circular arc; angles in degrees, counted anticlockwise on screen."""
    a0 = math.radians(start)
    ends = [(cx + r * math.cos(a), cy - r * math.sin(a)) for a in (a0, a0 + math.radians(sweep))]

    def d(x, y):
        a = math.atan2(cy - y, x - cx)
        if (a - a0) % (2 * math.pi) <= math.radians(sweep):
            return abs(math.hypot(x - cx, y - cy) - r)
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends)
    return d


def stroke(width, *paths):
    """Signed distance of round-capped strokes of the given width."""
    return lambda x, y: min(p(x, y) for p in paths) - width / 2


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def triangle(*pts):
    """Signed distance to a triangle, its corners softened by a quarter pixel."""
    edges = [seg(*pts[i], *pts[(i + 1) % 3]) for i in range(3)]

    def side(x, y, i):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % 3]
        return (bx - ax) * (y - ay) - (by - ay) * (x - ax) > 0

    def d(x, y):
        dist = min(e(x, y) for e in edges)
        inside = side(x, y, 0) == side(x, y, 1) == side(x, y, 2)
        return (-dist if inside else dist) - 0.25
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def raster(shape, rgb, size=32):
    """RGBA rows: glyph colour everywhere it has coverage, alpha = coverage."""
    rows = []
    for j in range(size):
        row = bytearray()
        for i in range(size):
            cover = max(0.0, min(1.0, 0.5 - shape(i + 0.5, j + 0.5)))
            alpha = round(cover * 255)
            row += bytes(rgb) + bytes([alpha]) if alpha else bytes(4)
        rows.append(bytes(row))
    return rows


def png(rows):
    """Encode 8-bit RGBA rows as a PNG file."""
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    width, height = len(rows[0]) // 4, len(rows)
    raw = b"".join(b"\0" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# -------------------------------------------------------------- icon glyphs

PEN = 2.75


def chevron(tip_x, reach, cy=16, half=9):
    """Chevron with its tip at (tip_x, cy) and arms reaching `reach` px to the
    right (pointing left) or, when negative, to the left (pointing right)."""
    return [seg(tip_x + reach, cy - half, tip_x, cy), seg(tip_x, cy, tip_x + reach, cy + half)]


def rotate_left():
    cx, cy, r = 16, 16.5, 8.5
    start, sweep, head = 155, 275, 40       # arc, then an arrow head spanning `head` degrees

    def on(a):
        return cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a))

    end = start + sweep
    ex, ey = on(end)
    nx, ny = (ex - cx) / r, (ey - cy) / r   # outward normal at the arc's end
    tip = on(end + head)                    # the head bends with the circle, pointing anticlockwise
    return union(stroke(PEN, arc(cx, cy, r, start, sweep)), disc(cx, cy, 2.2),
                 triangle((ex + 4.2 * nx, ey + 4.2 * ny), tip, (ex - 4.2 * nx, ey - 4.2 * ny)))


ICONS = {
    "arrow-left.png": lambda: stroke(PEN, *chevron(12, 8)),
    "arrow-right.png": lambda: stroke(PEN, *chevron(20, -8)),
    "arrow-down.png": lambda: stroke(PEN, seg(7, 12, 16, 20), seg(16, 20, 25, 12)),
    "arrow-left-double.png": lambda: stroke(PEN, *chevron(7.5, 8), *chevron(16.5, 8)),
    "arrow-right-double.png": lambda: stroke(PEN, *chevron(15.5, -8), *chevron(24.5, -8)),
    "object-rotate-left.png": rotate_left,
}


# ------------------------------------------------------------------- output

def write(relpath, data):
    full = os.path.join(ROOT, relpath)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as fh:
        fh.write(data.encode() if isinstance(data, str) else data)


def main():
    for variant, colours in CLOCK_COLOURS.items():
        for name, draw in CLOCK.items():
            write(os.path.join("images", variant, name), draw(colours))
    for variant, rgb in ICON_COLOURS.items():
        for name, glyph in ICONS.items():
            write(os.path.join("icons", "32x32", "actions", variant, name), png(raster(glyph(), rgb)))


if __name__ == "__main__":
    main()
