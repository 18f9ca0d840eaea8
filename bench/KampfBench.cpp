#include "catalogue/Katalog.h"
#include "combat/Kampfbericht.h"
#include "combat/ui/Rundendiagramm.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BenchAnwendung.h"
#include "CliMessung.h"

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

// Evaluating a long report: 100,000 lines, 40 fighters. Items are lines. The second
// argument switches the figures per Runde off (0) or on (1), to show what they cost.
static void BM_KampfberichtAuswerten(benchmark::State &state)
{
    const QString text = KampfberichtErzeugen(int(state.range(0)), 40);
    const TKatalog &k = BenchKatalog();
    for (auto _ : state) {
        Kampfauswertung a;
        a.RundenErfassen = state.range(1) != 0;
        const int32_t fehler = KampfberichtAuswerten(text, a, k);
        benchmark::DoNotOptimize(fehler);
        if (a.Kaempfer.size() != 40)
            state.SkipWithError("unerwartete Zahl von Kaempfern");
        state.counters["Fehler"] = fehler; // ticks on targets without a recorded caster
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KampfberichtAuswerten)
    ->ArgNames({"Zeilen", "ProRunde"})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

namespace {

// A duel of 100,000 Runden: a header and two attacks per Runde.
QString LangesDuell(int runden)
{
    QString text;
    text.reserve(qsizetype(runden) * 110);
    for (int r = 1; r <= runden; ++r) {
        const int s = r * 24;
        const QString zeit = QStringLiteral("%1:%2 ").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("Runde %1\n").arg(r);
        text += zeit +
                QStringLiteral("Hadrik [Kurzschwert] greift Troll an: verursacht %1 Schaden.\n").arg(r % 17);
        text += zeit + QStringLiteral("Troll [Keule] greift Hadrik an: weicht aus.\n");
    }
    return text;
}

long SpitzeMB()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024; // kilobytes on Linux
}

} // namespace

// Memory of a report of 100,000 Runden: the peak resident size of the process while the
// report text is held and evaluated (run this case alone to read it for this case only).
static void BM_KampfberichtHunderttausendRunden(benchmark::State &state)
{
    const TKatalog &k = BenchKatalog();
    for (auto _ : state) {
        const QString text = LangesDuell(100000);
        Kampfauswertung a;
        KampfberichtAuswerten(text, a, k);
        if (a.Runden != 100000 || a.Kaempfer.size() != 2 || a.Kaempfer[0]->ProRunde.size() != 100000)
            state.SkipWithError("unerwartetes Ergebnis");
    }
    state.counters["SpitzeMB"] = double(SpitzeMB());
}
BENCHMARK(BM_KampfberichtHunderttausendRunden)->Iterations(1)->Unit(benchmark::kMillisecond);

// Drawing the chart of a fighter with 500 Runden at the size the tab gives it.
static void BM_RundendiagrammZeichnen(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TKaempfer k;
    k.Name = QStringLiteral("Hadrik");
    for (int r = 1; r <= 500; ++r) {
        TRundenwerte w;
        w.Runde = r;
        w.Schaden = (r * 37) % 90;
        w.SchadenErhalten = (r * 53) % 70;
        w.Heilung = (r * 11) % 40;
        k.ProRunde.push_back(w);
    }
    TKaempfer v = k;
    v.Name = QStringLiteral("Troll");
    TRundendiagramm d;
    d.resize(int(state.range(0)), 116);
    d.KaempferSetzen(&k, 500);
    d.VergleichSetzen(&v);
    QImage bild(d.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&bild);
        d.render(&p);
    }
}
BENCHMARK(BM_RundendiagrammZeichnen)->Arg(768)->Arg(1536)->Unit(benchmark::kMillisecond);

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

namespace {

// A report of n attacks, each between two fighters not seen before: 2n fighters.
QString PaarberichtErzeugen(int n)
{
    QString text = QStringLiteral("Runde 1\n");
    for (int i = 0; i < n; ++i)
        text += QStringLiteral("0:%1 Held %2 [Kurzschwert] greift Ork %2 an: verursacht %3 Schaden.\n")
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .arg(i)
                    .arg(5 + i % 30);
    return text;
}

void CliBerichtMessen(benchmark::State &state, const QString &text)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("bericht.txt"));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0) {
        state.SkipWithError("Bericht nicht geschrieben");
        return;
    }
    f.close();
    long spitze = 0;
    for (auto _ : state) {
        double sekunden = 0;
        const long kb = bench::CliMessen("kampfbericht", pfad.toStdString(), &sekunden);
        if (kb < 0) {
            state.SkipWithError("morvaren-cli kampfbericht fehlgeschlagen");
            return;
        }
        spitze = std::max(spitze, kb);
        state.SetIterationTime(sekunden);
    }
    state.counters["SpitzeMB"] = double(spitze) / 1024.0;
}

} // namespace

