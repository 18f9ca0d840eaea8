// The combat archive across processes: killed while storing, two programs storing at
// once, and the command line's archiv subcommand against kampfbericht.
#include "../CliLauf.h"

#include "combat/Kampfarchiv.h"
#include "ArchivPruefen.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

using namespace mvt;
using mvt::test::CliAufrufen;

namespace {

const QString Bericht(const char *name)
{
    return QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name);
}

qint64 Anzahl(const QString &pfad)
{
    TKampfarchiv db(pfad);
    if (!db.Oeffnen(false))
        return -1;
    const auto liste = db.Liste();
    return liste ? qint64(liste->size()) : -1;
}

} // namespace

TEST(KampfarchivProzess, KillWaehrendDesSpeichernsLaesstDasArchivHeil)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
    int kaempfer = -1;
    for (int runde = 0; runde < 6; ++runde) {
        QProcess p;
        p.start(QStringLiteral(MVT_SCHREIBER),
                {pfad, Bericht("gemischt.txt"), QStringLiteral("0"), QStringLiteral("Lauf%1").arg(runde)});
        ASSERT_TRUE(p.waitForReadyRead(20000)) << p.readAllStandardError().toStdString();
        QThread::msleep(50 + QRandomGenerator::global()->bounded(400));
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished(10000);
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    }
    TKampfarchiv db(pfad);
    ASSERT_TRUE(db.Oeffnen(false)) << db.Fehler().toStdString();
    EXPECT_EQ(test::ArchivPruefen(pfad), QStringLiteral("ok"));
    const auto liste = db.Liste();
    ASSERT_TRUE(liste);
    EXPECT_GT(liste->size(), 6u);
    // Every fight was stored whole: all its fighters are there.
    for (const TArchivkampf &k : *liste) {
        if (kaempfer < 0)
            kaempfer = int(k.Kaempfer.size());
        EXPECT_EQ(k.Kaempfer.size(), kaempfer) << k.Id;
        EXPECT_TRUE(db.Text(k.Id));
    }
    EXPECT_GT(kaempfer, 0);
}

TEST(KampfarchivProzess, ZweiProgrammeSpeichernZugleichOhneVerlust)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
    constexpr int N = 60;
    QProcess a, b;
    // Both also create the archive at once.
    a.start(QStringLiteral(MVT_SCHREIBER),
            {pfad, Bericht("klein.txt"), QString::number(N), QStringLiteral("A")});
    b.start(QStringLiteral(MVT_SCHREIBER),
            {pfad, Bericht("klein.txt"), QString::number(N), QStringLiteral("B")});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
    EXPECT_EQ(Anzahl(pfad), 2 * N);
    EXPECT_EQ(test::ArchivPruefen(pfad), QStringLiteral("ok"));
}

