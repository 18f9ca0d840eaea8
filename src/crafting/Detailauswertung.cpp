#include "crafting/Detailauswertung.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"
#include "crafting/Lagerverrechnung.h"

#include <algorithm>

namespace mvt {

const std::array<const char16_t *, 11> KopfProdukte = {u"",
                                                       u"Marktwert",
                                                       u"Herst.dauer",
                                                       u"Herst.kosten",
                                                       u"Zutatenkosten",
                                                       u"Schichtkosten",
                                                       u"Verkaufserlös",
                                                       u"Gewinn/Verlust",
                                                       u"...pro Stunde",
                                                       u"Stückpreis",
                                                       u""};
const std::array<const char16_t *, 7> KopfZwischenprodukte = {
    u"", u"Anzahl", u"Marktwert", u"Herst.dauer", u"Herst.kosten", u"Zutatenkosten", u"Schichtkosten"};
const std::array<const char16_t *, 5> KopfZutaten = {u"", u"Anzahl", u"Gesamtpreis", u"Stückpreis", u""};
const std::array<const char16_t *, 6> KopfGebaeude = {
    u"", u"Stufe", u"Gebühr", u"Arbeitszeit", u"Arbeitskosten", u"Schichten"};
const std::array<const char16_t *, 4> KopfFertigkeiten = {u"", u"Stufe", u"Arbeitszeit", u"Schichten"};

namespace {

const QString FehlerZusammenfassung = QStringLiteral("Fehler in TForm6.FormShow: Ungültige Item-Kategorie!");
const QString FehlerZwischenprodukt =
    QStringLiteral("Fehler in TForm6.FormShow.GetInformationZZ. Ungültige Item-Kategorie!");

bool IstFoerderbar(const TRohstoff &r)
{
    return r.Kategorie >= 1 && r.Kategorie <= 3;
}

bool IstZukauf(const TRohstoff &r)
{
    return r.Kategorie >= 4 && r.Kategorie <= 8;
}

// A recipe's output quantity as a divisor; a broken row must not divide by zero.
double Ausbeute(int32_t menge)
{
    return menge > 0 ? static_cast<double>(menge) : 1.0;
}

double Einkaufspreis(const TCraftingZustand &c, uint8_t art, int32_t index)
{
    const TPreispaar *p = art == ArtGebaeude ? nullptr : Preise(c, art, index);
    return p ? p->Einkaufspreis : 0.0;
}

// Purchase cost of a node; false for kinds that cannot be bought.
bool Gekauft(const TCraftingZustand &c, const TBaulistenKnoten &n, double &zutaten)
{
    if (n.Art != ArtRohstoff && n.Art != ArtZutat && n.Art != ArtWare)
        return false;
    zutaten += n.Menge * Einkaufspreis(c, n.Art, n.Index);
    return true;
}

void Produziert(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c, uint8_t art, int32_t index,
                double menge, TBeitrag &summen)
{
    const THerstellung h = Herstellungsdauer(k, c, o, art, index, menge);
    summen.Minuten += h.Minuten;
    summen.Schichten += Schichtkostenanteil(c, h.Gebaeude, h.Minuten);
}

// Nodes above the mode's lowest produced level pass on to their children.
void Absteigen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c, const TBaulistenKnoten &n,
               int tiefe, int modus, TBeitrag &summen)
{
    if (tiefe < modus - 1 && !n.Kinder.empty()) {
        Produziert(k, o, c, n.Art, n.Index, n.Menge, summen);
        for (const TBaulistenKnoten &kind : n.Kinder)
            Absteigen(k, o, c, kind, tiefe + 1, modus, summen);
        return;
    }
    BeitragAddieren(k, o, c, n, summen);
}

int GueltigerModus(int modus)
{
    return modus >= 1 && modus <= AnzahlModi ? modus : 1;
}

// Every row the mode produces: the entries, then in modes 2 to 4 the lists 1 .. m - 1.
template <class F> void ProduzierteZeilen(const TCraftingZustand &c, int modus, bool mitEintraegen, F &&f)
{
    if (mitEintraegen)
        for (const TBaulistenKnoten &e : c.Bauliste.Eintraege)
            f(e.Art, e.Index, e.Menge);
    for (int liste = 1; liste < modus; ++liste)
        for (const TSammelEintrag &z : c.Bedarfsliste(liste)->Zeilen)
            f(z.Art, z.Index, z.Menge);
}

} // namespace

