// The crafting part of the session: each setter stores, recomputes once and announces the
// value; a call that changes nothing announces nothing where the setter compares.
#include "Hilfen.h"

#include "base/Meldung.h"
#include "crafting/CraftingSitzung.h"

#include <gtest/gtest.h>

#include <vector>

namespace mvt {
namespace {

struct TTeil {
    TCraftingZustand c = test::NeuerZustand();
    TOptionen o;
    int gespeichert = 0;
    std::vector<QString> gehoert;
    TCraftingSitzung s{c, test::Katalog(), o, [this] { ++gespeichert; }};
    TTeil()
    {
        QObject::connect(&s, &TCraftingSitzung::baulisteGeaendert, [this](const TBauliste &b) {
            gehoert.push_back(QStringLiteral("Bauliste %1").arg(b.Anzahl()));
        });
        QObject::connect(&s, &TCraftingSitzung::preiseGeaendert, [this](const TPreise &p) {
            gehoert.push_back(QStringLiteral("Preise %1").arg(p.Warenpreise[Kurz()].Verkaufspreis));
        });
        QObject::connect(&s, &TCraftingSitzung::lagerGeaendert, [this](const TLager &l) {
            gehoert.push_back(QStringLiteral("Lager %1").arg(l.Eintraege.size()));
        });
        QObject::connect(&s, &TCraftingSitzung::lagerBeruecksichtigenGeaendert,
                         [this](bool an) { gehoert.push_back(QStringLiteral("Zaehlt %1").arg(an)); });
    }
    static size_t Kurz() { return static_cast<size_t>(test::Zeile(u"Kurzschwert")); }
    double Erloes() const { return c.Analyse[1].Verkaufserloes; }
};

TEST(CraftingSitzung, BaulisteNurUeberSetzerUndEinmalBerechnet)
{
    TTeil t;
    EXPECT_EQ(t.s.Hinzufuegen(QStringLiteral("Kurzschwert"), 2), TAenderung::Geaendert);
    // Computed before it was announced: the analysis and the requirement lists are there.
    EXPECT_EQ(t.Erloes(), 2 * t.c.Warenpreise[TTeil::Kurz()].Verkaufspreis);
    EXPECT_FALSE(t.c.Bedarfsliste1.Zeilen.empty());
    // Nothing to add, nothing to take off, nothing to remove: no announcement.
    EXPECT_EQ(t.s.Hinzufuegen(QStringLiteral("Kurzschwert"), 0), TAenderung::Keine);
    EXPECT_EQ(t.s.Hinzufuegen(QStringLiteral("Gibt es nicht"), 5), TAenderung::Keine);
    EXPECT_FALSE(t.s.EintragEntfernen(ArtWare, static_cast<int32_t>(TTeil::Kurz()) + 1));
    EXPECT_EQ(t.s.MengeFestlegen(QStringLiteral("Kurzschwert"), 0), TAenderung::Geloescht);
    EXPECT_TRUE(t.c.Bauliste.Leer());
    EXPECT_EQ(t.Erloes(), 0.0);
    // A loaded list is announced even when it is the list there is.
    t.s.BaulisteSetzen(t.c.Bauliste);
    EXPECT_EQ(t.gehoert, (std::vector<QString>{"Bauliste 1", "Bauliste 0", "Bauliste 0"}));
}

TEST(CraftingSitzung, PreiseGespeichertUndDieZahlenFolgen)
{
    TTeil t;
    t.s.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
    TPreise neu = t.c;
    neu.Warenpreise[TTeil::Kurz()].Verkaufspreis = 1234.0;
    t.s.PreiseSetzen(neu);
    EXPECT_TRUE(neu == static_cast<const TPreise &>(t.c));
    EXPECT_EQ(t.Erloes(), 1234.0);
    // A typed text that is no price is reported; nothing is stored or announced.
    {
        MeldungsRekorder meldungen;
        EXPECT_FALSE(t.s.PreisSetzen(true, QStringLiteral("Kurzschwert"), QStringLiteral("zwölf")));
        EXPECT_EQ(meldungen.Meldungen.size(), 1);
    }
    EXPECT_TRUE(t.s.PreisSetzen(true, QStringLiteral("Kurzschwert"), QStringLiteral("617,5")));
    EXPECT_EQ(t.Erloes(), 617.5);
    // A building: only a change counts; outside 1..14 nothing happens.
    const TVorhandeneHandwerksgebaeude h = t.c.Handwerksgebaeude[1];
    t.s.GebaeudeSetzen(1, h.Stufe, h.Schichtkosten);
    t.s.GebaeudeSetzen(0, 5, 100);
    t.s.GebaeudeSetzen(AnzahlHandwerksgebaeude + 1, 5, 100);
    t.s.GebaeudeSetzen(1, 5, 90);
    EXPECT_EQ(t.c.Handwerksgebaeude[1].Stufe, 5);
    EXPECT_EQ(t.c.Handwerksgebaeude[1].Schichtkosten, 90);
    EXPECT_EQ(t.gehoert, (std::vector<QString>{"Bauliste 1", "Preise 1234", "Preise 617.5", "Preise 617.5"}));
}

TEST(CraftingSitzung, LagerGespeichertGezaehltNurWennEsZaehlt)
{
    TTeil t;
    t.s.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
    const double vorher = t.c.Analyse[1].Zutatenanteil;
    TLager lager;
    lager.Setzen(ArtRohstoff, test::Zeile(u"Schmiedeöl"), 5);
    t.s.LagerSetzen(lager);
    EXPECT_EQ(t.gespeichert, 1);
    EXPECT_EQ(t.c.Analyse[1].Zutatenanteil, vorher); // the stock does not count yet
    t.s.LagerSetzen(lager);                          // the same stock: not saved again
    EXPECT_EQ(t.gespeichert, 1);
    t.s.LagerBeruecksichtigenSetzen(true);
    t.s.LagerBeruecksichtigenSetzen(true);
    EXPECT_LT(t.c.Analyse[1].Zutatenanteil, vorher);
    // While it counts, a changed stock changes the figures before it is announced.
    const double mitFuenf = t.c.Analyse[1].Zutatenanteil;
    lager.Setzen(ArtRohstoff, test::Zeile(u"Schmiedeöl"), 2);
    t.s.LagerSetzen(lager);
    EXPECT_EQ(t.gespeichert, 2);
    EXPECT_GT(t.c.Analyse[1].Zutatenanteil, mitFuenf);
    EXPECT_EQ(t.gehoert, (std::vector<QString>{"Bauliste 1", "Lager 1", "Zaehlt 1", "Lager 1"}));
}

} // namespace
} // namespace mvt
