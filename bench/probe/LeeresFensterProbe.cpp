// leeres-fenster-probe: the yardstick of the start-up benchmark, an empty QWidget of the
// main window's client size, ended as soon as it is exposed.
#include "Sichtbar.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    mvt::bench::PlattformVorgeben();
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.resize(792, 596);
    fenster.show();
    return mvt::bench::BisSichtbarLaufen(fenster);
}
