#include "planner/PlanerSitzung.h"
#include "PlanerTestKatalog.h"

#include <gtest/gtest.h>

#include <memory>

using namespace mvt;
using namespace mvt::planer;

namespace {

// A part over a character of the test's that counts every report it gives.
struct TStand {
    TPlaner Planer;
    std::unique_ptr<TPlanerSitzung> Teil = std::make_unique<TPlanerSitzung>(Planer, Katalog());
    int Charakter = 0, Bewertung = 0, Optionen = 0, Optimierer = 0;
    TStand()
    {
        QObject::connect(Teil.get(), &TPlanerSitzung::charakterGeaendert, [this](const TPlaner &p) {
            EXPECT_EQ(&p, &Planer); // the stored record, already computed
            ++Charakter;
        });
        QObject::connect(Teil.get(), &TPlanerSitzung::bewertungGeaendert, [this] { ++Bewertung; });
        QObject::connect(Teil.get(), &TPlanerSitzung::optionenGeaendert, [this] { ++Optionen; });
        QObject::connect(Teil.get(), &TPlanerSitzung::optimiererGeaendert, [this] { ++Optimierer; });
    }
};

} // namespace

// Each input stores, computes once and reports once; the values reported are the computed ones.
TEST(PlanerSitzung, EingabenSpeichernRechnenUndMelden)
{
    TStand s;
    s.Teil->Starten();
    EXPECT_EQ(s.Charakter, 1);
    s.Teil->LevelSetzen(0); // below the first level: level 1
    EXPECT_EQ(s.Planer.Charakter.Level, 1);
    s.Teil->LevelSetzen(10);
    s.Teil->AttributSetzen(AttrStaerke, 30);
    EXPECT_EQ(s.Charakter, 4);
    EXPECT_EQ(s.Planer.Charakter.Staerke, 30);
    EXPECT_EQ(s.Planer.Anzeige.FreieAttributpunkte, QStringLiteral("Freie Attributpunkte: 65"));
    // Only the evaluation: the view without a ranged weapon stays melee.
    s.Teil->AnsichtSetzen(TAnsicht::Fernkampf);
    EXPECT_EQ(s.Planer.Ansicht, TAnsicht::Nahkampf);
    EXPECT_EQ(s.Bewertung, 1);
    EXPECT_EQ(s.Charakter, 4);
    // A menu entry that is none changes nothing and reports nothing.
    EXPECT_FALSE(s.Teil->MenueEintragWaehlen(SlotHelm, QStringLiteral("Pappkarton"), false, false));
    EXPECT_EQ(s.Charakter, 4);
}

// An unchanged option record does nothing; a new one is stored, and computed with only once
// the character was started.
TEST(PlanerSitzung, OptionenNurBeiAenderung)
{
    TStand s;
    TPlanerOptionen o = s.Planer.Optionen;
    s.Teil->OptionenSetzen(o);
    EXPECT_EQ(s.Optionen, 0);
    o.Welt = 1;
    s.Teil->OptionenSetzen(o);
    EXPECT_EQ(s.Planer.Optionen.Welt, 1);
    EXPECT_EQ(s.Optionen, 1);
    EXPECT_EQ(s.Charakter, 0); // not started: nothing to compute
    s.Teil->Starten();
    EXPECT_EQ(s.Planer.Anzeige.Welt, QStringLiteral("Dunladan / Endurias"));
    o.Welt = 3;
    s.Teil->OptionenSetzen(o);
    EXPECT_EQ(s.Planer.Anzeige.Welt, QStringLiteral("Zyrthania"));
    EXPECT_EQ(s.Charakter, 2);
}

// An enchantment that moves a floor moves the optimiser's lower limits; the record outlives
// the part, whose hook goes with it.
TEST(PlanerSitzung, UntergrenzenFolgenUndHakenGehtMit)
{
    TStand s;
    s.Teil->Starten();
    TSlotwahl haube;
    haube.Name = QStringLiteral("Leinen-Haube");
    s.Teil->SlotwahlSetzen(SlotHelm, haube);
    s.Teil->VerzauberungSetzen(SlotHelm, VerzauberungsCode(VzStaerke, 15));
    EXPECT_EQ(s.Planer.Charakter.VerzStaerke, 15);
    EXPECT_EQ(s.Teil->Optimierer().Untergrenze[0], 15);
    EXPECT_EQ(s.Teil->Optimierer().Minimum[0], 15);
    s.Teil.reset();
    EXPECT_FALSE(s.Planer.UntergrenzenGeaendert);
    SetzeVerzauberung(s.Planer, SlotHelm, VerzauberungsCode(VzStaerke, 3));
    EXPECT_EQ(s.Planer.Charakter.VerzStaerke, 3);
}

// The optimiser's inputs report a change only; a search's end applies its result only when told.
TEST(PlanerSitzung, OptimiererEingabenUndErgebnis)
{
    TStand s;
    s.Teil->Starten();
    s.Teil->LevelSetzen(10);
    s.Teil->PrioritaetSetzen(s.Teil->Optimierer().Prioritaet);
    s.Teil->KampfartSetzen(TKampfart::Nahkampf);
    EXPECT_EQ(s.Optimierer, 0);
    s.Teil->PrioritaetSetzen(40);
    s.Teil->GegnerBeruecksichtigenSetzen(true);
    EXPECT_EQ(s.Optimierer, 2);
    EXPECT_EQ(s.Teil->Optimierer().Prioritaet, 40);
    int gemeldet = s.Charakter;
    const TOptimierungsErgebnis e{10, 20, 30, 5};
    s.Teil->OptimierungBeenden(e, false);
    EXPECT_EQ(s.Planer.Charakter.Staerke, 0);
    s.Teil->OptimierungBeenden(e, true);
    EXPECT_EQ(s.Planer.Charakter.Geschick, 20);
    EXPECT_EQ(s.Planer.Charakter.Intelligenz, 5);
    EXPECT_FALSE(s.Teil->Optimierer().OptimierungLaeuft);
    EXPECT_EQ(s.Charakter, gemeldet + 2);
    // "Alles löschen" empties the character and sets the race back to "Leer".
    s.Teil->RasseWaehlen(RasseZwerg);
    s.Teil->AllesLoeschen();
    EXPECT_EQ(s.Planer.Charakter.Geschick, 0);
    EXPECT_EQ(s.Teil->Optimierer().Rasse, RasseLeer);
}
