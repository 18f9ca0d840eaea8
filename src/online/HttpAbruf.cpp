#include "online/HttpAbruf.h"

#include <QFile>
#include <QSet>

#include <curl/curl.h>

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>

namespace mvt::online {

namespace {

// libcurl and the two dozen libraries it brings are loaded at the first download, not at
// program start, where loading them costs about a third of an empty window's start.
struct TCurl {
    decltype(&::curl_global_init) global_init = nullptr;
    decltype(&::curl_easy_init) easy_init = nullptr;
    decltype(&::curl_easy_setopt) easy_setopt = nullptr;
    decltype(&::curl_easy_perform) easy_perform = nullptr;
    decltype(&::curl_easy_getinfo) easy_getinfo = nullptr;
    decltype(&::curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&::curl_slist_append) slist_append = nullptr;
    decltype(&::curl_slist_free_all) slist_free_all = nullptr;
    decltype(&::curl_url) url = nullptr;
    decltype(&::curl_url_set) url_set = nullptr;
    decltype(&::curl_url_get) url_get = nullptr;
    decltype(&::curl_url_cleanup) url_cleanup = nullptr;
    decltype(&::curl_free) free = nullptr;
};

template <class F> bool Holen(void *bibliothek, const char *name, F &ziel)
{
    ziel = reinterpret_cast<F>(dlsym(bibliothek, name));
    return ziel != nullptr;
}

// Null when the library or one of its functions is missing: every download then fails.
const TCurl *Curl()
{
    static const TCurl *geladen = []() -> const TCurl * {
        void *b = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!b)
            return nullptr;
        static TCurl k;
        if (!(Holen(b, "curl_global_init", k.global_init) && Holen(b, "curl_easy_init", k.easy_init) &&
              Holen(b, "curl_easy_setopt", k.easy_setopt) && Holen(b, "curl_easy_perform", k.easy_perform) &&
              Holen(b, "curl_easy_getinfo", k.easy_getinfo) &&
              Holen(b, "curl_easy_cleanup", k.easy_cleanup) &&
              Holen(b, "curl_slist_append", k.slist_append) &&
              Holen(b, "curl_slist_free_all", k.slist_free_all) && Holen(b, "curl_url", k.url) &&
              Holen(b, "curl_url_set", k.url_set) && Holen(b, "curl_url_get", k.url_get) &&
              Holen(b, "curl_url_cleanup", k.url_cleanup) && Holen(b, "curl_free", k.free)))
            return nullptr;
        // Not thread-safe in curl; the static's initialisation runs once, whichever
        // worker comes first.
        if (k.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            return nullptr;
        return &k;
    }();
    return geladen;
}

struct TZiel {
    QIODevice *Datei;
    CURL *Griff;
    int64_t Gelesen = 0; // body bytes of every answer of the chain
    int64_t Hoechst;
    bool Schreibfehler = false;
};

bool IstUmleitung(long status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

size_t Schreiben(char *daten, size_t groesse, size_t anzahl, void *nutzer)
{
    auto *ziel = static_cast<TZiel *>(nutzer);
    const size_t n = groesse * anzahl;
    ziel->Gelesen += static_cast<int64_t>(n);
    if (ziel->Gelesen > ziel->Hoechst)
        return 0; // any short count makes curl abort the transfer
    long status = 0;
    Curl()->easy_getinfo(ziel->Griff, CURLINFO_RESPONSE_CODE, &status);
    if (IstUmleitung(status))
        return n; // the body of a redirect is read and dropped
    if (ziel->Datei->write(daten, static_cast<qint64>(n)) != static_cast<qint64>(n)) {
        ziel->Schreibfehler = true;
        return 0;
    }
    return n;
}

struct TCurlLoescher {
    void operator()(CURL *c) const { Curl()->easy_cleanup(c); }
};
struct TListenLoescher {
    void operator()(curl_slist *l) const { Curl()->slist_free_all(l); }
};

// Scheme and host of an address, lower case, as curl itself reads them when it connects;
// both empty when it cannot read the address.
struct TOrt {
    QByteArray Schema;
    QByteArray Host;
};
TOrt OrtLesen(const TCurl &k, const char *url)
{
    TOrt ort;
    CURLU *u = k.url();
    if (!u)
        return ort;
    char *schema = nullptr;
    char *host = nullptr;
    if (k.url_set(u, CURLUPART_URL, url, 0) == CURLUE_OK &&
        k.url_get(u, CURLUPART_SCHEME, &schema, 0) == CURLUE_OK &&
        k.url_get(u, CURLUPART_HOST, &host, 0) == CURLUE_OK && schema && host) {
        ort.Schema = QByteArray(schema).toLower();
        ort.Host = QByteArray(host).toLower();
    }
    k.free(schema);
    k.free(host);
    k.url_cleanup(u);
    return ort;
}

// Where a redirect may lead: the host of the first address, by HTTP or HTTPS, and never
// from HTTPS back to plain HTTP.
bool UmleitungErlaubt(const TOrt &start, const TOrt &vorher, const TOrt &ziel)
{
    if (ziel.Host.isEmpty() || ziel.Host != start.Host)
        return false;
    if (ziel.Schema == "https")
        return true;
    return ziel.Schema == "http" && vorher.Schema == "http";
}

} // namespace

bool HttpHolen(const QString &url, const QString &pfad, const THttpGrenzen &grenzen)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool erfolg = HttpHolen(url, datei, grenzen);
    const bool geschrieben = datei.flush();
    datei.close();
    return erfolg && geschrieben;
}

bool HttpHolen(const QString &url, QIODevice &datei, const THttpGrenzen &grenzen)
{
    using Uhr = std::chrono::steady_clock;
    const Uhr::time_point beginn = Uhr::now();
    const TCurl *k = Curl();
    if (!k || !datei.isWritable())
        return false;

    std::unique_ptr<CURL, TCurlLoescher> c(k->easy_init());
    if (!c)
        return false;
    std::unique_ptr<curl_slist, TListenLoescher> kopf(k->slist_append(nullptr, "Accept: text/html, */*"));

    CURL *h = c.get();
    TZiel ziel{&datei, h, 0, grenzen.HoechstBytes};
    const QByteArray stellen = grenzen.Zertifizierungsstellen.toLocal8Bit();
    k->easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    k->easy_setopt(h, CURLOPT_HTTPGET, 1L);
    k->easy_setopt(h, CURLOPT_HTTPHEADER, kopf.get());
    k->easy_setopt(h, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    k->easy_setopt(h, CURLOPT_COOKIEFILE, ""); // cookie engine on, nothing stored
    k->easy_setopt(h, CURLOPT_PROXY, "");      // no proxy, also none from the environment
    k->easy_setopt(h, CURLOPT_NOPROXY, "*");
    k->easy_setopt(h, CURLOPT_NOSIGNAL, 1L); // runs on worker threads
    k->easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    k->easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!stellen.isEmpty())
        k->easy_setopt(h, CURLOPT_CAINFO, stellen.constData());
    // Redirects are followed here rather than by curl, so that the byte limit can count
    // the bodies of every answer and a loop ends at its first repetition.
    k->easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    k->easy_setopt(h, CURLOPT_WRITEFUNCTION, Schreiben);
    k->easy_setopt(h, CURLOPT_WRITEDATA, &ziel);

    QByteArray adresse = url.toUtf8();
    const TOrt start = OrtLesen(*k, adresse.constData());
    if (start.Schema != "http" && start.Schema != "https")
        return false;
    TOrt vorher = start;
    QSet<QByteArray> besucht{adresse};
    bool erfolg = false;
    for (int umleitungen = 0;; ++umleitungen) {
        const long vergangen = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Uhr::now() - beginn).count());
        const long rest = grenzen.GesamtMs - vergangen;
        const int64_t restBytes = grenzen.HoechstBytes - ziel.Gelesen;
        if (rest <= 0 || restBytes < 0)
            break;
        k->easy_setopt(h, CURLOPT_URL, adresse.constData());
        k->easy_setopt(h, CURLOPT_TIMEOUT_MS, rest);
        k->easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, std::min(grenzen.VerbindungMs, rest));
        // An announced body beyond what is left of the limit is refused before it is read.
        k->easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE,
                       static_cast<curl_off_t>(std::max<int64_t>(restBytes, 1)));

        const CURLcode ergebnis = k->easy_perform(h);
        long status = 0;
        k->easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
        if (ergebnis != CURLE_OK || ziel.Gelesen > grenzen.HoechstBytes)
            break;
        if (IstUmleitung(status)) {
            char *ort = nullptr;
            k->easy_getinfo(h, CURLINFO_REDIRECT_URL, &ort);
            if (!ort || umleitungen >= grenzen.HoechstUmleitungen)
                break;
            const TOrt neu = OrtLesen(*k, ort);
            if (!UmleitungErlaubt(start, vorher, neu))
                break;
            vorher = neu;
            adresse = QByteArray(ort);
            if (besucht.contains(adresse))
                break; // a loop never ends in a file
            besucht.insert(adresse);
            continue;
        }
        // curl reports a body shorter than its Content-Length or a broken chunked body as
        // an error.
        erfolg = status >= 200 && status < 300;
        break;
    }
    auto *dateigeraet = qobject_cast<QFileDevice *>(&datei);
    const bool geschrieben = !ziel.Schreibfehler && (!dateigeraet || dateigeraet->flush());
    return erfolg && geschrieben;
}

} // namespace mvt::online
