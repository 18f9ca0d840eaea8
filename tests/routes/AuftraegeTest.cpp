#include "Testwelten.h"

#include "base/Zahlen.h"

#include "routes/Auftraege.h"
#include "routes/GespeicherteRouten.h"
#include "routes/Routensuche.h"
#include "RoutensucheReferenz.h"
#include "routes/Uebertragung.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include <cmath>
#include <memory>

using namespace mvt;
using namespace mvt::routen;

namespace {

Wegpunkt P(int x, int y)
{
    return Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

struct TKarte {
    std::array<uint8_t, GitterZellen> r;
    TKarte() { r.fill(2); }
    void Setzen(int x, int y, uint8_t m) { r[static_cast<size_t>(Zelle(x, y))] = m; }
    const uint8_t *d() const { return r.data(); }
};

} // namespace

TEST(Auftraege, TeilstreckenzeitLaeuftErstDiagonal)
{
    auto k = std::make_unique<TKarte>();
    k->Setzen(2, 2, 8);  // on the diagonal from (1, 1)
    k->Setzen(2, 1, 10); // beside it, never walked
    EXPECT_EQ(Teilstreckenzeit(k->d(), P(1, 1), P(1, 1)), 0.0f);
    // (1,1) -> (2,2) -> (3,2) -> (4,2): 5 + 5 + 2
    EXPECT_EQ(Teilstreckenzeit(k->d(), P(1, 1), P(4, 2)), 12.0f);
    // back: diagonal first from (4, 2) is (3, 1), then (2, 1), (1, 1) -> 2 + 6 + 6
    EXPECT_EQ(Teilstreckenzeit(k->d(), P(4, 2), P(1, 1)), 14.0f);
    const Wegpunktliste route(std::vector<Wegpunkt>{P(1, 1), P(4, 2), P(4, 7)});
    EXPECT_EQ(Routenzeit(k->d(), route), 22.0f);
    EXPECT_EQ(UeberquerteFelder(route), 8);
    EXPECT_EQ(Entfernungskosten(k->d(), P(1, 1), P(4, 2), P(4, 7)),
              Teilstreckenzeit(k->d(), P(1, 1), P(4, 7)) - 22.0f);
}

TEST(Auftraege, ZusammenfassenEntferntNurKostenlosePunkte)
{
    auto k = std::make_unique<TKarte>();
    // a mountain wall with one pass at (5, 5): the way must bend there
    for (int y = 1; y <= 9; ++y)
        if (y != 5)
            k->Setzen(5, y, 60);
    std::vector<Wegpunkt> kette;
    for (int x = 1; x <= 5; ++x)
        kette.push_back(P(x, 1 + x - 1)); // (1,1) .. (5,5)
    for (int x = 6; x <= 9; ++x)
        kette.push_back(P(x, 5 - (x - 5))); // (6,4) .. (9,1)
    Wegpunktliste route(kette);
    const float vorher = Routenzeit(k->d(), route);
    WegpunkteZusammenfassen(k->d(), route);
    EXPECT_EQ(route.Punkte(), (std::vector<Wegpunkt>{P(1, 1), P(5, 5), P(9, 1)}));
    EXPECT_EQ(Routenzeit(k->d(), route), vorher);
    Wegpunktliste kurz(std::vector<Wegpunkt>{P(3, 3)});
    WegpunkteZusammenfassen(k->d(), kurz);
    EXPECT_EQ(kurz.Anzahl(), 1);
}

TEST(Auftraege, VariantenDerNachbarfelder)
{
    auto k = std::make_unique<TKarte>();
    const Wegpunktliste route(std::vector<Wegpunkt>{P(7, 7), P(8, 8)});
    const TRoutenvarianten v = RoutenvariantenBilden(k->d(), route);
    for (const auto &variante : v)
        EXPECT_EQ(variante, route);
    const TRoutenauswertung a = RouteAuswerten(k->d(), v, 10);
    ASSERT_EQ(a.Auftraege.size(), 1u);
    EXPECT_EQ(a.Auftraege[0].Nummer, 1);
    EXPECT_EQ(a.Auftraege[0].Ziel, P(8, 8));
    EXPECT_EQ(a.Zeitersparnis, 0.0f);
    EXPECT_EQ(a.ZeitersparnisProzent, 0);
    EXPECT_EQ(a.Optimalitaet, 100);
    EXPECT_EQ(a.ZeitersparnisText(), QStringLiteral("0:00:00   (0 min)   (0 %)"));
    EXPECT_EQ(a.OptimalitaetText(), QStringLiteral("100 %"));
    EXPECT_EQ(a.Felder, 1);
    EXPECT_EQ(a.ZeitProFeldText(), QStringLiteral("2 min"));
    EXPECT_EQ(a.Auftragsanzahl, 1);
    EXPECT_EQ(a.OptimaleLaenge, 1);
    // empty and one-point routes (hand-edited saved routes) neither crash nor divide by 0
    const TRoutenvarianten leer = RoutenvariantenBilden(k->d(), Wegpunktliste());
    EXPECT_TRUE(leer[0].Leer());
    EXPECT_EQ(RouteAuswerten(k->d(), leer, 5).Auftragsanzahl, 0);
    const TRoutenvarianten eins =
        RoutenvariantenBilden(k->d(), Wegpunktliste(std::vector<Wegpunkt>{P(3, 3)}));
    EXPECT_EQ(eins[42].Anzahl(), 1);
    EXPECT_EQ(RouteAuswerten(k->d(), eins, 5).ZeitProFeld, 0.0);
}

TEST(Auftraege, VariantenEinerLangenRoute)
{
    const TWeltdaten &d = test::EingebauteWelten();
    const uint8_t *kosten = d.Welten[0].Reisekosten.data();
    Wegpunktliste kette = RouteSuchen(d, P(1, 1), P(200, 200), true);
    WegpunkteZusammenfassen(kosten, kette);
    const TRoutenvarianten v = RoutenvariantenBilden(kosten, kette);
    EXPECT_EQ(v[100], kette);
    EXPECT_EQ(v[0].Punkte(), (std::vector<Wegpunkt>{P(1, 1), P(200, 200)}));
    float vorher = Routenzeit(kosten, v[0]);
    for (int k = 1; k < 100; ++k) {
        const float zeit = Routenzeit(kosten, v[static_cast<size_t>(k)]);
        EXPECT_LE(v[static_cast<size_t>(k)].Anzahl(), k + 2);
        EXPECT_EQ(v[static_cast<size_t>(k)].Erster(), P(1, 1));
        EXPECT_EQ(v[static_cast<size_t>(k)].Letzter(), P(200, 200));
        // a variant differs from the one before only when it is strictly faster
        if (zeit == vorher) {
            EXPECT_EQ(v[static_cast<size_t>(k)], v[static_cast<size_t>(k - 1)]);
        }
        EXPECT_LE(zeit, vorher);
        vorher = zeit;
    }
    EXPECT_LE(Routenzeit(kosten, v[100]), vorher);
    // "Max. Aufträge" 1 shows the direct order, without savings
    const TRoutenauswertung eins = RouteAuswerten(kosten, v, 1);
    EXPECT_EQ(eins.Auftragsanzahl, 1);
    EXPECT_EQ(eins.Zeitersparnis, 0.0f);
    const TRoutenauswertung zehn = RouteAuswerten(kosten, v, 10);
    EXPECT_EQ(zehn.Reisezeit, Routenzeit(kosten, v[9]));
    EXPECT_EQ(zehn.Auftraege.back().Gesamt, zehn.Reisezeit);
    EXPECT_EQ(zehn.Zeitersparnis, Routenzeit(kosten, v[0]) - zehn.Reisezeit);
    EXPECT_GE(zehn.Optimalitaet, 0);
    EXPECT_LE(zehn.Optimalitaet, 100);
    EXPECT_EQ(zehn.Felder, UeberquerteFelder(v[9]));
    EXPECT_EQ(zehn.OptimaleLaenge, kette.Anzahl() - 1);
}

TEST(Auftraege, DreiAuftraegeGenuegen)
{
    // A wall with a pass at (10, 20): three orders reach the fastest time (down, to the
    // pass, to the target), so "Max. Aufträge" 10 shows variant 2 for all of 2..99.
    auto k = std::make_unique<TKarte>();
    for (int y = 1; y <= 30; ++y)
        if (y != 20)
            k->Setzen(10, y, 200);
    TSuchparameter p;
    p.Reisekosten = k->d();
    p.Kartengroesse = 30;
    p.Start = P(2, 2);
    p.Ziel = P(18, 2);
    Wegpunktliste kette = RouteSuchen(p);
    WegpunkteZusammenfassen(k->d(), kette);
    const TRoutenvarianten v = RoutenvariantenBilden(k->d(), kette);
    for (int i = 3; i < 100; ++i)
        EXPECT_EQ(v[static_cast<size_t>(i)], v[2]) << i;
    EXPECT_EQ(v[2].Anzahl(), 4);
    EXPECT_EQ(Routenzeit(k->d(), v[2]), 72.0f);
    EXPECT_EQ(RouteAuswerten(k->d(), v, 10).Auftragsanzahl, 3);
}

TEST(Auftraege, DauerUndAnkunft)
{
    EXPECT_EQ(DauerText(62.5), QStringLiteral("1:02:30   (62,5 min)"));
    EXPECT_EQ(DauerText(5), QStringLiteral("0:05:00   (5 min)"));
    EXPECT_EQ(DauerText(0), QStringLiteral("0:00:00   (0 min)"));
    EXPECT_EQ(DauerText(1234.5), QStringLiteral("20:34:30   (1234,5 min)"));
    const QDateTime jetzt(QDate(2026, 12, 31), QTime(23, 30, 0));
    EXPECT_EQ(AnkunftText(62.5, jetzt), QStringLiteral("00:32:30 - 01.01.2027"));
    const QStringList spalten = AuftragsSpalten(TAuftragszeile{3, P(57, 12), 5.0f, 62.5f}, jetzt);
    EXPECT_EQ(spalten,
              (QStringList{QStringLiteral("3."), QStringLiteral("Reise nach 57:12"),
                           QStringLiteral("0:05:00   (5 min)"), QStringLiteral("00:32:30 - 01.01.2027")}));
}

TEST(Auftraege, AuftragsbereichFolgt)
{
    TAuftragsbereich b = AuftragsbereichFuerRoute(25);
    EXPECT_EQ(b.Von, 1);
    EXPECT_EQ(b.Bis, 10);
    VonAuftragAendern(b, 20);
    EXPECT_EQ(b.Bis, 20);
    BisAuftragAendern(b, 25);
    EXPECT_EQ(b.Von, 20);
    BisAuftragAendern(b, 3);
    EXPECT_EQ(b.Von, 3);
    BisAuftragAendern(b, 25);
    VonAuftragAendern(b, 1);
    EXPECT_EQ(b.Bis, 10);
    VonAuftragAendern(b, 99); // clamped to the range
    EXPECT_EQ(b.Von, 25);
    EXPECT_EQ(b.Bis, 25);
    const TAuftragsbereich kurz = AuftragsbereichFuerRoute(4);
    EXPECT_EQ(kurz.Bis, 4);
    EXPECT_EQ(MaxAuftraegeLesen(QStringLiteral("100")), 100);
    EXPECT_FALSE(MaxAuftraegeLesen(QStringLiteral("101")).has_value());
    EXPECT_FALSE(MaxAuftraegeLesen(QString()).has_value());
    EXPECT_FALSE(MaxAuftraegeLesen(QStringLiteral("0")).has_value());
}

TEST(GespeicherteRouten, EinfuegenLoeschenLaden)
{
    const TWeltdaten &d = test::EingebauteWelten();
    const uint8_t *kosten = d.Welten[0].Reisekosten.data();
    Wegpunktliste kette = RouteSuchen(d, P(20, 30), P(90, 140), true);
    WegpunkteZusammenfassen(kosten, kette);
    const TRoutenvarianten v = RoutenvariantenBilden(kosten, kette);

    TGespeicherteRouten routen;
    TRoutenlisten listen(routen);
    TRoutenliste &l = listen.Welt(1);
    EXPECT_EQ(RoutentabelleZeilen(l).size(), 1u);
    EXPECT_TRUE(RoutentabelleZeilen(l)[0].Name.isEmpty());
    EXPECT_FALSE(GespeicherteRouteLoeschen(l, 1));

    l.Einfuegen(RouteSpeichern(v, QStringLiteral("Erste"), 7));
    l.Einfuegen(RouteSpeichern(v, QString(40, QLatin1Char('x')), 12));
    l.CursorSetzen(0);
    l.Einfuegen(RouteSpeichern(v, QString(), 3)); // after the cursor: between the two
    auto zeilen = RoutentabelleZeilen(l);
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[0].Name, QStringLiteral("Erste"));
    EXPECT_EQ(zeilen[0].Start, QStringLiteral("20:30"));
    EXPECT_EQ(zeilen[0].Ziel, QStringLiteral("90:140"));
    EXPECT_TRUE(zeilen[1].Name.isEmpty());
    EXPECT_EQ(zeilen[2].Name.size(), MaxNamenslaenge);
    EXPECT_EQ(RouteSpeichernHinweis(QString(30, QLatin1Char('a'))), QStringLiteral("Name (6 Zeichen übrig)"));

