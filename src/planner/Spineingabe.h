// Entry check of the planner's spin inputs (level, attributes, the optimiser's minimums):
// a value below the lower limit is replaced by the limit, but the typed digits are kept
// for one second, so that a player can type "2" and then "0" into an input whose lower
// limit is 15 and get 20.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace mvt::planer {

// The entry below the lower limit and when it was typed (one per input is enough, as
// only the input being typed into remembers one).
struct TSpinGedaechtnis {
    QString Eintrag;
    int64_t Zeit = 0;
    bool Gemerkt = false;
};

constexpr int64_t SpinMerkdauer = 1000;   // ms
constexpr int64_t LevelScrollDauer = 750; // ms: quicker level changes restore the attributes

struct TSpinErgebnis {
    int32_t Wert = 0;
    bool Begrenzt = false; // the value is not the typed text (limit or remembered entry)
};

// PruefeSpinEingabe: non-digits are removed; within a second after an entry below the
// lower limit the text becomes that entry plus the last typed character; a value below the
// limit is remembered and replaced by the limit, one above the upper limit by that limit.
// nullopt when no integer is left (an empty text), which changes nothing.
std::optional<TSpinErgebnis> PruefeSpinEingabe(TSpinGedaechtnis &g, const QString &text, int64_t jetzt,
                                               int32_t untergrenze, int32_t obergrenze);

// Whether a level change at `jetzt` follows the last one so closely that the level is
// being scrolled; a clock that went backwards counts as a long pause.
bool LevelWirdGescrollt(int64_t letzteAenderung, int64_t jetzt);

} // namespace mvt::planer
