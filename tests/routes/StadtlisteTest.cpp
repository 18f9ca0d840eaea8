// Town list processing on plain base terrain: towns, their distance fields, the messages
// of a faulty list and the form of a list's date.
#include "routes/Stadtliste.h"

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::routen;

namespace {
// Base terrain: Ebene everywhere except Ozean on Endurias, so each world is recognisable.
struct TGrund {
    std::array<TGitter, AnzahlWelten> Gitter{TGitter(GitterZellen, Ebene), TGitter(GitterZellen, Ozean),
                                             TGitter(GitterZellen, Wald)};
    TGrundgelaende Zeiger() const { return {&Gitter[0], &Gitter[1], &Gitter[2]}; }
};

struct TErgebnis {
    std::vector<TStadtdaten> Welten;
    QStringList Meldungen;
    bool Ok = false;
};

TErgebnis Verarbeiten(const QStringList &zeilen)
{
    TGrund g;
    TErgebnis e;
    TStadtlistenEmpfaenger emp;
    emp.WeltFertig = [&](TStadtdaten &&d) { e.Welten.push_back(std::move(d)); };
    emp.Meldung = [&](const QString &m) { e.Meldungen << m; };
    e.Ok = StadtlisteVerarbeiten(zeilen, g.Zeiger(), emp);
    return e;
}

uint8_t Abstand(const TStadtdaten &d, int f, int s)
{
    return d.Stadtabstand[static_cast<size_t>(Zelle(f, s))];
}

TEST(StandAnzeigen, SechzehnZeichenLaengerKuerzer)
{
    EXPECT_EQ(StandAnzeigen(EingebauterStadtlistenStand), QStringLiteral("16.02.2018 - 10:08"));
    EXPECT_EQ(StandAnzeigen(StadtlistenFehlerStand), StadtlistenFehlerStand);
    EXPECT_EQ(StandAnzeigen(QStringLiteral("2018.02.16.10.0")), QStringLiteral("!FEHLER!"));
}

TEST(StadtlisteVerarbeiten, StadtInDerEckeUndZweiStaedteNahebei)
{
    const auto e =
        Verarbeiten({QStringLiteral("001001Eckhausen"), QString(), QStringLiteral("050050Westdorf"),
                     QStringLiteral("050053Ostdorf"), QString()});
    ASSERT_TRUE(e.Ok);
    ASSERT_EQ(e.Welten.size(), 3u);
    const TStadtdaten &d = e.Welten[0];
    EXPECT_EQ(d.Welt, 1);
    EXPECT_EQ(d.Staedte, 1);
    EXPECT_EQ(d.Stadtnamen[static_cast<size_t>(Zelle(1, 1))], QStringLiteral("Eckhausen"));
    EXPECT_EQ(d.Gelaende[static_cast<size_t>(Zelle(1, 1))], 7); // Ebene with a town
    EXPECT_EQ(d.Gelaende[static_cast<size_t>(Zelle(1, 2))], Ebene);
    EXPECT_EQ(Abstand(d, 1, 1), 0);
    EXPECT_EQ(Abstand(d, 11, 11), 10);
    EXPECT_EQ(Abstand(d, 11, 4), 10);
    EXPECT_EQ(Abstand(d, 12, 1), KeinStadtabstand);
    EXPECT_EQ(Abstand(d, 1, 12), KeinStadtabstand);

    const TStadtdaten &en = e.Welten[1];
    EXPECT_EQ(en.Welt, 2);
    EXPECT_EQ(en.Staedte, 2);
    EXPECT_EQ(en.Gelaende[static_cast<size_t>(Zelle(50, 50))], Ozean + 16);
    // On the line between and beside them every cell has the distance to the nearer town.
    const int erwartet[] = {3, 2, 1, 0, 1, 1, 0, 1, 2, 3};
    for (int s = 47; s <= 56; ++s)
        EXPECT_EQ(Abstand(en, 50, s), erwartet[s - 47]) << s;
    EXPECT_EQ(e.Welten[2].Staedte, 0);
    EXPECT_TRUE(e.Meldungen.isEmpty());
}

TEST(StadtlisteVerarbeiten, DoppelteStadtBehaeltDenSpaeterenNamen)
{
    const auto e =
        Verarbeiten({QStringLiteral("010010Alt"), QStringLiteral("010010Neu"), QString(), QString()});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Welten[0].Stadtnamen[static_cast<size_t>(Zelle(10, 10))], QStringLiteral("Neu"));
    EXPECT_EQ(e.Welten[0].Gelaende[static_cast<size_t>(Zelle(10, 10))], 7);
    EXPECT_EQ(e.Welten[0].Staedte, 1);
}

