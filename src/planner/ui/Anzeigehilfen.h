// Small display steps the areas of the planner tab share: each changes a control only when
// its state differs, so that showing the same character again repaints nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace mvt::planeranzeige {

inline const QColor Normalfarbe(0, 0, 0);
inline const QColor Rot(255, 0, 0);

inline void Farbe(QWidget *l, const QColor &c)
{
    QPalette p = l->palette();
    if (p.color(QPalette::WindowText) == c)
        return;
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

inline void Fett(QWidget *l, bool an)
{
    QFont f = l->font();
    if (f.bold() == an)
        return;
    f.setBold(an);
    l->setFont(f);
}

inline void Zeigen(QWidget *w, bool an)
{
    if (w->isHidden() == an)
        w->setVisible(an);
}

inline void Text(QLabel *l, const QString &t)
{
    if (l->text() != t)
        l->setText(t);
}

} // namespace mvt::planeranzeige
