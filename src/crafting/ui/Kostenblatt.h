// One cost page of the crafting tab, for one production mode: the sale row, the building
// section, the purchase rows and the analysis of the build list. The page control of the
// tab holds four of them.
#pragma once

#include "crafting/Kostenseiten.h"
#include "ui/Bilder.h"

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace mvt {

class TPreiszeile;

// The controls of one cost page (k = 1..4); names as the page's objectName suffixes.
struct TKostenseitenSteuerung {
    QWidget *TabSheet = nullptr;
    QLabel *LabelVerkaufspreis0 = nullptr, *LabelVerkaufspreis1 = nullptr;
    QLineEdit *EditVerkaufspreisGold = nullptr;
    QLabel *LabelVerkaufspreisGold = nullptr;
    QSpinBox *SpinEditVerkaufspreisProzent = nullptr;
    QLabel *LabelVerkaufspreisProzent = nullptr;
    QToolButton *SpeedButtonVerkaufspreis = nullptr;
    TPreiszeile *Verkaufszeile = nullptr;

    QLabel *LabelGebaeude0 = nullptr, *LabelGebaeude1 = nullptr;
    QComboBox *ComboBoxGebaeude = nullptr;
    QSpinBox *SpinEditGebaeude = nullptr;
    QLabel *LabelGebaeudeGold = nullptr;
    QToolButton *SpeedButtonGebaeude = nullptr;

    QLabel *LabelKosten0 = nullptr, *LabelKostenGold = nullptr, *LabelKostenProzent = nullptr;
    std::array<QLabel *, 6> LabelKosten{};             // [1..5]
    std::array<QLineEdit *, 6> EditKostenGold{};       // [1..5]
    std::array<QSpinBox *, 6> SpinEditKostenProzent{}; // [1..5]
    std::array<TPreiszeile *, 6> Kostenzeile{};        // [1..5]
    QToolButton *SpeedButtonKosten = nullptr;

    QLabel *LabelAnalyse0 = nullptr;
    std::array<QLabel *, 9> LabelAnalyseStatic{}; // [1..8]
    std::array<QLabel *, 9> LabelAnalyse{};       // [1..8]
    QToolButton *SpeedButtonAnalyse = nullptr;
};

class TKostenblatt : public THintergrund {
    Q_OBJECT
public:
    // seite: the production mode 1..4. The controls are made by Anlegen.
    explicit TKostenblatt(int seite, QWidget *eltern = nullptr);

    // Makes the controls (once); the page must already sit in its page control, so that
    // they take its font. Made while the page is shown, they show at once.
    void Anlegen();
    bool Angelegt() const { return m_angelegt; }
    int Seite() const { return m_seite; }

    // Shows sale, building and purchase rows; prices as the gold field writes them.
    // Stores nothing.
    void Anzeigen(const TKostenseite &d);
    void AnalyseAnzeigen(const TAnalyseErgebnis &a);
    // Hides the fields and the analysis (empty build list): FelderVerbergen and
    // AnalyseVerbergen.
    void AnalyseLeeren();
    // The price fields, the building controls and the "Alle anzeigen..." buttons.
    void FelderVerbergen();
    // The analysis table and its button.
    void AnalyseVerbergen();

    // The controls Tab stops at, in the order they were made.
    QList<QWidget *> Felder() const;

    // A price typed into a row of this page: stores it (verkauf: sale price) and returns the
    // stored value; empty when the text is no price.
    std::function<std::optional<int32_t>(bool verkauf, const QString &name, const QString &text)>
        PreisSpeichern;

    TKostenseitenSteuerung Steuerung;

signals:
    // "Alle anzeigen...": tag 10 x page + kind (1 sale, 2 purchases, 3 buildings).
    void preisdialogGewuenscht(int tag);
    void detailanalyseGewuenscht(int seite);
    void gebaeudeStufeGeaendert(int art, int stufe);
    void schichtkostenGeaendert(int art, int32_t kosten);

private:
    const int m_seite;
    bool m_angelegt = false;
    bool m_fuellen = false; // Anzeigen writes the controls
    TKostenseite m_daten;   // what the rows show, for the names of typed prices
};

} // namespace mvt
