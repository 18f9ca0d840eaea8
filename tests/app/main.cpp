// Runs the window tests of the application shell, headless.
#include <QApplication>
#include <QTest>

#include <memory>

QObject *FensterTestErzeugen();
QObject *JpegBildTestErzeugen();
QObject *OnlineTestErzeugen();
QObject *EinstellungsfensterTestErzeugen();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int fehler = 0;
    std::unique_ptr<QObject> fenster(FensterTestErzeugen());
    fehler += QTest::qExec(fenster.get(), argc, argv);
    std::unique_ptr<QObject> jpeg(JpegBildTestErzeugen());
    fehler += QTest::qExec(jpeg.get(), argc, argv);
    std::unique_ptr<QObject> online(OnlineTestErzeugen());
    fehler += QTest::qExec(online.get(), argc, argv);
    std::unique_ptr<QObject> einstellungen(EinstellungsfensterTestErzeugen());
    fehler += QTest::qExec(einstellungen.get(), argc, argv);
    return fehler == 0 ? 0 : 1;
}
