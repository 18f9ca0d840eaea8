#include "../Testkatalog.h"
#include "catalogue/Katalog.h"
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "combat/Kampfbericht.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace mvt;

namespace {

using mvt::test::Katalog;

QString Datei(const char *name)
{
    QFile f(QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return TextDekodieren(f.readAll());
}

struct Ergebnis {
    Kampfauswertung a;
    int32_t fehler = 0;
    const TKaempfer &k(const char *name) const
    {
        const TKaempfer *p = KaempferFinden(a, QString::fromUtf8(name));
        if (!p)
            throw std::runtime_error(std::string("kein Kämpfer ") + name);
        return *p;
    }
};

std::unique_ptr<Ergebnis> Auswerten(const QString &text)
{
    auto e = std::make_unique<Ergebnis>();
    e->fehler = KampfberichtAuswerten(text, e->a, Katalog());
    return e;
}

int Art(const char *zeile)
{
    return ZeileKlassifizieren(Katalog(), WorteTrennen(QString::fromUtf8(zeile)));
}

} // namespace

TEST(Zeilenarten, JedeArtWirdErkannt)
{
    EXPECT_EQ(Art("Runde 3"), ZeileRunde);
    EXPECT_EQ(Art("Runde 3 x"), ZeileUnbekannt); // exactly two words
    EXPECT_EQ(Art("00:01 Ork #1 nähert sich Hadrik."), ZeileAnnaeherung);
    EXPECT_EQ(Art("00:01 Ork wechselt in den Nahkampf."), ZeileNahkampf);
    EXPECT_EQ(Art("00:01 Ork wechselt in den Fernkampf."), ZeileFernkampf);
    EXPECT_EQ(Art("00:01 Ork [Axt] greift Hadrik an: verfehlt."), ZeileAngriff);
    EXPECT_EQ(Art("00:01 Mia zaubert [Heilung I] auf Ork: heilt 3 Lebenspunkte."), ZeileHeilung);
    EXPECT_EQ(Art("00:01 Mia zaubert [Feuerball] auf Ork: erfolgreich."), ZeileSchadenszauber);
    EXPECT_EQ(Art("00:01 Mia zaubert [Unbekannt] auf Ork: erfolgreich."), ZeileSchadenszauber);
    EXPECT_EQ(Art("00:01 Mia zaubert [Regeneration I] auf Ork: erfolgreich."), ZeileHOTZauber);
    EXPECT_EQ(Art("00:01 Mia zaubert [Steinhaut] auf Ork: erfolgreich."), ZeileBuff);
    EXPECT_EQ(Art("00:01 Mia zaubert [Fluch] auf Ork: verfehlt."), ZeileDebuff);
    EXPECT_EQ(Art("00:01 [Inferno] wirkt auf Ork: verursacht 3 Schaden."), ZeileSchadensTick);
    EXPECT_EQ(Art("00:01 [Gruppen-Regeneration II] wirkt auf Ork: heilt 3 Lebenspunkte."), ZeileHeilungsTick);
    EXPECT_EQ(Art("00:01 [Was auch immer] wirkt auf Ork: heilt 3 Lebenspunkte."), ZeileSchadensTick);
    EXPECT_EQ(Art("00:01 Ork sinkt kampfunfähig zu Boden."), ZeileKampfunfaehig);
    // The word before "greift" must be a bracketed weapon.
    EXPECT_EQ(Art("00:01 Ork Axt greift Hadrik an: verfehlt."), ZeileUnbekannt);
    // A phrase reaching past the end of the line is no phrase.
    EXPECT_EQ(Art("00:01 Ork wechselt in den"), ZeileUnbekannt);
    EXPECT_EQ(Art(""), ZeileUnbekannt);
}

TEST(Kaempfer, NormalisierenEntferntNurEinNummernwort)
{
    EXPECT_EQ(KaempferNormalisieren("Ork #2"), "Ork");
    EXPECT_EQ(KaempferNormalisieren("Großer  Ork #12"), "Großer Ork");
    EXPECT_EQ(KaempferNormalisieren("Hadrik"), "Hadrik");
    EXPECT_EQ(KaempferNormalisieren("Ork#2"), "Ork#2");
}

// Every number of this report was checked by hand.
TEST(Kampfbericht, KleinerNahkampf)
{
    auto e = Auswerten(Datei("klein.txt"));
    EXPECT_EQ(e->fehler, 0);
    EXPECT_EQ(e->a.Runden, 2);
    ASSERT_EQ(e->a.Kaempfer.size(), 2u);
    EXPECT_EQ(e->a.Kaempfer[0]->Name, "Hadrik");
    EXPECT_EQ(e->a.Kaempfer[1]->Name, "Ork #1");

    const TKaempfer &h = e->k("Hadrik");
    EXPECT_EQ(h.Phase, 1);
    EXPECT_EQ(h.SchrittIntervall, 5);
    EXPECT_EQ(h.ZurueckgelegteFelder, 2);
    EXPECT_EQ(h.GetoeteteFeinde, 1);
    EXPECT_EQ(h.Runden, 2);
    EXPECT_TRUE(h.Ueberlebt);
    const TKampfstatus &t = h.Status[Gesamt];
    EXPECT_EQ(t.Angriffe, 3);
    EXPECT_EQ(t.Erfolge, 2);
    EXPECT_EQ(t.Fehlschlaege, 1);
    EXPECT_EQ(t.Schaden, 32);
    EXPECT_EQ(t.BesterTreffer, 20);
    EXPECT_EQ(t.Ausgeteilt.AnzBlocks, 1);
    EXPECT_EQ(t.Ausgeteilt.SumGeblockt, 5);
    EXPECT_DOUBLE_EQ(t.Trefferquote, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(t.Kritquote, 0.5);
    EXPECT_DOUBLE_EQ(h.Ausweichrate, 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(h.Blockrate, 0.0);
    EXPECT_EQ(t.SchadenErhalten, 7);
    EXPECT_EQ(t.AngriffeErhalten, 3);
    EXPECT_DOUBLE_EQ(t.SchadenProAngriff, 32.0 / 3.0);
    EXPECT_DOUBLE_EQ(t.SchadenProTreffer, 16.0);
    EXPECT_DOUBLE_EQ(t.SchadenProRunde, 16.0);
    EXPECT_DOUBLE_EQ(t.SchadenErhaltenProRunde, 3.5);
    EXPECT_EQ(h.Absorb, -1.0);
    ASSERT_EQ(h.Status[Nahkampf].Waffen.Anzahl(), 1);
    const TEinzelWaffe &schwert = h.Status[Nahkampf].Waffen.Waffe[0];
    EXPECT_EQ(schwert.Name, "Kurzschwert");
    EXPECT_EQ(schwert.Darstellung, DarstellungNahkampfwaffe);
    EXPECT_EQ(schwert.Intervall, 6);
    EXPECT_EQ(schwert.Intervall2, -1);
    EXPECT_EQ(schwert.MinNormal, 12);
    EXPECT_EQ(schwert.MinKrit, 20);
    EXPECT_EQ(schwert.AnzNormal + schwert.AnzKrit, 2);

    const TKaempfer &o = e->k("Ork #1");
    EXPECT_FALSE(o.Ueberlebt);
    EXPECT_EQ(o.Runden, 2);
    EXPECT_EQ(o.LetzterAngreifer, &h);
    EXPECT_DOUBLE_EQ(o.Blockrate, 0.5);
    EXPECT_DOUBLE_EQ(o.Treffsicherheit, 1.0); // a dodged attack found its target
    EXPECT_DOUBLE_EQ(o.Status[Gesamt].TrefferquoteEffektiv, 1.0);
    EXPECT_EQ(o.Status[Gesamt].Ausgeteilt.AnzTreffer, 2); // "kein Schaden" is a hit of 0
    // 20 critical + 5 blocked against 12 normal: 2 * (25 / 2 - 12) = 1.
    EXPECT_DOUBLE_EQ(o.AbsorbEigen, 1.0);
    EXPECT_DOUBLE_EQ(o.Absorb, 1.0);
    EXPECT_EQ(o.AbsorbWerte, 1);
    const TEinzelWaffe &keule = o.Status[Nahkampf].Waffen.Waffe[0];
    EXPECT_EQ(keule.Intervall, 8);
    EXPECT_EQ(keule.Intervall2, 14); // 6 after 8: alternating gaps
    EXPECT_EQ(keule.MinNormal, 0);
    EXPECT_EQ(keule.MaxNormal, 7);
}

// Heals, casts, ticks, buffs and debuffs; checked by hand.
TEST(Kampfbericht, GemischterKampf)
{
    auto e = Auswerten(Datei("gemischt.txt"));
    // a tick without a caster, a damage word that is no number, "Runde drei"
    EXPECT_EQ(e->fehler, 3);
    EXPECT_EQ(e->a.Runden, 3);
    QStringList namen;
    for (const auto &k : e->a.Kaempfer)
        namen << k->Name;
    EXPECT_EQ(namen, QStringList({"Troll #3", "Mirla", "Ork #1", "Hadrik", "Ork #2"}));

    // Knocked out before the first round: counted over the whole fight.
    EXPECT_EQ(e->k("Troll #3").Runden, 3);
    EXPECT_EQ(e->k("Troll #3").Treffsicherheit, -1.0);

    const TKaempfer &m = e->k("Mirla");
    const TKampfstatus &mt = m.Status[Gesamt];
    EXPECT_EQ(mt.Fehlschlaege, 2);
    EXPECT_EQ(mt.Angriffe, 6);
    EXPECT_EQ(mt.Erfolge, 7);
    EXPECT_EQ(mt.ErfolgeEffektiv, 10);
    EXPECT_EQ(mt.Wirkungen, 7);
    EXPECT_EQ(mt.Kritische, 3);
    EXPECT_EQ(mt.TrefferGesamt, 3);
    EXPECT_EQ(mt.Schaden, 73);
    EXPECT_EQ(mt.Heilung, 48);
    EXPECT_EQ(mt.BesterTreffer, 40);
    EXPECT_DOUBLE_EQ(m.Treffsicherheit, 7.0 / 9.0);
    EXPECT_DOUBLE_EQ(mt.TrefferquoteEffektiv, 10.0 / 12.0);
    EXPECT_DOUBLE_EQ(m.KritRate, 3.0 / 7.0);
    EXPECT_DOUBLE_EQ(mt.SchadenProRunde, 73.0 / 3.0);
    EXPECT_EQ(m.Blockrate, -1.0);
    EXPECT_EQ(m.GetoeteteFeinde, 1);
    EXPECT_EQ(mt.HeilungErhalten, 10);
    // Six spells in one phase block: all of them are kept, in order of first use.
    const auto &w = m.Status[Fernkampf].Waffen.Waffe;
    ASSERT_EQ(w.size(), 6u);
    const QStringList erwartet{"Eile",          "Hitzekegel",     "Heilung I",
                               "Kleiner Fluch", "Regeneration I", "Feuerball"};
    const int darstellung[] = {DarstellungBuff,   DarstellungDOT, DarstellungHeilung,
                               DarstellungDebuff, DarstellungHOT, DarstellungSchaden};
    const int intervall[] = {12, 12, 8, 12, 12, 8};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(w[i].Name, erwartet[int(i)]);
        EXPECT_EQ(w[i].Darstellung, darstellung[i]) << i;
        EXPECT_EQ(w[i].Intervall, intervall[i]) << i;
        EXPECT_EQ(w[i].ZauberNr, ZauberSuchen(Katalog(), w[i].Name));
    }
    EXPECT_EQ(w[0].AnzKrit, 1);   // buff: successful casts
    EXPECT_EQ(w[3].AnzNormal, 1); // debuff dodged: a failed cast
    EXPECT_EQ(w[2].MinNormal, 10);
    EXPECT_EQ(w[2].MinKrit, 18); // excellent heal
    EXPECT_EQ(w[1].SumNormal + w[1].SumKrit, 33);
    EXPECT_EQ(m.Status[Gesamt].Waffen.Anzahl(), 6);

    const TKaempfer &h = e->k("Hadrik");
    EXPECT_EQ(h.Phase, 2);
    EXPECT_EQ(h.LetzterHOTZauberer, &m);
    EXPECT_EQ(h.GetoeteteFeinde, 1);
    const TKampfstatus &ht = h.Status[Gesamt];
    EXPECT_EQ(ht.HeilungErhalten, 38);
    EXPECT_EQ(ht.Eingesteckt.AnzBuffErfolg, 1); // booked while undecided, moved to ranged
    EXPECT_EQ(h.Status[Fernkampf].Eingesteckt.AnzBuffErfolg, 1);
    EXPECT_EQ(ht.Eingesteckt.AnzHeilungenMisslungen, 1);
    EXPECT_DOUBLE_EQ(h.KritRate, 1.0 / 3.0);
    const TEinzelWaffe &bogen = h.Status[Fernkampf].Waffen.Waffe[0];
    EXPECT_EQ(bogen.Darstellung, DarstellungFernkampfwaffe);
    EXPECT_TRUE(bogen.GleicheSekunde); // ranged entries are never split
    EXPECT_EQ(bogen.Intervall, 12);

    const TKaempfer &o1 = e->k("Ork #1");
    const TKampfstatus &o1t = o1.Status[Gesamt];
    EXPECT_EQ(o1t.Eingesteckt.AnzDOTTicks, 1); // booked although the caster was unknown
    EXPECT_EQ(o1t.SchadenErhalten, 65);
    EXPECT_EQ(o1t.AngriffeErhalten, 5);
    EXPECT_DOUBLE_EQ(o1.Ausweichrate, 1.0 / 3.0);
    EXPECT_EQ(o1.LetzterAngreifer, &m);

    const TKaempfer &o2 = e->k("Ork #2");
    EXPECT_EQ(o2.Phase, 0); // only a spear: undecided to the end
    EXPECT_EQ(o2.Status[Fernkampf].Waffen.Waffe[0].Name, "Speer");
    EXPECT_EQ(o2.Status[Unbestimmt].Eingesteckt.AnzTreffer, 0);
    EXPECT_EQ(o2.Status[Gesamt].Eingesteckt.AnzDOTTicksKrit, 1);
    // Hitzekegel 22 crit vs 11 gives 0; Langbogen gives a negative value and is left out.
    EXPECT_DOUBLE_EQ(o2.AbsorbEigen, 0.0);
    EXPECT_EQ(o2.AbsorbWerteEigen, 1);
    // Ork #1 has no estimate of its own but shares that of its kind.
    EXPECT_EQ(o1.AbsorbEigen, -1.0);
    EXPECT_DOUBLE_EQ(o1.Absorb, 0.0);
    EXPECT_EQ(o1.AbsorbWerte, 1);
}

TEST(Kampfbericht, LeererTextUndRundenzaehlung)
{
    auto e = Auswerten(QString());
    EXPECT_EQ(e->fehler, 0);
    EXPECT_TRUE(e->a.Kaempfer.empty());
    EXPECT_EQ(e->a.Runden, 1);

    e = Auswerten("00:01 A [Axt] greift B an: verfehlt.\r\n00:02 B [Axt] greift A an: verfehlt.\r");
    EXPECT_EQ(e->a.Runden, 1);
    EXPECT_EQ(e->a.Kaempfer.size(), 2u);

    e = Auswerten("Runde 1\nRunde eins\nRunde 3 4\n");
    EXPECT_EQ(e->a.Runden, 2);
    EXPECT_EQ(e->fehler, 1);
}

TEST(Kampfbericht, PhasenentscheidungDurchDieWaffe)
{
    auto e = Auswerten("00:01 A [Speer] greift X an: verfehlt.\n"
                       "00:01 B [Kurzschwert] greift X an: verfehlt.\n"
                       "00:01 C [Langbogen] greift X an: verfehlt.\n"
                       "00:01 D [Feuerball] greift X an: verfehlt.\n"
                       "00:01 E [Bastardschwert] greift X an: verfehlt.\n"
                       "00:01 F [Stock] greift X an: verfehlt.\n");
    EXPECT_EQ(e->k("A").Status[Unbestimmt].Ausgeteilt.AnzVerfehlt, 0); // moved to ranged at the end
    EXPECT_EQ(e->k("A").Phase, 0);
    EXPECT_EQ(e->k("B").Phase, 1);
    EXPECT_EQ(e->k("C").Phase, 2);
    EXPECT_EQ(e->k("D").Phase, 2);
    EXPECT_EQ(e->k("E").Phase, 1); // compared with the first word of "Bastardschwert [2H]"
    EXPECT_EQ(e->k("F").Phase, 0);
    // X was only attacked: undecided to the end, its hits still in the total.
    EXPECT_EQ(e->k("X").Phase, 0);
    EXPECT_EQ(e->k("X").Status[Unbestimmt].Eingesteckt.AnzVerfehlt, 6);
    EXPECT_EQ(e->k("X").Status[Gesamt].Eingesteckt.AnzVerfehlt, 6);
}

TEST(Kampfbericht, TrefferMitKritUndBlock)
{
    auto e =
        Auswerten("00:01 A [Axt] greift B an: verursacht 20 Schaden (krit. Treffer) (5 Schaden geblockt)\n"
                  "00:02 A [Axt] greift C an: verursacht 20 Schaden (krit. Treffer) (x Schaden geblockt)\n"
                  "00:03 A [Axt] greift C an: kein Schaden (12 Schaden geblockt)\n"
                  "00:04 A [Axt] greift C an: verursacht 99999999999 Schaden.\n");
    EXPECT_EQ(e->fehler, 2);
    const TKaempfer &b = e->k("B");
    EXPECT_EQ(b.Status[Gesamt].Eingesteckt.AnzKritTreffer, 1);
    EXPECT_EQ(b.Status[Gesamt].Eingesteckt.SumKritSchaden, 20);
    EXPECT_EQ(b.Status[Nahkampf].Eingesteckt.SumGeblockt, 5);
    EXPECT_EQ(b.Phase, 1); // a block decides melee
    const TTrefferElement &t = b.Status[Gesamt].Eingesteckt.Gegner[0].Treffer[0];
    EXPECT_TRUE(t.Kritisch);
    EXPECT_EQ(t.Geblockt, 5);
    const TKaempfer &c = e->k("C");
    EXPECT_EQ(c.Status[Gesamt].Eingesteckt.AnzTreffer, 1);
    EXPECT_EQ(c.Status[Gesamt].Eingesteckt.SumGeblockt, 12);
}

TEST(Kampfbericht, BlockImFernkampfGehtInDenNahkampf)
{
    auto e = Auswerten("00:01 B wechselt in den Fernkampf.\n"
                       "00:02 A [Axt] greift B an: verursacht 8 Schaden (3 Schaden geblockt)\n");
    const TKaempfer &b = e->k("B");
    EXPECT_EQ(b.Phase, 1);
    EXPECT_EQ(b.Status[Fernkampf].Eingesteckt.AnzTreffer, 1);
    EXPECT_EQ(b.Status[Fernkampf].Eingesteckt.AnzBlocks, 0);
    EXPECT_EQ(b.Status[Nahkampf].Eingesteckt.AnzBlocks, 1);
    EXPECT_DOUBLE_EQ(b.Blockrate, -1.0); // no direct melee hit to compare with
}

TEST(Kampfbericht, TickOhneZaubererIstEinFehler)
{
    auto e = Auswerten("00:01 [Inferno] wirkt auf Ork: verursacht 9 Schaden.\n"
                       "00:02 [Regeneration I] wirkt auf Ork: heilt 4 Lebenspunkte.\n"
                       "00:03 Mia zaubert [Inferno] auf Ork: verfehlt.\n"
                       "00:04 [Inferno] wirkt auf Ork: kein Schaden (krit. Treffer)\n");
    EXPECT_EQ(e->fehler, 3); // a missed cast records no caster
    const TKampfstatus &s = e->k("Ork").Status[Gesamt];
    EXPECT_EQ(s.Eingesteckt.AnzDOTTicks, 1);
    EXPECT_EQ(s.Eingesteckt.AnzDOTTicksKrit, 1);
    EXPECT_EQ(s.Eingesteckt.AnzHOTTicks, 1);
    EXPECT_TRUE(s.Eingesteckt.Gegner.empty());
}

TEST(Kampfbericht, DebuffWaehrendUnentschiedenBleibtErhalten)
{
    auto e = Auswerten("00:01 Mia zaubert [Fluch] auf Ork: erfolgreich.\n"
                       "00:02 Mia zaubert [Fluch] auf Ork: verfehlt.\n"
                       "00:03 Ork nähert sich Mia.\n");
    const TKaempfer &o = e->k("Ork");
    EXPECT_EQ(o.Phase, 1);
    EXPECT_EQ(o.Status[Nahkampf].Eingesteckt.AnzDebuffErfolg, 1);
    EXPECT_EQ(o.Status[Nahkampf].Eingesteckt.AnzDebuffVerfehlt, 1);
    EXPECT_EQ(o.Status[Gesamt].Eingesteckt.AnzDebuffErfolg, 1);
    EXPECT_EQ(o.Status[Unbestimmt].Eingesteckt.AnzDebuffErfolg, 0);
    const TEinzelWaffe &fluch = e->k("Mia").Status[Fernkampf].Waffen.Waffe[0];
    EXPECT_EQ(fluch.AnzKrit, 1);
    EXPECT_EQ(fluch.AnzNormal, 1);
}

TEST(Kampfbericht, ZweiWaffenGleichenNamensWerdenGeteilt)
{
    auto e = Auswerten("00:00 A wechselt in den Nahkampf.\n"
                       "00:10 A [Axt] greift B an: verursacht 10 Schaden.\n"
                       "00:10 A [Axt] greift B an: verursacht 12 Schaden.\n"
                       "00:16 A [Axt] greift B an: verursacht 9 Schaden.\n"
                       "00:24 A [Axt] greift B an: verursacht 11 Schaden (krit. Treffer)\n");
    const auto &w = e->k("A").Status[Nahkampf].Waffen.Waffe;
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].Name, "Axt");
    EXPECT_EQ(w[1].Name, "Axt");
    EXPECT_FALSE(w[0].GleicheSekunde);
    EXPECT_EQ(w[0].AnzNormal, 3);
    EXPECT_EQ(w[0].SumNormal + w[0].SumKrit, 42);
    EXPECT_EQ(w[1].AnzNormal, AndereWaffe);
    EXPECT_EQ(w[1].SumKrit, AndereWaffe);
    // gaps 6 then 8: the first keeps 6, the copy gets 6 + 8
    EXPECT_EQ(w[0].Intervall, 6);
    EXPECT_EQ(w[0].Intervall2, -1);
    EXPECT_EQ(w[1].Intervall, 14);
    EXPECT_EQ(w[1].Intervall2, -1);
    // The total block holds the pair as one weapon with the real counts.
    const auto &g = e->k("A").Status[Gesamt].Waffen.Waffe;
    ASSERT_EQ(g.size(), 1u);
    EXPECT_EQ(g[0].AnzNormal, 3);
    EXPECT_EQ(g[0].AnzKrit, 1);
}

