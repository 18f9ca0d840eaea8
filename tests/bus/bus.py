"""The accessibility bus as a screen reader sees it: starts the AT-SPI bus inside the session
bus of dbus-run-session, starts the program with Qt's AT-SPI bridge on, and reads and operates
it through python3-pyatspi (roles, names, descriptions, relations, tables, actions, events).

Every wait polls with a deadline, so that a loaded machine only makes the test slower."""

import os
import subprocess
import sys
import tempfile
import time

UEBERSPRUNGEN = 77  # ctest's SKIP_RETURN_CODE


def ueberspringen(grund):
    print("ÜBERSPRUNGEN: " + grund, flush=True)
    sys.exit(UEBERSPRUNGEN)


class Fehlschlag(Exception):
    pass


def warten(bedingung, sekunden, was):
    """Polls bedingung (pumping the bus's events) until it returns something true."""
    ende = time.monotonic() + sekunden
    while True:
        ereignisse_holen()
        try:
            wert = bedingung()
        except Exception:  # an object that vanished while it was read: try again
            wert = None
        if wert:
            return wert
        if time.monotonic() > ende:
            raise Fehlschlag("Zeit abgelaufen: " + was)
        time.sleep(0.05)


# ---------------------------------------------------------------- the bus itself

def _bus_adresse():
    from gi.repository import Gio, GLib
    try:
        sitzung = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        antwort = sitzung.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                    None, GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 2000, None)
        return antwort.unpack()[0]
    except Exception:
        return None


def bus_starten():
    """Starts at-spi-bus-launcher and waits until the registry answers; skips when it cannot."""
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        ueberspringen("keine D-Bus-Sitzung (dbus-run-session fehlt?)")
    starter = "/usr/libexec/at-spi-bus-launcher"
    if not os.access(starter, os.X_OK):
        ueberspringen(starter + " fehlt (Paket at-spi2-core)")
    subprocess.Popen([starter, "--launch-immediately"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        warten(_bus_adresse, 30, "Barrierefreiheitsbus")
    except Fehlschlag:
        ueberspringen("der Barrierefreiheitsbus (at-spi-bus-launcher) startet nicht")
    global pyatspi, Atspi, GLib
    try:
        import pyatspi
        from gi.repository import Atspi, GLib
    except ImportError:
        ueberspringen("python3-pyatspi fehlt")
    # Generous time-outs: a loaded machine answers late, not never.
    Atspi.set_timeout(20000, 60000)
    global _fokus
    _fokus = Zuhoerer("object:state-changed:focused")
    try:
        warten(lambda: pyatspi.Registry.getDesktop(0) is not None and
               pyatspi.Registry.getDesktop(0).childCount >= 0, 30, "Registry")
    except Fehlschlag:
        ueberspringen("die AT-SPI-Registry antwortet nicht")


def ereignisse_holen():
    if "GLib" in globals():
        kontext = GLib.MainContext.default()
        while kontext.pending():
            kontext.iteration(False)


class Zuhoerer:
    """Collects the events of the given kinds from the moment it is made."""

    def __init__(self, *arten):
        self.ereignisse = []
        self._rueckruf = lambda e: self.ereignisse.append((e.type, e.source, e.any_data, e.detail1))
        for art in arten:
            pyatspi.Registry.registerEventListener(self._rueckruf, art)


_fokus = None


def fokus_in(a, sekunden=20):
    """Waits until the focus (as the focus events tell it) is on a or on one of its cells."""
    def drin():
        for art, quelle, an, wert in reversed(_fokus.ereignisse):
            if wert == 1 and quelle is not None:
                return quelle == a or quelle.parent == a
        return False
    warten(drin, sekunden, "Fokus auf %s \"%s\"" % (a.getRoleName(), a.name))


# ---------------------------------------------------------------- the program

class Programm:
    def __init__(self, befehl, ordner):
        self.befehl = befehl
        self.ordner = ordner
        self.prozess = None
        self.app = None

    def starten(self, sekunden=60):
        """Starts the program and waits for its main window on the bus; once more when the
        program missed the bus at start."""
        for versuch in (1, 2):
            umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                            QT_QPA_PLATFORM="xcb")
            self.ausgabe = tempfile.TemporaryFile()
            self.prozess = subprocess.Popen([self.befehl], cwd=self.ordner, env=umgebung,
                                            stdout=self.ausgabe, stderr=subprocess.STDOUT)
            try:
                self.app = warten(self._anwendung, sekunden / 2, "Programm auf dem Bus")
                return self.app
            except Fehlschlag:
                self.beenden()
                if versuch == 2:
                    self.ausgabe.seek(0)
                    raise Fehlschlag("das Programm erscheint nicht auf dem Bus (Exitstatus %s):\n%s" % (
                        self.prozess.returncode, self.ausgabe.read().decode(errors="replace")))

    def _anwendung(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop[i]
            if a is None:
                continue
            try:
                if a.get_process_id() != self.prozess.pid:
                    continue
            except Exception:
                continue
            for k in range(a.childCount):
                if a[k] is not None and a[k].name == "Hadrik's Morvaren Tool":
                    return a
        return None

    def beenden(self):
        if self.prozess and self.prozess.poll() is None:
            self.prozess.terminate()
            try:
                self.prozess.wait(10)
            except subprocess.TimeoutExpired:
                self.prozess.kill()
                self.prozess.wait()

    def fenster(self, anfang, sekunden=30, rolle=None):
        """The shown top-level window whose name starts with anfang (and of that role)."""
        def suchen():
            for k in range(self.app.childCount):
                f = self.app[k]
                if f is not None and f.name.startswith(anfang) and zeigt(f) and \
                        (rolle is None or f.getRole() == rolle):
                    return f
            return None
        return warten(suchen, sekunden, "Fenster " + anfang)


# ---------------------------------------------------------------- reading and acting

def zeigt(a):
    return a.getState().contains(pyatspi.STATE_SHOWING)


def alle(wurzel, passt=lambda a: True):
    """Every shown object under wurzel that passes, in reading order."""
    gefunden = []
    stapel = [wurzel]
    while stapel:
        a = stapel.pop()
        if a is None:
            continue
        try:
            if a is not wurzel and not zeigt(a):
                continue
            if passt(a):
                gefunden.append(a)
            if a.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_MENU_ITEM):
                continue
            stapel.extend(reversed([a[i] for i in range(a.childCount)]))
        except Exception:
            continue
    return gefunden


def finden(wurzel, rolle, name, sekunden=30):
    """The first shown object of that role whose name is name (or ends with "… " + name)."""
    def suchen():
        t = alle(wurzel, lambda a: a.getRole() == rolle and (a.name == name or a.name.endswith(" " + name)))
        return t[0] if t else None
    return warten(suchen, sekunden, "Rolle %s \"%s\"" % (rolle, name))


def aktion(a, *namen):
    """Runs the first of the named actions that the object offers."""
    akt = a.queryAction()
    angeboten = [akt.getName(i) for i in range(akt.nActions)]
    for n in namen:
        if n in angeboten:
            akt.doAction(angeboten.index(n))
            return
    raise Fehlschlag("%s \"%s\" bietet %s, nicht %s" % (a.getRoleName(), a.name, angeboten, namen))


def seite_waehlen(hauptfenster, titel):
    tab = finden(hauptfenster, pyatspi.ROLE_PAGE_TAB, titel)
    aktion(tab, "Press", "press", "Switch", "switch", "Toggle", "toggle", "click")
    # Qt names the tab list after its current page.
    warten(lambda: tab.parent.name == titel, 20, "Seite " + titel)


def text(a):
    t = a.queryText()
    return t.getText(0, t.characterCount)


def hineinzeigen(fenster):
    """Puts the pointer into the window: without a window manager the X server gives the
    keyboard to the window under the pointer, as a click into it would."""
    x, y, b, h = fenster.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + 2, y + 2, "abs")
    ereignisse_holen()


