#include "combat/Kampftabelle.h"

#include "catalogue/Katalog.h"
#include "base/Zahlen.h"

#include <algorithm>

namespace mvt {

QString ProzentText(double rate)
{
    if (rate == -1.0)
        return QString();
    return FestFormatieren(rate * 100.0, 2) + QStringLiteral(" %");
}

QString EineNachkommastelle(double x)
{
    if (x == -1.0)
        return QString();
    return FestFormatieren(x, 1);
}

QStringList TabellenZeile(const TKaempfer &k)
{
    QStringList zeile;
    zeile.reserve(KampftabelleSpalten);
    for (int s = 0; s < KampftabelleSpalten; ++s)
        zeile << TabellenZelle(k, s);
    return zeile;
}

QString TabellenZelle(const TKaempfer &k, int spalte)
{
    const TKampfstatus &t = k.Status[Gesamt];
    switch (spalte) {
    case 0:
        return k.Name;
    case 1:
        return QString::number(t.Schaden);
    case 2:
        return QString::number(t.Angriffe);
    case 3:
        return EineNachkommastelle(t.SchadenProRunde);
    case 4:
        return ProzentText(t.Trefferquote);
    case 5:
        return ProzentText(t.Kritquote);
    case 6:
        return QString::number(t.BesterTreffer);
    case 7:
        return QString::number(t.Heilung);
    case 8:
        return QString::number(t.SchadenErhalten);
    case 9:
        return QString::number(t.TrefferErhalten);
    case 10:
        return ProzentText(t.Ausweichquote);
    case 11:
        return ProzentText(t.Blockquote);
    case 12:
        return QString::number(t.HeilungErhalten);
    default:
        return QString();
    }
}

namespace {

bool Ganzzahlspalte(int spalte)
{
    return spalte == 1 || spalte == 2 || spalte == 6 || spalte == 7 || spalte == 8 || spalte == 9 ||
           spalte == 12;
}

double Schluessel(const QString &zelle, int spalte)
{
    bool ok = false;
    if (Ganzzahlspalte(spalte)) {
        const int v = zelle.toInt(&ok);
        return ok ? v : -1.0;
    }
    QString t = zelle;
    if (t.endsWith(QLatin1String(" %")))
        t.chop(2);
    const double v = t.toDouble(&ok);
    return ok ? v : -1.0; // an empty cell counts as -1
}

QString Zelle(const QStringList &zeile, int spalte)
{
    return spalte < zeile.size() ? zeile[spalte] : QString();
}

} // namespace

std::vector<size_t> SortierteReihenfolge(size_t n, const std::function<QString(size_t)> &zelle, int spalte,
                                         int zustand)
{
    std::vector<size_t> reihenfolge(n);
    for (size_t i = 0; i < n; ++i)
        reihenfolge[i] = i;
    if (spalte < 0 || spalte >= KampftabelleSpalten)
        return reihenfolge;
    // Keys once per row, then a stable sort, so that rows with equal keys keep their order.
    if (spalte == 0) {
        std::vector<QString> namen(n);
        for (size_t i = 0; i < n; ++i)
            namen[i] = zelle(i);
        std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](size_t a, size_t b) {
            return zustand == 1 ? namen[a] < namen[b] : namen[b] < namen[a];
        });
    } else {
        std::vector<double> k(n);
        for (size_t i = 0; i < n; ++i)
            k[i] = Schluessel(zelle(i), spalte);
        std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                         [&](size_t a, size_t b) { return zustand == 1 ? k[a] > k[b] : k[a] < k[b]; });
    }
    return reihenfolge;
}

void ZeilenSortieren(std::vector<QStringList> &zeilen, int spalte, int zustand)
{
    if (spalte < 0 || spalte >= KampftabelleSpalten)
        return;
    const std::vector<size_t> reihenfolge = SortierteReihenfolge(
        zeilen.size(), [&](size_t i) { return Zelle(zeilen[i], spalte); }, spalte, zustand);
    std::vector<QStringList> sortiert;
    sortiert.reserve(zeilen.size());
    for (size_t i : reihenfolge)
        sortiert.push_back(std::move(zeilen[i]));
    zeilen = std::move(sortiert);
}

