#!/usr/bin/env python3
"""Runs the include direction check on small source trees with and without faults."""
import os
import subprocess
import sys
import tempfile
import unittest

PRUEFER = sys.argv[1]
QT = sys.argv[2]
ORDNUNG = sys.argv[3]  # the architecture document whose ranks the tree is checked against


def anlegen(wurzel, dateien):
    for pfad, inhalt in dateien.items():
        voll = os.path.join(wurzel, pfad)
        os.makedirs(os.path.dirname(voll), exist_ok=True)
        with open(voll, "w", encoding="utf-8") as f:
            f.write(inhalt)


def pruefen(dateien, tests=None, ordnung=ORDNUNG):
    """Checks dateien as src/; tests, when given, as a tree beside it held to the line limit."""
    with tempfile.TemporaryDirectory() as wurzel:
        src = os.path.join(wurzel, "src")
        anlegen(src, dateien)
        aufruf = [sys.executable, PRUEFER, src, "--qt-include", QT, "--ordnung", ordnung]
        if tests is not None:
            anlegen(os.path.join(wurzel, "tests"), tests)
            aufruf += ["--auch", os.path.join(wurzel, "tests")]
        lauf = subprocess.run(aufruf, capture_output=True, text=True)
        return lauf.returncode, lauf.stderr


GESUND = {
    "base/Zahlen.h": "#include <QString>\n",
    "catalogue/Katalog.h": '#include "base/Zahlen.h"\n',
    "crafting/Bauliste.h": '#include "catalogue/Katalog.h"\n#include <QtCore/QObject>\n',
    "crafting/ui/Seite.h": '#include "crafting/Bauliste.h"\n#include <QWidget>\n#include "ui/Bilder.h"\n',
    "ui/Bilder.h": "#include <QImage>\n",
    "app/Fenster.cpp": '#include "crafting/ui/Seite.h"\n#include "settings/Datei.h"\n',
    "settings/Datei.h": '#include "crafting/Bauliste.h"\n#include "base/Zahlen.h"\n',
}