QString ProduktionsmodusName(int modus)
{
    static const std::array<const char16_t *, AnzahlModi + 1> namen = {
        u"", u"Einfache Produktion", u"+ Zutaten produzieren Lv1", u"+ Zutaten produzieren Lv2",
        u"Alles selbst produzieren"};
    return modus >= 1 && modus <= AnzahlModi ? QString::fromUtf16(namen[static_cast<size_t>(modus)])
                                             : QString();
}

QString DetailanalyseTitel(int modus)
{
    modus = GueltigerModus(modus);
    QString titel = QStringLiteral("Detaillierte Analyse der Bauliste: ");
    // The two middle modes build on the simple production and say so.
    if (modus == 2 || modus == 3)
        titel += ProduktionsmodusName(1) + u' ';
    return titel + ProduktionsmodusName(modus);
}

void BeitragAddieren(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                     const TBaulistenKnoten &n, TBeitrag &summen)
{
    switch (n.Art) {
    case ArtRohstoff: {
        const TRohstoff *r = Rohstoff(k, n.Index);
        if (r && IstFoerderbar(*r))
            Produziert(k, o, c, n.Art, n.Index, n.Menge, summen);
        else if (r && IstZukauf(*r))
            Gekauft(c, n, summen.Zutaten);
        else
            summen.Fehler = true;
        return;
    }
    case ArtZutat:
    case ArtWare:
        Produziert(k, o, c, n.Art, n.Index, n.Menge, summen);
        [[fallthrough]];
    case ArtGebaeude:
        for (const TBaulistenKnoten &kind : n.Kinder)
            if (!Gekauft(c, kind, summen.Zutaten))
                summen.Fehler = true;
        return;
    default:
        summen.Fehler = true;
        return;
    }
}

TAnalyseErgebnis ProduktzeileWerte(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                   const TBaulistenKnoten &e, int modus)
{
    TBeitrag summen;
    Absteigen(k, o, c, e, 0, GueltigerModus(modus), summen);
    TAnalyseErgebnis a;
    a.Gesamtdauer = summen.Minuten;
    a.Schichtanteil = summen.Schichten;
    a.Zutatenanteil = summen.Fehler ? ZutatenkostenFehler : summen.Zutaten;
    a.Marktwert = EintragMarktwert(k, e);
    if (const TPreispaar *p = Preise(c, e.Art, e.Index))
        a.Verkaufserloes = p->Verkaufspreis * e.Menge;
    ErgebnisAbschliessen(a);
    return a;
}

QString ProzentText(double preis, double referenz)
{
    return QString::number(Prozent(preis, referenz)) + u'%';
}

QString SchichtenText(double minuten)
{
    // Shifts begun; a time a hair above a whole number of shifts from binary sums
    // (3 x 180.00000000000003) does not begin another one.
    const double schichten = -AbrundenMitToleranz(-minuten / SchichtMinuten);
    return QString::number(Runden(schichten));
}

QString StufeRoemisch(int32_t stufe)
{
    static const std::array<const char *, 6> roemisch = {"", "I", "II", "III", "IV", "V"};
    if (stufe >= 1 && stufe <= 5)
        return QString::fromLatin1(roemisch[static_cast<size_t>(stufe)]);
    return QString::number(stufe);
}

