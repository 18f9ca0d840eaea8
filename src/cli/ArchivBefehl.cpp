// morvaren-cli archiv DB liste|zeigen|verlauf|loeschen: the combat archive from scripts.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "combat/Kampfarchiv.h"
#include "combat/Kampfbericht.h"

#include <QJsonArray>
#include <QJsonObject>

namespace mvt::cli {
namespace {

const QString Aufruf = QStringLiteral("Aufruf: morvaren-cli archiv DB liste [SUCHTEXT] | zeigen ID | "
                                      "verlauf NAME | loeschen ID");

std::optional<qint64> IdLesen(const QString &text)
{
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok || id < 1) {
        FehlerAusgeben(QStringLiteral("Fehler: Ungültige Kampfnummer: ") + text);
        return std::nullopt;
    }
    return id;
}

int Liste(TKampfarchiv &db, const QString &suchtext)
{
    const auto liste = db.Liste();
    if (!liste) {
        FehlerAusgeben(db.Fehler());
        return 2;
    }
    QJsonArray a;
    for (const TArchivkampf &k : KaempfeFiltern(*liste, suchtext))
        a.append(QJsonObject{{"Id", k.Id},
                             {"Zeitpunkt", k.Zeitpunkt},
                             {"Titel", k.Titel},
                             {"Kaempfer", QJsonArray::fromStringList(k.Kaempfer)},
                             {"Runden", k.Runden}});
    JsonAusgeben(a);
    return 0;
}

// What kampfbericht printed for the fight's text: the stored text evaluated again by the
// same code and written by the same function.
int Zeigen(TKampfarchiv &db, qint64 id)
{
    const auto text = db.Text(id);
    if (!text) {
        FehlerAusgeben(db.Fehler());
        return 2;
    }
    TKatalog katalog;
    KatalogFuellen(katalog);
    Kampfauswertung a;
    KampfberichtAuswerten(*text, a, katalog);
    if (a.AbschlussFehler)
        FehlerAusgeben(AuswertungsfehlerText());
    return KampfberichtAusgeben(a) ? 0 : 1;
}

int Verlauf(TKampfarchiv &db, const QString &name)
{
    const auto punkte = db.Verlauf(name);
    if (!punkte) {
        FehlerAusgeben(db.Fehler());
        return 2;
    }
    QJsonArray a;
    for (const TVerlaufspunkt &p : *punkte)
        a.append(QJsonObject{{"Id", p.Id},
                             {"Zeitpunkt", p.Zeitpunkt},
                             {"Schaden", p.Schaden},
                             {"SchadenErhalten", p.SchadenErhalten},
                             {"Heilung", p.Heilung}});
    JsonAusgeben(a);
    return 0;
}

int Archiv(const QStringList &args)
{
    if (args.size() < 2) {
        FehlerAusgeben(Aufruf);
        return 2;
    }
    const QString &befehl = args[1];
    const bool liste = befehl == QLatin1String("liste") && args.size() <= 3;
    const bool mitWert = (befehl == QLatin1String("zeigen") || befehl == QLatin1String("verlauf") ||
                          befehl == QLatin1String("loeschen")) &&
                         args.size() == 3;
    if (!liste && !mitWert) {
        FehlerAusgeben(Aufruf);
        return 2;
    }
    TKampfarchiv db(args[0], ArchivWartezeitMs);
    // Reading never creates an archive.
    if (!db.Oeffnen(false)) {
        FehlerAusgeben(db.Fehler());
        return 2;
    }
    if (liste)
        return Liste(db, args.value(2));
    if (befehl == QLatin1String("verlauf"))
        return Verlauf(db, args[2]);
    const auto id = IdLesen(args[2]);
    if (!id)
        return 2;
    if (befehl == QLatin1String("zeigen"))
        return Zeigen(db, *id);
    if (!db.Loeschen(*id)) {
        FehlerAusgeben(db.Fehler());
        return 2;
    }
    return 0;
}

BefehlRegistrierung r("archiv", Archiv, 2);

} // namespace
} // namespace mvt::cli
