#include "Hilfen.h"

#include "base/Meldung.h"
#include "crafting/Bauliste.h"

#include <gtest/gtest.h>

namespace mvt {
namespace {

using test::Katalog;
using test::Zeile;

const TBaulistenKnoten &Eintrag(const TBauliste &b, int i)
{
    return b.Eintraege.at(static_cast<size_t>(i));
}

TEST(Bauliste, KurzschwertBaumReichtBisZuRohstoffen)
{
    TBauliste b;
    ASSERT_EQ(ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 2), TAenderung::Geaendert);
    ASSERT_EQ(b.Anzahl(), 1);
    const TBaulistenKnoten &e = Eintrag(b, 0);
    EXPECT_EQ(KnotenText(Katalog(), e), "2 Kurzschwert");
    ASSERT_EQ(e.AnzahlKinder(), 2);
    const TBaulistenKnoten &barren = e.Kinder[0];
    const TBaulistenKnoten &oel = e.Kinder[1];
    EXPECT_EQ(KnotenText(Katalog(), barren), "14 Kupferbarren");
    EXPECT_EQ(barren.Art, ArtZutat);
    EXPECT_EQ(KnotenText(Katalog(), oel), "10 Schmiedeöl");
    ASSERT_EQ(barren.AnzahlKinder(), 2);
    EXPECT_EQ(KnotenText(Katalog(), barren.Kinder[0]), "14 Kupfererz");
    EXPECT_EQ(KnotenText(Katalog(), barren.Kinder[1]), "2.80 Steinkohle");
    EXPECT_TRUE(barren.Kinder[0].Kinder.empty()) << "extracted ore has no marker";
    // Bought materials carry one hidden marker child of the same quantity.
    ASSERT_EQ(oel.AnzahlKinder(), 1);
    EXPECT_EQ(oel.Kinder[0].Index, oel.Index);
    EXPECT_DOUBLE_EQ(oel.Kinder[0].Menge, 10.0);
    EXPECT_FALSE(KinderSichtbar(oel));
    ASSERT_EQ(barren.Kinder[1].AnzahlKinder(), 1);
}

TEST(Bauliste, EinheitenBeimHinzufuegen)
{
    TBauliste b;
    const int64_t holz = Einheit(Katalog(), ArtRohstoff, Zeile(u"Buchenholz"));
    EXPECT_EQ(holz, 6);
    ZurBaulisteHinzufuegen(Katalog(), b, "Buchenholz", holz);
    EXPECT_EQ(KnotenText(Katalog(), Eintrag(b, 0)), "6 Buchenholz");
    EXPECT_TRUE(Eintrag(b, 0).Kinder.empty());

    ZurBaulisteHinzufuegen(Katalog(), b, "Salz", 1);
    EXPECT_EQ(KnotenText(Katalog(), Eintrag(b, 1)), "1 Salz");
    EXPECT_EQ(Eintrag(b, 1).AnzahlKinder(), 1);

    // Zyrthania: one kit of "Jagdpfeile" is 163 pieces.
    const int32_t pfeile = Einheit(Katalog(), ArtWare, Zeile(u"Jagdpfeile"));
    EXPECT_EQ(pfeile, 163);
    ZurBaulisteHinzufuegen(Katalog(), b, "Jagdpfeile", 3 * pfeile);
    const TBaulistenKnoten &e = Eintrag(b, 2);
    EXPECT_DOUBLE_EQ(e.Menge, 489.0);
    const TWare *w = Ware(Katalog(), e.Index);
    ASSERT_EQ(e.AnzahlKinder(), AnzahlZutaten(Katalog(), e.Index));
    for (int s = 0; s < e.AnzahlKinder(); ++s)
        EXPECT_DOUBLE_EQ(e.Kinder[s].Menge, 3.0 * w->Zutaten[s].Anzahl);

    EXPECT_EQ(Einheit(Katalog(), ArtGebaeude, Zeile(u"Schmiede I")), 1);
    EXPECT_EQ(Einheit(Katalog(), ArtRohstoff, Zeile(u"Saphir")), 1);
    EXPECT_EQ(Einheit(Katalog(), ArtKeine, 3), 1);
}

TEST(Bauliste, HinzufuegenVorhandenerEintraegeUndReihenfolge)
{
    TBauliste b;
    EXPECT_EQ(ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 0), TAenderung::Keine);
    EXPECT_EQ(ZurBaulisteHinzufuegen(Katalog(), b, "Gibt es nicht", 3), TAenderung::Keine);
    EXPECT_EQ(ZurBaulisteHinzufuegen(Katalog(), b, "Schwert (Training)", 3), TAenderung::Keine);
    EXPECT_TRUE(b.Leer());

    ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 1);
    ZurBaulisteHinzufuegen(Katalog(), b, "Buchenholz", 6);
    ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 2);
    ASSERT_EQ(b.Anzahl(), 2);
    EXPECT_EQ(KnotenText(Katalog(), Eintrag(b, 0)), "3 Kurzschwert");
    EXPECT_DOUBLE_EQ(Eintrag(b, 0).Kinder[0].Menge, 21.0);
    // The cursor was on the first entry; a new item still goes to the end.
    ZurBaulisteHinzufuegen(Katalog(), b, "Saphir", 1);
    EXPECT_EQ(KnotenName(Katalog(), Eintrag(b, 2).Art, Eintrag(b, 2).Index), "Saphir");
    EXPECT_EQ(b.Aktuell, 2);
}

