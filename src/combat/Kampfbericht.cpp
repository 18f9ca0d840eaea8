#include "combat/Kampfbericht.h"
#include "combat/Kampfabschluss.h"

#include "catalogue/Katalog.h"
#include "base/Textdatei.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace mvt {

TWorte WorteTrennen(QStringView zeile)
{
    return zeile.split(u' ', Qt::SkipEmptyParts);
}

QString KaempferNormalisieren(const QString &name)
{
    const TWorte w = WorteTrennen(name);
    if (w.isEmpty() || !w.last().startsWith(u'#'))
        return name;
    QString r;
    for (qsizetype i = 0; i + 1 < w.size(); ++i) {
        if (i > 0)
            r += u' ';
        r += w[i];
    }
    return r;
}

QString AuswertungsfehlerText()
{
    return QStringLiteral(
        "Fehler bei der Auswertung. Bitte gib einen Bugbericht inklusive dieses Kampfberichts an Hadrik.");
}

namespace {

// The words w[i..i+anzahl-1] written without spaces equal text.
bool Verkettet(const TWorte &w, qsizetype i, qsizetype anzahl, QStringView text)
{
    if (i < 0 || i + anzahl > w.size())
        return false;
    qsizetype pos = 0;
    for (qsizetype j = i; j < i + anzahl; ++j) {
        const QStringView t = w[j];
        if (pos + t.size() > text.size() || text.mid(pos, t.size()) != t)
            return false;
        pos += t.size();
    }
    return pos == text.size();
}

QString Verbinden(const TWorte &w, qsizetype von, qsizetype bis)
{
    QString r;
    for (qsizetype i = von; i < bis && i < w.size(); ++i) {
        if (i > von)
            r += u' ';
        r += w[i];
    }
    return r;
}

qsizetype Finden(const TWorte &w, qsizetype ab, QStringView wort)
{
    for (qsizetype i = std::max<qsizetype>(ab, 0); i < w.size(); ++i)
        if (w[i] == wort)
            return i;
    return -1;
}

qsizetype LaengsterKlammername(const TKatalog &k)
{
    qsizetype n = 0;
    for (int i = 1; i <= AnzahlZauber; ++i)
        n = std::max(n, k.ZauberTabelle[static_cast<size_t>(i)].KlammerName.size());
    return n;
}

// Spell type of a bracketed name, or 0 when no spell has it.
int KlammerTyp(const TKatalog &k, const QString &klammerName)
{
    const TZauber *z = Zauber(k, ZauberSuchenKlammer(k, klammerName));
    return z ? z->Typ : 0;
}

const QStringView NaehertSich = u"nähertsich";
const QStringView WirktAuf = u"wirktauf";

int TickArt(const TKatalog &k, const TWorte &w, qsizetype i)
{
    // The spell name ends at w[i-1]; try ever longer names backwards. No spell name is
    // longer than the longest bracketed name, which bounds the work on very long lines.
    const qsizetype grenze = LaengsterKlammername(k);
    QString name;
    for (qsizetype von = i - 1; von >= 1; --von) {
        name = von == i - 1 ? w[von].toString() : w[von].toString() + u' ' + name;
        if (name.size() > grenze)
            break;
        const int typ = KlammerTyp(k, name);
        if (typ != 0)
            return typ == 4 ? ZeileHeilungsTick : ZeileSchadensTick;
    }
    return ZeileSchadensTick;
}

int ZauberArt(const TKatalog &k, const TWorte &w, qsizetype von, qsizetype bis)
{
    qsizetype laenge = bis - von - 1;
    for (qsizetype j = von; j < bis; ++j)
        laenge += w[j].size();
    if (laenge > LaengsterKlammername(k))
        return ZeileSchadenszauber;
    switch (KlammerTyp(k, Verbinden(w, von, bis))) {
    case 2:
        return ZeileHeilung;
    case 4:
        return ZeileHOTZauber;
    case 5:
        return ZeileBuff;
    case 6:
        return ZeileDebuff;
    default:
        return ZeileSchadenszauber;
    }
}

} // namespace

