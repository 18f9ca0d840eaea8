// morvaren-cli route: the fastest route between two fields of a world and its order
// variants, as the route tab computes them.
#include "cli/Befehle.h"
#include "base/Meldung.h"

#include "routes/Auftraege.h"
#include "routes/Routensuche.h"
#include "routes/Welten.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>
#include <optional>

namespace {

using namespace mvt::routen;

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

int Route(const QStringList &args)
{
    using mvt::cli::FehlerAusgeben;
    const QString aufruf = QStringLiteral("Aufruf: morvaren-cli route --welt N --start X,Y --ziel X,Y "
                                          "[--auftraege K] [--ohne-richtungsoptimierung]");
    std::optional<int> welt;
    std::optional<std::pair<int, int>> start, ziel;
    int auftraege = 10;
    bool richtung = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (a == QLatin1String("--ohne-richtungsoptimierung")) {
            richtung = false;
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

mvt::cli::BefehlRegistrierung registrierung("route", Route);

} // namespace
