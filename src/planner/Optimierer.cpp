#include "planner/Optimierer.h"

#include "planner/Bewertung.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace mvt::planer {

// ================================================================ window inputs

std::array<int32_t, 4> RassenStartwerte(int rasse)
{
    switch (rasse) {
    case RasseMensch:
        return {15, 10, 15, 10};
    case RasseElf:
        return {10, 20, 5, 15};
    case RasseHalbelf:
        return {10, 15, 10, 15};
    case RasseZwerg:
        return {20, 5, 20, 5};
    case RasseGnom:
        return {5, 20, 5, 20};
    default:
        return {0, 0, 0, 0};
    }
}

namespace {
const std::array<const char16_t *, 8> Rassennamen = {nullptr,  u"Mensch", u"Elf",  u"Halbelf",
                                                     u"Zwerg", u"Gnom",   u"Frei", u"Leer"};

bool IstRasse(int r)
{
    return r >= RasseMensch && r <= RasseGnom;
}

int32_t Untergrenze(const TOptimiererZustand &z, TMindestEingabe e)
{
    return e == EingabeReserviert ? 0 : z.Untergrenze[e];
}

int32_t Obergrenze(TMindestEingabe e)
{
    return e == EingabeReserviert ? ReserviertMaximum : MindestwertMaximum;
}

int32_t &Feld(TOptimiererZustand &z, TMindestEingabe e)
{
    return e == EingabeReserviert ? z.Reserviert : z.Minimum[e];
}

int64_t Gesamt(const TOptimiererZustand &z)
{
    return int64_t(z.Minimum[0]) + z.Minimum[1] + z.Minimum[2] + z.Minimum[3] + z.Reserviert;
}

// A spin input never holds a value outside its limits.
int32_t Begrenzen(const TOptimiererZustand &z, TMindestEingabe e, int64_t wert)
{
    // A lower limit above the upper one (enchantment floors beyond 9999) wins, as the floor must hold.
    return static_cast<int32_t>(std::max<int64_t>(Untergrenze(z, e), std::min<int64_t>(wert, Obergrenze(e))));
}

// Setting a value without the change handler.
void StillSetzen(TOptimiererZustand &z, TMindestEingabe e, int64_t wert)
{
    Feld(z, e) = Begrenzen(z, e, wert);
}

// Setting a value as a program does: the change handler runs only when the value changes.
void Setzen(TOptimiererZustand &z, const TCharakter &c, TMindestEingabe e, int64_t wert)
{
    const int32_t neu = Begrenzen(z, e, wert);
    if (neu != Feld(z, e))
        MindestwertGeaendert(z, c, e, neu);
}

constexpr std::array<TMindestEingabe, 5> AlleEingaben = {EingabeStaerke, EingabeGeschick, EingabeKonstitution,
                                                         EingabeIntelligenz, EingabeReserviert};
} // namespace

int RasseAusName(const QString &name)
{
    for (int r = RasseMensch; r <= RasseLeer; ++r)
        if (name == QStringView(Rassennamen[r]))
            return r;
    return -1;
}

QString RassenName(int rasse)
{
    if (rasse < RasseMensch || rasse > RasseLeer)
        return QString();
    return QString::fromUtf16(Rassennamen[rasse]);
}

int32_t VerbleibendePunkte(const TOptimiererZustand &z, const TCharakter &c)
{
    const int64_t n = int64_t(c.Attributpunkte) - Gesamt(z);
    return static_cast<int32_t>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX));
}

QString VerbleibendePunkteText(const TOptimiererZustand &z, const TCharakter &c)
{
    return QStringLiteral("(") + QString::number(VerbleibendePunkte(z, c)) + QStringLiteral(" bleiben");
}

void MindestwertGeaendert(TOptimiererZustand &z, const TCharakter &c, TMindestEingabe e, int32_t wert)
{
    StillSetzen(z, e, wert);
    const int64_t ueberschuss = Gesamt(z) - c.Attributpunkte;
    if (ueberschuss > 0)
        StillSetzen(z, e, int64_t(Feld(z, e)) - ueberschuss);
    if (e != EingabeReserviert && z.FreiTag == 1)
        z.Rasse = RasseFrei;
}

