// The two worker threads of the online services. Each runs its job once and ends by
// itself; nobody waits for it. Every result goes to the thread of a receiver object (the
// window's thread) as a queued call, one call per step, in the order of the steps.
#pragma once

#include "online/Stadtlistenabruf.h"
#include "online/Versionspruefung.h"

#include <QPointer>
#include <QThread>

#include <functional>

namespace mvt::online {

// Removes the temporary files of both workers: left over in ordner from a run that was
// killed (regular files of this user only), or still open in a worker that hangs at the
// end of the program.
void DownloadDateienEntfernen(const QString &ordner);

// Where the worker fetches from and puts its temporary file.
struct TAbrufziel {
    QString Basis;  // "http://host[:port]" without a trailing slash
    QString Ordner; // working folder of the process
    THttpGrenzen Grenzen;
};

class THintergrundThread : public QThread {
public:
    // Deletes itself when it has ended.
    THintergrundThread(QObject *empfaenger, TAbrufziel ziel);

protected:
    // Runs f on the receiver's thread; dropped when the receiver is gone.
    void Uebergeben(std::function<void()> f);
    const TAbrufziel m_ziel;

private:
    QPointer<QObject> m_empfaenger;
};

// The version check. Beginn runs first (check box and "Suche nach neuer Version..."),
// then Ergebnis with what the request and the file gave.
class TUpdateThread : public THintergrundThread {
public:
    struct TSchritte {
        std::function<void()> CheckBoxSetzen;
        std::function<void()> SucheAnzeigen;
        std::function<void(const TVersionsauskunft &)> Ergebnis;
    };
    TUpdateThread(QObject *empfaenger, TAbrufziel ziel, TSchritte schritte);

protected:
    void run() override;

private:
    TSchritte m_schritte;
};

// The town list update: one run of StadtlisteAktualisieren on the worker. Each finished
// world, each message and at the end the new stamp are handed to the receiver.
class TStadtUpdateThread : public THintergrundThread {
public:
    struct TSchritte {
        std::function<void(routen::TStadtdaten &)> WeltInstallieren;
        std::function<void(const QString &)> Meldung;
        std::function<void(const QString &)> StandSetzen;
    };
    // stand and grund are copied on the calling thread; the worker shares nothing.
    TStadtUpdateThread(QObject *empfaenger, TAbrufziel ziel, QString stand,
                       std::array<routen::TGitter, routen::AnzahlWelten> grund, TSchritte schritte);

protected:
    void run() override;

private:
    QString m_stand;
    std::array<routen::TGitter, routen::AnzahlWelten> m_grund;
    TSchritte m_schritte;
};

} // namespace mvt::online
