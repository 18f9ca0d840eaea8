// Tours, the town search and the tour file.
#include "Testwelten.h"

#include "routes/Auftraege.h"
#include "routes/Routensuche.h"
#include "routes/Stadtsuche.h"
#include "routes/Tour.h"
#include "routes/Tourdatei.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace mvt;
using namespace mvt::routen;

namespace {

Wegpunkt P(int x, int y)
{
    return Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

TTourparameter Dunladan(std::vector<Wegpunkt> stationen, bool schnellste, bool rueckkehr, int auftraege)
{
    const TWeltdaten &w = test::EingebauteWelten();
    TTourparameter p;
    p.Reisekosten = w.Welten[0].Reisekosten.data();
    p.Kartengroesse = 200;
    p.Stationen = std::move(stationen);
    p.Schnellste = schnellste;
    p.Rueckkehr = rueckkehr;
    p.Auftraege = auftraege;
    return p;
}

} // namespace

// One search towards several targets gives each target the chain of the two-point search,
// also on maps where many ways tie and steps take no time.
TEST(Tour, EineSucheZuAllenZielenGleichtDenEinzelsuchen)
{
    std::mt19937 zufall(33);
    for (int art = 0; art < 3; ++art)
        for (const bool richtung : {true, false}) {
            const test::TZufallskarte k = test::Zufallskarte(zufall, 40, art);
            std::uniform_int_distribution<int> feld(1, 40);
            TSuchparameter p;
            p.Reisekosten = k.Reisekosten.data();
            p.Kartengroesse = 40;
            p.DirectionalOptimization = richtung;
            p.Start = P(feld(zufall), feld(zufall));
            std::vector<Wegpunkt> ziele{p.Start}; // the start itself too
            for (int i = 0; i < 8; ++i)
                ziele.push_back(P(feld(zufall), feld(zufall)));
            ziele.push_back(ziele[1]); // and one target twice
            const std::vector<Wegpunktliste> alle = RoutenSuchen(p, ziele);
            ASSERT_EQ(alle.size(), ziele.size());
            for (size_t i = 0; i < ziele.size(); ++i) {
                p.Ziel = ziele[i];
                EXPECT_EQ(alle[i], RouteSuchen(p)) << "Karte " << art << " Ziel " << i;
            }
        }
    TSuchparameter aussen;
    aussen.Reisekosten = test::EingebauteWelten().Welten[2].Reisekosten.data();
    aussen.Kartengroesse = 120;
    aussen.Start = P(5, 5);
    const auto leer = RoutenSuchen(aussen, {P(6, 6), P(121, 5)});
    EXPECT_TRUE(leer[0].Leer() && leer[1].Leer());
}

// Every leg is the plain route between its two stops: the same orders and the same time
// as the route tab shows for "Max. Aufträge" K; the total is their sum.
TEST(Tour, JedeEtappeIstDieEinfacheRoute)
{
    const TWeltdaten &w = test::EingebauteWelten();
    const uint8_t *kosten = w.Welten[0].Reisekosten.data();
    for (const bool schnellste : {false, true}) {
        const TTour t = TourPlanen(
            Dunladan({P(70, 70), P(125, 118), P(20, 180), P(89, 83), P(150, 30)}, schnellste, true, 4));
        ASSERT_EQ(t.Stationen.size(), 5u);
        ASSERT_EQ(t.Etappen.size(), 5u);
        EXPECT_EQ(t.Stationen.front(), P(70, 70));
        EXPECT_EQ(t.Etappen.back().Nach, P(70, 70));
        float summe = 0;
        for (size_t i = 0; i < t.Etappen.size(); ++i) {
            const TEtappe &e = t.Etappen[i];
            EXPECT_EQ(e.Von, t.Stationen[i]);
            Wegpunktliste route = RouteSuchen(w, e.Von, e.Nach, true);
            WegpunkteZusammenfassen(kosten, route);
            const TRoutenvarianten v = RoutenvariantenBilden(kosten, route);
            const TRoutenauswertung a = RouteAuswerten(kosten, v, 4);
            EXPECT_EQ(e.Reisezeit, a.Reisezeit);
            EXPECT_EQ(e.Route(4), v[3]);
            EXPECT_LE(e.Auftragsanzahl, 4);
            summe += e.Reisezeit;
        }
        EXPECT_EQ(t.Reisezeit, summe);
    }
}

// The exact order equals the best of all orders that keep the first stop, on random
// one-way times and on the map itself.
TEST(Tour, SchnellsteReihenfolgeIstDieBesteAllerReihenfolgen)
{
    std::mt19937 zufall(12);
    std::uniform_int_distribution<int> minuten(1, 400);
    for (int n = 1; n <= 8; ++n)
        for (const bool rueckkehr : {false, true})
            for (int wdh = 0; wdh < 5; ++wdh) {
                std::vector<double> z(size_t(n * n));
                for (double &t : z)
                    t = minuten(zufall) / 2.0; // one-way times differ from the way back
                const auto Summe = [&](const std::vector<int> &f) {
                    double s = 0;
                    for (size_t i = 1; i < f.size(); ++i)
                        s += z[size_t(f[i - 1] * n + f[i])];
                    return s + (rueckkehr ? z[size_t(f.back() * n)] : 0.0);
                };
                std::vector<int> folge(size_t(n), 0);
                std::iota(folge.begin(), folge.end(), 0);
                double bestes = Summe(folge);
                while (std::next_permutation(folge.begin() + 1, folge.end()))
                    bestes = std::min(bestes, Summe(folge));
                const std::vector<int> gefunden = SchnellsteReihenfolge(z, n, rueckkehr);
                ASSERT_EQ(gefunden.size(), size_t(n));
                EXPECT_EQ(gefunden[0], 0);
                EXPECT_TRUE(std::is_permutation(gefunden.begin(), gefunden.end(), folge.begin()));
                EXPECT_EQ(Summe(gefunden), bestes) << "n " << n << " Rückkehr " << rueckkehr;
            }

    const std::vector<Wegpunkt> stationen{P(100, 100), P(30, 160), P(170, 40), P(35, 40), P(160, 170)};
    for (const bool rueckkehr : {false, true}) {
        const TTour schnell = TourPlanen(Dunladan(stationen, true, rueckkehr, 10));
        std::vector<Wegpunkt> folge = stationen;
        std::sort(folge.begin() + 1, folge.end(),
                  [](Wegpunkt a, Wegpunkt b) { return std::pair(a.x, a.y) < std::pair(b.x, b.y); });
        float bestes = schnell.Reisezeit + 1;
        do {
            bestes = std::min(bestes, TourPlanen(Dunladan(folge, false, rueckkehr, 10)).Reisezeit);
        } while (std::next_permutation(folge.begin() + 1, folge.end(), [](Wegpunkt a, Wegpunkt b) {
            return std::pair(a.x, a.y) < std::pair(b.x, b.y);
        }));
        EXPECT_EQ(schnell.Reisezeit, bestes);
        EXPECT_EQ(TourPlanen(Dunladan(schnell.Stationen, false, rueckkehr, 10)).Reisezeit, schnell.Reisezeit);
    }
}

TEST(Tour, UngueltigeTourenWerdenAbgelehnt)
{
    const auto Fehler = [](std::vector<Wegpunkt> s, bool schnellste, bool rueckkehr) {
        return TourPruefen(Dunladan(std::move(s), schnellste, rueckkehr, 10)).value_or(QString());
    };
    EXPECT_EQ(Fehler({P(5, 5)}, false, false), "Fehler: Eine Tour braucht mindestens zwei Stationen!");
    std::vector<Wegpunkt> dreizehn;
    for (int i = 1; i <= 13; ++i)
        dreizehn.push_back(P(i * 10, 7));
    EXPECT_EQ(Fehler(dreizehn, true, false),
              "Fehler: Eine Tour hat höchstens 12 Stationen, hier sind es 13!");
    dreizehn.pop_back();
    EXPECT_EQ(Fehler(dreizehn, true, true), "");
    EXPECT_EQ(Fehler({P(5, 5), P(0, 9)}, false, false),
              "Fehler: Die Station 0,9 liegt außerhalb der Karte (1 bis 200)!");
    TTourparameter z = Dunladan({P(5, 5), P(121, 9)}, false, false, 10);
    z.Kartengroesse = 120;
    EXPECT_TRUE(TourPruefen(z).has_value());
    EXPECT_EQ(Fehler({P(5, 5), P(8, 9), P(8, 9)}, false, false),
              "Fehler: Die Station 8,9 folgt zweimal aufeinander!");
    // the way back makes the last and the first stops follow each other
    EXPECT_EQ(Fehler({P(5, 5), P(8, 9), P(5, 5)}, false, false), "");
    EXPECT_EQ(Fehler({P(5, 5), P(8, 9), P(5, 5)}, false, true),
              "Fehler: Die Station 5,5 folgt zweimal aufeinander!");
    // a stop twice, not in a row: fine in the kept order, not in a free one
    EXPECT_EQ(Fehler({P(5, 5), P(8, 9), P(5, 5), P(8, 9)}, false, false), "");
    EXPECT_TRUE(Fehler({P(5, 5), P(8, 9), P(30, 30), P(8, 9)}, true, false).contains("mehrmals"));
    EXPECT_TRUE(TourPlanen(Dunladan({P(5, 5), P(5, 5)}, false, false, 10)).Etappen.empty());
}

TEST(Stadtsuche, TextNamenBesitzerUndUmlaute)
{
    const TStadt a = StadttextZerlegen("Name: Bärenfels, Besitzer: [Strauß]");
    EXPECT_EQ(a.Name, "Bärenfels");
    EXPECT_EQ(a.Besitzer, "Strauß");
    const TStadt h = StadttextZerlegen("Name: Eleorath (Hauptstadt)");
    EXPECT_EQ(h.Name, "Eleorath (Hauptstadt)");
    EXPECT_EQ(h.Besitzer, "");
    // the last owner marker counts; a text of another form is the name
    const TStadt d = StadttextZerlegen("Name: A, Besitzer: [B], Besitzer: [C]");
    EXPECT_EQ(d.Name, "A, Besitzer: [B]");
    EXPECT_EQ(d.Besitzer, "C");
    EXPECT_EQ(StadttextZerlegen("Ödland").Name, "Ödland");

    std::vector<TStadt> staedte{{"Bärenfels", "Strauß", 1, 2},
                                {"Ödland", "Ulf", 3, 4},
                                {"Muehlbach", "Jörg", 5, 6},
                                {"Eleorath (Hauptstadt)", "", 100, 100}};
    const auto Namen = [&](const QString &such) {
        QStringList n;
        for (const TStadt &s : StaedteSuchen(staedte, such))
            n << s.Name;
        return n.join(QLatin1Char('|'));
    };
    EXPECT_EQ(Namen("baer"), "Bärenfels");
    EXPECT_EQ(Namen("BÄR"), "Bärenfels");
    EXPECT_EQ(Namen("renf"), "Bärenfels");
    EXPECT_EQ(Namen("strauss"), "Bärenfels"); // owner, ß typed as ss
    EXPECT_EQ(Namen("oed"), "Ödland");
    EXPECT_EQ(Namen("Mühl"), "Muehlbach"); // written with ue, typed with ü
    EXPECT_EQ(Namen("joerg"), "Muehlbach");
    EXPECT_EQ(Namen("  ULF "), "Ödland"); // blanks around the text do not count
    EXPECT_EQ(Namen("haupt"), "Eleorath (Hauptstadt)");
    EXPECT_EQ(Namen(""), "Bärenfels|Ödland|Muehlbach|Eleorath (Hauptstadt)");
    EXPECT_EQ(Namen("xyz"), "");
    EXPECT_EQ(StadtEintrag(staedte[0]), "Bärenfels [Strauß] - 1:2");
    EXPECT_EQ(StadtEintrag(staedte[3]), "Eleorath (Hauptstadt) - 100:100");
}

// The search lists exactly the towns that the map window's hint shows, at their fields.
TEST(Stadtsuche, StimmtMitDenStadtfeldernDerWeltUeberein)
{
    const TWeltdaten &w = test::EingebauteWelten();
    for (int welt = 1; welt <= 3; ++welt) {
        const TWeltgitter &g = w.Welten[size_t(welt - 1)];
        const int groesse = Weltangaben(welt).Groesse;
        const std::vector<TStadt> staedte = StaedteDerWelt(g, groesse);
        const auto felder = std::count_if(g.Stadtnamen.begin(), g.Stadtnamen.end(),
                                          [](const QString &s) { return !s.isEmpty(); });
        ASSERT_GT(felder, 0);
        EXPECT_EQ(qsizetype(staedte.size()), qsizetype(felder));
        for (size_t i = 0; i < staedte.size(); ++i) {
            const TStadt &s = staedte[i];
            const TStadt aus = StadttextZerlegen(g.Stadtnamen[size_t(Zelle(s.x, s.y))]);
            EXPECT_EQ(aus.Name, s.Name);
            EXPECT_EQ(aus.Besitzer, s.Besitzer);
            if (i > 0) {
                EXPECT_LE(QString::compare(staedte[i - 1].Name, s.Name, Qt::CaseInsensitive), 0);
            }
        }
        EXPECT_EQ(StaedteSuchen(staedte, "").size(), staedte.size());
    }
}

TEST(Tourdatei, SpeichernUndLadenErhaeltDieTouren)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(TourenDateiname);
    TTourdatei d;
    d.Setzen({"Zum Markt über Bärenfels", 1, true, true, 7, {P(70, 70), P(125, 118), P(1, 200)}});
    d.Setzen({"Mit ; im Namen", 3, false, false, 100, {P(120, 120), P(1, 1)}});
    d.Setzen({"Zum Markt über Bärenfels", 2, false, true, 1, {P(5, 5), P(6, 6)}});
    d.Unbekannt << "9;fest;0;10;1,1 2,2;Welt 9";
    ASSERT_TRUE(TourdateiSpeichern(pfad, d));
    const auto geladen = TourdateiLaden(pfad);
    ASSERT_TRUE(geladen);
    EXPECT_EQ(geladen->Touren, d.Touren);
    EXPECT_EQ(geladen->Unbekannt, d.Unbekannt);
    EXPECT_EQ(geladen->Welt(1).size(), 1u);
    // the header of the build list files, Windows-1252 and CR LF
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray roh = f.readAll();
    EXPECT_TRUE(roh.startsWith(
        "Hadrik's Morvaren Tool\r\n1.13a\r\n\r\n1;schnellste;1;7;70,70 125,118 1,200;Zum Markt "
        "\xfc"
        "ber B\xe4renfels\r\n"));
    // the same name on the same world replaces; removing finds it by world and name
    d.Setzen({"Mit ; im Namen", 3, true, false, 5, {P(2, 2), P(1, 1)}});
    EXPECT_EQ(d.Touren.size(), 3u);
    EXPECT_TRUE(d.Touren[1].Schnellste);
    EXPECT_FALSE(d.Entfernen(1, "Mit ; im Namen"));
    EXPECT_TRUE(d.Entfernen(3, "Mit ; im Namen"));
    // a missing file is an empty one
    EXPECT_TRUE(TourdateiLaden(ordner.filePath("fehlt.mvt_bl"))->Touren.empty());
}

