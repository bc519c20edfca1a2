#!/usr/bin/env python3
"""Generate Morvanta's built-in images.

Writes, next to this script:
  picture.bmp      256x256, 8 bpp, 139-colour palette: fir branches in a gilded frame
  glyph_start.bmp  36x18, 24 bpp: "start" glyph (normal cell + disabled cell)
  glyph_end.bmp    36x18, 24 bpp: "end" glyph (open door; normal + disabled)
  icon32.bmp       32x32, 4 bpp: application icon
  icons/morvanta-{32,48,64,128,256}.png  the same icon motif, RGBA PNG

Python 3 standard library only.  All randomness comes from a fixed-seed LCG, so
the output is byte-for-byte identical on every run.  The script finishes by
reading every file back and checking its header and a few key pixels.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# Small utilities
# ---------------------------------------------------------------------------


class Lcg:
    """64-bit linear congruential generator (Knuth's MMIX constants)."""

    def __init__(self, seed):
        self.state = (seed * 2862933555777941757 + 3037000493) & 0xFFFFFFFFFFFFFFFF

    def next_u32(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) & 0xFFFFFFFFFFFFFFFF
        return self.state >> 32

    def random(self):
        """Uniform float in [0, 1)."""
        return self.next_u32() / 4294967296.0

    def uniform(self, lo, hi):
        return lo + (hi - lo) * self.random()


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c0, c1, t):
    return (lerp(c0[0], c1[0], t), lerp(c0[1], c1[1], t), lerp(c0[2], c1[2], t))


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


class ValueNoise2:
    """Smooth 2-D value noise on a square lattice, tileable over `period` cells."""

    def __init__(self, rng, cell, period=64):
        self.cell = float(cell)
        self.period = period
        self.grid = [rng.random() for _ in range(period * period)]

    def __call__(self, x, y):
        fx = x / self.cell
        fy = y / self.cell
        ix = math.floor(fx)
        iy = math.floor(fy)
        tx = fx - ix
        ty = fy - iy
        tx = tx * tx * (3 - 2 * tx)
        ty = ty * ty * (3 - 2 * ty)
        p = self.period
        g = self.grid
        x0 = ix % p
        x1 = (ix + 1) % p
        y0 = iy % p
        y1 = (iy + 1) % p
        a = lerp(g[y0 * p + x0], g[y0 * p + x1], tx)
        b = lerp(g[y1 * p + x0], g[y1 * p + x1], tx)
        return lerp(a, b, ty)


def dist_to_segment(px, py, ax, ay, bx, by):
    """Distance from P to segment AB and the projection parameter along AB."""
    dx = bx - ax
    dy = by - ay
    ll = dx * dx + dy * dy
    if ll <= 1e-12:
        return math.hypot(px - ax, py - ay), 0.0
    t = ((px - ax) * dx + (py - ay) * dy) / ll
    t = clamp(t)
    qx = ax + t * dx - px
    qy = ay + t * dy - py
    return math.sqrt(qx * qx + qy * qy), t


# 4x4 ordered-dither matrix, values in [-0.5, 0.5)
BAYER4 = [
    [0, 8, 2, 10],
    [12, 4, 14, 6],
    [3, 11, 1, 9],
    [15, 7, 13, 5],
]
BAYER4 = [[(v + 0.5) / 16.0 - 0.5 for v in row] for row in BAYER4]


class Quantizer:
    """Nearest-colour lookup into a subset of a palette, with a cache."""

    def __init__(self, palette, indices):
        self.entries = [(i, palette[i]) for i in indices]
        self.cache = {}

    def __call__(self, r, g, b):
        key = (r, g, b)
        hit = self.cache.get(key)
        if hit is not None:
            return hit
        best = None
        best_d = None
        for i, (pr, pg, pb) in self.entries:
            # weighted distance: the eye is most sensitive to green
            d = 3 * (pr - r) ** 2 + 4 * (pg - g) ** 2 + 2 * (pb - b) ** 2
            if best_d is None or d < best_d:
                best_d = d
                best = i
        self.cache[key] = best
        return best


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------


