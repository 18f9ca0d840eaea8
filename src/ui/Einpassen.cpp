#include "ui/Einpassen.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QString>

namespace mvt {

QFont EingepassteSchrift(QFont f, const QString &text, int breite, int groesse, int kleinsteGroesse)
{
    // The size is kept as long as a narrower face lets the text fit: a condensed 9-pixel
    // line reads better than a 7-pixel one.
    f.setPixelSize(groesse);
    f.setStretch(QFont::AnyStretch);
    if (QFontMetrics(f).horizontalAdvance(text) <= breite)
        return f;
    for (const int breitung : {int(QFont::SemiCondensed), int(QFont::Condensed)}) {
        f.setStretch(breitung);
        if (QFontMetrics(f).horizontalAdvance(text) <= breite)
            return f;
    }
    while (groesse > kleinsteGroesse) {
        f.setPixelSize(--groesse);
        if (QFontMetrics(f).horizontalAdvance(text) <= breite)
            break;
    }
    return f;
}

void TextEinpassen(QLabel *l, const QString &text, int kleinsteGroesse)
{
    // The size the label has without us: remembered only while it is shrunk, so that a
    // label keeps following the fonts of its window until a text needs less.
    const QVariant gemerkt = l->property("mvtGrundgroesse");
    const QFont alt = l->font();
    const int grund = gemerkt.isValid() ? gemerkt.toInt() : QFontInfo(alt).pixelSize();
    const int breite = l->contentsRect().width() - 2 * l->margin();
    const QFont f = EingepassteSchrift(alt, text, breite, grund, kleinsteGroesse);
    const bool verkleinert = f.pixelSize() != grund || f.stretch() != QFont::AnyStretch;
    if (verkleinert || gemerkt.isValid()) {
        if (f != alt)
            l->setFont(f);
        l->setProperty("mvtGrundgroesse", verkleinert ? QVariant(grund) : QVariant());
    }
    const QFontMetrics fm(f);
    // Measured as the fitting was; the eliding's own rounding would cut a text that fits.
    const QString gezeigt =
        fm.horizontalAdvance(text) <= breite ? text : fm.elidedText(text, Qt::ElideRight, breite);
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
