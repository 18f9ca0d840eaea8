// Detailed analysis window TForm6: the build list broken down for one production mode
// (Tag = mode 1 to 4).
#pragma once

#include "ui/Nebenfenster.h"

class QToolButton;

namespace mvt {

class TForm6 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm6(QWidget *hauptfenster);

    QToolButton *SpeedButtonAbbrechen;
};

} // namespace mvt
