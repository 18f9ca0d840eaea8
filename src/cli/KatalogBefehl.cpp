// morvaren-cli katalog NAME [--welt N] | katalog --alle [--welt N]; zauber NAME
#include "cli/Befehle.h"

#include "base/Meldung.h"
#include "cli/KatalogJson.h"

#include <QJsonArray>

namespace mvt::cli {
namespace {

int Katalog(const QStringList &argumente)
{
    QStringList args = argumente;
    int welt = 3; // the default options' world
    bool fehlerhaft = false;
    if (const auto wert = OptionNehmen(args, "--welt", &fehlerhaft)) {
        bool ok = false;
        welt = wert->toInt(&ok);
        fehlerhaft = !ok || welt < 1 || welt > 3;
    }
    if (fehlerhaft) {
        FehlerAusgeben(QStringLiteral("Fehler: --welt erwartet 1, 2 oder 3."));
        return 2;
    }
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli katalog NAME [--welt N] | --alle"));
        return 2;
    }
    TKatalog k;
    KatalogFuellen(k);
    WeltvarianteAnwenden(k, welt);
    if (args[0] == QLatin1String("--alle")) {
        QJsonArray alle;
        auto anhaengen = [&](int anzahl, uint8_t code) {
            for (int i = 1; i <= anzahl; ++i)
                alle.append(ItemJson(k, {i, code}));
        };
        anhaengen(AnzahlRohstoffe, TabelleRohstoff);
        anhaengen(AnzahlZutatGueter, TabelleZutat);
        anhaengen(AnzahlWaren, TabelleWare);
        anhaengen(AnzahlTrainingsItems, TabelleTraining);
        anhaengen(AnzahlGebaeude, TabelleGebaeude);
        JsonAusgeben(alle);
        return 0;
    }
    const TItemRef ref = ItemSuchen(k, args[0]);
    if (ref.Tabellencode == TabelleKeine) {
        FehlerAusgeben(QStringLiteral("Fehler: Unbekannter Name: ") + Zitat(args[0]));
        return 1;
    }
    JsonAusgeben(ItemJson(k, ref));
    return 0;
}

int ZauberBefehl(const QStringList &args)
{
    if (args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli zauber NAME"));
        return 2;
    }
    TKatalog k;
    KatalogFuellen(k);
    const int nr = ZauberSuchen(k, args[0]);
    if (nr < 1) {
        FehlerAusgeben(QStringLiteral("Fehler: Unbekannter Name: ") + Zitat(args[0]));
        return 1;
    }
    JsonAusgeben(ZauberJson(k, nr));
    return 0;
}

const BefehlRegistrierung katalog("katalog", Katalog);
const BefehlRegistrierung zauber("zauber", ZauberBefehl);

} // namespace
} // namespace mvt::cli
