#include "app/Programmsitzung.h"

#include "base/Meldung.h"
#include "base/Nebenher.h"
#include "crafting/Analyse.h"
#include "routes/Stadtliste.h"
#include "settings/OptionenDatei.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace mvt {

TDienste::~TDienste() = default;

void TDienste::OptionenLaden(TProgrammzustand &z)
{
    mvt::OptionenLaden(z.Katalog, {z.Optionen, z.Crafting, z.Routen, z.NextVersionCheck, z.LastMap});
}

void TDienste::OptionenSpeichern(const TProgrammzustand &z)
{
    mvt::OptionenSpeichern(z.Katalog, {z.Optionen, z.Crafting, z.Routen, z.NextVersionCheck, z.LastMap});
}

void TDienste::LagerLaden(TProgrammzustand &z)
{
    QString fehler;
    if (const std::optional<TLager> lager = mvt::LagerLaden(z.Katalog, LagerDateiname, &fehler))
        z.Crafting.Lager = *lager;
    else
        MeldungZeigen(QStringLiteral("Fehler: %1 ist ungültig (%2) Das Lager bleibt leer.")
                          .arg(LagerDateiname, fehler));
}

void TDienste::LagerSpeichern(const TProgrammzustand &z)
{
    QString fehler;
    if (!mvt::LagerSpeichern(z.Katalog, z.Crafting.Lager, LagerDateiname, &fehler))
        MeldungZeigen(QStringLiteral("Fehler: Das Lager konnte nicht gespeichert werden. ") + fehler);
}

void TDienste::Beenden()
{
    QCoreApplication::quit();
}

TProgrammsitzung::TProgrammsitzung(QObject *eltern)
    : TSitzung(m_zustand.Optionen, eltern), m_dienste(std::make_unique<TDienste>()),
      m_crafting(m_zustand.Crafting, m_zustand.Katalog, m_zustand.Optionen,
                 [this] { m_dienste->LagerSpeichern(m_zustand); })
{
}

TProgrammsitzung::~TProgrammsitzung() = default;

void TProgrammsitzung::DiensteSetzen(std::unique_ptr<TDienste> dienste)
{
    m_dienste = dienste ? std::move(dienste) : std::make_unique<TDienste>();
}

std::unique_ptr<TDienste> TProgrammsitzung::DiensteAbgeben()
{
    return std::exchange(m_dienste, std::make_unique<TDienste>());
}

void TProgrammsitzung::ZustandLaden(Karten karten)
{
    TProgrammzustand &z = m_zustand;
    if (karten == Karten::Nebenher) {
        m_karten = NebenherAusfuehren(TDringlichkeit::Spaeter, [] {
            auto welten = std::make_unique<routen::TWeltdaten>(routen::TWeltgitter::TUngelesen{});
            routen::KartendatenLaden(*welten);
            return welten;
        });
    } else {
        routen::KartendatenLaden(z.Weltkarten);
    }
    KatalogAnlegen();
    z.StadtlistenStand = routen::EingebauterStadtlistenStand;
    z.LastMap = 1; // Dunladan, unless the options say otherwise
    StandardOptionenSetzen(z.Optionen);
    if (QFileInfo::exists(OptionenDateiname))
        m_dienste->OptionenLaden(z);
    OptionenFolgen();
    m_dienste->LagerLaden(z);
}

void TProgrammsitzung::KatalogAnlegen()
{
    KatalogFuellen(m_zustand.Katalog);
    CraftingZustandAnlegen(m_zustand.Katalog, m_zustand.Crafting);
}

void TProgrammsitzung::KartenAbwarten()
{
    if (!m_karten.valid())
        return;
    // The grids only: the current world stays what it is.
    const std::unique_ptr<routen::TWeltdaten> gelesen = m_karten.get();
    for (size_t i = 0; i < m_zustand.Weltkarten.Welten.size(); ++i)
        m_zustand.Weltkarten.Welten[i] = std::move(gelesen->Welten[i]);
}

void TProgrammsitzung::OptionenFolgen()
{
    WeltvarianteAnwenden(m_zustand.Katalog, m_zustand.Optionen.BSRWorld);
    m_planer.OptionenSetzen(planer::PlanerOptionenAus(m_zustand.Optionen));
}

void TProgrammsitzung::StadtdatenInstallieren(routen::TStadtdaten &&daten)
{
    KartenAbwarten();
    routen::StadtdatenInstallieren(m_zustand.Weltkarten, std::move(daten));
    emit weltkartenGeaendert();
}

void TProgrammsitzung::StadtlistenStandSetzen(const QString &stand)
{
    m_zustand.StadtlistenStand = stand;
    emit stadtlistenStandGeaendert();
}

} // namespace mvt
