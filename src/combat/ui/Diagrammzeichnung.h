// What the two combat charts (per Runde, and the archive's history) draw alike: the frame, the
// amount axis with its grid, the axes and the marker of the selected point.
#pragma once

#include <QRect>

#include <cstdint>

class QFontMetrics;
class QPainter;
class QPalette;
class QWidget;

namespace mvt {

// A step of 1, 2 or 5 times a power of ten, at least roughly x.
int64_t RunderSchritt(double x);

// The chart's height of amount v in area f whose top stands for oben.
double DiagrammY(const QRect &f, int64_t v, int64_t oben);

// Background, border and, while the chart has the focus, the dotted focus frame.
void DiagrammRahmenZeichnen(QPainter &p, const QWidget &w);

// Grid lines with their amounts on the left of f, in four to five steps from 0 to oben.
void WerteachseZeichnen(QPainter &p, const QPalette &pal, const QFontMetrics &fm, const QRect &f,
                        int64_t oben);

// The left and bottom axes of f.
void AchsenZeichnen(QPainter &p, const QPalette &pal, const QRect &f);

// The dashed line through the selected point at x.
void MarkeZeichnen(QPainter &p, const QPalette &pal, const QRect &f, double x);

} // namespace mvt
