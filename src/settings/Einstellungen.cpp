#include "settings/Einstellungen.h"

#include "base/Zahlen.h"
#include "crafting/Katalogbaum.h"
#include "online/Versionspruefung.h"

#include <QRegularExpression>

#include <algorithm>

namespace mvt {

const std::array<const char16_t *, AnzahlWirkungen> WirkungsNamen = {
    u"Schwerter",
    u"Dolche",
    u"Äxte",
    u"Keulen",
    u"Stangenwaffen",
    u"Bögen",
    u"Armbrüste",
    u"Leichte Rüstungen",
    u"Schwere Rüstungen",
    u"Feuermagie",
    u"Wassermagie",
    u"Erdmagie",
    u"Luftmagie",
    u"Bandagieren",
    u"Diebstahl",
    u"Sabotage",
    u"Schattenkunde",
    u"Spurenlesen",
    u"Erkunden",
    u"Feilschen",
    u"Holzverarbeitung",
    u"Steinverarbeitung",
    u"Erzverarbeitung",
    u"Stoff- & Lederverarbeitung",
    u"Konstruktion",
    u"Schmieden (Schwerter)",
    u"Schmieden (Dolche)",
    u"Schmieden (Äxte)",
    u"Schmieden (Keulen)",
    u"Schmieden (Stangenwaffen)",
    u"Schmieden (Leichte Rüstungen)",
    u"Schmieden (Schwere Rüstungen)",
    u"Schmieden (Magiestäbe)",
    u"Bognern (Bögen)",
    u"Bognern (Armbrüste)",
    u"Schneidern (Leichte Rüstungen)",
    u"Alchemie",
    u"Wachdienst",
};

QString WirkungPruefen(const QString &text, const TOptionen &o)
{
    const std::optional<double> zahl = KommazahlLesen(text);
    double w = zahl ? *zahl : 1.0;
    if (w < o.MinWirkung) {
        w = o.MinWirkung;
    } else if (w > o.MaxWirkung) {
        w /= 100.0; // typed as a percentage
        w = std::clamp(w, o.MinWirkung, o.MaxWirkung);
    }
    return FestMitKomma(w, 2);
}

TWirkungsimport WirkungenImportieren(const QString &zwischenablage)
{
    TWirkungsimport e;
    const QStringList zeilen = zwischenablage.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    qsizetype beginn = 0;
    if (const qsizetype kopf = zeilen.indexOf(QStringLiteral("Fähigkeiten")); kopf >= 0)
        beginn = kopf + 2;
    for (qsizetype z = beginn; z < zeilen.size(); ++z) {
        QString zeile = zeilen[z];
        zeile.replace(u'.', u',').replace(u' ', u'_');
        const QStringList felder = zeile.split(u'\t');
        if (felder.size() < 5)
            continue;
        const std::optional<double> wert = KommazahlLesen(felder[4]);
        if (!wert || !(*wert > 0.0))
            continue;
        int treffer = -1;
        for (int i = 0; i < AnzahlWirkungen && treffer < 0; ++i)
            if (felder[0] == QString::fromUtf16(WirkungsNamen[static_cast<size_t>(i)]).replace(u' ', u'_'))
                treffer = i;
        if (treffer >= 0) {
            e.Werte[static_cast<size_t>(treffer)] = felder[4];
            ++e.Anzahl;
        } else if (felder[0] != QLatin1String("Handwerk")) {
            break;
        }
    }
    return e;
}

QString ImportErgebnistext(int anzahl)
{
    if (anzahl > 0)
        return QStringLiteral("Erfolgreich: ") + QString::number(anzahl) +
               QStringLiteral(" Werte übernommen!");
    return QStringLiteral("Fehlgeschlagen: nichts geändert!");
}

TPreiszeilenGut PreiszeileGut(int zeile)
{
    if (zeile < 1 || zeile > AnzahlPreiszeilen)
        return {};
    if (zeile <= AnzahlRohstoffe)
        return {ArtRohstoff, zeile};
    zeile -= AnzahlRohstoffe;
    if (zeile <= AnzahlZutatGueter)
        return {ArtZutat, zeile};
    zeile -= AnzahlZutatGueter;
    if (zeile <= AnzahlWaren)
        return {ArtWare, zeile};
    return {ArtGebaeude, zeile - AnzahlWaren};
}

int PreiszeileVon(uint8_t art, int32_t index)
{
    switch (art) {
    case ArtRohstoff:
        return index >= 1 && index <= AnzahlRohstoffe ? index : 0;
    case ArtZutat:
        return index >= 1 && index <= AnzahlZutatGueter ? AnzahlRohstoffe + index : 0;
    case ArtWare:
        return index >= 1 && index <= AnzahlWaren ? AnzahlRohstoffe + AnzahlZutatGueter + index : 0;
    case ArtGebaeude:
        return index >= 1 && index <= AnzahlGebaeude
                   ? AnzahlRohstoffe + AnzahlZutatGueter + AnzahlWaren + index
                   : 0;
    default:
        return 0;
    }
}

bool HatEinkauf(int zeile)
{
    return zeile >= 1 && zeile <= ZeilenMitEinkauf;
}

namespace {

TZeilenbereich R(int von, int bis)
{
    return {PreiszeileVon(ArtRohstoff, von), PreiszeileVon(ArtRohstoff, bis)};
}
TZeilenbereich W(int von, int bis)
{
    return {PreiszeileVon(ArtWare, von), PreiszeileVon(ArtWare, bis)};
}
TZeilenbereich G(int von, int bis)
{
    return {PreiszeileVon(ArtGebaeude, von), PreiszeileVon(ArtGebaeude, bis)};
}

std::vector<TZeilenbereich> AlleBereiche(const TPreisseite &s)
{
    std::vector<TZeilenbereich> b;
    for (const TPreisunterseite &u : s.Unterseiten)
        b.insert(b.end(), u.Bereiche.begin(), u.Bereiche.end());
    return b;
}

} // namespace

const std::vector<TPreisseite> &Preisseiten()
{
    static const std::vector<TPreisseite> seiten = [] {
        auto einfach = [](const char16_t *titel, bool einkauf, std::vector<TZeilenbereich> b) {
            return TPreisseite{QString::fromUtf16(titel), einkauf, {{QString(), std::move(b)}}};
        };
        auto unter = [](const char16_t *titel, std::vector<TZeilenbereich> b) {
            return TPreisunterseite{QString::fromUtf16(titel), std::move(b)};
        };
        return std::vector<TPreisseite>{
            einfach(u"Handwerksmaterial", true, {R(46, 74)}),
            einfach(u"Edelsteine", true, {R(31, 45)}),
            einfach(u"Jagdbeute", true, {R(16, 30)}),
            einfach(u"Förderung", true, {R(1, 15)}),
            einfach(u"Verarbeitung", true,
                    {{PreiszeileVon(ArtZutat, 1), PreiszeileVon(ArtZutat, AnzahlZutatGueter)}}),
            einfach(u"Bauteile", true, {W(1, 20)}),
            einfach(u"Schwerter", false, {W(21, 38), W(340, 348)}),
            einfach(u"Dolche", false, {W(39, 48), W(349, 353)}),
            einfach(u"Äxte", false, {W(49, 66), W(354, 362)}),
            einfach(u"Keulen", false, {W(67, 84), W(363, 371)}),
            einfach(u"Stangenwaffen", false, {W(85, 94), W(372, 376)}),
            TPreisseite{QStringLiteral("Leichte Rüstungen (Stoff)"),
                        false,
                        {unter(u"Leinen, Wolle, Baumwolle", {W(215, 244)}),
                         unter(u"Seide, Äther", {W(245, 264)}), unter(u"Edelstein", {W(437, 461)})}},
            TPreisseite{QStringLiteral("Leichte Rüstungen (Leder)"),
                        false,
                        {unter(u"Weichleder, Leder, Hartleder", {W(95, 130)}),
                         unter(u"Riesenleder, Drachenleder", {W(131, 154)}),
                         unter(u"Edelstein", {W(377, 406)})}},
            TPreisseite{QStringLiteral("Schwere Rüstungen (Metall)"),
                        false,
                        {unter(u"Kupfer, Eisen, Sorandil", {W(155, 190)}),
                         unter(u"Adamant, Mithril", {W(191, 214)}), unter(u"Edelstein", {W(407, 436)})}},
            TPreisseite{QStringLiteral("Magierstäbe"),
                        false,
                        {unter(u"Buche, Birke, Eiche", {W(265, 288)}), unter(u"Esche, Eibe", {W(289, 304)}),
                         unter(u"Edelstein", {W(462, 481)})}},
            einfach(u"Essenzen und Bandagen", false, {W(335, 339), W(492, 496)}),
            einfach(u"Bögen && Pfeile", false, {W(305, 319), W(482, 486)}),
            einfach(u"Armbrüste && Bolzen", false, {W(320, 334), W(487, 491)}),
            TPreisseite{QStringLiteral("Gebäude (virtuelle Ware)"),
                        false,
                        {unter(u"Förderung", {G(1, 15)}), unter(u"Verarbeitung", {G(16, 40)}),
                         unter(u"Produktion", {G(41, 70)}), unter(u"Kultur && Wirtschaft I", {G(71, 100)}),
                         unter(u"Kultur && Wirtschaft II", {G(101, 124)})}},
        };
    }();
    return seiten;
}

const std::array<TAlleBox, AnzahlAlleBoxen> &AlleBoxen()
{
    static const std::array<TAlleBox, AnzahlAlleBoxen> boxen = [] {
        std::array<TAlleBox, AnzahlAlleBoxen> b{};
        size_t n = 0;
        const auto &seiten = Preisseiten();
        for (size_t i = 0; i < seiten.size(); ++i) {
            const TPreisseite &s = seiten[i];
            const int seite = static_cast<int>(i);
            const std::vector<TZeilenbereich> alle = AlleBereiche(s);
            if (s.Titel == QLatin1String("Essenzen und Bandagen")) {
                // one sale box for each of the two groups
                b[n++] = {seite, false, true, {alle[0]}};
                b[n++] = {seite, false, true, {alle[1]}};
                continue;
            }
            b[n++] = {seite, false, true, alle};
            // Pages without sub-pages carry a purchase box; it is hidden where the goods
            // have no purchase price.
            if (s.Unterseiten.size() == 1)
                b[n++] = {seite, true, s.Einkauf, s.Einkauf ? alle : std::vector<TZeilenbereich>{}};
        }
        return b;
    }();
    return boxen;
}

namespace {
// Material tiers are five levels wide: 0-4, 5-9, 10-14, 15-19, 20 and above.
int Materialstufe(int32_t stufe)
{
    return stufe < 0 ? -1 : stufe / 5;
}
} // namespace

std::vector<int> Baumgruppen(const TKatalog &k)
{
    std::vector<int> gruppen(static_cast<size_t>(PreiszeileVon(ArtGebaeude, AnzahlGebaeude) + 1), -1);
    int naechste = 0;
    const auto gehen = [&](const auto &selbst, const TKatalogKnoten &knoten) -> void {
        const int id = naechste++;
        for (const TKatalogKnoten &kind : knoten.Kinder) {
            if (!kind.Kinder.empty()) {
                selbst(selbst, kind);
                continue;
            }
            const TItemRef r = ItemSuchen(k, kind.Text);
            const uint8_t art = r.Tabellencode == TabelleGebaeude ? uint8_t(ArtGebaeude) : r.Tabellencode;
            const int zeile = PreiszeileVon(art, r.Index);
            if (zeile > 0 && static_cast<size_t>(zeile) < gruppen.size())
                gruppen[static_cast<size_t>(zeile)] = id;
        }
    };
    for (const TKatalogKnoten &wurzel : KatalogbaumAnlegen(k))
        gehen(gehen, wurzel);
    return gruppen;
}

bool NeueStufengruppe(const TKatalog &k, int vorige, int zeile)
{
    return NeueStufengruppe(k, Baumgruppen(k), vorige, zeile);
}

bool NeueStufengruppe(const TKatalog &k, const std::vector<int> &gruppen, int vorige, int zeile)
{
    if (vorige <= 0)
        return false;
    if (zeile != vorige + 1)
        return true; // the second range of a page
    const TPreiszeilenGut a = PreiszeileGut(vorige), b = PreiszeileGut(zeile);
    if (a.Art != b.Art)
        return true;
    switch (b.Art) {
    case ArtRohstoff: {
        const TRohstoff *ra = Rohstoff(k, a.Index), *rb = Rohstoff(k, b.Index);
        if (ra->Kategorie != rb->Kategorie)
            return true;
        // Wood, stone, ore, cloth, pelts and dust run each through all five tiers: one
        // material with its tiers is the group. Gems and crafting materials go by tier
        // (the tree groups gems by kind, which their table order interleaves).
        return rb->Kategorie > 6 && Materialstufe(ra->Stufe) != Materialstufe(rb->Stufe);
    }
    case ArtZutat: // boards, bricks, bars, cloth, leather: each through all tiers
        return Zutat(k, a.Index)->Kategorie != Zutat(k, b.Index)->Kategorie;
    case ArtWare:
    case ArtGebaeude: { // a kit's material tier and a building's kind are the tree's groups
        const auto gruppe = [&gruppen](int z) {
            return z >= 0 && static_cast<size_t>(z) < gruppen.size() ? gruppen[static_cast<size_t>(z)] : -1;
        };
        return gruppe(vorige) != gruppe(zeile);
    }
    default:
        return false;
    }
}

namespace {

QString NameDerZeile(const TKatalog &k, int zeile)
{
    const TPreiszeilenGut g = PreiszeileGut(zeile);
    switch (g.Art) {
    case ArtRohstoff:
        return Rohstoff(k, g.Index)->Name;
    case ArtZutat:
        return Zutat(k, g.Index)->Name;
    case ArtWare:
        return Ware(k, g.Index)->Name;
    case ArtGebaeude:
        return Gebaeude(k, g.Index)->Name;
    default:
        return FehlerName;
    }
}

bool AlteWelt(uint8_t welt)
{
    return welt == 1 || welt == 2;
}

} // namespace

QString VerkaufstextZeile(const TKatalog &, const TPreise &c, int zeile)
{
    const TPreiszeilenGut g = PreiszeileGut(zeile);
    const TPreispaar *p = Preise(c, g.Art, g.Index);
    return p ? GoldFormatieren(p->Verkaufspreis) : QString();
}

QString EinkaufstextZeile(const TKatalog &, const TPreise &c, int zeile)
{
    const TPreiszeilenGut g = PreiszeileGut(zeile);
    const TPreispaar *p = HatEinkauf(zeile) ? Preise(c, g.Art, g.Index) : nullptr;
    return p ? GoldFormatieren(p->Einkaufspreis) : QString();
}

TEinstellungsWerte EinstellungenLesen(const TEinstellungsDaten &d)
{
    const TOptionen &o = d.Optionen;
    TEinstellungsWerte w;
    for (int i = 0; i < AnzahlWirkungen; ++i)
        w.Wirkung[static_cast<size_t>(i)] = FestMitKomma(o.Wirkung[static_cast<size_t>(i)], 2);
    w.BSRAlteWelt = AlteWelt(o.BSRWorld);
    w.BSRWirkungBerechnen = o.CalcPotency;
    w.CPAlteWelt = AlteWelt(o.CPWorld);
    w.CPWirkungBerechnen = o.CPCalcPotency;
    w.TreeViewAutoExpand = o.TreeViewAutoExpand;
    w.SaveUserAngaben = o.SaveParameters;
    w.ShowHints = o.ShowHints;
    w.StadtAutoUpdate = o.TownAutoUpdate;
    w.AuftragsOptimierung = o.DirectionalOptimization;
    w.AutoUpdate = d.NextVersionCheck != VersionspruefungAus;
    w.Uebertragungsintervall = o.TransmissionInterval;
    w.SZone = o.SZone;
    w.BZone = o.BZone;
    w.SZoneHS = o.SZoneHS;
    w.BZoneHS = o.BZoneHS;
    for (int z = 1; z <= AnzahlPreiszeilen; ++z) {
        w.Verkauf[static_cast<size_t>(z)] = VerkaufstextZeile(d.Katalog, d.Preise, z);
        w.Einkauf[static_cast<size_t>(z)] = EinkaufstextZeile(d.Katalog, d.Preise, z);
    }
    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g) {
        const TVorhandeneHandwerksgebaeude &h = d.Preise.Handwerksgebaeude[static_cast<size_t>(g)];
        w.Stufenposition[static_cast<size_t>(g)] = std::clamp(h.Stufe - 1, 0, 4);
        w.Schichtkosten[static_cast<size_t>(g)] = h.Schichtkosten;
    }
    return w;
}

