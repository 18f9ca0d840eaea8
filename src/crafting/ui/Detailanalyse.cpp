#include "crafting/ui/Detailanalyse.h"

#include "ui/Bilder.h"

#include <QToolButton>

namespace mvt {

TForm6::TForm6(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Detaillierte Analyse der Bauliste"),
                    Rahmen::Groessenveraenderbar, false)
{
    setObjectName(QStringLiteral("Form6"));
    setMinimumWidth(578);
    setMaximumSize(2048, 1536);
    resize(797, 731);

    SpeedButtonAbbrechen = new QToolButton(this);
    SpeedButtonAbbrechen->setObjectName(QStringLiteral("SpeedButtonAbbrechen"));
    SpeedButtonAbbrechen->setToolTip(QStringLiteral("Fenster schließen"));
    SpeedButtonAbbrechen->setIcon(GlyphAbbrechen());
    SpeedButtonAbbrechen->setAutoRaise(true);
    SpeedButtonAbbrechen->setGeometry(4, 4, 30, 30);
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);
}

} // namespace mvt
