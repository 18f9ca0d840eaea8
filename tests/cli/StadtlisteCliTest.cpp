// morvaren-cli stadtliste and karte --stadtliste as a script sees them.
#include "../CliLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using mvt::test::TCliLauf;

TCliLauf Aufrufen(const QStringList &args)
{
    return mvt::test::CliAufrufen(args);
}

TEST(StadtlisteCli, DreiBloeckeMeldungenUndFehler)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("liste.txt"));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("001001A\r\n\r\n002002B\r\n003003C\r\n\r\n004004D\r\n\r\n005005E\r\n");
    f.close();
    TCliLauf a = Aufrufen({QStringLiteral("stadtliste"), datei});
    ASSERT_EQ(a.Code, 0) << a.Fehler.toStdString();
    EXPECT_EQ(a.Json[QStringLiteral("Stand")].toString(), QStringLiteral("9999.12.31.23.59"));
    const QJsonArray welten = a.Json[QStringLiteral("Welten")].toArray();
    ASSERT_EQ(welten.size(), 3);
    EXPECT_EQ(welten[1].toObject()[QStringLiteral("Staedte")].toInt(), 2);
    EXPECT_EQ(welten[2].toObject()[QStringLiteral("Staedte")].toInt(), 2);
    EXPECT_EQ(a.Json[QStringLiteral("Meldungen")].toArray().size(), 1);

    a = Aufrufen({QStringLiteral("karte"), QStringLiteral("--welt"), QStringLiteral("2"),
                  QStringLiteral("--stadtliste"), datei});
    ASSERT_EQ(a.Code, 0);
    const QJsonArray staedte = a.Json[QStringLiteral("Staedte")].toArray();
    ASSERT_EQ(staedte.size(), 2);
    EXPECT_EQ(staedte[0].toObject()[QStringLiteral("Text")].toString(), QStringLiteral("B"));

    a = Aufrufen({QStringLiteral("stadtliste"), ordner.filePath(QStringLiteral("fehlt.txt"))});
    EXPECT_EQ(a.Code, 1);
    EXPECT_TRUE(a.Fehler.startsWith(QStringLiteral("Fehler:")));
}

} // namespace
