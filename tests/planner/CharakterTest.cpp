#include "planner/Charakter.h"
#include "planner/Planer.h"

#include <gtest/gtest.h>

using namespace mvt;
using namespace mvt::planer;

namespace {

TPlaner Frisch()
{
    TPlaner p;
    PlanerStarten(p);
    return p;
}

TCharakter Berechnet(const TAusruestungsArten &arten, const TAusruestungsWerte &werte, TCharakter c,
                     const TPlanerOptionen &o = {})
{
    BerechneEffektiveWerte(arten, werte, c, o);
    return c;
}

} // namespace

TEST(CharakterLevel, SchwellenDerWelten)
{
    EXPECT_EQ(ErfahrungFuerLevel(1, 3), 0);
    EXPECT_EQ(ErfahrungFuerLevel(2, 3), 200);
    EXPECT_EQ(ErfahrungFuerLevel(3, 3), 700);
    EXPECT_EQ(ErfahrungFuerLevel(4, 3), 1600);
    EXPECT_EQ(ErfahrungFuerLevel(3, 0), 700); // unknown world counts as Zyrthania
    EXPECT_EQ(ErfahrungFuerLevel(2, 1), 1000);
    EXPECT_EQ(ErfahrungFuerLevel(3, 2), 3000);
    EXPECT_EQ(ErfahrungFuerLevel(50, 7), 0);
    // The closed form agrees with walking the steps one by one.
    int64_t summe = 0;
    for (int j = 1; j < 999; ++j)
        summe += 50LL * (j + 1) * (j + 2) - 100;
    EXPECT_EQ(ErfahrungFuerLevel(999, 3), summe);
}

TEST(CharakterLevel, LevelAusErfahrung)
{
    EXPECT_EQ(LevelAusErfahrung(0, 3), 1);
    EXPECT_EQ(LevelAusErfahrung(199, 3), 1);
    EXPECT_EQ(LevelAusErfahrung(200, 3), 2);
    EXPECT_EQ(LevelAusErfahrung(699, 3), 2);
    EXPECT_EQ(LevelAusErfahrung(2999, 1), 2);
    EXPECT_EQ(LevelAusErfahrung(3000, 1), 3);
    EXPECT_EQ(LevelAusErfahrung(-5, 3), 1);
    EXPECT_EQ(LevelAusErfahrung(INT64_MAX, 3), 999);
    EXPECT_EQ(LevelAusErfahrung(123456, 9), 1);
}

TEST(CharakterLevel, AnzeigeDerSchwellen)
{
    TPlaner p = Frisch();
    EXPECT_EQ(p.Anzeige.LevelUpBei, "200");
    LevelEingeben(p, 2);
    EXPECT_EQ(p.Anzeige.LevelUpBei, "700");
    ErfahrungEingeben(p, 250);
    EXPECT_EQ(p.Anzeige.Noch, "450");
    p.Optionen.Welt = 1;
    LevelEingeben(p, 1);
    EXPECT_EQ(p.Anzeige.LevelUpBei, "1000");
    EXPECT_EQ(p.Anzeige.Welt, "Dunladan / Endurias");
    LevelEingeben(p, 2);
    EXPECT_EQ(p.Anzeige.LevelUpBei, "3000");
    // Experience beyond level 999 is cut to its threshold.
    ErfahrungEingeben(p, INT64_MAX);
    EXPECT_EQ(p.Charakter.Level, 999);
    EXPECT_EQ(p.Charakter.Erfahrung, ErfahrungFuerLevel(999, 1));
}

