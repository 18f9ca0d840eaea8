#include "combat/Kaempfer.h"

#include <algorithm>
#include <limits>

namespace mvt {

int32_t Saettigen(int64_t x)
{
    if (x > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (x < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

int WaffeSuchen(TWaffen &w, const QString &name)
{
    return w.Index.Suchen(w.Waffe, name);
}

int WaffeHolen(TWaffen &w, const QString &name)
{
    const int i = WaffeSuchen(w, name);
    if (i >= 0)
        return i;
    TEinzelWaffe neu;
    neu.Name = name;
    w.Waffe.push_back(std::move(neu));
    return w.Anzahl() - 1;
}

TKaempfer *KaempferFinden(const Kampfauswertung &a, const QString &name)
{
    return a.Index.value(name, nullptr);
}

TKaempfer &KaempferHolen(Kampfauswertung &a, const QString &name, bool *neu)
{
    if (TKaempfer *k = KaempferFinden(a, name)) {
        if (neu)
            *neu = false;
        return *k;
    }
    auto k = std::make_unique<TKaempfer>();
    k->Name = name;
    TKaempfer *p = k.get();
    a.Kaempfer.push_back(std::move(k));
    a.Index.insert(name, p);
    if (neu)
        *neu = true;
    return *p;
}

void KaempferlisteLeeren(Kampfauswertung &a)
{
    a.Index.clear();
    a.Kaempfer.clear();
}

void StatusZuordnen(TKaempfer &k, uint8_t phase)
{
    TKampfstatus &ziel = k.Status[phase == 1 ? Nahkampf : Fernkampf];
    StatusAddieren(ziel, k.Status[Unbestimmt]);
    StatusLeeren(k.Status[Unbestimmt]);
    k.Phase = phase;
}

void GegnerAnhaengen(TAktionswerte &w, const QString &gegner, const TTrefferElement &treffer)
{
    int i = w.GegnerIndex.Suchen(w.Gegner, gegner);
    if (i < 0) {
        w.Gegner.push_back(TAngreiferElement{gegner, {}});
        i = static_cast<int>(w.Gegner.size()) - 1;
    }
    w.Gegner[static_cast<size_t>(i)].Treffer.push_back(treffer);
}

namespace {

void WerteAddieren(TAktionswerte &z, const TAktionswerte &q)
{
#define MVT_ADD(f) Addieren(z.f, q.f);
    MVT_AKTIONSWERTE_ZAEHLER(MVT_ADD)
#undef MVT_ADD
#define MVT_MAX(f) z.f = std::max(z.f, q.f);
    MVT_AKTIONSWERTE_MAXIMA(MVT_MAX)
#undef MVT_MAX
    for (const TAngreiferElement &g : q.Gegner) {
        int i = z.GegnerIndex.Suchen(z.Gegner, g.Name);
        if (i < 0) {
            z.Gegner.push_back(TAngreiferElement{g.Name, {}});
            i = static_cast<int>(z.Gegner.size()) - 1;
        }
        auto &ziel = z.Gegner[static_cast<size_t>(i)].Treffer;
        ziel.insert(ziel.end(), g.Treffer.begin(), g.Treffer.end());
    }
}

// -1 means "not set"; a set value beats it.
int32_t KleinsterGesetzter(int32_t a, int32_t b)
{
    if (a == -1)
        return b;
    if (b == -1)
        return a;
    return std::min(a, b);
}

// The counts of the second weapon of a pair are a marker, not a number: they add nothing.
void AnzahlAddieren(int32_t &ziel, int32_t quelle)
{
    if (quelle == AndereWaffe)
        return;
    if (ziel == AndereWaffe)
        ziel = 0;
    Addieren(ziel, quelle);
}

void WaffenAddieren(TWaffen &z, const TWaffen &q)
{
    for (const TEinzelWaffe &w : q.Waffe) {
        TEinzelWaffe &d = z.Waffe[static_cast<size_t>(WaffeHolen(z, w.Name))];
        d.MinNormal = KleinsterGesetzter(d.MinNormal, w.MinNormal);
        d.MinKrit = KleinsterGesetzter(d.MinKrit, w.MinKrit);
        d.MaxNormal = std::max(d.MaxNormal, w.MaxNormal);
        d.MaxKrit = std::max(d.MaxKrit, w.MaxKrit);
        d.GleicheSekunde = w.GleicheSekunde;
        d.Intervall = w.Intervall;
        d.Intervall2 = w.Intervall2;
        d.LetzteZeit = w.LetzteZeit;
        d.Darstellung = w.Darstellung;
        AnzahlAddieren(d.AnzNormal, w.AnzNormal);
        AnzahlAddieren(d.SumNormal, w.SumNormal);
        AnzahlAddieren(d.AnzKrit, w.AnzKrit);
        AnzahlAddieren(d.SumKrit, w.SumKrit);
    }
}

} // namespace

void StatusAddieren(TKampfstatus &ziel, const TKampfstatus &quelle)
{
    if (&ziel == &quelle) {
        const TKampfstatus kopie = quelle;
        StatusAddieren(ziel, kopie);
        return;
    }
    WerteAddieren(ziel.Ausgeteilt, quelle.Ausgeteilt);
    WerteAddieren(ziel.Eingesteckt, quelle.Eingesteckt);
    WaffenAddieren(ziel.Waffen, quelle.Waffen);
}

void StatusLeeren(TKampfstatus &s)
{
    s.Ausgeteilt = TAktionswerte{};
    s.Eingesteckt = TAktionswerte{};
    s.Waffen = TWaffen{};
}

namespace {
struct TAbgeleitet {
    int64_t Fehlschlaege, Angriffe, Erfolge, ErfolgeEffektiv, Wirkungen, Kritische, TrefferGesamt, Schaden,
        Heilung, Ausweichbar, Ausgewichen;
};

TAbgeleitet Ableiten(const TAktionswerte &a)
{
    using I = int64_t;
    TAbgeleitet r{};
    r.Fehlschlaege = I(a.AnzVerfehlt) + a.AnzHeilungenMisslungen + a.AnzDOTVerfehlt + a.AnzHOTVerfehlt +
                     a.AnzBuffVerfehlt + a.AnzDebuffVerfehlt;
    r.Angriffe = I(a.AnzTreffer) + a.AnzKritTreffer + a.AnzVerfehlt + a.AnzAusgewichen + a.AnzDOTErfolg +
                 a.AnzDOTVerfehlt + a.AnzDOTAusgewichen + a.AnzDebuffErfolg + a.AnzDebuffVerfehlt +
                 a.AnzDebuffAusgewichen + a.AnzDOTTicks + a.AnzDOTTicksKrit;
    r.Erfolge = I(a.AnzTreffer) + a.AnzKritTreffer + a.AnzAusgewichen + a.AnzHeilungen + a.AnzExzHeilungen +
                a.AnzDOTErfolg + a.AnzDOTAusgewichen + a.AnzHOTErfolg + a.AnzBuffErfolg + a.AnzDebuffErfolg +
                a.AnzDebuffAusgewichen;
    r.ErfolgeEffektiv = I(a.AnzTreffer) + a.AnzKritTreffer + a.AnzHeilungen + a.AnzExzHeilungen +
                        a.AnzDOTErfolg + a.AnzHOTErfolg + a.AnzBuffErfolg + a.AnzDebuffErfolg +
                        a.AnzDOTTicks + a.AnzDOTTicksKrit + a.AnzHOTTicks + a.AnzHOTTicksExz;
    r.Wirkungen = I(a.AnzTreffer) + a.AnzKritTreffer + a.AnzHeilungen + a.AnzExzHeilungen + a.AnzDOTTicks +
                  a.AnzDOTTicksKrit + a.AnzHOTTicks + a.AnzHOTTicksExz;
    r.Kritische = I(a.AnzKritTreffer) + a.AnzExzHeilungen + a.AnzDOTTicksKrit + a.AnzHOTTicksExz;
    r.TrefferGesamt =
        I(a.AnzTreffer) + a.AnzKritTreffer + a.AnzAusgewichen + a.AnzDOTTicks + a.AnzDOTTicksKrit;
    r.Schaden = I(a.SumSchaden) + a.SumKritSchaden + a.SumDOT + a.SumDOTKrit;
    r.Heilung = I(a.SumHeilung) + a.SumExzHeilung + a.SumHOT + a.SumHOTExz;
    r.Ausgewichen = I(a.AnzAusgewichen) + a.AnzDOTAusgewichen + a.AnzDebuffAusgewichen;
    r.Ausweichbar = I(a.AnzTreffer) + a.AnzKritTreffer + a.AnzAusgewichen + a.AnzDOTErfolg +
                    a.AnzDOTAusgewichen + a.AnzDebuffErfolg + a.AnzDebuffAusgewichen;
    return r;
}

} // namespace

void RundenwerteBuchen(TRundenwerte &r, const TAktionswerte &gebucht, bool ausgeteilt)
{
    const TAbgeleitet d = Ableiten(gebucht);
    if (ausgeteilt) {
        Addieren(r.Schaden, d.Schaden);
        Addieren(r.Heilung, d.Heilung);
        Addieren(r.Angriffe, d.Angriffe);
        Addieren(r.TrefferGesamt, d.TrefferGesamt);
        Addieren(r.Kritische, d.Kritische);
    } else {
        Addieren(r.SchadenErhalten, d.Schaden);
        Addieren(r.HeilungErhalten, d.Heilung);
        Addieren(r.AngriffeErhalten, d.Angriffe);
        Addieren(r.TrefferErhalten, d.TrefferGesamt);
        Addieren(r.AusgewichenErhalten, d.Ausgewichen);
        Addieren(r.BlocksErhalten, gebucht.AnzBlocks);
    }
}

namespace {
void Quote(double &ziel, int32_t zaehler, int32_t nenner)
{
    if (nenner > 0)
        ziel = double(zaehler) / double(nenner);
}
} // namespace

void KampfwerteBerechnen(TKampfstatus &s)
{
    const TAktionswerte &a = s.Ausgeteilt;
    const TAktionswerte &e = s.Eingesteckt;
    const TAbgeleitet da = Ableiten(a);
    const TAbgeleitet de = Ableiten(e);
    s.Fehlschlaege = Saettigen(da.Fehlschlaege);
    s.Angriffe = Saettigen(da.Angriffe);
    s.Erfolge = Saettigen(da.Erfolge);
    s.ErfolgeEffektiv = Saettigen(da.ErfolgeEffektiv);
    s.Wirkungen = Saettigen(da.Wirkungen);
    s.Kritische = Saettigen(da.Kritische);
    s.TrefferGesamt = Saettigen(da.TrefferGesamt);
    s.Schaden = Saettigen(da.Schaden);
    s.Heilung = Saettigen(da.Heilung);
    s.BesterTreffer = std::max({a.MaxSchaden, a.MaxKritSchaden, a.MaxDOT, a.MaxDOTKrit});
    s.AngriffeErhalten = Saettigen(de.Angriffe);
    s.AusgewichenErhalten = Saettigen(de.Ausgewichen);
    s.AusweichbarErhalten = Saettigen(de.Ausweichbar);
    s.TrefferErhalten = Saettigen(de.TrefferGesamt);
    s.BlocksErhalten = e.AnzBlocks;
    s.DirekteTrefferErhalten = Saettigen(int64_t(e.AnzTreffer) + e.AnzKritTreffer);
    s.SchadenErhalten = Saettigen(de.Schaden);
    s.HeilungErhalten = Saettigen(de.Heilung);

    Quote(s.Trefferquote, s.Erfolge, Saettigen(int64_t(s.Erfolge) + s.Fehlschlaege));
    Quote(s.TrefferquoteEffektiv, s.ErfolgeEffektiv, Saettigen(int64_t(s.ErfolgeEffektiv) + s.Fehlschlaege));
    Quote(s.Kritquote, s.Kritische, s.Wirkungen);
    Quote(s.Ausweichquote, s.AusgewichenErhalten, s.AusweichbarErhalten);
    Quote(s.Blockquote, s.BlocksErhalten, s.DirekteTrefferErhalten);
}

void DurchschnitteBerechnen(TKampfstatus &s, int32_t runden)
{
    // Division by zero must not happen even when a caller passes no rounds.
    const double r = runden < 1 ? 1.0 : double(runden);
    auto teilen = [](int32_t z, int32_t n) { return n == 0 ? 0.0 : double(z) / double(n); };
    if (s.Schaden != 0) {
        s.SchadenProAngriff = teilen(s.Schaden, s.Angriffe);
        s.SchadenProTreffer = teilen(s.Schaden, s.TrefferGesamt);
        s.SchadenProRunde = s.Schaden / r;
    } else {
        s.SchadenProAngriff = s.SchadenProTreffer = s.SchadenProRunde = 0.0;
    }
    if (s.SchadenErhalten != 0) {
        s.SchadenErhaltenProAngriff = teilen(s.SchadenErhalten, s.AngriffeErhalten);
        s.SchadenErhaltenProTreffer = teilen(s.SchadenErhalten, s.TrefferErhalten);
        s.SchadenErhaltenProRunde = s.SchadenErhalten / r;
    } else {
        s.SchadenErhaltenProAngriff = s.SchadenErhaltenProTreffer = s.SchadenErhaltenProRunde = 0.0;
    }
}

} // namespace mvt
