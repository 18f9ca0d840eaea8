// The route planner's part of the running program's state as the windows change it: the
// saved routes, the world grids with the current world, the map shown last, the town list's
// stamp and the zone widths the maps draw. It is built over that state (the program's, or a
// test's), hands it out only as const references and changes it only through the setters
// below, each of which stores the value, applies what follows from it in the model and then
// emits a signal that carries it. Windows connect to the signals in their own constructors.
#pragma once

#include "routes/GespeicherteRouten.h"
#include "routes/Kartenmodell.h"
#include "routes/Welten.h"

#include <QObject>
#include <QString>

#include <future>
#include <memory>
#include <vector>

namespace mvt {
struct TOptionen;
}

namespace mvt::routen {

struct TStadtdaten;

// The zone widths of the options.
TZonenabstaende ZonenAus(const TOptionen &o);

class TRoutenSitzung : public QObject {
    Q_OBJECT
public:
    // What this part writes; it must outlive the part.
    struct TZustand {
        TGespeicherteRouten &Routen;
        TWeltdaten &Welten;
        int32_t &LetzteKarte;
        QString &StadtlistenStand;
    };
    explicit TRoutenSitzung(TZustand zustand, QObject *eltern = nullptr);
    ~TRoutenSitzung() override;

    const TGespeicherteRouten &GespeicherteRouten() const { return m_routen; }
    // The routes of world 1..3 (any other number: Dunladan) with the cursor after which the
    // next saved route goes.
    const TRoutenliste &Routenliste(int welt) const { return m_listen.Welt(welt); }
    const TWeltdaten &Welten() const { return m_welten; }
    int32_t LetzteKarte() const { return m_letzteKarte; }
    const QString &StadtlistenStand() const { return m_stand; }
    const TZonenabstaende &Zonen() const { return m_zonen; }

    // A route saved in world 1..3, after the cursor of that world's list.
    void RouteSpeichern(int welt, TGespeicherteRoute route);
    // Deletes row `zeile` (1 = first route) of the world's list; without a row (0 or less)
    // or a route there nothing happens and nothing is announced. Returns whether one went.
    bool RouteLoeschen(int welt, int zeile);

    // The world the route tab works on (1..3; other numbers and the current world change
    // nothing); it is also the map shown last, which the options file keeps.
    void WeltSetzen(int welt);

    // Start-up: the grids read on a worker into grids of their own (KartenNebenherLesen)
    // are moved into the state by KartenAbwarten, which waits for them; the current world
    // stays. Nothing is announced: no window reads the grids before they are in.
    void KartenNebenherLesen();
    void KartenAbwarten();
    // A world of a new town list into the grids (after the grids read at start are in).
    void StadtdatenInstallieren(TStadtdaten &&daten);
    // The stamp of the town list the grids now carry; announced only when it changes.
    void StadtlistenStandSetzen(const QString &stand);
    // The zone widths (the options' SZone, BZone, SZoneHS, BZoneHS); announced on every call,
    // as the settings window's Okay confirms them and the maps are drawn again.
    void ZonenSetzen(const TZonenabstaende &zonen);

signals:
    void routenGeaendert(int welt, const std::vector<mvt::routen::TGespeicherteRoute> &routen);
    void weltGeaendert(int welt);
    void weltkartenGeaendert(const mvt::routen::TWeltdaten &welten);
    void stadtlistenStandGeaendert(const QString &stand);
    void zonenGeaendert(const mvt::routen::TZonenabstaende &zonen);

private:
    TGespeicherteRouten &m_routen;
    TWeltdaten &m_welten;
    int32_t &m_letzteKarte;
    QString &m_stand;
    TZonenabstaende m_zonen;
    TRoutenlisten m_listen;
    std::future<std::unique_ptr<TWeltdaten>> m_karten;
};

} // namespace mvt::routen
