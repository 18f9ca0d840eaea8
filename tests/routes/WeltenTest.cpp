#include "Testwelten.h"

#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "routes/Welten.h"

#include <gtest/gtest.h>

#include <memory>

using namespace mvt;
using namespace mvt::routen;

namespace {

uint8_t Wert(const TGitter &g, int x, int y)
{
    return g[static_cast<size_t>(Zelle(x, y))];
}

// A letter map of 40000 fields with four marked positions.
QStringList Buchstabenkarte()
{
    QString text(GitterZellen, QLatin1Char('P'));
    text[0] = QLatin1Char('M');     // (1, 1)
    text[199] = QLatin1Char('S');   // (200, 1)
    text[200] = QLatin1Char('F');   // (1, 2)
    text[39999] = QLatin1Char('L'); // (200, 200)
    // line breaks carry no meaning: cut the text into uneven lines
    QStringList zeilen;
    for (int i = 0; i < text.size(); i += 333)
        zeilen << text.mid(i, 333);
    return zeilen;
}

QStringList Zyrthaniakarte(int n = 14400)
{
    return QStringList(n, QStringLiteral("O"));
}

} // namespace

TEST(Weltkarten, BuchstabenFuellenZeileFuerZeileVonNorden)
{
    auto w = std::make_unique<TWeltgitter>();
    BuchstabenkarteLesen(*w, Buchstabenkarte());
    EXPECT_EQ(Wert(w->Gelaende, 1, 1), Hochgebirge);
    EXPECT_EQ(Wert(w->Reisekosten, 1, 1), 8);
    EXPECT_EQ(Wert(w->Gelaende, 200, 1), Sumpf);
    EXPECT_EQ(Wert(w->Gelaende, 1, 2), Wald);
    EXPECT_EQ(Wert(w->Reisekosten, 1, 2), 5);
    EXPECT_EQ(Wert(w->Gelaende, 200, 200), See);
    EXPECT_EQ(Wert(w->Reisekosten, 200, 200), 4);
    EXPECT_EQ(Wert(w->Gelaende, 2, 1), Ebene);
}

TEST(Weltkarten, FremdeZeichenUebernehmenDasFeldDavorUndKommasZaehlenNicht)
{
    auto w = std::make_unique<TWeltgitter>();
    QStringList zeilen = Buchstabenkarte();
    // "R,x" at the start: the comma is skipped, the x copies Gebirge
    zeilen[0] = QStringLiteral("R,x") + zeilen[0].mid(2);
    BuchstabenkarteLesen(*w, zeilen);
    EXPECT_EQ(Wert(w->Gelaende, 1, 1), Gebirge);
    EXPECT_EQ(Wert(w->Gelaende, 2, 1), Gebirge);
    EXPECT_EQ(Wert(w->Reisekosten, 2, 1), 7);
    EXPECT_EQ(Wert(w->Gelaende, 200, 1), Sumpf); // positions after it unchanged
}

