// Saves a PNG of the main window as it looks after start-up, with the menu bar:
//     bildschirmfoto ZIEL.png [SEITE]
// Runs in a temporary working folder, so no real "options.ini" is read or written.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: bildschirmfoto ZIEL.png [SEITE]\n");
        return 2;
    }
    const QString ziel = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    QTemporaryDir ordner;
    QDir::setCurrent(ordner.path());

    mvt::TAnwendung anwendung;
    anwendung.Beenden = [] {};
    anwendung.FensterErzeugen();
    anwendung.Form1->TimerUpdateCheck->stop(); // no online services for a picture
    if (argc > 2)
        anwendung.Form1->PageControl1->setCurrentIndex(QString::fromLocal8Bit(argv[2]).toInt());
    anwendung.Form1->show();
    int rc = 1;
    QTimer::singleShot(300, [&] {
        rc = anwendung.Form1->grab().save(ziel, "PNG") ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return rc;
}
