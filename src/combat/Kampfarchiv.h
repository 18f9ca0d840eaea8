// The combat archive: every evaluated fight kept in an SQLite database beside options.ini,
// with its report text, when it was archived, an editable title and per fighter the totals
// of the statistics table. The text is the fight: shown again, it is evaluated again, so
// the archive can never show other figures than the evaluation does.
#pragma once

#include "combat/Kaempfer.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct sqlite3;

namespace mvt {

inline const QString KampfarchivDateiname = QStringLiteral("kampfarchiv.sqlite");
// The schema this program writes; a database with a higher PRAGMA user_version comes from
// a newer program and is only read.
constexpr int KampfarchivSchema = 1;

// The report as the archive keeps it: its lines joined by LF, without blank lines at the
// end. The evaluation splits at CR LF, LF and CR alike and skips blank lines, so this text
// evaluates exactly as the one pasted or read.
QString KampftextNormalisieren(const QString &text);
// SHA-256 of the normalised text, hex; the same text archived twice is one fight.
QString KampftextHash(const QString &normalisiert);
// "Hadrik, Borin, Wolf #2 und 3 weitere – 12 Runden".
QString KampftitelBilden(const Kampfauswertung &a);

// One fight of the list.
struct TArchivkampf {
    qint64 Id = 0;
    QString Zeitpunkt; // ISO 8601, UTC
    QString Titel;
    QStringList Kaempfer; // in the order of the report
    int32_t Runden = 0;
};

// One fighter's totals in one fight, for the history.
struct TVerlaufspunkt {
    qint64 Id = 0;
    QString Zeitpunkt;
    int32_t Schaden = 0;
    int32_t SchadenErhalten = 0;
    int32_t Heilung = 0;
};

// The fights whose title or one of whose fighters contains the text (case-insensitive);
// an empty text keeps all.
std::vector<TArchivkampf> KaempfeFiltern(const std::vector<TArchivkampf> &kaempfe, const QString &suchtext);

// "dd.MM.yyyy HH:mm" in local time, for the window.
QString ZeitpunktAnzeigen(const QString &iso);

class TKampfarchiv {
public:
    // wartezeitMs: how long a store waits for another program's write before it gives up.
    explicit TKampfarchiv(QString pfad = KampfarchivDateiname, int wartezeitMs = 2000);
    ~TKampfarchiv();
    TKampfarchiv(const TKampfarchiv &) = delete;
    TKampfarchiv &operator=(const TKampfarchiv &) = delete;

    const QString &Pfad() const { return m_pfad; }
    bool Vorhanden() const;

    // Opens (anlegen: creates) the database and brings an older schema up to date. false
    // with Fehler() when it cannot be used at all; a database that can only be read opens
    // with a note in Hinweis().
    bool Oeffnen(bool anlegen = true);
    bool Offen() const { return m_db != nullptr; }
    bool Beschreibbar() const { return m_db && !m_nurLesen; }
    // The last failure, German; empty when none.
    const QString &Fehler() const { return m_fehler; }
    // Why the archive is only read (read-only file, newer program); empty otherwise.
    const QString &Hinweis() const { return m_hinweis; }
    // Fehler, else Hinweis: what the window's status shows.
    QString Status() const { return m_fehler.isEmpty() ? m_hinweis : m_fehler; }

    struct TGespeichert {
        qint64 Id = 0;
        bool Neu = false; // false: the text was in the archive already
    };
    // Stores text and evaluation in one transaction: whole or not at all.
    std::optional<TGespeichert> Speichern(const QString &text, const Kampfauswertung &a,
                                          const QDateTime &zeitpunkt = QDateTime::currentDateTimeUtc());

    // Newest first.
    std::optional<std::vector<TArchivkampf>> Liste();
    // The normalised report text; nullopt with Fehler() for an unknown id.
    std::optional<QString> Text(qint64 id);
    std::optional<TArchivkampf> Kampf(qint64 id);
    bool Umbenennen(qint64 id, const QString &titel);
    bool Loeschen(qint64 id);
    // The fighter's totals per fight, oldest first.
    std::optional<std::vector<TVerlaufspunkt>> Verlauf(const QString &name);
    // Every fighter name in the archive, sorted.
    std::optional<QStringList> Kaempfernamen();

    // The option "Ausgewertete Kämpfe archivieren" lives with the archive, so that
    // options.ini keeps its layout: off while there is no archive.
    bool ArchivierungEingeschaltet();
    bool ArchivierungSetzen(bool an);

    int Schemaversion() const { return m_schema; }

private:
    void Schliessen();
    bool Ausfuehren(const char *sql);
    bool Migrieren();
    // One attempt of Oeffnen.
    bool OeffnenVersuchen(bool anlegen);
    // Sets Fehler() from SQLite's result code and message.
    bool SqlFehler(int code, const QString &was);
    bool SchreibenPruefen();

    QString m_pfad;
    int m_wartezeitMs;
    sqlite3 *m_db = nullptr;
    bool m_nurLesen = false;
    int m_schema = 0;
    bool m_gesperrt = false; // the last failure was a lock held by another program
    QString m_fehler;
    QString m_hinweis;
};

} // namespace mvt