TProduktzeile ProduktzeileBerechnen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                    const TBaulistenKnoten &e, int modus)
{
    const TAnalyseErgebnis a = ProduktzeileWerte(k, o, c, e, modus);
    TProduktzeile t;
    t[0] = KnotenText(k, e);
    const std::array<QString, 8> werte = AnalyseWerteZahlen(a);
    std::copy(werte.begin(), werte.end(), t.begin() + 1);
    const TPreispaar *p = Preise(c, e.Art, e.Index);
    const double verkauf = p ? p->Verkaufspreis : 0.0;
    t[9] = GoldFormatieren(verkauf);
    // A building's reference is the value of its components per building.
    const double referenz = e.Art == ArtGebaeude ? a.Marktwert / e.Menge : Referenzwert(k, e.Art, e.Index);
    t[10] = ProzentText(verkauf, referenz);
    return t;
}

TProduktzeile GesamtzeileBerechnen(const TAnalyseErgebnis &a)
{
    TProduktzeile t;
    t[0] = QStringLiteral("Gesamt");
    const std::array<QString, 8> werte = AnalyseWerteZahlen(a);
    std::copy(werte.begin(), werte.end(), t.begin() + 1);
    return t;
}

TZutatenzeile ZutatenzeileBerechnen(const TKatalog &k, const TCraftingZustand &c, const TSammelEintrag &z)
{
    const double e = Einkaufspreis(c, z.Art, z.Index);
    return {KnotenName(k, z.Art, z.Index), MengeFormatieren(z.Menge), BetragText(z.Menge * e),
            GoldFormatieren(e), ProzentText(e, Referenzwert(k, z.Art, z.Index))};
}

TZwischenproduktzeile GetInformationZZ(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c,
                                       const TSammelEintrag &z)
{
    const double x = z.Menge;
    const THerstellung h = Herstellungsdauer(k, c, o, z.Art, z.Index, x);
    const double schichten = Schichtkostenanteil(c, h.Gebaeude, h.Minuten);
    double zutaten = 0.0;
    switch (z.Art) {
    case ArtRohstoff:
        break;
    case ArtZutat:
        if (const TZutat *zt = Zutat(k, z.Index)) {
            for (const TZutatenEintrag &platz : zt->Zutaten) {
                if (platz.Anzahl == -1)
                    break;
                const TItemRef ref = ItemSuchen(k, platz.Name);
                if (ref.Tabellencode == TabelleRohstoff)
                    zutaten +=
                        x / Ausbeute(zt->Menge) * platz.Anzahl * Einkaufspreis(c, ArtRohstoff, ref.Index);
            }
        }
        break;
    case ArtWare:
        if (const TWare *w = Ware(k, z.Index)) {
            const int plaetze = AnzahlZutaten(k, z.Index);
            for (int s = 0; s < plaetze; ++s) {
                const TZutatenEintrag &platz = w->Zutaten[static_cast<size_t>(s)];
                const TItemRef ref = ItemSuchen(k, platz.Name);
                if (ref.Tabellencode != TabelleRohstoff && ref.Tabellencode != TabelleZutat) {
                    MeldungZeigen(FehlerZwischenprodukt);
                    zutaten = ZutatenkostenFehler;
                    break;
                }
                zutaten += x / Ausbeute(w->Menge) * platz.Anzahl *
                           Einkaufspreis(c, KnotenartAusTabellencode(ref.Tabellencode), ref.Index);
            }
        }
        break;
    default:
        MeldungZeigen(FehlerZwischenprodukt);
        zutaten = ZutatenkostenFehler;
        break;
    }
    return {KnotenName(k, z.Art, z.Index),
            MengeFormatieren(x),
            BetragText(Referenzwert(k, z.Art, z.Index) * x),
            StundenMinutenText(h.Minuten),
            BetragText(zutaten + schichten),
            BetragText(zutaten),
            BetragText(schichten)};
}

int FertigkeitFuerItem(const TKatalog &k, uint8_t art, int32_t index)
{
    // The craft whose potency applies is the craft the item needs.
    return HandwerkFuerItem(k, art, index);
}

