#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "settings/OptionenDatei.h"

#include <QProcess>
#include <random>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mvt {
namespace {

const TKatalog &Katalog()
{
    static const TKatalog k = [] {
        TKatalog neu;
        KatalogFuellen(neu);
        return neu;
    }();
    return k;
}

int Zeile(const char16_t *name)
{
    return ItemSuchen(Katalog(), QString::fromUtf16(name)).Index;
}

QString Testdatei(const char *name)
{
    return QStringLiteral(MVT_TESTDATEN "/settings/") + QLatin1String(name);
}

// Everything the options file touches, as the application holds it.
struct TStand {
    TOptionen O;
    TCraftingZustand C;
    routen::TGespeicherteRouten R;
    double NaechstePruefung = 0.0;
    int32_t Karte = 1;

    TStand() { CraftingZustandAnlegen(Katalog(), C); }
    bool Laden(const QString &pfad)
    {
        return OptionenLaden(Katalog(), {O, C, R, NaechstePruefung, Karte}, pfad);
    }
    TOptionenQuelle Quelle() const { return {O, C, R, NaechstePruefung, Karte}; }
    QStringList Zeilen() const { return OptionenZeilen(Katalog(), Quelle()); }
};

QStringList Routennamen(const std::vector<routen::TGespeicherteRoute> &liste)
{
    QStringList namen;
    for (const routen::TGespeicherteRoute &r : liste)
        namen << r.Name;
    return namen;
}

class OptionenDatei : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MeldungsRekorder rekorder;

    QString Schreiben(const QString &name, const QStringList &zeilen)
    {
        const QString pfad = dir.filePath(name);
        EXPECT_TRUE(TextdateiSchreiben(pfad, zeilen));
        return pfad;
    }
    // A 1.13a file with the given option lines and nothing else to migrate.
    QString Kurzdatei(const QStringList &optionen, const QStringList &danach = {})
    {
        QStringList z{"Hadrik's Morvaren Tool", "1.13a", "", "OPTIONS"};
        z << optionen << "END"
          << ""
          << "PRICES"
          << "END"
          << ""
          << "BUILDINGS"
          << "END"
          << ""
          << "POTENCY"
          << "END"
          << "";
        z << danach << "ROUTES DUNLADAN"
          << "END"
          << ""
          << "ROUTES ENDURIAS"
          << "END"
          << ""
          << "ROUTES ZYRTHANIA"
          << "END";
        return Schreiben("kurz.ini", z);
    }
};

