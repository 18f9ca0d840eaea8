// The HTTP wrapper against a local server: what counts as success and what as failure.
#include "LokalerServer.h"
#include "LokalerTlsServer.h"

#include "online/HttpAbruf.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

using namespace mvt::online;
using mvt::pruefung::TLokalerServer;
using mvt::pruefung::TLokalerTlsServer;

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

TEST_F(HttpAbrufTest, UmleitungenZuEinemAnderenPortWerdenVerfolgt)
{
    TLokalerServer neu;
    neu.Setzen("/TownList.txt", 200, "001002Stadt\r\n");
    const std::string ziel = neu.Basis() + "/TownList.txt";
    server.Umleiten("/dauerhaft", 301, ziel, "umgezogen");
    server.Umleiten("/vorlaeufig", 302, ziel);
    for (const char *pfad : {"/dauerhaft", "/vorlaeufig"}) {
        ASSERT_TRUE(HttpHolen(Url(pfad), Datei())) << pfad;
        // Only the last answer's body lands in the file, not the redirect's.
        EXPECT_EQ(Inhalt(), QByteArray("001002Stadt\r\n")) << pfad;
    }
    const auto anfragen = neu.Anfragen();
    ASSERT_EQ(anfragen.size(), 2u);
    EXPECT_NE(anfragen[1].find("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
}

TEST_F(HttpAbrufTest, UmleitungenNurAufDemselbenHost)
{
    // Another host name for the same machine stands for any other site: its town list
    // must not be installed.
    TLokalerServer fremd;
    fremd.Setzen("/TownList.txt", 200, "001002Fremdstadt\r\n");
    const std::string port = std::to_string(fremd.Port());
    server.Umleiten("/anderer", 302, "http://localhost:" + port + "/TownList.txt");
    server.Umleiten("/ohneschema", 301, "//localhost:" + port + "/TownList.txt");
    server.Umleiten("/benutzer", 302, "http://127.0.0.1:" + port + "@localhost:" + port + "/TownList.txt");
    for (const char *pfad : {"/anderer", "/ohneschema", "/benutzer"}) {
        EXPECT_FALSE(HttpHolen(Url(pfad), Datei())) << pfad;
        EXPECT_TRUE(Inhalt().isEmpty()) << pfad;
    }
    EXPECT_EQ(fremd.AnzahlFuer("/TownList.txt"), 0);

    // The same host in other letters, with another port or path, is followed.
    server.Umleiten("/gross", 302, "HTTP://127.0.0.1:" + port + "/TownList.txt");
    EXPECT_TRUE(HttpHolen(Url("/gross"), Datei()));
    EXPECT_EQ(Inhalt(), QByteArray("001002Fremdstadt\r\n"));
}

TEST_F(HttpAbrufTest, FuenfUmleitungenGeltenDieSechsteNicht)
{
    // /k0 -> /k1 -> ... -> /kN, which answers with the file.
    auto kette = [&](const std::string &name, int umleitungen) {
        for (int i = 0; i < umleitungen; ++i)
            server.Umleiten("/" + name + std::to_string(i), 302, "/" + name + std::to_string(i + 1));
        server.Setzen("/" + name + std::to_string(umleitungen), 200, "angekommen");
    };
    kette("fuenf", 5);
    kette("sechs", 6);
    EXPECT_TRUE(HttpHolen(Url("/fuenf0"), Datei()));
    EXPECT_EQ(Inhalt(), QByteArray("angekommen"));
    EXPECT_FALSE(HttpHolen(Url("/sechs0"), Datei()));
    EXPECT_EQ(server.AnzahlFuer("/sechs5"), 1);
    EXPECT_EQ(server.AnzahlFuer("/sechs6"), 0); // the sixth redirect is not followed
}

TEST_F(HttpAbrufTest, SchleifeUndFremdeSchemataSindFehlschlaege)
{
    server.Umleiten("/a", 301, "/b");
    server.Umleiten("/b", 302, server.Basis() + "/a");
    EXPECT_FALSE(HttpHolen(Url("/a"), Datei()));
    EXPECT_EQ(server.AnzahlFuer("/a"), 1); // ends at the first repetition
    server.Umleiten("/selbst", 301, "/selbst");
    EXPECT_FALSE(HttpHolen(Url("/selbst"), Datei()));

    server.Umleiten("/ftp", 301, "ftp://127.0.0.1:" + std::to_string(server.Port()) + "/LatestVersion.txt");
    EXPECT_FALSE(HttpHolen(Url("/ftp"), Datei()));
    server.Umleiten("/datei", 302, "file:///etc/hostname");
    EXPECT_FALSE(HttpHolen(Url("/datei"), Datei()));
    EXPECT_TRUE(Inhalt().isEmpty());
    server.Setzen("/ohneziel", 301, "nirgends");
    EXPECT_FALSE(HttpHolen(Url("/ohneziel"), Datei()));
}

TEST_F(HttpAbrufTest, ZeitUndGroesseGeltenFuerDieGanzeKette)
{
    // Three answers of 300 ms each: every one alone is within 700 ms, the chain is not.
    server.Umleiten("/z0", 302, "/z1");
    server.Umleiten("/z1", 302, "/z2");
    server.Setzen("/z2", 200, "spaet");
    for (const char *pfad : {"/z0", "/z1", "/z2"})
        server.Verzoegern(pfad, 300);
    THttpGrenzen kurz;
    kurz.GesamtMs = 700;
    EXPECT_TRUE(HttpHolen(Url("/z2"), Datei(), kurz));
    EXPECT_FALSE(HttpHolen(Url("/z0"), Datei(), kurz));

    // 8 bytes in the redirect's body and 8 in the file.
    server.Umleiten("/g0", 301, "/g1", "12345678");
    server.Setzen("/g1", 200, "abcdefgh");
    THttpGrenzen klein;
    klein.HoechstBytes = 12;
    EXPECT_TRUE(HttpHolen(Url("/g1"), Datei(), klein));
    EXPECT_FALSE(HttpHolen(Url("/g0"), Datei(), klein));
    klein.HoechstBytes = 16;
    EXPECT_TRUE(HttpHolen(Url("/g0"), Datei(), klein));
    EXPECT_EQ(Inhalt(), QByteArray("abcdefgh"));
}

TEST_F(HttpAbrufTest, HttpsNurMitGeprueftemZertifikat)
{
    TLokalerTlsServer tls;
    ASSERT_TRUE(tls.Bereit());
    tls.Setzen(QStringLiteral("TownListDate.txt"), "2018.02.16.10.09\n");
    const QString adresse = QString::fromStdString(tls.Basis()) + QStringLiteral("/TownListDate.txt");

    THttpGrenzen vertraut;
    vertraut.Zertifizierungsstellen = tls.Zertifikat();
    ASSERT_TRUE(HttpHolen(adresse, Datei(), vertraut));
    EXPECT_EQ(Inhalt(), QByteArray("2018.02.16.10.09\n"));
    // The move of a web site to HTTPS: a redirect from the plain address.
    server.Umleiten("/TownListDate.txt", 301, adresse.toStdString());
    EXPECT_TRUE(HttpHolen(Url("/TownListDate.txt"), Datei(), vertraut));
    EXPECT_EQ(Inhalt(), QByteArray("2018.02.16.10.09\n"));

    // The system's authorities do not know the test's certificate, nor does another one.
    EXPECT_FALSE(HttpHolen(adresse, Datei()));
    EXPECT_FALSE(HttpHolen(Url("/TownListDate.txt"), Datei()));
    QTemporaryDir anderer;
    ASSERT_TRUE(mvt::pruefung::ZertifikatErzeugen(anderer.path(), QStringLiteral("fremd")));
    THttpGrenzen fremd;
    fremd.Zertifizierungsstellen = anderer.filePath(QStringLiteral("fremd.pem"));
    EXPECT_FALSE(HttpHolen(adresse, Datei(), fremd));
}

} // namespace
