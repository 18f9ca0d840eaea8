// The planer subcommand of morvaren-cli, run as a process on the input files of
// tests/data/planner/planer. Skipped when the command-line tool has not been built.
#include "../planner/PlanerTestKatalog.h"
#include "planner/Charakterdatei.h"
#include "../CliLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

using mvt::test::CliPfad;
using TLauf = mvt::test::TCliLauf;

TLauf Starten(const QString &datei)
{
    return mvt::test::CliAufrufen({QStringLiteral("planer"), datei});
}

TLauf MitText(const QByteArray &json)
{
    QTemporaryFile t;
    if (!t.open())
        return {};
    t.write(json);
    t.flush();
    return Starten(t.fileName());
}

QString Daten(const char *name)
{
    return QStringLiteral(MVT_TESTDATEN "/planner/planer/") + QLatin1String(name);
}

} // namespace

TEST(CharakterPlanerBefehl, BeispielEingabe)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    const TLauf l = Starten(Daten("beispiel.json"));
    ASSERT_EQ(l.Code, 0) << l.Fehler.toStdString();
    const QJsonObject slotJson = l.Json["Slots"].toObject();
    const QJsonObject haupt = slotJson["Hauptwaffe"].toObject();
    EXPECT_EQ(haupt["Beschriftung"].toString(), QString::fromUtf8("Bidenhänder [2H] +1"));
    EXPECT_EQ(haupt["Hinweis"].toString(), QString::fromUtf8("Bidenhänder der Kraft [2H] +1"));
    EXPECT_EQ(haupt["Verzauberung"].toString(), "der Kraft (+2 Staerke)");
    EXPECT_EQ(slotJson["Nebenwaffe"].toObject()["Beschriftung"].toString(),
              QString::fromUtf8("- von Zweihänder belegt -"));
    EXPECT_EQ(slotJson["Panzer"].toObject()["Aufwertung"].toInt(), 0);
    EXPECT_TRUE(slotJson["Munition"].toObject()["Verzauberung"].isNull());
    const QJsonObject c = l.Json["Charakter"].toObject();
    EXPECT_EQ(c["Level"].toInt(), 20);
    EXPECT_EQ(c["Staerke"].toInt(), 30);
    EXPECT_EQ(c["FreiePunkte"].toInt(), 47);
    EXPECT_EQ(c["Hauptwaffe"].toObject()["MinSchaden"].toDouble(), 41);
    EXPECT_TRUE(c["Zauber"].toObject().contains("Dauer"));
    EXPECT_FALSE(c["Hauptwaffe"].toObject().contains("Dauer"));
    EXPECT_EQ(c["Verzauberungen"].toArray().size(), 8);
    EXPECT_EQ(l.Json["Arten"].toArray().size(), 11);
    EXPECT_EQ(l.Json["Ansicht"].toString(), "Fernkampf");
    EXPECT_EQ(l.Json["Anzeige"].toObject()["Fernkampf"].toObject()["Waffe"].toObject()["Name"].toString(),
              "Feuerpfeil");
    EXPECT_EQ(l.Json["Offensive"].toObject()["Modus"].toString(), "Schaden");
    EXPECT_FALSE(l.Json.contains("Optimierung"));
}

TEST(CharakterPlanerBefehl, HeilungUndOptimierung)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    const TLauf h = Starten(Daten("heilung.json"));
    ASSERT_EQ(h.Code, 0) << h.Fehler.toStdString();
    const QJsonObject o = h.Json["Offensive"].toObject();
    EXPECT_EQ(o["Modus"].toString(), "Heilung");
    EXPECT_TRUE(o["GegnerBesiegtIn"].isNull());
    EXPECT_FALSE(o["Texte"].toObject().contains(QString::fromUtf8("Waffeneffektivität")));
    EXPECT_EQ(h.Json["Slots"].toObject()["Zauber"].toObject()["Beschriftung"].toString(), "Heilung II");

    const TLauf z = Starten(Daten("optimierung.json"));
    ASSERT_EQ(z.Code, 0) << z.Fehler.toStdString();
    const QJsonObject e = z.Json["Optimierung"].toObject();
    EXPECT_EQ(e["Kampfmodus"].toInt(), 1);
    EXPECT_TRUE(e["Warnung"].isNull());
    const QJsonObject c = z.Json["Charakter"].toObject();
    EXPECT_EQ(c["Staerke"].toInt(), e["Staerke"].toInt());
    EXPECT_GE(c["FreiePunkte"].toInt(), 5); // the reserve stays free
}

