// Window tests of the detailed analysis window, offscreen: the layout of each mode, the
// four resize bands, Escape, copying a grid.
#include "../Hilfen.h"

#include "crafting/ui/Detailanalyse.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace mvt;

class DetailanalyseFensterTest : public QObject {
    Q_OBJECT

    TOptionen m_optionen;
    TCraftingZustand m_c;

    void Liste(std::initializer_list<std::pair<const char *, int64_t>> eintraege)
    {
        m_c = test::NeuerZustand();
        for (auto [name, stueck] : eintraege)
            ZurBaulisteHinzufuegen(test::Katalog(), m_c.Bauliste, QString::fromUtf8(name), stueck);
        AllesNeuBerechnen(test::Katalog(), m_optionen, m_c);
    }

    struct Aufbau {
        QWidget haupt;
        TForm6 form;
        Aufbau(const TOptionen &o, const TCraftingZustand &c) : form(test::Katalog(), o, c, &haupt)
        {
            form.FormCreate();
        }
        void Zeigen(int modus)
        {
            haupt.setEnabled(false);
            form.Tag = modus;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
        }
    };

    static QString Zelle(TAnalyseRaster *t, int z, int s) { return t->Zellentext(z, s); }
    static QPoint Oben(QWidget *w) { return w->pos(); }

private slots:
    void initTestCase() { m_optionen = TOptionen{}; }

