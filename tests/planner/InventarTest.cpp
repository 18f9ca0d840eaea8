#include "base/Textdatei.h"
#include "planner/Inventar.h"
#include "PlanerTestKatalog.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace mvt;
using namespace mvt::planer;

namespace {

QString Seite(const char *datei)
{
    QFile f(QStringLiteral(MVT_TESTDATEN "/planner/inventar/") + QString::fromUtf8(datei));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << datei;
    return TextDekodieren(f.readAll());
}

struct ImportTest : ::testing::Test {
    TPlaner p;
    TOptimiererZustand z;
    void SetUp() override { PlanerStarten(p); }
    TInventarErgebnis Lesen(const QString &text) { return InventarAuslesen(p, z, Katalog(), text); }
    bool Zeile(const QString &zeile, bool &zweiteHand)
    {
        return ItemZeileAuswerten(p, Katalog(), InventarWoerter(zeile), zweiteHand);
    }
};

} // namespace

TEST(InventarText, WoerterTrennenBlankSteuerzeichenUndAnfuehrung)
{
    EXPECT_EQ(InventarWoerter(QStringLiteral("  Leder-Haube \t\t der  Abwehr\x01(Kopf) ")),
              QStringList({"Leder-Haube", "der", "Abwehr", "(Kopf)"}));
    // A quoted word keeps its blanks; text after the closing quote starts a new word.
    EXPECT_EQ(InventarWoerter(QStringLiteral("a \"Lyra Sternenlicht\"x b")),
              QStringList({"a", "Lyra Sternenlicht", "x", "b"}));
    // A quote without its partner runs to the end of the line.
    EXPECT_EQ(InventarWoerter(QStringLiteral("a \"b c")), QStringList({"a", "b c"}));
    EXPECT_TRUE(InventarWoerter(QStringLiteral(" \t ")).isEmpty());
    EXPECT_TRUE(InventarWoerter(QString()).isEmpty());
}

TEST(InventarText, WeltRasseUndLeereSlots)
{
    EXPECT_EQ(WeltAusWort(QStringLiteral("Zyrthania,")), 3);
    EXPECT_EQ(WeltAusWort(QStringLiteral("Zyrthania")), 0);
    EXPECT_EQ(RasseAusZeile(QStringLiteral("Halbelf")), 5);
    EXPECT_EQ(RasseAusZeile(QStringLiteral("Halbelf ")), 0); // the whole line counts
    EXPECT_EQ(RadioTagAusRasse(2), RasseZwerg);
    EXPECT_EQ(ImportRassenName(RasseAusZeile(QStringLiteral("Gnom"))), "Gnom");
    EXPECT_TRUE(ImportRassenName(0).isEmpty());
    EXPECT_TRUE(ImportRassenName(6).isEmpty());

    EXPECT_TRUE(IstLeerzeile(InventarWoerter(QStringLiteral("Kopf kein Gegenstand angelegt."))));
    EXPECT_FALSE(IstLeerzeile(InventarWoerter(QStringLiteral("kein Gegenstand angelegt."))));
    EXPECT_EQ(LeererSlotAusWort(QStringLiteral("Füße")), SlotStiefel);
    EXPECT_FALSE(LeererSlotAusWort(QStringLiteral("Rücken")).has_value());
}