TEST_F(OptionenDatei, GeschriebeneDateiGibtDenselbenStand)
{
    TStand a;
    a.O.ActivePageIndex = 3;
    a.O.ShowHints = false;
    a.O.TreeViewAutoExpand = true;
    a.O.CalcPotency = false;
    a.O.BSRWorld = 1;
    a.O.TransmissionInterval = 2500;
    a.O.TownAutoUpdate = false;
    a.O.SZone = 1;
    a.O.BZone = 4;
    a.O.SZoneHS = 3;
    a.O.BZoneHS = 7;
    a.O.WinterTheme = true;
    a.O.DirectionalOptimization = false;
    a.O.CPCalcPotency = false;
    a.O.CPWorld = 1;
    a.O.Wirkung[0] = 1.5;
    a.O.Wirkung[WirkungsindexHandwerk(6)] = 1.234;
    a.O.Wirkung[37] = 2.0;
    a.NaechstePruefung = 46000.6251;
    a.Karte = 2;
    a.C.Rohstoffpreise[Zeile(u"Buchenholz")] = {17.25, 21.5};
    a.C.Warenpreise[Zeile(u"Kalk-Mauerstück")] = {2500, 2700};
    a.C.Warenpreise[Zeile(u"Bastardschwert [2H]")].Verkaufspreis = 4999.99;
    a.C.Warenpreise[Zeile(u"Magische Ätherbinde")].Verkaufspreis = 300;
    a.C.Gebaeudepreise[Zeile(u"Lager IX")].Verkaufspreis = 1e7;
    a.C.Handwerksgebaeude[4] = {QString::fromUtf16(u"Sägewerk"), 5, 0};
    a.C.Handwerksgebaeude[9] = {"Schmiede", 3, 120};
    a.R.Welten[routen::WeltDunladan] = {{"Heim", 12, {{1, 2}, {3, 4}, {200, 200}}}, {"", 1, {{5, 5}}}};
    a.R.Welten[routen::WeltZyrthania] = {{QString::fromUtf16(u"Küste & Meer"), 100, {{10, 20}, {11, 21}}}};

    const QString pfad = dir.filePath("options.ini");
    ASSERT_TRUE(OptionenSpeichern(Katalog(), a.Quelle(), pfad));
    TStand b;
    ASSERT_TRUE(b.Laden(pfad));
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());

    EXPECT_EQ(b.O.ActivePageIndex, 3);
    EXPECT_FALSE(b.O.ShowHints);
    EXPECT_TRUE(b.O.TreeViewAutoExpand);
    EXPECT_FALSE(b.O.CalcPotency);
    EXPECT_EQ(b.O.BSRWorld, 1);
    EXPECT_EQ(b.O.TransmissionInterval, 2500);
    EXPECT_TRUE(b.O.WinterTheme);
    EXPECT_EQ(b.O.BZoneHS, 7);
    EXPECT_EQ(b.O.CPWorld, 1);
    EXPECT_EQ(b.O.Wirkung[0], 1.5);
    EXPECT_EQ(b.O.Wirkung[WirkungsindexHandwerk(6)], 1.23) << "potencies keep two decimals";
    EXPECT_EQ(b.O.Wirkung[37], 2.0);
    EXPECT_EQ(b.NaechstePruefung, 46000.6251);
    EXPECT_EQ(b.Karte, 2);
    EXPECT_EQ(b.C.Rohstoffpreise[Zeile(u"Buchenholz")].Einkaufspreis, 17.25);
    EXPECT_EQ(b.C.Rohstoffpreise[Zeile(u"Buchenholz")].Verkaufspreis, 21.5);
    EXPECT_EQ(b.C.Warenpreise[Zeile(u"Kalk-Mauerstück")].Verkaufspreis, 2700);
    EXPECT_EQ(b.C.Warenpreise[Zeile(u"Bastardschwert [2H]")].Verkaufspreis, 4999.99);
    EXPECT_EQ(b.C.Warenpreise[Zeile(u"Magische Ätherbinde")].Verkaufspreis, 300);
    EXPECT_EQ(b.C.Gebaeudepreise[Zeile(u"Lager IX")].Verkaufspreis, 1e7);
    EXPECT_EQ(b.C.Handwerksgebaeude[4].Stufe, 5);
    EXPECT_EQ(b.C.Handwerksgebaeude[4].Schichtkosten, 0);
    EXPECT_EQ(b.C.Handwerksgebaeude[9].Schichtkosten, 120);
    EXPECT_EQ(b.R.Welten, a.R.Welten);
    // Everything else the file holds comes back as well.
    a.O.Wirkung[WirkungsindexHandwerk(6)] = 1.23;
    EXPECT_EQ(b.Zeilen(), a.Zeilen());
    EXPECT_EQ(*DateiLesen(pfad), [&] {
        QByteArray bytes;
        for (const QString &z : b.Zeilen())
            bytes += Cp1252Kodieren(z) + "\r\n";
        return bytes;
    }());
}

