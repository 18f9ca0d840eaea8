#include "Hilfen.h"

#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "crafting/BaulistenDatei.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

#include <gtest/gtest.h>

namespace mvt {
namespace {

using test::Katalog;

QString Testdatei(const char *name)
{
    return QStringLiteral(MVT_TESTDATEN "/crafting/") + QLatin1String(name);
}

struct Zeile {
    QString Name;
    double Menge;
    bool operator==(const Zeile &) const = default;
};
void PrintTo(const Zeile &z, std::ostream *os)
{
    *os << z.Name.toStdString() << " " << z.Menge;
}

std::vector<Zeile> Inhalt(const TBauliste &b)
{
    std::vector<Zeile> v;
    for (const TBaulistenKnoten &e : b.Eintraege)
        v.push_back({KnotenName(Katalog(), e.Art, e.Index), e.Menge});
    return v;
}

TEST(BaulistenDatei, EndungErzwingen)
{
    EXPECT_EQ(BaulistenEndungErzwingen("/home/a/Liste"), "/home/a/Liste.mvt_bl");
    EXPECT_EQ(BaulistenEndungErzwingen("/home/a/Liste.txt"), "/home/a/Liste.mvt_bl");
    EXPECT_EQ(BaulistenEndungErzwingen("/home/a/Liste.mvt_bl"), "/home/a/Liste.mvt_bl");
    EXPECT_EQ(BaulistenEndungErzwingen("/home/a.b/Liste"), "/home/a.b/Liste.mvt_bl");
    EXPECT_EQ(BaulistenEndungErzwingen("C:\\Spiel.v2\\Liste"), "C:\\Spiel.v2\\Liste.mvt_bl");
    EXPECT_EQ(BaulistenEndungErzwingen("x.y.z"), "x.y.mvt_bl");
}

TEST(BaulistenDatei, ZeilenTeilenFuerJedenNamen)
{
    EXPECT_EQ(NamensZeileTeilen("Forstanlage IV 12").Name, "Forstanlage IV");
    const TNamensZeile binde = NamensZeileTeilen(QString::fromUtf16(u"Magische Ätherbinde 257 250"));
    EXPECT_EQ(binde.Name, QString::fromUtf16(u"Magische Ätherbinde"));
    EXPECT_EQ(binde.Wert1, "257");
    EXPECT_EQ(binde.Wert2, "250");
    EXPECT_EQ(NamensZeileTeilen("Kurzschwert").Wert1, "");
    // Every name the files can hold comes back whole, with both values.
    auto pruefen = [](const QString &name) {
        const TNamensZeile t = NamensZeileTeilen(name + " 12,5 7");
        EXPECT_EQ(t.Name, name);
        EXPECT_EQ(t.Wert1, "12,5");
        EXPECT_EQ(t.Wert2, "7");
    };
    for (int i = 1; i <= AnzahlRohstoffe; ++i)
        pruefen(Katalog().RohstoffTabelle[i].Name);
    for (int i = 1; i <= AnzahlZutatGueter; ++i)
        pruefen(Katalog().ZutatTabelle[i].Name);
    for (int i = 1; i <= AnzahlWaren; ++i)
        pruefen(Katalog().WarenTabelle[i].Name);
    for (int i = 1; i <= AnzahlGebaeude; ++i)
        pruefen(Katalog().GebaeudeTabelle[i].Name);
}

TEST(BaulistenDatei, SpeichernUndLadenGebenDieselbeListe)
{
    QTemporaryDir dir;
    TBauliste b;
    ASSERT_TRUE(BaulisteLaden(Katalog(), b, Testdatei("gemischt.mvt_bl"), TLadeArt::Ersetzen));
    const std::vector<Zeile> erwartet = {{QString::fromUtf16(u"Magische Ätherbinde"), 610},
                                         {"Bastardschwert [2H]", 2},
                                         {"Forstanlage IV", 1},
                                         {"Lager IX", 3},
                                         {"Saphir", 2.5},
                                         {"Kurzschwert", 1}};
    EXPECT_EQ(Inhalt(b), erwartet);

    const QString pfad = dir.filePath("Neue Bauliste.mvt_bl");
    ASSERT_TRUE(BaulisteSpeichern(Katalog(), b, pfad));
    const QByteArray bytes = *DateiLesen(pfad);
    EXPECT_TRUE(bytes.startsWith("Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nMagische \xC4therbinde 610\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nSaphir 2,5\r\n"));
    EXPECT_EQ(bytes, *DateiLesen(Testdatei("gemischt.mvt_bl"))) << "the program writes what it reads";

    TBauliste zurueck;
    ASSERT_TRUE(BaulisteLaden(Katalog(), zurueck, pfad, TLadeArt::Ersetzen));
    EXPECT_EQ(Inhalt(zurueck), erwartet);
    // The trees are rebuilt from the catalogue.
    EXPECT_EQ(zurueck.Eintraege[3].AnzahlKinder(), 4);
    EXPECT_EQ(zurueck.Aktuell, zurueck.Anzahl() - 1);
}

TEST(BaulistenDatei, EinfuegenAddiertErsetzenLeert)
{
    TBauliste b;
    ZurBaulisteHinzufuegen(Katalog(), b, "Buchenholz", 6);
    ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 2);
    // Cursor on the first entry: new entries must still go to the end.
    EintragSuchen(b, ArtRohstoff, test::Zeile(u"Buchenholz"));
    ASSERT_TRUE(BaulisteLaden(Katalog(), b, Testdatei("gemischt.mvt_bl"), TLadeArt::Einfuegen));
    ASSERT_TRUE(BaulisteLaden(Katalog(), b, Testdatei("gemischt.mvt_bl"), TLadeArt::Einfuegen));
    const std::vector<Zeile> erwartet = {{"Buchenholz", 6},
                                         {"Kurzschwert", 4},
                                         {QString::fromUtf16(u"Magische Ätherbinde"), 1220},
                                         {"Bastardschwert [2H]", 4},
                                         {"Forstanlage IV", 2},
                                         {"Lager IX", 6},
                                         {"Saphir", 5}};
    EXPECT_EQ(Inhalt(b), erwartet);
    EXPECT_DOUBLE_EQ(b.Eintraege[1].Kinder[0].Menge, 28.0) << "the tree follows the quantity";

