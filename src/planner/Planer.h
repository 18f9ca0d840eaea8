// Character planner: the process-wide planner state and the operations the tab, the
// inventory import and the command line call. Every operation ends, like a user change,
// with the computation and the summary, unless the computation is suspended.
#pragma once

#include "catalogue/Katalog.h"
#include "planner/Ausruestung.h"
#include "planner/Bewertung.h"
#include "planner/Charakter.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace mvt::planer {

// ---------------------------------------------------------------- summary texts

struct TWaffenzeile {
    QString Name;
    QString Schaden;         // "8 - 12"
    QString Tempo;           // "schnell (4 Angriffe)"
    QString Treffsicherheit; // "75.00 %"
    QString KritischeTreffer;
};

struct TKampfspalte {
    bool Sichtbar = true;
    QString Ruestschutz; // "12.0 %"
    QString Absorb;      // "1.2"
    QString Ausweichen;  // "4.00 %"
    QString Behinderung; // "keine" or "12 %"
    bool SchildblockSichtbar = false;
    QString Schildblock; // "10.40 % (26 % Schaden)"
    std::vector<TWaffenzeile> Waffen;
    QString SchadenBeschriftung = QStringLiteral("Schaden"); // "Lebenspunkte" for healing spells
    bool Behindert = false; // encumbrance above 0: the tab shows the marked values in red
};

struct TCharakterAnzeige {
    QString Welt;
    QString LevelUpBei;
    QString Noch;
    QString FreieAttributpunkte;
    bool FreiePunkteHervorgehoben = false; // bold blue when at least one point is free
    QString MaximaleLebenspunkte;
    QString MaximaleTraglast;
    QString Bewegung;
    TKampfspalte Nahkampf;
    TKampfspalte Fernkampf; // Sichtbar false when no usable ranged weapon
};

// ---------------------------------------------------------------- state

struct TPlaner {
    TPlanerOptionen Optionen;
    TCharakter Charakter;
    TAusruestungsArten Arten{};
    TAusruestungsWerte Werte{};
    std::array<TSlotAnzeige, AnzahlSlots> Slots{};
    bool BerechnungAusgesetzt = false;
    TGegnerwerte Gegner;
    TAnsicht Ansicht = TAnsicht::Nahkampf;
    TCharakterAnzeige Anzeige;
    TBewertung Bewertung;
    TCharPlanerInfos Infos;
    // Called after an enchantment changed the attribute floors, in the middle of the
    // operation: whoever keeps the optimiser's inputs (the session's planner part, the
    // command line) adjusts their lower limits and race minimums.
    std::function<void(const TCharakter &)> UntergrenzenGeaendert;
};

// Start state: empty slotAnzeigen, level 1; computes and shows once.
void PlanerStarten(TPlaner &p);

// Both do nothing while BerechnungAusgesetzt is set.
void BerechneEffektiveWerte(TPlaner &p);
void ZeigeCharakter(TPlaner &p);
// Recomputes only the evaluation (an opponent value or the view changed).
void ZeigeBewertung(TPlaner &p);
// BerechneEffektiveWerte then ZeigeCharakter.
void Aktualisieren(TPlaner &p);

// Summary texts from the records; used by ZeigeCharakter.
TCharakterAnzeige CharakterAnzeigeBerechnen(const TAusruestungsArten &arten, const TCharakter &c,
                                            const std::array<TSlotAnzeige, AnzahlSlots> &slotAnzeigen,
                                            const TPlanerOptionen &o);

// The inputs of the tab: each sets the value and computes and shows.
void LevelEingeben(TPlaner &p, int32_t level);         // clamped to 1..999
void ErfahrungEingeben(TPlaner &p, int64_t erfahrung); // cut to the threshold of level 999
void AttributEingeben(TPlaner &p, TAttribut a, int32_t wert);
void AnsichtWaehlen(TPlaner &p, TAnsicht a);
void GegnerSetzen(TPlaner &p, const TGegnerwerte &g);

// ---------------------------------------------------------------- slot operations

// A preset from the slot's menu (Helm .. Fernkampf, Munition). Shift keeps the slot's
// enchantment; without Ctrl the item is upgraded to "+1" (ammunition always is).
// false when the name is not a preset of that menu (the slot stays unchanged).
bool WaehleAusruestung(TPlaner &p, const TKatalog &k, TSlot s, const QString &name, bool shift = false,
                       bool strg = false);
// Steps of a preset choice without modifier keys and without the upgrade, with the given
// enchantment (the inventory import). Any kit or training item fitting the slot counts.
bool SetzeAusruestung(TPlaner &p, const TKatalog &k, TSlot s, const QString &name, Verzauberungscode code);
bool WaehleZauber(TPlaner &p, const TKatalog &k, const QString &name);
// An own entry of the slot's menu ("*eigener Leichter Helm*").
bool WaehleEigenesTeil(TPlaner &p, const TKatalog &k, TSlot s, const QString &eintrag);
void LeereSlot(TPlaner &p, TSlot s);
// The enchantment of the slot's current kind; Helm .. Fernkampf only.
void SetzeVerzauberung(TPlaner &p, TSlot s, Verzauberungscode code);
void SchalteAufwertung(TPlaner &p, const TKatalog &k, TSlot s);
// Any entry of the slot's menu: preset, own entry, spell or "- nichts -".
bool WaehleMenueEintrag(TPlaner &p, const TKatalog &k, TSlot s, const QString &eintrag, bool shift = false,
                        bool strg = false);
// Whether the slot button currently holds an item that can be enchanted (not the
// ammunition, not the spell, not a blocked off hand).
bool Verzauberbar(const TPlaner &p, TSlot s);
// Enchantment code of the slot's current kind.
Verzauberungscode SlotVerzauberung(const TPlaner &p, TSlot s);

// The value fields of the slots.
enum TSlotFeld : int {
    FeldRuestschutz,         // armour, shield
    FeldAbsorb,              // armour
    FeldBehinderung,         // armour
    FeldRuestschutzBeiBlock, // shield
    FeldMinSchaden,          // weapons, bow, crossbow, spell
    FeldMaxSchaden,
    FeldAngriffe,
    FeldDauer,            // spell
    FeldWirkung,          // staff, ammunition
    FeldReichweite,       // staff
    FeldTreffsicherheit,  // ammunition
    FeldKritischeTreffer, // ammunition
};
// A value typed into a field of a slot that holds an item: the slot becomes the own item
// of its kind (caption "*eigener Schwerer Helm*" and so on, level +0). false when the
// slot shows no such field.
bool SetzeSlotwert(TPlaner &p, TSlot s, TSlotFeld feld, double wert);

// The value fields a slot shows (none while it is empty), in field order.
std::vector<TSlotFeld> SlotFelder(const TPlaner &p, TSlot s);
// Digit limits of a field: N before and M after the decimal comma; signed fields keep a
// leading "-" (the ammunition values).
struct TFeldGrenzen {
    int N = 0;
    int M = 0;
    bool Vorzeichen = false;
};
TFeldGrenzen SlotFeldGrenzen(TSlot s, TSlotFeld feld);
// The field's text: whole numbers plainly, decimals with a comma ("4,9").
QString SlotwertText(const TPlaner &p, TSlot s, TSlotFeld feld);
// A typed text: cut to the field's limits; an empty or unreadable text counts as 0.
bool SetzeSlotwertText(TPlaner &p, TSlot s, TSlotFeld feld, const QString &text);

// "Alles löschen": attributes and experience to 0, every slot and the spell emptied.
void AllesLoeschen(TPlaner &p);

} // namespace mvt::planer
