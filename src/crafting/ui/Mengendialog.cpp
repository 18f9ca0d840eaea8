#include "crafting/ui/Mengendialog.h"

#include "ui/Bilder.h"

#include <QCursor>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace mvt {

TForm2::TForm2(QWidget *hauptfenster) : TNebenfenster(hauptfenster, QString(), Rahmen::Dialog, false)
{
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(340, 112);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 8, 316, 42);
    Label1->setWordWrap(true);

    SpinEditAnzahl = new QSpinBox(this);
    SpinEditAnzahl->setObjectName(QStringLiteral("SpinEditAnzahl"));
    SpinEditAnzahl->setRange(0, 9999);
    SpinEditAnzahl->setGeometry(12, 64, 90, 26);

    SpeedButtonOkay = new QToolButton(this);
    SpeedButtonOkay->setObjectName(QStringLiteral("SpeedButtonOkay"));
    SpeedButtonOkay->setToolTip(QStringLiteral("Okay"));
    SpeedButtonOkay->setIcon(GlyphOkay());
    SpeedButtonOkay->setAutoRaise(true);
    SpeedButtonOkay->setGeometry(262, 62, 30, 30);

    SpeedButtonAbbrechen = new QToolButton(this);
    SpeedButtonAbbrechen->setObjectName(QStringLiteral("SpeedButtonAbbrechen"));
    SpeedButtonAbbrechen->setToolTip(QStringLiteral("Abbrechen"));
    SpeedButtonAbbrechen->setIcon(GlyphAbbrechen());
    SpeedButtonAbbrechen->setAutoRaise(true);
    SpeedButtonAbbrechen->setGeometry(298, 62, 30, 30);
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);
}

void TForm2::AnMauszeigerPlatzieren()
{
    const QPoint maus = QCursor::pos();
    move(maus.x() - frameGeometry().width() / 2, maus.y() - 117);
}

} // namespace mvt
