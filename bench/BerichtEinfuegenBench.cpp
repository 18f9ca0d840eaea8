// Pasting a long combat report into the combat tab's report field, as the player waits for
// it: the longest time the window does not return to its event loop (a stall), for the
// tab's field and, for comparison, for a plain text field that takes the text in one go.
#include "BenchAnwendung.h"
#include "catalogue/Katalog.h"
#include "combat/ui/Berichtsfeld.h"
#include "combat/ui/Kampfberichtseite.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace mvt;

namespace {

// 100,000 lines of about 75 characters: 7.5 MB as the game's report page gives them.
const QString &LangerBericht()
{
    static const QString text = [] {
        QString t;
        t.reserve(7'600'000);
        for (int z = 0; z < 100000; ++z) {
            const int s = z * 8;
            t += QStringLiteral("%1:%2 Hadrik [Kurzschwert] greift Troll an: verursacht %3 Schaden, %4.\n")
                     .arg(s / 60)
                     .arg(s % 60, 2, 10, QLatin1Char('0'))
                     .arg(z % 17)
                     .arg(z % 3 ? QStringLiteral("kein kritischer Treffer") : QStringLiteral("kritisch"));
        }
        return t;
    }();
    return text;
}

const TKatalog &Katalog()
{
    static const TKatalog k = [] {
        TKatalog n;
        KatalogFuellen(n);
        return n;
    }();
    return k;
}

// Pastes the report with the field's paste slot (Ctrl+V) and runs the event loop until the
// text is in; the longest single step is the stall.
void Messen(benchmark::State &state, QPlainTextEdit *feld)
{
    QApplication::clipboard()->setText(LangerBericht());
    double laengste = 0.0;
    for (auto _ : state) {
        feld->clear();
        QApplication::processEvents();
        QElapsedTimer uhr;
        uhr.start();
        feld->paste();
        laengste = std::max(laengste, uhr.nsecsElapsed() / 1e6);
        auto *bericht = dynamic_cast<TBerichtsfeld *>(feld);
        while (bericht && bericht->EinfuegenLaeuft()) {
            uhr.restart();
            QApplication::processEvents();
            laengste = std::max(laengste, uhr.nsecsElapsed() / 1e6);
        }
        uhr.restart();
        QApplication::processEvents(); // the first paint of the new text
        laengste = std::max(laengste, uhr.nsecsElapsed() / 1e6);
        if (feld->document()->blockCount() < 100000)
            state.SkipWithError("Text unvollständig");
    }
    state.counters["LaengsterStillstandMs"] = laengste;
}

} // namespace

static void BM_BerichtEinfuegenKampfseite(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    TKampfberichtSeite seite(Katalog());
    seite.show();
    auto *feld = seite.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    Messen(state, feld);
}
BENCHMARK(BM_BerichtEinfuegenKampfseite)->Iterations(3)->Unit(benchmark::kMillisecond);

// The same paste into a plain field of the same size: the stall the slices avoid.
static void BM_BerichtEinfuegenInEinemZug(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    QPlainTextEdit feld;
    feld.setLineWrapMode(QPlainTextEdit::NoWrap);
    feld.resize(768, 514);
    feld.show();
    Messen(state, &feld);
}
BENCHMARK(BM_BerichtEinfuegenInEinemZug)->Iterations(3)->Unit(benchmark::kMillisecond);
