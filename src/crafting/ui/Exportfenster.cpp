#include "crafting/ui/Exportfenster.h"

namespace mvt {

TForm9::TForm9(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Bauliste"), Rahmen::Groessenveraenderbar, true)
{
    setObjectName(QStringLiteral("Form9"));
    // The size limits 498 x 400 to 2048 x 1536 are those of the whole window; the
    // client area starts at 490 x 614, so the frame takes 8 x 34 pixels.
    setMinimumSize(490, 366);
    setMaximumSize(2040, 1502);
    resize(490, 614);
}

} // namespace mvt
