// The shopping list ("Einkaufsliste") of a production mode: what must be bought after the
// stock, grouped as the detailed analysis groups its ingredients, and what comes out of
// the stock; as rows for the window and as text for a spreadsheet or the forum.
#pragma once

#include "crafting/Kostenmodell.h"

#include <QString>

#include <array>
#include <vector>

namespace mvt {

struct TEinkaufszeile {
    uint8_t Art = ArtKeine;
    int32_t Index = -1;
    QString Name;
    double Anzahl = 0.0;
    double Preis = 0.0;  // purchase price per piece
    double Kosten = 0.0; // Anzahl x Preis; for the stock its value
};

struct TEinkaufsgruppe {
    QString Name; // "Rohstoffe", "Handwerksmaterialien", "Edelsteine", "Bauteile"
    std::vector<TEinkaufszeile> Zeilen;
    double Kosten = 0.0;
};

struct TEinkaufsliste {
    int Modus = 1;
    std::vector<TEinkaufsgruppe> Gruppen; // only groups with rows, in that order
    double Gesamtkosten = 0.0;
    std::vector<TEinkaufszeile> AusDemLager;
    double Lagerwert = 0.0; // the stock used at the purchase prices
};

// Mode 1..4 (another counts as 1) of a recomputed state, after the stock while it counts.
TEinkaufsliste EinkaufslisteBerechnen(const TKatalog &k, const TCraftingZustand &c, int modus);

// The rows of the mode's bought list in its order, as the analysis' ingredient rows write
// them: name, quantity, cost, price per piece.
std::vector<std::array<QString, 4>> EinkaufszeilenTexte(const TKatalog &k, const TCraftingZustand &c,
                                                        int modus);
// The stock used: name and quantity.
std::vector<std::array<QString, 2>> LagerzeilenTexte(const TKatalog &k, const TCraftingZustand &c, int modus);

// Tab-separated with a header row, amounts with a decimal comma: every bought row with its
// group, the total, then the rows from the stock and their value.
QString EinkaufslisteTabelle(const TEinkaufsliste &e);
// BBCode for the forum: a bold title, the groups as a table of aligned columns in
// "[code]", the total; then the same for the stock.
QString EinkaufslisteForumtext(const TEinkaufsliste &e);

} // namespace mvt
