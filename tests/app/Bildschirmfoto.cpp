// Saves a PNG of the main window as it looks after start-up, with the menu bar:
//     bildschirmfoto ZIEL.png [SEITE | info | autor | bausatz | preisdialog | version |
//                              einstellungen:S[:U[:P]]]
// "info" and "autor" take the About window in its two modes instead; "bausatz" the
// crafting tab with a build list of several entries (a third argument names the item
// shown in the catalogue); "preisdialog" the price dialog on that list's purchase prices
// of page 4; "analyse1" to "analyse4" and "export" the detailed analysis and the export
// window of a sample list; "version" the version window with a newer version found,
// "einstellungen" the settings window on page S (and sub-page U, price page P);
// "kampfbericht" the combat tab with the report of the file named third, evaluated.
// Runs in a temporary working folder, so no real "options.ini" is read or written.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "combat/ui/Kampfberichtseite.h"
#include "crafting/Analyse.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Exportfenster.h"
#include "online/ui/Versionsfenster.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: bildschirmfoto ZIEL.png [SEITE]\n");
        return 2;
    }
    const QString ziel = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    // Files named on the command line are found before the working folder changes.
    const QString berichtsdatei =
        argc > 3 ? QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath() : QString();
    QTemporaryDir ordner;
    QDir::setCurrent(ordner.path());

    mvt::TAnwendung anwendung;
    anwendung.Beenden = [] {};
    anwendung.FensterErzeugen();
    anwendung.Form1->TimerUpdateCheck->stop(); // no online services for a picture
    const QString wahl = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    anwendung.Form1->show();
    QWidget *fenster = anwendung.Form1.get();
    if (wahl == QLatin1String("info") || wahl == QLatin1String("autor")) {
        fenster = anwendung.Form5.get();
        anwendung.Form1->NebenfensterZeigen(anwendung.Form5.get(), wahl == QLatin1String("info") ? 1 : 2);
    } else if (wahl == QLatin1String("version")) {
        fenster = anwendung.Form4.get();
        mvt::TForm4 *f = anwendung.Form4.get();
        anwendung.Form1->NebenfensterZeigen(f, 0);
        f->SucheAnzeigen();
        f->ErgebnisZeigen({mvt::online::TPruefergebnis::NeueVersion,
                           {QStringLiteral("1.14"), QStringLiteral("01.03.2018 - 12:00 Uhr")}});
    } else if (wahl.startsWith(QLatin1String("einstellungen"))) {
        mvt::TForm7 *f = anwendung.Form7.get();
        fenster = f;
        const QStringList teile = wahl.split(u':');
        anwendung.Form1->NebenfensterZeigen(f, 0);
        f->PageControl1->setCurrentIndex(teile.value(1).toInt());
        if (teile.size() > 2)
            f->PageControl2->setCurrentIndex(teile[2].toInt());
        if (teile.size() > 3)
            f->PageControlPreise->setCurrentIndex(teile[3].toInt());
    } else if (wahl.startsWith(QLatin1String("analyse")) || wahl == QLatin1String("export")) {
        mvt::TProgrammzustand &z = anwendung.Zustand;
        for (auto [name, stueck] : {std::pair{"Kurzschwert", 3}, {"Kriegsbolzen", 2}, {"Saphir", 1}})
            mvt::ZurBaulisteHinzufuegen(z.Katalog, z.Crafting.Bauliste, QString::fromUtf8(name), stueck);
        mvt::AllesNeuBerechnen(z.Katalog, z.Optionen, z.Crafting);
        if (wahl == QLatin1String("export")) {
            fenster = anwendung.Form9.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.Form9.get(), 0);
        } else {
            fenster = anwendung.Form6.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.Form6.get(), wahl.mid(7).toInt());
        }
    } else if (wahl == QLatin1String("bausatz") || wahl == QLatin1String("preisdialog")) {
        mvt::TBausatzrechnerSeite *seite = anwendung.Form1->Bausatzrechner;
        anwendung.Form1->PageControl1->setCurrentIndex(0);
        for (const char *name : {"Kurzschwert", "Buchenholz", "Saphir", "Schmiede I"})
            mvt::ZurBaulisteHinzufuegen(anwendung.Zustand.Katalog, anwendung.Zustand.Crafting.Bauliste,
                                        QString::fromUtf8(name), 2);
        seite->BaulisteGeaendert();
        seite->TreeView2->expandItem(seite->TreeView2->topLevelItem(0));
        seite->TreeView2->setCurrentItem(seite->TreeView2->topLevelItem(0));
        const auto treffer = seite->TreeView1->findItems(argc > 3 ? QString::fromLocal8Bit(argv[3])
                                                                  : QStringLiteral("Kurzschwert"),
                                                         Qt::MatchExactly | Qt::MatchRecursive);
        if (!treffer.isEmpty())
            seite->TreeView1->setCurrentItem(treffer.first());
        seite->PageControl2->setCurrentIndex(1);
        if (wahl == QLatin1String("preisdialog")) {
            fenster = anwendung.Form3.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.Form3.get(), 42);
        }
    } else if (wahl == QLatin1String("kampfbericht") && argc > 3) {
        mvt::TKampfberichtSeite *seite = anwendung.Form1->Kampfberichtseite;
        anwendung.Form1->PageControl1->setCurrentIndex(1);
        QFile bericht(berichtsdatei);
        if (bericht.open(QIODevice::ReadOnly))
            seite->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))
                ->setPlainText(QString::fromUtf8(bericht.readAll()));
        QSignalSpy fertig(seite, &mvt::TKampfberichtSeite::AuswertungFertig);
        seite->findChild<QToolButton *>(QStringLiteral("SpeedButtonAuswerten"))->click();
        fertig.wait(20000);
        if (auto *tabelle = seite->findChild<QTableWidget *>(QStringLiteral("StringGrid1")))
            tabelle->selectRow(1);
    } else if (!wahl.isEmpty()) {
        anwendung.Form1->PageControl1->setCurrentIndex(wahl.toInt());
    }
    int rc = 1;
    QTimer::singleShot(300, [&] {
        rc = fenster->grab().save(ziel, "PNG") ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return rc;
}
