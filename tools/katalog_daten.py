#!/usr/bin/env python3
"""Generates the built-in catalogue tables in src/catalogue/daten/*.inc.

Run from the repository root:  python3 tools/katalog_daten.py

Fixed game data (names, order, categories, component and building tables, spells,
world variants and the rows whose values are known from the game) is written down
here as it is. Everything else of the kit table (prices, weights, use levels, combat
values, recipes of the individual weapons, armour pieces, shields, staffs, bows and
crossbows) is derived from a few per-tier curves, so that the numbers stay consistent
with each other and with the known rows. The derivation is deterministic: the only
"noise" comes from a hash of the item name.

Standard library only; the output does not depend on the platform or the Python
version.
"""

import hashlib
import os
import sys

AUS_ORDNER = os.path.join("src", "catalogue", "daten")

# ---------------------------------------------------------------------------
# Raw materials
# ---------------------------------------------------------------------------

TIER_STUFE = [0, 5, 10, 15, 20]

HOLZ = ["Buchenholz", "Birkenholz", "Eichenholz", "Eschenholz", "Eibenholz"]
STEIN = ["Kalkstein", "Sandstein", "Schiefer", "Granit", "Marmor"]
ERZ = ["Kupfererz", "Eisenerz", "Sorandilerz", "Adamanterz", "Mithrilerz"]
STOFF = ["Leinen", "Wolle", "Baumwolle", "Seide", "Ätherfäden"]
PELZ = ["Weichpelze", "Pelze", "Hartpelz", "Riesenhaut", "Drachenhaut"]
STAUB = ["Magiestaub", "Todesstaub", "Schattenstaub", "Mondstaub", "Sternenstaub"]

# Three gems per tier: Weisheit, Gewandtheit, Kraft.
EDELSTEINE = [
    ("Pyrit", "Achat", "Kristall"),
    ("Jaspis", "Topas", "Quarz"),
    ("Perlmutt", "Saphir", "Smaragd"),
    ("Jade", "Lapis", "Rubin"),
    ("Onyx", "Diamant", "Obsidian"),
]
EDELSTEIN_PREIS = [500, 1000, 2000, 3500, 5000]

HANDWERKSMATERIAL = [
    ("Schmiedeöl", 80, 100, 0), ("Bogensalbe", 80, 100, 0), ("Harz", 100, 100, 0),
    ("Zwirn", 100, 100, 0), ("Steinkohle", 100, 100, 0), ("Nähgarn", 80, 100, 0),
    ("Lederfett", 80, 100, 0), ("Magiesplitter", 60, 100, 0), ("Federn", 25, 100, 0),
    ("Salz", 100, 100, 0), ("Mörtel", 80, 200, 0), ("Schleifstein", 200, 100, 10),
    ("Elbenhaar", 200, 100, 10), ("Wattierung", 200, 100, 10), ("Granitharz", 150, 100, 10),
    ("Glaszwirn", 150, 100, 10), ("Drachenzunder", 150, 100, 10), ("Schutzpolster", 200, 100, 10),
    ("Ledernieten", 200, 100, 10), ("Phasenkraut", 200, 100, 10), ("Pfeilharz", 150, 100, 10),
    ("Kristallat", 150, 100, 10), ("Edelmörtel", 180, 200, 10), ("Griffband", 500, 100, 20),
    ("Nieten", 500, 100, 20), ("Vulkandraht", 500, 100, 20), ("Beschläge", 500, 100, 20),
    ("Erdenblut", 500, 100, 20), ("Drachinschneiden", 500, 100, 20),
]


def rohstoffe():
    zeilen = []
    gewicht = {1: 400, 2: 600, 3: 400, 4: 250, 5: 400, 6: 100}
    for kat, namen in enumerate([HOLZ, STEIN, ERZ, STOFF, PELZ, STAUB], start=1):
        for t, name in enumerate(namen):
            zeilen.append((name, [20, 40, 60, 90, 120][t], gewicht[kat], TIER_STUFE[t], kat))
    for t, steine in enumerate(EDELSTEINE):
        for name in steine:
            zeilen.append((name, EDELSTEIN_PREIS[t], 100, TIER_STUFE[t], 8))
    for name, preis, gew, stufe in HANDWERKSMATERIAL:
        zeilen.append((name, preis, gew, stufe, 7))
    return zeilen


# ---------------------------------------------------------------------------
# Intermediate goods
# ---------------------------------------------------------------------------

BRETTER = ["Buchenbretter", "Birkenbretter", "Eichenbretter", "Eschenbretter", "Eibenbretter"]
ZIEGEL = ["Kalkziegel", "Sandziegel", "Schieferziegel", "Granitziegel", "Marmorziegel"]
BARREN = ["Kupferbarren", "Eisenbarren", "Sorandilbarren", "Adamantbarren", "Mithrilbarren"]
TUCH = ["Leinentuch", "Wolltuch", "Baumwolltuch", "Seidentuch", "Äthertuch"]
LEDER = ["Weichleder", "Leder", "Hartleder", "Riesenleder", "Drachenleder"]


def zutaten():
    zeilen = []
    zweite = [
        (BRETTER, HOLZ, 300, ["Harz", "Harz", "Granitharz", "Granitharz", "Granitharz"]),
        (ZIEGEL, STEIN, 600, ["Steinkohle", "Steinkohle", "Drachenzunder", "Drachenzunder", "Drachenzunder"]),
        (BARREN, ERZ, 200, ["Steinkohle", "Steinkohle", "Drachenzunder", "Drachenzunder", "Drachenzunder"]),
        (TUCH, STOFF, 150, ["Zwirn", "Zwirn", "Glaszwirn", "Glaszwirn", "Glaszwirn"]),
        (LEDER, PELZ, 250, ["Salz", "Salz", "Kristallat", "Kristallat", "Kristallat"]),
    ]
    for kat, (namen, roh, gew, zweit) in enumerate(zweite, start=1):
        for t, name in enumerate(namen):
            zeilen.append(dict(
                Name=name, Preis=[60, 120, 180, 270, 360][t], Gewicht=gew, Stufe=TIER_STUFE[t],
                Kategorie=kat, Rezeptpreis=[150, 300, 450, 675, 900][t], Dauer=60, Menge=5,
                Zutaten=[(roh[t], 5), (zweit[t], [1, 2, 2, 3, 4][t])]))
    return zeilen


# ---------------------------------------------------------------------------
# Kits
# ---------------------------------------------------------------------------

WAREN_FELDER = [
    "Name", "Preis", "Gewicht", "Stufe", "Kategorie", "MinSchaden", "MaxSchaden",
    "SchadenProRunde", "Tempo", "Zusatzwirkung", "Treffsicherheit", "KritischeTreffer",
    "StabWirkung", "Reichweite", "Element", "Ruestschutz", "Absorb", "Behinderung",
    "HeilungMin", "HeilungMax", "HeilungProzentMin", "HeilungProzentMax",
    "Herstellungsstufe", "Rezeptpreis", "Dauer", "Menge", "Zutaten",
]
GLEITKOMMA = {"Ruestschutz", "Absorb", "HeilungProzentMin", "HeilungProzentMax"}


def leere_ware(name, kat):
    w = {f: (-1.0 if f in GLEITKOMMA else -1) for f in WAREN_FELDER}
    w.update(Name=name, Kategorie=kat, Element=0, Zutaten=[])
    return w


def zufall(text):
    """Deterministic value in [0, 1) derived from a text."""
    h = hashlib.md5(text.encode("utf-8")).digest()
    return int.from_bytes(h[:8], "big") / 2.0 ** 64


def runden(x, raster=1):
    """Nearest multiple of raster, halves to even (as everywhere in the program)."""
    return int(round(x / raster)) * raster


MARKTWERT = {}


def rezept(anteile, budget):
    """Turns value shares of a material budget into whole ingredient counts.

    anteile: (name, share) with share of the budget, or (name, None, count) for a
    fixed count."""
    zeilen = []
    for teil in anteile:
        if len(teil) == 3:
            zeilen.append((teil[0], teil[2]))
        else:
            name, anteil = teil
            zeilen.append((name, max(1, runden(anteil * budget / MARKTWERT[name]))))
    return zeilen


def zutatenwert(zutaten):
    return sum(MARKTWERT[n] * a for n, a in zutaten)


def preis_aus_rezept(name, zutaten):
    # The market does not price a kit by its ingredients: most sell well above them,
    # some below, so that producing oneself is not always worth it.
    faktor = 0.88 + 0.72 * zufall(name + "#Preis")
    return max(200, runden(zutatenwert(zutaten) * faktor, 100))


def materialbudget(stufe, teilfaktor):
    # Ingredient value grows by about 17 % per use level.
    return 800.0 * 1.17 ** (stufe - 1) * teilfaktor


def gewicht(basis, stufe, edel=False):
    g = basis * (1 + 0.01 * stufe) * (1.05 if edel else 1.0)
    return runden(g, 100)


def schaden_pro_runde(mini, maxi, tempo):
    # Tempo is the number of attacks per round; the average hit is (min + max) / 2.
    return (mini + maxi) * tempo // 2


# Damage per round of a one-handed sword at use level s; the other weapon kinds are
# multiples of it. Two-handed and gem weapons each add about a fifth.
def dpr_basis(s):
    return 40.0 + 7.5 * (s - 1)


ZWEIHAND_FAKTOR = 1.22
EDEL_FAKTOR = 1.22