TEST(KampfarchivCli, ZeigenGleichtKampfberichtUndVerlaufDessenSummen)
{
    if (mvt::test::CliPfad().isEmpty())
        GTEST_SKIP();
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("archiv.sqlite"));
    const auto ohne = CliAufrufen({QStringLiteral("kampfbericht"), Bericht("gruppe.txt")});
    const auto mit =
        CliAufrufen({QStringLiteral("kampfbericht"), Bericht("gruppe.txt"), QStringLiteral("--archiv"), db});
    ASSERT_EQ(ohne.Code, 0);
    ASSERT_EQ(mit.Code, 0) << mit.Fehler.toStdString();
    const qint64 id = mit.Json.value(QStringLiteral("ArchivId")).toInteger();
    ASSERT_GT(id, 0);
    QJsonObject ohneId = mit.Json;
    ohneId.remove(QStringLiteral("ArchivId"));
    EXPECT_EQ(ohneId, ohne.Json);
    // The same file once more is the same fight.
    const auto nochmal =
        CliAufrufen({QStringLiteral("kampfbericht"), Bericht("gruppe.txt"), QStringLiteral("--archiv"), db});
    EXPECT_EQ(nochmal.Json.value(QStringLiteral("ArchivId")).toInteger(), id);
    ASSERT_EQ(
        CliAufrufen({QStringLiteral("kampfbericht"), Bericht("duell.txt"), QStringLiteral("--archiv"), db})
            .Code,
        0);

    const auto zeigen =
        CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("zeigen"), QString::number(id)});
    ASSERT_EQ(zeigen.Code, 0);
    EXPECT_EQ(zeigen.Ausgabe, ohne.Ausgabe);

    const auto liste = CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("liste")});
    ASSERT_EQ(liste.Code, 0);
    const QJsonArray kaempfe = QJsonDocument::fromJson(liste.Ausgabe).array();
    ASSERT_EQ(kaempfe.size(), 2);
    const QJsonObject erster = kaempfe.last().toObject();
    EXPECT_EQ(erster.value(QStringLiteral("Id")).toInteger(), id);
    EXPECT_EQ(erster.keys(), (QStringList{"Id", "Kaempfer", "Runden", "Titel", "Zeitpunkt"}));
    EXPECT_TRUE(
        QDateTime::fromString(erster.value(QStringLiteral("Zeitpunkt")).toString(), Qt::ISODate).isValid());
    EXPECT_EQ(erster.value(QStringLiteral("Runden")), ohne.Json.value(QStringLiteral("Runden")));
    const QJsonArray alleKaempfer = ohne.Json.value(QStringLiteral("Kaempfer")).toArray();
    ASSERT_EQ(erster.value(QStringLiteral("Kaempfer")).toArray().size(), alleKaempfer.size());

    const QJsonObject k = alleKaempfer.first().toObject();
    const QString name = k.value(QStringLiteral("Name")).toString();
    const auto gesucht = CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("liste"), name.toLower()});
    EXPECT_GE(QJsonDocument::fromJson(gesucht.Ausgabe).array().size(), 1);
    const auto verlauf = CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("verlauf"), name});
    ASSERT_EQ(verlauf.Code, 0);
    const QJsonArray punkte = QJsonDocument::fromJson(verlauf.Ausgabe).array();
    ASSERT_GE(punkte.size(), 1);
    QJsonObject punkt;
    for (const auto &p : punkte)
        if (p.toObject().value(QStringLiteral("Id")).toInteger() == id)
            punkt = p.toObject();
    const QJsonObject gesamt =
        k.value(QStringLiteral("Status")).toObject().value(QStringLiteral("Gesamt")).toObject();
    for (const char *f : {"Schaden", "SchadenErhalten", "Heilung"})
        EXPECT_EQ(punkt.value(QLatin1String(f)), gesamt.value(QLatin1String(f))) << f;

    // Deleted, the fight is gone; ids and databases that are no good exit 2 in German.
    EXPECT_EQ(
        CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("loeschen"), QString::number(id)}).Code, 0);
    const auto weg =
        CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("zeigen"), QString::number(id)});
    EXPECT_EQ(weg.Code, 2);
    EXPECT_TRUE(weg.Fehler.startsWith(QStringLiteral("Fehler: Im Kampfarchiv gibt es keinen Kampf")));
    EXPECT_TRUE(weg.Ausgabe.isEmpty());
    EXPECT_EQ(
        CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("loeschen"), QStringLiteral("x1")}).Code,
        2);
    EXPECT_EQ(CliAufrufen({QStringLiteral("archiv"), db, QStringLiteral("zeigen")}).Code, 2);

    const QString kaputt = dir.filePath(QStringLiteral("kaputt.sqlite"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'x'));
    f.close();
    const auto schlecht = CliAufrufen({QStringLiteral("archiv"), kaputt, QStringLiteral("liste")});
    EXPECT_EQ(schlecht.Code, 2);
    EXPECT_TRUE(schlecht.Fehler.contains(QStringLiteral("beschädigt")));
    // The evaluation is still printed when the fight cannot be stored.
    const auto trotzdem = CliAufrufen(
        {QStringLiteral("kampfbericht"), Bericht("klein.txt"), QStringLiteral("--archiv"), kaputt});
    EXPECT_EQ(trotzdem.Code, 2);
    EXPECT_TRUE(trotzdem.Json.contains(QStringLiteral("Kaempfer")));
    EXPECT_FALSE(trotzdem.Json.contains(QStringLiteral("ArchivId")));
    EXPECT_EQ(CliAufrufen({QStringLiteral("archiv"), dir.filePath(QStringLiteral("fehlt.sqlite")),
                           QStringLiteral("liste")})
                  .Code,
              2);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fehlt.sqlite"))));
}
