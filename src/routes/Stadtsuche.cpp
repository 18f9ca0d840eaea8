#include "routes/Stadtsuche.h"

#include <algorithm>

namespace mvt::routen {

TStadt StadttextZerlegen(const QString &text)
{
    TStadt s;
    static const QString vorsatz = QStringLiteral("Name: ");
    static const QString besitzer = QStringLiteral(", Besitzer: [");
    QString rest = text.startsWith(vorsatz) ? text.mid(vorsatz.size()) : text;
    // the last marker counts: a town name may itself hold the words
    const qsizetype b = rest.lastIndexOf(besitzer);
    if (b >= 0 && rest.endsWith(QLatin1Char(']'))) {
        s.Besitzer = rest.mid(b + besitzer.size(), rest.size() - b - besitzer.size() - 1);
        rest.truncate(b);
    }
    s.Name = rest;
    return s;
}

QString Suchform(const QString &text)
{
    const QString klein = text.toLower();
    QString f;
    f.reserve(klein.size() + 4);
    for (const QChar c : klein) {
        switch (c.unicode()) {
        case 0x00E4:
            f += QLatin1String("ae");
            break;
        case 0x00F6:
            f += QLatin1String("oe");
            break;
        case 0x00FC:
            f += QLatin1String("ue");
            break;
        case 0x00DF:
            f += QLatin1String("ss");
            break;
        default:
            f += c;
        }
    }
    return f;
}

std::vector<TStadt> StaedteDerWelt(const TWeltgitter &welt, int kartengroesse)
{
    std::vector<TStadt> staedte;
    const int g = std::clamp(kartengroesse, 0, GitterKante);
    if (welt.Stadtnamen.size() < static_cast<size_t>(GitterZellen))
        return staedte;
    for (int x = 1; x <= g; ++x)
        for (int y = 1; y <= g; ++y) {
            const QString &text = welt.Stadtnamen[static_cast<size_t>(Zelle(x, y))];
            if (text.isEmpty())
                continue;
            TStadt s = StadttextZerlegen(text);
            s.x = x;
            s.y = y;
            staedte.push_back(std::move(s));
        }
    std::stable_sort(staedte.begin(), staedte.end(), [](const TStadt &a, const TStadt &b) {
        const int c = QString::compare(a.Name, b.Name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : (a.x != b.x ? a.x < b.x : a.y < b.y);
    });
    return staedte;
}

std::vector<TStadt> StaedteSuchen(const std::vector<TStadt> &staedte, const QString &suchtext)
{
    const QString gesucht = Suchform(suchtext.trimmed());
    std::vector<TStadt> treffer;
    for (const TStadt &s : staedte)
        if (Suchform(s.Name).contains(gesucht) || Suchform(s.Besitzer).contains(gesucht))
            treffer.push_back(s);
    return treffer;
}

QString StadtEintrag(const TStadt &s)
{
    QString t = s.Name;
    if (!s.Besitzer.isEmpty())
        t += QStringLiteral(" [") + s.Besitzer + QLatin1Char(']');
    return t + QStringLiteral(" - ") + QString::number(s.x) + QLatin1Char(':') + QString::number(s.y);
}

} // namespace mvt::routen