TEST(InventarText, SlotAusWareNachKategorieUndZweitemWort)
{
    const TKatalog &k = Katalog();
    auto slot = [&k](const char16_t *name) {
        const TItemRef r = ItemSuchen(k, QString::fromUtf16(name));
        const TWare *w = r.Tabellencode == TabelleTraining ? TrainingsItem(k, r.Index) : Ware(k, r.Index);
        EXPECT_NE(w, nullptr) << QString::fromUtf16(name).toStdString();
        return w ? SlotAusWare(*w) : TInventarSlot::Keiner;
    };
    EXPECT_EQ(slot(u"Leder-Haube"), TInventarSlot::Helm);
    EXPECT_EQ(slot(u"Achat-Lederhelm"), TInventarSlot::Helm);
    EXPECT_EQ(slot(u"Kupfer-Kettenhaube"), TInventarSlot::Helm);
    EXPECT_EQ(slot(u"Leinen-Robe"), TInventarSlot::Panzer);
    EXPECT_EQ(slot(u"Leichte Weste (Training)"), TInventarSlot::Panzer);
    EXPECT_EQ(slot(u"Schwere Haube (Training)"), TInventarSlot::Helm);
    EXPECT_EQ(slot(u"Weichleder-Hose"), TInventarSlot::Hose);
    EXPECT_EQ(slot(u"Diamant-Lederstulpen"), TInventarSlot::Handschuhe);
    EXPECT_EQ(slot(u"Obsidian-Plattenstiefel"), TInventarSlot::Stiefel);
    EXPECT_EQ(slot(u"Bidenhänder [2H]"), TInventarSlot::Waffe);
    EXPECT_EQ(slot(u"Lederschild"), TInventarSlot::Schild);
    EXPECT_EQ(slot(u"Feuer-Stecken"), TInventarSlot::Fernkampf);
    EXPECT_EQ(slot(u"Handarmbrust"), TInventarSlot::Fernkampf);
    EXPECT_EQ(slot(u"Jagdpfeile"), TInventarSlot::Munition);
    EXPECT_EQ(slot(u"Magieessenz"), TInventarSlot::Munition);
    EXPECT_EQ(slot(u"Kalk-Mauerstück"), TInventarSlot::Keiner);

    // Every armour piece the game sells fits one of the five armour slots.
    for (int i = 1; i <= AnzahlWaren; ++i) {
        const TWare *w = Ware(k, i);
        if (w->Kategorie == 7 || w->Kategorie == 8 || w->Kategorie == 10) {
            EXPECT_NE(SlotAusWare(*w), TInventarSlot::Keiner) << w->Name.toStdString();
        }
    }
}

TEST(InventarText, KonstitutionAusLebenspunkten)
{
    const std::array<Verzauberungscode, 8> keine{};
    // Level 10: 320 life points at Konstitution 0; 448 / 320 = 1.4 gives 20.
    EXPECT_EQ(KonstitutionAusLebenspunkten(10, 448, keine), 20);
    EXPECT_EQ(KonstitutionAusLebenspunkten(1, 140, keine), 0);
    // "des Wolfes" adds 3 % life: 329 at Konstitution 0, 461 at 20.
    std::array<Verzauberungscode, 8> wolf{};
    wolf[0] = VerzauberungsCode(VzLeben, 1);
    EXPECT_EQ(KonstitutionAusLebenspunkten(10, 461, wolf), 20);
    // Level 5: 220 at Konstitution 0; 246 gives 5.9 -> 6, 230 gives 2.3 -> 2.
    EXPECT_EQ(KonstitutionAusLebenspunkten(5, 246, keine), 6);
    EXPECT_EQ(KonstitutionAusLebenspunkten(5, 230, keine), 2);
    // Fewer life points than Konstitution 0 gives: negative, the attribute rule raises it.
    EXPECT_EQ(KonstitutionAusLebenspunkten(5, 0, keine), -50);
}

TEST_F(ImportTest, ZweihaenderMitVerzauberungVorDemKennzeichen)
{
    bool zweite = false;
    EXPECT_TRUE(Zeile(QStringLiteral("Bastardschwert der Kraft [2H] (Hand)"), zweite));
    EXPECT_TRUE(zweite);
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Basisname, QStringLiteral("Bastardschwert [2H]"));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 2);
    EXPECT_EQ(SlotVerzauberung(p, SlotHauptwaffe), VerzauberungsCode(VzStaerke, 2));
    // Without "+1" the item stays at its base values.
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Aufwertung, 0);
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 27);
    EXPECT_EQ(p.Charakter.VerzStaerke, 2);
}

TEST_F(ImportTest, UnbekannteVerzauberungNimmtDasItemTrotzdem)
{
    bool zweite = false;
    EXPECT_TRUE(Zeile(QStringLiteral("Leder-Haube der Unbekannten (Kopf) +1"), zweite));
    EXPECT_FALSE(zweite);
    EXPECT_EQ(p.Slots[SlotHelm].Basisname, QStringLiteral("Leder-Haube"));
    EXPECT_EQ(SlotVerzauberung(p, SlotHelm), 0);
    EXPECT_EQ(p.Slots[SlotHelm].Aufwertung, 1); // "+1" upgrades once: Absorb 1.2 + 0.1
    EXPECT_DOUBLE_EQ(p.Werte.Ruestung[SlotHelm].Absorb, 1.3);
}

