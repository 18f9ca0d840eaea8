// Saves pictures of the character planner page with a fully equipped character:
//     planer_bildschirmfoto ORDNER
// writes ORDNER/charakterplaner_offensive.png, charakterplaner_defensive.png and
// charakterplaner_optimierer.png (the optimiser window docked beside the main window).
// Runs in a temporary working folder, so no real "options.ini" is read or written.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "PlanerFotoStand.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace mvt;
using namespace mvt::planer;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: planer_bildschirmfoto ORDNER\n");
        return 2;
    }
    const QDir ziel(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    mvt::test::TPlanerFotoStand stand;
    TAnwendung &anwendung = stand.Anwendung;
    TForm1 &h = stand.Haupt();
    TCharakterPlanerSeite &seite = stand.Seite();

    TPlanerSitzung &p = anwendung.Sitzung.Planer();
    p.LevelSetzen(40);
    auto wahl = [&](TSlot s, const char *name, const char *verz = nullptr) {
        TSlotwahl w;
        w.Name = QString::fromUtf8(name);
        if (verz)
            w.Verzauberung = QString::fromUtf8(verz);
        p.SlotwahlSetzen(s, w);
    };
    wahl(SlotHelm, "Mithril-Plattenhelm", "der Kraft");
    wahl(SlotPanzer, "Drachenleder-Harnisch");
    wahl(SlotHose, "Drachenleder-Hose");
    wahl(SlotStiefel, "Hartleder-Stiefel", "der Täuschung");
    wahl(SlotHandschuhe, "Leder-Handschuhe");
    wahl(SlotHauptwaffe, "Langschwert", "der Präzision");
    wahl(SlotNebenwaffe, "Lederschild");
    wahl(SlotFernkampf, "Feuer-Stecken");
    wahl(SlotZauber, "Feuerball");
    for (auto [a, v] :
         {std::pair{AttrStaerke, 60}, {AttrGeschick, 80}, {AttrKonstitution, 40}, {AttrIntelligenz, 20}})
        p.AttributSetzen(a, v);
    seite.CharakterNeuBerechnen();
    seite.GegnerVorgabeClick(QStringLiteral("Leder 2"));
    seite.GegnerVorgabeClick(QStringLiteral("Einhand"));

    auto *pc3 = seite.findChild<QTabWidget *>(QStringLiteral("PageControl3"));
    int rc = 0;
    QTimer::singleShot(300, [&] {
        rc |= h.grab().save(ziel.filePath(QStringLiteral("charakterplaner_offensive.png")), "PNG") ? 0 : 1;
        pc3->setCurrentIndex(1);
        QTimer::singleShot(200, [&] {
            rc |=
                h.grab().save(ziel.filePath(QStringLiteral("charakterplaner_defensive.png")), "PNG") ? 0 : 1;
            pc3->setCurrentIndex(0);
            seite.findChild<QPushButton *>(QStringLiteral("ButtonAttributeOptimieren"))->click();
            QTimer::singleShot(300, [&] {
                // Both windows side by side as they are docked: the optimiser 9 pixels left.
                const QPixmap haupt = h.grab();
                const QPixmap opt = anwendung.Form10->grab();
                QPixmap bild(opt.width() + 9 + haupt.width(), std::max(haupt.height(), 78 + opt.height()));
                bild.fill(Qt::white);
                QPainter maler(&bild);
                maler.drawPixmap(0, 78, opt);
                maler.drawPixmap(opt.width() + 9, 0, haupt);
                maler.end();
                rc |=
                    bild.save(ziel.filePath(QStringLiteral("charakterplaner_optimierer.png")), "PNG") ? 0 : 1;
                QApplication::quit();
            });
        });
    });
    QApplication::exec();
    return rc;
}
