#include "routes/ui/Routenplanerseite.h"

#include "base/Meldung.h"
#include "routes/Kartenmodell.h"
#include "routes/RoutenSitzung.h"
#include "routes/ui/Auftragsliste.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenablage.h"
#include "routes/ui/Routeneingabe.h"
#include "routes/ui/Routensteuerelemente.h"
#include "routes/ui/Routenuebertragung.h"
#include "routes/ui/Stadtsuchbereich.h"
#include "routes/ui/Stadtsuchfeld.h"
#include "routes/ui/Tourfenster.h"
#include "routes/ui/Tourplanungsthread.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace mvt {

using namespace routen;

TRoutenplanerSeite::TRoutenplanerSeite(TRoutenSitzung &routen, const TOptionen &optionen, QWidget *parent,
                                       QTimer *timer1, QTimer *timer2)
    : QWidget(parent), UrlOeffnen([](const QUrl &u) { QDesktopServices::openUrl(u); }), m_routen(routen),
      m_welten(routen.Welten()), m_optionen(optionen), m_varianten(std::make_unique<TRoutenvarianten>())
{
    setObjectName(QStringLiteral("Routenplanerseite"));
    KartenbilderLaden();
    resize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    m_timer1 = timer1 ? timer1 : new QTimer(this);
    if (!timer1) {
        m_timer1->setObjectName(QStringLiteral("Timer1"));
        m_timer1->setInterval(10);
    }
    m_timer1->setSingleShot(false);
    connect(m_timer1, &QTimer::timeout, this, &TRoutenplanerSeite::Timer1Timer);

    // In the order of the tab's controls from top left, so that the focus chain stays;
    // the transfer area lies over the order list's empty lower right corner.
    m_eingabe = new TRouteneingabe(m_welten, this);
    m_auftragsliste = new TAuftragsliste(this);
    m_uebertragung = new TRoutenuebertragung(m_welten, m_optionen, timer2, this);
    m_ablage = new TRoutenablage(m_routen, this);
    m_stadtsuche = new TStadtsuchbereich(m_welten, this);
    Verbinden();

    ErgebnisVerbergen();
    m_uebertragung->GlyphSetzen(m_welten.AktuelleWelt);
    GespeicherteRoutenZeigen();
}

TRoutenplanerSeite::~TRoutenplanerSeite()
{
    // nobody waits for a finished search, but a running one must not outlive its window
    if (m_thread)
        m_thread->wait();
    if (m_tourThread)
        m_tourThread->wait();
}

