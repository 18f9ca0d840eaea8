#include "routes/ui/Kartenfenster.h"
#include "routes/RoutenSitzung.h"
#include "routes/Stadtliste.h"
#include "routes/ui/Tourzeichnung.h"

#include "ui/Sitzung.h"
#include "ui/Steuerelemente.h"
#include "ui/Umschalttasten.h"

#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

// Outside any namespace, as Q_INIT_RESOURCE requires: the pictures live in a static library.
static void KartenRessourceLaden()
{
    Q_INIT_RESOURCE(karte);
}

namespace mvt {

using namespace routen;

void KartenbilderLaden()
{
    KartenRessourceLaden();
}

// ---------------------------------------------------------------------------------------
// Tiles

namespace {
QImage Bild(const QString &name)
{
    QImage b(QStringLiteral(":/karte/") + name + QStringLiteral(".png"));
    if (b.isNull()) {
        // a missing picture must not leave a hole: a neutral tile stands in
        b = QImage(Kachelgroesse, Kachelgroesse, QImage::Format_ARGB32);
        b.fill(QColor(128, 128, 128));
    }
    return b.convertToFormat(QImage::Format_ARGB32).scaled(Kachelgroesse, Kachelgroesse);
}

template <class F> QImage MitBlick(const QImage &vorlage, F blick)
{
    QImage k = vorlage.copy();
    blick(reinterpret_cast<uint32_t *>(k.bits()), k.width(), k.height());
    return k;
}
} // namespace

void TKacheln::KachelnErzeugen(bool winter)
{
    m_vorgemerkt.reset();
    Erzeugen(winter);
}

void TKacheln::Bereitstellen() const
{
    if (!m_vorgemerkt)
        return;
    const bool winter = *m_vorgemerkt;
    m_vorgemerkt.reset();
    Erzeugen(winter);
}

void TKacheln::Erzeugen(bool winter) const
{
    KartenbilderLaden();
    const QImage symbol = Bild(QStringLiteral("Stadt")).scaled(Stadtsymbolgroesse, Stadtsymbolgroesse);
    for (int s = 0; s < AnzahlKachelslots; ++s) {
        const bool w = winter && HatWinterbild(s);
        const QImage plain =
            Bild(QString::fromLatin1(Kachelname(s)) + (w ? QLatin1Char('W') : QLatin1Char('N')));
        auto &z = Zonen[size_t(s)];
        z[Normal] = plain;
        z[Bauverbot] = MitBlick(plain, KachelRotSchraffieren);
        z[Sicherheit] = MitBlick(plain, KachelAbdunkeln);
        z[Beide] = MitBlick(plain, KachelAbdunkelnUndSchraffieren);
        QImage stadt = plain.copy();
        {
            QPainter p(&stadt);
            p.drawImage(QPoint(4, 4), symbol);
        }
        Stadt[size_t(s)] = stadt;
    }
}

// ---------------------------------------------------------------------------------------
// Map surface

namespace {
// Background and fixed colour 11063763 of the grid.
const QColor Gitterfarbe(0xD3, 0xD1, 0xA8);
} // namespace

TKartenflaeche::TKartenflaeche(QWidget *eltern) : QAbstractScrollArea(eltern)
{
    setObjectName(QStringLiteral("StringGridKarte"));
    setAccessibleName(QStringLiteral("Karte"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    LeistenAnpassen();
}

void TKartenflaeche::Anbinden(const TWeltdaten *welten, const TZonenoptionen *zonen,
                              const TRoutenmarkierung *markierung, const TKacheln *kacheln)
{
    m_welten = welten;
    m_zonen = zonen;
    m_markierung = markierung;
    m_kacheln = kacheln;
    viewport()->update();
}

void TKartenflaeche::ZellgroesseSetzen(int groesse)
{
    const int x = ErsteSpalte(), y = ErsteZeile();
    m_zellgroesse = std::clamp(groesse, ZoomstufeMin, ZoomstufeMax);
    LeistenAnpassen();
    ErsteSpalteSetzen(x);
    ErsteZeileSetzen(y);
    viewport()->update();
}

void TKartenflaeche::SpaltenSetzen(int spalten)
{
    m_spalten = std::clamp(spalten, 2, GitterKante + 1);
    LeistenAnpassen();
    viewport()->update();
}

int TKartenflaeche::VolleSpalten() const
{
    return std::max(1, (viewport()->width() - m_zellgroesse) / m_zellgroesse);
}
int TKartenflaeche::VolleZeilen() const
{
    return std::max(1, (viewport()->height() - m_zellgroesse) / m_zellgroesse);
}
int TKartenflaeche::SichtbareSpalten() const
{
    const int n = (viewport()->width() - m_zellgroesse + m_zellgroesse - 1) / m_zellgroesse;
    return std::clamp(n, 1, m_spalten - ErsteSpalte());
}
int TKartenflaeche::SichtbareZeilen() const
{
    const int n = (viewport()->height() - m_zellgroesse + m_zellgroesse - 1) / m_zellgroesse;
    return std::clamp(n, 1, m_spalten - ErsteZeile());
}
int TKartenflaeche::ErsteSpalte() const
{
    return horizontalScrollBar()->value() + 1;
}
int TKartenflaeche::ErsteZeile() const
{
    return verticalScrollBar()->value() + 1;
}
void TKartenflaeche::ErsteSpalteSetzen(int spalte)
{
    horizontalScrollBar()->setValue(spalte - 1);
}
void TKartenflaeche::ErsteZeileSetzen(int zeile)
{
    verticalScrollBar()->setValue(zeile - 1);
}

void TKartenflaeche::LeistenAnpassen()
{
    // the first visible cell goes up to columns - fully visible columns
    horizontalScrollBar()->setRange(0, std::max(0, m_spalten - 1 - VolleSpalten()));
    verticalScrollBar()->setRange(0, std::max(0, m_spalten - 1 - VolleZeilen()));
    horizontalScrollBar()->setPageStep(VolleSpalten());
    verticalScrollBar()->setPageStep(VolleZeilen());
}

void TKartenflaeche::ZelleWaehlen(int x, int y)
{
    x = std::clamp(x, 1, m_spalten - 1);
    y = std::clamp(y, 1, m_spalten - 1);
    if (x < ErsteSpalte())
        ErsteSpalteSetzen(x);
    else if (x > ErsteSpalte() + VolleSpalten() - 1)
        ErsteSpalteSetzen(x - VolleSpalten() + 1);
    if (y < ErsteZeile())
        ErsteZeileSetzen(y);
    else if (y > ErsteZeile() + VolleZeilen() - 1)
        ErsteZeileSetzen(y - VolleZeilen() + 1);
}

QPoint TKartenflaeche::FeldBei(QPoint p) const
{
    const int z = m_zellgroesse;
    if (p.x() < z || p.y() < z || p.x() >= viewport()->width() || p.y() >= viewport()->height())
        return {0, 0};
    const int x = (p.x() - z) / z + ErsteSpalte();
    const int y = (p.y() - z) / z + ErsteZeile();
    if (x >= m_spalten || y >= m_spalten)
        return {0, 0};
    return {x, y};
}

QRect TKartenflaeche::Zellrechteck(int x, int y) const
{
    const int z = m_zellgroesse;
    return QRect((x - ErsteSpalte() + 1) * z, (y - ErsteZeile() + 1) * z, z, z);
}

void TKartenflaeche::ZelleNeuZeichnen(int x, int y, int rand)
{
    viewport()->update(Zellrechteck(x, y).adjusted(-rand, -rand, rand, rand));
}

const QImage &TKartenflaeche::Skaliert(TKachelwahl k, TZonenblick z) const
{
    if (m_skaliertGroesse != m_zellgroesse || m_skaliertVon != m_kacheln || m_skaliertStand != Kachelstand) {
        m_kacheln->Bereitstellen();
        for (int s = 0; s < AnzahlKachelslots; ++s)
            for (int b = 0; b < 5; ++b) {
                const QImage &quelle =
                    b == 4 ? m_kacheln->Stadt[size_t(s)] : m_kacheln->Zonen[size_t(s)][size_t(b)];
                m_skaliert[size_t(s * 5 + b)] =
                    quelle
                        .scaled(m_zellgroesse, m_zellgroesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            }
        m_skaliertGroesse = m_zellgroesse;
        m_skaliertVon = m_kacheln;
        m_skaliertStand = Kachelstand;
    }
    return m_skaliert[size_t(k.Slot * 5 + (k.Stadt ? 4 : int(z)))];
}

void TKartenflaeche::Malen(QPainter &p, const QRect &bereich) const
{
    const int z = m_zellgroesse;
    const int l = ErsteSpalte(), t = ErsteZeile();
    const int ls = l + SichtbareSpalten() - 1, lz = t + SichtbareZeilen() - 1;
    p.fillRect(bereich, Gitterfarbe);
    if (!m_welten || !m_kacheln || !m_zonen)
        return;
    // only the cells inside the area to paint
    const int x0 = std::max(l, l + (bereich.left() - z) / z),
              x1 = std::min(ls, l + (bereich.right() - z) / z);
    const int y0 = std::max(t, t + (bereich.top() - z) / z),
              y1 = std::min(lz, t + (bereich.bottom() - z) / z);
    const uint8_t *gelaende = m_welten->Gelaende();
    for (int x = x0; x <= x1; ++x) {
        const int px = (x - l + 1) * z;
        for (int y = y0; y <= y1; ++y) {
            const TKachelwahl k = KachelFuerCode(gelaende[Zelle(x, y)]);
            p.drawImage(QPoint(px, (y - t + 1) * z),
                        Skaliert(k, k.Stadt ? Normal : Zonenblick(*m_welten, *m_zonen, x, y)));
        }
    }
    if (m_tour)
        TourbildMalen(p, *m_tour, l, t, ls, lz, z, bereich, TTourteil::Linien);
    // route: from each marked cell towards each marked neighbour; half a cell when the
    // neighbour lies beyond the visible cells
    if (m_markierung) {
        QVector<QLineF> linien;
        const double h = z / 2.0;
        for (int x = std::max(1, x0 - 1); x <= std::min(x1 + 1, ls); ++x)
            for (int y = std::max(1, y0 - 1); y <= std::min(y1 + 1, lz); ++y) {
                if (!m_markierung->Markiert(x, y))
                    continue;
                const QPointF mitte((x - l + 1) * z + h, (y - t + 1) * z + h);
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) {
                        if ((dx == 0 && dy == 0) || !m_markierung->Markiert(x + dx, y + dy))
                            continue;
                        const bool draussen = x + dx < l || x + dx > ls || y + dy < t || y + dy > lz;
                        const double laenge = draussen ? h : z;
                        linien << QLineF(mitte, mitte + QPointF(dx * laenge, dy * laenge));
                    }
            }
        if (!linien.isEmpty()) {
            p.save();
            p.setClipRect(QRect(z, z, bereich.right() + 1, bereich.bottom() + 1).intersected(bereich));
            p.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::FlatCap));
            p.drawLines(linien);
            p.restore();
        }
    }
    if (m_tour)
        TourbildMalen(p, *m_tour, l, t, ls, lz, z, bereich, TTourteil::Stationen);
    // the fixed row and column with the coordinates
    const int breite = z + SichtbareSpalten() * z, hoehe = z + SichtbareZeilen() * z;
    p.fillRect(QRect(0, 0, breite, z), Gitterfarbe);
    p.fillRect(QRect(0, 0, z, hoehe), Gitterfarbe);
    if (z >= 10) {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(std::clamp(z * 2 / 5, 5, 12));
        p.setFont(f);
        p.setPen(Qt::black);
        for (int x = l; x <= ls; ++x)
            p.drawText(QRect((x - l + 1) * z, 0, z, z), Qt::AlignCenter, QString::number(x));
        for (int y = t; y <= lz; ++y)
            p.drawText(QRect(0, (y - t + 1) * z, z, z), Qt::AlignCenter, QString::number(y));
    }
}

void TKartenflaeche::paintEvent(QPaintEvent *e)
{
    QPainter p(viewport());
    Malen(p, e->rect());
}

void TKartenflaeche::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    LeistenAnpassen();
}