void RasseWaehlen(TOptimiererZustand &z, const TCharakter &c, int rasse)
{
    if (rasse < RasseMensch || rasse > RasseLeer || rasse == z.Rasse)
        return;
    z.Rasse = rasse;
    if (IstRasse(rasse)) {
        const int32_t reserviert = z.Reserviert;
        z.Reserviert = 0;
        z.FreiTag = 0;
        const std::array<int32_t, 4> start = RassenStartwerte(rasse);
        const std::array<int32_t, 4> boden = {c.VerzStaerke, c.VerzGeschick, c.VerzKonstitution,
                                              c.VerzIntelligenz};
        StillSetzen(z, EingabeStaerke, int64_t(start[0]) + boden[0]);
        StillSetzen(z, EingabeGeschick, int64_t(start[1]) + boden[1]);
        StillSetzen(z, EingabeKonstitution, int64_t(start[2]) + boden[2]);
        Setzen(z, c, EingabeIntelligenz, int64_t(start[3]) + boden[3]);
        Setzen(z, c, EingabeReserviert, reserviert);
        z.FreiTag = 1;
    } else if (rasse == RasseLeer) {
        for (int i = 0; i < 4; ++i)
            StillSetzen(z, static_cast<TMindestEingabe>(i), z.Untergrenze[i]);
        StillSetzen(z, EingabeReserviert, 0);
        GleicheMindestwerteAb(z, c, false);
    }
}

void GleicheMindestwerteAb(TOptimiererZustand &z, const TCharakter &c, bool wiederherstellen)
{
    if (wiederherstellen) {
        for (TMindestEingabe e : AlleEingaben)
            StillSetzen(z, e, 0);
        for (TMindestEingabe e : AlleEingaben)
            Setzen(z, c, e, z.Gespeichert[e]);
        return;
    }
    std::array<int32_t, 5> werte{};
    for (TMindestEingabe e : AlleEingaben)
        werte[e] = z.Gespeichert[e] = Feld(z, e);
    if (Gesamt(z) > c.Attributpunkte) {
        for (TMindestEingabe e : AlleEingaben)
            StillSetzen(z, e, 0);
        for (TMindestEingabe e : AlleEingaben)
            Setzen(z, c, e, werte[e]);
    }
}

void UntergrenzenAnpassen(TOptimiererZustand &z, const TCharakter &c)
{
    z.Untergrenze = {c.VerzStaerke, c.VerzGeschick, c.VerzKonstitution, c.VerzIntelligenz};
    if (IstRasse(z.Rasse)) {
        const int rasse = z.Rasse;
        RasseWaehlen(z, c, RasseFrei);
        RasseWaehlen(z, c, rasse);
    } else {
        for (int i = 0; i < 4; ++i)
            Setzen(z, c, static_cast<TMindestEingabe>(i), z.Minimum[i]);
    }
}

// ================================================================ search helpers

int32_t Schrittweite(int32_t x)
{
    if (x <= 5)
        return 1;
    if (x <= 10)
        return 2;
    return x / 3;
}

int32_t Verfeinerung(int32_t s)
{
    if (s == 1)
        return 0;
    return std::max(1, s / 3);
}

double Teilwertung(double x, double w)
{
    if (x <= w)
        return x;
    return w + (x - w) / 2.0;
}

int AnzahlDurchlaeufe(int32_t h)
{
    int l = 0;
    for (int32_t s = Schrittweite(h); s > 0; s = Verfeinerung(s))
        ++l;
    return l;
}

