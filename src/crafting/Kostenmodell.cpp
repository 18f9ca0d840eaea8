#include "crafting/Kostenmodell.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"

#include <cmath>

namespace mvt {

namespace {

// Production buildings of the intermediate-good categories 1..5.
constexpr std::array<int, 6> ZutatGebaeude = {0, 4, 5, 6, 8, 7};
// Crafts of the intermediate-good categories 1..5.
constexpr std::array<int, 6> ZutatHandwerk = {0, 1, 2, 3, 4, 4};

bool IstFoerderbar(const TRohstoff &r)
{
    return r.Kategorie >= 1 && r.Kategorie <= 3;
}

double Ausbeute(int32_t menge)
{
    return menge > 0 ? static_cast<double>(menge) : 1.0;
}

void Hinzufuegen(TBedarfsliste &liste, uint8_t art, int32_t index, double menge)
{
    for (TSammelEintrag &z : liste.Zeilen) {
        if (z.Art == art && z.Index == index) {
            z.Menge += menge;
            return;
        }
    }
    // The capacities hold every distinct item the catalogue can produce; a row beyond
    // them could only come from broken data and is dropped rather than overrun.
    if (liste.Anzahl() < liste.Kapazitaet)
        liste.Zeilen.push_back({art, index, menge});
}

// Adds the ingredients of m pieces of a recipe (intermediate good or kit) to a list.
template <size_t N>
void RezeptAufloesen(const TKatalog &k, TBedarfsliste &ziel,
                     const std::array<TZutatenEintrag, N> &anzahlPlaetze, int32_t rezeptMenge, double m,
                     bool nurRohstoffe, const std::vector<double> *faktoren)
{
    for (const TZutatenEintrag &platz : anzahlPlaetze) {
        if (platz.Anzahl == -1)
            break;
        const TItemRef ref = ItemSuchen(k, platz.Name);
        if (ref.Tabellencode != TabelleRohstoff && (nurRohstoffe || ref.Tabellencode != TabelleZutat))
            continue;
        const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
        double menge = m * platz.Anzahl / Ausbeute(rezeptMenge);
        if (faktoren) {
            const int gut = GutNummer(art, ref.Index);
            if (gut >= 0 && static_cast<size_t>(gut) < faktoren->size())
                menge *= (*faktoren)[static_cast<size_t>(gut)];
            if (menge == 0.0)
                continue;
        }
        Hinzufuegen(ziel, art, ref.Index, menge);
    }
}

} // namespace

TBedarfsliste *TCraftingZustand::Bedarfsliste(int k)
{
    switch (k) {
    case 1:
        return &Bedarfsliste1;
    case 2:
        return &Bedarfsliste2;
    case 3:
        return &Bedarfsliste3;
    case 4:
        return &Bedarfsliste4;
    default:
        return nullptr;
    }
}

const TBedarfsliste *TCraftingZustand::Bedarfsliste(int k) const
{
    return const_cast<TCraftingZustand *>(this)->Bedarfsliste(k);
}

void CraftingZustandAnlegen(const TKatalog &k, TCraftingZustand &c)
{
    c = TCraftingZustand{};
    PreiseZuruecksetzen(k, c);
}

double GebaeudeStufenFaktor(int32_t stufe)
{
    static constexpr std::array<double, 6> faktor = {
        1.0, 1.0, 0.9523809523809523, 0.9090909090909091, 0.8695652173913043, 0.8333333333333334};
    return stufe >= 1 && stufe <= 5 ? faktor[static_cast<size_t>(stufe)] : 1.0;
}

int HandwerkFuerItem(const TKatalog &k, uint8_t art, int32_t index)
{
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index); r && IstFoerderbar(*r))
            return r->Kategorie;
        return 0;
    case ArtZutat:
        if (const TZutat *z = Zutat(k, index); z && z->Kategorie >= 1 && z->Kategorie <= 5)
            return ZutatHandwerk[z->Kategorie];
        return 0;
    case ArtWare:
        if (const TWare *w = Ware(k, index); w && w->Kategorie >= 1 && w->Kategorie <= 18)
            return WarenKategorien[w->Kategorie].Handwerk;
        return 0;
    case ArtGebaeude:
        return Gebaeude(k, index) ? 5 : 0;
    default:
        return 0;
    }
}

int GebaeudeFuerItem(const TKatalog &k, uint8_t art, int32_t index)
{
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index); r && IstFoerderbar(*r))
            return r->Kategorie;
        return GebaeudeKeins;
    case ArtZutat:
        if (const TZutat *z = Zutat(k, index); z && z->Kategorie >= 1 && z->Kategorie <= 5)
            return ZutatGebaeude[z->Kategorie];
        return GebaeudeKeins;
    case ArtWare:
        if (const TWare *w = Ware(k, index); w && w->Kategorie >= 1 && w->Kategorie <= 18)
            return WarenKategorien[w->Kategorie].Gebaeude;
        return GebaeudeKeins;
    default:
        return GebaeudeKeins;
    }
}

