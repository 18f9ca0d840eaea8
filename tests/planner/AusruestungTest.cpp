#include "planner/Ausruestung.h"
#include "planner/Planer.h"
#include "PlanerTestKatalog.h"

#include <gtest/gtest.h>

#include <random>

using namespace mvt;
using namespace mvt::planer;

namespace {

TPlaner Frisch()
{
    TPlaner p;
    PlanerStarten(p);
    return p;
}

} // namespace

TEST(AusruestungWahl, BidenhaenderWirdPlusEins)
{
    TPlaner p = Frisch();
    ASSERT_TRUE(WaehleAusruestung(p, Katalog(), SlotHauptwaffe, QString::fromUtf8("Bidenhänder [2H]")));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 2);
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 36);
    EXPECT_EQ(p.Werte.Hauptwaffe.MaxSchaden, 53);
    EXPECT_EQ(p.Werte.Hauptwaffe.Angriffe, 3);
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Beschriftung, QString::fromUtf8("Bidenhänder [2H] +1"));
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Beschriftung, QString::fromUtf8("- von Zweihänder belegt -"));
    EXPECT_EQ(p.Arten[PosNebenwaffe], 7);
    EXPECT_EQ(p.Anzeige.Nahkampf.Waffen[0].Name, QString::fromUtf8("Bidenhänder [2H] +1"));

    // Enchanted: the caption stays, the hint carries the name before "[2H]".
    SetzeVerzauberung(p, SlotHauptwaffe, VerzauberungAusName("der Kraft"));
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Beschriftung, QString::fromUtf8("Bidenhänder [2H] +1"));
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Hinweis, QString::fromUtf8("Bidenhänder der Kraft [2H] +1"));
    EXPECT_EQ(p.Charakter.Staerke, 2);
    EXPECT_EQ(p.Charakter.Attributpunkte, 52);

    // With Ctrl held the preset stays at +0.
    ASSERT_TRUE(
        WaehleAusruestung(p, Katalog(), SlotHauptwaffe, QString::fromUtf8("Bidenhänder [2H]"), false, true));
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 35);
    EXPECT_EQ(p.Werte.Hauptwaffe.MaxSchaden, 52);
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Beschriftung, QString::fromUtf8("Bidenhänder [2H]"));
    EXPECT_EQ(p.Charakter.Staerke, 0); // the enchantment went with the old weapon
    EXPECT_EQ(p.Charakter.Attributpunkte, 50);
}

TEST(AusruestungWahl, AufwertungNachKategorie)
{
    TPlaner p = Frisch();
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Bidenaxt [2H]");
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 35);
    EXPECT_EQ(p.Werte.Hauptwaffe.MaxSchaden, 57);
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Axt");
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 10);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 0); // one-handed frees the off hand
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Beschriftung, "- keine Nebenhand -");
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Handarmbrust");
    EXPECT_EQ(p.Werte.Fernwaffe.MinSchaden, 34);
    EXPECT_EQ(p.Werte.Fernwaffe.MaxSchaden, 54);
    WaehleAusruestung(p, Katalog(), SlotHelm, "Mithril-Plattenhelm");
    EXPECT_DOUBLE_EQ(p.Werte.Ruestung[PosHelm].Absorb, 4.9);
    EXPECT_EQ(p.Arten[PosHelm], 2);
    WaehleAusruestung(p, Katalog(), SlotNebenwaffe, "Lederschild");
    EXPECT_DOUBLE_EQ(p.Werte.Schild.RuestschutzBeiBlock, 27.0);
    // Middle button switches back and forth; training items cannot be upgraded.
    SchalteAufwertung(p, Katalog(), SlotNebenwaffe);
    EXPECT_DOUBLE_EQ(p.Werte.Schild.RuestschutzBeiBlock, 26.0);
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Beschriftung, "Lederschild");
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Schwert (Training)");
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 6);
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Aufwertung, 0);
}

TEST(AusruestungWahl, SchildVerdraengtZweihaender)
{
    TPlaner p = Frisch();
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Bastardschwert [2H]");
    SetzeVerzauberung(p, SlotHauptwaffe, VerzauberungAusName("der Übung"));
    EXPECT_EQ(p.Charakter.Geschick, 2);
    ASSERT_TRUE(WaehleAusruestung(p, Katalog(), SlotNebenwaffe, "Eckschild"));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 0);
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Beschriftung, "- keine Waffe -");
    EXPECT_EQ(p.Arten[PosNebenwaffe], 6);
    EXPECT_EQ(p.Charakter.Geschick, 0);
    EXPECT_TRUE(p.Anzeige.Nahkampf.SchildblockSichtbar);
    // Emptying a blocked off hand is refused.
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Pike [2H]");
    LeereSlot(p, SlotNebenwaffe);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 7);
    LeereSlot(p, SlotHauptwaffe);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 0);
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Beschriftung, "- keine Nebenhand -");
}