int ZeileKlassifizieren(const TKatalog &k, const TWorte &w)
{
    const qsizetype n = w.size();
    if (n == 2 && w[0] == u"Runde")
        return ZeileRunde;
    for (qsizetype i = 2; i <= n - 3; ++i)
        if (Verkettet(w, i, 2, NaehertSich))
            return ZeileAnnaeherung;
    {
        // Attack: some "an:" from i+2 to n-2 must follow; the last one decides whether any does.
        qsizetype letztesAn = -1;
        for (qsizetype j = n - 2; j >= 0; --j)
            if (w[j] == u"an:") {
                letztesAn = j;
                break;
            }
        for (qsizetype i = 3; i <= n - 4; ++i)
            if (w[i] == u"greift" && w[i - 1].endsWith(u']') && letztesAn >= i + 2)
                return ZeileAngriff;
    }
    for (qsizetype i = 2; i <= n - 3; ++i)
        if (w[i - 1].endsWith(u']') && Verkettet(w, i, 2, WirktAuf))
            return TickArt(k, w, i);
    // Four-word phrases; the phrase must lie inside the line.
    for (qsizetype i = 2; i <= n - 4; ++i)
        if (Verkettet(w, i, 4, u"wechseltindenNahkampf."))
            return ZeileNahkampf;
    for (qsizetype i = 2; i <= n - 4; ++i)
        if (Verkettet(w, i, 4, u"wechseltindenFernkampf."))
            return ZeileFernkampf;
    for (qsizetype i = 2; i <= n - 4; ++i)
        if (Verkettet(w, i, 4, u"sinktkampfunfähigzuBoden."))
            return ZeileKampfunfaehig;
    for (qsizetype i = 2; i <= n - 4; ++i) {
        if (w[i] != u"zaubert" || !w[i + 1].startsWith(u'['))
            continue;
        // Later i only see a part of this range, so the first i decides.
        for (qsizetype kk = i + 2; kk <= n - 3; ++kk)
            if (w[kk] == u"auf" && w[kk - 1].endsWith(u']'))
                return ZauberArt(k, w, i + 1, kk);
        break;
    }
    return ZeileUnbekannt;
}

