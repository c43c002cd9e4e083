#!/usr/bin/env python3
"""Draws the plug-in's bitmaps and cursors and writes them next to this script.

    python3 make_art.py                 write the .bmp and .cur files
    python3 make_art.py --preview DIR   also write enlarged PNG previews into DIR

The written files are committed, so building the plug-in never needs Python. Output is byte-for-byte
the same on every run; rerun the script after changing a drawing and commit what it writes.

Bitmaps are 24-bit uncompressed bottom-up BMPs. Their background is RGB(192, 192, 192), the classic
button face, which is the colour that loaders map to the system's face colour (LR_LOADMAP3DCOLORS), so
the toolbar buttons and dialog pictures sit on the toolbar or dialog without a frame. Cursors are 32 by 32
monochrome CUR files: black shapes with a white rim on a transparent ground, like the system cursors, so
they stay visible on white paper and on dark artwork alike.

The box colours are those of the "PDCL" colour resources that the page overlay draws with:
MediaBox red, CropBox green, TrimBox blue, ArtBox magenta, BleedBox cyan.
"""

import argparse
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

FACE = (192, 192, 192)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
PAPER_EDGE = (96, 96, 96)
SHADOW = (128, 128, 128)
LIGHT = (160, 160, 160)
INK = (64, 64, 64)

RED = (255, 0, 0)
GREEN = (0, 255, 0)
BLUE = (0, 0, 255)
MAGENTA = (255, 0, 255)
CYAN = (0, 255, 255)

# The outline of a selected box; pure green and cyan vanish on white paper, so their picture strokes are
# taken a little darker while keeping the hue the overlay uses.
STROKE = {
    "media": RED,
    "crop": (0, 176, 0),
    "trim": BLUE,
    "art": MAGENTA,
    "bleed": (0, 168, 200),
}


def mix(a, b, t):
    """a blended toward b by t (0 keeps a, 1 gives b)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def tint(colour, strength=0.22):
    return mix(WHITE, colour, strength)


# ----------------------------------------------------------------------------------------------------
# Pixel pictures


class Picture:
    """An RGB picture, y growing downward."""

    def __init__(self, width, height, background=FACE):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def get(self, x, y):
        return self.rows[y][x]

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour, dotted=False):
        """Outlines the rectangle (x0, y0)-(x1, y1), inclusive; dotted draws every other pixel."""
        points = []
        for x in range(x0, x1 + 1):
            points += [(x, y0), (x, y1)]
        for y in range(y0 + 1, y1):
            points += [(x0, y), (x1, y)]
        for x, y in points:
            if not dotted or (x + y) % 2 == 0:
                self.put(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.fill(min(x0, x1), y, max(x0, x1), y, colour)

    def vline(self, x, y0, y1, colour):
        self.fill(x, min(y0, y1), x, max(y0, y1), colour)


def sheet(p, x0, y0, x1, y1):
    """A sheet of paper lying on the ground: white, a dark edge and a shadow to the lower right."""
    p.hline(x0 + 1, x1 + 1, y1 + 1, SHADOW)
    p.vline(x1 + 1, y0 + 1, y1 + 1, SHADOW)
    p.fill(x0, y0, x1, y1, WHITE)
    p.frame(x0, y0, x1, y1, PAPER_EDGE)


def trim_marks(p, x0, y0, x1, y1, reach, colour):
    """Printer's trim marks: short lines that continue the trim edges outward, `reach` pixels long,
    starting one pixel clear of the trim rectangle (x0, y0)-(x1, y1)."""
    for x in (x0, x1):
        p.vline(x, y0 - 1 - reach, y0 - 2, colour)
        p.vline(x, y1 + 2, y1 + 1 + reach, colour)
    for y in (y0, y1):
        p.hline(x0 - 1 - reach, x0 - 2, y, colour)
        p.hline(x1 + 2, x1 + 1 + reach, y, colour)


def text_lines(p, x0, y0, x1, y1, colour):
    """A few lines of type, as a page's content is drawn in a small picture."""
    y = y0
    n = 0
    while y <= y1:
        end = x1 if n % 3 != 2 else x0 + (x1 - x0) // 2
        p.hline(x0, end, y, colour)
        y += 2
        n += 1


