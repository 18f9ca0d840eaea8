// Subcommands of morvaren-cli. Each file registers its commands with a static
// BefehlRegistrierung; main dispatches by the first argument. A command's help, for
// --help, the manual page and the completion, is its entry in Befehlshilfe.cpp.
#pragma once

#include <QJsonDocument>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace mvt {
struct Kampfauswertung;
}

namespace mvt::cli {

// Arguments after the subcommand's name; returns the exit code.
using BefehlFunktion = std::function<int(const QStringList &argumente)>;

// fehlercode: the command's exit code for input it cannot read, also used when the memory
// runs out while it works.
struct BefehlRegistrierung {
    BefehlRegistrierung(const char *name, BefehlFunktion f, int fehlercode = 1);
};

inline const QString SpeicherFehlerText =
    QStringLiteral("Fehler: Nicht genügend Arbeitsspeicher, um diese Eingabe zu verarbeiten.");
// Standard output refused what was written (a full disk, for example).
inline const QString AusgabeFehlerText =
    QStringLiteral("Fehler: Die Ausgabe konnte nicht vollständig geschrieben werden.");

// Takes "NAME WERT" out of the arguments. nullopt when NAME is absent; when NAME is the
// last argument, *fehlerhaft is set.
std::optional<QString> OptionNehmen(QStringList &args, const char *name, bool *fehlerhaft);

// Prints the value as indented UTF-8 JSON on standard output.
void JsonAusgeben(const QJsonValue &wert);
// Raw UTF-8 bytes on standard output.
void Ausgeben(const QByteArray &text);
// The document of morvaren-cli kampfbericht for one evaluation on standard output;
// archivId > 0 adds the key "ArchivId". False, with the German message already on standard
// error, when standard output refused a byte.
bool KampfberichtAusgeben(const Kampfauswertung &a, qint64 archivId = 0);
// How long a command waits for another program writing the combat archive.
constexpr int ArchivWartezeitMs = 10000;

// German error text on standard error.
void FehlerAusgeben(const QString &text);

} // namespace mvt::cli
