// morvaren-cli against inputs it cannot hold: devices, huge files and a report with tens of
// thousands of fighters, run under an address-space limit as a hostile caller would.
#include "../CliLauf.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

struct TBegrenzterLauf {
    int Code = -1; // -1: crashed or aborted
    std::string Fehler;
    long long Ausgabebytes = 0;
    std::string AusgabeAnfang; // the first 64 kB
    std::string AusgabeEnde;   // the last 64 kB
    long long Objekte = 0;     // openings of fighter objects in the "Kaempfer" array
    long SpitzeKb = 0;         // peak resident memory of the tool
};

// Runs the tool with its address space limited to grenzeKb; standard output is read as
// it comes, so that a gigabyte of JSON needs no memory here.
TBegrenzterLauf BegrenztAufrufen(const QStringList &argumente, long grenzeKb)
{
    std::vector<std::string> teile{mvt::test::CliPfad().toStdString()};
    for (const QString &a : argumente)
        teile.push_back(a.toStdString());
    std::vector<char *> argv;
    for (std::string &t : teile)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    int aus[2], fehl[2];
    if (::pipe(aus) != 0 || ::pipe(fehl) != 0)
        return {};
    const pid_t kind = ::fork();
    if (kind == 0) {
        const rlimit r{rlim_t(grenzeKb) * 1024, rlim_t(grenzeKb) * 1024};
        ::setrlimit(RLIMIT_AS, &r);
        ::dup2(aus[1], 1);
        ::dup2(fehl[1], 2);
        ::close(aus[0]);
        ::close(fehl[0]);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(aus[1]);
    ::close(fehl[1]);
    TBegrenzterLauf l;
    const std::string oeffnung = "\n        {\n";
    std::string rest; // carries a partial opening across reads
    std::vector<char> puffer(1 << 16);
    pollfd p[2] = {{aus[0], POLLIN, 0}, {fehl[0], POLLIN, 0}};
    int offen = 2;
    while (offen > 0) {
        if (::poll(p, 2, 60'000) <= 0)
            break;
        for (pollfd &q : p) {
            if (q.fd < 0 || !(q.revents & (POLLIN | POLLHUP)))
                continue;
            const ssize_t n = ::read(q.fd, puffer.data(), puffer.size());
            if (n <= 0) {
                ::close(q.fd);
                q.fd = -1;
                --offen;
                continue;
            }
            const std::string stueck(puffer.data(), size_t(n));
            if (q.fd == fehl[0]) {
                l.Fehler += stueck;
                continue;
            }
            l.Ausgabebytes += n;
            if (l.AusgabeAnfang.size() < 65536)
                l.AusgabeAnfang += stueck.substr(0, 65536 - l.AusgabeAnfang.size());
            l.AusgabeEnde = (l.AusgabeEnde + stueck);
            if (l.AusgabeEnde.size() > 65536)
                l.AusgabeEnde.erase(0, l.AusgabeEnde.size() - 65536);
            std::string suche = rest + stueck;
            for (size_t i = suche.find(oeffnung); i != std::string::npos; i = suche.find(oeffnung, i + 1))
                ++l.Objekte;
            rest = suche.substr(suche.size() > oeffnung.size() ? suche.size() - oeffnung.size() + 1 : 0);
        }
    }
    for (const pollfd &q : p)
        if (q.fd >= 0)
            ::close(q.fd);
    int status = 0;
    rusage nutzung{};
    if (::wait4(kind, &status, 0, &nutzung) == kind && WIFEXITED(status))
        l.Code = WEXITSTATUS(status);
    l.SpitzeKb = nutzung.ru_maxrss;
    return l;
}

constexpr long Grenze = 2'000'000; // kB, as a small machine or a hostile caller would set it
// For a long report: what its fighters need, with room to spare, but not a whole fighter's
// JSON in memory.
constexpr long KampfberichtGrenze = 200'000;

bool Deutsch(const std::string &fehler)
{
    return fehler.rfind("Fehler: ", 0) == 0 && fehler.find("terminate") == std::string::npos &&
           fehler.find("bad_alloc") == std::string::npos;
}

// An empty file of 200 MB without taking the disk space.
QString RiesigeDatei(const QTemporaryDir &ordner, const QString &name)
{
    const QString pfad = ordner.filePath(name);
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly))
        f.resize(qint64(200) * 1024 * 1024);
    return pfad;
}

} // namespace

