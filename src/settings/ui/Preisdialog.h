// Price dialog TForm3: prices or building levels of the goods the build list uses.
// Tag = 10 x cost page (1..4) + kind (1 sale prices, 2 purchase prices, 3 buildings).
#pragma once

#include "ui/Nebenfenster.h"

namespace mvt {

class TForm3 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm3(QWidget *hauptfenster);
};

} // namespace mvt