TEST_F(OptionenDatei, DateiaufbauMitStandardwerten)
{
    const QStringList z = TStand().Zeilen();
    ASSERT_GE(z.size(), 30);
    EXPECT_EQ(z[0], "Hadrik's Morvaren Tool");
    EXPECT_EQ(z[1], "1.13a");
    EXPECT_EQ(z[3], "OPTIONS");
    EXPECT_EQ(z[4], "ActivePageIndex = 0");
    EXPECT_TRUE(z.contains("SZone = 2"));
    EXPECT_TRUE(z.contains("NextVersionCheck = 0"));
    EXPECT_TRUE(z.contains("BSRWorld = Zyrthania"));
    EXPECT_EQ(z[21], "LastMap = 1");
    EXPECT_EQ(z[22], "END");
    EXPECT_EQ(z[24], "PRICES");
    EXPECT_EQ(z[25], "Buchenholz 20 20");
    EXPECT_EQ(z[25 + 719], "END");
    EXPECT_EQ(z[25 + 74 + 25 + 20], "Kurzschwert 1200");
    EXPECT_EQ(z[25 + 719 + 2], "BUILDINGS");
    EXPECT_EQ(z[25 + 719 + 3], "Forstanlage 1 25");
    EXPECT_EQ(z[25 + 719 + 3 + 14 + 2], "POTENCY");
    EXPECT_EQ(z[25 + 719 + 3 + 14 + 3], "Holzverarbeitung = 1,00");
    EXPECT_EQ(z.last(), "END");
    EXPECT_EQ(z[z.size() - 2], "ROUTES ZYRTHANIA");
    EXPECT_TRUE(z.contains("Forstanlage I 10400"));

    TStand s;
    s.Karte = 0; // no map radio button selected
    s.O.BSRWorld = 0;
    s.O.CPWorld = 7;
    const QStringList ohne = s.Zeilen();
    EXPECT_FALSE(ohne.filter("LastMap").size());
    EXPECT_TRUE(ohne.contains("BSRWorld = Zyrthania"));
    EXPECT_TRUE(ohne.contains("CPWorld = "));
}

TEST_F(OptionenDatei, Version108OhneRoutenUndWirkung)
{
    TStand s;
    s.R.Welten[1] = {{"alt", 5, {{1, 1}}}};
    ASSERT_TRUE(s.Laden(Testdatei("options_1.08.ini")));
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());
    EXPECT_EQ(s.O.ActivePageIndex, 2);
    EXPECT_EQ(s.O.TransmissionInterval, 1500);
    EXPECT_FALSE(s.O.CalcPotency);
    EXPECT_EQ(s.O.BSRWorld, 1);
    EXPECT_EQ(s.O.CPWorld, 1);
    for (double w : s.O.Wirkung)
        EXPECT_EQ(w, 1.0);
    for (int w = 1; w <= 3; ++w)
        EXPECT_TRUE(s.R.Welt(w)->empty());
    EXPECT_EQ(s.NaechstePruefung, 0.0) << "an older file may show the version window at once";
    // Price lines: two values, one value for kits, building levels, the two-word bandage;
    // unknown names ignored.
    EXPECT_EQ(s.C.Rohstoffpreise[Zeile(u"Buchenholz")].Verkaufspreis, 22);
    EXPECT_EQ(s.C.Rohstoffpreise[Zeile(u"Buchenholz")].Einkaufspreis, 21.5);
    EXPECT_EQ(s.C.Warenpreise[Zeile(u"Kalk-Mauerstück")].Einkaufspreis, 2500);
    EXPECT_EQ(s.C.Warenpreise[Zeile(u"Bastardschwert [2H]")].Verkaufspreis, 5000);
    const int bastard = Zeile(u"Bastardschwert [2H]");
    EXPECT_EQ(s.C.Warenpreise[bastard].Einkaufspreis, Katalog().WarenTabelle[bastard].Preis);
    EXPECT_EQ(s.C.Gebaeudepreise[Zeile(u"Forstanlage IV")].Verkaufspreis, 99999);
    EXPECT_EQ(s.C.Warenpreise[Zeile(u"Magische Ätherbinde")].Verkaufspreis, 300);
    EXPECT_EQ(s.C.Warenpreise[Zeile(u"Magische Ätherbinde")].Einkaufspreis, 280);
    EXPECT_EQ(s.C.Handwerksgebaeude[9].Stufe, 3);
    EXPECT_EQ(s.C.Handwerksgebaeude[9].Schichtkosten, 40);
    EXPECT_EQ(s.C.Handwerksgebaeude[4].Stufe, 2);
}

