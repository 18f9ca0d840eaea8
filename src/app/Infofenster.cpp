#include "app/Infofenster.h"

#include "ui/Bilder.h"
#include "app/Webseite.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>

namespace mvt {

const QString TForm5::ProgrammText =
    QStringLiteral("Hadrik's Morvaren Tool\n"
                   "Version 1.13a vom 20.02.2018 - 15:30 Uhr\n"
                   "\n"
                   "Die Nutzung dieses Tools ist kostenlos und geschieht auf eigene Gefahr; alle Angaben "
                   "sind ohne Gewähr. Morvaren und alle Inhalte des Spiels gehören ihren Betreibern. Das "
                   "Tool darf unverändert weitergegeben, aber nicht verkauft werden.\n"
                   "\n"
                   "Hadrik");

const QString TForm5::AutorText =
    QStringLiteral("Hallo! Ich bin Hadrik und seit vielen Jahren in Morvaren unterwegs, meistens mit "
                   "Hammer und Amboss statt mit dem Schwert.\n"
                   "\n"
                   "Dieses Tool ist entstanden, weil mir das Rechnen mit Bausätzen, Reiserouten und "
                   "Kampfberichten auf Papier zu mühsam wurde. Wenn du Fragen, Fehler oder Ideen hast, "
                   "schreib mir einfach eine Nachricht im Spiel oder schau auf der Projektseite vorbei.");

TForm5::TForm5(QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Hadrik's Morvaren Tool"), Rahmen::Dialog, true)
{
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(442, 266);

    ImageLogo = new QLabel(this);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setGeometry(12, 12, 102, 67);
    ImageLogo->setPixmap(QPixmap::fromImage(Logobild()));

    ImageHadrik = new QLabel(this);
    ImageHadrik->setObjectName(QStringLiteral("ImageHadrik"));
    ImageHadrik->setGeometry(12, 12, 102, 102);
    ImageHadrik->setPixmap(QPixmap::fromImage(Autorbild()));
    ImageHadrik->hide();

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(126, 12, 305, 209);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = new QLabel(QStringLiteral("Zur Projektseite"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(126, 232, 200, 20);
    QFont fett = Label2->font();
    fett.setBold(true);
    Label2->setFont(fett);
    // A palette, not a style sheet: the same colour without a style sheet engine for one
    // label of a window made at start.
    QPalette rot = Label2->palette();
    rot.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    Label2->setPalette(rot);
    Label2->setCursor(Qt::PointingHandCursor);
    // Reached by Tab and opened with Enter or Space, as a link is.
    Label2->setFocusPolicy(Qt::StrongFocus);
    Label2->setAccessibleName(Label2->text());
    Label2->installEventFilter(this);

    SpeedButtonAbbrechen = new QToolButton(this);
    SpeedButtonAbbrechen->setObjectName(QStringLiteral("SpeedButtonAbbrechen"));
    SpeedButtonAbbrechen->setToolTip(QStringLiteral("Fenster schließen"));
    SpeedButtonAbbrechen->setAccessibleName(SpeedButtonAbbrechen->toolTip());
    SpeedButtonAbbrechen->setIcon(GlyphAbbrechen());
    SpeedButtonAbbrechen->setAutoRaise(true);
    SpeedButtonAbbrechen->setGeometry(404, 228, 30, 30);
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);
}

void TForm5::FormShow()
{
    if (Tag == 1) {
        setWindowTitle(QStringLiteral("Hadrik's Morvaren Tool"));
        ImageLogo->show();
        ImageHadrik->hide();
        Label1->setText(ProgrammText);
    } else if (Tag == 2) {
        setWindowTitle(QStringLiteral("Meine Wenigkeit"));
        ImageLogo->hide();
        ImageHadrik->show();
        Label1->setText(AutorText);
    }
}

bool TForm5::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == Label2 && ereignis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(ereignis)->button() == Qt::LeftButton) {
        WebseiteOeffnen(QStringLiteral("/index.html"));
        return true;
    }
    if (objekt == Label2 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space) {
            WebseiteOeffnen(QStringLiteral("/index.html"));
            return true;
        }
    }
    return TNebenfenster::eventFilter(objekt, ereignis);
}

} // namespace mvt
