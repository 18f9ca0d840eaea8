// The build list commands of the "Datei" menu, with the file dialogs replaced: save with
// the extension forced, load replacing or merging, broken files and failed writes.
#include "Pruefstand.h"

#include "../crafting/ui/Bausatzrechnerteile.h"
#include "crafting/Analyse.h"
#include "crafting/ui/Bausatzrechnerseite.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Exportfenster.h"

#include <QPlainTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include <QAction>
#include <QTest>

using namespace mvt;
using mvt::pruefung::TPruefstand;

namespace {

struct TDialogAttrappe {
    QString Antwort; // what the dialog "returns"
    int Aufrufe = 0;
    QString Ordner;
    QString Vorschlag;
    QString Filter;
};

// Replaces both dialogs of the main window with the dummy and answers its questions.
struct TMenueStand {
    TPruefstand s;
    TDialogAttrappe dialog;
    QStringList fragen;
    bool frageAntwort = false;
    TFrageFunktion vorherFrage;

    TMenueStand()
    {
        s.Erzeugen();
        TBaulistenDialoge &d = s.Haupt().BaulistenDialoge;
        d.Speichern = [this](QWidget *, const QString &ordner, const QString &vorschlag,
                             const QString &filter) {
            ++dialog.Aufrufe;
            dialog.Ordner = ordner;
            dialog.Vorschlag = vorschlag;
            dialog.Filter = filter;
            return dialog.Antwort;
        };
        d.Oeffnen = [this](QWidget *, const QString &ordner, const QString &filter) {
            ++dialog.Aufrufe;
            dialog.Ordner = ordner;
            dialog.Filter = filter;
            return dialog.Antwort;
        };
        vorherFrage = FrageFunktionSetzen([this](const QString &text) {
            fragen.append(text);
            return frageAntwort;
        });
    }
    ~TMenueStand() { FrageFunktionSetzen(vorherFrage); }

    const TBauliste &Liste() { return s.App.Zustand().Crafting.Bauliste; }
    void Hinzufuegen(const QString &name, int64_t n) { s.App.Sitzung.Crafting().Hinzufuegen(name, n); }
    QStringList Inhalt()
    {
        QStringList l;
        for (const TBaulistenKnoten &e : Liste().Eintraege)
            l << KnotenText(s.App.Zustand().Katalog, e);
        return l;
    }
    void Speichern(const QString &antwort)
    {
        dialog.Antwort = antwort;
        s.Haupt().Baulistespeichern1->trigger();
    }
    void Laden(const QString &antwort, bool ersetzen)
    {
        dialog.Antwort = antwort;
        (ersetzen ? s.Haupt().Baulisteladenersetzen1 : s.Haupt().Baulisteladeneinfgen1)->trigger();
    }
};

} // namespace

class BaulistenMenueTest : public QObject {
    Q_OBJECT

private slots:
    void SpeichernErzwingtDieEndung()
    {
        TMenueStand m;
        QVERIFY(m.s.Haupt().Baulistespeichern1->isEnabled());
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 2);
        m.Speichern(m.s.Pfad(QStringLiteral("Liste")));
        QCOMPARE(m.dialog.Ordner, QDir::currentPath());
        QCOMPARE(m.dialog.Vorschlag, QStringLiteral("Neue Bauliste.mvt_bl"));
        QCOMPARE(m.dialog.Filter, QStringLiteral("MVT Baulisten (*.mvt_bl)"));
        QCOMPARE(m.s.DateiLesen(QStringLiteral("Liste.mvt_bl")),
                 QByteArray("Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nKurzschwert 2\r\n"));

        // Another extension is replaced; a point in a folder name stays.
        m.Speichern(m.s.Pfad(QStringLiteral("Zweite.txt")));
        QVERIFY(QFile::exists(m.s.Pfad(QStringLiteral("Zweite.mvt_bl"))));
        QVERIFY(!QFile::exists(m.s.Pfad(QStringLiteral("Zweite.txt"))));
        QVERIFY(QDir(m.s.Pfad(QString())).mkdir(QStringLiteral("Ordner.v2")));
        m.Speichern(m.s.Pfad(QStringLiteral("Ordner.v2/Liste")));
        QVERIFY(QFile::exists(m.s.Pfad(QStringLiteral("Ordner.v2/Liste.mvt_bl"))));
        QVERIFY(m.fragen.isEmpty());

