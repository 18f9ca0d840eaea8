#include "planner/ui/Vergleichsanzeige.h"

#include <QLabel>

#include <algorithm>

namespace mvt {

namespace {

QColor RichtungsFarbe(int richtung)
{
    if (richtung > 0)
        return QColor(0, 128, 0);
    if (richtung < 0)
        return QColor(255, 0, 0);
    return QColor(96, 96, 96);
}

} // namespace

void TVergleichsanzeige::Setzen(QLabel *wert, const planer::TVergleichswert &v)
{
    if (!wert)
        return;
    QLabel *l = m_labels.value(wert, nullptr);
    if (!l) {
        l = new QLabel(wert->parentWidget());
        l->setObjectName(wert->objectName() + QStringLiteral("Vergleich"));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Clicks go to the value below (highlighting, choosing the column).
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = wert->font();
        f.setPixelSize(std::max(8, (f.pixelSize() > 0 ? f.pixelSize() : 11) - 1));
        l->setFont(f);
        m_labels.insert(wert, l);
    }
    // Right of the value's own text, within the value's width; a text wider than that is
    // drawn smaller, down to 7 pixels, before anything of it is elided (the full text
    // stays the accessible name).
    const QRect g = wert->geometry();
    const int belegt = std::min(g.width(), wert->fontMetrics().horizontalAdvance(wert->text()) + 4);
    l->setGeometry(g.x() + belegt, g.y(), g.width() - belegt, g.height());
    const bool zeigen = !wert->isHidden() && !v.Text.isEmpty();
    if (zeigen) {
        QFont f = wert->font();
        int groesse = std::max(8, (f.pixelSize() > 0 ? f.pixelSize() : 11) - 1);
        f.setPixelSize(groesse);
        while (groesse > 7 && QFontMetrics(f).horizontalAdvance(v.Text) > l->width())
            f.setPixelSize(--groesse);
        l->setFont(f);
        l->setText(l->fontMetrics().elidedText(v.Text, Qt::ElideRight, l->width()));
        l->setAccessibleName(v.Text);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, RichtungsFarbe(v.Richtung));
        l->setPalette(p);
        // Drawn over its value and read right after it, not after all values of the page.
        l->stackUnder(wert);
        wert->stackUnder(l);
        // The colour said in words, with the value it belongs to.
        const QString wort = v.Richtung > 0   ? QStringLiteral("besser")
                             : v.Richtung < 0 ? QStringLiteral("schlechter")
                                              : QStringLiteral("gleich");
        l->setBuddy(wert);
        l->setAccessibleDescription(wort);
        wert->setAccessibleDescription(QStringLiteral("Vergleich: ") + v.Text + QStringLiteral(", ") + wort);
    } else {
        wert->setAccessibleDescription(QString());
    }
    l->setVisible(zeigen);
}

void TVergleichsanzeige::Leeren()
{
    for (auto i = m_labels.cbegin(); i != m_labels.cend(); ++i) {
        i.value()->hide();
        i.key()->setAccessibleDescription(QString());
    }
}

} // namespace mvt
