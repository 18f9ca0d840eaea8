// Window "Einkaufsliste": what a production mode (Tag = mode 1 to 4) must buy after the
// stock, grouped as the detailed analysis groups its ingredients, with the total, and below
// it what comes out of the stock; both can be copied as a table or as forum text.
#pragma once

#include "crafting/Einkaufsliste.h"
#include "ui/Nebenfenster.h"

#include <QPointer>

class QLabel;
class QPushButton;
class QTableWidget;

namespace mvt {

class TEinkaufslistenfenster : public TNebenfenster {
    Q_OBJECT
public:
    static constexpr int Breite = 520;
    static constexpr int Hoehe = 484;

    // The references stay valid for the window's life.
    TEinkaufslistenfenster(const TKatalog &katalog, const TCraftingZustand &crafting, QWidget *hauptfenster);
    // The window that opened it when that was not the main window (the detailed analysis):
    // it is disabled while this one shows and enabled again when it closes.
    QPointer<QWidget> Aufrufer;

    // Fills both tables for the mode in Tag.
    void Anzeigen();
    const TEinkaufsliste &Liste() const { return m_liste; }

    QLabel *LabelTitel, *LabelLager;
    QTableWidget *StringGridEinkauf, *StringGridLager;
    QPushButton *ButtonTabelle, *ButtonForum, *ButtonSchliessen;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    const TKatalog *m_katalog = nullptr;
    const TCraftingZustand *m_crafting = nullptr;
    TEinkaufsliste m_liste;
};

} // namespace mvt