void TRoutenplanerSeite::Verbinden()
{
    TRouteneingabe &e = *m_eingabe;
    connect(&e, &TRouteneingabe::WeltGewaehlt, this, &TRoutenplanerSeite::RadioButtonMapClick);
    connect(&e, &TRouteneingabe::BerechnenVerlangt, this,
            &TRoutenplanerSeite::SpeedButtonRouteBerechnenClick);
    connect(&e, &TRouteneingabe::KarteVerlangt, this, &TRoutenplanerSeite::SpeedButtonKarteAnzeigenClick);

    connect(m_auftragsliste->SpinEditAuftraege, &QSpinBox::textChanged, this,
            &TRoutenplanerSeite::SpinEditAuftraegeChange);

    TRoutenuebertragung &u = *m_uebertragung;
    connect(&u, &TRoutenuebertragung::UebertragenVerlangt, this, [this](bool perEingabe) {
        // Enter in a range field transfers only while a calculation could be started
        if (!perEingabe || m_eingabe->SpeedButtonRouteBerechnen->isEnabled())
            SpeedButtonRouteUebertragenClick();
    });
    connect(&u, &TRoutenuebertragung::LinkOeffnen, this, [this](const QUrl &link) {
        if (UrlOeffnen)
            UrlOeffnen(link);
    });
    connect(&u, &TRoutenuebertragung::Beendet, this, [this] {
        UebertragungSperren(false);
        emit UebertragungBeendet();
    });

    TRoutenablage &g = *m_ablage;
    connect(&g, &TRoutenablage::SpeichernVerlangt, this, &TRoutenplanerSeite::SpeedButtonRouteSpeichernClick);
    connect(&g, &TRoutenablage::RouteGewaehlt, this, &TRoutenplanerSeite::StringGrid3SelectCell);

    // Tab reaches the world group at its checked member (TabAufGewaehltem), whichever it is.
    setTabOrder(m_eingabe->RadioButtonMap[0], m_eingabe->RadioButtonMap[1]);
    setTabOrder(m_eingabe->RadioButtonMap[1], m_eingabe->RadioButtonMap[2]);
    setTabOrder(m_eingabe->RadioButtonMap[2], m_eingabe->EditStartX);
    QWidget *reihe[] = {m_eingabe->EditStartX,
                        m_eingabe->EditStartY,
                        m_eingabe->EditZielX,
                        m_eingabe->EditZielY,
                        m_eingabe->SpeedButtonSwap,
                        m_eingabe->SpeedButtonRouteBerechnen,
                        m_eingabe->SpeedButtonKarteAnzeigen,
                        m_auftragsliste->StringGrid2,
                        m_auftragsliste->SpinEditAuftraege,
                        m_uebertragung->SpinEditVonAuftrag,
                        m_uebertragung->SpinEditBisAuftrag,
                        m_uebertragung->SpeedButtonRouteUebertragen,
                        m_ablage->EditRouteSpeichern,
                        m_ablage->SpeedButtonRouteSpeichern,
                        m_ablage->StringGrid3};
    for (size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    for (QToolButton *b : findChildren<QToolButton *>())
        b->setFocusPolicy(Qt::StrongFocus);

    TStadtsuchbereich &t = *m_stadtsuche;
    connect(&t, &TStadtsuchbereich::ZielGewaehlt, this, &TRoutenplanerSeite::ZielSetzen);
    connect(&t, &TStadtsuchbereich::StartGewaehlt, this, &TRoutenplanerSeite::StartSetzen);
    connect(&t, &TStadtsuchbereich::TourVerlangt, this, &TRoutenplanerSeite::TourfensterZeigen);
    // after the map button, before the order list
    setTabOrder(m_eingabe->SpeedButtonKarteAnzeigen, m_stadtsuche->EditStadtsuche);
    setTabOrder(m_stadtsuche->EditStadtsuche, m_stadtsuche->SpeedButtonStadtAlsStart);
    setTabOrder(m_stadtsuche->SpeedButtonStadtAlsStart, m_stadtsuche->ButtonTourPlanen);
    setTabOrder(m_stadtsuche->ButtonTourPlanen, m_auftragsliste->StringGrid2);
}

bool TRoutenplanerSeite::UebertragungLaeuft() const
{
    return m_uebertragung->Laeuft();
}

void TRoutenplanerSeite::KarteAnbinden(TForm8 *karte)
{
    m_karte = karte;
    if (!karte)
        return;
    TForm8::TRoutenplaner r;
    r.StartSetzen = [this](int x, int y) { StartSetzen(x, y); };
    r.ZielSetzen = [this](int x, int y) { ZielSetzen(x, y); };
    r.TourAktiv = [this] { return m_tourfenster && m_tourfenster->isVisible(); };
    r.StationSetzen = [this](int x, int y) {
        if (m_tourfenster)
            m_tourfenster->StationHinzufuegen(Wegpunkt{uint8_t(x), uint8_t(y)});
    };
    r.BerechnungStarten = [this] {
        if (m_eingabe->SpeedButtonRouteBerechnen->isEnabled())
            RouteBerechnenStarten(false);
    };
    karte->RoutenplanerAnbinden(std::move(r));
    // the map window's creation selects the world shown last
    const int letzte = m_routen.LetzteKarte();
    if (letzte >= 1 && letzte <= 3 && letzte != m_welten.AktuelleWelt) {
        m_eingabe->RadioButtonMap[size_t(letzte - 1)]->setChecked(true);
        RadioButtonMapClick(letzte);
    }
}

QList<QWidget *> TRoutenplanerSeite::Ergebnisteile() const
{
    return m_auftragsliste->Ergebnisteile() + m_uebertragung->Ergebnisteile() + m_ablage->Ergebnisteile();
}

void TRoutenplanerSeite::ErgebnisVerbergen()
{
    for (QWidget *w : Ergebnisteile())
        w->hide();
    m_auftragsliste->SpinEditAuftraege->setEnabled(false);
}

void TRoutenplanerSeite::ErgebnisZeigen()
{
    for (QWidget *w : Ergebnisteile())
        w->show();
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_auftragsliste->SpinEditAuftraege, m_uebertragung->SpinEditVonAuftrag,
             m_uebertragung->SpinEditBisAuftrag, m_ablage->EditRouteSpeichern,
             m_ablage->SpeedButtonRouteSpeichern, m_uebertragung->SpeedButtonRouteUebertragen})
        w->setEnabled(true);
}

