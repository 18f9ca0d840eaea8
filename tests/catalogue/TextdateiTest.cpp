#include "catalogue/Textdatei.h"

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
