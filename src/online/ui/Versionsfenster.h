// Version window TForm4 ("Programmaktualisierung"). Showing it starts a version check;
// Tag 1 marks the automatic check of the start, 0 no check running.
#pragma once

#include "ui/Nebenfenster.h"

#include <functional>

class QToolButton;

namespace mvt {

class TForm4 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm4(QWidget *hauptfenster);

    QToolButton *SpeedButtonAbbrechen;

    // Starts the check thread; run by every showing, also the invisible one of the start.
    std::function<void()> PruefungStarten;

protected:
    void FormShow() override;
};

} // namespace mvt
