#include "ui/Preiszeile.h"

#include "base/Zahlen.h"
#include "base/Preiskopplung.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>

namespace mvt {

bool TGoldfeldFilter::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto *feld = qobject_cast<QLineEdit *>(objekt);
    const auto *taste = static_cast<QKeyEvent *>(ereignis);
    const QString text = taste->text();
    // Control keys (Tab, Enter, Escape, Ctrl+A, Ctrl+X ...) stay with the field and the window.
    if (!feld || text.size() != 1 || text[0].unicode() < 0x20)
        return false;
    const std::optional<QChar> zeichen = ZeichenPruefen(feld->text(), text[0]);
    if (!zeichen)
        return true;
    if (*zeichen != text[0]) {
        feld->insert(QString(*zeichen));
        return true;
    }
    return false;
}

namespace {
class TZiffernFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        const QString text = taste->text();
        // Control keys (Tab, Enter, Backspace) and shortcuts (Ctrl+A, Ctrl+C, Ctrl+V ...) keep
        // their work, whatever text the platform gives a shortcut.
        if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() == 0x7f ||
            (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        return !(text[0] >= u'0' && text[0] <= u'9');
    }
};
} // namespace

int Goldfeldbreite(const QWidget *bezug)
{
    // The line edit's text margins (2 each side), its frame and one pixel for the caret.
    const int rahmen = bezug->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, bezug);
    return bezug->fontMetrics().horizontalAdvance(QStringLiteral("9999999,99")) + 2 * 2 + 2 * rahmen + 2;
}

void NurZiffern(QAbstractSpinBox *feld)
{
    feld->installEventFilter(new TZiffernFilter(feld));
}

TPreiszeile::TPreiszeile(QLineEdit *gold, QSpinBox *prozent, QObject *eltern)
    : QObject(eltern), m_gold(gold), m_prozent(prozent)
{
    m_gold->installEventFilter(new TGoldfeldFilter(m_gold));
    m_gold->installEventFilter(this);
    NurZiffern(m_prozent);
    connect(m_gold, &QLineEdit::textChanged, this, &TPreiszeile::GoldGeaendert);
    connect(m_prozent, &QSpinBox::valueChanged, this, &TPreiszeile::ProzentGeaendert);
}

void TPreiszeile::Anzeigen(double gold)
{
    const bool vorher = m_kopplung;
    m_kopplung = false;
    m_gold->setText(GoldFormatieren(gold));
    m_prozent->setValue(Prozent(gold, m_referenz));
    m_kopplung = vorher;
}

void TPreiszeile::ProzentSetzen(int32_t prozent)
{
    if (m_prozent->value() == prozent)
        GoldAusProzentSchreiben(); // no change signal, but the gold is meant to follow
    else
        m_prozent->setValue(prozent);
}

void TPreiszeile::GoldGeaendert()
{
    if (m_bereinigt || !m_kopplung)
        return;
    const TBereinigterPreistext neu = PreistextMitCaretBereinigen(m_gold->text(), m_gold->cursorPosition());
    if (neu.Text != m_gold->text()) {
        m_bereinigt = true;
        m_gold->setText(neu.Text);
        m_bereinigt = false;
    }
    m_gold->setCursorPosition(neu.Caret);
    if (neu.Text.isEmpty())
        return;
    const std::optional<int32_t> prozent =
        Speichern ? Speichern(neu.Text) : ProzentAusGoldtext(neu.Text, m_referenz);
    if (!prozent)
        return;
    m_sperre = true;
    m_prozent->setValue(*prozent);
    m_sperre = false;
}

void TPreiszeile::ProzentGeaendert()
{
    if (m_sperre || !m_kopplung || m_prozent->cleanText().isEmpty())
        return;
    GoldAusProzentSchreiben();
}

void TPreiszeile::GoldAusProzentSchreiben()
{
    if (!m_kopplung)
        return;
    const QString gold = GoldAusProzent(m_prozent->value(), m_referenz);
    if (gold == m_gold->text())
        GoldGeaendert(); // the same text raises no change, yet the price is meant to be stored
    else
        m_gold->setText(gold);
}

bool TPreiszeile::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::FocusOut)
        return false;
    // A field that loses the focus because it is being destroyed is no QLineEdit or
    // QSpinBox any more; it is left alone.
    if (objekt == m_gold && qobject_cast<QLineEdit *>(objekt)) {
        if (m_gold->text().isEmpty())
            m_gold->setText(QStringLiteral("0"));
        m_gold->setCursorPosition(0);
    }
    // An emptied percentage is left to the spin box, which brings back its value.
    return false;
}

} // namespace mvt
