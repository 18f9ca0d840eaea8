#include "ui/Bilder.h"

#include "ui/JpegBild.h"
#include "base/Nebenher.h"

#include <QApplication>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>

#include <future>
#include <map>
#include <utility>

// Outside any namespace, as Q_INIT_RESOURCE requires: the resource lives in a static
// library, so it must be pulled in explicitly.
static void BilderRessourceLaden()
{
    Q_INIT_RESOURCE(bilder);
}

namespace mvt {

namespace {

QImage BildLaden(const QString &name, int breite, int hoehe)
{
    BilderRessourceLaden();
    QFile datei(QStringLiteral(":/") + name);
    QImage bild;
    if (datei.open(QIODevice::ReadOnly))
        bild = JpegDekodieren(datei.readAll());
    if (bild.isNull()) {
        // A missing picture must not leave holes: a plain surface of the right size.
        bild = QImage(breite, hoehe, QImage::Format_RGB32);
        bild.fill(QColor(0xEC, 0xE9, 0xD8));
    }
    return bild;
}

} // namespace

const QImage &Hintergrundbild()
{
    static const QImage bild =
        BildLaden(QStringLiteral("Hintergrund_jpg"), HintergrundBreite, HintergrundHoehe);
    return bild;
}

const QImage &Logobild()
{
    static const QImage bild = BildLaden(QStringLiteral("ImageLogo_jpg"), 102, 67);
    return bild;
}

const QImage &Autorbild()
{
    static const QImage bild = BildLaden(QStringLiteral("ImageHadrik_jpg"), 102, 102);
    return bild;
}

void HintergrundMalen(QPainter &p, const QRect &bereich, QPoint ursprung)
{
    const QImage &bild = Hintergrundbild();
    const int b = bild.width();
    const int h = bild.height();
    if (b <= 0 || h <= 0 || bereich.isEmpty())
        return;
    // First tile column and row that reach into the area (floor division).
    auto erste = [](int von, int start, int schritt) {
        int d = von - start;
        int k = d >= 0 ? d / schritt : -((-d + schritt - 1) / schritt);
        return start + k * schritt;
    };
    for (int y = erste(bereich.top(), ursprung.y(), h); y <= bereich.bottom(); y += h)
        for (int x = erste(bereich.left(), ursprung.x(), b); x <= bereich.right(); x += b)
            p.drawImage(QPoint(x, y), bild);
}

THintergrund::THintergrund(QWidget *eltern) : QWidget(eltern)
{
    setAutoFillBackground(false);
}

void THintergrund::paintEvent(QPaintEvent *ereignis)
{
    QPainter p(this);
    const QPoint imFenster = mapTo(window(), QPoint(0, 0));
    HintergrundMalen(p, ereignis->rect(), -imFenster);
}

namespace {

QPixmap GlyphMalen(bool okay)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen stift(okay ? QColor(0x1E, 0x8C, 0x2E) : QColor(0xB4, 0x1E, 0x1E), 3.2, Qt::SolidLine, Qt::RoundCap,
               Qt::RoundJoin);
    p.setPen(stift);
    if (okay) {
        QPainterPath haken;
        haken.moveTo(4, 10.5);
        haken.lineTo(8.5, 15);
        haken.lineTo(16, 5);
        p.drawPath(haken);
    } else {
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
    }
    return pm;
}

} // namespace

namespace {
using TSymbole = std::map<QStyle::StandardPixmap, QIcon>;
std::future<TSymbole> &Symbolthema()
{
    static std::future<TSymbole> vorbereitung;
    return vorbereitung;
}
// The icons the worker made, handed over by SymbolthemaAbwarten.
TSymbole &Vorrat()
{
    static TSymbole symbole;
    return symbole;
}
// Buttons waiting for their icons; on the main thread only.
struct TAusstehend {
    QPointer<QToolButton> Knopf;
    QStyle::StandardPixmap Art;
};
std::vector<TAusstehend> &Ausstehend()
{
    static std::vector<TAusstehend> knoepfe;
    return knoepfe;
}
} // namespace

