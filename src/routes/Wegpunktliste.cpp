#include "routes/Wegpunktliste.h"

#include <cstddef>
#include <utility>

namespace mvt::routen {

Wegpunktliste::Wegpunktliste(const std::vector<Wegpunkt> &punkte)
{
    m_knoten.reserve(punkte.size());
    for (const Wegpunkt p : punkte)
        Einfuegen(p);
}

Wegpunktliste::Wegpunktliste(const Wegpunktliste &andere) : Wegpunktliste(andere.Punkte()) {}

Wegpunktliste &Wegpunktliste::operator=(const Wegpunktliste &andere)
{
    if (this != &andere)
        *this = Wegpunktliste(andere.Punkte());
    return *this;
}

Wegpunktliste::Wegpunktliste(Wegpunktliste &&andere) noexcept
{
    *this = std::move(andere);
}

Wegpunktliste &Wegpunktliste::operator=(Wegpunktliste &&andere) noexcept
{
    if (this != &andere) {
        m_knoten = std::move(andere.m_knoten);
        m_frei = std::move(andere.m_frei);
        m_anzahl = std::exchange(andere.m_anzahl, 0);
        m_erster = std::exchange(andere.m_erster, Kein);
        m_letzter = std::exchange(andere.m_letzter, Kein);
        m_cursor = std::exchange(andere.m_cursor, Kein);
        andere.m_knoten.clear();
        andere.m_frei.clear();
    }
    return *this;
}

int32_t Wegpunktliste::Neu(Wegpunkt p)
{
    if (!m_frei.empty()) {
        const int32_t i = m_frei.back();
        m_frei.pop_back();
        m_knoten[static_cast<std::size_t>(i)] = Knoten{p};
        return i;
    }
    m_knoten.push_back(Knoten{p});
    return static_cast<int32_t>(m_knoten.size() - 1);
}

void Wegpunktliste::Einfuegen(uint8_t x, uint8_t y)
{
    const int32_t i = Neu(Wegpunkt{x, y});
    Knoten &k = m_knoten[static_cast<std::size_t>(i)];
    if (m_cursor == Kein) {
        m_erster = m_letzter = i;
    } else {
        Knoten &c = m_knoten[static_cast<std::size_t>(m_cursor)];
        k.vor = m_cursor;
        k.nach = c.nach;
        if (c.nach != Kein)
            m_knoten[static_cast<std::size_t>(c.nach)].vor = i;
        else
            m_letzter = i;
        c.nach = i;
    }
    m_cursor = i;
    ++m_anzahl;
}

void Wegpunktliste::Entfernen()
{
    if (m_cursor == Kein)
        return;
    const Knoten k = m_knoten[static_cast<std::size_t>(m_cursor)];
    if (k.vor != Kein)
        m_knoten[static_cast<std::size_t>(k.vor)].nach = k.nach;
    else
        m_erster = k.nach;
    if (k.nach != Kein)
        m_knoten[static_cast<std::size_t>(k.nach)].vor = k.vor;
    else
        m_letzter = k.vor;
    m_frei.push_back(m_cursor);
    m_cursor = k.nach != Kein ? k.nach : k.vor;
    --m_anzahl;
}

void Wegpunktliste::ZumAnfang()
{
    m_cursor = m_erster;
}

bool Wegpunktliste::Weiter()
{
    if (m_cursor == Kein || m_knoten[static_cast<std::size_t>(m_cursor)].nach == Kein)
        return false;
    m_cursor = m_knoten[static_cast<std::size_t>(m_cursor)].nach;
    return true;
}

bool Wegpunktliste::Zurueck()
{
    if (m_cursor == Kein || m_knoten[static_cast<std::size_t>(m_cursor)].vor == Kein)
        return false;
    m_cursor = m_knoten[static_cast<std::size_t>(m_cursor)].vor;
    return true;
}

Wegpunkt Wegpunktliste::Aktuell() const
{
    return m_cursor == Kein ? Wegpunkt{} : m_knoten[static_cast<std::size_t>(m_cursor)].p;
}

bool Wegpunktliste::HatNachfolger() const
{
    return m_cursor != Kein && m_knoten[static_cast<std::size_t>(m_cursor)].nach != Kein;
}

void Wegpunktliste::CursorAufMarke(int32_t marke)
{
    if (marke >= 0 && static_cast<std::size_t>(marke) < m_knoten.size())
        m_cursor = marke;
}

void Wegpunktliste::Leeren()
{
    m_knoten.clear();
    m_frei.clear();
    m_anzahl = 0;
    m_erster = m_letzter = m_cursor = Kein;
}

Wegpunkt Wegpunktliste::Erster() const
{
    return m_erster == Kein ? Wegpunkt{} : m_knoten[static_cast<std::size_t>(m_erster)].p;
}

Wegpunkt Wegpunktliste::Letzter() const
{
    return m_letzter == Kein ? Wegpunkt{} : m_knoten[static_cast<std::size_t>(m_letzter)].p;
}

std::vector<Wegpunkt> Wegpunktliste::Punkte() const
{
    std::vector<Wegpunkt> v;
    v.reserve(static_cast<std::size_t>(m_anzahl));
    for (int32_t i = m_erster; i != Kein; i = m_knoten[static_cast<std::size_t>(i)].nach)
        v.push_back(m_knoten[static_cast<std::size_t>(i)].p);
    return v;
}

} // namespace mvt::routen
