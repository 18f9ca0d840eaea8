// What the four cost pages of the crafting tab and the price dialog show: sale row,
// building section and purchase rows of each production mode, computed from the build
// list, the requirement lists and the stored prices.
#pragma once

#include "crafting/Kostenmodell.h"

#include <QString>

#include <array>
#include <vector>

namespace mvt {

// One price row: the good, its stored price and the reference of its percentage.
struct TPreiszeilenDaten {
    QString Name;
    double Gold = 0.0;
    double Referenz = 0.0;
    int32_t Prozent = 0;
};

struct TKostenseite {
    TPreiszeilenDaten Verkauf; // the first build-list entry
    bool VerkaufAlle = false;  // "Alle anzeigen..." (two entries or more)

    bool GebaeudeSichtbar = false;         // false: "-kein Gebäude benötigt-"
    int GebaeudeArt = 0;                   // kind shown in the combo box
    std::array<QString, 5> GebaeudeStufen; // "Schmiede I" ... "Schmiede V"
    int StufeIndex = 0;                    // Stufe - 1
    int32_t Schichtkosten = 0;
    bool GebaeudeAlle = false; // more than one kind in the mode's set

    int32_t Zutaten = 0;                    // rows of the mode's requirement list
    std::vector<TPreiszeilenDaten> Einkauf; // its first five rows
    bool EinkaufAlle = false;               // six rows or more
};

constexpr int SichtbareEinkaufszeilen = 5;

// The five level names of a production building kind: name + " I" ... " V".
std::array<QString, 5> Stufennamen(int art);

// Pages 1..4 ([0] unused). Needs the requirement lists and needed-building sets of the
// current build list (AllesNeuBerechnen); the build list must not be empty.
std::array<TKostenseite, AnzahlModi + 1> KostenseitenBestimmen(const TKatalog &k, const TCraftingZustand &c);

// Rows of the price dialog for a tag 10 x mode + kind: kind 1 the build list's goods with
// their sale prices, 2 the goods mode k buys (after the stock while it counts, as the cost
// page) with their purchase prices. Empty otherwise.
std::vector<TPreiszeilenDaten> PreisdialogZeilen(const TKatalog &k, const TCraftingZustand &c, int tag);
// Kind 3: the production building kinds mode k uses, in kind order.
std::vector<int> PreisdialogGebaeude(const TCraftingZustand &c, int tag);

} // namespace mvt
