// Accessibility of the planner's equipment menu entries: Qt's own menu item interface has
// no description, so the entries get one that carries their hint with the differences the
// choice would make, the same text the hint window shows.
#pragma once

class QAction;
class QString;

namespace mvt {

// Registers the interface factory once per process. `beschreibung` gives the description
// of an entry, or a null string for actions that are not planner menu entries (they keep
// Qt's interface).
void MenueeintragZugangInstallieren(QString (*beschreibung)(QAction *));

} // namespace mvt
