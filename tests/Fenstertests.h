// The main function of a window test executable that runs several Qt Test classes,
// headless unless QT_QPA_PLATFORM says otherwise.
#pragma once

#include <QApplication>
#include <QTest>

#include <initializer_list>
#include <memory>

namespace mvt::test {

using TTestErzeuger = QObject *(*)();

inline int FenstertestsAusfuehren(int argc, char **argv, std::initializer_list<TTestErzeuger> tests)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int fehler = 0;
    for (TTestErzeuger erzeugen : tests) {
        std::unique_ptr<QObject> test(erzeugen());
        fehler += QTest::qExec(test.get(), argc, argv);
    }
    return fehler == 0 ? 0 : 1;
}

} // namespace mvt::test