namespace {

constexpr double Unendlich = 1.7e308;

enum TZiel : int { ZielOffensive = 0, ZielDefensive = 1, ZielKombiniert = 2 };

struct TBestwert {
    std::array<int32_t, 4> Punkt{};
    double Wert = 0.0;
};

// The worker's search on its own copies.
class TSuche {
public:
    TSuche(const TOptimierungsAuftrag &a, const TSuchOptionen &opt)
        : m_a(a), m_opt(opt), m_c(a.Charakter), m_arten(a.Arten), m_werte(a.Ausruestung),
          m_g(a.Gegnerwerte), m_min{a.MinStaerke, a.MinGeschick, a.MinKonstitution, a.MinIntelligenz}
    {
        if (!a.GegnerBeruecksichtigen) {
            m_g.Ruestschutz = 0.0;
            m_g.Absorb = 0.0;
            m_g.RuestschutzBeiBlock = 0.0;
            m_g.Blockchance = 0.0;
            m_g.Ausweichen = 0.0;
            m_g.MinSchaden = 0;
            m_g.MaxSchaden = 0;
        }
        m_offensiv.emplace(m_g.Absorb, m_g.Ruestschutz);
        m_offensivBlock.emplace(m_g.Absorb, m_g.Ruestschutz + m_g.RuestschutzBeiBlock);
    }

    TOptimierungsErgebnis OptimiereAttribute();

private:
    void Berechnen(const std::array<int32_t, 4> &p)
    {
        m_c.Staerke = p[0];
        m_c.Geschick = p[1];
        m_c.Konstitution = p[2];
        m_c.Intelligenz = p[3];
        BerechneEffektiveWerte(m_arten, m_werte, m_c, m_a.Optionen);
    }

    bool Nah() const { return m_a.Kampfmodus <= ModusNahZweiWaffen; }

    // Own defence of the mode: Rüstschutz, Absorb, Ausweichen, Rüstschutz bei Block, block chance.
    double EigenerRuestschutz() const { return Nah() ? m_c.RuestschutzNah : m_c.RuestschutzFern; }
    double EigenerAbsorb() const { return Nah() ? m_c.Absorb : m_c.AbsorbFern; }
    double EigenesAusweichen() const { return Nah() ? m_c.AusweichenNah : m_c.AusweichenFern; }
    double EigenerBlockschutz() const { return Nah() ? m_c.RuestschutzBeiBlock : 0.0; }
    double EigenerBlock() const { return Nah() ? m_c.Schildblock : 0.0; }

    double Zaehigkeit() const
    {
        return EffektiveLebenspunkte(m_c.MaxLebenspunkte, EigenerRuestschutz(), EigenerBlockschutz(),
                                     EigenerBlock(), EigenesAusweichen());
    }

    double Angriff(const TWaffenwerte &w)
    {
        const int64_t min = static_cast<int64_t>(std::floor(w.MinSchaden));
        const int64_t max = static_cast<int64_t>(std::floor(w.MaxSchaden));
        if (m_opt.Referenzformeln)
            return ErwarteterSchaden(min, max, 1.0, w.Treffsicherheit, w.KritischeTreffer, m_g.Ruestschutz,
                                     m_g.Absorb, m_g.Ausweichen, m_g.RuestschutzBeiBlock, m_g.Blockchance);
        return ErwartungAusMittelwerten(OffensivMittel(min, max), 1.0, w.Treffsicherheit, w.KritischeTreffer,
                                        m_g.Ausweichen, m_g.Blockchance);
    }

    TMittelwerte OffensivMittel(int64_t min, int64_t max)
    {
        TMittelwerte mw;
        mw.m = m_offensiv->Mittel(min, max);
        mw.c = m_offensiv->Mittel(2 * min, 2 * max);
        if (m_g.Blockchance != 0.0) {
            mw.mb = m_offensivBlock->Mittel(min, max);
            mw.cb = m_offensivBlock->Mittel(2 * min, 2 * max);
        }
        return mw;
    }

