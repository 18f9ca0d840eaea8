// The link that hands one travel order to the game in the browser.
#pragma once

#include <QString>

namespace mvt::routen {

// Host of the game server of world 1..3.
QString Spielserver(int welt);
// Token of a link from a uniform number r in [0, 1): the nearest integer to (7r + 5)^10.
QString TokenErzeugen(double r);
// A new token from the process's random generator (seeded once from the clock).
QString TokenErzeugen();
QString AuftragsLink(int welt, int x, int y, const QString &token);

} // namespace mvt::routen
