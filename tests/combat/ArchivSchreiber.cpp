// Test helper: stores one fight after another in a combat archive, each with a text of its
// own, until N are stored (N = 0: until it is killed). Used to kill a program in the middle
// of storing and to let two programs store at once.
#include "base/Textdatei.h"
#include "catalogue/Katalog.h"
#include "combat/Kampfarchiv.h"
#include "combat/Kampfbericht.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "Aufruf: ArchivSchreiber DB BERICHT N PRAEFIX\n");
        return 2;
    }
    QFile f(args[2]);
    if (!f.open(QIODevice::ReadOnly))
        return 2;
    const QString bericht = mvt::TextDekodieren(f.readAll());
    const int n = args[3].toInt();
    mvt::TKatalog katalog;
    mvt::KatalogFuellen(katalog);
    mvt::TKampfarchiv db(args[1], 30000);
    if (!db.Oeffnen()) {
        std::fprintf(stderr, "%s\n", qPrintable(db.Fehler()));
        return 1;
    }
    mvt::Kampfauswertung a;
    mvt::KampfberichtAuswerten(bericht, a, katalog);
    for (int i = 0; n == 0 || i < n; ++i) {
        // A line the evaluation skips makes each text, and so each fight, a new one.
        const QString text = bericht + QStringLiteral("\n%1 %2").arg(args[4]).arg(i);
        if (!db.Speichern(text, a)) {
            std::fprintf(stderr, "%s\n", qPrintable(db.Fehler()));
            return 1;
        }
        if (i == 0) {
            std::printf("bereit\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
