#include "cli/JsonStrom.h"

#include <QCborValue>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLocale>

#include <charconv>
#include <cmath>

namespace mvt::cli {

namespace {

constexpr qsizetype Puffergroesse = 1 << 16;

char Hexziffer(unsigned u)
{
    return char(u < 10 ? '0' + u : 'a' + u - 10);
}

void Unicodeflucht(QByteArray &aus, char16_t u)
{
    const char zeichen[] = {'\\',
                            'u',
                            Hexziffer((u >> 12) & 0xf),
                            Hexziffer((u >> 8) & 0xf),
                            Hexziffer((u >> 4) & 0xf),
                            Hexziffer(u & 0xf)};
    aus.append(zeichen, sizeof zeichen);
}

// As QJsonDocument escapes a string: the JSON escapes below U+0020, quote and backslash;
// everything else as UTF-8, a lone surrogate as \uXXXX.
void Maskieren(QByteArray &aus, const QString &text)
{
    const char16_t *z = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const ende = z + text.size();
    while (z != ende) {
        const char16_t u = *z++;
        if (u < 0x80) {
            if (u >= 0x20 && u != u'"' && u != u'\\') {
                aus.append(char(u));
                continue;
            }
            switch (u) {
            case u'"':
                aus.append("\\\"", 2);
                break;
            case u'\\':
                aus.append("\\\\", 2);
                break;
            case 0x8:
                aus.append("\\b", 2);
                break;
            case 0xc:
                aus.append("\\f", 2);
                break;
            case 0xa:
                aus.append("\\n", 2);
                break;
            case 0xd:
                aus.append("\\r", 2);
                break;
            case 0x9:
                aus.append("\\t", 2);
                break;
            default:
                Unicodeflucht(aus, u);
            }
        } else if (u < 0x800) {
            aus.append(char(0xc0 | (u >> 6)));
            aus.append(char(0x80 | (u & 0x3f)));
        } else if (u < 0xd800 || u > 0xdfff) {
            aus.append(char(0xe0 | (u >> 12)));
            aus.append(char(0x80 | ((u >> 6) & 0x3f)));
            aus.append(char(0x80 | (u & 0x3f)));
        } else if (u <= 0xdbff && z != ende && *z >= 0xdc00 && *z <= 0xdfff) {
            const char32_t c = 0x10000 + ((char32_t(u) - 0xd800) << 10) + (char32_t(*z++) - 0xdc00);
            aus.append(char(0xf0 | (c >> 18)));
            aus.append(char(0x80 | ((c >> 12) & 0x3f)));
            aus.append(char(0x80 | ((c >> 6) & 0x3f)));
            aus.append(char(0x80 | (c & 0x3f)));
        } else {
            Unicodeflucht(aus, u);
        }
    }
}

} // namespace

TJsonStrom::TJsonStrom(QIODevice &ziel) : m_ziel(ziel)
{
    m_puffer.reserve(Puffergroesse + 4096);
}

void TJsonStrom::Leeren()
{
    if (!m_fehler && !m_puffer.isEmpty() && m_ziel.write(m_puffer) != m_puffer.size())
        m_fehler = true;
    m_puffer.clear();
}

void TJsonStrom::Einruecken(size_t tiefe)
{
    static const QByteArray leer(4 * 64, ' ');
    for (size_t n = 4 * tiefe; n > 0;) {
        const size_t stueck = std::min<size_t>(n, size_t(leer.size()));
        m_puffer.append(leer.constData(), qsizetype(stueck));
        n -= stueck;
    }
}

void TJsonStrom::Wertanfang()
{
    if (m_puffer.size() >= Puffergroesse)
        Leeren();
    if (m_nachSchluessel) {
        m_nachSchluessel = false;
        return;
    }
    // A value in a list: each on its own line, indented one level deeper than the list.
    if (!m_ebenen.empty()) {
        m_puffer.append(m_ebenen.back().Anzahl++ > 0 ? ",\n" : "\n");
        Einruecken(m_ebenen.size());
    }
}

void TJsonStrom::Schluessel(const char *name)
{
    if (m_puffer.size() >= Puffergroesse)
        Leeren();
    if (m_ebenen.empty())
        return;
    m_puffer.append(m_ebenen.back().Anzahl++ > 0 ? ",\n" : "\n");
    Einruecken(m_ebenen.size());
    // Keys are this program's own ASCII names: nothing to escape.
    m_puffer.append('"');
    m_puffer.append(name);
    m_puffer.append("\": ", 3);
    m_nachSchluessel = true;
}

void TJsonStrom::Schluessel(const QString &name)
{
    if (m_puffer.size() >= Puffergroesse)
        Leeren();
    if (m_ebenen.empty())
        return;
    m_puffer.append(m_ebenen.back().Anzahl++ > 0 ? ",\n" : "\n");
    Einruecken(m_ebenen.size());
    m_puffer.append('"');
    Maskieren(m_puffer, name);
    m_puffer.append("\": ", 3);
    m_nachSchluessel = true;
}

void TJsonStrom::ObjektAnfang()
{
    Wertanfang();
    m_puffer.append('{');
    m_ebenen.push_back({true, 0});
}

void TJsonStrom::ListeAnfang()
{
    Wertanfang();
    m_puffer.append('[');
    m_ebenen.push_back({false, 0});
}

void TJsonStrom::ObjektEnde()
{
    if (m_ebenen.empty())
        return;
    m_ebenen.pop_back();
    m_puffer.append('\n');
    Einruecken(m_ebenen.size());
    // The document ends with a line break, as QJsonDocument writes it.
    m_puffer.append(m_ebenen.empty() ? "}\n" : "}");
}

void TJsonStrom::ListeEnde()
{
    if (m_ebenen.empty())
        return;
    m_ebenen.pop_back();
    m_puffer.append('\n');
    Einruecken(m_ebenen.size());
    m_puffer.append(m_ebenen.empty() ? "]\n" : "]");
}

void TJsonStrom::Zahl(int64_t x)
{
    Wertanfang();
    char ziffern[24];
    const auto [ende, fehler] = std::to_chars(ziffern, ziffern + sizeof ziffern, x);
    m_puffer.append(ziffern, ende - ziffern);
}

void TJsonStrom::Zahl(double x)
{
    Wertanfang();
    if (std::isfinite(x))
        m_puffer.append(QByteArray::number(x, 'g', QLocale::FloatingPointShortest));
    else
        m_puffer.append("null", 4); // JSON has no infinity or NaN
}

void TJsonStrom::Wahrheitswert(bool x)
{
    Wertanfang();
    m_puffer.append(x ? "true" : "false");
}

void TJsonStrom::Text(const QString &text)
{
    Wertanfang();
    m_puffer.append('"');
    Maskieren(m_puffer, text);
    m_puffer.append('"');
}

void TJsonStrom::Null()
{
    Wertanfang();
    m_puffer.append("null", 4);
}

void TJsonStrom::Wert(const QJsonValue &wert)
{
    switch (wert.type()) {
    case QJsonValue::Bool:
        Wahrheitswert(wert.toBool());
        break;
    case QJsonValue::Double: {
        // An integer stays an integer: 1000000 is not written as 1e+06.
        const QCborValue c = QCborValue::fromJsonValue(wert);
        if (c.isInteger())
            Zahl(int64_t(c.toInteger()));
        else
            Zahl(wert.toDouble());
        break;
    }
    case QJsonValue::String:
        Text(wert.toString());
        break;
    case QJsonValue::Array: {
        ListeAnfang();
        const QJsonArray liste = wert.toArray();
        for (const QJsonValue &w : liste)
            Wert(w);
        ListeEnde();
        break;
    }
    case QJsonValue::Object: {
        ObjektAnfang();
        const QJsonObject objekt = wert.toObject();
        for (auto it = objekt.begin(); it != objekt.end(); ++it) {
            Schluessel(it.key());
            Wert(it.value());
        }
        ObjektEnde();
        break;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        Null();
        break;
    }
}

bool TJsonStrom::Abschliessen()
{
    Leeren();
    return !m_fehler;
}

} // namespace mvt::cli
