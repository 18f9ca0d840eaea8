// The evaluation pages of the planner tab: "Offensive" (own attack against the opponent's
// defence) and "Defensive" (the opponent's attack against one's own defence), each with the
// opponent's values, presets and the result rows.
#pragma once

#include "planner/Planer.h"
#include "planner/Vergleich.h"

#include <QTabWidget>

#include <array>
#include <utility>

class QLabel;
class QLineEdit;

namespace mvt {

class TCharakterPlanerSeite;
class TVergleichsanzeige;

class TBewertungsseiten : public QTabWidget {
    Q_OBJECT
public:
    // Below the slot column and the values.
    static constexpr QRect Ort{218, 392, 564, 162};

    // The opponent fields start with the planner's opponent.
    TBewertungsseiten(TCharakterPlanerSeite &seite, const planer::TGegnerwerte &gegner);

    void Zeigen(const planer::TBewertung &b);
    // The damage fields light red while they cannot be read together; returns which of
    // minimum and maximum are wrong.
    std::pair<bool, bool> GegnerFarbenZeigen();
    // The fields' texts.
    planer::TGegnerTexte GegnerTexte() const;
    void VergleichZeigen(TVergleichsanzeige &a, const planer::TVergleich &v);

    std::array<QLineEdit *, planer::AnzahlGegnerFelder> Gegner{};

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    struct TErgebniszeile {
        QLabel *Beschriftung = nullptr;
        QLabel *Wert = nullptr;
    };
    std::array<TErgebniszeile, 8> m_offensiv{};
    std::array<TErgebniszeile, 8> m_defensiv{};
};

} // namespace mvt
