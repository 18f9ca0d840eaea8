#include "crafting/ui/Bausatzrechnerhilfen.h"

#include "ui/Preiszeile.h"

#include <QHeaderView>
#include <QPalette>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVariant>

namespace mvt::bausatzrechner {

int Tag(const QObject *o)
{
    return o->property("Tag").toInt();
}

void TagSetzen(QObject *o, int tag)
{
    o->setProperty("Tag", tag);
}

void Farbe(QWidget *w, const QColor &farbe)
{
    QPalette p = w->palette();
    if (farbe.isValid()) {
        p.setColor(QPalette::WindowText, farbe);
    } else {
        // Every colour group of the parent: read while the main window is disabled (a
        // secondary window is open), its current group would be the disabled grey.
        const QPalette &eltern = w->parentWidget()->palette();
        for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(g, QPalette::WindowText, eltern.color(g, QPalette::WindowText));
    }
    w->setPalette(p);
}

QSpinBox *Zahlenfeld(QWidget *eltern, const QString &name, int min, int max, int wert, QRect ort,
                     const QString &zugang)
{
    auto *s = new QSpinBox(eltern);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(wert);
    s->setGeometry(ort);
    NurZiffern(s);
    s->setAccessibleName(zugang);
    return s;
}

QTreeWidget *Baum(QWidget *eltern, const QString &name, QRect ort, const QString &zugang)
{
    auto *t = new QTreeWidget(eltern);
    t->setObjectName(name);
    t->setGeometry(ort);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setExpandsOnDoubleClick(true);
    t->setIndentation(14);
    t->setAccessibleName(zugang);
    // The hidden header still names the column for a screen reader (Qt's default is "1").
    t->setHeaderLabel(zugang);
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->header()->setStretchLastSection(false);
    return t;
}

} // namespace mvt::bausatzrechner
