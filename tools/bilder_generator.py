#!/usr/bin/env python3
"""Generates the three JPEG pictures of the program under resources/bilder/.

- Hintergrund.jpg (1024 x 200): calm parchment, tiles seamlessly in both directions,
  because the windows draw it at y = 0, 200, 400 ... and at x = 0 and 1024.
- Logo.jpg (102 x 67): the tool's emblem, a shield with a crowned "M" and two crossed swords.
- Hadrik.jpg (102 x 102): the author's portrait, a bearded adventurer with a hood.

Only the standard library is used: the pictures are written as PPM and converted with
cjpeg (Debian package libjpeg-turbo-progs). Everything is deterministic (fixed seeds),
so a rerun reproduces the committed files.

    python3 tools/bilder_generator.py [ZIELORDNER]
"""

import math
import os
import random
import subprocess
import sys
import tempfile

# ---------------------------------------------------------------- helpers


def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smooth(t):
    return t * t * (3 - 2 * t)


def write_jpeg(path, width, height, pixels, quality):
    """pixels: list of rows of (r, g, b) floats."""
    with tempfile.NamedTemporaryFile(suffix=".ppm", delete=False) as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height))
        f.write(bytes(clamp(c) for row in pixels for px in row for c in px))
        ppm = f.name
    try:
        with open(path, "wb") as out:
            subprocess.run(
                ["cjpeg", "-quality", str(quality), "-optimize", "-sample", "1x1", ppm],
                stdout=out,
                check=True,
            )
    finally:
        os.unlink(ppm)


# ------------------------------------------------------- tiling background


class PeriodicNoise:
    """Value noise on a lattice that wraps around, so the picture tiles seamlessly."""

    def __init__(self, cells_x, cells_y, rng):
        self.cx, self.cy = cells_x, cells_y
        self.v = [[rng.random() for _ in range(cells_x)] for _ in range(cells_y)]

    def at(self, u, v):
        # u, v in [0, 1): position in the tile
        x, y = u * self.cx, v * self.cy
        x0, y0 = int(x), int(y)
        fx, fy = smooth(x - x0), smooth(y - y0)
        x0 %= self.cx
        y0 %= self.cy
        x1, y1 = (x0 + 1) % self.cx, (y0 + 1) % self.cy
        a = self.v[y0][x0] + (self.v[y0][x1] - self.v[y0][x0]) * fx
        b = self.v[y1][x0] + (self.v[y1][x1] - self.v[y1][x0]) * fx
        return a + (b - a) * fy


def hintergrund(width=1024, height=200):
    rng = random.Random(1813)
    # Cell counts divide the tile evenly, so every octave wraps at the tile's edges.
    oktaven = [
        (PeriodicNoise(8, 2, rng), 0.45),
        (PeriodicNoise(32, 6, rng), 0.25),
        (PeriodicNoise(128, 25, rng), 0.17),
        (PeriodicNoise(256, 50, rng), 0.13),
    ]
    # Long horizontal fibres: noise stretched along x.
    fasern = PeriodicNoise(16, 100, rng)
    hell = (243, 236, 216)
    dunkel = (224, 211, 180)
    rows = []
    for y in range(height):
        v = y / height
        row = []
        for x in range(width):
            u = x / width
            n = sum(o.at(u, v) * w for o, w in oktaven)
            n = (n - 0.5) * 1.6 + 0.5  # a little more contrast, still calm
            f = fasern.at(u, v)
            n += (f - 0.5) * 0.12
            n = min(1.0, max(0.0, n))
            c = mix(hell, dunkel, n)
            k = (rng.random() - 0.5) * 3.0  # paper grain
            row.append((c[0] + k, c[1] + k, c[2] + k * 0.8))
        rows.append(row)
    return rows


# ---------------------------------------------------------- vector drawing


def poly_inside(pts, x, y):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