namespace {

std::optional<int32_t> Zahl(QStringView t)
{
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return static_cast<int32_t>(v);
}

int32_t Zeitstempel(QStringView wort)
{
    const qsizetype doppelpunkt = wort.indexOf(u':');
    if (doppelpunkt < 0)
        return 0;
    const auto minuten = Zahl(wort.left(doppelpunkt));
    const auto sekunden = Zahl(wort.mid(doppelpunkt + 1));
    if (!minuten || !sekunden)
        return 0;
    const int64_t t = int64_t(*minuten) * 60 + *sekunden;
    return t == Saettigen(t) ? static_cast<int32_t>(t) : 0;
}

int32_t Abstand(int32_t spaeter, int32_t frueher)
{
    return Saettigen(int64_t(spaeter) - frueher);
}

QString OhneKlammern(const QString &t)
{
    return t.size() < 2 ? QString() : t.mid(1, t.size() - 2);
}

void OhneEndung(QString &t, QChar c)
{
    if (t.endsWith(c))
        t.chop(1);
}

void MinimumSetzen(int32_t &m, int32_t v)
{
    m = (m == -1) ? v : std::min(m, v);
}
void MaximumSetzen(int32_t &m, int32_t v)
{
    m = std::max(m, v);
}

void AktionSetzen(TKaempfer &k, uint8_t code, int32_t zeit)
{
    k.LetzteAktion = code;
    k.LetzteAktionZeit = zeit;
    k.LetzteAktionKeinAngriff = true;
}

void WaffeTreffer(TEinzelWaffe &e, bool kritisch, int32_t wert)
{
    if (kritisch) {
        MinimumSetzen(e.MinKrit, wert);
        MaximumSetzen(e.MaxKrit, wert);
        Addieren(e.AnzKrit, 1);
        Addieren(e.SumKrit, wert);
    } else {
        MinimumSetzen(e.MinNormal, wert);
        MaximumSetzen(e.MaxNormal, wert);
        Addieren(e.AnzNormal, 1);
        Addieren(e.SumNormal, wert);
    }
}

// Gap rule of heals and casts: only a later use sets the interval.
void AbstandMerken(TEinzelWaffe &e, int32_t zeit)
{
    if (e.LetzteZeit != -1) {
        const int32_t d = Abstand(zeit, e.LetzteZeit);
        if (d > 0)
            e.Intervall = d;
    }
    e.LetzteZeit = zeit;
}

TEinzelWaffe &Eintrag(TKampfstatus &s, const QString &name)
{
    return s.Waffen.Waffe[static_cast<size_t>(WaffeHolen(s.Waffen, name))];
}

void TrefferZaehlen(TAktionswerte &w, const TAttackenParameter &p)
{
    switch (p.Ergebnis) {
    case 0:
        if (p.Kritisch) {
            Addieren(w.AnzKritTreffer, 1);
            Addieren(w.SumKritSchaden, p.Schaden);
            MaximumSetzen(w.MaxKritSchaden, p.Schaden);
        } else {
            Addieren(w.AnzTreffer, 1);
            Addieren(w.SumSchaden, p.Schaden);
            MaximumSetzen(w.MaxSchaden, p.Schaden);
        }
        break;
    case 1:
        Addieren(w.AnzVerfehlt, 1);
        break;
    default:
        Addieren(w.AnzAusgewichen, 1);
        break;
    }
}

void BlockZaehlen(TAktionswerte &w, int32_t geblockt)
{
    Addieren(w.AnzBlocks, 1);
    Addieren(w.SumGeblockt, geblockt);
}

void HeilungZaehlen(TAktionswerte &w, const THeilungsParameter &p)
{
    if (p.Ergebnis == 1) {
        Addieren(w.AnzHeilungenMisslungen, 1);
    } else if (p.Exzellent) {
        Addieren(w.AnzExzHeilungen, 1);
        Addieren(w.SumExzHeilung, p.Menge);
    } else {
        Addieren(w.AnzHeilungen, 1);
        Addieren(w.SumHeilung, p.Menge);
    }
}

void TickZaehlen(TAktionswerte &w, const TDOTParameter &p)
{
    if (p.Kritisch) {
        Addieren(w.AnzDOTTicksKrit, 1);
        Addieren(w.SumDOTKrit, p.Schaden);
        MaximumSetzen(w.MaxDOTKrit, p.Schaden);
    } else {
        Addieren(w.AnzDOTTicks, 1);
        Addieren(w.SumDOT, p.Schaden);
        MaximumSetzen(w.MaxDOT, p.Schaden);
    }
}

void HeilTickZaehlen(TAktionswerte &w, const THOTParameter &p)
{
    if (p.Exzellent) {
        Addieren(w.AnzHOTTicksExz, 1);
        Addieren(w.SumHOTExz, p.Menge);
    } else {
        Addieren(w.AnzHOTTicks, 1);
        Addieren(w.SumHOT, p.Menge);
    }
}

// Melee (bit 1) and ranged (bit 2) weapons by the first word of their catalogue name.
QHash<QString, uint8_t> WaffenklassenBilden(const TKatalog &k)
{
    QHash<QString, uint8_t> r;
    for (int i = 1; i <= AnzahlWaren; ++i) {
        const TWare *w = Ware(k, i);
        const uint8_t klasse = (w->Kategorie >= 2 && w->Kategorie <= 6)     ? 1
                               : (w->Kategorie == 14 || w->Kategorie == 15) ? 2
                                                                            : 0;
        if (klasse == 0)
            continue;
        const qsizetype blank = w->Name.indexOf(u' ');
        r[blank < 0 ? w->Name : w->Name.left(blank)] |= klasse;
    }
    return r;
}

class TLeser {
public:
    TLeser(Kampfauswertung &a, const TKatalog &k) : m_a(a), m_k(k), m_klassen(WaffenklassenBilden(k)) {}