bool TKartenflaeche::viewportEvent(QEvent *e)
{
    // the map window shows the town names itself, after the mouse stood still
    if (e->type() == QEvent::ToolTip)
        return true;
    return QAbstractScrollArea::viewportEvent(e);
}

void TKartenflaeche::mouseMoveEvent(QMouseEvent *e)
{
    emit Mausbewegung(e);
}
void TKartenflaeche::mousePressEvent(QMouseEvent *e)
{
    setFocus(Qt::MouseFocusReason);
    emit Maustaste(e, true);
}
void TKartenflaeche::mouseReleaseEvent(QMouseEvent *e)
{
    emit Maustaste(e, false);
}
void TKartenflaeche::wheelEvent(QWheelEvent *e)
{
    emit Mausrad(e);
    e->accept();
}
void TKartenflaeche::keyPressEvent(QKeyEvent *e)
{
    emit Taste(e, true);
    if (!e->isAccepted())
        QAbstractScrollArea::keyPressEvent(e);
}
void TKartenflaeche::keyReleaseEvent(QKeyEvent *e)
{
    emit Taste(e, false);
}

// ---------------------------------------------------------------------------------------
// Window

namespace {
QToolButton *Zoomknopf(QWidget *eltern, const char *name, const QString &text, const QString &hinweis)
{
    auto *b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hinweis);
    b->setAccessibleName(hinweis);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::StrongFocus);
    QFont f = b->font();
    f.setBold(true);
    f.setPixelSize(14);
    b->setFont(f);
    return b;
}

