#include "planner/Bewertung.h"

#include "base/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace mvt::planer {

int32_t SchadenNachRuestung(double d, double a, double r)
{
    const double x = AbrundenMitToleranz((1.0 - r / 100.0) * d - a);
    if (!(x > 0.0))
        return 0;
    return x >= 2147483647.0 ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(x);
}

namespace {

using Ganz128 = __int128;
using Natuerlich128 = unsigned __int128;

// The sums below run in 64 bits when the values allow it (every value of the planner)
// and in 128 bits otherwise; S is the signed, U the unsigned type.

// Sum of floor((a i + b) / m) over i = 0 .. n-1 for a, b >= 0 and m >= 1, by the usual
// Euclid-like reduction: whole multiples of m in a and b are summed directly, the rest
// is the same sum with the roles of a and m swapped. Every added part is a part of the
// result, so nothing exceeds the result's size.
template <typename U> U FloorSumme(U n, U m, U a, U b)
{
    U summe = 0;
    while (n > 0) {
        if (a >= m) {
            // n (n - 1) / 2 without overflow: halve the even factor first.
            const U dreieck = n % 2 == 0 ? n / 2 * (n - 1) : (n - 1) / 2 * n;
            summe += dreieck * (a / m);
            a %= m;
        }
        if (b >= m) {
            summe += n * (b / m);
            b %= m;
        }
        const U y = a * n + b;
        if (y < m)
            break;
        n = y / m;
        b = y % m;
        std::swap(m, a);
    }
    return summe;
}

template <typename S> S AbgerundetGeteilt(S z, S n)
{
    const S q = z / n;
    return (z % n != 0 && ((z < 0) != (n < 0))) ? q - 1 : q;
}

template <typename S> S AufgerundetGeteilt(S z, S n)
{
    return -AbgerundetGeteilt<S>(-z, n);
}

// Sum of floor((q d + b) / m) over d = von .. bis (m >= 1); 0 when von > bis.
template <typename S, typename U> S LineareFloorSumme(S von, S bis, S q, S b, S m)
{
    if (von > bis)
        return 0;
    const S n = bis - von + 1;
    if (q < 0) {
        // d = -e turns the falling line into a rising one over e = -bis .. -von.
        q = -q;
        von = -bis;
    }
    // d = von + i: floor((q i + c) / m) with c = q von + b = m t + rest, 0 <= rest < m.
    const S c = q * von + b;
    const S t = AbgerundetGeteilt<S>(c, m);
    return n * t + static_cast<S>(FloorSumme<U>(static_cast<U>(n), static_cast<U>(m), static_cast<U>(q),
                                                static_cast<U>(c - t * m)));
}

// The same with every term below 0 counted as 0: the terms are positive on one side of
// the point where q d + b reaches m, and only that part is summed.
template <typename S, typename U> S PositiveFloorSumme(S von, S bis, S q, S b, S m)
{
    if (q > 0)
        von = std::max(von, AufgerundetGeteilt<S>(m - b, q));
    else if (q < 0)
        bis = std::min(bis, AbgerundetGeteilt<S>(m - b, q));
    else if (b < m)
        return 0;
    return LineareFloorSumme<S, U>(von, bis, q, b, m);
}

// The closed forms cover raw values up to 2^52 (the evaluation's damage values stay below
// 2^51) and slopes up to 2^10, so in 128 bits every sum stays below 2^115.
constexpr int64_t WerteGrenze = int64_t(1) << 52;
constexpr double SteigungGrenze = 1024.0;

bool InGrenzen(int64_t min, int64_t max)
{
    return min >= -WerteGrenze && max <= WerteGrenze;
}

// Whether 64 bits hold every intermediate value: |q d + b|, the quotients and n times
// them stay below 2^60, and a n + b < m (n + 1) in the reduction with m < 2^27, n <= 2^32.
bool Passt64(int64_t lo, int64_t hi, int64_t q, int64_t b, int64_t m)
{
    const double d = std::max(std::fabs(static_cast<double>(lo)), std::fabs(static_cast<double>(hi)));
    const double n = static_cast<double>(hi) - static_cast<double>(lo) + 1.0;
    const double wert =
        std::fabs(static_cast<double>(q)) * d + std::fabs(static_cast<double>(b)) + static_cast<double>(m);
    constexpr double grenze = 1152921504606846976.0; // 2^60
    return m < (int64_t(1) << 27) && n <= 4294967296.0 && wert < grenze &&
           n * (2.0 * wert / static_cast<double>(m) + 2.0) < grenze;
}

// Max(0, floor((q d + b) / m)) summed over d = lo .. hi.
Ganz128 SummeDerPositiven(int64_t lo, int64_t hi, int64_t q, int64_t b, int64_t m)
{
    if (Passt64(lo, hi, q, b, m))
        return PositiveFloorSumme<int64_t, uint64_t>(lo, hi, q, b, m);
    return PositiveFloorSumme<Ganz128, Natuerlich128>(lo, hi, q, b, m);
}

// floor((q d + b) / m) summed over d = lo .. hi.
Ganz128 SummeDerGanzen(int64_t lo, int64_t hi, int64_t q, int64_t b, int64_t m)
{
    if (Passt64(lo, hi, q, b, m))
        return LineareFloorSumme<int64_t, uint64_t>(lo, hi, q, b, m);
    return LineareFloorSumme<Ganz128, Natuerlich128>(lo, hi, q, b, m);
}

// x as a whole number over 10^k for the smallest k <= maxStellen. A value next to such a
// decimal by a few units of its last place counts as that decimal: sums and products of
// decimals land there (26.1 + 55.3 = 81.39999999999999).
std::optional<std::pair<int64_t, int>> Dezimalbruch(double x, int maxStellen)
{
    if (!std::isfinite(x))
        return std::nullopt;
    double p = 1.0;
    for (int k = 0; k <= maxStellen; ++k, p *= 10.0) {
        const double s = x * p;
        // Beyond 2^50 every double is whole and the test would say nothing.
        if (std::fabs(s) > 1125899906842624.0)
            return std::nullopt;
        const double n = std::nearbyint(s);
        if (std::fabs(s - n) <= 16.0 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(s)))
            return std::pair{static_cast<int64_t>(n), k};
    }
    return std::nullopt;
}

