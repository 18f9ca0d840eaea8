#include "app/Anwendung.h"

#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "app/Webseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Einkaufslistenfenster.h"
#include "crafting/ui/Exportfenster.h"
#include "crafting/ui/Lagerfenster.h"
#include "crafting/ui/Mengendialog.h"
#include "routes/Stadtliste.h"
#include "online/ui/Versionsfenster.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/Uebertragung.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/ui/Routenplanerseite.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

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
        // The page follows the session from its creation on; the options applied before
        // it existed it takes now.
        TCharakterPlanerSeite *planer = h.CharakterPlanerSeite;
        planer->OptimiererfensterVerbinden(a.Form10.get());
        planer->OptionenUebernehmen();
    }
}

template <class T> void Erzeugen(std::unique_ptr<T> &feld, QWidget *hauptfenster)
{
    feld = std::make_unique<T>(hauptfenster);
    feld->FormCreate();
}
// For the windows that follow the session.
template <class T> void Erzeugen(std::unique_ptr<T> &feld, TSitzung &sitzung, QWidget *hauptfenster)
{
    feld = std::make_unique<T>(sitzung, hauptfenster);
    feld->FormCreate();
}
} // namespace

void TAnwendung::FensterErzeugen()
{
    // The grids of the three worlds are read beside the windows, which do not read them
    // while they are built (see KartenAbwarten at the end).
    Sitzung.ZustandLaden(TProgrammsitzung::Karten::Nebenher);
    Form1 = std::make_unique<TForm1>(*this);
    Form1->FormCreate();
    QWidget *h = Form1.get();
    Erzeugen(Form2, h);
    Form3 = std::make_unique<TForm3>(Sitzung, Zustand.Katalog, Zustand.Crafting, h);
    Form3->FormCreate();
    Erzeugen(Form4, h);
    Form4->PruefungStarten = [this] { Dienste().VersionspruefungStarten(); };
    Form4->NextVersionCheck = &Zustand.NextVersionCheck;
    Form4->DownloadadresseSetzen(WebseiteAdresse(online::DownloadSeitePfad).toString());
    Form4->DownloadseiteOeffnen = [] { WebseiteOeffnen(online::DownloadSeitePfad); };
    Erzeugen(Form5, h);
    Erzeugen(Form6, h);
    Form6->DatenAnbinden(Zustand.Katalog, Zustand.Optionen, Zustand.Crafting);
    Form7 = std::make_unique<TForm7>(
        Sitzung,
        TForm7::TZiele{Zustand.Katalog, Zustand.Crafting, Zustand.Optionen, Zustand.NextVersionCheck}, h);
    Form7->FormCreate();
    Erzeugen(Form8, Sitzung, h);
    Form8->Anbinden(&Zustand.Weltkarten, &Zustand.Optionen, Zustand.LastMap);
    Form8->Stand = [this] { return routen::StandAnzeigen(Zustand.StadtlistenStand); };
    Erzeugen(Form9, h);
    Form9->DatenAnbinden(Zustand.Katalog, Zustand.Crafting.Bauliste);
    Erzeugen(FormLager, h);
    FormLager->DatenAnbinden(Zustand.Katalog, Zustand.Crafting.Lager);
    Erzeugen(FormEinkaufsliste, h);
    FormEinkaufsliste->DatenAnbinden(Zustand.Katalog, Zustand.Crafting);
    BausatzrechnerAnbinden(*this);
    Form10 = std::make_unique<TForm10>(h);
    Form10->NachErzeugen = [this] { Sitzung.OptionenAnwenden(); };
    Form10->FormCreate();
    // Pages built on first show meet the other windows then, with the options applied.
    for (int i = 0; i < Form1->PageControl1->count(); ++i)
        SeiteAnbinden(*this, i);
    QObject::connect(Form1.get(), &TForm1::SeiteAngelegt, Form1.get(),
                     [this](int seite) { SeiteAnbinden(*this, seite); });
    // Last, so that the windows above were built while the worker read the grids; the map
    // window has their address but reads them only when shown, from the message loop.
    Sitzung.KartenAbwarten();
}

void OptionenAnwenden(TAnwendung &a)
{
    TOptionen &o = a.Zustand.Optionen;
    TForm1 *h = a.Form1.get();
    if (!h)
        return;

    // The saved page; an index outside the pages selects the first.
    const int letzte = h->PageControl1->count() - 1;
    if (o.ActivePageIndex > letzte || o.ActivePageIndex < 0)
        o.ActivePageIndex = 0;
    h->PageControl1->setCurrentIndex(o.ActivePageIndex);

    // Automatic opening of the crafting trees' nodes (read by the crafting tab).
    for (const char *name : {"TreeView1", "TreeView2"})
        if (auto *baum = h->findChild<QTreeView *>(QString::fromLatin1(name)))
            baum->setProperty("AutoExpand", o.TreeViewAutoExpand);

    // Tool-tips of the main window and the windows that have hints (not TForm9).
    QWidget *mitHinweisen[] = {h,
                               a.Form2.get(),
                               a.Form3.get(),
                               a.Form4.get(),
                               a.Form5.get(),
                               a.Form6.get(),
                               a.Form7.get(),
                               a.Form8.get(),
                               a.Form10.get()};
    for (QWidget *f : mitHinweisen)
        if (f)
            f->setProperty("ShowHint", o.ShowHints);

    // The potency switch of the crafting tab, the winter look of the map.
    if (auto *c = h->findChild<QCheckBox *>(QStringLiteral("CheckBoxWirkungBerechnen")))
        c->setChecked(o.CalcPotency);
    if (a.Form8)
        if (auto *c = a.Form8->findChild<QCheckBox *>(QStringLiteral("CheckBoxWinterTheme")))
            c->setChecked(o.WinterTheme);

    // Interval of the travel order transfer.
    h->Timer2->setInterval(std::max(o.TransmissionInterval, routen::KleinstesUebertragungsintervall));

    // Recipe rules of the crafting world (other values change nothing).
    WeltvarianteAnwenden(a.Zustand.Katalog, o.BSRWorld);

    // The hint texts of the character planner's equipment menus are the planner page's own
    // answer to the session's report, which comes after this one.
}

} // namespace mvt
