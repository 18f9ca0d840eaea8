// Saves a PNG of the main window as it looks after start-up, with the menu bar:
//     bildschirmfoto ZIEL.png [SEITE | info | autor | bausatz | preisdialog | version |
//                              einstellungen:S[:U[:P]] | dateidialog]
// "info" and "autor" take the About window in its two modes instead; "bausatz" the
// crafting tab with a build list of several entries (a third argument names the item
// shown in the catalogue); "preisdialog" the price dialog on that list's purchase prices
// of page 4; "analyse1" to "analyse4" and "export" the detailed analysis and the export
// window of a sample list; "version" the version window with a newer version found,
// "einstellungen" the settings window on page S (and sub-page U, price page P);
// "dateidialog" the file dialog of "Bauliste speichern..." (Qt's own dialog, German).
// "lager", "einkaufsliste" and "bausatzlager": the crafting tab's list of "bausatz" with a
// stock: the window "Lager", the shopping list of page 2, the tab with the stock counting.
// "kampfbericht:DATEI:NAME[:VERGLEICH]" the combat tab with the report DATEI evaluated,
// the fighter NAME shown and, with VERGLEICH, the chart shown with VERGLEICH added by Ctrl+click.
// "kampfarchiv[:NAME]" the window "Kampfarchiv" over the sample reports, with NAME: that
// fighter's history.
// Runs in a temporary working folder, so no real "options.ini" is read or written.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "app/Programmstart.h"
#include "base/Textdatei.h"
#include "combat/Kampfarchiv.h"
#include "combat/Kampfbericht.h"
#include "combat/ui/Kampfarchivfenster.h"
#include "combat/ui/Kampfberichtseite.h"
#include "../crafting/ui/Bausatzrechnerteile.h"
#include "crafting/Analyse.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Einkaufslistenfenster.h"
#include "crafting/ui/Lagerfenster.h"
#include "crafting/ui/Exportfenster.h"
#include "online/ui/Versionsfenster.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {
// The windows may close; the message loop is not ended for that.
struct TOhneEnde : mvt::TDienste {
    void Beenden() override {}
};
} // namespace