def bmp_bytes(width, height, bpp, rows, palette=None):
    """Build a BMP (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows).

    rows: list of `height` rows, top row first.  For bpp 24 a row is a list of
    (r, g, b) tuples; for bpp 8 and 4 it is a list of palette indices.
    """
    row_bytes = ((width * bpp + 31) // 32) * 4
    pal = palette or []
    pal_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    off_bits = 14 + 40 + len(pal_bytes)
    image = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bpp == 24:
            for (r, g, b) in row:
                line += bytes((b, g, r))
        elif bpp == 8:
            line += bytes(row)
        elif bpp == 4:
            for x in range(0, width, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < width else 0
                line.append((hi << 4) | lo)
        else:
            raise ValueError("unsupported bit depth %d" % bpp)
        line += b"\0" * (row_bytes - len(line))
        image += line
    file_size = off_bits + len(image)
    file_header = struct.pack("<2sIHHI", b"BM", file_size, 0, 0, off_bits)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        40,            # biSize
        width,
        height,        # positive: bottom-up
        1,             # biPlanes
        bpp,
        0,             # BI_RGB
        len(image),    # biSizeImage
        2835, 2835,    # 72 dpi
        len(pal),      # biClrUsed
        0,             # biClrImportant: all
    )
    return file_header + info_header + pal_bytes + bytes(image)


def png_bytes(width, height, rgba_rows):
    """Build an 8-bit RGBA PNG.  rgba_rows: top row first, (r, g, b, a) tuples."""

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = bytearray()
    for row in rgba_rows:
        raw.append(0)  # filter: none
        for px in row:
            raw += bytes(px)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write_file(path, data):
    """Write atomically so a half-written file never replaces a good one."""
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


# ---------------------------------------------------------------------------
# picture.bmp: fir branches in a gilded frame
# ---------------------------------------------------------------------------

PIC_SIZE = 256
FRAME_W = 40              # frame moulding width, all four sides
VIEW_X, VIEW_Y = 51, 75   # the part of the picture the program displays
VIEW_W, VIEW_H = 153, 105


def ramp(c0, c1, n, gamma=1.0):
    return [tuple(int(round(v)) for v in mix(c0, c1, (i / (n - 1)) ** gamma)) for i in range(n)]


def multi_ramp(stops, n):
    """n colours spread evenly over a piecewise-linear list of colour stops."""
    out = []
    segs = len(stops) - 1
    for i in range(n):
        t = i / (n - 1) * segs
        k = min(int(t), segs - 1)
        out.append(tuple(int(round(v)) for v in mix(stops[k], stops[k + 1], t - k)))
    return out


def picture_palette():
    """139 colours: 76 for the foliage, 63 for the frame.

    Returns (palette, foliage_indices, frame_indices)."""
    foliage = []
    foliage += ramp((4, 14, 8), (30, 62, 32), 14)                 # shadowy background
    foliage += ramp((16, 50, 22), (72, 142, 56), 20)              # fir green
    foliage += ramp((14, 44, 40), (74, 140, 116), 16)             # blue-green spruce
    foliage += ramp((62, 112, 36), (196, 222, 122), 18)           # fresh light tips
    foliage += ramp((36, 34, 18), (120, 104, 58), 8)              # twigs
    frame = []
    frame += multi_ramp([(46, 26, 6), (150, 100, 30), (214, 168, 64),
                         (246, 214, 120), (255, 244, 196)], 32)   # gilding
    frame += ramp((34, 17, 8), (156, 94, 48), 20)                 # wood
    frame += ramp((10, 6, 3), (60, 40, 24), 6)                    # deep shadow
    frame += [(255, 250, 226), (240, 228, 170), (226, 196, 110),  # glints
              (188, 120, 52), (104, 60, 28)]
    palette = foliage + frame
    assert len(palette) == 139, len(palette)
    assert len(set(palette)) == 139, "palette entries must be distinct"
    return palette, list(range(len(foliage))), list(range(len(foliage), 139))


# --- foliage -----------------------------------------------------------------

class Canvas:
    """Float RGB canvas, values in 0..255."""

    def __init__(self, w, h, clip):
        self.w = w
        self.h = h
        self.clip = clip  # (x0, y0, x1, y1), x1/y1 exclusive
        self.r = [0.0] * (w * h)
        self.g = [0.0] * (w * h)
        self.b = [0.0] * (w * h)

    def stroke(self, ax, ay, bx, by, width, c0, c1, alpha):
        """Anti-aliased line from A to B, colour graded from c0 (at A) to c1 (at B)."""
        half = width * 0.5
        pad = half + 1.0
        cx0, cy0, cx1, cy1 = self.clip
        x0 = max(cx0, int(math.floor(min(ax, bx) - pad)))
        x1 = min(cx1 - 1, int(math.ceil(max(ax, bx) + pad)))
        y0 = max(cy0, int(math.floor(min(ay, by) - pad)))
        y1 = min(cy1 - 1, int(math.ceil(max(ay, by) + pad)))
        if x0 > x1 or y0 > y1:
            return
        R, G, B, W = self.r, self.g, self.b, self.w
        for y in range(y0, y1 + 1):
            py = y + 0.5
            for x in range(x0, x1 + 1):
                d, t = dist_to_segment(x + 0.5, py, ax, ay, bx, by)
                cov = half + 0.5 - d
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                a = cov * alpha
                i = y * W + x
                R[i] += (c0[0] + (c1[0] - c0[0]) * t - R[i]) * a
                G[i] += (c0[1] + (c1[1] - c0[1]) * t - G[i]) * a
                B[i] += (c0[2] + (c1[2] - c0[2]) * t - B[i]) * a


# Colour schemes for the three depth layers: (needle base, needle tip) pairs,
# chosen per needle, plus the twig colour.
GREEN = {
    "far": ((12, 36, 18), (26, 62, 30)),
    "mid": ((20, 58, 26), (46, 104, 44)),
    "near": ((26, 76, 32), (78, 148, 58)),
}
SPRUCE = {
    "far": ((12, 34, 30), (24, 58, 48)),
    "mid": ((18, 54, 46), (44, 100, 82)),
    "near": ((24, 70, 58), (72, 138, 112)),
}
TIPS = {
    "far": ((30, 62, 26), (48, 86, 34)),
    "mid": ((58, 110, 38), (112, 164, 64)),
    "near": ((96, 160, 56), (190, 220, 118)),
}
TWIG = {
    "far": (26, 30, 16),
    "mid": (50, 50, 26),
    "near": (92, 84, 46),
}
LAYER = {
    #        needle len, needle width, spacing, alpha
    "far": (8.5, 1.3, 2.6, 0.75),
    "mid": (10.5, 1.25, 2.2, 0.92),
    "near": (12.0, 1.1, 1.9, 1.0),
}


def grow_branch(rng, strokes, layer, x, y, angle, length, scheme, depth=0):
    """Append the strokes of one branch (twig, needles, side shoots) to `strokes`.

    Needles leave the twig at 40-65 degrees, pointing towards the tip, and get
    shorter and lighter in colour near the tip (this year's growth)."""
    needle_len, needle_w, spacing, alpha = LAYER[layer]
    if depth:
        needle_len *= 0.85
    bend = rng.uniform(-0.0025, 0.0025) * (2 if depth else 1)
    base_c, tip_c = scheme[layer]
    light0, light1 = TIPS[layer]
    twig_c = TWIG[layer]

    # sample the twig path
    pts = []
    a = angle
    px, py = x, y
    s = 0.0
    step = 1.0
    while s <= length:
        pts.append((px, py, a, s / length))
        px += math.cos(a) * step
        py += math.sin(a) * step
        a += bend * step
        s += step

    twig = []
    for k in range(0, len(pts) - 3, 3):
        ax, ay, _, t = pts[k]
        bx, by, _, _ = pts[k + 3]
        w = lerp(1.9 if depth == 0 else 1.3, 0.7, t)
        twig.append((ax, ay, bx, by, w, twig_c, twig_c, alpha * lerp(0.9, 0.4, t)))

    needles = []
    shoots = []
    next_shoot = rng.uniform(14, 24)
    pos = 0.0
    side_flip = 1
    while pos < length:
        k = min(int(pos), len(pts) - 1)
        nx, ny, na, t = pts[k]
        tip = smoothstep(0.68, 0.97, t)
        taper = 1.0 - 0.55 * smoothstep(0.75, 1.0, t)
        grow = 0.75 + 0.25 * smoothstep(0.0, 0.15, t)
        for side in (1, -1):
            spread = math.radians(rng.uniform(40, 66))
            ang = na + side * spread
            ln = needle_len * taper * grow * rng.uniform(0.78, 1.15)
            ex = nx + math.cos(ang) * ln
            ey = ny + math.sin(ang) * ln
            shade = rng.random()
            c0 = mix(base_c, tip_c, 0.15 * shade)
            c1 = mix(base_c, tip_c, 0.55 + 0.45 * shade)
            if tip > 0.0:
                c0 = mix(c0, light0, tip * 0.8)
                c1 = mix(c1, light1, tip * (0.6 + 0.4 * shade))
            sx = nx + math.cos(ang) * 0.8
            sy = ny + math.sin(ang) * 0.8
            needles.append((sx, sy, ex, ey, needle_w * rng.uniform(0.9, 1.15), c0, c1, alpha))
        # a few needles lying along the twig, seen end-on, fill the centre
        if rng.random() < 0.45:
            ang = na + rng.uniform(-0.35, 0.35)
            ln = needle_len * 0.6 * taper
            shade = rng.random()
            c1 = mix(base_c, tip_c, 0.4 + 0.5 * shade)
            if tip > 0.0:
                c1 = mix(c1, light1, tip * 0.7)
            needles.append((nx, ny, nx + math.cos(ang) * ln, ny + math.sin(ang) * ln,
                            needle_w, mix(base_c, tip_c, 0.2), c1, alpha))
        if depth == 0 and pos >= next_shoot and t < 0.8:
            side_flip = -side_flip
            sa = na + side_flip * math.radians(rng.uniform(34, 52))
            sl = (length - pos) * rng.uniform(0.3, 0.5) + 10
            shoots.append((nx, ny, sa, sl))
            next_shoot = pos + rng.uniform(16, 28)
        pos += spacing * rng.uniform(0.85, 1.15)

    # side shoots first (they sit behind the main twig), then the needles, and
    # the twig on top where it shows between the two rows of needles
    for (sx, sy, sa, sl) in shoots:
        grow_branch(rng, strokes, layer, sx, sy, sa, sl, scheme, depth + 1)
    strokes.extend(needles)
    strokes.extend(twig)


def render_foliage(rng):
    lo = FRAME_W
    hi = PIC_SIZE - FRAME_W
    cv = Canvas(PIC_SIZE, PIC_SIZE, (lo, lo, hi, hi))

    # dark, mottled background
    n1 = ValueNoise2(rng, 22)
    n2 = ValueNoise2(rng, 7)
    dark0 = (5, 15, 9)
    dark1 = (26, 56, 30)
    for y in range(lo, hi):
        for x in range(lo, hi):
            v = 0.65 * n1(x, y) + 0.35 * n2(x, y)
            v = clamp((v - 0.2) / 0.65)
            c = mix(dark0, dark1, v)
            i = y * PIC_SIZE + x
            cv.r[i], cv.g[i], cv.b[i] = c

    def scheme_for():
        return SPRUCE if rng.random() < 0.35 else GREEN

    # far layer: many dim branches, scattered
    strokes = []
    for _ in range(9):
        x = rng.uniform(lo - 20, hi + 20)
        y = rng.uniform(lo - 20, hi + 20)
        a = rng.uniform(0, 2 * math.pi)
        grow_branch(rng, strokes, "far", x, y, a, rng.uniform(70, 130), scheme_for())
    for s in strokes:
        cv.stroke(*s)

    # middle layer
    strokes = []
    mid = [(40, 150, -0.55), (215, 120, 3.5), (120, 215, -1.9), (60, 60, 0.75)]
    for (x, y, a) in mid:
        grow_branch(rng, strokes, "mid", x + rng.uniform(-8, 8), y + rng.uniform(-8, 8),
                    a + rng.uniform(-0.15, 0.15), rng.uniform(110, 150), scheme_for())
    for s in strokes:
        cv.stroke(*s)

    # near layer: the diagonal branches that carry the picture, each with a
    # soft shadow cast down and to the right onto what lies behind
    near = [
        (30, 205, -0.62, 200, GREEN),
        (232, 58, 2.55, 175, SPRUCE),
        (34, 96, 0.30, 150, GREEN),
        (226, 214, -2.45, 120, GREEN),
    ]
    for (x, y, a, ln, scheme) in near:
        strokes = []
        grow_branch(rng, strokes, "near", x, y, a, ln, scheme)
        for (ax, ay, bx, by, w, _c0, _c1, _al) in strokes:
            cv.stroke(ax + 2.0, ay + 3.0, bx + 2.0, by + 3.0, w + 1.6,
                      (3, 10, 5), (3, 10, 5), 0.30)
        for s in strokes:
            cv.stroke(*s)

    # the frame throws a shadow onto the top and left of the picture
    for y in range(lo, hi):
        for x in range(lo, hi):
            d = min(x - lo + 1.5, y - lo)
            f = 1.0 - 0.6 * (1.0 - smoothstep(0.0, 7.0, d))
            if f < 1.0:
                i = y * PIC_SIZE + x
                cv.r[i] *= f
                cv.g[i] *= f
                cv.b[i] *= f
    return cv


# --- frame -------------------------------------------------------------------

LIGHT = (-0.55, -0.75, 1.0)
_ll = math.sqrt(sum(v * v for v in LIGHT))
LIGHT = tuple(v / _ll for v in LIGHT)
HALF = (LIGHT[0], LIGHT[1], LIGHT[2] + 1.0)
_hl = math.sqrt(sum(v * v for v in HALF))
HALF = tuple(v / _hl for v in HALF)


def frame_profile(d):
    """Cross-section of the moulding at distance d from the outer edge.

    Returns (slope dh/dd, material) where material is 'gold', 'wood' or
    'shadow'.  Positive slope rises towards the picture."""
    if d < 2.5:                       # outer edge, rising
        return 1.6, "wood"
    if d < 10.5:                      # big half-round gilded bead
        c, r = 6.5, 4.2
        u = clamp((d - c) / r, -0.97, 0.97)
        return -u / math.sqrt(1 - u * u) * 0.9, "gold"
    if d < 12.0:                      # small step down
        return -1.2, "wood"
    if d < 22.0:                      # flat wooden panel, carries the pearls
        return -0.08, "wood"
    if d < 31.0:                      # gilded cove (concave)
        c, r = 31.0, 9.5
        u = clamp((d - c) / r, -0.95, 0.0)
        return u / math.sqrt(1 - u * u) * 0.8 * -1.0, "gold"
    if d < 36.0:                      # inner sight-edge bead
        c, r = 33.5, 2.6
        u = clamp((d - c) / r, -0.95, 0.95)
        return -u / math.sqrt(1 - u * u) * 0.9, "gold"
    return -1.8, "shadow"             # slip dropping to the picture


def render_frame(rng, palette, frame_idx):
    """Return {(x, y): palette index} for every frame pixel."""
    quant = Quantizer(palette, frame_idx)
    grain_a = ValueNoise2(rng, 3)
    grain_b = ValueNoise2(rng, 31)
    wear = ValueNoise2(rng, 9)
    gold = (212, 166, 62)
    wood = (118, 68, 32)
    size = PIC_SIZE
    out = {}
    for y in range(size):
        for x in range(size):
            px = x + 0.5
            py = y + 0.5
            dists = (py, px, size - py, size - px)  # top, left, bottom, right
            d = min(dists)
            if d >= FRAME_W:
                continue
            side = dists.index(d)
            if side == 0:
                out_dir, u = (0.0, -1.0), px
            elif side == 1:
                out_dir, u = (-1.0, 0.0), py
            elif side == 2:
                out_dir, u = (0.0, 1.0), px
            else:
                out_dir, u = (1.0, 0.0), py
            slope, mat = frame_profile(d)
            nx, ny = out_dir[0] * slope, out_dir[1] * slope
            nz = 1.0

            # a row of gilded pearls along the wooden panel
            pearl = False
            if 12.0 <= d < 22.0:
                # spacing chosen so a pearl sits exactly on each mitre
                first = 17.0
                period = (size - 2 * first) / 28
                du = ((u - first + period / 2) % period) - period / 2
                dd = d - 17.0
                rr = 3.1
                q = du * du + dd * dd
                if q < rr * rr:
                    pearl = True
                    mat = "gold"
                    # along-side direction: perpendicular to out_dir
                    ax, ay = abs(out_dir[1]), abs(out_dir[0])
                    nx = (du * ax - dd * out_dir[0]) / rr
                    ny = (du * ay - dd * out_dir[1]) / rr
                    nz = math.sqrt(max(0.05, 1.0 - nx * nx - ny * ny))
                elif q < (rr + 1.2) ** 2:
                    mat = "shadow"  # the dark recess around each pearl

            nl = math.sqrt(nx * nx + ny * ny + nz * nz)
            nx, ny, nz = nx / nl, ny / nl, nz / nl
            diff = max(0.0, nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2])
            gloss = max(0.0, nx * HALF[0] + ny * HALF[1] + nz * HALF[2])

            grain = grain_a(d * 1.7 + 40.0 * grain_b(u, d * 0.2), u * 0.06)
            if mat == "gold":
                w = wear(u, d)
                base = mix(gold, (150, 104, 40), 0.35 * smoothstep(0.55, 0.9, w))
                lit = 0.32 + 0.85 * diff
                c = [v * lit for v in base]
                s = gloss ** (18 if pearl else 24)
                c = [lerp(v, h, clamp(s * 0.95)) for v, h in zip(c, (255, 246, 200))]
                c = [v * (0.94 + 0.12 * grain) for v in c]
            elif mat == "wood":
                streak = 0.72 + 0.5 * grain
                lit = 0.35 + 0.75 * diff
                c = [v * lit * streak for v in wood]
                s = gloss ** 30
                c = [lerp(v, 190, clamp(s * 0.25)) for v in c]
            else:
                c = [v * (0.25 + 0.25 * diff) for v in wood]

            # mitre joints: a thin dark seam along the diagonals
            a = sorted(dists)
            if a[1] - a[0] < 0.75 and not pearl:
                c = [v * 0.55 for v in c]
            # outermost pixel row: darkened edge
            if d < 1.0:
                c = [v * 0.6 for v in c]

            dith = BAYER4[y & 3][x & 3] * 10.0
            r, g, b = (int(clamp(v + dith, 0, 255)) for v in c)
            out[(x, y)] = quant(r, g, b)
    return out


