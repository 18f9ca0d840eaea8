// Character planner: what a menu choice would change. The headline results of the
// character for the view it is evaluated in, computed for a copy on which the choice is
// made exactly as the tab makes it without modifier keys, so the answer is "choose,
// evaluate, subtract" without touching the character.
#pragma once

#include "catalogue/Katalog.h"
#include "planner/Planer.h"

#include <QString>

#include <optional>
#include <vector>

namespace mvt::planer {

struct TKennwerte {
    TAnsicht Ansicht = TAnsicht::Nahkampf;
    // The effective values of the view's column; the weapon values of its first weapon
    // line (the main hand, the only off-hand weapon or the bare hands; bow or spell).
    double Ruestschutz = 0.0;
    double Absorb = 0.0;
    double Ausweichen = 0.0;
    double Behinderung = 0.0;
    double Treffsicherheit = 0.0;
    double KritischeTreffer = 0.0;
    // Offensive page.
    bool Heilung = false;
    double ProRunde = 0.0;
    double Entgangen = 0.0;
    std::optional<double> GegnerBesiegtIn; // -1 = never; absent when healing
    // Defensive page.
    double RundenUeberlebt = 0.0; // -1 = never defeated
    double Schadensreduktion = 0.0;
};

// The headline results of the character as last computed.
TKennwerte Kennwerte(const TPlaner &p);

// The headline results after choosing `eintrag` from the slot's menu (preset with the
// "+1" upgrade, own entry, spell or "- nichts -") without modifier keys; nullopt when the
// entry cannot be chosen there. `p` stays as it is.
std::optional<TKennwerte> WasWaereWenn(const TPlaner &p, const TKatalog &k, TSlot s, const QString &eintrag);

// One line of the differences: "Ø Schaden pro Runde +3.25", "Gegner besiegt in −1,4 Runden".
struct TUnterschiedsZeile {
    QString Text;
    bool Besser = false;
};
// The differences nachher - vorher that are not zero in their number form, in the order
// effective values, Offensive, Defensive.
std::vector<TUnterschiedsZeile> UnterschiedsZeilen(const TKennwerte &vorher, const TKennwerte &nachher);

// "+3.25" / "−1.40" (U+2212) with the given decimals; "±0.00" when it rounds to zero.
QString MitVorzeichen(double d, int nachkommastellen);

} // namespace mvt::planer
