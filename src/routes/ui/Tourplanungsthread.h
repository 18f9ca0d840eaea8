// A tour planned on a worker thread, as the route search of the tab runs.
#pragma once

#include "routes/Tour.h"

#include <QThread>

namespace mvt {

class TRoutenplanerSeite;

// Plans one tour on its own copy of the parameters; the progress (searches done) and the
// result go to the page through its event queue.
class TTourplanungsThread : public QThread {
    Q_OBJECT
public:
    TTourplanungsThread(TRoutenplanerSeite *seite, routen::TTourparameter parameter);

protected:
    void run() override;

private:
    TRoutenplanerSeite *m_seite; // only the receiver of queued calls
    routen::TTourparameter m_parameter;
};

} // namespace mvt