int64_t Zehnerpotenz(int k)
{
    int64_t p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

// The damage after armour as an exact fraction: (1 - r/100) d - a = (Q d + B) / M. With r
// of at most six and a of at most eight decimals, M divides 10^8, so the fraction part
// of a value that is not whole is at least 10^-8 and the tolerance of the floors (10^-9)
// never lifts it to the next whole number: floor with tolerance is the plain floor of
// the fraction. The term-by-term form computes the same floors in doubles as long as
// their rounding stays below the tolerance, which holds for raw damage up to about 2^22
// (4 million); beyond, the fraction is the exact value and the doubles drift.
// |Q| < 2^37, |B| < 2^57 and M <= 10^8 by the bounds on r and a below.
struct TRuestungsbruch {
    int64_t Q = 0, B = 0, M = 1;
};

std::optional<TRuestungsbruch> Ruestungsbruch(double a, double r)
{
    if (!(std::fabs(r) <= 100.0 * SteigungGrenze) || !(std::fabs(a) <= 1e9))
        return std::nullopt;
    const auto rb = Dezimalbruch(r, 6);
    const auto ab = Dezimalbruch(a, 8);
    if (!rb || !ab)
        return std::nullopt;
    // q = 1 - R / 10^(k+2) = (10^(k+2) - R) / 10^(k+2), a = A / 10^j.
    const int kq = rb->second + 2, ka = ab->second;
    const int km = std::max(kq, ka);
    TRuestungsbruch b;
    b.M = Zehnerpotenz(km);
    b.Q = (Zehnerpotenz(kq) - rb->first) * Zehnerpotenz(km - kq);
    b.B = -ab->first * Zehnerpotenz(km - ka);
    // A reduced fraction shortens the reduction of the floor sums (30 % and 30: 7 d / 10 - 30).
    const int64_t g = std::gcd(std::gcd(b.Q, b.B), b.M);
    b.Q /= g;
    b.B /= g;
    b.M /= g;
    return b;
}

double SummeGeteilt(Ganz128 summe, int64_t min, int64_t max)
{
    return static_cast<double>(summe) / static_cast<double>(max - min + 1);
}

} // namespace

double MittlererSchadenSummiert(int64_t min, int64_t max, double a, double r)
{
    if (min > max)
        return 0.0;
    const double f = 1.0 - r / 100.0;
    double summe = 0.0;
    for (int64_t d = min; d <= max; ++d) {
        const double x = AbrundenMitToleranz(f * static_cast<double>(d) - a);
        if (x > 0.0)
            summe += x;
    }
    return summe / static_cast<double>(max - min + 1);
}

