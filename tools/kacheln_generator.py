#!/usr/bin/env python3
"""Generates the pictures of the map window and the route tab under resources/karte/.

- <Gelaende>N.png / <Gelaende>W.png (30 x 30): the terrain tiles in the normal and the
  winter look (Schnee, Eis and Ozean have only N). Each terrain has its own colour family
  and a pattern that survives shrinking to 4 pixels: Ebene light green, Hochebene ochre
  with contour lines, See mid blue with a shore, Ozean deep navy with wave crests, the
  coasts half sand-fringed land and half ocean.
- Stadt.png (22 x 22): the town symbol, a walled keep with a red roof on transparency.
- UebertragenDunladan/Endurias/Zyrthania.png (24 x 24): the glyphs of the transfer button,
  a send arrow on the colour of the world; KarteAnzeigen.png (24 x 24): a folded map.

Only the standard library is used (PNG written with zlib). Deterministic (fixed seeds).

    python3 tools/kacheln_generator.py [ZIELORDNER]
"""

import math
import os
import random
import struct
import sys
import zlib

S = 30


def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def write_png(path, w, h, px):
    """px: list of rows of (r, g, b, a)."""
    raw = b"".join(b"\x00" + bytes(clamp(c) for p in row for c in p) for row in px)

    def chunk(t, d):
        c = t + d
        return struct.pack(">I", len(d)) + c + struct.pack(">I", zlib.crc32(c) & 0xFFFFFFFF)

    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def noise(seed):
    rnd = random.Random(seed)
    return [[rnd.random() for _ in range(S)] for _ in range(S)]


def shade(c, f):
    return tuple(v * f for v in c)


# ------------------------------------------------------------------ terrains
# Each painter returns a function (x, y) -> (r, g, b) for a 30 x 30 tile.


def ebene(winter):
    n = noise(1)
    base = (222, 232, 226) if winter else (132, 196, 84)
    speck = (190, 205, 200) if winter else (104, 168, 62)
    return lambda x, y: speck if n[y][x] > 0.86 else shade(base, 0.94 + 0.08 * n[x][y])


def hochebene(winter):
    n = noise(2)
    base = (226, 220, 200) if winter else (196, 168, 88)
    line = (176, 166, 140) if winter else (150, 120, 56)

    def f(x, y):
        # contour lines of a plateau: what tells it from the green plain at a glance
        if (y + int(2 * math.sin(x / 4.0))) % 8 == 0:
            return line
        return shade(base, 0.95 + 0.07 * n[y][x])

    return f


