#include "app/Meldungsfenster.h"

#include "base/Meldung.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace mvt {

namespace {

QWidget *AktivesFenster()
{
    return QApplication::activeWindow();
}

void Meldung(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    AktivesFenster());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool Frage(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, AktivesFenster());
    QPushButton *ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

} // namespace

void MeldungsfensterInstallieren()
{
    MeldungsFunktionSetzen(Meldung);
    FrageFunktionSetzen(Frage);
}

} // namespace mvt
