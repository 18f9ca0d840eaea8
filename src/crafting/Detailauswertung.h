// The detailed analysis of one production mode: every row and label of the detailed
// analysis window, computed from the build list, the requirement lists, the prices and
// the result record Analyse. Texts are exactly as the cells show them.
#pragma once

#include "base/Tabellentext.h"
#include "crafting/Analyse.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace mvt {

// Marks an ingredient cost that could not be computed (a node of an unknown kind).
constexpr double ZutatenkostenFehler = -2147483647.0;

// Caption of cost tab 1..4 ("Einfache Produktion", ...); empty outside that range.
QString ProduktionsmodusName(int modus);
// Caption of the window for mode 1..4.
QString DetailanalyseTitel(int modus);

// Running sums of one product row: minutes, ingredient cost, shift cost. Fehler is set
// when a node of an unknown kind was met; the ingredient cost is then the marker.
struct TBeitrag {
    double Minuten = 0.0;
    double Zutaten = 0.0;
    double Schichten = 0.0;
    bool Fehler = false;
};

// Adds a node that the mode buys from or produces at the lowest produced level.
void BeitragAddieren(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                     const TBaulistenKnoten &n, TBeitrag &summen);
// The values of one build-list entry in a mode (all amounts unrounded), in the fields of
// the mode totals: the entries' values add up to Analyse[modus].
TAnalyseErgebnis ProduktzeileWerte(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                   const TBaulistenKnoten &e, int modus);

// Text forms of the grids.
// Quantities use MengeFormatieren, amounts BetragText, durations StundenMinutenText.
QString ProzentText(double preis, double referenz); // "100%"
QString SchichtenText(double minuten);              // shifts begun: 420 minutes -> "3"
QString StufeRoemisch(int32_t stufe);               // 1..5 -> "I".."V"

using TProduktzeile = std::array<QString, 11>;
using TZwischenproduktzeile = std::array<QString, 7>;
using TZutatenzeile = std::array<QString, 5>;
using TGebaeudezeile = std::array<QString, 6>;
using TFertigkeitszeile = std::array<QString, 4>;

TProduktzeile ProduktzeileBerechnen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                    const TBaulistenKnoten &e, int modus);
// The "Gesamt" row from the mode totals; the last two columns stay empty.
TProduktzeile GesamtzeileBerechnen(const TAnalyseErgebnis &a);
TZutatenzeile ZutatenzeileBerechnen(const TKatalog &k, const TCraftingZustand &c, const TSammelEintrag &z);
TZwischenproduktzeile GetInformationZZ(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                       const TSammelEintrag &z);

// The craft (1..18) of an item, 0 when none; BenoetigteStufe the level it needs, -1 for
// kinds without one.
int FertigkeitFuerItem(const TKatalog &k, uint8_t art, int32_t index);
int32_t BenoetigteStufe(const TKatalog &k, uint8_t art, int32_t index);

// Whether a row of a produced list is shown among the intermediate products.
bool IstZwischenprodukt(const TKatalog &k, const TSammelEintrag &z);

// Summary of the bought list: [0] "Gesamt:", [1] "Rohstoffe:", [2] "Handwerksmaterialien:",
// [3] "Edelsteine:", [4] "Bauteile:".
constexpr int AnzahlZusammenfassungsgruppen = 5;
struct TZusammenfassungsgruppe {
    QString Name;
    double Anzahl = 0.0;
    double Kosten = 0.0;
    QString AnzahlText; // "12 Stk."
    QString KostenText; // "820 Gold"
};
// The group of a bought good: 1 "Rohstoffe:" (raw materials of categories 1 to 6 and
// intermediate goods), 2 "Handwerksmaterialien:", 3 "Edelsteine:", 4 "Bauteile:" (kits); 0
// for none.
int ZutatGruppe(const TKatalog &k, uint8_t art, int32_t index);
std::array<TZusammenfassungsgruppe, AnzahlZusammenfassungsgruppen>
ZutatenZusammenfassen(const TKatalog &k, const TCraftingZustand &c, int modus);

// Minutes per production building kind [1..14] of everything the mode produces.
std::array<double, AnzahlHandwerksgebaeude + 1> GebaeudeMinuten(const TKatalog &k, const TOptionen &o,
                                                                const TCraftingZustand &c, int modus);
// The 18 crafts [1..18] with the level and time the mode needs (Stufe -1: not needed).
std::array<TFertigkeit, AnzahlHandwerke + 1> FertigkeitenBestimmen(const TKatalog &k, const TOptionen &o,
                                                                   const TCraftingZustand &c, int modus);

struct TGewinnAnzeige {
    QString Ueberschrift; // "Gewinn" or "Verlust"
    QString ProStunde;    // "47 Gold"
    QString ProHandwerkstag;
    QString ProHandwerkswoche;
};
TGewinnAnzeige GewinnAnzeigeBerechnen(const TAnalyseErgebnis &a);

// Everything the window shows for one mode. Empty lists are empty here; the window shows
// them as one empty row.
struct TDetailanalyse {
    int Modus = 1;
    QString Titel;
    std::vector<TProduktzeile> Produkte; // [0] is "Gesamt"
    std::vector<TZwischenproduktzeile> Zwischenprodukte;
    std::vector<TZutatenzeile> Zutaten;
    TGewinnAnzeige Gewinn;
    std::array<TZusammenfassungsgruppe, AnzahlZusammenfassungsgruppen> Zusammenfassung;
    std::vector<TGebaeudezeile> Gebaeude;
    std::vector<TFertigkeitszeile> Fertigkeiten;
};
// c must have been recomputed (AllesNeuBerechnen) for the current build list; a mode
// outside 1..4 counts as 1. While the stock counts, the mode's netted state is shown.
TDetailanalyse DetailanalyseBerechnen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                      int modus);

// Header texts of the six grids.
extern const std::array<const char16_t *, 11> KopfProdukte;
extern const std::array<const char16_t *, 7> KopfZwischenprodukte;
extern const std::array<const char16_t *, 5> KopfZutaten;
extern const std::array<const char16_t *, 6> KopfGebaeude;
extern const std::array<const char16_t *, 4> KopfFertigkeiten;

} // namespace mvt
