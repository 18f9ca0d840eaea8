// The application object: the program's process-wide state and its ten windows, which
// are created once at start in their fixed order and live until the end.
#pragma once

#include "catalogue/Katalog.h"
#include "crafting/Kostenmodell.h"
#include "online/HttpAbruf.h"
#include "planner/Planer.h"
#include "routes/Welten.h"
#include "routes/GespeicherteRoutenDaten.h"
#include "base/Optionen.h"
#include "settings/OptionenDatei.h"

#include <QString>

#include <functional>
#include <memory>

namespace mvt {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

// Process-wide data of the program; one instance, owned by TAnwendung.
struct TProgrammzustand {
    TKatalog Katalog;
    TCraftingZustand Crafting; // build list, prices, production buildings
    TOptionen Optionen;
    TGespeicherteRouten Routen;
    routen::TWeltdaten Weltkarten; // the grids of the three worlds and the current one
    // Stored in the options file but kept outside the options record.
    double NextVersionCheck = 0.0;
    int32_t LastMap = 1;
    // The stamp of the town list the world grids carry.
    QString StadtlistenStand;
    // The character of the planner tab.
    planer::TPlaner Planer;
};

class TAnwendung {
public:
    TAnwendung();
    ~TAnwendung();
    TAnwendung(const TAnwendung &) = delete;
    TAnwendung &operator=(const TAnwendung &) = delete;

    TProgrammzustand Zustand;

    // The options file "options.ini" in the working folder. Laden runs only when the
    // file exists and reports an invalid file itself (message, defaults).
    std::function<void(TProgrammzustand &)> OptionenLaden;
    std::function<void(TProgrammzustand &)> OptionenSpeichern;

    // Online services, started by the main window's one-shot timer after start-up.
    std::function<void()> VersionspruefungStarten; // run by every showing of TForm4
    std::function<void()> StadtUpdateStarten;
    // Extra steps of OptionenAnwenden that belong to later tabs (planner menu hints).
    std::function<void()> WeitereOptionenAnwenden;
    // Filled by the tabs and windows that own the data, called by whoever changed it (the
    // settings window after Okay, the price dialog, build list files), so that no window
    // needs to know another's controls. An empty hook does nothing.
    std::function<void()> ArtikeldetailsNeuAnzeigen; // details of the selected catalogue item
    std::function<void()> BaulisteNeuBerechnen;      // analysis, cost pages, profit display
    std::function<void()> KarteNeuZeichnen;          // map window, only when it is visible
    std::function<void()> CharakterNeuBerechnen;     // planner: values and evaluation shown again
    // The build list changed from outside (a loaded file): its tree shown again with the
    // expanded and selected nodes kept, then the full recomputation.
    std::function<void()> BaulisteGeaendert;
    // Ends the message loop; by default QCoreApplication::quit.
    std::function<void()> Beenden;
    // Runs when the application object goes at the end of the program, after the message
    // loop; workers still running are not waited for.
    std::function<void()> Programmende;

    // Creates TForm1 ... TForm10 in this order; each creation handler runs right after
    // its window has been registered here, as the later windows rely on the earlier.
    void FensterErzeugen();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm6> Form6;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm8> Form8;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm10> Form10;
};

// Connects OptionenLaden and OptionenSpeichern to the options file module.
void OptionenDateiAnbinden(TAnwendung &a);
// Connects the crafting tab with the windows it opens, the key flags and the hooks.
void BausatzrechnerAnbinden(TAnwendung &a);

// Connects the version check and the town list update to the tool's web site at basis
// ("http://host[:port]"); without this call both do nothing (tests, tools). Their temporary
// files live in the working folder of this call: stale ones are removed here, and the
// ones of workers still running when the program ends are removed then.
void OnlineDiensteAnbinden(TAnwendung &a, const QString &basis, const online::THttpGrenzen &grenzen = {});

// Pushes the options into the windows: the saved page, tool-tips, check boxes, the
// transfer timer and the crafting world variant.
void OptionenAnwenden(TAnwendung &a);

} // namespace mvt
