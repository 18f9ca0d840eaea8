#include "routes/ui/Stadtsuchbereich.h"

#include "routes/ui/Stadtsuchfeld.h"
#include "ui/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace mvt {

using namespace routen;

TStadtsuchbereich::TStadtsuchbereich(const TWeltdaten &welten, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Stadtsuchbereich"));
    setGeometry(400, 0, 384, 22);
    EditStadtsuche = new TStadtsuchfeld(welten, QStringLiteral("EditStadtsuche"), this);
    EditStadtsuche->setGeometry(40, 1, 180, 20);
    LabelStadtsuche = FeldBeschriftung(this, QStringLiteral("S&tadt:"), EditStadtsuche, QRect(0, 2, 38, 18));
    LabelStadtsuche->setObjectName(QStringLiteral("LabelStadtsuche"));
    EditStadtsuche->setToolTip(
        QStringLiteral("Stadt nach Namen oder Besitzer suchen; die gewählte Stadt wird das Ziel"));
    SpeedButtonStadtAlsStart = Textknopf(this, QStringLiteral("SpeedButtonStadtAlsStart"),
                                         QStringLiteral("Als Start"), QRect(224, 1, 60, 20));
    SpeedButtonStadtAlsStart->setToolTip(QStringLiteral("Die gewählte Stadt als Start nehmen"));
    SpeedButtonStadtAlsStart->setEnabled(false);
    ButtonTourPlanen = Schaltflaeche(this, QStringLiteral("ButtonTourPlanen"),
                                     QStringLiteral("Tou&r planen..."), QRect(288, 0, 92, 22));
    connect(EditStadtsuche, &TStadtsuchfeld::StadtGewaehlt, this, [this](const TStadt &s) {
        m_gewaehlt = s;
        SpeedButtonStadtAlsStart->setEnabled(true);
        emit ZielGewaehlt(s.x, s.y);
    });
    connect(SpeedButtonStadtAlsStart, &QToolButton::clicked, this, [this] {
        if (m_gewaehlt)
            emit StartGewaehlt(m_gewaehlt->x, m_gewaehlt->y);
    });
    connect(ButtonTourPlanen, &QPushButton::clicked, this, &TStadtsuchbereich::TourVerlangt);
}

void TStadtsuchbereich::Zuruecksetzen()
{
    m_gewaehlt.reset();
    EditStadtsuche->clear();
    SpeedButtonStadtAlsStart->setEnabled(false);
}

} // namespace mvt
