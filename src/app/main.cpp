#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hadrik's Morvaren Tool"));
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Hadrik's Morvaren Tool"));
    fenster.setFixedSize(792, 596);
    fenster.show();
    return QApplication::exec();
}
