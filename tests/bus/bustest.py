#!/usr/bin/env python3
"""Four tasks as a blind player does them, on the real accessibility bus: only accessibility
actions and key presses go in, and the results are read from the bus.

    bustest.py MORVAREN-TOOL

Exit code 0 when every task succeeds, 77 (skipped) when the bus cannot start."""

import os
import shutil
import sys
import tempfile
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bus  # noqa: E402

# Fighter "X" deals 12 + 20 = 32 damage.
BERICHT = "\n".join([
    "Runde 1",
    "00:00 X nähert sich Ork #1.",
    "00:12 X [Kurzschwert] greift Ork #1 an: verursacht 12 Schaden.",
    "00:12 Ork #1 [Keule] greift X an: weicht aus.",
    "Runde 2",
    "00:18 X [Kurzschwert] greift Ork #1 an: verursacht 20 Schaden (krit. Treffer).",
    "00:20 Ork #1 [Keule] greift X an: verursacht 7 Schaden.",
    "00:30 Ork #1 sinkt kampfunfähig zu Boden.",
])

# The options of a player (no version check, no town list download at start: the test talks
# to nobody), opening on the first page with the world Dunladan.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "settings",
                       "options_1.13.ini"), "rb") as datei:
    OPTIONEN = datei.read().replace(b"ActivePageIndex = 2", b"ActivePageIndex = 0").replace(
        b"LastMap = 3", b"LastMap = 1")
assert b"NextVersionCheck = 9999999" in OPTIONEN and b"TownAutoUpdate = 0" in OPTIONEN

XK_DOWN, XK_ESCAPE, XK_RETURN, XK_RIGHT = 0xff54, 0xff1b, 0xff0d, 0xff53

maengel = []


def fenster_pruefen(f):
    for m in bus.maengel(f):
        if m not in maengel:
            maengel.append(m)


def kampfbericht_auswerten(p, h):
    """Paste a report, evaluate it, read X's damage through the table's column header."""
    import pyatspi
    bus.seite_waehlen(h, "Kampfberichtauswerter")
    memo = bus.finden(h, pyatspi.ROLE_TEXT, "Kampfbericht")
    memo.queryEditableText().setTextContents(BERICHT)
    bus.aktion(bus.finden(h, pyatspi.ROLE_PUSH_BUTTON, "Auswerten"), "Press")

    def tabelle():
        for t in bus.alle(h, lambda a: a.getRole() == pyatspi.ROLE_TABLE):
            tab = t.queryTable()
            if tab.nRows >= 2 and tab.getAccessibleAt(1, 0) is not None and tab.getAccessibleAt(1, 0).name:
                return t
        return None
    t = bus.warten(tabelle, 60, "Kampftabelle gefüllt")
    tab = t.queryTable()
    koepfe = []
    for s in range(tab.nColumns):
        kopf = tab.getColumnHeader(s)
        koepfe.append(kopf.name if kopf is not None else tab.getColumnDescription(s))
    if "Schaden ausgeteilt" not in koepfe:
        raise bus.Fehlschlag("Spaltenköpfe der Tabelle \"%s\": %s" % (t.name, koepfe))
    spalte = koepfe.index("Schaden ausgeteilt")
    zeilen = [tab.getAccessibleAt(r, 0).name for r in range(tab.nRows)]
    if "X" not in zeilen:
        raise bus.Fehlschlag("kein Kämpfer X in %s" % zeilen)
    wert = tab.getAccessibleAt(zeilen.index("X"), spalte).name
    if wert != "32":
        raise bus.Fehlschlag("X hat \"%s\" Schaden ausgeteilt, erwartet 32" % wert)
    # The focus waits in the result, not on the tab bar.
    bus.fokus_in(t)
    fenster_pruefen(h)


