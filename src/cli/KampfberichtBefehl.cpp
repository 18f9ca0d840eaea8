// morvaren-cli kampfbericht DATEI: evaluates a combat report and prints every fighter
// record with its four phase blocks.
#include "cli/Befehle.h"

#include "catalogue/Katalog.h"
#include "base/Textdatei.h"
#include "combat/Kampfarchiv.h"
#include "combat/Kampfbericht.h"
#include "combat/Kampftabelle.h"
#include "combat/Statistiktext.h"
#include "cli/KampfberichtJson.h"

#include <QFile>

#include <cstdio>

namespace mvt::cli {

bool KampfberichtAusgeben(const Kampfauswertung &a, qint64 archivId)
{
    // Written as a stream onto standard output; a write that fails (a full disk, a closed
    // pipe) must not end as a success with half a document.
    std::fflush(stdout);
    QFile aus;
    if (!aus.open(stdout, QIODevice::WriteOnly) || !KampfberichtJsonSchreiben(a, aus, archivId) ||
        !aus.flush() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        FehlerAusgeben(AusgabeFehlerText);
        return false;
    }
    return true;
}

namespace {

void TextAusgeben(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
}

int Kampfbericht(const QStringList &args)
{
    QStringList dateien = args;
    const bool forum = dateien.removeAll(QStringLiteral("--forum")) > 0;
    bool fehlerhaft = false;
    const std::optional<QString> archiv = OptionNehmen(dateien, "--archiv", &fehlerhaft);
    if (dateien.size() != 1 || fehlerhaft) {
        FehlerAusgeben(QStringLiteral("Aufruf: morvaren-cli kampfbericht DATEI [--forum] [--archiv DB]"));
        return 2;
    }
    QString fehler;
    std::optional<QByteArray> bytes = DateiLesen(dateien[0], &fehler);
    if (!bytes) {
        FehlerAusgeben(fehler);
        return 1;
    }
    TKatalog katalog;
    KatalogFuellen(katalog);
    Kampfauswertung a;
    // The archive stores the text itself; without it the report is read line by line from
    // the file's bytes and is not held a second time as text.
    QString text;
    if (archiv) {
        text = TextDekodieren(*bytes);
        bytes.reset();
        KampfberichtAuswerten(text, a, katalog);
    } else {
        TZeilenleser leser(*bytes);
        QString zeile;
        KampfberichtAuswerten(
            Saettigen(leser.Anzahl()),
            [&](int32_t) {
                if (!leser.Naechste(zeile))
                    zeile.clear();
                return QStringView(zeile);
            },
            a, katalog);
        bytes.reset();
    }
    if (a.AbschlussFehler)
        FehlerAusgeben(AuswertungsfehlerText());
    // A fight that cannot be archived is still shown; the exit code tells the script.
    qint64 archivId = 0;
    int code = 0;
    if (archiv && !a.AbschlussFehler) {
        TKampfarchiv db(*archiv, ArchivWartezeitMs);
        const auto gespeichert = db.Oeffnen() ? db.Speichern(text, a) : std::nullopt;
        if (gespeichert) {
            archivId = gespeichert->Id;
        } else {
            FehlerAusgeben(db.Fehler());
            code = 2;
        }
    }
    text.clear();
    if (forum) {
        // The table as the tab shows it right after the evaluation: list order.
        std::vector<QStringList> zeilen;
        for (const auto &k : a.Kaempfer)
            zeilen.push_back(TabellenZeile(*k));
        TextAusgeben(ForumText(TabellenKopf(), zeilen, a.Runden, a.Fehler));
        return code;
    }
    if (!KampfberichtAusgeben(a, archivId))
        return 1;
    return code;
}

BefehlRegistrierung r("kampfbericht", Kampfbericht);

} // namespace
} // namespace mvt::cli