double MittlererSchaden(int64_t min, int64_t max, double a, double r)
{
    if (min > max)
        return 0.0;
    const std::optional<TRuestungsbruch> b = Ruestungsbruch(a, r);
    if (!b || !InGrenzen(min, max))
        return MittlererSchadenSummiert(min, max, a, r);
    return SummeGeteilt(SummeDerPositiven(min, max, b->Q, b->B, b->M), min, max);
}

TSchadensmittel::TSchadensmittel(double a, double r) : m_a(a), m_r(r)
{
    if (const std::optional<TRuestungsbruch> b = Ruestungsbruch(a, r)) {
        m_bruch = true;
        m_q = b->Q;
        m_b = b->B;
        m_m = b->M;
    }
}

double TSchadensmittel::Mittel(int64_t min, int64_t max)
{
    if (min > max)
        return 0.0;
    if (!m_bruch || !InGrenzen(min, max))
        return MittlererSchadenSummiert(min, max, m_a, m_r);
    return SummeGeteilt(SummeDerPositiven(min, max, m_q, m_b, m_m), min, max);
}

TMittelwerte Mittelwerte(int64_t min, int64_t max, double a, double r, double rb, double b)
{
    TMittelwerte mw;
    mw.m = MittlererSchaden(min, max, a, r);
    mw.c = MittlererSchaden(2 * min, 2 * max, a, r);
    // The block terms vanish without a block chance; skip their averages then.
    if (b != 0.0) {
        mw.mb = MittlererSchaden(min, max, a, r + rb);
        mw.cb = MittlererSchaden(2 * min, 2 * max, a, r + rb);
    }
    return mw;
}

double ErwartungAusMittelwerten(const TMittelwerte &mw, double n, double t, double k, double w, double b)
{
    const double treffer = mw.m * (100.0 - k) * (100.0 - b) / 10000.0 + mw.c * k * (100.0 - b) / 10000.0 +
                           mw.mb * (100.0 - k) * b / 10000.0 + mw.cb * k * b / 10000.0;
    return n * (100.0 - w) / 100.0 * t / 100.0 * treffer;
}

double ErwarteterSchaden(int64_t min, int64_t max, double n, double t, double k, double r, double a, double w,
                         double rb, double b)
{
    return ErwartungAusMittelwerten(Mittelwerte(min, max, a, r, rb, b), n, t, k, w, b);
}

double ZweiWaffenErwartung(double nH, double eH, double nN, double eN)
{
    // Two weapons that lost their last attack each to the two-weapon rule attack not at all.
    if (nH + nN <= 0.0)
        return 0.0;
    return (nH * eH + nN * eN) / (nH + nN);
}

double ErwarteterSchadenZweiWaffen(int64_t minH, int64_t maxH, double nH, double tH, double kH, int64_t minN,
                                   int64_t maxN, double nN, double tN, double kN, double r, double a,
                                   double w, double rb, double b)
{
    return ZweiWaffenErwartung(nH, ErwarteterSchaden(minH, maxH, 1.0, tH, kH, r, a, w, rb, b), nN,
                               ErwarteterSchaden(minN, maxN, 1.0, tN, kN, r, a, w, rb, b));
}

double MittlereHeilungSummiert(int64_t min, int64_t max, bool exzellent)
{
    if (min > max)
        return 0.0;
    if (!exzellent)
        return (static_cast<double>(min) + static_cast<double>(max)) / 2.0;
    double summe = 0.0;
    for (int64_t d = min; d <= max; ++d)
        summe += std::floor(1.5 * static_cast<double>(d));
    return summe / static_cast<double>(max - min + 1);
}

double MittlereHeilung(int64_t min, int64_t max, bool exzellent)
{
    if (min > max)
        return 0.0;
    if (!exzellent || !InGrenzen(min, max))
        return MittlereHeilungSummiert(min, max, exzellent);
    // floor(1.5 d) = floor(3 d / 2); 1.5 d is exact in doubles within the bounds.
    return SummeGeteilt(SummeDerGanzen(min, max, 3, 0, 2), min, max);
}

double ErwarteteHeilung(int64_t min, int64_t max, double exzellent, double t)
{
    const double normal = MittlereHeilung(min, max, false);
    const double exz = exzellent != 0.0 ? MittlereHeilung(min, max, true) : 0.0;
    return HeilungAusMittelwerten(normal, exz, exzellent, t);
}

double HeilungAusMittelwerten(double normal, double exz, double exzellent, double t)
{
    return ((100.0 - exzellent) * normal + exzellent * exz) / 100.0 * t / 100.0;
}