# The box pictures (18 by 18) share one sheet, so that switching the box list shows the same page with
# a different box lit: the sheet fills 1..15 with its shadow at 16; the named box is drawn in its colour
# over a light wash of it, and its neighbours where they explain it.

BOX_SHEET = (1, 1, 15, 15)


def box_sheet():
    """The page of a box picture, before its box is drawn."""
    p = Picture(18, 18)
    sheet(p, *BOX_SHEET)
    return p


def box_media():
    p = box_sheet()
    p.fill(2, 2, 14, 14, tint(RED))
    p.frame(1, 1, 15, 15, STROKE["media"])
    p.frame(2, 2, 14, 14, STROKE["media"])
    text_lines(p, 5, 5, 11, 11, LIGHT)
    return p


def box_crop():
    # What lies outside the crop box is hidden by viewers: shade it.
    p = box_sheet()
    p.fill(2, 2, 14, 14, (208, 208, 208))
    p.fill(4, 4, 12, 12, tint(GREEN))
    p.frame(4, 4, 12, 12, STROKE["crop"])
    p.frame(3, 3, 13, 13, STROKE["crop"])
    text_lines(p, 6, 6, 10, 10, LIGHT)
    return p


def box_trim():
    # The finished size, with the printer's marks that show where the sheet is cut.
    p = box_sheet()
    p.fill(5, 5, 11, 11, tint(BLUE))
    p.frame(5, 5, 11, 11, STROKE["trim"])
    p.frame(6, 6, 10, 10, STROKE["trim"])
    trim_marks(p, 5, 5, 11, 11, 2, INK)
    return p


def box_art():
    # The meaningful content of the page, inside the trim.
    p = box_sheet()
    p.frame(3, 3, 13, 13, LIGHT, dotted=True)
    p.fill(5, 5, 11, 11, tint(MAGENTA))
    p.frame(5, 5, 11, 11, STROKE["art"])
    text_lines(p, 7, 7, 9, 9, INK)
    return p


def box_bleed():
    # The band of artwork that runs past the trim so that no paper shows at the cut.
    p = box_sheet()
    p.fill(3, 3, 13, 13, tint(CYAN, 0.45))
    p.frame(3, 3, 13, 13, STROKE["bleed"])
    p.fill(6, 6, 10, 10, WHITE)
    p.frame(5, 5, 11, 11, INK, dotted=True)
    return p


# Tool buttons (18 by 18, the size of the host's tool button pictures).


def button_geometry():
    # The geometry tool edits every box: a page with its boxes nested in their overlay colours.
    p = Picture(18, 18)
    sheet(p, 2, 1, 14, 16)
    p.frame(2, 1, 14, 16, STROKE["media"])
    p.frame(4, 3, 12, 14, STROKE["bleed"])
    p.frame(6, 5, 10, 12, STROKE["trim"])
    p.fill(7, 7, 9, 10, tint(MAGENTA, 0.35))
    p.frame(7, 7, 9, 10, STROKE["art"])
    return p


def button_trim():
    # The trim tool sets the trim size: a trimmed page framed by the printer's trim marks.
    p = Picture(18, 18)
    p.fill(5, 4, 12, 13, WHITE)
    p.fill(6, 5, 11, 12, tint(BLUE, 0.3))
    p.frame(5, 4, 12, 13, STROKE["trim"])
    trim_marks(p, 5, 4, 12, 13, 3, BLACK)
    return p


# ----------------------------------------------------------------------------------------------------
# The About box picture: drawn at four times its size with smooth edges, then reduced.


