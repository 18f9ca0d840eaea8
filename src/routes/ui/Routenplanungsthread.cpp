#include "routes/ui/Routenplanungsthread.h"

#include "routes/Auftraege.h"
#include "routes/ui/Routenplanerseite.h"

#include <QElapsedTimer>

namespace mvt {

using namespace routen;

TRoutenPlanungThread::TRoutenPlanungThread(TRoutenplanerSeite *seite, TSuchparameter parameter)
    : m_seite(seite), m_parameter(std::move(parameter))
{
}

void TRoutenPlanungThread::run()
{
    TRoutenplanerSeite *seite = m_seite;
    QElapsedTimer uhr;
    uhr.start();
    qint64 gezeigt = -1;
    m_parameter.Fortschritt = [&](int64_t position, int64_t maximum) {
        // at most every 30 ms: a queued call per closed field would flood the window
        if (position != gezeigt && (uhr.elapsed() >= 30 || position >= maximum)) {
            uhr.restart();
            gezeigt = position;
            QMetaObject::invokeMethod(
                seite, [seite, position, maximum] { seite->FortschrittZeigen(position, maximum); },
                Qt::QueuedConnection);
        }
    };
    Wegpunktliste route = RouteSuchen(m_parameter);
    WegpunkteZusammenfassen(m_parameter.Reisekosten, route);
    auto varianten =
        std::make_shared<TRoutenvarianten>(RoutenvariantenBilden(m_parameter.Reisekosten, route));
    QMetaObject::invokeMethod(
        seite, [seite, varianten] { seite->SucheBeendet(varianten); }, Qt::QueuedConnection);
}

} // namespace mvt