TEST(StadtlisteVerarbeiten, AusserhalbDerWeltWirdUebersprungen)
{
    const auto e = Verarbeiten({QStringLiteral("000005Null"), QStringLiteral("201005Zuweit"),
                                QStringLiteral("-01005Minus"), QStringLiteral("200200Rand"), QString(),
                                QString(), QStringLiteral("121010Jenseits"), QStringLiteral("120120Letzte")});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Welten[0].Staedte, 1);
    EXPECT_EQ(Abstand(e.Welten[0], 200, 190), 10);
    EXPECT_EQ(e.Welten[2].Staedte, 1); // Zyrthania has 120 x 120 fields
    EXPECT_EQ(e.Welten[2].Stadtnamen[static_cast<size_t>(Zelle(120, 120))], QStringLiteral("Letzte"));
}

TEST(StadtlisteVerarbeiten, FehlerImEnduriasBlockLaesstDunladanStehen)
{
    auto e = Verarbeiten({QStringLiteral("010010Eins"), QString(), QStringLiteral("0x0010Kaputt"), QString(),
                          QStringLiteral("005005Drei")});
    EXPECT_FALSE(e.Ok);
    ASSERT_EQ(e.Welten.size(), 1u);
    EXPECT_EQ(e.Welten[0].Welt, 1);
    e = Verarbeiten({QStringLiteral("01001"), QString(), QString()}); // shorter than six
    EXPECT_FALSE(e.Ok);
    EXPECT_TRUE(e.Welten.empty());
}

TEST(StadtlisteVerarbeiten, VierterBlockGehoertZuZyrthania)
{
    const auto e = Verarbeiten(
        {QString(), QString(), QStringLiteral("001001A"), QString(), QString(), QStringLiteral("002002B")});
    ASSERT_TRUE(e.Ok);
    ASSERT_EQ(e.Welten.size(), 3u);
    EXPECT_EQ(e.Meldungen, QStringList({MeldungStadtCount}));
    EXPECT_EQ(e.Welten[2].Staedte, 2);
}

TEST(StadtlisteVerarbeiten, VieleLeereZeilenGebenEineMeldung)
{
    // Each message is a modal box: one per empty line stacked boxes until the stack broke.
    QStringList zeilen{QStringLiteral("001001A")};
    for (int i = 0; i < 100'000; ++i)
        zeilen << QString();
    zeilen << QStringLiteral("002002B");
    const auto e = Verarbeiten(zeilen);
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Meldungen, QStringList({MeldungStadtCount}));
    ASSERT_EQ(e.Welten.size(), 3u);
    EXPECT_EQ(e.Welten[0].Stadtnamen[static_cast<size_t>(Zelle(1, 1))], QStringLiteral("A"));
    EXPECT_EQ(e.Welten[2].Stadtnamen[static_cast<size_t>(Zelle(2, 2))], QStringLiteral("B"));
}

TEST(IstStadtlistenStand, NurDieFesteForm)
{
    EXPECT_TRUE(IstStadtlistenStand(EingebauterStadtlistenStand));
    EXPECT_TRUE(IstStadtlistenStand(QStringLiteral("9999.12.31.23.59")));
    for (const char *falsch :
         {"", "2018.02.16.10.0", "2018.02.16.10.089", "2018-02-16-10-08", "2018.02.16.1a.08",
          "20180.2.16.10.08", "x018.02.16.10.08", "2018.02.16.10.08 "})
        EXPECT_FALSE(IstStadtlistenStand(QString::fromLatin1(falsch))) << falsch;
    EXPECT_FALSE(IstStadtlistenStand(QStringLiteral("2018.02.16.10.0") + QChar(0x0661))); // Arabic one
}

} // namespace
