#include "Hilfen.h"

#include "../CliLauf.h"
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "crafting/Detailauswertung.h"
#include "crafting/Einkaufsliste.h"
#include "crafting/Lager.h"
#include "crafting/Lagerverrechnung.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

// Readable failures: gtest prints a QString through this.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace mvt {
namespace {

using test::Katalog;

TLager LagerAus(std::initializer_list<std::pair<const char16_t *, double>> gueter)
{
    TLager l;
    for (auto [name, anzahl] : gueter) {
        const TItemRef r = test::Ref(name);
        EXPECT_NE(KnotenartAusTabellencode(r.Tabellencode), ArtKeine);
        l.Setzen(KnotenartAusTabellencode(r.Tabellencode), r.Index, anzahl);
    }
    return l;
}

// The state recomputed with this stock counting.
TCraftingZustand MitLager(TCraftingZustand c, const TLager &lager)
{
    c.Lager = lager;
    c.LagerBeruecksichtigen = true;
    AllesNeuBerechnen(Katalog(), TOptionen{}, c);
    return c;
}

std::map<QString, double> Gekauft(const TCraftingZustand &c, int modus)
{
    std::map<QString, double> m;
    for (const TSammelEintrag &z : Rechenstand(c, modus).Bedarfsliste(modus)->Zeilen)
        m[KnotenName(Katalog(), z.Art, z.Index)] += z.Menge;
    return m;
}

std::map<QString, double> Entnommen(const TCraftingZustand &c, int modus)
{
    std::map<QString, double> m;
    for (const TSammelEintrag &z : AusDemLager(c, modus))
        m[KnotenName(Katalog(), z.Art, z.Index)] += z.Menge;
    return m;
}

void ErgebnisseGleich(const TAnalyseErgebnis &a, const TAnalyseErgebnis &b, double toleranz = 0.0)
{
    EXPECT_NEAR(a.Marktwert, b.Marktwert, toleranz);
    EXPECT_NEAR(a.Verkaufserloes, b.Verkaufserloes, toleranz);
    EXPECT_NEAR(a.Gesamtdauer, b.Gesamtdauer, toleranz);
    EXPECT_NEAR(a.Schichtanteil, b.Schichtanteil, toleranz);
    EXPECT_NEAR(a.Zutatenanteil, b.Zutatenanteil, toleranz);
    EXPECT_NEAR(a.Gewinn, b.Gewinn, toleranz);
    EXPECT_NEAR(a.GewinnProStunde, b.GewinnProStunde, toleranz);
}

TEST(Lager, DateiHinUndZurueckUndFehlerMitZeilennummer)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(LagerDateiname);
    const TLager lager =
        LagerAus({{u"Magische Ätherbinde", 3}, {u"Forstanlage IV", 1}, {u"Kupferbarren", 12}});
    ASSERT_TRUE(LagerSpeichern(Katalog(), lager, pfad));
    const QByteArray bytes = DateiLesen(pfad).value_or(QByteArray());
    // The header of a build list file, Windows-1252 and CR LF.
    EXPECT_TRUE(bytes.startsWith("Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nMagische \xC4therbinde 3\r\n"));
    EXPECT_EQ(LagerLaden(Katalog(), pfad), lager);
    EXPECT_EQ(LagerLaden(Katalog(), dir.filePath("fehlt.mvt_bl")), TLager{});

    const QStringList kopf{"Hadrik's Morvaren Tool", "1.13a", ""};
    for (const auto &[zeile, erwartet] : std::vector<std::pair<QString, QString>>{
             {"Goldbarren 2", "Zeile 5: \"Goldbarren\" ist kein"},
             {"Kupferbarren 1,5", "Zeile 5: \"1,5\" ist keine gültige Anzahl"},
             {"Kupferbarren 0", "Zeile 5: \"0\""},
             {"Kupferbarren", "Zeile 5: \"\""},
             {"Kupferbarren 2147483648", "Zeile 5: \"2147483648\""}}) {
        QString fehler;
        EXPECT_FALSE(LagerZeilenLesen(Katalog(), kopf + QStringList{"Salz 4", zeile}, &fehler)) << zeile.toStdString();
        EXPECT_TRUE(fehler.startsWith(erwartet)) << fehler.toStdString();
    }
    // A good listed twice adds up; empty lines are skipped.
    const auto doppelt = LagerZeilenLesen(Katalog(), kopf + QStringList{"Salz 4", "", "Salz 2"});
    ASSERT_TRUE(doppelt);
    EXPECT_EQ(doppelt->Bestand(ArtRohstoff, test::Zeile(u"Salz")), 6.0);
}

