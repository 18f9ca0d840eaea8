// morvaren-cli bauliste DATEI [--optionen INI]
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "crafting/Analyse.h"
#include "crafting/BaulistenDatei.h"
#include "settings/OptionenDatei.h"

#include <QJsonArray>
#include <QJsonObject>

namespace mvt::cli {
namespace {

QJsonObject ZeileJson(const TKatalog &k, uint8_t art, int32_t index, double menge)
{
    return QJsonObject{{"Name", KnotenName(k, art, index)}, {"Art", art}, {"Index", index}, {"Menge", menge}};
}

QJsonObject AnalyseJson(const TAnalyseErgebnis &a)
{
    return QJsonObject{{"Marktwert", a.Marktwert},
                       {"Verkaufserloes", a.Verkaufserloes},
                       {"Gesamtdauer", a.Gesamtdauer},
                       {"Herstellungskosten", a.Herstellungskosten},
                       {"Schichtanteil", a.Schichtanteil},
                       {"Zutatenanteil", a.Zutatenanteil},
                       {"Gewinn", a.Gewinn},
                       {"GewinnProStunde", a.GewinnProStunde}};
}

int Bauliste(const QStringList &argumente)
{
    QStringList args = argumente;
    bool fehlerhaft = false;
    const QString optionenPfad = OptionNehmen(args, "--optionen", &fehlerhaft).value_or(QString());
    if (fehlerhaft || args.size() != 1) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli bauliste DATEI [--optionen INI]"));
        return 2;
    }

    // The program's start-up order: catalogue, default prices, default options, the
    // options file, then the world variant the options select.
    TKatalog k;
    KatalogFuellen(k);
    TCraftingZustand c;
    CraftingZustandAnlegen(k, c);
    TOptionen optionen;
    StandardOptionenSetzen(optionen);
    TGespeicherteRouten routen;
    double naechstePruefung = 0.0;
    int32_t karte = WeltDunladan;
    if (!optionenPfad.isEmpty())
        OptionenLaden(k, {optionen, c, routen, naechstePruefung, karte}, optionenPfad);
    WeltvarianteAnwenden(k, optionen.BSRWorld);

    if (!BaulisteLaden(k, c.Bauliste, args[0], TLadeArt::Ersetzen))
        return 1;
    AllesNeuBerechnen(k, optionen, c);

    QJsonArray liste;
    for (const TBaulistenKnoten &e : c.Bauliste.Eintraege)
        liste.append(ZeileJson(k, e.Art, e.Index, e.Menge));
    QJsonArray bedarfslisten;
    for (int i = 1; i <= 4; ++i) {
        QJsonArray zeilen;
        for (const TSammelEintrag &z : c.Bedarfsliste(i)->Zeilen)
            zeilen.append(ZeileJson(k, z.Art, z.Index, z.Menge));
        bedarfslisten.append(zeilen);
    }
    QJsonArray analyse;
    for (int modus = 1; modus <= AnzahlModi; ++modus)
        analyse.append(AnalyseJson(c.Analyse[static_cast<size_t>(modus)]));
    JsonAusgeben(QJsonObject{{"Bauliste", liste},
                             {"Bedarfslisten", bedarfslisten},
                             {"Analyse", analyse},
                             {"Forumtext", ForumText(k, c.Bauliste, StandardExportStil())}});
    return 0;
}

const BefehlRegistrierung bauliste("bauliste", "Bauliste laden, durchrechnen und als JSON ausgeben",
                                   Bauliste);

} // namespace
} // namespace mvt::cli
