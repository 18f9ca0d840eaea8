#include "crafting/ui/Lagerfenster.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"
#include "crafting/CraftingSitzung.h"
#include "crafting/Katalogbaum.h"
#include "crafting/ui/Bausatzrechnerhilfen.h"
#include "ui/Steuerelemente.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

#include <cmath>

namespace mvt {

using bausatzrechner::Baum;
using bausatzrechner::Zahlenfeld;

namespace {

QTreeWidgetItem *Katalogknoten(const TKatalogKnoten &k)
{
    auto *item = new QTreeWidgetItem(QStringList{k.Text});
    for (const TKatalogKnoten &kind : k.Kinder)
        item->addChild(Katalogknoten(kind));
    return item;
}

} // namespace

TLagerfenster::TLagerfenster(TCraftingSitzung &crafting, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Lager"), Rahmen::Dialog, false), m_crafting(crafting),
      m_katalog(&crafting.Katalog()), m_lager(&crafting.Zustand().Lager)
{
    setObjectName(QStringLiteral("FormLager"));
    setFixedSize(Breite, Hoehe);

    TreeViewKatalog =
        Baum(this, QStringLiteral("TreeViewKatalog"), {8, 28, 280, 334}, QStringLiteral("Katalog"));
    FeldBeschriftung(this, QStringLiteral("&Katalog:"), TreeViewKatalog, {8, 6, 280, 20});
    SpinEditHinzufuegen = Zahlenfeld(this, QStringLiteral("SpinEditHinzufuegen"), 1, 2147483647, 1,
                                     {70, 370, 100, 26}, QStringLiteral("Stück"));
    FeldBeschriftung(this, QStringLiteral("&Stück:"), SpinEditHinzufuegen, {8, 370, 60, 26});
    ButtonHinzufuegen = Schaltflaeche(this, QStringLiteral("ButtonHinzufuegen"),
                                      QStringLiteral("&Hinzufügen"), {176, 370, 112, 26});

    StringGridLager = new QTableWidget(0, 2, this);
    StringGridLager->setObjectName(QStringLiteral("StringGridLager"));
    StringGridLager->setGeometry(300, 28, 292, 302);
    StringGridLager->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Anzahl")});
    StringGridLager->verticalHeader()->hide();
    StringGridLager->verticalHeader()->setDefaultSectionSize(18);
    StringGridLager->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StringGridLager->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    StringGridLager->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGridLager->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGridLager->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridLager->setTabKeyNavigation(false);
    FeldBeschriftung(this, QStringLiteral("&Lagerbestand:"), StringGridLager, {300, 6, 180, 20});
    LabelSumme = Beschriftung(this, QStringLiteral("LabelSumme"), QString(), {484, 6, 108, 20});
    LabelSumme->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    SpinEditAnzahl = Zahlenfeld(this, QStringLiteral("SpinEditAnzahl"), 1, 2147483647, 1, {362, 336, 100, 26},
                                QStringLiteral("Anzahl"));
    FeldBeschriftung(this, QStringLiteral("&Anzahl:"), SpinEditAnzahl, {300, 336, 60, 26});
    ButtonAnzahlAendern = Schaltflaeche(this, QStringLiteral("ButtonAnzahlAendern"),
                                        QStringLiteral("Ä&ndern"), {468, 336, 124, 26});
    ButtonEntfernen = Schaltflaeche(this, QStringLiteral("ButtonEntfernen"), QStringLiteral("&Entfernen"),
                                    {300, 370, 94, 26});
    ButtonEinfuegen = Schaltflaeche(this, QStringLiteral("ButtonEinfuegen"), QStringLiteral("Ein&fügen"),
                                    {399, 370, 94, 26});
    ButtonEinfuegen->setToolTip(
        QStringLiteral("Zeilen \"Name<Tab>Anzahl\" aus der Zwischenablage übernehmen, "
                       "etwa zwei Spalten einer Tabelle"));
    ButtonLeeren =
        Schaltflaeche(this, QStringLiteral("ButtonLeeren"), QStringLiteral("Lee&ren"), {498, 370, 94, 26});
    ButtonSchliessen = Schaltflaeche(this, QStringLiteral("ButtonSchliessen"), QStringLiteral("Schließen"),
                                     {498, 400, 94, 26});

    connect(ButtonHinzufuegen, &QPushButton::clicked, this, &TLagerfenster::Hinzufuegen);
    connect(TreeViewKatalog, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item && item->childCount() == 0)
            Hinzufuegen();
    });
    connect(TreeViewKatalog, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        ButtonHinzufuegen->setEnabled(item && item->childCount() == 0);
    });
    connect(ButtonAnzahlAendern, &QPushButton::clicked, this, &TLagerfenster::AnzahlAendern);
    connect(ButtonEntfernen, &QPushButton::clicked, this, &TLagerfenster::Entfernen);
    connect(ButtonEinfuegen, &QPushButton::clicked, this,
            [this] { TextEinfuegen(QGuiApplication::clipboard()->text()); });
    connect(ButtonLeeren, &QPushButton::clicked, this, &TLagerfenster::Leeren);
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(StringGridLager, &QTableWidget::currentCellChanged, this, [this](int zeile) {
        const TLagerEintrag e = Auswahl();
        if (e.Art != ArtKeine)
            SpinEditAnzahl->setValue(static_cast<int>(std::min(e.Anzahl, LagerHoechstanzahl)));
        ButtonAnzahlAendern->setEnabled(zeile >= 0);
        ButtonEntfernen->setEnabled(zeile >= 0);
    });
    ButtonHinzufuegen->setEnabled(false);

    setTabOrder(TreeViewKatalog, SpinEditHinzufuegen);
    setTabOrder(SpinEditHinzufuegen, ButtonHinzufuegen);
    setTabOrder(ButtonHinzufuegen, StringGridLager);
    setTabOrder(StringGridLager, SpinEditAnzahl);
    setTabOrder(SpinEditAnzahl, ButtonAnzahlAendern);
    setTabOrder(ButtonAnzahlAendern, ButtonEntfernen);
    setTabOrder(ButtonEntfernen, ButtonEinfuegen);
    setTabOrder(ButtonEinfuegen, ButtonLeeren);
    setTabOrder(ButtonLeeren, ButtonSchliessen);
    connect(&crafting, &TCraftingSitzung::lagerGeaendert, this, &TLagerfenster::Anzeigen);
}