TEST_F(ImportTest, ZweiWaffenZeilenHauptUndNebenhand)
{
    bool zweite = false;
    EXPECT_TRUE(Zeile(QStringLiteral("Kurzschwert des Wegelagerers (Hand) +1"), zweite));
    EXPECT_TRUE(Zeile(QStringLiteral("Dolch (Hand)"), zweite));
    EXPECT_EQ(p.Slots[SlotHauptwaffe].Basisname, QStringLiteral("Kurzschwert"));
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Basisname, QStringLiteral("Dolch"));
    EXPECT_EQ(p.Arten[PosNebenwaffe], 2);
    EXPECT_EQ(p.Werte.Hauptwaffe.MaxSchaden, 13);
    EXPECT_EQ(SlotVerzauberung(p, SlotHauptwaffe), VerzauberungsCode(VzTraglast, 2));
}

TEST_F(ImportTest, ZeilenMitAnzahlMunitionUndFremdeItems)
{
    bool zweite = false;
    // Ammunition needs a ranged weapon.
    EXPECT_TRUE(Zeile(QStringLiteral("250 Jagdpfeile +1"), zweite));
    EXPECT_EQ(p.Arten[PosMunition], 0);
    EXPECT_TRUE(Zeile(QStringLiteral("Jagdbogen (Fernwaffe)"), zweite));
    EXPECT_TRUE(Zeile(QStringLiteral("250 Jagdpfeile +1"), zweite));
    EXPECT_EQ(p.Slots[SlotMunition].Basisname, QStringLiteral("Jagdpfeile"));
    EXPECT_EQ(p.Slots[SlotMunition].Aufwertung, 1);
    EXPECT_EQ(p.Werte.Munition.Wirkung, 3);
    EXPECT_EQ(p.Slots[SlotFernkampf].Aufwertung, 0);

    // A good of another table is read but worn nowhere; unknown names are not read.
    const TPlaner vorher = p;
    EXPECT_TRUE(Zeile(QStringLiteral("12 Kupferbarren"), zweite));
    EXPECT_FALSE(Zeile(QStringLiteral("Zauberbohne (Gepäck)"), zweite));
    EXPECT_FALSE(Zeile(QStringLiteral("Kurzschwert"), zweite)); // no parenthesised word
    EXPECT_FALSE(Zeile(QStringLiteral("Kurzschwert der"), zweite));
    EXPECT_FALSE(Zeile(QStringLiteral("(Kurzschwert)"), zweite)); // one word
    EXPECT_EQ(p.Arten, vorher.Arten);
    EXPECT_FALSE(zweite);
}

TEST_F(ImportTest, VolleSeite)
{
    const TInventarErgebnis e = Lesen(Seite("voll.txt"));
    ASSERT_TRUE(e.Erfolg);
    EXPECT_EQ(e.Meldung, QStringLiteral("7 Items gelesen"));
    EXPECT_TRUE(e.MeldungGruen);
    EXPECT_EQ(e.Welt, 3);
    EXPECT_EQ(e.Name, QStringLiteral("Hadrik Eisenfaust"));
    EXPECT_EQ(e.Rasse, 2);
    EXPECT_EQ(e.Level, 10);
    EXPECT_EQ(e.Lebenspunkte, 461);
    EXPECT_EQ(e.Erfahrung, 21500);
    EXPECT_TRUE(e.NeuerCharakter);

    const TCharakter &c = p.Charakter;
    EXPECT_EQ(c.Level, 10); // from the experience: level 10 needs 21000, level 11 27500
    EXPECT_EQ(c.Erfahrung, 21500);
    // Zwerg 20, 5, 20, 5; "der Kraft" gives 2 Stärke on top; Konstitution from the life
    // points with "des Wolfes": 461 / 329 - 1 = 0.401 -> 20.
    EXPECT_EQ(c.Staerke, 22);
    EXPECT_EQ(c.Geschick, 5);
    EXPECT_EQ(c.Konstitution, 20);
    EXPECT_EQ(c.Intelligenz, 5);
    EXPECT_EQ(c.MaxLebenspunkte, 461);
    EXPECT_EQ(c.FreiePunkte, c.Attributpunkte - 52);

    EXPECT_EQ(p.Slots[SlotHelm].Basisname, QStringLiteral("Leder-Haube"));
    EXPECT_EQ(p.Slots[SlotHelm].Aufwertung, 1);
    EXPECT_EQ(SlotVerzauberung(p, SlotHelm), VerzauberungsCode(VzAbsorb, 1));
    EXPECT_EQ(p.Slots[SlotPanzer].Aufwertung, 0);
    EXPECT_EQ(SlotVerzauberung(p, SlotPanzer), VerzauberungsCode(VzLeben, 1));
    EXPECT_EQ(p.Arten[PosHandschuhe], 0);
    EXPECT_EQ(p.Slots[SlotHose].Basisname, QStringLiteral("Weichleder-Hose"));
    EXPECT_EQ(SlotVerzauberung(p, SlotStiefel), VerzauberungsCode(VzAusweichen, 1));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 2);
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 28); // Bastardschwert 27-40, +1
    EXPECT_EQ(p.Arten[PosNebenwaffe], 7);         // blocked; the empty "Hand" line cannot clear it
    EXPECT_EQ(p.Arten[PosFernkampf], 1);
    EXPECT_EQ(p.Werte.Fernwaffe.MaxSchaden, 24);
    EXPECT_EQ(p.Slots[SlotMunition].Aufwertung, 1);
    // The backpack's short sword is not equipped.
    EXPECT_NE(p.Slots[SlotNebenwaffe].Basisname, QStringLiteral("Kurzschwert"));

    EXPECT_EQ(p.Optionen.Welt, 3);
    EXPECT_EQ(p.Infos.Charaktername, QStringLiteral("Hadrik Eisenfaust"));
    EXPECT_EQ(p.Infos.Rasse, 2);
    EXPECT_EQ(p.Infos.Welt, 3);
    // The optimiser window chose the race: Zwerg plus the Stärke floor.
    EXPECT_EQ(z.Rasse, RasseZwerg);
    EXPECT_EQ(z.Minimum, (std::array<int32_t, 4>{22, 5, 20, 5}));
    EXPECT_FALSE(p.BerechnungAusgesetzt);
}