void TRoutenplanerSeite::RadioButtonMapClick(int welt)
{
    // a click on the selected world changes nothing
    if (welt < 1 || welt > 3 || welt == m_welten.AktuelleWelt || BerechnungLaeuft() || UebertragungLaeuft())
        return;
    // the map window follows the switch itself
    m_routen.WeltSetzen(welt);
    m_ablage->AuswahlAufheben();
    m_uebertragung->GlyphSetzen(welt);
    ErgebnisVerbergen();
    GespeicherteRoutenZeigen();
    m_stadtsuche->Zuruecksetzen();
    if (m_tourfenster)
        m_tourfenster->WeltGewechselt();
    if (m_karte)
        m_karte->TourZeigen({});
}

void TRoutenplanerSeite::SpeedButtonSwapClick()
{
    m_eingabe->Tauschen();
}

void TRoutenplanerSeite::StartSetzen(int x, int y)
{
    m_eingabe->StartSetzen(x, y);
}

void TRoutenplanerSeite::ZielSetzen(int x, int y)
{
    m_eingabe->ZielSetzen(x, y);
}

void TRoutenplanerSeite::SpeedButtonRouteBerechnenClick()
{
    RouteBerechnenStarten(true);
}

void TRoutenplanerSeite::SpeedButtonKarteAnzeigenClick()
{
    if (m_karte)
        m_karte->Zeigen();
}

void TRoutenplanerSeite::RouteBerechnenStarten(bool zentrieren)
{
    if (BerechnungLaeuft() || UebertragungLaeuft() || !m_eingabe->SpeedButtonRouteBerechnen->isEnabled())
        return;
    const std::optional<std::array<int, 4>> werte = m_eingabe->Koordinaten();
    if (!werte)
        return;
    TSuchparameter p;
    p.Reisekosten = m_welten.Reisekosten();
    p.Kartengroesse = m_welten.Kartengroesse;
    p.DirectionalOptimization = m_optionen.DirectionalOptimization;
    // a pasted value off the map (negative, say) never reaches a grid
    for (int w : *werte)
        if (w < 1 || w > m_welten.Kartengroesse)
            return;
    p.Start = Wegpunkt{uint8_t((*werte)[0]), uint8_t((*werte)[1])};
    p.Ziel = Wegpunkt{uint8_t((*werte)[2]), uint8_t((*werte)[3])};
    if (p.Start == p.Ziel || !SuchparameterGueltig(p))
        return;

    m_zentrieren = zentrieren;
    m_eingabe->SucheBeginnt();
    m_auftragsliste->SpinEditAuftraege->setEnabled(false);
    m_uebertragung->SpinEditVonAuftrag->setEnabled(false);
    m_uebertragung->SpinEditBisAuftrag->setEnabled(false);
    m_ablage->StringGrid3->setEnabled(false);
    TabellenTextGrau(m_ablage->StringGrid3, true);
    m_uebertragung->Zuruecksetzen();
    m_ablage->EditRouteSpeichern->setEnabled(false);
    m_ablage->SpeedButtonRouteSpeichern->setEnabled(false);
    m_uebertragung->SpeedButtonRouteUebertragen->setEnabled(false);
    m_ablage->AuswahlAufheben();

    m_thread = new TRoutenPlanungThread(this, p);
    connect(m_thread.data(), &QThread::finished, m_thread.data(), &QObject::deleteLater);
    m_thread->start();
}

void TRoutenplanerSeite::FortschrittZeigen(qint64 position, qint64 maximum)
{
    m_eingabe->FortschrittZeigen(position, maximum);
    if (m_tourThread && m_tourfenster)
        m_tourfenster->FortschrittZeigen(position, maximum);
}

void TRoutenplanerSeite::TourfensterZeigen()
{
    if (!m_tourfenster) {
        auto ziel = [this]() -> std::optional<Wegpunkt> {
            const std::optional<std::array<int, 4>> w = m_eingabe->Koordinaten();
            if (!w || (*w)[2] < 1 || (*w)[3] < 1 || (*w)[2] > m_welten.Kartengroesse ||
                (*w)[3] > m_welten.Kartengroesse)
                return std::nullopt;
            return Wegpunkt{uint8_t((*w)[2]), uint8_t((*w)[3])};
        };
        m_tourfenster = std::make_unique<TTourfenster>(m_welten, std::move(ziel), window());
        TTourfenster *f = m_tourfenster.get();
        f->SpinEditTourAuftraege->setValue(m_auftragsliste->SpinEditAuftraege->value());
        connect(f, &TTourfenster::BerechnenVerlangt, this, &TRoutenplanerSeite::TourBerechnenStarten);
        connect(f, &TTourfenster::EtappeGewaehlt, this, &TRoutenplanerSeite::EtappeZeigen);
        connect(f, &TTourfenster::EtappeUebertragenVerlangt, this, [this](int etappe) {
            EtappeZeigen(etappe);
            SpeedButtonRouteUebertragenClick();
        });
        connect(f, &TTourfenster::StationenGeaendert, this, [this] {
            if (m_karte)
                m_karte->TourZeigen({});
        });
    }
    m_tourfenster->show();
    m_tourfenster->raise();
    m_tourfenster->activateWindow();
}

