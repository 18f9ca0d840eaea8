// morvaren-cli bauliste DATEI [--optionen INI]
// morvaren-cli analyse DATEI [--optionen INI] --modus M [--lager LAGERDATEI]
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "base/Zahlen.h"
#include "crafting/Analyse.h"
#include "crafting/BaulistenDatei.h"
#include "crafting/Detailauswertung.h"
#include "crafting/Einkaufsliste.h"
#include "crafting/Lager.h"
#include "settings/OptionenDatei.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <memory>

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

// What both commands work on; on the heap, as the catalogue tables are large.
struct TBaulistenLauf {
    TKatalog k;
    TCraftingZustand c;
    TOptionen optionen;
};

// The program's start-up order: catalogue, default prices, default options, the options
// file, then the world variant the options select; then the list, recomputed. nullptr
// when the file cannot be loaded (the model has reported why).
std::unique_ptr<TBaulistenLauf> BaulisteVorbereiten(const QString &datei, const QString &optionenPfad)
{
    auto lauf = std::make_unique<TBaulistenLauf>();
    TKatalog &k = lauf->k;
    TCraftingZustand &c = lauf->c;
    TOptionen &optionen = lauf->optionen;
    KatalogFuellen(k);
    CraftingZustandAnlegen(k, c);
    StandardOptionenSetzen(optionen);
    routen::TGespeicherteRouten routen;
    double naechstePruefung = 0.0;
    int32_t karte = routen::WeltDunladan;
    if (!optionenPfad.isEmpty())
        OptionenLaden(k, {optionen, c, routen, naechstePruefung, karte}, optionenPfad);
    WeltvarianteAnwenden(k, optionen.BSRWorld);

    if (!BaulisteLaden(k, c.Bauliste, datei, TLadeArt::Ersetzen))
        return nullptr;
    AllesNeuBerechnen(k, optionen, c);
    return lauf;
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
    const auto lauf = BaulisteVorbereiten(args[0], optionenPfad);
    if (!lauf)
        return 1;
    const TKatalog &k = lauf->k;
    const TCraftingZustand &c = lauf->c;

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

template <size_t N> QJsonArray RasterJson(const std::vector<std::array<QString, N>> &zeilen)
{
    QJsonArray raster;
    for (const auto &zeile : zeilen) {
        QJsonArray zellen;
        for (const QString &t : zeile)
            zellen.append(t);
        raster.append(zellen);
    }
    return raster;
}

int AnalyseBefehl(const QStringList &argumente)
{
    QStringList args = argumente;
    bool fehlerhaft = false;
    const QString optionenPfad = OptionNehmen(args, "--optionen", &fehlerhaft).value_or(QString());
    const std::optional<QString> modusText = OptionNehmen(args, "--modus", &fehlerhaft);
    const std::optional<QString> lagerPfad = OptionNehmen(args, "--lager", &fehlerhaft);
    const int32_t modus = modusText ? GanzzahlLesen(*modusText).value_or(0) : 0;
    if (fehlerhaft || args.size() != 1 || modus < 1 || modus > AnzahlModi) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli analyse DATEI [--optionen INI] --modus M "
                                      "[--lager LAGERDATEI] (M = 1 bis 4)"));
        return 2;
    }
    const auto lauf = BaulisteVorbereiten(args[0], optionenPfad);
    if (!lauf)
        return 1;
    const TKatalog &k = lauf->k;
    TCraftingZustand &c = lauf->c;
    if (lagerPfad) {
        // Named on the command line, the stock file must exist.
        QString fehler = QStringLiteral("Die Datei gibt es nicht.");
        const std::optional<TLager> lager =
            QFileInfo::exists(*lagerPfad) ? LagerLaden(k, *lagerPfad, &fehler) : std::nullopt;
        if (!lager) {
            FehlerAusgeben(QStringLiteral("Fehler: Lagerdatei \"%1\": %2").arg(*lagerPfad, fehler));
            return 2;
        }
        c.Lager = *lager;
        c.LagerBeruecksichtigen = true;
        BerechneAnalyse(k, lauf->optionen, c);
    }

    const TDetailanalyse d = DetailanalyseBerechnen(k, lauf->optionen, c, modus);
    QJsonArray zusammenfassung;
    for (const TZusammenfassungsgruppe &g : d.Zusammenfassung)
        zusammenfassung.append(
            QJsonObject{{"Name", g.Name}, {"Anzahl", g.AnzahlText}, {"Kosten", g.KostenText}});
    // Without a stock the list is left empty, so that every other key stays as it was.
    const QJsonArray einkauf = lagerPfad ? RasterJson(EinkaufszeilenTexte(k, c, modus)) : QJsonArray();
    JsonAusgeben(QJsonObject{{"Modus", d.Modus},
                             {"Titel", d.Titel},
                             {"Produkte", RasterJson(d.Produkte)},
                             {"Zwischenprodukte", RasterJson(d.Zwischenprodukte)},
                             {"Zutaten", RasterJson(d.Zutaten)},
                             {"Gewinn", QJsonObject{{"Ueberschrift", d.Gewinn.Ueberschrift},
                                                    {"ProStunde", d.Gewinn.ProStunde},
                                                    {"ProHandwerkstag", d.Gewinn.ProHandwerkstag},
                                                    {"ProHandwerkswoche", d.Gewinn.ProHandwerkswoche}}},
                             {"Zusammenfassung", zusammenfassung},
                             {"Gebaeude", RasterJson(d.Gebaeude)},
                             {"Fertigkeiten", RasterJson(d.Fertigkeiten)},
                             {"Einkaufsliste", einkauf},
                             {"AusDemLager", RasterJson(LagerzeilenTexte(k, c, modus))}});
    return 0;
}

const BefehlRegistrierung bauliste("bauliste", Bauliste);
const BefehlRegistrierung analyse("analyse", AnalyseBefehl);

} // namespace
} // namespace mvt::cli
