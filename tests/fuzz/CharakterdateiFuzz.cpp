// libFuzzer target of the planner's character files: any file content must end with a
// German message and the character unchanged, or with a character whose values are in
// range, never a crash.
#include "Pruefen.h"
#include "planner/Charakterdatei.h"
#include "../planner/PlanerTestKatalog.h"

#include <QByteArray>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>

using namespace mvt;
using namespace mvt::planer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse)));
    if (!doc.isObject())
        return 0;
    TPlaner p;
    PlanerStarten(p);
    const QByteArray vorher = QJsonDocument(CharakterJsonSchreiben(p)).toJson();
    const QString fehler = CharakterJsonLesen(p, Katalog(), doc.object());
    if (!fehler.isEmpty()) {
        Pruefen(fehler.startsWith(QStringLiteral("Fehler: ")));
        Pruefen(QJsonDocument(CharakterJsonSchreiben(p)).toJson() == vorher);
        return 0;
    }
    const TCharakter &c = p.Charakter;
    Pruefen(!p.BerechnungAusgesetzt);
    Pruefen(c.Level >= 1 && c.Level <= MaxLevel);
    Pruefen(c.FreiePunkte >= 0);
    Pruefen(c.AnzahlVerzauberungen <= 8);
    // What was read is written and read again to the same character.
    TPlaner zweiter;
    PlanerStarten(zweiter);
    Pruefen(CharakterJsonLesen(zweiter, Katalog(), CharakterJsonSchreiben(p)).isEmpty());
    return 0;
}