TEST_F(OptionenDatei, Version108dUnd109Routen)
{
    TStand s;
    ASSERT_TRUE(s.Laden(Testdatei("options_1.08d.ini")));
    EXPECT_EQ(Routennamen(s.R.Welten[routen::WeltDunladan]), QStringList{"Heimweg"});
    EXPECT_EQ(Routennamen(s.R.Welten[routen::WeltEndurias]), (QStringList{"Markt", "Zweite"}));
    EXPECT_TRUE(s.R.Welten[routen::WeltZyrthania].empty());
    const routen::TGespeicherteRoute &heim = s.R.Welten[routen::WeltDunladan][0];
    EXPECT_EQ(heim.Auftraege, 12);
    EXPECT_EQ(heim.Punkte, (std::vector<routen::TRoutenPunkt>{{10, 20}, {11, 21}, {12, 22}}));

    TStand ohne;
    EXPECT_FALSE(ohne.Laden(Testdatei("options_1.08d_ohne_routen.ini")));
    ASSERT_EQ(rekorder.Meldungen.size(), 1);
    EXPECT_EQ(rekorder.Meldungen[0],
              OptionenUngueltigMeldungFuer(Testdatei("options_1.08d_ohne_routen.ini")));
    EXPECT_EQ(ohne.O.ActivePageIndex, 0) << "defaults after the error";
    EXPECT_EQ(ohne.C.Rohstoffpreise[Zeile(u"Buchenholz")].Verkaufspreis, 22) << "prices read before stay";
    EXPECT_EQ(ohne.NaechstePruefung, 45000.5) << "read before the error, kept";

    TStand z;
    ASSERT_TRUE(z.Laden(Testdatei("options_1.09.ini")));
    ASSERT_EQ(z.R.Welten[routen::WeltZyrthania].size(), 1u);
    EXPECT_EQ(z.R.Welten[routen::WeltZyrthania][0].Name, QString::fromUtf16(u"Küste"));
    EXPECT_EQ(z.R.Welten[routen::WeltZyrthania][0].Punkte.back(), (routen::TRoutenPunkt{198, 199}));
    for (double w : z.O.Wirkung)
        EXPECT_EQ(w, 1.0) << "1.09 has no POTENCY section";
}

TEST_F(OptionenDatei, Version111Und113)
{
    TStand s;
    ASSERT_TRUE(s.Laden(Testdatei("options_1.11.ini")));
    EXPECT_EQ(s.O.Wirkung[WirkungsindexHandwerk(6)], 1.4);
    EXPECT_EQ(s.O.Wirkung[WirkungsindexHandwerk(1)], 2.0);
    EXPECT_EQ(s.O.Wirkung[0], 1.1);
    EXPECT_EQ(s.O.Wirkung[1], 1.0);
    EXPECT_EQ(s.NaechstePruefung, 0.0);
    EXPECT_EQ(s.R.Welten[routen::WeltZyrthania].size(), 1u);

    TStand aus;
    ASSERT_TRUE(aus.Laden(Testdatei("options_1.13.ini")));
    EXPECT_EQ(aus.NaechstePruefung, VersionspruefungAus) << "switched-off checks stay off";
    EXPECT_EQ(aus.Karte, 3);

    TStand neu;
    ASSERT_TRUE(neu.Laden(Kurzdatei({"NextVersionCheck = 46000,25"})));
    EXPECT_EQ(neu.NaechstePruefung, 46000.25) << "a 1.13a file keeps its date";
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());
}

TEST_F(OptionenDatei, SaveParametersNullLaesstPreiseStehen)
{
    TStand s;
    const QStringList datei = {"Hadrik's Morvaren Tool",
                               "1.13a",
                               "",
                               "OPTIONS",
                               "SaveParameters = 0",
                               "END",
                               "",
                               "PRICES",
                               "Buchenholz 99 99",
                               "END",
                               "",
                               "BUILDINGS",
                               "Schmiede 5 99",
                               "END",
                               "",
                               "POTENCY",
                               "Alchemie = 3,00",
                               "END",
                               "",
                               "ROUTES DUNLADAN",
                               "END",
                               "",
                               "ROUTES ENDURIAS",
                               "END",
                               "",
                               "ROUTES ZYRTHANIA",
                               "END"};
    ASSERT_TRUE(s.Laden(Schreiben("o.ini", datei)));
    EXPECT_FALSE(s.O.SaveParameters);
    EXPECT_EQ(s.C.Rohstoffpreise[Zeile(u"Buchenholz")].Verkaufspreis, 20);
    EXPECT_EQ(s.C.Handwerksgebaeude[9].Stufe, 1);
    EXPECT_EQ(s.O.Wirkung[WirkungsindexHandwerk(17)], 3.0);
}

