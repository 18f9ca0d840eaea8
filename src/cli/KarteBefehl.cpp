// morvaren-cli karte: the grids and towns of one world as the program loads them.
#include "cli/Befehle.h"

#include "routes/StadtlisteDatei.h"
#include "routes/Welten.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>

namespace mvt::cli {
namespace {

using namespace routen;

// Rows y = 1 .. size, each a list over x = 1 .. size.
QJsonArray GitterJson(const uint8_t *gitter, int groesse)
{
    QJsonArray zeilen;
    for (int y = 1; y <= groesse; ++y) {
        QJsonArray zeile;
        for (int x = 1; x <= groesse; ++x)
            zeile.append(gitter[Zelle(x, y)]);
        zeilen.append(zeile);
    }
    return zeilen;
}

int Karte(const QStringList &argumente)
{
    using mvt::cli::FehlerAusgeben;
    QStringList args = argumente;
    bool fehlerhaft = false;
    const std::optional<QString> stadtliste = mvt::cli::OptionNehmen(args, "--stadtliste", &fehlerhaft);
    bool ok = !fehlerhaft;
    const int welt = ok && args.size() == 2 && args[0] == QLatin1String("--welt") ? args[1].toInt(&ok) : 0;
    if (!ok) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli karte --welt N [--stadtliste DATEI]"));
        return 2;
    }
    if (welt < 1 || welt > AnzahlWelten) {
        FehlerAusgeben(
            QStringLiteral("Fehler: Die Welt muss 1 (Dunladan), 2 (Endurias) oder 3 (Zyrthania) sein!"));
        return 2;
    }
    auto daten = std::make_unique<TWeltdaten>();
    KartendatenLaden(*daten);
    // The world after a town list update from that file (with the stamp of a newer list).
    if (stadtliste && !StadtlisteDateiAnwenden(*daten, *stadtliste, QStringLiteral("9999.12.31.23.59")))
        return 1;
    WeltWechseln(*daten, welt);
    const int n = daten->Kartengroesse;
    const TWeltgitter &g = daten->Aktuell();
    QJsonArray staedte;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            const QString &text = g.Stadtnamen[static_cast<size_t>(Zelle(x, y))];
            if (!text.isEmpty())
                staedte.append(QJsonObject{
                    {QStringLiteral("X"), x}, {QStringLiteral("Y"), y}, {QStringLiteral("Text"), text}});
        }
    QJsonObject o;
    o.insert(QStringLiteral("Welt"), welt);
    o.insert(QStringLiteral("Kartengroesse"), n);
    o.insert(QStringLiteral("Reisekosten"), GitterJson(g.Reisekosten.data(), n));
    o.insert(QStringLiteral("Grundgelaende"), GitterJson(g.Grundgelaende.data(), n));
    o.insert(QStringLiteral("Gelaende"), GitterJson(g.Gelaende.data(), n));
    o.insert(QStringLiteral("Stadtabstand"), GitterJson(g.Stadtabstand.data(), n));
    o.insert(QStringLiteral("Staedte"), staedte);
    mvt::cli::JsonAusgeben(o);
    return 0;
}

BefehlRegistrierung registrierung("karte", Karte);

} // namespace
} // namespace mvt::cli