TEST(Kampfbericht, VieleWaffenInEinemBlock)
{
    QString text = "00:00 A wechselt in den Nahkampf.\n";
    for (int i = 0; i < 9; ++i)
        text += QStringLiteral("00:%1 A [Waffe%2] greift B an: verursacht %3 Schaden.\n")
                    .arg(i + 1)
                    .arg(i)
                    .arg(i);
    text += "00:9 A [Waffe8] greift B an: verursacht 1 Schaden.\n00:20 A [Waffe3] greift B an: verfehlt.\n";
    auto e = Auswerten(text);
    const auto &w = e->k("A").Status[Nahkampf].Waffen.Waffe;
    // nine names; Waffe8 was used twice in one second and is split into a pair
    ASSERT_EQ(w.size(), 10u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(w[size_t(i)].Name, QStringLiteral("Waffe%1").arg(i));
    EXPECT_EQ(w[9].Name, "Waffe8");
    EXPECT_EQ(w[9].AnzNormal, AndereWaffe);
    EXPECT_EQ(w[8].AnzNormal, 2);
}

TEST(Kampfbericht, AbsorbGleicherMonsterWirdGemittelt)
{
    // Ork #1: pairs 30/10 -> 2*(15-10) = 10, weight 1. Ork #2: two pairs 26/10 -> 2*2*(13-10) = 12, weight 2.
    auto e = Auswerten("00:01 H [Axt] greift Ork #1 an: verursacht 10 Schaden.\n"
                       "00:02 H [Axt] greift Ork #1 an: verursacht 30 Schaden (krit. Treffer)\n"
                       "00:03 H [Axt] greift Ork #2 an: verursacht 10 Schaden.\n"
                       "00:04 H [Axt] greift Ork #2 an: verursacht 10 Schaden.\n"
                       "00:05 H [Axt] greift Ork #2 an: verursacht 26 Schaden (krit. Treffer)\n"
                       "00:06 H [Axt] greift Ork #2 an: verursacht 26 Schaden (krit. Treffer)\n"
                       "00:07 H [Axt] greift Ork an: verursacht 10 Schaden.\n"
                       "00:08 H [Axt] greift Ork an: verursacht 24 Schaden (krit. Treffer)\n");
    EXPECT_DOUBLE_EQ(e->k("Ork #1").AbsorbEigen, 10.0);
    EXPECT_DOUBLE_EQ(e->k("Ork #2").AbsorbEigen, 6.0);
    EXPECT_EQ(e->k("Ork #2").AbsorbWerteEigen, 2);
    // (1*10 + 2*6 + 1*4) / 4: the unnumbered "Ork" counts for its kind, but keeps its own value.
    EXPECT_DOUBLE_EQ(e->k("Ork #1").Absorb, 6.5);
    EXPECT_DOUBLE_EQ(e->k("Ork #2").Absorb, 6.5);
    EXPECT_EQ(e->k("Ork #2").AbsorbWerte, 4);
    EXPECT_DOUBLE_EQ(e->k("Ork").Absorb, 4.0);
    EXPECT_EQ(e->k("Ork").AbsorbWerte, 1);
}

TEST(Kampfbericht, AnnaeherungUndSchrittweite)
{
    auto e = Auswerten("00:00 Ork wechselt in den Fernkampf.\n"
                       "00:04 Ork nähert sich Hadrik.\n"
                       "00:09 Ork nähert sich Hadrik.\n"
                       "00:20 Ork nähert sich Hadrik.\n"
                       "00:21 Ork nähert sich\n");
    const TKaempfer &o = e->k("Ork");
    EXPECT_EQ(o.SchrittIntervall, 5);
    EXPECT_EQ(o.ZurueckgelegteFelder, 3);
    EXPECT_EQ(o.Phase, 1);
    EXPECT_EQ(e->a.Kaempfer.size(), 2u);
}

TEST(Kampfbericht, FortschrittJeZeileUndAbbruch)
{
    Kampfauswertung a;
    std::vector<int> schritte;
    KampfberichtAuswerten(Datei("klein.txt"), a, Katalog(), [&](int32_t z, int32_t n) {
        EXPECT_EQ(n, 12);
        schritte.push_back(z);
        return z < 5;
    });
    EXPECT_EQ(schritte, std::vector<int>({1, 2, 3, 4, 5}));
    EXPECT_EQ(a.Kaempfer.size(), 2u);
    EXPECT_EQ(a.Kaempfer[0]->Status[Gesamt].Ausgeteilt.AnzTreffer, 1); // finished with what was read
}

TEST(Kampfbericht, NeueAuswertungLeertDieListe)
{
    Kampfauswertung a;
    KampfberichtAuswerten(Datei("gemischt.txt"), a, Katalog());
    KampfberichtAuswerten("00:01 Neu [Axt] greift Alt an: verfehlt.", a, Katalog());
    EXPECT_EQ(a.Kaempfer.size(), 2u);
    EXPECT_EQ(KaempferFinden(a, "Mirla"), nullptr);
    EXPECT_EQ(a.Fehler, 0);
}

// Pasted junk of every kind ends with a count, never a crash or an overflow.
TEST(Kampfbericht, BeliebigerTextEndetMitEinerZahl)
{
    QString riesig = "00:01 ";
    for (int i = 0; i < 20000; ++i)
        riesig += "Ork ";
    riesig += "[Axt] greift ";
    for (int i = 0; i < 20000; ++i)
        riesig += u"Ork wirkt auf zaubert [x auf y] nähert ";
    riesig += "an: verursacht 2147483647 Schaden (krit. Treffer) (2147483647 Schaden";
    QString text = riesig + '\n';
    for (int i = 0; i < 3; ++i)
        text += "00:01 A [Axt] greift B an: verursacht 2147483647 Schaden (2147483647 Schaden\n";
    text += "99999999999:99 A [Axt] greift B an: verursacht -2147483648 Schaden.\n";
    text += "-35791394:-9 A nähert sich B\n-35791394:00 A nähert sich B\n";
    text += QString(QChar(0)) + "\x01\x02 [ ] greift ] an: an: \n";
    text += "0:0 [] wirkt auf : kein\n0:0 x zaubert [ auf ] auf : heilt\n0:0 [ wirkt auf X: heilt";
    auto e = Auswerten(text);
    EXPECT_GE(e->fehler, 1);
    const TKaempfer &b = e->k("B");
    // three times 2^31-1 saturate at 2^31-1; then -2^31 gives -1
    EXPECT_EQ(b.Status[Gesamt].Eingesteckt.SumSchaden, -1);
    EXPECT_EQ(b.Status[Gesamt].Eingesteckt.SumGeblockt, 2147483647);
    EXPECT_EQ(b.Status[Gesamt].Eingesteckt.AnzTreffer, 4);

    QByteArray binaer;
    for (int i = 0; i < 70000; ++i)
        binaer.append(char((i * 7919) % 256));
    auto f = Auswerten(TextDekodieren(binaer));
    EXPECT_GE(f->fehler, 0);
}
