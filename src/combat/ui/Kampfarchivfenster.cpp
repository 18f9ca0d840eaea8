#include "combat/ui/Kampfarchivfenster.h"

#include "base/Meldung.h"
#include "base/Tabellentext.h"
#include "combat/ui/Verlaufsdiagramm.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mvt {

// The list of fights: a model over the shown entries, so that ten thousand fights cost
// no widget per cell.
class TArchivlistenModell : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Setzen(std::vector<TArchivkampf> kaempfe)
    {
        beginResetModel();
        m_kaempfe = std::move(kaempfe);
        m_datum.clear();
        endResetModel();
    }
    const std::vector<TArchivkampf> &Kaempfe() const { return m_kaempfe; }

    int rowCount(const QModelIndex &eltern = {}) const override
    {
        return eltern.isValid() ? 0 : int(m_kaempfe.size());
    }
    int columnCount(const QModelIndex &eltern = {}) const override { return eltern.isValid() ? 0 : 4; }
    QVariant headerData(int abschnitt, Qt::Orientation o, int rolle) const override
    {
        static const char16_t *const Kopf[] = {u"Datum", u"Titel", u"Kämpfer", u"Runden"};
        if (o == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < 4)
            return QString::fromUtf16(Kopf[abschnitt]);
        return {};
    }
    QVariant data(const QModelIndex &i, int rolle) const override
    {
        if (!i.isValid() || i.row() >= int(m_kaempfe.size()))
            return {};
        const TArchivkampf &k = m_kaempfe[size_t(i.row())];
        if (rolle == Qt::TextAlignmentRole && i.column() == 3)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (rolle == Qt::ToolTipRole && i.column() == 2)
            return k.Kaempfer.join(QStringLiteral(", ")).left(2000);
        if (rolle != Qt::DisplayRole && rolle != Qt::AccessibleTextRole)
            return {};
        switch (i.column()) {
        case 0: {
            // Formatted when first shown: the list opens without converting every date.
            auto it = m_datum.find(k.Id);
            if (it == m_datum.end())
                it = m_datum.insert(k.Id, ZeitpunktAnzeigen(k.Zeitpunkt));
            return *it;
        }
        case 1:
            return k.Titel;
        case 2: {
            // A report of thousands of fighters is cut for the cell.
            QString namen = k.Kaempfer.mid(0, 12).join(QStringLiteral(", "));
            if (k.Kaempfer.size() > 12)
                namen += QStringLiteral(" …");
            return namen;
        }
        default:
            return k.Runden;
        }
    }

private:
    std::vector<TArchivkampf> m_kaempfe;
    mutable QHash<qint64, QString> m_datum;
};

namespace {
QPushButton *Knopf(const char *name, const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(QString(text).remove(u'&').remove(u'…'));
    return b;
}

QLabel *Feldbeschriftung(const QString &text, QWidget *feld)
{
    auto *l = new QLabel(text);
    l->setBuddy(feld);
    feld->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    return l;
}
} // namespace

