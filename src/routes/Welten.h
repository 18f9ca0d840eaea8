// The three worlds of the route planner: per-world grids of terrain, travel minutes and
// towns, read once from the built-in map texts and town lists.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace mvt::routen {

constexpr int GitterKante = 200; // every grid is 200 x 200, Zyrthania too
constexpr int GitterZellen = GitterKante * GitterKante;
constexpr int AnzahlWelten = 3;           // 1 Dunladan, 2 Endurias, 3 Zyrthania
constexpr uint8_t KeinStadtabstand = 255; // no town within 10 fields
constexpr int Stadtreichweite = 10;

// Cell of field (x, y), both 1-based: column-wise, so a neighbour is one index step away.
constexpr int Zelle(int x, int y)
{
    return (x - 1) * GitterKante + (y - 1);
}

// Terrain codes of the maps; town variants are code + 7 (0..6) or code + 16 (14..29).
enum TGelaendecode : uint8_t {
    Ebene = 0,
    Hochebene = 1,
    See = 2,
    Wald = 3,
    Sumpf = 4,
    Gebirge = 5,
    Hochgebirge = 6,
    Ozean = 14,
    Schnee = 15,
    Wueste = 16,
    Eis = 17,
    Kueste1 = 18,  // .. Kueste4 = 21
    KuesteA1 = 22, // .. KuesteA4 = 25
    KuesteB1 = 26, // .. KuesteB4 = 29
};

// Minutes to cross a field of the code; codes without terrain give 0.
uint8_t Gelaendeminuten(uint8_t code);
// The code of the terrain with a town on it; codes without a variant stay.
uint8_t Stadtvariante(uint8_t code);

// One byte per field of a 200 x 200 grid (on the heap: a world is over a megabyte).
using TGitter = std::vector<uint8_t>;

struct TWeltgitter {
    // Without grids, for a world that WeltLesen fills later: the start reads the worlds on a
    // worker and lets it allocate them there too.
    struct TUngelesen {};
    TWeltgitter() = default;
    explicit TWeltgitter(TUngelesen)
        : Reisekosten(), Grundgelaende(), Gelaende(), Stadtabstand(), Stadtnamen()
    {
    }

    TGitter Reisekosten = TGitter(GitterZellen);
    TGitter Grundgelaende = TGitter(GitterZellen);
    TGitter Gelaende = TGitter(GitterZellen);
    TGitter Stadtabstand = TGitter(GitterZellen, KeinStadtabstand);
    std::vector<QString> Stadtnamen = std::vector<QString>(GitterZellen);
};

struct TWelt {
    const char *Name;
    int Groesse;
    std::vector<std::pair<int, int>> Hauptstaedte;
};
// World n (1..3); anything else gives Dunladan.
const TWelt &Weltangaben(int welt);

// Process-wide state of the world maps: the grids of all three worlds and the current one.
struct TWeltdaten {
    TWeltdaten() = default;
    // Three worlds without grids, until KartendatenLaden reads them.
    explicit TWeltdaten(TWeltgitter::TUngelesen u) : Welten{TWeltgitter(u), TWeltgitter(u), TWeltgitter(u)} {}

    std::array<TWeltgitter, AnzahlWelten> Welten;
    int AktuelleWelt = 1;
    int Kartengroesse = 200;

    const TWeltgitter &Aktuell() const { return Welten[static_cast<size_t>(AktuelleWelt - 1)]; }
    const uint8_t *Reisekosten() const { return Aktuell().Reisekosten.data(); }
    const uint8_t *Gelaende() const { return Aktuell().Gelaende.data(); }
    const uint8_t *Stadtabstand() const { return Aktuell().Stadtabstand.data(); }
    const std::vector<QString> &Stadtnamen() const { return Aktuell().Stadtnamen; }
};

// Map text of Dunladan and Endurias: the letters P H L F S R M, line breaks without
// meaning, row by row from the north. Fills Reisekosten and Gelaende of every field.
void BuchstabenkarteLesen(TWeltgitter &welt, const QStringList &zeilen);
// Map text of Zyrthania: one code per line; bad lines are reported and take the values
// of the field before them.
void ZyrthaniakarteLesen(TWeltgitter &welt, const QStringList &zeilen);

// Enters one town at (x, y), both within 1..groesse, into a world's three town grids: its
// name, the town variant of the terrain code, and the distances within Stadtreichweite.
void StadtEintragen(TGitter &gelaende, TGitter &stadtabstand, std::vector<QString> &stadtnamen, int groesse,
                    int x, int y, const QString &name);

// Rebuilds Gelaende, Stadtabstand and Stadtnamen of a world from Grundgelaende and a town
// list ("XXXYYYName: ..."). Lines without a valid position on the map are skipped; the
// number of skipped lines is returned.
int StaedteEintragen(TWeltgitter &welt, int groesse, const QStringList &zeilen);

// Reads one world completely from its map text and town list.
void WeltLesen(TWeltgitter &welt, int weltnummer, const QStringList &karte, const QStringList &staedte);

// Reads the built-in maps and town lists of all three worlds and makes Dunladan current.
void KartendatenLaden(TWeltdaten &daten);

// Switches the current world (1..3); other numbers are ignored.
void WeltWechseln(TWeltdaten &daten, int welt);

// The built-in texts, for tools that want to look at them.
QStringList EingebauteKarte(int welt);
QStringList EingebauteStaedte(int welt);

} // namespace mvt::routen
