#include "settings/ui/Preisdialog.h"

namespace mvt {

TForm3::TForm3(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QString(), Rahmen::Groessenveraenderbar, true)
{
    setObjectName(QStringLiteral("Form3"));
    setMinimumSize(150, 200);
    setMaximumSize(1024, 800);
    resize(470, 360);
}

} // namespace mvt
