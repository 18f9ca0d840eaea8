#include "combat/ui/Kampftabellenmodell.h"

#include "combat/Kampftabelle.h"
#include "combat/Statistiktext.h"

namespace mvt {

TKampftabellenModell::TKampftabellenModell(QObject *parent) : QAbstractTableModel(parent) {}

void TKampftabellenModell::Setzen(std::shared_ptr<const Kampfauswertung> auswertung)
{
    beginResetModel();
    m_auswertung = std::move(auswertung);
    m_leerzeile = false;
    const size_t n = m_auswertung ? m_auswertung->Kaempfer.size() : 0;
    m_reihenfolge.assign(n, 0);
    for (size_t i = 0; i < n; ++i)
        m_reihenfolge[i] = int32_t(i);
    endResetModel();
}

void TKampftabellenModell::Leerzeile()
{
    beginResetModel();
    m_auswertung.reset();
    m_reihenfolge.clear();
    m_reihenfolge.shrink_to_fit();
    m_leerzeile = true;
    endResetModel();
}

const TKaempfer *TKampftabellenModell::Kaempfer(int zeile) const
{
    if (!m_auswertung || zeile < 0 || size_t(zeile) >= m_reihenfolge.size())
        return nullptr;
    const size_t i = size_t(m_reihenfolge[size_t(zeile)]);
    return i < m_auswertung->Kaempfer.size() ? m_auswertung->Kaempfer[i].get() : nullptr;
}

QString TKampftabellenModell::Zelle(int zeile, int spalte) const
{
    const TKaempfer *k = Kaempfer(zeile);
    return k ? TabellenZelle(*k, spalte) : QString();
}

int TKampftabellenModell::ZeileVon(const QString &name) const
{
    for (int r = 0; r < int(m_reihenfolge.size()); ++r)
        if (const TKaempfer *k = Kaempfer(r); k && k->Name == name)
            return r;
    return -1;
}

void TKampftabellenModell::Sortieren(int spalte, int zustand)
{
    if (!m_auswertung || spalte < 0 || spalte >= KampftabelleSpalten)
        return;
    const std::vector<size_t> neu = SortierteReihenfolge(
        m_reihenfolge.size(), [&](size_t i) { return Zelle(int(i), spalte); }, spalte, zustand);
    std::vector<int32_t> reihenfolge(neu.size());
    for (size_t i = 0; i < neu.size(); ++i)
        reihenfolge[i] = m_reihenfolge[neu[i]];
    m_reihenfolge = std::move(reihenfolge);
    if (!m_reihenfolge.empty())
        emit dataChanged(index(0, 0), index(int(m_reihenfolge.size()) - 1, KampftabelleSpalten - 1));
}

int TKampftabellenModell::rowCount(const QModelIndex &eltern) const
{
    if (eltern.isValid())
        return 0;
    return m_leerzeile ? 1 : int(m_reihenfolge.size());
}

int TKampftabellenModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : KampftabelleSpalten;
}

QVariant TKampftabellenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.column() >= KampftabelleSpalten)
        return {};
    if (rolle == Qt::DisplayRole)
        return Zelle(index.row(), index.column());
    if (rolle == Qt::TextAlignmentRole)
        return int(Qt::AlignVCenter | (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    return {};
}

QVariant TKampftabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 &&
        abschnitt < TabellenKopf().size())
        return KopfEinzeilig(TabellenKopf()[abschnitt]);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

} // namespace mvt