    // false: the line was recognised but could not be read or booked.
    bool Zeile(const TWorte &w)
    {
        const int art = ZeileKlassifizieren(m_k, w);
        if (art == ZeileUnbekannt)
            return true;
        if (art == ZeileRunde) {
            Addieren(m_a.Runden, 1);
            return Zahl(w[1]).has_value();
        }
        m_zeit = Zeitstempel(w[0]);
        switch (art) {
        case ZeileAnnaeherung:
            return Annaeherung(w);
        case ZeileNahkampf:
        case ZeileFernkampf:
            return Wechsel(w, art == ZeileNahkampf ? 1 : 2);
        case ZeileAngriff:
            return Angriff(w);
        case ZeileHeilung:
            return Heilung(w);
        case ZeileSchadenszauber:
        case ZeileHOTZauber:
        case ZeileBuff:
        case ZeileDebuff:
            return Zauber(w, art);
        case ZeileSchadensTick:
            return SchadensTick(w);
        case ZeileHeilungsTick:
            return HeilungsTick(w);
        case ZeileKampfunfaehig:
            return Kampfunfaehig(w);
        default:
            return true;
        }
    }

private:
    Kampfauswertung &m_a;
    const TKatalog &m_k;
    QHash<QString, uint8_t> m_klassen;
    int32_t m_zeit = 0;

    // The fighter's figures of the Runde being read; created at its first booking.
    TRundenwerte &Runde(TKaempfer &k)
    {
        const int32_t runde = std::max<int32_t>(m_a.Runden, 1);
        if (k.ProRunde.empty() || k.ProRunde.back().Runde != runde) {
            k.ProRunde.emplace_back();
            k.ProRunde.back().Runde = runde;
        }
        return k.ProRunde.back();
    }

    // Counts into one side of a block of k and, by the same counting, into k's current
    // Runde, so that the Runden always add up to the totals.
    template <class Zaehlung> void Buchen(TKaempfer &k, TAktionswerte &w, bool ausgeteilt, Zaehlung &&zaehlen)
    {
        zaehlen(w);
        if (!m_a.RundenErfassen)
            return;
        TAktionswerte gebucht;
        zaehlen(gebucht);
        RundenwerteBuchen(Runde(k), gebucht, ausgeteilt);
    }

    // A name made of the words from von up to (not including) bis; a name needs a word.
    static bool Name(const TWorte &w, qsizetype von, qsizetype bis, QString &name)
    {
        if (bis <= von)
            return false;
        name = Verbinden(w, von, bis);
        return true;
    }

    bool Annaeherung(const TWorte &w)
    {
        const qsizetype naehert = Finden(w, 1, u"nähert");
        QString akteurName, zielName;
        if (naehert < 0 || !Name(w, 1, naehert, akteurName))
            return false;
        const qsizetype sich = Finden(w, naehert + 1, u"sich");
        if (sich < 0 || !Name(w, sich + 1, w.size(), zielName))
            return false;
        OhneEndung(zielName, u'.');
        TKaempfer &k = KaempferHolen(m_a, akteurName);
        KaempferHolen(m_a, zielName);
        if (k.LetzteAktion == AktionAnnaeherung && k.SchrittIntervall == -1)
            k.SchrittIntervall = Abstand(m_zeit, k.LetzteAktionZeit);
        AktionSetzen(k, AktionAnnaeherung, m_zeit);
        Addieren(k.ZurueckgelegteFelder, 1);
        if (k.Phase == 0)
            StatusZuordnen(k, 1);
        else if (k.Phase == 2)
            k.Phase = 1;
        return true;
    }

    bool Wechsel(const TWorte &w, uint8_t phase)
    {
        const qsizetype wechselt = Finden(w, 1, u"wechselt");
        QString name;
        if (wechselt < 0 || !Name(w, 1, wechselt, name))
            return false;
        bool neu = false;
        TKaempfer &k = KaempferHolen(m_a, name, &neu);
        if (neu)
            k.Phase = phase;
        AktionSetzen(k, phase == 1 ? AktionNahkampfwechsel : AktionFernkampfwechsel, m_zeit);
        // What came before a change to melee was ranged fighting, and the other way round.
        if (k.Phase == 0)
            StatusZuordnen(k, phase == 1 ? 2 : 1);
        k.Phase = phase;
        return true;
    }

