// HTTP GET of one address into a local file, through libcurl. The only network access of
// the program: the version file and the town list of the tool's web site.
#pragma once

#include <QString>

#include <cstdint>

class QIODevice;

namespace mvt::online {

struct THttpGrenzen {
    // A server that accepts the connection and never answers must not keep a check
    // running for good. Both time-outs count from the first request, not per redirect.
    long VerbindungMs = 10'000;
    long GesamtMs = 60'000;
    // Larger answers are refused as a whole; the files we fetch are a few hundred kB.
    // The bodies of the redirect answers count too.
    int64_t HoechstBytes = 16 * 1024 * 1024;
    // Redirects followed before the download counts as failed.
    int HoechstUmleitungen = 5;
    // Certificate authorities for HTTPS as a PEM file; empty: the system's store. Tests
    // trust a certificate of their own this way, for their run only.
    QString Zertifizierungsstellen;
};

// Fetches url into ziel, an open device. True only for a complete body with a 2xx status;
// on false the device may hold a part. Follows redirects only on the host of url, from
// HTTP to HTTPS and within each (certificates checked): another host, a step back from
// HTTPS to HTTP, another scheme, a loop or one redirect too many is a failure, so that a
// redirect cannot hand the program another site's files. Sends "text/html, */*" as
// accepted types and the user agent the web site knows, accepts cookies, uses no proxy.
// Safe to call from several threads at once.
bool HttpHolen(const QString &url, QIODevice &ziel, const THttpGrenzen &grenzen = {});
// The same into the file at pfad (created or overwritten), for a path the caller chose.
bool HttpHolen(const QString &url, const QString &pfad, const THttpGrenzen &grenzen = {});

} // namespace mvt::online
