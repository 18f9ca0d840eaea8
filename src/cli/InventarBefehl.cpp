// morvaren-cli inventar DATEI: reads a saved inventory page (UTF-8, or Windows-1252 when
// it is not valid UTF-8) into a fresh character the way "Inventar auslesen" does and
// prints what was recognised, the slots, the player's message and the character.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "cli/PlanerJson.h"
#include "planner/Inventar.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"

#include <QJsonObject>

namespace mvt::cli {
namespace {

using namespace mvt::planer;

template <typename T> QJsonValue JsonOptional(const std::optional<T> &x)
{
    return x ? QJsonValue(static_cast<qint64>(*x)) : QJsonValue(QJsonValue::Null);
}

int Inventar(const QStringList &args)
{
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli inventar DATEI"));
        return 2;
    }
    QString fehler;
    const std::optional<QByteArray> inhalt = DateiLesen(args[0], &fehler);
    if (!inhalt) {
        FehlerAusgeben(fehler);
        return 1;
    }

    TKatalog k;
    KatalogFuellen(k);
    TPlaner p;
    TOptimiererZustand z;
    p.UntergrenzenGeaendert = [&z](const TCharakter &c) { UntergrenzenAnpassen(z, c); };
    PlanerStarten(p);

    const TInventarErgebnis e = InventarAuslesen(p, z, k, TextDekodieren(*inhalt));

    QJsonObject aus{
        {"Welt", e.Welt != 0 ? QJsonValue(e.Welt) : QJsonValue(QJsonValue::Null)},
        {"Name", e.Name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(e.Name)},
        {"Rasse", e.Rasse != 0 ? QJsonValue(ImportRassenName(e.Rasse)) : QJsonValue(QJsonValue::Null)},
        {"Level", JsonOptional(e.Level)},
        {"Erfahrung", JsonOptional(e.Erfahrung)},
        {"Lebenspunkte", JsonOptional(e.Lebenspunkte)},
        {"Slots", SlotsJson(p)},
        {"Meldung", e.Meldung},
        {"Charakter", CharakterJson(p.Charakter)},
    };
    JsonAusgeben(aus);
    return 0;
}

const BefehlRegistrierung inventar("inventar", Inventar);

} // namespace
} // namespace mvt::cli