    bool Angriff(const TWorte &w)
    {
        const qsizetype n = w.size();
        qsizetype klammer = -1;
        for (qsizetype j = 1; j < n; ++j)
            if (w[j].startsWith(u'[')) {
                klammer = j;
                break;
            }
        QString angreiferName, zielName;
        if (klammer < 0 || klammer >= n - 1 || !Name(w, 1, klammer, angreiferName))
            return false;
        const qsizetype greift = Finden(w, klammer, u"greift");
        if (greift < 0)
            return false;
        TAttackenParameter p;
        p.Waffe = OhneKlammern(Verbinden(w, klammer, greift));
        const qsizetype an = Finden(w, greift + 1, u"an:");
        if (an < 0 || !Name(w, greift + 1, an, zielName) || an + 1 >= n)
            return false;
        const QStringView ergebnis = w[an + 1];
        qsizetype rest = -1;
        if (ergebnis == u"verursacht") {
            if (an + 2 >= n)
                return false;
            const auto schaden = Zahl(w[an + 2]);
            if (!schaden)
                return false;
            p.Schaden = *schaden;
            rest = an + 4;
        } else if (ergebnis == u"kein") {
            rest = an + 3;
        } else if (ergebnis == u"weicht") {
            p.Ergebnis = 2;
        } else if (ergebnis == u"verfehlt.") {
            p.Ergebnis = 1;
        } else {
            return false;
        }
        if (p.Ergebnis == 0) {
            for (qsizetype j = rest; j < n; ++j) {
                if (w[j] == u"(krit.") {
                    p.Kritisch = true;
                    ++j;
                } else if (w[j] == u"Schaden") {
                    const auto geblockt = Zahl(w[j - 1].mid(1));
                    if (!geblockt)
                        return false;
                    p.Blockiert = true;
                    p.GeblocktSchaden = *geblockt;
                    break;
                }
            }
        }
        TKaempfer &angreifer = KaempferHolen(m_a, angreiferName);
        TKaempfer &ziel = KaempferHolen(m_a, zielName);
        AngriffBuchen(angreifer, ziel, p);
        return true;
    }

    void AngriffBuchen(TKaempfer &angreifer, TKaempfer &ziel, const TAttackenParameter &p)
    {
        ziel.LetzterAngreifer = &angreifer;
        if (angreifer.Phase == 0) {
            const uint8_t klasse = m_klassen.value(p.Waffe, 0);
            if ((klasse & 1) && p.Waffe != u"Speer") // a spear can be thrown
                StatusZuordnen(angreifer, 1);
            else if (klasse & 2)
                StatusZuordnen(angreifer, 2);
            else if (ZauberSuchen(m_k, p.Waffe) > 0)
                StatusZuordnen(angreifer, 2);
        }
        TKampfstatus &ab = angreifer.Block();
        TEinzelWaffe &e = Eintrag(ab, p.Waffe);
        if (!angreifer.LetzteAktionKeinAngriff && e.LetzteZeit != -1) {
            const int32_t d = Abstand(m_zeit, e.LetzteZeit);
            if (d == 0)
                e.GleicheSekunde = true;
            else if (d > 0) {
                if (e.Intervall <= 0 || d == e.Intervall)
                    e.Intervall = d;
                else
                    e.Intervall2 = Saettigen(int64_t(d) + e.Intervall);
            }
        }
        e.LetzteZeit = m_zeit;
        if (p.Ergebnis == 0)
            WaffeTreffer(e, p.Kritisch, p.Schaden);
        angreifer.LetzteAktion = AktionAngriff;
        angreifer.LetzteAktionZeit = m_zeit;
        angreifer.LetzteAktionKeinAngriff = false;

        const TTrefferElement treffer{p.Waffe, p.Schaden, p.Blockiert ? p.GeblocktSchaden : 0, p.Kritisch};
        const auto treffen = [&p](TAktionswerte &w) { TrefferZaehlen(w, p); };
        const auto blocken = [&p](TAktionswerte &w) { BlockZaehlen(w, p.GeblocktSchaden); };
        Buchen(angreifer, ab.Ausgeteilt, true, treffen);
        if (p.Ergebnis == 0) {
            GegnerAnhaengen(ab.Ausgeteilt, ziel.Name, treffer);
            if (p.Blockiert)
                Buchen(angreifer, ab.Ausgeteilt, true, blocken);
        }

        TKampfstatus &zb = ziel.Block();
        Buchen(ziel, zb.Eingesteckt, false, treffen);
        if (p.Ergebnis != 0)
            return;
        GegnerAnhaengen(zb.Eingesteckt, angreifer.Name, treffer);
        if (!p.Blockiert)
            return;
        // Only melee fighters block: a block decides or changes the target's phase.
        if (ziel.Phase == 0) {
            Buchen(ziel, zb.Eingesteckt, false, blocken);
            StatusZuordnen(ziel, 1);
        } else if (ziel.Phase == 1) {
            Buchen(ziel, zb.Eingesteckt, false, blocken);
        } else {
            Buchen(ziel, ziel.Status[Nahkampf].Eingesteckt, false, blocken);
            ziel.Phase = 1;
        }
    }

