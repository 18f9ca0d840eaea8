// Reading the JSON input of a character (the command line's `planer` input, the tab's
// character files): each reader checks one value and ends the whole read with a German
// message when the value is not what it must be.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace mvt::planer::json {

// Thrown by the readers; Text is the message, beginning "Fehler: ".
struct TJsonFehler {
    QString Text;
};

[[noreturn]] void Fehler(const QString &text);
void NurSchluessel(const QJsonObject &o, const QStringList &erlaubt, const QString &wo);
QJsonObject Objekt(const QJsonValue &v, const QString &name);
double Zahl(const QJsonValue &v, const QString &name);
// A whole number; beyond the 64-bit range it is cut to the range's end.
int64_t Ganzzahl(const QJsonValue &v, const QString &name);
int32_t Ganzzahl32(const QJsonValue &v, const QString &name);
bool Wahrheitswert(const QJsonValue &v, const QString &name);
QString Text(const QJsonValue &v, const QString &name);

} // namespace mvt::planer::json
