#include "planner/Charakter.h"

#include "catalogue/Katalog.h"
#include "base/Zahlen.h"
#include "base/Optionen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mvt::planer {

// The planner's potencies are the options' potencies, key for key.
static_assert(AnzahlWirkungen == mvt::AnzahlWirkungen);

int WirkungsIndex(const QString &schluessel)
{
    for (int i = 0; i < AnzahlWirkungen; ++i)
        if (schluessel == QLatin1String(WirkungSchluessel[static_cast<size_t>(i)]))
            return i;
    return -1;
}

bool WirkungAktiv(const TPlanerOptionen &o)
{
    return o.WirkungBerechnen && o.Welt != 1 && o.Welt != 2;
}

namespace {

bool ZyrthaniaRegeln(int welt)
{
    return welt == 0 || welt == 3;
}
bool AlteWeltRegeln(int welt)
{
    return welt == 1 || welt == 2;
}

int32_t Begrenzt32(int64_t x)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(x, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The values rounded here are sums and products of percentages with at most a few
// decimals; binary fractions put a whole 29 at 28.999999999999996 (see RundungsToleranz).
constexpr double Toleranz = RundungsToleranz;

int32_t &AttributRef(TCharakter &c, TAttribut a)
{
    switch (a) {
    case AttrStaerke:
        return c.Staerke;
    case AttrGeschick:
        return c.Geschick;
    case AttrKonstitution:
        return c.Konstitution;
    default:
        return c.Intelligenz;
    }
}

int32_t &UntergrenzeRef(TCharakter &c, TAttribut a)
{
    switch (a) {
    case AttrStaerke:
        return c.VerzStaerke;
    case AttrGeschick:
        return c.VerzGeschick;
    case AttrKonstitution:
        return c.VerzKonstitution;
    default:
        return c.VerzIntelligenz;
    }
}

} // namespace

int64_t ErfahrungFuerLevel(int32_t level, int welt)
{
    // Level 1000 is asked for as the level-up threshold of level 999; beyond that
    // nothing is needed and the sums stay far inside 64 bits.
    const int64_t n = std::clamp<int64_t>(level, 1, MaxLevel + 1) - 1; // steps taken
    if (ZyrthaniaRegeln(welt)) {
        // step j = 50 (j+1)(j+2) - 100; sum over j = 1..n of (j+1)(j+2) = (n+1)(n+2)(n+3)/3 - 2
        return 50 * ((n + 1) * (n + 2) * (n + 3) / 3 - 2) - 100 * n;
    }
    if (AlteWeltRegeln(welt))
        return 500 * (n + 1) * n;
    return 0;
}

int32_t LevelAusErfahrung(int64_t erfahrung, int welt)
{
    if (!ZyrthaniaRegeln(welt) && !AlteWeltRegeln(welt))
        return 1;
    int32_t level = 1;
    while (level < MaxLevel && erfahrung >= ErfahrungFuerLevel(level + 1, welt))
        ++level;
    return level;
}

int32_t AttributpunkteFuerLevel(int32_t level, const TCharakter &c)
{
    const int64_t summe = int64_t(c.VerzStaerke) + c.VerzGeschick + c.VerzKonstitution + c.VerzIntelligenz +
                          50 + 5 * (int64_t(level) - 1);
    return Begrenzt32(summe);
}

int32_t Attributwert(const TCharakter &c, TAttribut a)
{
    return AttributRef(const_cast<TCharakter &>(c), a);
}

int32_t Attributuntergrenze(const TCharakter &c, TAttribut a)
{
    return UntergrenzeRef(const_cast<TCharakter &>(c), a);
}

void SetzeAttributpunkte(TCharakter &c, int32_t gesamt)
{
    if (gesamt >= c.Attributpunkte) {
        c.Attributpunkte = gesamt;
        c.FreiePunkte = Begrenzt32(int64_t(gesamt) - c.Staerke - c.Geschick - c.Konstitution - c.Intelligenz);
        return;
    }
    const int64_t d = int64_t(c.Attributpunkte) - gesamt;
    if (d <= c.FreiePunkte) {
        c.FreiePunkte = Begrenzt32(c.FreiePunkte - d);
        c.Attributpunkte = gesamt;
        return;
    }
    c.Attributpunkte = Begrenzt32(int64_t(c.Attributpunkte) - c.FreiePunkte);
    c.FreiePunkte = 0;
    // Take points one at a time, round-robin, never below the enchantment floors. A round
    // that takes nothing ends the loop: a total below the floors cannot be reached.
    const TAttribut reihenfolge[] = {AttrStaerke, AttrGeschick, AttrKonstitution, AttrIntelligenz};
    while (c.Attributpunkte > gesamt) {
        bool genommen = false;
        for (TAttribut a : reihenfolge) {
            int32_t &wert = AttributRef(c, a);
            if (wert > UntergrenzeRef(c, a) && c.Attributpunkte > gesamt) {
                --wert;
                --c.Attributpunkte;
                genommen = true;
            }
        }
        if (!genommen)
            break;
    }
}

void SetzeLevel(TCharakter &c, int32_t level, int welt)
{
    level = std::clamp(level, 1, MaxLevel);
    c.Level = level;
    c.Erfahrung = ErfahrungFuerLevel(level, welt);
    SetzeAttributpunkte(c, AttributpunkteFuerLevel(level, c));
}

void SetzeErfahrung(TCharakter &c, int64_t erfahrung, int welt)
{
    erfahrung = std::max<int64_t>(0, erfahrung);
    c.Level = LevelAusErfahrung(erfahrung, welt);
    c.Erfahrung = erfahrung;
    SetzeAttributpunkte(c, AttributpunkteFuerLevel(c.Level, c));
}

void SetzeAttribut(TCharakter &c, TAttribut a, int32_t wert)
{
    int32_t &attr = AttributRef(c, a);
    const int64_t b = attr;
    int64_t v = wert;
    if (v <= b) {
        v = std::max<int64_t>(v, UntergrenzeRef(c, a));
        c.FreiePunkte = Begrenzt32(c.FreiePunkte + (b - v));
        attr = Begrenzt32(v);
    } else if (v - b <= c.FreiePunkte) {
        c.FreiePunkte = Begrenzt32(c.FreiePunkte - (v - b));
        attr = Begrenzt32(v);
    } else if (c.FreiePunkte > 0) {
        attr = Begrenzt32(b + c.FreiePunkte);
        c.FreiePunkte = 0;
    }
}

double VerzauberungsWert(Verzauberungscode code)
{
    const int stufe = VerzauberungsStufe(code);
    switch (VerzauberungsTyp(code)) {
    case VzTraglast:
        return 5.0 * stufe;
    case VzAbsorb:
        return 0.4 * stufe;
    case VzSchildblock:
    case VzAusweichen:
    case VzTreffsicherheit:
    case VzKritischeTreffer:
        return 0.3 * stufe;
    case VzStaerke:
    case VzGeschick:
    case VzKonstitution:
    case VzIntelligenz:
        return stufe;
    case VzLeben:
        return 0.03 * stufe;
    default:
        return 0.0;
    }
}

double VerzauberungsSumme(const std::array<Verzauberungscode, 8> &codes, int typ)
{
    double summe = 0.0;
    for (Verzauberungscode c : codes)
        if (VerzauberungsTyp(c) == typ)
            summe += VerzauberungsWert(c);
    return summe;
}

void AendereVerzauberung(TCharakter &c, Verzauberungscode alt, Verzauberungscode neu)
{
    auto verschiebe = [&c](Verzauberungscode code, int vorzeichen) {
        const int typ = VerzauberungsTyp(code);
        if (typ < VzStaerke || typ > VzIntelligenz)
            return;
        const TAttribut a = static_cast<TAttribut>(typ - VzStaerke);
        const int32_t d = vorzeichen * VerzauberungsStufe(code);
        c.Attributpunkte += d;
        AttributRef(c, a) += d;
        UntergrenzeRef(c, a) += d;
    };
    verschiebe(alt, -1);
    verschiebe(neu, +1);
}

double RundenStellen(double x, int stellen)
{
    // The optimiser rounds a dozen values per candidate; pow was most of its time. The
    // table holds the same exact powers.
    constexpr double potenzen[] = {1.0, 10.0, 100.0, 1000.0};
    const double f = stellen >= 0 && stellen <= 3 ? potenzen[stellen] : std::pow(10.0, stellen);
    return std::trunc(x * f + 0.5 + Toleranz) / f;
}

double AbsorbRunden(double x)
{
    const double z = 10.0 * x;
    const double ganz = std::trunc(z + Toleranz);
    double t = ganz / 10.0;
    if (z - ganz > 0.5 + Toleranz)
        t += 0.1;
    return t;
}

QString Tempowort(int32_t angriffe)
{
    if (angriffe == 0)
        return QStringLiteral("gar nicht");
    if (angriffe < 0)
        return QStringLiteral("!FEHLER!");
    if (angriffe > 4)
        return QStringLiteral("sehr schnell");
    return Tempobezeichnung(angriffe);
}

QString TempoText(int32_t angriffe)
{
    if (angriffe == 1)
        return Tempowort(angriffe) + QStringLiteral(" (1 Angriff)");
    return Tempowort(angriffe) + QStringLiteral(" (") + QString::number(angriffe) +
           QStringLiteral(" Angriffe)");
}

// ---------------------------------------------------------------- effective values

namespace {

bool IstFernwaffe(uint8_t art)
{
    return art == 1 || art == 2;
}
bool IstStab(uint8_t art)
{
    return art >= 3 && art <= 6;
}

void Skalieren(TWaffenwerte &w, double f)
{
    w.MinSchaden *= f;
    w.MaxSchaden *= f;
    w.MinSchadenUnbehindert *= f;
    w.MaxSchadenUnbehindert *= f;
}

void Abrunden(TWaffenwerte &w)
{
    w.MinSchaden = AbrundenMitToleranz(w.MinSchaden);
    w.MaxSchaden = AbrundenMitToleranz(w.MaxSchaden);
    w.MinSchadenUnbehindert = AbrundenMitToleranz(w.MinSchadenUnbehindert);
    w.MaxSchadenUnbehindert = AbrundenMitToleranz(w.MaxSchadenUnbehindert);
}

void ProzenteRunden(TWaffenwerte &w)
{
    w.Treffsicherheit = RundenStellen(w.Treffsicherheit, 2);
    w.KritischeTreffer = RundenStellen(w.KritischeTreffer, 2);
    w.KritUnbehindert = RundenStellen(w.KritUnbehindert, 2);
}

void ProzenteKappen(TWaffenwerte &w)
{
    w.Treffsicherheit = std::clamp(w.Treffsicherheit, 0.0, 100.0);
    w.KritischeTreffer = std::clamp(w.KritischeTreffer, 0.0, 100.0);
    w.KritUnbehindert = std::clamp(w.KritUnbehindert, 0.0, 100.0);
}

} // namespace

void BerechneEffektiveWerte(const TAusruestungsArten &arten, const TAusruestungsWerte &werte, TCharakter &c,
                            const TPlanerOptionen &o)
{
    // 1. Enchantment list of the equipped items.
    c.Verzauberungen.fill(0);
    c.AnzahlVerzauberungen = 0;
    auto anhaengen = [&c](Verzauberungscode code) {
        if ((code & 0xFF) != 0 && c.AnzahlVerzauberungen < c.Verzauberungen.size())
            c.Verzauberungen[c.AnzahlVerzauberungen++] = code;
    };
    for (int i = PosHelm; i <= PosHandschuhe; ++i)
        if (arten[i] != 0)
            anhaengen(werte.Ruestung[i].Verzauberung);
    const uint8_t neben = arten[PosNebenwaffe];
    const uint8_t fern = arten[PosFernkampf];
    const bool schild = neben == 5 || neben == 6;
    const bool nebenWaffe = neben >= 1 && neben <= 4;
    const bool hauptWaffe = arten[PosHauptwaffe] != 0;
    const bool munition = arten[PosMunition] != 0;
    const bool zauber = arten[PosZauberElement] != 0;
    if (schild)
        anhaengen(werte.Schild.Verzauberung);
    if (hauptWaffe)
        anhaengen(werte.Hauptwaffe.Verzauberung);
    if (nebenWaffe)
        anhaengen(werte.Nebenwaffe.Verzauberung);
    if (IstFernwaffe(fern))
        anhaengen(werte.Fernwaffe.Verzauberung);
    if (IstStab(fern))
        anhaengen(werte.Stab.Verzauberung);

    // V(t) = VerzauberungsSumme(t), summed for all types in one pass over the list.
    std::array<double, 12> summen{};
    for (Verzauberungscode code : c.Verzauberungen)
        if (VerzauberungsTyp(code) < static_cast<int>(summen.size()))
            summen[VerzauberungsTyp(code)] += VerzauberungsWert(code);
    auto V = [&summen](int typ) { return summen[typ]; };
    const double S = c.Staerke, G = c.Geschick, K = c.Konstitution, I = c.Intelligenz;
    const bool wirkung = WirkungAktiv(o);
    auto potenz = [&](int index) { return wirkung ? o.Wirkung[index] : 1.0; };

    // 2. Life points.
    // (1 + 0.03 x levels) (20 L + 120) (1 + 2 K / 100), in whole numbers so that products
    // that are whole in fact are not floored one below by binary fractions.
    int64_t lebensstufen = 0;
    for (Verzauberungscode code : c.Verzauberungen)
        if (VerzauberungsTyp(code) == VzLeben)
            lebensstufen += VerzauberungsStufe(code);
    const int64_t zaehler =
        (100 + 3 * lebensstufen) * (20 * int64_t(c.Level) + 120) * (100 + 2 * int64_t(c.Konstitution));
    const int64_t lp = zaehler >= 0 ? zaehler / 10000 : -((-zaehler + 9999) / 10000);
    c.MaxLebenspunkte = Begrenzt32(lp);

    // 3. Protection.
    double r = 0.0;
    for (int i = PosHelm; i <= PosHandschuhe; ++i)
        if (arten[i] != 0)
            r += werte.Ruestung[i].Ruestschutz;
    c.RuestschutzFern = std::min(r, 100.0);
    if (schild)
        r += werte.Schild.Ruestschutz;
    c.RuestschutzNah = std::min(r, 100.0);

    // 4. Absorb.
    const double leicht = potenz(WkLeichteRuestungen);
    const double schwer = potenz(WkSchwereRuestungen);
    double a = 0.0;
    for (int i = PosHelm; i <= PosHandschuhe; ++i) {
        if (arten[i] == 1)
            a += werte.Ruestung[i].Absorb * leicht;
        else if (arten[i] == 2)
            a += werte.Ruestung[i].Absorb * schwer;
    }
    c.Absorb = (a + V(VzAbsorb)) * (1.0 + K / 100.0);
    c.AbsorbFern = c.Absorb;

    // 5. Encumbrance.
    double L = 0.0, H = 0.0;
    for (int i = PosHelm; i <= PosHandschuhe; ++i) {
        if (arten[i] == 1)
            L += werte.Ruestung[i].Behinderung;
        else if (arten[i] == 2)
            H += werte.Ruestung[i].Behinderung;
    }
    auto mindern = [G](double x, double f) { return std::max(0.0, x - f * G); };
    double behNah = std::max(0.0, mindern(L, 0.3) + H - 0.4 * S);
    double behFern;
    if (IstFernwaffe(fern) && munition)
        behFern = std::max(0.0, mindern(L, 0.3) + H - 0.4 * S);
    else if (IstStab(fern) && munition && zauber)
        behFern = std::max(0.0, mindern(L, 0.2) + H - 0.4 * S);
    else
        behFern = std::max(0.0, L + H - 0.4 * S);
    c.BehinderungNah = std::min(AbrundenMitToleranz(behNah), 100.0);
    c.BehinderungFern = std::min(AbrundenMitToleranz(behFern), 100.0);

    // 6. Dodge.
    auto ausweichen = [&](double x) {
        return std::max(0.0, std::min(25.0, V(VzAusweichen) + 4.0 + 0.2 * G) * (100.0 - x) / 100.0);
    };
    c.AusweichenNah = ausweichen(c.BehinderungNah);
    c.AusweichenUnbehindert = ausweichen(0.0);
    c.AusweichenFern = ausweichen(c.BehinderungFern);
    c.AusweichenFernUnbehindert = ausweichen(0.0);

    // 7. Shield block.
    if (neben == 5)
        c.Schildblock = std::min(25.0, V(VzSchildblock) + 4.0 + 0.2 * G + 0.15 * S);
    else if (neben == 6)
        c.Schildblock = std::min(25.0, V(VzSchildblock) + 4.0 + 0.15 * G + 0.2 * S);
    else
        c.Schildblock = 0.0;
    c.RuestschutzBeiBlock = werte.Schild.RuestschutzBeiBlock;

    // 8. Carry load and movement.
    c.Traglast = Begrenzt32(Runden(V(VzTraglast)) + 2 * int64_t(c.Staerke) + 100);
    c.Schritte = c.BehinderungNah == 0 ? 8 : (c.BehinderungNah <= 40 ? 6 : 4);

    // 9. Shared formulas.
    auto treff = [&](double bonus) { return std::min(95.0, V(VzTreffsicherheit) + 75.0 + 0.2 * G + bonus); };
    auto krit = [&](double bonus, double x) {
        return std::max(0.0,
                        std::min(25.0, V(VzKritischeTreffer) + 4.0 + 0.2 * I + bonus) * (100.0 - x) / 100.0);
    };

    // 10. Main hand.
    c.Hauptwaffe = TWaffenwerte{};
    const uint8_t haupt = arten[PosHauptwaffe];
    if (hauptWaffe) {
        TWaffenwerte &w = c.Hauptwaffe;
        w.MinSchaden = w.MinSchadenUnbehindert = werte.Hauptwaffe.MinSchaden;
        w.MaxSchaden = w.MaxSchadenUnbehindert = werte.Hauptwaffe.MaxSchaden;
        Skalieren(w, haupt <= 3 ? 1.0 + 0.8 * G / 100.0 : 1.0 + S / 100.0);
        static const int fertigkeit[9] = {0,       WkSchwerter, WkSchwerter, WkDolche,       WkAexte,
                                          WkAexte, WkKeulen,    WkKeulen,    WkStangenwaffen};
        if (haupt <= 8)
            Skalieren(w, potenz(fertigkeit[haupt]));
        w.Angriffe = werte.Hauptwaffe.Angriffe;
    } else {
        c.Hauptwaffe.Angriffe = 3;
    }
    c.Hauptwaffe.Treffsicherheit = treff(0.0);
    c.Hauptwaffe.KritischeTreffer = krit(0.0, c.BehinderungNah);
    c.Hauptwaffe.KritUnbehindert = krit(0.0, 0.0);

    // 11. Off hand.
    c.Nebenwaffe = TWaffenwerte{};
    if (nebenWaffe) {
        TWaffenwerte &w = c.Nebenwaffe;
        w.MinSchaden = w.MinSchadenUnbehindert = werte.Nebenwaffe.MinSchaden;
        w.MaxSchaden = w.MaxSchadenUnbehindert = werte.Nebenwaffe.MaxSchaden;
        Skalieren(w, neben <= 2 ? 1.0 + 0.8 * G / 100.0 : 1.0 + S / 100.0);
        static const int fertigkeit[5] = {0, WkSchwerter, WkDolche, WkAexte, WkKeulen};
        Skalieren(w, potenz(fertigkeit[neben]));
        w.Angriffe = werte.Nebenwaffe.Angriffe;
        w.Treffsicherheit = treff(0.0);
        w.KritischeTreffer = krit(0.0, c.BehinderungNah);
        w.KritUnbehindert = krit(0.0, 0.0);
        if (hauptWaffe) {
            for (TWaffenwerte *x : {&c.Hauptwaffe, &c.Nebenwaffe}) {
                Skalieren(*x, 90.0 / 100.0);
                x->Angriffe = std::max(0, x->Angriffe - 1);
                x->Treffsicherheit -= 5.0;
            }
        }
    }

    // 12. Bow or crossbow.
    c.Fernwaffe = TWaffenwerte{};
    if (IstFernwaffe(fern) && munition) {
        TWaffenwerte &w = c.Fernwaffe;
        const double basis = 1.0 + 0.8 * G / 100.0;
        const double mun = (100.0 + werte.Munition.Wirkung) / 100.0;
        const double beh = (100.0 - c.BehinderungFern) / 100.0;
        w.MinSchaden = std::max(0.0, werte.Fernwaffe.MinSchaden * basis * mun * beh);
        w.MaxSchaden = std::max(0.0, werte.Fernwaffe.MaxSchaden * basis * mun * beh);
        w.MinSchadenUnbehindert = std::max(0.0, werte.Fernwaffe.MinSchaden * basis * mun);
        w.MaxSchadenUnbehindert = std::max(0.0, werte.Fernwaffe.MaxSchaden * basis * mun);
        Skalieren(w, potenz(fern == 1 ? WkBoegen : WkArmbrueste));
        w.Angriffe = werte.Fernwaffe.Angriffe;
        w.Treffsicherheit = treff(werte.Munition.Treffsicherheit);
        w.KritischeTreffer = krit(werte.Munition.KritischeTreffer, c.BehinderungFern);
        w.KritUnbehindert = krit(werte.Munition.KritischeTreffer, 0.0);
    }

    // 13. Staff with a spell.
    c.Zauber = TWaffenwerte{};
    if (IstStab(fern) && munition && zauber) {
        TWaffenwerte &w = c.Zauber;
        const int element = arten[PosZauberElement];
        const double basis = 1.0 + I / 100.0;
        const double stab = (fern - 2 == element) ? (100.0 + werte.Stab.Wirkung) / 100.0 : 1.0;
        const double mun = (100.0 + werte.Munition.Wirkung) / 100.0;
        const double beh = (100.0 - c.BehinderungFern) / 100.0;
        w.MinSchaden = std::max(0.0, werte.Zauber.MinSchaden * basis * stab * mun * beh);
        w.MaxSchaden = std::max(0.0, werte.Zauber.MaxSchaden * basis * stab * mun * beh);
        w.MinSchadenUnbehindert = std::max(0.0, werte.Zauber.MinSchaden * basis * stab * mun);
        w.MaxSchadenUnbehindert = std::max(0.0, werte.Zauber.MaxSchaden * basis * stab * mun);
        if (element >= 1 && element <= 4)
            Skalieren(w, potenz(WkFeuermagie + element - 1));
        w.Angriffe = werte.Zauber.Angriffe;
        w.Treffsicherheit = treff(werte.Munition.Treffsicherheit);
        w.KritischeTreffer = krit(werte.Munition.KritischeTreffer, c.BehinderungFern);
        w.KritUnbehindert = krit(werte.Munition.KritischeTreffer, 0.0);
        if (arten[PosZauberTyp] >= 3)
            w.Dauer = werte.Zauber.Dauer;
    }

    // 14. Percentages of the ranged blocks stay within 0..100.
    if (fern != 0) {
        ProzenteKappen(c.Fernwaffe);
        ProzenteKappen(c.Zauber);
    }

    // 15. Whole damage values.
    for (TWaffenwerte *w : {&c.Hauptwaffe, &c.Nebenwaffe, &c.Fernwaffe, &c.Zauber})
        Abrunden(*w);

    // 16. Final rounding.
    c.RuestschutzNah = RundenStellen(c.RuestschutzNah, 1);
    c.RuestschutzFern = RundenStellen(c.RuestschutzFern, 1);
    c.RuestschutzBeiBlock = RundenStellen(c.RuestschutzBeiBlock, 1);
    c.BehinderungNah = RundenStellen(c.BehinderungNah, 0);
    c.BehinderungFern = RundenStellen(c.BehinderungFern, 0);
    c.AusweichenNah = RundenStellen(c.AusweichenNah, 2);
    c.AusweichenUnbehindert = RundenStellen(c.AusweichenUnbehindert, 2);
    c.AusweichenFern = RundenStellen(c.AusweichenFern, 2);
    c.AusweichenFernUnbehindert = RundenStellen(c.AusweichenFernUnbehindert, 2);
    c.Schildblock = RundenStellen(c.Schildblock, 2);
    for (TWaffenwerte *w : {&c.Hauptwaffe, &c.Nebenwaffe, &c.Fernwaffe, &c.Zauber})
        ProzenteRunden(*w);
    c.Absorb = AbsorbRunden(c.Absorb);
    c.AbsorbFern = AbsorbRunden(c.AbsorbFern);
}

TPlanerOptionen PlanerOptionenAus(const TOptionen &o)
{
    TPlanerOptionen p;
    p.Welt = o.CPWorld;
    p.WirkungBerechnen = o.CPCalcPotency;
    for (int i = 0; i < AnzahlWirkungen; ++i)
        p.Wirkung[i] = o.Wirkung[i] > 0.0 ? o.Wirkung[i] : 1.0;
    return p;
}

} // namespace mvt::planer