void EinstellungenUebernehmen(const TEinstellungsDaten &d, const TEinstellungsWerte &w, double jetzt)
{
    TOptionen &o = d.Optionen;
    // The plain options.
    o.TreeViewAutoExpand = w.TreeViewAutoExpand;
    o.SaveParameters = w.SaveUserAngaben;
    o.ShowHints = w.ShowHints;
    o.CalcPotency = w.BSRWirkungBerechnen;
    o.TransmissionInterval = w.Uebertragungsintervall;
    o.TownAutoUpdate = w.StadtAutoUpdate;
    o.SZone = w.SZone;
    o.BZone = w.BZone;
    o.SZoneHS = w.SZoneHS;
    o.BZoneHS = w.BZoneHS;
    o.DirectionalOptimization = w.AuftragsOptimierung;
    // Crafting world, planner world (the session applies the recipe rules).
    o.BSRWorld = w.BSRAlteWelt ? 1 : 3;
    o.CPWorld = w.CPAlteWelt ? 1 : 3;
    o.CPCalcPotency = w.CPWirkungBerechnen;
    // Automatic version checks.
    d.NextVersionCheck = online::NachEinstellungsSchalter(w.AutoUpdate, d.NextVersionCheck, jetzt);
    // Potencies; a value imported but not yet left is kept in bounds as leaving would.
    for (int i = 0; i < AnzahlWirkungen; ++i)
        o.Wirkung[static_cast<size_t>(i)] =
            KommazahlLesen(WirkungPruefen(w.Wirkung[static_cast<size_t>(i)], o)).value_or(1.0);
    // Prices by the rows' names.
    for (int z = 1; z <= AnzahlPreiszeilen; ++z) {
        const QString name = NameDerZeile(d.Katalog, z);
        VerkaufspreisSetzen(d.Katalog, d.Preise, name, w.Verkauf[static_cast<size_t>(z)]);
        if (HatEinkauf(z))
            EinkaufspreisSetzen(d.Katalog, d.Preise, name, w.Einkauf[static_cast<size_t>(z)]);
    }
    // Production buildings.
    for (int g = 1; g <= AnzahlHandwerksgebaeude; ++g) {
        TVorhandeneHandwerksgebaeude &h = d.Preise.Handwerksgebaeude[static_cast<size_t>(g)];
        h.Stufe = std::clamp(w.Stufenposition[static_cast<size_t>(g)], 0, 4) + 1;
        h.Schichtkosten = w.Schichtkosten[static_cast<size_t>(g)];
    }
}

void HandwerksparameterZuruecksetzen(const TEinstellungsDaten &d)
{
    PreiseZuruecksetzen(d.Katalog, d.Preise);
    d.Erinnert = TErinnerteWerte{};
}

} // namespace mvt
