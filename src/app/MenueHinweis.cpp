#include "app/MenueHinweis.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolTip>

namespace mvt {

TMenuItemHint::TMenuItemHint(QWidget *besitzer)
    : QWidget(besitzer, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
{
    setObjectName(QStringLiteral("MenuItemHint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    m_zeigeTimer.setSingleShot(true);
    m_zeigeTimer.setInterval(Verzoegerung);
    connect(&m_zeigeTimer, &QTimer::timeout, this, &TMenuItemHint::Zeigen);
}

TMenuItemHint::~TMenuItemHint()
{
    m_zeigeTimer.stop();
}

void TMenuItemHint::MenueAnbinden(QMenu *menue)
{
    if (!menue)
        return;
    // Unique connections: menus are bound again whenever they open, so that submenus
    // filled at run time (the planner's equipment menus) report their entries too.
    connect(menue, &QMenu::hovered, this, &TMenuItemHint::MenuItemAuswaehlen, Qt::UniqueConnection);
    connect(menue, &QMenu::aboutToHide, this, &TMenuItemHint::MenueGeschlossen, Qt::UniqueConnection);
    connect(menue, &QMenu::aboutToShow, this, &TMenuItemHint::UntermenuesAnbinden, Qt::UniqueConnection);
    for (QAction *a : menue->actions())
        if (a->menu() && a->menu() != menue)
            MenueAnbinden(a->menu());
}

void TMenuItemHint::MenueGeschlossen()
{
    MenuItemAuswaehlen(nullptr);
}

void TMenuItemHint::UntermenuesAnbinden()
{
    if (auto *menue = qobject_cast<QMenu *>(sender()))
        for (QAction *a : menue->actions())
            if (a->menu() && a->menu() != menue)
                MenueAnbinden(a->menu());
}

void TMenuItemHint::MenueAnbinden(QMenuBar *leiste)
{
    connect(leiste, &QMenuBar::hovered, this, &TMenuItemHint::MenuItemAuswaehlen);
    for (QAction *a : leiste->actions())
        if (a->menu())
            MenueAnbinden(a->menu());
}

void TMenuItemHint::MenuItemAuswaehlen(QAction *eintrag)
{
    hide();
    m_zeigeTimer.stop();
    if (eintrag && !eintrag->statusTip().isEmpty()) {
        m_eintrag = eintrag;
        m_text = eintrag->statusTip();
        m_zeigeTimer.start();
    } else {
        m_eintrag = nullptr;
        m_text.clear();
    }
}

void TMenuItemHint::Zeigen()
{
    if (m_text.isEmpty())
        return;
    const QFontMetrics fm(font());
    const QRect text = fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, m_text);
    const QPoint maus = QCursor::pos();
    setGeometry(maus.x() + Abstand, maus.y() + Abstand, text.width() + 6, text.height() + 4);
    show();
    raise();
    update();
}

void TMenuItemHint::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    p.setPen(palette().color(QPalette::ToolTipText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, m_text);
}

} // namespace mvt
