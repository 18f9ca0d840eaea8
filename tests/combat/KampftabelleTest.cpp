#include "../Testkatalog.h"
#include "catalogue/Katalog.h"
#include "combat/Kampfbericht.h"
#include "combat/Kampftabelle.h"

#include <gtest/gtest.h>

using namespace mvt;

namespace {
using mvt::test::Katalog;

QStringList Zeile(const QString &name, const QString &schaden, const QString &proRunde)
{
    QStringList z{name, schaden, "0", proRunde};
    while (z.size() < KampftabelleSpalten)
        z << "0";
    return z;
}

QStringList Namen(const std::vector<QStringList> &zeilen)
{
    QStringList r;
    for (const auto &z : zeilen)
        r << z[0];
    return r;
}

const TDetailwert &Detail(const std::vector<TDetailwert> &werte, const char *label)
{
    for (const auto &w : werte)
        if (w.Label == QLatin1String(label))
            return w;
    throw std::runtime_error(label);
}

// The table's order stated as plainly as possible: an exchange sort over adjacent rows,
// each comparison reading its cells afresh. Number columns compare by value, descending for
// zustand 1; whole-number columns by their integer; a cell that is no number counts as -1.
double Sortierschluessel(const QStringList &zeile, int spalte)
{
    QString t = spalte < zeile.size() ? zeile[spalte] : QString();
    bool ok = false;
    if (spalte == 1 || spalte == 2 || (spalte >= 6 && spalte <= 9) || spalte == 12) {
        const int v = t.toInt(&ok);
        return ok ? v : -1.0;
    }
    if (t.endsWith(QLatin1String(" %")))
        t.chop(2);
    const double v = t.toDouble(&ok);
    return ok ? v : -1.0;
}

void ZeilenSortierenTausch(std::vector<QStringList> &zeilen, int spalte, int zustand)
{
    const auto vorher = [&](const QStringList &a, const QStringList &b) {
        if (spalte == 0)
            return zustand == 1 ? a.value(0) < b.value(0) : b.value(0) < a.value(0);
        const double x = Sortierschluessel(a, spalte), y = Sortierschluessel(b, spalte);
        return zustand == 1 ? x > y : x < y;
    };
    for (size_t durchgang = 1; durchgang < zeilen.size(); ++durchgang)
        for (size_t i = 0; i + 1 < zeilen.size(); ++i)
            if (vorher(zeilen[i + 1], zeilen[i]))
                std::swap(zeilen[i], zeilen[i + 1]);
}
} // namespace

TEST(Kampftabelle, Zahlenformate)
{
    EXPECT_EQ(ProzentText(0.78), "78.00 %");
    EXPECT_EQ(ProzentText(2.0 / 3.0), "66.67 %");
    EXPECT_EQ(ProzentText(-1.0), "");
    EXPECT_EQ(EineNachkommastelle(49.54), "49.5");
    EXPECT_EQ(EineNachkommastelle(-1.0), "");
    EXPECT_EQ(Genauigkeitswort(1), "unzuverlässig");
    EXPECT_EQ(Genauigkeitswort(4), "vage");
    EXPECT_EQ(Genauigkeitswort(10), "brauchbar");
    EXPECT_EQ(Genauigkeitswort(19), "sehr präzise");
    EXPECT_EQ(Genauigkeitswort(20), "hochpräzise");
    EXPECT_EQ(Geschwindigkeitswort(0), "!FEHLER!");
    EXPECT_EQ(Geschwindigkeitswort(7), "sehr langsam");
    EXPECT_EQ(Angriffstempowort(5), "sehr schnell");
    EXPECT_EQ(Angriffstempowort(7), "!FEHLER!");
    EXPECT_EQ(Angriffstempowort(24), "sehr langsam");
}

TEST(Kampftabelle, SortierenNachSpalten)
{
    std::vector<QStringList> z{Zeile("Bea", "10", "49.2"), Zeile("Abe", "30", "49.5"), Zeile("Cid", "10", ""),
                               Zeile("Dan", "20", "-1.0")};
    ZeilenSortieren(z, 1, 1);
    EXPECT_EQ(Namen(z), QStringList({"Abe", "Dan", "Bea", "Cid"})); // descending, equal keys keep their order
    ZeilenSortieren(z, 1, 2);
    EXPECT_EQ(Namen(z), QStringList({"Bea", "Cid", "Dan", "Abe"}));
    ZeilenSortieren(z, 3, 1);
    EXPECT_EQ(Namen(z), QStringList({"Abe", "Bea", "Cid", "Dan"})); // 49.5 before 49.2; empty counts as -1
    ZeilenSortieren(z, 0, 2);
    EXPECT_EQ(Namen(z), QStringList({"Dan", "Cid", "Bea", "Abe"}));
    ZeilenSortieren(z, 0, 1);
    EXPECT_EQ(Namen(z), QStringList({"Abe", "Bea", "Cid", "Dan"}));
}

// The fast sort must give exactly the order of the exchange sort.
TEST(Kampftabelle, SortierenWieDerTauschsort)
{
    uint32_t zufall = 7;
    auto wuerfel = [&zufall](uint32_t n) {
        zufall = zufall * 1664525u + 1013904223u;
        return (zufall >> 10) % n;
    };
    std::vector<QStringList> zeilen;
    for (int i = 0; i < 60; ++i) {
        QStringList z;
        z << QStringLiteral("K%1").arg(wuerfel(20));
        for (int s = 1; s < KampftabelleSpalten; ++s)
            z << (wuerfel(5) == 0 ? QString()
                  : s == 4        ? ProzentText(wuerfel(4) / 4.0)
                                  : QString::number(wuerfel(6)));
        z[0] += QStringLiteral(" %1").arg(i); // tells equal keys apart in the comparison below
        zeilen.push_back(z);
    }
    for (int spalte = 0; spalte < KampftabelleSpalten; ++spalte)
        for (int zustand = 1; zustand <= 2; ++zustand) {
            auto a = zeilen, b = zeilen;
            ZeilenSortieren(a, spalte, zustand);
            ZeilenSortierenTausch(b, spalte, zustand);
            EXPECT_EQ(a, b) << spalte << " " << zustand;
        }
}

