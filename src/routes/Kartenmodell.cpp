#include "routes/Kartenmodell.h"

#include <algorithm>
#include <cstdlib>

namespace mvt::routen {

int ZoomRein(int zellgroesse)
{
    if (zellgroesse >= ZoomstufeMax)
        return ZoomstufeMax;
    const auto *n = std::upper_bound(Zoomstufen.begin(), Zoomstufen.end(), zellgroesse);
    return n == Zoomstufen.end() ? ZoomstufeMax : *n;
}

int ZoomRaus(int zellgroesse)
{
    if (zellgroesse <= ZoomstufeMin)
        return ZoomstufeMin;
    const auto *n = std::lower_bound(Zoomstufen.begin(), Zoomstufen.end(), zellgroesse);
    return n == Zoomstufen.begin() ? ZoomstufeMin : *(n - 1);
}

namespace {
// Slot of a terrain code without town; -1 for codes that have none.
int SlotOhneStadt(int code)
{
    if (code >= 0 && code <= 6)
        return code;
    switch (code) {
    case Ozean:
        return 10;
    case Schnee:
        return 7;
    case Wueste:
        return 9;
    case Eis:
        return 8;
    default:
        break;
    }
    if (code >= Kueste1 && code <= KuesteB1 + 3)
        return code - Kueste1 + 11;
    return -1;
}
} // namespace

TKachelwahl KachelFuerCode(uint8_t code)
{
    if (const int s = SlotOhneStadt(code); s >= 0)
        return {s, false};
    if (code >= 7 && code <= 13)
        return {code - 7, true};
    if (const int s = code >= 30 ? SlotOhneStadt(code - 16) : -1; s >= 0)
        return {s, true};
    return {0, false};
}

bool HatWinterbild(int slot)
{
    return slot != 7 && slot != 8 && slot != 10;
}

const char *Kachelname(int slot)
{
    static const char *const namen[AnzahlKachelslots] = {
        "Ebene",    "Hochebene", "See",      "Wald",     "Sumpf",    "Gebirge",  "Hochgebirge", "Schnee",
        "Eis",      "Wueste",    "Ozean",    "Kueste1",  "Kueste2",  "Kueste3",  "Kueste4",     "KuesteA1",
        "KuesteA2", "KuesteA3",  "KuesteA4", "KuesteB1", "KuesteB2", "KuesteB3", "KuesteB4"};
    return namen[std::clamp(slot, 0, AnzahlKachelslots - 1)];
}

namespace {
uint32_t Farbe(uint32_t alpha, uint32_t r, uint32_t g, uint32_t b)
{
    return alpha | (r << 16) | (g << 8) | b;
}
} // namespace

uint32_t Abgedunkelt(uint32_t f)
{
    const uint32_t r = (f >> 16) & 0xFF, g = (f >> 8) & 0xFF, b = f & 0xFF;
    const uint32_t a = (r + g + b) / 3;
    return Farbe(f & 0xFF000000u, (r + a) / 6, (g + a) / 6, b / 2);
}

uint32_t Geroetet(uint32_t f)
{
    const uint32_t r = (f >> 16) & 0xFF, g = (f >> 8) & 0xFF, b = f & 0xFF;
    const uint32_t a = (r + g + b) / 3;
    return Farbe(f & 0xFF000000u, r, (g + a) / 6, (b + a) / 6);
}

void KachelAbdunkeln(uint32_t *pixel, int breite, int hoehe)
{
    for (int i = 0; i < breite * hoehe; ++i)
        pixel[i] = Abgedunkelt(pixel[i]);
}

namespace {
// Visits the positions column by column, one beyond the tile in each direction, counting
// from 1; positions outside the tile are counted but change nothing.
template <class F> void Positionen(int breite, int hoehe, F f)
{
    int zaehler = 0;
    for (int x = 0; x <= breite; ++x)
        for (int y = 0; y <= hoehe; ++y)
            f(x, y, ++zaehler);
}
} // namespace

void KachelRotSchraffieren(uint32_t *pixel, int breite, int hoehe)
{
    auto roeten = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < breite && y < hoehe)
            pixel[y * breite + x] = Geroetet(pixel[y * breite + x]);
    };
    Positionen(breite, hoehe, [&](int x, int y, int n) {
        if (n % 15 < 6) {
            roeten(x, y);
            roeten(breite + 1 - x, y); // the mirrored stripe crosses the first
        }
    });
}