TEST_F(ImportTest, ZweiteHandAltweltWindows1252)
{
    const TInventarErgebnis e = Lesen(Seite("zweite_hand.txt"));
    ASSERT_TRUE(e.Erfolg);
    EXPECT_EQ(e.Meldung, QStringLiteral("3 Items gelesen"));
    EXPECT_EQ(e.Welt, 2);
    EXPECT_EQ(p.Optionen.Welt, 2);
    EXPECT_EQ(e.Name, QStringLiteral("Lyra Sternenlicht"));
    EXPECT_EQ(e.Rasse, 4);
    EXPECT_FALSE(e.Erfahrung.has_value());
    // Without experience the level is set; old-world threshold of level 5 is 500 * 5 * 4.
    EXPECT_EQ(p.Charakter.Level, 5);
    EXPECT_EQ(p.Charakter.Erfahrung, 10000);
    EXPECT_EQ(p.Arten[PosHelm], 0);
    EXPECT_EQ(p.Arten[PosPanzer], 2);
    EXPECT_EQ(p.Arten[PosHauptwaffe], 1);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 2);
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Aufwertung, 0);
    EXPECT_EQ(p.Arten[PosFernkampf], 0);
    // Elf 10, 20, 5, 15; "der Ausdauer" gives one Konstitution; 246 / 220 life points -> 6.
    EXPECT_EQ(p.Charakter.Konstitution, 6);
    EXPECT_EQ(p.Charakter.Geschick, 20);
    EXPECT_EQ(z.Rasse, RasseElf);
    EXPECT_EQ(z.Minimum, (std::array<int32_t, 4>{10, 20, 6, 15}));
}

TEST_F(ImportTest, ErsteLeereHandDannSchild)
{
    bool zweite = false;
    ASSERT_TRUE(Zeile(QStringLiteral("Axt (Hand)"), zweite));
    ASSERT_EQ(p.Arten[PosHauptwaffe], 4);
    const TInventarErgebnis e = Lesen(Seite("leere_hand.txt"));
    ASSERT_TRUE(e.Erfolg);
    EXPECT_EQ(e.Meldung, QStringLiteral("2 Items gelesen"));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 0); // the first "Hand" line empties the main hand
    EXPECT_EQ(p.Arten[PosNebenwaffe], 5);
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Basisname, QStringLiteral("Lederschild"));
    EXPECT_EQ(p.Slots[SlotNebenwaffe].Aufwertung, 1);
    EXPECT_DOUBLE_EQ(p.Werte.Schild.RuestschutzBeiBlock, 27.0);
    EXPECT_EQ(SlotVerzauberung(p, SlotNebenwaffe), VerzauberungsCode(VzSchildblock, 1));
    EXPECT_EQ(p.Charakter.Level, 1);
    // Gnom 5, 20, 5, 20; 140 life points at level 1 give Konstitution 0, raised to nothing.
    EXPECT_EQ(p.Charakter.Staerke, 5);
    EXPECT_EQ(p.Charakter.Konstitution, 0);
    EXPECT_EQ(p.Charakter.FreiePunkte, 5);
}

