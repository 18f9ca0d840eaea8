// The program's pictures (decoded once from the resources) and the shared look of its
// windows: the tiled parchment background and the glyphs of the Okay and cancel buttons.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QStyle>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;
class QToolButton;

namespace mvt {

constexpr int HintergrundBreite = 1024;
constexpr int HintergrundHoehe = 200;

// "Hintergrund_jpg", 1024 x 200; decoded on first use and kept for the whole run.
const QImage &Hintergrundbild();
// "ImageLogo_jpg", 102 x 67.
const QImage &Logobild();
// "ImageHadrik_jpg", 102 x 102.
const QImage &Autorbild();

// Tiles the background over `bereich`, with a tile's top left corner at `ursprung`
// (in the painter's coordinates), so that neighbouring surfaces can line up.
void HintergrundMalen(QPainter &p, const QRect &bereich, QPoint ursprung);

// A surface that shows the background lined up with its top-level window, so that
// pages, sub-pages and panels inside each other show one continuous picture.
class THintergrund : public QWidget {
    Q_OBJECT
public:
    explicit THintergrund(QWidget *eltern = nullptr);

protected:
    void paintEvent(QPaintEvent *ereignis) override;
};

// The style's standard icon for the buttons of w, such as the arrow of "Hinzufügen".
QIcon Standardsymbol(const QWidget &w, QStyle::StandardPixmap art);
// Reads the icon theme's index (milliseconds for the hicolor theme) on a worker and makes the
// style's icons arten there, so that the first Standardsymbol need not. Qt's icon loader is
// not thread-safe, hence: call it on the main thread before any window exists; Standardsymbol
// and SymbolthemaAbwarten wait for the worker, and nothing else may ask for a theme icon until
// one of them has. The worker runs vorher first: other work the first window needs as soon,
// which then does not compete with it for the processor.
void SymbolthemaVorbereiten(const std::function<void()> &vorher = {},
                            const std::vector<QStyle::StandardPixmap> &arten = {});
// Waits for the worker, if one runs, and gives the buttons of StandardsymbolSetzen their
// icons.
void SymbolthemaAbwarten();
// Gives the text button b the style's icon art beside its text: at once when no preparation
// runs, else when SymbolthemaAbwarten is next called, so that a window built meanwhile need
// not wait for the worker. The main window calls it before it makes its menu bar.
void StandardsymbolSetzen(QToolButton &b, QStyle::StandardPixmap art);

// Glyphs of the quantity dialog's buttons; other windows take the same ones.
QIcon GlyphOkay();
QIcon GlyphAbbrechen();

// The program's icon, made from the game logo, in the sizes of SymbolGroessen.
inline constexpr int SymbolGroessen[] = {16, 24, 32, 48, 64, 128, 256};
QIcon Programmsymbol();
// Its pictures in the order of SymbolGroessen, decoded on first use and kept for the run.
const std::vector<QImage> &Symbolbilder();

// Decodes the background, the icon's and the info window's pictures. Safe on any thread
// (a QImage is not a pixmap), so that the start can have it done beside the main thread;
// whoever needs a picture meanwhile waits for it.
void BilderVorbereiten();

} // namespace mvt
