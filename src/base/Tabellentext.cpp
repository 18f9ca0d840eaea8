#include "base/Tabellentext.h"

namespace mvt {

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
            return gewaehlt && s < reihe.size() ? reihe[s] : QString();
        }));
    }
    return ergebnis.join(u'\n') + u'\n';
}

} // namespace mvt