QString Genauigkeitswort(int32_t n)
{
    if (n == -1)
        return FehlerName;
    if (n <= 1)
        return QStringLiteral("unzuverlässig");
    if (n <= 3)
        return QStringLiteral("fragwürdig");
    if (n <= 5)
        return QStringLiteral("vage");
    if (n <= 7)
        return QStringLiteral("moderat");
    if (n <= 10)
        return QStringLiteral("brauchbar");
    if (n <= 13)
        return QStringLiteral("zuverlässig");
    if (n <= 16)
        return QStringLiteral("präzise");
    if (n <= 19)
        return QStringLiteral("sehr präzise");
    return QStringLiteral("hochpräzise");
}

QString Geschwindigkeitswort(int32_t s)
{
    switch (s) {
    case 0:
    case -1:
        return FehlerName;
    case 1:
    case 2:
        return QStringLiteral("sehr schnell");
    case 3:
        return QStringLiteral("schnell");
    case 4:
    case 5:
        return QStringLiteral("normal");
    case 6:
        return QStringLiteral("langsam");
    default:
        return QStringLiteral("sehr langsam");
    }
}

QString Angriffstempowort(int32_t s)
{
    if (s >= 1 && s <= 5)
        return QStringLiteral("sehr schnell");
    switch (s) {
    case 6:
        return QStringLiteral("schnell");
    case 8:
        return QStringLiteral("normal");
    case 12:
        return QStringLiteral("langsam");
    case 24:
        return QStringLiteral("sehr langsam");
    default:
        return FehlerName;
    }
}

namespace {

QString VonText(int64_t x, int64_t y)
{
    return QStringLiteral(" (%1 von %2)").arg(x).arg(y);
}

TDetailwert Quote(const char *label, double rate, int64_t x, int64_t y)
{
    if (rate == -1.0)
        return {QString::fromLatin1(label), QStringLiteral("-"), true};
    return {QString::fromLatin1(label), ProzentText(rate) + VonText(x, y), false};
}

TDetailwert Wert(const char *label, const QString &text)
{
    return {QString::fromLatin1(label), text, false};
}

} // namespace

