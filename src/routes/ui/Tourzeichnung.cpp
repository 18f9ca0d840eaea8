#include "routes/ui/Tourzeichnung.h"

#include <QFont>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace mvt {

using namespace routen;

void TourbildMalen(QPainter &p, const TTourbild &bild, int l, int t, int ls, int lz, int z,
                   const QRect &bereich, TTourteil teil)
{
    if (bild.Leer())
        return;
    const double h = z / 2.0;
    const auto Mitte = [&](Wegpunkt w) { return QPointF((w.x - l + 1) * z + h, (w.y - t + 1) * z + h); };
    const auto Sichtbar = [&](Wegpunkt w) {
        return w.x >= l - 1 && w.x <= ls + 1 && w.y >= t - 1 && w.y <= lz + 1;
    };
    p.save();
    p.setClipRect(QRect(z, z, bereich.right() + 1, bereich.bottom() + 1).intersected(bereich));
    p.setRenderHint(QPainter::Antialiasing, true);
    if (teil == TTourteil::Linien) {
        QVector<QLineF> linien;
        for (const std::vector<Wegpunkt> &linie : bild.Linien)
            for (size_t i = 1; i < linie.size(); ++i)
                if (Sichtbar(linie[i - 1]) || Sichtbar(linie[i]))
                    linien << QLineF(Mitte(linie[i - 1]), Mitte(linie[i]));
        p.setPen(QPen(Tourfarbe, std::max(2, z / 6), Qt::SolidLine, Qt::RoundCap));
        p.drawLines(linien);
        p.restore();
        return;
    }
    // numbered in visiting order; a stop visited again gets its disc above the earlier one
    const int r = std::clamp(z * 2 / 5, 6, 14);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(7, r));
    p.setFont(f);
    for (size_t i = 0; i < bild.Stationen.size(); ++i) {
        const Wegpunkt w = bild.Stationen[i];
        if (!Sichtbar(w))
            continue;
        const auto frueher = std::count(bild.Stationen.begin(), bild.Stationen.begin() + long(i), w);
        const QPointF m = Mitte(w) - QPointF(0, 1.6 * r * double(frueher));
        const QRectF kreis(m.x() - r, m.y() - r, 2.0 * r, 2.0 * r);
        p.setPen(QPen(Tourfarbe, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(kreis);
        p.setPen(Tourfarbe);
        p.drawText(kreis, Qt::AlignCenter, QString::number(i + 1));
    }
    p.restore();
}

} // namespace mvt