class Leinwand:
    """Supersampled canvas: every shape is tested on SS x SS points per pixel."""

    SS = 4

    def __init__(self, w, h, hintergrund_fn):
        self.w, self.h = w, h
        s = self.SS
        self.px = [[hintergrund_fn(x / s, y / s) for x in range(w * s)] for y in range(h * s)]

    def shape(self, inside, bbox, farbe, alpha=1.0):
        s = self.SS
        x0, y0, x1, y1 = bbox
        for sy in range(max(0, int(y0 * s)), min(self.h * s, int(math.ceil(y1 * s)) + 1)):
            y = (sy + 0.5) / s
            row = self.px[sy]
            for sx in range(max(0, int(x0 * s)), min(self.w * s, int(math.ceil(x1 * s)) + 1)):
                x = (sx + 0.5) / s
                if inside(x, y):
                    f = farbe(x, y) if callable(farbe) else farbe
                    row[sx] = mix(row[sx], f, alpha) if alpha < 1 else f

    def polygon(self, pts, farbe, alpha=1.0):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.shape(lambda x, y: poly_inside(pts, x, y), (min(xs), min(ys), max(xs), max(ys)), farbe, alpha)

    def ellipse(self, cx, cy, rx, ry, farbe, alpha=1.0):
        self.shape(
            lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
            (cx - rx, cy - ry, cx + rx, cy + ry),
            farbe,
            alpha,
        )

    def linie(self, a, b, breite, farbe, alpha=1.0):
        (ax, ay), (bx, by) = a, b
        dx, dy = bx - ax, by - ay
        n = math.hypot(dx, dy) or 1.0
        ox, oy = -dy / n * breite / 2, dx / n * breite / 2
        self.polygon([(ax + ox, ay + oy), (bx + ox, by + oy), (bx - ox, by - oy), (ax - ox, ay - oy)], farbe, alpha)

    def pixels(self):
        s = self.SS
        out = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r = g = b = 0.0
                for sy in range(y * s, y * s + s):
                    for sx in range(x * s, x * s + s):
                        p = self.px[sy][sx]
                        r += p[0]
                        g += p[1]
                        b += p[2]
                k = s * s
                row.append((r / k, g / k, b / k))
            out.append(row)
        return out


def versetzt(pts, dx, dy, k=1.0, cx=0.0, cy=0.0):
    return [(cx + (x - cx) * k + dx, cy + (y - cy) * k + dy) for x, y in pts]


# ------------------------------------------------------------------- logo

GOLD = (214, 170, 64)
GOLD_DUNKEL = (150, 108, 30)
ROT = (128, 24, 28)
ROT_DUNKEL = (84, 14, 18)
STAHL = (196, 202, 210)
STAHL_DUNKEL = (110, 116, 126)
PERGAMENT = (244, 237, 219)


def schild(cx, top, w, h):
    """Heater shield outline: straight top, sides curving into a point."""
    pts = []
    hw = w / 2
    pts.append((cx - hw, top))
    pts.append((cx + hw, top))
    for i in range(1, 21):
        t = i / 20
        # right side: straight for 40 %, then a curve to the point
        y = top + h * t
        x = cx + hw * (1 - max(0.0, (t - 0.35) / 0.65) ** 1.8)
        pts.append((x, y))
    for i in range(19, 0, -1):
        t = i / 20
        y = top + h * t
        x = cx - hw * (1 - max(0.0, (t - 0.35) / 0.65) ** 1.8)
        pts.append((x, y))
    return pts


def schwert(c, spitze, knauf, klinge):
    """A sword from pommel to tip, drawn with blade, guard, grip and pommel."""
    (px, py), (kx, ky) = spitze, knauf
    dx, dy = px - kx, py - ky
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    vx, vy = -uy, ux
    griff_ende = (kx + ux * 10, ky + uy * 10)
    parier = (kx + ux * 11.5, ky + uy * 11.5)
    # blade with a pointed tip
    b0 = (parier[0] + ux * 1, parier[1] + uy * 1)
    bt = (px - ux * 5, py - uy * 5)
    hb = klinge / 2
    blade = [
        (b0[0] + vx * hb, b0[1] + vy * hb),
        (bt[0] + vx * hb, bt[1] + vy * hb),
        (px, py),
        (bt[0] - vx * hb, bt[1] - vy * hb),
        (b0[0] - vx * hb, b0[1] - vy * hb),
    ]
    c.polygon(versetzt(blade, 0.6, 0.8), (60, 40, 20), 0.35)
    c.polygon(blade, STAHL)
    c.linie(b0, bt, 0.7, STAHL_DUNKEL)
    c.linie((parier[0] + vx * 7, parier[1] + vy * 7), (parier[0] - vx * 7, parier[1] - vy * 7), 2.6, GOLD_DUNKEL)
    c.linie((parier[0] + vx * 6.5, parier[1] + vy * 6.5), (parier[0] - vx * 6.5, parier[1] - vy * 6.5), 1.6, GOLD)
    c.linie((kx, ky), griff_ende, 2.6, (92, 52, 26))
    c.ellipse(kx, ky, 2.2, 2.2, GOLD_DUNKEL)
    c.ellipse(kx, ky, 1.5, 1.5, GOLD)


