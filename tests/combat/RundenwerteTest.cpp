// The per-Runde figures of the fighters: they add up to the totals on every sample
// report and on generated ones, and they land in the right Runde.
#include "../Testkatalog.h"
#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "combat/Kampfbericht.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <random>

using namespace mvt;

namespace {

using mvt::test::Katalog;

// Every figure summed over the Runden equals the total block; the Runden are in order,
// within the fight and each holds a booking of the fighter.
void SummenPruefen(const Kampfauswertung &a, const QString &bericht)
{
    for (const auto &kp : a.Kaempfer) {
        const TKaempfer &k = *kp;
        const TKampfstatus &g = k.Status[Gesamt];
        int64_t summe[11] = {};
        int32_t vorige = 0;
        for (const TRundenwerte &r : k.ProRunde) {
            EXPECT_GT(r.Runde, vorige) << bericht.toStdString() << ' ' << k.Name.toStdString();
            EXPECT_LE(r.Runde, a.Runden);
            vorige = r.Runde;
            int i = 0;
#define MVT_SUMME(f) summe[i++] += r.f;
            MVT_RUNDENWERTE(MVT_SUMME)
#undef MVT_SUMME
        }
        int i = 0;
#define MVT_VERGLEICH(f)                                                                                     \
    EXPECT_EQ(summe[i++], g.f) << bericht.toStdString() << ' ' << k.Name.toStdString() << " " #f;
        MVT_RUNDENWERTE(MVT_VERGLEICH)
#undef MVT_VERGLEICH
    }
}

// A random report with every line kind, Runde headers at random places (also none, and
// lines before the first), blocks, criticals, ticks with and without caster, broken lines.
QString Erzeugen(uint32_t saat)
{
    std::mt19937 z(saat);
    auto w = [&z](int n) { return int(z() % uint32_t(n)); };
    const QStringList namen{"Hadrik", "Syl die Flinke", "Ork #1", "Ork #2", "Troll", "Mirla"};
    // %1 actor, %2 target, %3 and %4 numbers.
    const QStringList vorlagen{
        "%1 [Kurzschwert] greift %2 an: verursacht %3 Schaden (krit. Treffer) (%4 Schaden geblockt).",
        "%1 [Speer] greift %2 an: verursacht %3 Schaden (%4 Schaden geblockt).",
        "%1 [Langbogen] greift %2 an: verursacht %3 Schaden.",
        "%1 [Feuerball] greift %2 an: kein Schaden.",
        "%1 [Keule] greift %2 an: weicht aus.",
        "%1 [Axt] greift %2 an: verfehlt.",
        "%1 [Axt] greift %2 an: verursacht viel Schaden.",
        "%1 zaubert [Heilung I] auf %2: heilt %3 Lebenspunkte (exzellenter Heilerfolg).",
        "%1 zaubert [Heilung I] auf %2: heilt %3 Lebenspunkte.",
        "%1 zaubert [Heilung I] auf %2: misslingt.",
        "%1 zaubert [Hitzekegel] auf %2: erfolgreich.",
        "%1 zaubert [Giftige Wolke] auf %2: weicht aus.",
        "[Hitzekegel] wirkt auf %2: verursacht %3 Schaden (krit. Treffer).",
        "[Giftige Wolke] wirkt auf %2: kein Schaden (krit. Treffer).",
        "%1 zaubert [Regeneration I] auf %2: erfolgreich.",
        "[Regeneration I] wirkt auf %2: heilt %3 Lebenspunkte.",
        "%1 zaubert [Fluch] auf %2: verfehlt.",
        "%1 zaubert [Eile] auf %2: erfolgreich.",
        "%1 nähert sich %2.",
        "%1 wechselt in den Nahkampf.",
        "%1 wechselt in den Fernkampf.",
        "%1 sinkt kampfunfähig zu Boden.",
    };
    const bool mitRunden = w(5) != 0;
    QString t;
    for (int i = 0, n = 20 + w(200), runde = 0; i < n; ++i) {
        if (w(12) == 0) {
            if (mitRunden)
                t += QStringLiteral("Runde %1\n").arg(++runde + w(2));
            continue;
        }
        QString zeile = vorlagen[w(vorlagen.size())];
        zeile.replace("%1", namen[w(namen.size())]).replace("%2", namen[w(namen.size())]);
        zeile.replace("%3", QString::number(w(40))).replace("%4", QString::number(1 + w(9)));
        t += QStringLiteral("%1:%2 ").arg(i / 30).arg(i % 60, 2, 10, QLatin1Char('0')) + zeile + u'\n';
    }
    return t;
}

} // namespace