TEST(Weltkarten, ZyrthaniaZeilen)
{
    auto w = std::make_unique<TWeltgitter>();
    QStringList zeilen = Zyrthaniakarte();
    zeilen[120] = QStringLiteral("CB4"); // line 121: field (1, 2)
    zeilen[5] = QStringLiteral("D");
    zeilen[6] = QStringLiteral("C5");
    zeilen[7] = QStringLiteral("X");
    zeilen[8] = QString();
    zeilen[9] = QStringLiteral("CAX");
    zeilen[10] = QStringLiteral("CA12");
    zeilen[11] = QStringLiteral("CA3");
    MeldungsRekorder rekorder;
    ZyrthaniakarteLesen(*w, zeilen);
    EXPECT_EQ(Wert(w->Gelaende, 1, 2), KuesteB1 + 3);
    EXPECT_EQ(Wert(w->Reisekosten, 1, 2), 2);
    EXPECT_EQ(Wert(w->Gelaende, 1, 1), Ozean);
    EXPECT_EQ(Wert(w->Reisekosten, 1, 1), 10);
    // every bad line takes the field before it (Wüste, 7 minutes)
    for (int x = 6; x <= 11; ++x) {
        EXPECT_EQ(Wert(w->Gelaende, x, 1), Wueste) << x;
        EXPECT_EQ(Wert(w->Reisekosten, x, 1), 7) << x;
    }
    EXPECT_EQ(Wert(w->Gelaende, 12, 1), KuesteA1 + 2);
    const QStringList erwartet = {
        QStringLiteral("Fehler bei zweistelligem Gelände!"),
        QStringLiteral("Fehler bei einstelligem Gelände!"),
        QStringLiteral("Fehler: Leeres Gelände!"),
        QStringLiteral("Fehler bei dreistelligem Gelädnde!"),
        QStringLiteral("Fehler: Mehr als 3 Buchstaben erkannt!"),
    };
    EXPECT_EQ(rekorder.Meldungen, erwartet);
    // beyond 120 x 120 nobody may walk
    EXPECT_EQ(Wert(w->Reisekosten, 121, 1), 255);
    EXPECT_EQ(Wert(w->Reisekosten, 1, 121), 255);
    EXPECT_EQ(Wert(w->Reisekosten, 200, 200), 255);
}

TEST(Weltkarten, KurzeUndLangeTexteBleibenImGitter)
{
    auto w = std::make_unique<TWeltgitter>();
    MeldungsRekorder rekorder;
    ZyrthaniakarteLesen(*w, Zyrthaniakarte(20000));
    BuchstabenkarteLesen(*w, {QString(50000, QLatin1Char('H'))});
    BuchstabenkarteLesen(*w, {QStringLiteral("?")});
    ZyrthaniakarteLesen(*w, {QStringLiteral("??")});
    EXPECT_EQ(rekorder.Meldungen.size(), 1);
    // a first field that is not a terrain starts as Ebene
    EXPECT_EQ(Wert(w->Gelaende, 1, 1), Ebene);
    EXPECT_EQ(Wert(w->Reisekosten, 1, 1), 2);
}

TEST(Weltkarten, StadtabstaendeUndStadtvarianten)
{
    auto w = std::make_unique<TWeltgitter>();
    QStringList zeilen = Zyrthaniakarte();
    zeilen[(50 - 1) * 120 + (50 - 1)] = QStringLiteral("CB4");
    WeltLesen(*w, 3, zeilen, {});
    const auto bytes = DateiLesen(QStringLiteral(MVT_TESTDATEN "/routes/Staedte_Beispiel.txt"));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(StaedteEintragen(*w, 120, ZeilenTrennen(TextDekodieren(*bytes))), 2); // "0a0010" and x = 201
    // the town at (1, 1) reaches (1..11, 1..11) only
    EXPECT_EQ(Wert(w->Stadtabstand, 1, 1), 0);
    EXPECT_EQ(Wert(w->Stadtabstand, 11, 11), 10);
    EXPECT_EQ(Wert(w->Stadtabstand, 11, 3), 10);
    EXPECT_EQ(Wert(w->Stadtabstand, 12, 1), KeinStadtabstand);
    EXPECT_EQ(Wert(w->Stadtabstand, 1, 12), KeinStadtabstand);
    // two towns three fields apart on one row: the nearer one counts
    for (int x = 40; x <= 63; ++x) {
        const int erwartet = std::min(std::abs(x - 50), std::abs(x - 53));
        EXPECT_EQ(Wert(w->Stadtabstand, x, 50), erwartet <= 10 ? erwartet : 255) << x;
    }
    // a town on Küste B4 is 45 in Gelaende, stays 29 in Grundgelaende, minutes 2
    EXPECT_EQ(Wert(w->Gelaende, 50, 50), 45);
    EXPECT_EQ(Wert(w->Grundgelaende, 50, 50), 29);
    EXPECT_EQ(Wert(w->Reisekosten, 50, 50), 2);
    EXPECT_EQ(Wert(w->Gelaende, 53, 50), Ozean + 16);
    EXPECT_EQ(w->Stadtnamen[static_cast<size_t>(Zelle(60, 40))],
              QStringLiteral("Name: Kleinbrück (Hauptstadt)"));
    EXPECT_TRUE(w->Stadtnamen[static_cast<size_t>(Zelle(2, 2))].isEmpty());
    // a new town list starts again from the base terrain
    StaedteEintragen(*w, 120, {QStringLiteral("002002Name: Neu, Besitzer: [X]")});
    EXPECT_EQ(Wert(w->Gelaende, 50, 50), 29);
    EXPECT_TRUE(w->Stadtnamen[static_cast<size_t>(Zelle(1, 1))].isEmpty());
    EXPECT_EQ(Wert(w->Stadtabstand, 1, 1), 1);
}