    // loading gives the same variants as the calculation that produced the route
    const auto geladen = GespeicherteRouteLaden(kosten, l, 1);
    ASSERT_TRUE(geladen.has_value());
    EXPECT_EQ(geladen->Varianten, v);
    EXPECT_EQ(geladen->Auftraege, 7);
    EXPECT_EQ(geladen->Start, P(20, 30));
    EXPECT_EQ(geladen->Ziel, P(90, 140));
    EXPECT_FALSE(GespeicherteRouteLaden(kosten, l, 0).has_value());
    EXPECT_FALSE(GespeicherteRouteLaden(kosten, l, 4).has_value());

    // no selected row: nothing is removed
    EXPECT_FALSE(GespeicherteRouteLoeschen(l, 0));
    EXPECT_EQ(l.Anzahl(), 3);
    EXPECT_TRUE(GespeicherteRouteLoeschen(l, 2));
    EXPECT_EQ(l.Anzahl(), 2);
    EXPECT_EQ(l.Cursor(), 1); // on the successor
    EXPECT_TRUE(GespeicherteRouteLoeschen(l, 2));
    EXPECT_EQ(l.Cursor(), 0); // the last was removed: on the predecessor
    EXPECT_TRUE(GespeicherteRouteLoeschen(l, 1));
    EXPECT_EQ(RoutentabelleZeilen(l).size(), 1u);
    EXPECT_EQ(listen.Welt(2).Anzahl(), 0);