TEST(Kampftabelle, DetailwerteUndGraueRegeln)
{
    Kampfauswertung a;
    KampfberichtAuswerten("00:00 Ork nähert sich Hadrik.\n00:05 Ork nähert sich Hadrik.\n"
                          "00:06 Hadrik [Axt] greift Ork an: verursacht 10 Schaden.\n",
                          a, Katalog());
    const auto ork = DetailWerte(*KaempferFinden(a, "Ork"));
    EXPECT_EQ(Detail(ork, "LabelBewegungsrate").Text, "normal (4,8 Schritte)");
    EXPECT_EQ(Detail(ork, "LabelZurueckgelWeg").Text, "2 Felder");
    EXPECT_EQ(Detail(ork, "LabelAusweichen").Text, "0.00 % (0 von 1)");
    EXPECT_EQ(Detail(ork, "LabelKampfUeberlebt").Text, "Ja");
    EXPECT_EQ(Detail(ork, "LabelEingestSchadenRunde").Text, "10.0");
    const auto hadrik = DetailWerte(*KaempferFinden(a, "Hadrik"));
    EXPECT_EQ(Detail(hadrik, "LabelZurueckgelWeg").Text, "0");
    EXPECT_TRUE(Detail(hadrik, "LabelZurueckgelWeg").Grau);
    EXPECT_EQ(Detail(hadrik, "LabelBewegungsrate").Text, "-");
    EXPECT_TRUE(Detail(hadrik, "LabelBewegungsrate").Grau);
    EXPECT_EQ(Detail(hadrik, "LabelAbsorbGenauigkeit").Text, "- (0 Werte)");
    EXPECT_EQ(Detail(hadrik, "LabelTreffsicherheit").Text, "100.00 % (1 von 1)");
    EXPECT_TRUE(Detail(hadrik, "LabelTreffsicherheitFern").Grau);
    EXPECT_EQ(Detail(hadrik, "LabelSchildabsorb").Text, "-");
    EXPECT_EQ(
        TabellenZeile(*KaempferFinden(a, "Hadrik")),
        QStringList({"Hadrik", "10", "1", "10.0", "100.00 %", "0.00 %", "10", "0", "0", "0", "", "", "0"}));
}

TEST(Kampftabelle, WaffenpanelZeilen)
{
    Kampfauswertung a;
    KampfberichtAuswerten(
        "00:01 Mia zaubert [Eile] auf A: erfolgreich.\n00:02 Mia zaubert [Eile] auf A: verfehlt.\n"
        "00:03 Mia zaubert [Eile] auf A: erfolgreich.\n00:04 Mia zaubert [Eile] auf A: verfehlt.\n"
        "00:05 Mia zaubert [Eile] auf A: erfolgreich.\n"
        "00:06 Mia zaubert [Inferno] auf A: erfolgreich.\n"
        "00:07 [Inferno] wirkt auf A: verursacht 30 Schaden (krit. Treffer)\n"
        "00:00 A wechselt in den Nahkampf.\n"
        "00:10 A [Axt] greift Mia an: verursacht 10 Schaden.\n"
        "00:10 A [Axt] greift Mia an: verursacht 12 Schaden.\n",
        a, Katalog());
    const TKaempfer &mia = *KaempferFinden(a, "Mia");
    const auto eile = WaffenZeilen(mia.Status[Fernkampf].Waffen.Waffe[0], Katalog());
    ASSERT_EQ(eile.size(), 4u);
    EXPECT_EQ(eile[0].Beschriftung, "Anwendungen");
    EXPECT_EQ(eile[0].Wert, "5");
    EXPECT_EQ(eile[1].Beschriftung, "Erfolgreich");
    EXPECT_EQ(eile[1].Wert, "3");
    EXPECT_EQ(eile[2].Wert, "5 Runden(n)");
    EXPECT_EQ(eile[3].Wert, "langsam (2 Angriffe)");

    const auto inferno = WaffenZeilen(mia.Status[Fernkampf].Waffen.Waffe[1], Katalog());
    ASSERT_EQ(inferno.size(), 6u);
    EXPECT_EQ(inferno[0].Wert, "keine normalen Treffer");
    EXPECT_TRUE(inferno[0].Grau);
    EXPECT_EQ(inferno[1].Wert, "30 - 30");
    EXPECT_EQ(inferno[3].Wert, "30.0");
    EXPECT_EQ(inferno[4].Beschriftung, "Wirkungsdauer");

    const auto &axt = KaempferFinden(a, "A")->Status[Nahkampf].Waffen.Waffe;
    ASSERT_EQ(axt.size(), 2u);
    const auto erste = WaffenZeilen(axt[0], Katalog());
    const auto zweite = WaffenZeilen(axt[1], Katalog());
    EXPECT_EQ(erste[2].Wert, "22");
    EXPECT_EQ(erste[3].Wert, "11.0");
    ASSERT_EQ(zweite.size(), 4u); // no " - Schnitt" row
    EXPECT_EQ(zweite[2].Wert, "(siehe andere Waffe)");
    EXPECT_EQ(zweite[3].Wert, "keine Daten");
}
