#include "crafting/Katalogbaum.h"

#include <initializer_list>
#include <tuple>

namespace mvt {

namespace {

using Knoten = TKatalogKnoten;

Knoten Gruppe(const QString &text, std::vector<Knoten> kinder = {})
{
    return {text, std::move(kinder)};
}

// Leaves of table rows von..bis in table order.
template <class Tabelle> void Zeilen(Knoten &ziel, const Tabelle &t, int von, int bis)
{
    for (int i = von; i <= bis; ++i)
        ziel.Kinder.push_back({t[static_cast<size_t>(i)].Name, {}});
}

Knoten Bereich(const QString &text, const TKatalog &k, int von, int bis)
{
    Knoten g = Gruppe(text);
    Zeilen(g, k.WarenTabelle, von, bis);
    return g;
}

Knoten Namen(const QString &text, std::initializer_list<const char16_t *> namen)
{
    Knoten g = Gruppe(text);
    for (const char16_t *n : namen)
        g.Kinder.push_back({QString::fromUtf16(n), {}});
    return g;
}

// The captions of the five (six) tiers: the Roman numeral padded to three characters
// and a blank, except for "IV" and "VI", which the game's tool writes with one blank.
QString Stufentext(int stufe, const QString &name)
{
    static const char *const roemisch[] = {"", "I   ", "II  ", "III ", "IV ", "V  ", "VI "};
    return QLatin1String(roemisch[stufe]) + name;
}

// Tiers 1..5 of a kit group, each with its number of kits, starting at row von.
void Stufen(Knoten &ziel, const TKatalog &k, std::initializer_list<const char16_t *> namen,
            std::initializer_list<int> anzahlen, int von)
{
    auto anzahl = anzahlen.begin();
    int stufe = 1;
    for (const char16_t *n : namen) {
        ziel.Kinder.push_back(Bereich(Stufentext(stufe++, QString::fromUtf16(n)), k, von, von + *anzahl - 1));
        von += *anzahl++;
    }
}

constexpr std::initializer_list<const char16_t *> Metalle = {u"Kupfer", u"Eisen", u"Sorandil", u"Adamant",
                                                             u"Mithril"};
constexpr std::initializer_list<const char16_t *> Hoelzer = {u"Buche", u"Birke", u"Eiche", u"Esche", u"Eibe"};

// A weapon group: five metal tiers and the gem tier.
Knoten Waffen(const QString &text, const TKatalog &k, std::initializer_list<int> anzahlen, int von,
              int edelVon, int edelBis)
{
    Knoten g = Gruppe(text);
    Stufen(g, k, Metalle, anzahlen, von);
    g.Kinder.push_back(Bereich(Stufentext(6, QStringLiteral("Edelstein")), k, edelVon, edelBis));
    return g;
}

// An armour or staff group: five material tiers of n kits and a gem tier whose five
// stones hold m kits each. reihenfolge, when given, orders the kits within one tier.
Knoten Ruestungen(const QString &text, const TKatalog &k, std::initializer_list<const char16_t *> materialien,
                  int von, int n, std::initializer_list<const char16_t *> steine, int edelVon, int m,
                  const std::vector<int> &reihenfolge = {}, const std::vector<int> &edelReihenfolge = {})
{
    auto geordnet = [&k](const QString &t, int start, int anzahl, const std::vector<int> &folge) {
        if (folge.empty())
            return Bereich(t, k, start, start + anzahl - 1);
        Knoten s = Gruppe(t);
        for (int versatz : folge)
            s.Kinder.push_back({k.WarenTabelle[static_cast<size_t>(start + versatz)].Name, {}});
        return s;
    };
    Knoten g = Gruppe(text);
    int stufe = 1;
    for (const char16_t *mat : materialien) {
        g.Kinder.push_back(geordnet(Stufentext(stufe++, QString::fromUtf16(mat)), von, n, reihenfolge));
        von += n;
    }
    Knoten edel = Gruppe(Stufentext(6, QStringLiteral("Edelstein")));
    stufe = 1;
    for (const char16_t *stein : steine) {
        edel.Kinder.push_back(
            geordnet(Stufentext(stufe++, QString::fromUtf16(stein)), edelVon, m, edelReihenfolge));
        edelVon += m;
    }
    g.Kinder.push_back(std::move(edel));
    return g;
}

QString Roemisch(int i)
{
    static const char *const zahlen[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return QLatin1String(zahlen[i]);
}

// A building kind with its levels, named as the catalogue names them.
Knoten Gebaeudeart(const QString &art, const QString &stufenname, int stufen)
{
    Knoten g = Gruppe(art);
    for (int i = 1; i <= stufen; ++i)
        g.Kinder.push_back({stufenname + u' ' + Roemisch(i), {}});
    return g;
}

Knoten Gebaeudegruppe(const QString &text, std::initializer_list<const char16_t *> arten)
{
    Knoten g = Gruppe(text);
    for (const char16_t *a : arten) {
        const QString art = QString::fromUtf16(a);
        if (art == u"Lagerhaus")
            g.Kinder.push_back(Gebaeudeart(art, QStringLiteral("Lager"), 9));
        else
            g.Kinder.push_back(Gebaeudeart(art, art, 5));
    }
    return g;
}

} // namespace

std::vector<TKatalogKnoten> KatalogbaumAnlegen(const TKatalog &k)
{
    std::vector<Knoten> baum;

    Knoten handwerk = Gruppe(QStringLiteral("Handwerksmaterial"));
    for (auto [text, von, bis] :
         {std::tuple{"Stufe 0", 46, 56}, {"Stufe 10", 57, 68}, {"Stufe 20", 69, 74}}) {
        handwerk.Kinder.push_back(Gruppe(QLatin1String(text)));
        Zeilen(handwerk.Kinder.back(), k.RohstoffTabelle, von, bis);
    }
    baum.push_back(std::move(handwerk));

    Knoten jagd = Gruppe(QStringLiteral("Jagdbeute"));
    for (auto [text, von] : {std::pair{u"Stoff", 16}, {u"Pelz", 21}, {u"Staub", 26}}) {
        jagd.Kinder.push_back(Gruppe(QString::fromUtf16(text)));
        Zeilen(jagd.Kinder.back(), k.RohstoffTabelle, von, von + 4);
    }
    jagd.Kinder.push_back(Gruppe(
        QStringLiteral("Edelstein"),
        {Namen(QStringLiteral("Steine der Weisheit"), {u"Pyrit", u"Jaspis", u"Perlmutt", u"Jade", u"Onyx"}),
         Namen(QStringLiteral("Steine der Gewandtheit"),
               {u"Achat", u"Topas", u"Saphir", u"Lapis", u"Diamant"}),
         Namen(QStringLiteral("Steine der Kraft"),
               {u"Kristall", u"Quarz", u"Smaragd", u"Rubin", u"Obsidian"})}));
    baum.push_back(std::move(jagd));

    Knoten foerderung = Gruppe(QStringLiteral("Förderung"));
    for (auto [text, von] : {std::pair{u"Holz", 1}, {u"Stein", 6}, {u"Erz", 11}}) {
        foerderung.Kinder.push_back(Gruppe(QString::fromUtf16(text)));
        Zeilen(foerderung.Kinder.back(), k.RohstoffTabelle, von, von + 4);
    }
    baum.push_back(std::move(foerderung));

    Knoten verarbeitung = Gruppe(QStringLiteral("Verarbeitung"));
    for (auto [text, von] :
         {std::pair{u"Bretter", 1}, {u"Ziegel", 6}, {u"Barren", 11}, {u"Tücher", 16}, {u"Leder", 21}}) {
        verarbeitung.Kinder.push_back(Gruppe(QString::fromUtf16(text)));
        Zeilen(verarbeitung.Kinder.back(), k.ZutatTabelle, von, von + 4);
    }
    baum.push_back(std::move(verarbeitung));

    Knoten produktion = Gruppe(QStringLiteral("Produktion"));
    Knoten bauteile = Gruppe(QStringLiteral("Bauteile"));
    Stufen(bauteile, k,
           {u"Kalk & Buche", u"Sand & Birke", u"Schiefer & Eiche", u"Granit & Esche", u"Marmor & Eibe"},
           {4, 4, 4, 4, 4}, 1);
    produktion.Kinder.push_back(std::move(bauteile));
    produktion.Kinder.push_back(Waffen(QStringLiteral("Schwerter"), k, {2, 4, 4, 4, 4}, 21, 340, 348));
    produktion.Kinder.push_back(Waffen(QStringLiteral("Dolche"), k, {2, 2, 2, 2, 2}, 39, 349, 353));
    produktion.Kinder.push_back(Waffen(QStringLiteral("Äxte"), k, {2, 4, 4, 4, 4}, 49, 354, 362));
    produktion.Kinder.push_back(Waffen(QStringLiteral("Keulen"), k, {2, 4, 4, 4, 4}, 67, 363, 371));
    produktion.Kinder.push_back(Waffen(QStringLiteral("Stangenwaffen"), k, {2, 2, 2, 2, 2}, 85, 372, 376));
    produktion.Kinder.push_back(Ruestungen(QStringLiteral("Leichte Rüstungen (Stoff)"), k,
                                           {u"Leinen", u"Wolle", u"Baumwolle", u"Seide", u"Äther"}, 215, 10,
                                           {u"Pyrit", u"Jaspis", u"Perlmutt", u"Jade", u"Onyx"}, 437, 5));
    produktion.Kinder.push_back(
        Ruestungen(QStringLiteral("Leichte Rüstungen (Leder)"), k,
                   {u"Weichleder", u"Leder", u"Hartleder", u"Riesenleder", u"Drachenleder"}, 95, 12,
                   {u"Achat", u"Topas", u"Saphir", u"Lapis", u"Diamant"}, 377, 6));
    // Metal armour lists the pieces of one kind together, each shield after its kind.
    produktion.Kinder.push_back(Ruestungen(QStringLiteral("Schwere Rüstungen (Metall)"), k, Metalle, 155, 12,
                                           {u"Kristall", u"Quarz", u"Smaragd", u"Rubin", u"Obsidian"}, 407, 6,
                                           {0, 1, 3, 4, 5, 2, 6, 7, 9, 10, 11, 8}, {0, 1, 3, 4, 5, 2}));
    produktion.Kinder.push_back(Ruestungen(QStringLiteral("Magiestäbe"), k, Hoelzer, 265, 8,
                                           {u"Pyrit", u"Jaspis", u"Perlmutt", u"Jade", u"Onyx"}, 462, 4));
    produktion.Kinder.push_back(Bereich(QStringLiteral("Essenzen"), k, 335, 339));
    produktion.Kinder.push_back(Bereich(QStringLiteral("Bandagen"), k, 492, 496));
    Knoten boegen = Gruppe(QStringLiteral("Bögen & Pfeile"));
    Stufen(boegen, k, Hoelzer, {3, 3, 3, 3, 3}, 305);
    boegen.Kinder.push_back(Bereich(Stufentext(6, QStringLiteral("Edelstein")), k, 482, 486));
    produktion.Kinder.push_back(std::move(boegen));
    Knoten armbrueste = Gruppe(QStringLiteral("Armbrüste & Bolzen"));
    Stufen(armbrueste, k, Hoelzer, {3, 3, 3, 3, 3}, 320);
    armbrueste.Kinder.push_back(Bereich(Stufentext(6, QStringLiteral("Edelstein")), k, 487, 491));
    produktion.Kinder.push_back(std::move(armbrueste));
    baum.push_back(std::move(produktion));

    baum.push_back(
        Gruppe(QStringLiteral("Gebäude"),
               {Gebaeudegruppe(QStringLiteral("Förderung"), {u"Forstanlage", u"Steinbruch", u"Bergwerk"}),
                Gebaeudegruppe(QStringLiteral("Verarbeitung"),
                               {u"Sägewerk", u"Ziegelei", u"Schmelze", u"Gerberei", u"Weberei"}),
                Gebaeudegruppe(QStringLiteral("Produktion"), {u"Schmiede", u"Sattlerei", u"Werkstatt",
                                                              u"Schneiderei", u"Laboratorium", u"Bauhof"}),
                Gebaeudegruppe(QStringLiteral("Kultur & Wirtschaft"),
                               {u"Wachhaus", u"Taverne", u"Akademie", u"Auktionshaus", u"Marktplatz",
                                u"Tempel", u"Stadtmauern", u"Wachturm", u"Lagerhaus", u"Baumeister"})}));
    return baum;
}

} // namespace mvt
