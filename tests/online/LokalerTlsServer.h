// An HTTPS server on 127.0.0.1 for the certificate checks: `openssl s_server -WWW` serves
// the files of a temporary folder with a certificate made for this run only.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace mvt::pruefung {

// Makes a self-signed certificate for 127.0.0.1 (it is its own authority) as
// ordner/name.pem with its key in ordner/name.key.
inline bool ZertifikatErzeugen(const QString &ordner, const QString &name)
{
    QProcess p;
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
             QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"),
             QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
             QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
             QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"),
             name + QStringLiteral(".key"), QStringLiteral("-out"), name + QStringLiteral(".pem")});
    return p.waitForFinished(20'000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class TLokalerTlsServer {
public:
    TLokalerTlsServer()
    {
        if (!ZertifikatErzeugen(m_ordner.path(), QStringLiteral("server")))
            return;
        m_port = FreierPort();
        m_prozess.setWorkingDirectory(m_ordner.path());
        m_prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_prozess.setStandardOutputFile(QProcess::nullDevice());
        m_prozess.start(QStringLiteral("openssl"),
                        {QStringLiteral("s_server"), QStringLiteral("-WWW"), QStringLiteral("-quiet"),
                         QStringLiteral("-accept"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                         QStringLiteral("-cert"), QStringLiteral("server.pem"), QStringLiteral("-key"),
                         QStringLiteral("server.key")});
        if (!m_prozess.waitForStarted(5000))
            return;
        // Ready once it accepts a connection.
        for (int i = 0; i < 250 && !m_bereit; ++i) {
            m_bereit = Erreichbar();
            if (!m_bereit)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~TLokalerTlsServer()
    {
        if (m_prozess.state() != QProcess::NotRunning) {
            m_prozess.kill();
            m_prozess.waitForFinished(5000);
        }
    }
    TLokalerTlsServer(const TLokalerTlsServer &) = delete;
    TLokalerTlsServer &operator=(const TLokalerTlsServer &) = delete;

    bool Bereit() const { return m_bereit; }
    std::string Basis() const { return "https://127.0.0.1:" + std::to_string(m_port); }
    // The server's own certificate, to be trusted as the authority.
    QString Zertifikat() const { return m_ordner.filePath(QStringLiteral("server.pem")); }
    void Setzen(const QString &name, const QByteArray &inhalt)
    {
        QFile f(m_ordner.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    }

private:
    static int FreierPort()
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a);
        socklen_t l = sizeof a;
        ::getsockname(s, reinterpret_cast<sockaddr *>(&a), &l);
        ::close(s);
        return ntohs(a.sin_port);
    }
    bool Erreichbar() const
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<uint16_t>(m_port));
        const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
        ::close(s);
        return ok;
    }

    QTemporaryDir m_ordner;
    QProcess m_prozess;
    int m_port = 0;
    bool m_bereit = false;
};

} // namespace mvt::pruefung
