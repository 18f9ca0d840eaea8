// Rules of the map window without a window: zoom steps, tiles of the codes, the zones of
// towns and capitals, the pixel looks, the route marks; and the transfer range.
#include "routes/Kartenmodell.h"
#include "routes/Uebertragung.h"

#include "Testwelten.h"

#include <gtest/gtest.h>

#include <memory>

using namespace mvt::routen;

namespace {

std::vector<int> Folge(int start, int schritte, int (*f)(int))
{
    std::vector<int> r;
    for (int i = 0; i < schritte; ++i)
        r.push_back(start = f(start));
    return r;
}

// The looks as the player's formulas give them, written out once more on purpose.
uint32_t Dunkel(uint32_t f)
{
    const int r = (f >> 16) & 255, g = (f >> 8) & 255, b = f & 255, a = (r + g + b) / 3;
    return 0xFF000000u | uint32_t((r + a) / 6) << 16 | uint32_t((g + a) / 6) << 8 | uint32_t(b / 2);
}
uint32_t Rot(uint32_t f)
{
    const int r = (f >> 16) & 255, g = (f >> 8) & 255, b = f & 255, a = (r + g + b) / 3;
    return 0xFF000000u | uint32_t(r) << 16 | uint32_t((g + a) / 6) << 8 | uint32_t((b + a) / 6);
}

std::vector<uint32_t> Kachel()
{
    std::vector<uint32_t> k(Kachelgroesse * Kachelgroesse);
    for (int i = 0; i < int(k.size()); ++i)
        k[size_t(i)] =
            0xFF000000u | uint32_t(40 + i % 200) << 16 | uint32_t(200 - i % 150) << 8 | uint32_t(i % 256);
    return k;
}

} // namespace

TEST(Kartenmodell, ZoomstufenUndIhreEnden)
{
    EXPECT_EQ(Folge(30, 3, ZoomRein), (std::vector<int>{31, 32, 33}));
    EXPECT_EQ(ZoomRaus(20), 18);
    EXPECT_EQ(ZoomRaus(4), 4);
    EXPECT_EQ(ZoomRein(80), 80);
    EXPECT_EQ(Folge(34, 4, ZoomRein), (std::vector<int>{36, 38, 40, 45}));
    EXPECT_EQ(Folge(60, 3, ZoomRein), (std::vector<int>{70, 80, 80}));
    EXPECT_EQ(Folge(13, 4, ZoomRaus), (std::vector<int>{10, 8, 6, 4}));
    // a size between two steps goes to the neighbouring steps
    EXPECT_EQ(ZoomRein(35), 36);
    EXPECT_EQ(ZoomRaus(35), 34);
}

TEST(Kartenmodell, KachelDerGelaendecodes)
{
    EXPECT_EQ(KachelFuerCode(Hochebene).Slot, 1);
    EXPECT_FALSE(KachelFuerCode(Hochebene).Stadt);
    EXPECT_EQ(KachelFuerCode(Ozean).Slot, 10);
    EXPECT_EQ(KachelFuerCode(Schnee).Slot, 7);
    EXPECT_EQ(KachelFuerCode(Eis).Slot, 8);
    EXPECT_EQ(KachelFuerCode(Wueste).Slot, 9);
    EXPECT_EQ(KachelFuerCode(KuesteB1 + 3).Slot, 22);
    // town codes show the town tile of the terrain they were made from
    EXPECT_EQ(KachelFuerCode(13).Slot, 6);
    EXPECT_TRUE(KachelFuerCode(13).Stadt);
    EXPECT_EQ(KachelFuerCode(30).Slot, 10);
    EXPECT_EQ(KachelFuerCode(45).Slot, 22);
    EXPECT_TRUE(KachelFuerCode(45).Stadt);
    // codes outside the table never index past the tiles
    for (int c = 0; c < 256; ++c) {
        const TKachelwahl k = KachelFuerCode(uint8_t(c));
        EXPECT_GE(k.Slot, 0);
        EXPECT_LT(k.Slot, AnzahlKachelslots);
    }
}

TEST(Kartenmodell, DunkleUndRoteBlicke)
{
    const std::vector<uint32_t> plain = Kachel();
    std::vector<uint32_t> k = plain;
    KachelAbdunkeln(k.data(), Kachelgroesse, Kachelgroesse);
    for (size_t i = 0; i < k.size(); ++i)
        ASSERT_EQ(k[i], Dunkel(plain[i])) << i;

    auto at = [](const std::vector<uint32_t> &v, int x, int y) { return v[size_t(y * Kachelgroesse + x)]; };
    k = plain;
    KachelRotSchraffieren(k.data(), Kachelgroesse, Kachelgroesse);
    EXPECT_EQ(at(k, 0, 0), Rot(at(plain, 0, 0))); // position 1
    EXPECT_EQ(at(k, 10, 0), at(plain, 10, 0));    // positions 311 and 652: no stripe
    // position 32 and its mirror from x = 30 (position 931): reddened twice
    EXPECT_EQ(at(k, 1, 0), Rot(Rot(at(plain, 1, 0))));
    EXPECT_EQ(at(k, 0, 5), at(plain, 0, 5)); // position 6 is the first without a stripe

    k = plain;
    KachelAbdunkelnUndSchraffieren(k.data(), Kachelgroesse, Kachelgroesse);
    EXPECT_EQ(at(k, 0, 0), Rot(at(plain, 0, 0)));
    EXPECT_EQ(at(k, 0, 5), Dunkel(at(plain, 0, 5)));
    EXPECT_EQ(at(k, 1, 0), Rot(at(plain, 1, 0))); // the second look has no mirrored stripe
    EXPECT_EQ(at(k, 10, 0), Dunkel(at(plain, 10, 0)));
}

