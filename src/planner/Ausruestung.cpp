#include "planner/Ausruestung.h"

#include "base/Zahlen.h"

#include <QStringList>

namespace mvt::planer {

namespace {

const char16_t *const SlotNamen[AnzahlSlots] = {u"Helm",       u"Panzer",     u"Hose",       u"Stiefel",
                                                u"Handschuhe", u"Hauptwaffe", u"Nebenwaffe", u"Fernkampf",
                                                u"Munition",   u"Zauber"};

QStringList Mit(const QStringList &vorne, const char16_t *const *hinten, int n, const QString &muster)
{
    QStringList l = vorne;
    for (int i = 0; i < n; ++i)
        l << muster.arg(QString::fromUtf16(hinten[i]));
    return l;
}

const char16_t *const Stoffe[] = {u"Leinen", u"Woll", u"Baumwoll", u"Seiden", u"Äther"};
const char16_t *const Leder[] = {u"Weichleder", u"Leder", u"Hartleder", u"Riesenleder", u"Drachenleder"};
const char16_t *const Metalle[] = {u"Kupfer", u"Eisen", u"Sorandil", u"Adamant", u"Mithril"};
const char16_t *const SteineStoff[] = {u"Pyrit", u"Jaspis", u"Perlmutt", u"Jade", u"Onyx"};
const char16_t *const SteineLeder[] = {u"Achat", u"Topas", u"Saphir", u"Lapis", u"Diamant"};
const char16_t *const SteineMetall[] = {u"Kristall", u"Quarz", u"Smaragd", u"Rubin", u"Obsidian"};

// Two pieces per material, an own entry, one gem variant per gem.
QStringList Paare(const QStringList &vorne, const char16_t *const *material, const QString &a,
                  const QString &b, const QString &eigen, const char16_t *const *steine, const QString &stein)
{
    QStringList l = vorne;
    for (int i = 0; i < 5; ++i) {
        const QString m = QString::fromUtf16(material[i]);
        l << m + u'-' + a << m + u'-' + b;
    }
    l << eigen;
    for (int i = 0; i < 5; ++i)
        l << QString::fromUtf16(steine[i]) + u'-' + stein;
    return l;
}

std::vector<TMenueGruppe> Ruestungsmenue(const QString &stoffA, const QString &stoffB,
                                         const QString &eigenLeicht, const QString &stoffStein,
                                         const QString &trainingLeicht, const QString &lederA,
                                         const QString &lederB, const QString &lederStein,
                                         const QString &trainingSchwer, const QString &metallA,
                                         const QString &metallB, const QString &eigenSchwer,
                                         const QString &metallStein)
{
    QStringList leicht, schwer;
    if (!trainingLeicht.isEmpty())
        leicht << trainingLeicht;
    if (!trainingSchwer.isEmpty())
        schwer << trainingSchwer;
    return {
        {QStringLiteral("Stoff"), Paare({}, Stoffe, stoffA, stoffB, eigenLeicht, SteineStoff, stoffStein)},
        {QStringLiteral("Leder"), Paare(leicht, Leder, lederA, lederB, eigenLeicht, SteineLeder, lederStein)},
        {QStringLiteral("Metall"),
         Paare(schwer, Metalle, metallA, metallB, eigenSchwer, SteineMetall, metallStein)},
    };
}

QStringList Liste(std::initializer_list<const char16_t *> l)
{
    QStringList r;
    for (const char16_t *s : l)
        r << QString::fromUtf16(s);
    return r;
}

std::vector<TMenueGruppe> WaffenGruppen(bool nebenhand)
{
    const TMenueGruppe schwerter{
        QStringLiteral("Schwerter [1H]"),
        Liste({u"Schwert (Training)", u"Kurzschwert", u"Schwert", u"Breitschwert", u"Säbel", u"Krummsäbel",
               u"Langschwert", u"Krummschwert", u"Gladius", u"Schimmerklinge", u"Lilienklinge",
               u"*eigenes Schwert*", u"Kristall-Schwert", u"Quarz-Schwert", u"Smaragd-Schwert",
               u"Rubin-Schwert", u"Obsidian-Schwert"})};
    const TMenueGruppe schwerter2{
        QStringLiteral("Schwerter [2H]"),
        Liste({u"Bastardschwert [2H]", u"Bidenhänder [2H]", u"Schottenschwert [2H]", u"Flamberge [2H]",
               u"Prunkschwert [2H]", u"Elbenbann [2H]", u"Mondklinge [2H]", u"Engelsklinge [2H]",
               u"*eigenes Schwert [2H]*", u"Quarz-Prunkschwert [2H]", u"Smaragd-Prunkschwert [2H]",
               u"Rubin-Prunkschwert [2H]", u"Obsidian-Prunkschwert [2H]"})};
    const TMenueGruppe dolche{QStringLiteral("Dolche"),
                              Liste({u"Dolch (Training)", u"Messer", u"Dolch", u"Stilett", u"Ochsenzunge",
                                     u"Entermesser", u"Stoßdolch", u"Schlangendolch", u"Assassinenklinge",
                                     u"Spitzdolch", u"Nebeldolch", u"*eigener Dolch*", u"Kristall-Dolch",
                                     u"Quarz-Dolch", u"Smaragd-Dolch", u"Rubin-Dolch", u"Obsidian-Dolch"})};
    const TMenueGruppe aexte{
        QStringLiteral("Äxte [1H]"),
        Liste({u"Axt (Training)", u"Axt", u"Streitaxt", u"Holzfälleraxt", u"Breitaxt", u"Barbarenaxt",
               u"Militärpicke", u"Zwillingsaxt", u"Kriegsbeil", u"Tomahawk", u"Franziska", u"*eigene Axt*",
               u"Kristall-Axt", u"Quarz-Axt", u"Smaragd-Axt", u"Rubin-Axt", u"Obsidian-Axt"})};
    const TMenueGruppe aexte2{
        QStringLiteral("Äxte [2H]"),
        Liste({u"Bidenaxt [2H]", u"Felsenspalter [2H]", u"Prunkaxt [2H]", u"Heldenaxt [2H]",
               u"Sonnensichel [2H]", u"Kampfschnitter [2H]", u"Berserkeraxt [2H]", u"Tyrannenaxt [2H]",
               u"*eigene Axt [2H]*", u"Quarz-Prunkaxt [2H]", u"Smaragd-Prunkaxt [2H]", u"Rubin-Prunkaxt [2H]",
               u"Obsidian-Prunkaxt [2H]"})};
    const TMenueGruppe keulen{
        QStringLiteral("Keulen [1H]"),
        Liste({u"Keule (Training)", u"Knüppel", u"Hammer", u"Streitkolben", u"Flegel", u"Morgenstern",
               u"Kriegskolben", u"Ogerherde", u"Kriegsknüppel", u"Kriegszepter", u"Zackenstern",
               u"*eigene Keule*", u"Kristall-Hammer", u"Quarz-Hammer", u"Smaragd-Hammer", u"Rubin-Hammer",
               u"Obsidian-Hammer"})};
    const TMenueGruppe keulen2{
        QStringLiteral("Keulen [2H]"),
        Liste({u"Vorschlaghammer [2H]", u"Eisenkeule [2H]", u"Stachelkeule [2H]", u"Kriegshammer [2H]",
               u"Knochenbrecher [2H]", u"Kriegskeule [2H]", u"Stabzepter [2H]", u"Donnerhammer [2H]",
               u"*eigene Keule [2H]*", u"Quarz-Kriegshammer [2H]", u"Smaragd-Kriegshammer [2H]",
               u"Rubin-Kriegshammer [2H]", u"Obsidian-Kriegshammer [2H]"})};
    const TMenueGruppe stangen{
        QStringLiteral("Stangenwaffen [2H]"),
        Liste({u"Speer (Training) [2H]", u"Speer [2H]", u"Bauernsense [2H]", u"Jagdspeer [2H]", u"Sense [2H]",
               u"Pike [2H]", u"Lanze [2H]", u"Dreizack [2H]", u"Hellebarde [2H]", u"Drescher [2H]",
               u"Kriegspike [2H]", u"*eigene Stangenwaffe [2H]*", u"Kristall-Pike [2H]", u"Quarz-Pike [2H]",
               u"Smaragd-Pike [2H]", u"Rubin-Pike [2H]", u"Obsidian-Pike [2H]"})};
    if (!nebenhand)
        return {schwerter, schwerter2, dolche, aexte, aexte2, keulen, keulen2, stangen};
    const TMenueGruppe leicht{
        QStringLiteral("Leichte Schilde"),
        Liste({u"Leichter Schild (Training)", u"Lederschild", u"Rundschild", u"Tartsche", u"Zirkelschild",
               u"Stachelschild", u"Beschützer", u"Dornenschild", u"Nietenschild", u"Verteidiger",
               u"Nebelschild", u"*eigener Leichter Schild*", u"Achat-Rundschild", u"Topas-Rundschild",
               u"Saphir-Rundschild", u"Lapis-Rundschild", u"Diamant-Rundschild"})};
    const TMenueGruppe schwer{
        QStringLiteral("Schwere Schilde"),
        Liste({u"Schwerer Schild (Training)", u"Eckschild", u"Kampfschild", u"Drachenschild", u"Gothika",
               u"Pavese", u"Prunkschild", u"Wappenschild", u"Turmschild", u"Wall", u"Monarchenschild",
               u"*eigener Schwerer Schild*", u"Kristall-Prunkschild", u"Quarz-Prunkschild",
               u"Smaragd-Prunkschild", u"Rubin-Prunkschild", u"Obsidian-Prunkschild"})};
    return {schwerter, dolche, aexte, keulen, leicht, schwer};
}

TMenueGruppe Stabgruppe(const QString &titel, const QString &element, const QString &training,
                        const QString &eigen, const QString &stein)
{
    static const char16_t *const formen[] = {u"Stecken",    u"Krummstab",  u"Langholz",   u"Runenstab",
                                             u"Lichtstab",  u"Rute",       u"Spiralstab", u"Eschenstab",
                                             u"Eibenlanze", u"Wächterstab"};
    QStringList l{training};
    for (const char16_t *f : formen)
        l << element + u'-' + QString::fromUtf16(f);
    l << eigen;
    for (const char16_t *s : SteineStoff)
        l << QString::fromUtf16(s) + u'-' + stein;
    return {titel, l};
}

std::vector<std::vector<TMenueGruppe>> MenuesAufbauen()
{
    std::vector<std::vector<TMenueGruppe>> m(AnzahlMenues);
    const QString eLH = QStringLiteral("*eigener Leichter Helm*"),
                  eSH = QStringLiteral("*eigener Schwerer Helm*");
    m[MenueHelm] = Ruestungsmenue(
        QStringLiteral("Haube"), QStringLiteral("Spitzhut"), eLH, QStringLiteral("Haube"),
        QStringLiteral("Leichte Haube (Training)"), QStringLiteral("Haube"), QStringLiteral("Helm"),
        QStringLiteral("Lederhelm"), QStringLiteral("Schwere Haube (Training)"),
        QStringLiteral("Kettenhaube"), QStringLiteral("Plattenhelm"), eSH, QStringLiteral("Plattenhelm"));
    m[MenuePanzer] = Ruestungsmenue(
        QStringLiteral("Robe"), QStringLiteral("Tunika"), QStringLiteral("*eigene Leichte Rüstung*"),
        QStringLiteral("Robe"), QStringLiteral("Leichte Weste (Training)"), QStringLiteral("Wappenrock"),
        QStringLiteral("Harnisch"), QStringLiteral("Lederharnisch"),
        QStringLiteral("Schwere Weste (Training)"), QStringLiteral("Kettenhemd"),
        QStringLiteral("Plattenpanzer"), QStringLiteral("*eigene Schwere Rüstung*"),
        QStringLiteral("Plattenpanzer"));
    m[MenueHose] =
        Ruestungsmenue(QStringLiteral("Hose"), QStringLiteral("Beinlinge"),
                       QStringLiteral("*eigene Leichte Hose*"), QStringLiteral("Hose"), QString(),
                       QStringLiteral("Hose"), QStringLiteral("Beinlinge"), QStringLiteral("Lederbeinlinge"),
                       QString(), QStringLiteral("Kettenbeinlinge"), QStringLiteral("Plattenbeinlinge"),
                       QStringLiteral("*eigene Schwere Hose*"), QStringLiteral("Plattenbeinlinge"));
    m[MenueStiefel] =
        Ruestungsmenue(QStringLiteral("Schuhe"), QStringLiteral("Stiefel"),
                       QStringLiteral("*eigene Leichte Stiefel*"), QStringLiteral("Schuhe"), QString(),
                       QStringLiteral("Schuhe"), QStringLiteral("Stiefel"), QStringLiteral("Lederstiefel"),
                       QString(), QStringLiteral("Kettenstiefel"), QStringLiteral("Plattenstiefel"),
                       QStringLiteral("*eigene Schwere Stiefel*"), QStringLiteral("Plattenstiefel"));
    m[MenueHandschuhe] = Ruestungsmenue(
        QStringLiteral("Handschuhe"), QStringLiteral("Stulpen"),
        QStringLiteral("*eigene Leichte Handschuhe*"), QStringLiteral("Handschuhe"), QString(),
        QStringLiteral("Handschuhe"), QStringLiteral("Stulpen"), QStringLiteral("Lederstulpen"), QString(),
        QStringLiteral("Kettenhandschuhe"), QStringLiteral("Plattenhandschuhe"),
        QStringLiteral("*eigene Schwere Handschuhe*"), QStringLiteral("Plattenhandschuhe"));
    m[MenueHauptwaffe] = WaffenGruppen(false);
    m[MenueNebenwaffe] = WaffenGruppen(true);

    const char16_t *const boegen[] = {u"Kurzbogen",    u"Jagdbogen",   u"Kompositbogen", u"Langbogen",
                                      u"Spinnenbogen", u"Kriegsbogen", u"Zedernbogen",   u"Runenbogen",
                                      u"Klingenbogen", u"Prunkbogen"};
    const char16_t *const armbrueste[] = {
        u"Handarmbrust",     u"Armbrust",       u"Arbaleste",           u"Ballista",
        u"Repetierarmbrust", u"Hornarmbrust",   u"Belagerungsarmbrust", u"Kolossusarmbrust",
        u"Kriegsarmbrust",   u"Dämonenarmbrust"};
    QStringList b{QStringLiteral("Bogen (Training)")};
    for (const char16_t *s : boegen)
        b << QString::fromUtf16(s);
    b << QStringLiteral("*eigener Bogen*");
    b = Mit(b, SteineLeder, 5, QStringLiteral("%1-Bogen"));
    QStringList a{QStringLiteral("Armbrust (Training)")};
    for (const char16_t *s : armbrueste)
        a << QString::fromUtf16(s);
    a << QStringLiteral("*eigene Armbrust*");
    a = Mit(a, SteineLeder, 5, QStringLiteral("%1-Armbrust"));
    m[MenueFernkampf] = {
        {QStringLiteral("Bögen"), b},
        {QStringLiteral("Armbrüste"), a},
        Stabgruppe(QStringLiteral("Feuerstäbe"), QStringLiteral("Feuer"),
                   QStringLiteral("Feuerstab (Training)"), QStringLiteral("*eigener Feuerstab*"),
                   QStringLiteral("Feuerstab")),
        Stabgruppe(QStringLiteral("Wasserstäbe"), QStringLiteral("Wasser"),
                   QStringLiteral("Wasserstab (Training)"), QStringLiteral("*eigener Wasserstab*"),
                   QStringLiteral("Wasserstab")),
        Stabgruppe(QStringLiteral("Erdstäbe"), QStringLiteral("Erde"), QStringLiteral("Erdestab (Training)"),
                   QStringLiteral("*eigener Erdstab*"), QStringLiteral("Erdestab")),
        Stabgruppe(QStringLiteral("Luftstäbe"), QStringLiteral("Luft"), QStringLiteral("Luftstab (Training)"),
                   QStringLiteral("*eigener Luftstab*"), QStringLiteral("Luftstab")),
    };
    m[MenuePfeile] = {{QString(), Liste({u"Pfeile (Training)", u"Pfeile", u"Jagdpfeile", u"Kriegspfeile",
                                         u"Götterstich", u"Panzerbrecher", u"*eigene Pfeile*"})}};
    m[MenueBolzen] = {{QString(), Liste({u"Bolzen (Training)", u"Bolzen", u"Jagdbolzen", u"Kriegsbolzen",
                                         u"Dämonendorn", u"Steinbrecher", u"*eigene Bolzen*"})}};
    m[MenueEssenzen] = {
        {QString(), Liste({u"Essenzen (Training)", u"Magieessenz", u"Todesessenz", u"Schattenessenz",
                           u"Mondessenz", u"Sternenessenz", u"*eigene Essenz*"})}};
    m[MenueZauber] = {
        {QStringLiteral("Feuermagie"), Liste({u"Feuerpfeil",
                                              u"Fackelstoß",
                                              u"Feuerlanze",
                                              u"Feuerball",
                                              u"Flammenpeitsche",
                                              u"Flammdolch",
                                              u"Magmadorn",
                                              u"Glühendes Schwert",
                                              u"Großer Feuerball",
                                              u"Flammenzunge",
                                              u"Hitzeblitz",
                                              u"Flammenschlag",
                                              u"Lavastrahl",
                                              u"Flammenhammer",
                                              u"*eigener Feuerzauber*",
                                              u"Hitzekegel",
                                              u"Brennende Haut",
                                              u"Feuerwand",
                                              u"Inferno",
                                              u"Lichterloh",
                                              u"Fegefeuer",
                                              u"*eigener Feuer-DOT*"})},
        {QStringLiteral("Wassermagie"),
         Liste({u"Unterkühlung",      u"Kältefeld",          u"Frostgriff",   u"Eisblitz",
                u"Frostklinge",       u"Nadelregen",         u"Wasserstrahl", u"Eisspieß",
                u"Hagelschlag",       u"Kälteschock",        u"Eislanze",     u"Wasserkeule",
                u"Säureregen",        u"Flüssiger Dreizack", u"Frostschock",  u"*eigener Wasserzauber*",
                u"Eisboden",          u"Kleiner Fluch",      u"Ranken",       u"Fluch",
                u"Peitschender Regen"})},
        {QStringLiteral("Erdmagie"), Liste({u"Steinfaust",
                                            u"Dornenflug",
                                            u"Kieselschlag",
                                            u"Felsenschlag",
                                            u"Granithammer",
                                            u"Magmaschlag",
                                            u"*eigener Erdzauber*",
                                            u"Heilung I",
                                            u"Heilung II",
                                            u"Heilung III",
                                            u"Gruppen-Heilung I",
                                            u"Gruppen-Heilung II",
                                            u"Gruppen-Heilung III",
                                            u"*eigene Heilung*",
                                            u"Regeneration I",
                                            u"Regeneration II",
                                            u"Gruppen-Regeneration I",
                                            u"Gruppen-Regeneration II",
                                            u"*eigene Regeneration*",
                                            u"Eile",
                                            u"Steinhaut",
                                            u"Hast",
                                            u"Granithaut"})},
        {QStringLiteral("Luftmagie"), Liste({u"Windboe",
                                             u"Entladung",
                                             u"Kettenblitz",
                                             u"Luftschnitter",
                                             u"Verwirbelung",
                                             u"Sturmfaust",
                                             u"Windpeitsche",
                                             u"Luftknall",
                                             u"Donnerschlag",
                                             u"Sphärenschwert",
                                             u"*eigener Luftzauber*",
                                             u"Vakuum",
                                             u"Giftige Wolke",
                                             u"Orkan",
                                             u"Blitzgewitter",
                                             u"Fäulnis",
                                             u"Tornado",
                                             u"Windhose",
                                             u"Frierende Luft",
                                             u"Säurenebel",
                                             u"Elementargeist",
                                             u"*eigener Luft-DOT*"})},
    };
    return m;
}

const std::vector<std::vector<TMenueGruppe>> &AlleMenues()
{
    static const std::vector<std::vector<TMenueGruppe>> menues = MenuesAufbauen();
    return menues;
}

// Names of the enchantments, [type 1..11][level 1..5].
const char16_t *const VerzauberungsNamen[11][5] = {
    {u"des Bettlers", u"des Wegelagerers", u"des Langfingers", u"des Diebes", u"des Räubers"},
    {u"der Abwehr", u"des Widerstands", u"des Schutzes", u"der Absorption", u"der Unverwundbarkeit"},
    {u"der Wache", u"des Aufsehers", u"des Gardisten", u"des Hüters", u"des Beschützers"},
    {u"der Täuschung", u"der List", u"der Dynamik", u"der Intuition", u"der Manipulation"},
    {u"der Entschlossenheit", u"der Präzision", u"der Feinheit", u"der Eingebung", u"der Inspiration"},
    {u"der Wehklagen", u"des Schmerzes", u"der Leiden", u"der Qual", u"des Seelenschmerzes"},
    {u"der Wirkung", u"der Kraft", u"der Wucht", u"der Macht", u"der Übermacht"},
    {u"der Möglichkeit", u"der Übung", u"der Leichtigkeit", u"der Fingerfertigkeit", u"der Meisterschaft"},
    {u"der Ausdauer", u"der Zähigkeit", u"der Standhaftigkeit", u"der Härte", u"der Überlegenheit"},
    {u"des Verstandes", u"der Klugheit", u"des Wissens", u"der Begabung", u"der Genialität"},
    {u"des Wolfes", u"des Gargoyles", u"des Ogers", u"des Tauren", u"des Drachen"},
};

QString Zahl(double x)
{
    // Whole values plainly, others with their decimals and a full stop.
    return MengeFormatieren(x);
}

} // namespace

QString SlotName(TSlot s)
{
    return (s >= 0 && s < AnzahlSlots) ? QString::fromUtf16(SlotNamen[s]) : QString();
}

int SlotAusName(const QString &name)
{
    for (int i = 0; i < AnzahlSlots; ++i)
        if (name == QString::fromUtf16(SlotNamen[i]))
            return i;
    return -1;
}

QString LeerBeschriftung(TSlot s, uint8_t fernkampfArt)
{
    switch (s) {
    case SlotHelm:
        return QStringLiteral("- kein Helm -");
    case SlotPanzer:
        return QStringLiteral("- keine Rüstung -");
    case SlotHose:
        return QStringLiteral("- keine Hose -");
    case SlotStiefel:
        return QStringLiteral("- keine Stiefel -");
    case SlotHandschuhe:
        return QStringLiteral("- keine Handschuhe -");
    case SlotHauptwaffe:
        return QStringLiteral("- keine Waffe -");
    case SlotNebenwaffe:
        return QStringLiteral("- keine Nebenhand -");
    case SlotFernkampf:
        return QStringLiteral("- keine Fernkampfwaffe -");
    case SlotMunition:
        if (fernkampfArt == 2)
            return QStringLiteral("- keine Bolzen -");
        if (fernkampfArt >= 3 && fernkampfArt <= 6)
            return QStringLiteral("- keine Essenzen -");
        return QStringLiteral("- keine Pfeile -");
    case SlotZauber:
        return QStringLiteral("- kein Zauber -");
    default:
        return QString();
    }
}

const std::vector<TMenueGruppe> &MenueGruppen(TMenue m)
{
    static const std::vector<TMenueGruppe> leer;
    if (m < 0 || m >= AnzahlMenues)
        return leer;
    return AlleMenues()[m];
}

int MenueVonSlot(TSlot s, uint8_t fernkampfArt)
{
    if (s >= SlotHelm && s <= SlotFernkampf)
        return s; // the first eight menus are in slot order
    if (s == SlotZauber)
        return MenueZauber;
    if (s == SlotMunition) {
        if (fernkampfArt == 1)
            return MenuePfeile;
        if (fernkampfArt == 2)
            return MenueBolzen;
        if (fernkampfArt >= 3 && fernkampfArt <= 6)
            return MenueEssenzen;
    }
    return -1;
}

bool IstEigenerEintrag(const QString &eintrag)
{
    return eintrag.size() > 2 && eintrag.startsWith(u'*') && eintrag.endsWith(u'*');
}

bool MenueEnthaelt(TMenue m, const QString &eintrag)
{
    for (const TMenueGruppe &g : MenueGruppen(m))
        if (g.Eintraege.contains(eintrag))
            return true;
    return false;
}

std::optional<TEigenesTeil> EigenesTeilArt(TMenue m, const QString &eintrag)
{
    if (!IstEigenerEintrag(eintrag) || !MenueEnthaelt(m, eintrag))
        return std::nullopt;
    switch (m) {
    case MenueHelm:
    case MenuePanzer:
    case MenueHose:
    case MenueStiefel:
    case MenueHandschuhe:
        return TEigenesTeil{static_cast<uint8_t>(eintrag.contains(QStringLiteral("Schwer")) ? 2 : 1), 0};
    case MenueHauptwaffe: {
        const QStringList e = {
            QStringLiteral("*eigenes Schwert*"),   QStringLiteral("*eigenes Schwert [2H]*"),
            QStringLiteral("*eigener Dolch*"),     QStringLiteral("*eigene Axt*"),
            QStringLiteral("*eigene Axt [2H]*"),   QStringLiteral("*eigene Keule*"),
            QStringLiteral("*eigene Keule [2H]*"), QStringLiteral("*eigene Stangenwaffe [2H]*")};
        return TEigenesTeil{static_cast<uint8_t>(e.indexOf(eintrag) + 1), 0};
    }
    case MenueNebenwaffe: {
        const QStringList e = {QStringLiteral("*eigenes Schwert*"),
                               QStringLiteral("*eigener Dolch*"),
                               QStringLiteral("*eigene Axt*"),
                               QStringLiteral("*eigene Keule*"),
                               QStringLiteral("*eigener Leichter Schild*"),
                               QStringLiteral("*eigener Schwerer Schild*")};
        return TEigenesTeil{static_cast<uint8_t>(e.indexOf(eintrag) + 1), 0};
    }
    case MenueFernkampf: {
        const QStringList e = {QStringLiteral("*eigener Bogen*"),     QStringLiteral("*eigene Armbrust*"),
                               QStringLiteral("*eigener Feuerstab*"), QStringLiteral("*eigener Wasserstab*"),
                               QStringLiteral("*eigener Erdstab*"),   QStringLiteral("*eigener Luftstab*")};
        return TEigenesTeil{static_cast<uint8_t>(e.indexOf(eintrag) + 1), 0};
    }
    case MenuePfeile:
    case MenueBolzen:
    case MenueEssenzen:
        return TEigenesTeil{0, 0};
    case MenueZauber: {
        struct E {
            const char16_t *Name;
            uint8_t Element, Typ;
        };
        static const E e[] = {{u"*eigener Feuerzauber*", 1, 1},  {u"*eigener Feuer-DOT*", 1, 3},
                              {u"*eigener Wasserzauber*", 2, 1}, {u"*eigener Erdzauber*", 3, 1},
                              {u"*eigene Heilung*", 3, 2},       {u"*eigene Regeneration*", 3, 4},
                              {u"*eigener Luftzauber*", 4, 1},   {u"*eigener Luft-DOT*", 4, 3}};
        for (const E &x : e)
            if (eintrag == QString::fromUtf16(x.Name))
                return TEigenesTeil{x.Element, x.Typ};
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

QString EigenerEintragFuerArt(TSlot s, uint8_t art, uint8_t typ)
{
    auto aus = [art](std::initializer_list<const char16_t *> l) {
        int i = 1;
        for (const char16_t *x : l) {
            if (i++ == art)
                return QString::fromUtf16(x);
        }
        return QString();
    };
    switch (s) {
    case SlotHelm:
        return aus({u"*eigener Leichter Helm*", u"*eigener Schwerer Helm*"});
    case SlotPanzer:
        return aus({u"*eigene Leichte Rüstung*", u"*eigene Schwere Rüstung*"});
    case SlotHose:
        return aus({u"*eigene Leichte Hose*", u"*eigene Schwere Hose*"});
    case SlotStiefel:
        return aus({u"*eigene Leichte Stiefel*", u"*eigene Schwere Stiefel*"});
    case SlotHandschuhe:
        return aus({u"*eigene Leichte Handschuhe*", u"*eigene Schwere Handschuhe*"});
    case SlotHauptwaffe:
        return aus({u"*eigenes Schwert*", u"*eigenes Schwert [2H]*", u"*eigener Dolch*", u"*eigene Axt*",
                    u"*eigene Axt [2H]*", u"*eigene Keule*", u"*eigene Keule [2H]*",
                    u"*eigene Stangenwaffe [2H]*"});
    case SlotNebenwaffe:
        return aus({u"*eigenes Schwert*", u"*eigener Dolch*", u"*eigene Axt*", u"*eigene Keule*",
                    u"*eigener Leichter Schild*", u"*eigener Schwerer Schild*"});
    case SlotFernkampf:
        return aus({u"*eigener Bogen*", u"*eigene Armbrust*", u"*eigener Feuerstab*", u"*eigener Wasserstab*",
                    u"*eigener Erdstab*", u"*eigener Luftstab*"});
    case SlotMunition:
        return aus({u"*eigene Pfeile*", u"*eigene Bolzen*", u"*eigene Essenz*"});
    case SlotZauber: {
        const bool heilung = typ == 2 || typ == 4;
        switch (art) {
        case 1:
            return typ >= 3 ? QStringLiteral("*eigener Feuer-DOT*") : QStringLiteral("*eigener Feuerzauber*");
        case 2:
            return QStringLiteral("*eigener Wasserzauber*");
        case 3:
            if (heilung)
                return typ == 4 ? QStringLiteral("*eigene Regeneration*")
                                : QStringLiteral("*eigene Heilung*");
            return QStringLiteral("*eigener Erdzauber*");
        case 4:
            return typ >= 3 ? QStringLiteral("*eigener Luft-DOT*") : QStringLiteral("*eigener Luftzauber*");
        default:
            return QString();
        }
    }
    default:
        return QString();
    }
}

QString MenueHinweis(const TKatalog &k, TMenue m, const QString &eintrag)
{
    if (IstEigenerEintrag(eintrag))
        return QString();
    if (m == MenueZauber) {
        const TZauber *z = Zauber(k, ZauberSuchen(k, eintrag));
        if (!z || z->Typ < 1 || z->Typ > 4)
            return QString();
        static const char16_t *const einzel[] = {u" Sofortschaden, ", u" Sofortheilung, ",
                                                 u" Rundenschaden, ", u" Rundenheilung, "};
        static const char16_t *const flaeche[] = {u" Flächenschaden (", u" Flächenheilung (",
                                                  u" Flächenrundenschaden (", u" Flächenrundenheilung ("};
        QString h = QString::number(z->MinWert) + u'-' + QString::number(z->MaxWert);
        if (z->Felder == -1)
            h += QString::fromUtf16(einzel[z->Typ - 1]);
        else
            h += QString::fromUtf16(flaeche[z->Typ - 1]) + QString::number(z->Felder) +
                 QStringLiteral(" Felder), ");
        return h + TempoText(z->Angriffe) + QStringLiteral(", Stufe ") + QString::number(z->Stufe);
    }
    const TItemRef ref = ItemSuchen(k, eintrag);
    const TWare *w = ref.Tabellencode == TabelleWare       ? Ware(k, ref.Index)
                     : ref.Tabellencode == TabelleTraining ? TrainingsItem(k, ref.Index)
                                                           : nullptr;
    if (!w)
        return QString();
    const QString stufe = QStringLiteral("Stufe ") + QString::number(w->Stufe);
    const QString ruestung = FestFormatieren(w->Ruestschutz, 1) + QStringLiteral("% Rüstschutz, ") +
                             FestFormatieren(w->Absorb, 1) + QStringLiteral(" Absorb, ");
    switch (w->Kategorie) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 14:
    case 15:
        return QString::number(w->MinSchaden) + u'-' + QString::number(w->MaxSchaden) + QStringLiteral(", ") +
               TempoText(w->Tempo) + QStringLiteral(", ") + stufe;
    case 7:
        return ruestung + stufe;
    case 8:
    case 10:
        return ruestung +
               (w->Behinderung == 0 ? QStringLiteral("keine") : QString::number(w->Behinderung) + u'%') +
               QStringLiteral(" Behinderung, ") + stufe;
    case 9:
    case 11:
        return FestFormatieren(w->Ruestschutz, 1) + QStringLiteral("% Rüstschutz, ") +
               FestFormatieren(w->Absorb, 1) + QStringLiteral("% Rüstschutz bei Block, ") + stufe;
    case 12:
        return u'+' + QString::number(w->StabWirkung) + QStringLiteral("% Wirkung, +") +
               QString::number(w->Reichweite) + QStringLiteral("% Reichweite, ") + stufe;
    case 13:
    case 16:
    case 17: {
        QString h = QString::number(w->Zusatzwirkung) + QStringLiteral("% Wirkung, ");
        if (ref.Tabellencode == TabelleTraining) {
            if (w->Treffsicherheit != 0)
                h += QString::number(w->Treffsicherheit) + QStringLiteral("% Treffsicherheit, ");
            if (w->KritischeTreffer != 0)
                h += QString::number(w->KritischeTreffer) + QStringLiteral("% Kritische Treffer, ");
        } else if (w->Kategorie == 13) {
            h += QString::number(w->Treffsicherheit) + QStringLiteral("% Treffsicherheit, ");
        } else {
            h += QString::number(w->KritischeTreffer) + QStringLiteral("% Kritische Treffer, ");
        }
        return h + stufe;
    }
    default:
        return QString();
    }
}

std::vector<TVerzauberungsGruppe> VerzauberungsMenue()
{
    const struct {
        const char16_t *Titel;
        int Typ;
    } reihenfolge[] = {{u"Treffsicherheit", VzTreffsicherheit},
                       {u"Kritische Treffer", VzKritischeTreffer},
                       {u"Ausweichen", VzAusweichen},
                       {u"Schildblock", VzSchildblock},
                       {nullptr, 0},
                       {u"Stärke", VzStaerke},
                       {u"Geschicklichkeit", VzGeschick},
                       {u"Konstitution", VzKonstitution},
                       {u"Intelligenz", VzIntelligenz},
                       {nullptr, 0},
                       {u"Traglast", VzTraglast},
                       {u"Absorb", VzAbsorb},
                       {u"Leben", VzLeben},
                       {nullptr, 0}};
    std::vector<TVerzauberungsGruppe> menue;
    for (const auto &r : reihenfolge) {
        TVerzauberungsGruppe g;
        if (r.Titel) {
            g.Titel = QString::fromUtf16(r.Titel);
            g.Typ = r.Typ;
            for (int stufe = 1; stufe <= 5; ++stufe)
                g.Eintraege << VerzauberungsZeile(VerzauberungsCode(r.Typ, stufe));
        }
        menue.push_back(g);
    }
    return menue;
}

// ---------------------------------------------------------------- enchantments

Verzauberungscode VerzauberungAusName(const QString &name)
{
    for (int typ = 1; typ <= 11; ++typ)
        for (int stufe = 1; stufe <= 5; ++stufe)
            if (name == QString::fromUtf16(VerzauberungsNamen[typ - 1][stufe - 1]))
                return VerzauberungsCode(typ, stufe);
    return 0;
}

Verzauberungscode VerzauberungAusMenue(const QString &beschriftung)
{
    const QStringList w = beschriftung.split(u' ', Qt::SkipEmptyParts);
    if (w.size() < 2)
        return 0;
    return VerzauberungAusName(w[0] + u' ' + w[1]);
}

QString VerzauberungsName(Verzauberungscode code)
{
    if (code == 0)
        return QString();
    const int typ = VerzauberungsTyp(code), stufe = VerzauberungsStufe(code);
    if (typ < 1 || typ > 11)
        return QString();
    if (stufe < 1 || stufe > 5)
        return QStringLiteral("Fehler: Ungültige Verzauberungsstufe!");
    return QString::fromUtf16(VerzauberungsNamen[typ - 1][stufe - 1]);
}

QString VerzauberungsText(Verzauberungscode code)
{
    const double wert = VerzauberungsWert(code);
    switch (VerzauberungsTyp(code)) {
    case VzTraglast:
        return u'+' + Zahl(wert) + QStringLiteral(" kg Traglast");
    case VzAbsorb:
        return u'+' + FestFormatieren(wert, 1) + QStringLiteral(" Absorb");
    case VzSchildblock:
        return u'+' + FestFormatieren(wert, 1) + QStringLiteral("% Schildblock");
    case VzAusweichen:
        return u'+' + FestFormatieren(wert, 1) + QStringLiteral("% Ausweichen");
    case VzTreffsicherheit:
        return u'+' + FestFormatieren(wert, 1) + QStringLiteral("% Treffsicherheit");
    case VzKritischeTreffer:
        return u'+' + FestFormatieren(wert, 1) + QStringLiteral("% Krit. Treffer");
    case VzStaerke:
        return u'+' + Zahl(wert) + QStringLiteral(" Staerke");
    case VzGeschick:
        return u'+' + Zahl(wert) + QStringLiteral(" Geschicklichkeit");
    case VzKonstitution:
        return u'+' + Zahl(wert) + QStringLiteral(" Konstitution");
    case VzIntelligenz:
        return u'+' + Zahl(wert) + QStringLiteral(" Intelligenz");
    case VzLeben:
        // 3 % per level; computed from the level so 0.03 x 100 shows as a whole number.
        return u'+' + QString::number(3 * VerzauberungsStufe(code)) + QStringLiteral("% Leben");
    default:
        return QString();
    }
}

QString VerzauberungsZeile(Verzauberungscode code)
{
    if ((code & 0xFF) == 0)
        return QString();
    return VerzauberungsName(code) + QStringLiteral(" (") + VerzauberungsText(code) + u')';
}

// ---------------------------------------------------------------- items

TWare Aufwerten(const TWare &w, int n)
{
    TWare a = w;
    switch (w.Kategorie) {
    case 2:
    case 3:
    case 6:
    case 14:
        a.MinSchaden += n;
        a.MaxSchaden += n;
        break;
    case 4:
    case 5: {
        const int plus = IstZweihaendig(w.Name) ? 2 * n : n;
        a.MinSchaden += plus;
        a.MaxSchaden += plus;
        break;
    }
    case 15:
        a.MinSchaden += 4 * n;
        a.MaxSchaden += 4 * n;
        break;
    case 12:
        a.StabWirkung += 2 * n;
        break;
    case 13:
    case 16:
    case 17:
        a.Zusatzwirkung += n;
        break;
    case 7:
    case 8:
    case 10:
        a.Absorb += 0.1 * n;
        break;
    case 9:
    case 11:
        a.Absorb += n; // a shield's Absorb field holds its protection on a block
        break;
    default:
        break;
    }
    return a;
}

uint8_t ArtAusWare(const TWare &w, TSlot s)
{
    const bool zweihand = IstZweihaendig(w.Name);
    const int kat = w.Kategorie;
    switch (s) {
    case SlotHelm:
    case SlotPanzer:
    case SlotHose:
    case SlotStiefel:
    case SlotHandschuhe:
        return (kat == 7 || kat == 8) ? 1 : (kat == 10 ? 2 : 0);
    case SlotHauptwaffe:
        switch (kat) {
        case 2:
            return zweihand ? 2 : 1;
        case 3:
            return 3;
        case 4:
            return zweihand ? 5 : 4;
        case 5:
            return zweihand ? 7 : 6;
        case 6:
            return 8;
        default:
            return 0;
        }
    case SlotNebenwaffe:
        if (zweihand)
            return 0;
        switch (kat) {
        case 2:
            return 1;
        case 3:
            return 2;
        case 4:
            return 3;
        case 5:
            return 4;
        case 9:
            return 5;
        case 11:
            return 6;
        default:
            return 0;
        }
    case SlotFernkampf:
        if (kat == 14)
            return 1;
        if (kat == 15)
            return 2;
        if (kat == 12 && w.Element >= 1 && w.Element <= 4)
            return static_cast<uint8_t>(2 + w.Element);
        return 0;
    case SlotMunition:
        return kat == 16 ? 1 : (kat == 17 ? 2 : (kat == 13 ? 3 : 0));
    default:
        return 0;
    }
}

QString OhneAufwertung(const QString &name)
{
    const int n = name.size();
    if (n >= 3 && name[n - 1].isDigit() && name[n - 2] == u'+' && name[n - 3] == u' ')
        return name.left(n - 3);
    return name;
}

QString SlotText(const QString &basis, const QString &verzauberung, int stufe)
{
    QString text = basis;
    const bool zweihand = IstZweihaendig(basis);
    if (zweihand) {
        text.chop(4); // "[2H]"
        while (text.endsWith(u' '))
            text.chop(1);
    }
    if (!verzauberung.isEmpty())
        text += u' ' + verzauberung;
    if (zweihand)
        text += QStringLiteral(" [2H]");
    if (stufe > 0)
        text += QStringLiteral(" +") + QString::number(stufe);
    return text;
}

QString ZauberWertBeschriftung(uint8_t typ)
{
    return (typ == 2 || typ == 4) ? QStringLiteral("Heilung:") : QStringLiteral("Schaden:");
}

QString ZauberAngriffeBeschriftung(uint8_t typ)
{
    return ZauberDauerSichtbar(typ) ? QStringLiteral("Angr.p.R.") : QStringLiteral("Angriffe pro Runde");
}

bool ZauberDauerSichtbar(uint8_t typ)
{
    return typ == 3 || typ == 4;
}

} // namespace mvt::planer
