// The session: owns the program state and tells the windows when it changed. A caller
// changes the state through a setter here; the setter applies the model's consequences
// first and then emits its signal. Each window connects to the signals it needs in its own
// constructor, with itself as the context, so no window needs to know another's controls
// and a window that is gone is no longer called.
#pragma once

#include "ui/Programmzustand.h"

#include <QObject>

#include <future>
#include <memory>

namespace mvt::online {
struct TStadtdaten;
}

namespace mvt {

// What the session asks of the world outside the windows. The default reads and writes
// "options.ini" in the working folder and ends the message loop; it starts no online
// service. The program and the tests put their own in place (TSitzung::DiensteSetzen).
class TDienste {
public:
    TDienste() = default;
    TDienste(const TDienste &) = delete;
    TDienste &operator=(const TDienste &) = delete;
    virtual ~TDienste();

    // Runs only when the file exists; reports an invalid file itself (message, defaults).
    virtual void OptionenLaden(TProgrammzustand &z);
    // Reports its failures itself.
    virtual void OptionenSpeichern(const TProgrammzustand &z);
    // Run by every showing of the version window.
    virtual void VersionspruefungStarten() {}
    virtual void StadtUpdateStarten() {}
    // Ends the message loop.
    virtual void Beenden();
    // When the program ends, after the message loop; workers still running are not waited for.
    virtual void Programmende() {}
};

class TSitzung : public QObject {
    Q_OBJECT
public:
    explicit TSitzung(QObject *eltern = nullptr);
    ~TSitzung() override;

    TProgrammzustand Zustand;

    TDienste &Dienste() { return *m_dienste; }
    // Replaces the services; the old ones go unless taken first (DiensteAbgeben).
    void DiensteSetzen(std::unique_ptr<TDienste> dienste);
    // Hands the services over, so that new ones can wrap them; defaults take their place.
    std::unique_ptr<TDienste> DiensteAbgeben();

    // Start-up, before any window exists: the catalogue, default prices and production
    // buildings with an empty build list, the world maps with their town list stamp, the
    // last shown map, the option defaults and then the options file when there is one.
    // Options name catalogue entries, so the catalogue comes first.
    // Karten::Nebenher reads the world grids on a worker instead, which nothing else
    // touches: the program start lets the first windows be built meanwhile and waits
    // with KartenAbwarten before the first window that uses the grids.
    enum class Karten { Sofort, Nebenher };
    void ZustandLaden(Karten karten = Karten::Sofort);
    void KartenAbwarten();

    // The options were loaded or confirmed: every window takes them.
    void OptionenAnwenden();
    void OptionenSpeichern() { m_dienste->OptionenSpeichern(Zustand); }
    // The crafting world (BSRWorld) was set: the recipe rules switch, then the windows hear.
    void CraftingweltGeaendert();
    // The planner's world or potency option (CPWorld, CPCalcPotency) was set.
    void PlanerweltGeaendert();
    // Prices or production buildings changed (settings window, price dialog).
    void PreiseGeaendert();
    // The build list was replaced or extended from outside (a loaded file). Without a
    // window to show it, the analysis is recomputed here.
    void BaulisteGeaendert();
    // Grids or zones of the world maps changed (zone options, a new town list).
    void WeltkartenGeaendert();
    // A world of a new town list: installed into the grids, then the maps are redrawn.
    void StadtdatenInstallieren(online::TStadtdaten &&daten);
    // The stamp of the town list the grids now carry.
    void StadtlistenStandSetzen(const QString &stand);
    // What the character's values depend on changed (planner world, potency, potencies).
    void CharakterGeaendert();

signals:
    void optionenGeaendert();
    void craftingweltGeaendert();
    void planerweltGeaendert();
    void preiseGeaendert();
    void baulisteGeaendert();
    void weltkartenGeaendert();
    void stadtlistenStandGeaendert();
    void charakterGeaendert();

private:
    std::unique_ptr<TDienste> m_dienste;
    std::future<void> m_karten;
};

} // namespace mvt