    double Offensivwert()
    {
        switch (m_a.Kampfmodus) {
        case ModusNahZweiWaffen: {
            const TWaffenwerte &h = m_c.Hauptwaffe;
            const TWaffenwerte &n = m_c.Nebenwaffe;
            if (m_opt.Referenzformeln)
                return ErwarteterSchadenZweiWaffen(
                    static_cast<int64_t>(std::floor(h.MinSchaden)),
                    static_cast<int64_t>(std::floor(h.MaxSchaden)), h.Angriffe, h.Treffsicherheit,
                    h.KritischeTreffer, static_cast<int64_t>(std::floor(n.MinSchaden)),
                    static_cast<int64_t>(std::floor(n.MaxSchaden)), n.Angriffe, n.Treffsicherheit,
                    n.KritischeTreffer, m_g.Ruestschutz, m_g.Absorb, m_g.Ausweichen, m_g.RuestschutzBeiBlock,
                    m_g.Blockchance);
            return ZweiWaffenErwartung(h.Angriffe, Angriff(h), n.Angriffe, Angriff(n));
        }
        case ModusFernWaffe:
            return Angriff(m_c.Fernwaffe);
        case ModusFernZauber:
            return Angriff(m_c.Zauber);
        case ModusFernHeilung: {
            // The heal averages are closed forms already; nothing to cache.
            const TWaffenwerte &z = m_c.Zauber;
            return ErwarteteHeilung(static_cast<int64_t>(std::floor(z.MinSchaden)),
                                    static_cast<int64_t>(std::floor(z.MaxSchaden)), z.KritischeTreffer,
                                    z.Treffsicherheit);
        }
        default:
            return Angriff(m_c.Hauptwaffe);
        }
    }

    // The opponent's expected damage per attack against the own defence. Only the own
    // absorb changes from candidate to candidate, so the averages are kept per absorb.
    double GegnerSchaden()
    {
        const double r = EigenerRuestschutz(), a = EigenerAbsorb(), w = EigenesAusweichen();
        const double rb = EigenerBlockschutz(), b = EigenerBlock();
        if (m_opt.Referenzformeln)
            return ErwarteterSchaden(m_g.MinSchaden, m_g.MaxSchaden, 1.0, m_g.Treffsicherheit,
                                     m_g.KritischeTreffer, r, a, w, rb, b);
        const int64_t min = m_g.MinSchaden, max = m_g.MaxSchaden;
        if (r != m_defR || rb != m_defRb) {
            m_defMittel.clear();
            m_defR = r;
            m_defRb = rb;
        }
        uint64_t schluessel;
        const double ab = a;
        std::memcpy(&schluessel, &ab, sizeof schluessel);
        schluessel ^= b != 0.0 ? 0x9E3779B97F4A7C15ull : 0;
        auto it = m_defMittel.find(schluessel);
        if (it == m_defMittel.end()) {
            if (m_defMittel.size() > 100000)
                m_defMittel.clear();
            it = m_defMittel.insert(schluessel, Mittelwerte(min, max, a, r, rb, b));
        }
        return ErwartungAusMittelwerten(*it, 1.0, m_g.Treffsicherheit, m_g.KritischeTreffer, w, b);
    }

    double Defensivwert()
    {
        if (!m_a.GegnerBeruecksichtigen)
            return Zaehigkeit();
        const double e = GegnerSchaden();
        if (!(e > 0.0))
            return Unendlich;
        return m_c.MaxLebenspunkte / e;
    }

    double Kombiniert()
    {
        const double off = Offensivwert();
        const double z = Zaehigkeit();
        const double a = EigenerAbsorb();
        const double nOff = m_offStern > m_off0 ? (off - m_off0) / (m_offStern - m_off0) : 1.0;
        const double nZ = m_zStern > m_z0 ? (z - m_z0) / (m_zStern - m_z0) : 1.0;
        const double nA = m_aStern > m_a0 ? (a - m_a0) / (m_aStern - m_a0) : 1.0;
        const double d = m_a.GegnerBeruecksichtigen ? (std::min(nZ, 1.0) + std::min(nA, 1.0)) / 2.0 : nZ;
        return Teilwertung(nOff, m_a.GewichtOffensive) + Teilwertung(d, m_a.GewichtDefensive);
    }

    double Wert(TZiel ziel)
    {
        switch (ziel) {
        case ZielOffensive:
            return Offensivwert();
        case ZielDefensive:
            return Defensivwert();
        default:
            return Kombiniert();
        }
    }

    TBestwert Suchlauf(TZiel ziel);
    TBestwert KombinierterSuchlauf() { return Suchlauf(ZielKombiniert); }

    void Fortschritt(int schritte)
    {
        m_position += schritte;
        if (m_opt.Fortschritt)
            m_opt.Fortschritt(m_maximum, m_position);
    }