TKampfarchivFenster::TKampfarchivFenster(QWidget *hauptfenster, QString pfad)
    : TNebenfenster(hauptfenster, QStringLiteral("Kampfarchiv"), Rahmen::Groessenveraenderbar, false),
      m_pfad(std::move(pfad))
{
    setObjectName(QStringLiteral("Kampfarchivfenster"));
    HintergrundZeigen(false);
    resize(820, 560);

    PageControlArchiv = new QTabWidget(this);
    PageControlArchiv->setObjectName(QStringLiteral("PageControlArchiv"));

    // The fights.
    auto *seiteKaempfe = new QWidget;
    seiteKaempfe->setObjectName(QStringLiteral("TabSheetKaempfe"));
    EditSuche = new QLineEdit;
    EditSuche->setObjectName(QStringLiteral("EditSuche"));
    EditSuche->setPlaceholderText(QStringLiteral("Kämpfername oder Titel"));
    EditSuche->setClearButtonEnabled(true);
    auto *suche = new QHBoxLayout;
    suche->addWidget(Feldbeschriftung(QStringLiteral("&Suche:"), EditSuche));
    suche->addWidget(EditSuche, 1);

    m_modell = new TArchivlistenModell(this);
    ListeKaempfe = new QTableView;
    ListeKaempfe->setObjectName(QStringLiteral("ListeKaempfe"));
    ListeKaempfe->setAccessibleName(QStringLiteral("Archivierte Kämpfe"));
    ListeKaempfe->setModel(m_modell);
    ListeKaempfe->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListeKaempfe->setSelectionMode(QAbstractItemView::SingleSelection);
    ListeKaempfe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListeKaempfe->setTabKeyNavigation(false);
    ListeKaempfe->setWordWrap(false);
    ListeKaempfe->verticalHeader()->hide();
    ListeKaempfe->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListeKaempfe->verticalHeader()->setDefaultSectionSize(ListeKaempfe->fontMetrics().height() + 6);
    const QFontMetrics fm = ListeKaempfe->fontMetrics();
    ListeKaempfe->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("00.00.0000 00:00")) + 16);
    ListeKaempfe->setColumnWidth(1, 300);
    ListeKaempfe->setColumnWidth(3, fm.horizontalAdvance(QStringLiteral("Runden")) + 20);
    // The fighters take what is left, so that no column hides behind a scroll bar.
    ListeKaempfe->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

    ButtonOeffnen = Knopf("ButtonOeffnen", QStringLiteral("Ö&ffnen"));
    ButtonUmbenennen = Knopf("ButtonUmbenennen", QStringLiteral("&Umbenennen…"));
    ButtonLoeschen = Knopf("ButtonLoeschen", QStringLiteral("&Löschen…"));
    ButtonOeffnen->setToolTip(QStringLiteral("Den Kampf im Kampfberichtauswerter zeigen"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ButtonOeffnen);
    knoepfe->addWidget(ButtonUmbenennen);
    knoepfe->addWidget(ButtonLoeschen);
    knoepfe->addStretch(1);
    auto *k = new QVBoxLayout(seiteKaempfe);
    k->addLayout(suche);
    k->addWidget(ListeKaempfe, 1);
    k->addLayout(knoepfe);
    PageControlArchiv->addTab(seiteKaempfe, QStringLiteral("Kämpfe"));

    // One fighter's history.
    auto *seiteVerlauf = new QWidget;
    seiteVerlauf->setObjectName(QStringLiteral("TabSheetVerlauf"));
    ComboBoxKaempfer = new QComboBox;
    ComboBoxKaempfer->setObjectName(QStringLiteral("ComboBoxKaempfer"));
    ComboBoxKaempfer->setEditable(true);
    ComboBoxKaempfer->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxKaempfer->completer()->setFilterMode(Qt::MatchContains);
    ComboBoxKaempfer->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    ComboBoxKaempfer->setMinimumWidth(260);
    auto *wahl = new QHBoxLayout;
    wahl->addWidget(Feldbeschriftung(QStringLiteral("&Kämpfer:"), ComboBoxKaempfer));
    wahl->addWidget(ComboBoxKaempfer);
    wahl->addStretch(1);
    DiagrammVerlauf = new TVerlaufsdiagramm;
    TabelleVerlauf = new QTableWidget(0, 4);
    TabelleVerlauf->setObjectName(QStringLiteral("TabelleVerlauf"));
    TabelleVerlauf->setAccessibleName(QStringLiteral("Verlauf als Tabelle"));
    TabelleVerlauf->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Schaden"),
                                               QStringLiteral("Schaden erhalten"),
                                               QStringLiteral("Heilung")});
    TabelleVerlauf->verticalHeader()->hide();
    TabelleVerlauf->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelleVerlauf->setTabKeyNavigation(false);
    TabelleVerlauf->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelleVerlauf->setWordWrap(false);
    int breite = 0;
    for (int s = 0; s < 4; ++s) {
        const QString muster =
            s == 0 ? QStringLiteral("00.00.0000 00:00") : TabelleVerlauf->horizontalHeaderItem(s)->text();
        TabelleVerlauf->setColumnWidth(s, fm.horizontalAdvance(muster) + 18);
        breite += TabelleVerlauf->columnWidth(s);
    }
    // Room for the frame and the vertical scroll bar.
    TabelleVerlauf->setFixedWidth(breite + 2 * TabelleVerlauf->frameWidth() +
                                  TabelleVerlauf->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
    ButtonAlsTabelleKopieren = Knopf("ButtonAlsTabelleKopieren", QStringLiteral("Als &Tabelle kopieren"));
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(TabelleVerlauf, 1);
    rechts->addWidget(ButtonAlsTabelleKopieren);
    auto *inhalt = new QHBoxLayout;
    inhalt->addWidget(DiagrammVerlauf, 1);
    inhalt->addLayout(rechts);
    auto *v = new QVBoxLayout(seiteVerlauf);
    v->addLayout(wahl);
    v->addLayout(inhalt, 1);
    PageControlArchiv->addTab(seiteVerlauf, QStringLiteral("Verlauf eines Kämpfers"));

    LabelStatus = new QLabel;
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ButtonSchliessen = Knopf("ButtonSchliessen", QStringLiteral("Schließen"));
    auto *unten = new QHBoxLayout;
    unten->addWidget(LabelStatus, 1);
    unten->addWidget(ButtonSchliessen);
    auto *gesamt = new QVBoxLayout(this);
    gesamt->addWidget(PageControlArchiv, 1);
    gesamt->addLayout(unten);

    connect(EditSuche, &QLineEdit::textChanged, this, &TKampfarchivFenster::EditSucheChange);
    connect(ButtonOeffnen, &QPushButton::clicked, this, &TKampfarchivFenster::ButtonOeffnenClick);
    connect(ButtonUmbenennen, &QPushButton::clicked, this, &TKampfarchivFenster::ButtonUmbenennenClick);
    connect(ButtonLoeschen, &QPushButton::clicked, this, &TKampfarchivFenster::ButtonLoeschenClick);
    connect(ListeKaempfe, &QTableView::activated, this, &TKampfarchivFenster::ButtonOeffnenClick);
    connect(ListeKaempfe->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TKampfarchivFenster::KnoepfeAnpassen);
    connect(ComboBoxKaempfer, &QComboBox::currentTextChanged, this,
            &TKampfarchivFenster::ComboBoxKaempferChange);
    connect(ButtonAlsTabelleKopieren, &QPushButton::clicked, this,
            &TKampfarchivFenster::ButtonAlsTabelleKopierenClick);
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
    KnoepfeAnpassen();
}

