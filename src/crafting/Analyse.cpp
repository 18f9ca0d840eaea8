#include "crafting/Analyse.h"

#include "base/Meldung.h"
#include "base/Zahlen.h"
#include "crafting/Lagerverrechnung.h"

namespace mvt {

namespace {

// Adds time and shift cost of producing m pieces of an item to a mode.
void Produzieren(const TKatalog &k, const TOptionen &o, const TCraftingZustand &c, TAnalyseErgebnis &a,
                 uint8_t art, int32_t index, double m)
{
    const THerstellung h = Herstellungsdauer(k, c, o, art, index, m);
    a.Gesamtdauer += h.Minuten;
    a.Schichtanteil += Schichtkostenanteil(c, h.Gebaeude, h.Minuten);
}

} // namespace

double EintragMarktwert(const TKatalog &k, const TBaulistenKnoten &e)
{
    if (e.Art != ArtGebaeude)
        return Referenzwert(k, e.Art, e.Index) * e.Menge;
    // A building is worth its components at their market value.
    double summe = 0.0;
    for (const TBaulistenKnoten &kind : e.Kinder)
        if (const TWare *w = Ware(k, kind.Index))
            summe += w->Preis * kind.Menge;
    return summe;
}

void ErgebnisAbschliessen(TAnalyseErgebnis &a)
{
    a.Herstellungskosten = a.Schichtanteil + a.Zutatenanteil;
    a.Gewinn = a.Verkaufserloes - a.Herstellungskosten;
    a.GewinnProStunde = a.Gesamtdauer != 0.0 ? a.Gewinn / a.Gesamtdauer * 60.0 : 0.0;
}

void BerechneAnalyse(const TKatalog &k, const TOptionen &o, TCraftingZustand &c)
{
    c.Analyse.fill(TAnalyseErgebnis{});
    TAnalyseErgebnis &eins = c.Analyse[1];
    for (const TBaulistenKnoten &e : c.Bauliste.Eintraege) {
        Produzieren(k, o, c, eins, e.Art, e.Index, e.Menge);
        eins.Marktwert += EintragMarktwert(k, e);
        if (const TPreispaar *p = Preise(c, e.Art, e.Index))
            eins.Verkaufserloes += p->Verkaufspreis * e.Menge;
    }
    for (int modus = 2; modus <= AnzahlModi; ++modus)
        for (const TSammelEintrag &z : c.Bedarfsliste(modus - 1)->Zeilen)
            Produzieren(k, o, c, c.Analyse[static_cast<size_t>(modus)], z.Art, z.Index, z.Menge);
    for (int modus = 1; modus <= AnzahlModi; ++modus) {
        for (const TSammelEintrag &z : c.Bedarfsliste(modus)->Zeilen) {
            const TPreispaar *p = z.Art == ArtGebaeude ? nullptr : Preise(c, z.Art, z.Index);
            if (!p) {
                MeldungZeigen(QStringLiteral("Fehler in Unit4.BerechneAnalyse: Ungültige Item-Kategorie!"));
                continue;
            }
            c.Analyse[static_cast<size_t>(modus)].Zutatenanteil += z.Menge * p->Einkaufspreis;
        }
    }
    ErgebnisAbschliessen(eins);
    for (int modus = 2; modus <= AnzahlModi; ++modus) {
        TAnalyseErgebnis &a = c.Analyse[static_cast<size_t>(modus)];
        const TAnalyseErgebnis &vorher = c.Analyse[static_cast<size_t>(modus - 1)];
        a.Marktwert = eins.Marktwert;
        a.Verkaufserloes = eins.Verkaufserloes;
        a.Gesamtdauer += vorher.Gesamtdauer;
        a.Schichtanteil += vorher.Schichtanteil;
        ErgebnisAbschliessen(a);
    }
    LagerEinrechnen(k, o, c);
}

bool AllesNeuBerechnen(const TKatalog &k, const TOptionen &o, TCraftingZustand &c)
{
    BedarfslistenLeeren(c);
    if (c.Bauliste.Leer()) {
        c.Analyse.fill(TAnalyseErgebnis{});
        c.BenoetigteGebaeude.fill(TBenoetigteGebaeude{});
        c.Netto.reset();
        return false;
    }
    Bedarfsliste1Fuellen(k, c);
    for (int liste = 1; liste <= 3; ++liste)
        BedarfslisteAufloesen(k, c, liste);
    BerechneAnalyse(k, o, c);
    BenoetigteGebaeudeBestimmen(k, c);
    return true;
}

QString BetragText(double betrag)
{
    return QString::number(Runden(betrag));
}

QString StundenMinutenText(double minuten)
{
    const int64_t n = Runden(minuten);
    return QString::number(n / 60) + QStringLiteral(" Std. ") + QString::number(n % 60) +
           QStringLiteral(" Min.");
}

std::array<QString, 8> AnalyseWerteZahlen(const TAnalyseErgebnis &a)
{
    return {BetragText(a.Marktwert),     StundenMinutenText(a.Gesamtdauer), BetragText(a.Herstellungskosten),
            BetragText(a.Zutatenanteil), BetragText(a.Schichtanteil),       BetragText(a.Verkaufserloes),
            BetragText(a.Gewinn),        BetragText(a.GewinnProStunde)};
}

std::array<QString, 8> AnalyseWerteTexte(const TAnalyseErgebnis &a)
{
    std::array<QString, 8> texte = AnalyseWerteZahlen(a);
    texte[6] += QStringLiteral(" Gold");
    texte[7] += QStringLiteral(" Gold");
    return texte;
}

QString GewinnBeschriftung(double gewinn)
{
    return gewinn >= 0.0 ? QStringLiteral("Gewinn:") : QStringLiteral("Verlust:");
}

TGewinnFarbe GewinnFarbe(double gewinn)
{
    if (gewinn < 0.0)
        return TGewinnFarbe::Dunkelrot;
    return gewinn == 0.0 ? TGewinnFarbe::Normal : TGewinnFarbe::Gruen;
}

} // namespace mvt
