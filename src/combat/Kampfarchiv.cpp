#include "combat/Kampfarchiv.h"

#include "base/Textdatei.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace mvt {

QString KampftextNormalisieren(const QString &text)
{
    QStringList zeilen = ZeilenTrennen(text);
    // Blank lines at the end are where a paste stopped, not part of the fight.
    while (!zeilen.isEmpty() && zeilen.last().trimmed().isEmpty())
        zeilen.removeLast();
    return zeilen.join(u'\n');
}

QString KampftextHash(const QString &normalisiert)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(normalisiert.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString KampftitelBilden(const Kampfauswertung &a)
{
    constexpr size_t Namen = 3;
    QStringList namen;
    for (size_t i = 0; i < a.Kaempfer.size() && i < Namen; ++i)
        namen << a.Kaempfer[i]->Name;
    QString titel = namen.isEmpty() ? QStringLiteral("Ohne Kämpfer") : namen.join(QStringLiteral(", "));
    if (a.Kaempfer.size() > Namen)
        titel += QStringLiteral(" und %1 weitere").arg(a.Kaempfer.size() - Namen);
    titel += a.Runden == 1 ? QStringLiteral(" – 1 Runde") : QStringLiteral(" – %1 Runden").arg(a.Runden);
    return titel;
}

std::vector<TArchivkampf> KaempfeFiltern(const std::vector<TArchivkampf> &kaempfe, const QString &suchtext)
{
    const QString s = suchtext.trimmed();
    if (s.isEmpty())
        return kaempfe;
    std::vector<TArchivkampf> treffer;
    for (const TArchivkampf &k : kaempfe) {
        bool passt = k.Titel.contains(s, Qt::CaseInsensitive);
        for (qsizetype i = 0; !passt && i < k.Kaempfer.size(); ++i)
            passt = k.Kaempfer[i].contains(s, Qt::CaseInsensitive);
        if (passt)
            treffer.push_back(k);
    }
    return treffer;
}

QString ZeitpunktAnzeigen(const QString &iso)
{
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODate);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")) : iso;
}

namespace {

// One prepared statement; finalised when it goes out of scope.
class Anweisung {
public:
    Anweisung(sqlite3 *db, const char *sql) { m_code = sqlite3_prepare_v2(db, sql, -1, &m_s, nullptr); }
    ~Anweisung() { sqlite3_finalize(m_s); }
    Anweisung(const Anweisung &) = delete;
    Anweisung &operator=(const Anweisung &) = delete;

    bool Bereit() const { return m_code == SQLITE_OK; }
    int Code() const { return m_code; }
    void Text(int i, const QString &t)
    {
        const QByteArray b = t.toUtf8();
        sqlite3_bind_text(m_s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    void Zahl(int i, qint64 z) { sqlite3_bind_int64(m_s, i, z); }
    void Real(int i, double x) { sqlite3_bind_double(m_s, i, x); }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Schritt()
    {
        m_code = sqlite3_step(m_s);
        return m_code;
    }
    void Zuruecksetzen()
    {
        sqlite3_reset(m_s);
        sqlite3_clear_bindings(m_s);
    }
    qint64 Zahl(int spalte) const { return sqlite3_column_int64(m_s, spalte); }
    int32_t Zahl32(int spalte) const
    {
        const qint64 z = sqlite3_column_int64(m_s, spalte);
        return z < INT32_MIN || z > INT32_MAX ? 0 : int32_t(z);
    }
    QString Text(int spalte) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_s, spalte));
        return t ? QString::fromUtf8(t, sqlite3_column_bytes(m_s, spalte)) : QString();
    }

private:
    sqlite3_stmt *m_s = nullptr;
    int m_code = SQLITE_OK;
};

// Version 1. Each later version adds one step to Migrieren; a step never drops what an
// older program reads.
const char *const SchemaVersion1 = R"(
CREATE TABLE kampf(
  id INTEGER PRIMARY KEY,
  hash TEXT NOT NULL UNIQUE,
  zeitpunkt TEXT NOT NULL,
  titel TEXT NOT NULL,
  runden INTEGER NOT NULL,
  fehler INTEGER NOT NULL,
  text TEXT NOT NULL);