double EffektiveLebenspunkte(double lp, double r, double rb, double b, double w)
{
    r /= 100.0;
    rb /= 100.0;
    b /= 100.0;
    w /= 100.0;
    if (r >= 1.0 || w >= 1.0 || (rb >= 1.0 && b > 0.0) || (b >= 1.0 && rb > 0.0))
        return -1.0;
    return lp / (1.0 - r) / (1.0 - w) / (1.0 - rb * b);
}

QString RundenText(double runden)
{
    if (runden == -1.0)
        return QStringLiteral("unbesiegbar");
    if (!(runden > 0.0))
        return QStringLiteral("schon tot");
    return ZahlAllgemein(static_cast<double>(Runden(10.0 * runden)) / 10.0) + QStringLiteral(" Runden");
}

// ---------------------------------------------------------------- presets

const std::array<TGegnerVorgabe, 6> OffensivVorgaben = {{
    {u"Magier", {0, 5, 4, 0, 0}},
    {u"Schütze", {10, 10, 20, 0, 0}},
    {u"Leder 1", {10, 20, 15, 0, 0}},
    {u"Leder 2", {16, 25, 15, 45, 20}},
    {u"Metall 1", {20, 30, 4, 0, 0}},
    {u"Metall 2", {26, 40, 4, 55, 20}},
}};

const std::array<TGegnerVorgabe, 6> DefensivVorgaben = {{
    {u"Armbrust", {260, 420, 1, 95, 6}},
    {u"Bogen", {80, 120, 4, 95, 6}},
    {u"Zauber", {115, 175, 3, 77, 25}},
    {u"Einhand", {68, 101, 4, 95, 6}},
    {u"Zwilling", {64, 87, 6, 90, 6}},
    {u"Zweihand", {114, 336, 2, 77, 6}},
}};

