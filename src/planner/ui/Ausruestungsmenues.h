// The equipment menus of the planner tab's slot buttons and the enchantment menu. The menus
// exist from the start (named, bound to the main window's hint window), but their entries
// are made when a menu is first shown: most players never open most of them, and the
// entries are much of the tab's cost at start-up.
#pragma once

#include "planner/Ausruestung.h"

#include <QList>
#include <QObject>

#include <array>

class QAction;
class QMenu;

namespace mvt {

class TCharakterPlanerSeite;

class TAusruestungsmenues : public QObject {
    Q_OBJECT
public:
    explicit TAusruestungsmenues(TCharakterPlanerSeite &seite);

    QMenu *Menue(int m) const { return m_menue[m]; }
    QMenu *Verzauberungen() const { return m_verzauberungen; }
    // The slot menus and then the enchantment menu.
    QList<QMenu *> Alle() const;

    // The hints of the entries from the catalogue (status tips); entries made later get
    // theirs when they are made.
    void HinweiseSetzen();
    // Every menu's entries now, for those who read them without opening the menu.
    void Anlegen();

private:
    void Fuellen(int m);
    void VerzauberungenFuellen();
    void EintragHinweisSetzen(QAction *a, int m) const;

    TCharakterPlanerSeite &m_seite;
    std::array<QMenu *, planer::AnzahlMenues> m_menue{};
    std::array<bool, planer::AnzahlMenues> m_gefuellt{};
    QMenu *m_verzauberungen = nullptr;
    bool m_verzauberungenGefuellt = false;
    bool m_hinweise = false;
};

} // namespace mvt