    const TOptimierungsAuftrag &m_a;
    const TSuchOptionen &m_opt;
    TCharakter m_c;
    TAusruestungsArten m_arten;
    TAusruestungsWerte m_werte;
    TGegnerwerte m_g;
    std::array<int32_t, 4> m_min;
    int64_t m_h = 0;
    int m_maximum = 0, m_position = 0;
    double m_off0 = 0.0, m_z0 = 0.0, m_a0 = 0.0;
    double m_offStern = 0.0, m_zStern = 0.0, m_aStern = 0.0;
    std::optional<TSchadensmittel> m_offensiv, m_offensivBlock;
    QHash<uint64_t, TMittelwerte> m_defMittel;
    double m_defR = -1.0, m_defRb = -1.0;
};

TBestwert TSuche::Suchlauf(TZiel ziel)
{
    TBestwert best;
    int64_t bestSumme = 0;
    std::array<int64_t, 4> lo{}, hi{};
    std::array<bool, 4> variiert{true, true, true, true};
    for (int x = 0; x < 4; ++x) {
        lo[x] = m_min[x];
        hi[x] = m_min[x] + m_h;
    }
    if (ziel == ZielOffensive)
        variiert[AttrKonstitution] = false;
    else if (ziel == ZielDefensive)
        variiert[AttrIntelligenz] = false;
    for (int x = 0; x < 4; ++x)
        if (!variiert[x])
            hi[x] = m_min[x];

    const int faktor = ziel == ZielKombiniert ? 2 : 1;
    int durchlauf = 1;
    std::array<int32_t, 4> punkt{};
    for (int64_t schritt = Schrittweite(static_cast<int32_t>(std::min<int64_t>(m_h, INT32_MAX))); schritt > 0;
         schritt = Verfeinerung(static_cast<int32_t>(schritt))) {
        // One attribute's values: lo to end with the stride; the end value is always visited.
        auto werte = [&](int x, int64_t rest, auto &&rumpf) {
            const int64_t ende = std::min(m_min[x] + rest, hi[x]);
            const int64_t schrittX = std::min<int64_t>(
                schritt,
                Schrittweite(static_cast<int32_t>(std::clamp<int64_t>(ende - lo[x], INT32_MIN, INT32_MAX))));
            for (int64_t v = lo[x]; v <= ende;) {
                rumpf(v);
                if (v + schrittX > ende && v != ende)
                    v = ende;
                else
                    v += schrittX;
            }
        };
        werte(AttrIntelligenz, m_h, [&](int64_t i) {
            punkt[AttrIntelligenz] = static_cast<int32_t>(i);
            const int64_t restK = m_h - (i - m_min[AttrIntelligenz]);
            werte(AttrKonstitution, restK, [&](int64_t k) {
                punkt[AttrKonstitution] = static_cast<int32_t>(k);
                const int64_t restG = restK - (k - m_min[AttrKonstitution]);
                werte(AttrGeschick, restG, [&](int64_t g) {
                    punkt[AttrGeschick] = static_cast<int32_t>(g);
                    const int64_t restS = restG - (g - m_min[AttrGeschick]);
                    werte(AttrStaerke, restS, [&](int64_t s) {
                        punkt[AttrStaerke] = static_cast<int32_t>(s);
                        if (m_opt.Besucher)
                            m_opt.Besucher(punkt, durchlauf, ziel);
                        Berechnen(punkt);
                        const double v = Wert(ziel);
                        const int64_t summe = int64_t(punkt[0]) + punkt[1] + punkt[2] + punkt[3];
                        if (v > best.Wert || (v == best.Wert && summe < bestSumme)) {
                            best.Punkt = punkt;
                            best.Wert = v;
                            bestSumme = summe;
                        }
                    });
                });
            });
        });

        // Next window: the step and the points the best point leaves unspent around it.
        const int64_t summeMin = int64_t(m_min[0]) + m_min[1] + m_min[2] + m_min[3];
        const int64_t u = std::min(schritt, m_h + summeMin - bestSumme);
        for (int x = 0; x < 4; ++x) {
            if (!variiert[x])
                continue;
            lo[x] = std::max<int64_t>(m_min[x], best.Punkt[x] - schritt - u);
            hi[x] = best.Punkt[x] + schritt + u;
        }
        Fortschritt(faktor * durchlauf);
        ++durchlauf;
    }
    return best;
}

TOptimierungsErgebnis TSuche::OptimiereAttribute()
{
    const std::array<int32_t, 4> min = m_min;
    auto ergebnis = [](const std::array<int32_t, 4> &p) {
        return TOptimierungsErgebnis{p[0], p[1], p[2], p[3]};
    };
    auto mitMinimum = [&min](const std::array<int32_t, 4> &p) {
        std::array<int32_t, 4> r;
        for (int x = 0; x < 4; ++x)
            r[x] = std::max(min[x], p[x]);
        return r;
    };

    m_h =
        int64_t(m_a.Charakter.Attributpunkte) - m_a.Reserviert - (int64_t(min[0]) + min[1] + min[2] + min[3]);
    if (m_h <= 0)
        return ergebnis(min);

    const bool offensiv = m_a.GewichtOffensive > 0.0;
    const bool defensiv = m_a.GewichtDefensive > 0.0;
    const int l = AnzahlDurchlaeufe(static_cast<int32_t>(std::min<int64_t>(m_h, INT32_MAX)));
    m_maximum = l * (l + 1) / 2 * (offensiv && defensiv ? 4 : 1);
    m_position = 0;
    if (m_opt.Fortschritt)
        m_opt.Fortschritt(m_maximum, 0);

    // Baseline: all attributes at 0, not at the minimums.
    Berechnen({0, 0, 0, 0});
    m_off0 = Offensivwert();
    m_z0 = Zaehigkeit();
    m_a0 = EigenerAbsorb();

    std::array<int32_t, 4> offOptimum = min, defOptimum = min;
    if (offensiv) {
        const TBestwert b = Suchlauf(ZielOffensive);
        offOptimum = mitMinimum(b.Punkt);
        m_offStern = b.Wert;
    }
    if (defensiv) {
        const TBestwert b = Suchlauf(ZielDefensive);
        defOptimum = mitMinimum(b.Punkt);
        Berechnen(defOptimum);
        m_aStern = EigenerAbsorb();
        m_zStern = m_a.GegnerBeruecksichtigen ? Zaehigkeit() : b.Wert;
    }

    if (m_a.GewichtOffensive == 1.0)
        return ergebnis(offOptimum);
    if (m_a.GewichtDefensive == 1.0)
        return ergebnis(defOptimum);
    return ergebnis(mitMinimum(KombinierterSuchlauf().Punkt));
}

} // namespace