TEST(AusruestungWahl, MunitionFolgtDerFernwaffe)
{
    TPlaner p = Frisch();
    EXPECT_FALSE(p.Slots[SlotMunition].Sichtbar);
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Kurzbogen");
    EXPECT_TRUE(p.Slots[SlotMunition].Sichtbar);
    EXPECT_FALSE(p.Slots[SlotZauber].Sichtbar);
    EXPECT_EQ(p.Arten[PosMunition], 1);
    EXPECT_EQ(p.Slots[SlotMunition].Beschriftung, "Pfeile +1");
    WaehleAusruestung(p, Katalog(), SlotMunition, "Jagdpfeile", false, true); // ammunition is always upgraded
    EXPECT_EQ(p.Werte.Munition.Wirkung, 3);
    EXPECT_EQ(p.Werte.Munition.KritischeTreffer, 1);
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Langbogen");
    EXPECT_EQ(p.Slots[SlotMunition].Beschriftung, "Jagdpfeile +1");
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Armbrust");
    EXPECT_EQ(p.Arten[PosMunition], 2);
    EXPECT_EQ(p.Slots[SlotMunition].Beschriftung, "Bolzen +1");
    EXPECT_FALSE(WaehleAusruestung(p, Katalog(), SlotMunition, "Jagdpfeile")); // not in the bolt menu
    EXPECT_TRUE(p.Anzeige.Fernkampf.Sichtbar);

    // A staff needs a spell before the ranged column appears.
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Feuer-Stecken");
    EXPECT_EQ(p.Slots[SlotMunition].Beschriftung, "Magieessenz +1");
    EXPECT_TRUE(p.Slots[SlotZauber].Sichtbar);
    EXPECT_FALSE(p.Anzeige.Fernkampf.Sichtbar);
    ASSERT_TRUE(WaehleZauber(p, Katalog(), "Feuerpfeil"));
    EXPECT_TRUE(p.Anzeige.Fernkampf.Sichtbar);
    EXPECT_EQ(p.Anzeige.Fernkampf.Waffen[0].Name, "Feuerpfeil");
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Kurzbogen");
    EXPECT_EQ(p.Arten[PosZauberElement], 0);
    EXPECT_EQ(p.Slots[SlotZauber].Beschriftung, "- kein Zauber -");

    LeereSlot(p, SlotFernkampf);
    EXPECT_EQ(p.Arten[PosMunition], 0);
    EXPECT_FALSE(p.Slots[SlotMunition].Sichtbar);
    EXPECT_EQ(p.Ansicht, TAnsicht::Nahkampf);
}

TEST(AusruestungWahl, ShiftBehaeltVerzauberung)
{
    TPlaner p = Frisch();
    WaehleAusruestung(p, Katalog(), SlotHelm, "Leinen-Haube");
    SetzeVerzauberung(p, SlotHelm, VerzauberungAusName("der Ausdauer"));
    EXPECT_EQ(p.Charakter.Konstitution, 1);
    EXPECT_EQ(p.Slots[SlotHelm].Hinweis, "Leinen-Haube der Ausdauer +1");
    WaehleAusruestung(p, Katalog(), SlotHelm, "Woll-Haube", true);
    EXPECT_EQ(p.Werte.Ruestung[PosHelm].Verzauberung, VerzauberungAusName("der Ausdauer"));
    EXPECT_EQ(p.Charakter.Konstitution, 1);
    EXPECT_EQ(p.Charakter.VerzKonstitution, 1);
    WaehleAusruestung(p, Katalog(), SlotHelm, "Leder-Helm");
    EXPECT_EQ(p.Werte.Ruestung[PosHelm].Verzauberung, 0);
    EXPECT_EQ(p.Charakter.Konstitution, 0);
    EXPECT_EQ(p.Charakter.VerzKonstitution, 0);
    EXPECT_EQ(p.Charakter.Attributpunkte, 50);
}