int main(int argc, char **argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    mvt::AnwendungEinrichten();
    const auto uebersetzung = mvt::QtUebersetzungLaden(mvt::QtUebersetzungsordner());
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: bildschirmfoto ZIEL.png [SEITE]\n");
        return 2;
    }
    const QString ziel = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    QTemporaryDir ordner(QDir::temp().filePath(QStringLiteral("morvaren-XXXXXX")));
    // Files named on the command line are found before the working folder changes.
    const QDir startordner = QDir::current();
    QDir::setCurrent(ordner.path());

    mvt::TAnwendung anwendung;
    anwendung.Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
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
        mvt::TCraftingSitzung &crafting = anwendung.Sitzung.Crafting();
        for (auto [name, stueck] : {std::pair{"Kurzschwert", 3}, {"Kriegsbolzen", 2}, {"Saphir", 1}})
            crafting.Hinzufuegen(QString::fromUtf8(name), stueck);
        if (wahl == QLatin1String("export")) {
            fenster = anwendung.Form9.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.Form9.get(), 0);
        } else {
            fenster = anwendung.Form6.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.Form6.get(), wahl.mid(7).toInt());
        }
    } else if (wahl == QLatin1String("lager") || wahl == QLatin1String("einkaufsliste") ||
               wahl == QLatin1String("bausatzlager")) {
        mvt::TCraftingSitzung &crafting = anwendung.Sitzung.Crafting();
        const mvt::test::TBausatzrechnerTeile seite(*anwendung.Form1->Bausatzrechner);
        anwendung.Form1->PageControl1->setCurrentIndex(0);
        const auto lager =
            mvt::LagerTextLesen(crafting.Katalog(), QStringLiteral("Kupferbarren\t10\nSchmiedeöl\t6\n"
                                                                   "Buchenholz\t4\nKalk-Mauerstück\t3\n"
                                                                   "Saphir\t1\nKupfererz\t5\n"));
        mvt::TLager neu = crafting.Zustand().Lager;
        if (lager)
            mvt::LagerUebernehmen(neu, *lager);
        crafting.LagerSetzen(neu);
        mvt::TBauliste liste = crafting.Zustand().Bauliste;
        for (const char *name : {"Kurzschwert", "Buchenholz", "Saphir", "Schmiede I"})
            mvt::ZurBaulisteHinzufuegen(crafting.Katalog(), liste, QString::fromUtf8(name), 2);
        crafting.BaulisteSetzen(liste);
        seite.TreeView2->expandItem(seite.TreeView2->topLevelItem(0));
        const auto kurzschwert =
            seite.TreeView1->findItems(QStringLiteral("Kurzschwert"), Qt::MatchExactly | Qt::MatchRecursive);
        if (!kurzschwert.isEmpty())
            seite.TreeView1->setCurrentItem(kurzschwert.first());
        seite.CheckBoxLager->setChecked(true);
        seite.PageControl2->setCurrentIndex(1);
        if (wahl == QLatin1String("lager")) {
            fenster = anwendung.FormLager.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.FormLager.get(), 0);
            const auto treffer = anwendung.FormLager->TreeViewKatalog->findItems(
                QStringLiteral("Kupferbarren"), Qt::MatchExactly | Qt::MatchRecursive);
            if (!treffer.isEmpty())
                anwendung.FormLager->TreeViewKatalog->setCurrentItem(treffer.first());
        } else if (wahl == QLatin1String("einkaufsliste")) {
            fenster = anwendung.FormEinkaufsliste.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.FormEinkaufsliste.get(), 2);
        }
    } else if (wahl == QLatin1String("bausatz") || wahl == QLatin1String("preisdialog")) {
        mvt::TCraftingSitzung &crafting = anwendung.Sitzung.Crafting();
        const mvt::test::TBausatzrechnerTeile seite(*anwendung.Form1->Bausatzrechner);
        anwendung.Form1->PageControl1->setCurrentIndex(0);
        mvt::TBauliste liste = crafting.Zustand().Bauliste;
        for (const char *name : {"Kurzschwert", "Buchenholz", "Saphir", "Schmiede I"})
            mvt::ZurBaulisteHinzufuegen(crafting.Katalog(), liste, QString::fromUtf8(name), 2);
        crafting.BaulisteSetzen(liste);
        seite.TreeView2->expandItem(seite.TreeView2->topLevelItem(0));
        seite.TreeView2->setCurrentItem(seite.TreeView2->topLevelItem(0));
        const auto treffer = seite.TreeView1->findItems(argc > 3 ? QString::fromLocal8Bit(argv[3])
                                                                 : QStringLiteral("Kurzschwert"),
                                                        Qt::MatchExactly | Qt::MatchRecursive);
        if (!treffer.isEmpty())
            seite.TreeView1->setCurrentItem(treffer.first());
        seite.PageControl2->setCurrentIndex(1);
        if (wahl == QLatin1String("preisdialog")) {
            fenster = anwendung.Form3.get();
            anwendung.Form1->NebenfensterZeigen(anwendung.Form3.get(), 42);
        }
    } else if (wahl == QLatin1String("dateidialog")) {
        // A folder with a few build lists, as a player's would look.
        QDir(ordner.path()).mkdir(QStringLiteral("Baulisten"));
        anwendung.Form1->DialogOrdner = QDir(ordner.path()).filePath(QStringLiteral("Baulisten"));
        for (const char *name :
             {"Schwertschmiede.mvt_bl", "Burgausbau.mvt_bl", "Handelsware Woche 7.mvt_bl"}) {
            QFile f(QDir(anwendung.Form1->DialogOrdner).filePath(QString::fromUtf8(name)));
            if (f.open(QIODevice::WriteOnly))
                f.write("Hadrik's Morvaren Tool - Bauliste\r\n");
        }
        int rc = 1;
        // The dialog runs its own event loop inside the menu action; it is taken from there.
        QTimer *warten = new QTimer(&app);
        QObject::connect(warten, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            warten->stop();
            dialog->resize(760, 430);
            QTimer::singleShot(500, dialog, [&, dialog] {
                rc = dialog->grab().save(ziel, "PNG") ? 0 : 1;
                dialog->reject();
                QApplication::quit();
            });
        });
        warten->start(50);
        QTimer::singleShot(300, [&] { anwendung.Form1->Baulistespeichern1->trigger(); });
        QApplication::exec();
        return rc;
    } else if (wahl.startsWith(QLatin1String("kampfbericht:"))) {
        const QStringList teile = wahl.split(u':');
        anwendung.Form1->PageControl1->setCurrentIndex(1);
        mvt::TKampfberichtSeite *seite = anwendung.Form1->Kampfberichtseite;
        QFile bericht(startordner.absoluteFilePath(teile.value(1)));
        if (!bericht.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Bericht nicht lesbar\n");
            return 1;
        }
        seite->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))
            ->setPlainText(mvt::TextDekodieren(bericht.readAll()));
        QSignalSpy fertig(seite, &mvt::TKampfberichtSeite::AuswertungFertig);
        QTest::mouseClick(seite->findChild<QToolButton *>(QStringLiteral("SpeedButtonAuswerten")),
                          Qt::LeftButton);
        if (!fertig.wait(30000))
            return 1;
        auto *tabelle = seite->findChild<QTableView *>(QStringLiteral("StringGrid1"));
        auto klicken = [tabelle](const QString &name, Qt::KeyboardModifiers tasten) {
            for (int r = 0; r < tabelle->model()->rowCount(); ++r)
                if (tabelle->model()->index(r, 0).data().toString() == name)
                    QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, tasten,
                                      tabelle->visualRect(tabelle->model()->index(r, 0)).center());
        };
        klicken(teile.value(2), {});
        // With a fighter to compare, the chart is shown in place of the detail boxes.
        if (teile.size() > 3) {
            QTest::mouseClick(seite->findChild<QToolButton *>(QStringLiteral("SpeedButtonVerlauf")),
                              Qt::LeftButton);
            klicken(teile[3], Qt::ControlModifier);
        }
    } else if (wahl.startsWith(QLatin1String("kampfarchiv"))) {
        // The sample reports archived over a few evenings, in the temporary working folder.
        mvt::TKampfarchiv archiv;
        archiv.Oeffnen();
        const char *berichte[] = {"klein.txt", "gemischt.txt", "duell.txt", "gruppe.txt"};
        for (int i = 0; i < 4; ++i) {
            QFile f(startordner.absoluteFilePath(QStringLiteral("tests/data/combat/") +
                                                 QLatin1String(berichte[i])));
            if (!f.open(QIODevice::ReadOnly))
                return 1;
            const QString text = mvt::TextDekodieren(f.readAll());
            mvt::Kampfauswertung a;
            mvt::KampfberichtAuswerten(text, a, anwendung.Zustand().Katalog);
            archiv.Speichern(text, a,
                             QDateTime(QDate(2026, 2, 3 + 2 * i), QTime(19, 30 + i), QTimeZone::utc()));
        }
        archiv.Umbenennen(2, QStringLiteral("Orks am Nordtor"));
        anwendung.Form1->PageControl1->setCurrentIndex(1);
        mvt::TKampfberichtSeite *seite = anwendung.Form1->Kampfberichtseite;
        QTest::mouseClick(seite->findChild<QToolButton *>(QStringLiteral("SpeedButtonKampfarchiv")),
                          Qt::LeftButton);
        fenster = seite->Archivfenster();
        const QString name = wahl.section(u':', 1);
        if (!name.isEmpty()) {
            fenster->findChild<QTabWidget *>(QStringLiteral("PageControlArchiv"))->setCurrentIndex(1);
            fenster->findChild<QComboBox *>(QStringLiteral("ComboBoxKaempfer"))->setCurrentText(name);
        }
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