TEST(CharakterStart, ZusammenfassungWieImSpiel)
{
    const TPlaner p = Frisch();
    const TCharakterAnzeige &a = p.Anzeige;
    EXPECT_EQ(p.Charakter.MaxLebenspunkte, 140);
    EXPECT_EQ(a.Welt, "Zyrthania");
    EXPECT_EQ(a.MaximaleLebenspunkte, "Maximale Lebenspunkte: 140");
    EXPECT_EQ(a.MaximaleTraglast, "Maximale Traglast: 100 kg");
    EXPECT_EQ(a.FreieAttributpunkte, "Freie Attributpunkte: 50");
    EXPECT_TRUE(a.FreiePunkteHervorgehoben);
    EXPECT_EQ(a.Bewegung, "Bewegungsgeschw.: schnell (8 Schritte)");
    EXPECT_EQ(a.Nahkampf.Ausweichen, "4.00 %");
    EXPECT_EQ(a.Nahkampf.Behinderung, "keine");
    EXPECT_EQ(a.Nahkampf.Ruestschutz, "0.0 %");
    EXPECT_FALSE(a.Nahkampf.SchildblockSichtbar);
    ASSERT_EQ(a.Nahkampf.Waffen.size(), 1u);
    EXPECT_EQ(a.Nahkampf.Waffen[0].Name, "Waffenlos");
    EXPECT_EQ(a.Nahkampf.Waffen[0].Schaden, "0 - 0");
    EXPECT_EQ(a.Nahkampf.Waffen[0].Tempo, "normal (3 Angriffe)");
    EXPECT_EQ(a.Nahkampf.Waffen[0].Treffsicherheit, "75.00 %");
    EXPECT_EQ(a.Nahkampf.Waffen[0].KritischeTreffer, "4.00 %");
    EXPECT_FALSE(a.Fernkampf.Sichtbar);
}

// The words come from the catalogue for 1..4; the planner adds the ends.
TEST(CharakterStart, TempoworteAnDenRaendern)
{
    EXPECT_EQ(Tempowort(-1), "!FEHLER!");
    EXPECT_EQ(Tempowort(0), "gar nicht");
    EXPECT_EQ(TempoText(1), "sehr langsam (1 Angriff)");
    EXPECT_EQ(Tempowort(4), "schnell");
    EXPECT_EQ(TempoText(5), "sehr schnell (5 Angriffe)");
}

TEST(CharakterStart, WirkungsschluesselDerOptionsdatei)
{
    EXPECT_EQ(WirkungsIndex(QStringLiteral("Schwerter")), 0);
    EXPECT_EQ(WirkungsIndex(QStringLiteral("Wachdienst")), AnzahlWirkungen - 1);
    EXPECT_EQ(WirkungsIndex(QStringLiteral("wachdienst")), -1);
    EXPECT_EQ(WirkungsIndex(QString()), -1);
}

TEST(CharakterAttribute, SetzenNurMitFreienPunkten)
{
    TCharakter c;
    SetzeAttribut(c, AttrStaerke, 30);
    EXPECT_EQ(c.Staerke, 30);
    EXPECT_EQ(c.FreiePunkte, 20);
    SetzeAttribut(c, AttrGeschick, 35); // only 20 free
    EXPECT_EQ(c.Geschick, 20);
    EXPECT_EQ(c.FreiePunkte, 0);
    SetzeAttribut(c, AttrStaerke, -7); // below the floor: the floor
    EXPECT_EQ(c.Staerke, 0);
    EXPECT_EQ(c.FreiePunkte, 30);
}

TEST(CharakterAttribute, LevelSenkenNimmtPunkteReihum)
{
    TCharakter c;
    SetzeLevel(c, 3, 3); // 60 points
    SetzeAttribut(c, AttrStaerke, 20);
    SetzeAttribut(c, AttrGeschick, 20);
    SetzeAttribut(c, AttrKonstitution, 18);
    SetzeAttribut(c, AttrIntelligenz, 2);
    ASSERT_EQ(c.FreiePunkte, 0);
    AendereVerzauberung(c, 0, VerzauberungsCode(VzIntelligenz, 2)); // floor of Intelligenz: 2
    EXPECT_EQ(c.Intelligenz, 4);
    EXPECT_EQ(c.Attributpunkte, 62);
    SetzeLevel(c, 1, 3); // 52 points: 10 taken in turn, Intelligenz stops at its floor
    EXPECT_EQ(c.Attributpunkte, 52);
    EXPECT_EQ(c.FreiePunkte, 0);
    EXPECT_EQ(c.Intelligenz, 2);
    EXPECT_EQ(c.Staerke, 17);
    EXPECT_EQ(c.Geschick, 17);
    EXPECT_EQ(c.Konstitution, 16);
    // Free points are used up first.
    SetzeLevel(c, 5, 3);
    EXPECT_EQ(c.FreiePunkte, 20);
    SetzeLevel(c, 3, 3);
    EXPECT_EQ(c.FreiePunkte, 10);
    EXPECT_EQ(c.Staerke, 17);
}