TEST(CliEingabegrenzen, JederBefehlLehntGeraetUndRiesendateiAb)
{
    QTemporaryDir ordner;
    const QString riesig = RiesigeDatei(ordner, QStringLiteral("riesig.txt"));
    struct TFall {
        QStringList Argumente; // "@" stands for the input
        int Code;
    };
    // Each command's own exit code for an input it cannot read; optionen reports the file
    // as invalid (2) and writes the defaults.
    const std::vector<TFall> faelle{
        {{"kampfbericht", "@"}, 1},
        {{"stadtliste", "@"}, 1},
        {{"bauliste", "@"}, 1},
        {{"analyse", "@", "--modus", "1"}, 1},
        {{"optionen", "@", "--ausgabe", ordner.filePath(QStringLiteral("aus.ini"))}, 2},
        {{"planer", "@"}, 2},
        {{"inventar", "@"}, 1},
        {{"karte", "--welt", "1", "--stadtliste", "@"}, 1},
    };
    for (const QString &eingabe : {QStringLiteral("/dev/zero"), riesig}) {
        for (const TFall &f : faelle) {
            QStringList args = f.Argumente;
            args.replaceInStrings(QStringLiteral("@"), eingabe);
            const TBegrenzterLauf l = BegrenztAufrufen(args, Grenze);
            const std::string wo = args.join(u' ').toStdString();
            EXPECT_EQ(l.Code, f.Code) << wo << ": " << l.Fehler;
            EXPECT_TRUE(Deutsch(l.Fehler)) << wo << ": " << l.Fehler;
            // The message names the file it was given.
            EXPECT_NE(l.Fehler.find(eingabe.toStdString()), std::string::npos) << wo << ": " << l.Fehler;
        }
    }
}

