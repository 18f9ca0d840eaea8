// The detail panel of the item browser: every text, which labels show, and which lines
// are grey, for one catalogue item. The window only copies this into its labels.
#pragma once

#include "catalogue/Katalog.h"

#include <QString>

#include <array>

namespace mvt {

enum class TDetailLayout {
    Keins,      // a group node or an unknown name: the panel is hidden
    Spezial,    // loot, crafting material, gems: one free text instead of recipe and production
    Produktion, // ingredients on the left, building, duration, recipe and quantity on the right
    Gebaeude,   // components, then the prerequisites below them
};

struct TArtikeldetails {
    TDetailLayout Layout = TDetailLayout::Keins;
    std::array<QString, 6> Item;        // LabelItem1..5 ([0] unused)
    std::array<bool, 6> ItemGrau{};     // drawn in grey 0x777777 instead of the window text colour
    QString ZutatUeberschrift;          // LabelZutat0: "Zutaten" or "Bauteile"
    std::array<QString, 6> Zutat;       // LabelZutat1..5
    int Zutatzeilen = 0;                // lines 1..Zutatzeilen are shown
    QString HerstellungUeberschrift;    // LabelHerstellung0
    std::array<QString, 5> Herstellung; // LabelHerstellung1..4 ([0] unused)
    std::array<bool, 5> HerstellungSichtbar{};
    QString Spezial;                  // LabelHerstellungSpezial
    std::array<QString, 3> Marktwert; // LabelMarktwert0..2
    bool Marktwert2Sichtbar = false;
};

// Weight text of grams: kilograms with three decimals and a full stop (400 -> "0.400").
QString GewichtText(int64_t gramm);

// The panel for the item of that exact catalogue name; Layout Keins for anything else.
TArtikeldetails ArtikeldetailsBestimmen(const TKatalog &k, const QString &name);

} // namespace mvt
