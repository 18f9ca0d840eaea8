#include "routes/Tour.h"

#include <algorithm>
#include <limits>

namespace mvt::routen {

namespace {

QString PunktText(Wegpunkt w)
{
    return QString::number(w.x) + QLatin1Char(',') + QString::number(w.y);
}

std::shared_ptr<const TRoutenvarianten> Varianten(const uint8_t *kosten, Wegpunktliste kette)
{
    WegpunkteZusammenfassen(kosten, kette);
    return std::make_shared<const TRoutenvarianten>(RoutenvariantenBilden(kosten, kette));
}

TEtappe Etappe(const TTourparameter &p, Wegpunkt von, Wegpunkt nach,
               std::shared_ptr<const TRoutenvarianten> v)
{
    TEtappe e;
    e.Von = von;
    e.Nach = nach;
    e.Varianten = std::move(v);
    const TRoutenauswertung a = RouteAuswerten(p.Reisekosten, *e.Varianten, p.Auftraege);
    e.Reisezeit = a.Reisezeit;
    e.Auftragsanzahl = a.Auftragsanzahl;
    return e;
}

} // namespace

const Wegpunktliste &TEtappe::Route(int auftraege) const
{
    return (*Varianten)[static_cast<size_t>(std::clamp(auftraege, 1, MaxAuftraege) - 1)];
}

std::optional<QString> TourPruefen(const TTourparameter &p)
{
    const auto n = static_cast<int>(p.Stationen.size());
    if (n < 2)
        return QStringLiteral("Fehler: Eine Tour braucht mindestens zwei Stationen!");
    if (n > MaxStationen)
        return QStringLiteral("Fehler: Eine Tour hat höchstens %1 Stationen, hier sind es %2!")
            .arg(MaxStationen)
            .arg(n);
    if (p.Auftraege < 1 || p.Auftraege > MaxAuftraege)
        return QStringLiteral("Fehler: Die Zahl der Aufträge muss zwischen 1 und 100 liegen!");
    if (!p.Reisekosten || p.Kartengroesse < 1 || p.Kartengroesse > GitterKante)
        return QStringLiteral("Fehler: Keine Karte geladen!");
    for (const Wegpunkt w : p.Stationen)
        if (w.x < 1 || w.y < 1 || w.x > p.Kartengroesse || w.y > p.Kartengroesse)
            return QStringLiteral("Fehler: Die Station %1 liegt außerhalb der Karte (1 bis %2)!")
                .arg(PunktText(w))
                .arg(p.Kartengroesse);
    for (int i = 0; i < n; ++i) {
        const bool letzte = i + 1 == n;
        if (letzte && !p.Rueckkehr)
            break;
        if (p.Stationen[size_t(i)] == p.Stationen[size_t(letzte ? 0 : i + 1)])
            return QStringLiteral("Fehler: Die Station %1 folgt zweimal aufeinander!")
                .arg(PunktText(p.Stationen[size_t(i)]));
    }
    if (p.Schnellste)
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (p.Stationen[size_t(i)] == p.Stationen[size_t(j)])
                    return QStringLiteral("Fehler: Die Station %1 kommt mehrmals vor; in der schnellsten "
                                          "Reihenfolge kann jede Station nur einmal besucht werden!")
                        .arg(PunktText(p.Stationen[size_t(i)]));
    return std::nullopt;
}

std::vector<int> SchnellsteReihenfolge(const std::vector<double> &zeiten, int n, bool rueckkehr)
{
    if (n < 1 || n > MaxStationen || zeiten.size() < static_cast<size_t>(n * n))
        return {};
    if (n == 1)
        return {0};
    // best[maske][j]: least time from 0 through the stops of maske (bits of stops 1..n-1),
    // ending at j (a member of maske)
    const int m = n - 1;
    const size_t masken = size_t{1} << m;
    constexpr double Unendlich = std::numeric_limits<double>::infinity();
    std::vector<double> best(masken * size_t(n), Unendlich);
    std::vector<int8_t> vorher(masken * size_t(n), -1);
    const auto Z = [&](int i, int j) { return zeiten[size_t(i * n + j)]; };
    for (int j = 1; j < n; ++j)
        best[(size_t{1} << (j - 1)) * size_t(n) + size_t(j)] = Z(0, j);
    for (size_t maske = 1; maske < masken; ++maske)
        for (int j = 1; j < n; ++j) {
            if (!(maske & (size_t{1} << (j - 1))))
                continue;
            const double bisher = best[maske * size_t(n) + size_t(j)];
            if (bisher == Unendlich)
                continue;
            for (int k = 1; k < n; ++k) {
                const size_t bit = size_t{1} << (k - 1);
                if (maske & bit)
                    continue;
                const size_t ziel = (maske | bit) * size_t(n) + size_t(k);
                const double t = bisher + Z(j, k);
                if (t < best[ziel]) {
                    best[ziel] = t;
                    vorher[ziel] = static_cast<int8_t>(j);
                }
            }
        }
    const size_t voll = masken - 1;
    int ende = 1;
    double bestes = Unendlich;
    for (int j = 1; j < n; ++j) {
        const double t = best[voll * size_t(n) + size_t(j)] + (rueckkehr ? Z(j, 0) : 0.0);
        if (t < bestes) {
            bestes = t;
            ende = j;
        }
    }
    std::vector<int> folge;
    size_t maske = voll;
    for (int j = ende; j > 0;) {
        folge.push_back(j);
        const int v = vorher[maske * size_t(n) + size_t(j)];
        maske &= ~(size_t{1} << (j - 1));
        j = v;
    }
    folge.push_back(0);
    std::reverse(folge.begin(), folge.end());
    return folge;
}

TTour TourPlanen(const TTourparameter &p)
{
    TTour tour;
    if (TourPruefen(p))
        return tour;
    tour.Rueckkehr = p.Rueckkehr;
    tour.Auftraege = p.Auftraege;
    const auto n = static_cast<int>(p.Stationen.size());
    TSuchparameter s;
    s.Reisekosten = p.Reisekosten;
    s.Kartengroesse = p.Kartengroesse;
    s.DirectionalOptimization = p.DirectionalOptimization;

    if (!p.Schnellste) {
        const int etappen = p.Rueckkehr ? n : n - 1;
        tour.Stationen = p.Stationen;
        for (int i = 0; i < etappen; ++i) {
            s.Start = p.Stationen[size_t(i)];
            s.Ziel = p.Stationen[size_t((i + 1) % n)];
            tour.Etappen.push_back(Etappe(p, s.Start, s.Ziel, Varianten(p.Reisekosten, RouteSuchen(s))));
            if (p.Fortschritt)
                p.Fortschritt(i + 1, etappen);
        }
    } else {
        // one search per stop gives its legs to all others; every leg is then built as
        // the route tab builds it, and its shown time enters the matrix
        std::vector<std::shared_ptr<const TRoutenvarianten>> v(size_t(n * n));
        std::vector<double> zeiten(size_t(n * n), 0.0);
        for (int i = 0; i < n; ++i) {
            s.Start = p.Stationen[size_t(i)];
            const std::vector<Wegpunktliste> ketten = RoutenSuchen(s, p.Stationen);
            for (int j = 0; j < n; ++j) {
                if (i == j)
                    continue;
                v[size_t(i * n + j)] = Varianten(p.Reisekosten, ketten[size_t(j)]);
                zeiten[size_t(i * n + j)] =
                    RouteAuswerten(p.Reisekosten, *v[size_t(i * n + j)], p.Auftraege).Reisezeit;
            }
            if (p.Fortschritt)
                p.Fortschritt(i + 1, n);
        }
        const std::vector<int> folge = SchnellsteReihenfolge(zeiten, n, p.Rueckkehr);
        const int etappen = p.Rueckkehr ? n : n - 1;
        for (int i : folge)
            tour.Stationen.push_back(p.Stationen[size_t(i)]);
        for (int k = 0; k < etappen; ++k) {
            const int i = folge[size_t(k)], j = folge[size_t((k + 1) % n)];
            tour.Etappen.push_back(
                Etappe(p, p.Stationen[size_t(i)], p.Stationen[size_t(j)], v[size_t(i * n + j)]));
        }
    }
    for (const TEtappe &e : tour.Etappen)
        tour.Reisezeit += e.Reisezeit;
    return tour;
}

std::vector<std::vector<Wegpunkt>> TourLinien(const TTour &t)
{
    std::vector<std::vector<Wegpunkt>> linien;
    for (const TEtappe &e : t.Etappen) {
        std::vector<Wegpunkt> felder;
        const std::vector<Wegpunkt> punkte = e.Route(t.Auftraege).Punkte();
        if (!punkte.empty())
            felder.push_back(punkte.front());
        for (size_t i = 1; i < punkte.size(); ++i) {
            // the walk of one order: diagonal first, then straight on
            int x = punkte[i - 1].x, y = punkte[i - 1].y;
            while (x != punkte[i].x || y != punkte[i].y) {
                x += (punkte[i].x > x) - (punkte[i].x < x);
                y += (punkte[i].y > y) - (punkte[i].y < y);
                felder.push_back(Wegpunkt{uint8_t(x), uint8_t(y)});
            }
        }
        linien.push_back(std::move(felder));
    }
    return linien;
}

TTourbild Tourbild(const TTour &t)
{
    return TTourbild{TourLinien(t), t.Stationen};
}

} // namespace mvt::routen