int32_t BenoetigteStufe(const TKatalog &k, uint8_t art, int32_t index)
{
    switch (art) {
    case ArtRohstoff:
        if (const TRohstoff *r = Rohstoff(k, index))
            return r->Stufe;
        return -1;
    case ArtZutat:
        if (const TZutat *z = Zutat(k, index))
            return z->Stufe;
        return -1;
    case ArtWare:
        if (const TWare *w = Ware(k, index))
            return w->Herstellungsstufe;
        return -1;
    case ArtGebaeude:
        return 0;
    default:
        return -1;
    }
}

bool IstZwischenprodukt(const TKatalog &k, const TSammelEintrag &z)
{
    if (z.Art == ArtZutat || z.Art == ArtWare)
        return true;
    const TRohstoff *r = z.Art == ArtRohstoff ? Rohstoff(k, z.Index) : nullptr;
    return r && IstFoerderbar(*r);
}

int ZutatGruppe(const TKatalog &k, uint8_t art, int32_t index)
{
    if (art == ArtRohstoff) {
        if (const TRohstoff *r = Rohstoff(k, index); r && r->Kategorie >= 1 && r->Kategorie <= 8)
            return r->Kategorie <= 6 ? 1 : r->Kategorie == 7 ? 2 : 3;
    } else if (art == ArtZutat && Zutat(k, index)) {
        return 1;
    } else if (art == ArtWare && Ware(k, index)) {
        return 4;
    }
    return 0;
}

std::array<TZusammenfassungsgruppe, AnzahlZusammenfassungsgruppen>
ZutatenZusammenfassen(const TKatalog &k, const TCraftingZustand &c, int modus)
{
    std::array<TZusammenfassungsgruppe, AnzahlZusammenfassungsgruppen> g;
    const std::array<const char *, AnzahlZusammenfassungsgruppen> namen = {
        "Gesamt:", "Rohstoffe:", "Handwerksmaterialien:", "Edelsteine:", "Bauteile:"};
    for (size_t i = 0; i < g.size(); ++i)
        g[i].Name = QString::fromLatin1(namen[i]);
    for (const TSammelEintrag &z : c.Bedarfsliste(GueltigerModus(modus))->Zeilen) {
        const size_t gruppe = static_cast<size_t>(ZutatGruppe(k, z.Art, z.Index));
        if (gruppe == 0) {
            MeldungZeigen(FehlerZusammenfassung);
            continue;
        }
        g[gruppe].Anzahl += z.Menge;
        g[gruppe].Kosten += z.Menge * Einkaufspreis(c, z.Art, z.Index);
    }
    for (size_t i = 1; i < g.size(); ++i) {
        g[0].Anzahl += g[i].Anzahl;
        g[0].Kosten += g[i].Kosten;
    }
    for (TZusammenfassungsgruppe &gruppe : g) {
        gruppe.AnzahlText = MengeFormatieren(gruppe.Anzahl) + QStringLiteral(" Stk.");
        gruppe.KostenText = BetragText(gruppe.Kosten) + QStringLiteral(" Gold");
    }
    return g;
}

std::array<double, AnzahlHandwerksgebaeude + 1> GebaeudeMinuten(const TKatalog &k, const TOptionen &o,
                                                                const TCraftingZustand &c, int modus)
{
    std::array<double, AnzahlHandwerksgebaeude + 1> minuten{};
    ProduzierteZeilen(c, GueltigerModus(modus), true, [&](uint8_t art, int32_t index, double menge) {
        const THerstellung h = Herstellungsdauer(k, c, o, art, index, menge);
        if (h.Gebaeude >= 1 && h.Gebaeude <= AnzahlHandwerksgebaeude)
            minuten[static_cast<size_t>(h.Gebaeude)] += h.Minuten;
    });
    return minuten;
}

