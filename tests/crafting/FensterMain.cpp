// Runs the window tests of the crafting calculator, headless.
#include <QApplication>
#include <QTest>

#include <memory>

QObject *DetailanalyseFensterTestErzeugen();
QObject *ExportfensterTestErzeugen();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int fehler = 0;
    for (auto erzeugen : {DetailanalyseFensterTestErzeugen, ExportfensterTestErzeugen}) {
        std::unique_ptr<QObject> test(erzeugen());
        fehler += QTest::qExec(test.get(), argc, argv);
    }
    return fehler == 0 ? 0 : 1;
}
