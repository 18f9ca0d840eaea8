// kampfseite-probe BERICHT | --paare N: the combat tab on its own, as a player uses it:
// the report (a file, or N attacks between fighters not seen before, 2N fighters) is put
// on the clipboard and pasted into the memo with Ctrl+V, then "Auswerten" is clicked and
// the probe waits until the table is filled. It writes one line to standard output,
// "kampfseite <peak kB> <paste ms> <evaluate ms> <rows>", and ends with 0; with 1 when
// the table is not filled or a message was shown (out of memory). A process of its own,
// so that its peak memory is the tab's alone; the benchmark and a test under an
// address-space limit run it.
#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "catalogue/Katalog.h"
#include "combat/ui/Kampfberichtseite.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    int paare = -1;
    if (args.size() == 3 && args[1] == QLatin1String("--paare"))
        paare = args[2].toInt();
    else if (args.size() != 2)
        return 2;
    bool meldung = false;
    mvt::MeldungsFunktionSetzen([&meldung](const QString &text) {
        meldung = true;
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    });
    mvt::TKatalog katalog;
    mvt::KatalogFuellen(katalog);
    mvt::TKampfberichtSeite seite(katalog);
    seite.show();
    int erwartet = -1;
    if (paare >= 0) {
        QString text = QStringLiteral("Runde 1\n");
        for (int i = 0; i < paare; ++i)
            text += QStringLiteral("0:%1 Held %2 [Kurzschwert] greift Ork %2 an: verursacht %3 Schaden.\n")
                        .arg(i % 60, 2, 10, QLatin1Char('0'))
                        .arg(i)
                        .arg(5 + i % 30);
        QGuiApplication::clipboard()->setText(text);
        erwartet = 2 * paare;
    } else {
        const std::optional<QByteArray> bericht = mvt::DateiLesen(args[1]);
        if (!bericht)
            return 1;
        QGuiApplication::clipboard()->setText(mvt::TextDekodieren(*bericht));
    }
    auto *memo = seite.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    auto *auswerten = seite.findChild<QToolButton *>(QStringLiteral("SpeedButtonAuswerten"));
    auto *tabelle = seite.findChild<QAbstractItemView *>(QStringLiteral("StringGrid1"));
    if (!memo || !auswerten || !tabelle)
        return 1;
    QElapsedTimer uhr;
    uhr.start();
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const qint64 einfuegen = uhr.restart();
    QGuiApplication::clipboard()->clear();

    QSignalSpy fertig(&seite, &mvt::TKampfberichtSeite::AuswertungFertig);
    QTest::mouseClick(auswerten, Qt::LeftButton);
    if (!fertig.wait(600'000))
        return 1;
    // The rows as the table first paints them.
    tabelle->viewport()->repaint();
    const qint64 auswerten_ms = uhr.elapsed();

    long spitze = -1;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
        char zeile[256];
        while (std::fgets(zeile, sizeof zeile, status))
            if (std::sscanf(zeile, "VmHWM: %ld", &spitze) == 1)
                break;
        std::fclose(status);
    }
    const int zeilen = tabelle->model()->rowCount();
    std::printf("kampfseite %ld %lld %lld %d\n", spitze, static_cast<long long>(einfuegen),
                static_cast<long long>(auswerten_ms), zeilen);
    std::fflush(stdout);
    return meldung || (erwartet >= 0 && zeilen != erwartet) ? 1 : 0;
}
