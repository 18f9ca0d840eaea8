// Window "Lager": the player's stock. Goods are added from the catalogue tree as the build
// list adds them, counts are changed, goods removed, "Name<Tab>Anzahl" lines pasted from the
// clipboard, the stock cleared. Every change goes to the crafting part at once, which saves
// the file and has the crafting tab recompute; the table follows what the part reports.
#pragma once

#include "crafting/Lager.h"
#include "ui/Nebenfenster.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTreeWidget;

namespace mvt {

class TCraftingSitzung;

class TLagerfenster : public TNebenfenster {
    Q_OBJECT
public:
    static constexpr int Breite = 600;
    static constexpr int Hoehe = 432;

    // The stock of the crafting part, which stays valid for the window's life.
    TLagerfenster(TCraftingSitzung &crafting, QWidget *hauptfenster);
    // Rebuilds the table from the stock.
    void Anzeigen();
    // Pasted text: refused with a message naming the line (the stock stays as it was), or
    // taken over; true when taken.
    bool TextEinfuegen(const QString &text);

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
    // The stock as changed here, to the crafting part.
    void Melden(const TLager &neu);

    TCraftingSitzung &m_crafting;
    const TKatalog *m_katalog;
    const TLager *m_lager;
    bool m_baumGebaut = false;
};

} // namespace mvt
