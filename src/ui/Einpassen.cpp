#include "ui/Einpassen.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QString>

namespace mvt {

void TextEinpassen(QLabel *l, const QString &text, int kleinsteGroesse)
{
    // The size the label has without us: remembered only while it is shrunk, so that a
    // label keeps following the fonts of its window until a text needs less.
    const QVariant gemerkt = l->property("mvtGrundgroesse");
    QFont f = l->font();
    const int grund = gemerkt.isValid() ? gemerkt.toInt() : QFontInfo(f).pixelSize();
    const int breite = l->contentsRect().width() - 2 * l->margin();
    int groesse = grund;
    for (; groesse > kleinsteGroesse; --groesse) {
        f.setPixelSize(groesse);
        if (QFontMetrics(f).horizontalAdvance(text) <= breite)
            break;
    }
    f.setPixelSize(groesse);
    if (groesse != grund || gemerkt.isValid()) {
        l->setFont(f);
        l->setProperty("mvtGrundgroesse", groesse != grund ? QVariant(grund) : QVariant());
    }
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
