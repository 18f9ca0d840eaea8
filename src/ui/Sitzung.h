// The session as the windows see it: the options record they read, the setters a window
// calls when it changes shared state, and the signals every window connects to in its own
// constructor, with itself as the context, so no window needs to know another's controls
// and a window that is gone is no longer called.
//
// The options are written here and nowhere else: a window holds them as a const reference
// (Optionen()) and changes them through a setter, which stores the value, has the model's
// consequences applied (OptionenFolgen, overridden by the program's session in
// app/Programmsitzung.h: the crafting world's recipe rules, the planner's option record)
// and then emits a signal that carries the new value. This header knows no subsystem's
// model, only the options record of base/, so every subsystem's windows can use it without
// the layers pointing back. A window tried on its own in a test gets a plain TSitzung over
// an options record of the test's.
#pragma once

#include "base/Optionen.h"

#include <QObject>

namespace mvt {

class TSitzung : public QObject {
    Q_OBJECT
public:
    // optionen: the record this session writes (the program state's, or a test's).
    explicit TSitzung(TOptionen &optionen, QObject *eltern = nullptr);
    ~TSitzung() override;

    const TOptionen &Optionen() const { return m_optionen; }

    // The whole record, confirmed (the settings window's Okay): every window takes it.
    void OptionenSetzen(const TOptionen &neu);
    // The options as they are, once at start when every window exists.
    void OptionenMelden() { emit optionenGeaendert(m_optionen); }
    // The crafting world (BSRWorld): the recipe rules switch, then the windows hear.
    void CraftingweltSetzen(int welt);
    // The planner's world and potency switch (CPWorld, CPCalcPotency).
    void PlanerweltSetzen(int welt, bool wirkungBerechnen);
    // The three below announce only a change: the control that changed them calls them.
    // The page in view in the main window (ActivePageIndex).
    void AktiveSeiteSetzen(int seite);
    // "Wirkung berechnen" of the crafting tab (CalcPotency).
    void CraftingWirkungSetzen(bool an);
    // The winter look of the map (WinterTheme).
    void WinterlookSetzen(bool an);

    // Writes "options.ini" (reports its failures itself).
    virtual void OptionenSpeichern() {}

signals:
    void optionenGeaendert(const mvt::TOptionen &optionen);
    void craftingweltGeaendert(int welt);
    void planerweltGeaendert(int welt, bool wirkungBerechnen);
    void aktiveSeiteGeaendert(int seite);
    void craftingWirkungGeaendert(bool an);
    void winterlookGeaendert(bool an);

protected:
    // The model's consequences of the options just stored, before any window hears of them.
    virtual void OptionenFolgen() {}

private:
    TOptionen &m_optionen;
};

} // namespace mvt
