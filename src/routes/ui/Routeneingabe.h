// The input area of the route tab: the world, start and target, the buttons that swap,
// calculate and show the map, and the hint that gives way to the progress of a search.
#pragma once

#include "routes/Welten.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QToolButton;

namespace mvt {

class TRouteneingabe : public QWidget {
    Q_OBJECT
public:
    // Covers the top of the tab (784 x 88); its controls stand where the tab puts them.
    TRouteneingabe(const routen::TWeltdaten &welten, QWidget *parent);

    void Tauschen();
    void StartSetzen(int x, int y);
    void ZielSetzen(int x, int y);
    // The four coordinates (start x, y, target x, y) after the edits have been left as a
    // person leaves them; nothing, after the error message, when one is no number.
    std::optional<std::array<int, 4>> Koordinaten();

    // A search starts: search and world choice off, the progress in place of the hint.
    void SucheBeginnt();
    void FortschrittZeigen(qint64 position, qint64 maximum);
    // The search has ended: the hint again, everything on.
    void SucheEndet();
    // The world selectors follow whether a world change is allowed.
    void WeltwahlFreigeben(bool frei);

    std::array<QRadioButton *, 3> RadioButtonMap{};
    std::array<QLabel *, 3> LabelMap{};
    QLineEdit *EditStartX, *EditStartY, *EditZielX, *EditZielY;
    QToolButton *SpeedButtonSwap, *SpeedButtonRouteBerechnen, *SpeedButtonKarteAnzeigen;
    QProgressBar *ProgressBar2;
    QLabel *LabelBitteWarten, *LabelHinweis1;

signals:
    // A world selector was clicked (also through its label).
    void WeltGewaehlt(int welt);
    // The calculate button, or Enter in a coordinate while it is enabled.
    void BerechnenVerlangt();
    void KarteVerlangt();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    bool IstKoordinate(QObject *objekt) const;

    const routen::TWeltdaten &m_welten;
    qint64 m_fortschritt = 0;
};

} // namespace mvt
