// Runs "morvaren-cli BEFEHL DATEI" as a script would, with its output thrown away.
#pragma once

#include <QtGlobal>

#include <chrono>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mvt::bench {

// The tool's peak resident memory in kB, or -1 when it failed; *sekunden its run time.
// MVT_BENCH_CLI names another build of the tool, to compare with an older version.
inline long CliMessen(const char *befehl, const std::string &datei, double *sekunden)
{
    std::error_code fehler;
    const std::string cli =
        qEnvironmentVariableIsSet("MVT_BENCH_CLI")
            ? qEnvironmentVariable("MVT_BENCH_CLI").toStdString()
            : (std::filesystem::read_symlink("/proc/self/exe", fehler).parent_path() / "morvaren-cli")
                  .string();
    const auto start = std::chrono::steady_clock::now();
    const pid_t kind = ::fork();
    if (kind == 0) {
        const int leer = ::open("/dev/null", O_WRONLY);
        ::dup2(leer, 1);
        ::dup2(leer, 2);
        ::execl(cli.c_str(), cli.c_str(), befehl, datei.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage nutzung{};
    const bool ok =
        ::wait4(kind, &status, 0, &nutzung) == kind && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    *sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return ok ? nutzung.ru_maxrss : -1;
}

} // namespace mvt::bench
