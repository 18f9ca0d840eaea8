// The HTTP wrapper against a local server: what counts as success and what as failure.
#include "LokalerServer.h"

#include "online/HttpAbruf.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

using namespace mvt::online;
using mvt::pruefung::TLokalerServer;

namespace {

struct HttpAbrufTest : ::testing::Test {
    TLokalerServer server;
    QTemporaryDir ordner;
    QString Datei() const { return ordner.filePath(QStringLiteral("ziel.txt")); }
    QString Url(const char *pfad) const
    {
        return QString::fromStdString(server.Basis()) + QLatin1String(pfad);
    }
    QByteArray Inhalt() const
    {
        QFile f(Datei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
};

TEST_F(HttpAbrufTest, GuteDateiLandetVollstaendigMitKopfzeilen)
{
    server.Setzen("/LatestVersion.txt", 200, "1.14\r\n01.03.2018\r\n");
    ASSERT_TRUE(HttpHolen(Url("/LatestVersion.txt"), Datei()));
    EXPECT_EQ(Inhalt(), QByteArray("1.14\r\n01.03.2018\r\n"));
    const auto anfragen = server.Anfragen();
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_NE(anfragen[0].find("Accept: text/html, */*\r\n"), std::string::npos);
    EXPECT_NE(anfragen[0].find("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
}

TEST_F(HttpAbrufTest, LeererKoerperMit200IstErfolg)
{
    server.Setzen("/leer", 200, "");
    EXPECT_TRUE(HttpHolen(Url("/leer"), Datei()));
    EXPECT_TRUE(Inhalt().isEmpty());
}

TEST_F(HttpAbrufTest, FehlerstatusIstFehlschlag)
{
    server.Setzen("/fehler", 500, "kaputt");
    EXPECT_FALSE(HttpHolen(Url("/fehler"), Datei()));
    EXPECT_FALSE(HttpHolen(Url("/gibtsnicht"), Datei())); // 404
}

TEST_F(HttpAbrufTest, AbgebrochenerKoerperIstFehlschlag)
{
    server.Setzen("/halb", {200, std::string(1000, 'a'), TLokalerServer::Art::Abgebrochen});
    EXPECT_FALSE(HttpHolen(Url("/halb"), Datei()));
}

TEST_F(HttpAbrufTest, StummerServerEndetNachDerGesamtzeit)
{
    server.Setzen("/stumm", {200, "", TLokalerServer::Art::Stumm});
    THttpGrenzen kurz;
    kurz.GesamtMs = 300;
    const auto beginn = std::chrono::steady_clock::now();
    EXPECT_FALSE(HttpHolen(Url("/stumm"), Datei(), kurz));
    EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(5));
}

TEST_F(HttpAbrufTest, ZuGrosseAntwortIstFehlschlag)
{
    // Announced and sent: one byte more than 16 MB.
    server.Setzen("/riesig", {200, "", TLokalerServer::Art::Riesig, 16LL * 1024 * 1024 + 1});
    EXPECT_FALSE(HttpHolen(Url("/riesig"), Datei()));
    // Exactly at the limit is still fine.
    THttpGrenzen klein;
    klein.HoechstBytes = 10;
    server.Setzen("/zehn", 200, "0123456789");
    EXPECT_TRUE(HttpHolen(Url("/zehn"), Datei(), klein));
    server.Setzen("/elf", 200, "0123456789a");
    EXPECT_FALSE(HttpHolen(Url("/elf"), Datei(), klein));
}

TEST_F(HttpAbrufTest, OhneServerUndOhneHttpIstFehlschlag)
{
    // A port that was free a moment ago: nothing listens there.
    int frei = 0;
    {
        TLokalerServer anderer;
        frei = anderer.Port();
    }
    EXPECT_FALSE(HttpHolen(QStringLiteral("http://127.0.0.1:%1/x").arg(frei), Datei()));
    EXPECT_FALSE(HttpHolen(QStringLiteral("file:///etc/hostname"), Datei()));
    EXPECT_FALSE(HttpHolen(Url("/x"), ordner.filePath(QStringLiteral("fehlt/ziel.txt"))));
}

} // namespace