    ASSERT_TRUE(BaulisteLaden(Katalog(), b, Testdatei("nur_kopf.mvt_bl"), TLadeArt::Einfuegen));
    EXPECT_EQ(b.Anzahl(), 7);
    ASSERT_TRUE(BaulisteLaden(Katalog(), b, Testdatei("nur_kopf.mvt_bl"), TLadeArt::Ersetzen));
    EXPECT_TRUE(b.Leer());
}

TEST(BaulistenDatei, HoechstmengeWirdGekappt)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("gross.mvt_bl");
    ASSERT_TRUE(TextdateiSchreiben(pfad, {"Hadrik's Morvaren Tool", "1.13a", "", "Saphir 2000000000"}));
    TBauliste b;
    ASSERT_TRUE(BaulisteLaden(Katalog(), b, pfad, TLadeArt::Einfuegen));
    ASSERT_TRUE(BaulisteLaden(Katalog(), b, pfad, TLadeArt::Einfuegen));
    EXPECT_EQ(b.Eintraege[0].Menge, 2147483647.0);
    EXPECT_EQ(b.Eintraege[0].Kinder[0].Menge, 2147483647.0);
}

TEST(BaulistenDatei, FehlerhafteDateiLaesstListeUnveraendert)
{
    QTemporaryDir dir;
    const QString negativ = dir.filePath("negativ.mvt_bl");
    ASSERT_TRUE(TextdateiSchreiben(negativ, {"a", "b", "", "Kurzschwert -3"}));
    const QString training = dir.filePath("training.mvt_bl");
    ASSERT_TRUE(TextdateiSchreiben(training, {"a", "b", "", "Schwert (Training) 1"}));
    const QString dateien[] = {Testdatei("unbekannt.mvt_bl"), Testdatei("keine_zahl.mvt_bl"), negativ,
                               training, dir.filePath("gibt_es_nicht.mvt_bl")};
    for (const QString &datei : dateien) {
        for (TLadeArt art : {TLadeArt::Ersetzen, TLadeArt::Einfuegen}) {
            MeldungsRekorder rekorder;
            TBauliste b;
            ZurBaulisteHinzufuegen(Katalog(), b, "Buchenholz", 6);
            ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 2);
            const std::vector<Zeile> vorher = Inhalt(b);
            EXPECT_FALSE(BaulisteLaden(Katalog(), b, datei, art)) << datei.toStdString();
            EXPECT_EQ(Inhalt(b), vorher) << datei.toStdString();
            ASSERT_EQ(rekorder.Meldungen.size(), 1);
            EXPECT_TRUE(rekorder.Meldungen[0].startsWith("Fehler: ")) << rekorder.Meldungen[0].toStdString();
        }
    }
}