def wasser(tiefe, seed, winter=False):
    n = noise(seed)
    if tiefe == "see":
        base = (150, 186, 214) if winter else (70, 140, 214)
        hell = (214, 232, 244) if winter else (140, 196, 240)
    else:
        base = (26, 44, 110)
        hell = (70, 104, 170)

    def f(x, y):
        if tiefe == "see":
            if (x + 2 * y) % 11 == 0 and n[y][x] > 0.35:
                return hell
        else:
            # wave crests: short bright arcs on deep water
            if (y % 7 == 3 and (x + (y // 7) * 4) % 10 < 4) or (y % 7 == 2 and (x + (y // 7) * 4) % 10 == 4):
                return hell
        return shade(base, 0.95 + 0.08 * n[y][x])

    return f


def see(winter):
    inner = wasser("see", 3, winter)
    shore = (200, 214, 206) if winter else (210, 196, 130)
    land = ebene(winter)

    def f(x, y):
        d = math.hypot(x - 14.5, y - 14.5)
        if d > 15.5:
            return land(x, y)
        if d > 13.5:
            return shore
        return inner(x, y)

    return f


def wald(winter):
    n = noise(4)
    ground = (206, 216, 210) if winter else (62, 120, 46)
    crown = (40, 92, 56) if winter else (26, 78, 26)
    snow = (240, 244, 248)
    trees = [(5, 6), (15, 4), (25, 7), (9, 15), (20, 16), (4, 24), (14, 25), (25, 24)]

    def f(x, y):
        for tx, ty in trees:
            d = math.hypot(x - tx, y - ty)
            if d < 4.2:
                if winter and y < ty - 1:
                    return snow
                return shade(crown, 0.85 + 0.3 * (1 - d / 4.2))
        return shade(ground, 0.92 + 0.1 * n[y][x])

    return f


def sumpf(winter):
    n = noise(5)
    ground = (196, 200, 186) if winter else (104, 112, 58)
    pool = (150, 176, 186) if winter else (64, 92, 78)
    reed = (120, 110, 80) if winter else (58, 70, 26)

    def f(x, y):
        if n[y][x] > 0.9 and y % 3 != 0:
            return reed
        if math.sin(x / 3.2) * math.cos(y / 2.7) > 0.55:
            return pool
        return shade(ground, 0.93 + 0.1 * n[x][y])

    return f


def berge(hoch, winter):
    n = noise(6 if hoch else 7)
    if hoch:
        fels, dunkel, schnee = (150, 150, 156), (96, 96, 104), (250, 250, 252)
        grund = (216, 220, 226) if winter else (170, 166, 156)
        peaks = [(15, 3, 14, 27)]
    else:
        fels, dunkel, schnee = (152, 122, 90), (110, 84, 60), (244, 244, 248)
        grund = (218, 218, 212) if winter else (176, 160, 110)
        peaks = [(9, 9, 8, 25), (21, 11, 8, 27)]

    def f(x, y):
        for px, top, half, foot in peaks:
            if top <= y <= foot:
                w = half * (y - top) / (foot - top)
                if abs(x - px) <= w:
                    cap = top + (foot - top) * (0.45 if hoch else 0.25)
                    if y < cap and (hoch or winter):
                        return schnee
                    return dunkel if x > px else fels
        return shade(grund, 0.94 + 0.08 * n[y][x])

    return f


def schnee(_winter):
    n = noise(8)
    return lambda x, y: (182, 204, 230) if (x * 3 + y * 5) % 17 == 0 else shade((244, 246, 252), 0.97 + 0.03 * n[y][x])


def eis(_winter):
    n = noise(9)

    def f(x, y):
        # cracks across pale blue ice
        if abs(y - (0.6 * x + 6)) < 0.6 or abs(y - (26 - 0.9 * x)) < 0.6 or abs(x - 20 - 0.2 * y) < 0.5:
            return (120, 170, 200)
        return shade((196, 232, 244), 0.96 + 0.05 * n[y][x])

    return f


def wueste(winter):
    n = noise(10)
    base = (236, 226, 196) if winter else (232, 200, 120)
    dune = (212, 200, 170) if winter else (200, 160, 84)
    return lambda x, y: dune if (y + int(3 * math.sin(x / 3.0))) % 9 in (0, 1) else shade(base, 0.96 + 0.06 * n[y][x])


SEITE = {1: (0, -1), 2: (1, 0), 3: (0, 1), 4: (-1, 0)}  # N, E, S, W
ECKE = {1: ((0, -1), (1, 0)), 2: ((1, 0), (0, 1)), 3: ((0, 1), (-1, 0)), 4: ((0, -1), (-1, 0))}
DIAGONALE = {1: (1, -1), 2: (1, 1), 3: (-1, 1), 4: (-1, -1)}  # NE, SE, SW, NW


def kueste(art, nr, winter):
    """A land field touching the ocean, as the map generator names them: '' water on one
    side (1 N, 2 E, 3 S, 4 W); 'A' outer corner, water on two sides (1 NE, 2 SE, 3 SW,
    4 NW); 'B' inner corner, water only in the diagonal corner (same order)."""
    land = ebene(winter)
    meer = wasser("meer", 11 + nr)
    sand = (226, 226, 220) if winter else (236, 214, 150)
    brandung = (200, 220, 236)
    m = (S - 1) / 2.0

    def tiefe(x, y):
        """> 0 in the water, < 0 on land."""
        if art == "":
            dx, dy = SEITE[nr]
            quer = x * dy + y * dx
            return (x - m) * dx + (y - m) * dy - 8.5 - 1.2 * math.sin(quer / 4.0)
        if art == "A":
            (ax, ay), (bx, by) = ECKE[nr]
            ox, oy = m - (ax + bx) * m, m - (ay + by) * m  # the land-side corner
            return math.hypot(x - ox, y - oy) - 23.5
        cx, cy = DIAGONALE[nr]
        return 10.0 - math.hypot(x - (m + cx * m), y - (m + cy * m))

    def f(x, y):
        w = tiefe(x, y)
        if w > 1.0:
            return meer(x, y)
        if w > 0.0:
            return brandung
        if w > -3.0:
            return sand
        return land(x, y)

    return f


SLOTS = [
    ("Ebene", ebene, True),
    ("Hochebene", hochebene, True),
    ("See", see, True),
    ("Wald", wald, True),
    ("Sumpf", sumpf, True),
    ("Gebirge", lambda w: berge(False, w), True),
    ("Hochgebirge", lambda w: berge(True, w), True),
    ("Schnee", schnee, False),
    ("Eis", eis, False),
    ("Wueste", wueste, True),
    ("Ozean", lambda w: wasser("meer", 11), False),
]
for art in ("", "A", "B"):
    for nr in range(1, 5):
        SLOTS.append(("Kueste%s%d" % (art, nr), (lambda a, n: lambda w: kueste(a, n, w))(art, nr), True))


def tile(painter):
    return [[tuple(painter(x, y)) + (255,) for x in range(S)] for y in range(S)]


# ------------------------------------------------------------------ symbols


def stadt():
    w = 22
    px = [[(0, 0, 0, 0)] * w for _ in range(w)]

    def put(x, y, c):
        if 0 <= x < w and 0 <= y < w:
            px[y][x] = c + (255,)

    wall, dark, roof, gate = (226, 218, 196), (60, 48, 36), (196, 40, 32), (70, 52, 34)
    for y in range(9, 21):
        for x in range(2, 20):
            edge = x in (2, 19) or y in (9, 20)
            put(x, y, dark if edge else wall)
    for x in range(2, 20, 3):  # battlements
        for y in range(6, 9):
            put(x, y, dark if y == 6 or x in (2,) else wall)
            put(x + 1, y, dark)
    for y in range(1, 8):  # roof of the keep
        half = y
        for x in range(11 - half, 11 + half):
            put(x, y + 1, dark if x in (11 - half, 11 + half - 1) else roof)
    for y in range(14, 21):  # gate
        for x in range(9, 13):
            put(x, y, gate)
    return px


def glyph(farbe, pfeil=True):
    w = 24
    px = [[(0, 0, 0, 0)] * w for _ in range(w)]
    for y in range(w):
        for x in range(w):
            d = math.hypot(x - 11.5, y - 11.5)
            if d <= 11:
                c = mix(farbe, (255, 255, 255), 0.25) if d < 9.5 else shade(farbe, 0.6)
                px[y][x] = tuple(c) + (255,)
    if pfeil:
        for y in range(w):
            for x in range(w):
                if (6 <= x <= 12 and 10 <= y <= 13) or (12 <= x <= 18 and abs(y - 11.5) <= 18 - x):
                    px[y][x] = (255, 255, 255, 255)
    return px


def karte_glyph():
    w = 24
    px = [[(0, 0, 0, 0)] * w for _ in range(w)]
    for y in range(3, 21):
        for x in range(2, 22):
            fold = (x - 2) // 7
            c = [(238, 224, 180), (214, 198, 150), (238, 224, 180)][min(fold, 2)]
            if x in (2, 21) or y in (3, 20):
                c = (110, 90, 50)
            elif abs(y - (12 + 4 * math.sin(x / 3.0))) < 0.8:
                c = (200, 30, 30)
            px[y][x] = c + (255,)
    return px


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "karte")
    os.makedirs(ziel, exist_ok=True)
    for name, painter, winter in SLOTS:
        write_png(os.path.join(ziel, name + "N.png"), S, S, tile(painter(False)))
        if winter:
            write_png(os.path.join(ziel, name + "W.png"), S, S, tile(painter(True)))
    write_png(os.path.join(ziel, "Stadt.png"), 22, 22, stadt())
    for welt, farbe in (("Dunladan", (46, 120, 54)), ("Endurias", (170, 50, 40)), ("Zyrthania", (44, 84, 170))):
        write_png(os.path.join(ziel, "Uebertragen%s.png" % welt), 24, 24, glyph(farbe))
    write_png(os.path.join(ziel, "KarteAnzeigen.png"), 24, 24, karte_glyph())


if __name__ == "__main__":
    main()
