// morvaren-tool: creates the ten windows, shows the main window and runs the message loop.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Meldungsfenster.h"
#include "app/Webseite.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hadrik's Morvaren Tool"));
    // No display name: the window system would append it to every window's caption
    // ("Karte — Hadrik's Morvaren Tool"), and each window shows exactly its own caption.
    // The main window ends the program itself (FormClose or "Beenden"), also while a
    // secondary window such as the docked optimiser is still visible.
    QApplication::setQuitOnLastWindowClosed(false);
    mvt::MeldungsfensterInstallieren();

    mvt::TAnwendung anwendung;
    mvt::OptionenDateiAnbinden(anwendung);
    mvt::OnlineDiensteAnbinden(anwendung, mvt::WebseiteHost);
    anwendung.FensterErzeugen();
    anwendung.Form1->show();
    return QApplication::exec();
}
