// Map window TForm8 ("Karte"): the current world with towns, zones and the route.
// Not modal: the main window stays usable while it is shown.
#pragma once

#include "ui/Nebenfenster.h"

namespace mvt {

class TForm8 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm8(QWidget *hauptfenster);
};

} // namespace mvt
