// Saves two pictures of the character planner page:
//     vergleich_bildschirmfoto ORDNER
// ORDNER/charakterplaner_was_waere_wenn.png: the main-hand menu open with the hint of a
// sword that shows what choosing it would change; ORDNER/charakterplaner_vergleich.png:
// the page comparing the character with a saved, weaker version of it. Menus and the hint
// are windows of their own, so they are drawn onto the main window's picture where they
// stand. Runs in a temporary working folder, so no real "options.ini" is read or written.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/MenueHinweis.h"
#include "planner/Charakterdatei.h"
#include "planner/ui/CharakterPlanerSeite.h"
#include "planner/ui/Optimiererfenster.h"
#include "PlanerFotoStand.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

using namespace mvt;
using namespace mvt::planer;

namespace {

void Taste(QWidget *w, Qt::Key k)
{
    QKeyEvent druck(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &druck);
}

// The main window with the given top-level windows drawn where they stand on the screen.
QPixmap MitFenstern(QWidget &haupt, const QList<QWidget *> &fenster)
{
    const QPoint ursprung = haupt.mapToGlobal(QPoint(0, 0));
    QRect flaeche(QPoint(0, 0), haupt.size());
    for (QWidget *f : fenster)
        flaeche |= QRect(f->mapToGlobal(QPoint(0, 0)) - ursprung, f->size());
    QPixmap bild(flaeche.size());
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.drawPixmap(-flaeche.topLeft(), haupt.grab());
    for (QWidget *f : fenster)
        maler.drawPixmap(f->mapToGlobal(QPoint(0, 0)) - ursprung - flaeche.topLeft(), f->grab());
    return bild;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: vergleich_bildschirmfoto ORDNER\n");
        return 2;
    }
    const QDir ziel(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    mvt::test::TPlanerFotoStand stand;
    TAnwendung &anwendung = stand.Anwendung;
    TForm1 &h = stand.Haupt();
    TCharakterPlanerSeite &seite = stand.Seite();

    TPlanerSitzung &p = anwendung.Sitzung.Planer();
    auto wahl = [&](TSlot s, const char *name) {
        TSlotwahl w;
        w.Name = QString::fromUtf8(name);
        p.SlotwahlSetzen(s, w);
    };
    // Last week's character, saved as the base.
    p.LevelSetzen(30);
    wahl(SlotHelm, "Leder-Helm");
    wahl(SlotPanzer, "Leder-Harnisch");
    wahl(SlotHauptwaffe, "Kurzschwert");
    for (auto [a, v] : {std::pair{AttrStaerke, 40}, {AttrGeschick, 60}, {AttrKonstitution, 30}})
        p.AttributSetzen(a, v);
    seite.CharakterNeuBerechnen();
    const QString basis = stand.Ordner.filePath(QStringLiteral("letzte_woche.json"));
    if (!CharakterdateiSchreiben(p.Planer(), basis).isEmpty())
        return 1;
    // Today's: better armour, a shield, more Geschicklichkeit.
    wahl(SlotHelm, "Hartleder-Helm");
    wahl(SlotPanzer, "Hartleder-Harnisch");
    wahl(SlotNebenwaffe, "Rundschild");
    p.AttributSetzen(AttrGeschick, 80);
    seite.CharakterNeuBerechnen();
    seite.GegnerVorgabeClick(QStringLiteral("Magier"));
    seite.GegnerVorgabeClick(QStringLiteral("Einhand"));

    int rc = 0;
    seite.MenuesAnlegen(); // entries are made on first opening
    auto *haupt = seite.findChild<QMenu *>(QStringLiteral("PopupMenuHauptwaffe"));
    auto *schwerter = seite.findChild<QMenu *>(QStringLiteral("PopupMenuHauptwaffe_Schwerter [1H]"));
    auto *knopf = seite.findChild<QToolButton *>(QStringLiteral("SpeedButtonHauptwaffe"));
    QTimer::singleShot(300, [&] {
        haupt->popup(knopf->mapToGlobal(QPoint(knopf->width() / 2, knopf->height())));
        QTimer::singleShot(200, [&] {
            Taste(haupt, Qt::Key_Down);
            Taste(haupt, Qt::Key_Right);
            QTimer::singleShot(200, [&] {
                for (int i = 0; i < 6; ++i)
                    Taste(schwerter, Qt::Key_Down);
                QCursor::setPos(
                    schwerter->mapToGlobal(schwerter->actionGeometry(schwerter->activeAction()).center()));
                h.MenuItemHint->MenuItemAuswaehlen(schwerter->activeAction());
                QTimer::singleShot(400, [&] {
                    rc |= MitFenstern(h, {haupt, schwerter, h.MenuItemHint})
                                  .save(ziel.filePath(QStringLiteral("charakterplaner_was_waere_wenn.png")),
                                        "PNG")
                              ? 0
                              : 1;
                    schwerter->hide();
                    haupt->hide();
                    rc |= seite.VergleichLaden(basis) ? 0 : 1;
                    QTimer::singleShot(300, [&] {
                        rc |= h.grab().save(ziel.filePath(QStringLiteral("charakterplaner_vergleich.png")),
                                            "PNG")
                                  ? 0
                                  : 1;
                        QApplication::quit();
                    });
                });
            });
        });
    });
    QApplication::exec();
    return rc;
}