CREATE INDEX kampf_zeitpunkt ON kampf(zeitpunkt);
CREATE TABLE kaempfer(
  kampf_id INTEGER NOT NULL REFERENCES kampf(id),
  nr INTEGER NOT NULL,
  name TEXT NOT NULL,
  schaden INTEGER NOT NULL,
  angriffe INTEGER NOT NULL,
  schaden_pro_runde REAL NOT NULL,
  trefferquote REAL NOT NULL,
  kritquote REAL NOT NULL,
  bester_treffer INTEGER NOT NULL,
  heilung INTEGER NOT NULL,
  schaden_erhalten INTEGER NOT NULL,
  treffer_erhalten INTEGER NOT NULL,
  ausweichquote REAL NOT NULL,
  blockquote REAL NOT NULL,
  heilung_erhalten INTEGER NOT NULL,
  ueberlebt INTEGER NOT NULL,
  runden INTEGER NOT NULL,
  PRIMARY KEY(kampf_id, nr)) WITHOUT ROWID;
CREATE INDEX kaempfer_name ON kaempfer(name);
CREATE TABLE einstellung(
  schluessel TEXT PRIMARY KEY,
  wert TEXT NOT NULL);
)";

const char *const OptionArchivieren = "archivieren";

} // namespace

TKampfarchiv::TKampfarchiv(QString pfad, int wartezeitMs)
    : m_pfad(std::move(pfad)), m_wartezeitMs(wartezeitMs)
{
}

TKampfarchiv::~TKampfarchiv()
{
    Schliessen();
}

bool TKampfarchiv::Vorhanden() const
{
    return QFileInfo::exists(m_pfad);
}

void TKampfarchiv::Schliessen()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool TKampfarchiv::SqlFehler(int code, const QString &was)
{
    const QString datei = QFileInfo(m_pfad).fileName();
    const QString detail =
        m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(code));
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        m_gesperrt = true;
        m_fehler =
            QStringLiteral("Fehler: Das Kampfarchiv \"%1\" ist gesperrt, ein anderes Programm schreibt "
                           "gerade hinein. %2 nicht möglich, bitte später noch einmal versuchen.")
                .arg(datei, was);
        break;
    case SQLITE_READONLY:
        m_fehler = QStringLiteral("Fehler: Das Kampfarchiv \"%1\" ist schreibgeschützt. %2 nicht möglich.")
                       .arg(datei, was);
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        m_fehler =
            QStringLiteral("Fehler: Das Kampfarchiv \"%1\" ist beschädigt (%2). Es wird nicht verändert; "
                           "bitte die Datei sichern und umbenennen, dann legt das Programm ein neues an.")
                .arg(datei, detail);
        Schliessen();
        break;
    case SQLITE_FULL:
        m_fehler =
            QStringLiteral("Fehler: Kein Platz mehr auf dem Datenträger für das Kampfarchiv \"%1\". %2 "
                           "nicht möglich.")
                .arg(datei, was);
        break;
    default:
        m_fehler =
            QStringLiteral("Fehler: Das Kampfarchiv \"%1\" kann nicht benutzt werden (%2). %3 nicht möglich.")
                .arg(datei, detail, was);
    }
    return false;
}

bool TKampfarchiv::Ausfuehren(const char *sql)
{
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK || SqlFehler(code, QStringLiteral("Zugriff"));
}

