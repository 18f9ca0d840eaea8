#include "settings/ui/Preisdialog.h"

#include "base/Zahlen.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/Kostenseiten.h"
#include "ui/Preiszeile.h"
#include "ui/Bilder.h"
#include "ui/Steuerelemente.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace mvt {

namespace {

constexpr int Rand = 4;
constexpr int Kopfhoehe = 32; // the master row above the cells

// Okay and Abbrechen; placed when the window's size is known.
QToolButton *Glyphknopf(QWidget *eltern, const QString &name, const QString &hinweis, const QIcon &glyphe)
{
    return Knopf(eltern, name, hinweis, glyphe, QRect(0, 0, 30, 30), QSize(24, 24));
}

} // namespace

TForm3::TForm3(TCraftingSitzung &crafting, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QString(), Rahmen::Groessenveraenderbar, true), m_crafting(crafting)
{
    setObjectName(QStringLiteral("Form3"));
    setMinimumSize(150, 200);
    setMaximumSize(1024, 800);
    resize(470, 360);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab reaches the fields inside, and the box scrolls to the one with the focus.
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setAccessibleName(QStringLiteral("Preise"));
    Zellen = new THintergrund;
    Zellen->setObjectName(QStringLiteral("Zellen"));
    ScrollBox1->setWidget(Zellen);

    Label1 = Beschriftung(Zellen, QStringLiteral("Label1"), QStringLiteral("Alle:               %"),
                          {Rand, Rand + 4, 120, 20});
    SpinEditVerkaufspreisProzentMaster = new QSpinBox(Zellen);
    SpinEditVerkaufspreisProzentMaster->setObjectName(QStringLiteral("SpinEditVerkaufspreisProzentMaster"));
    SpinEditVerkaufspreisProzentMaster->setRange(0, 999);
    NurZiffern(SpinEditVerkaufspreisProzentMaster);
    SpinEditVerkaufspreisProzentMaster->setGeometry(Rand + 30, Rand + 3, 54, 22);
    SpinEditVerkaufspreisProzentMaster->setAccessibleName(QStringLiteral("Alle in Prozent"));
    Label1->setBuddy(SpinEditVerkaufspreisProzentMaster);
    connect(SpinEditVerkaufspreisProzentMaster, &QSpinBox::valueChanged, this, &TForm3::MasterProzentChange);

    ComboboxGebaeudeMaster = new QComboBox(Zellen);
    ComboboxGebaeudeMaster->setObjectName(QStringLiteral("ComboboxGebaeudeMaster"));
    for (const char *s : {"Alle Stufe I", "Alle Stufe II", "Alle Stufe III", "Alle Stufe IV", "Alle Stufe V"})
        ComboboxGebaeudeMaster->addItem(QLatin1String(s));
    ComboboxGebaeudeMaster->setGeometry(Rand, Rand + 3, 110, 22);
    ComboboxGebaeudeMaster->setAccessibleName(QStringLiteral("Alle Stufen"));
    connect(ComboboxGebaeudeMaster, &QComboBox::currentIndexChanged, this, &TForm3::MasterStufeChange);
    SpinEditGebaeude = new QSpinBox(Zellen);
    SpinEditGebaeude->setObjectName(QStringLiteral("SpinEditGebaeude"));
    SpinEditGebaeude->setRange(0, 500);
    NurZiffern(SpinEditGebaeude);
    SpinEditGebaeude->setGeometry(Rand + 116, Rand + 3, 54, 22);
    SpinEditGebaeude->setAccessibleName(QStringLiteral("Alle Schichtkosten in Gold"));
    connect(SpinEditGebaeude, &QSpinBox::valueChanged, this, &TForm3::MasterSchichtChange);
    LabelGebaeudeGold = Beschriftung(Zellen, QStringLiteral("LabelGebaeudeGold"), QStringLiteral("Gold"),
                                     {Rand + 174, Rand + 4, 40, 20});

    SpeedButtonOkay =
        Glyphknopf(Zellen, QStringLiteral("SpeedButtonOkay"), QStringLiteral("Okay"), GlyphOkay());
    connect(SpeedButtonOkay, &QToolButton::clicked, this, &TForm3::SpeedButtonOkayClick);
    SpeedButtonAbbrechen = Glyphknopf(Zellen, QStringLiteral("SpeedButtonAbbrechen"),
                                      QStringLiteral("Abbrechen"), GlyphAbbrechen());
    connect(SpeedButtonAbbrechen, &QToolButton::clicked, this, &QWidget::close);
}

