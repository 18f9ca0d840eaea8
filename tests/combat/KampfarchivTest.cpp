#include "../Testkatalog.h"
#include "base/Textdatei.h"
#include "catalogue/Katalog.h"
#include "combat/Kampfarchiv.h"
#include "ArchivPruefen.h"
#include "combat/Kampfbericht.h"
#include "combat/Kampftabelle.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <sqlite3.h>
#include <unistd.h>

using namespace mvt;

namespace {

using mvt::test::Katalog;

QString Datei(const char *name)
{
    QFile f(QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return TextDekodieren(f.readAll());
}

std::unique_ptr<Kampfauswertung> Auswerten(const QString &text)
{
    auto a = std::make_unique<Kampfauswertung>();
    KampfberichtAuswerten(text, *a, Katalog());
    return a;
}

// Every table row of an evaluation, in list order: what the tab shows of it.
std::vector<QStringList> Zeilen(const Kampfauswertung &a)
{
    std::vector<QStringList> z;
    for (const auto &k : a.Kaempfer)
        z.push_back(TabellenZeile(*k));
    return z;
}

QByteArray Inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Roh(const QString &pfad, const char *sql)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(pfad.toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

QDateTime Tag(int d)
{
    return QDateTime(QDate(2026, 3, d), QTime(20, 15), QTimeZone::utc());
}

struct ArchivTest : ::testing::Test {
    QTemporaryDir dir;
    QString pfad = dir.filePath(QStringLiteral("kampfarchiv.sqlite"));
};

} // namespace

TEST_F(ArchivTest, GespeicherterKampfGleichtSeinerAuswertungUndGleicherTextIstEinKampf)
{
    const QString text = Datei("gruppe.txt");
    const auto a = Auswerten(text);
    TKampfarchiv db(pfad);
    ASSERT_TRUE(db.Oeffnen()) << db.Fehler().toStdString();
    const auto g = db.Speichern(text, *a, Tag(1));
    ASSERT_TRUE(g && g->Neu) << db.Fehler().toStdString();

    // The same report with other line ends and a final break is the same fight.
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    const auto g2 = db.Speichern(crlf + QStringLiteral("\r\n"), *Auswerten(crlf), Tag(2));
    ASSERT_TRUE(g2);
    EXPECT_FALSE(g2->Neu);
    EXPECT_EQ(g2->Id, g->Id);

    const auto gespeichert = db.Text(g->Id);
    ASSERT_TRUE(gespeichert);
    EXPECT_EQ(Zeilen(*Auswerten(*gespeichert)), Zeilen(*a));
    EXPECT_EQ(Auswerten(*gespeichert)->Runden, a->Runden);

    const auto liste = db.Liste();
    ASSERT_TRUE(liste);
    ASSERT_EQ(liste->size(), 1u);
    const TArchivkampf &k = liste->front();
    EXPECT_EQ(k.Zeitpunkt, QStringLiteral("2026-03-01T20:15:00Z"));
    EXPECT_EQ(k.Runden, a->Runden);
    ASSERT_EQ(k.Kaempfer.size(), qsizetype(a->Kaempfer.size()));
    EXPECT_EQ(k.Kaempfer.front(), a->Kaempfer.front()->Name);
    EXPECT_EQ(k.Titel, KampftitelBilden(*a));
    EXPECT_TRUE(k.Titel.startsWith(a->Kaempfer[0]->Name + QStringLiteral(", ") + a->Kaempfer[1]->Name));
    EXPECT_TRUE(k.Titel.endsWith(QStringLiteral(" Runden"))) << k.Titel.toStdString();
}

TEST_F(ArchivTest, ListeSucheUmbenennenUndLoeschen)
{
    TKampfarchiv db(pfad);
    ASSERT_TRUE(db.Oeffnen());
    const QString klein = Datei("klein.txt"), gemischt = Datei("gemischt.txt"), duell = Datei("duell.txt");
    const auto k1 = db.Speichern(klein, *Auswerten(klein), Tag(3));
    const auto k2 = db.Speichern(gemischt, *Auswerten(gemischt), Tag(5));
    const auto k3 = db.Speichern(duell, *Auswerten(duell), Tag(4));
    ASSERT_TRUE(k1 && k2 && k3);

    auto liste = db.Liste();
    ASSERT_TRUE(liste);
    ASSERT_EQ(liste->size(), 3u);
    // Newest first.
    EXPECT_EQ((*liste)[0].Id, k2->Id);
    EXPECT_EQ((*liste)[1].Id, k3->Id);
    EXPECT_EQ((*liste)[2].Id, k1->Id);

    ASSERT_TRUE(db.Umbenennen(k1->Id, QStringLiteral("  Übung gegen Öger  ")));
    liste = db.Liste();
    // Titles and fighter names, whatever the case, umlauts too.
    const auto ueb = KaempfeFiltern(*liste, QStringLiteral("öGER"));
    ASSERT_EQ(ueb.size(), 1u);
    EXPECT_EQ(ueb[0].Titel, QStringLiteral("Übung gegen Öger"));
    const auto troll = KaempfeFiltern(*liste, QStringLiteral("troll #3"));
    ASSERT_EQ(troll.size(), 1u);
    EXPECT_EQ(troll[0].Id, k2->Id);
    EXPECT_EQ(KaempfeFiltern(*liste, QStringLiteral("  ")).size(), 3u);
    EXPECT_TRUE(KaempfeFiltern(*liste, QStringLiteral("Niemand")).empty());

    ASSERT_TRUE(db.Loeschen(k2->Id));
    EXPECT_EQ(db.Liste()->size(), 2u);
    EXPECT_FALSE(db.Text(k2->Id));
    EXPECT_TRUE(db.Fehler().contains(QStringLiteral("keinen Kampf"))) << db.Fehler().toStdString();
    // Its fighters go with it.
    EXPECT_TRUE(db.Verlauf(QStringLiteral("Troll #3"))->empty());
    EXPECT_FALSE(db.Kaempfernamen()->contains(QStringLiteral("Troll #3")));
    EXPECT_FALSE(db.Loeschen(k2->Id));
    EXPECT_FALSE(db.Umbenennen(k2->Id, QStringLiteral("x")));
}

TEST_F(ArchivTest, VerlaufGleichtDenSummenDerAuswertungen)
{
    TKampfarchiv db(pfad);
    ASSERT_TRUE(db.Oeffnen());
    // Hadrik fights in each of them; stored out of date order.
    const char *berichte[] = {"gemischt.txt", "klein.txt", "gruppe.txt", "duell.txt"};
    const int tage[] = {9, 2, 7, 4};
    std::map<QString, std::unique_ptr<Kampfauswertung>> nachZeit;
    QSet<QString> namen;
    for (int i = 0; i < 4; ++i) {
        const QString text = Datei(berichte[i]);
        auto a = Auswerten(text);
        ASSERT_TRUE(db.Speichern(text, *a, Tag(tage[i])));
        for (const auto &k : a->Kaempfer)
            namen.insert(k->Name);
        nachZeit[Tag(tage[i]).toString(Qt::ISODate)] = std::move(a);
    }
    int mehrfach = 0;
    for (const QString &name : namen) {
        const auto verlauf = db.Verlauf(name);
        ASSERT_TRUE(verlauf);
        std::vector<const TKaempfer *> erwartet;
        for (const auto &[zeit, a] : nachZeit)
            if (const TKaempfer *k = KaempferFinden(*a, name))
                erwartet.push_back(k);
        ASSERT_EQ(verlauf->size(), erwartet.size()) << name.toStdString();
        mehrfach += erwartet.size() > 1;
        QString vorher;
        for (size_t i = 0; i < erwartet.size(); ++i) {
            const TKampfstatus &t = erwartet[i]->Status[Gesamt];
            EXPECT_EQ((*verlauf)[i].Schaden, t.Schaden) << name.toStdString();
            EXPECT_EQ((*verlauf)[i].SchadenErhalten, t.SchadenErhalten) << name.toStdString();
            EXPECT_EQ((*verlauf)[i].Heilung, t.Heilung) << name.toStdString();
            EXPECT_LT(vorher, (*verlauf)[i].Zeitpunkt);
            vorher = (*verlauf)[i].Zeitpunkt;
        }
    }
    EXPECT_GE(mehrfach, 1);
    EXPECT_EQ(db.Kaempfernamen()->size(), namen.size());
}

TEST_F(ArchivTest, NeueresSchemaWirdNurGelesenUndNichtVeraendert)
{
    const QString text = Datei("klein.txt");
    {
        TKampfarchiv db(pfad);
        ASSERT_TRUE(db.Oeffnen());
        ASSERT_TRUE(db.Speichern(text, *Auswerten(text)));
    }
    Roh(pfad, "PRAGMA journal_mode=DELETE; PRAGMA user_version=7; CREATE TABLE zukunft(x);");
    const QByteArray vorher = Inhalt(pfad);

    TKampfarchiv db(pfad);
    ASSERT_TRUE(db.Oeffnen());
    EXPECT_FALSE(db.Beschreibbar());
    EXPECT_EQ(db.Schemaversion(), 7);
    EXPECT_TRUE(db.Hinweis().contains(QStringLiteral("neueren Programmversion")));
    ASSERT_TRUE(db.Liste());
    EXPECT_EQ(db.Liste()->size(), 1u);
    const QString gemischt = Datei("gemischt.txt");
    EXPECT_FALSE(db.Speichern(gemischt, *Auswerten(gemischt)));
    EXPECT_TRUE(db.Fehler().startsWith(QStringLiteral("Fehler: Das Kampfarchiv stammt")));
    EXPECT_FALSE(db.Loeschen(1));
    EXPECT_FALSE(db.Umbenennen(1, QStringLiteral("neu")));
    EXPECT_FALSE(db.ArchivierungSetzen(true));
    EXPECT_EQ(Inhalt(pfad), vorher);
    EXPECT_FALSE(QFile::exists(pfad + QStringLiteral("-wal")) &&
                 QFileInfo(pfad + QStringLiteral("-wal")).size() > 0);
}

TEST_F(ArchivTest, BeschaedigtesArchivWirdGemeldetUndNichtUeberschrieben)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("Das ist keine Datenbank, sondern eine Einkaufsliste.\n").repeated(200));
    f.close();
    const QByteArray vorher = Inhalt(pfad);