// ================================================================ search

TOptimierungsErgebnis OptimiereAttribute(const TOptimierungsAuftrag &a, const TSuchOptionen &optionen)
{
    TSuche suche(a, optionen);
    return suche.OptimiereAttribute();
}

TOptimierungsAuftrag OptimierungVorbereiten(const TPlaner &p, TOptimiererZustand &z)
{
    TOptimierungsAuftrag a;
    a.Gegnerwerte = p.Gegner;
    a.GegnerBeruecksichtigen = z.GegnerBeruecksichtigen;
    a.GewichtOffensive = std::clamp(z.Prioritaet, 0, 100) / 100.0;
    a.GewichtDefensive = 1.0 - a.GewichtOffensive;
    a.Arten = p.Arten;
    a.Ausruestung = p.Werte;
    a.Charakter = p.Charakter;
    a.Optionen = p.Optionen;
    a.MinStaerke = z.Minimum[0];
    a.MinGeschick = z.Minimum[1];
    a.MinKonstitution = z.Minimum[2];
    a.MinIntelligenz = z.Minimum[3];
    a.Reserviert = z.Reserviert;

    QString warnung;
    uint8_t modus = ModusNahEineWaffe;
    TAusruestungsArten &arten = a.Arten;
    if (z.Kampfart == TKampfart::Nahkampf) {
        const uint8_t neben = arten[PosNebenwaffe];
        const bool nebenWaffe = neben >= 1 && neben <= 4;
        if (arten[PosHauptwaffe] != 0) {
            modus = nebenWaffe ? ModusNahZweiWaffen : ModusNahEineWaffe;
        } else if (nebenWaffe) {
            // An off-hand weapon alone is searched as a main-hand weapon, without the
            // two-weapon penalty.
            static constexpr std::array<uint8_t, 5> hauptArt = {0, 1, 3, 4, 6};
            a.Ausruestung.Hauptwaffe = a.Ausruestung.Nebenwaffe;
            arten[PosHauptwaffe] = hauptArt[neben];
            arten[PosNebenwaffe] = 0;
        } else {
            warnung = QStringLiteral("Achtung: Keine Nahkampfwaffe!");
        }
    } else {
        const uint8_t fern = arten[PosFernkampf];
        if (fern == 0)
            warnung = QStringLiteral("Achtung: Keine Fernkampfwaffe!");
        else if (arten[PosMunition] == 0)
            warnung = QStringLiteral("Achtung: Keine Munition!");
        else if (fern <= 2)
            modus = ModusFernWaffe;
        else if (arten[PosZauberElement] != 0)
            modus =
                (arten[PosZauberTyp] == 2 || arten[PosZauberTyp] == 4) ? ModusFernHeilung : ModusFernZauber;
        else
            warnung = QStringLiteral("Achtung: Kein Zauber!");
    }
    if (!warnung.isEmpty()) {
        // Without a usable weapon the offence has no influence; only the defence can improve.
        arten[PosHauptwaffe] = 1;
        a.Ausruestung.Hauptwaffe.MinSchaden = 0;
        a.Ausruestung.Hauptwaffe.MaxSchaden = 0;
        a.Ausruestung.Hauptwaffe.Angriffe = 0;
        modus = ModusNahEineWaffe;
    }
    z.Warnung = warnung;
    a.Kampfmodus = modus;
    return a;
}