TEST_F(ImportTest, LeerzeilenLeerenHelmUndBeideHaende)
{
    bool zweite = false;
    Zeile(QStringLiteral("Leder-Haube (Kopf)"), zweite);
    Zeile(QStringLiteral("Kurzschwert (Hand)"), zweite);
    Zeile(QStringLiteral("Dolch (Hand)"), zweite);
    ASSERT_EQ(p.Arten[PosNebenwaffe], 2);
    const QString text = QStringLiteral("x >> Rüstung\nKopf Es ist kein Gegenstand angelegt.\n"
                                        "Hand Es ist kein Gegenstand angelegt.\n"
                                        "Hand Es ist kein Gegenstand angelegt.\nEnde\n");
    const TInventarErgebnis e = Lesen(text);
    EXPECT_TRUE(e.Erfolg);
    EXPECT_EQ(e.Meldung, QStringLiteral("0 Items gelesen"));
    EXPECT_EQ(p.Arten[PosHelm], 0);
    EXPECT_EQ(p.Arten[PosHauptwaffe], 0);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 0);
}

TEST_F(ImportTest, OhneMarkerAbDerErstenZeile)
{
    const TInventarErgebnis e = Lesen(QStringLiteral("Kurzschwert (Hand) +1\nSchaden\nHaltbarkeit\nEnde\n"));
    EXPECT_TRUE(e.Erfolg);
    EXPECT_EQ(e.GeleseneItems, 1);
    EXPECT_EQ(p.Werte.Hauptwaffe.MinSchaden, 9);
    EXPECT_EQ(e.Welt, 0);
    EXPECT_EQ(p.Optionen.Welt, 3); // no world line: the world stays
}

TEST_F(ImportTest, FehlschlagLaesstDenCharakterUnveraendert)
{
    bool zweite = false;
    Zeile(QStringLiteral("Kurzschwert (Hand)"), zweite);
    AttributEingeben(p, AttrStaerke, 12);
    const TCharakter vorher = p.Charakter;
    const TAusruestungsArten arten = p.Arten;
    for (const QString &text :
         {QString(), QStringLiteral("Hallo Welt\nnichts zu sehen\n"),
          QStringLiteral("Zyrthania, a b c d e\nDaten >> Rüstung"), // marker on the last line
          QStringLiteral(
              "Zyrthania, a b c d e\n>> Rüstung\nUnbekanntes Ding (Kopf)\nx\nLevel 50\nEXP: 1\n")}) {
        const TInventarErgebnis e = Lesen(text);
        EXPECT_FALSE(e.Erfolg);
        EXPECT_EQ(e.Meldung, QStringLiteral("Fehlgeschlagen"));
        EXPECT_FALSE(e.MeldungGruen);
        EXPECT_EQ(p.Charakter.Staerke, vorher.Staerke);
        EXPECT_EQ(p.Charakter.Level, vorher.Level);
        EXPECT_EQ(p.Arten, arten);
        EXPECT_EQ(p.Optionen.Welt, 3);
        EXPECT_FALSE(p.BerechnungAusgesetzt);
    }
}

TEST_F(ImportTest, GleicherCharakterBehaeltVerteilungNeuesLevelSetztZurueck)
{
    const QString seite = Seite("voll.txt");
    ASSERT_TRUE(Lesen(seite).Erfolg);
    AttributEingeben(p, AttrKonstitution, 0);
    AttributEingeben(p, AttrIntelligenz, 40);
    const TCharakter handverteilt = p.Charakter;

    const TInventarErgebnis zweimal = Lesen(seite);
    EXPECT_FALSE(zweimal.NeuerCharakter);
    EXPECT_EQ(p.Charakter.Konstitution, handverteilt.Konstitution);
    EXPECT_EQ(p.Charakter.Intelligenz, handverteilt.Intelligenz);

    // After a level-up (27500 reaches level 11) the race values come back.
    QString hoeher = seite;
    hoeher.replace(QStringLiteral("EXP: 21500"), QStringLiteral("EXP: 27500"));
    const TInventarErgebnis neu = Lesen(hoeher);
    EXPECT_TRUE(neu.NeuerCharakter);
    EXPECT_EQ(p.Charakter.Level, 11);
    EXPECT_EQ(p.Charakter.Intelligenz, 5);
    EXPECT_EQ(p.Charakter.Staerke, 22);
}

