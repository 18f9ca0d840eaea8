// The settings window's rules without the window: potency validation and import, the
// price rows and pages, what showing and Okay do with the data, the price reset.
#include "settings/Einstellungen.h"

#include "catalogue/Katalog.h"
#include "base/Zahlen.h"
#include "base/Optionen.h"

#include <gtest/gtest.h>

#include <set>

using namespace mvt;

namespace {

TEST(WirkungPruefen, GrenzenProzentUndUnsinn)
{
    const TOptionen o;
    EXPECT_EQ(WirkungPruefen(QStringLiteral("135"), o), QStringLiteral("1,35"));
    EXPECT_EQ(WirkungPruefen(QStringLiteral("0,3"), o), QStringLiteral("0,52"));
    EXPECT_EQ(WirkungPruefen(QStringLiteral("12000"), o), QStringLiteral("99,00"));
    EXPECT_EQ(WirkungPruefen(QStringLiteral("1,2,3"), o), QStringLiteral("1,00"));
    EXPECT_EQ(WirkungPruefen(QString(), o), QStringLiteral("1,00"));
    EXPECT_EQ(WirkungPruefen(QStringLiteral("99"), o), QStringLiteral("99,00"));
    EXPECT_EQ(WirkungPruefen(QStringLiteral("40"), o), QStringLiteral("40,00"));
    EXPECT_EQ(WirkungPruefen(QStringLiteral("150,5"), o), QStringLiteral("1,50"));
}

TEST(WirkungenImportieren, SeiteDesSpiels)
{
    const QString seite = QStringLiteral("Menü\nFähigkeiten\nName\tStufe\tx\ty\tWirkung\n"
                                         "Schwerter\t10\ta\tb\t1.20\n"
                                         "Dolche\t3\ta\tb\t0\n" // not greater than 0: skipped, not counted
                                         "Leichte Rüstungen\t1\ta\tb\t1,05\n"
                                         "zu kurz\t1\n"
                                         "Handwerk\t\t\t\tx\n"    // no number: skipped anyway
                                         "Handwerk\t1\t1\t1\t1\n" // the heading with a number: skipped
                                         "Stoff- & Lederverarbeitung\t5\ta\tb\t2.5\n"
                                         "Unbekannt\t1\ta\tb\t1\n" // ends the import
                                         "Wachdienst\t1\ta\tb\t3\n");
    const TWirkungsimport e = WirkungenImportieren(seite);
    EXPECT_EQ(e.Anzahl, 3);
    EXPECT_EQ(e.Werte[0], QStringLiteral("1,20"));
    EXPECT_FALSE(e.Werte[1]);
    EXPECT_EQ(e.Werte[7], QStringLiteral("1,05"));
    EXPECT_EQ(e.Werte[23], QStringLiteral("2,5"));
    EXPECT_FALSE(e.Werte[37]);
    EXPECT_EQ(ImportErgebnistext(e.Anzahl), QStringLiteral("Erfolgreich: 3 Werte übernommen!"));
    EXPECT_EQ(ImportErgebnistext(0), QStringLiteral("Fehlgeschlagen: nichts geändert!"));
    // Without the heading the first line is already parsed.
    EXPECT_EQ(WirkungenImportieren(QStringLiteral("Alchemie\t1\t1\t1\t1,5")).Anzahl, 1);
    EXPECT_EQ(WirkungenImportieren(QString()).Anzahl, 0);
}

TEST(Preiszeilen, ReihenfolgeSeitenUndAlleBoxen)
{
    EXPECT_EQ(AnzahlPreiszeilen, 719);
    EXPECT_EQ(PreiszeileGut(75).Art, ArtZutat);
    EXPECT_EQ(PreiszeileGut(119).Art, ArtWare);
    EXPECT_EQ(PreiszeileGut(119).Index, 20);
    EXPECT_EQ(PreiszeileGut(596).Art, ArtGebaeude);
    EXPECT_EQ(PreiszeileGut(720).Art, ArtKeine);
    EXPECT_TRUE(HatEinkauf(119));
    EXPECT_FALSE(HatEinkauf(120));
    // Every row on exactly one page.
    std::multiset<int> gesehen;
    for (const TPreisseite &s : Preisseiten())
        for (const TPreisunterseite &u : s.Unterseiten)
            for (const TZeilenbereich &b : u.Bereiche)
                for (int z = b.Von; z <= b.Bis; ++z) {
                    gesehen.insert(z);
                    EXPECT_EQ(HatEinkauf(z), s.Einkauf) << z;
                }
    EXPECT_EQ(gesehen.size(), 719u);
    EXPECT_EQ(std::set<int>(gesehen.begin(), gesehen.end()).size(), 719u);
    int sichtbar = 0;
    for (const TAlleBox &b : AlleBoxen())
        sichtbar += b.Sichtbar;
    EXPECT_EQ(sichtbar, 26);
    EXPECT_EQ(Preisseiten().size(), 19u);
}

// The price pages leave a gap before every row that opens a new group of one material tier;
// a kit's tier and a building's kind are the catalogue tree's groups; the goods that run
// each through all tiers are grouped by kind.
TEST(Preiszeilen, GruppenNachMaterialstufe)
{
    TKatalog k;
    KatalogFuellen(k);
    auto neueGruppe = [&k](const char16_t *name) {
        const TItemRef r = ItemSuchen(k, QString::fromUtf16(name));
        const uint8_t art = r.Tabellencode == TabelleGebaeude ? uint8_t(ArtGebaeude) : r.Tabellencode;
        const int zeile = PreiszeileVon(art, r.Index);
        return zeile > 1 && NeueStufengruppe(k, zeile - 1, zeile);
    };
    // Swords by the tree's metals: "II  Eisen" runs from the Breitschwert to the
    // Bidenhänder (use level 10), "III Sorandil" from the Krummsäbel to the Flamberge,
    // "IV Adamant" from the Krummschwert to the Elbenbann.
    EXPECT_FALSE(neueGruppe(u"Schwert"));
    EXPECT_TRUE(neueGruppe(u"Breitschwert"));
    EXPECT_FALSE(neueGruppe(u"Säbel"));
    EXPECT_FALSE(neueGruppe(u"Bidenhänder [2H]"));
    EXPECT_TRUE(neueGruppe(u"Krummsäbel"));
    EXPECT_FALSE(neueGruppe(u"Flamberge [2H]"));
    EXPECT_TRUE(neueGruppe(u"Krummschwert"));
    EXPECT_FALSE(neueGruppe(u"Elbenbann [2H]"));
    EXPECT_FALSE(neueGruppe(u"Felsenspalter [2H]"));
    EXPECT_TRUE(neueGruppe(u"Barbarenaxt"));
    // Bows with their arrows: "II  Birke" opens with the Jagdpfeile.
    EXPECT_TRUE(neueGruppe(u"Jagdpfeile"));
    EXPECT_FALSE(neueGruppe(u"Kompositbogen"));
    EXPECT_TRUE(neueGruppe(u"Kriegspfeile"));
    // Buildings by kind: Forstanlage, Steinbruch and Bergwerk are three groups.
    EXPECT_FALSE(neueGruppe(u"Forstanlage II"));
    EXPECT_TRUE(neueGruppe(u"Steinbruch I"));
    EXPECT_TRUE(neueGruppe(u"Bergwerk I"));
    EXPECT_FALSE(neueGruppe(u"Lager IX"));
    // Crafting materials: the tiers 0, 10 and 20 are three groups.
    EXPECT_FALSE(neueGruppe(u"Mörtel"));
    EXPECT_TRUE(neueGruppe(u"Schleifstein"));
    EXPECT_FALSE(neueGruppe(u"Elbenhaar"));
    EXPECT_TRUE(neueGruppe(u"Griffband"));
    // Gems, three to a tier.
    EXPECT_FALSE(neueGruppe(u"Kristall"));
    EXPECT_TRUE(neueGruppe(u"Jaspis"));
    // Wood, stone and ore each through their five tiers.
    EXPECT_FALSE(neueGruppe(u"Birkenholz"));
    EXPECT_TRUE(neueGruppe(u"Kalkstein"));
    EXPECT_FALSE(neueGruppe(u"Eisenbarren"));
    // Building components, four to a tier.
    EXPECT_FALSE(neueGruppe(u"Buchen-Stützbalken"));
    EXPECT_TRUE(neueGruppe(u"Sand-Mauerstück"));
}

struct DatenTest : ::testing::Test {
    TKatalog k;
    TCraftingZustand c;
    TOptionen o;
    double naechste = 0.0;
    TErinnerteWerte erinnert;
    void SetUp() override
    {
        KatalogFuellen(k);
        CraftingZustandAnlegen(k, c);
    }
    TEinstellungsDaten D() { return {k, c, o, naechste, erinnert}; }
};

TEST_F(DatenTest, LesenUndUnveraendertUebernehmenAendertNichts)
{
    c.Rohstoffpreise[3].Verkaufspreis = 617.5;
    c.Handwerksgebaeude[2].Stufe = 4;
    o.Wirkung[21] = 1.35;
    const TCraftingZustand vorher = c;
    const TEinstellungsWerte w = EinstellungenLesen(D());
    EXPECT_EQ(w.Verkauf[3], QStringLiteral("617,50"));
    EXPECT_EQ(w.Wirkung[21], QStringLiteral("1,35"));
    EXPECT_EQ(w.Stufenposition[2], 3);
    EXPECT_TRUE(w.Einkauf[600].isEmpty());
    EinstellungenUebernehmen(D(), w, 45000.0);
    for (int i = 1; i <= AnzahlWaren; ++i)
        EXPECT_EQ(c.Warenpreise[i].Verkaufspreis, vorher.Warenpreise[i].Verkaufspreis);
    EXPECT_EQ(c.Rohstoffpreise[3].Verkaufspreis, 617.5);
    EXPECT_EQ(c.Handwerksgebaeude[2].Stufe, 4);
    EXPECT_EQ(o.Wirkung[21], 1.35);
    EXPECT_EQ(naechste, 0.0);
}

TEST_F(DatenTest, OkaySpeichertWeltenSchalterUndPreise)
{
    auto rezepte = [this] {
        std::vector<int32_t> r;
        for (const TWare &ware : k.WarenTabelle) {
            r.push_back(ware.Menge);
            r.push_back(ware.Rezeptpreis);
            for (const TZutatenEintrag &z : ware.Zutaten)
                r.push_back(z.Anzahl);
        }
        return r;
    };
    const std::vector<int32_t> zyrthania = rezepte();
    TEinstellungsWerte w = EinstellungenLesen(D());
    w.BSRAlteWelt = true;
    w.CPAlteWelt = true;
    w.Verkauf[1] = QStringLiteral("1");
    w.Einkauf[1] = QStringLiteral("4,5");
    w.Verkauf[719] = QStringLiteral("12345");
    w.Wirkung[0] = QStringLiteral("150"); // imported, not yet validated
    w.Stufenposition[1] = 4;
    w.Schichtkosten[1] = 300;
    EinstellungenUebernehmen(D(), w, 45000.0);
    EXPECT_EQ(o.BSRWorld, 1);
    // The recipe rules are switched by the session, which stores the world (CraftingweltSetzen).
    EXPECT_EQ(rezepte(), zyrthania);
    EXPECT_EQ(o.CPWorld, 1);
    EXPECT_EQ(c.Rohstoffpreise[1].Verkaufspreis, 1.0);
    EXPECT_EQ(c.Rohstoffpreise[1].Einkaufspreis, 4.5);
    EXPECT_EQ(c.Gebaeudepreise[124].Verkaufspreis, 12345.0);
    EXPECT_EQ(o.Wirkung[0], 1.5);
    EXPECT_EQ(c.Handwerksgebaeude[1].Stufe, 5);
    EXPECT_EQ(c.Handwerksgebaeude[1].Schichtkosten, 300);
}

TEST_F(DatenTest, AutomatischerCheckBeimOkay)
{
    const double jetzt = 45000.5;
    TEinstellungsWerte w = EinstellungenLesen(D());
    naechste = 45001.0; // the next midnight stays
    EinstellungenUebernehmen(D(), w, jetzt);
    EXPECT_EQ(naechste, 45001.0);
    naechste = VersionspruefungAus;
    w = EinstellungenLesen(D());
    EXPECT_FALSE(w.AutoUpdate);
    w.AutoUpdate = true;
    EinstellungenUebernehmen(D(), w, jetzt);
    EXPECT_EQ(naechste, 0.0);
    w.AutoUpdate = false;
    EinstellungenUebernehmen(D(), w, jetzt);
    EXPECT_EQ(naechste, VersionspruefungAus);
}

TEST_F(DatenTest, ZuruecksetzenAufMarktwerte)
{
    c.Warenpreise[30].Verkaufspreis = 1.0;
    c.Handwerksgebaeude[5] = {c.Handwerksgebaeude[5].Name, 3, 99};
    erinnert.Alle[4] = 150;
    erinnert.GebaeudeMaster = 2;
    HandwerksparameterZuruecksetzen(D());
    EXPECT_EQ(c.Warenpreise[30].Verkaufspreis, k.WarenTabelle[30].Preis);
    EXPECT_EQ(c.Handwerksgebaeude[5].Stufe, 1);
    EXPECT_EQ(c.Handwerksgebaeude[5].Schichtkosten, 25);
    EXPECT_EQ(erinnert.Alle[4], 100);
    EXPECT_EQ(erinnert.GebaeudeMaster, 0);
}

} // namespace
