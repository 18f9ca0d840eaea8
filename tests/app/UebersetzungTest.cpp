// Qt's own texts in German (standard dialogs, context menus) and the program's icon on
// every window.
#include "Pruefstand.h"

#include "app/Infofenster.h"
#include "app/Programmstart.h"
#include "crafting/ui/Detailanalyse.h"
#include "crafting/ui/Exportfenster.h"
#include "crafting/ui/Mengendialog.h"
#include "online/ui/Versionsfenster.h"
#include "planner/ui/Optimiererfenster.h"
#include "routes/ui/Kartenfenster.h"
#include "settings/ui/Einstellungsfenster.h"
#include "settings/ui/Preisdialog.h"
#include "ui/Bilder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace mvt;

namespace {

// Asks a QMessageBox::question as the program would, reads the buttons while it is open
// and answers with a click on the button `antwort`.
QStringList FrageStellen(QMessageBox::StandardButton antwort, QMessageBox::StandardButton *ergebnis)
{
    QStringList texte;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *b : box->buttons())
            texte << b->text();
        if (QAbstractButton *b = box->button(antwort))
            QTest::mouseClick(b, Qt::LeftButton);
        else
            box->reject();
    });
    *ergebnis =
        QMessageBox::question(nullptr, QStringLiteral("Hadrik's Morvaren Tool"), QStringLiteral("Wirklich?"));
    return texte;
}

// Opens a text field's context menu with a right click and returns its entries.
QStringList Kontextmenue()
{
    QWidget fenster;
    fenster.resize(200, 40);
    auto *feld = new QLineEdit(QStringLiteral("Kupferbarren"), &fenster);
    feld->setGeometry(5, 5, 190, 30);
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster))
        return {};
    feld->selectAll();
    // Through the window, as the window system delivers it, so that Qt makes the menu.
    QTest::mouseClick(fenster.windowHandle(), Qt::RightButton, {}, QPoint(20, 20));
    QStringList texte;
    if (!QTest::qWaitFor([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()) != nullptr; },
                         2000))
        return texte;
    auto *menue = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    for (QAction *a : menue->actions())
        if (!a->isSeparator())
            texte << a->text();
    menue->close();
    return texte;
}

bool EnthaeltAnfang(const QStringList &texte, const QString &anfang)
{
    for (const QString &t : texte)
        if (t.startsWith(anfang))
            return true;
    return false;
}

} // namespace

class UebersetzungTest : public QObject {
    Q_OBJECT

private slots:
    void deutscheStandardtexte();
    void ohneUebersetzungEnglischUndBenutzbar();
    void symbolAufJedemFenster();
};

void UebersetzungTest::deutscheStandardtexte()
{
    const auto uebersetzung = QtUebersetzungLaden(QtUebersetzungsordner());
    QVERIFY2(uebersetzung, "qtbase_de.qm fehlt (Debian: qt6-translations-l10n, scripts/install-deps)");

    QMessageBox::StandardButton ergebnis = QMessageBox::NoButton;
    const QStringList knoepfe = FrageStellen(QMessageBox::No, &ergebnis);
    QVERIFY2(knoepfe.contains(QStringLiteral("&Ja")), qPrintable(knoepfe.join(u'|')));
    QVERIFY(knoepfe.contains(QStringLiteral("&Nein")));
    QCOMPARE(ergebnis, QMessageBox::No);

    const QStringList menue = Kontextmenue();
    QVERIFY2(EnthaeltAnfang(menue, QStringLiteral("&Kopieren")), qPrintable(menue.join(u'|')));
    QVERIFY(EnthaeltAnfang(menue, QStringLiteral("E&infügen")) ||
            EnthaeltAnfang(menue, QStringLiteral("Einf")));
    QVERIFY(!EnthaeltAnfang(menue, QStringLiteral("&Copy")));

    // The file dialog of "Bauliste speichern..." (Qt's own, not the desktop's).
    QFileDialog dialog(nullptr, QStringLiteral("Bauliste speichern"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    auto *name = dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"));
    auto *knopfleiste = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(name && knopfleiste);
    QVERIFY2(name->text().startsWith(QStringLiteral("Datei&name")) ||
                 name->text().startsWith(QStringLiteral("Dateiname")),
             qPrintable(name->text()));
    QVERIFY(knopfleiste->button(QDialogButtonBox::Save));
    QCOMPARE(knopfleiste->button(QDialogButtonBox::Save)->text().remove(u'&'), QStringLiteral("Speichern"));
    QCOMPARE(knopfleiste->button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Abbrechen"));
    dialog.reject();
}

void UebersetzungTest::ohneUebersetzungEnglischUndBenutzbar()
{
    QTemporaryDir leer;
    QVERIFY(!QtUebersetzungLaden(leer.path()));
    // A file of that name that is no translation changes nothing either.
    QFile kaputt(leer.filePath(QStringLiteral("qtbase_de.qm")));
    QVERIFY(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("keine Uebersetzung");
    kaputt.close();
    QVERIFY(!QtUebersetzungLaden(leer.path()));

    QMessageBox::StandardButton ergebnis = QMessageBox::NoButton;
    const QStringList knoepfe = FrageStellen(QMessageBox::Yes, &ergebnis);
    QVERIFY2(knoepfe.contains(QStringLiteral("&Yes")), qPrintable(knoepfe.join(u'|')));
    QCOMPARE(ergebnis, QMessageBox::Yes);
    QVERIFY(EnthaeltAnfang(Kontextmenue(), QStringLiteral("&Copy")));
}

void UebersetzungTest::symbolAufJedemFenster()
{
    AnwendungEinrichten();
    pruefung::TPruefstand stand;
    stand.Erzeugen();
    TAnwendung &a = stand.App;
    const QList<QWidget *> fenster = {a.Form1.get(), a.Form2.get(), a.Form3.get(), a.Form4.get(),
                                      a.Form5.get(), a.Form6.get(), a.Form7.get(), a.Form8.get(),
                                      a.Form9.get(), a.Form10.get()};
    for (QWidget *f : fenster) {
        const QIcon symbol = f->windowIcon();
        for (int n : SymbolGroessen)
            QVERIFY2(symbol.availableSizes().contains(QSize(n, n)),
                     qPrintable(f->objectName() + QString::number(n)));
    }
    // Each size is a drawing of the emblem: transparent corners, an opaque shield in the
    // middle with the red field and its gold rim.
    for (int n : SymbolGroessen) {
        const QImage bild =
            a.Form1->windowIcon().pixmap(QSize(n, n)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(bild.size(), QSize(n, n));
        QCOMPARE(qAlpha(bild.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(bild.pixel(n - 1, n - 1)), 0);
        int rot = 0;
        int gold = 0;
        for (int y = n / 4; y < 3 * n / 4; ++y)
            for (int x = n / 4; x < 3 * n / 4; ++x) {
                const QRgb p = bild.pixel(x, y);
                if (qAlpha(p) < 250)
                    continue;
                rot += qRed(p) > 70 && qGreen(p) < 50 && qBlue(p) < 50;
                gold += qRed(p) > 140 && qGreen(p) > 100 && qBlue(p) < 110;
            }
        QVERIFY2(rot > n * n / 40 && gold > n * n / 80,
                 qPrintable(QStringLiteral("%1: rot %2, gold %3").arg(n).arg(rot).arg(gold)));
    }
}

QObject *UebersetzungTestErzeugen()
{
    return new UebersetzungTest;
}

#include "UebersetzungTest.moc"