TEST(Weltkarten, StadtvarianteJedesCodes)
{
    for (int c = 0; c <= 6; ++c)
        EXPECT_EQ(Stadtvariante(static_cast<uint8_t>(c)), c + 7);
    for (int c = 14; c <= 29; ++c)
        EXPECT_EQ(Stadtvariante(static_cast<uint8_t>(c)), c + 16);
    EXPECT_EQ(Stadtvariante(9), 9);
    EXPECT_EQ(Stadtvariante(33), 33);
}

// The start reads the worlds on a worker into grids that were never allocated: reading
// allocates them, and the result is the one of grids allocated beforehand. A town list that
// meets such a world sizes its grids instead of writing past their end.
TEST(Weltkarten, UngeleseneGitterEntstehenBeimLesen)
{
    TWeltdaten ungelesen(TWeltgitter::TUngelesen{});
    for (const TWeltgitter &w : ungelesen.Welten)
        EXPECT_TRUE(w.Reisekosten.empty() && w.Gelaende.empty() && w.Stadtabstand.empty() &&
                    w.Stadtnamen.empty());
    KartendatenLaden(ungelesen);
    auto angelegt = std::make_unique<TWeltdaten>();
    KartendatenLaden(*angelegt);
    for (size_t i = 0; i < ungelesen.Welten.size(); ++i) {
        const TWeltgitter &a = ungelesen.Welten[i];
        const TWeltgitter &b = angelegt->Welten[i];
        EXPECT_EQ(a.Reisekosten, b.Reisekosten) << i;
        EXPECT_EQ(a.Grundgelaende, b.Grundgelaende) << i;
        EXPECT_EQ(a.Gelaende, b.Gelaende) << i;
        EXPECT_EQ(a.Stadtabstand, b.Stadtabstand) << i;
        EXPECT_TRUE(a.Stadtnamen == b.Stadtnamen) << i;
    }

    TWeltgitter nie(TWeltgitter::TUngelesen{});
    EXPECT_EQ(StaedteEintragen(nie, 200, {QStringLiteral("005007Neustadt")}), 0);
    ASSERT_EQ(nie.Stadtnamen.size(), size_t(GitterZellen));
    ASSERT_EQ(nie.Gelaende.size(), size_t(GitterZellen));
    ASSERT_EQ(nie.Stadtabstand.size(), size_t(GitterZellen));
    EXPECT_EQ(nie.Stadtnamen[static_cast<size_t>(Zelle(5, 7))], QStringLiteral("Neustadt"));
    EXPECT_EQ(Wert(nie.Stadtabstand, 5, 7), 0);
    EXPECT_EQ(Wert(nie.Stadtabstand, 100, 100), KeinStadtabstand);
}

