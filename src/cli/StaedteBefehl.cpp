// morvaren-cli staedte: the towns of a world whose name or owner matches a search text,
// by the rules of the route tab's search field.
#include "cli/Befehle.h"
#include "base/Meldung.h"

#include "routes/Stadtsuche.h"
#include "routes/Welten.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>

namespace mvt::cli {
namespace {

int Staedte(const QStringList &argumente)
{
    using cli::FehlerAusgeben;
    QStringList args = argumente;
    bool fehlerhaft = false;
    const std::optional<QString> weltText = cli::OptionNehmen(args, "--welt", &fehlerhaft);
    if (fehlerhaft || !weltText) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli staedte --welt N [SUCHTEXT]"));
        return 2;
    }
    bool ok = false;
    const int welt = weltText->toInt(&ok);
    if (!ok || welt < 1 || welt > routen::AnzahlWelten) {
        FehlerAusgeben(
            QStringLiteral("Fehler: Die Welt muss 1 (Dunladan), 2 (Endurias) oder 3 (Zyrthania) sein!"));
        return 2;
    }
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--"))) {
            FehlerAusgeben(
                QStringLiteral("Fehler: Unbekanntes Argument \"%1\"!\nAufruf: morvaren-cli staedte "
                               "--welt N [SUCHTEXT]")
                    .arg(Zitat(a)));
            return 2;
        }
    // a text of several words typed without quotes is one search text
    const QString suchtext = args.join(QLatin1Char(' '));
    auto welten = std::make_unique<routen::TWeltdaten>();
    routen::KartendatenLaden(*welten);
    routen::WeltWechseln(*welten, welt);
    QJsonArray a;
    for (const routen::TStadt &s :
         routen::StaedteSuchen(routen::StaedteDerWelt(welten->Aktuell(), welten->Kartengroesse), suchtext))
        a.append(QJsonObject{{QStringLiteral("Name"), s.Name},
                             {QStringLiteral("Besitzer"), s.Besitzer},
                             {QStringLiteral("x"), s.x},
                             {QStringLiteral("y"), s.y}});
    cli::JsonAusgeben(a);
    return 0;
}

BefehlRegistrierung registrierung("staedte", Staedte, 2);

} // namespace
} // namespace mvt::cli