// The caption of a zone box; both are placed when the window is resized.
QLabel *Boxbeschriftung(QWidget *eltern, const char *name, const QString &text, QCheckBox *box)
{
    QLabel *l = FeldBeschriftung(eltern, text, box, QRect());
    l->setObjectName(QLatin1String(name));
    l->setCursor(Qt::PointingHandCursor);
    return l;
}
} // namespace

TForm8::TForm8(TSitzung &sitzung, const TRoutenSitzung &routen, QWidget *hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Karte"), Rahmen::Groessenveraenderbar, false),
      m_sitzung(sitzung), m_routen(routen), m_welten(routen.Welten())
{
    setObjectName(QStringLiteral("Form8"));
    setMinimumSize(520, 520);
    resize(760, 640);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    CheckBoxSicherheitszone = new QCheckBox(this);
    CheckBoxSicherheitszone->setObjectName(QStringLiteral("CheckBoxSicherheitszone"));
    CheckBoxBauverbotszone = new QCheckBox(this);
    CheckBoxBauverbotszone->setObjectName(QStringLiteral("CheckBoxBauverbotszone"));
    CheckBoxWinterTheme = new QCheckBox(this);
    CheckBoxWinterTheme->setObjectName(QStringLiteral("CheckBoxWinterTheme"));
    LabelMapSicherheitszone = Boxbeschriftung(this, "LabelMapSicherheitszone",
                                              QStringLiteral("Sicherheitszonen"), CheckBoxSicherheitszone);
    LabelMapBauverbotszone = Boxbeschriftung(this, "LabelMapBauverbotszone",
                                             QStringLiteral("Bauverbotszonen"), CheckBoxBauverbotszone);
    LabelWinterTheme =
        Boxbeschriftung(this, "LabelWinterTheme", QStringLiteral("Winter-Theme"), CheckBoxWinterTheme);
    for (QLabel *l : {LabelMapSicherheitszone, LabelMapBauverbotszone, LabelWinterTheme})
        l->installEventFilter(this);
    connect(CheckBoxSicherheitszone, &QCheckBox::toggled, this, [this] { KarteNeuZeichnen(); });
    connect(CheckBoxBauverbotszone, &QCheckBox::toggled, this, [this] { KarteNeuZeichnen(); });
    connect(CheckBoxWinterTheme, &QCheckBox::toggled, this, &TForm8::CheckBoxWinterThemeClick);

    LabelKoordinaten = new QLabel(this);
    LabelKoordinaten->setObjectName(QStringLiteral("LabelKoordinaten"));
    LabelKoordinaten->setTextFormat(Qt::PlainText);
    QFont gross = schrift;
    gross.setBold(true);
    gross.setPixelSize(16);
    LabelKoordinaten->setFont(gross);

    SpeedButtonZoomPlus =
        Zoomknopf(this, "SpeedButtonZoomPlus", QStringLiteral("+"), QStringLiteral("Reinzoomen"));
    SpeedButtonZoomMinus =
        Zoomknopf(this, "SpeedButtonZoomMinus", QStringLiteral("−"), QStringLiteral("Rauszoomen"));
    SpeedButtonZoomReset =
        Zoomknopf(this, "SpeedButtonZoomReset", QStringLiteral("1:1"), QStringLiteral("Zoom zurücksetzen"));
    connect(SpeedButtonZoomPlus, &QToolButton::clicked, this, &TForm8::SpeedButtonZoomPlusClick);
    connect(SpeedButtonZoomMinus, &QToolButton::clicked, this, &TForm8::SpeedButtonZoomMinusClick);
    connect(SpeedButtonZoomReset, &QToolButton::clicked, this, &TForm8::SpeedButtonZoomResetClick);

    StringGridKarte = new TKartenflaeche(this);
    connect(StringGridKarte, &TKartenflaeche::Mausbewegung, this, &TForm8::StringGridKarteMouseMove);
    connect(StringGridKarte, &TKartenflaeche::Maustaste, this, [this](QMouseEvent *e, bool gedrueckt) {
        if (gedrueckt)
            StringGridKarteMouseDown(e);
        else
            StringGridKarteMouseUp(e);
    });
    connect(StringGridKarte, &TKartenflaeche::Mausrad, this, &TForm8::StringGridKarteMouseWheel);
    connect(StringGridKarte, &TKartenflaeche::Taste, this, [this](QKeyEvent *e, bool gedrueckt) {
        if (gedrueckt)
            StringGridKarteKeyDown(e);
    });

    TimerKarteHint = new QTimer(this);
    TimerKarteHint->setObjectName(QStringLiteral("TimerKarteHint"));
    TimerKarteHint->setInterval(500);
    connect(TimerKarteHint, &QTimer::timeout, this, &TForm8::TimerKarteHintTimer);
    TimerKarteMove = new QTimer(this);
    TimerKarteMove->setObjectName(QStringLiteral("TimerKarteMove"));
    TimerKarteMove->setInterval(50);
    connect(TimerKarteMove, &QTimer::timeout, this, &TForm8::TimerKarteMoveTimer);

    setTabOrder(CheckBoxSicherheitszone, CheckBoxBauverbotszone);
    setTabOrder(CheckBoxBauverbotszone, CheckBoxWinterTheme);
    setTabOrder(CheckBoxWinterTheme, SpeedButtonZoomPlus);
    setTabOrder(SpeedButtonZoomPlus, SpeedButtonZoomMinus);
    setTabOrder(SpeedButtonZoomMinus, SpeedButtonZoomReset);
    setTabOrder(SpeedButtonZoomReset, StringGridKarte);

    // Blocked: the options already hold the look, which is only asked for here; the tiles are
    // made when the map first paints.
    {
        const QSignalBlocker sperre(CheckBoxWinterTheme);
        CheckBoxWinterTheme->setChecked(sitzung.Optionen().WinterTheme);
    }
    KachelnErzeugen(sitzung.Optionen().WinterTheme);
    StringGridKarte->Anbinden(&m_welten, &m_zonen, &m_markierung, &m_kacheln);
    // the caption stays "Karte" until the window is shown or the world switches
    StringGridKarte->SpaltenSetzen(m_welten.Kartengroesse + 1);
    ZonenUebernehmen();

    // Unblocked: switched by the options, the tiles follow as after a click.
    connect(&sitzung, &TSitzung::optionenGeaendert, this,
            [this](const TOptionen &o) { CheckBoxWinterTheme->setChecked(o.WinterTheme); });
    connect(&routen, &TRoutenSitzung::weltGeaendert, this, &TForm8::WeltGewechselt);
    connect(&routen, &TRoutenSitzung::weltkartenGeaendert, this, &TForm8::KarteNeuZeichnen);
    connect(&routen, &TRoutenSitzung::zonenGeaendert, this, &TForm8::KarteNeuZeichnen);
    connect(&routen, &TRoutenSitzung::stadtlistenStandGeaendert, this, [this] {
        BeschriftungSetzen();
        KarteNeuZeichnen();
    });
}

void TForm8::FormCreate()
{
    TimerKarteHint->start();
}

void TForm8::resizeEvent(QResizeEvent *e)
{
    TNebenfenster::resizeEvent(e);
    const int b = width();
    CheckBoxSicherheitszone->setGeometry(8, 10, 18, 18);
    LabelMapSicherheitszone->setGeometry(28, 10, 100, 18);
    CheckBoxBauverbotszone->setGeometry(132, 10, 18, 18);
    LabelMapBauverbotszone->setGeometry(152, 10, 100, 18);
    CheckBoxWinterTheme->setGeometry(256, 10, 18, 18);
    LabelWinterTheme->setGeometry(276, 10, 90, 18);
    LabelKoordinaten->setGeometry(372, 6, std::max(60, b - 372 - 112), 26);
    SpeedButtonZoomPlus->setGeometry(b - 106, 5, 30, 28);
    SpeedButtonZoomMinus->setGeometry(b - 72, 5, 30, 28);
    SpeedButtonZoomReset->setGeometry(b - 38, 5, 34, 28);
    StringGridKarte->setGeometry(0, 38, b, height() - 38);
}

void TForm8::BeschriftungSetzen()
{
    const int welt = m_welten.AktuelleWelt;
    setWindowTitle(QStringLiteral("Karte von ") + QString::fromLatin1(Weltangaben(welt).Name) +
                   QStringLiteral(" (Stand: ") + StandAnzeigen(m_routen.StadtlistenStand()) +
                   QStringLiteral(")"));
}

void TForm8::FormShow()
{
    ZonenUebernehmen();
    BeschriftungSetzen();
    // The grid has its size now.
    m_einmalGezeigt = true;
    if (m_offeneZentrierung) {
        KarteZentrieren(m_offeneZentrierung->x(), m_offeneZentrierung->y());
        m_offeneZentrierung.reset();
    }
}

void TForm8::FormClose()
{
    TimerKarteMove->stop();
    QToolTip::hideText();
    TNebenfenster::FormClose();
}

void TForm8::Zeigen()
{
    const bool zuerst = !isVisible() && ErstesZeigen;
    if (!isVisible())
        AufHauptfensterZentrieren();
    show();
    raise();
    activateWindow();
    if (zuerst && ErstesZeigen) {
        const int mitte = m_welten.AktuelleWelt == 3 ? 56 : 106;
        StringGridKarte->ZelleWaehlen(mitte, mitte);
    }
}

void TForm8::WeltGewechselt()
{
    StringGridKarte->SpaltenSetzen(m_welten.Kartengroesse + 1);
    MarkierungenLoeschen();
    ZonenUebernehmen();
    StringGridKarte->viewport()->update();
    BeschriftungSetzen();
}

void TForm8::ZonenUebernehmen()
{
    m_zonen.Sicherheitszonen = CheckBoxSicherheitszone->isChecked();
    m_zonen.Bauverbotszonen = CheckBoxBauverbotszone->isChecked();
    const TZonenabstaende &z = m_routen.Zonen();
    m_zonen.SZone = z.SZone;
    m_zonen.BZone = z.BZone;
    m_zonen.SZoneHS = z.SZoneHS;
    m_zonen.BZoneHS = z.BZoneHS;
}

void TForm8::KarteNeuZeichnen()
{
    ZonenUebernehmen();
    if (isVisible())
        StringGridKarte->viewport()->update();
}

void TForm8::KachelnErzeugen(bool winter)
{
    m_kacheln.Vormerken(winter);
    ++StringGridKarte->Kachelstand;
}

void TForm8::CheckBoxWinterThemeClick()
{
    m_sitzung.WinterlookSetzen(CheckBoxWinterTheme->isChecked());
    KachelnErzeugen(CheckBoxWinterTheme->isChecked());
    StringGridKarte->viewport()->update();
}

void TForm8::RouteZeigen(const Wegpunktliste &route, bool zentrieren)
{
    MarkierungenLoeschen();
    m_markierung.RouteMarkieren(route);
    MarkierteZellenNeuZeichnen();
    if (zentrieren && !route.Leer()) {
        if (m_einmalGezeigt)
            KarteZentrieren(route.Erster().x, route.Erster().y);
        else
            m_offeneZentrierung = QPoint(route.Erster().x, route.Erster().y);
    }
}

void TForm8::TourZeigen(TTourbild bild)
{
    m_tourbild = std::move(bild);
    StringGridKarte->TourSetzen(&m_tourbild);
    StringGridKarte->viewport()->update();
}

namespace {
template <class F> void SichtbareMarkierte(const TKartenflaeche *k, const TRoutenmarkierung &m, F f)
{
    const int l = k->ErsteSpalte(), t = k->ErsteZeile();
    for (int x = l; x <= std::min(l + k->SichtbareSpalten(), GitterKante); ++x)
        for (int y = t; y <= std::min(t + k->SichtbareZeilen(), GitterKante); ++y)
            if (m.Markiert(x, y))
                f(x, y);
}
} // namespace

void TForm8::MarkierungenLoeschen()
{
    // the old lines vanish with their cells, enlarged so that the pen's edge goes too
    SichtbareMarkierte(StringGridKarte, m_markierung,
                       [this](int x, int y) { StringGridKarte->ZelleNeuZeichnen(x, y, 2); });
    m_markierung.Leeren();
}

void TForm8::MarkierteZellenNeuZeichnen()
{
    SichtbareMarkierte(StringGridKarte, m_markierung,
                       [this](int x, int y) { StringGridKarte->ZelleNeuZeichnen(x, y, 2); });
}

void TForm8::KarteZentrieren(int x, int y)
{
    const TKartenflaeche *k = StringGridKarte;
    const int zx = ZentrierteZelle(x, k->ErsteSpalte(), k->VolleSpalten(), k->Spalten());
    const int zy = ZentrierteZelle(y, k->ErsteZeile(), k->VolleZeilen(), k->Spalten());
    StringGridKarte->ZelleWaehlen(zx, zy);
}

void TForm8::SpeedButtonZoomPlusClick()
{
    const int z = StringGridKarte->Zellgroesse();
    if (z < ZoomstufeMax)
        StringGridKarte->ZellgroesseSetzen(ZoomRein(z));
}

void TForm8::SpeedButtonZoomMinusClick()
{
    const int z = StringGridKarte->Zellgroesse();
    if (z > ZoomstufeMin)
        StringGridKarte->ZellgroesseSetzen(ZoomRaus(z));
}

void TForm8::SpeedButtonZoomResetClick()
{
    if (StringGridKarte->Zellgroesse() != ZoomstufeStandard)
        StringGridKarte->ZellgroesseSetzen(ZoomstufeStandard);
}

void TForm8::Mausfeld(QPoint p, Qt::MouseButtons knoepfe, bool shift)
{
    const QPoint feld = StringGridKarte->FeldBei(p);
    if (feld.isNull()) {
        LabelKoordinaten->clear();
        return;
    }
    QString text = QString::number(feld.x()) + QLatin1Char(':') + QString::number(feld.y());
    if (shift) {
        const bool links = knoepfe & Qt::LeftButton, rechts = knoepfe & Qt::RightButton;
        const TRoutenplaner &r = m_routenplaner;
        if (links && !rechts && r.TourAktiv && r.TourAktiv()) {
            text += QStringLiteral(" Station"); // added on the press alone, not while dragging
        } else if (links && !rechts) {
            if (r.StartSetzen)
                r.StartSetzen(feld.x(), feld.y());
            text += QStringLiteral(" Start");
        } else if (rechts && !links) {
            if (r.ZielSetzen)
                r.ZielSetzen(feld.x(), feld.y());
            text += QStringLiteral(" Ziel");
        } else if (links && rechts) {
            if (r.StartSetzen)
                r.StartSetzen(feld.x(), feld.y());
            if (r.ZielSetzen)
                r.ZielSetzen(feld.x(), feld.y());
            text += QStringLiteral(" Start & Ziel");
        }
    }
    LabelKoordinaten->setText(text);
}

void TForm8::StringGridKarteMouseMove(QMouseEvent *e)
{
    m_letzteMausGlobal = e->globalPosition().toPoint();
    Mausfeld(e->position().toPoint(), e->buttons(), UmschaltGehalten());
}

void TForm8::StringGridKarteMouseDown(QMouseEvent *e)
{
    QToolTip::hideText(); // a click switches the hint off
    m_hinweisGezeigt = true;
    if (UmschaltGehalten()) {
        Mausfeld(e->position().toPoint(), e->buttons(), true);
        const QPoint feld = StringGridKarte->FeldBei(e->position().toPoint());
        const TRoutenplaner &r = m_routenplaner;
        if (e->buttons() == Qt::LeftButton && !feld.isNull() && r.TourAktiv && r.TourAktiv() &&
            r.StationSetzen)
            r.StationSetzen(feld.x(), feld.y());
        return;
    }
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton) {
        m_druckpunkt = e->globalPosition().toPoint();
        m_letzteMausGlobal = m_druckpunkt;
        TimerKarteMove->start();
    }
}

