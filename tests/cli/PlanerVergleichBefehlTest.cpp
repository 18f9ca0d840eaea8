// "Vergleich" and "Basis" of morvaren-cli planer: each difference must be what two plain
// runs of the tool give when subtracted by hand.
#include "../CliLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

using mvt::test::CliPfad;
using TLauf = mvt::test::TCliLauf;

TLauf Lauf(const QJsonObject &eingabe)
{
    QTemporaryFile t;
    if (!t.open())
        return {};
    t.write(QJsonDocument(eingabe).toJson());
    t.flush();
    return mvt::test::CliAufrufen({QStringLiteral("planer"), t.fileName()});
}

const QJsonObject Grund{
    {"Level", 30},
    {"Slots", QJsonObject{{"Hauptwaffe", QJsonObject{{"Name", "Kurzschwert"}}},
                          {"Helm", QJsonObject{{"Name", "Leinen-Haube"}, {"Verzauberung", "der Macht"}}}}},
    {"Attribute", QJsonObject{{"Staerke", 40}, {"Geschick", 30}}},
    {"Gegner", QJsonObject{{"Ruestschutz", 10}, {"Absorb", 5}}}};

// Every number of `diff` is mit - ohne of the same key; strings are not there.
void ErwarteUnterschied(const QJsonObject &diff, const QJsonObject &mit, const QJsonObject &ohne)
{
    EXPECT_FALSE(diff.contains("Texte"));
    EXPECT_FALSE(diff.contains("Modus"));
    int zahlen = 0;
    for (auto it = mit.begin(); it != mit.end(); ++it) {
        if (!it.value().isDouble())
            continue;
        ++zahlen;
        ASSERT_TRUE(diff[it.key()].isDouble()) << it.key().toStdString();
        EXPECT_DOUBLE_EQ(diff[it.key()].toDouble(), it.value().toDouble() - ohne[it.key()].toDouble())
            << it.key().toStdString();
    }
    EXPECT_GE(zahlen, 5);
}

} // namespace

TEST(PlanerVergleichBefehl, VergleichUndBasisWieVonHandAbgezogen)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    QJsonObject eingabe = Grund;
    const QJsonArray wahl{QJsonObject{{"Slot", "Hauptwaffe"}, {"Name", "Axt"}},
                          QJsonObject{{"Slot", "Nebenwaffe"}, {"Name", "Lederschild"}},
                          QJsonObject{{"Slot", "Helm"}, {"Name", "- nichts -"}}};
    eingabe["Vergleich"] = wahl;
    QJsonObject basis = Grund;
    basis["Level"] = 10;
    basis["Attribute"] = QJsonObject{{"Staerke", 10}};
    eingabe["Basis"] = basis;
    const TLauf l = Lauf(eingabe);
    ASSERT_EQ(l.Code, 0) << l.Fehler.toStdString();
    const TLauf ohne = Lauf(Grund);
    ASSERT_EQ(ohne.Code, 0);
    // The main output is the one without the new keys.
    EXPECT_EQ(l.Json["Offensive"], ohne.Json["Offensive"]);

    const QJsonArray v = l.Json["Vergleich"].toArray();
    ASSERT_EQ(v.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject w = wahl[i].toObject();
        const QJsonObject u = v[i].toObject();
        SCOPED_TRACE(w["Name"].toString().toStdString());
        EXPECT_EQ(u["Slot"], w["Slot"]);
        EXPECT_EQ(u["Name"], w["Name"]);
        QJsonObject mitEingabe = Grund;
        QJsonObject slotObjekt = Grund["Slots"].toObject();
        slotObjekt[w["Slot"].toString()] = QJsonObject{{"Name", w["Name"]}};
        mitEingabe["Slots"] = slotObjekt;
        const TLauf mit = Lauf(mitEingabe);
        ASSERT_EQ(mit.Code, 0);
        ErwarteUnterschied(u["Offensive"].toObject(), mit.Json["Offensive"].toObject(),
                           ohne.Json["Offensive"].toObject());
        ErwarteUnterschied(u["Defensive"].toObject(), mit.Json["Defensive"].toObject(),
                           ohne.Json["Defensive"].toObject());
    }
    // The shield adds protection, so the opponent's damage per attack falls.
    EXPECT_LT(v[1].toObject()["Defensive"].toObject()["ProAngriff"].toDouble(), 0.0);

    const TLauf b = Lauf(basis);
    ASSERT_EQ(b.Code, 0);
    const QJsonObject u = l.Json["Unterschiede"].toObject();
    ErwarteUnterschied(u["Offensive"].toObject(), ohne.Json["Offensive"].toObject(),
                       b.Json["Offensive"].toObject());
    ErwarteUnterschied(u["Defensive"].toObject(), ohne.Json["Defensive"].toObject(),
                       b.Json["Defensive"].toObject());
    EXPECT_GT(u["Offensive"].toObject()["ProRunde"].toDouble(), 0.0);
}

