// The few control factories every window uses: a control is created with its name, place and
// the texts a screen reader reads, so that no window forgets one of them.
#pragma once

#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace mvt {

// A label at ort; name may be empty. fett: bold in the parent's font.
QLabel *Beschriftung(QWidget *eltern, const QString &name, const QString &text, QRect ort, bool fett = false);

// The caption of a field: its buddy, and the field is read by the caption's text without the
// mnemonic '&' and the trailing ':'.
QLabel *FeldBeschriftung(QWidget *eltern, const QString &text, QWidget *feld, QRect ort);

// A flat tool button showing a glyph only; its hint is both tool tip and accessible name.
// symbolgroesse: empty keeps the style's icon size.
QToolButton *Knopf(QWidget *eltern, const QString &name, const QString &hinweis, const QIcon &glyphe,
                   QRect ort, QSize symbolgroesse = {});

// A flat tool button with a text (and optionally a glyph beside it); the text is its hint and name.
QToolButton *Textknopf(QWidget *eltern, const QString &name, const QString &text, QRect ort,
                       const QIcon &glyphe = {});

// A push button; its text without '&' is its accessible name.
QPushButton *Schaltflaeche(QWidget *eltern, const QString &name, const QString &text, QRect ort);

} // namespace mvt