THerstellung Herstellungsdauer(const TKatalog &k, const TCraftingZustand &c, const TOptionen &o, uint8_t art,
                               int32_t index, double menge)
{
    THerstellung h;
    auto stufenFaktor = [&](int gebaeude) {
        return gebaeude >= 1 && gebaeude <= AnzahlHandwerksgebaeude
                   ? GebaeudeStufenFaktor(c.Handwerksgebaeude[static_cast<size_t>(gebaeude)].Stufe)
                   : 1.0;
    };
    switch (art) {
    case ArtRohstoff: {
        const TRohstoff *r = Rohstoff(k, index);
        if (!r)
            return h;
        if (!IstFoerderbar(*r)) {
            h.Gebaeude = GebaeudeGekauft;
            return h;
        }
        const int32_t foerder =
            r->Stufe >= 0 && r->Stufe <= 20 ? FoerderMenge[static_cast<size_t>(r->Stufe)] : -1;
        h.Minuten = menge * SchichtMinuten / Ausbeute(foerder);
        h.Gebaeude = r->Kategorie;
        break;
    }
    case ArtZutat: {
        const TZutat *z = Zutat(k, index);
        if (!z)
            return h;
        h.Gebaeude = GebaeudeFuerItem(k, art, index);
        h.Minuten = menge * stufenFaktor(h.Gebaeude) * z->Dauer / Ausbeute(z->Menge);
        break;
    }
    case ArtWare: {
        const TWare *w = Ware(k, index);
        if (!w)
            return h;
        h.Gebaeude = GebaeudeFuerItem(k, art, index);
        h.Minuten = menge * stufenFaktor(h.Gebaeude) * w->Dauer / Ausbeute(w->Menge);
        break;
    }
    default:
        return h; // buildings take no production time
    }
    if (o.CalcPotency) {
        const int handwerk = HandwerkFuerItem(k, art, index);
        if (handwerk >= 1) {
            const double wirkung = o.Wirkung[static_cast<size_t>(WirkungsindexHandwerk(handwerk))];
            // A potency of zero cannot come from the settings window; never divide by it.
            if (wirkung > 0.0 && std::isfinite(wirkung))
                h.Minuten /= wirkung;
        }
    }
    return h;
}

double Schichtkostenanteil(const TCraftingZustand &c, int gebaeude, double minuten)
{
    if (gebaeude < 1 || gebaeude > AnzahlHandwerksgebaeude)
        return 0.0;
    return c.Handwerksgebaeude[static_cast<size_t>(gebaeude)].Schichtkosten * minuten / SchichtMinuten;
}

void BedarfslistenLeeren(TCraftingZustand &c)
{
    for (int i = 1; i <= 4; ++i)
        c.Bedarfsliste(i)->Zeilen.clear();
}

void Bedarfsliste1Fuellen(const TKatalog &, TCraftingZustand &c)
{
    for (const TBaulistenKnoten &e : c.Bauliste.Eintraege)
        for (const TBaulistenKnoten &kind : e.Kinder)
            Hinzufuegen(c.Bedarfsliste1, kind.Art, kind.Index, kind.Menge);
}

void BedarfslisteAufloesen(const TKatalog &k, TCraftingZustand &c, int liste,
                           const std::vector<double> *faktoren)
{
    const TBedarfsliste *von = c.Bedarfsliste(liste);
    TBedarfsliste *nach = c.Bedarfsliste(liste + 1);
    if (!von || !nach)
        return;
    for (const TSammelEintrag &z : von->Zeilen) {
        switch (z.Art) {
        case ArtRohstoff:
            if (const TRohstoff *r = Rohstoff(k, z.Index); r && !IstFoerderbar(*r))
                Hinzufuegen(*nach, z.Art, z.Index, z.Menge); // still bought one level down
            break;
        case ArtZutat:
            if (const TZutat *zt = Zutat(k, z.Index))
                RezeptAufloesen(k, *nach, zt->Zutaten, zt->Menge, z.Menge, true, faktoren);
            break;
        case ArtWare:
            if (const TWare *w = Ware(k, z.Index))
                RezeptAufloesen(k, *nach, w->Zutaten, w->Menge, z.Menge, false, faktoren);
            break;
        default:
            break;
        }
    }
}

