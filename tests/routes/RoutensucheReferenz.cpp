#include "RoutensucheReferenz.h"

#include <vector>

namespace mvt::routen::referenz {

namespace {
constexpr int Schritte[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
}

Wegpunktliste RouteSuchen(const TSuchparameter &p)
{
    Wegpunktliste ergebnis;
    if (!SuchparameterGueltig(p))
        return ergebnis;
    const int sx = p.Start.x, sy = p.Start.y, zx = p.Ziel.x, zy = p.Ziel.y;
    const int64_t maximum = int64_t{zx - sx} * (zx - sx) + int64_t{zy - sy} * (zy - sy);
    int64_t gezeigt = 0;
    if (p.Fortschritt)
        p.Fortschritt(0, maximum);
    if (sx == zx && sy == zy) {
        ergebnis.Einfuegen(p.Start);
        return ergebnis;
    }
    const bool richtung = p.DirectionalOptimization;
    std::vector<Suchknoten> knoten(GitterZellen);
    const auto K = [&](int x, int y) -> Suchknoten & { return knoten[static_cast<size_t>(Zelle(x, y))]; };
    Suchknoten &s = K(sx, sy);
    s.Zeit = 0;
    s.VorgaengerX = p.Start.x;
    s.VorgaengerY = p.Start.y;
    s.Zustand = 2;
    s.Richtung = KeineRichtung;
    s.Richtungswechsel = 0;
    Wegpunktliste offen;
    int cx = sx, cy = sy;
    for (;;) {
        const Suchknoten c = K(cx, cy);
        for (uint8_t r = 0; r < 8; ++r) {
            const int nx = cx + Schritte[r][0], ny = cy + Schritte[r][1];
            if (nx < 1 || ny < 1 || nx > p.Kartengroesse || ny > p.Kartengroesse)
                continue;
            Suchknoten &n = K(nx, ny);
            int32_t w = 0;
            uint8_t d = KeineRichtung;
            if (richtung) {
                d = Bewegungsrichtung(nx - cx, ny - cy);
                w = RichtungswechselZaehlen(c.Richtungswechsel, c.Richtung, d);
            }
            const float t = c.Zeit + Schrittzeit(p.Reisekosten, cx, cy, nx, ny);
            if (n.Zustand == 0) {
                offen.Einfuegen(static_cast<uint8_t>(nx), static_cast<uint8_t>(ny));
                n.Zeit = t;
                n.VorgaengerX = static_cast<uint8_t>(cx);
                n.VorgaengerY = static_cast<uint8_t>(cy);
                n.Zustand = 1;
                if (richtung) {
                    n.Richtung = d;
                    n.Richtungswechsel = w;
                }
            } else if (n.Zustand == 1) {
                if (t < n.Zeit || (richtung && t == n.Zeit && n.Richtungswechsel > w)) {
                    n.Zeit = t;
                    n.VorgaengerX = static_cast<uint8_t>(cx);
                    n.VorgaengerY = static_cast<uint8_t>(cy);
                    if (richtung) {
                        n.Richtung = d;
                        n.Richtungswechsel = w;
                    }
                }
            }
        }
        if (offen.Leer())
            return ergebnis;
        // scan the whole open list; the earliest point wins every tie
        offen.ZumAnfang();
        int32_t besteMarke = offen.Cursormarke();
        Wegpunkt best = offen.Aktuell();
        while (offen.Weiter()) {
            const Wegpunkt q = offen.Aktuell();
            const Suchknoten &kq = K(q.x, q.y), &kb = K(best.x, best.y);
            if (kq.Zeit < kb.Zeit ||
                (richtung && kq.Zeit == kb.Zeit && kq.Richtungswechsel < kb.Richtungswechsel)) {
                best = q;
                besteMarke = offen.Cursormarke();
            }
        }
        offen.CursorAufMarke(besteMarke);
        K(best.x, best.y).Zustand = 2;
        offen.Entfernen();
        cx = best.x;
        cy = best.y;
        const int64_t q = int64_t{cx - sx} * (cx - sx) + int64_t{cy - sy} * (cy - sy);
        if (q > gezeigt) {
            gezeigt = q;
            if (p.Fortschritt)
                p.Fortschritt(q, maximum);
        }
        if (cx == zx && cy == zy)
            break;
    }
    std::vector<Wegpunkt> kette;
    int x = zx, y = zy;
    while (!(x == sx && y == sy)) {
        kette.push_back(Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)});
        const Suchknoten &k = K(x, y);
        x = k.VorgaengerX;
        y = k.VorgaengerY;
    }
    kette.push_back(p.Start);
    for (auto it = kette.rbegin(); it != kette.rend(); ++it)
        ergebnis.Einfuegen(*it);
    return ergebnis;
}

TRoutenvarianten RoutenvariantenBilden(const uint8_t *reisekosten, const Wegpunktliste &route)
{
    TRoutenvarianten v;
    v[100] = route;
    std::vector<Wegpunkt> r = route.Punkte();
    const auto entfernen = [&] {
        size_t beste = 1;
        float besteKosten = 0;
        for (size_t i = 1; i + 1 < r.size(); ++i) {
            const float k = Entfernungskosten(reisekosten, r[i - 1], r[i], r[i + 1]);
            if (i == 1 || k < besteKosten) {
                besteKosten = k;
                beste = i;
            }
        }
        r.erase(r.begin() + static_cast<std::ptrdiff_t>(beste));
    };
    while (r.size() > 101)
        entfernen();
    while (r.size() > 2) {
        v[r.size() - 2] = Wegpunktliste(r);
        entfernen();
    }
    v[0] = Wegpunktliste(r);
    VariantenVervollstaendigen(reisekosten, v);
    return v;
}

} // namespace mvt::routen::referenz
