// The crafting tab meets the quantity dialog, the price dialog, the detailed analysis and
// the export window here, so that none of them needs to know the others.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Einkaufslistenfenster.h"
#include "crafting/ui/Lagerfenster.h"
#include "crafting/ui/Exportfenster.h"
#include "crafting/ui/Mengendialog.h"
#include "settings/ui/Preisdialog.h"

namespace mvt {

void BausatzrechnerAnbinden(TAnwendung &a)
{
    TForm1 *h = a.Form1.get();
    TBausatzrechnerSeite *seite = h ? h->Bausatzrechner : nullptr;
    if (!seite)
        return;
    for (QMenu *m : seite->PopupMenues())
        h->PopupMenueAnbinden(m);

    seite->MengendialogOeffnen = [&a, h, seite](int modus) {
        TForm2 *d = a.Form2.get();
        const TSammelEintrag item = seite->MengendialogItem(modus);
        if (!d || item.Art == ArtKeine)
            return;
        h->setEnabled(false);
        d->Tag = modus;
        d->Vorbereiten(a.Zustand().Katalog, a.Zustand().Crafting.Bauliste, item.Art, item.Index);
        d->AnMauszeigerPlatzieren();
        d->show();
        d->raise();
        d->activateWindow();
    };
    if (TForm2 *d = a.Form2.get()) {
        d->Bestaetigt = [seite](int modus, int64_t n) { seite->MengendialogBestaetigt(modus, n); };
    }
    seite->PreisdialogOeffnen = [&a, h](int tag) { h->NebenfensterZeigen(a.Form3.get(), tag); };
    seite->DetailanalyseOeffnen = [&a, h](int tag) { h->NebenfensterZeigen(a.Form6.get(), tag); };
    seite->ExportOeffnen = [&a, h] { h->NebenfensterZeigen(a.Form9.get(), 0); };
    seite->LagerOeffnen = [&a, h] { h->NebenfensterZeigen(a.FormLager.get(), 0); };
    seite->EinkaufslisteOeffnen = [&a, h](int modus) {
        if (!a.FormEinkaufsliste)
            return;
        a.FormEinkaufsliste->Aufrufer = nullptr;
        h->NebenfensterZeigen(a.FormEinkaufsliste.get(), modus);
    };
    if (a.Form6)
        // Over the detailed analysis, which waits for it as the main window waits for both.
        QObject::connect(a.Form6.get(), &TForm6::einkaufslisteGewuenscht, a.Form6.get(), [&a](int modus) {
            TEinkaufslistenfenster *f = a.FormEinkaufsliste.get();
            if (!f)
                return;
            f->Aufrufer = a.Form6.get();
            f->Tag = modus;
            f->AufHauptfensterZentrieren();
            f->show();
            f->raise();
            f->activateWindow();
        });
}

} // namespace mvt