# category: (damage factor, spread of a hit around the average, Tempo one-handed,
#            Tempo two-handed, weight one-handed, weight two-handed)
WAFFENART = {
    2: (1.00, 0.20, 4, 3, 2000, 3700),
    3: (0.95, 0.16, 4, None, 1000, None),
    4: (0.86, 0.22, 3, 2, 2200, 4000),
    5: (0.90, 0.25, 3, 2, 2400, 4400),
    6: (1.00, 0.25, None, 3, None, 3600),
    14: (1.25, 0.20, 4, None, 1780, None),
    15: (1.00, 0.25, 1, None, 2550, None),
}
LANGSAME_FERNWAFFEN = {"Langbogen": 3, "Kriegsbogen": 3, "Repetierarmbrust": 2}


def zweihaendig(name):
    return name.split(" ")[-1] == "[2H]"


def waffenwerte(w, stufe_wert, edel):
    kat = w["Kategorie"]
    faktor, streuung, t1, t2, _, _ = WAFFENART[kat]
    zh = zweihaendig(w["Name"])
    tempo = t2 if zh else t1
    tempo = LANGSAME_FERNWAFFEN.get(w["Name"], tempo)
    d = dpr_basis(stufe_wert) * faktor
    if zh:
        d *= ZWEIHAND_FAKTOR
    if edel:
        d *= EDEL_FAKTOR
    mittel = d / tempo
    w["MinSchaden"] = max(1, runden(mittel * (1 - streuung)))
    w["MaxSchaden"] = runden(mittel * (1 + streuung))
    w["Tempo"] = tempo
    w["SchadenProRunde"] = schaden_pro_runde(w["MinSchaden"], w["MaxSchaden"], tempo)


# Recipe shapes: value shares of the budget per tier (index 0..4); "M" stands for the
# main material of the tier (bars, boards, leather, cloth), "B" for the boards of the tier.
def form(t, *stufen):
    """Picks the shape for tier t (0-based) from shapes for tiers I-II, III, IV-V."""
    return stufen[0] if t < 2 else (stufen[1] if t == 2 else stufen[2])


def rezeptform(art, t):
    if art in ("Schwert", "Dolch", "Edelwaffe"):
        return form(t, [("Barren", .55), ("Schmiedeöl", .45)],
                    [("Barren", .5), ("Schmiedeöl", .05), ("Schleifstein", .45)],
                    [("Barren", .5), ("Schmiedeöl", .015), ("Schleifstein", .065), ("Griffband", .42)])
    if art == "Axt":
        return form(t, [("Barren", .4), ("Bretter", .15), ("Schmiedeöl", .45)],
                    [("Barren", .4), ("Bretter", .1), ("Schmiedeöl", .05), ("Schleifstein", .45)],
                    [("Barren", .45), ("Bretter", .05), ("Schmiedeöl", .02), ("Schleifstein", .08), ("Griffband", .4)])
    if art == "Keule":
        return form(t, [("Barren", .5), ("Bretter", .2), ("Schmiedeöl", .3)],
                    [("Barren", .55), ("Bretter", .15), ("Schmiedeöl", .05), ("Schleifstein", .25)],
                    [("Barren", .5), ("Bretter", .1), ("Schmiedeöl", .05), ("Nieten", .35)])
    if art == "Stange":
        return form(t, [("Bretter", .35), ("Barren", .3), ("Schmiedeöl", .35)],
                    [("Bretter", .3), ("Barren", .3), ("Schmiedeöl", .05), ("Schleifstein", .35)],
                    [("Bretter", .3), ("Barren", .25), ("Schleifstein", .1), ("Griffband", .35)])
    if art == "Leder":
        return form(t, [("Leder", .5), ("Lederfett", .5)],
                    [("Leder", .55), ("Lederfett", .1), ("Ledernieten", .35)],
                    [("Leder", .5), ("Lederfett", .05), ("Ledernieten", .15), ("Beschläge", .3)])
    if art == "Metall":
        return form(t, [("Barren", .5), ("Schmiedeöl", .5)],
                    [("Barren", .55), ("Schmiedeöl", .1), ("Schutzpolster", .35)],
                    [("Barren", .5), ("Schmiedeöl", .05), ("Schutzpolster", .15), ("Nieten", .3)])
    if art == "Schwerschild":
        return form(t, [("Barren", .5), ("Schmiedeöl", .5)],
                    [("Barren", .5), ("Schmiedeöl", .1), ("Bretter", .1), ("Schutzpolster", .3)],
                    [("Barren", .5), ("Schmiedeöl", .05), ("Schutzpolster", .15), ("Beschläge", .3)])
    if art == "Stoff":
        return form(t, [("Tuch", .5), ("Nähgarn", .5)],
                    [("Tuch", .55), ("Nähgarn", .1), ("Wattierung", .35)],
                    [("Tuch", .5), ("Nähgarn", .05), ("Elbenhaar", .15), ("Vulkandraht", .3)])
    if art == "Stab":
        return form(t, [("Bretter", .5), ("Magiesplitter", .5)],
                    [("Bretter", .55), ("Magiesplitter", .1), ("Phasenkraut", .35)],
                    [("Bretter", .5), ("Magiesplitter", .01), ("Phasenkraut", .065), ("Erdenblut", .425)])
    if art == "Bogen":
        return form(t, [("Bretter", .5), ("Bogensalbe", .5)],
                    [("Bretter", .55), ("Bogensalbe", .1), ("Elbenhaar", .35)],
                    [("Bretter", .5), ("Bogensalbe", .05), ("Elbenhaar", .15), ("Drachinschneiden", .3)])
    if art == "Armbrust":
        if t == 0:
            return [("Bretter", .5), ("Bogensalbe", .5)]
        return form(t, [("Bretter", .4), ("Barren", .2), ("Bogensalbe", .4)],
                    [("Bretter", .4), ("Barren", .15), ("Bogensalbe", .1), ("Elbenhaar", .35)],
                    [("Bretter", .35), ("Barren", .15), ("Bogensalbe", .05), ("Elbenhaar", .15), ("Beschläge", .3)])
    raise ValueError(art)


HAUPTMATERIAL = {"Barren": BARREN, "Bretter": BRETTER, "Leder": LEDER, "Tuch": TUCH}


def konkretes_rezept(art, t, budget, edelstein=None, edel_anzahl=0):
    anteile = [(HAUPTMATERIAL[n][t] if n in HAUPTMATERIAL else n, a) for n, a in rezeptform(art, t)]
    if edelstein:
        # Five slots: a gem variant gives up the least valuable material for its gem.
        while len(anteile) > 4:
            anteile.remove(min(anteile, key=lambda x: x[1]))
        anteile.append((edelstein, None, edel_anzahl))
    return rezept(anteile, budget)


# Armour pieces: kind of piece by its name ending.
def stueckart(name):
    n = name.lower()
    for endung in ("handschuhe", "stulpen", "schuhe", "stiefel"):
        if n.endswith(endung):
            return "Hand"
    for endung in ("robe", "tunika", "wappenrock", "harnisch", "hemd", "panzer"):
        if n.endswith(endung):
            return "Koerper"
    for endung in ("haube", "helm", "spitzhut"):
        if n.endswith(endung):
            return "Kopf"
    for endung in ("hose", "beinlinge"):
        if n.endswith(endung):
            return "Bein"
    raise ValueError(name)


def fuss(name):
    n = name.lower()
    return (n.endswith("schuhe") and not n.endswith("handschuhe")) or n.endswith("stiefel")


DAUER_STUECK = {"Kopf": 240, "Bein": 240, "Koerper": 360, "Hand": 180}
# Budget share of a piece relative to a one-handed weapon of the same level.
TEILFAKTOR = {"Kopf": 0.75, "Koerper": 1.1, "Bein": 0.85, "Hand": 0.5, "Fuss": 0.55}
ABSORB_FAKTOR = {"Kopf": 1.0, "Koerper": 1.0, "Bein": 0.9, "Hand": 0.75, "Fuss": 0.75}

# Rüstschutz of the lighter (first) and the heavier (second) set of a material tier.
RUESTSCHUTZ = {
    ("Leder", 1): {"Kopf": 1.5, "Koerper": 2.5, "Bein": 2.0, "Hand": 1.0, "Fuss": 1.0},
    ("Leder", 2): {"Kopf": 2.0, "Koerper": 3.0, "Bein": 2.5, "Hand": 1.5, "Fuss": 1.5},
    ("Metall", 1): {"Kopf": 2.5, "Koerper": 4.0, "Bein": 3.0, "Hand": 2.0, "Fuss": 2.0},
    ("Metall", 2): {"Kopf": 3.0, "Koerper": 5.0, "Bein": 4.0, "Hand": 3.0, "Fuss": 3.0},
}
BEHINDERUNG = {
    ("Leder", 1): {"Kopf": 6, "Koerper": 9, "Bein": 7, "Hand": 4, "Fuss": 4},
    ("Leder", 2): {"Kopf": 8, "Koerper": 12, "Bein": 9, "Hand": 6, "Fuss": 6},
    ("Metall", 1): {"Kopf": 12, "Koerper": 18, "Bein": 14, "Hand": 9, "Fuss": 9},
    ("Metall", 2): {"Kopf": 16, "Koerper": 24, "Bein": 18, "Hand": 12, "Fuss": 12},
}
GEWICHT_RUESTUNG = {
    "Stoff": {"Kopf": 500, "Koerper": 1100, "Bein": 800, "Hand": 400, "Fuss": 600},
    "Leder": {"Kopf": 1500, "Koerper": 2500, "Bein": 1800, "Hand": 800, "Fuss": 1000},
    "Metall": {"Kopf": 2600, "Koerper": 6000, "Bein": 4200, "Hand": 3400, "Fuss": 3400},
}


