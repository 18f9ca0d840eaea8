#include "routes/StadtlisteDatei.h"

#include "base/Meldung.h"
#include "base/Textdatei.h"

namespace mvt::routen {

TStadtlistenLauf StadtlisteAnwenden(TWeltdaten &welten, const QStringList &zeilen, const QString &neuerStand)
{
    TStadtlistenLauf lauf;
    TGrundgelaende grund{};
    for (size_t i = 0; i < grund.size(); ++i)
        grund[i] = &welten.Welten[i].Grundgelaende;
    TStadtlistenEmpfaenger e;
    e.WeltFertig = [&](TStadtdaten &&d) {
        const auto i = static_cast<size_t>(d.Welt - 1);
        lauf.Staedte[i] = d.Staedte;
        lauf.Aktualisiert[i] = true;
        StadtdatenInstallieren(welten, std::move(d));
    };
    e.Meldung = [&](const QString &m) { lauf.Meldungen << m; };
    lauf.Stand = StadtlisteVerarbeiten(zeilen, grund, e) ? neuerStand : StadtlistenFehlerStand;
    return lauf;
}

std::optional<TStadtlistenLauf> StadtlisteDateiAnwenden(TWeltdaten &welten, const QString &pfad,
                                                        const QString &neuerStand)
{
    QString fehler;
    const std::optional<QByteArray> inhalt = DateiLesen(pfad, &fehler);
    if (!inhalt) {
        MeldungZeigen(fehler);
        return std::nullopt;
    }
    return StadtlisteAnwenden(welten, ZeilenTrennen(TextDekodieren(*inhalt)), neuerStand);
}

} // namespace mvt::routen