    // a hand-edited entry: no points, order count out of range
    l.Anhaengen(TGespeicherteRoute{QStringLiteral("leer"), 5, {}});
    l.Anhaengen(TGespeicherteRoute{QStringLiteral("viel"), 5000, RoutenPunkte(kette)});
    EXPECT_FALSE(GespeicherteRouteLaden(kosten, l, 1).has_value());
    EXPECT_TRUE(RoutentabelleZeilen(l)[0].Start.isEmpty());
    EXPECT_EQ(GespeicherteRouteLaden(kosten, l, 2)->Auftraege, 100);
}

TEST(GespeicherteRouten, OptionsdateiHinUndZurueck)
{
    TGespeicherteRouten datei;
    datei.Welt(3)->push_back(TGespeicherteRoute{QStringLiteral("Hafen"), 12, {{5, 6}, {7, 9}, {20, 30}}});
    datei.Welt(3)->push_back(TGespeicherteRoute{QStringLiteral("Zweite"), 3, {{1, 1}, {2, 2}}});
    const TGespeicherteRouten gelesen = datei;
    TRoutenlisten listen(datei);
    EXPECT_EQ(listen.Welt(1).Anzahl(), 0);
    ASSERT_EQ(listen.Welt(3).Anzahl(), 2);
    EXPECT_EQ(Wegpunkte(listen.Welt(3).Element(0).Punkte).Punkte(),
              (std::vector<Wegpunkt>{P(5, 6), P(7, 9), P(20, 30)}));
    // saving after the last loaded route appends, as reading appended; the list edited is
    // the one the options file writes
    listen.Welt(3).Einfuegen(TGespeicherteRoute{QStringLiteral("Neu"), 1, {{3, 3}, {4, 4}}});
    const TGespeicherteRouten &zurueck = datei;
    ASSERT_EQ(zurueck.Welt(3)->size(), 3u);
    EXPECT_EQ((*zurueck.Welt(3))[0], (*gelesen.Welt(3))[0]);
    EXPECT_EQ((*zurueck.Welt(3))[2].Name, QStringLiteral("Neu"));
    EXPECT_TRUE(zurueck.Welt(1)->empty());
}

