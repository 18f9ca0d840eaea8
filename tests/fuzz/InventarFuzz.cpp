// libFuzzer target of the inventory import: any pasted page must end with the failure
// message or a count of items, with the computation switched on again, never a crash.
#include "Pruefen.h"
#include "base/Textdatei.h"
#include "planner/Inventar.h"
#include "../planner/PlanerTestKatalog.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace mvt;
using namespace mvt::planer;

namespace {

void PruefeErgebnis(const TPlaner &p, const TInventarErgebnis &e)
{
    Pruefen(!p.BerechnungAusgesetzt);
    if (e.Erfolg)
        Pruefen(e.Meldung == QString::number(e.GeleseneItems) + QStringLiteral(" Items gelesen"));
    else
        Pruefen(e.Meldung == QStringLiteral("Fehlgeschlagen"));
    const TCharakter &c = p.Charakter;
    Pruefen(c.Level >= 1 && c.Level <= MaxLevel);
    Pruefen(c.FreiePunkte >= 0);
    Pruefen(c.AnzahlVerzauberungen <= 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QString text = TextDekodieren(
        QByteArray::fromRawData(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse)));
    TPlaner p;
    TOptimiererZustand z;
    p.UntergrenzenGeaendert = [&z](const TCharakter &c) { UntergrenzenAnpassen(z, c); };
    PlanerStarten(p);
    // The same page twice: the second import meets a known character.
    for (int i = 0; i < 2; ++i)
        PruefeErgebnis(p, InventarAuslesen(p, z, Katalog(), text));
    return 0;
}
