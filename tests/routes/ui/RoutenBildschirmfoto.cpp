// Saves PNGs of the route tab and the map window after a calculated route:
//     routen_bildschirmfoto ZIELORDNER [ZELLGROESSE]
// writes routenplaner.png, karte.png (both zones), karte_winter.png, and a tour of towns in
// the fastest order with the way back: karte_tour.png and tourfenster.png; with a cell size
// also karte_zyrthania.png, the coasts of Zyrthania at that size. Runs in a
// temporary working folder, so no real "options.ini" is read or written.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "routes/Stadtsuche.h"
#include "routes/ui/Routenplanerseite.h"
#include "Routenplanerelemente.h"
#include "routes/ui/Tourfenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QCheckBox>
#include <QRadioButton>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
// The windows may close; the message loop is not ended for that.
struct TOhneEnde : mvt::TDienste {
    void Beenden() override {}
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: routen_bildschirmfoto ZIELORDNER\n");
        return 2;
    }
    const QDir ziel(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    QTemporaryDir ordner;
    QDir::setCurrent(ordner.path());

    mvt::TAnwendung a;
    a.Sitzung.DiensteSetzen(std::make_unique<TOhneEnde>());
    a.FensterErzeugen();
    a.Form1->TimerUpdateCheck->stop();
    a.Form1->show();
    a.Form1->PageControl1->setCurrentIndex(2);
    mvt::TRoutenplanerSeite *s = a.Form1->Routenplanerseite;
    s->UrlOeffnen = [](const QUrl &) {};
    const mvt::test::TRoutenplanerElemente e(*s);

    auto rechnen = [&](int sx, int sy, int zx, int zy) {
        s->StartSetzen(sx, sy);
        s->ZielSetzen(zx, zy);
        QSignalSpy fertig(s, &mvt::TRoutenplanerSeite::RouteBerechnet);
        s->SpeedButtonRouteBerechnenClick();
        fertig.wait(20000);
    };
    rechnen(40, 30, 70, 160);
    e.EditRouteSpeichern->setText(QStringLiteral("Zum Markt im Süden"));
    s->SpeedButtonRouteSpeichernClick();
    rechnen(12, 180, 150, 60);
    e.EditRouteSpeichern->setText(QStringLiteral("Nordostpass"));
    s->SpeedButtonRouteSpeichernClick();
    rechnen(70, 70, 125, 118);
    QApplication::processEvents();
    bool ok = a.Form1->grab().save(ziel.filePath(QStringLiteral("routenplaner.png")), "PNG");

    mvt::TForm8 *k = a.Form8.get();
    k->resize(760, 640);
    s->SpeedButtonKarteAnzeigenClick();
    k->StringGridKarte->ZellgroesseSetzen(13);
    k->StringGridKarte->ErsteSpalteSetzen(66);
    k->StringGridKarte->ErsteZeileSetzen(72);
    k->CheckBoxSicherheitszone->setChecked(true);
    k->CheckBoxBauverbotszone->setChecked(true);
    QApplication::processEvents();
    ok = k->grab().save(ziel.filePath(QStringLiteral("karte.png")), "PNG") && ok;
    k->CheckBoxWinterTheme->setChecked(true);
    k->CheckBoxSicherheitszone->setChecked(false);
    QApplication::processEvents();
    ok = k->grab().save(ziel.filePath(QStringLiteral("karte_winter.png")), "PNG") && ok;

    // a tour through six towns of the shown part of the map, its second leg on the tab
    k->CheckBoxWinterTheme->setChecked(false);
    k->CheckBoxBauverbotszone->setChecked(false);
    s->TourfensterZeigen();
    mvt::TTourfenster *f = s->Tourfenster();
    f->Tourdateipfad = ordner.filePath(QStringLiteral("touren.mvt_bl"));
    const mvt::routen::TWeltdaten &welten = a.Zustand().Weltkarten;
    int stationen = 0;
    for (const mvt::routen::TStadt &t : mvt::routen::StaedteDerWelt(welten.Aktuell(), 200))
        if (t.x >= 72 && t.x <= 116 && t.y >= 77 && t.y <= 112 && stationen < 6 &&
            f->StationHinzufuegen(mvt::routen::Wegpunkt{uint8_t(t.x), uint8_t(t.y)}))
            ++stationen;
    f->RadioButtonReihenfolgeSchnellste->setChecked(true);
    f->CheckBoxRueckkehr->setChecked(true);
    f->SpinEditTourAuftraege->setValue(5);
    s->TourBerechnenStarten();
    QElapsedTimer uhr;
    uhr.start();
    while (!f->Tour() && uhr.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    f->StringGridEtappen->selectRow(1);
    f->EditTourName->setText(QStringLiteral("Händlerrunde"));
    k->StringGridKarte->ErsteSpalteSetzen(66);
    k->StringGridKarte->ErsteZeileSetzen(72);
    QApplication::processEvents();
    ok = k->grab().save(ziel.filePath(QStringLiteral("karte_tour.png")), "PNG") && ok;
    ok = f->grab().save(ziel.filePath(QStringLiteral("tourfenster.png")), "PNG") && ok;
    ok = a.Form1->grab().save(ziel.filePath(QStringLiteral("routenplaner_tour.png")), "PNG") && ok;
    f->close();

    if (argc > 2) {
        // for a look at the coasts: Zyrthania at the given cell size, no zones
        k->CheckBoxWinterTheme->setChecked(false);
        k->CheckBoxBauverbotszone->setChecked(false);
        e.RadioButtonMap[2]->click();
        k->StringGridKarte->ZellgroesseSetzen(QString::fromLocal8Bit(argv[2]).toInt());
        k->StringGridKarte->ErsteSpalteSetzen(25);
        k->StringGridKarte->ErsteZeileSetzen(33);
        QApplication::processEvents();
        ok = k->grab().save(ziel.filePath(QStringLiteral("karte_zyrthania.png")), "PNG") && ok;
    }
    return ok ? 0 : 1;
}