bool TKampfarchiv::Oeffnen(bool anlegen)
{
    // While another program creates the archive or switches it to its log, some steps of
    // opening meet its lock at once, without SQLite's waiting: those are tried again for
    // as long as a store would wait.
    QElapsedTimer uhr;
    uhr.start();
    for (;;) {
        if (OeffnenVersuchen(anlegen))
            return true;
        if (!m_gesperrt || uhr.elapsed() >= m_wartezeitMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool TKampfarchiv::OeffnenVersuchen(bool anlegen)
{
    Schliessen();
    m_gesperrt = false;
    m_fehler.clear();
    m_hinweis.clear();
    m_nurLesen = false;
    if (!anlegen && !Vorhanden()) {
        m_fehler = QStringLiteral("Fehler: Das Kampfarchiv \"%1\" gibt es nicht.").arg(m_pfad);
        return false;
    }
    const QByteArray pfad = m_pfad.toUtf8();
    auto oeffnen = [&](int flags) {
        Schliessen();
        const int code = sqlite3_open_v2(pfad.constData(), &m_db, flags, nullptr);
        if (code != SQLITE_OK)
            return SqlFehler(code, QStringLiteral("Öffnen"));
        sqlite3_busy_timeout(m_db, m_wartezeitMs);
        sqlite3_extended_result_codes(m_db, 1);
        return true;
    };
    // An existing archive is first only read: if a newer program wrote it, this one must not
    // even checkpoint its log on closing.
    const bool vorhanden = Vorhanden();
    if (!oeffnen(vorhanden ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
        return false;

    // The header is read here: a file that is no database fails now, not at the first store.
    auto versionLesen = [&]() -> std::optional<int> {
        Anweisung s(m_db, "PRAGMA user_version");
        if (!s.Bereit() || s.Schritt() != SQLITE_ROW) {
            SqlFehler(s.Code(), QStringLiteral("Öffnen"));
            return std::nullopt;
        }
        return int(s.Zahl(0));
    };
    auto version = versionLesen();
    if (!version)
        return false;
    m_schema = *version;
    if (vorhanden && m_schema <= KampfarchivSchema) {
        if (!oeffnen(SQLITE_OPEN_READWRITE))
            return false;
        // Another program may have created the schema in between.
        version = versionLesen();
        if (!version)
            return false;
        m_schema = *version;
        m_nurLesen = sqlite3_db_readonly(m_db, "main") == 1;
    } else if (vorhanden) {
        m_nurLesen = true;
    }
    if (m_schema > KampfarchivSchema) {
        // Written by a newer program: read what this one knows, never write.
        m_nurLesen = true;
        m_hinweis =
            QStringLiteral("Das Kampfarchiv stammt von einer neueren Programmversion (Schema %1) und wird "
                           "nur gelesen; neue Kämpfe werden nicht archiviert.")
                .arg(m_schema);
        return true;
    }
    if (m_nurLesen) {
        m_hinweis =
            QStringLiteral("Das Kampfarchiv ist schreibgeschützt und wird nur gelesen; neue Kämpfe werden "
                           "nicht archiviert.");
        if (m_schema < KampfarchivSchema) {
            m_fehler =
                QStringLiteral("Fehler: Das schreibgeschützte Kampfarchiv \"%1\" ist leer oder veraltet.")
                    .arg(QFileInfo(m_pfad).fileName());
            Schliessen();
            return false;
        }
        return true;
    }
    // Write-ahead logging: a store that is cut off leaves the database as it was; NORMAL
    // keeps that promise for a killed process and waits for the disk only at checkpoints.
    {
        // Scoped: an unfinished statement would keep the later transactions from committing.
        Anweisung wal(m_db, "PRAGMA journal_mode=WAL");
        if (!wal.Bereit() || wal.Schritt() != SQLITE_ROW)
            return SqlFehler(wal.Code(), QStringLiteral("Öffnen"));
    }
    if (!Ausfuehren("PRAGMA synchronous=NORMAL"))
        return false;
    return m_schema == KampfarchivSchema || Migrieren();
}

bool TKampfarchiv::Migrieren()
{
    // IMMEDIATE: two programs opening a new archive at once create it once.
    if (!Ausfuehren("BEGIN IMMEDIATE"))
        return false;
    Anweisung v(m_db, "PRAGMA user_version");
    if (!v.Bereit() || v.Schritt() != SQLITE_ROW) {
        SqlFehler(v.Code(), QStringLiteral("Öffnen"));
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    m_schema = int(v.Zahl(0));
    bool gut = true;
    if (m_schema < 1)
        gut = Ausfuehren(SchemaVersion1);
    // Later versions: if (gut && m_schema < 2) gut = Ausfuehren(SchemaSchritt2); ...
    if (gut && m_schema < KampfarchivSchema)
        gut = Ausfuehren(
            QByteArray("PRAGMA user_version=" + QByteArray::number(KampfarchivSchema)).constData());
    if (!gut || !Ausfuehren("COMMIT")) {
        if (m_db)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    m_schema = std::max(m_schema, KampfarchivSchema);
    return true;
}

bool TKampfarchiv::SchreibenPruefen()
{
    m_fehler.clear();
    if (!m_db && !Oeffnen())
        return false;
    if (m_nurLesen) {
        m_fehler = QStringLiteral("Fehler: ") + m_hinweis;
        return false;
    }
    return true;
}

std::optional<TKampfarchiv::TGespeichert>
TKampfarchiv::Speichern(const QString &text, const Kampfauswertung &a, const QDateTime &zeitpunkt)
{
    if (!SchreibenPruefen())
        return std::nullopt;
    const QString normal = KampftextNormalisieren(text);
    const QString hash = KampftextHash(normal);
    const QString was = QStringLiteral("Archivieren");
    if (!Ausfuehren("BEGIN IMMEDIATE"))
        return std::nullopt;
    TGespeichert g;
    auto fehlschlag = [&](int code) -> std::optional<TGespeichert> {
        SqlFehler(code, was);
        if (m_db)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return std::nullopt;
    };
    {
        Anweisung k(m_db, "INSERT OR IGNORE INTO kampf(hash, zeitpunkt, titel, runden, fehler, text) "
                          "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
        if (!k.Bereit())
            return fehlschlag(k.Code());
        k.Text(1, hash);
        k.Text(2, zeitpunkt.toUTC().toString(Qt::ISODate));
        k.Text(3, KampftitelBilden(a));
        k.Zahl(4, a.Runden);
        k.Zahl(5, a.Fehler);
        k.Text(6, normal);
        if (k.Schritt() != SQLITE_DONE)
            return fehlschlag(k.Code());
        g.Neu = sqlite3_changes(m_db) > 0;
    }
    if (g.Neu) {
        g.Id = sqlite3_last_insert_rowid(m_db);
        Anweisung f(m_db,
                    "INSERT INTO kaempfer VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                    "?14, ?15, ?16, ?17)");
        if (!f.Bereit())
            return fehlschlag(f.Code());
        for (size_t i = 0; i < a.Kaempfer.size(); ++i) {
            const TKaempfer &kf = *a.Kaempfer[i];
            const TKampfstatus &t = kf.Status[Gesamt];
            f.Zahl(1, g.Id);
            f.Zahl(2, qint64(i) + 1);
            f.Text(3, kf.Name);
            f.Zahl(4, t.Schaden);
            f.Zahl(5, t.Angriffe);
            f.Real(6, t.SchadenProRunde);
            f.Real(7, t.Trefferquote);
            f.Real(8, t.Kritquote);
            f.Zahl(9, t.BesterTreffer);
            f.Zahl(10, t.Heilung);
            f.Zahl(11, t.SchadenErhalten);
            f.Zahl(12, t.TrefferErhalten);
            f.Real(13, t.Ausweichquote);
            f.Real(14, t.Blockquote);
            f.Zahl(15, t.HeilungErhalten);
            f.Zahl(16, kf.Ueberlebt ? 1 : 0);
            f.Zahl(17, kf.Runden);
            if (f.Schritt() != SQLITE_DONE)
                return fehlschlag(f.Code());
            f.Zuruecksetzen();
        }
    } else {
        Anweisung s(m_db, "SELECT id FROM kampf WHERE hash = ?1");
        if (!s.Bereit())
            return fehlschlag(s.Code());
        s.Text(1, hash);
        if (s.Schritt() != SQLITE_ROW)
            return fehlschlag(s.Code());
        g.Id = s.Zahl(0);
    }
    const int code = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return fehlschlag(code);
    return g;
}

std::optional<std::vector<TArchivkampf>> TKampfarchiv::Liste()
{
    m_fehler.clear();
    if (!m_db && !Oeffnen(false))
        return std::nullopt;
    const QString was = QStringLiteral("Lesen");
    std::vector<TArchivkampf> liste;
    QHash<qint64, size_t> stelle;
    {
        Anweisung s(m_db, "SELECT id, zeitpunkt, titel, runden FROM kampf ORDER BY zeitpunkt DESC, id DESC");
        if (!s.Bereit()) {
            SqlFehler(s.Code(), was);
            return std::nullopt;
        }
        int code;
        while ((code = s.Schritt()) == SQLITE_ROW) {
            stelle.insert(s.Zahl(0), liste.size());
            liste.push_back({s.Zahl(0), s.Text(1), s.Text(2), {}, s.Zahl32(3)});
        }
        if (code != SQLITE_DONE) {
            SqlFehler(code, was);
            return std::nullopt;
        }
    }
    // In key order the fighters of one fight come together, in the report's order.
    Anweisung s(m_db, "SELECT kampf_id, name FROM kaempfer ORDER BY kampf_id, nr");
    if (!s.Bereit()) {
        SqlFehler(s.Code(), was);
        return std::nullopt;
    }
    int code;
    while ((code = s.Schritt()) == SQLITE_ROW) {
        const auto it = stelle.constFind(s.Zahl(0));
        if (it != stelle.constEnd())
            liste[*it].Kaempfer << s.Text(1);
    }
    if (code != SQLITE_DONE) {
        SqlFehler(code, was);
        return std::nullopt;
    }
    return liste;
}

std::optional<TArchivkampf> TKampfarchiv::Kampf(qint64 id)
{
    m_fehler.clear();
    if (!m_db && !Oeffnen(false))
        return std::nullopt;
    Anweisung s(m_db, "SELECT id, zeitpunkt, titel, runden FROM kampf WHERE id = ?1");
    if (!s.Bereit()) {
        SqlFehler(s.Code(), QStringLiteral("Lesen"));
        return std::nullopt;
    }
    s.Zahl(1, id);
    const int code = s.Schritt();
    if (code == SQLITE_DONE) {
        m_fehler = QStringLiteral("Fehler: Im Kampfarchiv gibt es keinen Kampf mit der Nummer %1.").arg(id);
        return std::nullopt;
    }
    if (code != SQLITE_ROW) {
        SqlFehler(code, QStringLiteral("Lesen"));
        return std::nullopt;
    }
    TArchivkampf k{s.Zahl(0), s.Text(1), s.Text(2), {}, s.Zahl32(3)};
    Anweisung n(m_db, "SELECT name FROM kaempfer WHERE kampf_id = ?1 ORDER BY nr");
    if (n.Bereit()) {
        n.Zahl(1, id);
        while (n.Schritt() == SQLITE_ROW)
            k.Kaempfer << n.Text(0);
    }
    return k;
}

std::optional<QString> TKampfarchiv::Text(qint64 id)
{
    m_fehler.clear();
    if (!m_db && !Oeffnen(false))
        return std::nullopt;
    Anweisung s(m_db, "SELECT text FROM kampf WHERE id = ?1");
    if (!s.Bereit()) {
        SqlFehler(s.Code(), QStringLiteral("Lesen"));
        return std::nullopt;
    }
    s.Zahl(1, id);
    const int code = s.Schritt();
    if (code == SQLITE_ROW)
        return s.Text(0);
    if (code == SQLITE_DONE)
        m_fehler = QStringLiteral("Fehler: Im Kampfarchiv gibt es keinen Kampf mit der Nummer %1.").arg(id);
    else
        SqlFehler(code, QStringLiteral("Lesen"));
    return std::nullopt;
}

bool TKampfarchiv::Umbenennen(qint64 id, const QString &titel)
{
    if (!SchreibenPruefen())
        return false;
    Anweisung s(m_db, "UPDATE kampf SET titel = ?2 WHERE id = ?1");
    if (!s.Bereit())
        return SqlFehler(s.Code(), QStringLiteral("Umbenennen"));
    s.Zahl(1, id);
    s.Text(2, titel.trimmed());
    if (s.Schritt() != SQLITE_DONE)
        return SqlFehler(s.Code(), QStringLiteral("Umbenennen"));
    if (sqlite3_changes(m_db) == 0) {
        m_fehler = QStringLiteral("Fehler: Im Kampfarchiv gibt es keinen Kampf mit der Nummer %1.").arg(id);
        return false;
    }
    return true;
}

bool TKampfarchiv::Loeschen(qint64 id)
{
    if (!SchreibenPruefen())
        return false;
    if (!Ausfuehren("BEGIN IMMEDIATE"))
        return false;
    int geloescht = 0;
    int code = SQLITE_OK;
    for (const char *sql : {"DELETE FROM kaempfer WHERE kampf_id = ?1", "DELETE FROM kampf WHERE id = ?1"}) {
        Anweisung s(m_db, sql);
        if (!s.Bereit()) {
            code = s.Code();
            break;
        }
        s.Zahl(1, id);
        if (s.Schritt() != SQLITE_DONE) {
            code = s.Code();
            break;
        }
        geloescht = sqlite3_changes(m_db);
    }
    if (code == SQLITE_OK)
        code = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        SqlFehler(code, QStringLiteral("Löschen"));
        if (m_db)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    if (geloescht == 0) {
        m_fehler = QStringLiteral("Fehler: Im Kampfarchiv gibt es keinen Kampf mit der Nummer %1.").arg(id);
        return false;
    }
    return true;
}

std::optional<std::vector<TVerlaufspunkt>> TKampfarchiv::Verlauf(const QString &name)
{
    m_fehler.clear();
    if (!m_db && !Oeffnen(false))
        return std::nullopt;
    Anweisung s(m_db, "SELECT k.id, k.zeitpunkt, f.schaden, f.schaden_erhalten, f.heilung FROM kaempfer f "
                      "JOIN kampf k ON k.id = f.kampf_id WHERE f.name = ?1 ORDER BY k.zeitpunkt, k.id");
    if (!s.Bereit()) {
        SqlFehler(s.Code(), QStringLiteral("Lesen"));
        return std::nullopt;
    }
    s.Text(1, name);
    std::vector<TVerlaufspunkt> punkte;
    int code;
    while ((code = s.Schritt()) == SQLITE_ROW)
        punkte.push_back({s.Zahl(0), s.Text(1), s.Zahl32(2), s.Zahl32(3), s.Zahl32(4)});
    if (code != SQLITE_DONE) {
        SqlFehler(code, QStringLiteral("Lesen"));
        return std::nullopt;
    }
    return punkte;
}

std::optional<QStringList> TKampfarchiv::Kaempfernamen()
{
    m_fehler.clear();
    if (!m_db && !Oeffnen(false))
        return std::nullopt;
    Anweisung s(m_db, "SELECT DISTINCT name FROM kaempfer ORDER BY name");
    if (!s.Bereit()) {
        SqlFehler(s.Code(), QStringLiteral("Lesen"));
        return std::nullopt;
    }
    QStringList namen;
    int code;
    while ((code = s.Schritt()) == SQLITE_ROW)
        namen << s.Text(0);
    if (code != SQLITE_DONE) {
        SqlFehler(code, QStringLiteral("Lesen"));
        return std::nullopt;
    }
    return namen;
}

bool TKampfarchiv::ArchivierungEingeschaltet()
{
    if (!m_db && (!Vorhanden() || !Oeffnen(false)))
        return false;
    Anweisung s(m_db, "SELECT wert FROM einstellung WHERE schluessel = ?1");
    if (!s.Bereit())
        return false;
    s.Text(1, QString::fromLatin1(OptionArchivieren));
    return s.Schritt() == SQLITE_ROW && s.Text(0) == QLatin1String("1");
}

bool TKampfarchiv::ArchivierungSetzen(bool an)
{
    // Switching off never creates an archive.
    if (!an && !m_db && !Vorhanden())
        return true;
    if (!SchreibenPruefen())
        return false;
    Anweisung s(m_db, "INSERT OR REPLACE INTO einstellung(schluessel, wert) VALUES(?1, ?2)");
    if (!s.Bereit())
        return SqlFehler(s.Code(), QStringLiteral("Speichern der Einstellung"));
    s.Text(1, QString::fromLatin1(OptionArchivieren));
    s.Text(2, an ? QStringLiteral("1") : QStringLiteral("0"));
    return s.Schritt() == SQLITE_DONE || SqlFehler(s.Code(), QStringLiteral("Speichern der Einstellung"));
}

} // namespace mvt