TEST_F(ImportTest, UnbekannteRasseLaesstAttributeAufDenUntergrenzen)
{
    AttributEingeben(p, AttrGeschick, 30);
    const TInventarErgebnis e = Lesen(QStringLiteral(">> Rüstung\nLeder-Haube der Kraft (Kopf)\na\nb\n>> "
                                                     "Gepäck\nNiemand\nOger\nLevel 3\nLP: 1 / 999\nx\n"));
    ASSERT_TRUE(e.Erfolg);
    EXPECT_EQ(e.Rasse, 0);
    EXPECT_EQ(e.Name, QStringLiteral("Niemand"));
    EXPECT_EQ(p.Charakter.Level, 3);
    EXPECT_EQ(p.Charakter.Staerke, 2); // the floor of "der Kraft"
    EXPECT_EQ(p.Charakter.Geschick, 0);
    EXPECT_EQ(p.Charakter.FreiePunkte, p.Charakter.Attributpunkte - 2);
    EXPECT_EQ(z.Rasse, RasseLeer);
    EXPECT_EQ(z.Minimum, (std::array<int32_t, 4>{2, 0, 0, 0}));
}

TEST_F(ImportTest, EnduriasSchaltetDieWirkungAus)
{
    const TInventarErgebnis e = Lesen(
        QStringLiteral("Endurias, Tag 1 der Zeitrechnung, 12:00 Uhr\nA >> Rüstung\nDolch (Hand)\na\nb\nc\n"));
    ASSERT_TRUE(e.Erfolg);
    EXPECT_EQ(p.Optionen.Welt, 2);
    EXPECT_FALSE(WirkungAktiv(p.Optionen));
}

TEST_F(ImportTest, ZahlenJenseitsDerGrenzenWerdenNichtGelesen)
{
    const QString text =
        QStringLiteral(">> Rüstung\nDolch (Hand)\na\nb\n>> Gepäck\nName\nMensch\nLevel 99999999999999999999\n"
                       "LP: 1 / 4294967296\nEXP: 184467440737095516160\n");
    const TInventarErgebnis e = Lesen(text);
    ASSERT_TRUE(e.Erfolg);
    EXPECT_FALSE(e.Level.has_value());
    EXPECT_FALSE(e.Lebenspunkte.has_value());
    EXPECT_FALSE(e.Erfahrung.has_value());
    EXPECT_EQ(p.Charakter.Level, 1);
    // A level above the maximum is read and then held at 999 by the level rule.
    const TInventarErgebnis gross =
        Lesen(QStringLiteral(">> Rüstung\nDolch (Hand)\na\nb\n>> Gepäck\nLevel 5000\nEnde\n"));
    EXPECT_EQ(gross.Level, 5000);
    EXPECT_EQ(p.Charakter.Level, MaxLevel);
}

TEST_F(ImportTest, RiesigeZeilenUndMuellEndenMitMeldung)
{
    QString riesig = QStringLiteral(">> Rüstung\n");
    riesig += QStringLiteral("Dolch ").repeated(200000) + QStringLiteral("(Hand)\n");
    riesig += QStringLiteral("(x) ").repeated(100000) + QStringLiteral("\n");
    riesig += QStringLiteral("\"").repeated(3) + QString(500000, QChar(0x01)) + QStringLiteral("\n");
    riesig += QStringLiteral("123456789012345678901234567890 Dolch +1\n");
    riesig += QStringLiteral("Level\nLP: a b\nEXP:\nEnde\n");
    const TInventarErgebnis e = Lesen(riesig);
    EXPECT_FALSE(e.Erfolg);
    EXPECT_EQ(e.Meldung, QStringLiteral("Fehlgeschlagen"));

    // One good line among the junk is enough.
    riesig.replace(QStringLiteral("Ende\n"), QStringLiteral("Dolch (Hand)\nx\ny\nEnde\n"));
    EXPECT_EQ(Lesen(riesig).Meldung, QStringLiteral("1 Items gelesen"));
    EXPECT_EQ(p.Arten[PosHauptwaffe], 3);
}