void OptimierungsErgebnisAnwenden(TPlaner &p, TOptimiererZustand &z, const TOptimierungsErgebnis &e)
{
    TCharakter &c = p.Charakter;
    for (TAttribut a : {AttrStaerke, AttrGeschick, AttrKonstitution, AttrIntelligenz})
        SetzeAttribut(c, a, 0);
    SetzeAttribut(c, AttrStaerke, e.Staerke);
    SetzeAttribut(c, AttrGeschick, e.Geschick);
    SetzeAttribut(c, AttrKonstitution, e.Konstitution);
    SetzeAttribut(c, AttrIntelligenz, e.Intelligenz);
    Aktualisieren(p);
    z.OptimierungLaeuft = false;
}

// ================================================================ worker

TAttributOptimierungThread::TAttributOptimierungThread(const TOptimierungsAuftrag &auftrag, QObject *parent)
    : QThread(parent), Auftrag(auftrag)
{
}

void TAttributOptimierungThread::run()
{
    TSuchOptionen optionen;
    optionen.Fortschritt = [this](int maximum, int position) { emit Fortschritt(maximum, position); };
    Ergebnis = OptimiereAttribute(Auftrag, optionen);
}

TAttributOptimierungThread *StarteOptimierung(TOptimiererZustand &z, const TOptimierungsAuftrag &auftrag,
                                              QObject *empfaenger,
                                              std::function<void(const TOptimierungsErgebnis &)> ende,
                                              std::function<void(int maximum, int position)> fortschritt)
{
    if (z.OptimierungLaeuft || !empfaenger)
        return nullptr;
    z.OptimierungLaeuft = true;
    auto *t = new TAttributOptimierungThread(auftrag);
    if (fortschritt)
        QObject::connect(t, &TAttributOptimierungThread::Fortschritt, empfaenger, std::move(fortschritt));
    QObject::connect(t, &QThread::finished, empfaenger, [t, ende = std::move(ende)] {
        // finished() is sent while the thread winds down; let it end before the result is read
        // and the object is released.
        t->wait();
        const TOptimierungsErgebnis e = t->Ergebnis;
        t->deleteLater();
        if (ende)
            ende(e);
    });
    t->start();
    return t;
}

} // namespace mvt::planer
