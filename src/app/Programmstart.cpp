#include "app/Programmstart.h"

#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Meldungsfenster.h"
#include "app/Webseite.h"
#include "ui/Bilder.h"

#include <QApplication>
#include <QLibraryInfo>

namespace mvt {

void AnwendungEinrichten()
{
    QApplication::setApplicationName(QStringLiteral("Hadrik's Morvaren Tool"));
    // No display name: the window system would append it to every window's caption
    // ("Karte — Hadrik's Morvaren Tool"), and each window shows exactly its own caption.
    // Matches the menu entry's desktop file, so that the desktop shows its icon for our windows.
    QApplication::setDesktopFileName(QStringLiteral("org.example.morvaren_tool"));
    // The default icon of every window, secondary windows and dialogs included.
    QApplication::setWindowIcon(Programmsymbol());
    // The main window ends the program itself (FormClose or "Beenden"), also while a
    // secondary window such as the docked optimiser is still visible.
    QApplication::setQuitOnLastWindowClosed(false);
}

QString QtUebersetzungsordner()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

std::unique_ptr<QTranslator> QtUebersetzungLaden(const QString &ordner)
{
    auto uebersetzung = std::make_unique<QTranslator>();
    // German whatever the system's language: the whole program speaks German.
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), ordner) ||
        !QCoreApplication::installTranslator(uebersetzung.get()))
        return nullptr;
    return uebersetzung;
}

TProgramm::TProgramm() = default;
TProgramm::~TProgramm() = default;

std::unique_ptr<TProgramm> ProgrammStarten()
{
    auto p = std::make_unique<TProgramm>();
    AnwendungEinrichten();
    p->Uebersetzung = QtUebersetzungLaden(QtUebersetzungsordner());
    MeldungsfensterInstallieren();

    p->Anwendung = std::make_unique<TAnwendung>();
    TAnwendung &anwendung = *p->Anwendung;
    OnlineDiensteAnbinden(anwendung, WebseiteHost);
    anwendung.FensterErzeugen();
    anwendung.Form1->show();
    return p;
}

} // namespace mvt