TEST(Weltkarten, EingebauteWelten)
{
    MeldungsRekorder rekorder;
    auto frisch = std::make_unique<TWeltdaten>();
    frisch->AktuelleWelt = 3;
    KartendatenLaden(*frisch);
    EXPECT_TRUE(rekorder.Meldungen.isEmpty()); // the built-in maps hold no bad line
    const TWeltdaten &d = *frisch;
    EXPECT_EQ(d.AktuelleWelt, 1);
    EXPECT_EQ(d.Kartengroesse, 200);
    for (int welt = 1; welt <= 3; ++welt) {
        const TWelt &angaben = Weltangaben(welt);
        const QStringList karte = EingebauteKarte(welt);
        if (welt == 3) {
            EXPECT_EQ(karte.size(), 14400);
        } else {
            EXPECT_EQ(karte.join(QString()).size(), 40000) << welt;
        }
        const QStringList staedte = EingebauteStaedte(welt);
        EXPECT_GE(staedte.size(), 200) << welt;
        const TWeltgitter &g = d.Welten[static_cast<size_t>(welt - 1)];
        for (const auto &[hx, hy] : angaben.Hauptstaedte)
            EXPECT_TRUE(
                g.Stadtnamen[static_cast<size_t>(Zelle(hx, hy))].endsWith(QStringLiteral(" (Hauptstadt)")))
                << welt << " " << hx << ":" << hy;
        int staedteAufKarte = 0;
        for (int x = 1; x <= angaben.Groesse; ++x)
            for (int y = 1; y <= angaben.Groesse; ++y) {
                const uint8_t r = Wert(g.Reisekosten, x, y), c = Wert(g.Grundgelaende, x, y);
                ASSERT_GE(r, 2);
                ASSERT_LE(r, 10);
                ASSERT_EQ(r, Gelaendeminuten(c));
                if (!g.Stadtnamen[static_cast<size_t>(Zelle(x, y))].isEmpty()) {
                    ++staedteAufKarte;
                    // towns stand on land
                    EXPECT_TRUE(c != See && c != Ozean && c != Eis) << welt << " " << x << ":" << y;
                    EXPECT_EQ(Wert(g.Gelaende, x, y), Stadtvariante(c));
                }
            }
        EXPECT_EQ(staedteAufKarte, staedte.size()) << welt; // one town per field, all on the map
    }
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());
}

TEST(Weltkarten, ZyrthaniasKuestenFolgenDemUfer)
{
    // a coast field lies on land and touches the ocean on the side its code names
    const TWeltgitter &g = test::EingebauteWelten().Welten[2];
    const auto wasser = [&](int x, int y) {
        if (x < 1 || y < 1 || x > 120 || y > 120)
            return true;
        const uint8_t c = Wert(g.Grundgelaende, x, y);
        return c == Ozean || c == Eis;
    };
    static constexpr int Seite[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    static constexpr int Ecke[4][2] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    int kuesten = 0;
    for (int x = 1; x <= 120; ++x)
        for (int y = 1; y <= 120; ++y) {
            const uint8_t c = Wert(g.Grundgelaende, x, y);
            bool beruehrt = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    beruehrt = beruehrt || wasser(x + dx, y + dy);
            if (c >= Kueste1 && c <= KuesteB1 + 3) {
                ++kuesten;
                const int k = (c - Kueste1) % 4;
                if (c < KuesteA1)
                    EXPECT_TRUE(wasser(x + Seite[k][0], y + Seite[k][1])) << x << ":" << y;
                else if (c < KuesteB1)
                    EXPECT_TRUE(wasser(x + Ecke[k][0], y) && wasser(x, y + Ecke[k][1])) << x << ":" << y;
                else
                    EXPECT_TRUE(wasser(x + Ecke[k][0], y + Ecke[k][1])) << x << ":" << y;
            } else if (!wasser(x, y)) {
                EXPECT_FALSE(beruehrt) << "Land ohne Küste am Meer bei " << x << ":" << y;
            }
        }
    EXPECT_GT(kuesten, 200);
}

TEST(Weltkarten, WeltWechsel)
{
    auto d = std::make_unique<TWeltdaten>();
    WeltWechseln(*d, 3);
    EXPECT_EQ(d->AktuelleWelt, 3);
    EXPECT_EQ(d->Kartengroesse, 120);
    EXPECT_EQ(d->Reisekosten(), d->Welten[2].Reisekosten.data());
    WeltWechseln(*d, 4);
    EXPECT_EQ(d->AktuelleWelt, 3);
    WeltWechseln(*d, 2);
    EXPECT_EQ(d->Kartengroesse, 200);
    EXPECT_EQ(d->Gelaende(), d->Welten[1].Gelaende.data());
}
