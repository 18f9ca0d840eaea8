// The command line's streamed JSON against QJsonDocument: the same bytes for the same
// content, whatever the texts and numbers hold.
#include "cli/JsonStrom.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using mvt::cli::TJsonStrom;

namespace {

QByteArray Gestroemt(const QJsonValue &wert)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TJsonStrom s(puffer);
    s.Wert(wert);
    EXPECT_TRUE(s.Abschliessen());
    return puffer.data();
}

// Every text a hostile report or input can carry into a name: control characters, quote and
// backslash, the edges of the UTF-8 lengths, pairs and lone halves of surrogates.
QJsonArray Texte()
{
    QJsonArray t;
    QString steuer;
    for (char16_t c = 0; c < 0x20; ++c)
        steuer += QChar(c);
    t << steuer << QStringLiteral("\"Zitat\" \\ / \x7f") << QString() << QStringLiteral("Höhlentroll #2 ß€");
    for (char16_t c : {char16_t(0x80), char16_t(0x7ff), char16_t(0x800), char16_t(0xfffe), char16_t(0xffff)})
        t << QString(QChar(c));
    const QChar hoch(char16_t(0xd83d)), tief(char16_t(0xde00));
    t << (QString(hoch) + tief) << QString(hoch) << QString(tief) << (QString(hoch) + u'x')
      << (QString(tief) + hoch) << (QString(hoch) + hoch + tief) << QString(5000, u'\u00e4');
    return t;
}

QJsonArray Zahlen()
{
    QJsonArray z;
    for (qint64 i : {qint64(0), qint64(-1), qint64(2147483647), qint64(-2147483648LL), qint64(1000000),
                     std::numeric_limits<qint64>::max() / 2})
        z << i;
    for (double d : {0.0, -0.0, 0.1, -1.0, 1.0e6, 1.5e-7, 49.5, 1.0 / 3.0, 1e300, -2.5e-300,
                     std::numeric_limits<double>::infinity(), std::nan("")})
        z << d;
    return z;
}

} // namespace

TEST(JsonStrom, GleichtQJsonDocumentFuerJedenWert)
{
    const QJsonArray texte = Texte(), zahlen = Zahlen();
    const QJsonObject leer;
    QJsonObject schluessel;
    for (const QJsonValue &t : texte)
        schluessel[t.toString() + QStringLiteral("k")] = t;
    const QJsonObject gemischt{
        {"Texte", texte},
        {"Zahlen", zahlen},
        {"Wahr", true},
        {"Falsch", false},
        {"Nichts", QJsonValue()},
        {"LeeresObjekt", leer},
        {"LeereListe", QJsonArray()},
        {"Verschachtelt", QJsonArray{QJsonArray{QJsonArray{}}, QJsonObject{{"a", leer}}}},
        {"Schluessel", schluessel}};
    for (const QJsonValue &v : {QJsonValue(gemischt), QJsonValue(QJsonArray{gemischt, texte}),
                                QJsonValue(leer), QJsonValue(QJsonArray())}) {
        const QJsonDocument doc = v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject());
        EXPECT_EQ(Gestroemt(v), doc.toJson(QJsonDocument::Indented));
    }
}

TEST(JsonStrom, StueckweiseWieImGanzen)
{
    // A document written value by value, with the keys in QJsonObject's order, and longer
    // than the stream's buffer.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TJsonStrom s(puffer);
    QJsonArray liste;
    s.ObjektAnfang();
    s.Schluessel("Fehler");
    s.Zahl(int64_t(3));
    s.Schluessel("Kaempfer");
    s.ListeAnfang();
    for (int i = 0; i < 3000; ++i) {
        s.ObjektAnfang();
        s.Schluessel("Name");
        s.Text(QStringLiteral("Ork \"%1\"").arg(i));
        s.Schluessel("Rate");
        s.Zahl(i / 7.0);
        s.Schluessel("Ueberlebt");
        s.Wahrheitswert(i % 2 == 0);
        s.ObjektEnde();
        liste.append(QJsonObject{
            {"Name", QStringLiteral("Ork \"%1\"").arg(i)}, {"Rate", i / 7.0}, {"Ueberlebt", i % 2 == 0}});
    }
    s.ListeEnde();
    s.Schluessel("Runden");
    s.Null();
    s.ObjektEnde();
    ASSERT_TRUE(s.Abschliessen());
    const QJsonObject ganz{{"Fehler", 3}, {"Kaempfer", liste}, {"Runden", QJsonValue()}};
    EXPECT_GT(puffer.data().size(), 100'000);
    EXPECT_EQ(puffer.data(), QJsonDocument(ganz).toJson(QJsonDocument::Indented));
}

TEST(JsonStrom, AbgelehnteBytesSindEinFehler)
{
    QBuffer nurLesen;
    nurLesen.open(QIODevice::ReadOnly); // every write is refused
    TJsonStrom s(nurLesen);
    s.Wert(QJsonObject{{"a", 1}});
    EXPECT_FALSE(s.Abschliessen());
}
