#include "online/ui/Versionsfenster.h"

#include "ui/Bilder.h"

#include <QToolButton>

namespace mvt {

TForm4::TForm4(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Programmaktualisierung"), Rahmen::Dialog, true)
{
    setObjectName(QStringLiteral("Form4"));
    setFixedSize(352, 170);

    SpeedButtonAbbrechen = new QToolButton(this);
    SpeedButtonAbbrechen->setObjectName(QStringLiteral("SpeedButtonAbbrechen"));
    SpeedButtonAbbrechen->setToolTip(QStringLiteral("Fenster schließen"));
    SpeedButtonAbbrechen->setIcon(GlyphAbbrechen());
    SpeedButtonAbbrechen->setAutoRaise(true);
    SpeedButtonAbbrechen->setGeometry(318, 136, 30, 30);
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);
}

void TForm4::FormShow()
{
    if (PruefungStarten)
        PruefungStarten();
}

} // namespace mvt
