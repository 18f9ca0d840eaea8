#include "crafting/Kostenseiten.h"

#include "crafting/Lagerverrechnung.h"

#include <algorithm>

namespace mvt {

namespace {

TPreiszeilenDaten Zeile(const TKatalog &k, const TCraftingZustand &c, uint8_t art, int32_t index,
                        bool verkauf)
{
    TPreiszeilenDaten z;
    z.Name = KnotenName(k, art, index);
    z.Referenz = Referenzwert(k, art, index);
    if (const TPreispaar *p = Preise(c, art, index))
        z.Gold = verkauf ? p->Verkaufspreis : p->Einkaufspreis;
    z.Prozent = Prozent(z.Gold, z.Referenz);
    return z;
}

} // namespace

std::array<QString, 5> Stufennamen(int art)
{
    std::array<QString, 5> namen;
    if (art < 1 || art > AnzahlHandwerksgebaeude)
        return namen;
    static const char *const stufen[] = {" I", " II", " III", " IV", " V"};
    for (size_t i = 0; i < namen.size(); ++i)
        namen[i] =
            QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(art)]) + QLatin1String(stufen[i]);
    return namen;
}

std::array<TKostenseite, AnzahlModi + 1> KostenseitenBestimmen(const TKatalog &k, const TCraftingZustand &c)
{
    std::array<TKostenseite, AnzahlModi + 1> seiten;
    if (c.Bauliste.Leer())
        return seiten;
    const TBaulistenKnoten &erster = c.Bauliste.Eintraege.front();
    const TPreiszeilenDaten verkauf = Zeile(k, c, erster.Art, erster.Index, true);
    for (int modus = 1; modus <= AnzahlModi; ++modus) {
        TKostenseite &s = seiten[static_cast<size_t>(modus)];
        s.Verkauf = verkauf;
        s.VerkaufAlle = c.Bauliste.Anzahl() >= 2;

        // What the mode produces and buys, after the stock while it counts; prices are global.
        const TCraftingZustand &netto = Rechenstand(c, modus);
        const TBenoetigteGebaeude &g = netto.BenoetigteGebaeude[static_cast<size_t>(modus)];
        s.GebaeudeSichtbar = g.Anzahl > 0 && g.Erstes >= 1 && g.Erstes <= AnzahlHandwerksgebaeude;
        if (s.GebaeudeSichtbar) {
            const TVorhandeneHandwerksgebaeude &h = c.Handwerksgebaeude[static_cast<size_t>(g.Erstes)];
            s.GebaeudeArt = g.Erstes;
            s.GebaeudeStufen = Stufennamen(g.Erstes);
            s.StufeIndex = std::clamp(h.Stufe, 1, 5) - 1;
            s.Schichtkosten = h.Schichtkosten;
            s.GebaeudeAlle = g.Anzahl > 1;
        }

        const TBedarfsliste *liste = netto.Bedarfsliste(modus);
        s.Zutaten = liste->Anzahl();
        for (int i = 0; i < std::min(s.Zutaten, SichtbareEinkaufszeilen); ++i) {
            const TSammelEintrag &z = liste->Zeilen[static_cast<size_t>(i)];
            s.Einkauf.push_back(Zeile(k, c, z.Art, z.Index, false));
        }
        s.EinkaufAlle = s.Zutaten > SichtbareEinkaufszeilen;
    }
    return seiten;
}

std::vector<TPreiszeilenDaten> PreisdialogZeilen(const TKatalog &k, const TCraftingZustand &c, int tag)
{
    std::vector<TPreiszeilenDaten> zeilen;
    const int modus = tag / 10;
    if (tag % 10 == 1) {
        for (const TBaulistenKnoten &e : c.Bauliste.Eintraege)
            zeilen.push_back(Zeile(k, c, e.Art, e.Index, true));
    } else if (tag % 10 == 2) {
        if (const TBedarfsliste *liste = Rechenstand(c, modus).Bedarfsliste(modus))
            for (const TSammelEintrag &z : liste->Zeilen)
                zeilen.push_back(Zeile(k, c, z.Art, z.Index, false));
    }
    return zeilen;
}

std::vector<int> PreisdialogGebaeude(const TCraftingZustand &c, int tag)
{
    std::vector<int> arten;
    const int modus = tag / 10;
    if (tag % 10 != 3 || modus < 1 || modus > AnzahlModi)
        return arten;
    const TBenoetigteGebaeude &g = Rechenstand(c, modus).BenoetigteGebaeude[static_cast<size_t>(modus)];
    for (int art = 1; art <= AnzahlHandwerksgebaeude; ++art)
        if (g.Enthalten[static_cast<size_t>(art)])
            arten.push_back(art);
    return arten;
}

} // namespace mvt
