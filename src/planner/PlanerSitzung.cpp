#include "planner/PlanerSitzung.h"

#include "catalogue/Katalog.h"

#include <algorithm>

namespace mvt::planer {

TPlanerSitzung::TPlanerSitzung(TPlaner &planer, const TKatalog &katalog, QObject *eltern)
    : QObject(eltern), m_planer(planer), m_katalog(katalog)
{
    // An enchantment that moves a floor moves the optimiser's lower limits at once, in the
    // middle of the operation, as the later steps of an import expect.
    m_planer.UntergrenzenGeaendert = [this](const TCharakter &c) { UntergrenzenAnpassen(m_optimierer, c); };
}

TPlanerSitzung::~TPlanerSitzung()
{
    // The record outlives the part; its callback must not reach a part that is gone.
    m_planer.UntergrenzenGeaendert = nullptr;
}

void TPlanerSitzung::OptionenSetzen(const TPlanerOptionen &optionen)
{
    if (optionen.Welt == m_planer.Optionen.Welt &&
        optionen.WirkungBerechnen == m_planer.Optionen.WirkungBerechnen &&
        optionen.Wirkung == m_planer.Optionen.Wirkung)
        return;
    m_planer.Optionen = optionen;
    if (m_gestartet)
        Aktualisieren(m_planer);
    emit optionenGeaendert(m_planer.Optionen);
    if (m_gestartet)
        CharakterMelden();
}

void TPlanerSitzung::Starten()
{
    PlanerStarten(m_planer);
    m_gestartet = true;
    CharakterMelden();
}

void TPlanerSitzung::Neuberechnen()
{
    // A character not started yet is computed when it starts.
    if (m_gestartet)
        Aktualisieren(m_planer);
    CharakterMelden();
}

void TPlanerSitzung::LevelSetzen(int32_t level)
{
    TCharakter &c = m_planer.Charakter;
    SetzeLevel(c, std::clamp(level, 1, MaxLevel), m_planer.Optionen.Welt);
    GleicheMindestwerteAb(m_optimierer, c, false);
    Aktualisieren(m_planer);
    CharakterMelden();
}

void TPlanerSitzung::LevelGescrolltSetzen(int32_t level, const std::array<int32_t, 4> &attribute)
{
    TCharakter &c = m_planer.Charakter;
    SetzeLevel(c, std::clamp(level, 1, MaxLevel), m_planer.Optionen.Welt);
    for (int i = 0; i < 4; ++i)
        SetzeAttribut(c, static_cast<TAttribut>(i), attribute[static_cast<size_t>(i)]);
    GleicheMindestwerteAb(m_optimierer, c, true);
    Aktualisieren(m_planer);
    CharakterMelden();
}

void TPlanerSitzung::ErfahrungSetzen(int64_t erfahrung)
{
    ErfahrungEingeben(m_planer, erfahrung);
    CharakterMelden();
}

void TPlanerSitzung::AttributSetzen(TAttribut a, int32_t wert)
{
    AttributEingeben(m_planer, a, wert);
    CharakterMelden();
}

void TPlanerSitzung::AnsichtSetzen(TAnsicht ansicht)
{
    AnsichtWaehlen(m_planer, ansicht);
    emit bewertungGeaendert(m_planer);
}

void TPlanerSitzung::GegnerSetzen(const TGegnerwerte &gegner)
{
    planer::GegnerSetzen(m_planer, gegner);
    emit bewertungGeaendert(m_planer);
}

bool TPlanerSitzung::MenueEintragWaehlen(TSlot s, const QString &eintrag, bool shift, bool strg)
{
    if (!WaehleMenueEintrag(m_planer, m_katalog, s, eintrag, shift, strg))
        return false;
    CharakterMelden();
    return true;
}

void TPlanerSitzung::VerzauberungSetzen(TSlot s, Verzauberungscode code)
{
    if (!Verzauberbar(m_planer, s))
        return;
    SetzeVerzauberung(m_planer, s, code);
    CharakterMelden();
}

void TPlanerSitzung::AufwertungUmschalten(TSlot s)
{
    SchalteAufwertung(m_planer, m_katalog, s);
    CharakterMelden();
}

bool TPlanerSitzung::SlotwertTextSetzen(TSlot s, TSlotFeld feld, const QString &text)
{
    if (!SetzeSlotwertText(m_planer, s, feld, text))
        return false;
    CharakterMelden();
    return true;
}

void TPlanerSitzung::SlotwahlSetzen(TSlot s, const TSlotwahl &wahl)
{
    SlotwahlAnwenden(m_planer, m_katalog, s, wahl);
    CharakterMelden();
}

void TPlanerSitzung::AllesLoeschen()
{
    planer::AllesLoeschen(m_planer);
    // "Frei" first, so that the action of "Leer" always runs.
    planer::RasseWaehlen(m_optimierer, m_planer.Charakter, RasseFrei);
    planer::RasseWaehlen(m_optimierer, m_planer.Charakter, RasseLeer);
    CharakterMelden();
}

TInventarErgebnis TPlanerSitzung::InventarAuslesen(const QString &text)
{
    const TInventarErgebnis r = planer::InventarAuslesen(m_planer, m_optimierer, m_katalog, text);
    CharakterMelden();
    return r;
}

QString TPlanerSitzung::CharakterLaden(const QString &datei)
{
    const QString fehler = CharakterdateiLesen(m_planer, m_katalog, datei);
    if (!fehler.isEmpty())
        return fehler;
    GleicheMindestwerteAb(m_optimierer, m_planer.Charakter, false);
    CharakterMelden();
    return QString();
}

void TPlanerSitzung::MindestwertSetzen(TMindestEingabe eingabe, int32_t wert)
{
    MindestwertGeaendert(m_optimierer, m_planer.Charakter, eingabe, wert);
    OptimiererMelden();
}

void TPlanerSitzung::RasseWaehlen(int rasse)
{
    planer::RasseWaehlen(m_optimierer, m_planer.Charakter, rasse);
    OptimiererMelden();
}

void TPlanerSitzung::PrioritaetSetzen(int32_t prioritaet)
{
    if (m_optimierer.Prioritaet == prioritaet)
        return;
    m_optimierer.Prioritaet = prioritaet;
    OptimiererMelden();
}

void TPlanerSitzung::KampfartSetzen(TKampfart kampfart)
{
    if (m_optimierer.Kampfart == kampfart)
        return;
    m_optimierer.Kampfart = kampfart;
    OptimiererMelden();
}

void TPlanerSitzung::GegnerBeruecksichtigenSetzen(bool an)
{
    if (m_optimierer.GegnerBeruecksichtigen == an)
        return;
    m_optimierer.GegnerBeruecksichtigen = an;
    OptimiererMelden();
}

TAttributOptimierungThread *TPlanerSitzung::OptimierungStarten(
    QObject *empfaenger, std::function<void(const TOptimierungsErgebnis &)> ende, TFortschritt fortschritt)
{
    if (m_optimierer.OptimierungLaeuft)
        return nullptr;
    const TOptimierungsAuftrag auftrag = OptimierungVorbereiten(m_planer, m_optimierer);
    TAttributOptimierungThread *t =
        StarteOptimierung(m_optimierer, auftrag, empfaenger, std::move(ende), std::move(fortschritt));
    // The warning of this start is shown either way.
    OptimiererMelden();
    if (t)
        emit optimierungGeaendert(true, false);
    return t;
}

void TPlanerSitzung::OptimierungBeenden(const TOptimierungsErgebnis &ergebnis, bool anwenden)
{
    if (anwenden)
        OptimierungsErgebnisAnwenden(m_planer, m_optimierer, ergebnis);
    else
        m_optimierer.OptimierungLaeuft = false;
    CharakterMelden();
    emit optimierungGeaendert(false, anwenden);
}

} // namespace mvt::planer
