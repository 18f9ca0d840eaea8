// morvaren-cli route: the fastest route between two fields of a world and its order
// variants, as the route tab computes them.
#include "cli/Befehle.h"
#include "base/Meldung.h"

#include "routes/Auftraege.h"
#include "routes/Routensuche.h"
#include "routes/Tour.h"
#include "routes/Welten.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>
#include <optional>

namespace mvt::cli {
namespace {

using namespace routen;

constexpr int Bedienfehler = 2;

QJsonArray PunktJson(Wegpunkt p)
{
    return QJsonArray{p.x, p.y};
}

QJsonArray RouteJson(const Wegpunktliste &route)
{
    QJsonArray a;
    for (const Wegpunkt p : route.Punkte())
        a.append(PunktJson(p));
    return a;
}

std::optional<int> ZahlLesen(const QString &text)
{
    bool ok = false;
    const int wert = text.toInt(&ok);
    return ok ? std::optional<int>(wert) : std::nullopt;
}

// "X,Y" with whole numbers; range checks come later.
std::optional<std::pair<int, int>> PaarLesen(const QString &text)
{
    const QStringList teile = text.split(QLatin1Char(','));
    if (teile.size() != 2)
        return std::nullopt;
    const auto x = ZahlLesen(teile[0].trimmed()), y = ZahlLesen(teile[1].trimmed());
    if (!x || !y)
        return std::nullopt;
    return std::make_pair(*x, *y);
}

Wegpunkt Punkt(std::pair<int, int> p)
{
    return Wegpunkt{static_cast<uint8_t>(p.first), static_cast<uint8_t>(p.second)};
}

// A tour from the start through the stations: the stops in visiting order, each leg's
// route with the chosen number of orders, and the sum of the legs' times.
int Tour(int welt, std::pair<int, int> start, const std::vector<std::pair<int, int>> &stationen,
         bool schnellste, bool rueckkehr, int auftraege, bool richtung)
{
    const int groesse = Weltangaben(welt).Groesse;
    TTourparameter p;
    p.Kartengroesse = groesse;
    p.Schnellste = schnellste;
    p.Rueckkehr = rueckkehr;
    p.Auftraege = auftraege;
    p.DirectionalOptimization = richtung;
    // positions are checked before they are narrowed to the map's bytes
    std::vector<std::pair<int, int>> alle{start};
    alle.insert(alle.end(), stationen.begin(), stationen.end());
    for (const auto &[x, y] : alle)
        if (x < 1 || y < 1 || x > groesse || y > groesse) {
            mvt::cli::FehlerAusgeben(
                QStringLiteral("Fehler: Die Station %1,%2 liegt außerhalb der Karte von %3 (1 bis %4)!")
                    .arg(x)
                    .arg(y)
                    .arg(QLatin1String(Weltangaben(welt).Name))
                    .arg(groesse));
            return Bedienfehler;
        }
    for (const auto &w : alle)
        p.Stationen.push_back(Punkt(w));
    static const uint8_t keineKarte = 0;
    p.Reisekosten = &keineKarte; // checked before the map is read
    if (const std::optional<QString> fehler = TourPruefen(p)) {
        mvt::cli::FehlerAusgeben(*fehler);
        return Bedienfehler;
    }
    auto daten = std::make_unique<TWeltdaten>();
    KartendatenLaden(*daten);
    WeltWechseln(*daten, welt);
    p.Reisekosten = daten->Reisekosten();
    const TTour tour = TourPlanen(p);

    QJsonArray stationenJson, etappenJson;
    for (const Wegpunkt w : tour.Stationen)
        stationenJson.append(PunktJson(w));
    for (const TEtappe &e : tour.Etappen)
        etappenJson.append(QJsonObject{{QStringLiteral("Von"), PunktJson(e.Von)},
                                       {QStringLiteral("Nach"), PunktJson(e.Nach)},
                                       {QStringLiteral("Reisezeit"), static_cast<double>(e.Reisezeit)},
                                       {QStringLiteral("Route"), RouteJson(e.Route(auftraege))}});
    mvt::cli::JsonAusgeben(QJsonObject{{QStringLiteral("Stationen"), stationenJson},
                                       {QStringLiteral("Etappen"), etappenJson},
                                       {QStringLiteral("Reisezeit"), static_cast<double>(tour.Reisezeit)}});
    return 0;
}

int Route(const QStringList &args)
{
    using mvt::cli::FehlerAusgeben;
    const QString aufruf = QStringLiteral(
        "Aufruf: morvaren-cli route --welt N --start X,Y --ziel X,Y [--auftraege K] "
        "[--ohne-richtungsoptimierung]\n"
        "       morvaren-cli route --welt N --start X,Y --station X,Y [--station X,Y ...] "
        "[--reihenfolge fest|schnellste] [--rueckkehr] [--auftraege K] [--ohne-richtungsoptimierung]");
    std::optional<int> welt;
    std::optional<std::pair<int, int>> start, ziel;
    std::vector<std::pair<int, int>> stationen;
    std::optional<bool> schnellste;
    bool rueckkehr = false;
    int auftraege = 10;
    bool richtung = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (a == QLatin1String("--ohne-richtungsoptimierung")) {
            richtung = false;
        } else if (a == QLatin1String("--rueckkehr")) {
            rueckkehr = true;
        } else if (a == QLatin1String("--station") && hatWert) {
            const auto s = PaarLesen(args[++i]);
            if (!s) {
                FehlerAusgeben(QStringLiteral("Fehler: Ungültige Station \"%1\"!").arg(mvt::Zitat(args[i])));
                return Bedienfehler;
            }
            stationen.push_back(*s);
        } else if (a == QLatin1String("--reihenfolge") && hatWert) {
            const QString r = args[++i];
            if (r != QLatin1String("fest") && r != QLatin1String("schnellste")) {
                FehlerAusgeben(
                    QStringLiteral("Fehler: Die Reihenfolge muss \"fest\" oder \"schnellste\" sein!"));
                return Bedienfehler;
            }
            schnellste = r == QLatin1String("schnellste");
        } else if (a == QLatin1String("--welt") && hatWert) {
            welt = ZahlLesen(args[++i]);
            if (!welt || *welt < 1 || *welt > AnzahlWelten) {
                FehlerAusgeben(QStringLiteral(
                    "Fehler: Die Welt muss 1 (Dunladan), 2 (Endurias) oder 3 (Zyrthania) sein!"));
                return Bedienfehler;
            }
        } else if (a == QLatin1String("--start") && hatWert) {
            start = PaarLesen(args[++i]);
            if (!start) {
                FehlerAusgeben(
                    QStringLiteral("Fehler: Ungültige Startkoordinaten \"%1\"!").arg(mvt::Zitat(args[i])));
                return Bedienfehler;
            }
        } else if (a == QLatin1String("--ziel") && hatWert) {
            ziel = PaarLesen(args[++i]);
            if (!ziel) {
                FehlerAusgeben(
                    QStringLiteral("Fehler: Ungültige Zielkoordinaten \"%1\"!").arg(mvt::Zitat(args[i])));
                return Bedienfehler;
            }
        } else if (a == QLatin1String("--auftraege") && hatWert) {
            const auto k = ZahlLesen(args[++i]);
            if (!k || *k < 1 || *k > MaxAuftraege) {
                FehlerAusgeben(
                    QStringLiteral("Fehler: Die Zahl der Aufträge muss zwischen 1 und 100 liegen!"));
                return Bedienfehler;
            }
            auftraege = *k;
        } else {
            FehlerAusgeben(QStringLiteral("Fehler: Unbekanntes Argument \"%1\"!\n").arg(mvt::Zitat(a)) +
                           aufruf);
            return Bedienfehler;
        }
    }
    if (!stationen.empty() || schnellste || rueckkehr) {
        if (stationen.empty()) {
            FehlerAusgeben(
                QStringLiteral("Fehler: --reihenfolge und --rueckkehr gelten nur mit --station!\n") + aufruf);
            return Bedienfehler;
        }
        if (ziel) {
            FehlerAusgeben(
                QStringLiteral("Fehler: Eine Tour hat kein --ziel; ihr Ziel ist die letzte Station!\n") +
                aufruf);
            return Bedienfehler;
        }
        if (!welt || !start) {
            FehlerAusgeben(aufruf);
            return Bedienfehler;
        }
        return Tour(*welt, *start, stationen, schnellste.value_or(false), rueckkehr, auftraege, richtung);
    }
    if (!welt || !start || !ziel) {
        FehlerAusgeben(aufruf);
        return Bedienfehler;
    }
    const int groesse = Weltangaben(*welt).Groesse;
    for (const auto &[x, y] : {*start, *ziel})
        if (x < 1 || y < 1 || x > groesse || y > groesse) {
            FehlerAusgeben(
                QStringLiteral("Fehler: Die Koordinaten %1,%2 liegen außerhalb der Karte von %3 (1 bis %4)!")
                    .arg(x)
                    .arg(y)
                    .arg(QLatin1String(Weltangaben(*welt).Name))
                    .arg(groesse));
            return 1;
        }

