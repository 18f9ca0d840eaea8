// Version file reading, the comparison and the NextVersionCheck rules; the whole check
// against a local server.
#include "LokalerServer.h"

#include "online/OnlineSitzung.h"
#include "online/Versionspruefung.h"
#include "base/Optionen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::online;
using mvt::pruefung::TLokalerServer;

namespace {

TEST(Versionsdatei, ZweiZeilenMitUndOhneBuchstabe)
{
    auto d = VersionsdateiLesen("1.14b\r\n01.03.2018 - 12:00 Uhr\r\n");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Version, QStringLiteral("1.14b"));
    EXPECT_EQ(d->Datum, QStringLiteral("01.03.2018 - 12:00 Uhr"));
    d = VersionsdateiLesen("1.11");
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Datum.isEmpty());
    EXPECT_EQ(Versionszeile({QStringLiteral("1.14"), QStringLiteral("heute")}),
              QStringLiteral("Version 1.14 vom heute"));
}

TEST(Versionsdatei, KeineVersionsformIstUngueltig)
{
    for (const char *text : {"", "\r\n1.14", "1.1", "1,14", "a.bcd", "1.14ab", "1.14-", "<html>", "11.14"})
        EXPECT_FALSE(VersionsdateiLesen(text)) << text;
}

TEST(Versionsvergleich, NurEchtNeuereVersionen)
{
    EXPECT_FALSE(IstNeuereVersion(QStringLiteral("1.13a"), Programmversion));
    EXPECT_FALSE(IstNeuereVersion(QStringLiteral("1.13"), Programmversion));
    EXPECT_FALSE(IstNeuereVersion(QStringLiteral("1.12z"), Programmversion));
    EXPECT_TRUE(IstNeuereVersion(QStringLiteral("1.13b"), Programmversion));
    EXPECT_TRUE(IstNeuereVersion(QStringLiteral("1.14"), Programmversion));
    EXPECT_TRUE(IstNeuereVersion(QStringLiteral("2.00"), Programmversion));
}

TEST(NaechstePruefung, RegelnDerBeidenSchalter)
{
    const double jetzt = 45000.25; // a quarter past six in the morning
    EXPECT_EQ(NaechsterTagesbeginn(jetzt), 45001.0);
    // Version window: on with a value more than a day ahead -> next midnight.
    EXPECT_EQ(NachVersionsfensterSchalter(true, 45010.0, jetzt), 45001.0);
    EXPECT_EQ(NachVersionsfensterSchalter(true, VersionspruefungAus, jetzt), 45001.0);
    EXPECT_EQ(NachVersionsfensterSchalter(true, 45001.0, jetzt), 45001.0);
    EXPECT_EQ(NachVersionsfensterSchalter(true, 0.0, jetzt), 0.0);
    EXPECT_EQ(NachVersionsfensterSchalter(false, 0.0, jetzt), VersionspruefungAus);
    // Settings window: on with a value more than a day ahead -> 0; next midnight stays.
    EXPECT_EQ(NachEinstellungsSchalter(true, 45001.0, jetzt), 45001.0);
    EXPECT_EQ(NachEinstellungsSchalter(true, VersionspruefungAus, jetzt), 0.0);
    EXPECT_EQ(NachEinstellungsSchalter(false, 45001.0, jetzt), VersionspruefungAus);
    // Closing an automatically shown window; off stays off.
    EXPECT_EQ(NachAutomatischerAnzeige(0.0, jetzt), 45001.0);
    EXPECT_EQ(NachAutomatischerAnzeige(VersionspruefungAus, jetzt), VersionspruefungAus);
}

// The date is written into the record the part was built over, and every change is
// announced once with the new date; the same date again is no change.
TEST(NaechstePruefung, DieSitzungSpeichertUndMeldetJedeAenderungEinmal)
{
    double gespeichert = 0.0;
    TOnlineSitzung sitzung(gespeichert);
    std::vector<double> gemeldet;
    QObject::connect(&sitzung, &TOnlineSitzung::naechstePruefungGeaendert,
                     [&gemeldet](double tage) { gemeldet.push_back(tage); });
    sitzung.NaechstePruefungSetzen(0.0);
    EXPECT_TRUE(gemeldet.empty());
    sitzung.NaechstePruefungSetzen(VersionspruefungAus);
    sitzung.NaechstePruefungSetzen(VersionspruefungAus);
    EXPECT_EQ(gespeichert, VersionspruefungAus);
    // The version window's rule: switched on again, the check comes at the next midnight.
    sitzung.NaechstePruefungSetzen(NachVersionsfensterSchalter(true, sitzung.NaechstePruefung(), 45000.25));
    EXPECT_EQ(gespeichert, 45001.0);
    EXPECT_EQ(gemeldet, (std::vector<double>{VersionspruefungAus, 45001.0}));
}

struct VersionAbfrageTest : ::testing::Test {
    TLokalerServer server;
    QTemporaryDir ordner;
    TVersionsauskunft Abfragen(const std::string &inhalt, int status = 200)
    {
        server.Setzen("/LatestVersion.txt", status, inhalt);
        return VersionAbfragen(QString::fromStdString(server.Basis()), ordner.path());
    }
    bool TempDa() const
    {
        return QFile::exists(QDir(ordner.path()).filePath(QStringLiteral("1_MVTdownloadTMP.txt")));
    }
};

TEST_F(VersionAbfrageTest, JedesErgebnisUndDieTemporaereDateiIstWeg)
{
    auto a = Abfragen("1.13a\r\n20.02.2018\r\n");
    EXPECT_EQ(a.Ergebnis, TPruefergebnis::AktuellerStand);
    EXPECT_FALSE(TempDa());
    EXPECT_EQ(Abfragen("1.13\r\nalt\r\n").Ergebnis, TPruefergebnis::AktuellerStand);
    a = Abfragen("1.13b\r\n01.03.2018\r\n");
    EXPECT_EQ(a.Ergebnis, TPruefergebnis::NeueVersion);
    EXPECT_EQ(Versionszeile(a.Datei), QStringLiteral("Version 1.13b vom 01.03.2018"));
    EXPECT_FALSE(TempDa());
    EXPECT_EQ(Abfragen("<html>Wartung</html>").Ergebnis, TPruefergebnis::Ungueltig);
    EXPECT_FALSE(TempDa());
    EXPECT_EQ(Statustext(TPruefergebnis::Ungueltig), TextUngueltig);
    EXPECT_EQ(Abfragen("1.14\r\nx\r\n", 500).Ergebnis, TPruefergebnis::KeineVerbindung);
    EXPECT_FALSE(TempDa());
    EXPECT_EQ(server.AnzahlFuer("/LatestVersion.txt"), 5);
}

} // namespace
