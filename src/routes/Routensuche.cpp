#include "routes/Routensuche.h"

#include "base/Meldung.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
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

// The open list of the search, kept as an order-maintenance list: every open
// field carries a label that grows along the list, so "earlier in the list" is one
// comparison. Labels are spread anew when an insertion finds no gap; that keeps their
// order. Labels are read only when a bucket of the selection is ordered.
class Offenliste {
public:
    Offenliste() : m_vor(GitterZellen), m_nach(GitterZellen), m_label(GitterZellen) {}
    void Leeren()
    {
        m_erster = m_cursor = Kein;
        m_anzahl = 0;
    }

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

// The open fields in the order the search selects them: least time, then (with the option)
// fewest direction changes, then the earlier position in the open list.
//
// Every time that occurs in a search is a multiple of 0.5 minutes and at most the time of
// one straight walk to the target plus one step (199 steps and one more of at most 255
// minutes), so single precision holds all of them exactly and they index buckets of half
// minutes. A ring of buckets covers the largest step. Entering a field into a bucket is a
// push; when the selection reaches a bucket, its still valid entries are sorted once by
// direction changes and list label. Expanding a field of time T fills only later buckets
// unless a step takes no time (fields of 0 minutes); then the rest of the current bucket
// is sorted again. A field whose way improves gets a new entry; the old one is dropped.
class Auswahl {
public:
    static constexpr uint32_t Ring = 512; // > largest step of 2 x 255 half minutes

    struct Eintrag {
        int32_t Wechsel;
        int32_t Feld;
    };

    Auswahl(const std::vector<Suchknoten> &knoten, const Offenliste &liste) : m_knoten(knoten), m_liste(liste)
    {
    }

    void Beginnen(bool richtung)
    {
        for (auto &e : m_eimer)
            e.clear();
        m_folge.clear();
        m_pos = 0;
        m_jetzt = 0;
        m_anzahl = 0;
        m_aktiv = false;
        m_neu = false;
        m_richtung = richtung;
    }

    void Einfuegen(uint32_t halbeMinuten, int32_t wechsel, int32_t feld)
    {
        m_eimer[halbeMinuten % Ring].push_back(Eintrag{wechsel, feld});
        ++m_anzahl;
        if (m_aktiv && halbeMinuten == m_jetzt)
            m_neu = true;
    }

    // The next open field, or -1 when none is left.
    int32_t Nehmen()
    {
        for (;;) {
            if (m_neu) {
                // a step of no time added to the bucket being taken: order the rest anew
                auto &eimer = m_eimer[m_jetzt % Ring];
                for (size_t k = m_pos; k < m_folge.size(); ++k)
                    eimer.push_back(Eintrag{m_folge[k].Wechsel, m_folge[k].Feld});
                m_anzahl += static_cast<int64_t>(m_folge.size() - m_pos);
                m_folge.clear();
                m_pos = 0;
                m_neu = false;
                Ordnen(eimer);
            }
            if (m_pos < m_folge.size()) {
                const Sortiert &e = m_folge[m_pos++];
                if (Gueltig(e.Wechsel, e.Feld))
                    return e.Feld;
                continue;
            }
            m_aktiv = false;
            if (m_anzahl == 0)
                return Kein;
            auto &eimer = m_eimer[m_jetzt % Ring];
            if (eimer.empty()) {
                ++m_jetzt;
                continue;
            }
            Ordnen(eimer);
        }
    }

private:
    struct Sortiert {
        uint64_t Label;
        int32_t Wechsel;
        int32_t Feld;
    };

    bool Gueltig(int32_t wechsel, int32_t feld) const
    {
        const Suchknoten &k = m_knoten[static_cast<size_t>(feld)];
        return k.Zustand == 1 && static_cast<uint32_t>(k.Zeit * 2.0f) == m_jetzt &&
               (!m_richtung || k.Richtungswechsel == wechsel);
    }

