// morvaren-tool: loads the state, creates the ten windows, shows the main window and runs
// the message loop.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Meldungsfenster.h"
#include "app/Programmstart.h"
#include "app/Webseite.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    mvt::AnwendungEinrichten();
    const auto uebersetzung = mvt::QtUebersetzungLaden(mvt::QtUebersetzungsordner());
    mvt::MeldungsfensterInstallieren();

    mvt::TAnwendung anwendung;
    mvt::OnlineDiensteAnbinden(anwendung, mvt::WebseiteHost);
    anwendung.FensterErzeugen();
    anwendung.Form1->show();
    return QApplication::exec();
}