TEST(AusruestungWahl, EigeneTeileUndUngueltiges)
{
    TPlaner p = Frisch();
    EXPECT_FALSE(WaehleAusruestung(p, Katalog(), SlotHelm, "Kurzschwert"));
    EXPECT_FALSE(WaehleAusruestung(p, Katalog(), SlotHelm, "Gibt es nicht"));
    EXPECT_EQ(p.Arten[PosHelm], 0);
    ASSERT_TRUE(WaehleMenueEintrag(p, Katalog(), SlotHelm, "*eigener Schwerer Helm*"));
    EXPECT_EQ(p.Arten[PosHelm], 2);
    EXPECT_TRUE(p.Slots[SlotHelm].Eigenes);
    EXPECT_EQ(p.Slots[SlotHelm].Beschriftung, "*eigener Schwerer Helm*");
    ASSERT_TRUE(WaehleMenueEintrag(p, Katalog(), SlotHauptwaffe, "*eigene Stangenwaffe [2H]*"));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 8);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 7);
    SchalteAufwertung(p, Katalog(), SlotHauptwaffe); // own items stay at +0
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Aufwertung, 0);
    EXPECT_TRUE(WaehleMenueEintrag(p, Katalog(), SlotHelm, NichtsEintrag));
    EXPECT_EQ(p.Slots[SlotHelm].Beschriftung, "- kein Helm -");
}

TEST(AusruestungVerzauberung, NamenUndTexte)
{
    EXPECT_EQ(VerzauberungsZeile(VerzauberungsCode(VzKritischeTreffer, 5)),
              "des Seelenschmerzes (+1.5% Krit. Treffer)");
    EXPECT_EQ(VerzauberungsZeile(VerzauberungsCode(VzTraglast, 2)), "des Wegelagerers (+10 kg Traglast)");
    EXPECT_EQ(VerzauberungsZeile(VerzauberungsCode(VzAbsorb, 1)), "der Abwehr (+0.4 Absorb)");
    EXPECT_EQ(VerzauberungsZeile(VerzauberungsCode(VzStaerke, 3)), "der Wucht (+3 Staerke)");
    EXPECT_EQ(VerzauberungsZeile(VerzauberungsCode(VzLeben, 5)), "des Drachen (+15% Leben)");
    EXPECT_EQ(VerzauberungsName(VerzauberungsCode(VzAusweichen, 6)),
              QString::fromUtf8("Fehler: Ungültige Verzauberungsstufe!"));
    EXPECT_EQ(VerzauberungsName(VerzauberungsCode(VzLeben, 0)),
              QString::fromUtf8("Fehler: Ungültige Verzauberungsstufe!"));
    EXPECT_EQ(VerzauberungsName(0), "");
    EXPECT_EQ(VerzauberungAusName("des Wegelagerers"), VerzauberungsCode(VzTraglast, 2));
    EXPECT_EQ(VerzauberungAusName("des wegelagerers"), 0);
    EXPECT_EQ(VerzauberungAusMenue("des Drachen (+15% Leben)"), VerzauberungsCode(VzLeben, 5));
    EXPECT_EQ(VerzauberungAusMenue("- keine -"), 0);
    // Every one of the 55 names reads back to its code.
    int gefunden = 0;
    for (const TVerzauberungsGruppe &g : VerzauberungsMenue())
        for (const QString &e : g.Eintraege)
            gefunden += VerzauberungAusMenue(e) != 0;
    EXPECT_EQ(gefunden, 55);
}

TEST(AusruestungMenue, JederPresetIstImKatalog)
{
    for (int m = 0; m < AnzahlMenues; ++m) {
        for (const TMenueGruppe &g : MenueGruppen(static_cast<TMenue>(m))) {
            for (const QString &e : g.Eintraege) {
                if (IstEigenerEintrag(e)) {
                    EXPECT_TRUE(EigenesTeilArt(static_cast<TMenue>(m), e).has_value()) << e.toStdString();
                } else if (m == MenueZauber) {
                    EXPECT_GT(ZauberSuchen(Katalog(), e), 0) << e.toStdString();
                } else {
                    const TItemRef r = ItemSuchen(Katalog(), e);
                    EXPECT_TRUE(r.Tabellencode == TabelleWare || r.Tabellencode == TabelleTraining)
                        << e.toStdString();
                }
            }
        }
    }
    EXPECT_EQ(MenueGruppen(MenueHelm).size(), 3u);
    EXPECT_EQ(MenueGruppen(MenueHelm)[0].Eintraege.size(), 16);
    EXPECT_EQ(MenueGruppen(MenueHelm)[1].Eintraege.size(), 17);
    EXPECT_EQ(MenueGruppen(MenueZauber)[2].Eintraege.size(), 23);
}

