#include "ui/Einpassen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

namespace mvt {

void TextEinpassen(QLabel *l, const QString &text, int kleinsteGroesse)
{
    QVariant grund = l->property("mvtGrundschrift");
    if (!grund.isValid()) {
        grund = l->font();
        l->setProperty("mvtGrundschrift", grund);
    }
    QFont f = grund.value<QFont>();
    const int breite = l->contentsRect().width() - 2 * l->margin();
    const int groesse = f.pixelSize() > 0 ? f.pixelSize() : QFontMetrics(f).height();
    for (int g = groesse; g >= std::min(groesse, kleinsteGroesse); --g) {
        f.setPixelSize(g);
        if (QFontMetrics(f).horizontalAdvance(text) <= breite)
            break;
    }
    if (l->font() != f)
        l->setFont(f);
    const QString gezeigt = QFontMetrics(f).elidedText(text, Qt::ElideRight, breite);
    if (l->text() != gezeigt)
        l->setText(gezeigt);
    const bool gekuerzt = gezeigt != text;
    if (gekuerzt || l->property("mvtGekuerzt").toBool()) {
        l->setToolTip(gekuerzt ? text : QString());
        l->setAccessibleName(gekuerzt ? text : QString());
        l->setProperty("mvtGekuerzt", gekuerzt);
    }
}

} // namespace mvt