TEST(BaulistenDatei, MisslungenesSchreibenLaesstAlteDateiStehen)
{
    QTemporaryDir dir;
    // A name so long that no temporary file can be created beside it.
    const QString pfad = dir.filePath(QString(245, u'x') + ".mvt_bl");
    TBauliste b;
    ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 1);
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alte Bauliste");
    }
    MeldungsRekorder rekorder;
    EXPECT_FALSE(BaulisteSpeichern(Katalog(), b, pfad));
    EXPECT_EQ(*DateiLesen(pfad), "alte Bauliste");
    ASSERT_EQ(rekorder.Meldungen.size(), 1);
    EXPECT_TRUE(rekorder.Meldungen[0].startsWith("Fehler: Die Bauliste konnte nicht gespeichert werden."));

    EXPECT_FALSE(BaulisteSpeichern(Katalog(), b, dir.filePath("fehlt/liste.mvt_bl")));
}

TEST(BaulistenDatei, Forumtext)
{
    TBauliste b;
    ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 1);
    ZurBaulisteHinzufuegen(Katalog(), b, "Salz", 2);
    const QStringList standard = ForumZeilen(Katalog(), b, StandardExportStil());
    const QStringList erwartet = {"[u][b]1 Kurzschwert[/b][/u]",
                                  "|....[i][b]7 Kupferbarren[/b][/i]",
                                  "|...........[u]7 Kupfererz[/u]",
                                  "|...........[u]1.40 Steinkohle[/u]",
                                  QString::fromUtf16(u"|....[i][b]5 Schmiedeöl[/b][/i]"),
                                  "",
                                  "[u][b]2 Salz[/b][/u]",
                                  ""};
    EXPECT_EQ(standard, erwartet);

    TExportStil alles{};
    for (auto &ebene : alles)
        ebene = {true, true, true};
    EXPECT_EQ(ForumZeilen(Katalog(), b, alles)[0], "[i][u][b]1 Kurzschwert[/b][/u][/i]");

    // A building reaches level 4: building, component, intermediate good, raw material.
    TBauliste gebaeude;
    ZurBaulisteHinzufuegen(Katalog(), gebaeude, "Forstanlage I", 1);
    const QStringList schlicht = ForumZeilen(Katalog(), gebaeude, TExportStil{});
    EXPECT_EQ(schlicht[0], "1 Forstanlage I");
    EXPECT_EQ(schlicht[1], "|....1 Buchen-Dachkonstrukt");
    EXPECT_TRUE(schlicht[2].startsWith("|...........")) << schlicht[2].toStdString();
    EXPECT_TRUE(schlicht.contains("|.................14 Buchenholz")) << schlicht.join('\n').toStdString();
    EXPECT_EQ(ForumText(Katalog(), b, StandardExportStil()), erwartet.join('\n'));
}

