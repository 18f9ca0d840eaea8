#include "routes/ui/Routenuebertragung.h"

#include "base/Optionen.h"
#include "routes/Auftraege.h"
#include "routes/Welten.h"
#include "routes/ui/Routensteuerelemente.h"
#include "ui/Steuerelemente.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace mvt {

using namespace routen;

namespace {

const QString TextHinweis = QStringLiteral(
    "Bitte beachten: Für die Übertragung der Aufträge nach Morvaren ist es notwendig, bereits im Spiel "
    "eingeloggt und Leiter einer Jagdgruppe zu sein, die genügend freie Aufträge hat.");

QIcon WeltGlyph(int welt)
{
    static const char *const namen[3] = {":/karte/UebertragenDunladan.png", ":/karte/UebertragenEndurias.png",
                                         ":/karte/UebertragenZyrthania.png"};
    return QIcon(QString::fromLatin1(namen[std::clamp(welt, 1, 3) - 1]));
}

TAuftragsbereich Bereich(QSpinBox *von, QSpinBox *bis)
{
    return TAuftragsbereich{von->value(), bis->value(), von->maximum()};
}

void Eintragen(QSpinBox *von, QSpinBox *bis, const TAuftragsbereich &b)
{
    const QSignalBlocker s1(von);
    const QSignalBlocker s2(bis);
    von->setValue(b.Von);
    bis->setValue(b.Bis);
}

} // namespace

TRoutenuebertragung::TRoutenuebertragung(const TWeltdaten &welten, const TOptionen &optionen, QTimer *timer,
                                         QWidget *parent)
    : QWidget(parent), Timer2(timer ? timer : new QTimer(this)), m_welten(welten), m_optionen(optionen)
{
    setObjectName(QStringLiteral("Routenuebertragung"));
    // Children are placed in the tab's coordinates, shifted by this area's corner.
    const int links = 486, oben = 300;
    setGeometry(links, oben, 298, 256);
    if (!timer)
        Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, &TRoutenuebertragung::Timer2Timer);

    auto *von = Beschriftung(this, QStringLiteral("LabelVonAuftrag"), QStringLiteral("Aufträge &von"),
                             QRect(494 - links, 306 - oben, 98, 22));
    SpinEditVonAuftrag =
        Auftragsfeld(this, "SpinEditVonAuftrag", QStringLiteral("Aufträge von"), 594 - links, 306 - oben);
    auto *bis = Beschriftung(this, QStringLiteral("LabelBisAuftrag"), QStringLiteral("&bis"),
                             QRect(658 - links, 306 - oben, 22, 22));
    SpinEditBisAuftrag =
        Auftragsfeld(this, "SpinEditBisAuftrag", QStringLiteral("Aufträge bis"), 682 - links, 306 - oben);
    von->setBuddy(SpinEditVonAuftrag);
    bis->setBuddy(SpinEditBisAuftrag);
    m_ergebnisteile << von << SpinEditVonAuftrag << bis << SpinEditBisAuftrag;
    for (QSpinBox *s : {SpinEditVonAuftrag, SpinEditBisAuftrag})
        s->installEventFilter(this);
    connect(SpinEditVonAuftrag, &QSpinBox::valueChanged, this, &TRoutenuebertragung::VonAuftragAendern);
    connect(SpinEditBisAuftrag, &QSpinBox::valueChanged, this, &TRoutenuebertragung::BisAuftragAendern);

    SpeedButtonRouteUebertragen = Knopf(this, QStringLiteral("SpeedButtonRouteUebertragen"),
                                        QStringLiteral("Gewählte Aufträge an Morvaren übertragen"), QIcon(),
                                        QRect(746 - links, 303 - oben, 28, 28), QSize(20, 20));
    connect(SpeedButtonRouteUebertragen, &QToolButton::clicked, this,
            [this] { emit UebertragenVerlangt(false); });
    LabelUebertragung = Beschriftung(this, QStringLiteral("LabelUebertragung"), KeineUebertragungText(),
                                     QRect(494 - links, 336 - oben, 282, 18));
    LabelHinweis = Beschriftung(this, QStringLiteral("LabelHinweis"), TextHinweis,
                                QRect(494 - links, 360 - oben, 282, 80));
    LabelHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelHinweis->setWordWrap(true);
    m_ergebnisteile << SpeedButtonRouteUebertragen << LabelHinweis;
}

