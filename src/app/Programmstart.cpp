#include "app/Programmstart.h"

#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Meldungsfenster.h"
#include "app/Webseite.h"
#include "base/Nebenher.h"
#include "ui/Bilder.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyle>

#include <future>

#include <dlfcn.h>

namespace mvt {

void AnwendungEinrichten()
{
    AnwendungBenennen();
    // The default icon of every window, secondary windows and dialogs included.
    QApplication::setWindowIcon(Programmsymbol());
}

void AnwendungBenennen()
{
    QApplication::setApplicationName(QStringLiteral("Hadrik's Morvaren Tool"));
    // No display name: the window system would append it to every window's caption
    // ("Karte — Hadrik's Morvaren Tool"), and each window shows exactly its own caption.
    // Matches the menu entry's desktop file, so that the desktop shows its icon for our windows.
    QApplication::setDesktopFileName(QStringLiteral("org.example.morvaren_tool"));
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

std::shared_future<bool> SchriftenVorladen()
{
    static const std::shared_future<bool> gelesen =
        NebenherAusfuehren(TDringlichkeit::Bald, [] {
            // Qt's own fontconfig, which the Gui library has already loaded; opened by name
            // so that the program needs no headers or link of its own for one call.
            void *fc = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
            if (!fc)
                return false;
            // FcInit loads the default configuration and the font caches once per process;
            // Qt's later call returns at once. Thread-safe in fontconfig.
            using TFcInit = int (*)();
            auto *fcInit = reinterpret_cast<TFcInit>(dlsym(fc, "FcInit"));
            const bool gelesen = fcInit && fcInit() != 0;
            // Qt's own reference keeps the library loaded.
            dlclose(fc);
            return gelesen;
        }).share();
    return gelesen;
}

TProgramm::TProgramm() = default;
TProgramm::~TProgramm() = default;

std::unique_ptr<TProgramm> ProgrammStarten()
{
    // What the first window needs and other threads may prepare: the font database (its
    // functions are thread-safe, fonts may be measured on any thread) and the icon theme's
    // index, one after the other as the first page needs them, and the decoded pictures
    // (images, not pixmaps), needed later. Whatever the main thread needs of them earlier it
    // waits for. The application font's metrics make Qt read the font database and find the
    // font and its fallbacks, which are kept for every thread, and nothing more; the icons are
    // those of the crafting page's buttons.
    SymbolthemaVorbereiten(
        [] {
            // Two readers of the configuration at once would each read all of it.
            SchriftenVorladen().wait();
            QFontMetrics(QGuiApplication::font()).height();
        },
        {QStyle::SP_ArrowDown, QStyle::SP_TrashIcon, QStyle::SP_BrowserReload});
    // The icon theme's worker must not outlive this start, whatever ends it.
    struct TSymbolthemaAbwarten {
        ~TSymbolthemaAbwarten() { SymbolthemaAbwarten(); }
    } symbolthemaAbwarten;
    auto bilder = NebenherAusfuehren(TDringlichkeit::Spaeter, BilderVorbereiten);
    // The accessibility bridge is made on the first question about it: it connects to the
    // session bus and waits for the answer, time the workers above use.
    QAccessible::isActive();

    auto p = std::make_unique<TProgramm>();
    AnwendungBenennen();
    p->Uebersetzung = QtUebersetzungLaden(QtUebersetzungsordner());
    MeldungsfensterInstallieren();

    p->Anwendung = std::make_unique<TAnwendung>();
    TAnwendung &anwendung = *p->Anwendung;
    OnlineDiensteAnbinden(anwendung, WebseiteHost);
    anwendung.FensterErzeugen();
    // The windows take the application's icon when they first show, so it may come now.
    bilder.get();
    QApplication::setWindowIcon(Programmsymbol());
    anwendung.Form1->show();
    // Asked for, not left to a window manager: without one (or with one that waits) the
    // keyboard and a screen reader's focus would stay nowhere.
    anwendung.Form1->activateWindow();
    return p;
}

} // namespace mvt
