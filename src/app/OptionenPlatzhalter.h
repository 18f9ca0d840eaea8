// Stand-in for the options record until the options file module is merged.
#pragma once

#include <array>
#include <cstdint>

namespace mvt {

struct TOptionen {
    int32_t ActivePageIndex = 0;
    bool ShowHints = true;
    double MinWirkung = 0.52;
    double MaxWirkung = 99.0;
    std::array<double, 38> Wirkung{};
    bool TreeViewAutoExpand = false;
    bool SaveParameters = true;
    bool CalcPotency = true;
    uint8_t BSRWorld = 3;
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
};

inline void StandardOptionenSetzen(TOptionen &o)
{
    o = TOptionen{};
    o.Wirkung.fill(1.0);
}

} // namespace mvt
