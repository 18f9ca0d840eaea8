// Export window TForm9 ("Bauliste"): the build list as forum text.
#pragma once

#include "ui/Nebenfenster.h"

namespace mvt {

class TForm9 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm9(QWidget *hauptfenster);
};

} // namespace mvt
