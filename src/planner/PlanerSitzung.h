// The planner's part of the program's session: the one character of the program and the
// optimiser window's inputs. Windows read both as const references and change them only
// through the setters below; each setter calls the model's operation on the stored record
// (which computes the values once), then emits a signal that carries what changed. The
// program's session (app/Programmsitzung.h) owns it over its state and sets the option
// record whenever the options change; a window tried on its own in a test gets a part
// over a character of the test's.
#pragma once

#include "planner/Charakterdatei.h"
#include "planner/Inventar.h"
#include "planner/Optimierer.h"
#include "planner/Planer.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>

namespace mvt {
struct TKatalog;
}

namespace mvt::planer {

class TPlanerSitzung : public QObject {
    Q_OBJECT
public:
    // planer: the record this part writes (the program state's, or a test's); it must
    // outlive the part. The part hooks itself into the record's floor callback and takes
    // it out again when it goes.
    TPlanerSitzung(TPlaner &planer, const TKatalog &katalog, QObject *eltern = nullptr);
    ~TPlanerSitzung() override;

    const TPlaner &Planer() const { return m_planer; }
    const TOptimiererZustand &Optimierer() const { return m_optimierer; }
    const TKatalog &Katalog() const { return m_katalog; }

    // The option record derived from the program's options (the session's consequence of
    // new options). An unchanged record does nothing; a new one recomputes the character
    // once it was started.
    void OptionenSetzen(const TPlanerOptionen &optionen);

    // Empty slots, level 1, computed (the planner page when it is built).
    void Starten();
    // The values and the evaluation computed again with what they depend on as it is
    // (once started), then reported.
    void Neuberechnen();

    // The inputs of the planner page.
    void LevelSetzen(int32_t level);
    // A level scrolled through quickly: the attributes of the level the scrolling began
    // at come back, and so do the optimiser's saved minimums.
    void LevelGescrolltSetzen(int32_t level, const std::array<int32_t, 4> &attribute);
    void ErfahrungSetzen(int64_t erfahrung);
    void AttributSetzen(TAttribut a, int32_t wert);
    // Melee or ranged; ranged only while a ranged weapon is usable.
    void AnsichtSetzen(TAnsicht ansicht);
    void GegnerSetzen(const TGegnerwerte &gegner);

    // Slots; the two that answer false changed nothing and reported nothing.
    bool MenueEintragWaehlen(TSlot s, const QString &eintrag, bool shift, bool strg);
    void VerzauberungSetzen(TSlot s, Verzauberungscode code);
    void AufwertungUmschalten(TSlot s);
    bool SlotwertTextSetzen(TSlot s, TSlotFeld feld, const QString &text);
    // One slot's entry as a character file gives it (menu entry, upgrade, enchantment,
    // typed values).
    void SlotwahlSetzen(TSlot s, const TSlotwahl &wahl);
    // "Alles löschen": the character emptied, the optimiser's race back to "Leer".
    void AllesLoeschen();

    // A pasted inventory page; on failure the character stays as it was.
    TInventarErgebnis InventarAuslesen(const QString &text);
    // A character file: empty on success, otherwise the German message (nothing changed).
    QString CharakterLaden(const QString &datei);

    // The optimiser window's inputs.
    void MindestwertSetzen(TMindestEingabe eingabe, int32_t wert);
    void RasseWaehlen(int rasse);
    void PrioritaetSetzen(int32_t prioritaet);
    void KampfartSetzen(TKampfart kampfart);
    void GegnerBeruecksichtigenSetzen(bool an);
    // A search on a worker, unless one runs (then nullptr); `ende` runs on the thread of
    // `empfaenger` when it is done and should call OptimierungBeenden.
    TAttributOptimierungThread *OptimierungStarten(QObject *empfaenger,
                                                   std::function<void(const TOptimierungsErgebnis &)> ende,
                                                   TFortschritt fortschritt = {});
    // The search is over: its result is applied when `anwenden` is set.
    void OptimierungBeenden(const TOptimierungsErgebnis &ergebnis, bool anwenden);

signals:
    // The character and what is computed from it.
    void charakterGeaendert(const mvt::planer::TPlaner &planer);
    // Only the evaluation: the view or the opponent changed.
    void bewertungGeaendert(const mvt::planer::TPlaner &planer);
    void optionenGeaendert(const mvt::planer::TPlanerOptionen &optionen);
    void optimiererGeaendert(const mvt::planer::TOptimiererZustand &optimierer);
    // A search began (true) or ended (false; `angewendet` whether its result was taken).
    void optimierungGeaendert(bool laeuft, bool angewendet);

private:
    void CharakterMelden() { emit charakterGeaendert(m_planer); }
    void OptimiererMelden() { emit optimiererGeaendert(m_optimierer); }

    TPlaner &m_planer;
    const TKatalog &m_katalog;
    TOptimiererZustand m_optimierer;
    bool m_gestartet = false;
};

} // namespace mvt::planer