TEST(Bauliste, FestlegenAbziehenUndLoeschen)
{
    TBauliste b;
    ZurBaulisteHinzufuegen(Katalog(), b, "Buchenholz", 12);
    ZurBaulisteHinzufuegen(Katalog(), b, "Kurzschwert", 1);
    ZurBaulisteHinzufuegen(Katalog(), b, "Birkenholz", 5);

    EXPECT_EQ(BausatzAbziehen(Katalog(), b, "Buchenholz"), TAenderung::Geaendert);
    EXPECT_DOUBLE_EQ(Eintrag(b, 0).Menge, 6.0);
    EXPECT_EQ(BausatzAbziehen(Katalog(), b, "Buchenholz"), TAenderung::Geloescht);
    ASSERT_EQ(b.Anzahl(), 2);
    EXPECT_EQ(b.Aktuell, 0) << "the next entry becomes current";

    // 5 pieces with a kit of 5 ("Birkenholz", tier 5) leave nothing.
    EXPECT_EQ(Einheit(Katalog(), ArtRohstoff, Zeile(u"Birkenholz")), 5);
    EXPECT_EQ(BausatzAbziehen(Katalog(), b, "Birkenholz"), TAenderung::Geloescht);
    EXPECT_EQ(b.Aktuell, 0) << "the previous entry when the last one went";

    EXPECT_EQ(MengeFestlegen(Katalog(), b, "Kurzschwert", 4), TAenderung::Geaendert);
    EXPECT_DOUBLE_EQ(Eintrag(b, 0).Kinder[1].Menge, 20.0);
    EXPECT_EQ(MengeFestlegen(Katalog(), b, "Kurzschwert", -1), TAenderung::Keine);
    EXPECT_EQ(MengeFestlegen(Katalog(), b, "Saphir", 3), TAenderung::Keine);
    EXPECT_EQ(MengeFestlegen(Katalog(), b, "Kurzschwert", 0), TAenderung::Geloescht);
    EXPECT_TRUE(b.Leer());
    EXPECT_EQ(b.Aktuell, -1);
    EintragLoeschen(b); // nothing left to remove: no effect
    EXPECT_TRUE(b.Leer());
}

TEST(Bauliste, GebaeudeMitBauteilen)
{
    TBauliste b;
    ZurBaulisteHinzufuegen(Katalog(), b, "Schmiede I", 2);
    const TBaulistenKnoten &e = Eintrag(b, 0);
    ASSERT_EQ(e.AnzahlKinder(), 4);
    EXPECT_EQ(KnotenText(Katalog(), e.Kinder[0]), "4 Kalk-Mauerstück");
    EXPECT_EQ(KnotenText(Katalog(), e.Kinder[1]), "2 Kalk-Bodenplatte");
    EXPECT_EQ(KnotenText(Katalog(), e.Kinder[2]), "2 Buchen-Dachkonstrukt");
    EXPECT_EQ(KnotenText(Katalog(), e.Kinder[3]), "4 Buchen-Stützbalken");
    for (const TBaulistenKnoten &bauteil : e.Kinder) {
        EXPECT_EQ(bauteil.Art, ArtWare);
        EXPECT_FALSE(bauteil.Kinder.empty());
    }
}

// Rescaling a tree must give the same quantities as building it for that quantity.
TEST(Bauliste, MengeSetzenEntsprichtNeuemBaum)
{
    auto vergleichen = [](const TBaulistenKnoten &a, const TBaulistenKnoten &b, auto &selbst) -> void {
        ASSERT_EQ(a.AnzahlKinder(), b.AnzahlKinder());
        EXPECT_NEAR(a.Menge, b.Menge, 1e-9 * std::max(1.0, b.Menge));
        for (int i = 0; i < a.AnzahlKinder(); ++i)
            selbst(a.Kinder[i], b.Kinder[i], selbst);
    };
    const std::pair<uint8_t, int> arten[] = {{ArtWare, AnzahlWaren},
                                             {ArtGebaeude, AnzahlGebaeude},
                                             {ArtZutat, AnzahlZutatGueter},
                                             {ArtRohstoff, AnzahlRohstoffe}};
    for (auto [art, anzahl] : arten) {
        for (int i = 1; i <= anzahl; ++i) {
            TBaulistenKnoten umgesetzt{art, i, 1.0, -1, {}};
            ZutatenBaumAnlegen(Katalog(), umgesetzt);
            MengeSetzen(Katalog(), umgesetzt, 7.0);
            TBaulistenKnoten neu{art, i, 7.0, -1, {}};
            ZutatenBaumAnlegen(Katalog(), neu);
            vergleichen(umgesetzt, neu, vergleichen);
        }
    }
}

