// The application object: the session with the program state, and the ten windows, which
// are created once at start in their fixed order and live until the end. Only the start-up,
// the online services and the tests hold it; a window is given what it works on instead.
#pragma once

#include "online/HttpAbruf.h"
#include "settings/OptionenDatei.h"
#include "app/Programmsitzung.h"

#include <QString>

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
class TLagerfenster;
class TEinkaufslistenfenster;

class TAnwendung {
public:
    TAnwendung();
    ~TAnwendung();
    TAnwendung(const TAnwendung &) = delete;
    TAnwendung &operator=(const TAnwendung &) = delete;

    // Owns the program state; windows connect to its signals. Declared first: it goes
    // after the windows.
    TProgrammsitzung Sitzung;
    const TProgrammzustand &Zustand() const { return Sitzung.Zustand(); }
    TDienste &Dienste() { return Sitzung.Dienste(); }

    // Loads the state (catalogue, options file; the maps on a worker, moved in at the end)
    // before any window exists, then creates TForm1 ... TForm10 in this order; each creation
    // handler runs right after its window has been registered here, as the later windows
    // rely on the earlier. Then the main window is handed the windows it opens
    // (TForm1::FensterAnbinden) and the options are reported once.
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
    // The stock and the shopping list of the crafting tab.
    std::unique_ptr<TLagerfenster> FormLager;
    std::unique_ptr<TEinkaufslistenfenster> FormEinkaufsliste;
};

// Connects the crafting tab with the windows it opens.
void BausatzrechnerAnbinden(TAnwendung &a);

// Puts services in place that run the version check and the town list update against the
// tool's web site at basis ("http://host[:port]") and hand everything else to the services
// there before; without this call both do nothing (tests, tools). Their temporary
// files live in the working folder of this call: stale ones are removed here, and the
// ones of workers still running when the program ends are removed then.
void OnlineDiensteAnbinden(TAnwendung &a, const QString &basis, const online::THttpGrenzen &grenzen = {});

} // namespace mvt
