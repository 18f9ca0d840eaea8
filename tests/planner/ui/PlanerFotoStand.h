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

// The windows may close; the message loop is not ended for that.
struct TOhneEnde : TDienste {
    void Beenden() override {}
};

struct TPlanerFotoStand {
    QTemporaryDir Ordner;
    TAnwendung Anwendung;
    TPlanerFotoStand()
    {
        QDir::setCurrent(Ordner.path());
        Anwendung.Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
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
