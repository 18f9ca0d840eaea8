// morvaren-tool: loads the state, creates the windows, shows the main window and runs the
// message loop.
#include "app/Programmstart.h"
#include "base/Optionen.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// --version and --help are answered before anything of the window system starts, so they
// work without a display; every other argument goes to Qt as before.
bool KurzeAntwort(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("morvaren-tool %s\n", mvt::Programmversion.toUtf8().constData());
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "--hilfe") == 0) {
            std::printf("Aufruf: morvaren-tool [--version | --help] [QT-OPTIONEN]\n\n"
                        "Hadrik's Morvaren Tool %s, Begleiter für das Browser-Rollenspiel Morvaren.\n"
                        "Das Programm liest und schreibt options.ini im aktuellen Ordner;\n"
                        "morvaren-tool-starten startet es im Datenordner des Spielers.\n\n"
                        "Optionen:\n"
                        "  --version  Version ausgeben\n"
                        "  --help     diese Hilfe ausgeben\n\n"
                        "Die Beschreibung steht in \"man morvaren-tool\".\n",
                        mvt::Programmversion.toUtf8().constData());
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (KurzeAntwort(argc, argv))
        return 0;
    mvt::SchriftenVorladen();
    QApplication app(argc, argv);
    const auto programm = mvt::ProgrammStarten();
    return QApplication::exec();
}