    // Caster, spell and target of a cast line; ende receives the index of the outcome word.
    bool ZauberLesen(const TWorte &w, std::initializer_list<QStringView> ergebnisse, QString &zaubererName,
                     QString &zauber, QString &zielName, qsizetype &ende, int &ergebnis)
    {
        const qsizetype zaubert = Finden(w, 1, u"zaubert");
        if (zaubert < 0 || !Name(w, 1, zaubert, zaubererName))
            return false;
        const qsizetype auf = Finden(w, zaubert + 1, u"auf");
        if (auf < 0)
            return false;
        zauber = OhneKlammern(Verbinden(w, zaubert + 1, auf));
        ende = -1;
        for (qsizetype j = auf + 1; j < w.size() && ende < 0; ++j) {
            int nr = 0;
            for (QStringView e : ergebnisse) {
                if (w[j] == e) {
                    ende = j;
                    ergebnis = nr;
                    break;
                }
                ++nr;
            }
        }
        if (ende < 0 || !Name(w, auf + 1, ende, zielName))
            return false;
        OhneEndung(zielName, u':');
        return true;
    }

    bool Heilung(const TWorte &w)
    {
        QString zaubererName, zielName;
        THeilungsParameter p;
        qsizetype ende = -1;
        int ergebnis = 0;
        if (!ZauberLesen(w, {u"heilt", u"misslingt."}, zaubererName, p.Zauber, zielName, ende, ergebnis))
            return false;
        p.Ergebnis = static_cast<uint8_t>(ergebnis);
        if (ergebnis == 0) {
            if (ende + 1 >= w.size())
                return false;
            const auto menge = Zahl(w[ende + 1]);
            if (!menge)
                return false;
            p.Menge = *menge;
            p.Exzellent = Finden(w, ende + 3, u"(exzellenter") >= 0;
        }
        TKaempfer &zauberer = KaempferHolen(m_a, zaubererName);
        TKaempfer &ziel = KaempferHolen(m_a, zielName);
        AktionSetzen(zauberer, AktionHeilung, m_zeit);
        zauberer.Phase = 2;
        TKampfstatus &fern = zauberer.Status[Fernkampf];
        const auto heilen = [&p](TAktionswerte &w) { HeilungZaehlen(w, p); };
        Buchen(zauberer, fern.Ausgeteilt, true, heilen);
        TEinzelWaffe &e = Eintrag(fern, p.Zauber);
        AbstandMerken(e, m_zeit);
        if (p.Ergebnis == 0)
            WaffeTreffer(e, p.Exzellent, p.Menge);
        Buchen(ziel, ziel.Block().Eingesteckt, false, heilen);
        return true;
    }