def buchstabe_m(cx, top, h, w):
    """A blocky serif "M" as one polygon."""
    s = w / 2
    st = w * 0.2  # stem width
    mt = h * 0.62  # depth of the middle notch
    return [
        (cx - s, top + h),
        (cx - s, top),
        (cx - s + st, top),
        (cx, top + mt - h * 0.14),
        (cx + s - st, top),
        (cx + s, top),
        (cx + s, top + h),
        (cx + s - st, top + h),
        (cx + s - st, top + h * 0.33),
        (cx, top + mt + h * 0.12),
        (cx - s + st, top + h * 0.33),
        (cx - s + st, top + h),
    ]


def logo_zeichnen(c, cx):
    """The emblem on canvas c, centred on x = cx; the shield spans y 6 to 62, the swords
    reach 42 to either side. tools/symbol_generator.py draws the program's icon with it."""
    # crossed swords behind the shield
    schwert(c, (cx + 40, 6), (cx - 30, 62), 3.4)
    schwert(c, (cx - 40, 6), (cx + 30, 62), 3.4)
    schild_zeichnen(c, cx)


def schild_zeichnen(c, cx):
    """The shield with the crowned "M" and the star, without the swords."""
    # shield: shadow, gold rim, red field with a subtle light from the top left
    sh = schild(cx, 6, 46, 56)
    c.polygon(versetzt(sh, 1.3, 1.6), (60, 35, 20), 0.4)
    c.polygon(sh, GOLD_DUNKEL)
    inner = schild(cx, 7.6, 42.5, 52.5)
    c.polygon(inner, GOLD)
    field = schild(cx, 9.4, 38.6, 48.5)
    c.polygon(field, lambda x, y: mix(ROT, ROT_DUNKEL, min(1.0, max(0.0, (x - cx + 20) / 50 + (y - 10) / 70))))
    # a thin gold line inside the field
    c.polygon(schild(cx, 11.6, 34, 44), GOLD_DUNKEL, 0.55)
    c.polygon(schild(cx, 12.4, 32.4, 42.4), lambda x, y: mix(ROT, ROT_DUNKEL, min(1.0, max(0.0, (x - cx + 20) / 50 + (y - 10) / 70))))
    # the M with a dark edge
    m = buchstabe_m(cx, 20, 21, 22)
    c.polygon(versetzt(m, 0.7, 0.9), ROT_DUNKEL)
    c.polygon(m, lambda x, y: mix((246, 214, 120), GOLD, min(1.0, (y - 20) / 21)))
    # small crown of three points above the M
    krone = [(cx - 8, 18), (cx - 8, 14.2), (cx - 5, 16.2), (cx, 12.4), (cx + 5, 16.2), (cx + 8, 14.2), (cx + 8, 18)]
    c.polygon(krone, GOLD)
    for px in (cx - 8, cx, cx + 8):
        c.ellipse(px, 13.4 if px == cx else 14.2, 1.1, 1.1, (246, 222, 140))
    # star below the M
    stern = []
    for i in range(10):
        r = 3.2 if i % 2 == 0 else 1.3
        a = -math.pi / 2 + i * math.pi / 5
        stern.append((cx + r * math.cos(a), 47 + r * math.sin(a)))
    c.polygon(stern, GOLD)


def logo(width=102, height=67):
    def bg(x, y):
        # soft vignette on parchment
        d = math.hypot((x - width / 2) / (width / 2), (y - height / 2) / (height / 2))
        return mix(PERGAMENT, (222, 206, 170), min(1.0, max(0.0, d - 0.35)) * 0.9)

    c = Leinwand(width, height, bg)
    logo_zeichnen(c, width / 2)
    return c.pixels()


# --------------------------------------------------------------- portrait


