#include "planner/JsonEingabe.h"

#include "base/Meldung.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mvt::planer::json {

void Fehler(const QString &text)
{
    throw TJsonFehler{QStringLiteral("Fehler: ") + text};
}

void NurSchluessel(const QJsonObject &o, const QStringList &erlaubt, const QString &wo)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!erlaubt.contains(it.key()))
            Fehler(QStringLiteral("Unbekannter Schlüssel \"%1\" in %2.").arg(Zitat(it.key()), wo));
}

QJsonObject Objekt(const QJsonValue &v, const QString &name)
{
    if (!v.isObject())
        Fehler(QStringLiteral("\"%1\" muss ein Objekt sein.").arg(name));
    return v.toObject();
}

double Zahl(const QJsonValue &v, const QString &name)
{
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        Fehler(QStringLiteral("\"%1\" muss eine Zahl sein.").arg(name));
    return v.toDouble();
}

int64_t Ganzzahl(const QJsonValue &v, const QString &name)
{
    const double d = v.isDouble() ? v.toDouble() : std::nan("");
    if (!std::isfinite(d) || d != std::floor(d))
        Fehler(QStringLiteral("\"%1\" muss eine ganze Zahl sein.").arg(name));
    if (d >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (d <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(d);
}

int32_t Ganzzahl32(const QJsonValue &v, const QString &name)
{
    return static_cast<int32_t>(std::clamp<int64_t>(Ganzzahl(v, name), std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool Wahrheitswert(const QJsonValue &v, const QString &name)
{
    if (!v.isBool())
        Fehler(QStringLiteral("\"%1\" muss true oder false sein.").arg(name));
    return v.toBool();
}

QString Text(const QJsonValue &v, const QString &name)
{
    if (!v.isString())
        Fehler(QStringLiteral("\"%1\" muss ein Text sein.").arg(name));
    return v.toString();
}

} // namespace mvt::planer::json
