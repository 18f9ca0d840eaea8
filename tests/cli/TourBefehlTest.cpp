// morvaren-cli route with stations, and staedte.
#include "../CliLauf.h"

#include "../routes/Testwelten.h"
#include "routes/Stadtsuche.h"

#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

using namespace mvt;

namespace {

QByteArray Datei(const char *name)
{
    QFile f(QStringLiteral(MVT_TESTDATEN "/routes/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// Without --station the output is what it was before tours existed, byte for byte.
TEST(TourBefehl, OhneStationUnveraendert)
{
    const struct {
        QStringList Argumente;
        const char *Datei;
    } faelle[] = {
        {{"route", "--welt", "1", "--start", "70,70", "--ziel", "89,95"}, "route_dunladan.json"},
        {{"route", "--welt", "3", "--start", "10,12", "--ziel", "30,4", "--auftraege", "2",
          "--ohne-richtungsoptimierung"},
         "route_zyrthania.json"},
    };
    for (const auto &f : faelle) {
        const test::TCliLauf l = test::CliAufrufen(f.Argumente);
        EXPECT_EQ(l.Code, 0) << f.Datei;
        const QByteArray erwartet = Datei(f.Datei);
        ASSERT_FALSE(erwartet.isEmpty()) << f.Datei;
        EXPECT_EQ(l.Ausgabe, erwartet) << f.Datei;
    }
    const test::TCliLauf aussen =
        test::CliAufrufen({"route", "--welt", "3", "--start", "130,1", "--ziel", "1,1"});
    EXPECT_EQ(aussen.Code, 1);
}

// The stops in visiting order, each leg as the plain route between its stops, the sum.
TEST(TourBefehl, EtappenSindDieEinfachenRouten)
{
    const test::TCliLauf l = test::CliAufrufen(
        {"route", "--welt", "2", "--start", "40,40", "--station", "60,45", "--station", "35,70", "--station",
         "44,52", "--reihenfolge", "schnellste", "--rueckkehr", "--auftraege", "3"});
    ASSERT_EQ(l.Code, 0) << l.Fehler.toStdString();
    const QJsonArray stationen = l.Json["Stationen"].toArray();
    const QJsonArray etappen = l.Json["Etappen"].toArray();
    ASSERT_EQ(stationen.size(), 4);
    ASSERT_EQ(etappen.size(), 4);
    EXPECT_EQ(stationen[0], QJsonArray({40, 40}));
    EXPECT_EQ(etappen[3].toObject()["Nach"], QJsonArray({40, 40}));
    double summe = 0;
    for (qsizetype i = 0; i < etappen.size(); ++i) {
        const QJsonObject e = etappen[i].toObject();
        EXPECT_EQ(e["Von"], stationen[i]);
        const auto Text = [](const QJsonValue &p) {
            return QString::number(p.toArray()[0].toInt()) + "," + QString::number(p.toArray()[1].toInt());
        };
        const test::TCliLauf einfach = test::CliAufrufen({"route", "--welt", "2", "--start", Text(e["Von"]),
                                                          "--ziel", Text(e["Nach"]), "--auftraege", "3"});
        EXPECT_EQ(e["Route"], einfach.Json["Route"]);
        EXPECT_EQ(e["Reisezeit"], einfach.Json["Reisezeit"]);
        summe += e["Reisezeit"].toDouble();
    }
    EXPECT_EQ(l.Json["Reisezeit"].toDouble(), summe);
    // the kept order takes the stations as given
    const test::TCliLauf fest = test::CliAufrufen(
        {"route", "--welt", "2", "--start", "40,40", "--station", "60,45", "--station", "35,70"});
    EXPECT_EQ(fest.Json["Stationen"],
              QJsonArray({QJsonArray{40, 40}, QJsonArray{60, 45}, QJsonArray{35, 70}}));
    EXPECT_GE(fest.Json["Reisezeit"].toDouble(), 0.0);
}

TEST(TourBefehl, FalscheEingabenEndenMitCode2)
{
    QStringList dreizehn{"route", "--welt", "1", "--start", "1,1"};
    for (int i = 2; i <= 13; ++i)
        dreizehn << "--station" << QString::number(i) + ",5";
    const struct {
        QStringList Argumente;
        const char *Meldung;
    } faelle[] = {
        {dreizehn, "höchstens 12 Stationen"},
        {{"route", "--welt", "3", "--start", "1,1", "--station", "121,5"},
         "außerhalb der Karte von Zyrthania"},
        {{"route", "--welt", "1", "--start", "0,1", "--station", "5,5"}, "außerhalb"},
        {{"route", "--welt", "1", "--start", "1,1", "--station", "5,5", "--station", "5,5"},
         "zweimal aufeinander"},
        {{"route", "--welt", "1", "--start", "1,1", "--station", "1,1"}, "zweimal aufeinander"},
        {{"route", "--welt", "1", "--start", "1,1", "--station", "5,5", "--reihenfolge", "kurz"},
         "Reihenfolge"},
        {{"route", "--welt", "1", "--start", "1,1", "--station", "5,5", "--ziel", "7,7"}, "kein --ziel"},
        {{"route", "--welt", "1", "--start", "1,1", "--ziel", "7,7", "--rueckkehr"}, "nur mit --station"},
        {{"route", "--welt", "1", "--start", "1,1", "--station", "5;5"}, "Ungültige Station"},
        {{"staedte", "--welt", "4"}, "Die Welt muss"},
        {{"staedte"}, "Aufruf"},
    };
    for (const auto &f : faelle) {
        const test::TCliLauf l = test::CliAufrufen(f.Argumente);
        EXPECT_EQ(l.Code, 2) << f.Argumente.join(' ').toStdString();
        EXPECT_TRUE(l.Fehler.contains(QString::fromUtf8(f.Meldung))) << l.Fehler.toStdString();
        EXPECT_TRUE(l.Ausgabe.isEmpty());
    }
}

TEST(TourBefehl, StaedteNachDenRegelnDesSuchfelds)
{
    const routen::TWeltdaten &w = routen::test::EingebauteWelten();
    const std::vector<routen::TStadt> alle = routen::StaedteDerWelt(w.Welten[0], 200);
    const test::TCliLauf l = test::CliAufrufen({"staedte", "--welt", "1"});
    ASSERT_EQ(l.Code, 0);
    const QJsonArray a = QJsonDocument::fromJson(l.Ausgabe).array();
    ASSERT_EQ(a.size(), qsizetype(alle.size()));
    const QJsonObject erste = a[0].toObject();
    EXPECT_EQ(erste["Name"].toString(), alle[0].Name);
    EXPECT_EQ(erste["Besitzer"].toString(), alle[0].Besitzer);
    EXPECT_EQ(erste["x"].toInt(), alle[0].x);
    EXPECT_EQ(erste["y"].toInt(), alle[0].y);
    // a part of the first town's name, its umlauts typed as two letters, in capitals
    const QString teil = routen::Suchform(alle[0].Name.left(4)).toUpper();
    const test::TCliLauf such = test::CliAufrufen({"staedte", "--welt", "1", teil});
    const QJsonArray treffer = QJsonDocument::fromJson(such.Ausgabe).array();
    EXPECT_EQ(treffer.size(), qsizetype(routen::StaedteSuchen(alle, teil).size()));
    EXPECT_GE(treffer.size(), 1);
}
