// Character planner: the equipment slots, the menus of presets and own items, the "+1"
// upgrade rule, the enchantment names and texts, and slot captions. The operations that
// change a slot work on the planner state and are declared in Planer.h.
#pragma once

#include "catalogue/Katalog.h"
#include "planner/Charakter.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace mvt::planer {

// The ten slot buttons.
enum TSlot : int {
    SlotHelm = 0,
    SlotPanzer = 1,
    SlotHose = 2,
    SlotStiefel = 3,
    SlotHandschuhe = 4,
    SlotHauptwaffe = 5,
    SlotNebenwaffe = 6,
    SlotFernkampf = 7,
    SlotMunition = 8,
    SlotZauber = 9,
    AnzahlSlots = 10,
};

// "Helm", "Panzer", ... "Zauber" (the names the command line uses); -1 when unknown.
QString SlotName(TSlot s);
int SlotAusName(const QString &name);

inline const QString NichtsEintrag = QStringLiteral("- nichts -");
inline const QString KeineVerzauberungEintrag = QStringLiteral("- keine -");
inline const QString ZweihaenderBelegt = QStringLiteral("- von Zweihänder belegt -");

// Caption of an empty slot; the ammunition caption depends on the ranged kind.
QString LeerBeschriftung(TSlot s, uint8_t fernkampfArt);

// ---------------------------------------------------------------- menus

enum TMenue : int {
    MenueHelm = 0,
    MenuePanzer,
    MenueHose,
    MenueStiefel,
    MenueHandschuhe,
    MenueHauptwaffe,
    MenueNebenwaffe,
    MenueFernkampf,
    MenuePfeile,
    MenueBolzen,
    MenueEssenzen,
    MenueZauber,
    AnzahlMenues,
};

struct TMenueGruppe {
    QString Titel; // empty for the ammunition menus, which have no groups
    QStringList Eintraege;
};

// Groups in menu order; every menu ends with NichtsEintrag, which is not listed here.
const std::vector<TMenueGruppe> &MenueGruppen(TMenue m);
// The menu a slot opens; the ammunition menu follows the ranged kind (-1: none).
int MenueVonSlot(TSlot s, uint8_t fernkampfArt);
// True for an own entry ("*eigener Leichter Helm*").
bool IstEigenerEintrag(const QString &eintrag);
// Whether a name is an entry (not a group) of the menu.
bool MenueEnthaelt(TMenue m, const QString &eintrag);

// Kind an own entry gives in its slot (armour 1/2, weapon kinds, ranged 1..6; for the
// ammunition 0 = keep the kind); for spells art = element, typ = spell type.
struct TEigenesTeil {
    uint8_t Art = 0;
    uint8_t Typ = 0;
};
std::optional<TEigenesTeil> EigenesTeilArt(TMenue m, const QString &eintrag);
// The own entry a slot of the given kind turns into when a value is typed.
QString EigenerEintragFuerArt(TSlot s, uint8_t art, uint8_t typ = 0);

// Hint of a menu item, empty when it has none (own entries, buffs, unknown names).
QString MenueHinweis(const TKatalog &k, TMenue m, const QString &eintrag);

// Enchantment menu: groups "Treffsicherheit" ... "Leben" with five captions each
// ("des Bettlers (+5 kg Traglast)"); a group with an empty title is a separator.
struct TVerzauberungsGruppe {
    QString Titel;
    int Typ = 0;
    QStringList Eintraege;
};
std::vector<TVerzauberungsGruppe> VerzauberungsMenue();

// ---------------------------------------------------------------- enchantments

// Code of one of the 55 names ("des Wegelagerers"); 0 for any other text.
Verzauberungscode VerzauberungAusName(const QString &name);
// The code of a menu caption: its first two words; "- keine -" gives 0.
Verzauberungscode VerzauberungAusMenue(const QString &beschriftung);
QString VerzauberungsName(Verzauberungscode code);
QString VerzauberungsText(Verzauberungscode code);
// "des Drachen (+15% Leben)"; empty without enchantment.
QString VerzauberungsZeile(Verzauberungscode code);

// ---------------------------------------------------------------- items

// Kit record raised by N upgrade levels.
TWare Aufwerten(const TWare &w, int n);
// Slot kind a catalogue item gives in a slot; 0 when it does not belong there.
uint8_t ArtAusWare(const TWare &w, TSlot s);
// Drops a trailing " +N" (one digit).
QString OhneAufwertung(const QString &name);
// base name [+ " " + enchantment name] [+ " [2H]"] [+ " +" + level].
QString SlotText(const QString &basis, const QString &verzauberung, int stufe);

// Captions of the spell's value fields by spell type: "Heilung:" or "Schaden:",
// "Angr.p.R." (with the duration field shown) or "Angriffe pro Runde".
QString ZauberWertBeschriftung(uint8_t typ);
QString ZauberAngriffeBeschriftung(uint8_t typ);
bool ZauberDauerSichtbar(uint8_t typ);

// ---------------------------------------------------------------- slot display

struct TSlotAnzeige {
    QString Basisname;    // item name or own entry without enchantment and level
    QString Beschriftung; // caption of the slot button
    QString Hinweis;      // hint of the slot button
    int Aufwertung = 0;   // 0 or 1
    bool Sichtbar = true;
    bool Belegt = false;  // holds an item
    bool Eigenes = false; // own item: value fields editable
    TItemRef Item;        // catalogue row of a preset
};

} // namespace mvt::planer