def make_picture():
    rng = Lcg(0x5EED_F1A5)
    palette, foliage_idx, frame_idx = picture_palette()
    cv = render_foliage(rng)
    frame = render_frame(rng, palette, frame_idx)
    quant = Quantizer(palette, foliage_idx)
    rows = []
    for y in range(PIC_SIZE):
        row = []
        for x in range(PIC_SIZE):
            idx = frame.get((x, y))
            if idx is None:
                i = y * PIC_SIZE + x
                dith = BAYER4[y & 3][x & 3] * 6.0
                idx = quant(int(clamp(cv.r[i] + dith, 0, 255)),
                            int(clamp(cv.g[i] + dith, 0, 255)),
                            int(clamp(cv.b[i] + dith, 0, 255)))
            row.append(idx)
        rows.append(row)
    return palette, rows, set(foliage_idx)


# ---------------------------------------------------------------------------
# Glyphs: 36x18, left cell normal, right cell disabled
# ---------------------------------------------------------------------------

CELL = 18
OLIVE = (127, 127, 0)     # the program keys this colour out as transparent
GREY = (128, 128, 128)
WHITE = (255, 255, 255)


def in_polygon(px, py, poly):
    inside = False
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % n]
        if (y0 > py) != (y1 > py):
            xc = x0 + (py - y0) * (x1 - x0) / (y1 - y0)
            if px < xc:
                inside = not inside
    return inside


