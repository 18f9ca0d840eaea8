#include "Testwelten.h"

#include "base/Meldung.h"
#include "routes/Auftraege.h"
#include "routes/Routensuche.h"
#include "RoutensucheReferenz.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

using namespace mvt;
using namespace mvt::routen;

namespace {

struct TEbenenkarte {
    std::array<uint8_t, GitterZellen> Reisekosten;
    TEbenenkarte() { Reisekosten.fill(2); }
    void Setzen(int x, int y, uint8_t m) { Reisekosten[static_cast<size_t>(Zelle(x, y))] = m; }
};

TSuchparameter Parameter(const uint8_t *kosten, int groesse, Wegpunkt s, Wegpunkt z, bool richtung)
{
    TSuchparameter p;
    p.Reisekosten = kosten;
    p.Kartengroesse = groesse;
    p.Start = s;
    p.Ziel = z;
    p.DirectionalOptimization = richtung;
    return p;
}

Wegpunkt P(int x, int y)
{
    return Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

// Every point a neighbour of the one before, start first and target last.
void KettePruefenUndVergleichen(const TSuchparameter &p, const Wegpunktliste &schnell)
{
    const Wegpunktliste ref = referenz::RouteSuchen(p);
    ASSERT_EQ(schnell.Punkte(), ref.Punkte())
        << "Start " << int(p.Start.x) << ":" << int(p.Start.y) << " Ziel " << int(p.Ziel.x) << ":"
        << int(p.Ziel.y) << " Richtungsoptimierung " << p.DirectionalOptimization;
    const auto k = schnell.Punkte();
    ASSERT_FALSE(k.empty());
    EXPECT_EQ(k.front(), p.Start);
    EXPECT_EQ(k.back(), p.Ziel);
    for (size_t i = 1; i < k.size(); ++i)
        ASSERT_EQ(std::max(std::abs(k[i].x - k[i - 1].x), std::abs(k[i].y - k[i - 1].y)), 1);
}

} // namespace

TEST(Wegpunktliste, CursorRegeln)
{
    Wegpunktliste l;
    l.Entfernen(); // nothing in an empty list
    EXPECT_FALSE(l.Weiter());
    EXPECT_EQ(l.Aktuell(), Wegpunkt{});
    l.Einfuegen(1, 1);
    l.Einfuegen(3, 3);
    l.ZumAnfang();
    l.Einfuegen(2, 2); // after the cursor, and it becomes the cursor
    EXPECT_EQ(l.Punkte(), (std::vector<Wegpunkt>{P(1, 1), P(2, 2), P(3, 3)}));
    EXPECT_EQ(l.Aktuell(), P(2, 2));
    l.Entfernen(); // the cursor moves to the successor
    EXPECT_EQ(l.Aktuell(), P(3, 3));
    l.Entfernen(); // the last point: to the predecessor
    EXPECT_EQ(l.Aktuell(), P(1, 1));
    EXPECT_FALSE(l.Zurueck());
    l.Entfernen();
    EXPECT_TRUE(l.Leer());
    l.Einfuegen(9, 9);
    EXPECT_EQ(l.Anzahl(), 1);
    // a copy keeps the order and stands on its last point; a moved-from list is empty
    Wegpunktliste a(std::vector<Wegpunkt>{P(4, 4), P(5, 5), P(6, 6)});
    a.ZumAnfang();
    const Wegpunktliste b = a;
    EXPECT_EQ(b.Aktuell(), P(6, 6));
    EXPECT_EQ(b, a);
    Wegpunktliste c = std::move(a);
    EXPECT_TRUE(a.Leer());
    EXPECT_EQ(c.Anzahl(), 3);
    c.Leeren();
    EXPECT_TRUE(c.Punkte().empty());
}

TEST(Richtungen, CodesUndPrioritaeten)
{
    EXPECT_EQ(Bewegungsrichtung(0, -1), 0);
    EXPECT_EQ(Bewegungsrichtung(1, 1), 3);
    EXPECT_EQ(Bewegungsrichtung(-1, -1), 7);
    EXPECT_EQ(Bewegungsrichtung(0, 0), KeineRichtung);
    EXPECT_EQ(Bewegungsrichtung(2, 0), KeineRichtung);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(0, 0), 3);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(1, 0), 2);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(7, 6), 2);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(3, 3), 4);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(8, 1), 1);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(2, 8), -1);
    EXPECT_EQ(BerechneRichtungsPrioritaetAusBewegungsrichtungen(9, 2), -1);
    // after a diagonal step its straight components continue the order; after a straight
    // step only the same direction does
    EXPECT_EQ(RichtungswechselZaehlen(0, KeineRichtung, 2), 1);
    EXPECT_EQ(RichtungswechselZaehlen(1, 3, 2), 1);
    EXPECT_EQ(RichtungswechselZaehlen(1, 3, 4), 1);
    EXPECT_EQ(RichtungswechselZaehlen(1, 3, 1), 2);
    EXPECT_EQ(RichtungswechselZaehlen(1, 2, 3), 2);
    MeldungsRekorder rekorder;
    EXPECT_EQ(RichtungswechselZaehlen(4, 2, 8), 4);
    EXPECT_EQ(rekorder.Meldungen,
              QStringList{
                  QStringLiteral("Fehler: BerechneRichtungsPrioritaetAusBewegungsrichtungen schlägt fehl!")});
}

