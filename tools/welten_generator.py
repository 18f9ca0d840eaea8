#!/usr/bin/env python3
"""Generates the built-in world data of the route planner.

Writes, under resources/welten/, the map texts and town lists of Dunladan, Endurias
and Zyrthania, and under docs/welten/ one PNG picture of each world for review.
Python 3 standard library only; the output depends on nothing but the seeds below,
so running it again reproduces the committed files byte for byte.

    python3 tools/welten_generator.py [repository root]
"""

import math
import os
import random
import struct
import sys
import zlib

# ---------------------------------------------------------------------------
# Noise


class Rauschen:
    """Value noise on a lattice, smoothly interpolated, summed over octaves."""

    def __init__(self, seed, groesse=256):
        r = random.Random(seed)
        self.n = groesse
        self.werte = [r.random() for _ in range(groesse * groesse)]

    def _gitter(self, i, j):
        return self.werte[(j % self.n) * self.n + (i % self.n)]

    def wert(self, x, y):
        i, j = math.floor(x), math.floor(y)
        fx, fy = x - i, y - j
        sx = fx * fx * (3 - 2 * fx)
        sy = fy * fy * (3 - 2 * fy)
        a = self._gitter(i, j) + (self._gitter(i + 1, j) - self._gitter(i, j)) * sx
        b = self._gitter(i, j + 1) + (self._gitter(i + 1, j + 1) - self._gitter(i, j + 1)) * sx
        return a + (b - a) * sy

    def fbm(self, x, y, skala, oktaven=5):
        summe, amp, norm, f = 0.0, 1.0, 0.0, 1.0 / skala
        for o in range(oktaven):
            summe += amp * self.wert(x * f + o * 17.3, y * f + o * 31.7)
            norm += amp
            amp *= 0.5
            f *= 2.0
        return summe / norm

    def grat(self, x, y, skala, oktaven=4):
        """Ridged noise: high along thin lines, for mountain ranges."""
        summe, amp, norm, f = 0.0, 1.0, 0.0, 1.0 / skala
        for o in range(oktaven):
            v = 1.0 - abs(2.0 * self.wert(x * f + o * 11.1, y * f + o * 5.9) - 1.0)
            summe += amp * v * v
            norm += amp
            amp *= 0.5
            f *= 2.0
        return summe / norm


def quantil(werte, anteil):
    s = sorted(werte)
    k = min(len(s) - 1, max(0, int(anteil * len(s))))
    return s[k]


NACHBARN8 = [(0, -1), (1, -1), (1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1)]
NACHBARN4 = [(0, -1), (1, 0), (0, 1), (-1, 0)]

# ---------------------------------------------------------------------------
# Terrain


class Welt:
    def __init__(self, name, groesse):
        self.name = name
        self.n = groesse
        self.feld = [["P"] * groesse for _ in range(groesse)]  # feld[y][x], 0-based

    def innen(self, x, y):
        return 0 <= x < self.n and 0 <= y < self.n


