#include "crafting/Artikeldetails.h"

#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "base/Optionen.h"

namespace mvt {

namespace {

QString Zahl(int64_t n)
{
    return QString::number(n);
}

QString Dauer(int32_t minuten)
{
    return QStringLiteral("Dauer: ") + StundenMinutenText(minuten);
}

// Weight of n pieces and of one: "2.400 kg   (0.400 kg / Stk.)".
QString Bausatzgewicht(int32_t gramm, int32_t menge)
{
    if (gramm == KeineAngabe)
        return QStringLiteral("k.A. kg   (k.A. kg / Stk.)");
    return GewichtText(int64_t(gramm) * menge) + QStringLiteral(" kg   (") + GewichtText(gramm) +
           QStringLiteral(" kg / Stk.)");
}

QString Gewicht(int32_t gramm)
{
    return (gramm == KeineAngabe ? QStringLiteral("k.A.") : GewichtText(gramm)) + QStringLiteral(" kg");
}

QString Zutatzeile(const TZutatenEintrag &z)
{
    return Zahl(z.Anzahl) + u' ' + z.Name;
}

const char16_t *const Verarbeitung[] = {u"",
                                        u"Holzverarbeitung, Stufe ",
                                        u"Steinverarbeitung, Stufe ",
                                        u"Erzverarbeitung, Stufe ",
                                        u"Stoff- & Lederverarbeitung, Stufe ",
                                        u"Stoff- & Lederverarbeitung, Stufe "};

void Produktionslayout(TArtikeldetails &d)
{
    d.Layout = TDetailLayout::Produktion;
    d.ZutatUeberschrift = QStringLiteral("Zutaten");
    d.HerstellungUeberschrift = QStringLiteral("Herstellung");
    d.HerstellungSichtbar = {false, true, true, true, true};
    d.ItemGrau[2] = d.ItemGrau[4] = true;
}

void Spezial(TArtikeldetails &d, const QString &text)
{
    d.Layout = TDetailLayout::Spezial;
    d.Spezial = text;
    d.ItemGrau[2] = d.ItemGrau[4] = true;
}

void RohstoffDetails(const TRohstoff &r, TArtikeldetails &d)
{
    d.Item[1] = r.Name;
    d.Item[4] = QStringLiteral("Verarbeitung ab Stufe ") + Zahl(r.Stufe);
    d.Marktwert[1] = Zahl(r.Preis) + QStringLiteral(" Gold / Stk.");
    switch (r.Kategorie) {
    case 1:
    case 2:
    case 3: {
        const int32_t n = r.Stufe >= 0 && r.Stufe <= 20 ? FoerderMenge[static_cast<size_t>(r.Stufe)] : 1;
        static const char16_t *const gebaeude[] = {u"", u"Forstanlage", u"Steinbruch", u"Bergwerk"};
        Produktionslayout(d);
        d.Item[1] = Zahl(n) + u' ' + r.Name;
        d.Item[2] = Bausatzgewicht(r.Gewicht, n);
        d.Item[3] = QStringLiteral("Rohstoff");
        d.Item[5] = QString::fromUtf16(Verarbeitung[r.Kategorie]) + Zahl(r.Stufe);
        d.Zutat[1] = QStringLiteral("-keine-");
        d.Zutatzeilen = 1;
        d.Herstellung[1] = QStringLiteral("Gebäude: ") + QString::fromUtf16(gebaeude[r.Kategorie]);
        d.Herstellung[2] = Dauer(180);
        d.Herstellung[3] = QStringLiteral("Rezept: -kein-");
        d.Herstellung[4] = QStringLiteral("Menge: ") + Zahl(n);
        d.Marktwert[2] = Zahl(int64_t(r.Preis) * n) + QStringLiteral(" Gold Bausatz");
        d.Marktwert2Sichtbar = true;
        return;
    }
    case 4:
    case 5:
    case 6: {
        static const char16_t *const beute[] = {u"Stoffe", u"Pelze", u"Stäube"};
        static const char16_t *const jagd[] = {u"Humanoide", u"Tiere & Ungeheuer", u"Untote & Lykanthropen"};
        const size_t i = r.Kategorie - 4u;
        d.Item[2] = Gewicht(r.Gewicht);
        d.Item[3] = QStringLiteral("Rohstoff");
        Spezial(d, QString::fromUtf16(beute[i]) +
                       QStringLiteral(
                           " können nicht in einem Gebäude gefördert werden. Sie müssen bei der Jagd auf ") +
                       QString::fromUtf16(jagd[i]) +
                       QStringLiteral(" als Beute gewonnen werden, um sie zu erhalten."));
        return;
    }
    case 7:
        d.Item[2] = Gewicht(r.Gewicht);
        d.Item[3] = QStringLiteral("Handwerksmaterial");
        Spezial(d,
                QStringLiteral("Handwerksmaterial kann weder gefördert, noch auf der Jagd erbeutet werden. "
                               "Auf dem Marktplatz können Handwerksmaterialien erworben werden."));
        return;
    default:
        d.Item[2] = Gewicht(r.Gewicht);
        d.Item[3] = QStringLiteral("Edelstein");
        Spezial(
            d, QStringLiteral("Edelsteine können nicht in einem Gebäude hergestellt werden. Sie müssen auf "
                              "der Jagd als Beute gewonnen werden, um sie zu erhalten. Da man sie nur selten "
                              "findet, sind sie sehr wertvoll."));
        return;
    }
}

void ZutatDetails(const TZutat &z, TArtikeldetails &d)
{
    static const char16_t *const gebaeude[] = {u"",         u"Sägewerk", u"Ziegelei",
                                               u"Schmelze", u"Weberei",  u"Gerberei"};
    Produktionslayout(d);
    const size_t kat = z.Kategorie <= 5 ? z.Kategorie : 0;
    d.Item[1] = Zahl(z.Menge) + u' ' + z.Name;
    d.Item[2] = Bausatzgewicht(z.Gewicht, z.Menge);
    d.Item[3] = QStringLiteral("Rohstoff");
    d.Item[4] = QStringLiteral("Verarbeitung ab Stufe ") + Zahl(z.Stufe);
    d.Item[5] = QString::fromUtf16(Verarbeitung[kat]) + Zahl(z.Stufe);
    d.Marktwert[1] = Zahl(z.Preis) + QStringLiteral(" Gold / Stk.");
    d.Marktwert[2] = Zahl(int64_t(z.Preis) * z.Menge) + QStringLiteral(" Gold Bausatz");
    d.Marktwert2Sichtbar = true;
    d.Zutat[1] = Zutatzeile(z.Zutaten[0]);
    d.Zutat[2] = Zutatzeile(z.Zutaten[1]);
    d.Zutatzeilen = 2;
    d.Herstellung[1] = QStringLiteral("Gebäude: ") + QString::fromUtf16(gebaeude[kat]);
    d.Herstellung[2] = Dauer(z.Dauer);
    d.Herstellung[3] = QStringLiteral("Rezept: ") + Zahl(z.Rezeptpreis) + QStringLiteral(" Gold");
    d.Herstellung[4] = QStringLiteral("Menge: ") + Zahl(z.Menge);
}

QString EineStelle(double x)
{
    return FestFormatieren(x, 1);
}

void WareDetails(const TWare &w, TArtikeldetails &d)
{
    Produktionslayout(d);
    const size_t kat = w.Kategorie <= 18 ? w.Kategorie : 0;
    const TKategorieZuordnung &z = WarenKategorien[kat];
    const QString anwendung = z.Anwendungsfertigkeit ? QString::fromUtf16(z.Anwendungsfertigkeit) : QString();
    d.Item[1] = w.Name;
    d.Item[2] = Gewicht(w.Gewicht);
    d.Item[5] = QString::fromUtf16(z.Handwerksname) + QStringLiteral(", Stufe ") + Zahl(w.Herstellungsstufe);
    for (const TZutatenEintrag &e : w.Zutaten)
        if (e.Anzahl > 0 && d.Zutatzeilen < 5)
            d.Zutat[static_cast<size_t>(++d.Zutatzeilen)] = Zutatzeile(e);
    d.Herstellung[1] =
        QStringLiteral("Gebäude: ") +
        (z.Gebaeude >= 1 ? QString::fromUtf16(HandwerksgebaeudeNamen[static_cast<size_t>(z.Gebaeude)])
                         : QString());
    d.Herstellung[2] = Dauer(w.Dauer);
    d.Herstellung[3] = w.Rezeptpreis == RezeptJagdbeute
                           ? QStringLiteral("Rezept: Jagdbeute")
                           : QStringLiteral("Rezept: ") + Zahl(w.Rezeptpreis) + QStringLiteral(" Gold");
    d.Herstellung[4] = QStringLiteral("Menge: ") + Zahl(w.Menge);
    d.Marktwert[1] = Zahl(w.Preis) + QStringLiteral(" Gold / Stk.");

    const QString mitFertigkeit =
        d.Item[2] + QStringLiteral(", ") + anwendung + QStringLiteral(", Stufe ") + Zahl(w.Stufe);
    switch (kat) {
    case 1:
        d.Item[3] = QStringLiteral("Bauteil");
        d.Item[4] = QStringLiteral("Verarbeitung ab Stufe ") + Zahl(w.Stufe);
        break;
    case 7:
    case 8:
    case 10:
        d.Item[2] = mitFertigkeit;
        d.Item[3] = EineStelle(w.Ruestschutz) + QStringLiteral("% Rüstschutz, ") + EineStelle(w.Absorb) +
                    QStringLiteral(" Absorb");
        d.Item[4] = Zahl(w.Behinderung) + QStringLiteral("% Behinderung");
        break;
    case 9:
    case 11:
        d.Item[2] = mitFertigkeit;
        d.Item[3] = EineStelle(w.Ruestschutz) + QStringLiteral("% Rüstschutz");
        d.Item[4] = u'+' + EineStelle(w.Absorb) + QStringLiteral("% Rüstschutz bei Block");
        break;
    case 12: {
        const QString magie = w.Element >= 1 && w.Element <= 4
                                  ? QLatin1String(WirkungSchluessel[static_cast<size_t>(8 + w.Element)])
                                  : QString();
        d.Item[2] =
            Gewicht(w.Gewicht) + QStringLiteral(", ") + magie + QStringLiteral(", Stufe ") + Zahl(w.Stufe);
        d.Item[3] = u'+' + Zahl(w.StabWirkung) + QStringLiteral("% Wirkung");
        d.Item[4] = u'+' + Zahl(w.Reichweite) + QStringLiteral("% Reichweite");
        d.ItemGrau[4] = false;
        break;
    }
    case 13:
    case 16:
    case 17:
    case 18:
        d.Item[2] = Bausatzgewicht(w.Gewicht, w.Menge);
        if (kat == 18) {
            d.Item[3] = anwendung + QStringLiteral(", Stufe ") + Zahl(w.Stufe);
            d.Item[4] = Zahl(w.HeilungMin) + u'-' + Zahl(w.HeilungMax) + QStringLiteral(", ") +
                        EineStelle(w.HeilungProzentMin) + QStringLiteral("%-") +
                        EineStelle(w.HeilungProzentMax) + QStringLiteral("% Heilung");
            d.ItemGrau[3] = true;
        } else {
            d.Item[3] = u'+' + Zahl(w.Zusatzwirkung) + QStringLiteral("% Wirkung");
            d.Item[4] = kat == 13 ? u'+' + Zahl(w.Treffsicherheit) + QStringLiteral("% Treffsicherheit")
                                  : u'+' + Zahl(w.KritischeTreffer) + QStringLiteral("% Kritische Treffer");
        }
        d.ItemGrau[4] = false;
        d.Item[1] = Zahl(w.Menge) + u' ' + w.Name;
        d.Marktwert[2] = Zahl(int64_t(w.Preis) * w.Menge) + QStringLiteral(" Gold Bausatz");
        d.Marktwert2Sichtbar = true;
        break;
    default: // weapons: 2-6, 14, 15
        d.Item[2] = mitFertigkeit;
        if (w.MinSchaden == KeineAngabe) {
            d.Item[3] = QStringLiteral("k.A., ") + Tempobezeichnung(w.Tempo);
            d.Item[4] = QStringLiteral("ø k.A. Schaden pro Runde");
        } else {
            d.Item[3] = Zahl(w.MinSchaden) + u'-' + Zahl(w.MaxSchaden) + QStringLiteral(", ") +
                        Tempobezeichnung(w.Tempo);
            d.Item[4] = QStringLiteral("ø ") + Zahl(w.SchadenProRunde) + QStringLiteral(" Schaden pro Runde");
        }
        break;
    }
}

void GebaeudeDetails(const TKatalog &k, const TGebaeude &g, TArtikeldetails &d)
{
    d.Layout = TDetailLayout::Gebaeude;
    d.ZutatUeberschrift = QStringLiteral("Bauteile");
    d.HerstellungUeberschrift = QStringLiteral("Vorraussetzungen");
    d.Item[1] = g.Name;
    d.Item[3] = Zahl(g.Strukturpunkte) + QStringLiteral(" Strukturpunkte");
    d.Item[4] = Zahl(g.Unterhalt) + QStringLiteral(" Gold / Tag");
    for (const TZutatenEintrag &b : g.Bauteile)
        if (b.Anzahl > 0 && d.Zutatzeilen < 5)
            d.Zutat[static_cast<size_t>(++d.Zutatzeilen)] = Zutatzeile(b);
    const TGebaeude *voraus = Gebaeude(k, g.Voraussetzung);
    const QString vorausName = voraus ? voraus->Name : QString();
    d.HerstellungSichtbar = {false, true, false, false, false};
    if (g.Art == 1) {
        d.Item[2] = QStringLiteral("Handwerksgebäude, Stufe ") + Zahl(g.Stufe);
        d.Item[3] += QStringLiteral(", ") + Zahl(g.Arbeitsplaetze) + QStringLiteral(" Arbeitsplätze");
        d.Herstellung[1] = QStringLiteral("-keine-");
    } else {
        d.Item[2] = QStringLiteral("Wirtschafts- & Kulturgebäude, Stufe ") + Zahl(g.Stufe);
        if (g.Stadtrecht) {
            d.Herstellung[1] = QStringLiteral("Stadtrecht");
            d.Herstellung[2] = vorausName;
            d.HerstellungSichtbar[2] = voraus != nullptr;
        } else {
            d.Herstellung[1] = voraus ? vorausName : QStringLiteral("-keine-");
        }
    }
}

} // namespace

QString GewichtText(int64_t gramm)
{
    return FestFormatieren(static_cast<double>(gramm) / 1000.0, 3);
}

TArtikeldetails ArtikeldetailsBestimmen(const TKatalog &k, const QString &name)
{
    TArtikeldetails d;
    const TItemRef ref = ItemSuchen(k, name);
    switch (ref.Tabellencode) {
    case TabelleRohstoff:
        if (const TRohstoff *r = Rohstoff(k, ref.Index))
            RohstoffDetails(*r, d);
        break;
    case TabelleZutat:
        if (const TZutat *z = Zutat(k, ref.Index))
            ZutatDetails(*z, d);
        break;
    case TabelleWare:
        if (const TWare *w = Ware(k, ref.Index))
            WareDetails(*w, d);
        break;
    case TabelleGebaeude:
        if (const TGebaeude *g = Gebaeude(k, ref.Index))
            GebaeudeDetails(k, *g, d);
        break;
    default:
        break;
    }
    if (d.Layout != TDetailLayout::Keins)
        d.Marktwert[0] = QStringLiteral("Marktwert");
    return d;
}

} // namespace mvt