    // Moves the valid entries of the bucket, in selection order, into m_folge.
    void Ordnen(std::vector<Eintrag> &eimer)
    {
        m_anzahl -= static_cast<int64_t>(eimer.size());
        m_folge.clear();
        m_pos = 0;
        for (const Eintrag &e : eimer)
            if (Gueltig(e.Wechsel, e.Feld))
                m_folge.push_back(Sortiert{m_liste.Label(e.Feld), e.Wechsel, e.Feld});
        eimer.clear();
        std::sort(m_folge.begin(), m_folge.end(), [](const Sortiert &a, const Sortiert &b) {
            return a.Wechsel != b.Wechsel ? a.Wechsel < b.Wechsel : a.Label < b.Label;
        });
        m_aktiv = true;
    }

    const std::vector<Suchknoten> &m_knoten;
    const Offenliste &m_liste;
    std::array<std::vector<Eintrag>, Ring> m_eimer;
    std::vector<Sortiert> m_folge;
    size_t m_pos = 0;
    uint32_t m_jetzt = 0;
    int64_t m_anzahl = 0; // entries in the buckets, valid or not
    bool m_aktiv = false; // m_folge holds the bucket of m_jetzt
    bool m_neu = false;
    bool m_richtung = false;
};

// Working memory of one search, kept per thread so that a search allocates nothing.
struct Suchspeicher {
    std::vector<Suchknoten> Knoten = std::vector<Suchknoten>(GitterZellen);
    Offenliste Liste;
    Auswahl Auswahlfolge{Knoten, Liste};
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

QString KoordinateVerlassen(const QString &text, int kartengroesse)
{
    bool ok = false;
    const int wert = text.toInt(&ok);
    if (text.isEmpty() || (ok && wert == 0))
        return QStringLiteral("100");
    if (ok && wert > kartengroesse)
        return QString::number(kartengroesse);
    return text;
}

bool SuchparameterGueltig(const TSuchparameter &p)
{
    const auto drin = [&](Wegpunkt w) {
        return w.x >= 1 && w.y >= 1 && w.x <= p.Kartengroesse && w.y <= p.Kartengroesse;
    };
    return p.Reisekosten && p.Kartengroesse >= 1 && p.Kartengroesse <= GitterKante && drin(p.Start) &&
           drin(p.Ziel);
}

namespace {

// The search from p.Start, run until every field of `ziele` is closed; then
// fuer(i, kette) receives the chain to ziele[i]. Up to the moment a field is closed the
// search runs exactly as the two-point search to that field, and a closed field's way
// never changes again, so each chain is the one the two-point search returns.
template <class Fuer>
void Suchen(const TSuchparameter &p, const std::vector<Wegpunkt> &ziele, const Fuer &fuer)
{
    const int sx = p.Start.x, sy = p.Start.y;
    const bool einZiel = ziele.size() == 1;
    const int zx = einZiel ? ziele[0].x : sx, zy = einZiel ? ziele[0].y : sy;
    const int64_t maximum = int64_t{zx - sx} * (zx - sx) + int64_t{zy - sy} * (zy - sy);
    int64_t gezeigt = 0;
    if (p.Fortschritt)
        p.Fortschritt(0, maximum);

    thread_local std::unique_ptr<Suchspeicher> speicher;
    if (!speicher)
        speicher = std::make_unique<Suchspeicher>();
    std::vector<Suchknoten> &knoten = speicher->Knoten;
    std::fill(knoten.begin(), knoten.end(), Suchknoten{});
    Offenliste &liste = speicher->Liste;
    liste.Leeren();
    Auswahl &auswahl = speicher->Auswahlfolge;
    auswahl.Beginnen(p.DirectionalOptimization);
    const bool richtung = p.DirectionalOptimization;
    const int S = p.Kartengroesse;
    const uint8_t *kosten = p.Reisekosten;

    Suchknoten &s = knoten[static_cast<size_t>(Zelle(sx, sy))];
    s.Zeit = 0;
    s.VorgaengerX = p.Start.x;
    s.VorgaengerY = p.Start.y;
    s.Zustand = 2;
    s.Richtung = KeineRichtung;
    s.Richtungswechsel = 0;

    // the targets not yet closed (the start is closed from the beginning)
    std::vector<char> offenesZiel(GitterZellen, 0);
    size_t offeneZiele = 0;
    for (const Wegpunkt z : ziele) {
        char &o = offenesZiel[static_cast<size_t>(Zelle(z.x, z.y))];
        if (!o && !(z.x == sx && z.y == sy)) {
            o = 1;
            ++offeneZiele;
        }
    }

    int cx = sx, cy = sy;
    while (offeneZiele > 0) {
        const int32_t ci = Zelle(cx, cy);
        const float cZeit = knoten[static_cast<size_t>(ci)].Zeit;
        const int32_t cWechsel = knoten[static_cast<size_t>(ci)].Richtungswechsel;
        const uint8_t cRichtung = knoten[static_cast<size_t>(ci)].Richtung;
        const float cKosten = 0.5f * static_cast<float>(kosten[ci]);
        for (uint8_t r = 0; r < 8; ++r) {
            const int nx = cx + Schritte[r][0], ny = cy + Schritte[r][1];
            if (nx < 1 || ny < 1 || nx > S || ny > S)
                continue;
            const int32_t i = Zelle(nx, ny);
            Suchknoten &n = knoten[static_cast<size_t>(i)];
            if (n.Zustand == 2)
                continue;
            // the start has no direction (row "none"), every later field one of 0..7, so
            // the pair is always inside the table
            const int32_t w = richtung ? cWechsel + (Prioritaeten[cRichtung][r] <= 1) : 0;
            const float t = cZeit + (cKosten + 0.5f * static_cast<float>(kosten[i]));
            if (n.Zustand == 0) {
                n.Zustand = 1;
                liste.Einfuegen(i);
            } else if (!(t < n.Zeit || (richtung && t == n.Zeit && n.Richtungswechsel > w))) {
                continue;
            }
            n.Zeit = t;
            n.VorgaengerX = static_cast<uint8_t>(cx);
            n.VorgaengerY = static_cast<uint8_t>(cy);
            if (richtung) {
                n.Richtung = r;
                n.Richtungswechsel = w;
            }
            auswahl.Einfuegen(static_cast<uint32_t>(t * 2.0f), w, i);
        }
        const int32_t i = auswahl.Nehmen();
        if (i < 0)
            return; // cannot happen on a connected map
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
        if (offenesZiel[static_cast<size_t>(i)]) {
            offenesZiel[static_cast<size_t>(i)] = 0;
            --offeneZiele;
        }
    }

    std::vector<Wegpunkt> kette;
    for (size_t z = 0; z < ziele.size(); ++z) {
        kette.clear();
        int x = ziele[z].x, y = ziele[z].y;
        for (int schritte = 0; schritte <= GitterZellen; ++schritte) {
            kette.push_back(Wegpunkt{static_cast<uint8_t>(x), static_cast<uint8_t>(y)});
            if (x == sx && y == sy)
                break;
            const Suchknoten &k = knoten[static_cast<size_t>(Zelle(x, y))];
            x = k.VorgaengerX;
            y = k.VorgaengerY;
        }
        std::reverse(kette.begin(), kette.end());
        fuer(z, kette);
    }
}

} // namespace

Wegpunktliste RouteSuchen(const TSuchparameter &p)
{
    Wegpunktliste ergebnis;
    if (!SuchparameterGueltig(p))
        return ergebnis;
    Suchen(p, {p.Ziel}, [&](size_t, const std::vector<Wegpunkt> &kette) { ergebnis = Wegpunktliste(kette); });
    return ergebnis;
}

std::vector<Wegpunktliste> RoutenSuchen(const TSuchparameter &p, const std::vector<Wegpunkt> &ziele)
{
    std::vector<Wegpunktliste> ergebnis(ziele.size());
    TSuchparameter q = p;
    for (const Wegpunkt z : ziele) {
        q.Ziel = z;
        if (!SuchparameterGueltig(q))
            return ergebnis;
    }
    if (ziele.empty())
        return ergebnis;
    Suchen(p, ziele,
           [&](size_t i, const std::vector<Wegpunkt> &kette) { ergebnis[i] = Wegpunktliste(kette); });
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