// The whole command: read, evaluate, write the JSON of every fighter (standard output to
// /dev/null). The 100,000-line group report with 40 fighters, and a report of one attack
// per line between fighters not seen before (range(0) lines, twice as many fighters),
// where the JSON, some 20 kB per fighter, is nearly all of the work.
static void BM_KampfberichtCliGruppe(benchmark::State &state)
{
    CliBerichtMessen(state, KampfberichtErzeugen(int(state.range(0)), 40));
}
BENCHMARK(BM_KampfberichtCliGruppe)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

static void BM_KampfberichtCliVieleKaempfer(benchmark::State &state)
{
    CliBerichtMessen(state, PaarberichtErzeugen(int(state.range(0))));
}
BENCHMARK(BM_KampfberichtCliVieleKaempfer)
    ->Arg(10000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

namespace {

// A fight of runden Runden between n fighters (at most 6): a header per Runde, then one
// attack of every fighter on the next one, hits and dodges in turn. Each fighter has a
// booking in every Runde, so the JSON holds n x runden entries "ProRunde".
QString LangesGefecht(int runden, int n)
{
    const char *namen[] = {"Hadrik", "Troll", "Mirla", "Ork #1", "Ork #2", "Borin"};
    n = std::clamp(n, 2, 6);
    QString text;
    text.reserve(qsizetype(runden) * (12 + 62 * n));
    for (int r = 1; r <= runden; ++r) {
        const int s = r * 24;
        const QString zeit = QStringLiteral("%1:%2 ").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("Runde %1\n").arg(r);
        for (int i = 0; i < n; ++i) {
            const QLatin1String x(namen[i]), y(namen[(i + 1) % n]);
            text += i % 2 == 0 ? zeit + x + QStringLiteral(" [Kurzschwert] greift ") + y +
                                     QStringLiteral(" an: verursacht %1 Schaden.\n").arg(r % 17)
                               : zeit + x + QStringLiteral(" [Keule] greift ") + y +
                                     QStringLiteral(" an: weicht aus.\n");
        }
    }
    return text;
}

} // namespace

// The whole command on a long fight: 100,000 Runden of 2 and of 6 fighters. The JSON holds
// an entry per fighter and Runde; the peak memory is to follow the report, not the output
// (which is some 17 times the report).
static void BM_KampfberichtCliLangesGefecht(benchmark::State &state)
{
    CliBerichtMessen(state, LangesGefecht(int(state.range(0)), int(state.range(1))));
}
BENCHMARK(BM_KampfberichtCliLangesGefecht)
    ->ArgNames({"Runden", "Kaempfer"})
    ->Args({100000, 2})
    ->Args({100000, 6})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The combat tab with a report of 25,000 attacks between fighters not seen before (50,000
// fighters, PaarberichtErzeugen): pasted with Ctrl+V, evaluated, the table filled.
// kampfseite-probe runs it in a process of its own; MVT_BENCH_KAMPFPROBE names another build of it, to
// compare with an older version. Counters: the probe's peak memory, the paste and the evaluation in ms.
static void BM_KampfseiteFuenfzigtausendKaempfer(benchmark::State &state)
{
    std::error_code fehler;
    const std::string probe =
        qEnvironmentVariableIsSet("MVT_BENCH_KAMPFPROBE")
            ? qEnvironmentVariable("MVT_BENCH_KAMPFPROBE").toStdString()
            : (std::filesystem::read_symlink("/proc/self/exe", fehler).parent_path() / "kampfseite-probe")
                  .string();
    for (auto _ : state) {
        const std::string befehl =
            "'" + probe + "' --paare " + std::to_string(state.range(0) / 2) + " 2>/dev/null";
        const auto start = std::chrono::steady_clock::now();
        std::FILE *rohr = ::popen(befehl.c_str(), "r");
        char zeile[256] = {};
        const bool gelesen = rohr && std::fgets(zeile, sizeof zeile, rohr);
        const int ende = rohr ? ::pclose(rohr) : -1;
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        long spitze = 0, einfuegen = 0, auswerten = 0, zeilen = 0;
        if (!gelesen || ende != 0 ||
            std::sscanf(zeile, "kampfseite %ld %ld %ld %ld", &spitze, &einfuegen, &auswerten, &zeilen) != 4) {
            state.SkipWithError("kampfseite-probe lieferte kein Ergebnis");
            return;
        }
        state.counters["SpitzeMB"] = double(spitze) / 1024.0;
        state.counters["EinfuegenMs"] = double(einfuegen);
        state.counters["AuswertenMs"] = double(auswerten);
    }
}
BENCHMARK(BM_KampfseiteFuenfzigtausendKaempfer)
    ->Arg(50000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
