// Map window TForm8 ("Karte"): the current world with towns, zones and the route, zoom,
// scrolling, start and target by mouse. Not modal: the main window stays usable.
#pragma once

#include "routes/Kartenmodell.h"
#include "routes/Tour.h"
#include "ui/Nebenfenster.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QTimer;
class QToolButton;

namespace mvt {

// Makes the pictures of the map window and the route tab available (":/karte/...").
void KartenbilderLaden();

// The 23 terrain slots with their four zone looks and the 23 town tiles of one look
// (normal or winter), made once per look from the 30 x 30 pictures.
struct TKacheln {
    // Mutable: pictures made when first needed (Bereitstellen), from the look asked for.
    mutable std::array<std::array<QImage, 4>, routen::AnzahlKachelslots> Zonen;
    mutable std::array<QImage, routen::AnzahlKachelslots> Stadt;
    // Makes the tiles of the winter or the summer look at once.
    void KachelnErzeugen(bool winter);
    // Asks for a look; its tiles are made by the next Bereitstellen, so that a map window
    // made at start and not shown makes none.
    void Vormerken(bool winter) { m_vorgemerkt = winter; }
    void Bereitstellen() const;
    const QImage &Kachel(routen::TKachelwahl k, routen::TZonenblick z) const
    {
        Bereitstellen();
        return k.Stadt ? Stadt[size_t(k.Slot)] : Zonen[size_t(k.Slot)][z];
    }

private:
    void Erzeugen(bool winter) const;
    mutable std::optional<bool> m_vorgemerkt;
};

// StringGridKarte: the map as one custom-painted surface that paints only the visible
// cells, with the coordinate row and column fixed at the top and left.
class TKartenflaeche : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TKartenflaeche(QWidget *eltern);

    void Anbinden(const routen::TWeltdaten *welten, const routen::TZonenoptionen *zonen,
                  const routen::TRoutenmarkierung *markierung, const TKacheln *kacheln);

    int Zellgroesse() const { return m_zellgroesse; }
    void ZellgroesseSetzen(int groesse);
    // Columns (= rows) including the coordinate column: Kartengroesse + 1.
    int Spalten() const { return m_spalten; }
    void SpaltenSetzen(int spalten);
    // First visible map column/row (1-based) and how many are visible (partly or fully).
    int ErsteSpalte() const;
    int ErsteZeile() const;
    int SichtbareSpalten() const;
    int SichtbareZeilen() const;
    int VolleSpalten() const;
    int VolleZeilen() const;
    void ErsteSpalteSetzen(int spalte);
    void ErsteZeileSetzen(int zeile);
    // Selects a cell: scrolls it into view as a grid does.
    void ZelleWaehlen(int x, int y);
    // Field under a point of the viewport; (0, 0) outside the map cells.
    QPoint FeldBei(QPoint p) const;
    // Rectangle of a field's cell in the viewport.
    QRect Zellrechteck(int x, int y) const;
    void ZelleNeuZeichnen(int x, int y, int rand);

    // Paints the visible area into a painter (also used by the benchmark).
    void Malen(QPainter &p, const QRect &bereich) const;
    // A tour drawn under the route; nullptr for none.
    void TourSetzen(const routen::TTourbild *tour) { m_tour = tour; }

signals:
    void Mausbewegung(QMouseEvent *e);
    void Maustaste(QMouseEvent *e, bool gedrueckt);
    void Mausrad(QWheelEvent *e);
    void Taste(QKeyEvent *e, bool gedrueckt);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    bool viewportEvent(QEvent *e) override;

private:
    void LeistenAnpassen();
    const QImage &Skaliert(routen::TKachelwahl k, routen::TZonenblick z) const;

    const routen::TWeltdaten *m_welten = nullptr;
    const routen::TZonenoptionen *m_zonen = nullptr;
    const routen::TRoutenmarkierung *m_markierung = nullptr;
    const TKacheln *m_kacheln = nullptr;
    const routen::TTourbild *m_tour = nullptr;
    int m_zellgroesse = routen::ZoomstufeStandard;
    int m_spalten = 201;
    // Tiles stretched to the cell size, made again when the size or the look changes.
    mutable std::array<QImage, routen::AnzahlKachelslots * 5> m_skaliert;
    mutable int m_skaliertGroesse = 0;
    mutable const TKacheln *m_skaliertVon = nullptr;
    mutable quint64 m_skaliertStand = 0;

public:
    // Increased by whoever rebuilds the tiles, so that the stretched copies follow.
    quint64 Kachelstand = 1;
};