TEST(AusruestungMenue, Hinweise)
{
    EXPECT_EQ(MenueHinweis(Katalog(), MenueHauptwaffe, "Kurzschwert"), "8-12, schnell (4 Angriffe), Stufe 1");
    EXPECT_EQ(MenueHinweis(Katalog(), MenueHelm, "Leinen-Haube"),
              QString::fromUtf8("0.0% Rüstschutz, 0.4 Absorb, Stufe 1"));
    EXPECT_EQ(MenueHinweis(Katalog(), MenueHelm, "Mithril-Plattenhelm"),
              QString::fromUtf8("4.0% Rüstschutz, 4.8 Absorb, 16% Behinderung, Stufe 25"));
    EXPECT_EQ(MenueHinweis(Katalog(), MenueNebenwaffe, "Lederschild"),
              QString::fromUtf8("4.0% Rüstschutz, 26.0% Rüstschutz bei Block, Stufe 1"));
    EXPECT_EQ(MenueHinweis(Katalog(), MenueFernkampf, "Feuer-Stecken").left(28),
              "+4% Wirkung, +2% Reichweite,");
    EXPECT_EQ(MenueHinweis(Katalog(), MenuePfeile, "Jagdpfeile"),
              "2% Wirkung, 1% Kritische Treffer, Stufe 0");
    EXPECT_EQ(MenueHinweis(Katalog(), MenueZauber, "Feuerpfeil"),
              "10-16 Sofortschaden, normal (3 Angriffe), Stufe 0");
    EXPECT_EQ(MenueHinweis(Katalog(), MenueZauber, QString::fromUtf8("Kältefeld")),
              QString::fromUtf8("9-13 Flächenschaden (3 Felder), langsam (2 Angriffe), Stufe 1"));
    EXPECT_EQ(MenueHinweis(Katalog(), MenueZauber, "Eile"), "");
    EXPECT_EQ(MenueHinweis(Katalog(), MenueHelm, "*eigener Leichter Helm*"), "");
}

TEST(AusruestungText, SlotTexte)
{
    EXPECT_EQ(SlotText(QString::fromUtf8("Bidenhänder [2H]"), "der Kraft", 1),
              QString::fromUtf8("Bidenhänder der Kraft [2H] +1"));
    EXPECT_EQ(SlotText("Kurzschwert", "", 0), "Kurzschwert");
    EXPECT_EQ(OhneAufwertung("Kurzschwert +1"), "Kurzschwert");
    EXPECT_EQ(OhneAufwertung("Kurzschwert +10"), "Kurzschwert +10");
}

TEST(AusruestungLoeschen, AllesLoeschen)
{
    TPlaner p = Frisch();
    LevelEingeben(p, 20);
    WaehleAusruestung(p, Katalog(), SlotPanzer, "Eisen-Kettenhemd");
    SetzeVerzauberung(p, SlotPanzer, VerzauberungAusName("der Macht"));
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Flamberge [2H]");
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Erde-Stecken");
    WaehleZauber(p, Katalog(), "Heilung I");
    AttributEingeben(p, AttrKonstitution, 30);
    AnsichtWaehlen(p, TAnsicht::Fernkampf);
    EXPECT_EQ(p.Ansicht, TAnsicht::Fernkampf);
    AllesLoeschen(p);
    EXPECT_EQ(p.Charakter.Level, 1);
    EXPECT_EQ(p.Charakter.Erfahrung, 0);
    EXPECT_EQ(p.Charakter.FreiePunkte, 50);
    EXPECT_EQ(p.Charakter.Staerke + p.Charakter.Geschick + p.Charakter.Konstitution + p.Charakter.Intelligenz,
              0);
    for (int i = 0; i < AnzahlArtPositionen; ++i)
        EXPECT_EQ(p.Arten[i], 0) << i;
    EXPECT_EQ(p.Ansicht, TAnsicht::Nahkampf);
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Beschriftung, "- keine Nebenhand -");
}

