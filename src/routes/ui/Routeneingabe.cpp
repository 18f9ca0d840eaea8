#include "routes/ui/Routeneingabe.h"

#include "base/Meldung.h"
#include "routes/Routensuche.h"
#include "ui/Bilder.h"
#include "ui/Steuerelemente.h"
#include "ui/Zugang.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace mvt {

using namespace routen;

namespace {

const QString TextHinweis1 =
    QStringLiteral("Start- und Zielfeld eingeben (x vor y) und die Route berechnen lassen. Auf der Karte "
                   "setzt Shift + linke Maustaste den Start, Shift + rechte Maustaste das Ziel.");

QLineEdit *Koordinate(QWidget *eltern, const char *name, const QString &beschreibung, int x, int y)
{
    auto *e = new QLineEdit(QStringLiteral("100"), eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(3);
    e->setAccessibleName(beschreibung);
    e->setAlignment(Qt::AlignCenter);
    e->setGeometry(x, y, 40, 22);
    return e;
}

QToolButton *Routenknopf(QWidget *eltern, const QString &name, const QString &hinweis, const QIcon &glyphe,
                         int x)
{
    return Knopf(eltern, name, hinweis, glyphe, QRect(x, 40, 28, 28), QSize(20, 20));
}

} // namespace

TRouteneingabe::TRouteneingabe(const TWeltdaten &welten, QWidget *parent) : QWidget(parent), m_welten(welten)
{
    setObjectName(QStringLiteral("Routeneingabe"));
    setGeometry(0, 0, 784, 88);

    // The tab's font in bold: under the main window's style sheet a label's inherited font
    // does not keep the tab's pixel size.
    QFont fett = parentWidget()->font();
    fett.setBold(true);
    Beschriftung(this, QStringLiteral("LabelWelt"), QStringLiteral("Welt"), QRect(12, 6, 100, 18))
        ->setFont(fett);
    const char *radioNamen[3] = {"RadioButtonMap1", "RadioButtonMap2", "RadioButtonMap3"};
    const char *labelNamen[3] = {"LabelMap1", "LabelMap2", "LabelMap3"};
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral(" ") + QString::fromLatin1(Weltangaben(i + 1).Name);
        auto *r = new QRadioButton(this);
        r->setObjectName(QLatin1String(radioNamen[i]));
        r->setAccessibleName(name.trimmed());
        r->setGeometry(12, 26 + i * 20, 18, 18);
        auto *l = Beschriftung(this, QLatin1String(labelNamen[i]), name, QRect(30, 26 + i * 20, 80, 18));
        l->setBuddy(r);
        l->installEventFilter(this);
        RadioButtonMap[size_t(i)] = r;
        LabelMap[size_t(i)] = l;
        // The checked state, not the click: a screen reader's toggle action switches too.
        TabAufGewaehltem(r);
        connect(r, &QRadioButton::toggled, this, [this, i](bool an) {
            if (an)
                emit WeltGewaehlt(i + 1);
        });
    }
    RadioButtonMap[size_t(std::clamp(m_welten.AktuelleWelt, 1, 3) - 1)]->setChecked(true);

    auto *start = Beschriftung(this, QStringLiteral("LabelStart"), QStringLiteral("&Start (x : y)"),
                               QRect(124, 28, 80, 18));
    auto *ziel = Beschriftung(this, QStringLiteral("LabelZiel"), QStringLiteral("&Ziel (x : y)"),
                              QRect(124, 56, 80, 18));
    EditStartX = Koordinate(this, "EditStartX", QStringLiteral("Start x"), 204, 26);
    EditStartY = Koordinate(this, "EditStartY", QStringLiteral("Start y"), 250, 26);
    EditZielX = Koordinate(this, "EditZielX", QStringLiteral("Ziel x"), 204, 54);
    EditZielY = Koordinate(this, "EditZielY", QStringLiteral("Ziel y"), 250, 54);
    start->setBuddy(EditStartX);
    ziel->setBuddy(EditZielX);
    for (QLineEdit *e : {EditStartX, EditStartY, EditZielX, EditZielY})
        e->installEventFilter(this);
    Beschriftung(this, QStringLiteral("LabelTrennerStart"), QStringLiteral(":"), QRect(245, 28, 5, 18));
    Beschriftung(this, QStringLiteral("LabelTrennerZiel"), QStringLiteral(":"), QRect(245, 56, 5, 18));

    SpeedButtonSwap = Routenknopf(this, QStringLiteral("SpeedButtonSwap"),
                                  QStringLiteral("Start- und Zielkoordinaten austauschen"),
                                  Standardsymbol(*this, QStyle::SP_BrowserReload), 296);
    SpeedButtonRouteBerechnen =
        Routenknopf(this, QStringLiteral("SpeedButtonRouteBerechnen"), QStringLiteral("Route berechnen"),
                    Standardsymbol(*this, QStyle::SP_MediaPlay), 328);
    SpeedButtonKarteAnzeigen =
        Routenknopf(this, QStringLiteral("SpeedButtonKarteAnzeigen"), QStringLiteral("Karte anzeigen"),
                    QIcon(QStringLiteral(":/karte/KarteAnzeigen.png")), 360);
    connect(SpeedButtonSwap, &QToolButton::clicked, this, &TRouteneingabe::Tauschen);
    connect(SpeedButtonRouteBerechnen, &QToolButton::clicked, this, &TRouteneingabe::BerechnenVerlangt);
    connect(SpeedButtonKarteAnzeigen, &QToolButton::clicked, this, &TRouteneingabe::KarteVerlangt);

