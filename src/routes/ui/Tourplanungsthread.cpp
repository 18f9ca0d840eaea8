#include "routes/ui/Tourplanungsthread.h"

#include "routes/ui/Routenplanerseite.h"

namespace mvt {

using namespace routen;

TTourplanungsThread::TTourplanungsThread(TRoutenplanerSeite *seite, TTourparameter parameter)
    : m_seite(seite), m_parameter(std::move(parameter))
{
}

void TTourplanungsThread::run()
{
    TRoutenplanerSeite *seite = m_seite;
    m_parameter.Fortschritt = [seite](int64_t position, int64_t maximum) {
        QMetaObject::invokeMethod(
            seite, [seite, position, maximum] { seite->FortschrittZeigen(position, maximum); },
            Qt::QueuedConnection);
    };
    auto tour = std::make_shared<const TTour>(TourPlanen(m_parameter));
    QMetaObject::invokeMethod(
        seite, [seite, tour] { seite->TourBeendet(tour); }, Qt::QueuedConnection);
}

} // namespace mvt
