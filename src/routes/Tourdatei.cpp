#include "routes/Tourdatei.h"

#include "base/Optionen.h"
#include "base/Textdatei.h"
#include "routes/Tour.h"
#include "routes/Welten.h"

#include <QFileInfo>

#include <algorithm>

namespace mvt::routen {

namespace {

const QString Kopfzeile = QStringLiteral("Hadrik's Morvaren Tool");
constexpr int Kopfzeilen = 3;

std::optional<int> Zahl(const QString &text, int von, int bis)
{
    bool ok = false;
    const int z = text.toInt(&ok);
    if (!ok || z < von || z > bis)
        return std::nullopt;
    return z;
}

} // namespace

std::vector<TGespeicherteTour> TTourdatei::Welt(int welt) const
{
    std::vector<TGespeicherteTour> t;
    for (const TGespeicherteTour &e : Touren)
        if (e.Welt == welt)
            t.push_back(e);
    return t;
}

void TTourdatei::Setzen(const TGespeicherteTour &t)
{
    for (TGespeicherteTour &e : Touren)
        if (e.Welt == t.Welt && e.Name == t.Name) {
            e = t;
            return;
        }
    Touren.push_back(t);
}

bool TTourdatei::Entfernen(int welt, const QString &name)
{
    const auto it = std::find_if(Touren.begin(), Touren.end(), [&](const TGespeicherteTour &e) {
        return e.Welt == welt && e.Name == name;
    });
    if (it == Touren.end())
        return false;
    Touren.erase(it);
    return true;
}

std::optional<TGespeicherteTour> TourzeileLesen(const QString &zeile)
{
    // five fields, then the name with whatever it holds
    QStringList teile;
    qsizetype pos = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype ende = zeile.indexOf(QLatin1Char(';'), pos);
        if (ende < 0)
            return std::nullopt;
        teile << zeile.mid(pos, ende - pos);
        pos = ende + 1;
    }
    TGespeicherteTour t;
    t.Name = zeile.mid(pos);
    const auto welt = Zahl(teile[0], 1, AnzahlWelten);
    const auto auftraege = Zahl(teile[3], 1, MaxAuftraege);
    if (!welt || !auftraege || t.Name.isEmpty() || t.Name.size() > MaxTourNamenslaenge)
        return std::nullopt;
    t.Welt = *welt;
    t.Auftraege = *auftraege;
    if (teile[1] == QLatin1String("schnellste"))
        t.Schnellste = true;
    else if (teile[1] != QLatin1String("fest"))
        return std::nullopt;
    if (teile[2] == QLatin1String("1"))
        t.Rueckkehr = true;
    else if (teile[2] != QLatin1String("0"))
        return std::nullopt;
    const int groesse = Weltangaben(t.Welt).Groesse;
    const QStringList punkte = teile[4].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (punkte.size() < 2 || punkte.size() > MaxStationen)
        return std::nullopt;
    for (const QString &p : punkte) {
        const QStringList xy = p.split(QLatin1Char(','));
        if (xy.size() != 2)
            return std::nullopt;
        const auto x = Zahl(xy[0], 1, groesse), y = Zahl(xy[1], 1, groesse);
        if (!x || !y)
            return std::nullopt;
        t.Stationen.push_back(Wegpunkt{uint8_t(*x), uint8_t(*y)});
    }
    return t;
}

QString TourzeileSchreiben(const TGespeicherteTour &t)
{
    QStringList punkte;
    for (const Wegpunkt w : t.Stationen)
        punkte << QString::number(w.x) + QLatin1Char(',') + QString::number(w.y);
    return QString::number(t.Welt) + QLatin1Char(';') +
           (t.Schnellste ? QStringLiteral("schnellste") : QStringLiteral("fest")) + QLatin1Char(';') +
           (t.Rueckkehr ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char(';') +
           QString::number(t.Auftraege) + QLatin1Char(';') + punkte.join(QLatin1Char(' ')) +
           QLatin1Char(';') + t.Name;
}

TTourdatei TourdateiLesen(const QStringList &zeilen)
{
    TTourdatei d;
    for (qsizetype i = Kopfzeilen; i < zeilen.size(); ++i) {
        if (zeilen[i].isEmpty())
            continue;
        if (auto t = TourzeileLesen(zeilen[i]))
            d.Setzen(*t);
        else
            d.Unbekannt << zeilen[i];
    }
    return d;
}

QStringList TourdateiZeilen(const TTourdatei &d)
{
    QStringList z{Kopfzeile, Programmversion, QString()};
    for (const TGespeicherteTour &t : d.Touren)
        z << TourzeileSchreiben(t);
    z << d.Unbekannt;
    return z;
}

std::optional<TTourdatei> TourdateiLaden(const QString &pfad, QString *fehler)
{
    if (!QFileInfo::exists(pfad))
        return TTourdatei{};
    const std::optional<QStringList> zeilen = TextdateiLesen(pfad, fehler);
    if (!zeilen)
        return std::nullopt;
    return TourdateiLesen(*zeilen);
}

bool TourdateiSpeichern(const QString &pfad, const TTourdatei &d, QString *fehler)
{
    return TextdateiSchreiben(pfad, TourdateiZeilen(d), fehler);
}

} // namespace mvt::routen
