// The version check against the tool's web site: reading "/LatestVersion.txt", the
// comparison with this program's version and the rules for NextVersionCheck.
#pragma once

#include "online/HttpAbruf.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace mvt::online {

inline const QString VersionsdateiPfad = QStringLiteral("/LatestVersion.txt");
inline const QString DownloadSeitePfad = QStringLiteral("/download.html");
// Temporary download of the check, in the working folder; the town list uses "2_".
inline const QString VersionsdateiTemp = QStringLiteral("1_MVTdownloadTMP.txt");

inline const QString TextSuche = QStringLiteral("Suche nach neuer Version...");
inline const QString TextKeineVerbindung =
    QStringLiteral("Fehler: Keine Verbindung zum Internet oder Server inaktiv!");
inline const QString TextUngueltig =
    QStringLiteral("Fehler: Ungültige Informationen erhalten! Sag bitte Hadrik Bescheid.");
inline const QString TextNeueVersion = QStringLiteral("Eine neue Version ist verfügbar!");
inline const QString TextAktuell = QStringLiteral("Diese Version ist bereits auf dem neusten Stand.");

// Digit, point, two digits, an optional letter: "1.13a", "1.11".
bool IstVersionstext(const QString &text);

struct TVersionsdatei {
    QString Version; // line 1
    QString Datum;   // line 2, free text shown unchanged
};
// The two lines of the downloaded file; nullopt when line 1 is not a version text.
std::optional<TVersionsdatei> VersionsdateiLesen(const QByteArray &inhalt);

enum class TPruefergebnis {
    KeineVerbindung,
    Ungueltig,
    NeueVersion,
    AktuellerStand,
};
struct TVersionsauskunft {
    TPruefergebnis Ergebnis = TPruefergebnis::KeineVerbindung;
    TVersionsdatei Datei;
};

// Newer than this program only when it differs and is at least as new.
bool IstNeuereVersion(const QString &entfernt, const QString &eigen);

// The request and the reading: fetches basis + "/LatestVersion.txt" into the temporary
// file in ordner, reads it and deletes it in every case. Blocks; runs on a worker thread.
TVersionsauskunft VersionAbfragen(const QString &basis, const QString &ordner,
                                  const THttpGrenzen &grenzen = {});

// Status text of Label1 for a result.
QString Statustext(TPruefergebnis ergebnis);
// "Version " + V + " vom " + D.
QString Versionszeile(const TVersionsdatei &d);

// NextVersionCheck, days since 30 Dec 1899; 9999999 switches automatic checks off.
// The start of the next day: the date-time rounded up to a whole day.
double NaechsterTagesbeginn(double jetzt);
// The version window's check box switched on or off.
double NachVersionsfensterSchalter(bool an, double naechste, double jetzt);
// The settings window's check box on Okay: on with a value more than a day ahead gives 0.
double NachEinstellungsSchalter(bool an, double naechste, double jetzt);
// After the user closed an automatically shown version window.
double NachAutomatischerAnzeige(double naechste, double jetzt);

} // namespace mvt::online
