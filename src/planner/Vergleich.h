// Character planner: the character against a saved one. For every value the tab shows in
// the effective-values columns and on both evaluation pages, the difference to the same
// value of the base character, computed from the shown texts so that it is the difference
// of what the player reads.
#pragma once

#include "planner/Planer.h"

#include <QString>

#include <array>
#include <vector>

namespace mvt::planer {

struct TVergleichswert {
    QString Text;     // "+2.0 %", "+1 - +3", "Basis: unbesiegbar"; empty: nothing to compare
    int Richtung = 0; // +1 better, -1 worse, 0 neither
};

// The difference of two shown texts. Texts of the same form ("8 - 12" and "9 - 14") give
// the difference of each number in its own decimals and separator ("+1 - +2"), without
// the words of the text ("12,2 Runden" against "14,8 Runden": "−2,6"); a single
// number in differently worded texts gives that number's difference; otherwise the base
// text. Equal texts without a number give nothing. `hoeherBesser`: whether a larger first
// changed number is better.
TVergleichswert TextVergleich(const QString &aktuell, const QString &basis, bool hoeherBesser);

struct TSpaltenVergleich {
    TVergleichswert Ruestschutz, Absorb, Ausweichen, Behinderung, Schildblock;
    // Per weapon line: damage, speed, accuracy, critical hits.
    std::array<std::array<TVergleichswert, 4>, 2> Waffen{};
};

struct TVergleich {
    TSpaltenVergleich Nahkampf, Fernkampf;
    std::array<TVergleichswert, 8> Offensive{}, Defensive{};
};

// `basis` must have been evaluated against the same opponent and view.
TVergleich VergleichBerechnen(const TPlaner &aktuell, const TPlaner &basis);

// The base character of a comparison: the loaded file's character, evaluated with the
// current character's options, opponent and view (as far as the base can take the view).
void BasisAngleichen(TPlaner &basis, const TPlaner &aktuell);

} // namespace mvt::planer
