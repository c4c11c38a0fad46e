#!/usr/bin/env python3
"""Draws the about-box picture SABOUT.LGO: a night sky with the twelve palaces as a
ring of lights around a purple star. Written as a 24-bit bottom-up bitmap file
(14-byte file header, 40-byte information header, pixel rows, no colour table).

    tools/logo/make_logo.py resources/SABOUT.LGO
"""
import math
import struct
import sys

W, H = 480, 300


def star_inside(x, y, cx, cy, r_out, r_in, points=5):
    """True when (x, y) lies inside a regular star polygon."""
    verts = []
    for k in range(points * 2):
        r = r_out if k % 2 == 0 else r_in
        a = -math.pi / 2 + k * math.pi / points
        verts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    inside = False
    j = len(verts) - 1
    for i in range(len(verts)):
        xi, yi = verts[i]
        xj, yj = verts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def pixel(x, y):
    # Sky: deep blue at the top to violet at the bottom.
    t = y / (H - 1)
    r, g, b = 12 + 40 * t, 16 + 10 * t, 60 + 50 * t
    cx, cy = W / 2, 110
    d = math.hypot(x - cx, y - cy)
    # A soft glow around the centre.
    glow = max(0.0, 1 - d / 120)
    r, g, b = r + 90 * glow ** 2, g + 40 * glow ** 2, b + 120 * glow ** 2
    # The ring of twelve palaces.
    for k in range(12):
        a = k * math.pi / 6
        px, py = cx + 85 * math.cos(a), cy + 85 * math.sin(a)
        dd = math.hypot(x - px, y - py)
        if dd < 6:
            r, g, b = 250, 225, 150
        elif dd < 10:
            f = (10 - dd) / 4
            r, g, b = r + 120 * f, g + 100 * f, b + 60 * f
    if 84 <= d <= 86:
        r, g, b = r + 40, g + 40, b + 60
    # The purple star in the middle.
    if star_inside(x, y, cx, cy, 46, 19):
        r, g, b = 175, 95, 230
        if star_inside(x, y, cx, cy, 30, 12):
            r, g, b = 215, 160, 255
    # A few fixed background stars.
    for sx, sy in ((40, 30), (420, 50), (90, 230), (380, 250), (450, 150), (25, 140), (300, 20)):
        if abs(x - sx) + abs(y - sy) <= 1:
            r, g, b = 230, 230, 255
    return tuple(int(max(0, min(255, v))) for v in (b, g, r))


def main(path):
    stride = (W * 3 + 3) // 4 * 4
    rows = []
    for y in range(H - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(W):
            row += bytes(pixel(x, y))
        row += b"\0" * (stride - W * 3)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "SABOUT.LGO")
