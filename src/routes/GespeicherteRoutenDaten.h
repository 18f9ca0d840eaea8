// The saved travel routes of the three worlds: the one list the options file reads and
// writes and the route tab shows and edits (through routes/GespeicherteRouten.h).
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace mvt::routen {

// World numbers used for the route lists (and for "LastMap").
constexpr int WeltDunladan = 1;
constexpr int WeltEndurias = 2;
constexpr int WeltZyrthania = 3;

// One map point; both coordinates 1..200 (the reader rejects anything else).
struct TRoutenPunkt {
    uint8_t X = 0;
    uint8_t Y = 0;
    bool operator==(const TRoutenPunkt &) const = default;
};

// One saved route.
struct TGespeicherteRoute {
    QString Name;           // at most 36 characters when typed in the route tab
    int32_t Auftraege = 10; // "Max. Aufträge" when it was saved; a hand-edited file may hold any number
    std::vector<TRoutenPunkt> Punkte; // the optimal route, start first, target last
    // A points line of a hand-edited file that is not whole six-digit points in 1..200,
    // kept as read (Punkte then stays empty) so that writing the file gives it back.
    QString Punktzeile{};
    bool operator==(const TGespeicherteRoute &) const = default;
};

// The route lists in list order; Welten[1] Dunladan, [2] Endurias, [3] Zyrthania, [0] unused.
struct TGespeicherteRouten {
    std::array<std::vector<TGespeicherteRoute>, 4> Welten{};

    // nullptr outside 1..3.
    std::vector<TGespeicherteRoute> *Welt(int welt)
    {
        return welt >= 1 && welt <= 3 ? &Welten[static_cast<size_t>(welt)] : nullptr;
    }
    const std::vector<TGespeicherteRoute> *Welt(int welt) const
    {
        return welt >= 1 && welt <= 3 ? &Welten[static_cast<size_t>(welt)] : nullptr;
    }
    void Leeren()
    {
        for (auto &w : Welten)
            w.clear();
    }
};

} // namespace mvt::routen
