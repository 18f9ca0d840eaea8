// The route planner's session part: every setter stores into the state it was built over,
// applies the model's consequence once and announces the value; refused or unchanged
// values are not announced.
#include "routes/RoutenSitzung.h"
#include "routes/Stadtliste.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace mvt::routen;

namespace {

struct TStand {
    TGespeicherteRouten Routen;
    TWeltdaten Welten{TWeltgitter::TUngelesen{}};
    int32_t LetzteKarte = 1;
    QString Stadtlistenstand = EingebauterStadtlistenStand;
    TRoutenSitzung Teil{{Routen, Welten, LetzteKarte, Stadtlistenstand}};
    QStringList Gehoert;

    TStand()
    {
        QObject::connect(&Teil, &TRoutenSitzung::routenGeaendert, [this](int welt, const auto &routen) {
            QStringList namen;
            for (const TGespeicherteRoute &r : routen)
                namen << r.Name;
            EXPECT_EQ(&routen, Routen.Welt(welt)); // the state's list itself
            Gehoert << QStringLiteral("Routen %1: %2").arg(welt).arg(namen.join(QLatin1Char(',')));
        });
        QObject::connect(&Teil, &TRoutenSitzung::weltGeaendert,
                         [this](int welt) { Gehoert << QStringLiteral("Welt %1").arg(welt); });
        QObject::connect(&Teil, &TRoutenSitzung::stadtlistenStandGeaendert,
                         [this](const QString &s) { Gehoert << QStringLiteral("Stand ") + s; });
        QObject::connect(&Teil, &TRoutenSitzung::zonenGeaendert, [this](const TZonenabstaende &z) {
            Gehoert << QStringLiteral("Zonen %1 %2 %3 %4")
                           .arg(z.SZone)
                           .arg(z.BZone)
                           .arg(z.SZoneHS)
                           .arg(z.BZoneHS);
        });
        QObject::connect(&Teil, &TRoutenSitzung::weltkartenGeaendert, [this](const TWeltdaten &w) {
            EXPECT_EQ(&w, &Welten);
            Gehoert << QStringLiteral("Karten");
        });
    }
};

TGespeicherteRoute Route(const char *name)
{
    return TGespeicherteRoute{QLatin1String(name), 10, {{1, 1}, {2, 2}}};
}

} // namespace

TEST(RoutenSitzung, GespeicherteRoutenNachDemCursorUndNurWasGeschieht)
{
    TStand s;
    s.Teil.RouteSpeichern(2, Route("A"));
    s.Teil.RouteSpeichern(2, Route("B"));
    EXPECT_TRUE(s.Teil.RouteLoeschen(2, 1)); // the cursor goes to "B"
    s.Teil.RouteSpeichern(2, Route("C"));    // after "B"
    // refused: no row, a row beyond the list (never the last one instead), no such world
    EXPECT_FALSE(s.Teil.RouteLoeschen(2, 0));
    EXPECT_FALSE(s.Teil.RouteLoeschen(2, 3));
    EXPECT_FALSE(s.Teil.RouteLoeschen(1, 1));
    EXPECT_FALSE(s.Teil.RouteLoeschen(4, 1));
    s.Teil.RouteSpeichern(0, Route("X"));
    EXPECT_EQ(s.Gehoert, QStringList({"Routen 2: A", "Routen 2: A,B", "Routen 2: B", "Routen 2: B,C"}));
    EXPECT_EQ(s.Teil.Routenliste(2).Anzahl(), 2);
    EXPECT_EQ(s.Teil.Routenliste(2).Cursor(), 1);
    EXPECT_TRUE(s.Routen.Welt(1)->empty() && s.Routen.Welt(3)->empty());
}

TEST(RoutenSitzung, WeltStandUndZonen)
{
    TStand s;
    s.Teil.WeltSetzen(3);
    s.Teil.WeltSetzen(3); // the world in view: nothing
    s.Teil.WeltSetzen(0);
    s.Teil.WeltSetzen(4);
    EXPECT_EQ(s.Welten.AktuelleWelt, 3);
    EXPECT_EQ(s.Welten.Kartengroesse, 120);
    EXPECT_EQ(s.LetzteKarte, 3);
    s.Teil.StadtlistenStandSetzen(EingebauterStadtlistenStand); // unchanged
    s.Teil.StadtlistenStandSetzen(QStringLiteral("2024.01.02.03.04"));
    EXPECT_EQ(s.Stadtlistenstand, QStringLiteral("2024.01.02.03.04"));
    // the settings window confirms the zones: every call is heard, also when unchanged
    s.Teil.ZonenSetzen({});
    s.Teil.ZonenSetzen({7, 6, 5, 4});
    EXPECT_EQ(s.Teil.Zonen(), (TZonenabstaende{7, 6, 5, 4}));
    EXPECT_EQ(s.Gehoert, QStringList({"Welt 3", "Stand 2024.01.02.03.04", "Zonen 2 5 4 8", "Zonen 7 6 5 4"}));
}

TEST(RoutenSitzung, NeueStadtlisteWartetAufDieKarten)
{
    // A town list that arrives while the grids are still read at start: installed after
    // them, so that moving them in does not throw the new towns away.
    TStand s;
    s.Teil.KartenNebenherLesen();
    TStadtdaten d{2, TGitter(GitterZellen, Ebene), TGitter(GitterZellen, KeinStadtabstand),
                  std::vector<QString>(GitterZellen), 1};
    d.Stadtnamen[size_t(Zelle(50, 50))] = QStringLiteral("Neudorf");
    s.Teil.StadtdatenInstallieren(std::move(d));
    s.Teil.KartenAbwarten(); // nothing left to wait for
    const TWeltgitter &endurias = s.Welten.Welten[1];
    EXPECT_EQ(endurias.Stadtnamen[size_t(Zelle(50, 50))], QStringLiteral("Neudorf"));
    EXPECT_EQ(endurias.Reisekosten.size(), size_t(GitterZellen)); // the grids read at start
    EXPECT_EQ(s.Welten.AktuelleWelt, 1);
    EXPECT_EQ(s.Gehoert, QStringList({"Karten"}));
}