    auto daten = std::make_unique<TWeltdaten>();
    KartendatenLaden(*daten);
    WeltWechseln(*daten, *welt);
    const uint8_t *kosten = daten->Reisekosten();
    const Wegpunkt s{static_cast<uint8_t>(start->first), static_cast<uint8_t>(start->second)};
    const Wegpunkt z{static_cast<uint8_t>(ziel->first), static_cast<uint8_t>(ziel->second)};
    const Wegpunktliste suchpfad = RouteSuchen(*daten, s, z, richtung);
    Wegpunktliste zusammengefasst = suchpfad;
    WegpunkteZusammenfassen(kosten, zusammengefasst);
    const TRoutenvarianten varianten = RoutenvariantenBilden(kosten, zusammengefasst);
    const TRoutenauswertung a = RouteAuswerten(kosten, varianten, auftraege);

    QJsonArray variantenJson;
    for (const Wegpunktliste &v : varianten)
        variantenJson.append(RouteJson(v));
    QJsonObject o;
    o.insert(QStringLiteral("Welt"), *welt);
    o.insert(QStringLiteral("Start"), PunktJson(s));
    o.insert(QStringLiteral("Ziel"), PunktJson(z));
    o.insert(QStringLiteral("Suchpfad"), RouteJson(suchpfad));
    o.insert(QStringLiteral("Varianten"), variantenJson);
    o.insert(QStringLiteral("Auftraege"), auftraege);
    o.insert(QStringLiteral("Route"), RouteJson(varianten[static_cast<size_t>(auftraege - 1)]));
    o.insert(QStringLiteral("Reisezeit"), static_cast<double>(a.Reisezeit));
    o.insert(QStringLiteral("Zeitersparnis"), static_cast<double>(a.Zeitersparnis));
    o.insert(QStringLiteral("ZeitersparnisProzent"), static_cast<qint64>(a.ZeitersparnisProzent));
    o.insert(QStringLiteral("Optimalitaet"), static_cast<qint64>(a.Optimalitaet));
    o.insert(QStringLiteral("Felder"), a.Felder);
    o.insert(QStringLiteral("ZeitProFeld"), a.ZeitProFeld);
    o.insert(QStringLiteral("Auftragsanzahl"), a.Auftragsanzahl);
    o.insert(QStringLiteral("OptimaleLaenge"), a.OptimaleLaenge);
    mvt::cli::JsonAusgeben(o);
    return 0;
}

BefehlRegistrierung registrierung("route", Route);

} // namespace
} // namespace mvt::cli
