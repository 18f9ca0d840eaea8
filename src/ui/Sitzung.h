// The session as the windows see it: the setters a window calls when it changed shared state,
// and the signals every window connects to in its own constructor, with itself as the
// context, so no window needs to know another's controls and a window that is gone is no
// longer called. The program's session (app/Programmsitzung.h) owns the state, applies the
// model's consequences in its setters and then emits; this header knows no model, so every
// subsystem's windows can use it without the layers pointing back.
#pragma once

#include <QObject>

namespace mvt {

class TSitzung : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TSitzung() override;

    // The options were loaded or confirmed: every window takes them.
    void OptionenAnwenden() { emit optionenGeaendert(); }
    // Writes "options.ini" (reports its failures itself).
    virtual void OptionenSpeichern() = 0;
    // The crafting world (BSRWorld) was set: the recipe rules switch, then the windows hear.
    virtual void CraftingweltGeaendert() = 0;
    // The planner's world or potency option (CPWorld, CPCalcPotency) was set.
    void PlanerweltGeaendert() { emit planerweltGeaendert(); }
    // Prices or production buildings changed (settings window, price dialog).
    void PreiseGeaendert() { emit preiseGeaendert(); }
    // The build list was replaced or extended from outside (a loaded file). Without a
    // window to show it, the analysis is recomputed by the session.
    virtual void BaulisteGeaendert() = 0;
    // The stock was edited (window "Lager"): it is saved, then the crafting tab follows.
    virtual void LagerGeaendert() = 0;
    // Grids or zones of the world maps changed (zone options, a new town list).
    void WeltkartenGeaendert() { emit weltkartenGeaendert(); }
    // What the character's values depend on changed (planner world, potency, potencies).
    void CharakterGeaendert() { emit charakterGeaendert(); }

signals:
    void optionenGeaendert();
    void craftingweltGeaendert();
    void planerweltGeaendert();
    void preiseGeaendert();
    void baulisteGeaendert();
    void lagerGeaendert();
    void weltkartenGeaendert();
    void stadtlistenStandGeaendert();
    void charakterGeaendert();
};

} // namespace mvt