void TRoutenuebertragung::BereichSetzen(const TAuftragsbereich &b)
{
    const QSignalBlocker s1(SpinEditVonAuftrag);
    const QSignalBlocker s2(SpinEditBisAuftrag);
    SpinEditVonAuftrag->setRange(1, b.Maximum);
    SpinEditBisAuftrag->setRange(1, b.Maximum);
    SpinEditVonAuftrag->setValue(b.Von);
    SpinEditBisAuftrag->setValue(b.Bis);
}

void TRoutenuebertragung::VonAuftragAendern(int von)
{
    TAuftragsbereich b = Bereich(SpinEditVonAuftrag, SpinEditBisAuftrag);
    routen::VonAuftragAendern(b, von);
    Eintragen(SpinEditVonAuftrag, SpinEditBisAuftrag, b);
}

void TRoutenuebertragung::BisAuftragAendern(int bis)
{
    TAuftragsbereich b = Bereich(SpinEditVonAuftrag, SpinEditBisAuftrag);
    routen::BisAuftragAendern(b, bis);
    Eintragen(SpinEditVonAuftrag, SpinEditBisAuftrag, b);
}

void TRoutenuebertragung::SpinEditsVerlassen()
{
    if (SpinEditVonAuftrag->text().isEmpty())
        SpinEditVonAuftrag->setValue(1);
    if (SpinEditBisAuftrag->text().isEmpty())
        SpinEditBisAuftrag->setValue(SpinEditBisAuftrag->maximum());
}

bool TRoutenuebertragung::Starten(const Wegpunktliste &route)
{
    SpinEditsVerlassen();
    if (!m_uebertragung.Starten(route.Punkte(), SpinEditVonAuftrag->value(), SpinEditBisAuftrag->value()))
        return false;
    LabelUebertragung->setText(m_uebertragung.LaufText());
    Timer2->setSingleShot(true);
    Timer2->setInterval(1);
    Timer2->start();
    return true;
}

void TRoutenuebertragung::Timer2Timer()
{
    Timer2->stop();
    Timer2->setInterval(std::max(m_optionen.TransmissionInterval, KleinstesUebertragungsintervall));
    const std::optional<Wegpunkt> ziel = m_uebertragung.Naechster();
    if (ziel) {
        emit LinkOeffnen(QUrl(AuftragsLink(m_welten.AktuelleWelt, ziel->x, ziel->y, TokenErzeugen())));
        LabelUebertragung->setText(m_uebertragung.LaufText());
    }
    if (!m_uebertragung.Laeuft())
        return;
    if (!m_uebertragung.Fertig()) {
        Timer2->start();
        return;
    }
    m_uebertragung.Beenden();
    LabelUebertragung->setText(UebertragungAbgeschlossenText());
    emit Beendet();
}

void TRoutenuebertragung::GlyphSetzen(int welt)
{
    SpeedButtonRouteUebertragen->setIcon(WeltGlyph(welt));
}

void TRoutenuebertragung::Zuruecksetzen()
{
    LabelUebertragung->setText(KeineUebertragungText());
}

bool TRoutenuebertragung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt != SpinEditVonAuftrag && objekt != SpinEditBisAuftrag)
        return false;
    if (ereignis->type() == QEvent::FocusOut) {
        SpinEditsVerlassen();
        return false;
    }
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    const int taste = static_cast<QKeyEvent *>(ereignis)->key();
    if (taste != Qt::Key_Return && taste != Qt::Key_Enter)
        return false;
    emit UebertragenVerlangt(true);
    return true;
}

} // namespace mvt
