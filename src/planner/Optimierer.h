// Attribute optimiser: the inputs of the optimiser window (race minimums, minimum and
// reserve inputs with their cut-on-excess rules) and the coarse-to-fine grid search for
// the best distribution of attribute points. The search runs on private copies of the
// character records, so it can run on a worker thread while the player goes on.
#pragma once

#include "planner/Charakter.h"
#include "planner/Planer.h"

#include <QString>
#include <QThread>

#include <array>
#include <cstdint>
#include <functional>

namespace mvt::planer {

// ---------------------------------------------------------------- window inputs

// Radio buttons of the race choice; the five races carry their tags 1..5.
enum TRassenwahl : int {
    RasseMensch = 1,
    RasseElf = 2,
    RasseHalbelf = 3,
    RasseZwerg = 4,
    RasseGnom = 5,
    RasseFrei = 6,
    RasseLeer = 7,
};

// Start attributes Stärke, Geschicklichkeit, Konstitution, Intelligenz of a race tag
// 1..5; zeros for anything else.
std::array<int32_t, 4> RassenStartwerte(int rasse);
// "Mensch", "Elf", "Halbelf", "Zwerg", "Gnom", "Frei", "Leer"; -1 when unknown.
int RasseAusName(const QString &name);
QString RassenName(int rasse);

// The five spin inputs of the window.
enum TMindestEingabe : int {
    EingabeStaerke = 0,
    EingabeGeschick = 1,
    EingabeKonstitution = 2,
    EingabeIntelligenz = 3,
    EingabeReserviert = 4,
};
constexpr int32_t MindestwertMaximum = 9999;
constexpr int32_t ReserviertMaximum = 999;

enum class TKampfart { Nahkampf, Fernkampf };

// State of the optimiser window that the search and the import need.
struct TOptimiererZustand {
    std::array<int32_t, 4> Minimum{};     // minimum Stärke, Geschick, Konstitution, Intelligenz
    int32_t Reserviert = 0;               // points that must stay free
    std::array<int32_t, 4> Untergrenze{}; // lower limits of the minimum inputs: enchantment floors
    std::array<int32_t, 5> Gespeichert{}; // values saved by GleicheMindestwerteAb
    int Rasse = RasseLeer;                // checked radio button
    int FreiTag = 1;                      // 0 while a race fills the minimums
    TKampfart Kampfart = TKampfart::Nahkampf;
    int32_t Prioritaet = 100; // 0..100: offence weight p / 100
    bool GegnerBeruecksichtigen = false;
    bool OptimierungLaeuft = false; // a worker runs; set and cleared on the window thread only
    QString Warnung;                // warning of the last start; empty when none
};

// Points left for the search: Attributpunkte - (minimums + reserve). The window shows
// "(" + N + " bleiben" in red when N <= 0.
int32_t VerbleibendePunkte(const TOptimiererZustand &z, const TCharakter &c);
QString VerbleibendePunkteText(const TOptimiererZustand &z, const TCharakter &c);

// A value typed into one of the five inputs (MindestwertGeaendert): kept within the
// input's limits, lowered by the excess when minimums and reserve exceed the character's
// points; a hand-set minimum turns a chosen race into "Frei".
void MindestwertGeaendert(TOptimiererZustand &z, const TCharakter &c, TMindestEingabe e, int32_t wert);
// Checks a radio button; like a click, its action runs only when the choice changes.
// A race fills the minimums with its start attributes plus the enchantment floors, "Leer"
// sets them to the floors and the reserve to 0; "Frei" has no action of its own.
void RasseWaehlen(TOptimiererZustand &z, const TCharakter &c, int rasse);
// Saves (false) or restores (true) the five inputs, cutting later inputs on excess.
void GleicheMindestwerteAb(TOptimiererZustand &z, const TCharakter &c, bool wiederherstellen);
// The enchantment floors changed: new lower limits, race minimums recomputed.
void UntergrenzenAnpassen(TOptimiererZustand &z, const TCharakter &c);

// ---------------------------------------------------------------- search

enum TKampfmodus : uint8_t {
    ModusNahEineWaffe = 0,
    ModusNahZweiWaffen = 1,
    ModusFernWaffe = 2,  // bow or crossbow
    ModusFernZauber = 3, // staff with a damage spell
    ModusFernHeilung = 4,
};

// The fields of the worker: copies of the records and the window's inputs.
struct TOptimierungsAuftrag {
    TCharakter Charakter;
    TAusruestungsWerte Ausruestung{};
    TAusruestungsArten Arten{};
    TPlanerOptionen Optionen;
    TGegnerwerte Gegnerwerte;
    bool GegnerBeruecksichtigen = false;
    double GewichtOffensive = 1.0;
    double GewichtDefensive = 0.0;
    uint8_t Kampfmodus = ModusNahEineWaffe;
    int32_t MinStaerke = 0, MinGeschick = 0, MinKonstitution = 0, MinIntelligenz = 0;
    int32_t Reserviert = 0;
};

struct TOptimierungsErgebnis {
    int32_t Staerke = 0, Geschick = 0, Konstitution = 0, Intelligenz = 0;
};

// Progress bar of the window: maximum and position. Called on the worker's thread.
using TFortschritt = std::function<void(int maximum, int position)>;
// Test hook: every candidate of a pass (S, G, K, I) with the pass number 1.. and the
// search (0 offensive, 1 defensive, 2 combined).
using TKandidatenBesucher =
    std::function<void(const std::array<int32_t, 4> &punkt, int durchlauf, int suche)>;

struct TSuchOptionen {
    TFortschritt Fortschritt;
    TKandidatenBesucher Besucher;
    // Compute every expected value with the plain formulas of the evaluation instead of
    // the cached damage averages; the results are identical, only slower.
    bool Referenzformeln = false;
};

// 1 for x <= 5, 2 for 6..10, x div 3 above.
int32_t Schrittweite(int32_t x);
// 0 for s = 1, otherwise Max(1, s div 3).
int32_t Verfeinerung(int32_t s);
// x up to the weight w, at half rate above it.
double Teilwertung(double x, double w);
// Number of passes of the step sequence for H points.
int AnzahlDurchlaeufe(int32_t h);

// Reads the window's inputs and copies the planner records (ButtonAttributeOptimierenClick):
// chooses the combat mode and, when there is no usable weapon for the chosen kind, sets
// the warning text ("Achtung: Keine Nahkampfwaffe!" ...) and a zero-damage main hand.
TOptimierungsAuftrag OptimierungVorbereiten(const TPlaner &p, TOptimiererZustand &z);
// The whole search on the job's own copies; the result is the four attribute values.
TOptimierungsErgebnis OptimiereAttribute(const TOptimierungsAuftrag &a, const TSuchOptionen &optionen = {});
// End handler's model part: attributes to 0, then to the results (cut to the free points),
// compute and show; clears OptimierungLaeuft.
void OptimierungsErgebnisAnwenden(TPlaner &p, TOptimiererZustand &z, const TOptimierungsErgebnis &e);

// The worker thread. Fill Auftrag, connect finished() and Fortschritt() (queued to the
// window's thread), then start(); Ergebnis is valid once finished() was emitted.
class TAttributOptimierungThread : public QThread {
    Q_OBJECT
public:
    explicit TAttributOptimierungThread(const TOptimierungsAuftrag &auftrag, QObject *parent = nullptr);
    TOptimierungsAuftrag Auftrag;
    TOptimierungsErgebnis Ergebnis;

signals:
    void Fortschritt(int maximum, int position);

protected:
    void run() override;
};

// Starts a worker unless one runs (then nullptr). Sets OptimierungLaeuft. `ende` runs on
// the thread of `empfaenger` after the search; it should call OptimierungsErgebnisAnwenden.
// The worker deletes itself afterwards.
TAttributOptimierungThread *
StarteOptimierung(TOptimiererZustand &z, const TOptimierungsAuftrag &auftrag, QObject *empfaenger,
                  std::function<void(const TOptimierungsErgebnis &)> ende,
                  std::function<void(int maximum, int position)> fortschritt = {});

} // namespace mvt::planer
