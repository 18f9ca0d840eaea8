// libFuzzer target of the town list processing: any downloaded list gives at most three
// complete worlds whose grids keep their size and whose distances stay in range.
#include "Pruefen.h"
#include "catalogue/Textdatei.h"
#include "online/Stadtliste.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace mvt;
using namespace mvt::online;
using namespace mvt::routen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static const std::array<TGitter, AnzahlWelten> grund{
        TGitter(GitterZellen, Ebene), TGitter(GitterZellen, Ozean), TGitter(GitterZellen, Kueste1)};
    const QStringList zeilen = ZeilenTrennen(
        TextDekodieren(QByteArray(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse))));
    int welten = 0;
    TStadtlistenEmpfaenger e;
    e.WeltFertig = [&](TStadtdaten &&d) {
        ++welten;
        Pruefen(d.Welt == welten);
        Pruefen(d.Gelaende.size() == GitterZellen && d.Stadtabstand.size() == GitterZellen &&
                d.Stadtnamen.size() == GitterZellen);
        int staedte = 0;
        for (size_t i = 0; i < GitterZellen; ++i) {
            const uint8_t a = d.Stadtabstand[i];
            Pruefen(a <= Stadtreichweite || a == KeinStadtabstand);
            staedte += a == 0;
        }
        Pruefen(staedte == d.Staedte);
    };
    e.Meldung = [](const QString &m) { Pruefen(m == MeldungStadtCount); };
    StadtlisteVerarbeiten(zeilen, {&grund[0], &grund[1], &grund[2]}, e);
    Pruefen(welten <= AnzahlWelten);
    const QString stand = zeilen.isEmpty() ? QString() : zeilen.first();
    Pruefen(!StandAnzeigen(stand).isEmpty());
    return 0;
}
