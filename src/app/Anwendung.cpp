#include "app/Anwendung.h"

#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "app/Webseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Einkaufslistenfenster.h"
#include "crafting/ui/Exportfenster.h"
#include "crafting/ui/Lagerfenster.h"
#include "crafting/ui/Mengendialog.h"
#include "online/ui/Versionsfenster.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QTabWidget>

#include <utility>

namespace mvt {

TAnwendung::TAnwendung() = default;

TAnwendung::~TAnwendung()
{
    Dienste().Programmende();
}

namespace {
// The one place where a page built on first show (TForm1::SeiteAnlegen) is connected with
// the other windows; runs after all windows exist and the options have been applied.
void SeiteAnbinden(TAnwendung &a, int seite)
{
    TForm1 &h = *a.Form1;
    if (seite == 2 && h.Routenplanerseite) {
        h.Routenplanerseite->KarteAnbinden(a.Form8.get());
    } else if (seite == TForm1::SeiteCharakterPlaner && h.CharakterPlanerSeite) {
        // The page took the options when it was built and follows the session since.
        h.CharakterPlanerSeite->OptimiererfensterVerbinden(a.Form10.get());
    }
}

// Whatever a window works on goes to its constructor, before the main window.
template <class T, class... Daten>
void Erzeugen(std::unique_ptr<T> &feld, QWidget *hauptfenster, Daten &...daten)
{
    feld = std::make_unique<T>(daten..., hauptfenster);
    feld->FormCreate();
}
} // namespace

void TAnwendung::FensterErzeugen()
{
    // The grids of the three worlds are read beside the windows, which do not read them
    // while they are built (see KartenAbwarten at the end).
    Sitzung.ZustandLaden(TProgrammsitzung::Karten::Nebenher);
    Form1 = std::make_unique<TForm1>(Sitzung);
    Form1->FormCreate();
    QWidget *h = Form1.get();
    Erzeugen(Form2, h);
    Erzeugen(Form3, h, Sitzung.Crafting());
    Form4 = std::make_unique<TForm4>(TForm4::TAnbindung{[this] { Dienste().VersionspruefungStarten(); },
                                                        Sitzung.Online(),
                                                        WebseiteAdresse(online::DownloadSeitePfad).toString(),
                                                        [] { WebseiteOeffnen(online::DownloadSeitePfad); }},
                                     h);
    Form4->FormCreate();
    Erzeugen(Form5, h);
    Erzeugen(Form6, h, std::as_const(Zustand().Katalog), Sitzung.Optionen(),
             std::as_const(Zustand().Crafting));
    Form7 = std::make_unique<TForm7>(Sitzung,
                                     TForm7::TZiele{Zustand().Katalog, Sitzung.Crafting(), Sitzung.Online(),
                                                    Sitzung.Planer(), Sitzung.Routen()},
                                     h);
    Form7->FormCreate();
    Form8 = std::make_unique<TForm8>(Sitzung, std::as_const(Sitzung.Routen()), h);
    Form8->FormCreate();
    Erzeugen(Form9, h, std::as_const(Zustand().Katalog), std::as_const(Zustand().Crafting.Bauliste));
    Erzeugen(FormLager, h, Sitzung.Crafting());
    Erzeugen(FormEinkaufsliste, h, std::as_const(Zustand().Katalog), std::as_const(Zustand().Crafting));
    BausatzrechnerAnbinden(*this);
    Form10 = std::make_unique<TForm10>(Sitzung.Planer(), h);
    Form10->FormCreate();
    // What the main window opens, shows with the planner page or moves along, and the
    // windows whose tool-tips follow its switch: the main window handles itself.
    Form1->FensterAnbinden({Form4.get(),
                            Form5.get(),
                            Form7.get(),
                            Form10.get(),
                            {Form2.get(), Form3.get(), Form4.get(), Form5.get(), Form6.get(), Form7.get(),
                             Form8.get(), Form10.get()}});
    // Every window exists: the loaded options reach them all, once.
    Sitzung.OptionenMelden();
    // Pages built on first show meet the other windows then, with the options applied.
    for (int i = 0; i < Form1->PageControl1->count(); ++i)
        SeiteAnbinden(*this, i);
    QObject::connect(Form1.get(), &TForm1::SeiteAngelegt, Form1.get(),
                     [this](int seite) { SeiteAnbinden(*this, seite); });
    // Last, so that the windows above were built while the worker read the grids; the map
    // window has their address but reads them only when shown, from the message loop.
    Sitzung.KartenAbwarten();
}

} // namespace mvt
