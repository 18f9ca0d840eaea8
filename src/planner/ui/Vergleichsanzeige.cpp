#include "planner/ui/Vergleichsanzeige.h"

#include "ui/Einpassen.h"

#include <QFontInfo>
#include <QLabel>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace mvt {

namespace {

QColor RichtungsFarbe(int richtung)
{
    if (richtung > 0)
        return QColor(0, 128, 0);
    if (richtung < 0)
        return QColor(255, 0, 0);
    return QColor(96, 96, 96);
}

// A value's own font: the one it had before a difference beside it narrowed it (kept as a
// property while it is narrowed), with its current weight (the value may be highlighted).
QFont Grundschrift(const QLabel *wert)
{
    const QVariant grund = wert->property("mvtVergleichGrund");
    if (!grund.isValid())
        return wert->font();
    QFont f = qvariant_cast<QFont>(grund);
    f.setBold(wert->font().bold());
    return f;
}

void SchriftSetzen(QLabel *wert, const QFont &f)
{
    const QFont grund = Grundschrift(wert);
    if (wert->font() == f)
        return;
    wert->setProperty("mvtVergleichGrund", f == grund ? QVariant() : QVariant(grund));
    wert->setFont(f);
}

} // namespace

void TVergleichsanzeige::Setzen(QLabel *wert, const planer::TVergleichswert &v)
{
    if (!wert)
        return;
    QLabel *l = m_labels.value(wert, nullptr);
    if (!l) {
        l = new QLabel(wert->parentWidget());
        l->setObjectName(wert->objectName() + QStringLiteral("Vergleich"));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Clicks go to the value below (highlighting, choosing the column).
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = wert->font();
        f.setPixelSize(std::max(8, (f.pixelSize() > 0 ? f.pixelSize() : 11) - 1));
        l->setFont(f);
        m_labels.insert(wert, l);
    }
    const bool zeigen = !wert->isHidden() && !v.Text.isEmpty();
    const QRect g = wert->geometry();
    QFont wertschrift = Grundschrift(wert);
    if (zeigen) {
        // Right of the value's own text, within the value's width. A text wider than that
        // takes a narrower face and then a smaller size, down to 7 pixels; where that is
        // not enough the value itself narrows its face and then its size to make room.
        // Only what still does not fit is elided (the full text stays the accessible name).
        const int wertgroesse = QFontInfo(wertschrift).pixelSize();
        const int grund = std::max(8, wertgroesse - 1);
        // The steps of the value: its own face, semi-condensed, condensed, then condensed
        // one pixel smaller at a time down to 8 pixels.
        std::vector<std::pair<int, int>> stufen = {{QFont::AnyStretch, wertgroesse},
                                                   {QFont::SemiCondensed, wertgroesse},
                                                   {QFont::Condensed, wertgroesse}};
        for (int n = wertgroesse - 1; n >= 8; --n)
            stufen.emplace_back(QFont::Condensed, n);
        QFont f;
        for (const auto &[breitung, groesse] : stufen) {
            wertschrift = Grundschrift(wert);
            if (breitung != QFont::AnyStretch) {
                wertschrift.setStretch(breitung);
                wertschrift.setPixelSize(groesse);
            }
            const int belegt =
                std::min(g.width(), QFontMetrics(wertschrift).horizontalAdvance(wert->text()) + 4);
            l->setGeometry(g.x() + belegt, g.y(), g.width() - belegt, g.height());
            f = EingepassteSchrift(wertschrift, v.Text, l->width(), grund, 7);
            if (QFontMetrics(f).horizontalAdvance(v.Text) <= l->width())
                break;
        }
        SchriftSetzen(wert, wertschrift);
        l->setFont(f);
        // Measured as the fitting was; the eliding's own rounding would cut a text that fits.
        const QFontMetrics fm(f);
        l->setText(fm.horizontalAdvance(v.Text) <= l->width()
                       ? v.Text
                       : fm.elidedText(v.Text, Qt::ElideRight, l->width()));
        l->setAccessibleName(v.Text);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, RichtungsFarbe(v.Richtung));
        l->setPalette(p);
        // Drawn over its value and read right after it, not after all values of the page.
        l->stackUnder(wert);
        wert->stackUnder(l);
        // The colour said in words, with the value it belongs to.
        const QString wort = v.Richtung > 0   ? QStringLiteral("besser")
                             : v.Richtung < 0 ? QStringLiteral("schlechter")
                                              : QStringLiteral("gleich");
        l->setBuddy(wert);
        l->setAccessibleDescription(wort);
        wert->setAccessibleDescription(QStringLiteral("Vergleich: ") + v.Text + QStringLiteral(", ") + wort);
    } else {
        wert->setAccessibleDescription(QString());
        SchriftSetzen(wert, wertschrift);
    }
    l->setVisible(zeigen);
}

void TVergleichsanzeige::Leeren()
{
    for (auto i = m_labels.cbegin(); i != m_labels.cend(); ++i) {
        i.value()->hide();
        i.key()->setAccessibleDescription(QString());
        SchriftSetzen(i.key(), Grundschrift(i.key()));
    }
}

} // namespace mvt
