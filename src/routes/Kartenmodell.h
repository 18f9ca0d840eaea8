// The rules of the map window that need no window: zoom steps, which tile a field shows,
// the safety and building-ban zones, the pixel looks of the zone tiles, the route marks,
// centring and dragging the view.
#pragma once

#include "routes/Wegpunktliste.h"
#include "routes/Welten.h"

#include <array>
#include <cstdint>

namespace mvt::routen {

// ---------------------------------------------------------------- zoom

constexpr std::array<int, 31> Zoomstufen = {4,  6,  8,  10, 13, 16, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                                            29, 30, 31, 32, 33, 34, 36, 38, 40, 45, 50, 55, 60, 70, 80};
constexpr int ZoomstufeMax = 80;
constexpr int ZoomstufeMin = 4;
constexpr int ZoomstufeStandard = 30;
// The next larger (smaller) step; at 80 (4) and beyond the size stays at the end.
int ZoomRein(int zellgroesse);
int ZoomRaus(int zellgroesse);

// ---------------------------------------------------------------- tiles

constexpr int Kachelgroesse = 30;
constexpr int Stadtsymbolgroesse = 22;
constexpr int AnzahlKachelslots = 23;
// Looks of a slot's tile: plain, building ban, safety zone, both.
enum TZonenblick : uint8_t { Normal = 0, Bauverbot = 1, Sicherheit = 2, Beide = 3 };

struct TKachelwahl {
    int Slot = 0;       // 0..22
    bool Stadt = false; // the slot's town tile
};
// Terrain code (Gelaende) to the tile; unknown codes show Ebene.
TKachelwahl KachelFuerCode(uint8_t code);
// Whether a slot has its own winter picture (Schnee, Eis and Ozean have none).
bool HatWinterbild(int slot);
// Name of a slot's picture without look suffix: "Ebene", ..., "KuesteB4".
const char *Kachelname(int slot);

// Pixel looks on 32-bit pixels 0xAARRGGBB (alpha kept), computed once per tile.
void KachelAbdunkeln(uint32_t *pixel, int breite, int hoehe);
void KachelRotSchraffieren(uint32_t *pixel, int breite, int hoehe);
void KachelAbdunkelnUndSchraffieren(uint32_t *pixel, int breite, int hoehe);
uint32_t Abgedunkelt(uint32_t farbe);
uint32_t Geroetet(uint32_t farbe);

// ---------------------------------------------------------------- zones

// The zone widths around towns and around capitals, as the options keep them.
struct TZonenabstaende {
    int32_t SZone = 2, BZone = 5, SZoneHS = 4, BZoneHS = 8;
    bool operator==(const TZonenabstaende &) const = default;
};

struct TZonenoptionen {
    bool Sicherheitszonen = false;
    bool Bauverbotszonen = false;
    int32_t SZone = 2, BZone = 5, SZoneHS = 4, BZoneHS = 8;
};
// Distance max(|dx|, |dy|) to the nearest capital of world `welt`.
int Hauptstadtabstand(int welt, int x, int y);
// The look of field (x, y) of the current world; fields off the grid are plain.
TZonenblick Zonenblick(const TWeltdaten &daten, const TZonenoptionen &o, int x, int y);

// ---------------------------------------------------------------- route marks

class TRoutenmarkierung {
public:
    static constexpr int Kante = GitterKante + 1; // 0..200, only 1..200 used
    bool Markiert(int x, int y) const
    {
        return x >= 1 && y >= 1 && x <= GitterKante && y <= GitterKante && m_feld[Index(x, y)];
    }
    // Every field that the orders of the route walk, the points included. Points off the
    // map are skipped.
    void RouteMarkieren(const Wegpunktliste &route);
    void Leeren() { m_feld.fill(false); }
    bool Leer() const;

private:
    static size_t Index(int x, int y) { return static_cast<size_t>(x * Kante + y); }
    void Setzen(int x, int y);
    std::array<bool, static_cast<size_t>(Kante *Kante)> m_feld{};
};

// Whether every point of the route lies on a map of the size (a hand-edited options file
// may hold others; such a route is not shown).
bool RouteAufKarte(const Wegpunktliste &route, int kartengroesse);

// ---------------------------------------------------------------- view

// KarteZentrieren for one axis: the cell to select so that the start ends about in the
// middle. erste: first visible map cell; sichtbar: visible cells; anzahl: columns of the
// grid including the coordinate column.
int ZentrierteZelle(int wert, int erste, int sichtbar, int anzahl);
// Target cell of one drag tick on one axis (versatz: mouse offset in pixels since the press).
int ZugZielzelle(int versatz, int erste, int letzte, int anzahl);

} // namespace mvt::routen
