#include "base/Textdatei.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace mvt {

namespace {
// Code points of the bytes 0x80..0x9F; 0 marks the five undefined bytes, which are
// mapped to the C1 control of the same value as Windows itself does.
constexpr char16_t Bereich80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QString Cp1252Dekodieren(const QByteArray &bytes)
{
    QString s;
    s.resize(bytes.size());
    QChar *ziel = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && Bereich80[b - 0x80] != 0)
            c = Bereich80[b - 0x80];
        ziel[i] = QChar(c);
    }
    return s;
}

QByteArray Cp1252Kodieren(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(static_cast<char>(c));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i)
            if (Bereich80[i] == c || (Bereich80[i] == 0 && c == 0x80 + i)) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        out.append(b);
    }
    return out;
}

QString TextDekodieren(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (utf8.hasError())
        return Cp1252Dekodieren(bytes);
    if (s.startsWith(QChar(0xFEFF)))
        s.remove(0, 1);
    return s;
}

namespace {

// Where the line from start ends, and where the next one begins (after CR LF, LF or a lone
// CR). The same for text and for bytes: both break codes are single bytes in UTF-8 and
// Windows-1252.
template <class Text> std::pair<qsizetype, qsizetype> Zeilenende(const Text &text, qsizetype start)
{
    const qsizetype n = text.size();
    for (qsizetype i = start; i < n; ++i) {
        const auto c = text[i];
        if (c == u'\r' || c == u'\n') {
            const qsizetype weiter = (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? i + 2 : i + 1;
            return {i, weiter};
        }
    }
    return {n, n};
}

} // namespace

QList<QStringView> ZeilenAnsichten(QStringView text)
{
    QList<QStringView> zeilen;
    for (qsizetype start = 0; start < text.size();) {
        const auto [ende, weiter] = Zeilenende(text, start);
        zeilen.append(text.mid(start, ende - start));
        start = weiter;
    }
    return zeilen;
}

QStringList ZeilenTrennen(const QString &text)
{
    QStringList zeilen;
    for (QStringView z : ZeilenAnsichten(text))
        zeilen.append(z.toString());
    return zeilen;
}

TZeilenleser::TZeilenleser(const QByteArray &bytes) : m_bytes(bytes)
{
    // UTF-8 when the whole is valid UTF-8, as TextDekodieren decides. No sequence holds an
    // ASCII byte, so pieces that end after one decode as the whole does.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    constexpr qsizetype Stueck = 1 << 20;
    for (qsizetype start = 0; start < bytes.size() && m_utf8;) {
        qsizetype ende = std::min(bytes.size(), start + Stueck);
        while (ende < bytes.size() && static_cast<unsigned char>(bytes[ende - 1]) >= 0x80)
            ++ende;
        static_cast<void>(QString(utf8.decode(QByteArrayView(bytes).sliced(start, ende - start))));
        m_utf8 = !utf8.hasError();
        start = ende;
    }
    // A byte order mark is not part of the first line.
    if (m_utf8 && bytes.startsWith("\xef\xbb\xbf"))
        m_pos = 3;
    for (qsizetype start = m_pos; start < bytes.size(); ++m_anzahl)
        start = Zeilenende(bytes, start).second;
}

bool TZeilenleser::Naechste(QString &zeile)
{
    if (m_pos >= m_bytes.size())
        return false;
    const auto [ende, weiter] = Zeilenende(m_bytes, m_pos);
    const QByteArray stueck = QByteArray::fromRawData(m_bytes.constData() + m_pos, ende - m_pos);
    zeile = m_utf8 ? QString::fromUtf8(stueck) : Cp1252Dekodieren(stueck);
    m_pos = weiter;
    return true;
}

std::optional<QByteArray> DateiLesen(const QString &pfad, QString *fehler, qint64 hoechst)
{
    auto fehlschlag = [&](const QString &text) -> std::optional<QByteArray> {
        if (fehler)
            *fehler = text.arg(pfad);
        return std::nullopt;
    };
    const QString nichtLesbar = QStringLiteral("Fehler: Die Datei \"%1\" konnte nicht gelesen werden.");
    const QString zuGross = QStringLiteral("Fehler: Die Datei \"%1\" ist zu groß (mehr als %2 MB).")
                                .arg(QStringLiteral("%1"), QString::number(hoechst / (1024 * 1024)));
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return fehlschlag(nichtLesbar);
    // Devices and pipes report no size: read in blocks and stop one byte past the limit.
    if (!f.isSequential() && f.size() > hoechst)
        return fehlschlag(zuGross);
    QByteArray inhalt;
    if (!f.isSequential())
        inhalt.reserve(static_cast<qsizetype>(f.size()) + 1); // + 1: the read that finds the end
    constexpr qint64 Block = 1024 * 1024;
    for (;;) {
        qint64 weiter = std::min(Block, hoechst + 1 - inhalt.size());
        // Blocks of the known size; a file that grows while it is read, and files such as those
        // in /proc that report the size 0, are still caught at the limit.
        if (!f.isSequential() && f.size() > 0)
            weiter = std::min(weiter, std::max<qint64>(f.size() - inhalt.size(), 0) + 1);
        if (weiter <= 0)
            break;
        const qsizetype alt = inhalt.size();
        if (alt + weiter > inhalt.capacity()) // doubling keeps the copies linear
            inhalt.reserve(std::max<qsizetype>(2 * inhalt.capacity(), alt + static_cast<qsizetype>(weiter)));
        inhalt.resize(alt + static_cast<qsizetype>(weiter));
        const qint64 n = f.read(inhalt.data() + alt, weiter);
        inhalt.resize(alt + static_cast<qsizetype>(std::max<qint64>(n, 0)));
        if (n < 0)
            return fehlschlag(nichtLesbar);
        if (n == 0)
            break;
    }
    if (inhalt.size() > hoechst)
        return fehlschlag(zuGross);
    return inhalt;
}

std::optional<QStringList> TextdateiLesen(const QString &pfad, QString *fehler)
{
    auto bytes = DateiLesen(pfad, fehler);
    if (!bytes)
        return std::nullopt;
    return ZeilenTrennen(Cp1252Dekodieren(*bytes));
}

bool DateiSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler)
{
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit()) {
        if (fehler)
            *fehler = QStringLiteral("Fehler: Die Datei \"%1\" konnte nicht geschrieben werden.").arg(pfad);
        return false;
    }
    return true;
}

bool TextdateiSchreiben(const QString &pfad, const QStringList &zeilen, QString *fehler)
{
    QByteArray inhalt;
    for (const QString &z : zeilen) {
        inhalt += Cp1252Kodieren(z);
        inhalt += "\r\n";
    }
    return DateiSchreiben(pfad, inhalt, fehler);
}

} // namespace mvt