    bool Zauber(const TWorte &w, int art)
    {
        const bool dreiErgebnisse = art == ZeileSchadenszauber || art == ZeileDebuff;
        QString zaubererName, zauber, zielName;
        qsizetype ende = -1;
        int ergebnis = 0;
        const bool gelesen = dreiErgebnisse ? ZauberLesen(w, {u"erfolgreich.", u"verfehlt.", u"weicht"},
                                                          zaubererName, zauber, zielName, ende, ergebnis)
                                            : ZauberLesen(w, {u"erfolgreich.", u"verfehlt."}, zaubererName,
                                                          zauber, zielName, ende, ergebnis);
        if (!gelesen)
            return false;
        TKaempfer &zauberer = KaempferHolen(m_a, zaubererName);
        TKaempfer &ziel = KaempferHolen(m_a, zielName);
        zauberer.Phase = 2;
        TKampfstatus &fern = zauberer.Status[Fernkampf];
        TEinzelWaffe &e = Eintrag(fern, zauber);
        auto zaehlen = [&](int32_t TAktionswerte::*erfolg, int32_t TAktionswerte::*verfehlt,
                           int32_t TAktionswerte::*ausgewichen) {
            int32_t TAktionswerte::*feld = ergebnis == 0 ? erfolg : ergebnis == 1 ? verfehlt : ausgewichen;
            const auto einmal = [feld](TAktionswerte &w) { Addieren(w.*feld, 1); };
            Buchen(zauberer, fern.Ausgeteilt, true, einmal);
            // The target's block is looked up again: caster and target may be one fighter.
            Buchen(ziel, ziel.Block().Eingesteckt, false, einmal);
        };
        switch (art) {
        case ZeileSchadenszauber:
            AktionSetzen(zauberer, AktionSchadenszauber, m_zeit);
            zaehlen(&TAktionswerte::AnzDOTErfolg, &TAktionswerte::AnzDOTVerfehlt,
                    &TAktionswerte::AnzDOTAusgewichen);
            AbstandMerken(e, m_zeit);
            if (ergebnis == 0)
                ziel.LetzterDOTZauberer = &zauberer;
            break;
        case ZeileHOTZauber:
            AktionSetzen(zauberer, AktionHOTZauber, m_zeit);
            zaehlen(&TAktionswerte::AnzHOTErfolg, &TAktionswerte::AnzHOTVerfehlt, nullptr);
            AbstandMerken(e, m_zeit);
            if (ergebnis == 0)
                ziel.LetzterHOTZauberer = &zauberer;
            break;
        case ZeileBuff:
            AktionSetzen(zauberer, AktionBuff, m_zeit);
            zaehlen(&TAktionswerte::AnzBuffErfolg, &TAktionswerte::AnzBuffVerfehlt, nullptr);
            e.LetzteZeit = m_zeit;
            Addieren(ergebnis == 0 ? e.AnzKrit : e.AnzNormal, 1);
            break;
        default:
            AktionSetzen(zauberer, AktionDebuff, m_zeit);
            zaehlen(&TAktionswerte::AnzDebuffErfolg, &TAktionswerte::AnzDebuffVerfehlt,
                    &TAktionswerte::AnzDebuffAusgewichen);
            e.LetzteZeit = m_zeit;
            Addieren(ergebnis == 0 ? e.AnzKrit : e.AnzNormal, 1);
            break;
        }
        return true;
    }

    // Spell and target of a tick line; ende receives the index of the outcome word.
    static bool TickLesen(const TWorte &w, std::initializer_list<QStringView> enden, QString &zauber,
                          QString &zielName, qsizetype &ende, int &art)
    {
        const qsizetype wirkt = Finden(w, 1, u"wirkt");
        if (wirkt < 0)
            return false;
        zauber = OhneKlammern(Verbinden(w, 1, wirkt));
        ende = -1;
        for (qsizetype j = wirkt + 2; j < w.size() && ende < 0; ++j) {
            int nr = 0;
            for (QStringView e : enden) {
                if (w[j] == e) {
                    ende = j;
                    art = nr;
                    break;
                }
                ++nr;
            }
        }
        if (ende < 0 || !Name(w, wirkt + 2, ende, zielName))
            return false;
        OhneEndung(zielName, u':');
        return true;
    }

