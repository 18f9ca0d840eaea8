// The link that hands one travel order to the game in the browser.
#pragma once

#include "routes/Wegpunktliste.h"

#include <QString>

#include <optional>
#include <vector>

namespace mvt::routen {

// Lowest interval of the travel order transfer that the settings window allows; a
// smaller value from a hand-edited file would fire the timer as fast as it can.
constexpr int KleinstesUebertragungsintervall = 200;

// Host of the game server of world 1..3.
QString Spielserver(int welt);
// Token of a link from a uniform number r in [0, 1): the nearest integer to (7r + 5)^10.
QString TokenErzeugen(double r);
// A new token from the process's random generator (seeded once from the clock).
QString TokenErzeugen();
QString AuftragsLink(int welt, int x, int y, const QString &token);

// One transfer of the orders von..bis of a route (order i leads to point i). It hands
// out each order's target once, so a timer that fires late or twice cannot open more
// links than the range holds.
class TUebertragung {
public:
    // False (and nothing starts) for a route without orders; the range is clamped to
    // 1 <= von <= bis <= orders and to at most ten orders.
    bool Starten(const std::vector<Wegpunkt> &punkte, int von, int bis);
    bool Laeuft() const { return m_laeuft; }
    // The target of the next order, or nothing when the range is done.
    std::optional<Wegpunkt> Naechster();
    // After the last order Naechster has handed out.
    bool Fertig() const { return m_laeuft && m_naechster > m_bis; }
    void Beenden() { m_laeuft = false; }
    int Gesendet() const { return m_laeuft ? m_naechster - m_von : 0; }
    int Gesamt() const { return m_bis - m_von + 1; }
    // "Übertragung läuft: 3 von 10" (at least 1 of the total before the first link).
    QString LaufText() const;

private:
    std::vector<Wegpunkt> m_punkte;
    int m_von = 1, m_bis = 0, m_naechster = 1;
    bool m_laeuft = false;
};

QString KeineUebertragungText();
QString UebertragungAbgeschlossenText();

} // namespace mvt::routen
