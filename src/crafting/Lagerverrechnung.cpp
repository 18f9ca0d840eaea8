#include "crafting/Lagerverrechnung.h"

#include "crafting/Analyse.h"

#include <algorithm>

namespace mvt {

namespace {

// A node that stands for a requirement of its own, and its depth (entries 0).
struct TVorkommen {
    TBaulistenKnoten *Knoten;
    int Tiefe;
    int Gut;
};

// Every node but the markers below a raw material: a marker is its parent's requirement.
template <class F> void VorkommenDurchlaufen(TBaulistenKnoten &n, int tiefe, F &f)
{
    f(n, tiefe);
    if (n.Art == ArtRohstoff)
        return;
    for (TBaulistenKnoten &kind : n.Kinder)
        VorkommenDurchlaufen(kind, tiefe + 1, f);
}

// Rank of every good in low-level order: its deepest level in the expanded list, ties in
// the order of first appearance. A good's ingredients always lie deeper than its deepest
// place, so every good comes after all goods that use it.
std::vector<int> Netzfolge(TBauliste &b)
{
    std::vector<int> ebene(AnzahlGueter, -1);
    std::vector<int> zuerst;
    auto f = [&](TBaulistenKnoten &n, int tiefe) {
        const int gut = GutNummer(n.Art, n.Index);
        if (gut < 0)
            return;
        int &e = ebene[static_cast<size_t>(gut)];
        if (e < 0)
            zuerst.push_back(gut);
        e = std::max(e, tiefe);
    };
    for (TBaulistenKnoten &e : b.Eintraege)
        VorkommenDurchlaufen(e, 0, f);
    std::stable_sort(zuerst.begin(), zuerst.end(), [&](int a, int c) {
        return ebene[static_cast<size_t>(a)] < ebene[static_cast<size_t>(c)];
    });
    std::vector<int> rang(AnzahlGueter, -1);
    for (size_t i = 0; i < zuerst.size(); ++i)
        rang[static_cast<size_t>(zuerst[i])] = static_cast<int>(i);
    return rang;
}

// Drops the nodes the stock covers completely.
void NullenEntfernen(std::vector<TBaulistenKnoten> &knoten)
{
    std::erase_if(knoten, [](const TBaulistenKnoten &n) { return n.Menge == 0.0; });
    for (TBaulistenKnoten &n : knoten)
        NullenEntfernen(n.Kinder);
}

} // namespace

TNettomodus NettomodusBerechnen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                const TLager &lager, int modus)
{
    TNettomodus m;
    m.Zustand = c;
    TCraftingZustand &n = m.Zustand;
    n.Lager = {};
    n.LagerBeruecksichtigen = false;
    n.Netto.reset();
    TBauliste &b = n.Bauliste;
    modus = std::clamp(modus, 1, AnzahlModi);

    std::vector<double> bestand(AnzahlGueter, 0.0);
    for (const TLagerEintrag &e : lager.Eintraege)
        if (const int gut = GutNummer(e.Art, e.Index); gut >= 0 && e.Anzahl > 0.0)
            bestand[static_cast<size_t>(gut)] += e.Anzahl;

    // The places the mode produces or buys: down to its bought level.
    const std::vector<int> rang = Netzfolge(b);
    std::vector<TVorkommen> vorkommen;
    auto sammeln = [&](TBaulistenKnoten &knoten, int tiefe) {
        const int gut = GutNummer(knoten.Art, knoten.Index);
        if (tiefe <= modus && gut >= 0)
            vorkommen.push_back({&knoten, tiefe, gut});
    };
    for (TBaulistenKnoten &e : b.Eintraege)
        VorkommenDurchlaufen(e, 0, sammeln);
    std::stable_sort(vorkommen.begin(), vorkommen.end(), [&](const TVorkommen &a, const TVorkommen &c2) {
        return rang[static_cast<size_t>(a.Gut)] < rang[static_cast<size_t>(c2.Gut)];
    });

    std::vector<double> faktoren(AnzahlGueter, 1.0);
    for (size_t i = 0; i < vorkommen.size();) {
        const int gut = vorkommen[i].Gut;
        size_t ende = i;
        double brutto = 0.0;
        // The quantities as the goods netted before (all that use this one) left them.
        for (; ende < vorkommen.size() && vorkommen[ende].Gut == gut; ++ende)
            brutto += vorkommen[ende].Knoten->Menge;
        const double vorrat = bestand[static_cast<size_t>(gut)];
        if (vorrat > 0.0 && brutto > 0.0) {
            const double entnommen = std::min(brutto, vorrat);
            const double netto = brutto - entnommen;
            // Every place keeps its share of the net quantity; its ingredients follow it.
            const double faktor = netto > 0.0 ? netto / brutto : 0.0;
            faktoren[static_cast<size_t>(gut)] = faktor;
            for (size_t j = i; j < ende; ++j) {
                TBaulistenKnoten &knoten = *vorkommen[j].Knoten;
                MengeSetzen(k, knoten, faktor == 0.0 ? 0.0 : knoten.Menge * faktor);
            }
            const TBaulistenKnoten &erster = *vorkommen[i].Knoten;
            m.AusDemLager.push_back({erster.Art, erster.Index, entnommen});
        }
        i = ende;
    }
    NullenEntfernen(b.Eintraege);
    b.Aktuell = b.Anzahl() - 1;

    // The lists as AllesNeuBerechnen makes them, with each good's net share.
    BedarfslistenLeeren(n);
    Bedarfsliste1Fuellen(k, n);
    for (int liste = 1; liste <= 3; ++liste)
        BedarfslisteAufloesen(k, n, liste, &faktoren);
    BerechneAnalyse(k, o, n);
    BenoetigteGebaeudeBestimmen(k, n);
    return m;
}

std::shared_ptr<const TNettoplan> LagerVerrechnen(const TKatalog &k, const TOptionen &o,
                                                  const TCraftingZustand &c, const TLager &lager)
{
    auto plan = std::make_shared<TNettoplan>();
    for (int modus = 1; modus <= AnzahlModi; ++modus)
        plan->Modi[static_cast<size_t>(modus)] = NettomodusBerechnen(k, o, c, lager, modus);
    return plan;
}

bool LagerZaehlt(const TCraftingZustand &c)
{
    return c.LagerBeruecksichtigen && !c.Lager.Leer() && !c.Bauliste.Leer();
}

void LagerEinrechnen(const TKatalog &k, const TOptionen &o, TCraftingZustand &c)
{
    c.Netto.reset();
    if (!LagerZaehlt(c))
        return;
    auto plan = LagerVerrechnen(k, o, c, c.Lager);
    for (int modus = 1; modus <= AnzahlModi; ++modus)
        c.Analyse[static_cast<size_t>(modus)] =
            plan->Modi[static_cast<size_t>(modus)].Zustand.Analyse[static_cast<size_t>(modus)];
    c.Netto = std::move(plan);
}

const TCraftingZustand &Rechenstand(const TCraftingZustand &c, int modus)
{
    if (!c.Netto || modus < 1 || modus > AnzahlModi)
        return c;
    return c.Netto->Modi[static_cast<size_t>(modus)].Zustand;
}

std::vector<TSammelEintrag> AusDemLager(const TCraftingZustand &c, int modus)
{
    if (!c.Netto || modus < 1 || modus > AnzahlModi)
        return {};
    return c.Netto->Modi[static_cast<size_t>(modus)].AusDemLager;
}

} // namespace mvt