std::vector<TDetailwert> DetailWerte(const TKaempfer &k)
{
    const TKampfstatus &t = k.Status[Gesamt];
    const TKampfstatus &n = k.Status[Nahkampf];
    const TKampfstatus &f = k.Status[Fernkampf];
    using I = int64_t;
    std::vector<TDetailwert> r;
    if (k.Absorb < 0) {
        r.push_back({"LabelAbsorb", "-", true});
        r.push_back({"LabelAbsorbGenauigkeit", "- (0 Werte)", true});
    } else {
        r.push_back(Wert("LabelAbsorb", FestFormatieren(k.Absorb, 1)));
        r.push_back(Wert("LabelAbsorbGenauigkeit",
                         Genauigkeitswort(k.AbsorbWerte) +
                             (k.AbsorbWerte == 1 ? QStringLiteral(" (1 Wert)")
                                                 : QStringLiteral(" (%1 Werte)").arg(k.AbsorbWerte))));
    }
    r.push_back(Quote("LabelAusweichen", k.Ausweichrate, t.AusgewichenErhalten, t.AusweichbarErhalten));
    r.push_back(Quote("LabelTreffsicherheit", k.Treffsicherheit, t.Erfolge, I(t.Erfolge) + t.Fehlschlaege));
    r.push_back(Quote("LabelTreffsicherheitEffektiv", t.TrefferquoteEffektiv, t.ErfolgeEffektiv,
                      I(t.ErfolgeEffektiv) + t.Fehlschlaege));
    r.push_back(Quote("LabelKritTreffer", k.KritRate, t.Kritische, t.Wirkungen));
    if (k.SchrittIntervall == -1)
        r.push_back({"LabelBewegungsrate", "-", true});
    else if (k.SchrittIntervall <= 0) // two steps in one second: no rate to show
        r.push_back(Wert("LabelBewegungsrate", Geschwindigkeitswort(k.SchrittIntervall) + " (- Schritte)"));
    else
        r.push_back(Wert("LabelBewegungsrate", Geschwindigkeitswort(k.SchrittIntervall) + " (" +
                                                   ZahlAllgemein(24.0 / k.SchrittIntervall) + " Schritte)"));
    if (k.ZurueckgelegteFelder < 1)
        r.push_back({"LabelZurueckgelWeg", "0", true});
    else
        r.push_back(Wert("LabelZurueckgelWeg", QString::number(k.ZurueckgelegteFelder) + " Felder"));
    r.push_back(Quote("LabelTreffsicherheitNah", n.Trefferquote, n.Erfolge, I(n.Erfolge) + n.Fehlschlaege));
    r.push_back(Quote("LabelTreffsicherheitNahEffektiv", n.TrefferquoteEffektiv, n.ErfolgeEffektiv,
                      I(n.ErfolgeEffektiv) + n.Fehlschlaege));
    r.push_back(Quote("LabelBlockrate", k.Blockrate, n.BlocksErhalten, n.DirekteTrefferErhalten));
    if (n.Eingesteckt.SumGeblockt < 1)
        r.push_back({"LabelSchildabsorb", "-", true});
    else
        r.push_back(Wert("LabelSchildabsorb", QString::number(n.Eingesteckt.SumGeblockt) + " Schaden"));
    r.push_back(Quote("LabelTreffsicherheitFern", f.Trefferquote, f.Erfolge, I(f.Erfolge) + f.Fehlschlaege));
    r.push_back(Quote("LabelTreffsicherheitFernEffektiv", f.TrefferquoteEffektiv, f.ErfolgeEffektiv,
                      I(f.ErfolgeEffektiv) + f.Fehlschlaege));
    r.push_back(Wert("LabelAusgetSchaden", QString::number(t.Schaden)));
    r.push_back(Wert("LabelAusgetSchadenAngriff", FestFormatieren(t.SchadenProAngriff, 1)));
    r.push_back(Wert("LabelAusgetSchadenTreffer", FestFormatieren(t.SchadenProTreffer, 1)));
    r.push_back(Wert("LabelAusgetSchadenRunde", FestFormatieren(t.SchadenProRunde, 1)));
    r.push_back(
        Wert("LabelAusgetNormSchaden", QString::number(I(t.Ausgeteilt.SumSchaden) + t.Ausgeteilt.SumDOT)));
    r.push_back(Wert("LabelAusgetKritSchaden",
                     QString::number(I(t.Ausgeteilt.SumKritSchaden) + t.Ausgeteilt.SumDOTKrit)));
    r.push_back(Wert("LabelEingestSchaden", QString::number(t.SchadenErhalten)));
    r.push_back(Wert("LabelEingestSchadenAngriff", FestFormatieren(t.SchadenErhaltenProAngriff, 1)));
    r.push_back(Wert("LabelEingestSchadenTreffer", FestFormatieren(t.SchadenErhaltenProTreffer, 1)));
    r.push_back(Wert("LabelEingestSchadenRunde", FestFormatieren(t.SchadenErhaltenProRunde, 1)));
    r.push_back(
        Wert("LabelEingestNormSchaden", QString::number(I(t.Eingesteckt.SumSchaden) + t.Eingesteckt.SumDOT)));
    r.push_back(Wert("LabelEingestKritSchaden",
                     QString::number(I(t.Eingesteckt.SumKritSchaden) + t.Eingesteckt.SumDOTKrit)));
    r.push_back(Wert("LabelKampfUeberlebt", k.Ueberlebt ? "Ja" : "Nein"));
    r.push_back(Wert("LabelFeindeGetoetet", QString::number(k.GetoeteteFeinde)));
    return r;
}

namespace {

QString Spanne(int32_t min, int32_t max)
{
    return QStringLiteral("%1 - %2").arg(min).arg(max);
}

QString Schnitt(int64_t summe, int64_t anzahl)
{
    return anzahl == 0 ? QStringLiteral("0.0") : FestFormatieren(double(summe) / double(anzahl), 1);
}

} // namespace

