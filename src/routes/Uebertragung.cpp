#include "routes/Uebertragung.h"

#include "base/Zahlen.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <random>

namespace mvt::routen {

QString Spielserver(int welt)
{
    switch (welt) {
    case 2:
        return QStringLiteral("endurias.morvaren.de");
    case 3:
        return QStringLiteral("zyrthania.morvaren.de");
    default:
        return QStringLiteral("dunladan.morvaren.de");
    }
}

QString TokenErzeugen(double r)
{
    if (!(r >= 0.0) || r >= 1.0)
        r = 0.0;
    return QString::number(Runden(std::pow(7.0 * r + 5.0, 10.0)));
}

QString TokenErzeugen()
{
    // seeded once: seeding per link from a millisecond clock would repeat tokens
    static std::mutex sperre;
    static std::mt19937_64 zufall(
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::lock_guard<std::mutex> l(sperre);
    return TokenErzeugen(std::uniform_real_distribution<double>(0.0, 1.0)(zufall));
}

QString AuftragsLink(int welt, int x, int y, const QString &token)
{
    return QStringLiteral("http://") + Spielserver(welt) +
           QStringLiteral("/morvaren.html?page=group_travel&action=group_task_travel&token=") + token +
           QStringLiteral("&town_id=1&selection=0&freex=") + QString::number(x) + QStringLiteral("&freey=") +
           QString::number(y);
}

bool TUebertragung::Starten(const std::vector<Wegpunkt> &punkte, int von, int bis)
{
    const int auftraege = static_cast<int>(punkte.size()) - 1;
    if (auftraege < 1)
        return false;
    m_punkte = punkte;
    m_von = std::clamp(von, 1, auftraege);
    m_bis = std::clamp(bis, m_von, std::min(auftraege, m_von + 9));
    m_naechster = m_von;
    m_laeuft = true;
    return true;
}

std::optional<Wegpunkt> TUebertragung::Naechster()
{
    if (!m_laeuft || m_naechster > m_bis)
        return std::nullopt;
    return m_punkte[static_cast<size_t>(m_naechster++)];
}

QString TUebertragung::LaufText() const
{
    return QStringLiteral("Übertragung läuft: %1 von %2").arg(std::max(1, Gesendet())).arg(Gesamt());
}

QString KeineUebertragungText()
{
    return QStringLiteral("Keine Übertragung");
}

QString UebertragungAbgeschlossenText()
{
    return QStringLiteral("Übertragung abgeschlossen");
}

} // namespace mvt::routen
