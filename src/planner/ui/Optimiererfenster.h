// Optimiser window TForm10 ("Optimierungsoptionen"), docked to the left of the main
// window and shown only while the character planner page is active.
#pragma once

#include "ui/Nebenfenster.h"

#include <functional>

namespace mvt {

class TForm10 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm10(QWidget *hauptfenster);

    // The window is to be shown while the character planner page is active.
    bool OptimiererOffen = false;
    // While set, every attempt to move the window keeps its position.
    bool FensterFixiert = false;

    // Run at the end of the creation handler; the start-up pushes the loaded options
    // into all windows from here, as this window is created last.
    std::function<void()> NachErzeugen;

    void FormCreate() override;

    // Right edge 9 pixels left of the main window, top 78 pixels below the main window's
    // top; the position lock is lifted for the move and set again.
    void Andocken();

protected:
    void FormShow() override;
    void FormClose() override;
    void moveEvent(QMoveEvent *ereignis) override;

private:
    QPoint m_festePosition;
};

} // namespace mvt
