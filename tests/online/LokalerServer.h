// A small HTTP server on 127.0.0.1 with a free port, started by the test itself, so that
// nothing leaves the machine. It serves fixed answers per path and records the requests.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace mvt::pruefung {

class TLokalerServer {
public:
    enum class Art {
        Normal,      // status, Content-Length, body
        Abgebrochen, // announces the whole body, sends half and closes
        Stumm,       // reads the request and never answers
        Riesig,      // announces and streams Groesse bytes
    };
    struct TAntwort {
        int Status = 200;
        std::string Inhalt;
        Art Weise = Art::Normal;
        long long Groesse = 0; // Riesig only
    };

    TLokalerServer()
    {
        m_lauscher = ::socket(AF_INET, SOCK_STREAM, 0);
        int ja = 1;
        ::setsockopt(m_lauscher, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        ::bind(m_lauscher, reinterpret_cast<sockaddr *>(&a), sizeof a);
        ::listen(m_lauscher, 16);
        socklen_t l = sizeof a;
        ::getsockname(m_lauscher, reinterpret_cast<sockaddr *>(&a), &l);
        m_port = ntohs(a.sin_port);
        m_faden = std::thread([this] { Annehmen(); });
    }
    ~TLokalerServer()
    {
        m_ende = true;
        m_faden.join();
        for (std::thread &t : m_verbindungen)
            t.join();
        ::close(m_lauscher);
    }
    TLokalerServer(const TLokalerServer &) = delete;
    TLokalerServer &operator=(const TLokalerServer &) = delete;

    int Port() const { return m_port; }
    std::string Basis() const { return "http://127.0.0.1:" + std::to_string(m_port); }

    void Setzen(const std::string &pfad, TAntwort antwort)
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_antworten[pfad] = std::move(antwort);
    }
    void Setzen(const std::string &pfad, int status, std::string inhalt)
    {
        Setzen(pfad, TAntwort{status, std::move(inhalt)});
    }
    // Answers pfad with a redirect (301, 302, ...) to ort, which may be relative.
    void Umleiten(const std::string &pfad, int status, const std::string &ort, std::string inhalt = "")
    {
        Setzen(pfad, TAntwort{status, std::move(inhalt)});
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_orte[pfad] = ort;
    }
    // The answer for pfad comes only after ms milliseconds.
    void Verzoegern(const std::string &pfad, int ms)
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_verzoegerungen[pfad] = ms;
    }
    // Every request's first line and headers, in order of arrival.
    std::vector<std::string> Anfragen() const
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        return m_anfragen;
    }
    int AnzahlFuer(const std::string &pfad) const
    {
        int n = 0;
        for (const std::string &a : Anfragen())
            if (a.rfind("GET " + pfad + " ", 0) == 0)
                ++n;
        return n;
    }

private:
    void Annehmen()
    {
        while (!m_ende) {
            pollfd p{m_lauscher, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const int s = ::accept(m_lauscher, nullptr, nullptr);
            if (s < 0)
                continue;
            m_verbindungen.emplace_back([this, s] { Bedienen(s); });
        }
    }

    bool Senden(int s, const std::string &d)
    {
        size_t weg = 0;
        while (weg < d.size()) {
            const ssize_t n = ::send(s, d.data() + weg, d.size() - weg, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            weg += static_cast<size_t>(n);
        }
        return true;
    }

    void Bedienen(int s)
    {
        std::string anfrage;
        char puffer[4096];
        while (anfrage.find("\r\n\r\n") == std::string::npos && !m_ende) {
            pollfd p{s, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const ssize_t n = ::recv(s, puffer, sizeof puffer, 0);
            if (n <= 0)
                break;
            anfrage.append(puffer, static_cast<size_t>(n));
        }
        std::string pfad;
        if (const size_t a = anfrage.find(' '); a != std::string::npos)
            pfad = anfrage.substr(a + 1, anfrage.find(' ', a + 1) - a - 1);
        TAntwort antwort{404, "nicht da"};
        std::string ort;
        int verzoegerung = 0;
        {
            std::lock_guard<std::mutex> sperre(m_mutex);
            m_anfragen.push_back(anfrage);
            if (auto it = m_antworten.find(pfad); it != m_antworten.end())
                antwort = it->second;
            if (auto it = m_orte.find(pfad); it != m_orte.end())
                ort = it->second;
            if (auto it = m_verzoegerungen.find(pfad); it != m_verzoegerungen.end())
                verzoegerung = it->second;
        }
        for (int ms = 0; ms < verzoegerung && !m_ende; ms += 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        auto kopf = [&](long long laenge) {
            return "HTTP/1.1 " + std::to_string(antwort.Status) + " X\r\nContent-Type: text/plain\r\n" +
                   (ort.empty() ? std::string() : "Location: " + ort + "\r\n") +
                   "Content-Length: " + std::to_string(laenge) + "\r\nConnection: close\r\n\r\n";
        };
        switch (antwort.Weise) {
        case Art::Normal:
            Senden(s, kopf(static_cast<long long>(antwort.Inhalt.size())) + antwort.Inhalt);
            break;
        case Art::Abgebrochen:
            Senden(s, kopf(static_cast<long long>(antwort.Inhalt.size())) +
                          antwort.Inhalt.substr(0, antwort.Inhalt.size() / 2));
            break;
        case Art::Stumm:
            while (!m_ende) // holds the connection open until the test ends
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            break;
        case Art::Riesig: {
            if (!Senden(s, kopf(antwort.Groesse)))
                break;
            const std::string block(64 * 1024, 'x');
            for (long long weg = 0; weg < antwort.Groesse && !m_ende;
                 weg += static_cast<long long>(block.size()))
                if (!Senden(s, block))
                    break;
            break;
        }
        }
        ::shutdown(s, SHUT_RDWR);
        ::close(s);
    }

    int m_lauscher = -1;
    int m_port = 0;
    std::atomic<bool> m_ende{false};
    std::thread m_faden;
    std::vector<std::thread> m_verbindungen; // touched by the accepting thread only
    mutable std::mutex m_mutex;
    std::map<std::string, TAntwort> m_antworten;
    std::map<std::string, std::string> m_orte;
    std::map<std::string, int> m_verzoegerungen;
    std::vector<std::string> m_anfragen;
};

} // namespace mvt::pruefung
