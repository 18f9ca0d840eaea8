// Subcommands of morvaren-cli. Each file registers its commands with a static
// BefehlRegistrierung; main dispatches by the first argument.
#pragma once

#include <QJsonDocument>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace mvt::cli {

// Arguments after the subcommand's name; returns the exit code.
using BefehlFunktion = std::function<int(const QStringList &argumente)>;

// fehlercode: the command's exit code for input it cannot read, also used when the memory
// runs out while it works.
struct BefehlRegistrierung {
    BefehlRegistrierung(const char *name, const char *hilfe, BefehlFunktion f, int fehlercode = 1);
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
// German error text on standard error.
void FehlerAusgeben(const QString &text);

} // namespace mvt::cli
