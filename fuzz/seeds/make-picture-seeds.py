#!/usr/bin/env python3
"""Writes the seed pictures of fuzz/corpus/picture: small BMP, ICO and CUR
files in the layouts the readers know (every bit depth, RLE, bit fields, the
OS/2 header, top-down rows, icons with AND masks, PNG entries, cursors), and a
few broken ones. Run from anywhere; the files are checked in, so neither the
build nor CI needs Python. Usage: make-picture-seeds.py [output folder]"""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "corpus", "picture")


def row_bytes(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def pack_rows(width, height, bpp, pixel):
    """Bottom-up rows of pixel(x, y) values, padded to 32 bits."""
    out = bytearray()
    for y in reversed(range(height)):
        bits = 0
        nbits = 0
        row = bytearray()
        for x in range(width):
            v = pixel(x, y)
            if bpp >= 8:
                row += v.to_bytes(bpp // 8, "little")
            else:
                bits = (bits << bpp) | v
                nbits += bpp
                if nbits == 8:
                    row.append(bits)
                    bits = nbits = 0
        if nbits:
            row.append(bits << (8 - nbits))
        row += bytes(row_bytes(width, bpp) - len(row))
        out += row
    return bytes(out)


def palette(n, quad=True):
    out = bytearray()
    for i in range(n):
        b, g, r = (i * 37) & 255, (i * 91) & 255, (i * 151) & 255
        out += bytes([b, g, r, 0]) if quad else bytes([b, g, r])
    return bytes(out)


def info_header(width, height, bpp, compression=0, image_size=0, colors=0, size=40):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bpp, compression, image_size,
                       2835, 2835, colors, 0)
    return head + bytes(size - 40)


def bmp(header, pal, pixels, extra=b""):
    offset = 14 + len(header) + len(extra) + len(pal)
    body = header + extra + pal + pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def plain_bmp(width, height, bpp, pixel, colors=None, top_down=False):
    n = colors if colors is not None else (1 << bpp if bpp <= 8 else 0)
    pixels = pack_rows(width, height, bpp, pixel)
    h = -height if top_down else height
    return bmp(info_header(width, h, bpp, 0, len(pixels), n if bpp <= 8 else 0),
               palette(n), pixels)


def rle8(width, height):
    data = bytearray()
    for y in range(height):
        data += bytes([width, y * 40 & 255])  # a run
        data += bytes([0, 0])                 # end of line
    data += bytes([0, 2, 1, 0])               # delta
    data += bytes([0, 3, 1, 2, 3, 0])         # absolute run of 3, padded
    data += bytes([0, 1])                     # end of bitmap
    return bmp(info_header(width, height, 8, 1, len(data), 4), palette(4), bytes(data))


def rle4(width, height):
    data = bytearray()
    for y in range(height):
        data += bytes([width, 0x12 + y])
        data += bytes([0, 0])
    data += bytes([0, 4, 0x12, 0x34, 0, 1])
    return bmp(info_header(width, height, 4, 2, len(data), 16), palette(16), bytes(data))


def bitfields(width, height, bpp, masks, alpha=False):
    pixels = pack_rows(width, height, bpp, lambda x, y: (x * 0x1F3 + y * 0x7C1) & ((1 << bpp) - 1))
    if alpha:  # BITMAPV5HEADER, masks inside the header
        head = struct.pack("<IiiHHIIiiII", 124, width, height, 1, bpp, 3, len(pixels), 2835,
                           2835, 0, 0)
        head += struct.pack("<IIII", *masks) + b"BGRs" + bytes(124 - 40 - 20)
        return bmp(head, b"", pixels)
    return bmp(info_header(width, height, bpp, 3, len(pixels)), b"", pixels,
               struct.pack("<III", *masks[:3]))


def core_bmp(width, height, bpp):
    """The OS/2 1.x header: 16-bit sizes, three-byte palette entries."""
    head = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    pixels = pack_rows(width, height, bpp, lambda x, y: (x + y) % (1 << min(bpp, 8)))
    return bmp(head, palette(1 << bpp, quad=False) if bpp <= 8 else b"", pixels)


def icon_dib(width, height, bpp, pixel, alpha=None):
    """An icon image: BITMAPINFOHEADER of double height, XOR pixels, AND mask."""
    n = 1 << bpp if bpp <= 8 else 0
    xor = pack_rows(width, height, bpp, pixel)
    mask = pack_rows(width, height, 1, alpha or (lambda x, y: 1 if (x + y) % 3 == 0 else 0))
    return info_header(width, height * 2, bpp, 0, len(xor) + len(mask), 0) + palette(n) + xor + mask


def png(width, height):
    raw = b"".join(b"\0" + b"".join(bytes(((x * 40) & 255, (y * 40) & 255, 128, 255 if x else 0))
                                     for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def icon_file(images, kind=1, hotspots=None):
    """images: (width, height, bpp, data) entries; kind 1 icon, 2 cursor."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    body = b""
    for i, (w, h, bpp, data) in enumerate(images):
        planes, bits = (1, bpp) if kind == 1 else (hotspots[i] if hotspots else (w // 2, h // 2))
        entries += struct.pack("<BBBBHHII", w & 255, h & 255, 0, 0, planes, bits, len(data),
                               offset + len(body))
        body += data
    return head + entries + body


def checker(x, y):
    return (x // 2 + y // 2) % 2


def main():
    os.makedirs(OUT, exist_ok=True)
    files = {
        "bmp-1bpp-8x2.bmp": plain_bmp(8, 2, 1, checker),
        "bmp-1bpp-13x3.bmp": plain_bmp(13, 3, 1, lambda x, y: (x ^ y) & 1),
        "bmp-4bpp-3x3.bmp": plain_bmp(3, 3, 4, lambda x, y: (x + 3 * y) % 16),
        "bmp-8bpp-5x3.bmp": plain_bmp(5, 3, 8, lambda x, y: x * 50 + y, colors=256),
        "bmp-8bpp-small-palette.bmp": plain_bmp(4, 2, 8, lambda x, y: (x + y) % 4, colors=4),
        "bmp-16bpp-555.bmp": plain_bmp(3, 2, 16, lambda x, y: 0x7C00 >> (5 * x)),
        "bmp-24bpp-3x2.bmp": plain_bmp(3, 2, 24, lambda x, y: 0xFF << (8 * x)),
        "bmp-24bpp-top-down.bmp": plain_bmp(2, 3, 24, lambda x, y: 0x102030 * (y + 1), top_down=True),
        "bmp-32bpp-2x2.bmp": plain_bmp(2, 2, 32, lambda x, y: 0x80FF0000 >> (8 * x + y)),
        "bmp-16bpp-565-bitfields.bmp": bitfields(3, 2, 16, (0xF800, 0x07E0, 0x001F, 0)),
        "bmp-32bpp-bitfields.bmp": bitfields(2, 2, 32, (0x00FF0000, 0x0000FF00, 0x000000FF, 0)),
        "bmp-32bpp-v5-alpha.bmp": bitfields(2, 2, 32, (0x00FF0000, 0x0000FF00, 0x000000FF,
                                                       0xFF000000), alpha=True),
        "bmp-rle8.bmp": rle8(6, 3),
        "bmp-rle4.bmp": rle4(6, 3),
        "bmp-os2-core-8bpp.bmp": core_bmp(3, 2, 8),
        "bmp-os2-core-24bpp.bmp": core_bmp(2, 2, 24),
        "bmp-truncated.bmp": plain_bmp(16, 16, 24, checker)[:80],
        "bmp-huge-claim.bmp": bmp(info_header(100000, 100000, 24, 0, 0, 0), b"", bytes(64)),
        "bmp-zero-width.bmp": bmp(info_header(0, 4, 24, 0, 0, 0), b"", bytes(16)),
        "bmp-bad-offset.bmp": b"BM" + struct.pack("<IHHI", 70, 0, 0, 0xFFFFFF00) +
                              info_header(1, 1, 24) + bytes(4),
        "ico-16x16-32bpp.ico": icon_file([(16, 16, 32, icon_dib(
            16, 16, 32, lambda x, y: ((x * 16) << 24) | (y * 0x100F)))]),
        "ico-2x2-1bpp.ico": icon_file([(2, 2, 1, icon_dib(2, 2, 1, checker))]),
        "ico-4x4-4bpp.ico": icon_file([(4, 4, 4, icon_dib(4, 4, 4, lambda x, y: x + 4 * y))]),
        "ico-3x3-8bpp.ico": icon_file([(3, 3, 8, icon_dib(3, 3, 8, lambda x, y: x * 80 + y))]),
        "ico-3x2-24bpp.ico": icon_file([(3, 2, 24, icon_dib(3, 2, 24, lambda x, y: 0x40 << (8 * x)))]),
        "ico-png-4x3.ico": icon_file([(4, 3, 32, png(4, 3))]),
        "ico-two-sizes.ico": icon_file([(2, 2, 1, icon_dib(2, 2, 1, checker)),
                                        (4, 4, 32, icon_dib(4, 4, 32, lambda x, y: 0xFF00FF00))]),
        "ico-256-claim-truncated.ico": icon_file([(256, 256, 32, info_header(256, 512, 32) + bytes(32))]),
        "ico-entry-past-end.ico": struct.pack("<HHH", 0, 1, 1) +
                                  struct.pack("<BBBBHHII", 8, 8, 0, 0, 1, 32, 4096, 22),
        "ico-no-images.ico": struct.pack("<HHH", 0, 1, 0),
        "cur-32x32-1bpp.cur": icon_file([(32, 32, 1, icon_dib(32, 32, 1, checker))], kind=2,
                                        hotspots=[(3, 5)]),
        "cur-8x8-32bpp.cur": icon_file([(8, 8, 32, icon_dib(8, 8, 32, lambda x, y: 0xFF000000 | x << 16))],
                                       kind=2, hotspots=[(0, 0)]),
        "cur-png-2x2.cur": icon_file([(2, 2, 32, png(2, 2))], kind=2, hotspots=[(1, 1)]),
        "cur-hotspot-outside.cur": icon_file([(4, 4, 4, icon_dib(4, 4, 4, lambda x, y: y))], kind=2,
                                             hotspots=[(900, 900)]),
    }
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
    print(f"{len(files)} files in {OUT}")


if __name__ == "__main__":
    main()