TEST(AusruestungWahl, WechselZwischenWaffeUndSchildNimmtPunkteMit)
{
    // The off hand keeps one enchantment per kind; a weapon's attribute points must not
    // stay behind when a shield takes its place.
    TPlaner p = Frisch();
    WaehleAusruestung(p, Katalog(), SlotNebenwaffe, "Dolch");
    SetzeVerzauberung(p, SlotNebenwaffe, VerzauberungAusName("der Kraft"));
    EXPECT_EQ(p.Charakter.Staerke, 2);
    WaehleAusruestung(p, Katalog(), SlotNebenwaffe, "Lederschild");
    EXPECT_EQ(p.Charakter.Staerke, 0);
    EXPECT_EQ(p.Charakter.Attributpunkte, 50);
    EXPECT_EQ(p.Werte.Nebenwaffe.Verzauberung, 0);
    // With Shift the code moves over to the shield.
    SetzeVerzauberung(p, SlotNebenwaffe, VerzauberungAusName("der Wucht"));
    WaehleAusruestung(p, Katalog(), SlotNebenwaffe, "Stilett", true);
    EXPECT_EQ(p.Werte.Nebenwaffe.Verzauberung, VerzauberungAusName("der Wucht"));
    EXPECT_EQ(p.Werte.Schild.Verzauberung, 0);
    EXPECT_EQ(p.Charakter.Staerke, 3);
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Hinweis, "Stilett der Wucht +1");
    // The same holds for the ranged slot and for emptying a slot.
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Kurzbogen");
    SetzeVerzauberung(p, SlotFernkampf, VerzauberungAusName("des Wissens"));
    EXPECT_EQ(p.Charakter.Intelligenz, 3);
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Wasser-Rute");
    EXPECT_EQ(p.Charakter.Intelligenz, 0);
    LeereSlot(p, SlotNebenwaffe);
    EXPECT_EQ(p.Charakter.Staerke, 0);
    EXPECT_EQ(p.Charakter.Attributpunkte, 50);
}

TEST(AusruestungWahl, WertEingebenMachtEigenesTeil)
{
    TPlaner p = Frisch();
    EXPECT_FALSE(SetzeSlotwert(p, SlotHelm, FeldAbsorb, 2.0)); // nothing equipped: no fields
    WaehleAusruestung(p, Katalog(), SlotHelm, "Mithril-Plattenhelm");
    SetzeVerzauberung(p, SlotHelm, VerzauberungAusName("der Abwehr"));
    ASSERT_TRUE(SetzeSlotwert(p, SlotHelm, FeldAbsorb, 2.0));
    EXPECT_EQ(p.Slots[SlotHelm].Beschriftung, "*eigener Schwerer Helm*");
    EXPECT_EQ(p.Slots[SlotHelm].Hinweis, "*eigener Schwerer Helm* der Abwehr");
    EXPECT_EQ(p.Slots[SlotHelm].Aufwertung, 0);
    EXPECT_DOUBLE_EQ(p.Charakter.Absorb, 2.4);
    SchalteAufwertung(p, Katalog(), SlotHelm); // own items cannot be upgraded
    EXPECT_DOUBLE_EQ(p.Werte.Ruestung[PosHelm].Absorb, 2.0);
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Bidenaxt [2H]");
    ASSERT_TRUE(SetzeSlotwert(p, SlotHauptwaffe, FeldMaxSchaden, 80));
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Beschriftung, "*eigene Axt [2H]*");
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 35);
    EXPECT_EQ(p.Charakter.Hauptwaffe.MaxSchaden, 80);
    EXPECT_FALSE(SetzeSlotwert(p, SlotHauptwaffe, FeldReichweite, 3));
}