void TForm3::FormShow()
{
    ZeilenEntfernen();
    switch (Art()) {
    case 1:
        setWindowTitle(QStringLiteral("Verkaufspreise der Waren"));
        break;
    case 2:
        setWindowTitle(QStringLiteral("Einkaufspreise der Zutaten"));
        break;
    default:
        setWindowTitle(QStringLiteral("Gebäudestufen und Schichtkosten"));
        break;
    }
    const bool gebaeude = Art() == 3;
    Label1->setVisible(!gebaeude);
    SpinEditVerkaufspreisProzentMaster->setVisible(!gebaeude);
    ComboboxGebaeudeMaster->setVisible(gebaeude);
    SpinEditGebaeude->setVisible(gebaeude);
    LabelGebaeudeGold->setVisible(gebaeude);
    ZeilenAnlegen();
    Anordnen();
    if (!m_zeilen.empty())
        (gebaeude ? static_cast<QWidget *>(m_zeilen.front().Stufe) : m_zeilen.front().Gold)->setFocus();
}

void TForm3::ZeilenAnlegen()
{
    const TCraftingZustand &crafting = m_crafting.Zustand();
    m_fuellen = true;
    const bool gebaeude = Art() == 3;
    if (gebaeude) {
        ComboboxGebaeudeMaster->setCurrentIndex(m_master.Stufe);
        SpinEditGebaeude->setValue(m_master.Schichtkosten);
        for (int art : PreisdialogGebaeude(crafting, Tag)) {
            TZeile z;
            z.Art = art;
            z.Zelle = new QWidget(Zellen);
            z.Zelle->resize(GebaeudezelleBreite, GebaeudezelleHoehe);
            z.Stufe = new QComboBox(z.Zelle);
            z.Stufe->setObjectName(QStringLiteral("ComboBoxGebaeude%1").arg(art));
            for (const QString &s : Stufennamen(art))
                z.Stufe->addItem(s);
            z.Stufe->setGeometry(0, 4, 124, 22);
            const TVorhandeneHandwerksgebaeude &h = crafting.Handwerksgebaeude[static_cast<size_t>(art)];
            z.Stufe->setCurrentIndex(std::clamp(h.Stufe, 1, 5) - 1);
            z.Stufe->setAccessibleName(QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(art)]) +
                                       QStringLiteral(", Stufe"));
            z.Schichtkosten = new QSpinBox(z.Zelle);
            z.Schichtkosten->setObjectName(QStringLiteral("SpinEditSchichtkosten%1").arg(art));
            z.Schichtkosten->setRange(0, 500);
            NurZiffern(z.Schichtkosten);
            z.Schichtkosten->setValue(h.Schichtkosten);
            z.Schichtkosten->setGeometry(0, 30, 60, 22);
            z.Schichtkosten->setAccessibleName(
                QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(art)]) +
                QStringLiteral(", Schichtkosten in Gold"));
            Beschriftung(z.Zelle, {}, QStringLiteral("Gold"), {64, 30, 40, 22});
            z.Zelle->show();
            m_zeilen.push_back(z);
        }
    } else {
        SpinEditVerkaufspreisProzentMaster->setValue(Art() == 1 ? m_master.Verkauf : m_master.Einkauf);
        int nummer = 0;
        for (const TPreiszeilenDaten &d : PreisdialogZeilen(m_crafting.Katalog(), crafting, Tag)) {
            ++nummer;
            TZeile z;
            z.Zelle = new QWidget(Zellen);
            // the gold field shows the largest price whole; the cell grows with it
            const int gold = std::max(62, Goldfeldbreite(this));
            z.Zelle->resize(Preiszellenbreite(), PreiszelleHoehe);
            z.Name = Beschriftung(z.Zelle, QStringLiteral("LabelName%1").arg(nummer), d.Name,
                                  {0, 2, Preiszellenbreite() - 4, 18});
            z.Name->setToolTip(d.Name);
            z.Gold = new QLineEdit(z.Zelle);
            z.Gold->setObjectName(QStringLiteral("EditGold%1").arg(nummer));
            z.Gold->setGeometry(0, 22, gold, 22);
            z.Gold->setAccessibleName(d.Name + QStringLiteral(", Preis in Gold"));
            z.Name->setBuddy(z.Gold);
            Beschriftung(z.Zelle, {}, QStringLiteral("G"), {gold + 2, 22, 10, 22});
            z.Prozent = new QSpinBox(z.Zelle);
            z.Prozent->setObjectName(QStringLiteral("SpinEditProzent%1").arg(nummer));
            z.Prozent->setRange(0, 999);
            z.Prozent->setGeometry(gold + 14, 22, 54, 22);
            z.Prozent->setAccessibleName(d.Name + QStringLiteral(", Preis in Prozent"));
            Beschriftung(z.Zelle, {}, QStringLiteral("%"), {gold + 70, 22, 14, 22});
            z.Kopplung = new TPreiszeile(z.Gold, z.Prozent, z.Zelle);
            z.Kopplung->ReferenzSetzen(d.Referenz);
            z.Kopplung->Anzeigen(d.Gold);
            z.Zelle->show();
            m_zeilen.push_back(z);
        }
    }
    m_fuellen = false;
}

