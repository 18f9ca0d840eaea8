// Settings window TForm7 ("Einstellungen"): every option, price, building level and potency.
#pragma once

#include "ui/Nebenfenster.h"

namespace mvt {

class TForm7 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm7(QWidget *hauptfenster);
};

} // namespace mvt
