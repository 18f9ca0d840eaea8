#include "routes/ui/Routensteuerelemente.h"

#include "routes/Auftraege.h"

#include <QHeaderView>
#include <QSpinBox>
#include <QTableWidget>

namespace mvt {

QTableWidget *Routentabelle(QWidget *eltern, const char *name, const QString &beschreibung,
                            const QStringList &koepfe)
{
    auto *t = new QTableWidget(eltern);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(beschreibung);
    t->setColumnCount(int(koepfe.size()));
    t->setHorizontalHeaderLabels(koepfe);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(18);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->horizontalHeader()->setHighlightSections(false);
    t->setTabKeyNavigation(false);
    return t;
}

QSpinBox *Auftragsfeld(QWidget *eltern, const char *name, const QString &beschreibung, int x, int y)
{
    auto *s = new QSpinBox(eltern);
    s->setObjectName(QLatin1String(name));
    s->setRange(1, routen::MaxAuftraege);
    s->setAccessibleName(beschreibung);
    s->setGeometry(x, y, 58, 22);
    return s;
}

void TabellenTextGrau(QTableWidget *t, bool grau)
{
    QPalette p = t->palette();
    const QWidget *umgebung = t->parentWidget() ? t->parentWidget() : t;
    const QColor farbe =
        grau ? QColor(Qt::gray) : umgebung->palette().color(QPalette::Active, QPalette::Text);
    p.setColor(QPalette::Active, QPalette::Text, farbe);
    p.setColor(QPalette::Inactive, QPalette::Text, farbe);
    t->setPalette(p);
}

void TabelleMausrad(QTableWidget *t)
{
    if (t->selectionModel()->hasSelection() || t->rowCount() < 1 || !t->isEnabled())
        return;
    t->setCurrentCell(0, 0);
    t->selectRow(0);
}

} // namespace mvt
