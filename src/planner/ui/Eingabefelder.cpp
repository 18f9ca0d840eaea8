#include "planner/ui/Eingabefelder.h"

#include "base/Zahlen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace mvt {

namespace {

class TTastenfilter : public QObject {
public:
    TTastenfilter(QLineEdit *feld, TZeichenfilter filter) : QObject(feld), m_feld(feld), m_filter(filter) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *k = static_cast<QKeyEvent *>(e);
        const QString t = k->text();
        if (t.size() != 1 || t[0].unicode() < 32 || (k->modifiers() & Qt::ControlModifier))
            return false; // navigation, backspace, Ctrl+C, Ctrl+V
        const QChar c = t[0];
        QString ohneAuswahl = m_feld->text();
        if (m_feld->hasSelectedText())
            ohneAuswahl.remove(m_feld->selectionStart(), m_feld->selectedText().size());
        switch (m_filter) {
        case TZeichenfilter::Dezimal: {
            const std::optional<QChar> r = ZeichenPruefen(ohneAuswahl, c);
            if (!r)
                return true;
            if (*r != c) {
                m_feld->insert(QString(*r));
                return true;
            }
            return false;
        }
        case TZeichenfilter::Ganzzahl:
            return !c.isDigit();
        case TZeichenfilter::Vorzeichen:
            if (c == u'-')
                return ohneAuswahl.contains(u'-');
            return !c.isDigit();
        }
        return false;
    }

private:
    QLineEdit *m_feld;
    TZeichenfilter m_filter;
};

class TKlickfilter : public QObject {
public:
    TKlickfilter(QWidget *w, std::function<void()> klick) : QObject(w), m_klick(std::move(klick)) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
            m_klick();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_klick;
};

class TVerlassenfilter : public QObject {
public:
    TVerlassenfilter(QSpinBox *s, planer::TSpinGedaechtnis &g, std::function<void()> bei0)
        : QObject(s), m_spin(s), m_g(g), m_bei0(std::move(bei0))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            m_g.Gemerkt = false;
            if (m_spin->text().trimmed().isEmpty())
                m_bei0();
        }
        return false;
    }

private:
    QSpinBox *m_spin;
    planer::TSpinGedaechtnis &m_g;
    std::function<void()> m_bei0;
};

class TNullfilter : public QObject {
public:
    explicit TNullfilter(QLineEdit *feld) : QObject(feld), m_feld(feld) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusOut) {
            const QString t = m_feld->text();
            if (!KommazahlLesen(t) && !GanzzahlLesen(t))
                m_feld->setText(QStringLiteral("0"));
        }
        return false;
    }

private:
    QLineEdit *m_feld;
};

// Digits only; how they are brought into the range is the entry check's business.
class TSpinEingabe : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &text, int &pos) const override
    {
        if (text.isEmpty())
            return QValidator::Intermediate;
        for (QChar c : text)
            if (c < u'0' || c > u'9')
                return QValidator::Invalid;
        // Above the upper limit the field shows the limit at once, also when the value
        // stays the same and no change handler runs.
        if (Zahl(text) > maximum()) {
            text = QString::number(maximum());
            pos = static_cast<int>(text.size());
        }
        return QValidator::Acceptable;
    }
    int valueFromText(const QString &text) const override
    {
        return static_cast<int>(std::clamp<qlonglong>(Zahl(text), minimum(), maximum()));
    }

private:
    qlonglong Zahl(const QString &text) const
    {
        // Many digits are above every upper limit.
        return text.size() > 12 ? qlonglong(maximum()) + 1 : text.toLongLong();
    }
};

} // namespace

QSpinBox *SpinEingabeErzeugen(QWidget *eltern)
{
    return new TSpinEingabe(eltern);
}

void NullBeimVerlassen(QLineEdit *feld)
{
    feld->installEventFilter(new TNullfilter(feld));
}

void ZeichenfilterSetzen(QLineEdit *feld, TZeichenfilter filter)
{
    feld->installEventFilter(new TTastenfilter(feld, filter));
}

namespace {
class TTipplaenge : public QObject {
public:
    TTipplaenge(QLineEdit *feld, int zeichen) : QObject(feld), m_feld(feld), m_zeichen(zeichen) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto *k = static_cast<QKeyEvent *>(e);
        const QString t = k->text();
        if (t.size() != 1 || t[0].unicode() < 32 || (k->modifiers() & Qt::ControlModifier))
            return false;
        return m_feld->text().size() - m_feld->selectedText().size() >= m_zeichen;
    }

private:
    QLineEdit *m_feld;
    int m_zeichen;
};
} // namespace

void TipplaengeBegrenzen(QLineEdit *feld, int zeichen)
{
    feld->installEventFilter(new TTipplaenge(feld, zeichen));
}

void TextSetzen(QLineEdit *feld, const QString &text)
{
    if (feld->text() == text)
        return;
    const int caret = feld->cursorPosition();
    const QSignalBlocker sperre(feld);
    feld->setText(text);
    feld->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

void FeldFarbeSetzen(QWidget *feld, const QColor &farbe)
{
    QPalette p = feld->palette();
    if (p.color(QPalette::Base) == farbe)
        return;
    p.setColor(QPalette::Base, farbe);
    feld->setPalette(p);
    // Under the main window's style sheet the edit inside a spin box keeps a palette of
    // its own and would paint over the colour, leaving it only on the border.
    if (qobject_cast<QAbstractSpinBox *>(feld))
        if (QLineEdit *e = feld->findChild<QLineEdit *>()) {
            QPalette ep = e->palette();
            ep.setColor(QPalette::Base, farbe);
            e->setPalette(ep);
        }
}

QColor FeldFarbe(const QWidget *feld)
{
    return feld->palette().color(QPalette::Base);
}

std::optional<int32_t> SpinPruefen(QSpinBox *spin, planer::TSpinGedaechtnis &g, int64_t jetzt,
                                   int32_t untergrenze)
{
    QLineEdit *e = spin->findChild<QLineEdit *>();
    const int caret = e ? e->cursorPosition() : 0;
    const std::optional<planer::TSpinErgebnis> r =
        planer::PruefeSpinEingabe(g, spin->text(), jetzt, untergrenze, spin->maximum());
    if (!r)
        return std::nullopt;
    if (r->Begrenzt || spin->value() != r->Wert) {
        const QSignalBlocker sperre(spin);
        spin->setValue(r->Wert);
        if (e) {
            e->setText(QString::number(r->Wert));
            e->setCursorPosition(g.Gemerkt ? static_cast<int>(e->text().size())
                                           : std::min(caret, static_cast<int>(e->text().size())));
        }
    }
    return r->Wert;
}

void SpinSetzen(QSpinBox *spin, int32_t wert)
{
    if (spin->value() == wert && spin->text() == QString::number(wert))
        return;
    const QSignalBlocker sperre(spin);
    spin->setValue(wert);
    if (QLineEdit *e = spin->findChild<QLineEdit *>())
        if (e->text() != QString::number(wert))
            e->setText(QString::number(wert));
}

void SpinVerlassenBehandeln(QSpinBox *spin, planer::TSpinGedaechtnis &g, std::function<void()> bei0)
{
    spin->installEventFilter(new TVerlassenfilter(spin, g, std::move(bei0)));
}

void KlickbarMachen(QWidget *w, std::function<void()> klick)
{
    w->installEventFilter(new TKlickfilter(w, std::move(klick)));
}

} // namespace mvt