    LabelHinweis1 =
        Beschriftung(this, QStringLiteral("LabelHinweis1"), TextHinweis1, QRect(400, 22, 376, 48));
    LabelHinweis1->setWordWrap(true);
    LabelBitteWarten =
        Beschriftung(this, QStringLiteral("LabelBitteWarten"),
                     QStringLiteral("Route wird berechnet, bitte warten..."), QRect(400, 22, 376, 18));
    LabelBitteWarten->hide();
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setAccessibleName(QStringLiteral("Fortschritt der Routenberechnung"));
    ProgressBar2->setGeometry(400, 44, 376, 18);
    ProgressBar2->hide();
}

void TRouteneingabe::Tauschen()
{
    const QString x = EditStartX->text(), y = EditStartY->text();
    EditStartX->setText(EditZielX->text());
    EditStartY->setText(EditZielY->text());
    EditZielX->setText(x);
    EditZielY->setText(y);
}

void TRouteneingabe::StartSetzen(int x, int y)
{
    EditStartX->setText(QString::number(x));
    EditStartY->setText(QString::number(y));
}

void TRouteneingabe::ZielSetzen(int x, int y)
{
    EditZielX->setText(QString::number(x));
    EditZielY->setText(QString::number(y));
}

std::optional<std::array<int, 4>> TRouteneingabe::Koordinaten()
{
    const std::array<QLineEdit *, 4> edits = {EditStartX, EditStartY, EditZielX, EditZielY};
    for (QLineEdit *e : edits)
        e->setText(KoordinateVerlassen(e->text(), m_welten.Kartengroesse));
    std::array<int, 4> werte{};
    for (size_t i = 0; i < edits.size(); ++i) {
        bool ok = false;
        werte[i] = edits[i]->text().toInt(&ok);
        if (!ok) {
            MeldungZeigen(QStringLiteral("Fehler: '") + edits[i]->text() +
                          QStringLiteral("' ist kein gültiger Integerwert."));
            return std::nullopt;
        }
        // a pasted "-5" is a number, but no field of the map
        if (werte[i] < 1) {
            MeldungZeigen(QStringLiteral("Fehler: '%1' ist keine gültige Koordinate (1 bis %2).")
                              .arg(edits[i]->text())
                              .arg(m_welten.Kartengroesse));
            return std::nullopt;
        }
    }
    return werte;
}

void TRouteneingabe::SucheBeginnt()
{
    SpeedButtonRouteBerechnen->setEnabled(false);
    SpeedButtonSwap->setEnabled(false);
    WeltwahlFreigeben(false);
    m_fortschritt = 0;
    ProgressBar2->setRange(0, 1);
    ProgressBar2->setValue(0);
    ProgressBar2->show();
    LabelHinweis1->hide();
    LabelBitteWarten->show();
}

void TRouteneingabe::FortschrittZeigen(qint64 position, qint64 maximum)
{
    // the bar counts in int: squared distances of a 200 x 200 map stay far below
    ProgressBar2->setRange(0, int(std::max<qint64>(1, maximum)));
    if (position > m_fortschritt) {
        m_fortschritt = position;
        ProgressBar2->setValue(int(std::min(position, maximum)));
    }
}

void TRouteneingabe::SucheEndet()
{
    ProgressBar2->hide();
    LabelBitteWarten->hide();
    LabelHinweis1->show();
    WeltwahlFreigeben(true);
    SpeedButtonRouteBerechnen->setEnabled(true);
    SpeedButtonSwap->setEnabled(true);
}

void TRouteneingabe::WeltwahlFreigeben(bool frei)
{
    for (QRadioButton *r : RadioButtonMap)
        r->setEnabled(frei);
}

bool TRouteneingabe::IstKoordinate(QObject *objekt) const
{
    return objekt == EditStartX || objekt == EditStartY || objekt == EditZielX || objekt == EditZielY;
}

bool TRouteneingabe::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    for (size_t i = 0; i < LabelMap.size(); ++i)
        if (objekt == LabelMap[i] && typ == QEvent::MouseButtonRelease) {
            if (RadioButtonMap[i]->isEnabled())
                RadioButtonMap[i]->click();
            return true;
        }
    if (!IstKoordinate(objekt))
        return false;
    auto *e = static_cast<QLineEdit *>(objekt);
    if (typ == QEvent::FocusOut) {
        e->setText(KoordinateVerlassen(e->text(), m_welten.Kartengroesse));
        return false;
    }
    if (typ != QEvent::KeyPress)
        return false;
    auto *taste = static_cast<QKeyEvent *>(ereignis);
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        if (SpeedButtonRouteBerechnen->isEnabled())
            emit BerechnenVerlangt();
        return true;
    }
    // Only typed characters other than digits are swallowed; navigation and editing
    // keys (Tab, Delete, Backspace, arrows, Ctrl shortcuts) keep their meaning.
    const QString text = taste->text();
    if (text.isEmpty() || (taste->modifiers() & Qt::ControlModifier))
        return false;
    for (QChar c : text)
        if (!c.isPrint())
            return false;
    return !(text.size() == 1 && text[0] >= u'0' && text[0] <= u'9');
}

} // namespace mvt
