// The town search of the route tab, above the hint beside the start and target fields:
// a chosen town becomes the target, "Als Start" makes it the start, and "Tour planen..."
// opens the tour window.
#pragma once

#include "routes/Stadtsuche.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QToolButton;

namespace mvt {

class TStadtsuchfeld;

class TStadtsuchbereich : public QWidget {
    Q_OBJECT
public:
    // Covers (400, 0) to (784, 22) of the tab.
    TStadtsuchbereich(const routen::TWeltdaten &welten, QWidget *parent);

    // After a world switch the chosen town belongs to another map.
    void Zuruecksetzen();

    QLabel *LabelStadtsuche;
    TStadtsuchfeld *EditStadtsuche;
    QToolButton *SpeedButtonStadtAlsStart;
    QPushButton *ButtonTourPlanen;

signals:
    void ZielGewaehlt(int x, int y);
    void StartGewaehlt(int x, int y);
    void TourVerlangt();

private:
    std::optional<routen::TStadt> m_gewaehlt;
};

} // namespace mvt
