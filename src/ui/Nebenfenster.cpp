#include "ui/Nebenfenster.h"

#include "ui/Bilder.h"
#include "ui/Zugang.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QKeyEvent>
#include <QShowEvent>

namespace mvt {

TNebenfenster::TNebenfenster(QWidget *hauptfenster, const QString &titel, Rahmen rahmen, bool immerOben)
    : QWidget(nullptr), m_hauptfenster(hauptfenster)
{
    // Read as a dialog named by its caption (a plain widget would be a "filler").
    ZugangEinrichten();
    // Top-level without a parent: a child window would be disabled together with the
    // main window, and the main window is disabled exactly while these are shown.
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (rahmen == Rahmen::Dialog)
        flags |= Qt::Dialog;
    else
        flags |= Qt::WindowMinMaxButtonsHint;
    if (immerOben)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowTitle(titel);
    setAttribute(Qt::WA_QuitOnClose, false);
    setProperty("ShowHint", true);
}

void TNebenfenster::AufHauptfensterZentrieren()
{
    if (!m_hauptfenster)
        return;
    const QRect h = m_hauptfenster->frameGeometry();
    const QRect eigen = frameGeometry();
    move(h.center().x() - eigen.width() / 2, h.center().y() - eigen.height() / 2);
}

void TNebenfenster::HintergrundZeigen(bool an)
{
    m_hintergrund = an;
    update();
}

void TNebenfenster::HauptfensterFreigeben()
{
    if (m_hauptfenster)
        m_hauptfenster->setEnabled(true);
}

void TNebenfenster::setVisible(bool sichtbar)
{
    if (sichtbar)
        VorDemZeigen();
    QWidget::setVisible(sichtbar);
}

void TNebenfenster::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous()) {
        FormShow();
        // The keyboard goes to the window opened in place of the disabled main window (not
        // to a window shown beside it, such as the optimiser's).
        if (m_hauptfenster && !m_hauptfenster->isEnabled())
            activateWindow();
    }
}

void TNebenfenster::closeEvent(QCloseEvent *ereignis)
{
    FormClose();
    ereignis->accept();
}

void TNebenfenster::keyPressEvent(QKeyEvent *ereignis)
{
    // Controls pass Escape on to their window, so it closes from every control.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void TNebenfenster::paintEvent(QPaintEvent *ereignis)
{
    if (!m_hintergrund)
        return;
    QPainter p(this);
    HintergrundMalen(p, ereignis->rect(), QPoint(0, 0));
}

} // namespace mvt
