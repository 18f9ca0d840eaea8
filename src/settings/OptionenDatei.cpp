#include "settings/OptionenDatei.h"

#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "base/Zahlen.h"
#include "crafting/BaulistenDatei.h"

#include <algorithm>

namespace mvt {

namespace {

const QString Programmname = QStringLiteral("Hadrik's Morvaren Tool");

const std::array<QString, 4> RoutenKoepfe = {QString(), QStringLiteral("ROUTES DUNLADAN"),
                                             QStringLiteral("ROUTES ENDURIAS"),
                                             QStringLiteral("ROUTES ZYRTHANIA")};

// Thrown for anything that makes the file invalid; caught once in OptionenLaden.
struct TLesefehler {};

[[noreturn]] void Ungueltig()
{
    throw TLesefehler{};
}

// Reads line by line; past the end every read gives an empty line, as a text file does.
struct TZeilenleser {
    const QStringList &Zeilen;
    qsizetype Position = 0;

    bool Ende() const { return Position >= Zeilen.size(); }
    QString Lesen() { return Ende() ? QString() : Zeilen[Position++]; }
    // "stop at end"
    void NichtAmEnde() const
    {
        if (Ende())
            Ungueltig();
    }
    void Ueberspringen(const QString &marke)
    {
        for (;;) {
            NichtAmEnde();
            if (Lesen() == marke)
                return;
        }
    }
};

struct TSchluesselZeile {
    QString Schluessel;
    QString Wert;
};

// The key runs to the first blank; the value starts three characters after it (" = ").
TSchluesselZeile SchluesselZeileTeilen(const QString &zeile)
{
    const qsizetype blank = zeile.indexOf(u' ');
    if (blank < 0)
        return {zeile, QString()};
    return {zeile.left(blank), zeile.mid(blank + 3)};
}

int32_t Ganzzahl(const QString &text)
{
    const std::optional<int32_t> v = GanzzahlLesen(text);
    if (!v)
        Ungueltig();
    return *v;
}

double Kommazahl(const QString &text)
{
    const std::optional<double> v = KommazahlLesen(text);
    if (!v)
        Ungueltig();
    return *v;
}

// Values outside the settings window's range are not taken (the map window loops over
// the zone radii, the transfer timer runs at the interval): the option keeps its value.
void GanzzahlImBereich(const QString &text, int32_t von, int32_t bis, int32_t &ziel)
{
    const int32_t v = Ganzzahl(text);
    if (v >= von && v <= bis)
        ziel = v;
}

void WeltLesen(const QString &wert, uint8_t &welt)
{
    if (wert == QLatin1String("Old"))
        welt = 1;
    else if (wert == QLatin1String("Zyrthania"))
        welt = 3;
}

QString WeltText(uint8_t welt)
{
    if (welt == 1 || welt == 2)
        return QStringLiteral("Old");
    if (welt == 3 || welt == 0)
        return QStringLiteral("Zyrthania");
    return QString();
}

void OptionSetzen(TOptionenZiel &z, const TSchluesselZeile &s)
{
    TOptionen &o = z.Optionen;
    const QString &w = s.Wert;
    const bool flag = w == QLatin1String("1");
    const QString &key = s.Schluessel;
    if (key == QLatin1String("ActivePageIndex"))
        o.ActivePageIndex = Ganzzahl(w);
    else if (key == QLatin1String("SaveParameters"))
        o.SaveParameters = flag;
    else if (key == QLatin1String("CalcPotency"))
        o.CalcPotency = flag;
    else if (key == QLatin1String("TreeViewAutoExpand"))
        o.TreeViewAutoExpand = flag;
    else if (key == QLatin1String("ShowHints"))
        o.ShowHints = flag;
    else if (key == QLatin1String("NextVersionCheck"))
        z.NextVersionCheck = Kommazahl(w);
    else if (key == QLatin1String("TransmissionInterval"))
        GanzzahlImBereich(w, 200, 10000, o.TransmissionInterval);
    else if (key == QLatin1String("TownAutoUpdate"))
        o.TownAutoUpdate = flag;
    else if (key == QLatin1String("SZone"))
        GanzzahlImBereich(w, 0, 10, o.SZone);
    else if (key == QLatin1String("BZone"))
        GanzzahlImBereich(w, 0, 10, o.BZone);
    else if (key == QLatin1String("SZoneHS"))
        GanzzahlImBereich(w, 0, 10, o.SZoneHS);
    else if (key == QLatin1String("BZoneHS"))
        GanzzahlImBereich(w, 0, 10, o.BZoneHS);
    else if (key == QLatin1String("WinterTheme"))
        o.WinterTheme = flag;
    else if (key == QLatin1String("DirectionalOptimization"))
        o.DirectionalOptimization = flag;
    else if (key == QLatin1String("BSRWorld"))
        WeltLesen(w, o.BSRWorld);
    else if (key == QLatin1String("CPWorld"))
        WeltLesen(w, o.CPWorld);
    else if (key == QLatin1String("CPCalcPotency"))
        o.CPCalcPotency = flag;
    else if (key == QLatin1String("LastMap")) {
        // The map window selects a world by this number: only 1..3 are taken.
        const int32_t karte = Ganzzahl(w);
        if (karte >= routen::WeltDunladan && karte <= routen::WeltZyrthania)
            z.LastMap = karte;
    }
}

void PreiszeileLesen(const TKatalog &k, TCraftingZustand &c, const QString &zeile)
{
    const TNamensZeile t = NamensZeileTeilen(zeile);
    const TItemRef ref = ItemSuchen(k, t.Name);
    const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
    TPreispaar *p = Preise(c, art, ref.Index);
    if (!p)
        return; // unknown names and training items
    p->Verkaufspreis = Kommazahl(t.Wert1);
    if (art != ArtGebaeude && !t.Wert2.isEmpty())
        p->Einkaufspreis = Kommazahl(t.Wert2);
}

void GebaeudezeileLesen(TCraftingZustand &c, const QString &zeile)
{
    const TNamensZeile t = NamensZeileTeilen(zeile);
    for (int i = 1; i <= AnzahlHandwerksgebaeude; ++i) {
        TVorhandeneHandwerksgebaeude &g = c.Handwerksgebaeude[static_cast<size_t>(i)];
        if (g.Name != t.Name)
            continue;
        const int32_t stufe = Ganzzahl(t.Wert1);
        const int32_t kosten = Ganzzahl(t.Wert2);
        // The level selects a time factor and a list entry: only I to V are taken.
        if (stufe >= 1 && stufe <= 5) {
            g.Stufe = stufe;
            g.Schichtkosten = kosten;
        }
        return;
    }
}

void WirkungLesen(TOptionen &o, const TSchluesselZeile &s)
{
    for (int i = 0; i < AnzahlWirkungen; ++i) {
        if (s.Schluessel != QLatin1String(WirkungSchluessel[static_cast<size_t>(i)]))
            continue;
        o.Wirkung[static_cast<size_t>(i)] = WirkungBegrenzen(Kommazahl(s.Wert), o.MinWirkung, o.MaxWirkung);
        return;
    }
}

// The route of one triple, kept whatever it holds: a count or points the map cannot show
// are refused when the route is loaded, not lost from the file.
routen::TGespeicherteRoute RouteLesen(const QString &name, const QString &nummer, const QString &punkte)
{
    routen::TGespeicherteRoute r;
    r.Name = name;
    r.Auftraege = Ganzzahl(nummer);
    bool ganzePunkte = punkte.size() % 6 == 0;
    for (QChar ch : punkte)
        ganzePunkte = ganzePunkte && ch >= u'0' && ch <= u'9';
    for (qsizetype i = 0; ganzePunkte && i < punkte.size(); i += 6) {
        const int x = punkte.mid(i, 3).toInt();
        const int y = punkte.mid(i + 3, 3).toInt();
        ganzePunkte = x >= 1 && x <= 200 && y >= 1 && y <= 200;
        r.Punkte.push_back({static_cast<uint8_t>(x), static_cast<uint8_t>(y)});
    }
    if (!ganzePunkte) {
        r.Punkte.clear();
        r.Punktzeile = punkte;
    }
    return r;
}

void RoutenabschnittLesen(TZeilenleser &l, std::vector<routen::TGespeicherteRoute> &liste)
{
    for (;;) {
        const QString name = l.Lesen();
        const QString nummer = l.Lesen();
        const QString punkte = l.Lesen();
        if (name == QLatin1String("END"))
            return;
        liste.push_back(RouteLesen(name, nummer, punkte));
        if (l.Ende())
            return;
    }
}

void Lesen(const TKatalog &k, TOptionenZiel &z, const QStringList &zeilen)
{
    TZeilenleser l{zeilen};
    l.Lesen();
    const QString version = l.Lesen();
    // The comparison needs the first, third and fourth character.
    if (version.size() < 4)
        Ungueltig();

    l.Ueberspringen(QStringLiteral("OPTIONS"));
    for (;;) {
        l.NichtAmEnde();
        const QString zeile = l.Lesen();
        if (zeile == QLatin1String("END"))
            break;
        OptionSetzen(z, SchluesselZeileTeilen(zeile));
    }

    if (z.Optionen.SaveParameters) {
        l.Ueberspringen(QStringLiteral("PRICES"));
        for (;;) {
            l.NichtAmEnde();
            const QString zeile = l.Lesen();
            if (zeile == QLatin1String("END"))
                break;
            PreiszeileLesen(k, z.Crafting, zeile);
        }
        l.Ueberspringen(QStringLiteral("BUILDINGS"));
        while (!l.Ende()) {
            const QString zeile = l.Lesen();
            if (zeile == QLatin1String("END"))
                break;
            GebaeudezeileLesen(z.Crafting, zeile);
        }
    }

    if (VersionMindestens(version, QStringLiteral("1.11"))) {
        l.Ueberspringen(QStringLiteral("POTENCY"));
        while (!l.Ende()) {
            const QString zeile = l.Lesen();
            if (zeile == QLatin1String("END"))
                break;
            WirkungLesen(z.Optionen, SchluesselZeileTeilen(zeile));
        }
    }

    z.Routen.Leeren();
    if (VersionMindestens(version, QStringLiteral("1.08d"))) {
        l.Ueberspringen(RoutenKoepfe[routen::WeltDunladan]);
        RoutenabschnittLesen(l, *z.Routen.Welt(routen::WeltDunladan));
        l.NichtAmEnde();
        // Each section's closing triple has already consumed the next header.
        RoutenabschnittLesen(l, *z.Routen.Welt(routen::WeltEndurias));
        if (VersionMindestens(version, QStringLiteral("1.09"))) {
            l.NichtAmEnde();
            RoutenabschnittLesen(l, *z.Routen.Welt(routen::WeltZyrthania));
        }
    }

    // Older versions may show the version window at once.
    if (!VersionMindestens(version, Programmversion) && z.NextVersionCheck != VersionspruefungAus)
        z.NextVersionCheck = 0.0;
}

QString Schluessel(const char *key, const QString &wert)
{
    return QLatin1String(key) + QStringLiteral(" = ") + wert;
}

QString Flag(bool f)
{
    return f ? QStringLiteral("1") : QStringLiteral("0");
}

QString Punkttext(const std::vector<routen::TRoutenPunkt> &punkte)
{
    QString s;
    for (const routen::TRoutenPunkt &p : punkte)
        s += QStringLiteral("%1%2").arg(p.X, 3, 10, QLatin1Char('0')).arg(p.Y, 3, 10, QLatin1Char('0'));
    return s;
}

} // namespace

QString OptionenUngueltigMeldungFuer(const QString &pfad)
{
    return QStringLiteral("Fehler: %1 ist ungültig! Standardoptionen werden geladen.").arg(Zitat(pfad));
}

bool OptionenLaden(const TKatalog &k, TOptionenZiel ziel, const QString &pfad)
{
    try {
        const std::optional<QByteArray> bytes = DateiLesen(pfad);
        if (!bytes)
            Ungueltig();
        Lesen(k, ziel, ZeilenTrennen(TextDekodieren(*bytes)));
        return true;
    } catch (const TLesefehler &) {
        MeldungZeigen(OptionenUngueltigMeldungFuer(pfad));
        StandardOptionenSetzen(ziel.Optionen);
        return false;
    }
}

QStringList OptionenZeilen(const TKatalog &k, const TOptionenQuelle &q)
{
    const TOptionen &o = q.Optionen;
    const TCraftingZustand &c = q.Crafting;
    QStringList z{Programmname, Programmversion, QString(), QStringLiteral("OPTIONS")};
    z << Schluessel("ActivePageIndex", QString::number(o.ActivePageIndex))
      << Schluessel("SaveParameters", Flag(o.SaveParameters))
      << Schluessel("CalcPotency", Flag(o.CalcPotency))
      << Schluessel("TreeViewAutoExpand", Flag(o.TreeViewAutoExpand))
      << Schluessel("ShowHints", Flag(o.ShowHints))
      << Schluessel("NextVersionCheck", ZahlAllgemein(q.NextVersionCheck))
      << Schluessel("TransmissionInterval", QString::number(o.TransmissionInterval))
      << Schluessel("TownAutoUpdate", Flag(o.TownAutoUpdate)) << Schluessel("SZone", QString::number(o.SZone))
      << Schluessel("BZone", QString::number(o.BZone)) << Schluessel("SZoneHS", QString::number(o.SZoneHS))
      << Schluessel("BZoneHS", QString::number(o.BZoneHS)) << Schluessel("WinterTheme", Flag(o.WinterTheme))
      << Schluessel("DirectionalOptimization", Flag(o.DirectionalOptimization))
      << Schluessel("BSRWorld", WeltText(o.BSRWorld)) << Schluessel("CPWorld", WeltText(o.CPWorld))
      << Schluessel("CPCalcPotency", Flag(o.CPCalcPotency));
    if (q.LastMap >= routen::WeltDunladan && q.LastMap <= routen::WeltZyrthania)
        z << Schluessel("LastMap", QString::number(q.LastMap));
    z << QStringLiteral("END") << QString() << QStringLiteral("PRICES");

    auto zwei = [](const QString &name, const TPreispaar &p) {
        return name + u' ' + ZahlAllgemein(p.Verkaufspreis) + u' ' + ZahlAllgemein(p.Einkaufspreis);
    };
    for (int i = 1; i <= AnzahlRohstoffe; ++i)
        z << zwei(k.RohstoffTabelle[i].Name, c.Rohstoffpreise[i]);
    for (int i = 1; i <= AnzahlZutatGueter; ++i)
        z << zwei(k.ZutatTabelle[i].Name, c.Zutatpreise[i]);
    for (int i = 1; i <= AnzahlBauteilWaren; ++i)
        z << zwei(k.WarenTabelle[i].Name, c.Warenpreise[i]);
    for (int i = AnzahlBauteilWaren + 1; i <= AnzahlWaren; ++i)
        z << k.WarenTabelle[i].Name + u' ' + ZahlAllgemein(c.Warenpreise[i].Verkaufspreis);
    for (int i = 1; i <= AnzahlGebaeude; ++i)
        z << k.GebaeudeTabelle[i].Name + u' ' + ZahlAllgemein(c.Gebaeudepreise[i].Verkaufspreis);
    z << QStringLiteral("END") << QString() << QStringLiteral("BUILDINGS");

    for (int i = 1; i <= AnzahlHandwerksgebaeude; ++i) {
        const TVorhandeneHandwerksgebaeude &g = c.Handwerksgebaeude[static_cast<size_t>(i)];
        z << g.Name + u' ' + QString::number(g.Stufe) + u' ' + QString::number(g.Schichtkosten);
    }
    z << QStringLiteral("END") << QString() << QStringLiteral("POTENCY");

    auto wirkung = [&](int i) {
        z << Schluessel(WirkungSchluessel[static_cast<size_t>(i)],
                        FestMitKomma(o.Wirkung[static_cast<size_t>(i)], 2));
    };
    for (int i = 20; i < AnzahlWirkungen; ++i)
        wirkung(i);
    for (int i = 0; i < 20; ++i)
        wirkung(i);
    z << QStringLiteral("END") << QString();

    for (int welt = routen::WeltDunladan; welt <= routen::WeltZyrthania; ++welt) {
        z << RoutenKoepfe[static_cast<size_t>(welt)];
        for (const routen::TGespeicherteRoute &r : *q.Routen.Welt(welt))
            z << r.Name << QString::number(r.Auftraege)
              << (r.Punktzeile.isEmpty() ? Punkttext(r.Punkte) : r.Punktzeile);
        z << QStringLiteral("END");
        if (welt != routen::WeltZyrthania)
            z << QString();
    }
    return z;
}

bool OptionenSpeichern(const TKatalog &k, const TOptionenQuelle &quelle, const QString &pfad)
{
    QString fehler;
    if (!TextdateiSchreiben(pfad, OptionenZeilen(k, quelle), &fehler)) {
        MeldungZeigen(QStringLiteral("Fehler: options.ini konnte nicht gespeichert werden. ") + fehler);
        return false;
    }
    return true;
}

} // namespace mvt
