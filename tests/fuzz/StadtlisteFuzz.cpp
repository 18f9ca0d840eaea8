// libFuzzer target of the town list update as the program runs it once both files are
// downloaded: the input's first line is the date file, the rest the list. Checked: a stamp
// of the fixed form or nothing, at most one message, at most three complete worlds whose
// grids keep their size and whose distances stay in range, and a map caption of bounded size.
#include "Pruefen.h"
#include "base/Textdatei.h"
#include "routes/Stadtliste.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace mvt;
using namespace mvt::online;
using namespace mvt::routen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static const std::array<TGitter, AnzahlWelten> grund{
        TGitter(GitterZellen, Ebene), TGitter(GitterZellen, Ozean), TGitter(GitterZellen, Kueste1)};
    static const auto welten = std::make_unique<TWeltdaten>();
    const QByteArray eingabe(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const qsizetype umbruch = eingabe.indexOf('\n');
    const QByteArray datumsdatei = umbruch < 0 ? eingabe : eingabe.left(umbruch);
    const QByteArray liste = umbruch < 0 ? QByteArray() : eingabe.mid(umbruch + 1);

    const std::optional<QString> neu =
        NeuererStand(ZeilenTrennen(TextDekodieren(datumsdatei)), EingebauterStadtlistenStand);
    if (!neu)
        return 0;
    Pruefen(IstStadtlistenStand(*neu) && *neu > EingebauterStadtlistenStand);

    int weltenFertig = 0;
    int meldungen = 0;
    TStadtlistenEmpfaenger e;
    e.WeltFertig = [&](TStadtdaten &&d) {
        ++weltenFertig;
        Pruefen(d.Welt == weltenFertig);
        Pruefen(d.Gelaende.size() == GitterZellen && d.Stadtabstand.size() == GitterZellen &&
                d.Stadtnamen.size() == GitterZellen);
        int staedte = 0;
        for (size_t i = 0; i < GitterZellen; ++i) {
            const uint8_t a = d.Stadtabstand[i];
            Pruefen(a <= Stadtreichweite || a == KeinStadtabstand);
            staedte += a == 0;
        }
        Pruefen(staedte == d.Staedte);
        StadtdatenInstallieren(*welten, std::move(d));
    };
    e.Meldung = [&](const QString &m) {
        ++meldungen;
        Pruefen(m == MeldungStadtCount);
    };
    const bool gelesen =
        StadtlisteVerarbeiten(ZeilenTrennen(TextDekodieren(liste)), {&grund[0], &grund[1], &grund[2]}, e);
    Pruefen(weltenFertig <= AnzahlWelten);
    Pruefen(meldungen <= 1); // each message is a modal box
    const QString stand = gelesen ? *neu : StadtlistenFehlerStand;
    Pruefen(StandAnzeigen(stand).size() <= StadtlistenFehlerStand.size());
    for (const TWeltgitter &w : welten->Welten)
        Pruefen(w.Gelaende.size() == GitterZellen && w.Stadtnamen.size() == GitterZellen);
    return 0;
}
