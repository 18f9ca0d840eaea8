// One application object for all window cases; deliberately never destroyed, as Qt does
// not like to be torn down after main has returned.
#pragma once

#include <QApplication>

namespace mvt::bench {

inline void AnwendungSicherstellen()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "morvaren-bench";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace mvt::bench
