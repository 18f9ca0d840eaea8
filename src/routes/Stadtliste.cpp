#include "routes/Stadtliste.h"

#include <algorithm>

namespace mvt::routen {

QString StandAnzeigen(const QString &stand)
{
    if (stand.size() > 16)
        return stand;
    if (stand.size() < 16)
        return QStringLiteral("!FEHLER!");
    return stand.mid(8, 2) + QLatin1Char('.') + stand.mid(5, 2) + QLatin1Char('.') + stand.mid(0, 4) +
           QStringLiteral(" - ") + stand.mid(11, 2) + QLatin1Char(':') + stand.mid(14, 2);
}

bool IstStadtlistenStand(const QString &stand)
{
    if (stand.size() != EingebauterStadtlistenStand.size())
        return false;
    for (qsizetype i = 0; i < stand.size(); ++i) {
        const bool punkt = i == 4 || i == 7 || i == 10 || i == 13;
        const QChar c = stand[i];
        if (punkt ? c != QLatin1Char('.') : (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    return true;
}

std::optional<QString> NeuererStand(const QStringList &datumsdatei, const QString &stand)
{
    const QString neu = datumsdatei.isEmpty() ? QString() : datumsdatei.first();
    // Only a stamp of the fixed form may reach the comparison and the map caption; of two
    // such stamps the later one is the greater text.
    if (!IstStadtlistenStand(neu) || !(neu > stand))
        return std::nullopt;
    return neu;
}

namespace {

struct TArbeitssatz {
    TStadtdaten Daten;
    std::vector<bool> Belegt = std::vector<bool>(GitterZellen);

    void Beginnen(int welt, const TGitter &grund)
    {
        Daten.Welt = welt;
        Daten.Gelaende = grund;
        Daten.Stadtabstand.assign(GitterZellen, KeinStadtabstand);
        Daten.Stadtnamen.assign(GitterZellen, QString());
        Daten.Staedte = 0;
        std::fill(Belegt.begin(), Belegt.end(), false);
    }
};

} // namespace

bool StadtlisteVerarbeiten(const QStringList &zeilen, const TGrundgelaende &grund,
                           const TStadtlistenEmpfaenger &empfaenger)
{
    static const TGitter leer(GitterZellen);
    auto grundVon = [&](int welt) -> const TGitter & {
        const TGitter *g = grund[static_cast<size_t>(welt - 1)];
        return g && g->size() == GitterZellen ? *g : leer;
    };
    TArbeitssatz satz;
    int welt = 1;
    satz.Beginnen(welt, grundVon(welt));
    int bloecke = 0;
    auto uebergeben = [&] {
        if (empfaenger.WeltFertig)
            empfaenger.WeltFertig(std::move(satz.Daten));
    };
    for (const QString &zeile : zeilen) {
        if (zeile.isEmpty()) {
            if (bloecke < 2) {
                uebergeben();
                ++welt;
                satz.Beginnen(welt, grundVon(welt));
            } else if (bloecke == 2 && empfaenger.Meldung) {
                // Once per list: each message is a modal box, and a list of empty lines
                // must not stack one box per line.
                empfaenger.Meldung(MeldungStadtCount);
            }
            ++bloecke;
            continue;
        }
        if (zeile.size() < 6)
            return false;
        bool okF = false, okS = false;
        const int f = zeile.left(3).toInt(&okF);
        const int s = zeile.mid(3, 3).toInt(&okS);
        if (!okF || !okS)
            return false;
        const int groesse = Weltangaben(welt).Groesse;
        if (f < 1 || s < 1 || f > groesse || s > groesse)
            continue; // no cell of this world
        const auto zelle = static_cast<size_t>(Zelle(f, s));
        if (!satz.Belegt[zelle]) {
            satz.Belegt[zelle] = true;
            ++satz.Daten.Staedte;
        }
        StadtEintragen(satz.Daten.Gelaende, satz.Daten.Stadtabstand, satz.Daten.Stadtnamen, groesse, f, s,
                       zeile.mid(6));
    }
    uebergeben();
    return true;
}

void StadtdatenInstallieren(TWeltdaten &welten, TStadtdaten &&d)
{
    if (d.Welt < 1 || d.Welt > AnzahlWelten || d.Gelaende.size() != GitterZellen ||
        d.Stadtabstand.size() != GitterZellen || d.Stadtnamen.size() != GitterZellen)
        return;
    TWeltgitter &w = welten.Welten[static_cast<size_t>(d.Welt - 1)];
    w.Gelaende = std::move(d.Gelaende);
    w.Stadtabstand = std::move(d.Stadtabstand);
    w.Stadtnamen = std::move(d.Stadtnamen);
}

} // namespace mvt::routen
