// The transfer area of the route tab: the range of orders, the button that hands them to
// the game through the browser one link per timer tick, and the transfer's state.
#pragma once

#include "routes/Uebertragung.h"

#include <QList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QSpinBox;
class QTimer;
class QToolButton;

namespace mvt {

struct TOptionen;

namespace routen {
class Wegpunktliste;
struct TAuftragsbereich;
struct TWeltdaten;
} // namespace routen

class TRoutenuebertragung : public QWidget {
    Q_OBJECT
public:
    // Covers the tab's lower right (298 x 256 from (486, 300)). timer: the main window's
    // transfer timer; the area makes its own when none is given.
    TRoutenuebertragung(const routen::TWeltdaten &welten, const TOptionen &optionen, QTimer *timer,
                        QWidget *parent);

    // The range for a route of that many orders, as a new route shows it.
    void BereichSetzen(const routen::TAuftragsbereich &b);
    // Starts handing the orders of the range over; false when the range is empty.
    bool Starten(const routen::Wegpunktliste &route);
    bool Laeuft() const { return m_uebertragung.Laeuft(); }
    // One tick: the next link, or the end.
    void Timer2Timer();
    // The button's glyph shows the world the orders go to.
    void GlyphSetzen(int welt);
    void Zuruecksetzen();
    // What is shown only while there is a route.
    const QList<QWidget *> &Ergebnisteile() const { return m_ergebnisteile; }

    QSpinBox *SpinEditVonAuftrag, *SpinEditBisAuftrag;
    QToolButton *SpeedButtonRouteUebertragen;
    QLabel *LabelUebertragung, *LabelHinweis;
    QTimer *Timer2;

signals:
    // The button was clicked, or Enter pressed in a range field.
    void UebertragenVerlangt(bool perEingabe);
    // A link to open in the browser.
    void LinkOeffnen(const QUrl &link);
    // The last link has been opened and the label says so.
    void Beendet();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void VonAuftragAendern(int von);
    void BisAuftragAendern(int bis);
    void SpinEditsVerlassen();

    const routen::TWeltdaten &m_welten;
    const TOptionen &m_optionen;
    routen::TUebertragung m_uebertragung;
    QList<QWidget *> m_ergebnisteile;
};

} // namespace mvt