def hoehen_feld(n, rauschen, skala, buckel=(), rand_abfall=0.0):
    """Elevation 0..1 with optional bumps (x, y, radius, height) and an edge fall-off."""
    h = [[0.0] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            v = rauschen.fbm(x, y, skala)
            for bx, by, br, bh in buckel:
                d2 = ((x - bx) ** 2 + (y - by) ** 2) / (br * br)
                v += bh * math.exp(-d2)
            if rand_abfall:
                d = min(x, y, n - 1 - x, n - 1 - y) / (n * 0.5)
                v -= rand_abfall * max(0.0, 1.0 - d * 3.2) ** 2
            h[y][x] = v
    return h


def fluesse_ziehen(welt, h, r, anzahl, ist_wasser, max_laenge=400):
    """Rivers run downhill from sources in the highlands, spaced apart, until they reach
    water, the map edge or another river; they become See fields. A river that ends in
    a hollow fills it with a small lake."""
    n = welt.n
    quellen = [(x, y) for y in range(3, n - 3) for x in range(3, n - 3) if welt.feld[y][x] in "HR"]
    r.shuffle(quellen)
    gewaehlt = []
    for x, y in quellen:
        if len(gewaehlt) >= anzahl:
            break
        if all(max(abs(x - a), abs(y - b)) >= n // 6 for a, b in gewaehlt):
            gewaehlt.append((x, y))
    # distance of every field to the nearest water or map edge: rivers always find an end
    abstand = [[10 ** 6] * n for _ in range(n)]
    schlange = []
    for y in range(n):
        for x in range(n):
            if ist_wasser(welt.feld[y][x]) or min(x, y, n - 1 - x, n - 1 - y) == 0:
                abstand[y][x] = 0
                schlange.append((x, y))
    kopf = 0
    while kopf < len(schlange):
        x, y = schlange[kopf]
        kopf += 1
        for dx, dy in NACHBARN4:
            nx, ny = x + dx, y + dy
            if welt.innen(nx, ny) and abstand[ny][nx] > abstand[y][x] + 1:
                abstand[ny][nx] = abstand[y][x] + 1
                schlange.append((nx, ny))
    for x, y in gewaehlt:
        weg = [(x, y)]
        besucht = {(x, y)}
        cx, cy = x, y
        ziel = False
        for _ in range(max_laenge):
            if abstand[cy][cx] == 0:
                ziel = True
                break
            kandidaten = []
            for dx, dy in NACHBARN4:
                nx, ny = cx + dx, cy + dy
                if (nx, ny) not in besucht and abstand[ny][nx] <= abstand[cy][cx]:
                    # downhill where the land falls, meandering a little, but always on
                    kandidaten.append((abstand[ny][nx] * 0.02 + h[ny][nx] + r.random() * 0.03, nx, ny))
            if not kandidaten:
                break
            _, cx, cy = min(kandidaten)
            if ist_wasser(welt.feld[cy][cx]):
                ziel = True
                break
            weg.append((cx, cy))
            besucht.add((cx, cy))
        if len(weg) < 10:
            continue
        for fx, fy in weg[2:]:
            welt.feld[fy][fx] = "L"
        if not ziel:
            ex, ey = weg[-1]
            for dy in range(-2, 3):
                for dx in range(-2, 3):
                    if dx * dx + dy * dy <= 5 and welt.innen(ex + dx, ey + dy):
                        welt.feld[ey + dy][ex + dx] = "L"


def binnenland_gelaende(welt, h, g, feucht, land, anteile, seed):
    """Land terrain from elevation, ridges and moisture; anteile gives the shares."""
    n = welt.n
    punkte = [(x, y) for y in range(n) for x in range(n) if land(x, y)]
    berg = {p: h[p[1]][p[0]] * 0.3 + g[p[1]][p[0]] * 0.7 for p in punkte}
    bw = list(berg.values())
    t_m = quantil(bw, 1.0 - anteile["M"])
    t_r = quantil(bw, 1.0 - anteile["M"] - anteile["R"])
    t_h = quantil(bw, 1.0 - anteile["M"] - anteile["R"] - anteile["H"])
    hw = [h[y][x] for x, y in punkte]
    t_tief = quantil(hw, anteile["tief"])
    fw = [feucht[y][x] for x, y in punkte]
    t_wald = quantil(fw, 1.0 - anteile["F"])
    t_sumpf = quantil(fw, 1.0 - anteile["S"] * 2.5)
    for x, y in punkte:
        b = berg[(x, y)]
        if b >= t_m:
            c = "M"
        elif b >= t_r:
            c = "R"
        elif b >= t_h:
            c = "H"
        elif h[y][x] <= t_tief and feucht[y][x] >= t_sumpf:
            c = "S"
        elif feucht[y][x] >= t_wald:
            c = "F"
        else:
            c = "P"
        welt.feld[y][x] = c


def glaetten(welt, durchlaeufe, erlaubt):
    """Majority filter over the 8 neighbours, to remove salt-and-pepper fields."""
    n = welt.n
    for _ in range(durchlaeufe):
        neu = [row[:] for row in welt.feld]
        for y in range(n):
            for x in range(n):
                c = welt.feld[y][x]
                if c not in erlaubt:
                    continue
                zaehl = {}
                for dx, dy in NACHBARN8:
                    nx, ny = x + dx, y + dy
                    if welt.innen(nx, ny):
                        d = welt.feld[ny][nx]
                        if d in erlaubt:
                            zaehl[d] = zaehl.get(d, 0) + 1
                if zaehl:
                    d, k = max(zaehl.items(), key=lambda t: (t[1], t[0]))
                    if k >= 6 and d != c:
                        neu[y][x] = d
        welt.feld = neu


def kontinent_welt(name, seed, anteile, see_anteil, fluesse, zentrum_ebene):
    """Dunladan and Endurias: one land mass without ocean; water is lakes and rivers."""
    n = 200
    r = random.Random(seed)
    hoehe = Rauschen(seed + 1)
    grat = Rauschen(seed + 2)
    feucht_r = Rauschen(seed + 3)
    welt = Welt(name, n)
    h = hoehen_feld(n, hoehe, 55.0, buckel=[(99, 99, 14, 0.12)])
    g = [[grat.grat(x, y, 70.0) * (0.6 + 0.8 * h[y][x]) for x in range(n)] for y in range(n)]
    feucht = [[feucht_r.fbm(x, y, 40.0, 4) - 0.25 * h[y][x] for x in range(n)] for y in range(n)]
    alle_h = [h[y][x] for y in range(n) for x in range(n)]
    t_see = quantil(alle_h, see_anteil)
    for y in range(n):
        for x in range(n):
            if h[y][x] < t_see:
                welt.feld[y][x] = "L"
    binnenland_gelaende(welt, h, g, feucht, lambda x, y: welt.feld[y][x] != "L", anteile, seed)
    glaetten(welt, 2, "PHFSRML")
    fluesse_ziehen(welt, h, r, fluesse, lambda c: c == "L")
    # the capital stands on open land
    for y in range(zentrum_ebene[1] - 3, zentrum_ebene[1] + 2):
        for x in range(zentrum_ebene[0] - 3, zentrum_ebene[0] + 2):
            if welt.feld[y][x] in "LMRS":
                welt.feld[y][x] = "P"
    return welt


# Zyrthania's coast codes: a land field touching the ocean, named after where the
# water lies. C: one side (1 N, 2 E, 3 S, 4 W); CA: outer corner, water on two sides
# (1 NE, 2 SE, 3 SW, 4 NW); CB: inner corner, water only on one diagonal (same order).
KUESTE_SEITE = {(0, -1): "C1", (1, 0): "C2", (0, 1): "C3", (-1, 0): "C4"}
KUESTE_ECKE = {((0, -1), (1, 0)): "CA1", ((1, 0), (0, 1)): "CA2",
               ((0, 1), (-1, 0)): "CA3", ((0, -1), (-1, 0)): "CA4"}
KUESTE_INNEN = {(1, -1): "CB1", (1, 1): "CB2", (-1, 1): "CB3", (-1, -1): "CB4"}


def kueste_bestimmen(wasser, x, y, n):
    """Coast code of the land field (x, y), "" for inland, None when the water around it
    does not form one shoreline (such fields are turned into ocean)."""
    def nass(dx, dy):
        nx, ny = x + dx, y + dy
        return not (0 <= nx < n and 0 <= ny < n) or wasser[ny][nx]

    karten = [d for d in NACHBARN4 if nass(*d)]
    diagonal = [d for d in NACHBARN8 if d[0] and d[1] and nass(*d)]
    if not karten and not diagonal:
        return ""
    if len(karten) == 1:
        dx, dy = karten[0]
        # water may only lie on that side (its two diagonals included)
        for ex, ey in diagonal:
            if (dx and ex != dx) or (dy and ey != dy):
                return None
        return KUESTE_SEITE[karten[0]]
    if len(karten) == 2:
        a, b = karten
        if (a[0] + b[0], a[1] + b[1]) == (0, 0):
            return None
        sx, sy = a[0] + b[0], a[1] + b[1]
        for ex, ey in diagonal:
            if ex != sx and ey != sy:
                return None
        for key, code in KUESTE_ECKE.items():
            if set(key) == set(karten):
                return code
        return None
    if len(karten) > 2:
        return None
    if len(diagonal) == 1:
        return KUESTE_INNEN[diagonal[0]]
    return None


def zyrthania(seed):
    n = 120
    r = random.Random(seed)
    hoehe = Rauschen(seed + 1)
    grat = Rauschen(seed + 2)
    feucht_r = Rauschen(seed + 3)
    hauptstaedte = [(82, 20), (28, 90), (101, 98)]  # 0-based
    buckel = [(82, 24, 17, 0.30), (30, 86, 20, 0.30), (98, 96, 15, 0.28), (60, 60, 14, 0.12)]
    h = hoehen_feld(n, hoehe, 26.0, buckel=buckel, rand_abfall=0.9)
    alle = [h[y][x] for y in range(n) for x in range(n)]
    t_meer = quantil(alle, 0.56)
    wasser = [[h[y][x] < t_meer for x in range(n)] for y in range(n)]
    # one free ring of ocean round the world, for the polar ice
    for y in range(n):
        for x in range(n):
            if min(x, y, n - 1 - x, n - 1 - y) < 5:
                wasser[y][x] = True
    # drop fields whose water does not form a shoreline, until every coast field is clean
    while True:
        geaendert = False
        for y in range(n):
            for x in range(n):
                if not wasser[y][x] and kueste_bestimmen(wasser, x, y, n) is None:
                    wasser[y][x] = True
                    geaendert = True
        if not geaendert:
            break
    for hx, hy in hauptstaedte:
        assert not wasser[hy][hx], "capital in the sea"
    welt = Welt("Zyrthania", n)
    g = [[grat.grat(x, y, 34.0) * (0.6 + 0.8 * h[y][x]) for x in range(n)] for y in range(n)]
    feucht = [[feucht_r.fbm(x, y, 22.0, 4) - 0.2 * h[y][x] for x in range(n)] for y in range(n)]
    for y in range(n):
        for x in range(n):
            welt.feld[y][x] = "O" if wasser[y][x] else "P"
    anteile = {"M": 0.04, "R": 0.08, "H": 0.12, "F": 0.30, "S": 0.05, "tief": 0.25}
    binnenland_gelaende(welt, h, g, feucht, lambda x, y: not wasser[y][x], anteile, seed)
    glaetten(welt, 1, "PHFSRM")
    # a few lakes in the hollows of the land
    land_h = [h[y][x] for y in range(n) for x in range(n) if not wasser[y][x]]
    t_see = quantil(land_h, 0.035)
    for y in range(n):
        for x in range(n):
            if not wasser[y][x] and h[y][x] < t_see + 0.004 and feucht[y][x] > 0.35:
                welt.feld[y][x] = "L"
    # the cold north carries snow, the dry south-east desert
    for y in range(n):
        for x in range(n):
            if wasser[y][x] or welt.feld[y][x] == "L":
                continue
            breite = y + 9.0 * (hoehe.wert(x * 0.15, 3.3) - 0.5)
            if breite < 30 and welt.feld[y][x] in "PHFR":
                welt.feld[y][x] = "K"
            trocken = feucht[y][x] + (y - 60) * -0.004 + (x - 60) * -0.002
            if y > 64 and x > 60 and trocken < 0.32 and welt.feld[y][x] in "PHF":
                welt.feld[y][x] = "D"
    # polar ice drifts in the ocean at the northern and southern edges
    for y in range(n):
        for x in range(n):
            if not wasser[y][x]:
                continue
            tiefe = min(y, n - 1 - y) + 3.0 * (hoehe.wert(x * 0.2, 7.7) - 0.5)
            if tiefe < 2.6 or (y < 5 and tiefe < 3.4):
                welt.feld[y][x] = "I"
    # the shoreline
    for y in range(n):
        for x in range(n):
            if not wasser[y][x]:
                k = kueste_bestimmen(wasser, x, y, n)
                if k:
                    welt.feld[y][x] = k
    fluesse_ziehen(welt, h, r, 7, lambda c: c in ("O", "L", "I") or c.startswith("C"), 150)
    # rivers must not cut coast fields (they only end beside them)
    for hx, hy in hauptstaedte:
        if welt.feld[hy][hx] in ("L", "M", "R", "S"):
            welt.feld[hy][hx] = "P"
    return welt, [(x + 1, y + 1) for x, y in hauptstaedte]


# ---------------------------------------------------------------------------
# Towns

SILBEN_VORNE = [
    "Eich", "Wolfs", "Stein", "Dorn", "Grau", "Silber", "Raben", "Tannen", "Birken",
    "Eisen", "Hohen", "Alten", "Nebel", "Sturm", "Falken", "Hirsch", "Bären", "Weiden",
    "Rosen", "Schatten", "Kupfer", "Gold", "Mond", "Sonnen", "Drachen", "Eulen", "Dunkel",
    "Kalt", "Lichten", "Moos", "Fels", "Linden", "Erlen", "Buchen", "Greifen", "Wald",
    "Wind", "Hag", "Mühl", "Brun", "Ost", "West", "Nord", "Süd", "Frost", "Asch", "Heid",
    "Glut", "Krähen", "Marder", "Dachs", "Otter", "Luchs", "Schwan", "Reh", "Kranich",
]
SILBEN_HINTEN = [
    "heim", "burg", "feld", "tal", "au", "stein", "wald", "rode", "furt", "wacht", "hain",
    "berg", "hof", "hausen", "dorf", "brück", "bach", "quell", "grund", "fels", "mark",
    "wiese", "horst", "eck", "stadt", "weiler", "moor", "klamm", "born", "wall",
]
FANTASIE_ANFANG = ["El", "Mor", "Val", "Thal", "Ar", "Gal", "Ist", "Ker", "Lor", "Nar",
                   "Or", "Syl", "Tir", "Ul", "Ves", "Dra", "Fen", "Hal", "Ith", "Zar"]
FANTASIE_MITTE = ["e", "a", "i", "o", "u", "ae", "ea", "ia", ""]
FANTASIE_ENDE = ["rath", "dor", "mar", "wen", "goth", "lin", "dan", "rien", "thas", "gard",
                 "mund", "heim", "ros", "vell", "dris", "nor", "thil", "rin"]
BESITZER_VORNE = [
    "Thor", "Grim", "Sig", "Hild", "Rag", "Alb", "Bern", "Kunz", "Wulf", "Adal", "Ger",
    "Helm", "Ot", "Frey", "Sil", "Ely", "Mira", "Lio", "Kael", "Ise", "Run", "Tar", "Jor",
]
BESITZER_HINTEN = [
    "vald", "bart", "mund", "gard", "run", "wen", "hild", "ric", "win", "ra", "dis",
    "trud", "olf", "bert", "grim", "lind", "dan", "ara", "iel", "ena",
]
BESITZER_WOERTER = [
    "Schattenklinge", "Eisenfaust", "DunkleRose", "Sturmreiter", "Nachtfalke", "Wolfsherz",
    "Silberpfeil", "Brombeere", "Flammenzunge", "Steinbrecher", "Waldläufer", "Runenschmied",
    "Goldkehlchen", "Donnerkeil", "Grauwolf", "Krähenfuß", "Bärentatze", "Morgentau",
]


def stadtname(r, benutzt):
    while True:
        art = r.random()
        if art < 0.62:
            name = r.choice(SILBEN_VORNE) + r.choice(SILBEN_HINTEN)
        elif art < 0.9:
            name = r.choice(FANTASIE_ANFANG) + r.choice(FANTASIE_MITTE) + r.choice(FANTASIE_ENDE)
        else:
            name = r.choice(["Neu", "Alt", "Groß", "Klein", "Ober", "Unter"]) + "-" + \
                r.choice(SILBEN_VORNE) + r.choice(SILBEN_HINTEN)
        name = name[0].upper() + name[1:]
        if name not in benutzt:
            benutzt.add(name)
            return name


def besitzer(r):
    art = r.random()
    if art < 0.55:
        name = r.choice(BESITZER_VORNE) + r.choice(BESITZER_HINTEN)
    elif art < 0.8:
        name = r.choice(BESITZER_WOERTER)
    else:
        name = r.choice(BESITZER_VORNE) + r.choice(BESITZER_HINTEN) + str(r.randint(1, 99))
    return name


STADT_GEWICHT = {"P": 6.0, "H": 3.0, "F": 2.5, "S": 0.4, "R": 0.6, "M": 0.0, "L": 0.0,
                 "O": 0.0, "I": 0.0, "K": 0.8, "D": 0.7}


def staedte_setzen(welt, hauptstaedte, anzahl, seed):
    """Player towns on land, drawn by terrain and nearness to water (coasts, rivers,
    lakes) and clustered round the capitals; no two towns on neighbouring fields."""
    n = welt.n
    r = random.Random(seed)
    cluster = Rauschen(seed + 7)

    def wasser(c):
        return c in ("L", "O")

    kandidaten = []
    for y in range(n):
        for x in range(n):
            c = welt.feld[y][x]
            w = 3.5 if c.startswith("C") else STADT_GEWICHT.get(c, 0.0)
            if w <= 0:
                continue
            nah = 0
            for dy in range(-2, 3):
                for dx in range(-2, 3):
                    if welt.innen(x + dx, y + dy) and wasser(welt.feld[y + dy][x + dx]):
                        nah += 1
            if c.startswith("C") or nah:
                w *= 10.0
            w *= 0.25 + 2.0 * cluster.fbm(x, y, 18.0, 3) ** 3
            for hx, hy in hauptstaedte:
                d = max(abs(hx - 1 - x), abs(hy - 1 - y))
                if d <= 4:
                    w = 0.0
                elif d < 25:
                    w *= 2.0
            if w > 0:
                kandidaten.append((w, x, y))
    belegt = set((hx - 1, hy - 1) for hx, hy in hauptstaedte)
    staedte = []
    # weighted draw without replacement (exponential keys)
    schluessel = sorted(((-math.log(1.0 - r.random()) / w, x, y) for w, x, y in kandidaten))
    for _, x, y in schluessel:
        if len(staedte) >= anzahl:
            break
        if any((x + dx, y + dy) in belegt for dx in range(-2, 3) for dy in range(-2, 3)):
            continue
        belegt.add((x, y))
        staedte.append((x + 1, y + 1))
    return staedte


def stadtliste(welt, hauptstaedte, hauptnamen, anzahl, seed):
    r = random.Random(seed + 11)
    benutzt = set(hauptnamen)
    zeilen = []
    for (x, y), name in zip(hauptstaedte, hauptnamen):
        zeilen.append("%03d%03dName: %s (Hauptstadt)" % (x, y, name))
    spieler = staedte_setzen(welt, hauptstaedte, anzahl, seed)
    spieler.sort(key=lambda p: (p[1], p[0]))
    for x, y in spieler:
        zeilen.append("%03d%03dName: %s, Besitzer: [%s]" % (x, y, stadtname(r, benutzt), besitzer(r)))
    return zeilen


# ---------------------------------------------------------------------------
# Pictures

FARBEN = {
    "P": (150, 196, 98), "H": (184, 182, 112), "L": (86, 146, 214), "F": (46, 112, 56),
    "S": (122, 122, 70), "R": (140, 120, 98), "M": (226, 224, 222), "O": (30, 62, 138),
    "K": (246, 248, 252), "D": (232, 206, 142), "I": (196, 228, 244),
}
KUESTENFARBE = (222, 210, 158)


def png_schreiben(pfad, breite, hoehe, pixel):
    """pixel: rows of (r, g, b) tuples; 8-bit RGB, no interlace."""
    roh = bytearray()
    for zeile in pixel:
        roh.append(0)
        for p in zeile:
            roh.extend(p)

    def block(art, daten):
        return struct.pack(">I", len(daten)) + art + daten + \
            struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", breite, hoehe, 8, 2, 0, 0, 0)
    inhalt = b"\x89PNG\r\n\x1a\n" + block(b"IHDR", ihdr) + \
        block(b"IDAT", zlib.compress(bytes(roh), 9)) + block(b"IEND", b"")
    with open(pfad, "wb") as f:
        f.write(inhalt)


def bild_zeichnen(welt, staedte, hauptstaedte, skala, pfad):
    n = welt.n
    b = n * skala
    pixel = [[(0, 0, 0)] * b for _ in range(b)]
    for y in range(n):
        for x in range(n):
            c = welt.feld[y][x]
            farbe = KUESTENFARBE if c.startswith("C") else FARBEN[c]
            for j in range(skala):
                zeile = pixel[y * skala + j]
                for i in range(skala):
                    zeile[x * skala + i] = farbe
    def punkt(x, y, radius, farbe):
        cx, cy = (x - 1) * skala + skala // 2, (y - 1) * skala + skala // 2
        for j in range(cy - radius, cy + radius + 1):
            for i in range(cx - radius, cx + radius + 1):
                if 0 <= i < b and 0 <= j < b:
                    pixel[j][i] = farbe
    for x, y in staedte:
        punkt(x, y, max(1, skala // 2), (196, 24, 24))
    for x, y in hauptstaedte:
        punkt(x, y, skala + 2, (0, 0, 0))
        punkt(x, y, skala, (255, 214, 0))
    png_schreiben(pfad, b, b, pixel)


# ---------------------------------------------------------------------------


def statistik(welt):
    z = {}
    for row in welt.feld:
        for c in row:
            k = "C*" if c.startswith("C") else c
            z[k] = z.get(k, 0) + 1
    gesamt = welt.n * welt.n
    return ", ".join("%s %.1f%%" % (k, 100.0 * v / gesamt) for k, v in sorted(z.items()))


def main():
    wurzel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    daten = os.path.join(wurzel, "resources", "welten")
    bilder = os.path.join(wurzel, "docs", "welten")
    os.makedirs(daten, exist_ok=True)
    os.makedirs(bilder, exist_ok=True)

    welten = []
    dun = kontinent_welt("Dunladan", 1301,
                         {"M": 0.035, "R": 0.07, "H": 0.13, "F": 0.30, "S": 0.04, "tief": 0.22},
                         0.07, 14, (100, 100))
    welten.append((dun, [(100, 100)], ["Eleorath"], 340, 1307))
    end = kontinent_welt("Endurias", 2203,
                         {"M": 0.05, "R": 0.09, "H": 0.15, "F": 0.26, "S": 0.06, "tief": 0.28},
                         0.10, 12, (100, 100))
    welten.append((end, [(100, 100)], ["Valdremor"], 320, 2207))
    zyr, zyr_haupt = zyrthania(3109)
    welten.append((zyr, zyr_haupt, ["Istharien", "Kaldmund", "Sarvenhal"], 230, 3107))

    for welt, haupt, hauptnamen, anzahl, seed in welten:
        zeilen = stadtliste(welt, haupt, hauptnamen, anzahl, seed)
        with open(os.path.join(daten, welt.name + "_Staedte.txt"), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(zeilen) + "\n")
        with open(os.path.join(daten, welt.name + "_Karte.txt"), "w", encoding="ascii", newline="\n") as f:
            if welt.n == 120:
                for row in welt.feld:
                    for c in row:
                        f.write(c + "\n")
            else:
                for row in welt.feld:
                    f.write("".join(row) + "\n")
        staedte = [(int(z[0:3]), int(z[3:6])) for z in zeilen]
        bild_zeichnen(welt, staedte, haupt, 3 if welt.n == 200 else 5,
                      os.path.join(bilder, welt.name + ".png"))
        print("%s: %d Städte; %s" % (welt.name, len(zeilen), statistik(welt)))


if __name__ == "__main__":
    main()