TKampfarchivFenster::~TKampfarchivFenster() = default;

const std::vector<TArchivkampf> &TKampfarchivFenster::Gezeigt() const
{
    return m_modell->Kaempfe();
}

void TKampfarchivFenster::StatusSetzen(const QString &text)
{
    LabelStatus->setText(text);
}

void TKampfarchivFenster::FormShow()
{
    Neuladen();
    EditSuche->setFocus();
}

void TKampfarchivFenster::Neuladen()
{
    m_archiv = std::make_unique<TKampfarchiv>(m_pfad, 500);
    m_alle.clear();
    QStringList namen;
    if (!m_archiv->Vorhanden()) {
        StatusSetzen(QStringLiteral("Noch keine Kämpfe archiviert."));
    } else if (m_archiv->Oeffnen(false)) {
        if (auto liste = m_archiv->Liste())
            m_alle = std::move(*liste);
        if (auto n = m_archiv->Kaempfernamen())
            namen = std::move(*n);
    }
    {
        const QSignalBlocker sperre(ComboBoxKaempfer);
        const QString vorher = ComboBoxKaempfer->currentText();
        ComboBoxKaempfer->clear();
        ComboBoxKaempfer->addItems(namen);
        ComboBoxKaempfer->setCurrentIndex(namen.indexOf(vorher));
        ComboBoxKaempfer->setEditText(namen.contains(vorher) ? vorher : QString());
    }
    EditSucheChange();
    ComboBoxKaempferChange();
}

void TKampfarchivFenster::EditSucheChange()
{
    m_modell->Setzen(KaempfeFiltern(m_alle, EditSuche->text()));
    if (m_archiv && !m_archiv->Status().isEmpty())
        StatusSetzen(m_archiv->Status());
    else if (m_archiv && m_archiv->Vorhanden())
        StatusSetzen(
            EditSuche->text().trimmed().isEmpty()
                ? QStringLiteral("%1 Kämpfe im Archiv.").arg(m_alle.size())
                : QStringLiteral("%1 von %2 Kämpfen gefunden.").arg(Gezeigt().size()).arg(m_alle.size()));
    if (!Gezeigt().empty())
        ListeKaempfe->selectRow(0);
    KnoepfeAnpassen();
}