void BenoetigteGebaeudeBestimmen(const TKatalog &k, TCraftingZustand &c)
{
    TBenoetigteGebaeude menge;
    auto aufnehmen = [&](uint8_t art, int32_t index) {
        const int b = GebaeudeFuerItem(k, art, index);
        if (b < 1 || b > AnzahlHandwerksgebaeude)
            return;
        if (!menge.Enthalten[static_cast<size_t>(b)]) {
            menge.Enthalten[static_cast<size_t>(b)] = true;
            ++menge.Anzahl;
        }
        if (menge.Erstes == 0)
            menge.Erstes = b;
    };
    for (const TBaulistenKnoten &e : c.Bauliste.Eintraege)
        aufnehmen(e.Art, e.Index);
    c.BenoetigteGebaeude[1] = menge;
    for (int modus = 2; modus <= AnzahlModi; ++modus) {
        for (const TSammelEintrag &z : c.Bedarfsliste(modus - 1)->Zeilen)
            aufnehmen(z.Art, z.Index);
        c.BenoetigteGebaeude[static_cast<size_t>(modus)] = menge;
    }
}

double Referenzwert(const TKatalog &k, uint8_t art, int32_t index)
{
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index))
            return r->Preis;
        return 0.0;
    case ArtZutat:
        if (const TZutat *z = Zutat(k, index))
            return z->Preis;
        return 0.0;
    case ArtWare:
        if (const TWare *w = Ware(k, index))
            return w->Preis;
        return 0.0;
    case ArtGebaeude:
        return Gebaeude(k, index) ? Gebaeudewert(k, index) : 0.0;
    default:
        return 0.0;
    }
}

TPreispaar *Preise(TPreise &c, uint8_t art, int32_t index)
{
    auto zeile = [index](auto &tabelle) -> TPreispaar * {
        return index >= 1 && index < static_cast<int32_t>(tabelle.size())
                   ? &tabelle[static_cast<size_t>(index)]
                   : nullptr;
    };
    switch (art) {
    case ArtRohstoff:
        return zeile(c.Rohstoffpreise);
    case ArtZutat:
        return zeile(c.Zutatpreise);
    case ArtWare:
        return zeile(c.Warenpreise);
    case ArtGebaeude:
        return zeile(c.Gebaeudepreise);
    default:
        return nullptr;
    }
}

const TPreispaar *Preise(const TPreise &c, uint8_t art, int32_t index)
{
    return Preise(const_cast<TPreise &>(c), art, index);
}

std::optional<int32_t> VerkaufspreisSetzen(const TKatalog &k, TPreise &c, const QString &name,
                                           const QString &text)
{
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    TPreispaar *p = Preise(c, art, ref.Index);
    if (!p)
        return std::nullopt;
    const std::optional<double> preis = PreistextLesen(text);
    if (!preis)
        return std::nullopt;
    p->Verkaufspreis = *preis;
    return Prozent(*preis, Referenzwert(k, art, ref.Index));
}

std::optional<int32_t> EinkaufspreisSetzen(const TKatalog &k, TPreise &c, const QString &name,
                                           const QString &text)
{
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtGebaeude)
        return std::nullopt;
    TPreispaar *p = Preise(c, art, ref.Index);
    if (!p)
        return std::nullopt;
    const std::optional<double> preis = PreistextLesen(text);
    if (!preis)
        return std::nullopt;
    p->Einkaufspreis = *preis;
    return Prozent(*preis, Referenzwert(k, art, ref.Index));
}

std::optional<int32_t> PreisProzent(const TKatalog &k, const QString &name, const QString &text)
{
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtKeine)
        return std::nullopt;
    const std::optional<double> preis = PreistextLesen(text);
    if (!preis)
        return std::nullopt;
    return Prozent(*preis, Referenzwert(k, art, ref.Index));
}

QString PreisAusProzent(const TKatalog &k, const QString &name, int32_t prozent)
{
    const TItemRef ref = ItemSuchen(k, name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    if (art == ArtKeine)
        return {};
    return GoldAusProzent(prozent, Referenzwert(k, art, ref.Index));
}

void PreiseZuruecksetzen(const TKatalog &k, TPreise &c)
{
    for (int i = 1; i <= AnzahlRohstoffe; ++i)
        c.Rohstoffpreise[i] = {double(k.RohstoffTabelle[i].Preis), double(k.RohstoffTabelle[i].Preis)};
    for (int i = 1; i <= AnzahlZutatGueter; ++i)
        c.Zutatpreise[i] = {double(k.ZutatTabelle[i].Preis), double(k.ZutatTabelle[i].Preis)};
    for (int i = 1; i <= AnzahlWaren; ++i)
        c.Warenpreise[i] = {double(k.WarenTabelle[i].Preis), double(k.WarenTabelle[i].Preis)};
    for (int i = 1; i <= AnzahlGebaeude; ++i) {
        const double wert = Gebaeudewert(k, i);
        c.Gebaeudepreise[i] = {wert, wert};
    }
    c.Handwerksgebaeude = HandwerksgebaeudeStandard();
}

} // namespace mvt
