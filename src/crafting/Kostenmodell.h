// The economics of the crafting calculator: prices, production buildings, production
// times and shift costs, the four production modes and their requirement lists. The
// whole process-wide crafting state lives in TCraftingZustand.
#pragma once

#include "catalogue/Katalog.h"
#include "crafting/Bauliste.h"
#include "crafting/Lager.h"
#include "base/Optionen.h"
#include "base/Preiskopplung.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace mvt {

struct TPreispaar {
    double Einkaufspreis = 0.0; // purchase price per piece
    double Verkaufspreis = 0.0; // sale price per piece
    bool operator==(const TPreispaar &) const = default;
};

// One row of a requirement list.
struct TSammelEintrag {
    uint8_t Art = ArtKeine;
    int32_t Index = -1;
    double Menge = -1.0;
};

// A requirement list: each (Art, Index) once, in the order of first appearance.
struct TBedarfsliste {
    std::vector<TSammelEintrag> Zeilen;
    int32_t Kapazitaet = 0;

    int32_t Anzahl() const { return static_cast<int32_t>(Zeilen.size()); }
};

// The production-building kinds one production mode uses.
struct TBenoetigteGebaeude {
    std::array<bool, AnzahlHandwerksgebaeude + 1> Enthalten{}; // [kind]
    int32_t Anzahl = 0;
    int32_t Erstes = 0; // first kind found, 0 when none
};

// Result of one production mode; all amounts unrounded.
struct TAnalyseErgebnis {
    double Marktwert = 0.0;
    double Verkaufserloes = 0.0;
    double Gesamtdauer = 0.0; // minutes
    double Herstellungskosten = 0.0;
    double Schichtanteil = 0.0;
    double Zutatenanteil = 0.0;
    double Gewinn = 0.0;
    double GewinnProStunde = 0.0;
};

constexpr int AnzahlModi = 4;

struct TNettoplan; // crafting/Lagerverrechnung.h

// The prices and production buildings, which the settings window and the price dialog
// edit as one. Tables are 1-based like the catalogue.
struct TPreise {
    std::array<TPreispaar, AnzahlRohstoffe + 1> Rohstoffpreise{};
    std::array<TPreispaar, AnzahlZutatGueter + 1> Zutatpreise{};
    std::array<TPreispaar, AnzahlWaren + 1> Warenpreise{};
    std::array<TPreispaar, AnzahlGebaeude + 1> Gebaeudepreise{};
    std::array<TVorhandeneHandwerksgebaeude, AnzahlHandwerksgebaeude + 1> Handwerksgebaeude =
        HandwerksgebaeudeStandard();

    bool operator==(const TPreise &) const = default;
};

// Everything the crafting calculator owns, the prices included.
struct TCraftingZustand : TPreise {
    TBauliste Bauliste;
    TBedarfsliste Bedarfsliste1{{}, 119};
    TBedarfsliste Bedarfsliste2{{}, 99};
    TBedarfsliste Bedarfsliste3{{}, 74};
    TBedarfsliste Bedarfsliste4{{}, 74};
    std::array<TBenoetigteGebaeude, AnzahlModi + 1> BenoetigteGebaeude{}; // [mode 1..4]
    std::array<TAnalyseErgebnis, AnzahlModi + 1> Analyse{};               // [mode 1..4]

    // The player's stock and "Lager berücksichtigen". While the stock counts, BerechneAnalyse
    // keeps each mode's netted state here and Analyse holds the netted figures.
    TLager Lager;
    bool LagerBeruecksichtigen = false;
    std::shared_ptr<const TNettoplan> Netto;

    // Bedarfsliste1..4 by number; nullptr outside 1..4.
    TBedarfsliste *Bedarfsliste(int k);
    const TBedarfsliste *Bedarfsliste(int k) const;
};

// A fresh state: empty build list, default prices and buildings. Needs the filled catalogue.
void CraftingZustandAnlegen(const TKatalog &k, TCraftingZustand &c);

// Markers of Herstellungsdauer besides a building kind 1..14.
constexpr int GebaeudeKeins = 0;
constexpr int GebaeudeGekauft = -1;

struct THerstellung {
    double Minuten = 0.0;
    int Gebaeude = GebaeudeKeins; // kind 1..14, GebaeudeGekauft or GebaeudeKeins
};

constexpr double SchichtMinuten = 180.0;

// Time factor of a building level 1..5; 1.0 outside that range.
double GebaeudeStufenFaktor(int32_t stufe);
// The craft (1..18) whose potency applies to an item; 0 when none.
int HandwerkFuerItem(const TKatalog &k, uint8_t art, int32_t index);
// The production building kind of an item; GebaeudeKeins when none.
int GebaeudeFuerItem(const TKatalog &k, uint8_t art, int32_t index);
THerstellung Herstellungsdauer(const TKatalog &k, const TCraftingZustand &c, const TOptionen &o, uint8_t art,
                               int32_t index, double menge);
double Schichtkostenanteil(const TCraftingZustand &c, int gebaeude, double minuten);

void BedarfslistenLeeren(TCraftingZustand &c);
void Bedarfsliste1Fuellen(const TKatalog &k, TCraftingZustand &c);
// Builds list k + 1 from list k (k = 1, 2, 3). With faktoren (by GutNummer) every
// ingredient's quantity is multiplied by its good's factor, and rows that come to 0 are
// left out: the netted lists (crafting/Lagerverrechnung.h).
void BedarfslisteAufloesen(const TKatalog &k, TCraftingZustand &c, int liste,
                           const std::vector<double> *faktoren = nullptr);
void BenoetigteGebaeudeBestimmen(const TKatalog &k, TCraftingZustand &c);

// Reference value of a price: the catalogue Preis, for buildings Gebaeudewert; 0 when invalid.
double Referenzwert(const TKatalog &k, uint8_t art, int32_t index);
// The price pair of an item; nullptr for kinds or rows without one.
TPreispaar *Preise(TPreise &c, uint8_t art, int32_t index);
const TPreispaar *Preise(const TPreise &c, uint8_t art, int32_t index);

// Store a price given as text ("617,5") and return its percentage. Nothing is stored (and
// nullopt returned) for an empty text, an unknown name, a building given to
// EinkaufspreisSetzen, or a text that is no number (that one is reported).
std::optional<int32_t> VerkaufspreisSetzen(const TKatalog &k, TPreise &c, const QString &name,
                                           const QString &text);
std::optional<int32_t> EinkaufspreisSetzen(const TKatalog &k, TPreise &c, const QString &name,
                                           const QString &text);
// The percentage of a price text without storing it.
std::optional<int32_t> PreisProzent(const TKatalog &k, const QString &name, const QString &text);
// percent × reference / 100 as a gold text; empty for an unknown name.
QString PreisAusProzent(const TKatalog &k, const QString &name, int32_t prozent);
// All price pairs and production buildings back to their defaults.
void PreiseZuruecksetzen(const TKatalog &k, TPreise &c);

} // namespace mvt
