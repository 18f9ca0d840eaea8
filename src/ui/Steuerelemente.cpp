#include "ui/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace mvt {

namespace {
QString Vorlesetext(const QString &text)
{
    QString t = QString(text).remove(u'&');
    while (t.endsWith(u':'))
        t.chop(1);
    return t.trimmed();
}
} // namespace

QLabel *Beschriftung(QWidget *eltern, const QString &name, const QString &text, QRect ort, bool fett)
{
    auto *l = new QLabel(text, eltern);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setGeometry(ort);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel *FeldBeschriftung(QWidget *eltern, const QString &text, QWidget *feld, QRect ort)
{
    auto *l = new QLabel(text, eltern);
    l->setGeometry(ort);
    l->setBuddy(feld);
    feld->setAccessibleName(Vorlesetext(text));
    return l;
}

QToolButton *Knopf(QWidget *eltern, const QString &name, const QString &hinweis, const QIcon &glyphe,
                   QRect ort, QSize symbolgroesse)
{
    auto *b = new QToolButton(eltern);
    b->setObjectName(name);
    b->setToolTip(hinweis);
    // A glyph alone says nothing to a screen reader; the hint is the button's name.
    b->setAccessibleName(hinweis);
    b->setIcon(glyphe);
    if (symbolgroesse.isValid())
        b->setIconSize(symbolgroesse);
    b->setAutoRaise(true);
    b->setGeometry(ort);
    return b;
}

QToolButton *Textknopf(QWidget *eltern, const QString &name, const QString &text, QRect ort,
                       const QIcon &glyphe)
{
    auto *b = new QToolButton(eltern);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(text);
    b->setAccessibleName(Vorlesetext(text));
    b->setGeometry(ort);
    b->setAutoRaise(true);
    if (!glyphe.isNull()) {
        b->setIcon(glyphe);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return b;
}

QPushButton *Schaltflaeche(QWidget *eltern, const QString &name, const QString &text, QRect ort)
{
    auto *b = new QPushButton(text, eltern);
    if (!name.isEmpty())
        b->setObjectName(name);
    b->setGeometry(ort);
    b->setAccessibleName(Vorlesetext(text));
    return b;
}

} // namespace mvt
