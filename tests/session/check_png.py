#!/usr/bin/env python3
"""Reads DIR/plot.png with Python's own zlib and checks its chunks' CRCs, its text chunk and
that its pixels are those of DIR/plot.rgb.   check_png.py DIR"""
import struct, sys, zlib

folder = sys.argv[1]
png = open(f"{folder}/plot.png", "rb").read()
assert png[:8] == b"\x89PNG\r\n\x1a\n", "PNG signature"
at, chunks = 8, {}
while at < len(png):
    length, kind = struct.unpack(">I4s", png[at:at + 8])
    data = png[at + 8:at + 8 + length]
    (crc,) = struct.unpack(">I", png[at + 8 + length:at + 12 + length])
    assert crc == zlib.crc32(kind + data), f"CRC of {kind}"
    chunks.setdefault(kind, []).append(data)
    at += 12 + length
width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][0][:10])
assert (width, height, depth, colour) == (400, 400, 8, 2), "400x400 RGB"
assert chunks[b"tEXt"] == [b"Title\0Phase plane"], chunks[b"tEXt"]
rows = zlib.decompress(b"".join(chunks[b"IDAT"]))
stride = 1 + 3 * width
pixels = b"".join(rows[y * stride + 1:(y + 1) * stride] for y in range(height))
assert all(rows[y * stride] == 0 for y in range(height)), "filter type None"
assert pixels == open(f"{folder}/plot.rgb", "rb").read(), "pixels differ"
print(f"OK: {len(png)} bytes, pixels round-trip")