void TRoutenplanerSeite::TourBerechnenStarten()
{
    if (!m_tourfenster || BerechnungLaeuft() || UebertragungLaeuft() ||
        !m_eingabe->SpeedButtonRouteBerechnen->isEnabled())
        return;
    TTourparameter p = m_tourfenster->Parameter();
    p.DirectionalOptimization = m_optionen.DirectionalOptimization;
    if (const std::optional<QString> fehler = TourPruefen(p)) {
        MeldungZeigen(*fehler);
        return;
    }
    // the tour searches read the world's grid: no world switch, no other search meanwhile
    m_eingabe->SucheBeginnt();
    m_tourfenster->BerechnungBeginnt();
    m_tourThread = new TTourplanungsThread(this, std::move(p));
    connect(m_tourThread.data(), &QThread::finished, m_tourThread.data(), &QObject::deleteLater);
    m_tourThread->start();
}

void TRoutenplanerSeite::TourBeendet(std::shared_ptr<const TTour> tour)
{
    m_tourThread.clear(); // it ends by itself and deletes itself
    m_eingabe->SucheEndet();
    if (m_tourfenster)
        m_tourfenster->TourZeigen(tour);
    if (m_karte && tour && !tour->Stationen.empty()) {
        m_karte->ErstesZeigen = false;
        m_karte->TourZeigen(Tourbild(*tour));
        if (m_karte->isVisible())
            m_karte->KarteZentrieren(tour->Stationen.front().x, tour->Stationen.front().y);
    }
}

void TRoutenplanerSeite::EtappeZeigen(int etappe)
{
    if (!m_tourfenster || BerechnungLaeuft() || UebertragungLaeuft())
        return;
    const std::shared_ptr<const TTour> &tour = m_tourfenster->Tour();
    if (!tour || etappe < 0 || etappe >= int(tour->Etappen.size()))
        return;
    const TEtappe &e = tour->Etappen[size_t(etappe)];
    m_tag = tour->Auftraege;
    *m_varianten = *e.Varianten;
    {
        const QSignalBlocker sperre(m_auftragsliste->SpinEditAuftraege);
        m_auftragsliste->SpinEditAuftraege->setValue(m_tag);
    }
    if (m_karte)
        m_karte->ErstesZeigen = false;
    ErgebnisZeigen();
    m_uebertragung->Zuruecksetzen();
    m_ablage->AuswahlAufheben();
    StartSetzen(e.Von.x, e.Von.y);
    ZielSetzen(e.Nach.x, e.Nach.y);
    m_auftragsliste->StringGrid2->clearSelection();
    m_auftragsliste->StringGrid2->setCurrentCell(-1, -1);
    RouteAnzeigen(false);
}

void TRoutenplanerSeite::SucheBeendet(std::shared_ptr<TRoutenvarianten> varianten)
{
    m_ergebnis = std::move(varianten);
    m_thread.clear(); // it ends by itself and deletes itself
    m_timer1->start();
}

void TRoutenplanerSeite::Timer1Timer()
{
    m_timer1->stop();
    if (!m_ergebnis)
        return;
    *m_varianten = std::move(*m_ergebnis);
    m_ergebnis.reset();
    if (m_karte)
        m_karte->ErstesZeigen = false;
    m_eingabe->SucheEndet();
    m_ablage->StringGrid3->setEnabled(true);
    TabellenTextGrau(m_ablage->StringGrid3, false);
    TabellenTextGrau(m_auftragsliste->StringGrid2, false);
    ErgebnisZeigen();
    RouteAnzeigen(m_zentrieren);
    emit RouteBerechnet();
}

