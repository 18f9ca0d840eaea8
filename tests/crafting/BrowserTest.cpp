// The item browser's tree, the detail panel texts and what the cost pages show.
#include "Hilfen.h"
#include "crafting/Artikeldetails.h"
#include "crafting/Katalogbaum.h"
#include "crafting/Kostenseiten.h"

#include <gtest/gtest.h>

#include <QSet>

#include <functional>

namespace mvt {
namespace {

using test::Katalog;

const TKatalogKnoten *Finden(const std::vector<TKatalogKnoten> &knoten,
                             std::initializer_list<const char16_t *> pfad)
{
    const std::vector<TKatalogKnoten> *ebene = &knoten;
    const TKatalogKnoten *gefunden = nullptr;
    for (const char16_t *teil : pfad) {
        gefunden = nullptr;
        for (const TKatalogKnoten &n : *ebene)
            if (n.Text == QString::fromUtf16(teil))
                gefunden = &n;
        if (!gefunden)
            return nullptr;
        ebene = &gefunden->Kinder;
    }
    return gefunden;
}

TEST(Katalogbaum, AlleWarenGenauEinmalUnterIhrenGruppen)
{
    const std::vector<TKatalogKnoten> baum = KatalogbaumAnlegen(Katalog());
    int knoten = 0;
    QSet<QString> blaetter;
    int blattzahl = 0;
    std::function<void(const TKatalogKnoten &)> zaehlen = [&](const TKatalogKnoten &n) {
        ++knoten;
        if (n.Kinder.empty()) {
            ++blattzahl;
            blaetter.insert(n.Text);
            EXPECT_NE(ItemSuchen(Katalog(), n.Text).Tabellencode, TabelleKeine) << n.Text.toStdString();
            EXPECT_NE(ItemSuchen(Katalog(), n.Text).Tabellencode, TabelleTraining) << n.Text.toStdString();
        }
        for (const TKatalogKnoten &k : n.Kinder)
            zaehlen(k);
    };
    for (const TKatalogKnoten &n : baum)
        zaehlen(n);
    EXPECT_EQ(knoten, 876);
    EXPECT_EQ(blattzahl, 719);
    EXPECT_EQ(blaetter.size(), 719) << "no item twice";

    ASSERT_EQ(baum.size(), 6u);
    EXPECT_EQ(baum[4].Text, QStringLiteral("Produktion"));
    // Captions keep the blanks that align the Roman numerals.
    EXPECT_TRUE(Finden(baum, {u"Produktion", u"Bauteile", u"I   Kalk & Buche"}));
    EXPECT_TRUE(Finden(baum, {u"Produktion", u"Bauteile", u"IV Granit & Esche"}));
    EXPECT_TRUE(Finden(baum, {u"Produktion", u"Schwerter", u"VI Edelstein"}));
    const TKatalogKnoten *kupfer = Finden(baum, {u"Produktion", u"Schwere Rüstungen (Metall)", u"I   Kupfer"});
    ASSERT_TRUE(kupfer);
    ASSERT_EQ(kupfer->Kinder.size(), 12u);
    // Chain pieces, their shield, plate pieces, their shield.
    EXPECT_EQ(kupfer->Kinder[4].Text, QStringLiteral("Kupfer-Kettenstiefel"));
    EXPECT_EQ(kupfer->Kinder[5].Text, QStringLiteral("Eckschild"));
    EXPECT_EQ(kupfer->Kinder[11].Text, QStringLiteral("Kampfschild"));
    const TKatalogKnoten *lager = Finden(baum, {u"Gebäude", u"Kultur & Wirtschaft", u"Lagerhaus"});
    ASSERT_TRUE(lager);
    EXPECT_EQ(lager->Kinder.back().Text, QStringLiteral("Lager IX"));
    EXPECT_EQ(Finden(baum, {u"Jagdbeute", u"Edelstein", u"Steine der Kraft"})->Kinder.size(), 5u);
}

TEST(Artikeldetails, RohstoffZwischengutUndSonderfaelle)
{
    const TArtikeldetails d = ArtikeldetailsBestimmen(Katalog(), QStringLiteral("Buchenholz"));
    ASSERT_EQ(d.Layout, TDetailLayout::Produktion);
    const QStringList texte = {d.Item[1],        d.Item[2],        d.Item[3],        d.Item[4],
                               d.Item[5],        d.Zutat[1],       d.Herstellung[1], d.Herstellung[2],
                               d.Herstellung[3], d.Herstellung[4], d.Marktwert[1],   d.Marktwert[2]};
    EXPECT_EQ(texte, (QStringList{"6 Buchenholz", "2.400 kg   (0.400 kg / Stk.)", "Rohstoff",
                                  "Verarbeitung ab Stufe 0", "Holzverarbeitung, Stufe 0", "-keine-",
                                  "Gebäude: Forstanlage", "Dauer: 3 Std. 0 Min.", "Rezept: -kein-",
                                  "Menge: 6", "20 Gold / Stk.", "120 Gold Bausatz"}));
    EXPECT_EQ(d.Zutatzeilen, 1);
    EXPECT_TRUE(d.ItemGrau[2] && d.ItemGrau[4] && !d.ItemGrau[1] && !d.ItemGrau[3]);

    const TArtikeldetails dolch = ArtikeldetailsBestimmen(Katalog(), QStringLiteral("Smaragd-Dolch"));
    EXPECT_EQ(dolch.Herstellung[3], QStringLiteral("Rezept: Jagdbeute"));
    EXPECT_EQ(dolch.Zutatzeilen, AnzahlZutaten(Katalog(), test::Ref(u"Smaragd-Dolch").Index));

    const TArtikeldetails stoff = ArtikeldetailsBestimmen(Katalog(), Katalog().RohstoffTabelle[21].Name);
    EXPECT_EQ(stoff.Layout, TDetailLayout::Spezial);
    EXPECT_TRUE(stoff.Spezial.contains(QStringLiteral("Tiere & Ungeheuer"))) << "&& shown as &";

    EXPECT_EQ(ArtikeldetailsBestimmen(Katalog(), QStringLiteral("Produktion")).Layout, TDetailLayout::Keins);
}

TEST(Artikeldetails, Gebaeude)
{
    const TArtikeldetails tempel = ArtikeldetailsBestimmen(Katalog(), QStringLiteral("Tempel II"));
    ASSERT_EQ(tempel.Layout, TDetailLayout::Gebaeude);
    EXPECT_EQ(tempel.Herstellung[1], QStringLiteral("Stadtrecht"));
    EXPECT_EQ(tempel.Herstellung[2], QStringLiteral("Tempel I"));
    EXPECT_TRUE(tempel.HerstellungSichtbar[2]);
    EXPECT_EQ(ArtikeldetailsBestimmen(Katalog(), QStringLiteral("Wachhaus I")).Herstellung[1],
              QStringLiteral("-keine-"));

    const TArtikeldetails forst = ArtikeldetailsBestimmen(Katalog(), QStringLiteral("Forstanlage III"));
    EXPECT_EQ(forst.Item[3], QStringLiteral("1600 Strukturpunkte, 5 Arbeitsplätze"));
    EXPECT_EQ(forst.Item[4], QStringLiteral("300 Gold / Tag"));
    EXPECT_FALSE(forst.HerstellungSichtbar[2]);
}

TEST(Kostenseiten, GebaeudeUndAlleKnoepfe)
{
    const TCraftingZustand c = test::MitListe({{"Kurzschwert", 1}});
    const auto seiten = KostenseitenBestimmen(Katalog(), c);
    EXPECT_TRUE(seiten[1].GebaeudeSichtbar);
    EXPECT_EQ(seiten[1].GebaeudeStufen[0], QStringLiteral("Schmiede I"));
    EXPECT_EQ(seiten[1].GebaeudeStufen[4], QStringLiteral("Schmiede V"));
    EXPECT_FALSE(seiten[1].GebaeudeAlle);
    EXPECT_TRUE(seiten[2].GebaeudeAlle) << "Schmiede and Schmelze";
    EXPECT_FALSE(seiten[1].VerkaufAlle);
    EXPECT_EQ(seiten[1].Verkauf.Name, QStringLiteral("Kurzschwert"));
    EXPECT_EQ(seiten[1].Verkauf.Prozent, 100);
    ASSERT_EQ(seiten[1].Zutaten, 2);
    EXPECT_EQ(seiten[1].Einkauf[0].Name, QStringLiteral("Kupferbarren"));
    EXPECT_EQ(seiten[2].Zutaten, 3);

    const TCraftingZustand edel = test::MitListe({{"Saphir", 1}});
    const auto e = KostenseitenBestimmen(Katalog(), edel);
    for (int k = 1; k <= AnzahlModi; ++k)
        EXPECT_FALSE(e[static_cast<size_t>(k)].GebaeudeSichtbar) << k;

    const TCraftingZustand zwei = test::MitListe({{"Kurzschwert", 1}, {"Saphir", 1}});
    const auto z = KostenseitenBestimmen(Katalog(), zwei);
    EXPECT_TRUE(z[1].VerkaufAlle);
    EXPECT_EQ(z[1].Verkauf.Name, QStringLiteral("Kurzschwert")) << "the sale row stays on the first entry";
}

TEST(Kostenseiten, FuenfUndSechsEinkaufszeilenUndPreisdialog)
{
    // Page 1 buys the two ingredients of the sword and the three bought materials.
    const TCraftingZustand fuenf =
        test::MitListe({{"Kurzschwert", 1}, {"Saphir", 1}, {"Buchenholz", 6}, {"Salz", 1}, {"Jaspis", 1}});
    const auto f = KostenseitenBestimmen(Katalog(), fuenf);
    ASSERT_EQ(f[1].Zutaten, 5);
    EXPECT_EQ(f[1].Einkauf.size(), 5u);
    EXPECT_FALSE(f[1].EinkaufAlle);

    const TCraftingZustand sechs = test::MitListe(
        {{"Kurzschwert", 1}, {"Saphir", 1}, {"Buchenholz", 6}, {"Salz", 1}, {"Jaspis", 1}, {"Onyx", 1}});
    const auto s = KostenseitenBestimmen(Katalog(), sechs);
    ASSERT_EQ(s[1].Zutaten, 6);
    EXPECT_EQ(s[1].Einkauf.size(), 5u);
    EXPECT_TRUE(s[1].EinkaufAlle);

    EXPECT_EQ(PreisdialogZeilen(Katalog(), sechs, 11).size(), 6u) << "one row per entry";
    EXPECT_EQ(PreisdialogZeilen(Katalog(), sechs, 12).size(), 6u);
    EXPECT_EQ(PreisdialogGebaeude(test::MitListe({{"Kurzschwert", 1}}), 13).size(), 1u);
    EXPECT_EQ(PreisdialogGebaeude(test::MitListe({{"Kurzschwert", 1}}), 23).size(), 2u);
    EXPECT_TRUE(PreisdialogZeilen(Katalog(), sechs, 53).empty());
    EXPECT_TRUE(PreisdialogGebaeude(sechs, 73).empty());
}

} // namespace
} // namespace mvt