def outline_cell(mask):
    """Grey outline of a shape, with a white edge one pixel down and to the
    right of it: the etched look of an unavailable command."""
    edge = {(x, y) for (x, y) in mask
            if any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}
    out = {}
    for (x, y) in edge:
        p = (x + 1, y + 1)
        if p[0] < CELL and p[1] < CELL and p not in mask:
            out[p] = WHITE
    for p in edge:
        out[p] = GREY
    return out


CHECK_GREEN = (0, 176, 0)
CHECK_LIGHT = (96, 232, 96)
CHECK_DARK = (0, 112, 0)
NAVY = (0, 0, 128)


def check_mask():
    pts = [(3.2, 9.2), (7.0, 13.0), (14.8, 4.0)]
    mask = set()
    for y in range(CELL):
        for x in range(CELL):
            d = min(dist_to_segment(x + 0.5, y + 0.5, *pts[0], *pts[1])[0],
                    dist_to_segment(x + 0.5, y + 0.5, *pts[1], *pts[2])[0])
            if d <= 1.65:
                mask.add((x, y))
    return mask


def glyph_start_cells():
    mask = check_mask()
    cell = {}
    # dark blue shading: the mark's shadow, one and two pixels down-right
    for (x, y) in mask:
        for k in (1, 2):
            p = (x + k, y + k)
            if p not in mask and p[0] < CELL and p[1] < CELL and (k == 1 or (x + 1, y + 1) in mask):
                cell[p] = NAVY
    for (x, y) in mask:
        if (x - 1, y) not in mask or (x, y - 1) not in mask:
            cell[(x, y)] = CHECK_LIGHT
        elif (x + 1, y) not in mask or (x, y + 1) not in mask:
            cell[(x, y)] = CHECK_DARK
        else:
            cell[(x, y)] = CHECK_GREEN
    return cell, outline_cell(mask)