TEST(AusruestungWahl, Wertfelder)
{
    TPlaner p = Frisch();
    EXPECT_TRUE(SlotFelder(p, SlotHelm).empty()); // hidden while the slot is empty
    WaehleAusruestung(p, Katalog(), SlotHelm, "Mithril-Plattenhelm");
    ASSERT_EQ(SlotFelder(p, SlotHelm).size(), 3u);
    EXPECT_EQ(SlotwertText(p, SlotHelm, FeldAbsorb), "4,9");
    EXPECT_EQ(SlotwertText(p, SlotHelm, FeldBehinderung), "16");
    // Typing 12,34 into Rüs keeps 12,3; 1234 into a damage field keeps 123.
    ASSERT_TRUE(SetzeSlotwertText(p, SlotHelm, FeldRuestschutz, "12,34"));
    EXPECT_DOUBLE_EQ(p.Werte.Ruestung[PosHelm].Ruestschutz, 12.3);
    WaehleAusruestung(p, Katalog(), SlotHauptwaffe, "Kurzschwert");
    ASSERT_TRUE(SetzeSlotwertText(p, SlotHauptwaffe, FeldMaxSchaden, "1234"));
    EXPECT_EQ(p.Werte.Hauptwaffe.MaxSchaden, 123);
    ASSERT_TRUE(SetzeSlotwertText(p, SlotHauptwaffe, FeldMinSchaden, ""));
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 0);
    WaehleAusruestung(p, Katalog(), SlotFernkampf, "Kurzbogen");
    ASSERT_TRUE(SetzeSlotwertText(p, SlotMunition, FeldWirkung, "-5"));
    EXPECT_EQ(p.Werte.Munition.Wirkung, -5);
    EXPECT_EQ(p.Slots[SlotMunition].Beschriftung, "*eigene Pfeile*");
    EXPECT_TRUE(SlotFeldGrenzen(SlotMunition, FeldWirkung).Vorzeichen);
    EXPECT_FALSE(SlotFeldGrenzen(SlotFernkampf, FeldWirkung).Vorzeichen);
}

TEST(AusruestungFolgen, ZufaelligeBedienungHaeltDieBuchfuehrung)
{
    // Any sequence of menu choices, enchantments, upgrades and clearing keeps the
    // attribute bookkeeping consistent: the floors are exactly the attribute enchantments
    // of the equipped items, no attribute falls below its floor, and free points are the
    // total minus the attributes.
    std::mt19937 zufall(20261209);
    TPlaner p = Frisch();
    LevelEingeben(p, 30);
    const std::vector<TVerzauberungsGruppe> vz = VerzauberungsMenue();
    for (int schritt = 0; schritt < 3000; ++schritt) {
        const TSlot s = static_cast<TSlot>(zufall() % AnzahlSlots);
        switch (zufall() % 6) {
        case 0:
        case 1: {
            const int m = MenueVonSlot(s, p.Arten[PosFernkampf]);
            if (m < 0)
                break;
            const auto &gruppen = MenueGruppen(static_cast<TMenue>(m));
            const QStringList &e = gruppen[zufall() % gruppen.size()].Eintraege;
            WaehleMenueEintrag(p, Katalog(), s, e[zufall() % e.size()], zufall() % 2, zufall() % 2);
            break;
        }
        case 2: {
            const TVerzauberungsGruppe &g = vz[zufall() % vz.size()];
            SetzeVerzauberung(p, s,
                              g.Eintraege.isEmpty() ? 0 : VerzauberungAusMenue(g.Eintraege[zufall() % 5]));
            break;
        }
        case 3:
            SchalteAufwertung(p, Katalog(), s);
            break;
        case 4:
            AttributEingeben(p, static_cast<TAttribut>(zufall() % 4), zufall() % 80);
            break;
        default:
            if (zufall() % 4 == 0)
                LeereSlot(p, s);
            break;
        }
        const TCharakter &c = p.Charakter;
        std::array<int, 4> boden{};
        for (int i = 0; i < c.AnzahlVerzauberungen; ++i) {
            const int typ = VerzauberungsTyp(c.Verzauberungen[i]);
            if (typ >= VzStaerke && typ <= VzIntelligenz)
                boden[typ - VzStaerke] += VerzauberungsStufe(c.Verzauberungen[i]);
        }
        ASSERT_EQ(c.VerzStaerke, boden[0]) << schritt;
        ASSERT_EQ(c.VerzGeschick, boden[1]) << schritt;
        ASSERT_EQ(c.VerzKonstitution, boden[2]) << schritt;
        ASSERT_EQ(c.VerzIntelligenz, boden[3]) << schritt;
        ASSERT_GE(c.Staerke, c.VerzStaerke);
        ASSERT_GE(c.Intelligenz, c.VerzIntelligenz);
        ASSERT_EQ(c.FreiePunkte, c.Attributpunkte - c.Staerke - c.Geschick - c.Konstitution - c.Intelligenz);
        ASSERT_EQ(c.Attributpunkte, AttributpunkteFuerLevel(30, c));
        ASSERT_EQ(p.Arten[PosNebenwaffe] == 7, p.Arten[PosHauptwaffe] == 2 || p.Arten[PosHauptwaffe] == 5 ||
                                                   p.Arten[PosHauptwaffe] == 7 ||
                                                   p.Arten[PosHauptwaffe] == 8);
    }
}