TEST(CliEingabegrenzen, KampfberichtMitFuenfzigtausendKaempfernAlsStrom)
{
    // 25,000 attacks between pairs of fighters seen once: every fighter's record is written,
    // some 20 kB each, a gigabyte in all; built as one document it took gigabytes of memory.
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.txt"));
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Runde 1\n");
        for (int i = 0; i < 25'000; ++i)
            f.write(QStringLiteral("0:%1 Held %2 [Kurzschwert] greift Ork %2 an: verursacht %3 Schaden.\n")
                        .arg(i % 60, 2, 10, QLatin1Char('0'))
                        .arg(i)
                        .arg(5 + i % 30)
                        .toUtf8());
    }
    const TBegrenzterLauf l = BegrenztAufrufen({"kampfbericht", pfad}, Grenze);
    ASSERT_EQ(l.Code, 0) << l.Fehler;
    EXPECT_EQ(l.Objekte, 50'000);
    EXPECT_LT(l.SpitzeKb, 300 * 1024);
    EXPECT_EQ(l.AusgabeAnfang.rfind("{\n    \"Fehler\": 0,\n    \"Kaempfer\": [\n        {\n", 0), 0u);
    const std::string ende = "        }\n    ],\n    \"Runden\": 1\n}\n";
    ASSERT_GE(l.AusgabeEnde.size(), ende.size());
    EXPECT_EQ(l.AusgabeEnde.substr(l.AusgabeEnde.size() - ende.size()), ende);
    // The last fighter is whole: it is the second of the last attack.
    EXPECT_NE(l.AusgabeEnde.find("\"Name\": \"Ork 24999\""), std::string::npos);
}

TEST(CliEingabegrenzen, KampfberichtStromGleichtDemGanzenDokument)
{
    // The output written piece by piece is byte for byte what QJsonDocument writes for the
    // same content: keys in the same order, the same indentation and separators.
    for (const char *name : {"klein.txt", "gruppe.txt", "gemischt.txt"}) {
        const mvt::test::TCliLauf l = mvt::test::CliAufrufen(
            {"kampfbericht", QStringLiteral(MVT_TESTDATEN "/combat/") + QLatin1String(name)});
        ASSERT_EQ(l.Code, 0) << name;
        const QJsonDocument doc = QJsonDocument::fromJson(l.Ausgabe);
        ASSERT_TRUE(doc.isObject()) << name;
        EXPECT_FALSE(doc.object()[QStringLiteral("Kaempfer")].toArray().isEmpty()) << name;
        EXPECT_EQ(doc.toJson(QJsonDocument::Indented), l.Ausgabe) << name;
    }
    QTemporaryDir ordner;
    const QString leer = ordner.filePath(QStringLiteral("leer.txt"));
    QFile(leer).open(QIODevice::WriteOnly);
    const mvt::test::TCliLauf l = mvt::test::CliAufrufen({"kampfbericht", leer});
    ASSERT_EQ(l.Code, 0);
    EXPECT_EQ(QJsonDocument::fromJson(l.Ausgabe).toJson(QJsonDocument::Indented), l.Ausgabe);
}

TEST(CliEingabegrenzen, MeldungenZitierenKurzUndNennenDieDatei)
{
    QTemporaryDir ordner;
    // A name of 300 kB in a build list: the message quotes its first 200 characters.
    const QString bauliste = ordner.filePath(QStringLiteral("lang.mvt_bl"));
    {
        QFile f(bauliste);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Kopf\r\nKopf\r\nKopf\r\n" + QByteArray(300 * 1024, 'N') + " 3\r\n");
    }
    mvt::test::TCliLauf l = mvt::test::CliAufrufen({"bauliste", bauliste});
    EXPECT_EQ(l.Code, 1);
    EXPECT_TRUE(l.Fehler.contains(QString(200, u'N') + QChar(0x2026))) << l.Fehler.left(400).toStdString();
    EXPECT_FALSE(l.Fehler.contains(QString(201, u'N')));

    // planer says what the other commands say about a file that cannot be read.
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt.json"));
    l = mvt::test::CliAufrufen({"planer", fehlt});
    EXPECT_EQ(l.Code, 2);
    EXPECT_EQ(l.Fehler.trimmed(),
              QStringLiteral("Fehler: Die Datei \"%1\" konnte nicht gelesen werden.").arg(fehlt));
}

TEST(CliEingabegrenzen, SpeichermangelEndetMitDeutscherMeldung)
{
    // A name of 40 MB within the size limit: with little memory the evaluation runs out of
    // it somewhere; the tool ends with its error exit instead of "terminate called ...".
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("langer_name.txt"));
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0:01 " + QByteArray(40'000'000, 'x') + " [Axt] greift y an: verfehlt.\n");
    }
    // 200 MB: the tool needs some 200 MB of memory for this report (350 MB were too little
    // before its JSON was streamed).
    const TBegrenzterLauf l = BegrenztAufrufen({"kampfbericht", pfad}, 200'000);
    EXPECT_EQ(l.Code, 1) << l.Fehler;
    EXPECT_EQ(l.Fehler, "Fehler: Nicht genügend Arbeitsspeicher, um diese Eingabe zu verarbeiten.\n");
    // What was written before is no document that looks whole.
    const std::string ende = "\n}\n";
    EXPECT_FALSE(l.AusgabeEnde.size() >= ende.size() &&
                 l.AusgabeEnde.compare(l.AusgabeEnde.size() - ende.size(), ende.size(), ende) == 0);
}