    TKampfarchiv db(pfad);
    EXPECT_FALSE(db.Oeffnen());
    EXPECT_TRUE(db.Fehler().contains(QStringLiteral("beschädigt"))) << db.Fehler().toStdString();
    const QString text = Datei("klein.txt");
    EXPECT_FALSE(db.Speichern(text, *Auswerten(text)));
    EXPECT_FALSE(db.ArchivierungEingeschaltet());
    EXPECT_FALSE(db.ArchivierungSetzen(true));
    EXPECT_EQ(Inhalt(pfad), vorher);

    // A database whose pages were overwritten in the middle.
    const QString zweites = dir.filePath(QStringLiteral("zweites.sqlite"));
    {
        TKampfarchiv gut(zweites);
        ASSERT_TRUE(gut.Oeffnen());
        const QString gruppe = Datei("gruppe.txt");
        ASSERT_TRUE(gut.Speichern(gruppe, *Auswerten(gruppe)));
    }
    Roh(zweites, "PRAGMA journal_mode=DELETE");
    QFile z(zweites);
    ASSERT_TRUE(z.open(QIODevice::ReadWrite));
    ASSERT_GT(z.size(), 4 * 4096);
    for (qint64 seite = 1; seite * 4096 < z.size(); ++seite) {
        z.seek(seite * 4096);
        z.write(QByteArray(4096, '\x5a'));
    }
    z.close();
    TKampfarchiv kaputt(zweites);
    const bool offen = kaputt.Oeffnen();
    const bool liste = offen && kaputt.Liste().has_value();
    EXPECT_FALSE(liste);
    EXPECT_TRUE(kaputt.Fehler().contains(QStringLiteral("beschädigt"))) << kaputt.Fehler().toStdString();
}

