// The per-Runde figures of the fighters: they add up to the totals on every sample
// report and on generated ones, and they land in the right Runde.
#include "catalogue/Katalog.h"
#include "catalogue/Textdatei.h"
#include "combat/Kampfbericht.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <random>

using namespace mvt;

namespace {

const TKatalog &Katalog()
{
    static const TKatalog k = [] {
        TKatalog t;
        KatalogFuellen(t);
        return t;
    }();
    return k;
}

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
// lines before the first), blocks, criticals, ticks with and without caster, and broken lines.
QString Erzeugen(uint32_t saat)
{
    std::mt19937 z(saat);
    auto w = [&z](int n) { return int(z() % uint32_t(n)); };
    const QStringList namen{"Hadrik", "Syl die Flinke", "Ork #1", "Ork #2", "Troll", "Mirla"};
    const char *waffen[] = {"Kurzschwert", "Speer", "Langbogen", "Feuerball", "Keule", "Axt"};
    const char *dots[] = {"Hitzekegel", "Giftige Wolke"};
    const char *hots[] = {"Regeneration I"};
    const char *zauber[] = {"Eile", "Fluch", "Steinhaut"};
    const bool mitRunden = w(5) != 0;
    const int zeilen = 20 + w(200);
    QString t;
    int runde = 0;
    for (int i = 0; i < zeilen; ++i) {
        const QString zeit = QStringLiteral("%1:%2 ").arg(i / 30).arg(i % 60, 2, 10, QLatin1Char('0'));
        const QString &x = namen[w(namen.size())];
        const QString &y = namen[w(namen.size())];
        switch (w(13)) {
        case 0:
            if (mitRunden)
                t += QStringLiteral("Runde %1\n").arg(++runde + w(2));
            break;
        case 1:
        case 2:
        case 3: {
            QString e;
            switch (w(5)) {
            case 0:
                e = QStringLiteral("verursacht %1 Schaden").arg(w(40));
                if (w(3) == 0)
                    e += QStringLiteral(" (krit. Treffer)");
                if (w(3) == 0)
                    e += QStringLiteral(" (%1 Schaden geblockt)").arg(1 + w(9));
                e += u'.';
                break;
            case 1:
                e = QStringLiteral("kein Schaden.");
                break;
            case 2:
                e = QStringLiteral("weicht aus.");
                break;
            case 3:
                e = QStringLiteral("verfehlt.");
                break;
            default:
                e = QStringLiteral("verursacht viel Schaden."); // a reading error
                break;
            }
            t += zeit + x + " [" + waffen[w(6)] + "] greift " + y + " an: " + e + '\n';
            break;
        }
        case 4:
            t += zeit + x + " zaubert [Heilung I] auf " + y +
                 (w(4) == 0 ? QStringLiteral(": misslingt.\n")
                            : QStringLiteral(": heilt %1 Lebenspunkte%2.\n")
                                  .arg(w(20))
                                  .arg(w(3) == 0 ? QStringLiteral(" (exzellenter Heilerfolg)") : QString()));
            break;
        case 5:
            t += zeit + x + " zaubert [" + dots[w(2)] + "] auf " + y +
                 (w(3) == 0 ? QStringLiteral(": weicht aus.\n") : QStringLiteral(": erfolgreich.\n"));
            break;
        case 6:
            t += zeit + '[' + dots[w(2)] + "] wirkt auf " + y +
                 (w(4) == 0 ? QStringLiteral(": kein Schaden (krit. Treffer).\n")
                            : QStringLiteral(": verursacht %1 Schaden%2.\n")
                                  .arg(w(15))
                                  .arg(w(3) == 0 ? QStringLiteral(" (krit. Treffer)") : QString()));
            break;
        case 7:
            t += zeit + x + " zaubert [" + hots[0] + "] auf " + y + ": erfolgreich.\n";
            break;
        case 8:
            t += zeit + '[' + hots[0] + "] wirkt auf " + y +
                 QStringLiteral(": heilt %1 Lebenspunkte.\n").arg(w(9));
            break;
        case 9:
            t += zeit + x + " zaubert [" + zauber[w(3)] + "] auf " + y +
                 (w(2) == 0 ? QStringLiteral(": verfehlt.\n") : QStringLiteral(": erfolgreich.\n"));
            break;
        case 10:
            t += zeit + x + " nähert sich " + y + ".\n";
            break;
        case 11:
            t += zeit + x + (w(2) ? " wechselt in den Nahkampf.\n" : " wechselt in den Fernkampf.\n");
            break;
        default:
            t += zeit + x + " sinkt kampfunfähig zu Boden.\n";
            break;
        }
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
