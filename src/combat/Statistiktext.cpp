#include "combat/Statistiktext.h"

#include "base/Tabellentext.h"

#include <algorithm>

namespace mvt {

const QStringList &TabellenKopf()
{
    static const QStringList kopf{
        QStringLiteral("Name"),
        QStringLiteral("Schaden\nausgeteilt"),
        QStringLiteral("Angriffe\nausgeteilt"),
        QStringLiteral("Schaden\npro Runde"),
        QStringLiteral("Treffer"),
        QStringLiteral("Kritisch"),
        QStringLiteral("Bester\nTreffer"),
        QStringLiteral("Heilung\nausgeteilt"),
        QStringLiteral("Schaden\nerhalten"),
        QStringLiteral("Treffer\nerhalten"),
        QStringLiteral("Aus-\ngewichen"),
        QStringLiteral("Geblockt"),
        QStringLiteral("Heilung\nerhalten"),
    };
    return kopf;
}

QString KopfEinzeilig(const QString &kopf)
{
    QString t = kopf;
    t.replace(QStringLiteral("-\n"), QString());
    t.replace(u'\n', u' ');
    return t;
}

namespace {

QString Fehlerzeile(int32_t fehler)
{
    return fehler != 0 ? QStringLiteral("Fehler: ") + QString::number(fehler) + u'\n' : QString();
}

// A cell on one line, so that a pasted name cannot break the columns; inside [code] a
// closing tag would end the block early, so a lookalike keeps the text.
QString Zelle(const QStringList &zeile, qsizetype s)
{
    QString t = s < zeile.size() ? zeile[s] : QString();
    t.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return t.replace(QStringLiteral("[/code]"), QStringLiteral("[/ code]"), Qt::CaseInsensitive);
}

} // namespace

QString ForumText(const QStringList &kopf, const std::vector<QStringList> &zeilen, int32_t runden,
                  int32_t fehler)
{
    const qsizetype spalten = kopf.size();
    // Every caption on two lines; a one-line caption sits on the lower one.
    std::vector<QStringList> kopfzeilen(2);
    std::vector<qsizetype> breite(size_t(spalten), 0);
    for (qsizetype s = 0; s < spalten; ++s) {
        QStringList teile = kopf[s].split(u'\n');
        while (teile.size() < 2)
            teile.prepend(QString());
        if (teile.size() > 2)
            teile = QStringList{teile.first(), teile.mid(1).join(u' ')};
        for (int z = 0; z < 2; ++z) {
            kopfzeilen[size_t(z)] << teile[z];
            breite[size_t(s)] = std::max(breite[size_t(s)], teile[z].size());
        }
    }
    for (const QStringList &zeile : zeilen)
        for (qsizetype s = 0; s < spalten; ++s)
            breite[size_t(s)] = std::max(breite[size_t(s)], Zelle(zeile, s).size());

    auto ausrichten = [&](const QStringList &zellen) {
        QString z;
        for (qsizetype s = 0; s < spalten; ++s) {
            const QString t = Zelle(zellen, s);
            if (s > 0)
                z += QStringLiteral("  ");
            const int b = int(breite[size_t(s)]);
            z += s == 0 ? t.leftJustified(b) : t.rightJustified(b);
        }
        while (z.endsWith(u' '))
            z.chop(1);
        return z + u'\n';
    };
    qsizetype gesamt = 0;
    for (qsizetype b : breite)
        gesamt += b;
    gesamt += 2 * std::max<qsizetype>(spalten - 1, 0);

    QString text = QStringLiteral("[b]Kampfbericht: ") + QString::number(runden) +
                   (runden == 1 ? QStringLiteral(" Runde, ") : QStringLiteral(" Runden, ")) +
                   QString::number(zeilen.size()) + QStringLiteral(" Kämpfer[/b]\n");
    text += QStringLiteral("[code]\n");
    text += ausrichten(kopfzeilen[0]);
    text += ausrichten(kopfzeilen[1]);
    text += QString(gesamt, u'-') + u'\n';
    for (const QStringList &zeile : zeilen)
        text += ausrichten(zeile);
    text += QStringLiteral("[/code]\n");
    return text + Fehlerzeile(fehler);
}

QString TabellenKopie(const QStringList &kopf, const std::vector<QStringList> &zeilen)
{
    QStringList einzeilig;
    for (const QString &k : kopf)
        einzeilig << KopfEinzeilig(k);
    return TabellenText(einzeilig, zeilen);
}

} // namespace mvt
