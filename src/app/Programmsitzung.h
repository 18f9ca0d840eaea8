// The program's session: owns the program state (catalogue, build list and prices, options,
// saved routes, world maps, the planner's character) and the services outside the windows.
// Its setters apply the model's consequences first, then emit the signals of TSitzung.
#pragma once

#include "app/Programmzustand.h"
#include "crafting/CraftingSitzung.h"
#include "online/OnlineSitzung.h"
#include "planner/PlanerSitzung.h"
#include "routes/RoutenSitzung.h"
#include "ui/Sitzung.h"

#include <memory>

namespace mvt {

// What the session asks of the world outside the windows. The default reads and writes
// "options.ini" in the working folder and ends the message loop; it starts no online
// service. The program and the tests put their own in place (TProgrammsitzung::DiensteSetzen).
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
    // The stock, "lager.mvt_bl" beside options.ini: a missing file is an empty stock, an
    // invalid one is reported and leaves the stock empty. Saving reports its failures.
    virtual void LagerLaden(TProgrammzustand &z);
    virtual void LagerSpeichern(const TProgrammzustand &z);
    // Ends the message loop.
    virtual void Beenden();
    // When the program ends, after the message loop; workers still running are not waited for.
    virtual void Programmende() {}
};

class TProgrammsitzung final : public TSitzung {
public:
    explicit TProgrammsitzung(QObject *eltern = nullptr);
    ~TProgrammsitzung() override;

    // The program state as every window may read it.
    const TProgrammzustand &Zustand() const { return m_zustand; }

    // The crafting part: the one writer of the build list, the prices and the stock.
    TCraftingSitzung &Crafting() { return m_crafting; }

    // The date of the next automatic version check (version window, settings window).
    online::TOnlineSitzung &Online() { return m_online; }

    // The planner's character and the optimiser's inputs, changed through this part only.
    planer::TPlanerSitzung &Planer() { return m_planer; }

    // The route planner's part: saved routes, world grids, map shown last, town list stamp.
    routen::TRoutenSitzung &Routen() { return m_routen; }

    TDienste &Dienste() { return *m_dienste; }
    // Replaces the services; the old ones go unless taken first (DiensteAbgeben).
    void DiensteSetzen(std::unique_ptr<TDienste> dienste);
    // Hands the services over, so that new ones can wrap them; defaults take their place.
    std::unique_ptr<TDienste> DiensteAbgeben();

    // Start-up, before any window exists: the catalogue, default prices and production
    // buildings with an empty build list, the world maps with their town list stamp, the
    // last shown map, the option defaults and then the options file when there is one;
    // then the stock.
    // Options name catalogue entries, so the catalogue comes first.
    // Karten::Nebenher reads the world grids on a worker instead, into grids of its own:
    // the program start lets the windows be built meanwhile, which keep the grids' address
    // but read none of them, and KartenAbwarten moves the grids in before the message loop
    // runs. Until then the state's grids are empty.
    enum class Karten { Sofort, Nebenher };
    void ZustandLaden(Karten karten = Karten::Sofort);
    void KartenAbwarten() { m_routen.KartenAbwarten(); }
    // The catalogue and a fresh crafting state, nothing read: what ZustandLaden starts with,
    // for a stand that needs no more (tests).
    void KatalogAnlegen();

    void OptionenSpeichern() override { m_dienste->OptionenSpeichern(m_zustand); }

protected:
    // The crafting world's recipe rules in the catalogue and the planner's option record.
    void OptionenFolgen() override;

private:
    // Declared before the base class takes the options in it; those are written by the
    // setters of TSitzung only.
    TProgrammzustand m_zustand;
    online::TOnlineSitzung m_online{m_zustand.NextVersionCheck};
    // Over the state's character: built after the state, gone before it.
    planer::TPlanerSitzung m_planer{m_zustand.Planer, m_zustand.Katalog};
    std::unique_ptr<TDienste> m_dienste;
    // Over the state above; saves the stock through the services in place at the time.
    TCraftingSitzung m_crafting;
    routen::TRoutenSitzung m_routen;
};

} // namespace mvt