def welt_wechseln(p, h):
    """Choose Zyrthania by the radio button's own action and read the map's caption."""
    import pyatspi
    bus.seite_waehlen(h, "Routenplaner")
    radio = bus.finden(h, pyatspi.ROLE_RADIO_BUTTON, "Zyrthania")
    akt = radio.queryAction()
    if akt.nActions < 1:
        raise bus.Fehlschlag("der Auswahlknopf Zyrthania hat keine Aktion")
    akt.doAction(0)  # the radio button's only action, "Toggle"
    bus.warten(lambda: radio.getState().contains(pyatspi.STATE_CHECKED), 20, "Zyrthania gewählt")
    bus.aktion(bus.finden(h, pyatspi.ROLE_PUSH_BUTTON, "Karte anzeigen"), "Press")
    karte = p.fenster("Karte von")
    fenster_pruefen(karte)
    if not karte.name.startswith("Karte von Zyrthania"):
        raise bus.Fehlschlag("die Karte heißt \"%s\"" % karte.name)
    bus.taste(XK_ESCAPE)
    bus.warten(lambda: not bus.zeigt(karte), 20, "Karte geschlossen")


def gegenstand_waehlen(p, h, beschreibungen):
    """Choose a helm from the planner's menu with the keyboard; the listener started before the
    program hears the helm button's new description."""
    import pyatspi
    bus.seite_waehlen(h, "Charakter-Planer")
    knopf = bus.finden(h, pyatspi.ROLE_PUSH_BUTTON, "- kein Helm -")
    fokus = bus.Zuhoerer("object:state-changed:focused")

    def taste_und_fokus(symbol):
        """Presses the key and returns the menu entry that gets the focus."""
        schon = len(fokus.ereignisse)
        bus.taste(symbol)

        def neu():
            for art, quelle, an, wert in reversed(fokus.ereignisse[schon:]):
                if wert == 1 and quelle is not None and quelle.getRole() == pyatspi.ROLE_MENU_ITEM:
                    return quelle
            return None
        return bus.warten(neu, 20, "Fokus im Helm-Menü")

    def hin_zu(name, eintrag):
        for _ in range(80):
            if eintrag.name == name:
                return eintrag
            eintrag = taste_und_fokus(XK_DOWN)
        raise bus.Fehlschlag("\"%s\" im Helm-Menü nicht erreicht" % name)

    bus.aktion(knopf, "Press")
    erster = taste_und_fokus(XK_DOWN)
    # The way to the entry, read from the menu: directly or in one of its groups.
    ziel = "Mithril-Plattenhelm"
    menue = erster.parent
    weg = None
    for i in range(menue.childCount):
        k = menue[i]
        if k is not None and k.name == ziel:
            weg = [ziel]
        elif k is not None and k.childCount and _menueeintrag(k, ziel) is not None:
            weg = [k.name, ziel]
        if weg:
            break
    if not weg:
        raise bus.Fehlschlag("kein %s im Helm-Menü" % ziel)
    hin_zu(weg[0], erster)
    if len(weg) == 2:
        hin_zu(ziel, taste_und_fokus(XK_RIGHT))  # Right opens the group at its first entry
    vorher = len(beschreibungen.ereignisse)
    bus.taste(XK_RETURN)

    def gehoert():
        # Qt's event names the object; its new description is read from it, past the cache.
        for art, quelle, an, wert in beschreibungen.ereignisse[vorher:]:
            if quelle is not None and quelle.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                quelle.clear_cache()
                if ziel in quelle.description:
                    return quelle.description
        return None
    bus.warten(gehoert, 20, "Ereignis: neue Beschreibung des Helm-Knopfs")
    fenster_pruefen(h)


def _menueeintrag(menue, name):
    import pyatspi
    stapel = [menue]
    while stapel:
        m = stapel.pop()
        for i in range(m.childCount):
            k = m[i]
            if k is None:
                continue
            if k.name == name and k.getRole() == pyatspi.ROLE_MENU_ITEM:
                return k
            if k.childCount:
                stapel.append(k)
    return None


