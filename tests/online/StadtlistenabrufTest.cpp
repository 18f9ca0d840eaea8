// The town list update against a local server: when it asks, what it installs and what a
// failure leaves behind.
#include "LokalerServer.h"

#include "online/Stadtlistenabruf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::online;
using namespace mvt::routen;
using mvt::pruefung::TLokalerServer;

namespace {

// Base terrain: Ebene everywhere except Ozean on Endurias, so each world is recognisable.
struct TGrund {
    std::array<TGitter, AnzahlWelten> Gitter{TGitter(GitterZellen, Ebene), TGitter(GitterZellen, Ozean),
                                             TGitter(GitterZellen, Wald)};
    TGrundgelaende Zeiger() const { return {&Gitter[0], &Gitter[1], &Gitter[2]}; }
};

struct StadtUpdateTest : ::testing::Test {
    TLokalerServer server;
    QTemporaryDir ordner;
    TGrund grund;
    std::vector<TStadtdaten> welten;
    TStadtlistenAusgang Aktualisieren(const QString &stand = EingebauterStadtlistenStand)
    {
        TStadtlistenEmpfaenger e;
        e.WeltFertig = [&](TStadtdaten &&d) { welten.push_back(std::move(d)); };
        return StadtlisteAktualisieren(QString::fromStdString(server.Basis()), ordner.path(), stand,
                                       grund.Zeiger(), e);
    }
    bool TempDa() const
    {
        return QFile::exists(QDir(ordner.path()).filePath(QStringLiteral("2_MVTdownloadTMP.txt")));
    }
};

TEST_F(StadtUpdateTest, GleicherStandFragtKeinZweitesMal)
{
    server.Setzen("/TownListDate.txt", 200, "2018.02.16.10.08\r\n");
    server.Setzen("/TownList.txt", 200, "001001A\r\n\r\n\r\n");
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    EXPECT_EQ(server.AnzahlFuer("/TownListDate.txt"), 1);
    EXPECT_EQ(server.AnzahlFuer("/TownList.txt"), 0);
    EXPECT_TRUE(welten.empty());
    EXPECT_FALSE(TempDa());
}

TEST_F(StadtUpdateTest, EineMinuteNeuerWirdInstalliert)
{
    server.Setzen("/TownListDate.txt", 200, "2018.02.16.10.09\r\n");
    server.Setzen("/TownList.txt", 200, "001001A\r\n\r\n100100B\r\n\r\n050050C\r\n");
    const auto aus = Aktualisieren();
    ASSERT_TRUE(aus.NeuerStand);
    EXPECT_EQ(*aus.NeuerStand, QStringLiteral("2018.02.16.10.09"));
    ASSERT_EQ(welten.size(), 3u);
    EXPECT_EQ(welten[1].Stadtnamen[static_cast<size_t>(Zelle(100, 100))], QStringLiteral("B"));
    EXPECT_FALSE(TempDa());

    TWeltdaten daten;
    StadtdatenInstallieren(daten, std::move(welten[2]));
    EXPECT_EQ(daten.Welten[2].Stadtnamen[static_cast<size_t>(Zelle(50, 50))], QStringLiteral("C"));
    EXPECT_EQ(daten.Welten[2].Stadtabstand[static_cast<size_t>(Zelle(50, 60))], 10);
}

TEST_F(StadtUpdateTest, UmleitungZuEinemAnderenHostInstalliertNichts)
{
    TLokalerServer fremd;
    fremd.Setzen("/TownList.txt", 200, "001001Fremd\r\n\r\n\r\n");
    server.Setzen("/TownListDate.txt", 200, "2018.02.16.10.09\r\n");
    server.Umleiten("/TownList.txt", 302,
                    "http://localhost:" + std::to_string(fremd.Port()) + "/TownList.txt");
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    EXPECT_TRUE(welten.empty());
    EXPECT_EQ(fremd.AnzahlFuer("/TownList.txt"), 0);
    EXPECT_FALSE(TempDa());
}

TEST_F(StadtUpdateTest, FehlerhafteListeGibtDenFehlerstand)
{
    server.Setzen("/TownListDate.txt", 200, "2019.01.01.00.00\r\n");
    server.Setzen("/TownList.txt", 200, "001001A\r\n\r\nabcdefB\r\n");
    const auto aus = Aktualisieren();
    ASSERT_TRUE(aus.NeuerStand);
    EXPECT_EQ(*aus.NeuerStand, StadtlistenFehlerStand);
    EXPECT_EQ(welten.size(), 1u);
}

TEST_F(StadtUpdateTest, UnbrauchbarerStandIstEinFehlschlag)
{
    // Binary or huge first lines would compare greater than any stamp and end up in the
    // map caption; they are failed downloads instead.
    server.Setzen("/TownList.txt", 200, "001001A\r\n\r\n\r\n");
    const std::string binaer("\xff\xfe\x00\x01\x9f\xff\r\n", 8);
    server.Setzen("/TownListDate.txt", 200, binaer);
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    server.Setzen("/TownListDate.txt", 200, "9" + std::string(10 * 1024 * 1024, '9') + "\r\n");
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    server.Setzen("/TownListDate.txt", 200, "9999.99.99.99.99 und mehr\r\n");
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    EXPECT_EQ(server.AnzahlFuer("/TownList.txt"), 0);
    EXPECT_TRUE(welten.empty());
    EXPECT_FALSE(TempDa());
}

TEST_F(StadtUpdateTest, FehlschlaegeAendernNichts)
{
    // Older stamp, broken list download, no server: nothing changes, nothing is reported.
    server.Setzen("/TownListDate.txt", 200, "2017.12.31.23.59\r\n");
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    server.Setzen("/TownListDate.txt", 200, "2019.01.01.00.00\r\n");
    server.Setzen("/TownList.txt", {200, "001001A\r\n\r\n", TLokalerServer::Art::Abgebrochen});
    EXPECT_FALSE(Aktualisieren().NeuerStand);
    EXPECT_TRUE(welten.empty());
    EXPECT_FALSE(TempDa());
}

} // namespace