TEST(PlanerVergleichBefehl, UnbekannteSlotsUndNamenEndenMitCode2)
{
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    const QJsonObject falsch[] = {
        QJsonObject{{"Slot", "Kopf"}, {"Name", "Leinen-Haube"}},
        QJsonObject{{"Slot", "Helm"}, {"Name", "Kurzschwert"}},
        QJsonObject{{"Slot", "Helm"}},
    };
    for (const QJsonObject &f : falsch) {
        QJsonObject eingabe = Grund;
        eingabe["Vergleich"] = QJsonArray{f};
        const TLauf l = Lauf(eingabe);
        EXPECT_EQ(l.Code, 2) << QJsonDocument(f).toJson().toStdString();
        EXPECT_TRUE(l.Fehler.startsWith(QStringLiteral("Fehler: "))) << l.Fehler.toStdString();
        EXPECT_TRUE(l.Ausgabe.isEmpty());
    }
    QJsonObject eingabe = Grund;
    eingabe["Basis"] = QJsonObject{{"Slots", QJsonObject{{"Kopf", "x"}}}};
    EXPECT_EQ(Lauf(eingabe).Code, 2);
    eingabe["Basis"] = QStringLiteral("gibt-es-nicht.json");
    EXPECT_EQ(Lauf(eingabe).Code, 2);
}

TEST(PlanerVergleichBefehl, LangeListeLinearUndGleicheEintraege)
{
    // Each copy of the input carried the whole list along, so the work grew with its square
    // (10,000 choices took seconds, 200,000 did not end). Every entry must be what the same
    // choice gives in a short list, in list order, and the document what QJsonDocument writes.
    if (CliPfad().isEmpty())
        GTEST_SKIP() << "morvaren-cli fehlt";
    const QJsonArray wahl{QJsonObject{{"Slot", "Hauptwaffe"}, {"Name", "Axt"}},
                          QJsonObject{{"Slot", "Nebenwaffe"}, {"Name", "Lederschild"}},
                          QJsonObject{{"Slot", "Helm"}, {"Name", "- nichts -"}}};
    QJsonObject kurz = Grund;
    kurz["Vergleich"] = wahl;
    const TLauf k = Lauf(kurz);
    ASSERT_EQ(k.Code, 0) << k.Fehler.toStdString();
    auto liste = [&](int n) {
        QJsonArray lang;
        for (int i = 0; i < n; ++i)
            lang.append(wahl[i % 3]);
        QJsonObject eingabe = Grund;
        eingabe["Vergleich"] = lang;
        return eingabe;
    };
    const TLauf l = Lauf(liste(6'000));
    ASSERT_EQ(l.Code, 0) << l.Fehler.toStdString();
    const QJsonArray v = l.Json["Vergleich"].toArray();
    ASSERT_EQ(v.size(), 6'000);
    const QJsonArray erwartet = k.Json["Vergleich"].toArray();
    for (int i : {0, 1, 2, 3, 2'999, 5'998, 5'999})
        EXPECT_EQ(v[i], erwartet[i % 3]) << i;
    EXPECT_EQ(l.Json["Offensive"], k.Json["Offensive"]);
    EXPECT_EQ(QJsonDocument(l.Json).toJson(QJsonDocument::Indented), l.Ausgabe);

    // 60,000 choices within 6 seconds of processor time (some 2 are needed; with the work
    // growing with the square, well over a minute).
    QTemporaryFile t;
    ASSERT_TRUE(t.open());
    t.write(QJsonDocument(liste(60'000)).toJson(QJsonDocument::Compact));
    t.flush();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("ulimit -t 6 && exec \"$0\" planer \"$1\""), CliPfad(),
             t.fileName()});
    ASSERT_TRUE(p.waitForFinished(120'000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}