def preis_aendern(p, h):
    """Put the catalogue's first good on the build list, change its sale price in the
    settings, and read the new price on the cost page."""
    import pyatspi
    bus.seite_waehlen(h, "Bausatzrechner")
    katalog = bus.finden(h, pyatspi.ROLE_TREE, "Katalog")
    hinzu = bus.finden(h, pyatspi.ROLE_PUSH_BUTTON, "Hinzufügen")
    # Selecting a group opens it (the options expand the tree); its first row is chosen next,
    # down to the first good.
    zeile = 0
    for _ in range(6):
        zellen = [katalog[i] for i in range(katalog.childCount)]
        zellen = [z for z in zellen if z is not None and z.getRole() == pyatspi.ROLE_TABLE_CELL]
        bus.aktion(zellen[zeile], "Toggle")
        try:
            bus.warten(lambda: hinzu.getState().contains(pyatspi.STATE_ENABLED) or
                       katalog.childCount > len(zellen), 10, "Katalog folgt der Auswahl")
        except bus.Fehlschlag:
            break
        if hinzu.getState().contains(pyatspi.STATE_ENABLED):
            break
        zeile += 1
    bus.aktion(hinzu, "Press")
    feld = bus.finden(h, pyatspi.ROLE_TEXT, "Verkaufspreis in Gold")
    # The good's name is the label before its price field.
    reihe = bus.alle(h)
    ware = reihe[reihe.index(feld) - 1].name
    if not feld.name.startswith(ware):
        raise bus.Fehlschlag("das Preisfeld \"%s\" gehört nicht zu \"%s\"" % (feld.name, ware))
    if not ware or bus.text(feld) == "4321":
        raise bus.Fehlschlag("Kostenseite: \"%s\" zu %s" % (ware, bus.text(feld)))

    optionen = bus.finden(h, pyatspi.ROLE_MENU_ITEM, "Optionen")
    bus.aktion(_menueeintrag(optionen, "Einstellungen..."), "Press", "press")
    einst = p.fenster("Einstellungen")
    bus.seite_waehlen(einst, "Bausatzrechner")
    bus.seite_waehlen(einst, "Einkaufs- & Verkaufspreise")
    bus.seite_waehlen(einst, "Handwerksmaterial")
    preis = bus.finden(einst, pyatspi.ROLE_TEXT, ware + " Verkaufspreis")
    preis.queryEditableText().setTextContents("4321")
    fenster_pruefen(einst)
    bus.aktion(bus.finden(einst, pyatspi.ROLE_PUSH_BUTTON, "Okay"), "Press")
    bus.warten(lambda: not bus.zeigt(einst), 20, "Einstellungen geschlossen")
    bus.warten(lambda: bus.text(feld) == "4321", 20, "neuer Preis auf der Kostenseite (%s)" % bus.text(feld))


AUFGABEN = [kampfbericht_auswerten, welt_wechseln, gegenstand_waehlen, preis_aendern]


def main():
    programm = sys.argv[1]
    bus.bus_starten()
    import pyatspi
    # Started before the program, as a screen reader's listener is.
    beschreibungen = bus.Zuhoerer("object:property-change:accessible-description")
    ordner = tempfile.mkdtemp()
    with open(os.path.join(ordner, "options.ini"), "wb") as f:
        f.write(OPTIONEN)
    p = bus.Programm(programm, ordner)
    bestanden, fehler = 0, 0
    try:
        p.starten()
        h = p.fenster("Hadrik's Morvaren Tool", rolle=pyatspi.ROLE_FRAME)
        for aufgabe in AUFGABEN:
            try:
                if aufgabe is gegenstand_waehlen:
                    aufgabe(p, h, beschreibungen)
                else:
                    aufgabe(p, h)
                print("OK      " + aufgabe.__name__, flush=True)
                bestanden += 1
            except Exception as e:
                print("FEHLER  %s: %s" % (aufgabe.__name__, e), flush=True)
                if not isinstance(e, bus.Fehlschlag):
                    traceback.print_exc()
                fehler += 1
        if maengel:
            print("FEHLER  Mängel:\n  " + "\n  ".join(maengel), flush=True)
            fehler += 1
        else:
            bestanden += 1
    finally:
        p.beenden()
        shutil.rmtree(ordner, ignore_errors=True)
    print("%d passed, %d failed" % (bestanden, fehler))
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