BLUE = (0, 0, 255)
MAGENTA = (255, 0, 255)
PURPLE = (128, 0, 128)
CYAN = (0, 255, 255)
DARK_GREY = (64, 64, 64)


def glyph_end_cells():
    """A door standing open towards the viewer, hinged on the left jamb."""
    cell = {}
    fx0, fx1, fy0, fy1 = 8, 17, 1, 16          # frame, inclusive
    ox0, ox1, oy0 = 10, 15, 3                  # opening (runs to the sill)
    for y in range(fy0, fy1 + 1):
        for x in range(fx0, fx1 + 1):
            if ox0 <= x <= ox1 and oy0 <= y < fy1:
                # daylight beyond the door, in shade under the lintel and
                # along the hinge side
                cell[(x, y)] = BLUE if (y == oy0 or x == ox0) else CYAN
            elif x == fx0 or y == fy0:
                cell[(x, y)] = WHITE            # lit outer edge
            elif x == fx1 or y == fy1:
                cell[(x, y)] = DARK_GREY        # shaded outer edge
            else:
                cell[(x, y)] = GREY
    # light falling through the doorway onto the floor
    for x in range(ox0, ox1 + 1):
        cell[(x, fy1)] = CYAN if x > ox0 else GREY
    # the door leaf, swung out towards the viewer: its free edge is nearer,
    # so it looks taller than the hinge side
    leaf = [(10.0, 3.0), (10.0, 16.0), (3.0, 17.8), (3.0, 0.9)]
    for y in range(CELL):
        for x in range(CELL):
            if in_polygon(x + 0.5, y + 0.5, leaf):
                cell[(x, y)] = MAGENTA
    # leaf edges and panel lines in purple
    face = {p for p, c in cell.items() if c == MAGENTA}
    for (x, y) in face:
        border = any((x + dx, y + dy) not in face
                     for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        if border or x == 4:        # x == 4: the thickness of the free edge
            cell[(x, y)] = PURPLE
    # recessed panels
    for (py0, py1) in ((4, 8), (10, 14)):
        for y in range(py0, py1 + 1):
            for x in range(6, 9):
                if cell.get((x, y)) == MAGENTA and (x in (6, 8) or y in (py0, py1)):
                    cell[(x, y)] = PURPLE
    # handle
    cell[(5, 9)] = BLUE
    cell[(5, 10)] = BLUE
    # the bottom-left pixel always shows the background
    cell.pop((0, CELL - 1), None)
    # disabled: lines and shading turn grey, the light parts white, and the
    # face of the leaf drops out so only its outline and panels remain
    tone = {GREY: GREY, DARK_GREY: GREY, PURPLE: GREY, BLUE: GREY,
            WHITE: WHITE, CYAN: WHITE, MAGENTA: None}
    disabled = {p: tone[c] for p, c in cell.items() if tone[c] is not None}
    return cell, disabled


def glyph_rows(left, right):
    rows = []
    for y in range(CELL):
        row = []
        for x in range(2 * CELL):
            c = left.get((x, y)) if x < CELL else right.get((x - CELL, y))
            row.append(c if c is not None else OLIVE)
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# Application icon: two competing species in the phase plane
# ---------------------------------------------------------------------------

ICON_NAVY = (0, 0, 128)
ICON_WHITE = (255, 255, 255)
ICON_RED = (255, 0, 0)
ICON_AQUA = (0, 255, 255)

# the 16 standard colours of a 4-bit palette
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def bezier(p0, p1, p2, p3, n):
    pts = []
    for i in range(n + 1):
        t = i / n
        mt = 1 - t
        pts.append((mt ** 3 * p0[0] + 3 * mt * mt * t * p1[0] + 3 * mt * t * t * p2[0] + t ** 3 * p3[0],
                    mt ** 3 * p0[1] + 3 * mt * mt * t * p1[1] + 3 * mt * t * t * p2[1] + t ** 3 * p3[1]))
    return pts


def icon_layers(size, rounded=True):
    """Describe the motif in pixel units for an icon of `size` pixels.

    Returns a list of (coverage_function, colour) painted in order."""
    s = float(size)
    # strokes never thinner than about 1.6 px, so the 32 px icon stays legible
    axis_w = max(2.0, s * 0.07)
    curve_w = max(2.0, s * 0.055)
    dot_r = max(2.6, s * 0.068)
    radius = s * 0.16 if rounded else 0.0
    inset = s * 0.02 if rounded else 0.0

    def square(px, py):
        # signed distance to a rounded square, then 1 px anti-aliasing
        hx = s / 2 - inset
        cx = abs(px - s / 2) - (hx - radius)
        cy = abs(py - s / 2) - (hx - radius)
        outside = math.hypot(max(cx, 0.0), max(cy, 0.0)) + min(max(cx, cy), 0.0) - radius
        return clamp(0.5 - outside)

    ox, oy = s * 0.22, s * 0.78       # origin of the axes
    top, right = s * 0.16, s * 0.86
    axis = [((ox, top), (ox, oy)), ((ox, oy), (right, oy))]

    def axes(px, py):
        d = min(dist_to_segment(px, py, *a, *b)[0] for a, b in axis)
        return clamp(axis_w / 2 + 0.5 - d)

    # a trajectory leaving one species' corner and settling on coexistence
    curve = bezier((s * 0.37, s * 0.24), (s * 0.39, s * 0.58),
                   (s * 0.56, s * 0.68), (s * 0.80, s * 0.54), 48)

    def trajectory(px, py):
        d = min(dist_to_segment(px, py, *curve[i], *curve[i + 1])[0]
                for i in range(len(curve) - 1))
        return clamp(curve_w / 2 + 0.5 - d)

    def dot(c):
        def f(px, py):
            return clamp(dot_r + 0.5 - math.hypot(px - c[0], py - c[1]))
        return f

    def ring(c):
        # thin navy ring that separates the dot from the white curve
        def f(px, py):
            return clamp(dot_r + 0.5 + max(1.0, s * 0.02) - math.hypot(px - c[0], py - c[1]))
        return f

    return [
        (square, ICON_NAVY),
        (axes, ICON_WHITE),
        (trajectory, ICON_WHITE),
        (ring(curve[0]), ICON_NAVY),
        (dot(curve[0]), ICON_RED),
        (ring(curve[-1]), ICON_NAVY),
        (dot(curve[-1]), ICON_AQUA),
    ]


def render_icon(size, rounded=True, hard=False):
    """Render the motif to straight-alpha RGBA rows (top row first).

    hard=True switches anti-aliasing off (each pixel takes the colour of the
    topmost shape covering its centre), for the 16-colour icon."""
    layers = icon_layers(size, rounded)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            r = g = b = a = 0.0   # premultiplied
            for fn, col in layers:
                cov = fn(px, py)
                if hard:
                    cov = 1.0 if cov >= 0.5 else 0.0
                if cov <= 0.0:
                    continue
                r = col[0] * cov + r * (1 - cov)
                g = col[1] * cov + g * (1 - cov)
                b = col[2] * cov + b * (1 - cov)
                a = cov + a * (1 - cov)
            if a > 0:
                row.append((int(round(r / a)), int(round(g / a)), int(round(b / a)),
                            int(round(a * 255))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_bmp_rows():
    """32 px icon for the 4-bit BMP: a full square drawn without anti-aliasing,
    each pixel snapped to the nearest of the 16 standard colours."""
    rgba = render_icon(32, rounded=False, hard=True)
    quant = Quantizer(VGA16, range(16))
    rows = []
    for row in rgba:
        out = []
        for (r, g, b, a) in row:
            # composite over navy; the square covers the whole icon anyway
            r = int(lerp(ICON_NAVY[0], r, a / 255))
            g = int(lerp(ICON_NAVY[1], g, a / 255))
            b = int(lerp(ICON_NAVY[2], b, a / 255))
            out.append(quant(r, g, b))
        rows.append(out)
    return rows


# ---------------------------------------------------------------------------
# Read-back checks
# ---------------------------------------------------------------------------


class CheckError(Exception):
    pass


def expect(cond, what):
    if not cond:
        raise CheckError(what)


def read_bmp(path):
    """Parse a BMP written above; returns header fields and a pixel accessor."""
    with open(path, "rb") as f:
        data = f.read()
    expect(data[:2] == b"BM", "%s: not a BMP" % path)
    size, _, _, off = struct.unpack_from("<IHHI", data, 2)
    expect(size == len(data), "%s: bfSize %d != file size %d" % (path, size, len(data)))
    (bi_size, w, h, planes, bpp, comp, img_size, _, _, clr_used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    expect(bi_size == 40 and planes == 1 and comp == 0, "%s: unexpected info header" % path)
    row_bytes = ((w * bpp + 31) // 32) * 4
    expect(off + row_bytes * abs(h) == len(data), "%s: pixel data size mismatch" % path)
    expect(img_size == row_bytes * abs(h), "%s: biSizeImage mismatch" % path)
    n_pal = clr_used or (1 << bpp if bpp <= 8 else 0)
    expect(off == 54 + 4 * n_pal, "%s: palette/offset mismatch" % path)
    pal = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i]) for i in range(n_pal)]

    def pixel(x, y):
        """Pixel (x, y) counted from the top-left; index for paletted images,
        (r, g, b) for 24 bpp."""
        row = (h - 1 - y) if h > 0 else y
        base = off + row * row_bytes
        if bpp == 24:
            b_, g_, r_ = data[base + 3 * x: base + 3 * x + 3]
            return (r_, g_, b_)
        if bpp == 8:
            return data[base + x]
        if bpp == 4:
            v = data[base + x // 2]
            return (v >> 4) if x % 2 == 0 else (v & 15)
        raise CheckError("%s: unsupported bpp %d" % (path, bpp))

    return {"width": w, "height": h, "bpp": bpp, "clr_used": clr_used,
            "palette": pal, "pixel": pixel}


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    expect(data[:8] == b"\x89PNG\r\n\x1a\n", "%s: bad PNG signature" % path)
    pos = 8
    chunks = {}
    while pos < len(data):
        (ln,) = struct.unpack_from(">I", data, pos)
        kind = data[pos + 4: pos + 8]
        body = data[pos + 8: pos + 8 + ln]
        (crc,) = struct.unpack_from(">I", data, pos + 8 + ln)
        expect(zlib.crc32(kind + body) & 0xFFFFFFFF == crc, "%s: CRC error in %r" % (path, kind))
        chunks.setdefault(kind, b"")
        chunks[kind] += body
        pos += 12 + ln
    w, h, depth, ctype = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    raw = zlib.decompress(chunks[b"IDAT"])
    expect(len(raw) == h * (1 + 4 * w), "%s: IDAT size mismatch" % path)
    return {"width": w, "height": h, "depth": depth, "ctype": ctype, "raw": raw}


def self_check(foliage_indices):
    pic = read_bmp(os.path.join(HERE, "picture.bmp"))
    expect((pic["width"], pic["height"], pic["bpp"], pic["clr_used"]) == (256, 256, 8, 139),
           "picture.bmp: wrong geometry or palette size")
    # the displayed block must contain branches only, never frame colours
    frame_px = sum(1 for y in range(VIEW_Y, VIEW_Y + VIEW_H) for x in range(VIEW_X, VIEW_X + VIEW_W)
                   if pic["pixel"](x, y) not in foliage_indices)
    expect(frame_px == 0, "picture.bmp: %d frame pixels inside the displayed block" % frame_px)
    # ... and the border must be frame
    expect(pic["pixel"](5, 128) not in foliage_indices and pic["pixel"](128, 250) not in foliage_indices,
           "picture.bmp: frame missing at the edge")
    used = {pic["pixel"](x, y) for y in range(256) for x in range(256)}
    expect(max(used) < 139, "picture.bmp: index outside the palette")

    for name in ("glyph_start.bmp", "glyph_end.bmp"):
        g = read_bmp(os.path.join(HERE, name))
        expect((g["width"], g["height"], g["bpp"]) == (36, 18, 24), "%s: wrong geometry" % name)
        expect(g["pixel"](0, 17) == OLIVE, "%s: bottom-left pixel is not olive" % name)
        for cell in (0, CELL):
            drawn = sum(1 for y in range(CELL) for x in range(cell, cell + CELL)
                        if g["pixel"](x, y) != OLIVE)
            expect(drawn >= 20, "%s: cell at x=%d is (nearly) empty" % (name, cell))

    ico = read_bmp(os.path.join(HERE, "icon32.bmp"))
    expect((ico["width"], ico["height"], ico["bpp"], len(ico["palette"])) == (32, 32, 4, 16),
           "icon32.bmp: wrong geometry or palette")
    colours = {ico["palette"][ico["pixel"](x, y)] for y in range(32) for x in range(32)}
    for c in (ICON_NAVY, ICON_WHITE, ICON_RED, ICON_AQUA):
        expect(c in colours, "icon32.bmp: colour %r missing" % (c,))

    for n in ICON_SIZES:
        p = read_png(os.path.join(HERE, "icons", "morvanta-%d.png" % n))
        expect((p["width"], p["height"], p["depth"], p["ctype"]) == (n, n, 8, 6),
               "morvanta-%d.png: wrong header" % n)
        stride = 1 + 4 * n
        raw = p["raw"]
        expect(all(raw[y * stride] == 0 for y in range(n)), "morvanta-%d.png: unexpected row filter" % n)

        def px(x, y):
            i = y * stride + 1 + 4 * x
            return tuple(raw[i:i + 4])
        # rounded corner transparent, open area near the top-right solid navy
        expect(px(0, 0)[3] == 0, "morvanta-%d.png: corner not transparent" % n)
        expect(px(n * 3 // 4, n // 6) == ICON_NAVY + (255,), "morvanta-%d.png: background not navy" % n)


# ---------------------------------------------------------------------------

ICON_SIZES = (32, 48, 64, 128, 256)


def main():
    palette, rows, foliage = make_picture()
    write_file(os.path.join(HERE, "picture.bmp"), bmp_bytes(256, 256, 8, rows, palette))

    left, right = glyph_start_cells()
    write_file(os.path.join(HERE, "glyph_start.bmp"), bmp_bytes(36, 18, 24, glyph_rows(left, right)))
    left, right = glyph_end_cells()
    write_file(os.path.join(HERE, "glyph_end.bmp"), bmp_bytes(36, 18, 24, glyph_rows(left, right)))

    write_file(os.path.join(HERE, "icon32.bmp"), bmp_bytes(32, 32, 4, icon_bmp_rows(), VGA16))
    os.makedirs(os.path.join(HERE, "icons"), exist_ok=True)
    for n in ICON_SIZES:
        write_file(os.path.join(HERE, "icons", "morvanta-%d.png" % n), png_bytes(n, n, render_icon(n)))

    try:
        self_check(foliage)
    except CheckError as e:
        print("self-check failed: %s" % e, file=sys.stderr)
        return 1
    print("generated images in %s (self-check passed)" % HERE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