TEST(Lager, EinfuegenAusTabelle)
{
    TLager lager = LagerAus({{u"Salz", 4}, {u"Kupfererz", 9}});
    QString fehler;
    const auto neu = LagerTextLesen(Katalog(), "Kupfererz\t2\r\n\r\nSchmiedeöl\t5\nSchmiedeöl\t1\n", &fehler);
    ASSERT_TRUE(neu) << fehler.toStdString();
    LagerUebernehmen(lager, *neu);
    // Pasted goods take the pasted count, the others stay, new ones go to the end.
    EXPECT_EQ(lager, LagerAus({{u"Salz", 4}, {u"Kupfererz", 2}, {u"Schmiedeöl", 6}}));

    EXPECT_FALSE(LagerTextLesen(Katalog(), "Salz\t1\nSalz 2\n", &fehler));
    EXPECT_TRUE(fehler.startsWith("Zeile 2: ")) << fehler.toStdString();
    EXPECT_FALSE(LagerTextLesen(Katalog(), "Salz\t-1\n", &fehler));
    EXPECT_TRUE(fehler.startsWith("Zeile 1: \"-1\"")) << fehler.toStdString();
}

TEST(Lagerverrechnung, LeeresOderFremdesLagerAendertNichts)
{
    const TCraftingZustand brutto = test::MitListe({{"Kurzschwert", 3}, {"Schmiede I", 1}, {"Salz", 2}});
    // Gems are in none of these trees.
    for (const TLager &lager : {TLager{}, LagerAus({{u"Saphir", 40}, {u"Rubin", 7}})}) {
        const TCraftingZustand c = MitLager(brutto, lager);
        for (int modus = 1; modus <= AnzahlModi; ++modus) {
            SCOPED_TRACE(modus);
            ErgebnisseGleich(c.Analyse[modus], brutto.Analyse[modus]);
            EXPECT_EQ(Gekauft(c, modus), Gekauft(brutto, modus));
            EXPECT_TRUE(AusDemLager(c, modus).empty());
            const TDetailanalyse a = DetailanalyseBerechnen(Katalog(), TOptionen{}, c, modus);
            const TDetailanalyse b = DetailanalyseBerechnen(Katalog(), TOptionen{}, brutto, modus);
            EXPECT_EQ(a.Produkte, b.Produkte);
            EXPECT_EQ(a.Zutaten, b.Zutaten);
            EXPECT_EQ(a.Zwischenprodukte, b.Zwischenprodukte);
            EXPECT_EQ(a.Gebaeude, b.Gebaeude);
        }
    }
}

TEST(Lagerverrechnung, FertigwareImLagerLaesstNichtsZuKaufen)
{
    const TCraftingZustand c =
        MitLager(test::MitListe({{"Kurzschwert", 3}}), LagerAus({{u"Kurzschwert", 3}}));
    for (int modus = 1; modus <= AnzahlModi; ++modus) {
        SCOPED_TRACE(modus);
        EXPECT_TRUE(Gekauft(c, modus).empty());
        EXPECT_EQ(Entnommen(c, modus), (std::map<QString, double>{{"Kurzschwert", 3.0}}));
        ErgebnisseGleich(c.Analyse[modus], TAnalyseErgebnis{});
        const TEinkaufsliste e = EinkaufslisteBerechnen(Katalog(), c, modus);
        EXPECT_TRUE(e.Gruppen.empty());
        EXPECT_EQ(e.Lagerwert, 3 * 1200.0);
        // The detailed analysis shows the netted figures too.
        EXPECT_EQ(DetailanalyseBerechnen(Katalog(), TOptionen{}, c, modus).Produkte.size(), 1u);
    }
}

TEST(Lagerverrechnung, RohstoffeAusDemLagerPlusGekauftIstBrutto)
{
    const TCraftingZustand brutto = test::MitListe({{"Kurzschwert", 4}, {"Schmiede I", 1}});
    const TCraftingZustand c = MitLager(
        brutto, LagerAus({{u"Kupfererz", 5}, {u"Steinkohle", 1000}, {u"Schmiedeöl", 7}, {u"Salz", 3}}));
    for (int modus = 1; modus <= AnzahlModi; ++modus) {
        SCOPED_TRACE(modus);
        const auto gekauft = Gekauft(c, modus);
        const auto entnommen = Entnommen(c, modus);
        for (const auto &[name, menge] : Gekauft(brutto, modus)) {
            const double summe = (gekauft.contains(name) ? gekauft.at(name) : 0.0) +
                                 (entnommen.contains(name) ? entnommen.at(name) : 0.0);
            EXPECT_NEAR(summe, menge, 1e-9) << name.toStdString();
        }
        EXPECT_LE(c.Analyse[modus].Zutatenanteil, brutto.Analyse[modus].Zutatenanteil);
    }
}