TEST_F(OptionenDatei, SchluesselUndWeltwerte)
{
    TStand s;
    s.O.CPWorld = 1;
    ASSERT_TRUE(s.Laden(Kurzdatei({"CPWorld = Foo", "BSRWorld = Old", "SZone=7", "LastMap = 9",
                                   "Unbekannt = 5", "TownAutoUpdate = ja", "showhints = 0"})));
    EXPECT_EQ(s.O.CPWorld, 1) << "an unknown world text changes nothing";
    EXPECT_EQ(s.O.BSRWorld, 1);
    EXPECT_EQ(s.O.SZone, 2) << "no blanks around '=': one long unknown key";
    EXPECT_EQ(s.Karte, 1) << "a map outside 1..3 is not taken";
    EXPECT_FALSE(s.O.TownAutoUpdate) << "only \"1\" is true";
    EXPECT_TRUE(s.O.ShowHints) << "keys are case-sensitive";
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());
}

TEST_F(OptionenDatei, UnbrauchbareRoutenBleibenWieGelesen)
{
    TStand s;
    ASSERT_TRUE(s.Laden(Testdatei("options_kaputte_routen.ini")));
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());
    EXPECT_EQ(Routennamen(s.R.Welten[routen::WeltDunladan]),
              (QStringList{"Gut", "Zu kurz", "Null", "Zu gross", "Buchstaben", "Leer", "Keine Auftraege",
                           "Auch gut", "Zu viele"}));
    const auto &d = s.R.Welten[routen::WeltDunladan];
    EXPECT_EQ(d[7].Punkte, (std::vector<routen::TRoutenPunkt>{{200, 200}}));
    EXPECT_TRUE(d[1].Punkte.empty()) << "an odd points line gives no points";
    EXPECT_EQ(d[1].Punktzeile, "0010010020");
    EXPECT_EQ(d[6].Auftraege, 0);
    EXPECT_EQ(d[8].Auftraege, 150);
    EXPECT_EQ(Routennamen(s.R.Welten[routen::WeltEndurias]), (QStringList{"Markt", "Zweite"}));
    EXPECT_EQ(s.R.Welten[routen::WeltZyrthania].size(), 1u);
    EXPECT_EQ(s.O.Wirkung[WirkungsindexHandwerk(6)], 1.4) << "the rest of the file loads";

    // written back, every route's three lines are the file's own
    const QStringList gelesen = QString::fromLatin1(*DateiLesen(Testdatei("options_kaputte_routen.ini")))
                                    .split(QStringLiteral("\r\n"));
    const QStringList geschrieben = s.Zeilen();
    const auto abschnitt = [](const QStringList &z) {
        const qsizetype von = z.indexOf(QStringLiteral("ROUTES DUNLADAN"));
        return z.mid(von, z.indexOf(QStringLiteral("ROUTES ENDURIAS")) - von);
    };
    EXPECT_EQ(abschnitt(geschrieben), abschnitt(gelesen));
    EXPECT_TRUE(abschnitt(geschrieben).contains(QStringLiteral("0a1001002002")));
}

