#include "online/Downloaddatei.h"

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mvt::online {

namespace {

struct TAngelegt {
    QByteArray Pfad;
    dev_t Geraet;
    ino_t Knoten;
};

// The files of every living TDownloaddatei: the workers that hold them are not waited for
// at the end of the program.
std::mutex &Sperre()
{
    static std::mutex m;
    return m;
}
std::vector<TAngelegt> &Angelegte()
{
    static std::vector<TAngelegt> v;
    return v;
}

// Removes the name when it still leads to the file that was created (unlink never follows
// a link; a replaced name is left alone).
void EntfernenFallsGleich(const TAngelegt &a)
{
    struct stat s {};
    if (::lstat(a.Pfad.constData(), &s) == 0 && S_ISREG(s.st_mode) && s.st_dev == a.Geraet &&
        s.st_ino == a.Knoten)
        ::unlink(a.Pfad.constData());
}

} // namespace

TDownloaddatei::TDownloaddatei(const QString &ordner, const QString &name)
{
    const QString pfad = QDir(ordner).filePath(name);
    QByteArray lokal = QFile::encodeName(pfad);
    // O_EXCL with O_CREAT fails on any existing name, a dangling link included.
    int fd = ::open(lokal.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        const qsizetype punkt = name.lastIndexOf(u'.');
        const QString endung = punkt > 0 ? name.mid(punkt) : QString();
        const QString stamm = punkt > 0 ? name.left(punkt) : name;
        lokal = QFile::encodeName(QDir(ordner).filePath(stamm + QStringLiteral("-XXXXXX") + endung));
        fd = ::mkostemps(lokal.data(), int(QFile::encodeName(endung).size()), O_CLOEXEC);
    }
    if (fd < 0)
        return;
    struct stat s {};
    if (::fstat(fd, &s) != 0 || !m_datei.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(lokal.constData());
        return;
    }
    m_pfad = QFile::decodeName(lokal);
    m_geraet = s.st_dev;
    m_knoten = s.st_ino;
    const std::lock_guard<std::mutex> sperre(Sperre());
    Angelegte().push_back({lokal, m_geraet, m_knoten});
}

TDownloaddatei::~TDownloaddatei()
{
    Entfernen();
}

std::optional<QByteArray> TDownloaddatei::Inhalt(qint64 hoechst)
{
    if (!m_datei.isOpen() || !m_datei.flush() || m_datei.size() > hoechst || !m_datei.seek(0))
        return std::nullopt;
    QByteArray inhalt = m_datei.read(hoechst + 1);
    if (inhalt.size() > hoechst || m_datei.error() != QFileDevice::NoError)
        return std::nullopt;
    return inhalt;
}

void TDownloaddatei::Entfernen()
{
    if (!m_datei.isOpen())
        return;
    m_datei.close();
    const QByteArray lokal = QFile::encodeName(m_pfad);
    const std::lock_guard<std::mutex> sperre(Sperre());
    auto &v = Angelegte();
    const auto it = std::find_if(v.begin(), v.end(), [&](const TAngelegt &a) {
        return a.Pfad == lokal && a.Geraet == m_geraet && a.Knoten == m_knoten;
    });
    if (it == v.end())
        return; // already removed at the end of the program
    EntfernenFallsGleich(*it);
    v.erase(it);
}

void DownloaddateienEntfernen(const QString &ordner, const QStringList &namen)
{
    {
        const std::lock_guard<std::mutex> sperre(Sperre());
        for (const TAngelegt &a : Angelegte())
            EntfernenFallsGleich(a);
        Angelegte().clear();
    }
    for (const QString &name : namen) {
        const QByteArray lokal = QFile::encodeName(QDir(ordner).filePath(name));
        struct stat s {};
        if (::lstat(lokal.constData(), &s) == 0 && S_ISREG(s.st_mode) && s.st_uid == ::geteuid())
            ::unlink(lokal.constData());
    }
}

} // namespace mvt::online
