// The rows of the fighter table: one per fighter of an evaluation, in the shown order. The
// texts of a cell are made when the view asks for them; the model holds only the order, so
// that a report of tens of thousands of fighters does not keep a text of every figure.
#pragma once

#include "combat/Kaempfer.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace mvt {

class TKampftabellenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TKampftabellenModell(QObject *parent = nullptr);

    // The fighters of an evaluation in list order; the model shares the evaluation.
    void Setzen(std::shared_ptr<const Kampfauswertung> auswertung);
    // One empty row and no fighters (while the worker runs).
    void Leerzeile();

    // The fighter of a row; nullptr for the empty row or a row outside the table.
    const TKaempfer *Kaempfer(int zeile) const;
    QString Zelle(int zeile, int spalte) const;
    // The row of the fighter with this name, -1 when none.
    int ZeileVon(const QString &name) const;
    // Sorts the rows by one column (zustand as ZeilenSortieren).
    void Sortieren(int spalte, int zustand);

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    // Display text; names left, figures right aligned.
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    // The column captions on one line: what a screen reader reads as the column's name.
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const Kampfauswertung> m_auswertung;
    std::vector<int32_t> m_reihenfolge; // row -> position in the fighter list
    bool m_leerzeile = false;
};

} // namespace mvt
