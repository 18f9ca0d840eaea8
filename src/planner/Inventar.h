// Inventory import: the player copies the game's whole inventory page; this reads the
// world, the equipped items with enchantment and "+1", empty slots and the character's
// name, race, level, life points and experience from it and applies them to the planner.
// The text is untrusted: lines that are not understood are skipped, nothing can crash.
#pragma once

#include "catalogue/Katalog.h"
#include "planner/Charakter.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace mvt::planer {

// Words of one line: separated by blanks and control characters (runs count as one); a
// word that begins with a double quote runs to the closing quote and loses the quotes.
QStringList InventarWoerter(const QString &zeile);

// World of a world word ("Dunladan," 1, "Endurias," 2, "Zyrthania," 3); 0 otherwise.
uint8_t WeltAusWort(const QString &wort);
// Race code of a whole line ("Mensch" 1, "Zwerg" 2, "Gnom" 3, "Elf" 4, "Halbelf" 5); 0 otherwise.
uint8_t RasseAusZeile(const QString &zeile);
QString ImportRassenName(uint8_t rasse); // empty for 0
// Race code of the import to the optimiser window's radio tag (0 for unknown).
int RadioTagAusRasse(uint8_t rasse);

// Where an item of the catalogue goes.
enum class TInventarSlot {
    Keiner,
    Helm,
    Panzer,
    Hose,
    Stiefel,
    Handschuhe,
    Waffe, // main hand, or off hand for the second weapon
    Schild,
    Fernkampf,
    Munition,
};
TInventarSlot SlotAusWare(const TWare &w);

// The slot an empty-slot line names by its first word ("Kopf", "Hand", ...); "Hand" is the
// main hand, the caller moves the second one to the off hand. nullopt for other words.
std::optional<TSlot> LeererSlotAusWort(const QString &wort);
// A line of more than three words ending "kein Gegenstand angelegt.".
bool IstLeerzeile(const QStringList &w);

// Recognises one item line and puts the item into its slot. True when the name is a
// catalogue item (of any table); only kits and training items are equipped.
bool ItemZeileAuswerten(TPlaner &p, const TKatalog &k, const QStringList &w, bool &zweiteHand);

// Inverse of the life-point formula: the Konstitution that gives these life points.
int32_t KonstitutionAusLebenspunkten(int32_t level, int32_t lebenspunkte,
                                     const std::array<Verzauberungscode, 8> &verzauberungen);

struct TInventarErgebnis {
    bool Erfolg = false;
    int GeleseneItems = 0;
    QString Meldung;           // "3 Items gelesen" or "Fehlgeschlagen"
    bool MeldungGruen = false; // green (0, 128, 0) with the 3 s timer; else red, stays
    uint8_t Welt = 0;          // world found, 0 none
    QString Name;              // character's name found, empty when none
    uint8_t Rasse = 0;         // import race code found, 0 none
    std::optional<int32_t> Level;
    std::optional<int64_t> Erfahrung;
    std::optional<int32_t> Lebenspunkte;
    bool NeuerCharakter = false; // attributes were reset (the tab resets the input colours)
};

// The whole import of a pasted page (ButtonInventarAuslesenClick without the clipboard
// and the label): on failure the character stays unchanged.
TInventarErgebnis InventarAuslesen(TPlaner &p, TOptimiererZustand &z, const TKatalog &k, const QString &text);

} // namespace mvt::planer
