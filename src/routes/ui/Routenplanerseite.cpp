#include "routes/ui/Routenplanerseite.h"

#include "base/Meldung.h"
#include "routes/Kartenmodell.h"
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

TRoutenplanerSeite::TRoutenplanerSeite(TWeltdaten &welten, TGespeicherteRouten &gespeichert,
                                       const TOptionen &optionen, int32_t &letzteKarte, QWidget *parent,
                                       QTimer *timer1, QTimer *timer2)
    : QWidget(parent), UrlOeffnen([](const QUrl &u) { QDesktopServices::openUrl(u); }), m_welten(welten),
      m_optionen(optionen), m_letzteKarte(letzteKarte), m_varianten(std::make_unique<TRoutenvarianten>())
{
    setObjectName(QStringLiteral("Routenplanerseite"));
    KartenbilderLaden();
    resize(Breite, Hoehe);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    Timer1 = timer1 ? timer1 : new QTimer(this);
    if (!timer1) {
        Timer1->setObjectName(QStringLiteral("Timer1"));
        Timer1->setInterval(10);
    }
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &TRoutenplanerSeite::Timer1Timer);

    // In the order of the tab's controls from top left, so that the focus chain stays;
    // the transfer area lies over the order list's empty lower right corner.
    m_eingabe = new TRouteneingabe(m_welten, this);
    m_auftragsliste = new TAuftragsliste(this);
    m_uebertragung = new TRoutenuebertragung(m_welten, m_optionen, timer2, this);
    m_ablage = new TRoutenablage(gespeichert, m_welten, this);
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
    RadioButtonMap = e.RadioButtonMap;
    LabelMap = e.LabelMap;
    EditStartX = e.EditStartX;
    EditStartY = e.EditStartY;
    EditZielX = e.EditZielX;
    EditZielY = e.EditZielY;
    SpeedButtonSwap = e.SpeedButtonSwap;
    SpeedButtonRouteBerechnen = e.SpeedButtonRouteBerechnen;
    SpeedButtonKarteAnzeigen = e.SpeedButtonKarteAnzeigen;
    ProgressBar2 = e.ProgressBar2;
    LabelBitteWarten = e.LabelBitteWarten;
    LabelHinweis1 = e.LabelHinweis1;
    connect(&e, &TRouteneingabe::WeltGewaehlt, this, &TRoutenplanerSeite::RadioButtonMapClick);
    connect(&e, &TRouteneingabe::BerechnenVerlangt, this,
            &TRoutenplanerSeite::SpeedButtonRouteBerechnenClick);
    connect(&e, &TRouteneingabe::KarteVerlangt, this, &TRoutenplanerSeite::SpeedButtonKarteAnzeigenClick);

    TAuftragsliste &a = *m_auftragsliste;
    StringGrid2 = a.StringGrid2;
    LabelReisezeit1 = a.LabelReisezeit1;
    LabelAnkunft1 = a.LabelAnkunft1;
    LabelZeitersparnis1 = a.LabelZeitersparnis1;
    LabelOptimalitaet1 = a.LabelOptimalitaet1;
    LabelFelder1 = a.LabelFelder1;
    LabelZeitProFeld1 = a.LabelZeitProFeld1;
    LabelAuftragsanzahl1 = a.LabelAuftragsanzahl1;
    LabelOptimaleLaenge1 = a.LabelOptimaleLaenge1;
    SpinEditAuftraege = a.SpinEditAuftraege;
    connect(SpinEditAuftraege, &QSpinBox::textChanged, this, &TRoutenplanerSeite::SpinEditAuftraegeChange);

    TRoutenuebertragung &u = *m_uebertragung;
    SpinEditVonAuftrag = u.SpinEditVonAuftrag;
    SpinEditBisAuftrag = u.SpinEditBisAuftrag;
    SpeedButtonRouteUebertragen = u.SpeedButtonRouteUebertragen;
    LabelUebertragung = u.LabelUebertragung;
    LabelHinweis = u.LabelHinweis;
    Timer2 = u.Timer2;
    connect(&u, &TRoutenuebertragung::UebertragenVerlangt, this, [this](bool perEingabe) {
        // Enter in a range field transfers only while a calculation could be started
        if (!perEingabe || SpeedButtonRouteBerechnen->isEnabled())
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
    LabelRouteSpeichern = g.LabelRouteSpeichern;
    EditRouteSpeichern = g.EditRouteSpeichern;
    SpeedButtonRouteSpeichern = g.SpeedButtonRouteSpeichern;
    StringGrid3 = g.StringGrid3;
    connect(&g, &TRoutenablage::SpeichernVerlangt, this, &TRoutenplanerSeite::SpeedButtonRouteSpeichernClick);
    connect(&g, &TRoutenablage::RouteGewaehlt, this, &TRoutenplanerSeite::StringGrid3SelectCell);

    // Tab reaches the world group at its checked member (TabAufGewaehltem), whichever it is.
    setTabOrder(RadioButtonMap[0], RadioButtonMap[1]);
    setTabOrder(RadioButtonMap[1], RadioButtonMap[2]);
    setTabOrder(RadioButtonMap[2], EditStartX);
    QWidget *reihe[] = {EditStartX,
                        EditStartY,
                        EditZielX,
                        EditZielY,
                        SpeedButtonSwap,
                        SpeedButtonRouteBerechnen,
                        SpeedButtonKarteAnzeigen,
                        StringGrid2,
                        SpinEditAuftraege,
                        SpinEditVonAuftrag,
                        SpinEditBisAuftrag,
                        SpeedButtonRouteUebertragen,
                        EditRouteSpeichern,
                        SpeedButtonRouteSpeichern,
                        StringGrid3};
    for (size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    for (QToolButton *b : findChildren<QToolButton *>())
        b->setFocusPolicy(Qt::StrongFocus);

    TStadtsuchbereich &t = *m_stadtsuche;
    EditStadtsuche = t.EditStadtsuche;
    SpeedButtonStadtAlsStart = t.SpeedButtonStadtAlsStart;
    ButtonTourPlanen = t.ButtonTourPlanen;
    connect(&t, &TStadtsuchbereich::ZielGewaehlt, this, &TRoutenplanerSeite::ZielSetzen);
    connect(&t, &TStadtsuchbereich::StartGewaehlt, this, &TRoutenplanerSeite::StartSetzen);
    connect(&t, &TStadtsuchbereich::TourVerlangt, this, &TRoutenplanerSeite::TourfensterZeigen);
    // after the map button, before the order list
    setTabOrder(SpeedButtonKarteAnzeigen, EditStadtsuche);
    setTabOrder(EditStadtsuche, SpeedButtonStadtAlsStart);
    setTabOrder(SpeedButtonStadtAlsStart, ButtonTourPlanen);
    setTabOrder(ButtonTourPlanen, StringGrid2);
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
    karte->StartSetzen = [this](int x, int y) { StartSetzen(x, y); };
    karte->ZielSetzen = [this](int x, int y) { ZielSetzen(x, y); };
    karte->TourAktiv = [this] { return m_tourfenster && m_tourfenster->isVisible(); };
    karte->StationSetzen = [this](int x, int y) {
        if (m_tourfenster)
            m_tourfenster->StationHinzufuegen(Wegpunkt{uint8_t(x), uint8_t(y)});
    };
    karte->BerechnungStarten = [this] {
        if (SpeedButtonRouteBerechnen->isEnabled())
            RouteBerechnenStarten(false);
    };
    // the map window's creation selects the world shown last
    if (m_letzteKarte >= 1 && m_letzteKarte <= 3 && m_letzteKarte != m_welten.AktuelleWelt) {
        RadioButtonMap[size_t(m_letzteKarte - 1)]->setChecked(true);
        RadioButtonMapClick(m_letzteKarte);
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
    SpinEditAuftraege->setEnabled(false);
}

void TRoutenplanerSeite::ErgebnisZeigen()
{
    for (QWidget *w : Ergebnisteile())
        w->show();
    for (QWidget *w : std::initializer_list<QWidget *>{
             SpinEditAuftraege, SpinEditVonAuftrag, SpinEditBisAuftrag, EditRouteSpeichern,
             SpeedButtonRouteSpeichern, SpeedButtonRouteUebertragen})
        w->setEnabled(true);
}

void TRoutenplanerSeite::RadioButtonMapClick(int welt)
{
    // a click on the selected world changes nothing
    if (welt < 1 || welt > 3 || welt == m_welten.AktuelleWelt || BerechnungLaeuft() || UebertragungLaeuft())
        return;
    WeltWechseln(m_welten, welt);
    m_letzteKarte = welt;
    m_ablage->AuswahlAufheben();
    if (m_karte)
        m_karte->WeltGewechselt();
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
    if (BerechnungLaeuft() || UebertragungLaeuft() || !SpeedButtonRouteBerechnen->isEnabled())
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
    SpinEditAuftraege->setEnabled(false);
    SpinEditVonAuftrag->setEnabled(false);
    SpinEditBisAuftrag->setEnabled(false);
    StringGrid3->setEnabled(false);
    TabellenTextGrau(StringGrid3, true);
    m_uebertragung->Zuruecksetzen();
    EditRouteSpeichern->setEnabled(false);
    SpeedButtonRouteSpeichern->setEnabled(false);
    SpeedButtonRouteUebertragen->setEnabled(false);
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
        m_tourfenster = std::make_unique<TTourfenster>(m_welten, window());
        TTourfenster *f = m_tourfenster.get();
        f->SpinEditTourAuftraege->setValue(SpinEditAuftraege->value());
        f->ZielHolen = [this]() -> std::optional<Wegpunkt> {
            const std::optional<std::array<int, 4>> w = m_eingabe->Koordinaten();
            if (!w || (*w)[2] < 1 || (*w)[3] < 1 || (*w)[2] > m_welten.Kartengroesse ||
                (*w)[3] > m_welten.Kartengroesse)
                return std::nullopt;
            return Wegpunkt{uint8_t((*w)[2]), uint8_t((*w)[3])};
        };
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
        !SpeedButtonRouteBerechnen->isEnabled())
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
        const QSignalBlocker sperre(SpinEditAuftraege);
        SpinEditAuftraege->setValue(m_tag);
    }
    if (m_karte)
        m_karte->ErstesZeigen = false;
    ErgebnisZeigen();
    m_uebertragung->Zuruecksetzen();
    m_ablage->AuswahlAufheben();
    StartSetzen(e.Von.x, e.Von.y);
    ZielSetzen(e.Nach.x, e.Nach.y);
    StringGrid2->clearSelection();
    StringGrid2->setCurrentCell(-1, -1);
    RouteAnzeigen(false);
}

void TRoutenplanerSeite::SucheBeendet(std::shared_ptr<TRoutenvarianten> varianten)
{
    m_ergebnis = std::move(varianten);
    m_thread.clear(); // it ends by itself and deletes itself
    Timer1->start();
}

void TRoutenplanerSeite::Timer1Timer()
{
    Timer1->stop();
    if (!m_ergebnis)
        return;
    *m_varianten = std::move(*m_ergebnis);
    m_ergebnis.reset();
    if (m_karte)
        m_karte->ErstesZeigen = false;
    m_eingabe->SucheEndet();
    StringGrid3->setEnabled(true);
    TabellenTextGrau(StringGrid3, false);
    TabellenTextGrau(StringGrid2, false);
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
        if (StringGrid2->isVisibleTo(this))
            RouteAnzeigen(false);
    }
}

