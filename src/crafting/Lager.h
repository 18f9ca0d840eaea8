// The player's stock ("Lager"): goods of the catalogue with a count, kept in "lager.mvt_bl"
// beside options.ini in the format of a build list file.
#pragma once

#include "crafting/Bauliste.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace mvt {

inline const QString LagerDateiname = QStringLiteral("lager.mvt_bl");
// Counts are whole pieces up to the largest quantity a build list file holds.
constexpr double LagerHoechstanzahl = 2147483647.0;

// Dense number of a good over the four tables (raw materials, intermediate goods, kits,
// buildings), for tables indexed by good; -1 for anything else.
constexpr int AnzahlGueter = 1 + AnzahlRohstoffe + AnzahlZutatGueter + AnzahlWaren + AnzahlGebaeude;
int GutNummer(uint8_t art, int32_t index);

struct TLagerEintrag {
    uint8_t Art = ArtKeine;
    int32_t Index = -1;
    double Anzahl = 0.0; // whole pieces, at least 1
    bool operator==(const TLagerEintrag &) const = default;
};

// Each good at most once, in the order it was first stored.
struct TLager {
    std::vector<TLagerEintrag> Eintraege;

    bool Leer() const { return Eintraege.empty(); }
    // 0 for a good not in stock.
    double Bestand(uint8_t art, int32_t index) const;
    // Sets a good's count; 0 removes it. A new good goes to the end; no good, nothing.
    void Setzen(uint8_t art, int32_t index, double anzahl);
    bool operator==(const TLager &) const = default;
};

// The lines of the file: the header of a build list file, then "Name Anzahl" per good.
QStringList LagerDateiZeilen(const TKatalog &k, const TLager &lager);
// Writes the file atomically; false with a German reason in *fehler.
bool LagerSpeichern(const TKatalog &k, const TLager &lager, const QString &pfad, QString *fehler = nullptr);
// Reads the lines of a file (the three header lines are not interpreted). nullopt with a
// German reason naming the line for an unknown name or a count that is not a whole
// number from 1 to 2147483647. A good listed twice adds up.
std::optional<TLager> LagerZeilenLesen(const TKatalog &k, const QStringList &zeilen,
                                       QString *fehler = nullptr);
// Loads the file; a file that does not exist is an empty stock.
std::optional<TLager> LagerLaden(const TKatalog &k, const QString &pfad, QString *fehler = nullptr);

// Pasted text: one "Name<Tab>Anzahl" per line, as two columns of a spreadsheet; empty lines
// are skipped, a good listed twice adds up. nullopt with a German reason naming the line.
std::optional<std::vector<TLagerEintrag>> LagerTextLesen(const TKatalog &k, const QString &text,
                                                         QString *fehler = nullptr);
// Pasted goods take the pasted count; the other goods stay as they are.
void LagerUebernehmen(TLager &lager, const std::vector<TLagerEintrag> &eintraege);

} // namespace mvt