TEST_F(ArchivTest, GesperrtesArchivMeldetUndLiestWeiter)
{
    TKampfarchiv db(pfad, 100);
    ASSERT_TRUE(db.Oeffnen());
    const QString klein = Datei("klein.txt"), gemischt = Datei("gemischt.txt");
    ASSERT_TRUE(db.Speichern(klein, *Auswerten(klein)));

    sqlite3 *anderer = nullptr;
    ASSERT_EQ(sqlite3_open(pfad.toUtf8().constData(), &anderer), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(anderer, "BEGIN IMMEDIATE; UPDATE kampf SET titel = 'x'", nullptr, nullptr, nullptr),
        SQLITE_OK);
    EXPECT_FALSE(db.Speichern(gemischt, *Auswerten(gemischt)));
    EXPECT_TRUE(db.Fehler().contains(QStringLiteral("gesperrt"))) << db.Fehler().toStdString();
    // Reading goes on while another program writes.
    ASSERT_TRUE(db.Liste());
    EXPECT_EQ(db.Liste()->size(), 1u);
    sqlite3_exec(anderer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(anderer);

    const auto g = db.Speichern(gemischt, *Auswerten(gemischt));
    ASSERT_TRUE(g);
    EXPECT_TRUE(db.Fehler().isEmpty());
    EXPECT_EQ(db.Liste()->size(), 2u);
    EXPECT_EQ(test::ArchivPruefen(pfad), QStringLiteral("ok"));
}

TEST_F(ArchivTest, SchreibgeschuetzteDatei)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root schreibt auch in schreibgeschützte Dateien";
    const QString text = Datei("klein.txt");
    {
        TKampfarchiv db(pfad);
        ASSERT_TRUE(db.Oeffnen());
        ASSERT_TRUE(db.Speichern(text, *Auswerten(text)));
    }
    QFile::setPermissions(pfad, QFileDevice::ReadOwner);
    TKampfarchiv db(pfad);
    ASSERT_TRUE(db.Oeffnen());
    EXPECT_FALSE(db.Beschreibbar());
    EXPECT_TRUE(db.Hinweis().contains(QStringLiteral("schreibgeschützt")));
    EXPECT_EQ(db.Liste()->size(), 1u);
    EXPECT_FALSE(db.Loeschen(1));
}

