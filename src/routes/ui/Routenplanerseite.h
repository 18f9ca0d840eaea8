// The tab "Routenplaner": world selectors, start and target, the search on a worker
// thread, the order list with its figures, the saved routes of the world and the
// transfer of orders to the game through the browser.
// The main window embeds it as a page; it works as well on its own (tests, screenshots).
// Each area is a widget of its own (Routeneingabe, Auftragsliste, Routenablage,
// Routenuebertragung); the page ties them together and keeps the shown route.
#pragma once

#include "routes/Auftraege.h"
#include "routes/GespeicherteRouten.h"
#include "routes/Routensuche.h"
#include "routes/Tour.h"
#include "routes/Uebertragung.h"
#include "routes/ui/Routenplanungsthread.h"
#include "base/Optionen.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

namespace mvt {

namespace routen {
class TRoutenSitzung;
}

class TAuftragsliste;
class TForm8;
class TRoutenablage;
class TRouteneingabe;
class TRoutenuebertragung;
class TStadtsuchbereich;
class TTourfenster;
class TTourplanungsThread;

class TRoutenplanerSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 784;
    static constexpr int Hoehe = 556;

    // routen: the route part of the session, through which the tab changes the world and
    // the saved routes. timer1, timer2: the main window's timers of the result hand-over and
    // the transfer; the page makes its own when none are given.
    TRoutenplanerSeite(routen::TRoutenSitzung &routen, const TOptionen &optionen, QWidget *parent = nullptr,
                       QTimer *timer1 = nullptr, QTimer *timer2 = nullptr);
    ~TRoutenplanerSeite() override;

    // Connects the map window (created after the main window), once, when the tab has been
    // made: the map hands start, target, stops and a calculation to the tab, the tab shows
    // its routes and tours there; the world shown last is selected.
    void KarteAnbinden(TForm8 *karte);
    // The saved routes of the selected world into StringGrid3 (also after the options
    // file has been read again).
    void GespeicherteRoutenZeigen();

    // The shell "open" of a link; tests record the links instead of starting a browser.
    std::function<void(const QUrl &)> UrlOeffnen;

    const routen::TRoutenvarianten &Routenvarianten() const { return *m_varianten; }
    bool BerechnungLaeuft() const
    {
        return !m_thread.isNull() || m_ergebnis != nullptr || !m_tourThread.isNull();
    }
    bool UebertragungLaeuft() const;
    int Welt() const { return m_welten.AktuelleWelt; }

public slots:
    void RadioButtonMapClick(int welt);
    void SpeedButtonSwapClick();
    void SpeedButtonRouteBerechnenClick();
    void SpeedButtonKarteAnzeigenClick();
    // zentrieren: centre the map window on the start when the result is shown.
    void RouteBerechnenStarten(bool zentrieren);
    void Timer1Timer();
    void RouteAnzeigen(bool zentrieren);
    void SpinEditAuftraegeChange(const QString &text);
    void SpeedButtonRouteSpeichernClick();
    void EditRouteSpeichernChange(const QString &text);
    void StringGrid3SelectCell(int zeile);
    void StringGrid3Loeschen();
    void SpeedButtonRouteUebertragenClick();
    void Timer2Timer();
    // Start and target from the map window.
    void StartSetzen(int x, int y);
    void ZielSetzen(int x, int y);

    // Called by the worker through the window's event queue.
    void FortschrittZeigen(qint64 position, qint64 maximum);
    void SucheBeendet(std::shared_ptr<routen::TRoutenvarianten> varianten);

    // Tours: the window (made when first opened), its calculation on a worker thread, and
    // a leg shown as the tab's route, transferred from there.
    void TourfensterZeigen();
    TTourfenster *Tourfenster() const { return m_tourfenster.get(); }
    void TourBerechnenStarten();
    void TourBeendet(std::shared_ptr<const routen::TTour> tour);
    void EtappeZeigen(int etappe);

signals:
    // The result of a search has been shown.
    void RouteBerechnet();
    // The last link of a transfer has been opened.
    void UebertragungBeendet();

private:
    void Verbinden();
    void ErgebnisVerbergen();
    void ErgebnisZeigen();
    void UebertragungSperren(bool sperren);
    QList<QWidget *> Ergebnisteile() const;

    routen::TRoutenSitzung &m_routen;
    const routen::TWeltdaten &m_welten;
    const TOptionen &m_optionen;
    std::unique_ptr<routen::TRoutenvarianten> m_varianten;
    std::shared_ptr<routen::TRoutenvarianten> m_ergebnis; // handed over, not yet shown
    QPointer<TRoutenPlanungThread> m_thread;
    QPointer<TForm8> m_karte;
    bool m_zentrieren = false;
    int m_tag = 10; // StringGrid2.Tag: "Max. Aufträge" of the shown variant

    TRouteneingabe *m_eingabe;
    TAuftragsliste *m_auftragsliste;
    TRoutenuebertragung *m_uebertragung;
    TRoutenablage *m_ablage;
    TStadtsuchbereich *m_stadtsuche;
    QTimer *m_timer1;
    std::unique_ptr<TTourfenster> m_tourfenster;
    QPointer<TTourplanungsThread> m_tourThread;
};

} // namespace mvt
