#include "routes/Auftraege.h"

#include "base/Zahlen.h"
#include "routes/Welten.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mvt::routen {

float Teilstreckenzeit(const uint8_t *reisekosten, Wegpunkt a, Wegpunkt b)
{
    float summe = 0;
    int x = a.x, y = a.y;
    while (x != b.x || y != b.y) {
        const int nx = x + (b.x > x) - (b.x < x);
        const int ny = y + (b.y > y) - (b.y < y);
        summe += 0.5f * static_cast<float>(reisekosten[Zelle(x, y)]) +
                 0.5f * static_cast<float>(reisekosten[Zelle(nx, ny)]);
        x = nx;
        y = ny;
    }
    return summe;
}

float Routenzeit(const uint8_t *reisekosten, const std::vector<Wegpunkt> &route)
{
    float summe = 0;
    for (size_t i = 1; i < route.size(); ++i)
        summe += Teilstreckenzeit(reisekosten, route[i - 1], route[i]);
    return summe;
}

float Routenzeit(const uint8_t *reisekosten, const Wegpunktliste &route)
{
    return Routenzeit(reisekosten, route.Punkte());
}

int32_t UeberquerteFelder(const Wegpunktliste &route)
{
    const std::vector<Wegpunkt> p = route.Punkte();
    int32_t felder = 0;
    for (size_t i = 1; i < p.size(); ++i)
        felder += std::max(std::abs(p[i].x - p[i - 1].x), std::abs(p[i].y - p[i - 1].y));
    return felder;
}

float Entfernungskosten(const uint8_t *reisekosten, Wegpunkt a, Wegpunkt b, Wegpunkt c)
{
    return Teilstreckenzeit(reisekosten, a, c) -
           (Teilstreckenzeit(reisekosten, a, b) + Teilstreckenzeit(reisekosten, b, c));
}

void WegpunkteZusammenfassen(const uint8_t *reisekosten, Wegpunktliste &route)
{
    std::vector<Wegpunkt> r = route.Punkte();
    bool entfernt = true;
    while (entfernt) {
        entfernt = false;
        size_t a = 0;
        while (a + 2 < r.size()) {
            const Wegpunkt A = r[a], B = r[a + 1], C = r[a + 2];
            if (Teilstreckenzeit(reisekosten, A, C) <=
                Teilstreckenzeit(reisekosten, A, B) + Teilstreckenzeit(reisekosten, B, C)) {
                r.erase(r.begin() + static_cast<std::ptrdiff_t>(a + 1));
                entfernt = true;
            } else {
                ++a;
            }
        }
    }
    route = Wegpunktliste(r);
}

void VariantenVervollstaendigen(const uint8_t *reisekosten, TRoutenvarianten &v)
{
    for (int k = 1; k < MaxAuftraege; ++k)
        if (v[static_cast<size_t>(k)].Leer())
            v[static_cast<size_t>(k)] = v[static_cast<size_t>(k - 1)];
    float j = Routenzeit(reisekosten, v[0]);
    for (int k = 1; k < MaxAuftraege; ++k) {
        const float zeit = Routenzeit(reisekosten, v[static_cast<size_t>(k)]);
        if (j > zeit)
            j = zeit;
        else
            v[static_cast<size_t>(k)] = v[static_cast<size_t>(k - 1)];
    }
}

namespace {

// Minimum of the removal costs over the inner points, the earliest on ties; a removal
// changes the costs of the two neighbours only, so each step costs O(log n) plus the
// walks of the three orders around them instead of a rescan of the whole route.
class Kostenbaum {
public:
    explicit Kostenbaum(size_t n) : m_n(1)
    {
        while (m_n < n)
            m_n *= 2;
        m_kosten.assign(2 * m_n, Unendlich);
        m_stelle.assign(2 * m_n, 0);
        for (size_t i = 0; i < m_n; ++i)
            m_stelle[m_n + i] = i;
        for (size_t k = m_n - 1; k >= 1; --k)
            Verbinden(k);
    }
    void Setzen(size_t i, float kosten)
    {
        size_t k = m_n + i;
        m_kosten[k] = kosten;
        for (k /= 2; k >= 1; k /= 2)
            Verbinden(k);
    }
    size_t Kleinste() const { return m_stelle[1]; }

    static constexpr float Unendlich = std::numeric_limits<float>::infinity();

private:
    void Verbinden(size_t k)
    {
        // the left (earlier) point wins ties: it replaces only when strictly cheaper
        const size_t l = 2 * k, r = 2 * k + 1;
        const size_t w = m_kosten[r] < m_kosten[l] ? r : l;
        m_kosten[k] = m_kosten[w];
        m_stelle[k] = m_stelle[w];
    }
    size_t m_n;
    std::vector<float> m_kosten;
    std::vector<size_t> m_stelle;
};

} // namespace

TRoutenvarianten RoutenvariantenBilden(const uint8_t *reisekosten, const Wegpunktliste &route)
{
    TRoutenvarianten v;
    v[100] = route;
    const std::vector<Wegpunkt> p = route.Punkte();
    const size_t n = p.size();
    constexpr size_t Kein = std::numeric_limits<size_t>::max();
    std::vector<size_t> vor(n), nach(n);
    for (size_t i = 0; i < n; ++i) {
        vor[i] = i == 0 ? Kein : i - 1;
        nach[i] = i + 1 < n ? i + 1 : Kein;
    }
    Kostenbaum baum(std::max<size_t>(n, 1));
    const auto neuBewerten = [&](size_t i) {
        if (vor[i] != Kein && nach[i] != Kein)
            baum.Setzen(i, Entfernungskosten(reisekosten, p[vor[i]], p[i], p[nach[i]]));
    };
    for (size_t i = 1; i + 1 < n; ++i)
        neuBewerten(i);
    size_t anzahl = n;
    const auto entfernen = [&] {
        const size_t b = baum.Kleinste();
        baum.Setzen(b, Kostenbaum::Unendlich);
        const size_t a = vor[b], c = nach[b];
        nach[a] = c;
        vor[c] = a;
        --anzahl;
        neuBewerten(a);
        neuBewerten(c);
    };
    const auto aktuelleRoute = [&] {
        std::vector<Wegpunkt> r;
        r.reserve(anzahl);
        for (size_t i = 0; i != Kein; i = nach[i])
            r.push_back(p[i]);
        return Wegpunktliste(r);
    };
    while (anzahl > 101)
        entfernen();
    while (anzahl > 2) {
        v[anzahl - 2] = aktuelleRoute();
        entfernen();
    }
    if (n > 0)
        v[0] = aktuelleRoute();
    VariantenVervollstaendigen(reisekosten, v);
    return v;
}