TEST(Tourdatei, UngueltigeZeilenBleibenUnberuehrt)
{
    for (const char *zeile : {"4;fest;0;10;1,1 2,2;Welt 4", "1;fest;0;10;201,1 2,2;Feld außerhalb",
                              "3;fest;0;10;121,1 2,2;Zyrthania", "1;fest;0;10;1,1;Eine Station",
                              "1;fest;0;0;1,1 2,2;Null Aufträge", "1;fest;2;10;1,1 2,2;Rückkehr 2",
                              "1;kreuz;0;10;1,1 2,2;Reihenfolge", "1;fest;0;10;1,1 2,2;",
                              "1;fest;0;10;1,1 2,x;Zahl", "1;fest;0;10;1,1 2,2 3;Paar", "1;fest;0;10",
                              "1;fest;0;10;1,1 2,2;Ein Name, der viel zu lang ist für eine Tour"})
        EXPECT_FALSE(TourzeileLesen(QString::fromUtf8(zeile))) << zeile;
    QString zwoelf = "1;fest;0;10;";
    for (int i = 1; i <= 13; ++i)
        zwoelf += QString::number(i) + ",1 ";
    EXPECT_FALSE(TourzeileLesen(zwoelf + ";Dreizehn"));
    const TTourdatei d = TourdateiLesen({"x", "y", "", "Unsinn", "", "2;fest;1;3;4,5 6,7;Gut"});
    ASSERT_EQ(d.Touren.size(), 1u);
    EXPECT_EQ(d.Touren[0].Stationen, (std::vector<Wegpunkt>{P(4, 5), P(6, 7)}));
    EXPECT_EQ(d.Unbekannt, QStringList{"Unsinn"});
}
