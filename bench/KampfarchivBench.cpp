// The combat archive with 10,000 fights: opening the window "Kampfarchiv", a search in it,
// a fighter's history, and storing one more fight. Goal: the window opens and a search
// answers in under 100 ms.
#include "catalogue/Katalog.h"
#include "combat/Kampfarchiv.h"
#include "combat/Kampfbericht.h"
#include "combat/ui/Kampfarchivfenster.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimeZone>

#include <memory>
#include <string>

#include "BenchAnwendung.h"

using namespace mvt;

namespace {

constexpr int Kaempfe = 10000;

// Six fighters out of a pool of 300 names, a few Runden of hits and heals.
QString Bericht(int n)
{
    QStringList namen;
    for (int i = 0; i < 6; ++i)
        namen << (i % 2 == 0 ? QStringLiteral("Held %1").arg((n * 7 + i * 13) % 150 + 1)
                             : QStringLiteral("Ork Krieger #%1").arg((n * 11 + i) % 150 + 1));
    // A line the evaluation skips makes every text, and so every fight, a new one.
    QString t = QStringLiteral("Kampf Nr. %1\n").arg(n);
    for (int r = 1; r <= 4; ++r) {
        t += QStringLiteral("Runde %1\n").arg(r);
        for (int i = 0; i < 6; ++i)
            t += QStringLiteral("00:%1 %2 [Kurzschwert] greift %3 an: verursacht %4 Schaden.\n")
                     .arg(r * 10 + i, 2, 10, QLatin1Char('0'))
                     .arg(namen[i], namen[(i + 1) % 6])
                     .arg((n + i * r) % 40 + 1);
        t += QStringLiteral("00:%1 %2 zaubert [Heilung I] auf %2: heilt %3 Lebenspunkte.\n")
                 .arg(r * 10 + 7)
                 .arg(namen[0])
                 .arg(n % 20 + 5);
    }
    return t;
}

struct Archiv {
    QTemporaryDir dir;
    QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
    QString held;

    Archiv()
    {
        TKatalog katalog;
        KatalogFuellen(katalog);
        TKampfarchiv db(pfad);
        if (!db.Oeffnen())
            qFatal("%s", qPrintable(db.Fehler()));
        const QDateTime anfang(QDate(2025, 1, 1), QTime(18, 0), QTimeZone::utc());
        for (int i = 0; i < Kaempfe; ++i) {
            const QString text = Bericht(i);
            Kampfauswertung a;
            KampfberichtAuswerten(text, a, katalog);
            if (i == 0)
                held = a.Kaempfer.front()->Name;
            if (!db.Speichern(text, a, anfang.addSecs(qint64(i) * 3600)))
                qFatal("%s", qPrintable(db.Fehler()));
        }
    }
};

Archiv &Gefuellt()
{
    static Archiv a;
    return a;
}

void BM_KampfarchivFensterOeffnen(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    Archiv &a = Gefuellt();
    TKampfarchivFenster w(nullptr, a.pfad);
    for (auto _ : state) {
        w.show(); // reads the whole list, fighters and names
        state.PauseTiming();
        w.hide();
        state.ResumeTiming();
    }
    state.counters["Kaempfe"] = double(w.Gezeigt().size());
    if (w.Gezeigt().size() < size_t(Kaempfe))
        state.SkipWithError(("Liste unvollständig: " + std::to_string(w.Gezeigt().size())).c_str());
}
BENCHMARK(BM_KampfarchivFensterOeffnen)->Unit(benchmark::kMillisecond);

void BM_KampfarchivSuche(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    Archiv &a = Gefuellt();
    TKampfarchivFenster w(nullptr, a.pfad);
    w.show();
    auto *suche = w.findChild<QLineEdit *>(QStringLiteral("EditSuche"));
    const QString texte[] = {QStringLiteral("krieger #12"), QStringLiteral("held 7"), QStringLiteral("zzz")};
    int i = 0;
    for (auto _ : state)
        suche->setText(texte[i++ % 3]);
    w.hide();
}
BENCHMARK(BM_KampfarchivSuche)->Unit(benchmark::kMillisecond);

void BM_KampfarchivVerlauf(benchmark::State &state)
{
    bench::AnwendungSicherstellen();
    Archiv &a = Gefuellt();
    TKampfarchivFenster w(nullptr, a.pfad);
    w.show();
    auto *wahl = w.findChild<QComboBox *>(QStringLiteral("ComboBoxKaempfer"));
    int i = 0;
    for (auto _ : state)
        wahl->setEditText(i++ % 2 ? a.held : QStringLiteral("Ork Krieger #3"));
    w.hide();
}
BENCHMARK(BM_KampfarchivVerlauf)->Unit(benchmark::kMillisecond);

void BM_KampfarchivSpeichern(benchmark::State &state)
{
    Archiv &a = Gefuellt();
    TKatalog katalog;
    KatalogFuellen(katalog);
    const QString text = Bericht(1);
    Kampfauswertung k;
    KampfberichtAuswerten(text, k, katalog);
    int i = 0;
    for (auto _ : state) {
        // Opening is part of it: the tab opens the archive for every store.
        TKampfarchiv einmal(a.pfad);
        if (!einmal.Oeffnen() || !einmal.Speichern(text + QStringLiteral("\nNr %1").arg(i++), k))
            state.SkipWithError("nicht gespeichert");
    }
}
BENCHMARK(BM_KampfarchivSpeichern)->Unit(benchmark::kMillisecond);

} // namespace