def teil(name):
    return "Fuss" if fuss(name) else stueckart(name)


def ruestungswerte(w, material, satz, t, stufe_wert, edel):
    p = teil(w["Name"])
    if material == "Stoff":
        rs = 0.0
        klasse = 1.0
        beh = 0
    else:
        # Protection rises by half a point every second tier.
        rs = RUESTSCHUTZ[(material, satz)][p] + 0.5 * (t // 2) + (0.5 if edel else 0.0)
        klasse = 0.9 if material == "Leder" else 1.0
        beh = BEHINDERUNG[(material, satz)][p]
    absorb = (0.2 + 0.18 * stufe_wert) * ABSORB_FAKTOR[p] * klasse * (1.2 if edel else 1.0)
    w["Ruestschutz"] = rs
    w["Absorb"] = round(absorb, 1)
    w["Behinderung"] = beh


def schildwerte(w, schwer, stufe_wert, edel):
    if schwer:
        rs, block = 6.0, 36 + 1.2 * (stufe_wert - 2)
    else:
        rs, block = 4.0, 26 + 1.2 * (stufe_wert - 1)
    if edel:
        rs += 0.5
        block += 4
    w["Ruestschutz"] = rs
    w["Absorb"] = float(runden(block))
    w["Behinderung"] = 0


def ausruestung(name, kat, stufe, t, art, teilfaktor, dauer, gewicht_basis, edelstein=None):
    """A piece of equipment: use level, recipe, price and the rules that follow from them."""
    w = leere_ware(name, kat)
    w["Stufe"] = stufe
    w["Herstellungsstufe"] = stufe - 1
    w["Dauer"] = dauer
    w["Menge"] = 1
    edel = edelstein is not None
    budget = materialbudget(stufe, teilfaktor)
    anzahl = [1, 1, 2, 3, 5][t] if edel else 0
    w["Zutaten"] = konkretes_rezept(art, t, budget, edelstein, anzahl)
    w["Preis"] = preis_aus_rezept(name, w["Zutaten"])
    w["Rezeptpreis"] = -123 if edel else w["Preis"] // 2
    w["Gewicht"] = gewicht(gewicht_basis, stufe, edel)
    w["_tier"] = t
    return w


SCHWERTER = ["Kurzschwert", "Schwert", "Breitschwert", "Bastardschwert [2H]", "Säbel",
             "Bidenhänder [2H]", "Krummsäbel", "Schottenschwert [2H]", "Langschwert",
             "Flamberge [2H]", "Krummschwert", "Prunkschwert [2H]", "Gladius", "Elbenbann [2H]",
             "Schimmerklinge", "Mondklinge [2H]", "Lilienklinge", "Engelsklinge [2H]"]
DOLCHE = ["Messer", "Dolch", "Stilett", "Ochsenzunge", "Entermesser", "Stoßdolch",
          "Schlangendolch", "Assassinenklinge", "Spitzdolch", "Nebeldolch"]
AEXTE = ["Axt", "Streitaxt", "Holzfälleraxt", "Bidenaxt [2H]", "Breitaxt", "Felsenspalter [2H]",
         "Barbarenaxt", "Prunkaxt [2H]", "Militärpicke", "Heldenaxt [2H]", "Zwillingsaxt",
         "Sonnensichel [2H]", "Kriegsbeil", "Kampfschnitter [2H]", "Tomahawk", "Berserkeraxt [2H]",
         "Franziska", "Tyrannenaxt [2H]"]
KEULEN = ["Knüppel", "Hammer", "Streitkolben", "Vorschlaghammer [2H]", "Flegel", "Eisenkeule [2H]",
          "Morgenstern", "Stachelkeule [2H]", "Kriegskolben", "Kriegshammer [2H]", "Ogerherde",
          "Knochenbrecher [2H]", "Kriegsknüppel", "Kriegskeule [2H]", "Kriegszepter",
          "Stabzepter [2H]", "Zackenstern", "Donnerhammer [2H]"]
STANGENWAFFEN = ["Speer [2H]", "Bauernsense [2H]", "Jagdspeer [2H]", "Sense [2H]", "Pike [2H]",
                 "Lanze [2H]", "Dreizack [2H]", "Hellebarde [2H]", "Drescher [2H]", "Kriegspike [2H]"]

# Use levels and material tiers of the 18-row weapon lists (swords, axes, clubs) and of
# the 10-row lists (two per tier).
STUFEN_18 = [1, 3, 5, 7, 8, 10, 11, 13, 14, 15, 16, 18, 19, 20, 21, 23, 24, 25]
TIERS_18 = [0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4]
STUFEN_10 = [1, 4, 6, 9, 11, 14, 16, 19, 21, 25]
STUFEN_STANGE = [2, 5, 7, 10, 12, 15, 17, 20, 22, 25]
# Gem variants: close to the top of their tier.
EDEL_STUFE = [4, 9, 14, 19, 25]

LEICHTE_SCHILDE = ["Lederschild", "Rundschild", "Tartsche", "Zirkelschild", "Stachelschild",
                   "Beschützer", "Dornenschild", "Nietenschild", "Verteidiger", "Nebelschild"]
SCHWERE_SCHILDE = ["Eckschild", "Kampfschild", "Drachenschild", "Gothika", "Pavese", "Prunkschild",
                   "Wappenschild", "Turmschild", "Wall", "Monarchenschild"]
METALLE = ["Kupfer", "Eisen", "Sorandil", "Adamant", "Mithril"]
STOFFE = ["Leinen", "Woll", "Baumwoll", "Seiden", "Äther"]
STABFORMEN = ["Stecken", "Krummstab", "Langholz", "Runenstab", "Lichtstab", "Rute", "Spiralstab",
              "Eschenstab", "Eibenlanze", "Wächterstab"]
STAB_STUFEN = [1, 3, 6, 8, 11, 13, 16, 18, 21, 25]
ELEMENTE = ["Feuer", "Wasser", "Erde", "Luft"]

MUNITION_PREIS = {16: [3, 6, 12, 24, 49], 17: [8, 16, 32, 65, 131], 13: [4, 8, 16, 33, 65]}
MUNITION_REZEPT = [200, 400, 800, 1650, 3250]
MUNITION_MENGE = {16: 135, 17: 50, 13: 100}


def bauteile():
    zeilen = []
    steine = ["Kalk", "Sand", "Schiefer", "Granit", "Marmor"]
    hoelzer = ["Buchen", "Birken", "Eichen", "Eschen", "Eiben"]
    rezepte = {
        "Mauerstück": [
            [(ZIEGEL[0], 8), (BRETTER[0], 6), ("Mörtel", 11)],
            [(ZIEGEL[1], 8), (BRETTER[1], 6), ("Mörtel", 22)],
            [(ZIEGEL[2], 12), (BRETTER[2], 7), ("Edelmörtel", 19)],
            [(ZIEGEL[3], 15), (BRETTER[3], 10), ("Edelmörtel", 38)],
            [(ZIEGEL[4], 25), (BRETTER[4], 12), ("Edelmörtel", 75)]],
        "Bodenplatte": [
            [(ZIEGEL[0], 12), ("Mörtel", 9)], [(ZIEGEL[1], 12), ("Mörtel", 18)],
            [(ZIEGEL[2], 16), ("Edelmörtel", 16)], [(ZIEGEL[3], 21), ("Edelmörtel", 32)],
            [(ZIEGEL[4], 32), ("Edelmörtel", 65)]],
        "Dachkonstrukt": [
            [(ZIEGEL[0], 4), (BRETTER[0], 14), ("Harz", 11)],
            [(ZIEGEL[1], 4), (BRETTER[1], 14), ("Harz", 22)],
            [(ZIEGEL[2], 6), (BRETTER[2], 17), ("Granitharz", 28)],
            [(ZIEGEL[3], 8), (BRETTER[3], 22), ("Granitharz", 56)],
            [(ZIEGEL[4], 12), (BRETTER[4], 34), ("Granitharz", 110)]],
        "Stützbalken": [
            [(BRETTER[0], 10), ("Harz", 6)], [(BRETTER[1], 10), ("Harz", 12)],
            [(BRETTER[2], 13), ("Granitharz", 16)], [(BRETTER[3], 17), ("Granitharz", 32)],
            [(BRETTER[4], 26), ("Granitharz", 62)]],
    }
    art = [("Mauerstück", True, 180, 2600), ("Bodenplatte", True, 150, 2200),
           ("Dachkonstrukt", False, 210, 3200), ("Stützbalken", False, 210, 1800)]
    for t in range(5):
        for teilname, aus_stein, dauer, preis1 in art:
            name = (steine[t] if aus_stein else hoelzer[t]) + "-" + teilname
            w = leere_ware(name, 1)
            preis = preis1 * 2 ** t
            w.update(Preis=preis, Gewicht=10000, Stufe=TIER_STUFE[t], Herstellungsstufe=TIER_STUFE[t],
                     Rezeptpreis=preis // 2, Dauer=dauer, Menge=1, Zutaten=rezepte[teilname][t])
            w["_tier"] = t
            zeilen.append(w)
    return zeilen


def nahkampfwaffen(namen, kat, stufen, tiers, art):
    zeilen = []
    _, _, _, _, g1, g2 = WAFFENART[kat]
    for name, stufe, t in zip(namen, stufen, tiers):
        zh = zweihaendig(name)
        w = ausruestung(name, kat, stufe, t, art, 1.4 if zh else (0.8 if kat == 3 else 1.0),
                        540 if zh else 420, g2 if zh else g1)
        waffenwerte(w, stufe, False)
        zeilen.append(w)
    return zeilen


def lederteil_satz(name):
    """Leather pieces come in a lighter and a heavier set per leather."""
    return 2 if any(name.endswith(e) for e in ("Helm", "Harnisch", "Stulpen", "Beinlinge", "Stiefel")) else 1


def ruestungen_und_schilde(materialien, schilde, kat_ruestung, kat_schild, material, stuecke):
    zeilen = []
    for t, m in enumerate(materialien):
        schild_nr = 0
        for stueck in stuecke:
            if stueck is None:
                sname = schilde[2 * t + schild_nr]
                satz = schild_nr + 1
                schild_nr += 1
                schwer = material == "Metall"
                stufe = TIER_STUFE[t] + (2 if schwer else 1) + (3 if satz == 2 else 0)
                w = ausruestung(sname, kat_schild, stufe, t, "Schwerschild" if schwer else "Leder",
                                0.85, 320, 3300 if schwer else 3000)
                schildwerte(w, schwer, stufe, False)
            else:
                name = m + "-" + stueck
                if material == "Metall":
                    satz = 2 if stueck.startswith("Platten") else 1
                    stufe = TIER_STUFE[t] + (5 if satz == 2 else 2)
                else:
                    satz = lederteil_satz(name)
                    stufe = TIER_STUFE[t] + (4 if satz == 2 else 1)
                p = teil(name)
                faktor = TEILFAKTOR[p] * (0.85 if satz == 1 else 1.0)
                w = ausruestung(name, kat_ruestung, stufe, t, material, faktor,
                                DAUER_STUECK[stueckart(name)], GEWICHT_RUESTUNG[material][p] * (0.85 if satz == 1 else 1.0))
                ruestungswerte(w, material, satz, t, stufe, False)
            zeilen.append(w)
    return zeilen


def stoffruestungen():
    zeilen = []
    stuecke = ["Haube", "Robe", "Handschuhe", "Hose", "Schuhe", "Spitzhut", "Tunika", "Stulpen",
               "Beinlinge", "Stiefel"]
    for t, c in enumerate(STOFFE):
        for i, stueck in enumerate(stuecke):
            name = c + "-" + stueck
            satz = 1 if i < 5 else 2
            stufe = TIER_STUFE[t] + (1 if satz == 1 else 4)
            p = teil(name)
            w = ausruestung(name, 7, stufe, t, "Stoff", TEILFAKTOR[p] * (0.85 if satz == 1 else 1.0),
                            DAUER_STUECK[stueckart(name)], GEWICHT_RUESTUNG["Stoff"][p])
            ruestungswerte(w, "Stoff", satz, t, stufe, False)
            zeilen.append(w)
    return zeilen


def stabwerte(w, element, stufe_wert, edel):
    # Effect and range grow linearly with the use level; gems add about a sixth.
    f = 1.15 if edel else 1.0
    w["StabWirkung"] = runden(4 * stufe_wert * f)
    w["Reichweite"] = runden(2 * stufe_wert * f)
    w["Element"] = element


def staebe():
    zeilen = []
    for i, form_name in enumerate(STABFORMEN):
        t = i // 2
        for e, element in enumerate(ELEMENTE, start=1):
            w = ausruestung(element + "-" + form_name, 12, STAB_STUFEN[i], t, "Stab", 1.05, 480, 1900)
            stabwerte(w, e, STAB_STUFEN[i], False)
            zeilen.append(w)
    return zeilen


def munition(name, kat, t):
    w = leere_ware(name, kat)
    w.update(Preis=MUNITION_PREIS[kat][t], Gewicht=80 if kat == 17 else 30, Stufe=0,
             Herstellungsstufe=TIER_STUFE[t], Rezeptpreis=MUNITION_REZEPT[t], Dauer=120,
             Menge=MUNITION_MENGE[kat], Zusatzwirkung=2 * t)
    if kat == 13:
        w["Treffsicherheit"] = t
        w["KritischeTreffer"] = 0
        anteile = form(t, [(STAUB[t], .6), ("Magiesplitter", .4)],
                       [(STAUB[t], .6), ("Magiesplitter", .1), ("Phasenkraut", .3)],
                       [(STAUB[t], .55), ("Magiesplitter", .05), ("Phasenkraut", .15), ("Erdenblut", .25)])
    else:
        w["Treffsicherheit"] = 0
        w["KritischeTreffer"] = t
        anteile = form(t, [(HOLZ[t], .55), ("Federn", .45)],
                       [(HOLZ[t], .5), ("Federn", .2), ("Pfeilharz", .3)],
                       [(HOLZ[t], .45), ("Federn", .1), ("Pfeilharz", .2), ("Drachinschneiden", .25)])
    # A run yields Menge pieces; its ingredients are worth somewhat less than that.
    faktor = 0.95 + 0.6 * zufall(name + "#Rezept")
    w["Zutaten"] = rezept(anteile, w["Preis"] * w["Menge"] / faktor)
    w["_tier"] = t
    return w


def fernkampf_und_munition():
    zeilen = []
    boegen = ["Kurzbogen", "Jagdbogen", "Kompositbogen", "Langbogen", "Spinnenbogen", "Kriegsbogen",
              "Zedernbogen", "Runenbogen", "Klingenbogen", "Prunkbogen"]
    pfeile = ["Pfeile", "Jagdpfeile", "Kriegspfeile", "Götterstich", "Panzerbrecher"]
    armbrueste = ["Handarmbrust", "Armbrust", "Arbaleste", "Ballista", "Repetierarmbrust", "Hornarmbrust",
                  "Belagerungsarmbrust", "Kolossusarmbrust", "Kriegsarmbrust", "Dämonenarmbrust"]
    bolzen = ["Bolzen", "Jagdbolzen", "Kriegsbolzen", "Dämonendorn", "Steinbrecher"]
    for waffen, mun, kat, mkat, art in ((boegen, pfeile, 14, 16, "Bogen"), (armbrueste, bolzen, 15, 17, "Armbrust")):
        for t in range(5):
            zeilen.append(munition(mun[t], mkat, t))
            for i in (2 * t, 2 * t + 1):
                w = ausruestung(waffen[i], kat, STUFEN_10[i], t, art, 1.0, 480, WAFFENART[kat][4])
                waffenwerte(w, STUFEN_10[i], False)
                zeilen.append(w)
    return zeilen


def essenzen():
    namen = ["Magieessenz", "Todesessenz", "Schattenessenz", "Mondessenz", "Sternenessenz"]
    return [munition(n, 13, t) for t, n in enumerate(namen)]


def edelvarianten():
    zeilen = []
    kraft = [g[2] for g in EDELSTEINE]        # Kristall .. Obsidian
    gewandt = [g[1] for g in EDELSTEINE]      # Achat .. Diamant
    weisheit = [g[0] for g in EDELSTEINE]     # Pyrit .. Onyx

    def waffe(name, kat, t, gem):
        zh = zweihaendig(name)
        basis = WAFFENART[kat][5] if zh else WAFFENART[kat][4]
        w = ausruestung(name, kat, EDEL_STUFE[t], t, "Edelwaffe", 1.4 if zh else (0.8 if kat == 3 else 1.0),
                        540 if zh else 420, basis, gem)
        # Values as a piece at the very top of the tier, plus the gem.
        waffenwerte(w, TIER_STUFE[t] + 5, True)
        return w

    for kat, einhand, zweihand in ((2, "Schwert", "Prunkschwert [2H]"), (3, "Dolch", None),
                                   (4, "Axt", "Prunkaxt [2H]"), (5, "Hammer", "Kriegshammer [2H]"),
                                   (6, None, "Pike [2H]")):
        for t, gem in enumerate(kraft):
            if einhand:
                zeilen.append(waffe(gem + "-" + einhand, kat, t, gem))
            if zweihand and (t > 0 or kat == 6):
                zeilen.append(waffe(gem + "-" + zweihand, kat, t, gem))
    for material, steine, stuecke, kat_r, kat_s, schild in (
            ("Leder", gewandt, ["Lederhelm", "Lederharnisch", None, "Lederstulpen", "Lederbeinlinge", "Lederstiefel"], 8, 9, "Rundschild"),
            ("Metall", kraft, ["Plattenhelm", "Plattenpanzer", None, "Plattenhandschuhe", "Plattenbeinlinge", "Plattenstiefel"], 10, 11, "Prunkschild")):
        for t, gem in enumerate(steine):
            for stueck in stuecke:
                stufe = EDEL_STUFE[t]
                if stueck is None:
                    schwer = material == "Metall"
                    w = ausruestung(gem + "-" + schild, kat_s, stufe, t, "Schwerschild" if schwer else "Leder",
                                    0.85, 320, 3300 if schwer else 3000, gem)
                    schildwerte(w, schwer, TIER_STUFE[t] + 5, True)
                else:
                    name = gem + "-" + stueck
                    p = teil(name)
                    w = ausruestung(name, kat_r, stufe, t, material, TEILFAKTOR[p], DAUER_STUECK[stueckart(name)],
                                    GEWICHT_RUESTUNG[material][p], gem)
                    ruestungswerte(w, material, 2, t, TIER_STUFE[t] + 5, True)
                zeilen.append(w)
    for t, gem in enumerate(weisheit):
        for stueck in ["Haube", "Robe", "Handschuhe", "Hose", "Schuhe"]:
            name = gem + "-" + stueck
            p = teil(name)
            w = ausruestung(name, 7, EDEL_STUFE[t], t, "Stoff", TEILFAKTOR[p], DAUER_STUECK[stueckart(name)],
                            GEWICHT_RUESTUNG["Stoff"][p], gem)
            ruestungswerte(w, "Stoff", 2, t, TIER_STUFE[t] + 5, True)
            zeilen.append(w)
    for t, gem in enumerate(weisheit):
        for e, element in enumerate(["Feuer", "Wasser", "Erde", "Luft"], start=1):
            w = ausruestung(gem + "-" + element + "stab", 12, EDEL_STUFE[t], t, "Stab", 1.05, 480, 1900, gem)
            stabwerte(w, e, TIER_STUFE[t] + 5, True)
            zeilen.append(w)
    for kat, art, wort in ((14, "Bogen", "Bogen"), (15, "Armbrust", "Armbrust")):
        for t, gem in enumerate(gewandt):
            w = ausruestung(gem + "-" + wort, kat, EDEL_STUFE[t], t, art, 1.0, 480, WAFFENART[kat][4], gem)
            waffenwerte(w, TIER_STUFE[t] + 5, True)
            zeilen.append(w)
    return zeilen


def bandagen():
    namen = ["Improvisierte Leinenbinde", "Einfacher Wollverband", "Gute Baumwollbinde",
             "Heilsamer Seidenverband", "Magische Ätherbinde"]
    preise = [16, 32, 65, 127, 257]
    rezeptpreise = [800, 1600, 3250, 6350, 12850]
    heilung = [(20, 50), (30, 65), (45, 85), (68, 110), (101, 143)]
    prozent = [(0.5, 2.5), (2.0, 4.0), (3.5, 4.5), (5.0, 7.0), (6.5, 8.5)]
    zeilen = []
    for t, name in enumerate(namen):
        w = leere_ware(name, 18)
        w.update(Preis=preise[t], Gewicht=200, Stufe=TIER_STUFE[t], Herstellungsstufe=TIER_STUFE[t],
                 Rezeptpreis=rezeptpreise[t], Dauer=480, Menge=100,
                 HeilungMin=heilung[t][0], HeilungMax=heilung[t][1],
                 HeilungProzentMin=prozent[t][0], HeilungProzentMax=prozent[t][1])
        anteile = form(t, [(TUCH[t], .3), (LEDER[t], .2), ("Nähgarn", .5)],
                       [(TUCH[t], .45), (LEDER[t], .3), ("Nähgarn", .1), ("Phasenkraut", .15)],
                       [(TUCH[t], .45), (LEDER[t], .3), ("Nähgarn", .05), ("Phasenkraut", .2)])
        faktor = 0.95 + 0.6 * zufall(name + "#Rezept")
        w["Zutaten"] = rezept(anteile, w["Preis"] * w["Menge"] / faktor)
        w["_tier"] = t
        zeilen.append(w)
    return zeilen


# Rows whose every value is known from the game; they replace the derived ones.
BEKANNTE_WAREN = {
    "Kurzschwert": dict(Preis=1200, Gewicht=2000, Stufe=1, MinSchaden=8, MaxSchaden=12, SchadenProRunde=40, Tempo=4,
                        Herstellungsstufe=0, Rezeptpreis=600, Zutaten=[("Kupferbarren", 7), ("Schmiedeöl", 5)]),
    "Bastardschwert [2H]": dict(Preis=4600, Gewicht=3800, Stufe=7, MinSchaden=27, MaxSchaden=40, SchadenProRunde=100,
                                Tempo=3, Herstellungsstufe=6, Rezeptpreis=2300,
                                Zutaten=[("Eisenbarren", 13), ("Schmiedeöl", 19)]),
    "Flamberge [2H]": dict(Preis=14200, Gewicht=3900, Stufe=15, MinSchaden=49, MaxSchaden=73, SchadenProRunde=183,
                           Tempo=3, Herstellungsstufe=14, Rezeptpreis=3700,
                           Zutaten=[("Sorandilbarren", 26), ("Schmiedeöl", 6), ("Schleifstein", 21)]),
    "Weichleder-Helm": dict(Preis=1500, Gewicht=1600, Stufe=4, Ruestschutz=2.0, Absorb=0.8, Behinderung=8,
                            Herstellungsstufe=3, Rezeptpreis=750, Zutaten=[("Weichleder", 8), ("Lederfett", 6)]),
    "Dornenschild": dict(Preis=8100, Gewicht=3300, Stufe=15, Ruestschutz=4.0, Absorb=43.0, Behinderung=0,
                         Herstellungsstufe=15, Rezeptpreis=4050,
                         Zutaten=[("Riesenleder", 10), ("Lederfett", 8), ("Ledernieten", 5), ("Beschläge", 2)]),
    "Eckschild": dict(Preis=1400, Gewicht=3400, Stufe=2, Ruestschutz=6.0, Absorb=36.0, Behinderung=0,
                      Herstellungsstufe=1, Rezeptpreis=700, Zutaten=[("Kupferbarren", 8), ("Schmiedeöl", 6)]),
    "Eisen-Plattenhandschuhe": dict(Preis=2600, Gewicht=3600, Stufe=10, Ruestschutz=3.0, Absorb=1.5, Behinderung=12,
                                    Herstellungsstufe=9, Rezeptpreis=1300,
                                    Zutaten=[("Eisenbarren", 7), ("Schmiedeöl", 10)]),
    "Woll-Robe": dict(Preis=3000, Gewicht=1200, Stufe=6, Ruestschutz=0.0, Absorb=1.2, Behinderung=0,
                      Herstellungsstufe=5, Rezeptpreis=1500, Zutaten=[("Wolltuch", 8), ("Nähgarn", 12)]),
    "Luft-Langholz": dict(Preis=4000, Gewicht=2000, Stufe=6, StabWirkung=24, Reichweite=12, Element=4,
                          Herstellungsstufe=5, Rezeptpreis=2000,
                          Zutaten=[("Birkenbretter", 11), ("Magiesplitter", 22)]),
    "Feuer-Wächterstab": dict(Preis=57300, Gewicht=1800, Stufe=25, StabWirkung=100, Reichweite=50, Element=1,
                              Herstellungsstufe=24, Rezeptpreis=28650,
                              Zutaten=[("Eibenbretter", 52), ("Magiesplitter", 6), ("Phasenkraut", 12), ("Erdenblut", 32)]),
    "Kurzbogen": dict(Preis=2000, Gewicht=1800, Stufe=1, MinSchaden=10, MaxSchaden=15, SchadenProRunde=50, Tempo=4,
                      Herstellungsstufe=0, Rezeptpreis=1000, Zutaten=[("Buchenbretter", 11), ("Bogensalbe", 8)]),
    "Handarmbrust": dict(Preis=2000, Gewicht=2600, Stufe=1, MinSchaden=30, MaxSchaden=50, SchadenProRunde=40, Tempo=1,
                         Herstellungsstufe=0, Rezeptpreis=1000, Zutaten=[("Buchenbretter", 11), ("Bogensalbe", 8)]),
    "Kriegsbolzen": dict(Gewicht=80, Stufe=0, Zusatzwirkung=4, Treffsicherheit=0, KritischeTreffer=2,
                         Herstellungsstufe=10, Zutaten=[("Eichenholz", 8), ("Federn", 7), ("Pfeilharz", 2)]),
    "Magieessenz": dict(Gewicht=30, Stufe=0, Zusatzwirkung=0, Treffsicherheit=0, KritischeTreffer=0,
                        Herstellungsstufe=0, Zutaten=[("Magiestaub", 6), ("Magiesplitter", 2)]),
    "Smaragd-Dolch": dict(Preis=11400, Gewicht=1200, Stufe=14, MinSchaden=34, MaxSchaden=47, SchadenProRunde=162,
                          Tempo=4, Herstellungsstufe=13, Rezeptpreis=-123,
                          Zutaten=[("Sorandilbarren", 14), ("Schmiedeöl", 3), ("Schleifstein", 11), ("Smaragd", 2)]),
    "Obsidian-Pike [2H]": dict(Preis=82300, Gewicht=4400, Stufe=25, MinSchaden=87, MaxSchaden=144,
                               SchadenProRunde=346, Tempo=3, Herstellungsstufe=24, Rezeptpreis=-123,
                               Zutaten=[("Mithrilbarren", 52), ("Schmiedeöl", 6), ("Schleifstein", 12),
                                        ("Griffband", 32), ("Obsidian", 5)]),
    "Improvisierte Leinenbinde": dict(Preis=16, Gewicht=200, Stufe=0, HeilungMin=20, HeilungMax=50,
                                      HeilungProzentMin=0.5, HeilungProzentMax=2.5, Herstellungsstufe=0,
                                      Rezeptpreis=800, Zutaten=[("Leinentuch", 5), ("Weichleder", 3), ("Nähgarn", 6)]),
}

# Single values of further kits as the game shows them (character planner presets);
# the rest of these rows stays derived. Damage per round follows from damage and Tempo.
BEKANNTE_WERTE = {
    "Bidenhänder [2H]": dict(MinSchaden=35, MaxSchaden=52, Tempo=3),
    "Axt": dict(MinSchaden=9, MaxSchaden=14, Tempo=3),
    "Bidenaxt [2H]": dict(MinSchaden=33, MaxSchaden=55),
    "Leinen-Haube": dict(Ruestschutz=0.0, Absorb=0.4, Behinderung=0),
    "Mithril-Plattenhelm": dict(Ruestschutz=4.0, Absorb=4.8, Behinderung=16),
    "Lederschild": dict(Ruestschutz=4.0, Absorb=26.0, Behinderung=0),
    "Feuer-Stecken": dict(StabWirkung=4, Reichweite=2, Element=1),
    "Jagdpfeile": dict(Zusatzwirkung=2, Treffsicherheit=0, KritischeTreffer=1),
}


def waren():
    zeilen = bauteile()
    zeilen += nahkampfwaffen(SCHWERTER, 2, STUFEN_18, TIERS_18, "Schwert")
    zeilen += nahkampfwaffen(DOLCHE, 3, STUFEN_10, [i // 2 for i in range(10)], "Dolch")
    zeilen += nahkampfwaffen(AEXTE, 4, STUFEN_18, TIERS_18, "Axt")
    zeilen += nahkampfwaffen(KEULEN, 5, STUFEN_18, TIERS_18, "Keule")
    zeilen += nahkampfwaffen(STANGENWAFFEN, 6, STUFEN_STANGE, [i // 2 for i in range(10)], "Stange")
    zeilen += ruestungen_und_schilde(LEDER, LEICHTE_SCHILDE, 8, 9, "Leder",
                                     ["Haube", "Wappenrock", None, "Handschuhe", "Hose", "Schuhe",
                                      "Helm", "Harnisch", None, "Stulpen", "Beinlinge", "Stiefel"])
    zeilen += ruestungen_und_schilde(METALLE, SCHWERE_SCHILDE, 10, 11, "Metall",
                                     ["Kettenhaube", "Kettenhemd", None, "Kettenhandschuhe", "Kettenbeinlinge",
                                      "Kettenstiefel", "Plattenhelm", "Plattenpanzer", None, "Plattenhandschuhe",
                                      "Plattenbeinlinge", "Plattenstiefel"])
    zeilen += stoffruestungen()
    zeilen += staebe()
    zeilen += fernkampf_und_munition()
    zeilen += essenzen()
    zeilen += edelvarianten()
    zeilen += bandagen()

    nach_name = {w["Name"]: w for w in zeilen}
    for name, werte in list(BEKANNTE_WAREN.items()) + list(BEKANNTE_WERTE.items()):
        nach_name[name].update(werte)
    for name in BEKANNTE_WERTE:
        w = nach_name[name]
        if w["Tempo"] != -1:
            w["SchadenProRunde"] = schaden_pro_runde(w["MinSchaden"], w["MaxSchaden"], w["Tempo"])
    return zeilen


# ---------------------------------------------------------------------------
# Training items (character planner only)
# ---------------------------------------------------------------------------

def training():
    def zeile(name, kat, gew, **werte):
        w = {f: (-1.0 if f in GLEITKOMMA else -1) for f in WAREN_FELDER}
        w.update(Name=name, Kategorie=kat, Gewicht=gew, Stufe=0, Element=0, Zutaten=[],
                 Zusatzwirkung=-10, Treffsicherheit=-5, KritischeTreffer=-5, StabWirkung=0, Reichweite=0,
                 HeilungMin=0, HeilungMax=0, HeilungProzentMin=0.0, HeilungProzentMax=0.0)
        w.update(werte)
        if "Tempo" in werte:
            w["SchadenProRunde"] = schaden_pro_runde(w["MinSchaden"], w["MaxSchaden"], w["Tempo"])
        return w

    zeilen = [
        zeile("Schwert (Training)", 2, 1600, MinSchaden=6, MaxSchaden=9, Tempo=4),
        zeile("Dolch (Training)", 3, 1200, MinSchaden=7, MaxSchaden=9, Tempo=4),
        zeile("Axt (Training)", 4, 1700, MinSchaden=8, MaxSchaden=11, Tempo=3),
        zeile("Keule (Training)", 5, 1700, MinSchaden=7, MaxSchaden=12, Tempo=3),
        zeile("Speer (Training) [2H]", 6, 1900, MinSchaden=11, MaxSchaden=16, Tempo=3),
        zeile("Bogen (Training)", 14, 1600, MinSchaden=8, MaxSchaden=11, Tempo=4),
        zeile("Armbrust (Training)", 15, 1800, MinSchaden=20, MaxSchaden=33, Tempo=1),
    ]
    for e, element in enumerate(["Feuer", "Wasser", "Erde", "Luft"], start=1):
        zeilen.append(zeile(element + "stab (Training)", 12, 1200, Element=e))
    zeilen += [
        zeile("Pfeile (Training)", 16, 40, Treffsicherheit=0),
        zeile("Bolzen (Training)", 17, 40, Treffsicherheit=0),
        zeile("Essenzen (Training)", 13, 30, KritischeTreffer=0),
        zeile("Leichte Haube (Training)", 8, 1000, Ruestschutz=2.0, Absorb=0.4, Behinderung=6),
        zeile("Leichte Weste (Training)", 8, 1500, Ruestschutz=3.0, Absorb=0.6, Behinderung=9),
        zeile("Leichter Schild (Training)", 9, 2200, Ruestschutz=4.0, Absorb=20.0, Behinderung=0),
        zeile("Schwere Haube (Training)", 10, 1500, Ruestschutz=4.0, Absorb=0.6, Behinderung=12),
        zeile("Schwere Weste (Training)", 10, 3500, Ruestschutz=6.0, Absorb=0.9, Behinderung=18),
        zeile("Schwerer Schild (Training)", 11, 2800, Ruestschutz=6.0, Absorb=30.0, Behinderung=0),
    ]
    return zeilen


# ---------------------------------------------------------------------------
# Buildings
# ---------------------------------------------------------------------------

ROEMISCH = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"]


def gebaeude():
    foerder = [800, 1200, 1600, 2000, 2400]
    plaetze = [4, 4, 5, 6, 6]

    def stufenweise(erster, schritt):
        return [erster + schritt * i for i in range(5)]

    # kind, Art, structure points, upkeep, town charter from level (0 = never),
    # component counts (Mauerstück, Bodenplatte, Dachkonstrukt, Stützbalken)
    arten = [
        ("Forstanlage", 1, foerder, stufenweise(100, 100), 0, (0, 0, 1, 4)),
        ("Steinbruch", 1, foerder, stufenweise(100, 100), 0, (1, 0, 0, 5)),
        ("Bergwerk", 1, foerder, stufenweise(100, 100), 0, (1, 0, 0, 5)),
        ("Sägewerk", 1, foerder, stufenweise(80, 80), 0, (1, 1, 1, 0)),
        ("Ziegelei", 1, foerder, stufenweise(80, 80), 0, (1, 1, 1, 0)),
        ("Schmelze", 1, foerder, stufenweise(80, 80), 0, (1, 1, 1, 0)),
        ("Gerberei", 1, foerder, stufenweise(80, 80), 0, (1, 1, 1, 0)),
        ("Weberei", 1, foerder, stufenweise(80, 80), 0, (1, 1, 1, 0)),
        ("Schmiede", 1, foerder, stufenweise(120, 120), 0, (2, 1, 1, 2)),
        ("Sattlerei", 1, foerder, stufenweise(120, 120), 0, (2, 1, 1, 2)),
        ("Werkstatt", 1, foerder, stufenweise(120, 120), 0, (2, 1, 1, 2)),
        ("Schneiderei", 1, foerder, stufenweise(120, 120), 0, (2, 1, 1, 2)),
        ("Laboratorium", 1, foerder, stufenweise(120, 120), 0, (2, 1, 1, 2)),
        ("Bauhof", 1, foerder, stufenweise(120, 120), 0, (0, 4, 1, 4)),
        ("Wachhaus", 2, stufenweise(400, 200), stufenweise(60, 60), 3, (1, 1, 1, 0)),
        ("Taverne", 2, stufenweise(1000, 500), [100, 250, 500, 800, 1200], 3, (4, 2, 2, 0)),
        ("Akademie", 2, foerder, stufenweise(100, 100), 3, (4, 1, 1, 0)),
        ("Auktionshaus", 2, foerder, stufenweise(200, 200), 3, (6, 2, 1, 1)),
        ("Marktplatz", 2, stufenweise(600, 300), stufenweise(200, 200), 3, (0, 6, 0, 0)),
        ("Stadtmauern", 2, stufenweise(1600, 800), stufenweise(40, 40), 3, (6, 0, 0, 0)),
        ("Wachturm", 2, foerder, stufenweise(80, 80), 3, (0, 1, 1, 5)),
        ("Lager", 2, foerder + [2800, 3200, 3600, 4000], stufenweise(120, 120) + [1500, 3000, 6000, 12000], 0,
         (1, 2, 1, 2)),
        ("Tempel", 2, stufenweise(2400, 1200), stufenweise(600, 600), 2, (4, 4, 2, 2)),
        ("Baumeister", 2, stufenweise(400, 200), stufenweise(60, 60), 3, (1, 1, 1, 0)),
    ]
    steine = ["Kalk", "Sand", "Schiefer", "Granit", "Marmor"]
    hoelzer = ["Buchen", "Birken", "Eichen", "Eschen", "Eiben"]
    zeilen = []
    for art_name, art, punkte, unterhalt, stadtrecht_ab, anzahl in arten:
        erste_zeile = len(zeilen) + 1
        for stufe in range(len(punkte)):
            t = min(stufe, 4)
            # "Lager" VI to IX stay at Marmor/Eiben and double the component counts.
            faktor = 2 ** (stufe - 4) if stufe > 4 else 1
            teile = []
            for (teil_name, aus_stein), n in zip((("Mauerstück", True), ("Bodenplatte", True),
                                                  ("Dachkonstrukt", False), ("Stützbalken", False)), anzahl):
                if n:
                    teile.append(((steine[t] if aus_stein else hoelzer[t]) + "-" + teil_name, n * faktor))
            zeilen.append(dict(
                Name=art_name + " " + ROEMISCH[stufe], Art=art, Stufe=TIER_STUFE[t], Strukturpunkte=punkte[stufe],
                Arbeitsplaetze=plaetze[stufe] if art == 1 else -1, Unterhalt=unterhalt[stufe],
                Voraussetzung=erste_zeile + stufe - 1 if art == 2 and stufe > 0 else -1,
                Stadtrecht=1 if stadtrecht_ab and stufe + 1 >= stadtrecht_ab else 0, Bauteile=teile))
    return zeilen


# ---------------------------------------------------------------------------
# Spells: name, element, type, level, duration, fields, min, max, per round, casts, price
# ---------------------------------------------------------------------------

ZAUBER = [
    ('Feuerpfeil', 1, 1, 0, -1, -1, 10, 16, 39, 3, 25),
    ('Hitzekegel', 1, 3, 1, 5, -1, 9, 13, -1, 2, 50),
    ('Fackelstoß', 1, 1, 2, -1, -1, 13, 20, 49, 3, 75),
    ('Feuerlanze', 1, 1, 3, -1, -1, 15, 22, 55, 3, 100),
    ('Feuerball', 1, 1, 5, -1, -1, 17, 26, 64, 3, 200),
    ('Brennende Haut', 1, 3, 6, 5, -1, 14, 20, -1, 2, 250),
    ('Flammenpeitsche', 1, 1, 7, -1, -1, 20, 30, 75, 3, 300),
    ('Flammdolch', 1, 1, 8, -1, -1, 21, 32, 79, 3, 400),
    ('Magmadorn', 1, 1, 10, -1, -1, 23, 35, 87, 3, 600),
    ('Feuerwand', 1, 3, 11, 5, -1, 18, 27, -1, 2, 800),
    ('Glühendes Schwert', 1, 1, 12, -1, -1, 26, 38, 96, 3, 1000),
    ('Großer Feuerball', 1, 1, 13, -1, -1, 27, 40, 100, 3, 1500),
    ('Flammenzunge', 1, 1, 15, -1, -1, 29, 43, 108, 3, 2500),
    ('Inferno', 1, 3, 16, 5, -1, 22, 32, -1, 2, 3000),
    ('Hitzeblitz', 1, 1, 17, -1, -1, 31, 46, 115, 3, 4000),
    ('Flammenschlag', 1, 1, 18, -1, -1, 32, 48, 120, 3, 5000),
    ('Lichterloh', 1, 3, 20, 5, -1, 24, 37, -1, 2, 8000),
    ('Lavastrahl', 1, 1, 21, -1, -1, 35, 52, 130, 3, 10000),
    ('Flammenhammer', 1, 1, 23, -1, -1, 37, 55, 138, 3, 15000),
    ('Fegefeuer', 1, 3, 25, 5, -1, 28, 42, -1, 2, 20000),
    ('Unterkühlung', 2, 1, 0, -1, -1, 10, 14, 36, 3, 25),
    ('Kältefeld', 2, 1, 1, -1, 3, 9, 13, 22, 2, 50),
    ('Frostgriff', 2, 1, 2, -1, -1, 12, 18, 45, 3, 75),
    ('Eisboden', 2, 6, 3, 5, 20, -1, -1, -1, 2, 100),
    ('Eisblitz', 2, 1, 5, -1, -1, 16, 24, 60, 3, 200),
    ('Kleiner Fluch', 2, 6, 6, 5, 20, -1, -1, -1, 2, 250),
    ('Frostklinge', 2, 1, 7, -1, -1, 18, 27, 67, 3, 300),
    ('Nadelregen', 2, 1, 8, -1, 3, 15, 23, 38, 2, 400),
    ('Wasserstrahl', 2, 1, 10, -1, -1, 21, 32, 79, 3, 600),
    ('Ranken', 2, 6, 11, 5, 20, -1, -1, -1, 2, 800),
    ('Eisspieß', 2, 1, 12, -1, -1, 23, 35, 87, 3, 1000),
    ('Hagelschlag', 2, 1, 13, -1, 3, 19, 29, 48, 2, 1500),
    ('Kälteschock', 2, 1, 15, -1, -1, 26, 39, 97, 3, 2500),
    ('Fluch', 2, 6, 16, 5, 20, -1, -1, -1, 2, 3000),
    ('Eislanze', 2, 1, 17, -1, -1, 28, 42, 105, 3, 4000),
    ('Wasserkeule', 2, 1, 18, -1, -1, 29, 43, 108, 3, 5000),
    ('Säureregen', 2, 1, 20, -1, 3, 24, 37, 61, 2, 8000),
    ('Peitschender Regen', 2, 6, 21, 5, 20, -1, -1, -1, 2, 10000),
    ('Flüssiger Dreizack', 2, 1, 23, -1, -1, 33, 50, 124, 3, 15000),
    ('Frostschock', 2, 1, 25, -1, -1, 35, 52, 130, 3, 20000),
    ('Steinfaust', 3, 1, 0, -1, -1, 8, 11, 28, 3, 25),
    ('Heilung I', 3, 2, 1, -1, -1, 8, 12, -1, 3, 50),
    ('Regeneration I', 3, 4, 2, 5, -1, 6, 9, -1, 2, 75),
    ('Gruppen-Heilung I', 3, 2, 3, -1, 5, 7, 10, -1, 2, 100),
    ('Eile', 3, 5, 5, 5, 20, -1, -1, -1, 2, 200),
    ('Dornenflug', 3, 1, 6, -1, -1, 14, 20, 51, 3, 250),
    ('Heilung II', 3, 2, 7, -1, -1, 13, 20, -1, 3, 300),
    ('Steinhaut', 3, 5, 8, 5, 20, -1, -1, -1, 2, 400),
    ('Gruppen-Regeneration I', 3, 4, 10, 5, 5, 7, 11, -1, 2, 600),
    ('Kieselschlag', 3, 1, 11, -1, -1, 18, 27, 67, 3, 800),
    ('Gruppen-Heilung II', 3, 2, 12, -1, 5, 12, 17, -1, 2, 1000),
    ('Hast', 3, 5, 13, 5, 20, -1, -1, -1, 2, 1500),
    ('Felsenschlag', 3, 1, 15, -1, -1, 21, 31, 78, 3, 2500),
    ('Regeneration II', 3, 4, 16, 5, -1, 13, 20, -1, 2, 3000),
    ('Granithaut', 3, 5, 17, 5, 20, -1, -1, -1, 2, 4000),
    ('Heilung III', 3, 2, 18, -1, -1, 22, 32, -1, 3, 5000),
    ('Granithammer', 3, 1, 20, -1, -1, 24, 37, 91, 3, 8000),
    ('Gruppen-Regeneration II', 3, 4, 21, 5, 5, 10, 16, -1, 2, 10000),
    ('Magmaschlag', 3, 1, 23, -1, -1, 27, 40, 100, 3, 15000),
    ('Gruppen-Heilung III', 3, 2, 25, -1, 5, 17, 26, -1, 2, 20000),
    ('Windboe', 4, 1, 0, -1, 2, 9, 13, 22, 2, 25),
    ('Vakuum', 4, 3, 1, 5, 2, 8, 11, -1, 2, 50),
    ('Entladung', 4, 1, 2, -1, 2, 11, 16, 27, 2, 75),
    ('Giftige Wolke', 4, 3, 3, 5, 2, 9, 14, -1, 2, 100),
    ('Kettenblitz', 4, 1, 5, -1, 2, 14, 21, 35, 2, 200),
    ('Luftschnitter', 4, 1, 6, -1, 2, 15, 23, 38, 2, 250),
    ('Orkan', 4, 3, 7, 5, 2, 13, 19, -1, 2, 300),
    ('Blitzgewitter', 4, 3, 8, 5, 2, 13, 20, -1, 2, 400),
    ('Verwirbelung', 4, 1, 10, -1, 2, 19, 29, 48, 2, 600),
    ('Fäulnis', 4, 3, 11, 5, 2, 16, 23, -1, 2, 800),
    ('Sturmfaust', 4, 1, 12, -1, 2, 21, 31, 52, 2, 1000),
    ('Tornado', 4, 3, 13, 5, 2, 17, 25, -1, 2, 1500),
    ('Windpeitsche', 4, 1, 15, -1, 2, 23, 35, 58, 2, 2500),
    ('Luftknall', 4, 1, 16, -1, 2, 24, 36, 60, 2, 3000),
    ('Windhose', 4, 3, 17, 5, 2, 20, 29, -1, 2, 4000),
    ('Frierende Luft', 4, 3, 18, 5, 2, 20, 30, -1, 2, 5000),
    ('Donnerschlag', 4, 1, 20, -1, 2, 28, 41, 69, 2, 8000),
    ('Säurenebel', 4, 3, 21, 5, 2, 22, 33, -1, 2, 10000),
    ('Elementargeist', 4, 3, 23, 5, 2, 23, 35, -1, 2, 15000),
    ('Sphärenschwert', 4, 1, 25, -1, 2, 31, 47, 78, 2, 20000),
]

# ---------------------------------------------------------------------------
# World variants: row, Preis, Rezeptpreis, Menge
# ---------------------------------------------------------------------------

VARIANTE_DUNLADAN_ENDURIAS = [
    (305, 3, 202, 135), (308, 6, 405, 135), (311, 12, 810, 135), (314, 24, 1620, 135), (317, 49, 3307, 135),
    (320, 8, 200, 50), (323, 16, 400, 50), (326, 32, 800, 50), (329, 65, 1625, 50), (332, 131, 3275, 50),
    (335, 4, 200, 100), (336, 8, 400, 100), (337, 16, 800, 100), (338, 33, 1650, 100), (339, 65, 3250, 100),
]
VARIANTE_ZYRTHANIA = [
    (305, 3, 200, 135), (308, 5, 400, 163), (311, 7, 800, 228), (314, 9, 1600, 360), (317, 11, 3250, 610),
    (320, 12, 200, 33), (323, 20, 400, 40), (326, 28, 800, 57), (329, 36, 1600, 90), (332, 44, 3250, 152),
    (335, 4, 200, 100), (336, 7, 400, 115), (337, 9, 800, 180), (338, 12, 1600, 270), (339, 15, 3250, 450),
]


# ---------------------------------------------------------------------------
# Checks: the generator refuses to write data that breaks a rule of the tables.
# ---------------------------------------------------------------------------

def pruefen(roh, zwi, ware, train, geb, zauber):
    fehler = []

    def pruef(bed, text):
        if not bed:
            fehler.append(text)

    assert (len(roh), len(zwi), len(ware), len(train), len(geb), len(zauber)) == (74, 25, 496, 20, 124, 80)
    namen = [r[0] for r in roh] + [z["Name"] for z in zwi] + [w["Name"] for w in ware + train] + [g["Name"] for g in geb]
    pruef(len(set(namen)) == len(namen), "doppelte Namen")
    for n in namen:
        # The build list puts the quantity in front of a name and strips digits up to the
        # first "[" to get it back.
        pruef(not any(c.isdigit() for c in n.split("[")[0]), "Ziffer im Namen " + n)
    stufe_von = {r[0]: (r[3], r[4]) for r in roh}
    stufe_von.update({z["Name"]: (z["Stufe"], 0) for z in zwi})
    for i, w in enumerate(ware, start=1):
        n, kat = w["Name"], w["Kategorie"]
        z = w["Zutaten"]
        pruef(2 <= len(z) <= 5, n + ": Zutatenzahl")
        pruef(len({a for a, _ in z}) == len(z), n + ": Zutat doppelt")
        for a, m in z:
            pruef(a in stufe_von and m > 0, n + ": Zutat " + a)
        haupt = {stufe_von[a][0] for a, _ in z if stufe_von[a][1] != 7}
        pruef(len(haupt) == 1, n + ": Material verschiedener Stufen")
        tier_stufe = haupt.pop() if len(haupt) == 1 else -99
        for a, _ in z:
            if stufe_von[a][1] == 7:
                pruef(stufe_von[a][0] <= tier_stufe + 5, n + ": Handwerksmaterial zu hoch " + a)
        pruef(w["Preis"] > 0 and w["Gewicht"] > 0, n + ": Preis/Gewicht")
        zh = zweihaendig(n)
        if kat in (2, 3, 4, 5, 6, 14, 15):
            pruef(w["SchadenProRunde"] == schaden_pro_runde(w["MinSchaden"], w["MaxSchaden"], w["Tempo"]), n + ": SPR")
            pruef(0 < w["MinSchaden"] < w["MaxSchaden"] and 1 <= w["Tempo"] <= 4, n + ": Schaden")
            pruef(w["Dauer"] == (540 if zh else 420) or kat in (14, 15), n + ": Dauer")
        if 2 <= kat <= 12 or kat in (14, 15):
            pruef(tier_stufe <= w["Stufe"] <= tier_stufe + 5, n + ": Stufe passt nicht zum Material")
            herst = 15 if n == "Dornenschild" else w["Stufe"] - 1
            pruef(w["Herstellungsstufe"] == herst, n + ": Herstellungsstufe")
            pruef(w["Menge"] == 1, n + ": Menge")
            if i >= 340:
                pruef(w["Rezeptpreis"] == -123, n + ": Rezeptpreis")
                pruef(any(stufe_von[a][1] == 8 for a, _ in z), n + ": ohne Edelstein")
            elif n != "Flamberge [2H]":
                pruef(w["Rezeptpreis"] * 2 == w["Preis"], n + ": Rezeptpreis")
        if kat in (13, 16, 17, 18):
            pruef(w["Herstellungsstufe"] == tier_stufe, n + ": Herstellungsstufe")
    for w in ware + train:
        pruef(not (w["Name"] in BEKANNTE_WERTE) or all(w[k] == v for k, v in BEKANNTE_WERTE[w["Name"]].items()),
              w["Name"] + ": bekannter Wert")
    pruef(sum(zweihaendig(w["Name"]) for w in ware) == 51, "51 Zweihänder")
    pruef(sum(zweihaendig(w["Name"]) for w in train) == 1, "ein Trainings-Zweihänder")
    for z in zauber:
        if z[2] == 1:
            pruef(z[8] == (z[6] + z[7]) * z[9] // 2, z[0] + ": Schaden pro Runde")
    if fehler:
        sys.exit("katalog_daten.py: " + "\n".join(fehler))


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------

KOPF = "// Generated by tools/katalog_daten.py. Do not edit by hand; change the generator and rerun it.\n"


def c_text(s):
    assert '"' not in s and "\\" not in s
    return '"' + s + '"'


def c_zahl(wert, gleitkomma=False):
    # repr gives the shortest text that reads back as the same double.
    return repr(float(wert)) if gleitkomma else str(int(wert))


def c_slots(zutaten):
    return "{" + ", ".join("{%s, %d}" % (c_text(n), a) for n, a in zutaten) + "}"


def waren_zeile(w):
    teile = []
    for f in WAREN_FELDER:
        if f == "Name":
            teile.append(c_text(w[f]))
        elif f == "Zutaten":
            teile.append(c_slots(w[f]))
        else:
            teile.append(c_zahl(w[f], f in GLEITKOMMA))
    return "{" + ", ".join(teile) + "},"


def schreiben(dateiname, zeilen):
    pfad = os.path.join(AUS_ORDNER, dateiname)
    with open(pfad, "w", encoding="utf-8", newline="\n") as f:
        f.write(KOPF)
        for z in zeilen:
            f.write(z + "\n")


def main():
    roh = rohstoffe()
    MARKTWERT.update({r[0]: r[1] for r in roh})
    zwi = zutaten()
    MARKTWERT.update({z["Name"]: z["Preis"] for z in zwi})
    ware = waren()
    train = training()
    geb = gebaeude()
    pruefen(roh, zwi, ware, train, geb, ZAUBER)

    os.makedirs(AUS_ORDNER, exist_ok=True)
    schreiben("Rohstoffe.inc", ["{%s, %d, %d, %d, %d}," % (c_text(r[0]), r[1], r[2], r[3], r[4]) for r in roh])
    schreiben("Zutaten.inc", ["{%s, %d, %d, %d, %d, %d, %d, %d, %s}," % (
        c_text(z["Name"]), z["Preis"], z["Gewicht"], z["Stufe"], z["Kategorie"], z["Rezeptpreis"], z["Dauer"],
        z["Menge"], c_slots(z["Zutaten"])) for z in zwi])
    schreiben("Waren.inc", [waren_zeile(w) for w in ware])
    schreiben("Training.inc", [waren_zeile(w) for w in train])
    schreiben("Gebaeude.inc", ["{%s, %d, %d, %d, %d, %d, %d, %d, %s}," % (
        c_text(g["Name"]), g["Art"], g["Stufe"], g["Strukturpunkte"], g["Arbeitsplaetze"], g["Unterhalt"],
        g["Voraussetzung"], g["Stadtrecht"], c_slots(g["Bauteile"])) for g in geb])
    schreiben("Zauber.inc", ["{%s, %s}," % (c_text(z[0]), ", ".join(str(v) for v in z[1:])) for z in ZAUBER])
    schreiben("WeltvarianteDE.inc", ["{%d, %d, %d, %d}," % v for v in VARIANTE_DUNLADAN_ENDURIAS])
    schreiben("WeltvarianteZ.inc", ["{%d, %d, %d, %d}," % v for v in VARIANTE_ZYRTHANIA])


if __name__ == "__main__":
    main()