std::vector<TWaffenzeile> WaffenZeilen(const TEinzelWaffe &w, const TKatalog &katalog)
{
    const int d = w.Darstellung;
    const bool schaden = d <= 5;
    const bool heilung = d >= 6 && d <= 9;
    const bool verzauberung = d == 10 || d == 11;
    const TZauber *z = Zauber(katalog, w.ZauberNr);
    using I = int64_t;
    std::vector<TWaffenzeile> r;

    if (schaden)
        r.push_back(w.MinNormal == -1
                        ? TWaffenzeile{"Normaler Schaden",
                                       "Minimum und Maximum des nicht-kritischen Schades mit der Waffe",
                                       "keine normalen Treffer", true}
                        : TWaffenzeile{"Normaler Schaden",
                                       "Minimum und Maximum des nicht-kritischen Schades mit der Waffe",
                                       Spanne(w.MinNormal, w.MaxNormal), false});
    else if (heilung)
        r.push_back(w.MinNormal == -1
                        ? TWaffenzeile{"Normale Heilungen",
                                       "Minimum und Maximum der nicht-exzellenten Heilungen mit dem Zauber",
                                       "keine normalen Heilungen", true}
                        : TWaffenzeile{"Normale Heilungen",
                                       "Minimum und Maximum der nicht-exzellenten Heilungen mit dem Zauber",
                                       Spanne(w.MinNormal, w.MaxNormal), false});
    else if (verzauberung)
        r.push_back({"Anwendungen", "Anzahl der Anwendungen des Zaubers",
                     QString::number(I(w.AnzNormal) + w.AnzKrit), false});
    else
        r.push_back({FehlerName, QString(), QString(), false});

    if (schaden)
        r.push_back(w.MinKrit == -1 ? TWaffenzeile{"Kritischer Schaden",
                                                   "Minimum und Maximum des kritischen Schades mit der Waffe",
                                                   "keine kritischen Treffer", true}
                                    : TWaffenzeile{"Kritischer Schaden",
                                                   "Minimum und Maximum des kritischen Schades mit der Waffe",
                                                   Spanne(w.MinKrit, w.MaxKrit), false});
    else if (heilung)
        r.push_back(w.MinKrit == -1
                        ? TWaffenzeile{"Exzellente Heilungen",
                                       "Minimum und Maximum der exzellenten Heilungen mit dem Zauber",
                                       "keine exzellenten Heilungen", true}
                        : TWaffenzeile{"Exzellente Heilungen",
                                       "Minimum und Maximum der exzellenten Heilungen mit dem Zauber",
                                       Spanne(w.MinKrit, w.MaxKrit), false});
    else if (verzauberung)
        r.push_back(
            {"Erfolgreich", "Anzahl der erfolgreichen Verzauberungen", QString::number(w.AnzKrit), false});
    else
        r.push_back({FehlerName, QString(), QString(), false});

    if (schaden) {
        if (w.AnzNormal == AndereWaffe) {
            r.push_back({"Gesamtschaden",
                         "Beidhändiger Kampfstil: Der Gesamtschaden beider Waffen befindet sich auf der "
                         "anderen Waffe",
                         "(siehe andere Waffe)", false});
        } else {
            r.push_back({"Gesamtschaden", "Gesamtschaden mit der Waffe",
                         QString::number(I(w.SumNormal) + w.SumKrit), false});
            r.push_back({" - Schnitt",
                         "Durchschnittlicher Schaden eines Treffers (nicht ausgewichen, nicht verfehlt)",
                         Schnitt(I(w.SumNormal) + w.SumKrit, I(w.AnzNormal) + w.AnzKrit), false});
        }
    }
    if (heilung) {
        r.push_back({"Gesamtheilung", "Gesamtheilung mit dem Zauber",
                     QString::number(I(w.SumNormal) + w.SumKrit), false});
        r.push_back({" - Schnitt", "Durchschnittliche Heilungsmenge pro Treffer (nicht misslungen)",
                     Schnitt(I(w.SumNormal) + w.SumKrit, I(w.AnzNormal) + w.AnzKrit), false});
    }
    if (d == 4 || d == 5 || (d >= 8 && d <= 11))
        r.push_back({"Wirkungsdauer", "Wirkungsdauer des Rundenzaubers",
                     QString::number(z ? z->Dauer : -1) + " Runden(n)", false});
    if (d == 3 || d == 5 || d == 7 || d == 9)
        r.push_back({"Wirkungsbereich", "Wirkungsbereich des Massenzaubers",
                     QString::number(z ? z->Felder : -1) + " Felder", false});

    const QString tempoHinweis = QStringLiteral("Angriffsgeschwindigkeit in Angriffen pro Runde");
    if (d == 4 || d == 5) {
        const int32_t angriffe = z ? z->Angriffe : -1;
        r.push_back({"Geschwindigkeit", tempoHinweis,
                     Angriffstempowort(angriffe > 0 ? 24 / angriffe : -1) +
                         QStringLiteral(" (%1 Angriffe)").arg(angriffe),
                     false});
    } else if (w.Intervall <= 0) {
        r.push_back({"Geschwindigkeit", tempoHinweis, "keine Daten", true});
    } else {
        r.push_back({"Geschwindigkeit", tempoHinweis,
                     Angriffstempowort(w.Intervall) + " (" + ZahlAllgemein(24.0 / w.Intervall) + " Angriffe)",
                     false});
    }
    return r;
}

} // namespace mvt