TEST(CharakterPlanerBefehl, FalscheEingabenEndenMitCode2)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    EXPECT_EQ(Starten(Daten("fehler_aufwertung.json")).Code, 2);
    for (const char *json :
         {R"({"Unbekannt": 1})", R"({"Slots": {"Kopf": {"Name": "Leinen-Haube"}}})", R"({"Level": "zehn"})",
          R"({"Optimierung": {"Rasse": "Ork"}})",
          R"({"Slots": {"Helm": {"Name": "Leinen-Haube", "Farbe": 1}}})", R"({"WirkungBerechnen": 1})",
          R"({"Wirkung": {"Zaubern": 1.5}})", "[]", "kein json"}) {
        const TLauf l = MitText(json);
        EXPECT_EQ(l.Code, 2) << json;
        EXPECT_TRUE(l.Fehler.startsWith("Fehler")) << json;
    }
    // Values beyond the fields' limits are cut, not refused.
    const TLauf l = MitText(R"({"Level": 5000, "Gegner": {"Ausweichen": 250}})");
    ASSERT_EQ(l.Code, 0);
    EXPECT_EQ(l.Json["Charakter"].toObject()["Level"].toInt(), 999);
    EXPECT_EQ(
        l.Json["Offensive"].toObject()["Texte"].toObject()[QString::fromUtf8("Gegner besiegt in")].toString(),
        "unbesiegbar");
}

// Hand-edited potencies are brought into the options file's range 0,52 ... 99,0; an
// absurd one no longer makes the evaluation sum over billions of heal values.
TEST(CharakterPlanerBefehl, WirkungImBereich)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    auto lauf = [](const char *wirkung) {
        return MitText(QByteArray(R"({"Wirkung":{"Erdmagie":)") + wirkung +
                       R"(},"Slots":{"Fernkampf":{"Name":"Erde-Langholz"},"Zauber":"Heilung II"},)"
                       R"("Ansicht":"Fernkampf"})");
    };
    const TLauf riesig = lauf("4294967295"), hoch = lauf("99"), null = lauf("0"), tief = lauf("0.52");
    ASSERT_EQ(riesig.Code, 0) << riesig.Fehler.toStdString();
    ASSERT_EQ(null.Code, 0) << null.Fehler.toStdString();
    EXPECT_EQ(riesig.Json, hoch.Json);
    EXPECT_EQ(null.Json, tief.Json);
    EXPECT_NE(hoch.Json["Charakter"], tief.Json["Charakter"]);
}

