#include "planner/Optimierer.h"
#include "PlanerTestKatalog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <set>
#include <vector>

using namespace mvt;
using namespace mvt::planer;

namespace {

struct Optimierer : ::testing::Test {
    TPlaner p;
    TOptimiererZustand z;
    void SetUp() override { PlanerStarten(p); }
    void Waehle(TSlot s, const char *name)
    {
        ASSERT_TRUE(WaehleAusruestung(p, Katalog(), s, QString::fromUtf8(name)));
    }
    TOptimierungsAuftrag Auftrag() { return OptimierungVorbereiten(p, z); }
    std::array<int32_t, 4> Suche(const TSuchOptionen &o = {})
    {
        const TOptimierungsErgebnis e = OptimiereAttribute(Auftrag(), o);
        return {e.Staerke, e.Geschick, e.Konstitution, e.Intelligenz};
    }
};

using Punkt = std::array<int32_t, 4>;

} // namespace

TEST(OptimiererSchritte, SchrittweiteVerfeinerungTeilwertung)
{
    EXPECT_EQ(Schrittweite(-7), 1);
    EXPECT_EQ(Schrittweite(5), 1);
    EXPECT_EQ(Schrittweite(6), 2);
    EXPECT_EQ(Schrittweite(10), 2);
    EXPECT_EQ(Schrittweite(11), 3);
    EXPECT_EQ(Schrittweite(50), 16);
    EXPECT_EQ(Verfeinerung(1), 0);
    EXPECT_EQ(Verfeinerung(2), 1);
    EXPECT_EQ(Verfeinerung(16), 5);
    EXPECT_EQ(Verfeinerung(5), 1);
    EXPECT_DOUBLE_EQ(Teilwertung(0.3, 0.5), 0.3);
    EXPECT_DOUBLE_EQ(Teilwertung(0.9, 0.5), 0.7);

    auto folge = [](int32_t h) {
        std::vector<int32_t> s;
        for (int32_t x = Schrittweite(h); x > 0; x = Verfeinerung(x))
            s.push_back(x);
        return s;
    };
    EXPECT_EQ(folge(50), (std::vector<int32_t>{16, 5, 1}));
    EXPECT_EQ(folge(10), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(folge(5), (std::vector<int32_t>{1}));
    EXPECT_EQ(AnzahlDurchlaeufe(50), 3);
    EXPECT_EQ(AnzahlDurchlaeufe(10), 2);
    EXPECT_EQ(AnzahlDurchlaeufe(5), 1);
}

TEST_F(Optimierer, NurOffensiveBeiPrioritaet100)
{
    Waehle(SlotHauptwaffe, "Axt");
    std::set<int32_t> aussen;
    std::set<int> suchen, durchlaeufe;
    std::vector<std::pair<int, int>> fortschritt;
    bool konstitutionFest = true;
    TSuchOptionen o;
    o.Besucher = [&](const Punkt &pk, int durchlauf, int suche) {
        suchen.insert(suche);
        durchlaeufe.insert(durchlauf);
        if (durchlauf == 1)
            aussen.insert(pk[AttrIntelligenz]);
        konstitutionFest = konstitutionFest && pk[AttrKonstitution] == 0;
    };
    o.Fortschritt = [&](int m, int pos) { fortschritt.push_back({m, pos}); };
    const Punkt r = Suche(o);

    // H = 50: the outermost loop of the first pass visits 0, 16, 32, 48 and the end 50.
    EXPECT_EQ(aussen, (std::set<int32_t>{0, 16, 32, 48, 50}));
    EXPECT_EQ(suchen, std::set<int>{0});
    EXPECT_EQ(durchlaeufe, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(konstitutionFest);
    EXPECT_EQ(r[AttrKonstitution], 0);
    // Progress maximum L (L + 1) / 2 = 6, advanced by 1, 2, 3.
    EXPECT_EQ(fortschritt, (std::vector<std::pair<int, int>>{{6, 0}, {6, 1}, {6, 3}, {6, 6}}));
    // The axe scales with Stärke: the search spends on it.
    EXPECT_GT(r[AttrStaerke], 0);
    EXPECT_LE(r[0] + r[1] + r[2] + r[3], 50);
}

TEST_F(Optimierer, NurDefensiveBeiPrioritaet0)
{
    Waehle(SlotHauptwaffe, "Axt");
    Waehle(SlotPanzer, "Kupfer-Kettenhemd");
    z.Prioritaet = 0;
    MindestwertGeaendert(z, p.Charakter, EingabeIntelligenz, 3);
    bool intelligenzFest = true;
    int letzteSuche = -1;
    TSuchOptionen o;
    o.Besucher = [&](const Punkt &pk, int, int suche) {
        letzteSuche = suche;
        intelligenzFest = intelligenzFest && pk[AttrIntelligenz] == 3;
    };
    const Punkt r = Suche(o);
    EXPECT_TRUE(intelligenzFest);
    EXPECT_EQ(letzteSuche, 1);
    EXPECT_EQ(r[AttrIntelligenz], 3);
    EXPECT_GT(r[AttrKonstitution], 0);
}

TEST_F(Optimierer, BeideSuchenUndKombiniertBeiPrioritaet50)
{
    Waehle(SlotHauptwaffe, "Dolch");
    Waehle(SlotHelm, "Kupfer-Kettenhaube");
    z.Prioritaet = 50;
    std::set<int> suchen;
    std::vector<std::pair<int, int>> fortschritt;
    TSuchOptionen o;
    o.Besucher = [&](const Punkt &, int, int suche) { suchen.insert(suche); };
    o.Fortschritt = [&](int m, int pos) { fortschritt.push_back({m, pos}); };
    const Punkt r = Suche(o);
    EXPECT_EQ(suchen, (std::set<int>{0, 1, 2}));
    // Maximum 2 L (L + 1) = 24; the combined search advances by 2, 4, 6.
    ASSERT_FALSE(fortschritt.empty());
    EXPECT_EQ(fortschritt.front(), std::make_pair(24, 0));
    EXPECT_EQ(fortschritt.back(), std::make_pair(24, 24));
    EXPECT_LE(r[0] + r[1] + r[2] + r[3], 50);
}

TEST_F(Optimierer, UnnuetzePunkteBleibenFrei)
{
    // A dagger gains nothing from Stärke without armour: Stärke stays at its minimum.
    Waehle(SlotHauptwaffe, "Dolch");
    const Punkt r = Suche();
    EXPECT_EQ(r[AttrStaerke], 0);
    EXPECT_EQ(r[AttrKonstitution], 0);
    EXPECT_GT(r[AttrGeschick], 0);
}

TEST_F(Optimierer, AlleWerteNullErgibtDieMinima)
{
    Waehle(SlotHauptwaffe, "Axt");
    TGegnerwerte g = p.Gegner;
    g.Ausweichen = 100.0;
    GegnerSetzen(p, g);
    z.GegnerBeruecksichtigen = true;
    MindestwertGeaendert(z, p.Charakter, EingabeGeschick, 7);
    EXPECT_EQ(Suche(), (Punkt{0, 7, 0, 0}));
}

TEST_F(Optimierer, KeinePunkteUebrigErgibtDieMinima)
{
    Waehle(SlotHauptwaffe, "Axt");
    RasseWaehlen(z, p.Charakter, RasseMensch);
    EXPECT_EQ(VerbleibendePunkte(z, p.Charakter), 0);
    int besucht = 0;
    TSuchOptionen o;
    o.Besucher = [&](const Punkt &, int, int) { ++besucht; };
    EXPECT_EQ(Suche(o), (Punkt{15, 10, 15, 10}));
    EXPECT_EQ(besucht, 0);
}

TEST_F(Optimierer, NebenhandAlleinWirdHauptwaffeOhneAbzug)
{
    Waehle(SlotNebenwaffe, "Dolch");
    const TOptimierungsAuftrag a = Auftrag();
    EXPECT_TRUE(z.Warnung.isEmpty());
    EXPECT_EQ(a.Kampfmodus, ModusNahEineWaffe);
    EXPECT_EQ(a.Arten[PosHauptwaffe], 3);
    EXPECT_EQ(a.Arten[PosNebenwaffe], 0);
    EXPECT_EQ(a.Ausruestung.Hauptwaffe.MinSchaden, p.Werte.Nebenwaffe.MinSchaden);
    EXPECT_EQ(a.Ausruestung.Hauptwaffe.Angriffe, 4); // no two-weapon penalty
    // The real character is untouched.
    EXPECT_EQ(p.Arten[PosHauptwaffe], 0);
    EXPECT_EQ(p.Arten[PosNebenwaffe], 2);

    Waehle(SlotHauptwaffe, "Kurzschwert");
    EXPECT_EQ(Auftrag().Kampfmodus, ModusNahZweiWaffen);
}

TEST_F(Optimierer, WarnungenUndModi)
{
    EXPECT_EQ(Auftrag().Kampfmodus, ModusNahEineWaffe);
    EXPECT_EQ(z.Warnung, QStringLiteral("Achtung: Keine Nahkampfwaffe!"));
    z.Kampfart = TKampfart::Fernkampf;
    Auftrag();
    EXPECT_EQ(z.Warnung, QStringLiteral("Achtung: Keine Fernkampfwaffe!"));
    Waehle(SlotFernkampf, "Feuer-Stecken");
    LeereSlot(p, SlotMunition);
    Auftrag();
    EXPECT_EQ(z.Warnung, QStringLiteral("Achtung: Keine Munition!"));
    Waehle(SlotMunition, "Magieessenz");
    const TOptimierungsAuftrag ohneZauber = Auftrag();
    EXPECT_EQ(z.Warnung, QStringLiteral("Achtung: Kein Zauber!"));
    // With a warning the copy gets a main hand without damage and searches in mode 0.
    EXPECT_EQ(ohneZauber.Kampfmodus, ModusNahEineWaffe);
    EXPECT_EQ(ohneZauber.Arten[PosHauptwaffe], 1);
    EXPECT_EQ(ohneZauber.Ausruestung.Hauptwaffe.MaxSchaden, 0);
    ASSERT_TRUE(WaehleZauber(p, Katalog(), QStringLiteral("Feuerpfeil")));
    EXPECT_EQ(Auftrag().Kampfmodus, ModusFernZauber);
    EXPECT_TRUE(z.Warnung.isEmpty());
    Waehle(SlotFernkampf, "Erde-Stecken");
    ASSERT_TRUE(WaehleZauber(p, Katalog(), QStringLiteral("Heilung I")));
    EXPECT_EQ(Auftrag().Kampfmodus, ModusFernHeilung);
    Waehle(SlotFernkampf, "Handarmbrust");
    EXPECT_EQ(Auftrag().Kampfmodus, ModusFernWaffe);
}

TEST_F(Optimierer, OhneWaffeWirdNurDieVerteidigungBesser)
{
    Waehle(SlotPanzer, "Leder-Harnisch");
    z.Prioritaet = 50;
    const Punkt r = Suche();
    EXPECT_EQ(z.Warnung, QStringLiteral("Achtung: Keine Nahkampfwaffe!"));
    EXPECT_GT(r[AttrKonstitution], 0);
    EXPECT_EQ(r[AttrIntelligenz], 0); // nothing to gain from it
}

TEST_F(Optimierer, GegnerAusweichenAendertDasErgebnisNicht)
{
    LevelEingeben(p, 30);
    Waehle(SlotHauptwaffe, "Axt");
    Waehle(SlotNebenwaffe, "Lederschild");
    Waehle(SlotPanzer, "Leder-Harnisch");
    z.GegnerBeruecksichtigen = true;
    ASSERT_TRUE(GegnerVorgabeAnwenden(p.Gegner, QStringLiteral("Leder 2")));
    for (int32_t prio : {100, 50}) {
        z.Prioritaet = prio;
        p.Gegner.Ausweichen = 0.0;
        const Punkt ohne = Suche();
        p.Gegner.Ausweichen = 90.0;
        EXPECT_EQ(Suche(), ohne) << prio;
    }
}

TEST_F(Optimierer, SchnelleFormelnGleichDenReferenzformeln)
{
    TSuchOptionen referenz;
    referenz.Referenzformeln = true;
    auto vergleiche = [&](const char *fall) {
        std::vector<Punkt> schnell, langsam;
        TSuchOptionen a, b = referenz;
        a.Besucher = [&](const Punkt &pk, int, int) { schnell.push_back(pk); };
        b.Besucher = [&](const Punkt &pk, int, int) { langsam.push_back(pk); };
        EXPECT_EQ(Suche(a), Suche(b)) << fall;
        // Same values make the same best points, so every pass visits the same windows.
        EXPECT_EQ(schnell, langsam) << fall;
    };

    LevelEingeben(p, 60);
    Waehle(SlotHauptwaffe, "Axt");
    Waehle(SlotNebenwaffe, "Lederschild");
    Waehle(SlotPanzer, "Kupfer-Kettenhemd");
    SetzeVerzauberung(p, SlotPanzer, VerzauberungAusName(QStringLiteral("des Wolfes")));
    z.Prioritaet = 50;
    vergleiche("Nahkampf, Gegner ideal");
    z.GegnerBeruecksichtigen = true;
    ASSERT_TRUE(GegnerVorgabeAnwenden(p.Gegner, QStringLiteral("Metall 2")));
    ASSERT_TRUE(GegnerVorgabeAnwenden(p.Gegner, QStringLiteral("Zweihand")));
    vergleiche("Nahkampf mit Block des Gegners");

    Waehle(SlotNebenwaffe, "Dolch");
    z.Prioritaet = 70;
    vergleiche("zwei Waffen");

    z.Kampfart = TKampfart::Fernkampf;
    Waehle(SlotFernkampf, "Jagdbogen");
    vergleiche("Bogen");
    Waehle(SlotFernkampf, "Erde-Stecken");
    ASSERT_TRUE(WaehleZauber(p, Katalog(), QStringLiteral("Heilung I")));
    vergleiche("Heilzauber");
    Waehle(SlotFernkampf, "Feuer-Stecken");
    ASSERT_TRUE(WaehleZauber(p, Katalog(), QStringLiteral("Feuerpfeil")));
    z.GegnerBeruecksichtigen = false;
    vergleiche("Schadenszauber");
}

TEST_F(Optimierer, ErgebnisAnwendenGibtErstAllePunkteFrei)
{
    AttributEingeben(p, AttrStaerke, 40);
    z.OptimierungLaeuft = true;
    OptimierungsErgebnisAnwenden(p, z, TOptimierungsErgebnis{5, 10, 30, 20});
    EXPECT_FALSE(z.OptimierungLaeuft);
    // 5 + 10 + 30 fit; Intelligenz is cut to the 5 points left.
    EXPECT_EQ(p.Charakter.Staerke, 5);
    EXPECT_EQ(p.Charakter.Konstitution, 30);
    EXPECT_EQ(p.Charakter.Intelligenz, 5);
    EXPECT_EQ(p.Charakter.FreiePunkte, 0);
    EXPECT_EQ(p.Charakter.MaxLebenspunkte, 224); // 140 * 1.6
}

TEST_F(Optimierer, LaeuftImEigenenThreadUndMeldetDasEnde)
{
    int argc = 1;
    char name[] = "test";
    char *argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);

    LevelEingeben(p, 20);
    Waehle(SlotHauptwaffe, "Axt");
    const Punkt erwartet = Suche();
    QObject fenster;
    bool fertig = false;
    int letztePosition = -1, maximum = 0;
    auto *t = StarteOptimierung(
        z, Auftrag(), &fenster,
        [&](const TOptimierungsErgebnis &e) {
            OptimierungsErgebnisAnwenden(p, z, e);
            fertig = true;
        },
        [&](int m, int pos) {
            maximum = m;
            letztePosition = pos;
        });
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(z.OptimierungLaeuft);
    // A second start while one runs starts nothing.
    EXPECT_EQ(StarteOptimierung(z, Auftrag(), &fenster, {}), nullptr);
    QElapsedTimer uhr;
    uhr.start();
    while (!fertig && uhr.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(fertig);
    EXPECT_FALSE(z.OptimierungLaeuft);
    EXPECT_EQ(letztePosition, maximum);
    EXPECT_EQ(
        (Punkt{p.Charakter.Staerke, p.Charakter.Geschick, p.Charakter.Konstitution, p.Charakter.Intelligenz}),
        erwartet);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---------------------------------------------------------------- window inputs

TEST_F(Optimierer, RasseMitVerzauberungsUntergrenze)
{
    Waehle(SlotHelm, "Leder-Haube");
    SetzeVerzauberung(p, SlotHelm, VerzauberungsCode(VzStaerke, 3));
    UntergrenzenAnpassen(z, p.Charakter);
    RasseWaehlen(z, p.Charakter, RasseZwerg);
    EXPECT_EQ(z.Minimum, (std::array<int32_t, 4>{23, 5, 20, 5}));
    EXPECT_EQ(VerbleibendePunkteText(z, p.Charakter), QStringLiteral("(0 bleiben"));
    // The race is re-applied with the new floor when the enchantment changes.
    SetzeVerzauberung(p, SlotHelm, VerzauberungsCode(VzStaerke, 1));
    UntergrenzenAnpassen(z, p.Charakter);
    EXPECT_EQ(z.Rasse, RasseZwerg);
    EXPECT_EQ(z.Minimum, (std::array<int32_t, 4>{21, 5, 20, 5}));
}

TEST_F(Optimierer, HandeingabeWechseltZuFreiReserveNicht)
{
    LevelEingeben(p, 11); // 100 points
    RasseWaehlen(z, p.Charakter, RasseMensch);
    MindestwertGeaendert(z, p.Charakter, EingabeReserviert, 10);
    EXPECT_EQ(z.Rasse, RasseMensch);
    MindestwertGeaendert(z, p.Charakter, EingabeGeschick, 12);
    EXPECT_EQ(z.Rasse, RasseFrei);
    EXPECT_EQ(VerbleibendePunkte(z, p.Charakter), 100 - 52 - 10);
    // Minimums and reserve beyond the points: the edited input is lowered by the excess.
    MindestwertGeaendert(z, p.Charakter, EingabeStaerke, 80);
    EXPECT_EQ(z.Minimum[EingabeStaerke], 15 + 38);
    EXPECT_EQ(VerbleibendePunkte(z, p.Charakter), 0);
    // Inputs keep their limits.
    MindestwertGeaendert(z, p.Charakter, EingabeReserviert, 5000);
    EXPECT_EQ(z.Reserviert, 10);
    MindestwertGeaendert(z, p.Charakter, EingabeIntelligenz, -4);
    EXPECT_EQ(z.Minimum[EingabeIntelligenz], 0);
}

TEST_F(Optimierer, MindestwerteKommenNachKurzemLevelAbfallZurueck)
{
    LevelEingeben(p, 21); // 150 points
    MindestwertGeaendert(z, p.Charakter, EingabeStaerke, 60);
    MindestwertGeaendert(z, p.Charakter, EingabeGeschick, 60);
    MindestwertGeaendert(z, p.Charakter, EingabeReserviert, 20);
    GleicheMindestwerteAb(z, p.Charakter, false);
    LevelEingeben(p, 11); // 100 points: Geschick is cut, the reserve goes
    GleicheMindestwerteAb(z, p.Charakter, true);
    EXPECT_EQ(z.Minimum[EingabeStaerke], 60);
    EXPECT_EQ(z.Minimum[EingabeGeschick], 40);
    EXPECT_EQ(z.Reserviert, 0);
    LevelEingeben(p, 21);
    GleicheMindestwerteAb(z, p.Charakter, true);
    EXPECT_EQ(z.Minimum[EingabeGeschick], 60);
    EXPECT_EQ(z.Reserviert, 20);
}

TEST_F(Optimierer, LeerSetztAufDieUntergrenzenUndNull)
{
    RasseWaehlen(z, p.Charakter, RasseGnom);
    MindestwertGeaendert(z, p.Charakter, EingabeReserviert, 0);
    RasseWaehlen(z, p.Charakter, RasseLeer);
    EXPECT_EQ(z.Minimum, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(z.Reserviert, 0);
}