class Smooth:
    SCALE = 4

    def __init__(self, size, background=FACE):
        self.size = size
        n = size * self.SCALE
        self.n = n
        self.px = [[list(background) for _ in range(n)] for _ in range(n)]

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        """Fills [x0, x1) x [y0, y1), in picture pixels (fractions allowed)."""
        s = self.SCALE
        for y in range(max(0, int(round(y0 * s))), min(self.n, int(round(y1 * s)))):
            row = self.px[y]
            for x in range(max(0, int(round(x0 * s))), min(self.n, int(round(x1 * s)))):
                self._blend(row[x], colour, alpha)

    def round_rect(self, x0, y0, x1, y1, radius, colour_at):
        """Fills a rounded rectangle; colour_at(v) gives the colour at height v in 0..1."""
        s = self.SCALE
        r = radius * s
        X0, Y0, X1, Y1 = x0 * s, y0 * s, x1 * s, y1 * s
        for y in range(int(Y0), int(Y1)):
            colour = colour_at((y - Y0) / (Y1 - Y0))
            for x in range(int(X0), int(X1)):
                cx = min(max(x + 0.5, X0 + r), X1 - r)
                cy = min(max(y + 0.5, Y0 + r), Y1 - r)
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self._blend(self.px[y][x], colour, 1.0)

    def frame(self, x0, y0, x1, y1, width, colour):
        """A frame of the given width whose outer edge is [x0, x1) x [y0, y1)."""
        self.rect(x0, y0, x1, y0 + width, colour)
        self.rect(x0, y1 - width, x1, y1, colour)
        self.rect(x0, y0 + width, x0 + width, y1 - width, colour)
        self.rect(x1 - width, y0 + width, x1, y1 - width, colour)

    @staticmethod
    def _blend(target, colour, alpha):
        for i in range(3):
            target[i] = target[i] + (colour[i] - target[i]) * alpha

    def reduce(self):
        s = self.SCALE
        p = Picture(self.size, self.size)
        for y in range(self.size):
            for x in range(self.size):
                acc = [0.0, 0.0, 0.0]
                for yy in range(y * s, y * s + s):
                    for xx in range(x * s, x * s + s):
                        v = self.px[yy][xx]
                        acc[0] += v[0]
                        acc[1] += v[1]
                        acc[2] += v[2]
                p.put(x, y, tuple(min(255, int(c / (s * s) + 0.5)) for c in acc))
        return p


def about_mark():
    """The product mark: a page with its five boxes in their overlay colours, held by white trim
    marks on a deep blue tile."""
    m = Smooth(64)
    top, bottom = (40, 62, 120), (16, 28, 64)
    m.round_rect(2, 2, 62, 62, 9, lambda v: mix(top, bottom, v))

    # The page, portrait, with a soft shadow.
    px0, py0, px1, py1 = 16, 10, 48, 54
    m.rect(px0 + 1.5, py0 + 1.5, px1 + 1.5, py1 + 1.5, BLACK, 0.35)
    m.rect(px0, py0, px1, py1, WHITE)

    # Boxes from the outside in, on whole pixels so that every line is crisp: media at the sheet's edge,
    # then crop, bleed, trim and art.
    m.frame(px0, py0, px1, py1, 1, STROKE["media"])
    m.frame(px0 + 3, py0 + 3, px1 - 3, py1 - 3, 1, STROKE["crop"])
    m.frame(px0 + 5, py0 + 5, px1 - 5, py1 - 5, 1, STROKE["bleed"])
    m.rect(px0 + 8, py0 + 8, px1 - 8, py1 - 8, tint(BLUE, 0.12))
    m.frame(px0 + 8, py0 + 8, px1 - 8, py1 - 8, 1, STROKE["trim"])
    ax0, ay0, ax1, ay1 = px0 + 11, py0 + 11, px1 - 11, py1 - 11
    m.rect(ax0, ay0, ax1, ay1, WHITE)
    m.frame(ax0, ay0, ax1, ay1, 1, STROKE["art"])
    y, n = ay0 + 3, 0
    while y + 1 <= ay1 - 2:
        right = ax1 - 3 if n % 3 != 2 else ax0 + (ax1 - ax0) // 2
        m.rect(ax0 + 3, y, right, y + 1, (128, 128, 128))
        y += 3
        n += 1

    # Trim marks in the slug, continuing the page's edges.
    gap, reach, w = 2, 4, 1.0
    for x in (px0, px1 - w):
        m.rect(x, py0 - gap - reach, x + w, py0 - gap, WHITE)
        m.rect(x, py1 + gap, x + w, py1 + gap + reach, WHITE)
    for y in (py0, py1 - w):
        m.rect(px0 - gap - reach, y, px0 - gap, y + w, WHITE)
        m.rect(px1 + gap, y, px1 + gap + reach, y + w, WHITE)
    return m.reduce()


