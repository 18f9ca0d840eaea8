// The temporary file a download lands in, in the working folder. It is always created new
// by this process: a file or a symbolic link that already has the name is never opened,
// followed or truncated, so that nobody who can write into the folder can turn a download
// against another file of the player's. Only what the process created is removed.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace mvt::online {

class TDownloaddatei {
public:
    // Creates ordner/name exclusively. When the name is taken (a link, a file left behind
    // or another running copy of the program's), a name beside it made unique by the
    // system: name with "-XXXXXX" before its extension.
    TDownloaddatei(const QString &ordner, const QString &name);
    // Removes the file, when its name still leads to the file created here.
    ~TDownloaddatei();
    TDownloaddatei(const TDownloaddatei &) = delete;
    TDownloaddatei &operator=(const TDownloaddatei &) = delete;

    bool Offen() const { return m_datei.isOpen(); }
    QFile &Datei() { return m_datei; }
    const QString &Pfad() const { return m_pfad; }
    // What was written, read back through the open file (not by its name, which another
    // process may have replaced meanwhile); nullopt when it cannot be read or is larger
    // than hoechst.
    std::optional<QByteArray> Inhalt(qint64 hoechst);
    void Entfernen();

private:
    QFile m_datei;
    QString m_pfad;
    dev_t m_geraet = 0;
    ino_t m_knoten = 0;
};

// Removes the files of every TDownloaddatei still open (a worker that still hangs when the
// program ends), and files of the given names in ordner left behind by a run that was
// killed: regular files of this user only, never a link or another user's file.
void DownloaddateienEntfernen(const QString &ordner, const QStringList &namen);

} // namespace mvt::online