TEST(CliEingabegrenzen, KampfberichtProRundeFolgtDemBerichtNichtDerAusgabe)
{
    // 2 fighters over 40,000 Runden, 5 MB: the JSON holds 80,000 entries "ProRunde" and is
    // 16 times the report. Written element by element it needs the memory of the fighters;
    // one fighter's list built whole took more than the limit.
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("duell.txt"));
    constexpr int Runden = 40'000;
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int r = 1; r <= Runden; ++r) {
            const int s = r * 24;
            const QByteArray zeit =
                QStringLiteral("%1:%2 ").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0')).toUtf8();
            f.write("Runde " + QByteArray::number(r) + "\n");
            f.write(zeit + "Hadrik [Kurzschwert] greift Troll an: verursacht " + QByteArray::number(r % 17) +
                    " Schaden.\n");
            f.write(zeit + "Troll [Keule] greift Hadrik an: weicht aus.\n");
        }
    }
    const TBegrenzterLauf l = BegrenztAufrufen({"kampfbericht", pfad}, KampfberichtGrenze);
    ASSERT_EQ(l.Code, 0) << l.Fehler;
    EXPECT_GT(l.Ausgabebytes, 15LL * QFileInfo(pfad).size());
    EXPECT_EQ(l.Objekte, 2);
    // The second fighter is whole: its last key, then the end of the document.
    const std::string ende = "            \"ZurueckgelegteFelder\": 0\n        }\n    ],\n    \"Runden\": " +
                             std::to_string(Runden) + "\n}\n";
    ASSERT_GE(l.AusgabeEnde.size(), ende.size());
    EXPECT_EQ(l.AusgabeEnde.substr(l.AusgabeEnde.size() - ende.size()), ende);
}

TEST(CliEingabegrenzen, AusgabeDieNichtAnkommtIstKeinErfolg)
{
    // Standard output on a full disk: the document cannot be whole, so the tool must not
    // end as if it were.
    QTemporaryDir ordner;
    const QString planer = ordner.filePath(QStringLiteral("planer.json"));
    {
        QFile f(planer);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"Level": 10, "Vergleich": [{"Slot": "Hauptwaffe", "Name": "Axt"}]})");
    }
    struct TFall {
        QStringList Argumente;
        int Code;
    };
    for (const TFall &f : {TFall{{"kampfbericht", QStringLiteral(MVT_TESTDATEN "/combat/gruppe.txt")}, 1},
                           TFall{{"planer", planer}, 2}}) {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(mvt::test::CliPfad(), f.Argumente);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), f.Code) << f.Argumente.first().toStdString();
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).trimmed(),
                  QStringLiteral("Fehler: Die Ausgabe konnte nicht vollständig geschrieben werden."));
    }
}

TEST(CliEingabegrenzen, JedeMeldungZitiertKurz)
{
    // Input quoted in a message is cut to 200 characters, wherever it comes from.
    const QString lang = QString(100'000, u'Z');
    QTemporaryDir ordner;
    const QString planer = ordner.filePath(QStringLiteral("planer.json"));
    {
        QFile f(planer);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(
                    QJsonObject{{"Vergleich", QJsonArray{QJsonObject{{"Slot", lang}, {"Name", "Axt"}}}}})
                    .toJson());
    }
    const std::vector<std::pair<QStringList, int>> faelle{
        {{"katalog", lang}, 1}, {{"zauber", lang}, 1}, {{lang}, 2}, {{"planer", planer}, 2}};
    for (const auto &[argumente, code] : faelle) {
        const mvt::test::TCliLauf l = mvt::test::CliAufrufen(argumente);
        const std::string wo = argumente.first().left(20).toStdString();
        EXPECT_EQ(l.Code, code) << wo;
        EXPECT_TRUE(l.Fehler.startsWith(QStringLiteral("Fehler: "))) << wo;
        EXPECT_TRUE(l.Fehler.contains(QString(200, u'Z') + QChar(0x2026))) << wo;
        EXPECT_FALSE(l.Fehler.contains(QString(201, u'Z'))) << wo;
    }
}