TEST(Bauliste, UngueltigeKategorieMeldetUndBleibtLeer)
{
    MeldungsRekorder rekorder;
    TBaulistenKnoten n{ArtWare, 9999, 1.0, -1, {}};
    ZutatenBaumAnlegen(Katalog(), n);
    EXPECT_TRUE(n.Kinder.empty());
    ASSERT_EQ(rekorder.Meldungen.size(), 1);
    EXPECT_EQ(rekorder.Meldungen[0], "Fehler in Unit4.ZutatenBaumAnlegen. Ungültige Item-Kategorie!");
}

TEST(Bauliste, KnotentexteZerlegen)
{
    EXPECT_EQ(ItemNameAusKnotentext("12 Bastardschwert [2H]"), "Bastardschwert [2H]");
    EXPECT_EQ(ItemNameAusKnotentext("3 Forstanlage IV"), "Forstanlage IV");
    EXPECT_EQ(ItemNameAusKnotentext("163 Jagdpfeile"), "Jagdpfeile");
    EXPECT_EQ(ItemNameAusKnotentext("2.50 Saphir"), "Saphir"); // a fraction from a hand-edited file
    EXPECT_EQ(MengeAusKnotentext("12 Bastardschwert [2H]"), 12);
    EXPECT_EQ(MengeAusKnotentext("Kurzschwert"), 0);
    EXPECT_EQ(MengeAusKnotentext("99999999999999999999999 Kurzschwert"), 2147483647);
    // Every name survives the text form of the tree view.
    for (int i = 1; i <= AnzahlWaren; ++i) {
        TBaulistenKnoten n{ArtWare, i, 25.0, -1, {}};
        EXPECT_EQ(ItemNameAusKnotentext(KnotenText(Katalog(), n)), Katalog().WarenTabelle[i].Name);
    }
}

TEST(Bauliste, MengendialogTexte)
{
    auto texte = [](const char16_t *name, int modus) {
        const TItemRef r = test::Ref(name);
        return MengenDialogTexte(Katalog(), KnotenartAusTabellencode(r.Tabellencode), r.Index, modus);
    };
    TMengenDialogTexte t = texte(u"Buchenholz", DialogHinzufuegen);
    EXPECT_EQ(t.Titel, "Bausätze hinzufügen: 6 Buchenholz");
    EXPECT_EQ(t.Frage, "Wie viele Bausätze \"6 Buchenholz\" sollen der Bauliste hinzugefügt werden?");
    t = texte(u"Buchenbretter", DialogFestlegen);
    EXPECT_EQ(t.Titel, "Anzahl festlegen: 5 Buchenbretter");
    EXPECT_EQ(t.Frage, "Wie viele Bausätze \"5 Buchenbretter\" sollen in der Bauliste stehen?");
    EXPECT_EQ(texte(u"Kurzschwert", DialogHinzufuegen).Titel, "Bausätze hinzufügen: Kurzschwert");
    EXPECT_EQ(texte(u"Jagdpfeile", DialogHinzufuegen).Titel, "Bausätze hinzufügen: 163 Jagdpfeile");
    t = texte(u"Salz", DialogHinzufuegen);
    EXPECT_EQ(t.Titel, "Handwerksmaterial hinzufügen: Salz");
    EXPECT_EQ(t.Frage, "Wie viel Stück \"Salz\" sollen der Bauliste hinzugefügt werden?");
    EXPECT_EQ(texte(u"Saphir", DialogHinzufuegen).Titel, "Edelsteine hinzufügen: Saphir");
    EXPECT_EQ(texte(u"Saphir", DialogFestlegen).Titel, "Anzahl festlegen: Saphir");
    EXPECT_EQ(texte(u"Saphir", DialogFestlegen).Frage,
              "Wie viel Stück \"Saphir\" sollen in der Bauliste stehen?");
    const QString stoff = Katalog().RohstoffTabelle[16].Name; // first cloth
    EXPECT_EQ(MengenDialogTexte(Katalog(), ArtRohstoff, 16, DialogHinzufuegen).Titel,
              "Rohstoff hinzufügen: " + stoff);
    t = texte(u"Tempel II", DialogHinzufuegen);
    EXPECT_EQ(t.Titel, "Gebäude hinzufügen: Tempel II");
    EXPECT_EQ(t.Frage, "Wie viele Gebäude vom Typ \"Tempel II\" sollen der Bauliste hinzugefügt werden?");
    EXPECT_EQ(texte(u"Tempel II", DialogFestlegen).Frage,
              "Wie viele Gebäude vom Typ \"Tempel II\" sollen in der Bauliste stehen?");

    TBauliste b;
    ZurBaulisteHinzufuegen(Katalog(), b, "Buchenholz", 20);
    const int holz = Zeile(u"Buchenholz");
    EXPECT_EQ(MengenDialogStartwert(Katalog(), b, ArtRohstoff, holz, DialogHinzufuegen), 1);
    EXPECT_EQ(MengenDialogStartwert(Katalog(), b, ArtRohstoff, holz, DialogFestlegen), 3); // 20 / 6
}

} // namespace
} // namespace mvt
