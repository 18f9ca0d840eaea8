#include "combat/ui/Diagrammzeichnung.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace mvt {

int64_t RunderSchritt(double x)
{
    if (!(x > 1.0))
        return 1;
    const double zehner = std::pow(10.0, std::floor(std::log10(x)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * zehner >= x)
            return int64_t(f * zehner);
    return int64_t(10.0 * zehner);
}

double DiagrammY(const QRect &f, int64_t v, int64_t oben)
{
    return f.bottom() - double(v) * f.height() / double(oben);
}

void DiagrammRahmenZeichnen(QPainter &p, const QWidget &w)
{
    const QPalette &pal = w.palette();
    p.fillRect(w.rect(), pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(w.rect().adjusted(0, 0, -1, -1));
    if (w.hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(w.rect().adjusted(1, 1, -2, -2));
    }
}

void WerteachseZeichnen(QPainter &p, const QPalette &pal, const QFontMetrics &fm, const QRect &f,
                        int64_t oben)
{
    const int64_t schritt = RunderSchritt(double(oben) / 4.0);
    for (int64_t v = 0; v <= oben; v += schritt) {
        const double yy = DiagrammY(f, v, oben);
        p.setPen(pal.color(QPalette::Midlight));
        p.drawLine(QPointF(f.left(), yy), QPointF(f.right(), yy));
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRectF(0, yy - fm.height() / 2.0, f.left() - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
}

void AchsenZeichnen(QPainter &p, const QPalette &pal, const QRect &f)
{
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(f.bottomLeft(), f.bottomRight());
    p.drawLine(f.bottomLeft(), f.topLeft());
}

void MarkeZeichnen(QPainter &p, const QPalette &pal, const QRect &f, double x)
{
    p.setPen(QPen(pal.color(QPalette::Dark), 1, Qt::DashLine));
    p.drawLine(QPointF(x, f.top()), QPointF(x, f.bottom()));
}

} // namespace mvt
