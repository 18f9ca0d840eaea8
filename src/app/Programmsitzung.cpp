#include "app/Programmsitzung.h"

#include "base/Meldung.h"
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
                 [this] { m_dienste->LagerSpeichern(m_zustand); }),
      m_routen({m_zustand.Routen, m_zustand.Weltkarten, m_zustand.LastMap, m_zustand.StadtlistenStand})
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
        m_routen.KartenNebenherLesen();
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
    // The maps draw the zones of the loaded options; later the settings window's Okay
    // hands them over.
    m_routen.ZonenSetzen(routen::ZonenAus(z.Optionen));
    m_dienste->LagerLaden(z);
}

void TProgrammsitzung::KatalogAnlegen()
{
    KatalogFuellen(m_zustand.Katalog);
    CraftingZustandAnlegen(m_zustand.Katalog, m_zustand.Crafting);
}

void TProgrammsitzung::OptionenFolgen()
{
    WeltvarianteAnwenden(m_zustand.Katalog, m_zustand.Optionen.BSRWorld);
    m_planer.OptionenSetzen(planer::PlanerOptionenAus(m_zustand.Optionen));
}

} // namespace mvt
