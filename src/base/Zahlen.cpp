#include "base/Zahlen.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace mvt {

int64_t Runden(double x)
{
    if (std::isnan(x))
        return 0;
    // 2^63 is exactly representable; anything at or above it does not fit.
    if (x >= 9223372036854775808.0)
        return std::numeric_limits<int64_t>::max();
    if (x <= -9223372036854775808.0)
        return std::numeric_limits<int64_t>::min();
    // nearbyint follows the current rounding mode, which is to-nearest-even by default;
    // set it explicitly so a library that changed it cannot change our results.
    const int alt = std::fegetround();
    if (alt != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    if (alt != FE_TONEAREST)
        std::fesetround(alt);
    return static_cast<int64_t>(r);
}

int32_t Runden32(double x)
{
    const int64_t r = Runden(x);
    if (r > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

QString FestFormatieren(double x, int nachkommastellen)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? QStringLiteral("NAN")
                             : (x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    QString s = QString::number(x, 'f', nachkommastellen);
    // "-0.00" is shown as "0.00".
    if (s.startsWith(u'-')) {
        bool nurNull = true;
        for (int i = 1; i < s.size(); ++i)
            if (s[i] != u'0' && s[i] != u'.')
                nurNull = false;
        if (nurNull)
            s.remove(0, 1);
    }
    return s;
}

QString GoldFormatieren(double gold)
{
    QString s = FestFormatieren(gold, 2);
    if (s.endsWith(QLatin1String(".00")))
        s.chop(3);
    else
        s.replace(u'.', u',');
    return s;
}

QString MengeFormatieren(double menge)
{
    if (std::isfinite(menge) && menge == std::floor(menge) && std::fabs(menge) < 1e18)
        return QString::number(static_cast<int64_t>(menge));
    return FestFormatieren(menge, 2);
}

QString ZahlAllgemein(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (x == 0)
        return QStringLiteral("0");
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.14e", x); // 15 significant digits
    QString text = QString::fromLatin1(puffer);
    const int e = text.indexOf(u'e');
    QString mantisse = text.left(e);
    const int exponent = text.mid(e + 1).toInt();
    const bool negativ = mantisse.startsWith(u'-');
    if (negativ)
        mantisse.remove(0, 1);
    QString ziffern = mantisse;
    ziffern.remove(u'.');
    while (ziffern.size() > 1 && ziffern.endsWith(u'0'))
        ziffern.chop(1);
    QString ergebnis;
    if (exponent >= 15 || exponent < -5) {
        ergebnis = ziffern.left(1);
        if (ziffern.size() > 1)
            ergebnis += u',' + ziffern.mid(1);
        ergebnis += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        if (ziffern.size() <= exponent + 1) {
            ergebnis = ziffern + QString(exponent + 1 - ziffern.size(), u'0');
        } else {
            ergebnis = ziffern.left(exponent + 1) + u',' + ziffern.mid(exponent + 1);
        }
    } else {
        ergebnis = QStringLiteral("0,") + QString(-exponent - 1, u'0') + ziffern;
    }
    return negativ ? u'-' + ergebnis : ergebnis;
}

std::optional<double> KommazahlLesen(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.contains(u'.'))
        return std::nullopt;
    QString c = t;
    c.replace(u',', u'.');
    // Only digits, one separator, a sign and an exponent are numbers here.
    for (QChar ch : c)
        if (!(ch.isDigit() && ch.unicode() < 128) && ch != u'.' && ch != u'-' && ch != u'+' && ch != u'e' &&
            ch != u'E')
            return std::nullopt;
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int32_t> GanzzahlLesen(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

double DatumZuTageszahl(const QDateTime &datum)
{
    static const QDate basis(1899, 12, 30);
    return static_cast<double>(basis.daysTo(datum.date())) + datum.time().msecsSinceStartOfDay() / 86400000.0;
}

double JetztAlsTageszahl()
{
    return DatumZuTageszahl(QDateTime::currentDateTime());
}

QDateTime TageszahlZuDatum(double tage)
{
    static const QDate basis(1899, 12, 30);
    if (!std::isfinite(tage) || std::fabs(tage) > 3e6)
        return {};
    const double ganz = std::floor(tage);
    const auto ms = static_cast<int>(Runden((tage - ganz) * 86400000.0));
    return QDateTime(basis.addDays(static_cast<qint64>(ganz)), QTime(0, 0)).addMSecs(ms);
}

std::optional<QChar> ZeichenPruefen(const QString &text, QChar c)
{
    if (c == u'.' || c == u',') {
        if (text.contains(u','))
            return std::nullopt;
        c = u',';
    }
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || u == u',' || u == 8 || u == 3 || u == 22)
        return c;
    return std::nullopt;
}

static QString Begrenzen(const QString &text, int n, int m, bool vorzeichen)
{
    QString neu;
    int zaehler = 0;
    bool nachKomma = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u',') {
            neu += ch;
            nachKomma = true;
            zaehler = 0;
        } else if (ch.unicode() >= u'0' && ch.unicode() <= u'9') {
            ++zaehler;
            if (zaehler <= (nachKomma ? m : n))
                neu += ch;
        } else if (vorzeichen && ch == u'-' && i == 0) {
            neu += ch;
        }
    }
    return neu;
}

QString ZiffernBegrenzen(const QString &text, int n, int m)
{
    return Begrenzen(text, n, m, false);
}
QString ZiffernBegrenzenMitVorzeichen(const QString &text, int n, int m)
{
    return Begrenzen(text, n, m, true);
}

} // namespace mvt
