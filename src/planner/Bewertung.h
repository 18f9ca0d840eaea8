// Character planner: expected damage, healing and toughness against one opponent, and
// the texts of the "Offensive" and "Defensive" pages. Pure functions on the records of
// Charakter.h, shared with the attribute optimiser.
#pragma once

#include "planner/Charakter.h"

#include <QString>

#include <optional>
#include <vector>

namespace mvt::planer {

// ---------------------------------------------------------------- formulas

// Max(0, floor((1 - r/100) * d - a)).
int32_t SchadenNachRuestung(double d, double a, double r);
// Average of SchadenNachRuestung over the whole numbers min..max; 0 when min > max. A
// closed form of the floor sum when r has at most six and a at most eight decimals (all
// values of the planner), so the time does not depend on max - min; identical to the
// term-by-term sum wherever that sum's doubles keep the tolerance of the floors.
double MittlererSchaden(int64_t min, int64_t max, double a, double r);
// The same added up term by term: the reference of the closed form, and its fallback.
double MittlererSchadenSummiert(int64_t min, int64_t max, double a, double r);
// MittlererSchaden for one fixed defence (a, r) and many ranges, as the optimiser needs
// it: the exact fraction of the defence is found once.
class TSchadensmittel {
public:
    TSchadensmittel(double a, double r);
    double Mittel(int64_t min, int64_t max);

private:
    double m_a, m_r;
    // (1 - r/100) d - a = (m_q d + m_b) / m_m; false when r or a has too many decimals.
    bool m_bruch = false;
    int64_t m_q = 0, m_b = 0, m_m = 1;
};
// Expected damage of n attacks with accuracy t and critical chance k against the defence
// r, a, w (dodge), rb (extra protection on a block), b (block chance).
double ErwarteterSchaden(int64_t min, int64_t max, double n, double t, double k, double r, double a, double w,
                         double rb, double b);
// Expected damage per attack of nH attacks with the first and nN with the second weapon;
// 0 when neither attacks.
double ErwarteterSchadenZweiWaffen(int64_t minH, int64_t maxH, double nH, double tH, double kH, int64_t minN,
                                   int64_t maxN, double nN, double tN, double kN, double r, double a,
                                   double w, double rb, double b);
// Average heal over min..max; with exzellent the average of floor(1.5 d), in closed form.
double MittlereHeilung(int64_t min, int64_t max, bool exzellent);
// The same added up term by term: the reference of the closed form.
double MittlereHeilungSummiert(int64_t min, int64_t max, bool exzellent);
double ErwarteteHeilung(int64_t min, int64_t max, double exzellent, double t);

// The same expressions on averages already computed, for the optimiser's caches: one
// expression each, so that both paths give the same numbers bit for bit.
// The four damage averages of one weapon: normal and critical hits, unblocked and blocked
// (the blocked ones stay 0 without a block chance).
struct TMittelwerte {
    double m = 0.0, c = 0.0, mb = 0.0, cb = 0.0;
};
TMittelwerte Mittelwerte(int64_t min, int64_t max, double a, double r, double rb, double b);
double ErwartungAusMittelwerten(const TMittelwerte &mw, double n, double t, double k, double w, double b);
// (nH eH + nN eN) / (nH + nN) of the expected damages of both hands; 0 when neither attacks.
double ZweiWaffenErwartung(double nH, double eH, double nN, double eN);
// Normal and excellent average heal weighted by the excellent chance x, times accuracy t.
double HeilungAusMittelwerten(double normal, double exz, double x, double t);
// -1 when unbounded.
double EffektiveLebenspunkte(double lp, double r, double rb, double b, double w);

// "12,2 Runden", "unbesiegbar" (-1), "schon tot" (0 or less).
QString RundenText(double runden);

// ---------------------------------------------------------------- view and presets

enum class TAnsicht { Nahkampf, Fernkampf };

struct TGegnerVorgabe {
    const char16_t *Name;
    // Offensive presets: Ruestschutz, Absorb, Ausweichen, RuestschutzBeiBlock, Blockchance.
    // Defensive presets: MinSchaden, MaxSchaden, Angriffe, Treffsicherheit, KritischeTreffer.
    double Werte[5];
};
extern const std::array<TGegnerVorgabe, 6> OffensivVorgaben; // "Magier" ... "Metall 2"
extern const std::array<TGegnerVorgabe, 6> DefensivVorgaben; // "Armbrust" ... "Zweihand"
// Fill the opponent from a preset by name; Leben stays. false for an unknown name.
bool GegnerVorgabeAnwenden(TGegnerwerte &g, const QString &name);

// The eleven opponent input fields of both pages.
enum TGegnerFeld : int {
    GfLeben,
    GfRuestschutz,
    GfAbsorb,
    GfAusweichen,
    GfRuestschutzBeiBlock,
    GfBlockchance,
    GfMinSchaden,
    GfMaxSchaden,
    GfAngriffe,
    GfTreffsicherheit,
    GfKritischeTreffer,
    AnzahlGegnerFelder,
};
using TGegnerTexte = std::array<QString, AnzahlGegnerFelder>;
// A typed text cut to the field's limits: percentages three digits and two decimals
// (above 100: "100"), Absorb four and one, damage four digits, attacks two, Leben digits.
QString GegnerFeldBereinigen(TGegnerFeld f, const QString &text);
// The values of the field texts; a text that is no number counts as 0.
TGegnerwerte GegnerwerteAusTexten(const TGegnerTexte &texte);
// Field texts of opponent values, decimals with a comma ("12,5").
TGegnerTexte GegnerTexte(const TGegnerwerte &g);
// Light red fields: a minimum damage that cannot be read, a maximum below the minimum.
bool GegnerMinimumUngueltig(const TGegnerTexte &texte);
bool GegnerMaximumUngueltig(const TGegnerTexte &texte);

// ---------------------------------------------------------------- page results

struct TBewertungsZeile {
    QString Beschriftung;
    QString Wert;
    QString Hinweis;
    bool Sichtbar = true;
};

struct TOffensivErgebnis {
    bool Heilung = false; // healing mode (ranged view with a healing spell)
    double ProTreffer = 0.0;
    double ProAngriff = 0.0;
    double ProRunde = 0.0;
    double Entgangen = 0.0;
    double Unbehindert = 0.0;                  // U (damage) or HU (healing)
    std::optional<double> IdealProTreffer;     // H0; damage mode only
    std::optional<double> Waffeneffektivitaet; // damage mode only
    std::optional<double> GegnerBesiegtIn;     // damage mode only; -1 = never
    // In page order: possible, possible critical, per attack, per hit, per round, lost,
    // weapon effectiveness, rounds to defeat.
    std::vector<TBewertungsZeile> Zeilen;
    bool Berechnet = false; // false until the page has been computed once
};

struct TDefensivErgebnis {
    double ProTreffer = 0.0;
    double ProAngriff = 0.0;
    double ProRunde = 0.0;
    double IdealProAngriff = 0.0;
    double Schadensreduktion = 0.0;
    double Zaehigkeit = 0.0;      // -1 = unbounded
    double RundenUeberlebt = 0.0; // -1 = never defeated
    std::vector<TBewertungsZeile> Zeilen;
};

struct TBewertung {
    TAnsicht Ansicht = TAnsicht::Nahkampf; // the view the evaluation used
    TOffensivErgebnis Offensive;
    TDefensivErgebnis Defensive;
};

// Computes both pages. The Offensive page keeps `vorher.Offensive` when a weapon's
// minimum damage is above its maximum.
TBewertung BewertungBerechnen(const TAusruestungsArten &arten, const TCharakter &c, const TGegnerwerte &g,
                              TAnsicht ansicht, const TBewertung &vorher);

// True when the ranged column is shown: a bow or crossbow with ammunition, or a staff with
// ammunition and a spell.
bool FernkampfNutzbar(const TAusruestungsArten &arten);

} // namespace mvt::planer
