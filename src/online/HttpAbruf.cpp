#include "online/HttpAbruf.h"

#include <QFile>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace mvt::online {

namespace {

struct TZiel {
    QFile *Datei;
    int64_t Geschrieben = 0;
    int64_t Hoechst;
    bool Schreibfehler = false;
};

size_t Schreiben(char *daten, size_t groesse, size_t anzahl, void *nutzer)
{
    auto *ziel = static_cast<TZiel *>(nutzer);
    const size_t n = groesse * anzahl;
    ziel->Geschrieben += static_cast<int64_t>(n);
    if (ziel->Geschrieben > ziel->Hoechst)
        return 0; // any short count makes curl abort the transfer
    if (ziel->Datei->write(daten, static_cast<qint64>(n)) != static_cast<qint64>(n)) {
        ziel->Schreibfehler = true;
        return 0;
    }
    return n;
}

void CurlEinmalStarten()
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct TCurlLoescher {
    void operator()(CURL *c) const { curl_easy_cleanup(c); }
};
struct TListenLoescher {
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};

} // namespace

bool HttpHolen(const QString &url, const QString &pfad, const THttpGrenzen &grenzen)
{
    CurlEinmalStarten();
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;

    std::unique_ptr<CURL, TCurlLoescher> c(curl_easy_init());
    if (!c)
        return false;
    std::unique_ptr<curl_slist, TListenLoescher> kopf(curl_slist_append(nullptr, "Accept: text/html, */*"));

    TZiel ziel{&datei, 0, grenzen.HoechstBytes};
    const QByteArray adresse = url.toUtf8();
    CURL *h = c.get();
    curl_easy_setopt(h, CURLOPT_URL, adresse.constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, kopf.get());
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, ""); // cookie engine on, nothing stored
    curl_easy_setopt(h, CURLOPT_PROXY, "");      // no proxy, also none from the environment
    curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L); // runs on worker threads
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, grenzen.VerbindungMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, grenzen.GesamtMs);
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(grenzen.HoechstBytes));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, Schreiben);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &ziel);

    const CURLcode ergebnis = curl_easy_perform(h);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    const bool geschrieben = datei.flush() && !ziel.Schreibfehler;
    datei.close();
    // curl reports a body shorter than its Content-Length or a broken chunked body as an error.
    return ergebnis == CURLE_OK && status >= 200 && status < 300 && geschrieben &&
           ziel.Geschrieben <= grenzen.HoechstBytes;
}

} // namespace mvt::online
