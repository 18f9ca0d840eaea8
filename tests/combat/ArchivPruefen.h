// SQLite's own check of an archive file, opened read-only beside the archive under test:
// "ok" when the file is sound, else SQLite's findings, one per line.
#pragma once

#include <QString>
#include <QStringList>

#include <sqlite3.h>

namespace mvt::test {

inline QString ArchivPruefen(const QString &pfad)
{
    sqlite3 *db = nullptr;
    QString ergebnis;
    if (sqlite3_open_v2(pfad.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        ergebnis = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return ergebnis;
    }
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr) != SQLITE_OK) {
        ergebnis = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        QStringList zeilen;
        while (sqlite3_step(s) == SQLITE_ROW)
            zeilen << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
        ergebnis = zeilen.join(u'\n');
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return ergebnis;
}

} // namespace mvt::test
