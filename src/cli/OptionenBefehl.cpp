// morvaren-cli optionen EIN [--ausgabe AUS]
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "settings/OptionenDatei.h"

#include <cstdio>

namespace mvt::cli {
namespace {

// Exit codes: 0 the file was valid, 2 the reader found it invalid (the state it then
// has is still written), 1 wrong call or the output could not be written.
int Optionen(const QStringList &argumente)
{
    QStringList args = argumente;
    bool fehlerhaft = false;
    const QString ausgabe = OptionNehmen(args, "--ausgabe", &fehlerhaft).value_or(QString());
    if (fehlerhaft || args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli optionen EIN [--ausgabe AUS]"));
        return 1;
    }

    TKatalog k;
    KatalogFuellen(k);
    TCraftingZustand c;
    CraftingZustandAnlegen(k, c);
    TOptionen optionen;
    StandardOptionenSetzen(optionen);
    routen::TGespeicherteRouten routen;
    double naechstePruefung = 0.0;
    int32_t karte = routen::WeltDunladan;
    const bool gueltig = OptionenLaden(k, {optionen, c, routen, naechstePruefung, karte}, args[0]);

    const TOptionenQuelle quelle{optionen, c, routen, naechstePruefung, karte};
    if (ausgabe.isEmpty()) {
        // Without an output file the bytes go to standard output.
        QByteArray inhalt;
        for (const QString &z : OptionenZeilen(k, quelle))
            inhalt += Cp1252Kodieren(z) + "\r\n";
        std::fwrite(inhalt.constData(), 1, static_cast<size_t>(inhalt.size()), stdout);
    } else if (!OptionenSpeichern(k, quelle, ausgabe)) {
        return 1;
    }
    return gueltig ? 0 : 2;
}

const BefehlRegistrierung optionen("optionen", Optionen);

} // namespace
} // namespace mvt::cli
