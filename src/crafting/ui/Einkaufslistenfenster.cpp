#include "crafting/ui/Einkaufslistenfenster.h"

#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/Detailauswertung.h"
#include "ui/Steuerelemente.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace mvt {

namespace {

QTableWidget *Tabelle(QWidget *eltern, const QString &name, const QStringList &kopf, QRect ort)
{
    auto *t = new QTableWidget(0, static_cast<int>(kopf.size()), eltern);
    t->setObjectName(name);
    t->setGeometry(ort);
    t->setHorizontalHeaderLabels(kopf);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(18);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int s = 1; s < kopf.size(); ++s) {
        t->horizontalHeader()->setSectionResizeMode(s, QHeaderView::Fixed);
        t->setColumnWidth(s, 86);
    }
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setTabKeyNavigation(false);
    return t;
}

void ZeileAnhaengen(QTableWidget *t, const QStringList &zellen, bool fett)
{
    const int zeile = t->rowCount();
    t->insertRow(zeile);
    for (int s = 0; s < zellen.size(); ++s) {
        auto *item = new QTableWidgetItem(zellen[s]);
        if (s > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (fett) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        t->setItem(zeile, s, item);
    }
}

QStringList Werte(const TEinkaufszeile &z, const QString &einruecken)
{
    return {einruecken + z.Name, MengeFormatieren(z.Anzahl), GoldFormatieren(z.Preis), BetragText(z.Kosten)};
}

} // namespace

TEinkaufslistenfenster::TEinkaufslistenfenster(const TKatalog &katalog, const TCraftingZustand &crafting,
                                               QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Einkaufsliste"), Rahmen::Dialog, false),
      m_katalog(&katalog), m_crafting(&crafting)
{
    setObjectName(QStringLiteral("FormEinkaufsliste"));
    setFixedSize(Breite, Hoehe);
    const QStringList kopf{QStringLiteral("Name"), QStringLiteral("Anzahl"), QStringLiteral("Preis"),
                           QStringLiteral("Kosten")};
    StringGridEinkauf = Tabelle(this, QStringLiteral("StringGridEinkauf"), kopf, {8, 30, 504, 226});
    LabelTitel = FeldBeschriftung(this, QStringLiteral("Einkaufsliste:"), StringGridEinkauf, {8, 6, 504, 22});
    LabelTitel->setObjectName(QStringLiteral("LabelTitel"));
    QFont fett = LabelTitel->font();
    fett.setBold(true);
    LabelTitel->setFont(fett);
    StringGridLager = Tabelle(
        this, QStringLiteral("StringGridLager"),
        {QStringLiteral("Name"), QStringLiteral("Anzahl"), QStringLiteral("Preis"), QStringLiteral("Wert")},
        {8, 286, 504, 154});
    LabelLager = FeldBeschriftung(this, QStringLiteral("Aus dem Lager:"), StringGridLager, {8, 262, 504, 22});
    LabelLager->setObjectName(QStringLiteral("LabelLager"));
    LabelLager->setFont(fett);
    ButtonTabelle = Schaltflaeche(this, QStringLiteral("ButtonTabelle"),
                                  QStringLiteral("Als &Tabelle kopieren"), {8, 450, 170, 26});
    ButtonForum = Schaltflaeche(this, QStringLiteral("ButtonForum"),
                                QStringLiteral("Als &Forumtext kopieren"), {184, 450, 186, 26});
    ButtonSchliessen = Schaltflaeche(this, QStringLiteral("ButtonSchliessen"), QStringLiteral("Schließen"),
                                     {418, 450, 94, 26});
    connect(ButtonTabelle, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(EinkaufslisteTabelle(m_liste)); });
    connect(ButtonForum, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(EinkaufslisteForumtext(m_liste)); });
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(StringGridEinkauf, StringGridLager);
    setTabOrder(StringGridLager, ButtonTabelle);
    setTabOrder(ButtonTabelle, ButtonForum);
    setTabOrder(ButtonForum, ButtonSchliessen);
}

void TEinkaufslistenfenster::Anzeigen()
{
    if (!m_katalog || !m_crafting)
        return;
    m_liste = EinkaufslisteBerechnen(*m_katalog, *m_crafting, Tag);
    const QString titel = QStringLiteral("Einkaufsliste: ") + ProduktionsmodusName(m_liste.Modus);
    LabelTitel->setText(titel);
    StringGridEinkauf->setAccessibleName(titel);
    StringGridEinkauf->setRowCount(0);
    const QString einruecken = QStringLiteral("    ");
    for (const TEinkaufsgruppe &g : m_liste.Gruppen) {
        ZeileAnhaengen(StringGridEinkauf, {g.Name, QString(), QString(), BetragText(g.Kosten)}, true);
        for (const TEinkaufszeile &z : g.Zeilen)
            ZeileAnhaengen(StringGridEinkauf, Werte(z, einruecken), false);
    }
    ZeileAnhaengen(StringGridEinkauf,
                   {QStringLiteral("Gesamt"), QString(), QString(), BetragText(m_liste.Gesamtkosten)}, true);

    StringGridLager->setRowCount(0);
    for (const TEinkaufszeile &z : m_liste.AusDemLager)
        ZeileAnhaengen(StringGridLager, Werte(z, QString()), false);
    ZeileAnhaengen(StringGridLager,
                   {QStringLiteral("Gesamt"), QString(), QString(), BetragText(m_liste.Lagerwert)}, true);
    StringGridLager->setAccessibleName(QStringLiteral("Aus dem Lager"));
    QAccessibleEvent ereignis(LabelTitel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

void TEinkaufslistenfenster::FormShow()
{
    if (Aufrufer)
        Aufrufer->setEnabled(false);
    Anzeigen();
    StringGridEinkauf->setFocus();
}

void TEinkaufslistenfenster::FormClose()
{
    // Opened from the detailed analysis, that window gets the keyboard back; the main
    // window stays disabled until it closes.
    if (QWidget *aufrufer = Aufrufer) {
        Aufrufer = nullptr;
        aufrufer->setEnabled(true);
        aufrufer->activateWindow();
        return;
    }
    TNebenfenster::FormClose();
}

} // namespace mvt
