#include "routes/Routensuche.h"

#include "catalogue/Meldung.h"

#include <limits>
#include <vector>

namespace mvt::routen {

namespace {

constexpr int Schritte[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};

constexpr int8_t Prioritaeten[9][8] = {
    {3, 1, 0, 1, 0, 1, 0, 1}, // N
    {2, 4, 2, 1, 0, 1, 0, 1}, // NE
    {0, 1, 3, 1, 0, 1, 0, 1}, // E
    {0, 1, 2, 4, 2, 1, 0, 1}, // SE
    {0, 1, 0, 1, 3, 1, 0, 1}, // S
    {0, 1, 0, 1, 2, 4, 2, 1}, // SW
    {0, 1, 0, 1, 0, 1, 3, 1}, // W
    {2, 1, 0, 1, 0, 1, 2, 4}, // NW
    {0, 1, 0, 1, 0, 1, 0, 1}, // none
};

constexpr int32_t Kein = -1;

// The open list of the described search, kept as an order-maintenance list: every open
// field carries a label that grows along the list, so "earlier in the list" is one
// comparison. Labels are spread anew when an insertion finds no gap; that keeps their
// order, so a heap built on them stays valid.
class Offenliste {
public:
    Offenliste() : m_vor(GitterZellen), m_nach(GitterZellen), m_label(GitterZellen) {}

    uint64_t Label(int32_t i) const { return m_label[static_cast<size_t>(i)]; }

    void Einfuegen(int32_t i)
    {
        auto &vor = m_vor[static_cast<size_t>(i)];
        auto &nach = m_nach[static_cast<size_t>(i)];
        if (m_cursor == Kein) {
            vor = nach = Kein;
            m_erster = i;
            m_label[static_cast<size_t>(i)] = uint64_t{1} << 62;
        } else {
            int32_t s = m_nach[static_cast<size_t>(m_cursor)];
            if (s == Kein) {
                if (Label(m_cursor) > std::numeric_limits<uint64_t>::max() - (uint64_t{1} << 33))
                    Neuverteilen();
                m_label[static_cast<size_t>(i)] = Label(m_cursor) + (uint64_t{1} << 32);
            } else {
                if (Label(s) - Label(m_cursor) < 2)
                    Neuverteilen();
                m_label[static_cast<size_t>(i)] = Label(m_cursor) + (Label(s) - Label(m_cursor)) / 2;
            }
            vor = m_cursor;
            nach = s;
            if (s != Kein)
                m_vor[static_cast<size_t>(s)] = i;
            m_nach[static_cast<size_t>(m_cursor)] = i;
        }
        m_cursor = i;
        ++m_anzahl;
    }

    // Removes a field; the cursor moves to its successor, or its predecessor at the end.
    void Entfernen(int32_t i)
    {
        const int32_t vor = m_vor[static_cast<size_t>(i)], nach = m_nach[static_cast<size_t>(i)];
        if (vor != Kein)
            m_nach[static_cast<size_t>(vor)] = nach;
        else
            m_erster = nach;
        if (nach != Kein)
            m_vor[static_cast<size_t>(nach)] = vor;
        m_cursor = nach != Kein ? nach : vor;
        --m_anzahl;
    }

private:
    void Neuverteilen()
    {
        const uint64_t abstand = (uint64_t{1} << 63) / static_cast<uint64_t>(m_anzahl + 1);
        uint64_t l = abstand;
        for (int32_t i = m_erster; i != Kein; i = m_nach[static_cast<size_t>(i)], l += abstand)
            m_label[static_cast<size_t>(i)] = l;
    }

    std::vector<int32_t> m_vor, m_nach;
    std::vector<uint64_t> m_label;
    int32_t m_erster = Kein, m_cursor = Kein, m_anzahl = 0;
};

// Binary heap of the open fields, ordered like the selection of the described search:
// time, then (with the option) direction changes, then the position in the open list.
class Auswahlheap {
public:
    Auswahlheap(const std::vector<Suchknoten> &knoten, const Offenliste &liste, bool richtung)
        : m_knoten(knoten), m_liste(liste), m_richtung(richtung), m_pos(GitterZellen, Kein)
    {
        m_heap.reserve(1024);
    }