void TRoutenplanerSeite::RouteAnzeigen(bool zentrieren)
{
    const TRoutenauswertung e = RouteAuswerten(m_welten.Reisekosten(), *m_varianten, m_tag);
    m_auftragsliste->Zeigen(e, QDateTime::currentDateTime());
    m_uebertragung->BereichSetzen(AuftragsbereichFuerRoute(e.Auftragsanzahl));
    if (m_karte)
        m_karte->RouteZeigen((*m_varianten)[size_t(std::clamp(m_tag, 1, MaxAuftraege) - 1)], zentrieren);
}

void TRoutenplanerSeite::SpinEditAuftraegeChange(const QString &text)
{
    if (BerechnungLaeuft() || UebertragungLaeuft())
        return;
    if (const auto wert = MaxAuftraegeLesen(text)) {
        m_tag = *wert;
        if (m_auftragsliste->StringGrid2->isVisibleTo(this))
            RouteAnzeigen(false);
    }
}

void TRoutenplanerSeite::EditRouteSpeichernChange(const QString &text)
{
    m_ablage->LabelRouteSpeichern->setText(RouteSpeichernHinweis(text));
}

void TRoutenplanerSeite::SpeedButtonRouteSpeichernClick()
{
    if (!m_ablage->SpeedButtonRouteSpeichern->isEnabled() ||
        !m_ablage->SpeedButtonRouteSpeichern->isVisibleTo(this))
        return;
    m_ablage->Speichern(*m_varianten, m_auftragsliste->SpinEditAuftraege->value());
}

void TRoutenplanerSeite::GespeicherteRoutenZeigen()
{
    m_ablage->Zeigen();
}

void TRoutenplanerSeite::StringGrid3Loeschen()
{
    m_ablage->Loeschen();
}

void TRoutenplanerSeite::StringGrid3SelectCell(int zeile)
{
    const TRoutenliste &liste = m_ablage->Liste();
    if (BerechnungLaeuft() || UebertragungLaeuft() || zeile < 1 || zeile > liste.Anzahl())
        return;
    // a route of a hand-edited file that the map cannot show is refused, and stays in the file
    if (const auto fehler = RouteNichtZeigbar(liste.Element(zeile - 1), m_welten.Kartengroesse)) {
        MeldungZeigen(*fehler);
        return;
    }
    auto geladen = GespeicherteRouteLaden(m_welten.Reisekosten(), liste, zeile);
    if (!geladen)
        return;
    m_tag = geladen->Auftraege;
    *m_varianten = std::move(geladen->Varianten);
    {
        const QSignalBlocker sperre(m_auftragsliste->SpinEditAuftraege);
        m_auftragsliste->SpinEditAuftraege->setValue(m_tag);
    }
    if (m_karte)
        m_karte->ErstesZeigen = false;
    ErgebnisZeigen();
    m_uebertragung->Zuruecksetzen();
    StartSetzen(geladen->Start.x, geladen->Start.y);
    ZielSetzen(geladen->Ziel.x, geladen->Ziel.y);
    m_auftragsliste->StringGrid2->clearSelection();
    m_auftragsliste->StringGrid2->setCurrentCell(-1, -1);
    RouteAnzeigen(true);
}

void TRoutenplanerSeite::SpeedButtonRouteUebertragenClick()
{
    if (UebertragungLaeuft() || BerechnungLaeuft() ||
        !m_uebertragung->SpeedButtonRouteUebertragen->isEnabled() ||
        !m_uebertragung->SpeedButtonRouteUebertragen->isVisibleTo(this))
        return;
    const Wegpunktliste &route =
        (*m_varianten)[size_t(std::clamp(m_auftragsliste->SpinEditAuftraege->value(), 1, MaxAuftraege) - 1)];
    if (m_uebertragung->Starten(route))
        UebertragungSperren(true);
}

void TRoutenplanerSeite::UebertragungSperren(bool sperren)
{
    // everything that could change the route, the range or the world, or start another
    // transfer or a calculation
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_uebertragung->SpinEditVonAuftrag, m_uebertragung->SpinEditBisAuftrag,
             m_auftragsliste->SpinEditAuftraege, m_eingabe->SpeedButtonRouteBerechnen,
             m_eingabe->SpeedButtonSwap, m_ablage->SpeedButtonRouteSpeichern, m_ablage->StringGrid3,
             m_uebertragung->SpeedButtonRouteUebertragen})
        w->setEnabled(!sperren);
    TabellenTextGrau(m_ablage->StringGrid3, sperren);
    // at the end the world selectors follow the main window
    m_eingabe->WeltwahlFreigeben(!sperren && window()->isEnabled());
}

void TRoutenplanerSeite::Timer2Timer()
{
    m_uebertragung->Timer2Timer();
}

} // namespace mvt