void TForm8::StringGridKarteMouseUp(QMouseEvent *e)
{
    if (!(e->buttons() & (Qt::LeftButton | Qt::RightButton)))
        TimerKarteMove->stop();
    if (e->button() == Qt::RightButton)
        Mausfeld(e->position().toPoint(), e->buttons(), UmschaltGehalten());
}

void TForm8::TimerKarteMoveTimer()
{
    const TKartenflaeche *k = StringGridKarte;
    const QPoint d = m_letzteMausGlobal - m_druckpunkt;
    const int x =
        ZugZielzelle(d.x(), k->ErsteSpalte(), k->ErsteSpalte() + k->VolleSpalten() - 1, k->Spalten());
    const int y = ZugZielzelle(d.y(), k->ErsteZeile(), k->ErsteZeile() + k->VolleZeilen() - 1, k->Spalten());
    StringGridKarte->ZelleWaehlen(x, y);
}

void TForm8::StringGridKarteMouseWheel(QWheelEvent *e)
{
    const int delta = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
    if (delta == 0)
        return;
    const bool runter = delta < 0;
    if (StrgGehalten()) {
        if (runter)
            SpeedButtonZoomMinusClick();
        else
            SpeedButtonZoomPlusClick();
        return;
    }
    TKartenflaeche *k = StringGridKarte;
    const int schritt = runter ? 3 : -3;
    if (UmschaltGehalten())
        k->ErsteSpalteSetzen(
            std::clamp(k->ErsteSpalte() + schritt, 1, std::max(1, k->Spalten() - k->VolleSpalten())));
    else
        k->ErsteZeileSetzen(
            std::clamp(k->ErsteZeile() + schritt, 1, std::max(1, k->Spalten() - k->VolleZeilen())));
}

