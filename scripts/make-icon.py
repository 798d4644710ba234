#!/usr/bin/env python3
"""Draws Ostra's icon from one shape description: an SVG and PNGs of 16 to 256 px.

The icon is a rounded blue tile with a white "</>" in strokes. Run it after a
change to the shapes below; the output goes to resources/icons/.
"""
import os
import struct
import zlib

SIZE = 64.0  # design units of the shapes below
TILE = dict(x=2, y=2, w=60, h=60, r=12)
TILE_TOP, TILE_BOTTOM = (0x3A, 0x7B, 0xD5), (0x1F, 0x4E, 0x9A)
STROKE = 6.0
# Polylines in design units: "<", "/" and ">".
STROKES = [
    [(22, 20), (10, 32), (22, 44)],
    [(37, 16), (27, 48)],
    [(42, 20), (54, 32), (42, 44)],
]


def inside_tile(x, y):
    t = TILE
    cx = min(max(x, t["x"] + t["r"]), t["x"] + t["w"] - t["r"])
    cy = min(max(y, t["y"] + t["r"]), t["y"] + t["h"] - t["r"])
    return (x - cx) ** 2 + (y - cy) ** 2 <= t["r"] ** 2


def near_stroke(x, y):
    half = STROKE / 2
    for line in STROKES:
        for (ax, ay), (bx, by) in zip(line, line[1:]):
            dx, dy = bx - ax, by - ay
            u = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if (x - ax - u * dx) ** 2 + (y - ay - u * dy) ** 2 <= half * half:
                return True
    return False


def render(px):
    samples = 4
    rows = []
    for j in range(px):
        row = bytearray([0])
        for i in range(px):
            tile = white = 0
            for sj in range(samples):
                for si in range(samples):
                    x = (i + (si + 0.5) / samples) * SIZE / px
                    y = (j + (sj + 0.5) / samples) * SIZE / px
                    if inside_tile(x, y):
                        tile += 1
                        white += near_stroke(x, y)
            n = samples * samples
            f = (j + 0.5) / px
            base = [round(a + (b - a) * f) for a, b in zip(TILE_TOP, TILE_BOTTOM)]
            if tile:
                w = white / tile
                rgb = [round(c + (255 - c) * w) for c in base]
            else:
                rgb = [0, 0, 0]
            row += bytes(rgb + [round(255 * tile / n)])
        rows.append(bytes(row))
    return png(px, px, b"".join(rows))


def png(w, h, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    t = TILE
    hexes = ["#%02x%02x%02x" % c for c in (TILE_TOP, TILE_BOTTOM)]
    lines = "".join(
        '<polyline points="%s"/>' % " ".join("%g,%g" % p for p in line) for line in STROKES)
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">'
        '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        '</linearGradient></defs>'
        '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="url(#g)"/>'
        '<g fill="none" stroke="#ffffff" stroke-width="%g" stroke-linecap="round" '
        'stroke-linejoin="round">%s</g></svg>\n'
        % (hexes[0], hexes[1], t["x"], t["y"], t["w"], t["h"], t["r"], STROKE, lines))


def main():
    out = os.path.join(os.path.dirname(__file__), "..", "resources", "icons")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "ostra.svg"), "w") as f:
        f.write(svg())
    for px in (16, 24, 32, 48, 64, 128, 256):
        with open(os.path.join(out, "ostra-%d.png" % px), "wb") as f:
            f.write(render(px))


if __name__ == "__main__":
    main()
