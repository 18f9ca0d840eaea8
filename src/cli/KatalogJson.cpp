#include "cli/KatalogJson.h"

#include <QJsonArray>

namespace mvt::cli {

namespace {
template <size_t N> QJsonArray Slots(const std::array<TZutatenEintrag, N> &felder)
{
    QJsonArray a;
    for (const auto &s : felder) {
        if (s.Anzahl == -1)
            break;
        a.append(QJsonObject{{"Name", s.Name}, {"Anzahl", s.Anzahl}});
    }
    return a;
}

void WareFelder(QJsonObject &o, const TWare &w)
{
    o["Preis"] = w.Preis;
    o["Gewicht"] = w.Gewicht;
    o["Stufe"] = w.Stufe;
    o["Kategorie"] = w.Kategorie;
    o["MinSchaden"] = w.MinSchaden;
    o["MaxSchaden"] = w.MaxSchaden;
    o["SchadenProRunde"] = w.SchadenProRunde;
    o["Tempo"] = w.Tempo;
    o["Zusatzwirkung"] = w.Zusatzwirkung;
    o["Treffsicherheit"] = w.Treffsicherheit;
    o["KritischeTreffer"] = w.KritischeTreffer;
    o["StabWirkung"] = w.StabWirkung;
    o["Reichweite"] = w.Reichweite;
    o["Element"] = w.Element;
    o["Ruestschutz"] = w.Ruestschutz;
    o["Absorb"] = w.Absorb;
    o["Behinderung"] = w.Behinderung;
    o["HeilungMin"] = w.HeilungMin;
    o["HeilungMax"] = w.HeilungMax;
    o["HeilungProzentMin"] = w.HeilungProzentMin;
    o["HeilungProzentMax"] = w.HeilungProzentMax;
    o["Herstellungsstufe"] = w.Herstellungsstufe;
    o["Rezeptpreis"] = w.Rezeptpreis;
    o["Dauer"] = w.Dauer;
    o["Menge"] = w.Menge;
    o["Zutaten"] = Slots(w.Zutaten);
}
} // namespace

QJsonObject ItemJson(const TKatalog &k, TItemRef ref)
{
    QJsonObject o;
    o["Name"] = ItemName(k, ref);
    o["Tabellencode"] = ref.Tabellencode;
    o["Index"] = ref.Index;
    switch (ref.Tabellencode) {
    case TabelleRohstoff: {
        const TRohstoff &r = *Rohstoff(k, ref.Index);
        o["Preis"] = r.Preis;
        o["Gewicht"] = r.Gewicht;
        o["Stufe"] = r.Stufe;
        o["Kategorie"] = r.Kategorie;
        break;
    }
    case TabelleZutat: {
        const TZutat &z = *Zutat(k, ref.Index);
        o["Preis"] = z.Preis;
        o["Gewicht"] = z.Gewicht;
        o["Stufe"] = z.Stufe;
        o["Kategorie"] = z.Kategorie;
        o["Rezeptpreis"] = z.Rezeptpreis;
        o["Dauer"] = z.Dauer;
        o["Menge"] = z.Menge;
        o["Zutaten"] = Slots(z.Zutaten);
        break;
    }
    case TabelleWare:
        WareFelder(o, *Ware(k, ref.Index));
        break;
    case TabelleTraining:
        WareFelder(o, *TrainingsItem(k, ref.Index));
        break;
    case TabelleGebaeude: {
        const TGebaeude &g = *Gebaeude(k, ref.Index);
        o["Art"] = g.Art;
        o["Stufe"] = g.Stufe;
        o["Strukturpunkte"] = g.Strukturpunkte;
        o["Arbeitsplaetze"] = g.Arbeitsplaetze;
        o["Unterhalt"] = g.Unterhalt;
        o["Voraussetzung"] = g.Voraussetzung;
        o["Stadtrecht"] = g.Stadtrecht;
        o["Bauteile"] = Slots(g.Bauteile);
        o["Gebaeudewert"] = Gebaeudewert(k, ref.Index);
        break;
    }
    default:
        break;
    }
    return o;
}

QJsonObject ZauberJson(const TKatalog &k, int nr)
{
    const TZauber *z = Zauber(k, nr);
    if (!z)
        return {};
    return QJsonObject{{"Nr", nr},
                       {"Name", z->Name},
                       {"KlammerName", z->KlammerName},
                       {"Element", z->Element},
                       {"Typ", z->Typ},
                       {"Stufe", z->Stufe},
                       {"Dauer", z->Dauer},
                       {"Felder", z->Felder},
                       {"MinWert", z->MinWert},
                       {"MaxWert", z->MaxWert},
                       {"SchadenProRunde", z->SchadenProRunde},
                       {"Angriffe", z->Angriffe},
                       {"Preis", z->Preis}};
}

} // namespace mvt::cli
