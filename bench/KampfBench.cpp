#include "catalogue/Katalog.h"
#include "combat/Kampfbericht.h"

#include <benchmark/benchmark.h>

#include <QString>

using namespace mvt;

namespace {

// A generated report of a long group fight: 20 heroes against 20 numbered monsters,
// with every line kind in plausible proportions. Deterministic, so runs compare.
QString KampfberichtErzeugen(int zeilen, int kaempfer)
{
    uint32_t zufall = 12345;
    auto wuerfel = [&zufall](uint32_t n) {
        zufall = zufall * 1103515245u + 12345u;
        return (zufall >> 8) % n;
    };
    const char *waffen[] = {"Kurzschwert", "Axt", "Speer", "Langbogen", "Feuerball", "Handarmbrust"};
    const char *dots[] = {"Hitzekegel", "Inferno", "Giftige Wolke"};
    const char *hots[] = {"Regeneration I", "Gruppen-Regeneration II"};
    const char *buffs[] = {"Eile", "Steinhaut", "Fluch", "Kleiner Fluch"};
    QStringList namen;
    for (int i = 0; i < kaempfer; ++i)
        namen << (i % 2 == 0 ? QStringLiteral("Held %1 der Tapfere").arg(i / 2 + 1)
                             : QStringLiteral("Ork Krieger #%1").arg(i / 2 + 1));
    QString text;
    text.reserve(zeilen * 60);
    int runde = 0;
    for (int z = 0; z < zeilen; ++z) {
        const int sekunde = z / 4;
        const QString zeit =
            QStringLiteral("%1:%2 ").arg(sekunde / 60).arg(sekunde % 60, 2, 10, QLatin1Char('0'));
        const int a = int(wuerfel(uint32_t(kaempfer)));
        const int b = (a + 1 + 2 * int(wuerfel(uint32_t(kaempfer / 2)))) % kaempfer;
        const QString &x = namen[a], &y = namen[b];
        const uint32_t art = wuerfel(100);
        if (z % 240 == 0) {
            text += QStringLiteral("Runde %1\n").arg(++runde);
        } else if (art < 55) {
            QString ergebnis;
            const uint32_t e = wuerfel(10);
            if (e < 6) {
                ergebnis = QStringLiteral("verursacht %1 Schaden").arg(5 + wuerfel(40));
                if (wuerfel(8) == 0)
                    ergebnis += QStringLiteral(" (krit. Treffer)");
                if (wuerfel(6) == 0)
                    ergebnis += QStringLiteral(" (%1 Schaden geblockt)").arg(1 + wuerfel(9));
                ergebnis += u'.';
            } else if (e < 7) {
                ergebnis = QStringLiteral("kein Schaden.");
            } else if (e < 9) {
                ergebnis = QStringLiteral("weicht aus.");
            } else {
                ergebnis = QStringLiteral("verfehlt.");
            }
            text += zeit + x + QStringLiteral(" [") + QLatin1String(waffen[a % 6]) +
                    QStringLiteral("] greift ") + y + QStringLiteral(" an: ") + ergebnis + u'\n';
        } else if (art < 62) {
            text += zeit + x + QStringLiteral(" zaubert [Heilung I] auf ") + namen[(a + 2) % kaempfer] +
                    (wuerfel(5) == 0 ? QStringLiteral(": misslingt.\n")
                                     : QStringLiteral(": heilt %1 Lebenspunkte.\n").arg(8 + wuerfel(5)));
        } else if (art < 68) {
            text += zeit + x + QStringLiteral(" zaubert [") + QLatin1String(dots[a % 3]) +
                    QStringLiteral("] auf ") + y +
                    (wuerfel(4) == 0 ? QStringLiteral(": verfehlt.\n") : QStringLiteral(": erfolgreich.\n"));
        } else if (art < 80) {
            text += zeit + u'[' + QLatin1String(dots[wuerfel(3)]) + QStringLiteral("] wirkt auf ") + y +
                    QStringLiteral(": verursacht %1 Schaden.\n").arg(9 + wuerfel(10));
        } else if (art < 84) {
            text += zeit + x + QStringLiteral(" zaubert [") + QLatin1String(hots[a % 2]) +
                    QStringLiteral("] auf ") + namen[(a + 2) % kaempfer] + QStringLiteral(": erfolgreich.\n");
        } else if (art < 90) {
            text += zeit + u'[' + QLatin1String(hots[wuerfel(2)]) + QStringLiteral("] wirkt auf ") + x +
                    QStringLiteral(": heilt %1 Lebenspunkte.\n").arg(6 + wuerfel(4));
        } else if (art < 93) {
            text += zeit + x + QStringLiteral(" zaubert [") + QLatin1String(buffs[a % 4]) +
                    QStringLiteral("] auf ") + y + QStringLiteral(": erfolgreich.\n");
        } else if (art < 97) {
            text += zeit + x + QStringLiteral(" nähert sich ") + y + QStringLiteral(".\n");
        } else if (art < 99) {
            text += zeit + x +
                    (a % 2 ? QStringLiteral(" wechselt in den Nahkampf.\n")
                           : QStringLiteral(" wechselt in den Fernkampf.\n"));
        } else {
            text += zeit + x + QStringLiteral(" sinkt kampfunfähig zu Boden.\n");
        }
    }
    return text;
}

const TKatalog &BenchKatalog()
{
    static const TKatalog k = [] {
        TKatalog t;
        KatalogFuellen(t);
        return t;
    }();
    return k;
}

} // namespace

// Evaluating a long report: 100,000 lines, 40 fighters. Items are lines.
static void BM_KampfberichtAuswerten(benchmark::State &state)
{
    const QString text = KampfberichtErzeugen(int(state.range(0)), 40);
    const TKatalog &k = BenchKatalog();
    for (auto _ : state) {
        Kampfauswertung a;
        const int32_t fehler = KampfberichtAuswerten(text, a, k);
        benchmark::DoNotOptimize(fehler);
        if (a.Kaempfer.size() != 40)
            state.SkipWithError("unerwartete Zahl von Kaempfern");
        state.counters["Fehler"] = fehler; // ticks on targets without a recorded caster
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KampfberichtAuswerten)->Arg(100000)->Unit(benchmark::kMillisecond);

// Classification alone, the part every line goes through.
static void BM_ZeileKlassifizieren(benchmark::State &state)
{
    const QStringList zeilen = KampfberichtErzeugen(10000, 40).split(u'\n', Qt::SkipEmptyParts);
    const TKatalog &k = BenchKatalog();
    for (auto _ : state) {
        int summe = 0;
        for (const QString &z : zeilen)
            summe += ZeileKlassifizieren(k, WorteTrennen(z));
        benchmark::DoNotOptimize(summe);
    }
    state.SetItemsProcessed(state.iterations() * zeilen.size());
}
BENCHMARK(BM_ZeileKlassifizieren)->Unit(benchmark::kMillisecond);
