#include "routes/ui/Tourzeichnung.h"

#include <QFont>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace mvt {

using namespace routen;

void TourbildMalen(QPainter &p, const TTourbild &bild, int l, int t, int ls, int lz, int z,
                   const QRect &bereich)
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
    QVector<QLineF> linien;
    for (const std::vector<Wegpunkt> &linie : bild.Linien)
        for (size_t i = 1; i < linie.size(); ++i)
            if (Sichtbar(linie[i - 1]) || Sichtbar(linie[i]))
                linien << QLineF(Mitte(linie[i - 1]), Mitte(linie[i]));
    p.setPen(QPen(Tourfarbe, std::max(2, z / 6), Qt::SolidLine, Qt::RoundCap));
    p.drawLines(linien);
    // the stops on top, numbered in visiting order; a stop visited twice shows both numbers
    const int r = std::clamp(z * 2 / 5, 6, 14);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(7, r));
    p.setFont(f);
    for (size_t i = 0; i < bild.Stationen.size(); ++i) {
        const Wegpunkt w = bild.Stationen[i];
        if (!Sichtbar(w))
            continue;
        const QPointF m =
            Mitte(w) +
            QPointF(0, -double(r) * 0.8 *
                           double(std::count(bild.Stationen.begin(), bild.Stationen.begin() + long(i), w)) *
                           2.0);
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
