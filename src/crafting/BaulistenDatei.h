// Build list files ("*.mvt_bl") and the forum export text of the build list.
#pragma once

#include "crafting/Bauliste.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace mvt {

inline const QString BaulistenEndung = QStringLiteral(".mvt_bl");
inline const QString BaulistenStandardname = QStringLiteral("Neue Bauliste.mvt_bl");
constexpr double BaulistenHoechstmenge = 2147483647.0;

// A name followed by values, as in build list lines and the price lines of the options
// file. A blank belongs to the name when "I", "V" or "[" follows it ("Forstanlage IV",
// "Bastardschwert [2H]"); the five two-word bandage names are joined.
struct TNamensZeile {
    QString Name;
    QString Wert1; // up to the next blank
    QString Wert2; // the rest of the line
};
TNamensZeile NamensZeileTeilen(const QString &zeile);

// The chosen path with its extension forced to ".mvt_bl"; a point in a folder name stays.
QString BaulistenEndungErzwingen(const QString &pfad);

// The lines of the file (header and one line per entry).
QStringList BaulistenDateiZeilen(const TKatalog &k, const TBauliste &b);
// Writes the file atomically to exactly this path; a failure is reported and returns false.
bool BaulisteSpeichern(const TKatalog &k, const TBauliste &b, const QString &pfad);

// "Bauliste speichern...": writes to the path the save dialog returned, with the extension
// forced. The dialog asked before overwriting the path it returned; when forcing the
// extension leads onto another file that exists, the player is asked here (FrageStellen).
// False when nothing was written (refused, or the write failed and was reported).
bool BaulisteUnterGewaehltemNamenSpeichern(const TKatalog &k, const TBauliste &b, const QString &gewaehlt);

struct TBaulistenDateiEintrag {
    uint8_t Art = ArtKeine;
    int32_t Index = -1;
    double Menge = 0.0;
};
// Checks and reads the entry lines of a file's text; nullopt with a German reason when any
// line is bad. Empty lines are skipped.
std::optional<std::vector<TBaulistenDateiEintrag>>
BaulistenDateiLesen(const TKatalog &k, const QStringList &zeilen, QString *fehler = nullptr);

enum class TLadeArt {
    Ersetzen,  // "Bauliste laden (ersetzen)..."
    Einfuegen, // "Bauliste laden (einfügen)..."
};
// Loads a file into the list. The whole file is checked first: on any error the list stays
// exactly as it was, the error is reported, and false is returned. The caller then rebuilds
// the view and runs the recomputation.
bool BaulisteLaden(const TKatalog &k, TBauliste &b, const QString &pfad, TLadeArt art);
// The same for entries already read (used by BaulisteLaden).
void BaulistenEintraegeUebernehmen(const TKatalog &k, TBauliste &b,
                                   const std::vector<TBaulistenDateiEintrag> &eintraege, TLadeArt art);

// Style switches of the forum export: [level 1..4][0 "Fett", 1 "Unterstrichen", 2 "Kursiv"].
using TExportStil = std::array<std::array<bool, 3>, 5>;
TExportStil StandardExportStil();
// The export lines: each entry with its tree in BBCode, an empty line after each entry.
QStringList ForumZeilen(const TKatalog &k, const TBauliste &b, const TExportStil &stil);
// The lines joined with line feeds, as the export memo holds them.
QString ForumText(const TKatalog &k, const TBauliste &b, const TExportStil &stil);

} // namespace mvt
