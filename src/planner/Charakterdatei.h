// Character files: the planner's character as the JSON input of `morvaren-cli planer`
// (world, potency switch, level or experience, slots with upgrade, enchantment and the
// typed values of own items, attributes, opponent, view), so that a saved character can be
// evaluated on the command line and shared. Reading checks the whole file before anything
// is changed: a file that does not parse leaves the character as it was.
#pragma once

#include "catalogue/Katalog.h"
#include "planner/Planer.h"

#include <QJsonObject>
#include <QStringList>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace mvt::planer {

// "Ruestschutz", "Absorb", ... "KritischeTreffer": the key of a value field; -1 when unknown.
QString SlotFeldName(TSlotFeld f);
int SlotFeldAusName(const QString &name);

// One slot's entry of the input: the menu entry, its upgrade (absent: as chosen from the
// menu, "+1" for presets), the modifier Shift, the enchantment name and typed values.
struct TSlotwahl {
    std::optional<QString> Name;
    std::optional<int> Aufwertung;
    bool Shift = false;
    std::optional<QString> Verzauberung; // a name of VerzauberungAusName or "- keine -"
    std::vector<std::pair<TSlotFeld, double>> Werte;
};
// One slot's entry of the input (an object, or for the spell also just its name); nullopt
// with the German message in `fehler` when it is not valid.
std::optional<TSlotwahl> SlotwahlAusJson(TSlot s, const QJsonValue &v, QString *fehler = nullptr);
// Applies one entry as the player would: the menu choice (with Ctrl for "+0"), the upgrade
// when it differs from the requested one, the enchantment, then the typed values.
void SlotwahlAnwenden(TPlaner &p, const TKatalog &k, TSlot s, const TSlotwahl &w);

// The character part of the input, read and checked; throws json::TJsonFehler with the
// German message. `weitere` are the keys the caller reads itself (the command line's
// "Wirkung" and "Optimierung").
struct TCharakterEingabe {
    std::optional<uint8_t> Welt;
    std::optional<bool> WirkungBerechnen;
    TGegnerwerte Gegner;
    std::optional<int32_t> Level; // 1..999
    std::optional<int64_t> Erfahrung;
    std::array<std::vector<TSlotwahl>, AnzahlSlots> Slots{};
    std::array<std::optional<int32_t>, 4> Attribute{};
    std::optional<TAnsicht> Ansicht;
};
TCharakterEingabe CharakterEingabeLesen(const QJsonObject &o, const QStringList &weitere);
// Parts of it the command line's optimiser input uses too.
std::array<std::optional<int32_t>, 4> AttributeLesen(const QJsonValue &v, const QString &wo);
TAnsicht AnsichtLesen(const QJsonValue &v, const QString &wo);

// The character's file content.
QJsonObject CharakterJsonSchreiben(const TPlaner &p);
// Reads a file's content into a fresh character with the file's world, potency switch and
// opponent, keeping the planner's potencies and callbacks. Empty on success, otherwise the
// German message, and `p` is unchanged.
QString CharakterJsonLesen(TPlaner &p, const TKatalog &k, const QJsonObject &o);

// Both with the file: empty on success, otherwise the German message.
QString CharakterdateiSchreiben(const TPlaner &p, const QString &datei);
QString CharakterdateiLesen(TPlaner &p, const TKatalog &k, const QString &datei);

} // namespace mvt::planer