        // Cancelled: nothing written, nothing reported.
        m.Speichern(QString());
        QVERIFY(m.s.Meldungen.Meldungen.isEmpty());
    }

    void ErzwungeneEndungFragtVorDemUeberschreiben()
    {
        TMenueStand m;
        m.Hinzufuegen(QStringLiteral("Saphir"), 1);
        m.s.DateiAnlegen(QStringLiteral("Alt.mvt_bl"), "alte Liste");
        // The dialog asked about "Alt.txt", not about the file that would be replaced.
        m.frageAntwort = false;
        m.Speichern(m.s.Pfad(QStringLiteral("Alt.txt")));
        QCOMPARE(m.fragen.size(), 1);
        QVERIFY(m.fragen[0].contains(QStringLiteral("Alt.mvt_bl")));
        QCOMPARE(m.s.DateiLesen(QStringLiteral("Alt.mvt_bl")), QByteArray("alte Liste"));
        m.frageAntwort = true;
        m.Speichern(m.s.Pfad(QStringLiteral("Alt.txt")));
        QVERIFY(m.s.DateiLesen(QStringLiteral("Alt.mvt_bl")).endsWith("Saphir 1\r\n"));
        // The dialog's own choice of an existing ".mvt_bl" file is not asked twice.
        m.Speichern(m.s.Pfad(QStringLiteral("Alt.mvt_bl")));
        QCOMPARE(m.fragen.size(), 2);
    }

    void AetherbindeHinUndZurueck()
    {
        TMenueStand m;
        m.Hinzufuegen(QString::fromUtf16(u"Magische Ätherbinde"), 610);
        m.Hinzufuegen(QStringLiteral("Forstanlage IV"), 1);
        m.Hinzufuegen(QStringLiteral("Bastardschwert [2H]"), 2);
        const QStringList vorher = m.Inhalt();
        m.Speichern(m.s.Pfad(QStringLiteral("Binde")));
        QVERIFY(m.s.DateiLesen(QStringLiteral("Binde.mvt_bl")).contains("Magische \xC4therbinde 610\r\n"));
        m.s.App.Sitzung.Crafting().BaulisteSetzen(TBauliste{});
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        m.Laden(m.s.Pfad(QStringLiteral("Binde.mvt_bl")), true);
        QCOMPARE(m.Inhalt(), vorher);
        // Recomputed for the loaded list.
        QVERIFY(m.s.App.Zustand().Crafting.Analyse[1].Marktwert > 0.0);
        QVERIFY(!m.s.App.Zustand().Crafting.Bedarfsliste1.Zeilen.empty());
    }

    void EinfuegenZweimalVerdoppelt()
    {
        TMenueStand m;
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        m.Hinzufuegen(QStringLiteral("Saphir"), 3);
        m.Speichern(m.s.Pfad(QStringLiteral("Liste")));
        m.Laden(m.s.Pfad(QStringLiteral("Liste.mvt_bl")), false);
        m.Laden(m.s.Pfad(QStringLiteral("Liste.mvt_bl")), false);
        QCOMPARE(m.Inhalt(), QStringList({"3 Kurzschwert", "9 Saphir"}));
        // The trees follow the quantities.
        QCOMPARE(m.Liste().Eintraege[0].Kinder[0].Menge, 21.0);
    }

    void ErsetzenMitNurKopfLeert()
    {
        TMenueStand m;
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        QVERIFY(!m.s.App.Zustand().Crafting.Bedarfsliste1.Zeilen.empty());
        m.s.DateiAnlegen(QStringLiteral("Kopf.mvt_bl"), "Hadrik's Morvaren Tool\r\n1.13a\r\n\r\n");
        m.Laden(m.s.Pfad(QStringLiteral("Kopf.mvt_bl")), true);
        QVERIFY(m.Liste().Leer());
        QVERIFY(m.s.App.Zustand().Crafting.Bedarfsliste1.Zeilen.empty());
        QVERIFY(m.s.Meldungen.Meldungen.isEmpty());
    }

    void KaputteDateiAendertNichts()
    {
        TMenueStand m;
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        m.Hinzufuegen(QStringLiteral("Saphir"), 2);
        const QStringList vorher = m.Inhalt();
        m.s.DateiAnlegen(QStringLiteral("Kaputt.mvt_bl"),
                         "Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nBuchenholz 3\r\nKurzschwert zwei\r\n");
        for (bool ersetzen : {true, false}) {
            m.s.Meldungen.Meldungen.clear();
            m.Laden(m.s.Pfad(QStringLiteral("Kaputt.mvt_bl")), ersetzen);
            QCOMPARE(m.Inhalt(), vorher);
            QCOMPARE(m.s.Meldungen.Meldungen.size(), 1);
            QVERIFY(m.s.Meldungen.Meldungen[0].startsWith(QStringLiteral("Fehler: ")));
            QVERIFY(m.s.Meldungen.Meldungen[0].contains(QStringLiteral("Kaputt.mvt_bl")));
            QVERIFY(m.s.Meldungen.Meldungen[0].contains(QStringLiteral("zwei")));
        }
        // A file that vanished between the dialog and the reading.
        m.s.Meldungen.Meldungen.clear();
        m.Laden(m.s.Pfad(QStringLiteral("Weg.mvt_bl")), true);
        QCOMPARE(m.Inhalt(), vorher);
        QCOMPARE(m.s.Meldungen.Meldungen.size(), 1);
        QVERIFY(m.s.Meldungen.Meldungen[0].contains(QStringLiteral("Weg.mvt_bl")));
        // Cancelled: nothing happens.
        m.Laden(QString(), true);
        QCOMPARE(m.Inhalt(), vorher);
    }

    void GeladeneListeImBaumUndInDenFenstern()
    {
        TMenueStand m;
        TBausatzrechnerSeite *seite = m.s.Haupt().Bausatzrechner;
        QVERIFY(seite);
        const test::TBausatzrechnerTeile t(*seite);
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        QTreeWidgetItem *erster = t.TreeView2->topLevelItem(0);
        erster->setExpanded(true);
        t.TreeView2->setCurrentItem(erster->child(0));
        m.s.DateiAnlegen(QStringLiteral("Dazu.mvt_bl"),
                         "Hadrik's Morvaren Tool\r\n1.13a\r\n\r\nSaphir 2\r\nKurzschwert 1\r\n");
        m.Laden(m.s.Pfad(QStringLiteral("Dazu.mvt_bl")), false);
        // The tree shows the merged list; the open entry and the selected child stay.
        QCOMPARE(t.TreeView2->topLevelItemCount(), 2);
        erster = t.TreeView2->topLevelItem(0);
        QCOMPARE(erster->text(0), QStringLiteral("2 Kurzschwert"));
        QVERIFY(erster->isExpanded());
        QCOMPARE(t.TreeView2->currentItem(), erster->child(0));
        QCOMPARE(t.TreeView2->topLevelItem(1)->text(0), QStringLiteral("2 Saphir"));

        // The cost tab's button shows the loaded list in its mode; the export window too.
        t.PageControl2->setCurrentIndex(2);
        QToolButton *knopf = t.Kostenseite(3).SpeedButtonAnalyse;
        QVERIFY(knopf && knopf->isVisibleTo(seite));
        knopf->click();
        TForm6 *f6 = m.s.App.Form6.get();
        QVERIFY(f6->isVisible());
        QCOMPARE(f6->Tag, 3);
        QVERIFY(!m.s.Haupt().isEnabled());
        QCOMPARE(f6->StringGrid1->rowCount(), 3);
        QCOMPARE(f6->StringGrid1->Zellentext(1, 0), QStringLiteral("2 Kurzschwert"));
        f6->close();
        QVERIFY(m.s.Haupt().isEnabled());
        m.s.Haupt().NebenfensterZeigen(m.s.App.Form9.get(), 0);
        QVERIFY(m.s.App.Form9->Memo1->toPlainText().startsWith(QStringLiteral("[u][b]2 Kurzschwert")));
        m.s.App.Form9->close();
    }

    void MisslungenesSchreibenWirdGemeldet()
    {
        TMenueStand m;
        m.Hinzufuegen(QStringLiteral("Kurzschwert"), 1);
        m.Speichern(m.s.Pfad(QStringLiteral("fehlt/Liste")));
        QCOMPARE(m.s.Meldungen.Meldungen.size(), 1);
        QVERIFY(m.s.Meldungen.Meldungen[0].startsWith(
            QStringLiteral("Fehler: Die Bauliste konnte nicht gespeichert")));
        QVERIFY(m.s.Meldungen.Meldungen[0].contains(QStringLiteral("Liste.mvt_bl")));
    }
};

QObject *BaulistenMenueTestErzeugen()
{
    return new BaulistenMenueTest;
}

#include "BaulistenMenueTest.moc"