TEST(Routensuche, SchrittzeitenUndKurzeWege)
{
    auto karte = std::make_unique<TEbenenkarte>();
    karte->Setzen(5, 5, 8);
    EXPECT_EQ(Schrittzeit(karte->Reisekosten.data(), 5, 5, 5, 6), 5.0f); // Hochgebirge to Ebene
    for (const bool richtung : {false, true}) {
        // adjacent: exactly the two fields
        auto p = Parameter(karte->Reisekosten.data(), 200, P(10, 10), P(11, 9), richtung);
        EXPECT_EQ(RouteSuchen(p).Punkte(), (std::vector<Wegpunkt>{P(10, 10), P(11, 9)}));
        // two diagonal steps take as long as two straight ones
        p = Parameter(karte->Reisekosten.data(), 200, P(1, 1), P(3, 3), richtung);
        const Wegpunktliste diagonal = RouteSuchen(p);
        EXPECT_EQ(diagonal.Anzahl(), 3);
        EXPECT_EQ(Routenzeit(karte->Reisekosten.data(), diagonal), 4.0f);
        p.Ziel = P(3, 1);
        EXPECT_EQ(Routenzeit(karte->Reisekosten.data(), RouteSuchen(p)), 4.0f);
        // start equal to target gives the start alone; outside the map nothing
        p.Ziel = P(1, 1);
        EXPECT_EQ(RouteSuchen(p).Punkte(), std::vector<Wegpunkt>{P(1, 1)});
        p.Ziel = P(201, 1);
        EXPECT_TRUE(RouteSuchen(p).Leer());
        p.Ziel = P(0, 5);
        EXPECT_TRUE(referenz::RouteSuchen(p).Leer());
        p.Kartengroesse = 120;
        p.Ziel = P(121, 5);
        EXPECT_TRUE(RouteSuchen(p).Leer());
    }
}

TEST(Routensuche, GleichschnelleWege)
{
    // On open plain from (1, 1) to (4, 2) every way of three steps ties. Without the
    // option the earliest open-list position decides; with it the way with fewer
    // direction changes: straight on first, then one diagonal step (or the reverse).
    auto karte = std::make_unique<TEbenenkarte>();
    auto p = Parameter(karte->Reisekosten.data(), 200, P(1, 1), P(4, 2), false);
    const Wegpunktliste ohne = RouteSuchen(p);
    EXPECT_EQ(ohne.Punkte(), referenz::RouteSuchen(p).Punkte());
    p.DirectionalOptimization = true;
    const auto mit = RouteSuchen(p).Punkte();
    EXPECT_EQ(mit, referenz::RouteSuchen(p).Punkte());
    // SE, E, E changes direction once; every other way of three steps twice
    EXPECT_EQ(mit, (std::vector<Wegpunkt>{P(1, 1), P(2, 2), P(3, 2), P(4, 2)}));
    EXPECT_EQ(Routenzeit(karte->Reisekosten.data(), ohne), 6.0f);
}

TEST(Routensuche, KoordinatenfelderVerlassen)
{
    EXPECT_EQ(KoordinateVerlassen(QString(), 200), QStringLiteral("100"));
    EXPECT_EQ(KoordinateVerlassen(QStringLiteral("0"), 200), QStringLiteral("100"));
    EXPECT_EQ(KoordinateVerlassen(QStringLiteral("000"), 120), QStringLiteral("100"));
    EXPECT_EQ(KoordinateVerlassen(QStringLiteral("150"), 120), QStringLiteral("120"));
    EXPECT_EQ(KoordinateVerlassen(QStringLiteral("150"), 200), QStringLiteral("150"));
    EXPECT_EQ(KoordinateVerlassen(QStringLiteral("007"), 200), QStringLiteral("007"));
}

