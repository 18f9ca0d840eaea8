// morvaren-tool: loads the state, creates the windows, shows the main window and runs the
// message loop.
#include "app/Programmstart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    mvt::SchriftenVorladen();
    QApplication app(argc, argv);
    const auto programm = mvt::ProgrammStarten();
    return QApplication::exec();
}