TEST(Kartenmodell, HauptstadtzoneUndBauverbotAufDemOzean)
{
    auto daten = std::make_unique<TWeltdaten>(test::EingebauteWelten());
    TZonenoptionen o;
    o.Sicherheitszonen = true;
    o.SZone = -1; // towns out of the game: only the capital counts
    o.SZoneHS = 4;
    for (int x = 94; x <= 106; ++x)
        for (int y = 94; y <= 106; ++y) {
            const bool drin = x >= 96 && x <= 104 && y >= 96 && y <= 104;
            EXPECT_EQ(Zonenblick(*daten, o, x, y), drin ? Sicherheit : Normal) << x << ":" << y;
        }
    o.Sicherheitszonen = false;
    EXPECT_EQ(Zonenblick(*daten, o, 100, 100), Normal);

    // an ocean field far from every town of Zyrthania
    WeltWechseln(*daten, 3);
    int ox = 0, oy = 0;
    for (int x = 1; x <= 120 && !ox; ++x)
        for (int y = 1; y <= 120; ++y)
            if (daten->Gelaende()[Zelle(x, y)] == Ozean &&
                daten->Stadtabstand()[Zelle(x, y)] == KeinStadtabstand && Hauptstadtabstand(3, x, y) > 30) {
                ox = x;
                oy = y;
                break;
            }
    ASSERT_NE(ox, 0);
    TZonenoptionen b;
    b.Bauverbotszonen = true;
    EXPECT_EQ(Zonenblick(*daten, b, ox, oy), Bauverbot);
    b.Sicherheitszonen = true;
    EXPECT_EQ(Zonenblick(*daten, b, ox, oy), Bauverbot);
    b.SZoneHS = 200;
    EXPECT_EQ(Zonenblick(*daten, b, ox, oy), Beide);
    EXPECT_EQ(Zonenblick(*daten, b, 0, 5), Normal); // off the grid
}

TEST(Kartenmodell, RoutenmarkenFolgenDenAuftraegen)
{
    TRoutenmarkierung m;
    m.RouteMarkieren(Wegpunktliste({{10, 10}, {13, 15}, {13, 16}}));
    // diagonal first, then straight on
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{
             {10, 10}, {11, 11}, {12, 12}, {13, 13}, {13, 14}, {13, 15}, {13, 16}})
        EXPECT_TRUE(m.Markiert(x, y)) << x << ":" << y;
    EXPECT_FALSE(m.Markiert(10, 11));
    EXPECT_FALSE(m.Markiert(12, 13));
    m.RouteMarkieren(Wegpunktliste({{1, 1}, {0, 0}, {250, 3}}));
    EXPECT_TRUE(m.Markiert(1, 1));
    EXPECT_FALSE(m.Markiert(0, 0));
    m.Leeren();
    EXPECT_TRUE(m.Leer());

    EXPECT_TRUE(RouteAufKarte(Wegpunktliste({{1, 1}, {120, 120}}), 120));
    EXPECT_FALSE(RouteAufKarte(Wegpunktliste({{1, 1}, {121, 5}}), 120));
    EXPECT_FALSE(RouteAufKarte(Wegpunktliste(), 200));
}

TEST(Kartenmodell, ZentrierenUndZiehen)
{
    // 201 columns, 20 visible from column 1: the start ends about in the middle
    EXPECT_EQ(ZentrierteZelle(100, 1, 20, 201), 110);
    EXPECT_EQ(ZentrierteZelle(5, 1, 20, 201), 5);     // near the edge nothing is added
    EXPECT_EQ(ZentrierteZelle(195, 1, 20, 201), 195); // x + h beyond the grid
    EXPECT_EQ(ZentrierteZelle(50, 100, 20, 201), 40); // left of the view: the cell before
    EXPECT_EQ(ZentrierteZelle(5, 100, 20, 201), 5);

    EXPECT_EQ(ZugZielzelle(0, 50, 69, 201), 50);
    EXPECT_EQ(ZugZielzelle(-1, 50, 69, 201), 49); // floor: a small move left is a step
    EXPECT_EQ(ZugZielzelle(59, 50, 69, 201), 50);
    EXPECT_EQ(ZugZielzelle(120, 50, 69, 201), 71);
    EXPECT_EQ(ZugZielzelle(-6000, 50, 69, 201), 1); // 50 - 100
    EXPECT_EQ(ZugZielzelle(60000, 50, 69, 201), 200);
}

TEST(Uebertragung, BereichUndNieMehrAlsZehnLinks)
{
    std::vector<Wegpunkt> route;
    for (int i = 0; i <= 12; ++i)
        route.push_back(Wegpunkt{uint8_t(10 + i), uint8_t(20)});
    TUebertragung u;
    ASSERT_TRUE(u.Starten(route, 3, 12));
    EXPECT_EQ(u.Gesamt(), 10);
    EXPECT_EQ(u.LaufText(), QStringLiteral("Übertragung läuft: 1 von 10"));
    std::vector<int> ziele;
    while (auto p = u.Naechster())
        ziele.push_back(p->x - 10);
    EXPECT_EQ(ziele, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(u.LaufText(), QStringLiteral("Übertragung läuft: 10 von 10"));
    EXPECT_TRUE(u.Fertig());
    // a late second tick hands out nothing more
    EXPECT_FALSE(u.Naechster());
    u.Beenden();
    EXPECT_FALSE(u.Naechster());

    // a range wider than ten orders or beyond the route is cut
    ASSERT_TRUE(u.Starten(route, 0, 40));
    EXPECT_EQ(u.Gesamt(), 10);
    EXPECT_EQ(u.Naechster()->x, 11);
    EXPECT_FALSE(u.Starten({Wegpunkt{5, 5}}, 1, 1)); // a route without orders
}