class TSitzung;

namespace routen {
class TRoutenSitzung;
}

class TForm8 : public TNebenfenster {
    Q_OBJECT
public:
    // Draws the worlds of the route part with its zone widths and the winter look of the
    // options; follows a world switch, new grids, zones and town list stamp (its date in the
    // caption, "16.02.2018 - 10:08") as the route part reports them, and the winter look as
    // the options do.
    TForm8(TSitzung &sitzung, const routen::TRoutenSitzung &routen, QWidget *hauptfenster);

    void FormCreate() override;

    // Set at program start, cleared by the first displayed or loaded route.
    bool ErstesZeigen = true;
    // Shows the window; the first time it jumps to the middle of the world.
    void Zeigen();
    void RouteZeigen(const routen::Wegpunktliste &route, bool zentrieren);
    // The legs and numbered stops of a tour; an empty picture removes it.
    void TourZeigen(routen::TTourbild bild);
    const routen::TTourbild &Tourbild() const { return m_tourbild; }
    void MarkierungenLoeschen();
    void MarkierteZellenNeuZeichnen();
    void KarteZentrieren(int x, int y);
    // Takes the zone widths of the route part again and repaints the map when it is shown
    // (new zones or grids).
    void KarteNeuZeichnen();
    // Asks for the tiles of the winter or summer look; the map makes them when it next paints.
    void KachelnErzeugen(bool winter);
    void BeschriftungSetzen();

    // What the map hands to the route tab: start and target by mouse (Shift with the left,
    // the right or both buttons), the stops of a tour while TourAktiv answers true (Shift +
    // left button then adds a stop instead of setting the start), and a calculation without
    // centring (Enter or Space on the map), when the tab allows one.
    struct TRoutenplaner {
        std::function<void(int x, int y)> StartSetzen;
        std::function<void(int x, int y)> ZielSetzen;
        std::function<bool()> TourAktiv;
        std::function<void(int x, int y)> StationSetzen;
        std::function<void()> BerechnungStarten;
    };
    // Given once, by the route tab when it is made (TRoutenplanerSeite::KarteAnbinden).
    void RoutenplanerAnbinden(TRoutenplaner routenplaner) { m_routenplaner = std::move(routenplaner); }

    void SpeedButtonZoomPlusClick();
    void SpeedButtonZoomMinusClick();
    void SpeedButtonZoomResetClick();
    void CheckBoxWinterThemeClick();
    void TimerKarteHintTimer();
    void TimerKarteMoveTimer();

    const routen::TRoutenmarkierung &Routenmarkierung() const { return m_markierung; }
    const routen::TZonenoptionen &Zonen() const { return m_zonen; }

    QCheckBox *CheckBoxSicherheitszone, *CheckBoxBauverbotszone, *CheckBoxWinterTheme;
    QLabel *LabelMapSicherheitszone, *LabelMapBauverbotszone, *LabelWinterTheme, *LabelKoordinaten;
    QToolButton *SpeedButtonZoomPlus, *SpeedButtonZoomMinus, *SpeedButtonZoomReset;
    TKartenflaeche *StringGridKarte;
    QTimer *TimerKarteHint, *TimerKarteMove;

protected:
    void FormShow() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void WeltGewechselt();
    void StringGridKarteMouseMove(QMouseEvent *e);
    void StringGridKarteMouseDown(QMouseEvent *e);
    void StringGridKarteMouseUp(QMouseEvent *e);
    void StringGridKarteMouseWheel(QWheelEvent *e);
    void StringGridKarteKeyDown(QKeyEvent *e);
    void Mausfeld(QPoint p, Qt::MouseButtons knoepfe, bool shift);
    void ZonenUebernehmen();

    TSitzung &m_sitzung;
    const routen::TRoutenSitzung &m_routen;
    const routen::TWeltdaten &m_welten;
    TRoutenplaner m_routenplaner;
    routen::TZonenoptionen m_zonen;
    routen::TRoutenmarkierung m_markierung;
    TKacheln m_kacheln;
    routen::TTourbild m_tourbild;
    QPoint m_druckpunkt;         // screen position of the press that started dragging
    QPoint m_letzteMausGlobal;   // last mouse position over the map, for dragging
    QPoint m_letzteMaus{-1, -1}; // cursor at the previous hint tick
    bool m_hinweisGezeigt = false;
    // A route's start to centre once the window is shown: the grid has no size before its
    // first showing.
    std::optional<QPoint> m_offeneZentrierung;
    bool m_einmalGezeigt = false;
};

} // namespace mvt
