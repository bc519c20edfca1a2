#!/usr/bin/env python3
"""Builds the page's shell: the template with the built-in images put in as PNG data
addresses (the picture cut to the part the window shows, the glyph strips' left cells with
their olive background made transparent).
   embed_images.py TEMPLATE RESOURCES_DIR OUTPUT"""
import base64, struct, sys, zlib

template, resources, output = sys.argv[1:4]

def read_bmp(path):
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bpp = struct.unpack_from("<iiHH", data, 18)
    colours, = struct.unpack_from("<I", data, 46)
    palette = []
    if bpp <= 8:
        base = 14 + struct.unpack_from("<I", data, 14)[0]
        for i in range(colours or 1 << bpp):
            b, g, r, _ = data[base + 4 * i:base + 4 * i + 4]
            palette.append((r, g, b))
    stride = (width * bpp + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        row = data[offset + stride * y:offset + stride * (y + 1)]
        if bpp == 24:
            pixels = [(row[3 * x + 2], row[3 * x + 1], row[3 * x]) for x in range(width)]
        elif bpp == 8:
            pixels = [palette[row[x]] for x in range(width)]
        else:
            pixels = [palette[(row[x // 2] >> (4 * (1 - x % 2))) & 15] for x in range(width)]
        rows.append(pixels)
    return rows[::-1] if height > 0 else rows

def png_address(rows, transparent=None):
    """An indexed PNG (every image here has at most 256 colours), the transparent colour
    given alpha 0."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    palette = sorted({p for row in rows for p in row})
    index = {p: i for i, p in enumerate(palette)}
    raw = b"".join(b"\0" + bytes(index[p] for p in row) for row in rows)
    alpha = bytes(0 if p == transparent else 255 for p in palette)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 3, 0, 0, 0))
           + chunk(b"PLTE", bytes(v for p in palette for v in p))
           + (chunk(b"tRNS", alpha) if transparent in index else b"")
           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    return "data:image/png;base64," + base64.b64encode(png).decode()

OLIVE = (127, 127, 0)
picture = [row[51:51 + 153] for row in read_bmp(f"{resources}/picture.bmp")[75:75 + 105]]
glyph = lambda name: [row[:18] for row in read_bmp(f"{resources}/{name}")]
page = open(template, encoding="utf-8").read()
for key, address in {"@PICTURE@": png_address(picture),
                     "@GLYPH_START@": png_address(glyph("glyph_start.bmp"), OLIVE),
                     "@GLYPH_END@": png_address(glyph("glyph_end.bmp"), OLIVE),
                     "@ICON@": png_address(read_bmp(f"{resources}/icon32.bmp"))}.items():
    page = page.replace(key, address)
open(output, "w", encoding="utf-8").write(page)
