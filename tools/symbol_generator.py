#!/usr/bin/env python3
"""Generates the program's icon from the game logo: resources/symbol/morvaren-tool-N.png
for N = 16, 24, 32, 48, 64, 128, 256, square, with a transparent background.

The logo's own drawing code (tools/bilder_generator.py) draws the emblem again at each
size, so the large icons are sharp rather than the 102 x 67 picture blown up. From 48 px
on the icon shows the whole emblem with the crossed swords; the smaller ones only the
shield, which would otherwise shrink to a few pixels.

Transparency: every size is drawn twice, on black and on white; where the two differ the
emblem lets the background through. Only the standard library is used and the output is
deterministic, so a rerun reproduces the committed files.

    python3 tools/symbol_generator.py [ZIELORDNER]
"""

import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bilder_generator as bg  # noqa: E402

GROESSEN = (16, 24, 32, 48, 64, 128, 256)

# Square sections of the logo's coordinates (its emblem is centred on x = 51): (left, top, width).
MIT_SCHWERTERN = (51 - 45, 34 - 45, 90)
NUR_SCHILD = (51 - 30, 34 - 30, 60)


class SkalierteLeinwand(bg.Leinwand):
    """A canvas of n x n pixels that shows the section (x0, y0, breite) of the logo."""

    def __init__(self, n, ausschnitt, farbe, ss):
        self.SS = ss
        self.x0, self.y0, breite = ausschnitt
        self.k = n / breite
        super().__init__(n, n, lambda x, y: farbe)

    def shape(self, inside, bbox, farbe, alpha=1.0):
        k, x0, y0 = self.k, self.x0, self.y0
        innen = lambda x, y: inside(x / k + x0, y / k + y0)  # noqa: E731
        f = (lambda x, y: farbe(x / k + x0, y / k + y0)) if callable(farbe) else farbe
        a, b, c, d = bbox
        super().shape(innen, ((a - x0) * k, (b - y0) * k, (c - x0) * k, (d - y0) * k), f, alpha)


def symbol(n):
    ausschnitt = MIT_SCHWERTERN if n >= 48 else NUR_SCHILD
    zeichnen = bg.logo_zeichnen if n >= 48 else bg.schild_zeichnen
    ss = max(2, min(6, 768 // n))
    bilder = []
    for grund in ((0.0, 0.0, 0.0), (255.0, 255.0, 255.0)):
        c = SkalierteLeinwand(n, ausschnitt, grund, ss)
        zeichnen(c, 51)
        bilder.append(c.pixels())
    schwarz, weiss = bilder
    zeilen = []
    for y in range(n):
        zeile = bytearray()
        for x in range(n):
            s, w = schwarz[y][x], weiss[y][x]
            alpha = 1.0 - sum(w[i] - s[i] for i in range(3)) / (3 * 255.0)
            alpha = min(1.0, max(0.0, alpha))
            if alpha < 1.0 / 255:
                zeile += bytes(4)
                continue
            zeile += bytes(bg.clamp(s[i] / alpha) for i in range(3)) + bytes([bg.clamp(alpha * 255)])
        zeilen.append(bytes(zeile))
    return zeilen


def write_png(path, n, zeilen):
    def block(art, daten):
        return struct.pack(">I", len(daten)) + art + daten + struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF)

    roh = b"".join(b"\x00" + z for z in zeilen)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(block(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)))
        f.write(block(b"IDAT", zlib.compress(roh, 9)))
        f.write(block(b"IEND", b""))


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "symbol")
    os.makedirs(ziel, exist_ok=True)
    for n in GROESSEN:
        write_png(os.path.join(ziel, "morvaren-tool-%d.png" % n), n, symbol(n))


if __name__ == "__main__":
    main()
