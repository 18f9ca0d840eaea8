// morvaren-startprobe: morvaren-tool's own start routine, ended as soon as the main window is
// exposed. Run in an empty working folder: no options file is read, and the program ends
// before the online services start.
#include "Sichtbar.h"
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Programmstart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    mvt::bench::PlattformVorgeben();
    mvt::SchriftenVorladen();
    QApplication app(argc, argv);
    const auto programm = mvt::ProgrammStarten();
    return mvt::bench::BisSichtbarLaufen(*programm->Anwendung->Form1);
}
