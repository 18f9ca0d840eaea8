#include "catalogue/Katalog.h"

#include "base/Zahlen.h"
#include "catalogue/daten/Zeilen.h"

#include <iterator>

namespace mvt {

namespace {
using namespace daten;

const RohstoffZeile RohstoffDaten[] = {
#include "catalogue/daten/Rohstoffe.inc"
};
const ZutatGutZeile ZutatDaten[] = {
#include "catalogue/daten/Zutaten.inc"
};
const WareZeile WarenDaten[] = {
#include "catalogue/daten/Waren.inc"
};
const WareZeile TrainingsDaten[] = {
#include "catalogue/daten/Training.inc"
};
const GebaeudeZeile GebaeudeDaten[] = {
#include "catalogue/daten/Gebaeude.inc"
};
const ZauberZeile ZauberDaten[] = {
#include "catalogue/daten/Zauber.inc"
};
const WeltvarianteZeile VarianteDunladanEndurias[] = {
#include "catalogue/daten/WeltvarianteDE.inc"
};
const WeltvarianteZeile VarianteZyrthania[] = {
#include "catalogue/daten/WeltvarianteZ.inc"
};

static_assert(std::size(RohstoffDaten) == AnzahlRohstoffe);
static_assert(std::size(ZutatDaten) == AnzahlZutatGueter);
static_assert(std::size(WarenDaten) == AnzahlWaren);
static_assert(std::size(TrainingsDaten) == AnzahlTrainingsItems);
static_assert(std::size(GebaeudeDaten) == AnzahlGebaeude);
static_assert(std::size(ZauberDaten) == AnzahlZauber);
static_assert(std::size(VarianteDunladanEndurias) == 15);
static_assert(std::size(VarianteZyrthania) == 15);

TZutatenEintrag Eintrag(const ZutatZeile &z)
{
    if (z.Name == nullptr)
        return {};
    return {QString::fromUtf8(z.Name), z.Anzahl};
}

TWare WareAusZeile(const WareZeile &z)
{
    TWare w;
    w.Name = QString::fromUtf8(z.Name);
    w.Preis = z.Preis;
    w.Gewicht = z.Gewicht;
    w.Stufe = z.Stufe;
    w.Kategorie = z.Kategorie;
    w.MinSchaden = z.MinSchaden;
    w.MaxSchaden = z.MaxSchaden;
    w.SchadenProRunde = z.SchadenProRunde;
    w.Tempo = z.Tempo;
    w.Zusatzwirkung = z.Zusatzwirkung;
    w.Treffsicherheit = z.Treffsicherheit;
    w.KritischeTreffer = z.KritischeTreffer;
    w.StabWirkung = z.StabWirkung;
    w.Reichweite = z.Reichweite;
    w.Element = z.Element;
    w.Ruestschutz = z.Ruestschutz;
    w.Absorb = z.Absorb;
    w.Behinderung = z.Behinderung;
    w.HeilungMin = z.HeilungMin;
    w.HeilungMax = z.HeilungMax;
    w.HeilungProzentMin = z.HeilungProzentMin;
    w.HeilungProzentMax = z.HeilungProzentMax;
    w.Herstellungsstufe = z.Herstellungsstufe;
    w.Rezeptpreis = z.Rezeptpreis;
    w.Dauer = z.Dauer;
    w.Menge = z.Menge;
    for (int i = 0; i < 5; ++i)
        w.Zutaten[i] = Eintrag(z.Zutaten[i]);
    return w;
}

template <typename T> const T *Zeile(const auto &tabelle, int i)
{
    if (i < 1 || i >= static_cast<int>(tabelle.size()))
        return nullptr;
    return &tabelle[static_cast<size_t>(i)];
}
} // namespace

const std::array<THandwerk, AnzahlHandwerke + 1> Handwerke = {{
    {u"", ""},
    {u"Holzverarbeitung", "Holzverarbeitung"},
    {u"Steinverarbeitung", "Steinverarbeitung"},
    {u"Erzverarbeitung", "Erzverarbeitung"},
    {u"Stoff- & Lederverarbeitung", "StoffUndLederverarbeitung"},
    {u"Konstrukteur", "Konstruktion"},
    {u"Schmieden (Schwerter)", "SchmiedenSchwerter"},
    {u"Schmieden (Dolche)", "SchmiedenDolche"},
    {u"Schmieden (Äxte)", "SchmiedenAexte"},
    {u"Schmieden (Keulen)", "SchmiedenKeulen"},
    {u"Schmieden (Stangenwaffen)", "SchmiedenStangenwaffen"},
    {u"Schmieden (Leichte Rüstungen)", "SchmiedenLeichteRuestungen"},
    {u"Schmieden (Schwere Rüstungen)", "SchmiedenSchwereRuestungen"},
    {u"Schmieden (Magierstäbe)", "SchmiedenMagiestaebe"},
    {u"Bognern (Bögen)", "BognernBoegen"},
    {u"Bognern (Armbrüste)", "BognernArmbrueste"},
    {u"Schneidern (Leichte Rüstungen)", "SchneidernLeichteRuestungen"},
    {u"Alchemie", "Alchemie"},
    {u"Wachdienst", "Wachdienst"},
}};

const std::array<TKategorieZuordnung, 19> WarenKategorien = {{
    {0, 0, u"", nullptr},
    {14, 5, u"Konstrukteur", nullptr},
    {9, 6, u"Schmieden (Schwerter)", u"Schwerter"},
    {9, 7, u"Schmieden (Dolche)", u"Dolche"},
    {9, 8, u"Schmieden (Äxte)", u"Äxte"},
    {9, 9, u"Schmieden (Keulen)", u"Keulen"},
    {9, 10, u"Schmieden (Stangenwaffen)", u"Stangenwaffen"},
    {12, 16, u"Schneidern (Leichte Rüstungen)", u"Leichte Rüstungen"},
    {10, 11, u"Schmieden (Leichte Rüstungen)", u"Leichte Rüstungen"},
    {10, 11, u"Schmieden (Leichte Rüstungen)", u"Leichte Rüstungen"},
    {9, 12, u"Schmieden (Schwere Rüstungen)", u"Schwere Rüstungen"},
    {9, 12, u"Schmieden (Schwere Rüstungen)", u"Schwere Rüstungen"},
    {11, 13, u"Schmieden (Magierstäbe)", nullptr}, // the use skill depends on the element
    {13, 17, u"Alchemie", nullptr},
    {11, 14, u"Bognern (Bögen)", u"Bögen"},
    {11, 15, u"Bognern (Armbrüste)", u"Armbrüste"},
    {11, 14, u"Bognern (Bögen)", nullptr},
    {11, 15, u"Bognern (Armbrüste)", nullptr},
    {13, 17, u"Alchemie", u"Bandagieren"},
}};

const std::array<int32_t, 21> FoerderMenge = {6,  -1, -1, -1, -1, 5,  -1, -1, -1, -1, 5,
                                              -1, -1, -1, -1, 4,  -1, -1, -1, -1, 4};

const std::array<const char16_t *, AnzahlHandwerksgebaeude + 1> HandwerksgebaeudeNamen = {
    u"",          u"Forstanlage", u"Steinbruch",  u"Bergwerk",     u"Sägewerk",
    u"Ziegelei",  u"Schmelze",    u"Gerberei",    u"Weberei",      u"Schmiede",
    u"Sattlerei", u"Werkstatt",   u"Schneiderei", u"Laboratorium", u"Bauhof"};

std::array<TVorhandeneHandwerksgebaeude, AnzahlHandwerksgebaeude + 1> HandwerksgebaeudeStandard()
{
    std::array<TVorhandeneHandwerksgebaeude, AnzahlHandwerksgebaeude + 1> t{};
    for (int i = 1; i <= AnzahlHandwerksgebaeude; ++i)
        t[i] = {QString::fromUtf16(HandwerksgebaeudeNamen[i]), 1, 25};
    return t;
}

void KatalogFuellen(TKatalog &k)
{
    k = TKatalog{};
    for (int i = 0; i < AnzahlRohstoffe; ++i) {
        const auto &z = RohstoffDaten[i];
        k.RohstoffTabelle[i + 1] = {QString::fromUtf8(z.Name), z.Preis, z.Gewicht, z.Stufe, z.Kategorie};
    }
    for (int i = 0; i < AnzahlZutatGueter; ++i) {
        const auto &z = ZutatDaten[i];
        TZutat &t = k.ZutatTabelle[i + 1];
        t.Name = QString::fromUtf8(z.Name);
        t.Preis = z.Preis;
        t.Gewicht = z.Gewicht;
        t.Stufe = z.Stufe;
        t.Kategorie = z.Kategorie;
        t.Rezeptpreis = z.Rezeptpreis;
        t.Dauer = z.Dauer;
        t.Menge = z.Menge;
        t.Zutaten[0] = Eintrag(z.Zutaten[0]);
        t.Zutaten[1] = Eintrag(z.Zutaten[1]);
    }
    for (int i = 0; i < AnzahlWaren; ++i)
        k.WarenTabelle[i + 1] = WareAusZeile(WarenDaten[i]);
    for (int i = 0; i < AnzahlTrainingsItems; ++i)
        k.TrainingsTabelle[i + 1] = WareAusZeile(TrainingsDaten[i]);
    for (int i = 0; i < AnzahlGebaeude; ++i) {
        const auto &z = GebaeudeDaten[i];
        TGebaeude &g = k.GebaeudeTabelle[i + 1];
        g.Name = QString::fromUtf8(z.Name);
        g.Art = z.Art;
        g.Stufe = z.Stufe;
        g.Strukturpunkte = z.Strukturpunkte;
        g.Arbeitsplaetze = z.Arbeitsplaetze;
        g.Unterhalt = z.Unterhalt;
        g.Voraussetzung = z.Voraussetzung;
        g.Stadtrecht = z.Stadtrecht;
        for (int s = 0; s < 4; ++s)
            g.Bauteile[s] = Eintrag(z.Bauteile[s]);
    }
    for (int i = 0; i < AnzahlZauber; ++i) {
        const auto &z = ZauberDaten[i];
        TZauber &t = k.ZauberTabelle[i + 1];
        t.Name = QString::fromUtf8(z.Name);
        t.KlammerName = u'[' + t.Name + u']';
        t.Element = z.Element;
        t.Typ = z.Typ;
        t.Stufe = z.Stufe;
        t.Dauer = z.Dauer;
        t.Felder = z.Felder;
        t.MinWert = z.MinWert;
        t.MaxWert = z.MaxWert;
        t.SchadenProRunde = z.SchadenProRunde;
        t.Angriffe = z.Angriffe;
        t.Preis = z.Preis;
    }

    // Index in reverse search order, so that for a name present twice the first hit of
    // the linear search (table order raw, intermediate, kit, building, training) wins.
    k.ItemIndex.reserve(AnzahlRohstoffe + AnzahlZutatGueter + AnzahlWaren + AnzahlGebaeude +
                        AnzahlTrainingsItems);
    auto eintragen = [&k](const auto &tabelle, uint8_t code) {
        for (int i = static_cast<int>(tabelle.size()) - 1; i >= 1; --i)
            k.ItemIndex.insert(tabelle[static_cast<size_t>(i)].Name, TItemRef{i, code});
    };
    eintragen(k.TrainingsTabelle, TabelleTraining);
    eintragen(k.GebaeudeTabelle, TabelleGebaeude);
    eintragen(k.WarenTabelle, TabelleWare);
    eintragen(k.ZutatTabelle, TabelleZutat);
    eintragen(k.RohstoffTabelle, TabelleRohstoff);
    for (int i = AnzahlZauber; i >= 1; --i) {
        k.ZauberIndex.insert(k.ZauberTabelle[i].Name, i);
        k.ZauberKlammerIndex.insert(k.ZauberTabelle[i].KlammerName, i);
    }
}

TItemRef ItemSuchen(const TKatalog &k, const QString &name)
{
    const auto it = k.ItemIndex.constFind(name);
    return it == k.ItemIndex.cend() ? TItemRef{} : *it;
}

namespace {
template <size_t N> int GefuellteSlots(const std::array<TZutatenEintrag, N> &felder)
{
    int n = 0;
    for (const TZutatenEintrag &s : felder) {
        if (s.Anzahl == -1)
            break;
        ++n;
    }
    return n;
}
} // namespace

int AnzahlZutaten(const TKatalog &k, int ware)
{
    const TWare *w = Ware(k, ware);
    return w ? GefuellteSlots(w->Zutaten) : 0;
}

int AnzahlBauteile(const TKatalog &k, int gebaeude)
{
    const TGebaeude *g = Gebaeude(k, gebaeude);
    return g ? GefuellteSlots(g->Bauteile) : 0;
}

int BauteilSuchen(const TKatalog &k, const QString &name)
{
    for (int i = 1; i <= AnzahlBauteilWaren; ++i)
        if (k.WarenTabelle[i].Name == name)
            return i;
    return -1;
}

int32_t Gebaeudewert(const TKatalog &k, int gebaeude)
{
    const TGebaeude *g = Gebaeude(k, gebaeude);
    if (!g)
        return 0;
    int64_t summe = 0;
    for (int s = 0; s < AnzahlBauteile(k, gebaeude); ++s) {
        const int b = BauteilSuchen(k, g->Bauteile[s].Name);
        if (b < 1)
            continue;
        summe += Runden(static_cast<double>(k.WarenTabelle[b].Preis) * g->Bauteile[s].Anzahl);
    }
    return static_cast<int32_t>(summe);
}

void WeltvarianteAnwenden(TKatalog &k, int variante)
{
    const WeltvarianteZeile *zeilen = nullptr;
    if (variante == 1 || variante == 2)
        zeilen = VarianteDunladanEndurias;
    else if (variante == 3)
        zeilen = VarianteZyrthania;
    else
        return;
    for (int i = 0; i < 15; ++i) {
        TWare &w = k.WarenTabelle[static_cast<size_t>(zeilen[i].Zeile)];
        w.Preis = zeilen[i].Preis;
        w.Rezeptpreis = zeilen[i].Rezeptpreis;
        w.Menge = zeilen[i].Menge;
    }
}

QString Tempobezeichnung(int tempo)
{
    switch (tempo) {
    case 1:
        return QStringLiteral("sehr langsam");
    case 2:
        return QStringLiteral("langsam");
    case 3:
        return QStringLiteral("normal");
    case 4:
        return QStringLiteral("schnell");
    default:
        return QString();
    }
}

bool IstZweihaendig(const QString &name)
{
    const qsizetype blank = name.lastIndexOf(u' ');
    return name.mid(blank + 1) == QLatin1String("[2H]");
}

int ZauberSuchen(const TKatalog &k, const QString &name)
{
    return k.ZauberIndex.value(name, -1);
}
int ZauberSuchenKlammer(const TKatalog &k, const QString &klammerName)
{
    return k.ZauberKlammerIndex.value(klammerName, -1);
}

const TRohstoff *Rohstoff(const TKatalog &k, int i)
{
    return Zeile<TRohstoff>(k.RohstoffTabelle, i);
}
const TZutat *Zutat(const TKatalog &k, int i)
{
    return Zeile<TZutat>(k.ZutatTabelle, i);
}
const TWare *Ware(const TKatalog &k, int i)
{
    return Zeile<TWare>(k.WarenTabelle, i);
}
const TWare *TrainingsItem(const TKatalog &k, int i)
{
    return Zeile<TWare>(k.TrainingsTabelle, i);
}
const TGebaeude *Gebaeude(const TKatalog &k, int i)
{
    return Zeile<TGebaeude>(k.GebaeudeTabelle, i);
}
const TZauber *Zauber(const TKatalog &k, int i)
{
    return Zeile<TZauber>(k.ZauberTabelle, i);
}

QString ItemName(const TKatalog &k, TItemRef ref)
{
    switch (ref.Tabellencode) {
    case TabelleRohstoff:
        if (auto *r = Rohstoff(k, ref.Index))
            return r->Name;
        break;
    case TabelleZutat:
        if (auto *r = Zutat(k, ref.Index))
            return r->Name;
        break;
    case TabelleWare:
        if (auto *r = Ware(k, ref.Index))
            return r->Name;
        break;
    case TabelleTraining:
        if (auto *r = TrainingsItem(k, ref.Index))
            return r->Name;
        break;
    case TabelleGebaeude:
        if (auto *r = Gebaeude(k, ref.Index))
            return r->Name;
        break;
    default:
        break;
    }
    return QString();
}

} // namespace mvt