void TKampfarchivFenster::KnoepfeAnpassen()
{
    const bool gewaehlt = AusgewaehlteId() > 0;
    const bool schreiben = m_archiv && m_archiv->Beschreibbar();
    ButtonOeffnen->setEnabled(gewaehlt);
    ButtonUmbenennen->setEnabled(gewaehlt && schreiben);
    ButtonLoeschen->setEnabled(gewaehlt && schreiben);
}

qint64 TKampfarchivFenster::AusgewaehlteId() const
{
    const QModelIndexList zeilen = ListeKaempfe->selectionModel()->selectedRows();
    if (zeilen.isEmpty() || zeilen.first().row() >= int(Gezeigt().size()))
        return 0;
    return Gezeigt()[size_t(zeilen.first().row())].Id;
}

void TKampfarchivFenster::ButtonOeffnenClick()
{
    const qint64 id = AusgewaehlteId();
    if (id <= 0 || !m_archiv)
        return;
    const auto text = m_archiv->Text(id);
    if (!text) {
        StatusSetzen(m_archiv->Fehler());
        return;
    }
    close();
    emit kampfOeffnen(*text);
}

void TKampfarchivFenster::ButtonUmbenennenClick()
{
    const qint64 id = AusgewaehlteId();
    if (id <= 0 || !m_archiv)
        return;
    const QString alt = Gezeigt()[size_t(ListeKaempfe->selectionModel()->selectedRows().first().row())].Titel;
    bool ok = false;
    const QString neu = QInputDialog::getText(this, QStringLiteral("Kampf umbenennen"),
                                              QStringLiteral("Titel:"), QLineEdit::Normal, alt, &ok);
    if (!ok || neu.trimmed().isEmpty() || neu == alt)
        return;
    if (!m_archiv->Umbenennen(id, neu)) {
        StatusSetzen(m_archiv->Fehler());
        return;
    }
    Neuladen();
}

void TKampfarchivFenster::ButtonLoeschenClick()
{
    const qint64 id = AusgewaehlteId();
    if (id <= 0 || !m_archiv)
        return;
    const int zeile = ListeKaempfe->selectionModel()->selectedRows().first().row();
    const QString titel = Gezeigt()[size_t(zeile)].Titel;
    if (!FrageStellen(QStringLiteral("Den Kampf \"%1\" wirklich aus dem Archiv löschen?").arg(Zitat(titel))))
        return;
    if (!m_archiv->Loeschen(id)) {
        StatusSetzen(m_archiv->Fehler());
        return;
    }
    Neuladen();
    if (!Gezeigt().empty())
        ListeKaempfe->selectRow(std::min(zeile, int(Gezeigt().size()) - 1));
    ListeKaempfe->setFocus();
}

void TKampfarchivFenster::ComboBoxKaempferChange()
{
    const QString name = ComboBoxKaempfer->currentText();
    std::vector<TVerlaufspunkt> punkte;
    if (m_archiv && m_archiv->Offen() && !name.isEmpty())
        if (auto v = m_archiv->Verlauf(name))
            punkte = std::move(*v);
    TabelleVerlauf->setRowCount(int(punkte.size()));
    for (int i = 0; i < int(punkte.size()); ++i) {
        const TVerlaufspunkt &p = punkte[size_t(i)];
        const QString werte[] = {ZeitpunktAnzeigen(p.Zeitpunkt), QString::number(p.Schaden),
                                 QString::number(p.SchadenErhalten), QString::number(p.Heilung)};
        for (int s = 0; s < 4; ++s) {
            auto *item = new QTableWidgetItem(werte[s]);
            if (s > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            TabelleVerlauf->setItem(i, s, item);
        }
    }
    ButtonAlsTabelleKopieren->setEnabled(!punkte.empty());
    DiagrammVerlauf->VerlaufSetzen(name, std::move(punkte));
}

void TKampfarchivFenster::ButtonAlsTabelleKopierenClick()
{
    QStringList kopf;
    for (int s = 0; s < TabelleVerlauf->columnCount(); ++s)
        kopf << TabelleVerlauf->horizontalHeaderItem(s)->text();
    std::vector<QStringList> zeilen;
    for (int r = 0; r < TabelleVerlauf->rowCount(); ++r) {
        QStringList z;
        for (int s = 0; s < TabelleVerlauf->columnCount(); ++s)
            z << TabelleVerlauf->item(r, s)->text();
        zeilen.push_back(z);
    }
    QGuiApplication::clipboard()->setText(TabellenText(kopf, zeilen));
}

} // namespace mvt
