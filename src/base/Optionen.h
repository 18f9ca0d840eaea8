// The options record: every general setting that survives a restart, with its defaults.
// It is plain data; the options file reader and writer live in OptionenDatei.h.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace mvt {

constexpr int AnzahlWirkungen = 38;
// Wirkung index of craft h (1..18 in the Handwerke order): the crafts follow the 20 skills.
constexpr int WirkungsindexHandwerk(int handwerk)
{
    return 19 + handwerk;
}

// Keys of the potencies in the POTENCY section, by Wirkung index 0..37.
extern const std::array<const char *, AnzahlWirkungen> WirkungSchluessel;

// Bounds of the potency fields.
inline constexpr double MinimaleWirkung = 0.52;
inline constexpr double MaximaleWirkung = 99.0;
// A potency read from outside (options file, script input) brought into min..max.
// Potencies divide production times and multiply combat values, so a value beyond the
// fields' range would stall both calculators.
double WirkungBegrenzen(double wert, double min = MinimaleWirkung, double max = MaximaleWirkung);

struct TOptionen {
    int32_t ActivePageIndex = 0;
    bool ShowHints = true;
    double MinWirkung = MinimaleWirkung; // not stored; bounds of the potency fields
    double MaxWirkung = MaximaleWirkung;
    std::array<double, AnzahlWirkungen> Wirkung{};
    bool TreeViewAutoExpand = false;
    bool SaveParameters = true;
    bool CalcPotency = true;
    uint8_t BSRWorld = 3; // 1, 2: Dunladan and Endurias; 3: Zyrthania
    int32_t TransmissionInterval = 1000;
    bool TownAutoUpdate = true;
    int32_t SZone = 2;
    int32_t BZone = 5;
    int32_t SZoneHS = 4;
    int32_t BZoneHS = 8;
    bool WinterTheme = false;
    bool DirectionalOptimization = true;
    bool CPCalcPotency = true;
    uint8_t CPWorld = 3;

    TOptionen() { Wirkung.fill(1.0); }
};

// Every field of the record to its default; nothing else is touched.
void StandardOptionenSetzen(TOptionen &o);

// True when version a ("1.13a", "1.08d", "1.11") is the same as or newer than b.
bool VersionMindestens(const QString &a, const QString &b);

// The version of this program, written into its files and compared with the web site's.
inline const QString Programmversion = QStringLiteral("1.13a");

// The value that switches the automatic version check off.
constexpr double VersionspruefungAus = 9999999.0;

} // namespace mvt