TEST_F(OptionenDatei, UngueltigeDateien)
{
    struct Fall {
        const char *Name;
        QStringList Zeilen;
    };
    const Fall faelle[] = {
        {"leer", {}},
        {"leere Version", {"Hadrik's Morvaren Tool", "", "", "OPTIONS", "END"}},
        {"kurze Version", {"Hadrik's Morvaren Tool", "1.1", "", "OPTIONS", "END"}},
        {"ohne OPTIONS", {"Hadrik's Morvaren Tool", "1.13a", ""}},
        {"OPTIONS ohne END", {"Hadrik's Morvaren Tool", "1.13a", "", "OPTIONS", "ShowHints = 0"}},
        {"falsche Zahl", {"Hadrik's Morvaren Tool", "1.13a", "", "OPTIONS", "SZone = zwei", "END"}},
        {"falscher Preis",
         {"Hadrik's Morvaren Tool", "1.13a", "", "OPTIONS", "END", "PRICES", "Buchenholz 2.5", "END"}},
        {"ohne POTENCY", {"Hadrik's Morvaren Tool", "1.11", "", "OPTIONS", "SaveParameters = 0", "END"}},
    };
    for (const Fall &f : faelle) {
        MeldungsRekorder meldungen;
        TStand s;
        s.O.ActivePageIndex = 5;
        const QString pfad = Schreiben("f.ini", f.Zeilen);
        EXPECT_FALSE(s.Laden(pfad)) << f.Name;
        EXPECT_EQ(meldungen.Meldungen, QStringList{OptionenUngueltigMeldungFuer(pfad)}) << f.Name;
        EXPECT_EQ(s.O.ActivePageIndex, 0) << f.Name;
    }
    TStand fehlt;
    EXPECT_FALSE(fehlt.Laden(dir.filePath("gibt_es_nicht.ini")));

    // A bad number among the buildings: options back to defaults, prices read before stay.
    TStand s;
    EXPECT_FALSE(s.Laden(Testdatei("options_falsche_zahl.ini")));
    EXPECT_EQ(s.O.TransmissionInterval, 1000);
    EXPECT_EQ(s.C.Warenpreise[Zeile(u"Kurzschwert")].Verkaufspreis, 1300);
}

TEST_F(OptionenDatei, WerteAusserhalbDerTabellen)
{
    TStand s;
    ASSERT_TRUE(s.Laden(Kurzdatei({}, {})));
    const QString pfad = Schreiben("b.ini", {"Hadrik's Morvaren Tool",
                                             "1.13a",
                                             "",
                                             "OPTIONS",
                                             "END",
                                             "",
                                             "PRICES",
                                             "END",
                                             "",
                                             "BUILDINGS",
                                             "Schmiede 9 40",
                                             "Bauhof 0 10",
                                             "Werkstatt 4 -5",
                                             "END",
                                             "",
                                             "POTENCY",
                                             "Alchemie = 0,00",
                                             "Wachdienst = 500,00",
                                             "END",
                                             "",
                                             "ROUTES DUNLADAN",
                                             "END",
                                             "",
                                             "ROUTES ENDURIAS",
                                             "END",
                                             "",
                                             "ROUTES ZYRTHANIA",
                                             "END"});
    ASSERT_TRUE(s.Laden(pfad));
    EXPECT_EQ(s.C.Handwerksgebaeude[9].Stufe, 1);
    EXPECT_EQ(s.C.Handwerksgebaeude[9].Schichtkosten, 25);
    EXPECT_EQ(s.C.Handwerksgebaeude[14].Stufe, 1);
    EXPECT_EQ(s.C.Handwerksgebaeude[11].Stufe, 4);
    EXPECT_EQ(s.O.Wirkung[WirkungsindexHandwerk(17)], 0.52);
    EXPECT_EQ(s.O.Wirkung[WirkungsindexHandwerk(18)], 99.0);

    // Zones and the transfer interval only within the settings window's ranges.
    TStand z;
    ASSERT_TRUE(z.Laden(Kurzdatei(
        {"SZone = 2000000000", "BZone = -1", "SZoneHS = 10", "BZoneHS = 0", "TransmissionInterval = 0"})));
    EXPECT_EQ(z.O.SZone, 2);
    EXPECT_EQ(z.O.BZone, 5);
    EXPECT_EQ(z.O.SZoneHS, 10);
    EXPECT_EQ(z.O.BZoneHS, 0);
    EXPECT_EQ(z.O.TransmissionInterval, 1000);
}

TEST_F(OptionenDatei, MisslungenesSchreibenLaesstAlteDateiStehen)
{
    // A name so long that no temporary file fits beside it.
    const QString pfad = Schreiben(QString(245, u'o') + ".ini", {"alte Optionen"});
    TStand s;
    EXPECT_FALSE(OptionenSpeichern(Katalog(), s.Quelle(), pfad));
    EXPECT_EQ(*DateiLesen(pfad), "alte Optionen\r\n");
    ASSERT_EQ(rekorder.Meldungen.size(), 1);
    EXPECT_TRUE(rekorder.Meldungen[0].startsWith("Fehler: options.ini konnte nicht gespeichert werden."));
}

