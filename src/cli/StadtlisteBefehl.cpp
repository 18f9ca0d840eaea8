// morvaren-cli stadtliste: the town list processing on a local file, as if downloaded.
#include "cli/Befehle.h"

#include "routes/Stadtliste.h"
#include "routes/StadtlisteDatei.h"

#include <QJsonArray>
#include <QJsonObject>

namespace mvt::cli {
namespace {

using namespace routen;

int Stadtliste(const QStringList &argumente)
{
    using cli::FehlerAusgeben;
    QStringList args = argumente;
    bool fehlerhaft = false;
    const QString stand =
        cli::OptionNehmen(args, "--stand", &fehlerhaft).value_or(QStringLiteral("9999.12.31.23.59"));
    if (fehlerhaft || args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli stadtliste DATEI [--stand STAND]"));
        return 2;
    }
    auto welten = std::make_unique<routen::TWeltdaten>();
    routen::KartendatenLaden(*welten);
    const std::optional<TStadtlistenLauf> lauf = StadtlisteDateiAnwenden(*welten, args[0], stand);
    if (!lauf)
        return 1;
    QJsonArray weltenJson;
    for (int w = 1; w <= routen::AnzahlWelten; ++w) {
        const auto i = static_cast<size_t>(w - 1);
        weltenJson.append(QJsonObject{{QStringLiteral("Welt"), w},
                                      {QStringLiteral("Staedte"), lauf->Staedte[i]},
                                      {QStringLiteral("Aktualisiert"), lauf->Aktualisiert[i]}});
    }
    cli::JsonAusgeben(
        QJsonObject{{QStringLiteral("Stand"), lauf->Stand},
                    {QStringLiteral("Welten"), weltenJson},
                    {QStringLiteral("Meldungen"), QJsonArray::fromStringList(lauf->Meldungen)}});
    return 0;
}

BefehlRegistrierung registrierung("stadtliste", Stadtliste);

} // namespace
} // namespace mvt::cli
