// The one QApplication of the benchmark cases that need windows, offscreen.
#pragma once

#include <QApplication>

// One application object for all cases; deliberately never destroyed, as Qt does not
// like to be torn down after main has returned.
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
