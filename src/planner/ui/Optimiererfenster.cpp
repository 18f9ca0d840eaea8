#include "planner/ui/Optimiererfenster.h"

#include <QMoveEvent>
#include <QTimer>

namespace mvt {

TForm10::TForm10(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Optimierungsoptionen"), Rahmen::Dialog, false)
{
    setObjectName(QStringLiteral("Form10"));
    setFixedSize(236, 520);
}

void TForm10::FormCreate()
{
    // At the main window's right edge until it is first shown.
    if (Hauptfenster())
        move(Hauptfenster()->frameGeometry().right() + 1, Hauptfenster()->frameGeometry().top());
    if (NachErzeugen)
        NachErzeugen();
}

void TForm10::Andocken()
{
    if (!Hauptfenster())
        return;
    const QRect h = Hauptfenster()->frameGeometry();
    const bool fixiert = FensterFixiert;
    FensterFixiert = false;
    m_festePosition = QPoint(h.left() - frameGeometry().width() - 9, h.top() + 78);
    move(m_festePosition);
    FensterFixiert = fixiert;
}

void TForm10::FormShow()
{
    FensterFixiert = false;
    Andocken();
    FensterFixiert = true;
}

void TForm10::FormClose()
{
    OptimiererOffen = false;
    TNebenfenster::FormClose();
}

void TForm10::moveEvent(QMoveEvent *ereignis)
{
    TNebenfenster::moveEvent(ereignis);
    // The window system has already moved us; put the window back where it belongs.
    if (FensterFixiert && pos() != m_festePosition) {
        const QPoint ziel = m_festePosition;
        QTimer::singleShot(0, this, [this, ziel] {
            if (FensterFixiert)
                move(ziel);
        });
    }
}

} // namespace mvt