TEST(CharakterAttribute, UnerreichbareSummeHaengtNicht)
{
    TCharakter c;
    AendereVerzauberung(c, 0, VerzauberungsCode(VzStaerke, 5));
    SetzeAttributpunkte(c, 1); // below the floors: stops at them
    EXPECT_EQ(c.Staerke, 5);
    EXPECT_EQ(c.Attributpunkte, 5);
}

TEST(CharakterVerzauberung, WerteUndSummen)
{
    EXPECT_DOUBLE_EQ(VerzauberungsWert(VerzauberungsCode(VzTraglast, 3)), 15.0);
    EXPECT_DOUBLE_EQ(VerzauberungsWert(VerzauberungsCode(VzAbsorb, 2)), 0.8);
    EXPECT_DOUBLE_EQ(VerzauberungsWert(VerzauberungsCode(VzKritischeTreffer, 5)), 1.5);
    EXPECT_DOUBLE_EQ(VerzauberungsWert(VerzauberungsCode(VzGeschick, 4)), 4.0);
    EXPECT_DOUBLE_EQ(VerzauberungsWert(VerzauberungsCode(VzLeben, 5)), 0.15);
    EXPECT_DOUBLE_EQ(VerzauberungsWert(VerzauberungsCode(12, 5)), 0.0);
    std::array<Verzauberungscode, 8> l{VerzauberungsCode(VzAusweichen, 1), VerzauberungsCode(VzAusweichen, 4),
                                       VerzauberungsCode(VzTraglast, 1)};
    EXPECT_NEAR(VerzauberungsSumme(l, VzAusweichen), 1.5, 1e-12);
}

TEST(CharakterWerte, ZweiWaffenUndSkalierung)
{
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    TCharakter c;
    SetzeAttribut(c, AttrStaerke, 20);
    SetzeAttribut(c, AttrGeschick, 25);
    arten[PosHauptwaffe] = 3; // dagger: 0.8 % per point of Geschicklichkeit
    werte.Hauptwaffe = {10, 20, 4, 0};
    TCharakter a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.Hauptwaffe.MinSchaden, 12); // 10 * 1.2
    EXPECT_EQ(a.Hauptwaffe.MaxSchaden, 24);
    EXPECT_EQ(a.Hauptwaffe.Angriffe, 4);
    EXPECT_DOUBLE_EQ(a.Hauptwaffe.Treffsicherheit, 80.0);
    arten[PosNebenwaffe] = 3; // axe: 1 % per point of Stärke
    werte.Nebenwaffe = {10, 15, 1, 0};
    a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.Hauptwaffe.MinSchaden, 10); // floor(12 * 0.9)
    EXPECT_EQ(a.Hauptwaffe.MaxSchaden, 21);
    EXPECT_EQ(a.Hauptwaffe.Angriffe, 3);
    EXPECT_DOUBLE_EQ(a.Hauptwaffe.Treffsicherheit, 75.0);
    EXPECT_EQ(a.Nebenwaffe.MinSchaden, 10); // 10 * 1.2 * 0.9 = 10.8
    EXPECT_EQ(a.Nebenwaffe.MaxSchaden, 16);
    EXPECT_EQ(a.Nebenwaffe.Angriffe, 0);
    // An off-hand weapon alone keeps its values; the main hand shows the unarmed block.
    arten[PosHauptwaffe] = 0;
    a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.Nebenwaffe.MinSchaden, 12);
    EXPECT_EQ(a.Nebenwaffe.Angriffe, 1);
    EXPECT_EQ(a.Hauptwaffe.Angriffe, 3);
}

