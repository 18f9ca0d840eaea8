#include "combat/ui/Waffendarstellung.h"

#include "combat/Kampftabelle.h"

namespace mvt {

namespace {
void Einfaerben(QLabel *l, bool grau)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText,
               grau ? QColor(Qt::gray)
                    : l->parentWidget()->palette().color(QPalette::Active, QPalette::WindowText));
    l->setPalette(p);
}
} // namespace

TWaffendarstellung::TWaffendarstellung(const TEinzelWaffe &waffe, const TKatalog &katalog, QWidget *parent,
                                       int links, int oben)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Waffendarstellung"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setText(waffe.Name);
    QFont fett = font();
    fett.setPixelSize(DetailSchrift); // as the rows beside it; see TKampfberichtSeite::Beschriftet
    fett.setBold(true);
    setFont(fett);

    const auto zeilen = WaffenZeilen(waffe, katalog);
    int breite = fontMetrics().horizontalAdvance(waffe.Name) + 4;
    int zeile = 0;
    for (const TWaffenzeile &z : zeilen) {
        ++zeile;
        // The row labels are the panel's children, so destroying the panel removes them.
        auto *b = new QLabel(z.Beschriftung, this);
        auto *w = new QLabel(z.Wert, this);
        for (QLabel *l : {b, w}) {
            QFont normal = font(); // the panel's own, set above
            normal.setBold(false);
            l->setFont(normal);
            l->setTextFormat(Qt::PlainText);
            l->setToolTip(z.Hinweis);
            Einfaerben(l, z.Grau);
            l->adjustSize();
        }
        b->setBuddy(w); // a screen reader reads the value with its caption
        b->move(0, zeile * Zeilenhoehe);
        w->move(Wertabstand, zeile * Zeilenhoehe);
        breite = std::max({breite, b->width(), Wertabstand + w->width()});
        m_beschriftungen << b;
        m_werte << w;
    }
    setGeometry(links, oben, breite, (zeile + 1) * Zeilenhoehe);
    m_ende = oben + zeile * Zeilenhoehe;
    show();
}

} // namespace mvt