TEST(Routensuche, Fortschritt)
{
    auto karte = std::make_unique<TEbenenkarte>();
    auto p = Parameter(karte->Reisekosten.data(), 200, P(10, 10), P(13, 14), true);
    std::vector<std::pair<int64_t, int64_t>> gemeldet;
    p.Fortschritt = [&](int64_t wert, int64_t maximum) { gemeldet.emplace_back(wert, maximum); };
    RouteSuchen(p);
    ASSERT_FALSE(gemeldet.empty());
    EXPECT_EQ(gemeldet.front(), std::make_pair(int64_t{0}, int64_t{25}));
    for (size_t i = 1; i < gemeldet.size(); ++i) {
        EXPECT_GT(gemeldet[i].first, gemeldet[i - 1].first);
        EXPECT_EQ(gemeldet[i].second, 25);
    }
    // fields beyond the target may close before it, so the bar can reach its end
    EXPECT_GE(gemeldet.back().first, 25);
}

// The shipped search and the variants against their plain reference forms, on the three
// built-in worlds (short, middle and long ways) and on many small random maps.
TEST(Routensuche, GleichWieReferenzAufDenDreiWelten)
{
    const TWeltdaten &d = test::EingebauteWelten();
    std::mt19937 zufall(4711);
    for (int welt = 1; welt <= 3; ++welt) {
        const int S = Weltangaben(welt).Groesse;
        const uint8_t *kosten = d.Welten[static_cast<size_t>(welt - 1)].Reisekosten.data();
        std::uniform_int_distribution<int> feld(1, S), nah(-25, 25);
        for (int i = 0; i < 400; ++i) {
            const Wegpunkt s = P(feld(zufall), feld(zufall));
            Wegpunkt z;
            if (i % 12 == 0) {
                z = P(feld(zufall), feld(zufall));
            } else {
                z = P(std::clamp(s.x + nah(zufall), 1, S), std::clamp(s.y + nah(zufall), 1, S));
            }
            for (const bool richtung : {false, true}) {
                const auto p = Parameter(kosten, S, s, z, richtung);
                Wegpunktliste kette = RouteSuchen(p);
                KettePruefenUndVergleichen(p, kette);
                WegpunkteZusammenfassen(kosten, kette);
                ASSERT_EQ(RoutenvariantenBilden(kosten, kette),
                          referenz::RoutenvariantenBilden(kosten, kette));
            }
        }
    }
}

TEST(Routensuche, GleichWieReferenzAufZufallskarten)
{
    std::mt19937 zufall(815);
    for (int i = 0; i < 1500; ++i) {
        const int groesse = 2 + static_cast<int>(zufall() % 28);
        const auto karte = test::Zufallskarte(zufall, groesse, i % 3);
        std::uniform_int_distribution<int> feld(1, groesse);
        for (int j = 0; j < 3; ++j) {
            const Wegpunkt s = P(feld(zufall), feld(zufall)), z = P(feld(zufall), feld(zufall));
            for (const bool richtung : {false, true}) {
                const auto p = Parameter(karte.Reisekosten.data(), groesse, s, z, richtung);
                Wegpunktliste kette = RouteSuchen(p);
                KettePruefenUndVergleichen(p, kette);
                WegpunkteZusammenfassen(karte.Reisekosten.data(), kette);
                ASSERT_EQ(RoutenvariantenBilden(karte.Reisekosten.data(), kette),
                          referenz::RoutenvariantenBilden(karte.Reisekosten.data(), kette));
            }
        }
    }
}

// The long run: corner to corner and many far pairs. Run with
// --gtest_also_run_disabled_tests.
TEST(Routensuche, DISABLED_GleichWieReferenzLangeWege)
{
    const TWeltdaten &d = test::EingebauteWelten();
    std::mt19937 zufall(99);
    for (int welt = 1; welt <= 3; ++welt) {
        const int S = Weltangaben(welt).Groesse;
        const uint8_t *kosten = d.Welten[static_cast<size_t>(welt - 1)].Reisekosten.data();
        std::uniform_int_distribution<int> feld(1, S);
        for (int i = 0; i < 1000; ++i)
            for (const bool richtung : {false, true}) {
                const auto p = Parameter(kosten, S, P(feld(zufall), feld(zufall)),
                                         P(feld(zufall), feld(zufall)), richtung);
                Wegpunktliste kette = RouteSuchen(p);
                KettePruefenUndVergleichen(p, kette);
                WegpunkteZusammenfassen(kosten, kette);
                ASSERT_EQ(RoutenvariantenBilden(kosten, kette),
                          referenz::RoutenvariantenBilden(kosten, kette));
            }
    }
}
