// Ordered list of map positions with a cursor: every route and the transfer of orders
// walk it.
#pragma once

#include <cstdint>
#include <vector>

namespace mvt::routen {

struct Wegpunkt {
    uint8_t x = 0;
    uint8_t y = 0;
    friend bool operator==(const Wegpunkt &, const Wegpunkt &) = default;
};

class Wegpunktliste {
public:
    Wegpunktliste() = default;
    // The points in order; the cursor stands on the last one.
    explicit Wegpunktliste(const std::vector<Wegpunkt> &punkte);
    // Copies keep the order; the cursor of the copy stands on its last point.
    Wegpunktliste(const Wegpunktliste &andere);
    Wegpunktliste &operator=(const Wegpunktliste &andere);
    // A moved-from list is empty.
    Wegpunktliste(Wegpunktliste &&andere) noexcept;
    Wegpunktliste &operator=(Wegpunktliste &&andere) noexcept;

    int32_t Anzahl() const { return m_anzahl; }
    bool Leer() const { return m_anzahl == 0; }

    // The new point goes directly after the cursor and becomes the cursor.
    void Einfuegen(uint8_t x, uint8_t y);
    void Einfuegen(Wegpunkt p) { Einfuegen(p.x, p.y); }
    // Removes the point at the cursor; the cursor moves to the successor, or to the
    // predecessor when the last point was removed. Nothing happens in an empty list.
    void Entfernen();
    void ZumAnfang();
    // Move the cursor; false when there is no point to move to.
    bool Weiter();
    bool Zurueck();
    // The point at the cursor; (0, 0) in an empty list.
    Wegpunkt Aktuell() const;
    bool HatNachfolger() const;
    void Leeren();
    // An opaque mark of the cursor position, valid until that point is removed.
    int32_t Cursormarke() const { return m_cursor; }
    void CursorAufMarke(int32_t marke);

    Wegpunkt Erster() const;
    Wegpunkt Letzter() const;
    std::vector<Wegpunkt> Punkte() const;

    friend bool operator==(const Wegpunktliste &a, const Wegpunktliste &b)
    {
        return a.Punkte() == b.Punkte();
    }

private:
    static constexpr int32_t Kein = -1;
    struct Knoten {
        Wegpunkt p;
        int32_t vor = Kein;
        int32_t nach = Kein;
    };
    int32_t Neu(Wegpunkt p);

    std::vector<Knoten> m_knoten;
    std::vector<int32_t> m_frei;
    int32_t m_anzahl = 0;
    int32_t m_erster = Kein;
    int32_t m_letzter = Kein;
    int32_t m_cursor = Kein;
};

} // namespace mvt::routen