// A character saved by the tab is an input of `planer`: own items with their typed values,
// a preset at +0, ammunition at +0 and experience between two levels come out as saved,
// and saving what was loaded gives the same file.
TEST(CharakterPlanerBefehl, GespeicherterCharakter)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    using namespace mvt::planer;
    const mvt::TKatalog &k = Katalog();
    TPlaner p;
    PlanerStarten(p);
    ErfahrungEingeben(p, 30000);
    WaehleMenueEintrag(p, k, SlotHelm, QStringLiteral("*eigener Schwerer Helm*"));
    SetzeSlotwertText(p, SlotHelm, FeldRuestschutz, QStringLiteral("4,5"));
    SetzeSlotwertText(p, SlotHelm, FeldBehinderung, QStringLiteral("9"));
    WaehleMenueEintrag(p, k, SlotHauptwaffe, QStringLiteral("Axt"), false, true);
    SetzeVerzauberung(p, SlotHauptwaffe, VerzauberungAusName(QStringLiteral("der Wucht")));
    WaehleMenueEintrag(p, k, SlotFernkampf, QStringLiteral("Jagdbogen"));
    SchalteAufwertung(p, k, SlotMunition);
    AttributEingeben(p, AttrStaerke, 40);
    GegnerVorgabeAnwenden(p.Gegner, QStringLiteral("Leder 2"));
    Aktualisieren(p);
    AnsichtWaehlen(p, TAnsicht::Fernkampf);

    QTemporaryFile datei;
    ASSERT_TRUE(datei.open());
    ASSERT_TRUE(CharakterdateiSchreiben(p, datei.fileName()).isEmpty());
    const TLauf l = Starten(datei.fileName());
    ASSERT_EQ(l.Code, 0) << l.Fehler.toStdString();
    const QJsonObject plaetze = l.Json["Slots"].toObject();
    EXPECT_EQ(plaetze["Helm"].toObject()["Beschriftung"].toString(), p.Slots[SlotHelm].Beschriftung);
    EXPECT_EQ(plaetze["Hauptwaffe"].toObject()["Beschriftung"].toString(), QStringLiteral("Axt"));
    EXPECT_EQ(plaetze["Munition"].toObject()["Aufwertung"].toInt(), 0);
    EXPECT_EQ(l.Json["Charakter"].toObject()["Erfahrung"].toDouble(), 30000.0);
    EXPECT_EQ(l.Json["Charakter"].toObject()["Staerke"].toInt(), 40);
    EXPECT_EQ(l.Json["Anzeige"].toObject()["MaximaleLebenspunkte"].toString(),
              p.Anzeige.MaximaleLebenspunkte);
    EXPECT_EQ(l.Json["Ansicht"].toString(), QStringLiteral("Fernkampf"));

    TPlaner geladen;
    PlanerStarten(geladen);
    ASSERT_TRUE(CharakterdateiLesen(geladen, k, datei.fileName()).isEmpty());
    EXPECT_EQ(QJsonDocument(CharakterJsonSchreiben(geladen)).toJson(),
              QJsonDocument(CharakterJsonSchreiben(p)).toJson());
    EXPECT_EQ(geladen.Werte.Ruestung[SlotHelm].Behinderung, 9);
    EXPECT_EQ(geladen.Bewertung.Offensive.Zeilen[2].Wert, p.Bewertung.Offensive.Zeilen[2].Wert);
}

// A file that does not fit leaves the character exactly as it was, with a German message.
TEST(CharakterPlanerBefehl, KaputteCharakterdateiAendertNichts)
{
    using namespace mvt::planer;
    const mvt::TKatalog &k = Katalog();
    TPlaner p;
    PlanerStarten(p);
    LevelEingeben(p, 7);
    WaehleMenueEintrag(p, k, SlotHelm, QStringLiteral("Leinen-Haube"));
    const QByteArray vorher = QJsonDocument(CharakterJsonSchreiben(p)).toJson();
    const char *const kaputt[] = {
        R"({"Level": 3, "Slots": {"Kopf": {"Name": "Leinen-Haube"}}})",
        R"({"Level": 3, "Slots": {"Helm": {"Name": "Axt"}}})",
        R"({"Level": 3, "Slots": {"Helm": {"Name": "Leinen-Haube", "Aufwertung": 2}}})",
        R"({"Level": 3, "Slots": {"Helm": {"Name": "Leinen-Haube", "Werte": {"Schaden": 3}}}})",
        R"({"Level": 3, "Slots": {"Helm": {"Name": "Leinen-Haube", "Verzauberung": "des Pudels"}}})",
        R"({"Level": "drei"})",
        R"({"Erfahrung": -5})",
        R"({"Attribute": {"Staerke": 1.5}})",
        R"({"Gegner": {"Leben": "viel"}})",
        R"({"Ansicht": "Seitwaerts"})",
        R"({"Unbekannt": 1})",
        R"([1, 2, 3])",
    };
    for (const char *text : kaputt) {
        QTemporaryFile datei;
        ASSERT_TRUE(datei.open());
        datei.write(text);
        datei.flush();
        const QString fehler = CharakterdateiLesen(p, k, datei.fileName());
        EXPECT_TRUE(fehler.startsWith(QStringLiteral("Fehler: "))) << text;
        EXPECT_EQ(QJsonDocument(CharakterJsonSchreiben(p)).toJson(), vorher) << text;
    }
    EXPECT_FALSE(CharakterdateiLesen(p, k, QStringLiteral("/gibt/es/nicht.json")).isEmpty());
}
