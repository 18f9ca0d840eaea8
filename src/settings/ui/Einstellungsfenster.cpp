#include "settings/ui/Einstellungsfenster.h"

namespace mvt {

TForm7::TForm7(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Einstellungen"), Rahmen::Dialog, false)
{
    setObjectName(QStringLiteral("Form7"));
    setFixedSize(680, 560);
}

} // namespace mvt
