// morvaren-cli katalog and zauber as a script sees them: JSON, exit codes, messages.
#include "../CliLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {
using Lauf = mvt::test::TCliLauf;
using mvt::test::CliAufrufen;

Lauf Aufrufen(const QStringList &args)
{
    return CliAufrufen(args);
}

QJsonObject Objekt(const QStringList &args)
{
    const Lauf l = Aufrufen(args);
    EXPECT_EQ(l.Code, 0) << l.Fehler.toStdString();
    return QJsonDocument::fromJson(l.Ausgabe).object();
}
} // namespace

TEST(KatalogCli, KurzschwertWieImSpiel)
{
    const QJsonObject o = Objekt({"katalog", "Kurzschwert"});
    EXPECT_EQ(o["Name"].toString(), "Kurzschwert");
    EXPECT_EQ(o["Tabellencode"].toInt(), 3);
    EXPECT_EQ(o["Index"].toInt(), 21);
    EXPECT_EQ(o["Kategorie"].toInt(), 2);
    EXPECT_EQ(o["Preis"].toInt(), 1200);
    EXPECT_EQ(o["Gewicht"].toInt(), 2000);
    EXPECT_EQ(o["Stufe"].toInt(), 1);
    EXPECT_EQ(o["MinSchaden"].toInt(), 8);
    EXPECT_EQ(o["MaxSchaden"].toInt(), 12);
    EXPECT_EQ(o["SchadenProRunde"].toInt(), 40);
    EXPECT_EQ(o["Tempo"].toInt(), 4);
    EXPECT_EQ(o["Herstellungsstufe"].toInt(), 0);
    EXPECT_EQ(o["Rezeptpreis"].toInt(), 600);
    EXPECT_EQ(o["Dauer"].toInt(), 420);
    EXPECT_EQ(o["Menge"].toInt(), 1);
    EXPECT_EQ(o["Ruestschutz"].toDouble(), -1.0);
    const QJsonArray zutaten = o["Zutaten"].toArray();
    ASSERT_EQ(zutaten.size(), 2); // only the filled slots
    EXPECT_EQ(zutaten[0].toObject()["Name"].toString(), "Kupferbarren");
    EXPECT_EQ(zutaten[0].toObject()["Anzahl"].toInt(), 7);
    EXPECT_EQ(zutaten[1].toObject()["Name"].toString(), QString::fromUtf8("Schmiedeöl"));
    EXPECT_EQ(zutaten[1].toObject()["Anzahl"].toInt(), 5);
}

TEST(KatalogCli, GebaeudeMitBauteilenUndWert)
{
    const QJsonObject o = Objekt({"katalog", "Forstanlage I"});
    EXPECT_EQ(o["Tabellencode"].toInt(), 5);
    EXPECT_EQ(o["Gebaeudewert"].toInt(), 10400);
    ASSERT_EQ(o["Bauteile"].toArray().size(), 2);
    EXPECT_FALSE(o.contains("Zutaten"));
}

TEST(KatalogCli, WeltvarianteNachWahl)
{
    EXPECT_EQ(Objekt({"katalog", "Panzerbrecher"})["Menge"].toInt(), 610); // default world 3
    const QJsonObject alt = Objekt({"katalog", "Panzerbrecher", "--welt", "1"});
    EXPECT_EQ(alt["Preis"].toInt(), 49);
    EXPECT_EQ(alt["Rezeptpreis"].toInt(), 3307);
    EXPECT_EQ(alt["Menge"].toInt(), 135);
    EXPECT_EQ(Aufrufen({"katalog", "Panzerbrecher", "--welt", "4"}).Code, 2);
    EXPECT_EQ(Aufrufen({"katalog", "Panzerbrecher", "--welt"}).Code, 2);
}

TEST(KatalogCli, AlleZeilenInTabellenreihenfolge)
{
    const Lauf l = Aufrufen({"katalog", "--alle"});
    ASSERT_EQ(l.Code, 0);
    const QJsonArray alle = QJsonDocument::fromJson(l.Ausgabe).array();
    ASSERT_EQ(alle.size(), 74 + 25 + 496 + 20 + 124);
    EXPECT_EQ(alle.first().toObject()["Name"].toString(), "Buchenholz");
    EXPECT_EQ(alle[74].toObject()["Name"].toString(), "Buchenbretter");
    EXPECT_EQ(alle[74 + 25 + 496].toObject()["Name"].toString(), "Schwert (Training)");
    EXPECT_EQ(alle.last().toObject()["Name"].toString(), "Baumeister V");
}

TEST(KatalogCli, UnbekannteNamen)
{
    const Lauf l = Aufrufen({"katalog", "Kurzschwertt"});
    EXPECT_EQ(l.Code, 1);
    EXPECT_TRUE(l.Ausgabe.isEmpty());
    EXPECT_EQ(l.Fehler.trimmed(), "Fehler: Unbekannter Name: Kurzschwertt");
    const Lauf z = Aufrufen({"zauber", "feuerpfeil"});
    EXPECT_EQ(z.Code, 1);
    EXPECT_EQ(z.Fehler.trimmed(), "Fehler: Unbekannter Name: feuerpfeil");
}

TEST(KatalogCli, Zauber)
{
    const QJsonObject o = Objekt({"zauber", QString::fromUtf8("Sphärenschwert")});
    EXPECT_EQ(o["Nr"].toInt(), 80);
    EXPECT_EQ(o["KlammerName"].toString(), QString::fromUtf8("[Sphärenschwert]"));
    EXPECT_EQ(o["SchadenProRunde"].toInt(), 78);
    EXPECT_EQ(o["Angriffe"].toInt(), 2);
    EXPECT_EQ(o["Preis"].toInt(), 20000);
}