bool GegnerVorgabeAnwenden(TGegnerwerte &g, const QString &name)
{
    for (const TGegnerVorgabe &v : OffensivVorgaben) {
        if (name == QString::fromUtf16(v.Name)) {
            g.Ruestschutz = v.Werte[0];
            g.Absorb = v.Werte[1];
            g.Ausweichen = v.Werte[2];
            g.RuestschutzBeiBlock = v.Werte[3];
            g.Blockchance = v.Werte[4];
            return true;
        }
    }
    for (const TGegnerVorgabe &v : DefensivVorgaben) {
        if (name == QString::fromUtf16(v.Name)) {
            g.MinSchaden = static_cast<int32_t>(v.Werte[0]);
            g.MaxSchaden = static_cast<int32_t>(v.Werte[1]);
            g.Angriffe = static_cast<int32_t>(v.Werte[2]);
            g.Treffsicherheit = v.Werte[3];
            g.KritischeTreffer = v.Werte[4];
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- opponent fields

namespace {

bool IstGanzzahlFeld(TGegnerFeld f)
{
    return f == GfLeben || f == GfMinSchaden || f == GfMaxSchaden || f == GfAngriffe;
}

QString NurZiffern(const QString &text)
{
    QString t;
    for (QChar c : text)
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            t += c;
    return t;
}

double FeldWert(const TGegnerTexte &texte, TGegnerFeld f)
{
    if (IstGanzzahlFeld(f))
        return GanzzahlLesen(texte[f]).value_or(0);
    return KommazahlLesen(texte[f]).value_or(0.0);
}

} // namespace

QString GegnerFeldBereinigen(TGegnerFeld f, const QString &text)
{
    switch (f) {
    case GfLeben:
        return ZiffernBegrenzen(NurZiffern(text), 9, 0); // keeps the value within 32 bits
    case GfMinSchaden:
    case GfMaxSchaden:
        return ZiffernBegrenzen(NurZiffern(text), 4, 0);
    case GfAngriffe:
        return ZiffernBegrenzen(NurZiffern(text), 2, 0);
    case GfAbsorb:
        return ZiffernBegrenzen(text, 4, 1);
    default: {
        const QString t = ZiffernBegrenzen(text, 3, 2);
        if (KommazahlLesen(t).value_or(0.0) > 100.0)
            return QStringLiteral("100");
        return t;
    }
    }
}

TGegnerwerte GegnerwerteAusTexten(const TGegnerTexte &texte)
{
    TGegnerwerte g;
    g.Leben = static_cast<int32_t>(FeldWert(texte, GfLeben));
    g.Ruestschutz = FeldWert(texte, GfRuestschutz);
    g.Absorb = FeldWert(texte, GfAbsorb);
    g.Ausweichen = FeldWert(texte, GfAusweichen);
    g.RuestschutzBeiBlock = FeldWert(texte, GfRuestschutzBeiBlock);
    g.Blockchance = FeldWert(texte, GfBlockchance);
    g.MinSchaden = static_cast<int32_t>(FeldWert(texte, GfMinSchaden));
    g.MaxSchaden = static_cast<int32_t>(FeldWert(texte, GfMaxSchaden));
    g.Angriffe = static_cast<int32_t>(FeldWert(texte, GfAngriffe));
    g.Treffsicherheit = FeldWert(texte, GfTreffsicherheit);
    g.KritischeTreffer = FeldWert(texte, GfKritischeTreffer);
    return g;
}

TGegnerTexte GegnerTexte(const TGegnerwerte &g)
{
    TGegnerTexte t;
    t[GfLeben] = QString::number(g.Leben);
    t[GfRuestschutz] = ZahlAllgemein(g.Ruestschutz);
    t[GfAbsorb] = ZahlAllgemein(g.Absorb);
    t[GfAusweichen] = ZahlAllgemein(g.Ausweichen);
    t[GfRuestschutzBeiBlock] = ZahlAllgemein(g.RuestschutzBeiBlock);
    t[GfBlockchance] = ZahlAllgemein(g.Blockchance);
    t[GfMinSchaden] = QString::number(g.MinSchaden);
    t[GfMaxSchaden] = QString::number(g.MaxSchaden);
    t[GfAngriffe] = QString::number(g.Angriffe);
    t[GfTreffsicherheit] = ZahlAllgemein(g.Treffsicherheit);
    t[GfKritischeTreffer] = ZahlAllgemein(g.KritischeTreffer);
    return t;
}

bool GegnerMinimumUngueltig(const TGegnerTexte &texte)
{
    return !GanzzahlLesen(texte[GfMinSchaden]).has_value();
}

bool GegnerMaximumUngueltig(const TGegnerTexte &texte)
{
    const std::optional<int32_t> min = GanzzahlLesen(texte[GfMinSchaden]);
    const std::optional<int32_t> max = GanzzahlLesen(texte[GfMaxSchaden]);
    return min && max.value_or(0) < *min;
}

// ---------------------------------------------------------------- pages

bool FernkampfNutzbar(const TAusruestungsArten &arten)
{
    const uint8_t fern = arten[PosFernkampf];
    if (arten[PosMunition] == 0)
        return false;
    if (fern == 1 || fern == 2)
        return true;
    return fern >= 3 && fern <= 6 && arten[PosZauberElement] != 0;
}

namespace {

QString Fest2(double x)
{
    return FestFormatieren(x, 2);
}

int64_t Ganz(double x)
{
    // Damage values are whole already; the clamp keeps absurd inputs from overflowing.
    return static_cast<int64_t>(std::clamp(std::floor(x), -1e15, 1e15));
}

QString Spanne(int64_t min, int64_t max, double a, double r)
{
    return QString::number(SchadenNachRuestung(static_cast<double>(min), a, r)) + QStringLiteral(" - ") +
           QString::number(SchadenNachRuestung(static_cast<double>(max), a, r));
}

struct TVerteidigung {
    double r = 0, a = 0, w = 0, rb = 0, b = 0;
};

TVerteidigung EigeneVerteidigung(const TCharakter &c, TAnsicht ansicht)
{
    if (ansicht == TAnsicht::Fernkampf)
        return {c.RuestschutzFern, c.AbsorbFern, c.AusweichenFern, 0.0, 0.0};
    return {c.RuestschutzNah, c.Absorb, c.AusweichenNah, c.RuestschutzBeiBlock, c.Schildblock};
}

TOffensivErgebnis Heilungsseite(const TWaffenwerte &z)
{
    TOffensivErgebnis e;
    e.Heilung = true;
    e.Berechnet = true;
    const int64_t min = Ganz(z.MinSchaden), max = Ganz(z.MaxSchaden);
    const double x = z.KritischeTreffer, t = z.Treffsicherheit;
    e.ProAngriff = ErwarteteHeilung(min, max, x, t);
    e.ProTreffer = ErwarteteHeilung(min, max, x, 100.0);
    e.Unbehindert = ErwarteteHeilung(Ganz(z.MinSchadenUnbehindert), Ganz(z.MaxSchadenUnbehindert), x, 100.0);
    e.ProRunde = z.Angriffe * e.ProAngriff;
    e.Entgangen = e.Unbehindert > 0.0 ? (1.0 - e.ProTreffer / e.Unbehindert) * 100.0 : 0.0;

    const QString moeglich = x >= 100.0 ? QStringLiteral("nur exzellente Treffer")
                                        : QString::number(min) + QStringLiteral(" - ") + QString::number(max);
    const QString exzellent = x == 0.0 ? QStringLiteral("exzellente Treffer unmöglich")
                                       : QString::number(Ganz(1.5 * static_cast<double>(min))) +
                                             QStringLiteral(" - ") +
                                             QString::number(Ganz(1.5 * static_cast<double>(max)));
    e.Zeilen = {
        {QStringLiteral("Mögliche Heilung"), moeglich, QStringLiteral("Mögliche Heilungswerte")},
        {QStringLiteral("Mögliche exzel. Heilung"), exzellent,
         QStringLiteral("Mögliche Heilungswerte von exzellenten Treffern")},
        {QStringLiteral("Ø Heilung pro Angriff"), Fest2(e.ProAngriff),
         QStringLiteral("Durchschnittliche Heilung pro Angriff (berücksichtigt eigene Treffsicherheit)")},
        {QStringLiteral("Ø Heilung pro Treffer"), Fest2(e.ProTreffer),
         QStringLiteral("Durchschnittliche Heilung pro Treffer")},
        {QStringLiteral("Ø Heilung pro Runde"), Fest2(e.ProRunde),
         QStringLiteral("Durchschnittliche Heilung pro Runde")},
        {QStringLiteral("Heilung entgangen"), Fest2(e.Entgangen) + QStringLiteral(" %"),
         QStringLiteral("Anteil der Heilung, die durch Behinderung verloren geht")},
        {QStringLiteral("Waffeneffektivität"), QString(), QString(), false},
        {QStringLiteral("Gegner besiegt in"), QString(), QString(), false},
    };
    return e;
}

} // namespace

TBewertung BewertungBerechnen(const TAusruestungsArten &arten, const TCharakter &c, const TGegnerwerte &g,
                              TAnsicht ansicht, const TBewertung &vorher)
{
    TBewertung ergebnis;
    if (ansicht == TAnsicht::Fernkampf && !FernkampfNutzbar(arten))
        ansicht = TAnsicht::Nahkampf;
    ergebnis.Ansicht = ansicht;

    // Attack source of the view.
    const TWaffenwerte *erste = &c.Hauptwaffe;
    const TWaffenwerte *zweite = nullptr;
    bool heilung = false;
    if (ansicht == TAnsicht::Fernkampf) {
        const uint8_t fern = arten[PosFernkampf];
        if (fern == 1 || fern == 2) {
            erste = &c.Fernwaffe;
        } else {
            erste = &c.Zauber;
            heilung = arten[PosZauberTyp] == 2 || arten[PosZauberTyp] == 4;
        }
    } else {
        const bool haupt = arten[PosHauptwaffe] != 0;
        const bool neben = arten[PosNebenwaffe] >= 1 && arten[PosNebenwaffe] <= 4;
        if (haupt && neben)
            zweite = &c.Nebenwaffe;
        else if (!haupt && neben)
            erste = &c.Nebenwaffe;
    }

    // Offensive page.
    if (heilung) {
        ergebnis.Offensive = Heilungsseite(*erste);
    } else if (erste->MinSchaden > erste->MaxSchaden || (zweite && zweite->MinSchaden > zweite->MaxSchaden)) {
        ergebnis.Offensive = vorher.Offensive;
    } else {
        TOffensivErgebnis &e = ergebnis.Offensive;
        e.Berechnet = true;
        const double r = g.Ruestschutz, a = g.Absorb, w = g.Ausweichen, rb = g.RuestschutzBeiBlock,
                     b = g.Blockchance;
        const int64_t minH = Ganz(erste->MinSchaden), maxH = Ganz(erste->MaxSchaden);
        const int64_t minHU = Ganz(erste->MinSchadenUnbehindert), maxHU = Ganz(erste->MaxSchadenUnbehindert);
        const double tH = erste->Treffsicherheit, kH = erste->KritischeTreffer;
        double angriffe = erste->Angriffe;
        double H, H0, A, U;
        if (zweite) {
            const int64_t minN = Ganz(zweite->MinSchaden), maxN = Ganz(zweite->MaxSchaden);
            const int64_t minNU = Ganz(zweite->MinSchadenUnbehindert),
                          maxNU = Ganz(zweite->MaxSchadenUnbehindert);
            const double nH = erste->Angriffe, nN = zweite->Angriffe;
            const double tN = zweite->Treffsicherheit, kN = zweite->KritischeTreffer;
            H = ErwarteterSchadenZweiWaffen(minH, maxH, nH, 100, kH, minN, maxN, nN, 100, kN, r, a, 0, rb, b);
            H0 = ErwarteterSchadenZweiWaffen(minH, maxH, nH, 100, kH, minN, maxN, nN, 100, kN, 0, 0, 0, 0, 0);
            A = ErwarteterSchadenZweiWaffen(minH, maxH, nH, tH, kH, minN, maxN, nN, tN, kN, r, a, w, rb, b);
            U = ErwarteterSchadenZweiWaffen(minHU, maxHU, nH, tH, erste->KritUnbehindert, minNU, maxNU, nN,
                                            tN, zweite->KritUnbehindert, 0, 0, 0, 0, 0);
            angriffe = nH + nN;
        } else {
            H = ErwarteterSchaden(minH, maxH, 1, 100, kH, r, a, 0, rb, b);
            H0 = ErwarteterSchaden(minH, maxH, 1, 100, kH, 0, 0, 0, 0, 0);
            A = ErwarteterSchaden(minH, maxH, 1, tH, kH, r, a, w, rb, b);
            U = ErwarteterSchaden(minHU, maxHU, 1, tH, erste->KritUnbehindert, 0, 0, 0, 0, 0);
        }
        e.ProTreffer = H;
        e.IdealProTreffer = H0;
        e.ProAngriff = A;
        e.Unbehindert = U;
        e.ProRunde = A * angriffe;
        e.Entgangen = U > 0.0 ? (1.0 - A / U) * 100.0 : 0.0;
        e.Waffeneffektivitaet = H0 > 0.0 ? H / H0 * 100.0 : 0.0;
        e.GegnerBesiegtIn = e.ProRunde > 0.0 ? g.Leben / e.ProRunde : -1.0;

        QString moeglich, krit, proTreffer;
        if (w >= 100.0 || tH == 0.0) {
            moeglich = krit = proTreffer = QStringLiteral("Treffer unmöglich");
        } else {
            if (kH >= 100.0) {
                moeglich = QStringLiteral("nur krit. Treffer");
            } else {
                moeglich = Spanne(minH, maxH, a, r);
                if (zweite)
                    moeglich += QStringLiteral("   (") +
                                Spanne(Ganz(zweite->MinSchaden), Ganz(zweite->MaxSchaden), a, r) +
                                QStringLiteral(")");
            }
            if (kH == 0.0) {
                krit = QStringLiteral("krit. Treffer unmöglich");
            } else {
                krit = Spanne(2 * minH, 2 * maxH, a, r);
                if (zweite)
                    krit += QStringLiteral("   (") +
                            Spanne(2 * Ganz(zweite->MinSchaden), 2 * Ganz(zweite->MaxSchaden), a, r) +
                            QStringLiteral(")");
            }
            proTreffer = Fest2(H);
        }
        e.Zeilen = {
            {QStringLiteral("Möglicher Schaden"), moeglich,
             QStringLiteral("Mögliche Schadenswerte nach Abzug von Rüstschutz und Absorb")},
            {QStringLiteral("Möglicher krit. Schaden"), krit,
             QStringLiteral(
                 "Mögliche Schadenswerte von kritischen Treffern nach Abzug von Rüstschutz und Absorb")},
            {QStringLiteral("Ø Schaden pro Angriff"), Fest2(A),
             QStringLiteral(
                 "Durchschnittlicher Schaden pro Angriff (berücksichtigt eigene Treffsicherheit und "
                 "gegnerisches Ausweichen)")},
            {QStringLiteral("Ø Schaden pro Treffer"), proTreffer,
             QStringLiteral("Durchschnittlicher Schaden pro Treffer")},
            {QStringLiteral("Ø Schaden pro Runde"), Fest2(e.ProRunde),
             QStringLiteral("Durchschnittlicher Schaden pro Runde")},
            {QStringLiteral("Schaden entgangen"), Fest2(e.Entgangen) + QStringLiteral(" %"),
             QStringLiteral(
                 "Anteil des Schadens, der durch eigene Behinderung, sowie Verteidigungswerte des Gegners "
                 "verloren geht")},
            {QStringLiteral("Waffeneffektivität"), Fest2(*e.Waffeneffektivitaet) + QStringLiteral(" %"),
             QString()},
            {QStringLiteral("Gegner besiegt in"), RundenText(*e.GegnerBesiegtIn), QString()},
        };
    }

    // Defensive page.
    {
        TDefensivErgebnis &d = ergebnis.Defensive;
        const TVerteidigung v = EigeneVerteidigung(c, ansicht);
        const int64_t min = g.MinSchaden, max = g.MaxSchaden;
        const double t = g.Treffsicherheit, k = g.KritischeTreffer;
        d.ProTreffer = ErwarteterSchaden(min, max, 1, 100, k, v.r, v.a, 0, v.rb, v.b);
        d.ProAngriff = ErwarteterSchaden(min, max, 1, t, k, v.r, v.a, v.w, v.rb, v.b);
        d.IdealProAngriff = ErwarteterSchaden(min, max, 1, t, k, 0, 0, 0, 0, 0);
        d.ProRunde = g.Angriffe * d.ProAngriff;
        d.Schadensreduktion =
            d.IdealProAngriff > 0.0 ? (1.0 - d.ProAngriff / d.IdealProAngriff) * 100.0 : 0.0;
        const double lp = c.MaxLebenspunkte;
        d.Zaehigkeit = EffektiveLebenspunkte(lp, v.r, v.rb, v.b, v.w);
        QString zaeh = QString::number(Runden(d.Zaehigkeit));
        if (d.Schadensreduktion >= 100.0) {
            zaeh += QStringLiteral("   (unverwundbar)");
        } else {
            const double z2 =
                d.Schadensreduktion > 0.0 ? 100.0 * lp / (100.0 - d.Schadensreduktion) : d.Zaehigkeit;
            zaeh += QStringLiteral("   (") + QString::number(Runden(z2)) + QStringLiteral(")");
        }
        d.RundenUeberlebt = d.ProRunde > 0.0 ? lp / d.ProRunde : -1.0;

        QString moeglich, krit, proTreffer;
        if (v.w >= 100.0 || t == 0.0) {
            moeglich = krit = proTreffer = QStringLiteral("Treffer unmöglich");
        } else {
            moeglich = k >= 100.0 ? QStringLiteral("nur krit. Treffer") : Spanne(min, max, v.a, v.r);
            krit = k == 0.0 ? QStringLiteral("krit. Treffer unmöglich") : Spanne(2 * min, 2 * max, v.a, v.r);
            proTreffer = Fest2(d.ProTreffer);
        }
        d.Zeilen = {
            {QStringLiteral("Möglicher Schaden"), moeglich,
             QStringLiteral(
                 "Mögliche Schadenswerte des Gegners nach Abzug von eigenem Rüstschutz und Absorb")},
            {QStringLiteral("Möglicher krit. Schaden"), krit,
             QStringLiteral(
                 "Mögliche Schadenswerte von kritischen Treffern des Gegners nach Abzug von eigenem "
                 "Rüstschutz und Absorb")},
            {QStringLiteral("Ø Schaden pro Angriff"), Fest2(d.ProAngriff),
             QStringLiteral("Durchschnittlicher Schaden pro Angriff des Gegners (berücksichtigt gegnerische "
                            "Treffsicherheit und eigenes Ausweichen)")},
            {QStringLiteral("Ø Schaden pro Treffer"), proTreffer,
             QStringLiteral("Durchschnittlicher Schaden pro Treffer des Gegners")},
            {QStringLiteral("Ø Schaden pro Runde"), Fest2(d.ProRunde),
             QStringLiteral("Durchschnittlicher Schaden pro Runde des Gegners")},
            {QStringLiteral("Schadensreduktion"), Fest2(d.Schadensreduktion) + QStringLiteral(" %"),
             QStringLiteral(
                 "Anteil des gegnerischen Schadens, der durch eigene Verteidigungswerte verhindert wird")},
            {QStringLiteral("Zähigkeit"), zaeh,
             QStringLiteral("Effektive Lebenspunkte unter Berücksichtigung von Rüstschutz, Schildblock und "
                            "Ausweichen (in Klammern: zusätzlich Absorb und gegnerische Angriffswerte)")},
            {QStringLiteral("Überlebt"), RundenText(d.RundenUeberlebt),
             QStringLiteral("Anzahl der Runden, die der Charakter gegen den Gegner durchhält")},
        };
    }
    return ergebnis;
}

} // namespace mvt::planer