QString DauerText(double minuten)
{
    QString vorzeichen;
    double m = minuten;
    if (m < 0) {
        vorzeichen = QStringLiteral("-");
        m = -m;
    }
    const int64_t stunden = static_cast<int64_t>(std::floor(m / 60));
    const int64_t min = static_cast<int64_t>(std::floor(m)) % 60;
    const int64_t sek = Runden(m * 60) % 60;
    return vorzeichen + QString::number(stunden) + QLatin1Char(':') +
           QStringLiteral("%1").arg(min, 2, 10, QLatin1Char('0')) + QLatin1Char(':') +
           QStringLiteral("%1").arg(sek, 2, 10, QLatin1Char('0')) + QStringLiteral("   (") +
           ZahlAllgemein(minuten) + QStringLiteral(" min)");
}

QString AnkunftText(double minuten, const QDateTime &jetzt)
{
    const QDateTime ankunft = jetzt.addMSecs(Runden(minuten * 60000.0));
    return ankunft.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" - ") +
           ankunft.toString(QStringLiteral("dd.MM.yyyy"));
}

QStringList AuftragsSpalten(const TAuftragszeile &z, const QDateTime &jetzt)
{
    return {QString::number(z.Nummer) + QLatin1Char('.'),
            QStringLiteral("Reise nach %1:%2").arg(z.Ziel.x).arg(z.Ziel.y), DauerText(z.Dauer),
            AnkunftText(z.Gesamt, jetzt)};
}

TRoutenauswertung RouteAuswerten(const uint8_t *reisekosten, const TRoutenvarianten &v, int maxAuftraege)
{
    TRoutenauswertung e;
    const Wegpunktliste &route = v[static_cast<size_t>(std::clamp(maxAuftraege, 1, MaxAuftraege) - 1)];
    const std::vector<Wegpunkt> p = route.Punkte();
    float t = 0;
    for (size_t i = 1; i < p.size(); ++i) {
        const float dauer = Teilstreckenzeit(reisekosten, p[i - 1], p[i]);
        t += dauer;
        e.Auftraege.push_back(TAuftragszeile{static_cast<int>(i), p[i], dauer, t});
    }
    e.Reisezeit = t;
    const float j0 = Routenzeit(reisekosten, v[0]);
    const float j100 = Routenzeit(reisekosten, v[100]);
    e.Zeitersparnis = j0 - t;
    // a route of one field has no time at all: nothing to save, nothing to divide
    e.ZeitersparnisProzent = j0 > 0 ? Runden(static_cast<double>(e.Zeitersparnis) / j0 * 100.0) : 0;
    e.Optimalitaet =
        (j0 - j100) == 0 ? 100 : Runden(static_cast<double>(e.Zeitersparnis) / (j0 - j100) * 100.0);
    e.Felder = UeberquerteFelder(route);
    e.ZeitProFeld =
        e.Felder > 0 ? static_cast<double>(Runden(static_cast<double>(t) / e.Felder * 100.0)) / 100.0 : 0;
    e.Auftragsanzahl = std::max<int32_t>(0, route.Anzahl() - 1);
    e.OptimaleLaenge = std::max<int32_t>(0, v[100].Anzahl() - 1);
    return e;
}

QString TRoutenauswertung::ZeitersparnisText() const
{
    return DauerText(Zeitersparnis) + QStringLiteral("   (") + QString::number(ZeitersparnisProzent) +
           QStringLiteral(" %)");
}

QString TRoutenauswertung::OptimalitaetText() const
{
    return QString::number(Optimalitaet) + QStringLiteral(" %");
}

QString TRoutenauswertung::ZeitProFeldText() const
{
    return ZahlAllgemein(ZeitProFeld) + QStringLiteral(" min");
}

TAuftragsbereich AuftragsbereichFuerRoute(int auftraege)
{
    TAuftragsbereich b;
    b.Maximum = std::max(1, auftraege);
    b.Von = 1;
    BisAuftragAendern(b, 10);
    VonAuftragAendern(b, 1);
    return b;
}

void VonAuftragAendern(TAuftragsbereich &b, int von)
{
    b.Von = std::clamp(von, 1, std::max(1, b.Maximum));
    if (b.Bis < b.Von)
        b.Bis = b.Von;
    if (b.Bis > b.Von + 9)
        b.Bis = b.Von + 9;
}

void BisAuftragAendern(TAuftragsbereich &b, int bis)
{
    b.Bis = std::clamp(bis, 1, std::max(1, b.Maximum));
    if (b.Bis < b.Von)
        b.Von = b.Bis;
    if (b.Von < b.Bis - 9)
        b.Von = b.Bis - 9;
}

std::optional<int> MaxAuftraegeLesen(const QString &text)
{
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    if (!ok || wert < 1 || wert > MaxAuftraege)
        return std::nullopt;
    return wert;
}

} // namespace mvt::routen