    bool Leer() const { return m_heap.empty(); }

    void Einfuegen(int32_t i)
    {
        m_heap.push_back(i);
        Hoch(m_heap.size() - 1);
    }
    // The key of i became smaller.
    void Verringert(int32_t i) { Hoch(static_cast<size_t>(m_pos[static_cast<size_t>(i)])); }

    int32_t Nehmen()
    {
        const int32_t oben = m_heap.front();
        m_pos[static_cast<size_t>(oben)] = Kein;
        const int32_t letzter = m_heap.back();
        m_heap.pop_back();
        if (!m_heap.empty()) {
            m_heap.front() = letzter;
            m_pos[static_cast<size_t>(letzter)] = 0;
            Runter(0);
        }
        return oben;
    }

private:
    bool Vor(int32_t a, int32_t b) const
    {
        const Suchknoten &ka = m_knoten[static_cast<size_t>(a)], &kb = m_knoten[static_cast<size_t>(b)];
        if (ka.Zeit != kb.Zeit)
            return ka.Zeit < kb.Zeit;
        if (m_richtung && ka.Richtungswechsel != kb.Richtungswechsel)
            return ka.Richtungswechsel < kb.Richtungswechsel;
        return m_liste.Label(a) < m_liste.Label(b);
    }
    void Setzen(size_t stelle, int32_t i)
    {
        m_heap[stelle] = i;
        m_pos[static_cast<size_t>(i)] = static_cast<int32_t>(stelle);
    }
    void Hoch(size_t stelle)
    {
        const int32_t i = m_heap[stelle];
        while (stelle > 0) {
            const size_t eltern = (stelle - 1) / 2;
            if (!Vor(i, m_heap[eltern]))
                break;
            Setzen(stelle, m_heap[eltern]);
            stelle = eltern;
        }
        Setzen(stelle, i);
    }
    void Runter(size_t stelle)
    {
        const int32_t i = m_heap[stelle];
        const size_t n = m_heap.size();
        for (;;) {
            size_t kind = 2 * stelle + 1;
            if (kind >= n)
                break;
            if (kind + 1 < n && Vor(m_heap[kind + 1], m_heap[kind]))
                ++kind;
            if (!Vor(m_heap[kind], i))
                break;
            Setzen(stelle, m_heap[kind]);
            stelle = kind;
        }
        Setzen(stelle, i);
    }