std::array<TFertigkeit, AnzahlHandwerke + 1> FertigkeitenBestimmen(const TKatalog &k, const TOptionen &o,
                                                                   const TCraftingZustand &c, int modus)
{
    std::array<TFertigkeit, AnzahlHandwerke + 1> f{};
    for (int i = 1; i <= AnzahlHandwerke; ++i)
        f[static_cast<size_t>(i)] = {QString::fromUtf16(Handwerke[static_cast<size_t>(i)].Name), -1, 0.0};
    ProduzierteZeilen(c, GueltigerModus(modus), true, [&](uint8_t art, int32_t index, double menge) {
        const int h = FertigkeitFuerItem(k, art, index);
        if (h < 1 || h > AnzahlHandwerke)
            return;
        TFertigkeit &fertigkeit = f[static_cast<size_t>(h)];
        fertigkeit.Arbeitszeit += Herstellungsdauer(k, c, o, art, index, menge).Minuten;
        fertigkeit.Stufe = std::max(fertigkeit.Stufe, BenoetigteStufe(k, art, index));
    });
    return f;
}

TGewinnAnzeige GewinnAnzeigeBerechnen(const TAnalyseErgebnis &a)
{
    const double p = a.GewinnProStunde;
    const QString gold = QStringLiteral(" Gold");
    return {a.Gewinn >= 0.0 ? QStringLiteral("Gewinn") : QStringLiteral("Verlust"), BetragText(p) + gold,
            BetragText(p * 12.0) + gold, BetragText(p * 84.0) + gold};
}

TDetailanalyse DetailanalyseBerechnen(const TKatalog &k, const TOptionen &o, const TCraftingZustand &brutto,
                                      int modus)
{
    modus = GueltigerModus(modus);
    // While the stock counts, the mode's netted list gives every figure.
    const TCraftingZustand &c = Rechenstand(brutto, modus);
    TDetailanalyse d;
    d.Modus = modus;
    d.Titel = DetailanalyseTitel(modus);
    const TAnalyseErgebnis &gesamt = c.Analyse[static_cast<size_t>(modus)];

    d.Produkte.reserve(c.Bauliste.Eintraege.size() + 1);
    d.Produkte.push_back(GesamtzeileBerechnen(gesamt));
    for (const TBaulistenKnoten &e : c.Bauliste.Eintraege)
        d.Produkte.push_back(ProduktzeileBerechnen(k, o, c, e, modus));

    for (const TSammelEintrag &z : c.Bedarfsliste(modus)->Zeilen)
        d.Zutaten.push_back(ZutatenzeileBerechnen(k, c, z));
    d.Zusammenfassung = ZutatenZusammenfassen(k, c, modus);
    d.Gewinn = GewinnAnzeigeBerechnen(gesamt);

    const auto minuten = GebaeudeMinuten(k, o, c, modus);
    for (int i = 1; i <= AnzahlHandwerksgebaeude; ++i) {
        const double m = minuten[static_cast<size_t>(i)];
        if (m == 0.0)
            continue;
        const TVorhandeneHandwerksgebaeude &g = c.Handwerksgebaeude[static_cast<size_t>(i)];
        d.Gebaeude.push_back({g.Name, StufeRoemisch(g.Stufe), QString::number(g.Schichtkosten),
                              StundenMinutenText(m), BetragText(Schichtkostenanteil(c, i, m)),
                              SchichtenText(m)});
    }

    const auto fertigkeiten = FertigkeitenBestimmen(k, o, c, modus);
    for (int i = 1; i <= AnzahlHandwerke; ++i) {
        const TFertigkeit &f = fertigkeiten[static_cast<size_t>(i)];
        if (f.Stufe != -1)
            d.Fertigkeiten.push_back({f.Name, QString::number(f.Stufe), StundenMinutenText(f.Arbeitszeit),
                                      SchichtenText(f.Arbeitszeit)});
    }

    ProduzierteZeilen(c, modus, false, [&](uint8_t art, int32_t index, double menge) {
        const TSammelEintrag z{art, index, menge};
        if (IstZwischenprodukt(k, z))
            d.Zwischenprodukte.push_back(GetInformationZZ(k, o, c, z));
    });
    return d;
}

} // namespace mvt
