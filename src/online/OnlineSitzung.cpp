#include "online/OnlineSitzung.h"

namespace mvt::online {

TOnlineSitzung::TOnlineSitzung(double &naechstePruefung, QObject *eltern)
    : QObject(eltern), m_naechstePruefung(naechstePruefung)
{
}

TOnlineSitzung::~TOnlineSitzung() = default;

void TOnlineSitzung::NaechstePruefungSetzen(double tage)
{
    if (tage == m_naechstePruefung)
        return;
    m_naechstePruefung = tage;
    emit naechstePruefungGeaendert(tage);
}

} // namespace mvt::online