# ----------------------------------------------------------------------------------------------------
# Cursors: a black shape, rimmed in white, on transparent ground. Hotspot (15, 15), the centre of every
# shape, which is where the edge, corner or box under the pointer is taken.

TRANSPARENT, BLACK_PX, WHITE_PX = 0, 1, 2
CURSOR_SIZE = 32
C = 15


def arrowhead(shape, tip_x, tip_y, dx, dy, size):
    """A 45-degree arrowhead whose tip is at (tip_x, tip_y), pointing along (dx, dy), one of the four axis
    directions or the four diagonals; `size` rows behind the tip."""
    for i in range(size + 1):
        if dx and dy:
            # Diagonal: the head is the right triangle whose legs run back along both axes.
            for j in range(size + 1 - i):
                shape.add((tip_x - dx * i, tip_y - dy * j))
        elif dx:
            for j in range(-i, i + 1):
                shape.add((tip_x - dx * i, tip_y + j))
        else:
            for j in range(-i, i + 1):
                shape.add((tip_x + j, tip_y - dy * i))


def double_arrow_h(shape, reach, head):
    for x in range(C - reach, C + reach + 1):
        shape.add((x, C))
    arrowhead(shape, C - reach, C, -1, 0, head)
    arrowhead(shape, C + reach, C, 1, 0, head)


def double_arrow_v(shape, reach, head):
    for y in range(C - reach, C + reach + 1):
        shape.add((C, y))
    arrowhead(shape, C, C - reach, 0, -1, head)
    arrowhead(shape, C, C + reach, 0, 1, head)


def cursor_we_edge():
    """Left or right edge: the edge as an upright bar, with arrows across it."""
    s = set()
    double_arrow_h(s, 11, 4)
    for y in range(C - 7, C + 8):
        s.add((C - 1, y))
        s.add((C + 1, y))
    return s


def cursor_ns_edge():
    """Top or bottom edge: the same, turned upright."""
    return {(y, x) for (x, y) in cursor_we_edge()}


def cursor_nwse_corner():
    """Top-left or bottom-right corner: a diagonal double arrow from upper left to lower right."""
    s = set()
    reach, head = 10, 6
    for t in range(C - reach, C + reach + 1):
        for k in (-1, 0, 1):
            if C - reach <= t + k <= C + reach:
                s.add((t + k, t))
    arrowhead(s, C - reach, C - reach, -1, -1, head)
    arrowhead(s, C + reach, C + reach, 1, 1, head)
    return s


def cursor_nesw_corner():
    """Top-right or bottom-left corner: the mirror image."""
    return {(2 * C - x, y) for (x, y) in cursor_nwse_corner()}


def cursor_move():
    """Inside the box: a four-way arrow, the whole box moves."""
    s = set()
    double_arrow_h(s, 12, 4)
    double_arrow_v(s, 12, 4)
    return s


def rimmed(shape):
    """Cursor pixels: the shape in black and every pixel touching it, sideways or diagonally, in white."""
    px = [[TRANSPARENT] * CURSOR_SIZE for _ in range(CURSOR_SIZE)]
    for x, y in shape:
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                xx, yy = x + dx, y + dy
                if 0 <= xx < CURSOR_SIZE and 0 <= yy < CURSOR_SIZE:
                    px[yy][xx] = WHITE_PX
    for x, y in shape:
        px[y][x] = BLACK_PX
    return px


# ----------------------------------------------------------------------------------------------------
# File formats


def bitmap_info_header(width, height, bit_count, image_size, colours_used=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, image_size, 2835, 2835,
                       colours_used, 0)