void SymbolthemaVorbereiten(const std::function<void()> &vorher,
                            const std::vector<QStyle::StandardPixmap> &arten)
{
    SymbolthemaAbwarten();
    Vorrat().clear();
    std::promise<void> eingestellt;
    std::shared_future<void> bereit = eingestellt.get_future().share();
    QStyle *stil = QApplication::style();
    // Any name reads the index of the theme and of those it inherits; this one no window
    // asks for. The icons asked for are the application style's, which a window's style
    // (the style sheet engine included, whose sheets here name no icons) passes on.
    Symbolthema() = NebenherAusfuehren(TDringlichkeit::Bald, [vorher, bereit, stil, arten] {
        if (vorher)
            vorher();
        bereit.wait();
        QIcon::fromTheme(QStringLiteral("morvarentoolvorbereitung"));
        TSymbole symbole;
        for (QStyle::StandardPixmap art : arten)
            symbole[art] = stil->standardIcon(art);
        return symbole;
    });
    // Settled here, on the main thread, meanwhile, so that the worker asks the platform
    // nothing: the theme (QIcon::themeSearchPaths initialises the loader), its search paths
    // and the fallback theme, pinned to the platform's own.
    QIcon::themeSearchPaths();
    QIcon::setFallbackThemeName(QIcon::fallbackThemeName());
    eingestellt.set_value();
}

void SymbolthemaAbwarten()
{
    if (Symbolthema().valid()) {
        try {
            Vorrat() = Symbolthema().get();
        } catch (...) {
            // Only a preparation: whatever it did not do, the first theme icon does itself.
        }
    }
    // Taken out first: Standardsymbol comes back here.
    const std::vector<TAusstehend> knoepfe = std::exchange(Ausstehend(), {});
    for (const TAusstehend &a : knoepfe)
        if (a.Knopf)
            a.Knopf->setIcon(Standardsymbol(*a.Knopf, a.Art));
}

void StandardsymbolSetzen(QToolButton &b, QStyle::StandardPixmap art)
{
    b.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (Symbolthema().valid())
        Ausstehend().push_back({&b, art});
    else
        b.setIcon(Standardsymbol(b, art));
}

QIcon Standardsymbol(const QWidget &w, QStyle::StandardPixmap art)
{
    SymbolthemaAbwarten();
    // Taken once: a second button with the same icon asks the style, as the theme may
    // have changed since.
    const auto gemacht = Vorrat().find(art);
    if (gemacht != Vorrat().end()) {
        const QIcon symbol = gemacht->second;
        Vorrat().erase(gemacht);
        // Where the platform cannot make pixmaps beside the main thread they are empty.
        if (!symbol.isNull() && !symbol.pixmap(QSize(16, 16)).isNull())
            return symbol;
    }
    return w.style()->standardIcon(art);
}

// Not cached in statics: pixmaps must not outlive the application object.
QIcon GlyphOkay()
{
    return QIcon(GlyphMalen(true));
}

QIcon GlyphAbbrechen()
{
    return QIcon(GlyphMalen(false));
}

const std::vector<QImage> &Symbolbilder()
{
    static const std::vector<QImage> bilder = [] {
        BilderRessourceLaden();
        std::vector<QImage> b;
        for (int n : SymbolGroessen)
            b.emplace_back(QStringLiteral(":/symbol/morvaren-tool-%1.png").arg(n));
        return b;
    }();
    return bilder;
}

void BilderVorbereiten()
{
    Hintergrundbild();
    Symbolbilder();
    Logobild();
    Autorbild();
}

QIcon Programmsymbol()
{
    QIcon symbol;
    // In the format the pictures were decoded in (straight alpha): the window system takes a
    // window's icon in it, so no pixmap has to be converted back for every size at every
    // window's first showing.
    for (const QImage &bild : Symbolbilder())
        if (!bild.isNull())
            symbol.addPixmap(QPixmap::fromImage(bild, Qt::NoFormatConversion));
    return symbol;
}

} // namespace mvt