// The command-line front end gives the same worked example and reports bad files.
TEST(BaulistenDatei, KommandozeileBauliste)
{
    QProcess p;
    p.start(QStringLiteral(MVT_CLI), {"bauliste", Testdatei("kurzschwert.mvt_bl")});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    const QJsonArray analyse = o["Analyse"].toArray();
    ASSERT_EQ(analyse.size(), 4);
    TCraftingZustand c = test::NeuerZustand();
    ZurBaulisteHinzufuegen(Katalog(), c.Bauliste, "Kurzschwert", 1);
    AllesNeuBerechnen(Katalog(), TOptionen{}, c);
    for (int m = 1; m <= 4; ++m) {
        const QJsonObject a = analyse[m - 1].toObject();
        EXPECT_EQ(a["Gesamtdauer"].toDouble(), c.Analyse[m].Gesamtdauer);
        EXPECT_EQ(a["Gewinn"].toDouble(), c.Analyse[m].Gewinn);
        EXPECT_EQ(a["GewinnProStunde"].toDouble(), c.Analyse[m].GewinnProStunde);
        EXPECT_EQ(a["Schichtanteil"].toDouble(), c.Analyse[m].Schichtanteil);
    }
    EXPECT_EQ(o["Bedarfslisten"].toArray()[1].toArray().size(), 3);
    EXPECT_EQ(o["Bauliste"].toArray()[0].toObject()["Name"].toString(), "Kurzschwert");
    EXPECT_TRUE(o["Forumtext"].toString().startsWith("[u][b]1 Kurzschwert"));

    p.start(QStringLiteral(MVT_CLI), {"bauliste", Testdatei("unbekannt.mvt_bl")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("Fehler: "));
}

} // namespace
} // namespace mvt

namespace mvt {
namespace {

// Damaged build list files never crash the loader; a rejected file changes nothing.
TEST(BaulistenDatei, BeschaedigteDateienSindHarmlos)
{
    QTemporaryDir dir;
    const QByteArray gut = *DateiLesen(Testdatei("gemischt.mvt_bl"));
    std::mt19937 zufall(4321);
    const QByteArray zeichen = QByteArray("0123456789 ,.-IVX[]2H\r\nE") + "\xC4\xFF";
    int angenommen = 0;
    for (int runde = 0; runde < 400; ++runde) {
        QByteArray b = gut;
        const int eingriffe = 1 + static_cast<int>(zufall() % 4);
        for (int e = 0; e < eingriffe && !b.isEmpty(); ++e) {
            const qsizetype pos = static_cast<qsizetype>(zufall() % static_cast<uint32_t>(b.size()));
            if (zufall() % 2)
                b.insert(pos, zeichen[static_cast<qsizetype>(zufall() % zeichen.size())]);
            else
                b.remove(pos, 1 + zufall() % 4);
        }
        const QString pfad = dir.filePath("kaputt.mvt_bl");
        ASSERT_TRUE(DateiSchreiben(pfad, b));
        MeldungsRekorder meldungen;
        TBauliste liste;
        ZurBaulisteHinzufuegen(Katalog(), liste, "Kurzschwert", 1);
        if (BaulisteLaden(Katalog(), liste, pfad, TLadeArt::Einfuegen)) {
            ++angenommen;
            for (const TBaulistenKnoten &e : liste.Eintraege) {
                EXPECT_GT(e.Menge, 0.0);
                EXPECT_LE(e.Menge, BaulistenHoechstmenge);
                EXPECT_NE(KnotenName(Katalog(), e.Art, e.Index), FehlerName);
            }
        } else {
            EXPECT_EQ(Inhalt(liste), (std::vector<Zeile>{{"Kurzschwert", 1}}));
            EXPECT_EQ(meldungen.Meldungen.size(), 1);
        }
    }
    EXPECT_GT(angenommen, 0);
}

} // namespace
} // namespace mvt