TEST(GespeicherteRouten, ListeFolgtDemZustand)
{
    // A list and the state share their routes; the cursor follows changes made elsewhere.
    TGespeicherteRouten zustand;
    TRoutenlisten listen(zustand);
    TRoutenliste &l = listen.Welt(2);
    auto route = [](const char *name) {
        return TGespeicherteRoute{QLatin1String(name), 10, {{1, 1}, {2, 2}}};
    };
    l.Einfuegen(route("A"));
    l.Einfuegen(route("B"));
    ASSERT_EQ(zustand.Welt(2)->size(), 2u);
    EXPECT_EQ((*zustand.Welt(2))[1].Name, QStringLiteral("B"));
    l.CursorSetzen(0);
    // the same length: the cursor stays, the next route goes in after "A"
    (*zustand.Welt(2))[1].Name = QStringLiteral("B2");
    EXPECT_EQ(l.Cursor(), 0);
    l.Einfuegen(route("C"));
    auto namen = [&] {
        QStringList n;
        for (const TGespeicherteRoute &r : *zustand.Welt(2))
            n << r.Name;
        return n;
    };
    EXPECT_EQ(namen(), QStringList({"A", "C", "B2"}));
    // read again with fewer routes: the cursor is on the last one, never beyond the list
    zustand.Welt(2)->resize(1);
    EXPECT_EQ(l.Cursor(), 0);
    l.Einfuegen(route("D"));
    EXPECT_EQ(namen(), QStringList({"A", "D"}));
    zustand.Leeren();
    EXPECT_EQ(l.Cursor(), -1);
    l.Entfernen(); // nothing to remove, no fault
    EXPECT_FALSE(GespeicherteRouteLoeschen(l, 1));
    l.Einfuegen(route("E"));
    EXPECT_EQ(namen(), QStringList({"E"}));
    EXPECT_TRUE(zustand.Welt(1)->empty());
}

TEST(Uebertragung, TokenUndLink)
{
    EXPECT_EQ(TokenErzeugen(0.0), QStringLiteral("9765625")); // 5^10
    EXPECT_EQ(TokenErzeugen(0.5), QString::number(Runden(std::pow(8.5, 10))));
    const QString a = TokenErzeugen(), b = TokenErzeugen();
    EXPECT_NE(a, b);
    for (const QString &t : {a, b}) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]+$")).match(t).hasMatch()) << t.toStdString();
        EXPECT_GE(t.toLongLong(), 9765625LL);
        EXPECT_LT(t.toLongLong(), 61917364224LL); // 12^10
    }
    const QString link = AuftragsLink(3, 7, 120, QStringLiteral("123"));
    EXPECT_TRUE(
        link.startsWith(QStringLiteral("http://") + Spielserver(3) + QStringLiteral("/morvaren.html?")));
    EXPECT_TRUE(link.endsWith(QStringLiteral(
        "?page=group_travel&action=group_task_travel&token=123&town_id=1&selection=0&freex=7&freey=120")));
    EXPECT_NE(Spielserver(1), Spielserver(2));
}
