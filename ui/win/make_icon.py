#!/usr/bin/env python3
"""Packs the program's icon images into one Windows .ico: the 32x32 16-colour bitmap as
drawn by resources/generate_images.py, and the larger PNGs for dense screens.
    make_icon.py OUT.ico ICON32.bmp [PNG...]"""
import struct
import sys


def bmp_entry(path):
    data = open(path, "rb").read()
    header = data[14:]  # an icon holds the bitmap without its file header
    width, height = struct.unpack_from("<ii", header, 4)
    bpp = struct.unpack_from("<H", header, 14)[0]
    # The icon's height counts the colour rows and the transparency mask below them.
    header = header[:8] + struct.pack("<i", height * 2) + header[12:]
    mask_row = ((width + 31) // 32) * 4
    image = header + bytes(mask_row * height)  # an all-opaque mask
    return width, height, bpp, image


def png_entry(path):
    data = open(path, "rb").read()
    width, height = struct.unpack(">II", data[16:24])
    return width, height, 32, data


def main():
    out, bmp, pngs = sys.argv[1], sys.argv[2], sys.argv[3:]
    entries = [bmp_entry(bmp)] + [png_entry(p) for p in pngs]
    blob = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for width, height, bpp, image in entries:
        colours = 16 if bpp == 4 else 0
        blob += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bpp,
                            len(image), offset)
        offset += len(image)
    blob += b"".join(image for *_, image in entries)
    open(out, "wb").write(blob)


if __name__ == "__main__":
    main()