void KachelAbdunkelnUndSchraffieren(uint32_t *pixel, int breite, int hoehe)
{
    Positionen(breite, hoehe, [&](int x, int y, int n) {
        if (x < breite && y < hoehe) {
            uint32_t &p = pixel[y * breite + x];
            p = n % 15 < 6 ? Geroetet(p) : Abgedunkelt(p);
        }
    });
}

int Hauptstadtabstand(int welt, int x, int y)
{
    int best = 1 << 20;
    for (const auto &[hx, hy] : Weltangaben(welt).Hauptstaedte)
        best = std::min(best, std::max(std::abs(x - hx), std::abs(y - hy)));
    return best;
}

TZonenblick Zonenblick(const TWeltdaten &daten, const TZonenoptionen &o, int x, int y)
{
    if (x < 1 || y < 1 || x > GitterKante || y > GitterKante || (!o.Sicherheitszonen && !o.Bauverbotszonen))
        return Normal;
    const int abstand = daten.Stadtabstand()[Zelle(x, y)];
    const int hs = Hauptstadtabstand(daten.AktuelleWelt, x, y);
    const bool sicher = o.Sicherheitszonen && (abstand <= o.SZone || hs <= o.SZoneHS);
    bool verbot = false;
    if (o.Bauverbotszonen) {
        const uint8_t code = daten.Gelaende()[Zelle(x, y)];
        verbot =
            code == Ozean || code == Eis || code == 30 || code == 33 || abstand <= o.BZone || hs <= o.BZoneHS;
    }
    return sicher ? (verbot ? Beide : Sicherheit) : (verbot ? Bauverbot : Normal);
}

void TRoutenmarkierung::Setzen(int x, int y)
{
    if (x >= 1 && y >= 1 && x <= GitterKante && y <= GitterKante)
        m_feld[Index(x, y)] = true;
}

bool TRoutenmarkierung::Leer() const
{
    return std::none_of(m_feld.begin(), m_feld.end(), [](bool b) { return b; });
}

void TRoutenmarkierung::RouteMarkieren(const Wegpunktliste &route)
{
    Leeren();
    const std::vector<Wegpunkt> p = route.Punkte();
    if (p.empty())
        return;
    auto gueltig = [](Wegpunkt w) {
        return w.x >= 1 && w.y >= 1 && w.x <= GitterKante && w.y <= GitterKante;
    };
    Setzen(p[0].x, p[0].y);
    for (size_t i = 1; i < p.size(); ++i) {
        if (!gueltig(p[i - 1]) || !gueltig(p[i]))
            continue;
        int x = p[i - 1].x, y = p[i - 1].y;
        // as an order walks: both coordinates one field towards the target
        while (x != p[i].x || y != p[i].y) {
            x += (p[i].x > x) - (p[i].x < x);
            y += (p[i].y > y) - (p[i].y < y);
            Setzen(x, y);
        }
    }
}

bool RouteAufKarte(const Wegpunktliste &route, int kartengroesse)
{
    const std::vector<Wegpunkt> p = route.Punkte();
    return !p.empty() && std::all_of(p.begin(), p.end(), [&](Wegpunkt w) {
        return w.x >= 1 && w.y >= 1 && w.x <= kartengroesse && w.y <= kartengroesse;
    });
}

int ZentrierteZelle(int wert, int erste, int sichtbar, int anzahl)
{
    const int h = sichtbar / 2;
    if (erste < wert) {
        if (h < wert && wert + h < anzahl)
            wert += h;
    } else if (wert < anzahl - h - 1 && wert - h > 0) {
        wert -= h;
    }
    return wert;
}

int ZugZielzelle(int versatz, int erste, int letzte, int anzahl)
{
    // floor division: a small move left already counts one step
    const int d = versatz >= 0 ? versatz / 60 : -((-versatz + 59) / 60);
    const int ziel = d <= 0 ? erste + d : letzte + d;
    return std::clamp(ziel, 1, std::max(1, anzahl - 1));
}

} // namespace mvt::routen