    void EinfacheProduktion()
    {
        Liste({{"Kurzschwert", 1}});
        Aufbau a(m_optionen, m_c);
        a.Zeigen(1);
        TForm6 &f = a.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Detaillierte Analyse der Bauliste: Einfache Produktion"));
        QCOMPARE(f.StringGrid1->rowCount(), 2);
        QCOMPARE(Zelle(f.StringGrid1, 0, 0), QStringLiteral("Gesamt"));
        QCOMPARE(Zelle(f.StringGrid1, 1, 0), QStringLiteral("1 Kurzschwert"));
        QCOMPARE(Zelle(f.StringGrid1, 1, 10), QStringLiteral("100%"));
        QCOMPARE(f.StringGrid1->Spaltenzahl(), 11);
        QCOMPARE(f.StringGrid1->Kopftext(7), QStringLiteral("Gewinn/Verlust"));
        QCOMPARE(f.StringGrid1->Spaltenbreite(0), 120);
        QCOMPARE(f.StringGrid1->Spaltenbreite(10), 30);
        QCOMPARE(f.StringGrid1->verticalHeader()->defaultSectionSize(), 16);
        QCOMPARE(f.StringGrid1->palette().color(QPalette::Base), QColor(0xEC, 0xE9, 0xD8));
        QVERIFY(f.StringGrid1->styleSheet().contains(QStringLiteral("#D3D1A8")));
        QVERIFY(!(f.StringGrid1->item(1, 3)->flags() & Qt::ItemIsEditable));
        // The name column stays when the grid scrolls sideways; rows can be resized.
        QVERIFY(f.StringGrid1->verticalHeader()->isVisible());
        QCOMPARE(f.StringGrid1->verticalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(f.StringGrid3->Spaltenbreite(5), 54);
        QCOMPARE(f.StringGrid4->Spaltenbreite(0), 110);

        // Mode 1: no intermediate products; everything below starts at 248.
        QVERIFY(f.StringGrid5->isHidden());
        QVERIFY(f.LabelAnalyseStatic5->isHidden());
        QCOMPARE(Oben(f.LabelAnalyseStatic2).y(), 248);
        QCOMPARE(f.StringGrid2->y(), 272);
        QCOMPARE(f.Bevel1->y(), 272);
        QCOMPARE(f.LabelInformationenStatic1->y(), 280);
        QCOMPARE(f.LabelGewinn[2]->y(), 336);
        QCOMPARE(f.LabelKostenStatic[4]->y(), 448);
        QCOMPARE(f.StringGrid3->y(), 512);
        QCOMPARE(f.StringGrid4->y(), 512);
        QCOMPARE(f.SpeedButtonAbbrechen->y(), 640);
        QCOMPARE(f.Bildlaufbereich(), 688);
        QCOMPARE(f.Image1->height(), std::max(688, f.ScrollBox->viewport()->height()));

        QCOMPARE(Zelle(f.StringGrid2, 0, 0), QStringLiteral("Kupferbarren"));
        QCOMPARE(f.LabelInformationenStatic1->text(), QStringLiteral("Gewinn"));
        QCOMPARE(f.LabelGewinn[0]->text(), QStringLiteral("46 Gold"));
        QCOMPARE(f.LabelAnzahl[0]->text(), QStringLiteral("12 Stk."));
        QCOMPARE(f.LabelKosten[0]->text(), QStringLiteral("820 Gold"));
        QCOMPARE(Zelle(f.StringGrid3, 0, 0), QStringLiteral("Schmiede"));
        QCOMPARE(Zelle(f.StringGrid4, 0, 0), QStringLiteral("Schmieden (Schwerter)"));
        QCOMPARE(f.LabelAnalyseStatic2->buddy(), f.StringGrid2);
        QCOMPARE(f.StringGrid3->accessibleName(), QStringLiteral("Gebäude"));
        QCOMPARE(f.SpeedButtonAbbrechen->accessibleName(), QStringLiteral("Fenster schließen"));
    }

    void ZutatenLv2UndNeuAufbau()
    {
        Liste({{"Kurzschwert", 1}});
        Aufbau a(m_optionen, m_c);
        a.Zeigen(3);
        TForm6 &f = a.form;
        QCOMPARE(f.windowTitle(),
                 QStringLiteral(
                     "Detaillierte Analyse der Bauliste: Einfache Produktion + Zutaten produzieren Lv2"));
        QVERIFY(f.StringGrid5->isVisible());
        QCOMPARE(f.StringGrid5->y(), 272);
        QCOMPARE(f.StringGrid5->rowCount(), 2);
        QCOMPARE(Zelle(f.StringGrid5, 1, 0), QStringLiteral("Kupfererz"));
        QCOMPARE(f.StringGrid2->y(), 488);
        QCOMPARE(f.LabelInformationenStatic1->y(), 496);
        QCOMPARE(f.LabelGewinn[0]->y(), 520);
        QCOMPARE(f.LabelInformationenStatic2->y(), 576);
        QCOMPARE(f.LabelKostenStatic[0]->y(), 600);
        QCOMPARE(f.LabelAnalyseStatic3->y(), 704);
        QCOMPARE(f.StringGrid3->y(), 728);
        QCOMPARE(f.SpeedButtonAbbrechen->y(), 856);
        QCOMPARE(f.Bildlaufbereich(), 912);
        QCOMPARE(f.ScrollBox->verticalScrollBar()->maximum(), 912 - f.ScrollBox->viewport()->height());
        QCOMPARE(f.StringGrid3->rowCount(), 3);
        QCOMPARE(f.LabelGewinn[2]->text(), QStringLiteral("3959 Gold"));

        // Scrolled down, closed, the list changed to a loss and shown in mode 1 again:
        // everything rebuilt, at the top.
        f.ScrollBox->verticalScrollBar()->setValue(200);
        f.close();
        m_c.Warenpreise[test::Zeile(u"Kurzschwert")].Verkaufspreis = 100;
        ZurBaulisteHinzufuegen(test::Katalog(), m_c.Bauliste, QStringLiteral("Saphir"), 2);
        AllesNeuBerechnen(test::Katalog(), m_optionen, m_c);
        a.Zeigen(1);
        QCOMPARE(f.ScrollBox->verticalScrollBar()->value(), 0);
        QVERIFY(f.StringGrid5->isHidden());
        QCOMPARE(f.StringGrid1->rowCount(), 3);
        QCOMPARE(Zelle(f.StringGrid1, 2, 0), QStringLiteral("2 Saphir"));
        QCOMPARE(f.LabelInformationenStatic1->text(), QStringLiteral("Verlust"));
        QVERIFY(f.LabelGewinn[0]->text().startsWith(u'-'));
        QCOMPARE(f.StringGrid2->y(), 272);
    }

    void LeereRasterZeigenEineLeereZeile()
    {
        Liste({{"Saphir", 5}});
        Aufbau a(m_optionen, m_c);
        a.Zeigen(4);
        QCOMPARE(a.form.StringGrid3->rowCount(), 1);
        QCOMPARE(Zelle(a.form.StringGrid3, 0, 0), QString());
        QCOMPARE(a.form.StringGrid4->rowCount(), 1);
        QCOMPARE(a.form.StringGrid5->rowCount(), 1);
    }

    void FensterbreiteInVierBereichen()
    {
        Liste({{"Kurzschwert", 1}});
        Aufbau a(m_optionen, m_c);
        // Mode 3 is taller than the window: with the scroll bar the narrowest window
        // reaches the first band.
        a.Zeigen(3);
        TForm6 &f = a.form;
        f.resize(f.minimumWidth(), f.height());
        QCoreApplication::processEvents();
        const int schmalste = f.Clientbreite();
        QVERIFY(schmalste < 576);
        for (int w : {schmalste, 575, 576, 700, 740, 741, 779, 780, 900, 1200}) {
            f.resize(w + f.width() - f.Clientbreite(), f.height());
            QCoreApplication::processEvents();
            QCOMPARE(f.Clientbreite(), w);
            int links, raster, gebaeude;
            if (w < 576) {
                links = 239, raster = w - 304, gebaeude = 221;
            } else if (w <= 740) {
                links = w - 336, raster = 267, gebaeude = w - 354;
            } else if (w <= 779) {
                links = 404, raster = w - 477, gebaeude = 386;
            } else {
                links = w - 376, raster = std::min(w - 477, 297), gebaeude = w - 394;
            }
            QCOMPARE(f.StringGrid4->x(), links);
            // The skills grid is never wider than 297, also at the top of the third band.
            QCOMPARE(f.StringGrid4->width(), std::min(raster, 297));
            QCOMPARE(f.StringGrid3->width(), gebaeude);
            QCOMPARE(f.LabelAnalyseStatic4->x(), links);
            QVERIFY(f.StringGrid3->geometry().right() < f.StringGrid4->x());
        }
    }

    void EscapeGibtDasHauptfensterFrei()
    {
        Liste({{"Kurzschwert", 1}});
        Aufbau a(m_optionen, m_c);
        a.Zeigen(2);
        QVERIFY(!a.haupt.isEnabled());
        a.form.StringGrid2->setFocus();
        QTest::keyClick(a.form.StringGrid2, Qt::Key_Escape);
        QVERIFY(!a.form.isVisible());
        QVERIFY(a.haupt.isEnabled());

        a.Zeigen(2);
        QTest::mouseClick(a.form.SpeedButtonAbbrechen, Qt::LeftButton);
        QVERIFY(!a.form.isVisible());
        QVERIFY(a.haupt.isEnabled());
    }

    void StrgCKopiertTabulatorText()
    {
        Liste({{"Kurzschwert", 1}});
        Aufbau a(m_optionen, m_c);
        a.Zeigen(1);
        TAnalyseRaster *g = a.form.StringGrid2;
        g->setFocus();
        QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
        // the percentages as numbers a spreadsheet reads, as in every grid's copy
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\tAnzahl\tGesamtpreis\tStückpreis\t\n"
                                                                   "Kupferbarren\t7\t420\t60\t100\n"
                                                                   "Schmiedeöl\t5\t400\t80\t100\n"));
        // Two cells of one column: that column's header and values, with the row names.
        g->setCurrentCell(0, 1, QItemSelectionModel::ClearAndSelect);
        g->setCurrentCell(1, 1, QItemSelectionModel::Select);
        QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("\tGesamtpreis\nKupferbarren\t420\nSchmiedeöl\t400\n"));
    }
};

QObject *DetailanalyseFensterTestErzeugen()
{
    return new DetailanalyseFensterTest;
}

#include "DetailanalyseFensterTest.moc"
