// The value column of the planner tab: the effective values in a melee and a ranged frame,
// each chosen with its radio button as the view the evaluation uses.
#pragma once

#include "planner/Planer.h"
#include "planner/Vergleich.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QRadioButton;

namespace mvt {

class TCharakterPlanerSeite;
class TVergleichsanzeige;

class TWertespalte : public QWidget {
    Q_OBJECT
public:
    // Right of the slot column, above the evaluation pages.
    static constexpr QRect Ort{558, 0, 226, 392};

    explicit TWertespalte(TCharakterPlanerSeite &seite);

    // Both frames and the chosen view.
    void Zeigen(const planer::TPlaner &p);
    // Which frame is the active one.
    void AnsichtZeigen(const planer::TPlaner &p);
    // The differences to a saved character beside the values.
    void VergleichZeigen(TVergleichsanzeige &a, const planer::TVergleich &v);

private:
    struct TWaffenlabels {
        QLabel *Name, *SchadenB, *Schaden, *TempoB, *Tempo, *TreffB, *Treff, *KritB, *Krit;
    };
    struct TSpalte {
        QFrame *Rahmen;
        QRadioButton *Wahl;
        QLabel *Titel, *Aktiv;
        QLabel *RuesB, *Rues, *AbsB, *Abs, *AuswB, *Ausw, *BehB, *Beh, *BlockB, *Block;
        std::array<TWaffenlabels, 2> Waffen;
    };
    TSpalte SpalteAnlegen(const QString &name, const QString &titel, int y, int h);
    void SpalteZeigen(TSpalte &sp, const planer::TKampfspalte &k, bool fern);

    QLabel *LabelEffektiveWerte;
    TSpalte m_nah{};
    TSpalte m_fern{};
};

} // namespace mvt