    const std::vector<Suchknoten> &m_knoten;
    const Offenliste &m_liste;
    bool m_richtung;
    std::vector<int32_t> m_heap;
    std::vector<int32_t> m_pos;
};

} // namespace

uint8_t Bewegungsrichtung(int dx, int dy)
{
    for (uint8_t r = 0; r < 8; ++r)
        if (Schritte[r][0] == dx && Schritte[r][1] == dy)
            return r;
    return KeineRichtung;
}

int BerechneRichtungsPrioritaetAusBewegungsrichtungen(uint8_t vorher, uint8_t neu)
{
    if (vorher > 8 || neu >= 8)
        return -1;
    return Prioritaeten[vorher][neu];
}

int32_t RichtungswechselZaehlen(int32_t bisher, uint8_t vorher, uint8_t neu)
{
    const int p = BerechneRichtungsPrioritaetAusBewegungsrichtungen(vorher, neu);
    if (p < 0) {
        MeldungZeigen(
            QStringLiteral("Fehler: BerechneRichtungsPrioritaetAusBewegungsrichtungen schlägt fehl!"));
        return bisher;
    }
    return p <= 1 ? bisher + 1 : bisher;
}

bool SuchparameterGueltig(const TSuchparameter &p)
{
    const auto drin = [&](Wegpunkt w) {
        return w.x >= 1 && w.y >= 1 && w.x <= p.Kartengroesse && w.y <= p.Kartengroesse;
    };
    return p.Reisekosten && p.Kartengroesse >= 1 && p.Kartengroesse <= GitterKante && drin(p.Start) &&
           drin(p.Ziel);
}

Wegpunktliste RouteSuchen(const TSuchparameter &p)
{
    Wegpunktliste ergebnis;
    if (!SuchparameterGueltig(p))
        return ergebnis;
    const int sx = p.Start.x, sy = p.Start.y, zx = p.Ziel.x, zy = p.Ziel.y;
    const int64_t maximum = int64_t{zx - sx} * (zx - sx) + int64_t{zy - sy} * (zy - sy);
    int64_t gezeigt = 0;
    if (p.Fortschritt)
        p.Fortschritt(0, maximum);
    if (sx == zx && sy == zy) {
        ergebnis.Einfuegen(p.Start);
        return ergebnis;
    }

    std::vector<Suchknoten> knoten(GitterZellen);
    Offenliste liste;
    Auswahlheap heap(knoten, liste, p.DirectionalOptimization);
    const int S = p.Kartengroesse;
    const uint8_t *kosten = p.Reisekosten;

    Suchknoten &s = knoten[static_cast<size_t>(Zelle(sx, sy))];
    s.Zeit = 0;
    s.VorgaengerX = p.Start.x;
    s.VorgaengerY = p.Start.y;
    s.Zustand = 2;
    s.Richtung = KeineRichtung;
    s.Richtungswechsel = 0;

    int cx = sx, cy = sy;
    for (;;) {
        const Suchknoten c = knoten[static_cast<size_t>(Zelle(cx, cy))];
        for (uint8_t r = 0; r < 8; ++r) {
            const int nx = cx + Schritte[r][0], ny = cy + Schritte[r][1];
            if (nx < 1 || ny < 1 || nx > S || ny > S)
                continue;
            const int32_t i = Zelle(nx, ny);
            Suchknoten &n = knoten[static_cast<size_t>(i)];
            if (n.Zustand == 2)
                continue;
            int32_t w = 0;
            if (p.DirectionalOptimization)
                w = RichtungswechselZaehlen(c.Richtungswechsel, c.Richtung, r);
            const float t = c.Zeit + Schrittzeit(kosten, cx, cy, nx, ny);
            const auto setzen = [&] {
                n.Zeit = t;
                n.VorgaengerX = static_cast<uint8_t>(cx);
                n.VorgaengerY = static_cast<uint8_t>(cy);
                if (p.DirectionalOptimization) {
                    n.Richtung = r;
                    n.Richtungswechsel = w;
                }
            };
            if (n.Zustand == 0) {
                setzen();
                n.Zustand = 1;
                liste.Einfuegen(i);
                heap.Einfuegen(i);
            } else if (t < n.Zeit || (p.DirectionalOptimization && t == n.Zeit && n.Richtungswechsel > w)) {
                setzen();
                heap.Verringert(i);
            }
        }
        if (heap.Leer())
            return ergebnis; // cannot happen on a connected map
        const int32_t i = heap.Nehmen();
        liste.Entfernen(i);
        knoten[static_cast<size_t>(i)].Zustand = 2;
        cx = i / GitterKante + 1;
        cy = i % GitterKante + 1;
        const int64_t q = int64_t{cx - sx} * (cx - sx) + int64_t{cy - sy} * (cy - sy);
        if (q > gezeigt) {
            gezeigt = q;
            if (p.Fortschritt)
                p.Fortschritt(q, maximum);
        }
        if (cx == zx && cy == zy)
            break;
    }

    std::vector<Wegpunkt> kette;
    int x = zx, y = zy;
    for (int schritte = 0; schritte <= GitterZellen; ++schritte) {
        kette.push_back(Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)});
        if (x == sx && y == sy)
            break;
        const Suchknoten &k = knoten[static_cast<size_t>(Zelle(x, y))];
        x = k.VorgaengerX;
        y = k.VorgaengerY;
    }
    for (auto it = kette.rbegin(); it != kette.rend(); ++it)
        ergebnis.Einfuegen(*it);
    return ergebnis;
}

Wegpunktliste RouteSuchen(const TWeltdaten &welten, Wegpunkt start, Wegpunkt ziel, bool richtungsoptimierung,
                          const TFortschritt &fortschritt)
{
    TSuchparameter p;
    p.Reisekosten = welten.Reisekosten();
    p.Kartengroesse = welten.Kartengroesse;
    p.Start = start;
    p.Ziel = ziel;
    p.DirectionalOptimization = richtungsoptimierung;
    p.Fortschritt = fortschritt;
    return RouteSuchen(p);
}

} // namespace mvt::routen