void TLagerfenster::VorDemZeigen()
{
    if (m_baumGebaut || !m_katalog)
        return;
    QList<QTreeWidgetItem *> oben;
    for (const TKatalogKnoten &k : KatalogbaumAnlegen(*m_katalog))
        oben.append(Katalogknoten(k));
    TreeViewKatalog->addTopLevelItems(oben);
    m_baumGebaut = true;
}

void TLagerfenster::FormShow()
{
    Anzeigen();
    TreeViewKatalog->setFocus();
}

void TLagerfenster::Anzeigen()
{
    const int vorher = StringGridLager->currentRow();
    StringGridLager->setRowCount(0);
    if (m_lager && m_katalog) {
        StringGridLager->setRowCount(static_cast<int>(m_lager->Eintraege.size()));
        int zeile = 0;
        for (const TLagerEintrag &e : m_lager->Eintraege) {
            auto *anzahl = new QTableWidgetItem(MengeFormatieren(e.Anzahl));
            anzahl->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            StringGridLager->setItem(zeile, 0, new QTableWidgetItem(KnotenName(*m_katalog, e.Art, e.Index)));
            StringGridLager->setItem(zeile, 1, anzahl);
            ++zeile;
        }
    }
    const int zeilen = StringGridLager->rowCount();
    if (zeilen > 0)
        StringGridLager->setCurrentCell(std::clamp(vorher, 0, zeilen - 1), 0);
    ButtonAnzahlAendern->setEnabled(zeilen > 0);
    ButtonEntfernen->setEnabled(zeilen > 0);
    ButtonLeeren->setEnabled(zeilen > 0);
    LabelSumme->setText(QStringLiteral("Waren: %1").arg(zeilen));
    LabelSumme->setAccessibleName(LabelSumme->text());
    QAccessibleEvent ereignis(LabelSumme, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

TLagerEintrag TLagerfenster::Auswahl() const
{
    const int zeile = StringGridLager->currentRow();
    if (!m_lager || zeile < 0 || static_cast<size_t>(zeile) >= m_lager->Eintraege.size())
        return {};
    return m_lager->Eintraege[static_cast<size_t>(zeile)];
}

void TLagerfenster::Melden(const TLager &neu)
{
    m_crafting.LagerSetzen(neu);
}

void TLagerfenster::Hinzufuegen()
{
    const QTreeWidgetItem *item = TreeViewKatalog->currentItem();
    if (!m_lager || !m_katalog || !item || item->childCount() > 0)
        return;
    const TItemRef ref = ItemSuchen(*m_katalog, item->text(0));
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtKeine)
        return;
    TLager lager = *m_lager;
    lager.Setzen(art, ref.Index,
                 std::min(lager.Bestand(art, ref.Index) + SpinEditHinzufuegen->value(), LagerHoechstanzahl));
    Melden(lager);
    for (size_t i = 0; i < m_lager->Eintraege.size(); ++i)
        if (m_lager->Eintraege[i].Art == art && m_lager->Eintraege[i].Index == ref.Index)
            StringGridLager->setCurrentCell(static_cast<int>(i), 0);
}

void TLagerfenster::AnzahlAendern()
{
    const TLagerEintrag e = Auswahl();
    if (e.Art == ArtKeine)
        return;
    TLager lager = *m_lager;
    lager.Setzen(e.Art, e.Index, SpinEditAnzahl->value());
    Melden(lager);
}

void TLagerfenster::Entfernen()
{
    const TLagerEintrag e = Auswahl();
    if (e.Art == ArtKeine)
        return;
    TLager lager = *m_lager;
    lager.Setzen(e.Art, e.Index, 0.0);
    Melden(lager);
}

void TLagerfenster::Leeren()
{
    if (!m_lager || m_lager->Leer() || !FrageStellen(QStringLiteral("Soll das ganze Lager geleert werden?")))
        return;
    Melden(TLager{});
}

bool TLagerfenster::TextEinfuegen(const QString &text)
{
    if (!m_lager || !m_katalog)
        return false;
    QString fehler;
    const auto eintraege = LagerTextLesen(*m_katalog, text, &fehler);
    if (!eintraege) {
        MeldungZeigen(
            QStringLiteral("Fehler: Der eingefügte Text wurde nicht übernommen (%1) Das Lager bleibt "
                           "unverändert.")
                .arg(fehler));
        return false;
    }
    if (eintraege->empty()) {
        MeldungZeigen(QStringLiteral("Fehler: Die Zwischenablage enthält keine Zeilen \"Name<Tab>Anzahl\"."));
        return false;
    }
    TLager lager = *m_lager;
    LagerUebernehmen(lager, *eintraege);
    Melden(lager);
    return true;
}

} // namespace mvt
