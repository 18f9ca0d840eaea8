// Window "Lager": the player's stock. Goods are added from the catalogue tree as the build
// list adds them, counts are changed, goods removed, "Name<Tab>Anzahl" lines pasted from the
// clipboard, the stock cleared. Every change goes into the stock at once and is reported
// with geaendert(); the application saves the file and the crafting tab recomputes.
#pragma once

#include "crafting/Lager.h"
#include "ui/Nebenfenster.h"

#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTreeWidget;

namespace mvt {

class TLagerfenster : public TNebenfenster {
    Q_OBJECT
public:
    static constexpr int Breite = 600;
    static constexpr int Hoehe = 432;

    // The stock the window edits; the references stay valid for the window's life.
    TLagerfenster(const TKatalog &katalog, TLager &lager, QWidget *hauptfenster);
    // Rebuilds the table from the stock.
    void Anzeigen();
    // Pasted text: refused with a message naming the line (the stock stays as it was), or
    // taken over; true when taken.
    bool TextEinfuegen(const QString &text);

    // After every change of the stock made here.
    std::function<void()> Geaendert;

    QTreeWidget *TreeViewKatalog;
    QSpinBox *SpinEditHinzufuegen;
    QPushButton *ButtonHinzufuegen;
    QTableWidget *StringGridLager;
    QSpinBox *SpinEditAnzahl;
    QPushButton *ButtonAnzahlAendern, *ButtonEntfernen, *ButtonEinfuegen, *ButtonLeeren, *ButtonSchliessen;
    QLabel *LabelSumme;

protected:
    void VorDemZeigen() override;
    void FormShow() override;

private:
    void Hinzufuegen();
    void AnzahlAendern();
    void Entfernen();
    void Leeren();
    // The selected stock row's good; ArtKeine when none.
    TLagerEintrag Auswahl() const;
    void Melden();

    const TKatalog *m_katalog = nullptr;
    TLager *m_lager = nullptr;
    bool m_baumGebaut = false;
};

} // namespace mvt
