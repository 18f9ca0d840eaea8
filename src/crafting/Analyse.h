// The analysis of the build list: value, time, costs and profit of the four production
// modes, and the model half of the full recomputation.
#pragma once

#include "crafting/Kostenmodell.h"

#include <QString>

#include <array>

namespace mvt {

// Fills c.Analyse from the build list, the requirement lists and the settings; while the
// stock counts, with the netted figures (crafting/Lagerverrechnung.h).
void BerechneAnalyse(const TKatalog &k, const TOptionen &o, TCraftingZustand &c);

// Requirement lists, analysis and needed-building sets after a change of the build list.
// Returns false when the list is empty: then everything is emptied and the tab shows its
// empty state.
bool AllesNeuBerechnen(const TKatalog &k, const TOptionen &o, TCraftingZustand &c);

// Market value of a build-list entry: reference value x quantity; a building is worth its
// component kits at their catalogue Preis.
double EintragMarktwert(const TKatalog &k, const TBaulistenKnoten &e);
// Herstellungskosten, Gewinn and GewinnProStunde from the sums (per hour 0 without time).
void ErgebnisAbschliessen(TAnalyseErgebnis &a);

// An amount of gold rounded to whole digits, without unit: "322", "-15".
QString BetragText(double betrag);
// Minutes as "11 Std. 54 Min." (rounded to whole minutes).
QString StundenMinutenText(double minuten);

// The eight values as amounts in that order, without units (the detailed analysis grid).
std::array<QString, 8> AnalyseWerteZahlen(const TAnalyseErgebnis &a);
// Texts of the eight value labels of a cost tab, top to bottom: market value, duration,
// production costs, ingredients, shifts, revenue, profit and profit per hour (" Gold").
std::array<QString, 8> AnalyseWerteTexte(const TAnalyseErgebnis &a);

enum class TGewinnFarbe {
    Normal,    // profit exactly 0
    Gruen,     // profit
    Dunkelrot, // loss
};
// "Gewinn:" or "Verlust:" and the colour of the profit labels.
QString GewinnBeschriftung(double gewinn);
TGewinnFarbe GewinnFarbe(double gewinn);

} // namespace mvt