TEST(CharakterWerte, BehinderungUndSchritte)
{
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    arten[PosPanzer] = 2;
    werte.Ruestung[PosPanzer] = {10.0, 2.0, 40, 0};
    TCharakter c = Berechnet(arten, werte, TCharakter{});
    EXPECT_EQ(c.BehinderungNah, 40);
    EXPECT_EQ(c.Schritte, 6);
    werte.Ruestung[PosPanzer].Behinderung = 41;
    c = Berechnet(arten, werte, TCharakter{});
    EXPECT_EQ(c.Schritte, 4);
    // Encumbrance lowers dodge and critical hits, not melee damage.
    EXPECT_DOUBLE_EQ(c.AusweichenNah, 2.36);
    EXPECT_DOUBLE_EQ(c.Hauptwaffe.KritischeTreffer, 2.36);
    EXPECT_DOUBLE_EQ(c.Hauptwaffe.KritUnbehindert, 4.0);
    // Light armour is reduced by Geschicklichkeit, everything by Stärke.
    arten[PosPanzer] = 1;
    werte.Ruestung[PosPanzer].Behinderung = 30;
    TCharakter s;
    SetzeAttribut(s, AttrGeschick, 50);
    SetzeAttribut(s, AttrStaerke, 0);
    c = Berechnet(arten, werte, s);
    EXPECT_EQ(c.BehinderungNah, 15);
    EXPECT_EQ(c.BehinderungFern, 30); // no ranged weapon: unreduced
}

TEST(CharakterWerte, KappenBei25Und95)
{
    TCharakter c;
    SetzeLevel(c, 100, 3);
    SetzeAttribut(c, AttrGeschick, 200);
    SetzeAttribut(c, AttrIntelligenz, 200);
    const TCharakter a = Berechnet(TAusruestungsArten{}, TAusruestungsWerte{}, c);
    EXPECT_DOUBLE_EQ(a.AusweichenNah, 25.0);
    EXPECT_DOUBLE_EQ(a.Hauptwaffe.KritischeTreffer, 25.0);
    EXPECT_DOUBLE_EQ(a.Hauptwaffe.Treffsicherheit, 95.0);
}

TEST(CharakterWerte, WirkungNurWennAktiv)
{
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    arten[PosHauptwaffe] = 1;
    werte.Hauptwaffe = {10, 20, 3, 0};
    TPlanerOptionen o;
    o.Wirkung[WkSchwerter] = 1.5;
    EXPECT_EQ(Berechnet(arten, werte, TCharakter{}, o).Hauptwaffe.MaxSchaden, 30);
    o.WirkungBerechnen = false;
    EXPECT_EQ(Berechnet(arten, werte, TCharakter{}, o).Hauptwaffe.MaxSchaden, 20);
    o.WirkungBerechnen = true;
    o.Welt = 2;
    EXPECT_EQ(Berechnet(arten, werte, TCharakter{}, o).Hauptwaffe.MaxSchaden, 20);
}

TEST(CharakterWerte, AbsorbRundetHalbeAb)
{
    EXPECT_DOUBLE_EQ(AbsorbRunden(1.25), 1.2);
    EXPECT_DOUBLE_EQ(AbsorbRunden(1.26), 1.3);
    EXPECT_DOUBLE_EQ(RundenStellen(2.345, 2), 2.35);
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    arten[PosHelm] = 1;
    werte.Ruestung[PosHelm].Absorb = 1.25;
    EXPECT_DOUBLE_EQ(Berechnet(arten, werte, TCharakter{}).Absorb, 1.2);
    werte.Ruestung[PosHelm].Absorb = 1.26;
    EXPECT_DOUBLE_EQ(Berechnet(arten, werte, TCharakter{}).Absorb, 1.3);
}

