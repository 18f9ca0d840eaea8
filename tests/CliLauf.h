// Runs morvaren-cli as a script would and keeps what it printed, for the tests that check
// the command line's JSON, exit codes and messages.
#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace mvt::test {

struct TCliLauf {
    int Code = -1; // -1 when the tool did not finish in time or crashed
    QByteArray Ausgabe;
    QJsonObject Json; // the output parsed, empty when it was no JSON object
    QString Fehler;
};

// The tool named by the build (MVT_CLI), otherwise the one beside the test executable;
// empty when it has not been built, so that a test can skip.
inline QString CliPfad()
{
#ifdef MVT_CLI
    return QStringLiteral(MVT_CLI);
#else
    std::error_code f;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", f);
    if (f)
        return {};
    const auto cli = exe.parent_path() / "morvaren-cli";
    return std::filesystem::exists(cli) ? QString::fromStdString(cli.string()) : QString();
#endif
}

inline TCliLauf CliAufrufen(const QStringList &argumente, int wartezeitMs = 60000)
{
    TCliLauf l;
    QProcess p;
    p.start(CliPfad(), argumente);
    if (!p.waitForFinished(wartezeitMs) || p.exitStatus() != QProcess::NormalExit)
        return l;
    l.Code = p.exitCode();
    l.Ausgabe = p.readAllStandardOutput();
    l.Json = QJsonDocument::fromJson(l.Ausgabe).object();
    l.Fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

} // namespace mvt::test