void TRoutenplanerSeite::EditRouteSpeichernChange(const QString &text)
{
    LabelRouteSpeichern->setText(RouteSpeichernHinweis(text));
}

void TRoutenplanerSeite::SpeedButtonRouteSpeichernClick()
{
    if (!SpeedButtonRouteSpeichern->isEnabled() || !SpeedButtonRouteSpeichern->isVisibleTo(this))
        return;
    m_ablage->Speichern(*m_varianten, SpinEditAuftraege->value());
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
    TRoutenliste &liste = m_ablage->Liste();
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
        const QSignalBlocker sperre(SpinEditAuftraege);
        SpinEditAuftraege->setValue(m_tag);
    }
    if (m_karte)
        m_karte->ErstesZeigen = false;
    ErgebnisZeigen();
    m_uebertragung->Zuruecksetzen();
    StartSetzen(geladen->Start.x, geladen->Start.y);
    ZielSetzen(geladen->Ziel.x, geladen->Ziel.y);
    StringGrid2->clearSelection();
    StringGrid2->setCurrentCell(-1, -1);
    RouteAnzeigen(true);
}

void TRoutenplanerSeite::SpeedButtonRouteUebertragenClick()
{
    if (UebertragungLaeuft() || BerechnungLaeuft() || !SpeedButtonRouteUebertragen->isEnabled() ||
        !SpeedButtonRouteUebertragen->isVisibleTo(this))
        return;
    const Wegpunktliste &route =
        (*m_varianten)[size_t(std::clamp(SpinEditAuftraege->value(), 1, MaxAuftraege) - 1)];
    if (m_uebertragung->Starten(route))
        UebertragungSperren(true);
}

void TRoutenplanerSeite::UebertragungSperren(bool sperren)
{
    // everything that could change the route, the range or the world, or start another
    // transfer or a calculation
    for (QWidget *w : std::initializer_list<QWidget *>{
             SpinEditVonAuftrag, SpinEditBisAuftrag, SpinEditAuftraege, SpeedButtonRouteBerechnen,
             SpeedButtonSwap, SpeedButtonRouteSpeichern, StringGrid3, SpeedButtonRouteUebertragen})
        w->setEnabled(!sperren);
    TabellenTextGrau(StringGrid3, sperren);
    // at the end the world selectors follow the main window
    m_eingabe->WeltwahlFreigeben(!sperren && window()->isEnabled());
}

void TRoutenplanerSeite::Timer2Timer()
{
    m_uebertragung->Timer2Timer();
}

} // namespace mvt
