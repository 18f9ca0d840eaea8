#include "app/MenueHinweis.h"

#include <cmath>

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
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
        m_html = eintrag->property("HinweisHtml").toString();
        m_zeigeTimer.start();
    } else {
        m_eintrag = nullptr;
        m_text.clear();
        m_html.clear();
    }
}

namespace {

void HtmlVorbereiten(QTextDocument &d, const QString &html, const QFont &schrift)
{
    d.setDefaultFont(schrift);
    d.setDocumentMargin(0);
    d.setHtml(html);
}

} // namespace

void TMenuItemHint::Zeigen()
{
    // The entry may have filled in its hint when it was selected (the planner's what-if).
    if (m_eintrag && !m_eintrag->statusTip().isEmpty()) {
        m_text = m_eintrag->statusTip();
        m_html = m_eintrag->property("HinweisHtml").toString();
    }
    if (m_text.isEmpty())
        return;
    QSize groesse;
    if (!m_html.isEmpty()) {
        QTextDocument d;
        HtmlVorbereiten(d, m_html, font());
        groesse = QSize(static_cast<int>(std::ceil(d.idealWidth())),
                        static_cast<int>(std::ceil(d.size().height())));
    } else {
        const QFontMetrics fm(font());
        groesse = fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, m_text).size();
    }
    const QPoint maus = QCursor::pos();
    setGeometry(maus.x() + Abstand, maus.y() + Abstand, groesse.width() + 6, groesse.height() + 4);
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
    if (!m_html.isEmpty()) {
        QTextDocument d;
        HtmlVorbereiten(d, m_html, font());
        d.setTextWidth(width() - 6);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.palette.setColor(QPalette::Text, palette().color(QPalette::ToolTipText));
        p.translate(3, 2);
        d.documentLayout()->draw(&p, ctx);
        return;
    }
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, m_text);
}

} // namespace mvt