TEST(CharakterWerte, StabNurMitPassendemElement)
{
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    arten[PosFernkampf] = 3; // fire staff
    arten[PosMunition] = 3;
    arten[PosZauberElement] = 1;
    arten[PosZauberTyp] = 1;
    werte.Stab = {50, 10, 0};
    werte.Zauber = {10, 20, 3, 0};
    TCharakter c;
    SetzeAttribut(c, AttrIntelligenz, 20);
    TCharakter a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.Zauber.MinSchaden, 18); // 10 * 1.2 * 1.5
    EXPECT_EQ(a.Zauber.MaxSchaden, 36);
    arten[PosZauberElement] = 2; // water spell in a fire staff
    a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.Zauber.MinSchaden, 12);
    EXPECT_EQ(a.Zauber.MaxSchaden, 24);
    // Without ammunition the spell does nothing.
    arten[PosMunition] = 0;
    EXPECT_EQ(Berechnet(arten, werte, c).Zauber.MaxSchaden, 0);
}

TEST(CharakterWerte, LebenUndTraglastAusVerzauberung)
{
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    arten[PosHelm] = 1;
    werte.Ruestung[PosHelm].Verzauberung = VerzauberungsCode(VzLeben, 5);
    arten[PosStiefel] = 1;
    werte.Ruestung[PosStiefel].Verzauberung = VerzauberungsCode(VzTraglast, 3);
    TCharakter c;
    SetzeLevel(c, 10, 3);
    SetzeAttribut(c, AttrKonstitution, 20);
    SetzeAttribut(c, AttrStaerke, 10);
    const TCharakter a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.MaxLebenspunkte, 515); // floor(1.15 * 320 * 1.4) = floor(515.2)
    EXPECT_EQ(a.Traglast, 135);
    EXPECT_EQ(a.AnzahlVerzauberungen, 2);
    // Whole products stay whole: 180 x 1.4 is 252, not 251.
    TCharakter d;
    SetzeLevel(d, 3, 3);
    SetzeAttribut(d, AttrKonstitution, 20);
    EXPECT_EQ(Berechnet(TAusruestungsArten{}, TAusruestungsWerte{}, d).MaxLebenspunkte, 252);
    // An item removed from its slot no longer counts.
    arten[PosHelm] = 0;
    EXPECT_EQ(Berechnet(arten, werte, c).MaxLebenspunkte, 448);
}

TEST(CharakterWerte, RundungOhneBinaerbruchFehler)
{
    // 25 x 1.16 is 29 and 10 - 0.3 x 10 is 7 exactly; 4.5 x 0.93 = 4.185 rounds half up.
    TAusruestungsArten arten{};
    TAusruestungsWerte werte{};
    arten[PosHauptwaffe] = 3;
    werte.Hauptwaffe = {25, 30, 4, 0};
    arten[PosHelm] = 2;
    werte.Ruestung[PosHelm] = {1.0, 0.0, 7, VerzauberungsCode(VzAusweichen, 1)};
    arten[PosStiefel] = 1;
    werte.Ruestung[PosStiefel] = {1.0, 0.0, 10, 0};
    TCharakter c;
    SetzeAttribut(c, AttrGeschick, 20);
    TCharakter a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.Hauptwaffe.MinSchaden, 29);
    EXPECT_EQ(a.BehinderungNah, 7 + 4); // light 10 - 6 = 4, heavy 7
    SetzeAttribut(c, AttrGeschick, 10);
    werte.Ruestung[PosStiefel].Behinderung = 10;
    werte.Ruestung[PosHelm].Behinderung = 0;
    a = Berechnet(arten, werte, c);
    EXPECT_EQ(a.BehinderungNah, 7); // 10 - 3
    werte.Ruestung[PosStiefel].Behinderung = 0;
    werte.Ruestung[PosHelm].Behinderung = 7;
    SetzeAttribut(c, AttrGeschick, 1);
    a = Berechnet(arten, werte, c);
    EXPECT_DOUBLE_EQ(a.AusweichenNah, 4.19);
}