def taste(symbol):
    """Presses and releases one key as the keyboard does (X keysym)."""
    pyatspi.Registry.generateKeyboardEvent(symbol, None, pyatspi.KEY_SYM)


# ---------------------------------------------------------------- what no window may have

def maengel(fenster):
    """What a screen reader would stumble over in a shown window: a secondary window read as
    filler, a focusable control without a name, a table whose column headers are numbers."""
    m = []
    if fenster.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW):
        m.append("Fenster \"%s\" hat die Rolle %s" % (fenster.name, fenster.getRoleName()))
    ohne_namen = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
                  pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
                  pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
                  pyatspi.ROLE_LIST, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_PAGE_TAB,
                  pyatspi.ROLE_LINK, pyatspi.ROLE_PANEL, pyatspi.ROLE_SCROLL_PANE,
                  pyatspi.ROLE_CHART, pyatspi.ROLE_IMAGE, pyatspi.ROLE_LABEL}
    for a in alle(fenster, lambda a: a.getState().contains(pyatspi.STATE_FOCUSABLE)):
        if a.getRole() in ohne_namen and not a.name.strip():
            m.append("%s in \"%s\" ohne Namen" % (a.getRoleName(), fenster.name))
    for t in alle(fenster, lambda a: a.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
                                                      pyatspi.ROLE_TREE)):
        try:
            tab = t.queryTable()
        except NotImplementedError:
            continue
        for s in range(tab.nColumns):
            kopf = tab.getColumnDescription(s)
            if kopf.strip().isdigit():
                m.append("Tabelle \"%s\": Spalte %d heißt \"%s\"" % (t.name, s, kopf))
    return m