TEST(Lagerverrechnung, MehrLagerKauftNieMehr)
{
    const TCraftingZustand brutto =
        test::MitListe({{"Schmiede I", 2}, {"Kurzschwert", 5}, {"Kupferbarren", 10}});
    std::vector<TCraftingZustand> stufen;
    for (double anteil : {0.0, 0.25, 0.5, 1.0, 3.0}) {
        TLager lager;
        // Every good of the trees, in proportion to what the list needs of it at most.
        for (const TBaulistenKnoten &e : brutto.Bauliste.Eintraege) {
            std::vector<const TBaulistenKnoten *> offen{&e};
            while (!offen.empty()) {
                const TBaulistenKnoten *n = offen.back();
                offen.pop_back();
                lager.Setzen(n->Art, n->Index, std::floor(n->Menge * anteil));
                for (const TBaulistenKnoten &kind : n->Kinder)
                    offen.push_back(&kind);
            }
        }
        stufen.push_back(MitLager(brutto, lager));
    }
    for (size_t i = 1; i < stufen.size(); ++i) {
        for (int modus = 1; modus <= AnzahlModi; ++modus) {
            SCOPED_TRACE(testing::Message() << "Stufe " << i << " Modus " << modus);
            const TAnalyseErgebnis &mehr = stufen[i].Analyse[modus], &weniger = stufen[i - 1].Analyse[modus];
            EXPECT_LE(mehr.Zutatenanteil, weniger.Zutatenanteil + 1e-9);
            EXPECT_LE(mehr.Gesamtdauer, weniger.Gesamtdauer + 1e-9);
            const auto vorher = Gekauft(stufen[i - 1], modus);
            for (const auto &[name, menge] : Gekauft(stufen[i], modus))
                EXPECT_LE(menge, vorher.contains(name) ? vorher.at(name) + 1e-9 : 0.0) << name.toStdString();
        }
    }
    // Three times the need leaves nothing to buy or produce.
    EXPECT_TRUE(Gekauft(stufen.back(), 4).empty());
    EXPECT_EQ(stufen.back().Analyse[4].Gesamtdauer, 0.0);
}

TEST(Lagerverrechnung, ReihenfolgeDerBaulisteAendertNichts)
{
    const TLager lager =
        LagerAus({{u"Kupferbarren", 13}, {u"Kupfererz", 4}, {u"Schmiedeöl", 9}, {u"Kalk-Mauerstück", 3}});
    const TCraftingZustand a =
        MitLager(test::MitListe({{"Kurzschwert", 4}, {"Schmiede I", 2}, {"Kupferbarren", 10}}), lager);
    const TCraftingZustand b =
        MitLager(test::MitListe({{"Kupferbarren", 10}, {"Schmiede I", 2}, {"Kurzschwert", 4}}), lager);
    for (int modus = 1; modus <= AnzahlModi; ++modus) {
        SCOPED_TRACE(modus);
        ErgebnisseGleich(a.Analyse[modus], b.Analyse[modus], 1e-9);
        const auto ga = Gekauft(a, modus), gb = Gekauft(b, modus);
        ASSERT_EQ(ga.size(), gb.size());
        for (const auto &[name, menge] : ga)
            EXPECT_NEAR(menge, gb.at(name), 1e-9) << name.toStdString();
        EXPECT_EQ(Entnommen(a, modus), Entnommen(b, modus));
    }
}

TEST(Lagerverrechnung, GutAufZweiEbenenWirdEinmalVerrechnet)
{
    // Bars as an entry (produced in every mode) and in the sword (bought in mode 1).
    const TCraftingZustand c =
        MitLager(test::MitListe({{"Kurzschwert", 1}, {"Kupferbarren", 5}}), LagerAus({{u"Kupferbarren", 6}}));
    const TCraftingZustand &eins = Rechenstand(c, 1);
    double netto = 0.0;
    for (const TBaulistenKnoten &e : eins.Bauliste.Eintraege)
        if (e.Art == ArtZutat)
            netto += e.Menge;
    netto += Gekauft(c, 1).at("Kupferbarren");
    // 5 + 7 needed, 6 in stock: 6 left over both places together, the stock used once.
    EXPECT_NEAR(netto, 6.0, 1e-9);
    EXPECT_EQ(Entnommen(c, 1), (std::map<QString, double>{{"Kupferbarren", 6.0}}));
    // Mode 2 smelts the 6 net bars, one ore each: the entry's ore is mined (list 1), the
    // sword's bought (list 2).
    const TCraftingZustand &zwei = Rechenstand(c, 2);
    double erz = 0.0;
    for (int liste : {1, 2})
        for (const TSammelEintrag &z : zwei.Bedarfsliste(liste)->Zeilen)
            if (z.Index == test::Zeile(u"Kupfererz") && z.Art == ArtRohstoff)
                erz += z.Menge;
    EXPECT_NEAR(erz, 6.0, 1e-9);
    EXPECT_EQ(Entnommen(c, 2), Entnommen(c, 1));
}