void TForm8::StringGridKarteKeyDown(QKeyEvent *e)
{
    TKartenflaeche *k = StringGridKarte;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_routenplaner.BerechnungStarten)
            m_routenplaner.BerechnungStarten();
        break;
    case Qt::Key_Shift:
        TimerKarteMove->stop();
        break;
    // the arrow keys move the view one field
    case Qt::Key_Left:
        k->ErsteSpalteSetzen(k->ErsteSpalte() - 1);
        break;
    case Qt::Key_Right:
        k->ErsteSpalteSetzen(k->ErsteSpalte() + 1);
        break;
    case Qt::Key_Up:
        k->ErsteZeileSetzen(k->ErsteZeile() - 1);
        break;
    case Qt::Key_Down:
        k->ErsteZeileSetzen(k->ErsteZeile() + 1);
        break;
    case Qt::Key_Plus:
        SpeedButtonZoomPlusClick();
        break;
    case Qt::Key_Minus:
        SpeedButtonZoomMinusClick();
        break;
    default:
        e->ignore();
        return;
    }
    e->accept();
}

void TForm8::TimerKarteHintTimer()
{
    if (!isVisible() || TimerKarteMove->isActive())
        return;
    const QPoint jetzt = QCursor::pos();
    const bool still = jetzt == m_letzteMaus;
    if (!still)
        m_hinweisGezeigt = false;
    m_letzteMaus = jetzt;
    if (!still || m_hinweisGezeigt)
        return;
    const QVariant schalter = property("ShowHint");
    if (schalter.isValid() && !schalter.toBool())
        return;
    const QPoint feld = StringGridKarte->FeldBei(StringGridKarte->viewport()->mapFromGlobal(jetzt));
    if (feld.isNull())
        return;
    const QString name = m_welten.Stadtnamen()[size_t(Zelle(feld.x(), feld.y()))];
    m_hinweisGezeigt = true;
    if (!name.isEmpty())
        QToolTip::showText(jetzt, name, StringGridKarte->viewport());
}

bool TForm8::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonRelease) {
        if (objekt == LabelMapSicherheitszone)
            CheckBoxSicherheitszone->toggle();
        else if (objekt == LabelMapBauverbotszone)
            CheckBoxBauverbotszone->toggle();
        else if (objekt == LabelWinterTheme)
            CheckBoxWinterTheme->toggle();
    }
    return TNebenfenster::eventFilter(objekt, ereignis);
}

} // namespace mvt
