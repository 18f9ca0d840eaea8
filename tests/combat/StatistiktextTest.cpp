// The statistics table as forum text and for a spreadsheet, and the command line's
// per-Runde list and forum output.
#include "../Testkatalog.h"
#include "../CliLauf.h"
#include "catalogue/Katalog.h"
#include "base/Tabellentext.h"
#include "base/Textdatei.h"
#include "combat/Kampfbericht.h"
#include "combat/Kampftabelle.h"
#include "combat/Statistiktext.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>

using namespace mvt;

namespace {

using mvt::test::Katalog;

QString Pfad(const char *name)
{
    return QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name);
}

QByteArray Lesen(const char *name)
{
    QFile f(Pfad(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

std::vector<QStringList> Tabelle(const Kampfauswertung &a)
{
    std::vector<QStringList> zeilen;
    for (const auto &k : a.Kaempfer)
        zeilen.push_back(TabellenZeile(*k));
    return zeilen;
}

} // namespace

TEST(Statistiktext, ForumtextEinesBerichtsWieErwartet)
{
    Kampfauswertung a;
    KampfberichtAuswerten(TextDekodieren(Lesen("gemischt.txt")), a, Katalog());
    const QString text = ForumText(TabellenKopf(), Tabelle(a), a.Runden, a.Fehler);
    EXPECT_EQ(text, QString::fromUtf8(Lesen("gemischt_forum.bbcode")));

    // The command line prints the same text.
    const test::TCliLauf cli = test::CliAufrufen({"kampfbericht", Pfad("gemischt.txt"), "--forum"});
    ASSERT_EQ(cli.Code, 0) << cli.Fehler.toStdString();
    EXPECT_EQ(QString::fromUtf8(cli.Ausgabe), text);
}

TEST(Statistiktext, SpaltenStehenUntereinander)
{
    // A long name, a tab and a closing code tag in a name must not break the block.
    std::vector<QStringList> zeilen{TabellenZeile(TKaempfer{}), TabellenZeile(TKaempfer{})};
    zeilen[0][0] = "Sehr langer Name eines Monsters #12";
    zeilen[1][0] = "X\t[/code]Y";
    zeilen[1][1] = "123456789";
    const QString text = ForumText(TabellenKopf(), zeilen, 1, 0);
    const QStringList z = text.split('\n');
    ASSERT_EQ(z.size(), 9); // title, [code], two caption lines, rule, two rows, [/code], ""
    EXPECT_EQ(z[0], QString::fromUtf8("[b]Kampfbericht: 1 Runde, 2 Kämpfer[/b]"));
    EXPECT_EQ(z[1], "[code]");
    EXPECT_EQ(text.count("[/code]"), 1);
    EXPECT_TRUE(z[2].contains("Schaden") && z[3].startsWith("Name "));
    EXPECT_TRUE(z[3].contains("ausgeteilt") && z[2].contains("Aus-") && z[3].contains("gewichen"));
    const qsizetype breite = z[4].size();
    EXPECT_TRUE(z[4].count('-') == breite);
    // Right-aligned last column: every full line ends at the rule's end; columns start
    // at the same place, found by the cells of the damage column.
    for (int i : {3, 5, 6})
        EXPECT_EQ(z[i].size(), breite) << z[i].toStdString();
    EXPECT_EQ(z[5].indexOf("Sehr langer"), 0);
    EXPECT_EQ(z[6].indexOf("123456789") + 9, z[5].indexOf(" 0 ") + 2);
    EXPECT_EQ(z[7], "[/code]");
    EXPECT_FALSE(text.contains("Fehler"));
}

TEST(Statistiktext, TabellenkopieFuerTabellenkalkulation)
{
    Kampfauswertung a;
    KampfberichtAuswerten(TextDekodieren(Lesen("gemischt.txt")), a, Katalog());
    auto zeilen = Tabelle(a);
    ZeilenSortieren(zeilen, 1, 1); // damage dealt, largest first
    ASSERT_NE(a.Fehler, 0);
    const QStringList z = TabellenKopie(TabellenKopf(), zeilen).split('\n');
    // header, five fighters, the final line break; the error count is the forum text's
    ASSERT_EQ(z.size(), 1 + 5 + 1);
    EXPECT_EQ(z[0], "Name\tSchaden ausgeteilt\tAngriffe ausgeteilt\tSchaden pro Runde\tTreffer\tKritisch\t"
                    "Bester Treffer\tHeilung ausgeteilt\tSchaden erhalten\tTreffer erhalten\tAusgewichen\t"
                    "Geblockt\tHeilung erhalten");
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const QStringList zellen = z[int(i) + 1].split('\t');
        ASSERT_EQ(zellen.size(), zeilen[i].size());
        for (qsizetype s = 1; s < zellen.size(); ++s) {
            // every figure a number a German spreadsheet reads: comma, no percent sign
            QString erwartet = zeilen[i][s];
            erwartet.remove(QStringLiteral(" %")).replace('.', ',');
            EXPECT_EQ(zellen[s], erwartet);
            EXPECT_FALSE(zellen[s].contains('.') || zellen[s].contains('%')) << zellen[s].toStdString();
        }
    }
    EXPECT_TRUE(z[1].startsWith("Mirla\t73\t"));
    EXPECT_TRUE(z[1].contains(",")) << "the rates have decimals";
    EXPECT_EQ(z[6], "");
    EXPECT_TRUE(
        ForumText(TabellenKopf(), zeilen, a.Runden, a.Fehler).endsWith(QStringLiteral("Fehler: 3\n")));

    // one number per cell only; words, ranges and durations stay as they are
    EXPECT_EQ(TabellenZahl(QStringLiteral("\u22124.50 %")), "-4,50");
    EXPECT_EQ(TabellenZahl(QStringLiteral("100%")), "100");
    EXPECT_EQ(TabellenZahl(QStringLiteral("1234,56")), "1234,56");
    for (const char *t : {"8 - 12", "1.40 Steinkohle", "7 Std. 0 Min.", "12.", ".5", "-", "1.2.3", ""})
        EXPECT_EQ(TabellenZahl(QString::fromUtf8(t)), QString::fromUtf8(t));
}

TEST(Statistiktext, KommandozeileProRunde)
{
    const test::TCliLauf l = test::CliAufrufen({"kampfbericht", Pfad("klein.txt")});
    ASSERT_EQ(l.Code, 0) << l.Fehler.toStdString();
    EXPECT_EQ(l.Json["Runden"].toInt(), 2);
    const QJsonObject hadrik = l.Json["Kaempfer"].toArray()[0].toObject();
    EXPECT_EQ(hadrik["Name"].toString(), "Hadrik");
    EXPECT_EQ(hadrik["Runden"].toInt(), 2); // the count stays beside the list
    const QJsonArray runden = hadrik["ProRunde"].toArray();
    ASSERT_EQ(runden.size(), 2);
    const QStringList schluessel{"AngriffeErhalten", "Angriffe",        "AusgewichenErhalten",
                                 "BlocksErhalten",   "Heilung",         "HeilungErhalten",
                                 "Kritische",        "Runde",           "Schaden",
                                 "SchadenErhalten",  "TrefferErhalten", "TrefferGesamt"};
    QStringList vorhanden = runden[0].toObject().keys();
    vorhanden.sort();
    QStringList erwartet = schluessel;
    erwartet.sort();
    EXPECT_EQ(vorhanden, erwartet);
    // Runde 1: a hit of 12, a dodged attack taken; Runde 2: a critical 20 with a block,
    // a miss, 7 damage and a hit without damage taken.
    const QJsonObject r1 = runden[0].toObject(), r2 = runden[1].toObject();
    EXPECT_EQ(r1["Runde"].toInt(), 1);
    EXPECT_EQ(r1["Schaden"].toInt(), 12);
    EXPECT_EQ(r1["AusgewichenErhalten"].toInt(), 1);
    EXPECT_EQ(r2["Runde"].toInt(), 2);
    EXPECT_EQ(r2["Schaden"].toInt(), 20);
    EXPECT_EQ(r2["Kritische"].toInt(), 1);
    EXPECT_EQ(r2["Angriffe"].toInt(), 2);
    EXPECT_EQ(r2["SchadenErhalten"].toInt(), 7);
    EXPECT_EQ(r2["TrefferErhalten"].toInt(), 2);
    EXPECT_EQ(r1["Schaden"].toInt() + r2["Schaden"].toInt(),
              hadrik["Status"].toObject()["Gesamt"].toObject()["Schaden"].toInt());

    // A wrong call says how to call it.
    const test::TCliLauf falsch = test::CliAufrufen({"kampfbericht", "--forum"});
    EXPECT_EQ(falsch.Code, 2);
    EXPECT_TRUE(falsch.Fehler.contains("--forum"));
}
