#include "crafting/CraftingSitzung.h"

#include "crafting/Analyse.h"

#include <utility>

namespace mvt {

TCraftingSitzung::TCraftingSitzung(TCraftingZustand &zustand, const TKatalog &katalog,
                                   const TOptionen &optionen, std::function<void()> lagerSpeichern,
                                   QObject *eltern)
    : QObject(eltern), m_zustand(zustand), m_katalog(katalog), m_optionen(optionen),
      m_lagerSpeichern(std::move(lagerSpeichern))
{
}

TCraftingSitzung::~TCraftingSitzung() = default;

void TCraftingSitzung::AllesNeuBerechnen()
{
    // A failed computation leaves the analysis empty, which the tab shows as such.
    mvt::AllesNeuBerechnen(m_katalog, m_optionen, m_zustand);
}

void TCraftingSitzung::BaulisteMelden()
{
    AllesNeuBerechnen();
    emit baulisteGeaendert(m_zustand.Bauliste);
}

void TCraftingSitzung::BaulisteSetzen(const TBauliste &neu)
{
    if (&neu != &m_zustand.Bauliste)
        m_zustand.Bauliste = neu;
    BaulisteMelden();
}

TAenderung TCraftingSitzung::Hinzufuegen(const QString &name, int64_t stueck)
{
    const TAenderung a = ZurBaulisteHinzufuegen(m_katalog, m_zustand.Bauliste, name, stueck);
    if (a != TAenderung::Keine)
        BaulisteMelden();
    return a;
}

TAenderung TCraftingSitzung::MengeFestlegen(const QString &name, int64_t stueck)
{
    const TAenderung a = mvt::MengeFestlegen(m_katalog, m_zustand.Bauliste, name, stueck);
    if (a != TAenderung::Keine)
        BaulisteMelden();
    return a;
}

TAenderung TCraftingSitzung::BausatzAbziehen(const QString &name)
{
    const TAenderung a = mvt::BausatzAbziehen(m_katalog, m_zustand.Bauliste, name);
    if (a != TAenderung::Keine)
        BaulisteMelden();
    return a;
}

bool TCraftingSitzung::EintragEntfernen(uint8_t art, int32_t index)
{
    if (!EintragSuchen(m_zustand.Bauliste, art, index))
        return false;
    EintragLoeschen(m_zustand.Bauliste);
    BaulisteMelden();
    return true;
}

void TCraftingSitzung::PreiseSetzen(const TPreise &neu)
{
    TPreise &preise = m_zustand;
    if (&neu != &preise)
        preise = neu;
    // Also the requirement lists: the crafting world confirmed with the prices may have
    // changed the recipes.
    AllesNeuBerechnen();
    emit preiseGeaendert(m_zustand);
}

std::optional<int32_t> TCraftingSitzung::PreisSetzen(bool verkauf, const QString &name, const QString &text)
{
    const std::optional<int32_t> p = verkauf ? VerkaufspreisSetzen(m_katalog, m_zustand, name, text)
                                             : EinkaufspreisSetzen(m_katalog, m_zustand, name, text);
    if (!p)
        return p;
    // Prices change no requirement list, only the figures.
    BerechneAnalyse(m_katalog, m_optionen, m_zustand);
    emit preiseGeaendert(m_zustand);
    return p;
}

void TCraftingSitzung::GebaeudeSetzen(int art, int32_t stufe, int32_t schichtkosten)
{
    if (art < 1 || art > AnzahlHandwerksgebaeude)
        return;
    TVorhandeneHandwerksgebaeude &h = m_zustand.Handwerksgebaeude[static_cast<size_t>(art)];
    if (h.Stufe == stufe && h.Schichtkosten == schichtkosten)
        return;
    h.Stufe = stufe;
    h.Schichtkosten = schichtkosten;
    BerechneAnalyse(m_katalog, m_optionen, m_zustand);
    emit preiseGeaendert(m_zustand);
}

void TCraftingSitzung::LagerSetzen(const TLager &neu)
{
    if (neu == m_zustand.Lager)
        return;
    m_zustand.Lager = neu;
    if (m_lagerSpeichern)
        m_lagerSpeichern();
    if (m_zustand.LagerBeruecksichtigen)
        AllesNeuBerechnen();
    emit lagerGeaendert(m_zustand.Lager);
}

void TCraftingSitzung::LagerBeruecksichtigenSetzen(bool an)
{
    if (m_zustand.LagerBeruecksichtigen == an)
        return;
    m_zustand.LagerBeruecksichtigen = an;
    AllesNeuBerechnen();
    emit lagerBeruecksichtigenGeaendert(an);
}

void TCraftingSitzung::AnalyseNeuBerechnen()
{
    BerechneAnalyse(m_katalog, m_optionen, m_zustand);
    emit analyseGeaendert(m_zustand);
}

} // namespace mvt