class Schichten(unittest.TestCase):
    def test_eine_richtung_besteht(self):
        rc, fehler = pruefen(GESUND)
        self.assertEqual(rc, 0, fehler)

    def test_kreise_fallen_auf(self):
        # Directly, around three folders, and through a window folder back into a model.
        for zusatz, kreis in [
            ({"base/Zahlen.cpp": '#include "catalogue/Katalog.h"\n'}, "base"),
            ({"catalogue/Katalog.cpp": '#include "settings/Datei.h"\n'}, "settings"),
            ({"ui/Bilder.cpp": '#include "app/Fenster.cpp"\n'}, "app"),
            # A shared window folder that includes a model whose windows include it.
            ({"ui/Bilder.cpp": '#include "crafting/Bauliste.h"\n'}, "crafting -> ui"),
        ]:
            with self.subTest(kreis=kreis):
                rc, fehler = pruefen({**GESUND, **zusatz})
                self.assertNotEqual(rc, 0)
                self.assertIn("folders include each other", fehler)
                self.assertIn(kreis, fehler)

    def test_modell_ohne_fenster(self):
        for zeile in ['#include "crafting/ui/Seite.h"', '#include "ui/Bilder.h"', "#include <QWidget>",
                      "#include <QImage>", "#include <QtGui/QColor>", "  #  include <QtWidgets>"]:
            with self.subTest(zeile=zeile):
                rc, fehler = pruefen({**GESUND, "settings/Datei.cpp": zeile + "\n"})
                self.assertNotEqual(rc, 0)
                self.assertIn("settings/Datei.cpp:1", fehler)

    def test_relative_includes_zaehlen(self):
        rc, fehler = pruefen({**GESUND, "base/Zahlen.cpp": '#include "../catalogue/Katalog.h"\n'})
        self.assertNotEqual(rc, 0)
        self.assertIn("base -> catalogue", fehler)

    def test_rang_nach_dem_dokument(self):
        # Includes that close no circle: only the documented order tells them apart.
        unten = {**GESUND, "routes/Welten.h": '#include "base/Zahlen.h"\n',
                 "combat/Kaempfer.h": '#include "catalogue/Katalog.h"\n',
                 "routes/ui/Karte.h": '#include "routes/Welten.h"\n#include "ui/Bilder.h"\n',
                 "catalogue/daten/Tabelle.h": '#include "base/Zahlen.h"\n',
                 "cli/Befehl.cpp": '#include "settings/Datei.h"\n#include "routes/Welten.h"\n'}
        self.assertEqual(pruefen(unten)[0], 0, pruefen(unten)[1])
        for datei, zeile, erwartet in [
            ("catalogue/Katalog.cpp", "routes/Welten.h", "catalogue (rank 2) includes routes"),
            ("base/Zahlen.cpp", "catalogue/daten/Tabelle.h", "base (rank 1) includes catalogue"),
            ("settings/Datei.cpp", "ui/Bilder.h", "settings (rank 4) includes ui"),
            ("crafting/Bauliste.cpp", "combat/Kaempfer.h", "crafting includes combat of the same"),
            ("crafting/ui/Seite.cpp", "routes/ui/Karte.h", "crafting/ui includes routes/ui"),
            ("app/Fenster.cpp", "cli/Befehl.cpp", "app includes cli of the same rank"),
            ("neu/Teil.h", "base/Zahlen.h", "neu: folder without a rank"),
        ]:
            with self.subTest(datei=datei, zeile=zeile):
                rc, fehler = pruefen({**unten, datei: f'#include "{zeile}"\n'})
                self.assertNotEqual(rc, 0)
                self.assertIn(erwartet, fehler)
        # A pair listed beside each other passes; a document without ranks checks nothing.
        self.assertEqual(pruefen({**unten, "online/Abruf.h": '#include "routes/Welten.h"\n'})[0], 0)
        with tempfile.NamedTemporaryFile("w", suffix=".md") as leer:
            leer.write("# Architecture\n\n    base -> catalogue\n")
            leer.flush()
            rc, fehler = pruefen(GESUND, ordnung=leer.name)
            self.assertNotEqual(rc, 0)
            self.assertIn("no line 'rank N", fehler)

    def test_lange_dateien_fallen_auf(self):
        for zeilen, erlaubt in [(900, True), (901, False)]:
            with self.subTest(zeilen=zeilen):
                rc, fehler = pruefen({**GESUND, "crafting/Bauliste.cpp": "// x\n" * zeilen})
                self.assertEqual(rc == 0, erlaubt, fehler)
                if not erlaubt:
                    self.assertIn("crafting/Bauliste.cpp: 901 lines", fehler)

    def test_namensraum_folgt_dem_ordner(self):
        # A folder's own namespace, another's forward-declared, and another's holding code.
        for pfad, inhalt, erlaubt in [
            ("routes/Stadtliste.h", "namespace mvt::routen {\nstruct TStadt {\n};\n}\n", True),
            ("routes/ui/Seite.h", "namespace mvt {\nnamespace routen {\nclass TListe;\n}\n}\n", True),
            ("app/Fenster.h", "namespace mvt::routen {\nstruct TStadtdaten;\nclass TListe;\n} // x\n", True),
            ("app/Fenster.h", "namespace mvt::routen { struct TStadtdaten; }\n", True),
            ("routes/Stadtliste.h", "namespace mvt::online {\nstruct TStadt {\n};\n}\n", False),
            ("routes/Stadtliste.h", "namespace mvt::online {\nstruct TStadt;\nint Zahl();\n}\n", False),
            ("app/Fenster.h", "namespace mvt {\nnamespace planer {\nvoid f() {}\n}\n}\n", False),
            ("settings/Datei.cpp", "namespace mvt::cli::json {\nint x = 1;\n}\n", False),
        ]:
            with self.subTest(pfad=pfad, inhalt=inhalt):
                rc, fehler = pruefen({**GESUND, pfad: inhalt})
                self.assertEqual(rc == 0, erlaubt, fehler)
                if not erlaubt:
                    self.assertIn(f"{pfad}:", fehler)
                    self.assertIn("namespace of src/", fehler)

    def test_lange_testdateien_fallen_auf(self):
        # Tests and their helpers in any language; test data and includes are not checked.
        lang = "// x\n" * 901
        for pfad, erlaubt in [("catalogue/KatalogTest.cpp", False), ("app/Pruefstand.h", False),
                              ("bus/bustest.py", False), ("data/route.json", True)]:
            with self.subTest(pfad=pfad):
                rc, fehler = pruefen(GESUND, {pfad: lang, "Leer.cpp": '#include "app/Fenster.cpp"\n'})
                self.assertEqual(rc == 0, erlaubt, fehler)
                if not erlaubt:
                    self.assertIn(f"tests/{pfad}: 901 lines", fehler)
        rc, fehler = pruefen(GESUND, {"catalogue/KatalogTest.cpp": "// x\n" * 900})
        self.assertEqual(rc, 0, fehler)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
