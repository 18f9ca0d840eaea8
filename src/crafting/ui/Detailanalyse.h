// Detailed analysis window TForm6: the build list broken down for one production mode
// (Tag = mode 1 to 4). Every showing rebuilds all grids and labels from the current data.
#pragma once

#include "crafting/Detailauswertung.h"
#include "ui/Nebenfenster.h"

#include <QTableWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QScrollArea;
class QToolButton;

namespace mvt {

// A read-only string grid: header row and first column fixed (they do not scroll away) in
// the fixed colour, 16-pixel rows, columns and rows resizable. The first column is the
// vertical header; Zellentext and Spaltenbreite count it as column 0. Ctrl+C copies the
// selected cells with their row names, or the whole grid when nothing is selected, as
// tab-separated lines with the header row.
class TAnalyseRaster : public QTableWidget {
    Q_OBJECT
public:
    TAnalyseRaster(const QString &name, QWidget *eltern);

    // Header texts and column widths, the first column's included.
    void SpaltenSetzen(const QStringList &kopf, const QList<int> &breiten);
    // The rows, each starting with the first column; none gives one empty row.
    void ZeilenSetzen(const std::vector<QStringList> &zeilen);
    QString Zellentext(int zeile, int spalte) const;
    QString Kopftext(int spalte) const;
    int Spaltenbreite(int spalte) const;
    int Spaltenzahl() const { return columnCount() + 1; }
    // What Ctrl+C puts on the clipboard.
    QString KopierText() const;

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    // Widens every column whose texts need more than its set width.
    void BreitenAnpassen();

    QString m_ecke;       // header text of the first column
    QList<int> m_breiten; // the set widths, the first column's included
};

class TForm6 : public TNebenfenster {
    Q_OBJECT
public:
    // The data the window shows; the references stay valid for the window's life.
    TForm6(const TKatalog &katalog, const TOptionen &optionen, const TCraftingZustand &crafting,
           QWidget *hauptfenster);

    // The controls are built before the window is first shown, not at program start; this
    // builds them now. Once.
    void InhaltAnlegen();
    // Places the buildings and skills grids for a client width.
    void FormResize();
    void SpeedButtonAbbrechenClick();

    QScrollArea *ScrollBox;
    QWidget *Image1; // the tiled background, 2048 x 1536, scrolled with the controls
    QLabel *LabelAnalyseStatic1;
    QLabel *LabelAnalyseStatic2;
    QLabel *LabelAnalyseStatic3;
    QLabel *LabelAnalyseStatic4;
    QLabel *LabelAnalyseStatic5;
    QLabel *LabelAnalyseStatic6;
    TAnalyseRaster *StringGrid1;
    TAnalyseRaster *StringGrid2;
    TAnalyseRaster *StringGrid3;
    TAnalyseRaster *StringGrid4;
    TAnalyseRaster *StringGrid5;
    QFrame *Bevel1;
    QLabel *LabelInformationenStatic1;
    QLabel *LabelInformationenStatic2;
    std::array<QLabel *, 3> LabelGewinnStatic{};
    std::array<QLabel *, 3> LabelGewinn{};                                   // LabelGewinn1 .. 3
    std::array<QLabel *, AnzahlZusammenfassungsgruppen> LabelKostenStatic{}; // 1 .. 5
    std::array<QLabel *, AnzahlZusammenfassungsgruppen> LabelAnzahl{};
    std::array<QLabel *, AnzahlZusammenfassungsgruppen> LabelKosten{};
    QToolButton *SpeedButtonAbbrechen;
    QToolButton *SpeedButtonEinkaufsliste = nullptr;

    // Width of the area the controls are placed in (the scroll box's viewport).
    int Clientbreite() const;
    // Whether the summary stands below the "Zutaten" grid, its figures being too wide for the
    // room beside it.
    bool SummeUnten() const { return m_summeUnten; }
    // Height the window scrolls over: 688 in mode 1, 912 in modes 2 to 4; 232 more while
    // the summary stands below the "Zutaten" grid.
    int Bildlaufbereich() const { return m_bildlaufbereich; }

signals:
    // "Einkaufsliste..." was pressed: the window "Einkaufsliste" for the shown mode, over
    // this one; the application opens it.
    void einkaufslisteGewuenscht(int modus);

protected:
    void VorDemZeigen() override { InhaltAnlegen(); }
    void FormShow() override;
    void resizeEvent(QResizeEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void LayoutSetzen(bool zwischenprodukte);
    void SummenEinpassen(int clientbreite);
    // The widest caption, count and amount of the summary, each at least its column's width.
    struct TSummenspalten {
        int Beschriftung = 0, Anzahl = 90, Wert = 100;
    };
    TSummenspalten Summenspalten() const;
    // Width the summary needs from its captions' left edge to its amounts' right edge.
    int Summenbreite() const;

    const TKatalog *m_katalog = nullptr;
    const TOptionen *m_optionen = nullptr;
    const TCraftingZustand *m_crafting = nullptr;
    int m_bildlaufbereich = 688;
    bool m_zwischenprodukte = false;
    bool m_summeUnten = false;
    bool m_inhaltAngelegt = false;
    void Einrichten();
};

} // namespace mvt
