#include "crafting/ui/Mengendialog.h"

#include "base/Zahlen.h"
#include "crafting/Bauliste.h"
#include "ui/Bilder.h"
#include "ui/Steuerelemente.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace mvt {

TForm2::TForm2(QWidget *hauptfenster) : TNebenfenster(hauptfenster, QString(), Rahmen::Dialog, false)
{
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(340, 112);

    Label1 = Beschriftung(this, QStringLiteral("Label1"), QString(), QRect(12, 8, 316, 42));
    Label1->setWordWrap(true);

    SpinEditAnzahl = new QSpinBox(this);
    SpinEditAnzahl->setObjectName(QStringLiteral("SpinEditAnzahl"));
    SpinEditAnzahl->setRange(0, 9999);
    SpinEditAnzahl->setGeometry(12, 64, 90, 26);
    SpinEditAnzahl->setAccessibleName(QStringLiteral("Anzahl"));
    SpinEditAnzahl->installEventFilter(this);
    // The editor's own signal, which also reports an emptied field.
    connect(SpinEditAnzahl->findChild<QLineEdit *>(), &QLineEdit::textChanged, this,
            &TForm2::SpinEditAnzahlChange);
    Label1->setBuddy(SpinEditAnzahl);

    SpeedButtonOkay = Knopf(this, QStringLiteral("SpeedButtonOkay"), QStringLiteral("Okay"), GlyphOkay(),
                            QRect(262, 62, 30, 30));
    connect(SpeedButtonOkay, &QToolButton::clicked, this, &TForm2::SpeedButtonOkayClick);

    SpeedButtonAbbrechen = Knopf(this, QStringLiteral("SpeedButtonAbbrechen"), QStringLiteral("Abbrechen"),
                                 GlyphAbbrechen(), QRect(298, 62, 30, 30));
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);
}

void TForm2::Vorbereiten(const TKatalog &k, const TBauliste &b, uint8_t art, int32_t index)
{
    const TMengenDialogTexte texte = MengenDialogTexte(k, art, index, Tag);
    setWindowTitle(texte.Titel);
    Label1->setText(texte.Frage);
    Label1->setAccessibleName(texte.Frage);
    SpinEditAnzahl->setValue(
        static_cast<int>(std::clamp<int64_t>(MengenDialogStartwert(k, b, art, index, Tag), 0, 9999)));
}

void TForm2::AnMauszeigerPlatzieren()
{
    const QPoint maus = QCursor::pos();
    move(maus.x() - frameGeometry().width() / 2, maus.y() - 117);
}

void TForm2::FormShow()
{
    SpinEditAnzahl->setFocus();
    SpinEditAnzahl->selectAll();
    SpinEditAnzahlChange();
}

void TForm2::SpinEditAnzahlChange()
{
    const std::optional<int32_t> n = GanzzahlLesen(SpinEditAnzahl->cleanText());
    SpeedButtonOkay->setEnabled(n && *n >= 0);
}

void TForm2::SpeedButtonOkayClick()
{
    if (!SpeedButtonOkay->isEnabled())
        return;
    const int modus = Tag;
    const int64_t n = SpinEditAnzahl->value();
    close();
    if (Bestaetigt)
        Bestaetigt(modus, n);
}

bool TForm2::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt != SpinEditAnzahl)
        return false;
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            SpeedButtonOkayClick();
            return true;
        }
    }
    return false;
}

} // namespace mvt
