#include "online/ui/Versionsfenster.h"

#include "base/Zahlen.h"
#include "base/Optionen.h"
#include "ui/Bilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

namespace mvt {

using namespace online;

TForm4::TForm4(const TAnbindung &anbindung, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Programmaktualisierung"), Rahmen::Dialog, true),
      m_pruefungStarten(anbindung.PruefungStarten), m_online(anbindung.Sitzung),
      m_downloadseiteOeffnen(anbindung.DownloadseiteOeffnen)
{
    setObjectName(QStringLiteral("Form4"));
    setFixedSize(352, 170);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 14, 320, 36);
    Label1->setWordWrap(true);
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 54, 320, 20);
    Label2->hide();

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(16, 78, 320, 20);
    Label3->setCursor(Qt::PointingHandCursor);
    // Colour 170, underlined; a palette and the font rather than a style sheet, which would
    // bring a style sheet engine for one label of a window made at start.
    QPalette rot = Label3->palette();
    rot.setColor(QPalette::WindowText, QColor(0xaa, 0x00, 0x00));
    Label3->setPalette(rot);
    QFont unterstrichen = Label3->font();
    unterstrichen.setUnderline(true);
    Label3->setFont(unterstrichen);
    Label3->setFocusPolicy(Qt::StrongFocus);
    Label3->installEventFilter(this);
    Label3->setText(anbindung.Downloadadresse);
    Label3->setToolTip(anbindung.Downloadadresse);
    Label3->hide();

    CheckBoxAutoUpdate = new QCheckBox(this);
    CheckBoxAutoUpdate->setObjectName(QStringLiteral("CheckBoxAutoUpdate"));
    CheckBoxAutoUpdate->setGeometry(16, 138, 20, 20);
    CheckBoxAutoUpdate->setChecked(true);
    Label4 = new QLabel(QStringLiteral("Regelmäßige Checks beim Programmstart"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(38, 138, 260, 20);
    Label4->setBuddy(CheckBoxAutoUpdate);
    Label4->installEventFilter(this);
    CheckBoxAutoUpdate->setAccessibleName(Label4->text());
    connect(CheckBoxAutoUpdate, &QCheckBox::toggled, this, &TForm4::CheckBoxAutoUpdateClick);

    SpeedButtonAbbrechen = new QToolButton(this);
    SpeedButtonAbbrechen->setObjectName(QStringLiteral("SpeedButtonAbbrechen"));
    SpeedButtonAbbrechen->setToolTip(QStringLiteral("Fenster schließen"));
    SpeedButtonAbbrechen->setAccessibleName(SpeedButtonAbbrechen->toolTip());
    SpeedButtonAbbrechen->setIcon(GlyphAbbrechen());
    SpeedButtonAbbrechen->setAutoRaise(true);
    SpeedButtonAbbrechen->setGeometry(318, 136, 30, 30);
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);

    Label3->setAccessibleName(QStringLiteral("Download-Seite öffnen"));
    setTabOrder(Label3, CheckBoxAutoUpdate);
    setTabOrder(CheckBoxAutoUpdate, SpeedButtonAbbrechen);
}

double TForm4::JetztTage() const
{
    return Jetzt ? Jetzt() : JetztAlsTageszahl();
}

void TForm4::FormShow()
{
    if (m_pruefungStarten && !m_ergebnisZeigen)
        m_pruefungStarten();
}

void TForm4::CheckBoxSetzen()
{
    // A change of state runs the box's own rule, as a click would.
    CheckBoxAutoUpdate->setChecked(m_online.NaechstePruefung() != VersionspruefungAus);
}

void TForm4::SucheAnzeigen()
{
    Label1->setText(TextSuche);
    Label2->hide();
    Label3->hide();
}

void TForm4::ErgebnisZeigen(const TVersionsauskunft &a)
{
    Label1->setText(Statustext(a.Ergebnis));
    if (a.Ergebnis != TPruefergebnis::NeueVersion) {
        Tag = 0;
        return;
    }
    Label2->setText(Versionszeile(a.Datei));
    Label2->show();
    Label3->show();
    if (JetztTage() > m_online.NaechstePruefung()) {
        if (!isVisible()) {
            // Showing the result must not start a second check.
            m_ergebnisZeigen = true;
            AufHauptfensterZentrieren();
            show();
            raise();
            m_ergebnisZeigen = false;
        }
        if (QWidget *h = Hauptfenster())
            h->setEnabled(false);
    } else {
        Tag = 0; // an automatic start stays hidden, a manual one stays shown
    }
}

void TForm4::CheckBoxAutoUpdateClick()
{
    m_online.NaechstePruefungSetzen(NachVersionsfensterSchalter(CheckBoxAutoUpdate->isChecked(),
                                                                m_online.NaechstePruefung(), JetztTage()));
}

void TForm4::Label3Click()
{
    if (m_downloadseiteOeffnen)
        m_downloadseiteOeffnen();
}

void TForm4::FormClose()
{
    if (Tag == 1) {
        Tag = 0;
        m_online.NaechstePruefungSetzen(NachAutomatischerAnzeige(m_online.NaechstePruefung(), JetztTage()));
    }
    TNebenfenster::FormClose();
}

bool TForm4::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const bool klick = ereignis->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent *>(ereignis)->button() == Qt::LeftButton;
    const bool taste = ereignis->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_Space);
    if (objekt == Label3 && (klick || taste)) {
        Label3Click();
        return true;
    }
    if (objekt == Label4 && klick) {
        CheckBoxAutoUpdate->toggle();
        return true;
    }
    return TNebenfenster::eventFilter(objekt, ereignis);
}

} // namespace mvt