TEST(Einkaufsliste, GruppenTabelleUndForumtext)
{
    const TCraftingZustand c =
        MitLager(test::MitListe({{"Kurzschwert", 2}, {"Saphir", 1}}), LagerAus({{u"Schmiedeöl", 4}}));
    const TEinkaufsliste e = EinkaufslisteBerechnen(Katalog(), c, 1);
    ASSERT_EQ(e.Gruppen.size(), 3u);
    EXPECT_EQ(e.Gruppen[0].Name, "Rohstoffe");
    EXPECT_EQ(e.Gruppen[1].Name, "Handwerksmaterialien");
    EXPECT_EQ(e.Gruppen[1].Zeilen.at(0).Anzahl, 6.0);
    EXPECT_EQ(e.Gruppen[2].Name, "Edelsteine");
    EXPECT_NEAR(e.Gesamtkosten, c.Analyse[1].Zutatenanteil, 1e-9);
    EXPECT_EQ(e.Lagerwert, 4 * 80.0);

    const QStringList tabelle = EinkaufslisteTabelle(e).split(u'\n');
    EXPECT_EQ(tabelle.at(0), "Gruppe\tName\tAnzahl\tPreis\tKosten");
    EXPECT_TRUE(tabelle.contains("Handwerksmaterialien\tSchmiedeöl\t6\t80\t480"))
        << tabelle.join('|').toStdString();
    EXPECT_TRUE(tabelle.contains("Aus dem Lager\tSchmiedeöl\t4\t80\t320"));

    const QString forum = EinkaufslisteForumtext(e);
    EXPECT_TRUE(forum.startsWith("[b]Einkaufsliste: Einfache Produktion[/b]\n[code]\nName"))
        << forum.toStdString();
    EXPECT_TRUE(forum.contains("[b]Aus dem Lager[/b]\n[code]\n"));
    EXPECT_EQ(forum.count("[/code]"), 2);
}

// The command line: without a stock, every key as before; with one, the netted figures.
TEST(Lager, CliAnalyse)
{
    if (test::CliPfad().isEmpty())
        GTEST_SKIP();
    const QString liste = QStringLiteral(MVT_TESTDATEN "/crafting/kurzschwert.mvt_bl");
    const test::TCliLauf ohne = test::CliAufrufen({"analyse", liste, "--modus", "2"});
    ASSERT_EQ(ohne.Code, 0) << ohne.Fehler.toStdString();
    EXPECT_EQ(ohne.Json["Einkaufsliste"].toArray(), QJsonArray());
    EXPECT_EQ(ohne.Json["AusDemLager"].toArray(), QJsonArray());
    // Byte for byte what the tool wrote before it knew of a stock, besides the two keys.
    QJsonObject alt = ohne.Json;
    alt.remove("Einkaufsliste");
    alt.remove("AusDemLager");
    EXPECT_EQ(
        QJsonDocument(alt).toJson(QJsonDocument::Indented),
        DateiLesen(QStringLiteral(MVT_TESTDATEN "/crafting/kurzschwert-analyse-2.json")).value_or("fehlt"));

    QTemporaryDir dir;
    const QString lager = dir.filePath("lager.mvt_bl");
    ASSERT_TRUE(LagerSpeichern(Katalog(), LagerAus({{u"Kupfererz", 3}, {u"Schmiedeöl", 5}}), lager));
    const test::TCliLauf mit = test::CliAufrufen({"analyse", liste, "--modus", "2", "--lager", lager});
    ASSERT_EQ(mit.Code, 0) << mit.Fehler.toStdString();
    EXPECT_EQ(mit.Json["Einkaufsliste"].toArray(),
              (QJsonArray{QJsonArray{"Kupfererz", "4", "80", "20"},
                          QJsonArray{"Steinkohle", "1.40", "140", "100"}}));
    EXPECT_EQ(mit.Json["AusDemLager"].toArray(),
              (QJsonArray{QJsonArray{"Schmiedeöl", "5"}, QJsonArray{"Kupfererz", "3"}}));
    EXPECT_EQ(mit.Json["Zutaten"].toArray().size(), 2);

    ASSERT_TRUE(TextdateiSchreiben(lager, {"Hadrik's Morvaren Tool", "1.13a", "", "Kupfererz drei"}));
    const test::TCliLauf schlecht = test::CliAufrufen({"analyse", liste, "--modus", "2", "--lager", lager});
    EXPECT_EQ(schlecht.Code, 2);
    EXPECT_TRUE(schlecht.Fehler.contains("Zeile 4")) << schlecht.Fehler.toStdString();
    EXPECT_TRUE(schlecht.Ausgabe.isEmpty());
    EXPECT_EQ(test::CliAufrufen({"analyse", liste, "--modus", "2", "--lager", dir.filePath("fehlt")}).Code,
              2);
}

} // namespace
} // namespace mvt
