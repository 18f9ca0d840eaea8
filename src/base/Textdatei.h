// Text files of the program: Windows-1252 with CR LF, written through a temporary file
// beside the target so that an interrupted write never leaves a broken file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace mvt {

QString Cp1252Dekodieren(const QByteArray &bytes);
// Characters without a Windows-1252 form become "?".
QByteArray Cp1252Kodieren(const QString &text);
// UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), otherwise Windows-1252.
QString TextDekodieren(const QByteArray &bytes);

// Splits at CR LF, LF or a lone CR. A final line break does not add an empty line.
QStringList ZeilenTrennen(const QString &text);
// The same lines as views into text, without copies.
QList<QStringView> ZeilenAnsichten(QStringView text);

// The lines of a file's bytes, decoded one at a time as TextDekodieren decodes the whole and
// split as ZeilenTrennen splits, so that a long file is not held a second time as text.
// The bytes must outlive the reader.
class TZeilenleser {
public:
    explicit TZeilenleser(const QByteArray &bytes);
    qsizetype Anzahl() const { return m_anzahl; }
    // The next line into zeile; false after the last.
    bool Naechste(QString &zeile);

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
    qsizetype m_anzahl = 0;
    bool m_utf8 = true;
};

// Largest file any reader takes; far above every real file (the longest combat reports
// are a few MB), small enough that a device or a huge file cannot exhaust the memory.
inline constexpr qint64 HoechstDateigroesse = qint64(64) * 1024 * 1024;

// Reads a whole Windows-1252 file into lines; nullopt (with a German reason in
// *fehler) when it cannot be read.
std::optional<QStringList> TextdateiLesen(const QString &pfad, QString *fehler = nullptr);
// Writes the lines, each followed by CR LF; false (with a German reason) on failure,
// in which case the old file is untouched.
bool TextdateiSchreiben(const QString &pfad, const QStringList &zeilen, QString *fehler = nullptr);
// Same for raw bytes.
bool DateiSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler = nullptr);
// The whole file, at most hoechst bytes; a longer file or a device is refused with a German
// reason in *fehler.
std::optional<QByteArray> DateiLesen(const QString &pfad, QString *fehler = nullptr,
                                     qint64 hoechst = HoechstDateigroesse);

} // namespace mvt
