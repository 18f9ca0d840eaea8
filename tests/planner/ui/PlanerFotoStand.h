// What both planner screenshot tools start from: the program in a temporary working folder
// (no real "options.ini" is read or written), its main window shown on the planner page.
#pragma once

#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "planner/ui/CharakterPlanerSeite.h"

#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace mvt::test {

struct TPlanerFotoStand {
    QTemporaryDir Ordner;
    TAnwendung Anwendung;
    TPlanerFotoStand()
    {
        QDir::setCurrent(Ordner.path());
        Anwendung.Beenden = [] {};
        Anwendung.FensterErzeugen();
        Anwendung.Form1->TimerUpdateCheck->stop();
        Anwendung.Form1->move(300, 40);
        Anwendung.Form1->show();
        Anwendung.Form1->PageControl1->setCurrentIndex(TForm1::SeiteCharakterPlaner);
    }
    TForm1 &Haupt() { return *Anwendung.Form1; }
    TCharakterPlanerSeite &Seite() { return *Anwendung.Form1->CharakterPlanerSeite; }
};

} // namespace mvt::test
