#include "routes/ui/Kartenfenster.h"

namespace mvt {

TForm8::TForm8(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Karte"), Rahmen::Groessenveraenderbar, false)
{
    setObjectName(QStringLiteral("Form8"));
    setMinimumSize(520, 520);
    setMaximumSize(2048, 1536);
    resize(760, 640);
}

} // namespace mvt