def bmp_bytes(p):
    """A 24-bit BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, rows bottom-up in BGR, each padded to
    four bytes."""
    stride = (p.width * 3 + 3) & ~3
    rows = []
    for y in range(p.height - 1, -1, -1):
        row = bytearray()
        for x in range(p.width):
            r, g, b = p.get(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = bitmap_info_header(p.width, p.height, 24, len(pixels))
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + pixels


def mono_rows(bits):
    """Packs rows of 0/1 values bottom-up, one bit per pixel, most significant bit first, each row
    padded to four bytes."""
    out = bytearray()
    for row in reversed(bits):
        packed = bytearray((len(row) + 7) // 8)
        for x, v in enumerate(row):
            if v:
                packed[x // 8] |= 0x80 >> (x % 8)
        packed += b"\0" * ((-len(packed)) % 4)
        out += packed
    return bytes(out)


def cur_bytes(px, hotspot):
    """A CUR file with one 32 by 32 monochrome image: ICONDIR (type 2), one ICONDIRENTRY carrying the
    hotspot, then the DIB: BITMAPINFOHEADER of double height, black and white palette, XOR mask, AND mask.
    Black is XOR 0 AND 0, white XOR 1 AND 0, transparent XOR 0 AND 1."""
    size = len(px)
    xor = [[1 if v == WHITE_PX else 0 for v in row] for row in px]
    and_ = [[1 if v == TRANSPARENT else 0 for v in row] for row in px]
    masks = mono_rows(xor) + mono_rows(and_)
    dib = (bitmap_info_header(size, size * 2, 1, len(masks), 2)
           + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + masks)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(dib), 6 + 16)
    return header + entry + dib


def png_bytes(width, height, rgba_rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rgba_rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def enlarged(rows, zoom):
    out = []
    for row in rows:
        big = [px for px in row for _ in range(zoom)]
        out += [big] * zoom
    return out


def picture_preview(p, zoom):
    rows = [[p.get(x, y) + (255,) for x in range(p.width)] for y in range(p.height)]
    return enlarged(rows, zoom)


def cursor_preview(px, hotspot, zoom, ground):
    colours = {TRANSPARENT: ground + (255,), BLACK_PX: (0, 0, 0, 255), WHITE_PX: (255, 255, 255, 255)}
    rows = enlarged([[colours[v] for v in row] for row in px], zoom)
    # Mark the hotspot with a red dot in the middle of its pixel.
    hx, hy = hotspot
    for y in range(hy * zoom + zoom // 2 - 1, hy * zoom + zoom // 2 + 1):
        for x in range(hx * zoom + zoom // 2 - 1, hx * zoom + zoom // 2 + 1):
            rows[y][x] = (255, 0, 0, 255)
    return rows


# ----------------------------------------------------------------------------------------------------

BITMAPS = [
    ("tool_geometry.bmp", button_geometry),   # 1001, the geometry tool's button
    ("tool_trim.bmp", button_trim),           # 1002, the trim tool's button
    ("box_media.bmp", box_media),             # 2005 + BoxKind 0
    ("box_crop.bmp", box_crop),               # 2006, BoxKind 1
    ("box_trim.bmp", box_trim),               # 2007, BoxKind 2
    ("box_art.bmp", box_art),                 # 2008, BoxKind 3
    ("box_bleed.bmp", box_bleed),             # 2009, BoxKind 4
    ("about.bmp", about_mark),                # 20015, the About box
]

CURSORS = [
    ("corner_nwse.cur", cursor_nwse_corner),  # 1001, top-left or bottom-right corner
    ("corner_nesw.cur", cursor_nesw_corner),  # 1002, top-right or bottom-left corner
    ("edge_we.cur", cursor_we_edge),          # 1003, left or right edge
    ("edge_ns.cur", cursor_ns_edge),          # 1004, top or bottom edge
    ("move.cur", cursor_move),                # 1005, inside: move the whole box
]


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNG previews into DIR")
    args = parser.parse_args()
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)

    for name, draw in BITMAPS:
        p = draw()
        write(os.path.join(HERE, name), bmp_bytes(p))
        if args.preview:
            zoom = 16 if p.width <= 32 else 6
            rows = picture_preview(p, zoom)
            write(os.path.join(args.preview, name[:-4] + ".png"),
                  png_bytes(p.width * zoom, p.height * zoom, rows))

    for name, draw in CURSORS:
        px = rimmed(draw())
        hotspot = (C, C)
        write(os.path.join(HERE, name), cur_bytes(px, hotspot))
        if args.preview:
            for ground, suffix in (((96, 128, 176), ""), ((255, 255, 255), "_on_white")):
                rows = cursor_preview(px, hotspot, 12, ground)
                write(os.path.join(args.preview, name[:-4] + suffix + ".png"),
                      png_bytes(CURSOR_SIZE * 12, CURSOR_SIZE * 12, rows))


if __name__ == "__main__":
    main()
