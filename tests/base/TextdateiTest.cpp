#include "base/Textdatei.h"
#include "base/Meldung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mvt;

TEST(Cp1252, AlleBytesUeberlebenDieRundreise)
{
    QByteArray alle;
    for (int i = 0; i < 256; ++i)
        alle.append(static_cast<char>(i));
    EXPECT_EQ(Cp1252Kodieren(Cp1252Dekodieren(alle)), alle);
}

TEST(Cp1252, UmlauteUndSonderzeichen)
{
    EXPECT_EQ(Cp1252Dekodieren("\xC4therf\xE4"
                               "den"),
              QString::fromUtf8("Ätherfäden"));
    EXPECT_EQ(Cp1252Dekodieren("\x80"), QString::fromUtf8("€"));
    EXPECT_EQ(Cp1252Kodieren(QString::fromUtf8("Götterstich")), QByteArray("G\xF6tterstich"));
    EXPECT_EQ(Cp1252Kodieren(QString::fromUtf8("–")), QByteArray("\x96"));
    EXPECT_EQ(Cp1252Kodieren(QString::fromUtf8("日本")), QByteArray("??"));
}

TEST(TextDekodieren, Utf8SonstWindows1252)
{
    EXPECT_EQ(TextDekodieren(QString::fromUtf8("Säbel").toUtf8()), QString::fromUtf8("Säbel"));
    EXPECT_EQ(TextDekodieren("S\xE4"
                             "bel"),
              QString::fromUtf8("Säbel"));
    EXPECT_EQ(TextDekodieren("\xEF\xBB\xBFRunde"), "Runde");
}

TEST(ZeilenTrennen, AlleZeilenenden)
{
    EXPECT_EQ(ZeilenTrennen("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(ZeilenTrennen("a\r\n"), QStringList({"a"}));
    EXPECT_EQ(ZeilenTrennen("a\r\n\r\nb"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(ZeilenTrennen("").isEmpty());
}

TEST(Textdatei, SchreibtWindows1252MitCrLfUndLiestZurueck)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("t.txt");
    const QStringList zeilen{QString::fromUtf8("[GENERAL]"), QString::fromUtf8("Magische Ätherbinde 3"), ""};
    ASSERT_TRUE(TextdateiSchreiben(pfad, zeilen));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[GENERAL]\r\nMagische \xC4therbinde 3\r\n\r\n"));
    auto gelesen = TextdateiLesen(pfad);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, zeilen);
}

TEST(Textdatei, FehlgeschlagenesSchreibenLaesstAlteDateiStehen)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("alt.txt");
    ASSERT_TRUE(TextdateiSchreiben(pfad, {"alt"}));
    // A path below a file cannot be created; the write fails and reports it.
    QString fehler;
    EXPECT_FALSE(TextdateiSchreiben(pfad + "/unmoeglich.txt", {"neu"}, &fehler));
    EXPECT_TRUE(fehler.startsWith("Fehler:"));
    EXPECT_EQ(*TextdateiLesen(pfad), QStringList{"alt"});
    EXPECT_FALSE(TextdateiLesen(dir.filePath("fehlt.txt"), &fehler));
}

TEST(DateiLesen, HoechstensDieGrenze)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("genau.txt"));
    ASSERT_TRUE(DateiSchreiben(pfad, QByteArray(1000, 'x')));
    ASSERT_TRUE(DateiLesen(pfad, nullptr, 1000));
    EXPECT_EQ(DateiLesen(pfad, nullptr, 1000)->size(), 1000);
    QString fehler;
    EXPECT_FALSE(DateiLesen(pfad, &fehler, 999));
    EXPECT_TRUE(
        fehler.startsWith(QStringLiteral("Fehler: Die Datei \"") + pfad + QStringLiteral("\" ist zu groß")))
        << fehler.toStdString();
    // A device has no size: it is read up to one byte past the limit.
    fehler.clear();
    EXPECT_FALSE(DateiLesen(QStringLiteral("/dev/zero"), &fehler, 3 * 1024 * 1024));
    EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << fehler.toStdString();
    fehler.clear();
    EXPECT_FALSE(DateiLesen(ordner.filePath(QStringLiteral("fehlt.txt")), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("konnte nicht gelesen werden."))) << fehler.toStdString();
}

TEST(Zitat, HoechstensZweihundertZeichen)
{
    EXPECT_EQ(Zitat(QStringLiteral("kurz")), QStringLiteral("kurz"));
    const QString genau(200, u'a');
    EXPECT_EQ(Zitat(genau), genau);
    const QString lang = QString(300 * 1024, u'b');
    EXPECT_EQ(Zitat(lang), QString(200, u'b') + QChar(0x2026));
    // A character outside the BMP across the cut is dropped whole, never halved.
    const QString paar = QString(199, u'c') + QString::fromUcs4(U"\U0001F600") + QStringLiteral("dd");
    const QString z = Zitat(paar);
    EXPECT_EQ(z, QString(199, u'c') + QChar(0x2026));
}