    bool SchadensTick(const TWorte &w)
    {
        TDOTParameter p;
        QString zielName;
        qsizetype ende = -1;
        int art = 0;
        if (!TickLesen(w, {u"verursacht", u"kein"}, p.Zauber, zielName, ende, art))
            return false;
        if (art == 0) {
            if (ende + 1 >= w.size())
                return false;
            const auto schaden = Zahl(w[ende + 1]);
            if (!schaden)
                return false;
            p.Schaden = *schaden;
            p.Kritisch = ende + 3 < w.size() && w[ende + 3] == u"(krit.";
        } else {
            p.Kritisch = ende + 2 < w.size() && w[ende + 2] == u"(krit.";
        }
        TKaempfer &ziel = KaempferHolen(m_a, zielName);
        TKaempfer *zauberer = ziel.LetzterDOTZauberer;
        TKampfstatus &zb = ziel.Block();
        const auto ticken = [&p](TAktionswerte &w) { TickZaehlen(w, p); };
        Buchen(ziel, zb.Eingesteckt, false, ticken);
        if (!zauberer)
            return false;
        const TTrefferElement treffer{p.Zauber, p.Schaden, 0, p.Kritisch};
        GegnerAnhaengen(zb.Eingesteckt, zauberer->Name, treffer);
        TKampfstatus &fern = zauberer->Status[Fernkampf];
        WaffeTreffer(Eintrag(fern, p.Zauber), p.Kritisch, p.Schaden);
        ziel.LetzterAngreifer = zauberer;
        Buchen(*zauberer, fern.Ausgeteilt, true, ticken);
        GegnerAnhaengen(fern.Ausgeteilt, ziel.Name, treffer);
        return true;
    }

    bool HeilungsTick(const TWorte &w)
    {
        THOTParameter p;
        QString zielName;
        qsizetype ende = -1;
        int art = 0;
        if (!TickLesen(w, {u"heilt"}, p.Zauber, zielName, ende, art) || ende + 1 >= w.size())
            return false;
        const auto menge = Zahl(w[ende + 1]);
        if (!menge)
            return false;
        p.Menge = *menge;
        p.Exzellent = ende + 3 < w.size() && w[ende + 3] == u"(exzellenter";
        TKaempfer &ziel = KaempferHolen(m_a, zielName);
        TKaempfer *zauberer = ziel.LetzterHOTZauberer;
        const auto heilen = [&p](TAktionswerte &w) { HeilTickZaehlen(w, p); };
        Buchen(ziel, ziel.Block().Eingesteckt, false, heilen);
        if (!zauberer)
            return false;
        TKampfstatus &fern = zauberer->Status[Fernkampf];
        WaffeTreffer(Eintrag(fern, p.Zauber), p.Exzellent, p.Menge);
        Buchen(*zauberer, fern.Ausgeteilt, true, heilen);
        return true;
    }

    bool Kampfunfaehig(const TWorte &w)
    {
        const qsizetype sinkt = Finden(w, 1, u"sinkt");
        QString name;
        if (sinkt < 0 || !Name(w, 1, sinkt, name))
            return false;
        TKaempfer &k = KaempferHolen(m_a, name);
        AktionSetzen(k, AktionKampfunfaehig, m_zeit);
        k.Runden = m_a.Runden;
        k.Ueberlebt = false;
        if (k.LetzterAngreifer)
            Addieren(k.LetzterAngreifer->GetoeteteFeinde, 1);
        return true;
    }
};

} // namespace

int32_t KampfberichtAuswerten(const QString &text, Kampfauswertung &a, const TKatalog &katalog,
                              const TFortschritt &fortschritt)
{
    // Views into the text: a copy of every line would double the report in memory.
    const QList<QStringView> zeilen = ZeilenAnsichten(text);
    return KampfberichtAuswerten(
        Saettigen(zeilen.size()), [&zeilen](int32_t i) { return zeilen[i]; }, a, katalog, fortschritt);
}

int32_t KampfberichtAuswerten(int32_t anzahl, const TZeilenabruf &zeile, Kampfauswertung &a,
                              const TKatalog &katalog, const TFortschritt &fortschritt)
{
    KaempferlisteLeeren(a);
    a.Runden = 0;
    a.Fehler = 0;
    a.AbschlussFehler = false;
    TLeser leser(a, katalog);
    for (int32_t i = 0; i < anzahl; ++i) {
        if (!leser.Zeile(WorteTrennen(zeile(i))))
            Addieren(a.Fehler, 1);
        if (fortschritt && !fortschritt(i + 1, anzahl))
            break;
    }
    try {
        KampfAbschliessen(a, katalog);
    } catch (const std::exception &) {
        a.AbschlussFehler = true;
    }
    return a.Fehler;
}

} // namespace mvt
