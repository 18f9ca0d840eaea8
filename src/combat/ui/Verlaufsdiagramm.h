// Chart of a fighter's history in the combat archive: damage dealt, damage taken and
// healing per archived fight, oldest on the left, one point per fight.
#pragma once

#include "combat/Kampfarchiv.h"

#include <QWidget>

#include <vector>

namespace mvt {

class TVerlaufsdiagramm : public QWidget {
    Q_OBJECT
public:
    explicit TVerlaufsdiagramm(QWidget *parent = nullptr);

    // Oldest first, as TKampfarchiv::Verlauf gives them; empty clears the chart.
    void VerlaufSetzen(const QString &name, std::vector<TVerlaufspunkt> punkte);
    const std::vector<TVerlaufspunkt> &Punkte() const { return m_punkte; }

    // The fight (0-based) under a point of the widget, -1 outside the plot.
    int KampfBei(QPoint p) const;
    QString Hinweistext(int kampf) const;

    QSize sizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    bool event(QEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    QRect Flaeche() const;
    double X(int kampf, const QRect &f) const;
    int64_t Obergrenze() const;
    void BeschreibungSetzen();

    QString m_name;
    std::vector<TVerlaufspunkt> m_punkte;
    int m_marke = -1; // fight marked by the arrow keys
};

} // namespace mvt