TEST_F(ArchivTest, OptionLebtImArchivUndLegtOhneWunschNichtsAn)
{
    TKampfarchiv db(pfad);
    EXPECT_FALSE(db.ArchivierungEingeschaltet());
    EXPECT_TRUE(db.ArchivierungSetzen(false));
    EXPECT_FALSE(QFile::exists(pfad));
    EXPECT_FALSE(db.Liste());
    EXPECT_FALSE(QFile::exists(pfad));

    ASSERT_TRUE(db.ArchivierungSetzen(true));
    EXPECT_TRUE(QFile::exists(pfad));
    TKampfarchiv zweites(pfad);
    EXPECT_TRUE(zweites.ArchivierungEingeschaltet());
    ASSERT_TRUE(zweites.ArchivierungSetzen(false));
    EXPECT_FALSE(TKampfarchiv(pfad).ArchivierungEingeschaltet());
}

TEST(Kampftitel, NamenUndRunden)
{
    const auto a =
        Auswerten(QStringLiteral("00:01 Hadrik [Schwert] greift Wolf #1 an: verursacht 3 Schaden."));
    EXPECT_EQ(KampftitelBilden(*a), QStringLiteral("Hadrik, Wolf #1 – 1 Runde"));
    EXPECT_EQ(KampftitelBilden(Kampfauswertung{}), QStringLiteral("Ohne Kämpfer – 0 Runden"));
    const auto g = Auswerten(Datei("gruppe.txt"));
    ASSERT_GT(g->Kaempfer.size(), 3u);
    EXPECT_TRUE(
        KampftitelBilden(*g).contains(QStringLiteral(" und %1 weitere – ").arg(g->Kaempfer.size() - 3)));
}
