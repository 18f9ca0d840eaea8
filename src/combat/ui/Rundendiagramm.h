// Chart of the detail view: a fighter's damage dealt, damage taken and healing per Runde,
// and the damage dealt of a second fighter for comparison. It keeps copies of the
// figures, so a new evaluation cannot leave it pointing into released fighters.
#pragma once

#include "combat/Kaempfer.h"

#include <QWidget>

#include <vector>

namespace mvt {

class TRundendiagramm : public QWidget {
    Q_OBJECT
public:
    explicit TRundendiagramm(QWidget *parent = nullptr);

    // The fighter whose three lines are drawn over the Runden 1..runden of the fight;
    // nullptr leaves the chart empty.
    void KaempferSetzen(const TKaempfer *k, int32_t runden);
    // The fighter whose damage dealt is drawn for comparison; nullptr removes it.
    void VergleichSetzen(const TKaempfer *k);
    const QString &Vergleichsname() const { return m_vergleichName; }
    const QString &Kaempfername() const { return m_name; }

    // The Runde under a point of the widget, 0 when the point is outside the plot.
    int RundeBei(QPoint p) const;
    // The values of one Runde as the tool tip shows them.
    QString Hinweistext(int runde) const;
    // The Runde marked by the mouse or the arrow keys, 0 for none; its figures are the
    // chart's accessible value.
    int Marke() const { return m_marke; }
    int32_t Runden() const { return m_runden; }

signals:
    // Page Up / Page Down: the next or previous fighter for comparison (the keyboard's
    // way to what Ctrl+click on a table row does).
    void vergleichWechseln(int richtung);

public:
    QSize sizeHint() const override { return {400, 120}; }

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    bool event(QEvent *ereignis) override;
    void mouseMoveEvent(QMouseEvent *ereignis) override;
    void leaveEvent(QEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    enum TReihe { SchadenAus = 0, SchadenEin, HeilungAus, Vergleich, Reihen };
    QRect Flaeche() const;
    double X(int runde, const QRect &f) const;
    int64_t Obergrenze() const;
    void MarkeSetzen(int runde);
    void HinweisZeigen(QPoint wo);
    void BeschreibungSetzen();

    QString m_name;
    QString m_vergleichName;
    int32_t m_runden = 0;
    // One value per Runde 1..m_runden, Runden without a booking 0.
    std::vector<int32_t> m_werte[Reihen];
    // Runde marked by the mouse or the arrow keys, 0 for none.
    int m_marke = 0;
};

} // namespace mvt
