// The route search of the route tab on a worker thread.
#pragma once

#include "routes/Routensuche.h"

#include <QThread>

namespace mvt {

class TRoutenplanerSeite;

// One search on its own copies of the coordinates and options: the field chain, the
// merged orders and the 101 variants. Every window change goes to the window's thread.
class TRoutenPlanungThread : public QThread {
    Q_OBJECT
public:
    TRoutenPlanungThread(TRoutenplanerSeite *seite, routen::TSuchparameter parameter);

protected:
    void run() override;

private:
    TRoutenplanerSeite *m_seite; // only the receiver of queued calls
    routen::TSuchparameter m_parameter;
};

} // namespace mvt