TEST_F(OptionenDatei, KommandozeileOptionen)
{
    const QString aus = dir.filePath("aus.ini");
    QProcess p;
    p.start(QStringLiteral(MVT_CLI), {"optionen", Testdatei("options_1.11.ini"), "--ausgabe", aus});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    TStand s;
    ASSERT_TRUE(s.Laden(Testdatei("options_1.11.ini")));
    const QString vergleich = dir.filePath("vergleich.ini");
    ASSERT_TRUE(OptionenSpeichern(Katalog(), s.Quelle(), vergleich));
    EXPECT_EQ(*DateiLesen(aus), *DateiLesen(vergleich));

    p.start(QStringLiteral(MVT_CLI),
            {"optionen", Testdatei("options_1.08d_ohne_routen.ini"), "--ausgabe", aus});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    // The message names the file it was given.
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).trimmed(),
              OptionenUngueltigMeldungFuer(Testdatei("options_1.08d_ohne_routen.ini")));
    TStand nachFehler;
    ASSERT_TRUE(nachFehler.Laden(aus));
    EXPECT_EQ(nachFehler.C.Rohstoffpreise[Zeile(u"Buchenholz")].Verkaufspreis, 22);
    EXPECT_EQ(nachFehler.O.ActivePageIndex, 0);
}

} // namespace
} // namespace mvt

namespace mvt {
namespace {

// Damaged files never crash the reader, and whatever it accepts stays inside the tables.
TEST_F(OptionenDatei, BeschaedigteDateienSindHarmlos)
{
    QByteArray gut = *DateiLesen(Testdatei("options_1.13.ini"));
    std::mt19937 zufall(1234);
    const QByteArray zeichen = QByteArray("0123456789 ,.-=IV[]\r\nENDxyz") + "\xC4\xFF\x80";
    for (int runde = 0; runde < 400; ++runde) {
        QByteArray b = gut;
        const int eingriffe = 1 + static_cast<int>(zufall() % 6);
        for (int e = 0; e < eingriffe && !b.isEmpty(); ++e) {
            const qsizetype pos = static_cast<qsizetype>(zufall() % static_cast<uint32_t>(b.size()));
            switch (zufall() % 4) {
            case 0:
                b.remove(pos, 1 + zufall() % 8);
                break;
            case 1:
                b.insert(pos, zeichen[static_cast<qsizetype>(zufall() % zeichen.size())]);
                break;
            case 2:
                b.truncate(pos);
                break;
            default:
                b[pos] = zeichen[static_cast<qsizetype>(zufall() % zeichen.size())];
                break;
            }
        }
        const QString pfad = dir.filePath("kaputt.ini");
        ASSERT_TRUE(DateiSchreiben(pfad, b));
        MeldungsRekorder meldungen;
        TStand s;
        s.Laden(pfad);
        for (int i = 1; i <= AnzahlHandwerksgebaeude; ++i) {
            EXPECT_GE(s.C.Handwerksgebaeude[i].Stufe, 1);
            EXPECT_LE(s.C.Handwerksgebaeude[i].Stufe, 5);
        }
        for (int w = 1; w <= 3; ++w)
            for (const routen::TGespeicherteRoute &r : *s.R.Welt(w)) {
                // any count is kept as read; the route tab clamps it when it loads the route
                EXPECT_TRUE(r.Punktzeile.isEmpty() || r.Punkte.empty());
                for (const routen::TRoutenPunkt &p : r.Punkte) {
                    EXPECT_TRUE(p.X >= 1 && p.X <= 200 && p.Y >= 1 && p.Y <= 200);
                }
            }
        for (double wirkung : s.O.Wirkung)
            EXPECT_TRUE(wirkung >= 0.52 && wirkung <= 99.0);
    }
}

} // namespace
} // namespace mvt
