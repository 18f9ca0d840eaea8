// The rules of the settings window: the potency lists with their validation and the
// clipboard import, the 719 price rows and their pages, the remembered "Alle" values,
// and what showing the window and Okay do with the data.
#pragma once

#include "catalogue/Katalog.h"
#include "crafting/Kostenmodell.h"
#include "base/Optionen.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace mvt {

// Row names of the potency lists: Fertigkeiten are Wirkung 0..19, Handwerk 20..37.
constexpr int AnzahlFertigkeitsWirkungen = 20;
constexpr int AnzahlHandwerksWirkungen = 18;
extern const std::array<const char16_t *, AnzahlWirkungen> WirkungsNamen; // by Wirkung index

// A typed potency after leaving its row: not a number gives "1,00"; below the minimum
// the minimum; above the maximum a percentage, divided by 100 and kept in bounds.
QString WirkungPruefen(const QString &text, const TOptionen &o);

// Potencies from the game's skill page on the clipboard. Werte holds the fifth field of
// each matched line by Wirkung index (unchanged text); Anzahl counts the imported lines.
struct TWirkungsimport {
    std::array<std::optional<QString>, AnzahlWirkungen> Werte;
    int Anzahl = 0;
};
TWirkungsimport WirkungenImportieren(const QString &zwischenablage);
// "Erfolgreich: 38 Werte übernommen!" or "Fehlgeschlagen: nichts geändert!".
QString ImportErgebnistext(int anzahl);

// The price rows 1..719, in the order of the options file's PRICES section.
constexpr int AnzahlPreiszeilen = AnzahlRohstoffe + AnzahlZutatGueter + AnzahlWaren + AnzahlGebaeude;
constexpr int ZeilenMitEinkauf = AnzahlRohstoffe + AnzahlZutatGueter + AnzahlBauteilWaren; // 119
struct TPreiszeilenGut {
    uint8_t Art = ArtKeine; // ArtRohstoff, ArtZutat, ArtWare, ArtGebaeude
    int32_t Index = -1;
};
TPreiszeilenGut PreiszeileGut(int zeile);
int PreiszeileVon(uint8_t art, int32_t index); // the row of a good; 0 when it has none
bool HatEinkauf(int zeile);

// Row ranges of the price pages and their "Alle" boxes.
struct TZeilenbereich {
    int Von = 0, Bis = -1; // rows, inclusive
};
struct TPreisunterseite {
    QString Titel; // empty: the page has no sub-pages
    std::vector<TZeilenbereich> Bereiche;
};
struct TAlleBox {
    int Seite = 0;        // index into Preisseiten()
    bool Einkauf = false; // the purchase column
    bool Sichtbar = true;
    std::vector<TZeilenbereich> Bereiche; // rows it sets
};
struct TPreisseite {
    QString Titel;
    bool Einkauf = false; // rows with both columns
    std::vector<TPreisunterseite> Unterseiten;
};
const std::vector<TPreisseite> &Preisseiten();
constexpr int AnzahlAlleBoxen = 33;
const std::array<TAlleBox, AnzahlAlleBoxen> &AlleBoxen();
// For every price row (index = row, 0 unused) the catalogue tree node that holds its leaf,
// numbered in tree order: a kit's material tier ("II  Eisen", "III Perlmutt"), a
// building's kind ("Forstanlage"); -1 for a row the tree does not hold.
std::vector<int> Baumgruppen(const TKatalog &k);
// Rows that open a new tier group (an extra gap before them) within a page's range list.
// Kits and buildings go by the tree's groups; `gruppen` from Baumgruppen.
bool NeueStufengruppe(const TKatalog &k, const std::vector<int> &gruppen, int vorige, int zeile);
bool NeueStufengruppe(const TKatalog &k, int vorige, int zeile);

// Values remembered for the run: the 33 "Alle" boxes and the two building masters.
struct TErinnerteWerte {
    std::array<int, AnzahlAlleBoxen> Alle;
    int GebaeudeMaster = 0; // "Alle Stufe I"
    int SchichtMaster = 25;
    TErinnerteWerte() { Alle.fill(100); }
};

// The content of the window's controls (FormShow fills it, Okay reads it).
struct TEinstellungsWerte {
    bool TreeViewAutoExpand = false, SaveUserAngaben = true, ShowHints = true, BSRWirkungBerechnen = true;
    bool StadtAutoUpdate = true, AuftragsOptimierung = true, CPWirkungBerechnen = true, AutoUpdate = true;
    bool BSRAlteWelt = false, CPAlteWelt = false;
    int Uebertragungsintervall = 1000, SZone = 2, BZone = 5, SZoneHS = 4, BZoneHS = 8;
    std::array<QString, AnzahlWirkungen> Wirkung; // by Wirkung index
    // Gold texts by row 1..719 ([0] unused); purchase only for rows 1..119.
    std::vector<QString> Verkauf = std::vector<QString>(AnzahlPreiszeilen + 1);
    std::vector<QString> Einkauf = std::vector<QString>(AnzahlPreiszeilen + 1);
    std::array<int, AnzahlHandwerksgebaeude + 1> Stufenposition{}; // 0..4
    std::array<int, AnzahlHandwerksgebaeude + 1> Schichtkosten{};
};

struct TEinstellungsDaten {
    const TKatalog &Katalog;
    TPreise &Preise; // prices and production buildings
    TOptionen &Optionen;
    double &NextVersionCheck;
    TErinnerteWerte &Erinnert;
};

// What the window shows when it opens, as values: potencies, worlds and potency switches,
// options, prices and production buildings (the remembered boxes are in Erinnert).
TEinstellungsWerte EinstellungenLesen(const TEinstellungsDaten &d);
// The gold texts of one row as shown.
QString VerkaufstextZeile(const TKatalog &k, const TPreise &c, int zeile);
QString EinkaufstextZeile(const TKatalog &k, const TPreise &c, int zeile);

// Okay: options, worlds, NextVersionCheck, potencies, prices and buildings from the
// values (the remembered boxes are stored by the window into Erinnert before). The
// crafting world's recipe rules are the session's consequence of the stored world.
void EinstellungenUebernehmen(const TEinstellungsDaten &d, const TEinstellungsWerte &w, double jetzt);

// The price reset: every price back to its market or building value, every production
// building to level I and 25 gold, every remembered box to 100, "Alle Stufe I" and 25.
void HandwerksparameterZuruecksetzen(const TEinstellungsDaten &d);
inline const QString FragePreiseZuruecksetzen =
    QStringLiteral("Alle Handwerksparameter auf den Standardwert zurücksetzen?");

} // namespace mvt