void TForm3::ZeilenEntfernen()
{
    // Out of the cells first, so that no field handles a focus change while it goes.
    if (QWidget *f = focusWidget(); f && Zellen->isAncestorOf(f))
        f->clearFocus();
    for (TZeile &z : m_zeilen)
        delete z.Zelle;
    m_zeilen.clear();
}

int TForm3::Preiszellenbreite() const
{
    return std::max(PreiszelleBreite, std::max(62, Goldfeldbreite(this)) + 88);
}

void TForm3::Anordnen()
{
    const bool gebaeude = Art() == 3;
    const int breite = gebaeude ? GebaeudezelleBreite : Preiszellenbreite();
    const int hoehe = gebaeude ? GebaeudezelleHoehe : PreiszelleHoehe;
    const int verfuegbar =
        ScrollBox1->width() - ScrollBox1->verticalScrollBar()->sizeHint().width() - 2 * Rand;
    const int spalten = std::max(1, verfuegbar / breite);
    const int zeilen = (static_cast<int>(m_zeilen.size()) + spalten - 1) / spalten;
    const int scroll = ScrollBox1->verticalScrollBar()->value();

    for (size_t i = 0; i < m_zeilen.size(); ++i)
        m_zeilen[i].Zelle->move(Rand + breite * static_cast<int>(i % spalten),
                                Rand + Kopfhoehe + hoehe * static_cast<int>(i / spalten));
    const int knopfY = Rand + Kopfhoehe + hoehe * zeilen + 6;
    SpeedButtonOkay->move(Rand, knopfY);
    SpeedButtonAbbrechen->move(Rand + 36, knopfY);
    Zellen->resize(std::max(ScrollBox1->viewport()->width(), Rand * 2 + breite * spalten),
                   std::max(ScrollBox1->viewport()->height(), knopfY + 30 + Rand));
    ScrollBox1->verticalScrollBar()->setValue(scroll);
}

void TForm3::resizeEvent(QResizeEvent *ereignis)
{
    TNebenfenster::resizeEvent(ereignis);
    ScrollBox1->setGeometry(rect());
    Anordnen();
}

void TForm3::MasterProzentChange()
{
    if (m_fuellen || SpinEditVerkaufspreisProzentMaster->cleanText().isEmpty())
        return;
    for (TZeile &z : m_zeilen)
        if (z.Kopplung)
            z.Kopplung->ProzentSetzen(SpinEditVerkaufspreisProzentMaster->value());
}

void TForm3::MasterStufeChange(int index)
{
    if (m_fuellen || index < 0)
        return;
    for (TZeile &z : m_zeilen)
        if (z.Stufe)
            z.Stufe->setCurrentIndex(index);
}

void TForm3::MasterSchichtChange()
{
    if (m_fuellen || SpinEditGebaeude->cleanText().isEmpty())
        return;
    for (TZeile &z : m_zeilen)
        if (z.Schichtkosten)
            z.Schichtkosten->setValue(SpinEditGebaeude->value());
}

void TForm3::SpeedButtonOkayClick()
{
    TPreise preise = m_crafting.Zustand();
    switch (Art()) {
    case 1:
    case 2:
        for (const TZeile &z : m_zeilen) {
            if (Art() == 1)
                VerkaufspreisSetzen(m_crafting.Katalog(), preise, z.Name->text(), z.Gold->text());
            else
                EinkaufspreisSetzen(m_crafting.Katalog(), preise, z.Name->text(), z.Gold->text());
        }
        (Art() == 1 ? m_master.Verkauf : m_master.Einkauf) = SpinEditVerkaufspreisProzentMaster->value();
        break;
    default:
        for (const TZeile &z : m_zeilen) {
            TVorhandeneHandwerksgebaeude &h = preise.Handwerksgebaeude[static_cast<size_t>(z.Art)];
            h.Stufe = z.Stufe->currentIndex() + 1;
            h.Schichtkosten = GanzzahlLesen(z.Schichtkosten->cleanText()).value_or(0);
        }
        m_master.Stufe = ComboboxGebaeudeMaster->currentIndex();
        m_master.Schichtkosten = SpinEditGebaeude->value();
        break;
    }
    close();
    m_crafting.PreiseSetzen(preise);
}

void TForm3::FormClose()
{
    ZeilenEntfernen();
    m_fuellen = true;
    SpinEditVerkaufspreisProzentMaster->setValue(Art() == 2 ? m_master.Einkauf : m_master.Verkauf);
    ComboboxGebaeudeMaster->setCurrentIndex(m_master.Stufe);
    SpinEditGebaeude->setValue(m_master.Schichtkosten);
    m_fuellen = false;
    TNebenfenster::FormClose();
}

} // namespace mvt
