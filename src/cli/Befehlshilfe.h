// The help of every subcommand of morvaren-cli, in one table: `morvaren-cli BEFEHL --help`
// prints it, and the build makes the manual page's section BEFEHLE and the bash completion's
// word lists from it (paket/handbuch), so that the three cannot drift apart.
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace mvt::cli {

// What the shell completion offers for an argument or an option's value.
enum class TErgaenzung : uint8_t {
    Keine,  // free text: nothing offered
    Datei,  // file names
    Woerter // the words of THilfeEintrag::Woerter
};

// An argument (Name a placeholder such as "DATEI", Wert empty) or an option ("--welt" with
// Wert "N"; Wert empty for a switch).
struct THilfeEintrag {
    const char *Name;
    const char *Wert;
    const char *Text;
    TErgaenzung Ergaenzung = TErgaenzung::Keine;
    const char *Woerter = ""; // separated by spaces
};

struct TBefehlshilfe {
    const char *Name;
    const char *Kurz;                  // one line for the overview of `morvaren-cli --help`
    std::vector<const char *> Aufrufe; // what follows "morvaren-cli NAME", one line each
    std::vector<THilfeEintrag> Argumente;
    std::vector<THilfeEintrag> Optionen; // HilfeOption is added by the printers
    const char *Beschreibung;            // paragraphs separated by an empty line
    const char *Ausgabe;                 // what goes to standard output, JSON keys in short
    std::vector<std::pair<int, const char *>> Exitstatus;
};

// "--help", which every subcommand takes.
extern const THilfeEintrag HilfeOption;

// Every subcommand, ordered by name.
const std::vector<TBefehlshilfe> &Befehlshilfen();
// nullptr when NAME has no entry.
const TBefehlshilfe *BefehlshilfeSuchen(std::string_view name);

// The text of `morvaren-cli NAME --help`, lines of at most 79 columns.
QString HilfeText(const TBefehlshilfe &h);
// "TEXT" broken into lines of at most `breite` columns, each after `einzug` spaces.
QString Umbrechen(const QString &text, int einzug, int breite = 79);

} // namespace mvt::cli
