#include "base/Tabellentext.h"

namespace mvt {

QString TabellenZahl(const QString &zelle)
{
    qsizetype i = 0;
    const qsizetype n = zelle.size();
    QString zahl;
    if (i < n && (zelle[i] == u'-' || zelle[i] == QChar(0x2212) || zelle[i] == u'+')) {
        if (zelle[i] != u'+')
            zahl += u'-';
        ++i;
    }
    const qsizetype ziffernAnfang = i;
    while (i < n && zelle[i].isDigit() && zelle[i].unicode() < 128)
        zahl += zelle[i++];
    if (i == ziffernAnfang)
        return zelle;
    if (i < n && (zelle[i] == u'.' || zelle[i] == u',')) {
        zahl += u',';
        const qsizetype nachkomma = ++i;
        while (i < n && zelle[i].isDigit() && zelle[i].unicode() < 128)
            zahl += zelle[i++];
        if (i == nachkomma)
            return zelle;
    }
    if (i < n && zelle[i] == u' ')
        ++i;
    if (i < n && zelle[i] == u'%')
        ++i;
    return i == n ? zahl : zelle;
}

QString TabellenText(const QStringList &kopf, const std::vector<QStringList> &zeilen,
                     const std::vector<std::pair<int, int>> &auswahl)
{
    const int spalten = static_cast<int>(kopf.size());
    const int zeilenzahl = static_cast<int>(zeilen.size());
    std::vector<char> zeileGewaehlt(zeilen.size(), auswahl.empty());
    std::vector<char> spalteGewaehlt(kopf.size(), auswahl.empty());
    std::vector<std::vector<char>> zelleGewaehlt;
    if (!auswahl.empty()) {
        zelleGewaehlt.assign(zeilen.size(), std::vector<char>(kopf.size(), 0));
        for (const auto &[z, s] : auswahl) {
            if (z < 0 || z >= zeilenzahl || s < 0 || s >= spalten)
                continue;
            zeileGewaehlt[static_cast<size_t>(z)] = 1;
            spalteGewaehlt[static_cast<size_t>(s)] = 1;
            zelleGewaehlt[static_cast<size_t>(z)][static_cast<size_t>(s)] = 1;
        }
    }
    auto zelle = [](QString t) {
        t.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
        return t;
    };
    auto zeileSchreiben = [&](auto &&text) {
        QStringList teile;
        for (int s = 0; s < spalten; ++s)
            if (spalteGewaehlt[static_cast<size_t>(s)])
                teile.append(zelle(text(s)));
        return teile.join(u'\t');
    };
    QStringList ergebnis{zeileSchreiben([&](int s) { return kopf[s]; })};
    for (int z = 0; z < zeilenzahl; ++z) {
        if (!zeileGewaehlt[static_cast<size_t>(z)])
            continue;
        const QStringList &reihe = zeilen[static_cast<size_t>(z)];
        ergebnis.append(zeileSchreiben([&](int s) {
            const bool gewaehlt =
                auswahl.empty() || zelleGewaehlt[static_cast<size_t>(z)][static_cast<size_t>(s)];
            return gewaehlt && s < reihe.size() ? TabellenZahl(reihe[s]) : QString();
        }));
    }
    return ergebnis.join(u'\n') + u'\n';
}

} // namespace mvt
