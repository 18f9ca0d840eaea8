// What the program sets up before its windows exist: its names, the icon every window
// shows, and Qt's German texts for the standard dialogs and menus.
#pragma once

#include <QString>
#include <QTranslator>

#include <future>
#include <memory>

namespace mvt {

class TAnwendung;

// Names and window icon of the application; the main window ends the program itself.
void AnwendungEinrichten();
// The names alone.
void AnwendungBenennen();

// Called before the QApplication exists: the system's font configuration (fontconfig) is
// read on a thread of its own while the application connects to the window system, time in
// which the main thread mostly waits for the display. The font database, at the first text
// measured, then finds it read. True when it was read; false where fontconfig is missing,
// and the font database reads it itself as before. Calling it again gives the same reading.
std::shared_future<bool> SchriftenVorladen();

// Where the system keeps Qt's translations (Debian: qt6-translations-l10n).
QString QtUebersetzungsordner();

// Installs "qtbase_de" from ordner, so that file dialogs, message box buttons and the
// context menus of text fields read German. Null when the file is missing or unreadable:
// the program then shows Qt's English texts and works as before. The translation stays
// installed as long as the returned object lives.
std::unique_ptr<QTranslator> QtUebersetzungLaden(const QString &ordner);

// What the running program keeps alive while its message loop runs; the windows go before
// the translation they show.
struct TProgramm {
    TProgramm();
    ~TProgramm();
    TProgramm(const TProgramm &) = delete;
    TProgramm &operator=(const TProgramm &) = delete;

    std::unique_ptr<QTranslator> Uebersetzung;
    std::unique_ptr<TAnwendung> Anwendung;
};

// The whole start of morvaren-tool once the QApplication exists: names and icon, German
// texts, message boxes, the options file, the online services, the ten windows; returns
// with the main window shown. The start-up probe of the benchmarks runs exactly this.
std::unique_ptr<TProgramm> ProgrammStarten();

} // namespace mvt
