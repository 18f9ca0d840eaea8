#include "crafting/ui/Exportfenster.h"

#include "ui/Steuerelemente.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

namespace mvt {

namespace {

// Height of the area below the memo that holds the check boxes and the button.
constexpr int Bedienleiste = 96;
constexpr int Spaltenbreite = 108;

} // namespace

TForm9::TForm9(const TKatalog &katalog, const TBauliste &bauliste, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Bauliste"), Rahmen::Groessenveraenderbar, true),
      m_katalog(&katalog), m_bauliste(&bauliste)
{
    setObjectName(QStringLiteral("Form9"));
    // The size limits 498 x 400 to 2048 x 1536 are those of the whole window; the
    // client area starts at 490 x 614, so the frame takes 8 x 34 pixels.
    setMinimumSize(490, 366);
    setMaximumSize(2040, 1502);
    resize(490, 614);
    QFont schrift = font();
    schrift.setPointSize(9);
    setFont(schrift);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Bauliste als Text"));
    Memo1->setReadOnly(true);
    // Read-only, yet the text can be selected and copied from the keyboard.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const TExportStil start = StandardExportStil();
    for (int e = 1; e <= 4; ++e) {
        const QString nr = QString::number(e);
        // placed when the window is resized
        QLabel *l = Beschriftung(this, QStringLiteral("LabelEbene") + nr, QStringLiteral("Ebene ") + nr,
                                 QRect(), true);
        LabelEbene[static_cast<size_t>(e)] = l;
        auto kasten = [&](const char *name, const char *text, bool an) {
            auto *c = new QCheckBox(QString::fromLatin1(text), this);
            c->setObjectName(QString::fromLatin1(name) + nr);
            c->setAccessibleName(QString::fromLatin1(text) + QStringLiteral(" (Ebene ") + nr + u')');
            c->setChecked(an);
            return c;
        };
        const auto &s = start[static_cast<size_t>(e)];
        CheckBoxFett[static_cast<size_t>(e)] = kasten("CheckBoxFett", "Fett", s[0]);
        CheckBoxUnterstrichen[static_cast<size_t>(e)] =
            kasten("CheckBoxUnterstrichen", "Unterstrichen", s[1]);
        CheckBoxKursiv[static_cast<size_t>(e)] = kasten("CheckBoxKursiv", "Kursiv", s[2]);
        l->setBuddy(CheckBoxFett[static_cast<size_t>(e)]);
    }

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("OK"));
    SpeedButton1->setAccessibleName(QStringLiteral("OK"));
    SpeedButton1->setToolTip(QStringLiteral("Text mit den gewählten Formatierungen neu aufbauen"));
    SpeedButton1->resize(40, 28);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm9::SpeedButton1Click);

    QWidget *vorher = Memo1;
    for (int e = 1; e <= 4; ++e)
        for (QWidget *w : {static_cast<QWidget *>(CheckBoxFett[static_cast<size_t>(e)]),
                           static_cast<QWidget *>(CheckBoxUnterstrichen[static_cast<size_t>(e)]),
                           static_cast<QWidget *>(CheckBoxKursiv[static_cast<size_t>(e)])}) {
            setTabOrder(vorher, w);
            vorher = w;
        }
    setTabOrder(vorher, SpeedButton1);
}

TExportStil TForm9::Stil() const
{
    TExportStil s{};
    for (size_t e = 1; e <= 4; ++e)
        s[e] = {CheckBoxFett[e]->isChecked(), CheckBoxUnterstrichen[e]->isChecked(),
                CheckBoxKursiv[e]->isChecked()};
    return s;
}

void TForm9::TextAufbauen()
{
    Memo1->clear();
    if (m_katalog && m_bauliste)
        Memo1->setPlainText(ForumText(*m_katalog, *m_bauliste, Stil()));
    QTextCursor anfang = Memo1->textCursor();
    anfang.movePosition(QTextCursor::Start);
    Memo1->setTextCursor(anfang);
    Memo1->ensureCursorVisible();
    Memo1->horizontalScrollBar()->setValue(0);
}

void TForm9::SpeedButton1Click()
{
    TextAufbauen();
}

void TForm9::FormShow()
{
    TextAufbauen();
    Memo1->setFocus();
}

void TForm9::resizeEvent(QResizeEvent *ereignis)
{
    TNebenfenster::resizeEvent(ereignis);
    // The memo follows the window; the check boxes stay below it.
    const int w = width();
    const int h = height();
    Memo1->setGeometry(8, 8, w - 16, h - 16 - Bedienleiste);
    const int oben = h - Bedienleiste;
    for (int e = 1; e <= 4; ++e) {
        const int x = 6 + (e - 1) * Spaltenbreite;
        const size_t i = static_cast<size_t>(e);
        LabelEbene[i]->setGeometry(x, oben, Spaltenbreite, 18);
        CheckBoxFett[i]->setGeometry(x, oben + 20, Spaltenbreite, 22);
        CheckBoxUnterstrichen[i]->setGeometry(x, oben + 42, Spaltenbreite, 22);
        CheckBoxKursiv[i]->setGeometry(x, oben + 64, Spaltenbreite, 22);
    }
    SpeedButton1->move(w - 6 - SpeedButton1->width(), h - 8 - SpeedButton1->height());
}

} // namespace mvt