def hadrik(size=102):
    def bg(x, y):
        # warm lamp light behind the head
        d = math.hypot(x - size * 0.45, y - size * 0.35) / size
        return mix((236, 214, 170), (120, 84, 52), min(1.0, d * 1.35))

    c = Leinwand(size, size, bg)
    cx = size / 2
    haut = (232, 188, 150)
    haut_schatten = (196, 146, 110)
    bart = (156, 92, 44)
    bart_dunkel = (112, 62, 28)
    umhang = (46, 86, 72)
    umhang_dunkel = (28, 56, 46)
    # shoulders and cloak
    c.ellipse(cx, size + 8, 52, 44, umhang_dunkel)
    c.ellipse(cx, size + 10, 46, 40, umhang)
    # hood behind the head
    c.ellipse(cx, 44, 30, 34, umhang_dunkel)
    # neck
    c.polygon([(cx - 9, 60), (cx + 9, 60), (cx + 11, 80), (cx - 11, 80)], haut_schatten)
    # face
    c.ellipse(cx, 45, 19, 23, haut)
    c.ellipse(cx + 8, 47, 9, 16, haut_schatten, 0.35)
    # ears
    c.ellipse(cx - 19, 47, 3.5, 6, haut_schatten)
    c.ellipse(cx + 19, 47, 3.5, 6, haut_schatten)
    # beard: a broad rounded shape covering the jaw, with a parting for the mouth
    barttropfen = []
    for i in range(41):
        t = math.pi * i / 40  # lower arc, right to left
        barttropfen.append((cx + math.cos(t) * 20.5, 47 + math.sin(t) * 31 * (0.75 + 0.25 * math.sin(t))))
    # upper edge: up the cheeks, leaving them free, and round the mouth
    barttropfen += [(cx - 19.5, 44), (cx - 13, 51), (cx - 6, 53), (cx + 6, 53), (cx + 13, 51), (cx + 19.5, 44)]
    c.polygon(barttropfen, lambda x, y: mix(bart, bart_dunkel, min(1.0, max(0.0, (y - 50) / 40))))
    # strands of the beard
    for i in range(-3, 4):
        c.linie((cx + i * 5, 58), (cx + i * 4.2, 78 - abs(i) * 2.5), 0.8, bart_dunkel, 0.7)
    # moustache and mouth
    c.polygon([(cx - 12, 56), (cx - 2, 52.5), (cx, 54), (cx + 2, 52.5), (cx + 12, 56), (cx + 6, 57.5), (cx, 56), (cx - 6, 57.5)], bart_dunkel)
    c.ellipse(cx, 59, 4.5, 1.6, (120, 54, 44))
    # nose
    c.polygon([(cx - 1.5, 41), (cx + 1.5, 41), (cx + 4, 51), (cx, 52.5), (cx - 4, 51)], haut_schatten)
    # eyes and brows
    for s in (-1, 1):
        ex = cx + s * 8
        c.ellipse(ex, 42, 3.6, 2.2, (250, 248, 240))
        c.ellipse(ex, 42, 1.8, 1.9, (60, 88, 110))
        c.ellipse(ex, 42, 0.8, 0.8, (20, 20, 24))
        c.linie((ex - 4.5, 37.5 - s * 0.3), (ex + 4.5, 37.5 + s * 0.3), 2.0, bart_dunkel)
    # hood rim over the forehead
    kapuze = []
    for i in range(31):
        t = math.pi + math.pi * i / 30
        kapuze.append((cx + math.cos(t) * 27, 42 + math.sin(t) * 31))
    for i in range(30, -1, -1):
        t = math.pi + math.pi * i / 30
        kapuze.append((cx + math.cos(t) * 19.5, 38 + math.sin(t) * 20))
    c.polygon(kapuze, umhang)
    c.linie((cx - 27, 42), (cx - 19.5, 38), 1.0, umhang)
    # clasp of the cloak
    c.ellipse(cx, 86, 4.2, 4.2, GOLD_DUNKEL)
    c.ellipse(cx, 86, 3.0, 3.0, GOLD)
    return c.pixels()


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "bilder")
    os.makedirs(ziel, exist_ok=True)
    write_jpeg(os.path.join(ziel, "Hintergrund.jpg"), 1024, 200, hintergrund(), 90)
    write_jpeg(os.path.join(ziel, "Logo.jpg"), 102, 67, logo(), 95)
    write_jpeg(os.path.join(ziel, "Hadrik.jpg"), 102, 102, hadrik(), 95)


if __name__ == "__main__":
    main()