TEST(Rundenwerte, SummenGleichDenGesamtwertenInAllenBeispielberichten)
{
    const QDir ordner(QStringLiteral(MVT_TESTDATEN "/combat"));
    const QStringList dateien = ordner.entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_GE(dateien.size(), 4);
    for (const QString &d : dateien) {
        QFile f(ordner.filePath(d));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        Kampfauswertung a;
        KampfberichtAuswerten(TextDekodieren(f.readAll()), a, Katalog());
        ASSERT_FALSE(a.Kaempfer.empty()) << d.toStdString();
        SummenPruefen(a, d);
    }
}

TEST(Rundenwerte, SummenGleichDenGesamtwertenInErzeugtenBerichten)
{
    int mitFehlern = 0, ohneRunden = 0;
    for (uint32_t saat = 1; saat <= 200; ++saat) {
        Kampfauswertung a;
        KampfberichtAuswerten(Erzeugen(saat), a, Katalog());
        SummenPruefen(a, QStringLiteral("Bericht %1").arg(saat));
        mitFehlern += a.Fehler > 0;
        bool nurEine = true;
        for (const auto &k : a.Kaempfer)
            for (const TRundenwerte &r : k->ProRunde)
                nurEine = nurEine && r.Runde == 1;
        ohneRunden += nurEine;
    }
    // The generator must reach both the error paths and reports of a single Runde.
    EXPECT_GT(mitFehlern, 100);
    EXPECT_GT(ohneRunden, 10);
}

TEST(Rundenwerte, VorDerErstenRundeUndOhneKopfzeilen)
{
    // No header at all: one Runde.
    {
        Kampfauswertung a;
        KampfberichtAuswerten(
            "00:01 A [Axt] greift B an: verursacht 5 Schaden.\n"
            "00:02 B [Axt] greift A an: verursacht 3 Schaden (krit. Treffer) (2 Schaden geblockt).\n",
            a, Katalog());
        const TKaempfer &b = *KaempferFinden(a, "B");
        ASSERT_EQ(b.ProRunde.size(), 1u);
        EXPECT_EQ(b.ProRunde[0].Runde, 1);
        EXPECT_EQ(b.ProRunde[0].Schaden, 3);
        EXPECT_EQ(b.ProRunde[0].SchadenErhalten, 5);
        EXPECT_EQ(b.ProRunde[0].Kritische, 1);
        EXPECT_EQ(KaempferFinden(a, "A")->ProRunde[0].BlocksErhalten, 1);
    }
    // Lines before the first header belong to Runde 1; the numbers count the headers in
    // report order whatever number they carry; a Runde without a booking is left out.
    Kampfauswertung a;
    KampfberichtAuswerten("00:01 A [Axt] greift B an: verursacht 5 Schaden.\n"
                          "Runde 7\n"
                          "00:03 A [Axt] greift B an: weicht aus.\n"
                          "00:04 C zaubert [Heilung I] auf B: heilt 4 Lebenspunkte.\n"
                          "Runde 8\n"
                          "00:06 C [Axt] greift C an: verfehlt.\n"
                          "Runde 9\n"
                          "00:09 A [Axt] greift B an: verursacht 6 Schaden.\n",
                          a, Katalog());
    const TKaempfer &k = *KaempferFinden(a, "A");
    ASSERT_EQ(k.ProRunde.size(), 2u);
    EXPECT_EQ(k.ProRunde[0].Runde, 1);
    EXPECT_EQ(k.ProRunde[0].Schaden, 5);
    EXPECT_EQ(k.ProRunde[0].Angriffe, 2);
    EXPECT_EQ(k.ProRunde[0].TrefferGesamt, 2);
    EXPECT_EQ(k.ProRunde[1].Runde, 3);
    EXPECT_EQ(k.ProRunde[1].Schaden, 6);
    const TKaempfer &b = *KaempferFinden(a, "B");
    EXPECT_EQ(b.ProRunde[0].AusgewichenErhalten, 1);
    EXPECT_EQ(b.ProRunde[0].HeilungErhalten, 4);
    EXPECT_EQ(b.ProRunde[0].SchadenErhalten, 5);
    // One fighter on both sides of a line books both sides into the same Runde.
    const TKaempfer &c = *KaempferFinden(a, "C");
    ASSERT_EQ(c.ProRunde.size(), 2u);
    EXPECT_EQ(c.ProRunde[0].Heilung, 4);
    EXPECT_EQ(c.ProRunde[1].Runde, 2);
    EXPECT_EQ(c.ProRunde[1].Angriffe, 1);
    EXPECT_EQ(c.ProRunde[1].AngriffeErhalten, 1);
}
