// Shared by the start-up probes: waits in the message loop until a window is exposed on the
// screen, then writes "sichtbar <peak kB> <processor time µs>" to standard output and ends
// the loop.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

#include <sys/resource.h>

namespace mvt::bench {

// Without a window system given, the probe draws offscreen (where every window is exposed
// at once), so that a benchmark run without a display still gets a line.
inline void PlattformVorgeben()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

class TSichtbarMelder : public QObject {
public:
    explicit TSichtbarMelder(QWindow *fenster) : m_fenster(fenster) {}

    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (objekt == m_fenster && ereignis->type() == QEvent::Expose && m_fenster->isExposed())
            Melden();
        return false;
    }
    void Melden()
    {
        if (Gemeldet)
            return;
        Gemeldet = true;
        rusage r{};
        getrusage(RUSAGE_SELF, &r);
        // The peak of this program's own memory: ru_maxrss would keep the peak of the process
        // that forked the probe, which Linux carries over an exec.
        long spitze = r.ru_maxrss;
        if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
            char zeile[256];
            while (std::fgets(zeile, sizeof zeile, status))
                if (std::sscanf(zeile, "VmHWM: %ld", &spitze) == 1)
                    break;
            std::fclose(status);
        }
        const long cpu =
            (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000000L + r.ru_utime.tv_usec + r.ru_stime.tv_usec;
        std::printf("sichtbar %ld %ld\n", spitze, cpu);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    bool Gemeldet = false;

private:
    QWindow *m_fenster;
};

// Runs the message loop of the shown window w until it is exposed; 1 when that does not
// happen within ten seconds or w has no native window.
inline int BisSichtbarLaufen(QWidget &w)
{
    QWindow *fenster = w.windowHandle();
    if (!fenster)
        return 1;
    TSichtbarMelder melder(fenster);
    if (fenster->isExposed())
        melder.Melden();
    else
        fenster->installEventFilter(&melder);
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    const int ergebnis = QCoreApplication::exec();
    fenster->removeEventFilter(&melder);
    return melder.Gemeldet ? ergebnis : 1;
}

} // namespace mvt::bench
