// The temporary download files against whoever can write into the working folder: a link
// or a file of the same name is never written through, and only the program's own files
// are removed.
#include "LokalerServer.h"

#include "online/Downloaddatei.h"
#include "online/Hintergrundabruf.h"
#include "online/Stadtlistenabruf.h"
#include "online/Versionspruefung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::online;
using namespace mvt::routen;
using mvt::pruefung::TLokalerServer;

namespace {

QByteArray Inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void Schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QStringList Eintraege(const QTemporaryDir &ordner)
{
    return QDir(ordner.path())
        .entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct DownloaddateiTest : ::testing::Test {
    TLokalerServer server;
    QTemporaryDir ordner, anderswo;
    QString Pfad(const QString &name) const { return QDir(ordner.path()).filePath(name); }
    QString Basis() const { return QString::fromStdString(server.Basis()); }
    TStadtlistenAusgang Stadtliste()
    {
        static const std::array<routen::TGitter, routen::AnzahlWelten> gitter{
            routen::TGitter(routen::GitterZellen, 0), routen::TGitter(routen::GitterZellen, 0),
            routen::TGitter(routen::GitterZellen, 0)};
        TStadtlistenEmpfaenger e;
        e.WeltFertig = [this](TStadtdaten &&) { ++Welten; };
        return StadtlisteAktualisieren(Basis(), ordner.path(), EingebauterStadtlistenStand,
                                       {&gitter[0], &gitter[1], &gitter[2]}, e);
    }
    int Welten = 0;
};

TEST_F(DownloaddateiTest, LinksUndFremdeDateienWerdenNieBeschrieben)
{
    server.Setzen("/LatestVersion.txt", 200, "1.14\r\n01.03.2018\r\n");
    server.Setzen("/TownListDate.txt", 200, "2018.02.16.10.09\r\n");
    server.Setzen("/TownList.txt", 200, "001001A\r\n\r\n100100B\r\n\r\n050050C\r\n");
    // A link to a file of the player's, and a dangling one that would create its target.
    const QString meins = QDir(anderswo.path()).filePath(QStringLiteral("meins.txt"));
    const QString neu = QDir(anderswo.path()).filePath(QStringLiteral("neu.txt"));
    Schreiben(meins, "wichtig");
    ASSERT_TRUE(QFile::link(meins, Pfad(VersionsdateiTemp)));
    ASSERT_TRUE(QFile::link(neu, Pfad(StadtlisteTemp)));

    const TVersionsauskunft a = VersionAbfragen(Basis(), ordner.path());
    EXPECT_EQ(a.Ergebnis, TPruefergebnis::NeueVersion);
    EXPECT_EQ(a.Datei.Version, QStringLiteral("1.14"));
    const TStadtlistenAusgang s = Stadtliste();
    ASSERT_TRUE(s.NeuerStand);
    EXPECT_EQ(*s.NeuerStand, QStringLiteral("2018.02.16.10.09"));
    EXPECT_EQ(Welten, 3);

    EXPECT_EQ(Inhalt(meins), QByteArray("wichtig"));
    EXPECT_FALSE(QFileInfo::exists(neu));
    // The links are not the program's: they stay, and nothing else is left behind.
    EXPECT_EQ(Eintraege(ordner), QStringList({VersionsdateiTemp, StadtlisteTemp}));
    EXPECT_TRUE(QFileInfo(Pfad(VersionsdateiTemp)).isSymLink());
    DownloadDateienEntfernen(ordner.path());
    EXPECT_TRUE(QFileInfo(Pfad(VersionsdateiTemp)).isSymLink());
    EXPECT_TRUE(QFileInfo(Pfad(StadtlisteTemp)).isSymLink());
    EXPECT_EQ(Inhalt(meins), QByteArray("wichtig"));
}

TEST_F(DownloaddateiTest, AlteDateiBleibtUnberuehrtBisZumNaechstenStart)
{
    // Left behind by a run that was killed, or the file of another running copy.
    server.Setzen("/LatestVersion.txt", 200, "1.13a\r\n20.02.2018\r\n");
    Schreiben(Pfad(VersionsdateiTemp), "1.99\r\nalt\r\n");
    EXPECT_EQ(VersionAbfragen(Basis(), ordner.path()).Ergebnis, TPruefergebnis::AktuellerStand);
    EXPECT_EQ(Inhalt(Pfad(VersionsdateiTemp)), QByteArray("1.99\r\nalt\r\n"));
    EXPECT_EQ(Eintraege(ordner), QStringList{VersionsdateiTemp});
    // A start removes a regular file of this user left there.
    DownloadDateienEntfernen(ordner.path());
    EXPECT_TRUE(Eintraege(ordner).isEmpty());
}

TEST_F(DownloaddateiTest, ProgrammendeEntferntNurWasDasProgrammAngelegtHat)
{
    auto datei = std::make_unique<TDownloaddatei>(ordner.path(), VersionsdateiTemp);
    ASSERT_TRUE(datei->Offen());
    EXPECT_EQ(datei->Pfad(), Pfad(VersionsdateiTemp));
    datei->Datei().write("halb");
    auto zweite = std::make_unique<TDownloaddatei>(ordner.path(), VersionsdateiTemp);
    ASSERT_TRUE(zweite->Offen());
    EXPECT_NE(zweite->Pfad(), datei->Pfad()); // beside it, not over it
    EXPECT_EQ(Eintraege(ordner).size(), 2);

    // The end of the program while a worker still holds its files.
    DownloadDateienEntfernen(ordner.path());
    EXPECT_TRUE(Eintraege(ordner).isEmpty());
    // Someone else's file of the same name is not removed when the worker ends later.
    Schreiben(Pfad(VersionsdateiTemp), "fremd");
    EXPECT_EQ(datei->Inhalt(100), QByteArray("halb")); // what was written, read through the open file
    datei.reset();
    zweite.reset();
    EXPECT_EQ(Inhalt(Pfad(VersionsdateiTemp)), QByteArray("fremd"));
}

} // namespace
