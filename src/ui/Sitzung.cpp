#include "ui/Sitzung.h"

namespace mvt {

TSitzung::TSitzung(TOptionen &optionen, QObject *eltern) : QObject(eltern), m_optionen(optionen) {}

TSitzung::~TSitzung() = default;

void TSitzung::OptionenSetzen(const TOptionen &neu)
{
    if (&neu != &m_optionen)
        m_optionen = neu;
    OptionenFolgen();
    emit optionenGeaendert(m_optionen);
}

void TSitzung::CraftingweltSetzen(int welt)
{
    m_optionen.BSRWorld = static_cast<uint8_t>(welt);
    OptionenFolgen();
    emit craftingweltGeaendert(welt);
}

void TSitzung::PlanerweltSetzen(int welt, bool wirkungBerechnen)
{
    m_optionen.CPWorld = static_cast<uint8_t>(welt);
    m_optionen.CPCalcPotency = wirkungBerechnen;
    OptionenFolgen();
    emit planerweltGeaendert(welt, wirkungBerechnen);
}

void TSitzung::AktiveSeiteSetzen(int seite)
{
    if (m_optionen.ActivePageIndex == seite)
        return;
    m_optionen.ActivePageIndex = seite;
    emit aktiveSeiteGeaendert(seite);
}

void TSitzung::CraftingWirkungSetzen(bool an)
{
    if (m_optionen.CalcPotency == an)
        return;
    m_optionen.CalcPotency = an;
    emit craftingWirkungGeaendert(an);
}

void TSitzung::WinterlookSetzen(bool an)
{
    if (m_optionen.WinterTheme == an)
        return;
    m_optionen.WinterTheme = an;
    emit winterlookGeaendert(an);
}

} // namespace mvt
