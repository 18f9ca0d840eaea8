#include "Hilfen.h"

#include "base/Meldung.h"

#include <gtest/gtest.h>

namespace mvt {
namespace {

using test::Katalog;
using test::MitListe;
using test::Zeile;

struct Zeileninhalt {
    QString Name;
    double Menge;
    bool operator==(const Zeileninhalt &) const = default;
};

std::vector<Zeileninhalt> Inhalt(const TBedarfsliste &l)
{
    std::vector<Zeileninhalt> v;
    for (const TSammelEintrag &z : l.Zeilen)
        v.push_back({KnotenName(Katalog(), z.Art, z.Index), z.Menge});
    return v;
}

void PrintTo(const Zeileninhalt &z, std::ostream *os)
{
    *os << z.Name.toStdString() << " " << z.Menge;
}

TEST(Kostenmodell, Herstellungsdauer)
{
    const TCraftingZustand c = test::NeuerZustand();
    TOptionen o;
    auto dauer = [&](const char16_t *name, double m, const TCraftingZustand &z) {
        const TItemRef r = test::Ref(name);
        return Herstellungsdauer(Katalog(), z, o, KnotenartAusTabellencode(r.Tabellencode), r.Index, m);
    };
    THerstellung h = dauer(u"Buchenholz", 12, c);
    EXPECT_DOUBLE_EQ(h.Minuten, 360.0);
    EXPECT_EQ(h.Gebaeude, 1);
    h = dauer(u"Buchenbretter", 10, c);
    EXPECT_DOUBLE_EQ(h.Minuten, 120.0);
    EXPECT_EQ(h.Gebaeude, 4);
    EXPECT_EQ(dauer(u"Saphir", 3, c).Gebaeude, GebaeudeGekauft);
    EXPECT_EQ(dauer(u"Saphir", 3, c).Minuten, 0.0);
    EXPECT_EQ(dauer(u"Schmiede I", 1, c).Gebaeude, GebaeudeKeins);
    h = dauer(u"Kurzschwert", 1, c);
    EXPECT_DOUBLE_EQ(h.Minuten, 420.0);
    EXPECT_EQ(h.Gebaeude, 9);

    // Level V of the Schmiede, then a potency of 1,40 for swords on top.
    TCraftingZustand stufe5 = c;
    stufe5.Handwerksgebaeude[9].Stufe = 5;
    EXPECT_NEAR(dauer(u"Kurzschwert", 1, stufe5).Minuten, 350.0, 1e-9);
    o.Wirkung[WirkungsindexHandwerk(6)] = 1.4;
    EXPECT_NEAR(dauer(u"Kurzschwert", 1, stufe5).Minuten, 250.0, 1e-9);
    o.CalcPotency = false;
    EXPECT_NEAR(dauer(u"Kurzschwert", 1, stufe5).Minuten, 350.0, 1e-9);
    // The building level does not speed up extraction; the potency does.
    stufe5.Handwerksgebaeude[1].Stufe = 5;
    o.CalcPotency = true;
    o.Wirkung[WirkungsindexHandwerk(1)] = 2.0;
    EXPECT_DOUBLE_EQ(dauer(u"Buchenholz", 12, stufe5).Minuten, 180.0);
    // A potency that could not come from the settings is never divided by.
    o.Wirkung[WirkungsindexHandwerk(1)] = 0.0;
    EXPECT_DOUBLE_EQ(dauer(u"Buchenholz", 12, stufe5).Minuten, 360.0);

    EXPECT_DOUBLE_EQ(Schichtkostenanteil(c, 9, 420.0), 25.0 * 420.0 / 180.0);
    EXPECT_EQ(Schichtkostenanteil(c, GebaeudeGekauft, 420.0), 0.0);
    EXPECT_EQ(GebaeudeStufenFaktor(3), 0.9090909090909091);
    EXPECT_EQ(GebaeudeStufenFaktor(9), 1.0);
}

TEST(Kostenmodell, BedarfslistenKurzschwert)
{
    const TCraftingZustand c = MitListe({{"Kurzschwert", 1}});
    using V = std::vector<Zeileninhalt>;
    EXPECT_EQ(Inhalt(c.Bedarfsliste1), (V{{"Kupferbarren", 7}, {"Schmiedeöl", 5}}));
    EXPECT_EQ(Inhalt(c.Bedarfsliste2), (V{{"Kupfererz", 7}, {"Steinkohle", 1.4}, {"Schmiedeöl", 5}}));
    EXPECT_EQ(Inhalt(c.Bedarfsliste3), (V{{"Steinkohle", 1.4}, {"Schmiedeöl", 5}}));
    EXPECT_EQ(Inhalt(c.Bedarfsliste4), (V{{"Steinkohle", 1.4}, {"Schmiedeöl", 5}}));

    EXPECT_EQ(c.BenoetigteGebaeude[1].Anzahl, 1);
    EXPECT_EQ(c.BenoetigteGebaeude[1].Erstes, 9);
    EXPECT_EQ(c.BenoetigteGebaeude[2].Anzahl, 2);
    EXPECT_TRUE(c.BenoetigteGebaeude[2].Enthalten[6]);
    EXPECT_EQ(c.BenoetigteGebaeude[3].Anzahl, 3);
    EXPECT_TRUE(c.BenoetigteGebaeude[3].Enthalten[3]);
    EXPECT_EQ(c.BenoetigteGebaeude[4].Anzahl, 3);
    EXPECT_EQ(c.BenoetigteGebaeude[4].Erstes, 9);
}

TEST(Kostenmodell, BedarfslistenSonderfaelle)
{
    // Only extracted raw materials: nothing to buy anywhere.
    TCraftingZustand c = MitListe({{"Buchenholz", 12}, {"Kupfererz", 6}});
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(c.Bedarfsliste(k)->Anzahl(), 0);
    EXPECT_EQ(c.BenoetigteGebaeude[4].Anzahl, 2);

    // A gem is bought on every level and needs no building.
    c = MitListe({{"Saphir", 2}});
    for (int k = 1; k <= 4; ++k) {
        ASSERT_EQ(c.Bedarfsliste(k)->Anzahl(), 1);
        EXPECT_EQ(Inhalt(*c.Bedarfsliste(k))[0], (Zeileninhalt{"Saphir", 2}));
    }
    EXPECT_EQ(c.BenoetigteGebaeude[4].Erstes, 0);

    // Raw wood straight in a kit: bought in mode 1, extracted from mode 2 on.
    c = MitListe({{"Kriegsbolzen", 57}});
    const int eiche = Zeile(u"Eichenholz");
    auto enthaelt = [&](const TBedarfsliste &l) {
        for (const TSammelEintrag &z : l.Zeilen)
            if (z.Art == ArtRohstoff && z.Index == eiche)
                return true;
        return false;
    };
    EXPECT_TRUE(enthaelt(c.Bedarfsliste1));
    EXPECT_FALSE(enthaelt(c.Bedarfsliste2));
    EXPECT_TRUE(c.BenoetigteGebaeude[2].Enthalten[1]);

    // Two woods of the same Forstanlage count as one kind.
    c = MitListe({{"Buchen-Stützbalken", 1}, {"Birken-Stützbalken", 1}});
    EXPECT_EQ(c.BenoetigteGebaeude[1].Anzahl, 1);
    EXPECT_EQ(c.BenoetigteGebaeude[2].Anzahl, 2);
    EXPECT_EQ(c.BenoetigteGebaeude[3].Anzahl, 3);
    EXPECT_EQ(c.BenoetigteGebaeude[4].Anzahl, 3);
}

TEST(Kostenmodell, PreiseSetzenUndProzente)
{
    MeldungsRekorder rekorder;
    TCraftingZustand c = test::NeuerZustand();
    const int schwert = Zeile(u"Kurzschwert");
    EXPECT_EQ(c.Warenpreise[schwert].Verkaufspreis, 1200.0);

    EXPECT_EQ(VerkaufspreisSetzen(Katalog(), c, "Kurzschwert", "1236,5"), 103);
    EXPECT_EQ(c.Warenpreise[schwert].Verkaufspreis, 1236.5);
    EXPECT_EQ(Prozent(617.5, 600.0), 103);
    EXPECT_EQ(Prozent(6.0, 8.0), 75);
    EXPECT_EQ(Prozent(1.0, 0.0), 0);
    EXPECT_EQ(PreisAusProzent(Katalog(), "Kurzschwert", 150), "1800");
    EXPECT_EQ(PreisAusProzent(Katalog(), "Buchenholz", 33), "6,60");
    EXPECT_EQ(PreisProzent(Katalog(), "Buchenholz", "30"), 150);
    EXPECT_EQ(c.Rohstoffpreise[Zeile(u"Buchenholz")].Verkaufspreis, 20.0) << "PreisProzent stores nothing";

    EXPECT_EQ(EinkaufspreisSetzen(Katalog(), c, "Kupferbarren", "30"), 50);
    EXPECT_EQ(c.Zutatpreise[Zeile(u"Kupferbarren")].Einkaufspreis, 30.0);

    // Buildings: sale price against Gebaeudewert; no purchase price.
    const int forst = Zeile(u"Forstanlage I");
    EXPECT_EQ(c.Gebaeudepreise[forst].Verkaufspreis, 10400.0);
    EXPECT_EQ(VerkaufspreisSetzen(Katalog(), c, "Forstanlage I", "5200"), 50);
    EXPECT_FALSE(EinkaufspreisSetzen(Katalog(), c, "Forstanlage I", "1"));
    EXPECT_EQ(PreisAusProzent(Katalog(), "Forstanlage I", 50), "5200");

    // Nothing stored: empty text, unknown name, and a text that is no number (reported).
    EXPECT_TRUE(rekorder.Meldungen.isEmpty());
    EXPECT_FALSE(VerkaufspreisSetzen(Katalog(), c, "Kurzschwert", ""));
    EXPECT_FALSE(VerkaufspreisSetzen(Katalog(), c, "Gibt es nicht", "5"));
    EXPECT_FALSE(VerkaufspreisSetzen(Katalog(), c, "Kurzschwert", "1,2,3"));
    EXPECT_EQ(c.Warenpreise[schwert].Verkaufspreis, 1236.5);
    ASSERT_EQ(rekorder.Meldungen.size(), 1);
    EXPECT_EQ(rekorder.Meldungen[0], "'1,2,3' is not a valid floating point value");

    c.Handwerksgebaeude[9] = {"Schmiede", 4, 60};
    PreiseZuruecksetzen(Katalog(), c);
    EXPECT_EQ(c.Warenpreise[schwert].Verkaufspreis, 1200.0);
    EXPECT_EQ(c.Zutatpreise[Zeile(u"Kupferbarren")].Einkaufspreis, 60.0);
    EXPECT_EQ(c.Gebaeudepreise[forst].Verkaufspreis, 10400.0);
    EXPECT_EQ(c.Handwerksgebaeude[9].Stufe, 1);
    EXPECT_EQ(c.Handwerksgebaeude[9].Schichtkosten, 25);
}

} // namespace
} // namespace mvt
