// How the map window draws a tour: every leg as a blue line through the fields its orders
// walk, and each stop as a numbered disc.
#pragma once

#include "routes/Tour.h"

#include <QColor>
#include <QRect>

class QPainter;

namespace mvt {

inline const QColor Tourfarbe(20, 60, 200);

// The legs go under the route of the tab, the stops over it.
enum class TTourteil { Linien, Stationen };

// l, t: first visible map column and row; ls, lz: last visible ones; z: the cell size.
// Only what lies in the map cells (not over the coordinate row and column) is drawn.
void TourbildMalen(QPainter &p, const routen::TTourbild &bild, int l, int t, int ls, int lz, int z,
                   const QRect &bereich, TTourteil teil);

} // namespace mvt
