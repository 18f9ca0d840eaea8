#include "base/Nebenher.h"

#include <cerrno>

#include <sys/resource.h>
#include <unistd.h>

namespace mvt {

void ThreadNachrangigMachen()
{
    // On Linux a thread's nice value is its own: PRIO_PROCESS with the thread's id.
    const auto tid = static_cast<id_t>(gettid());
    errno = 0;
    const int jetzt = getpriority(PRIO_PROCESS, tid);
    if (errno == 0)
        setpriority(PRIO_PROCESS, tid, jetzt + 10);
}

} // namespace mvt
