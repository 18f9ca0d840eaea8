// The crafting calculator's part of the session: the one writer of the build list, the
// prices, the production buildings and the stock. Windows read the state as a const
// reference and change it only through the setters below; each stores, recomputes the
// analysis once and then emits a signal that carries what changed, so a window that did
// not make the change still shows it.
#pragma once

#include "crafting/Kostenmodell.h"

#include <QObject>

#include <functional>
#include <optional>

namespace mvt {

class TCraftingSitzung : public QObject {
    Q_OBJECT
public:
    // zustand: the state this part writes (the program's, or a test's); katalog and
    // optionen are read by every recomputation. lagerSpeichern runs after every change of
    // the stock, before any window hears of it (empty: the stock is not saved).
    TCraftingSitzung(TCraftingZustand &zustand, const TKatalog &katalog, const TOptionen &optionen,
                     std::function<void()> lagerSpeichern = {}, QObject *eltern = nullptr);
    ~TCraftingSitzung() override;

    const TCraftingZustand &Zustand() const { return m_zustand; }
    const TKatalog &Katalog() const { return m_katalog; }

    // The whole build list (a loaded file replaced or extended it). Announced at every
    // call: loading a file is a change to the player even when it holds the same list.
    void BaulisteSetzen(const TBauliste &neu);
    // The edits of the crafting tab, by item name; announced only when the list changed.
    TAenderung Hinzufuegen(const QString &name, int64_t stueck);
    TAenderung MengeFestlegen(const QString &name, int64_t stueck);
    TAenderung BausatzAbziehen(const QString &name);
    // Removes the entry of that item; false when it is not in the list.
    bool EintragEntfernen(uint8_t art, int32_t index);

    // All prices and production buildings (settings window, price dialog). Announced at
    // every call: the settings window's Okay confirms them together with options the
    // figures also depend on, and the crafting tab takes them again.
    void PreiseSetzen(const TPreise &neu);
    // One price typed into a row of a cost page (verkauf: the sale price); the stored
    // percentage, or nothing stored and announced for a text that is no price.
    std::optional<int32_t> PreisSetzen(bool verkauf, const QString &name, const QString &text);
    // Level and shift costs of one production building kind 1..14; announced on a change.
    void GebaeudeSetzen(int art, int32_t stufe, int32_t schichtkosten);

    // The stock (window "Lager"): saved and, while it counts, the figures recomputed;
    // announced only when it changed.
    void LagerSetzen(const TLager &neu);
    // "Lager berücksichtigen"; announced only on a change.
    void LagerBeruecksichtigenSetzen(bool an);

    // The analysis again after an option it reads changed (the tab's potency switch):
    // the crafting state itself stays as it is.
    void AnalyseNeuBerechnen();

signals:
    void baulisteGeaendert(const mvt::TBauliste &bauliste);
    void preiseGeaendert(const mvt::TPreise &preise);
    void lagerGeaendert(const mvt::TLager &lager);
    void lagerBeruecksichtigenGeaendert(bool an);
    void analyseGeaendert(const mvt::TCraftingZustand &zustand);

private:
    // Requirement lists, analysis and buildings after the list or the prices changed.
    void AllesNeuBerechnen();
    void BaulisteMelden();

    TCraftingZustand &m_zustand;
    const TKatalog &m_katalog;
    const TOptionen &m_optionen;
    std::function<void()> m_lagerSpeichern;
};

} // namespace mvt
