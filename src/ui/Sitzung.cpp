#include "ui/Sitzung.h"

#include "crafting/Analyse.h"
#include "routes/Stadtliste.h"
#include "settings/OptionenDatei.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaMethod>

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

void TDienste::Beenden()
{
    QCoreApplication::quit();
}

TSitzung::TSitzung(QObject *eltern) : QObject(eltern), m_dienste(std::make_unique<TDienste>()) {}

TSitzung::~TSitzung() = default;

void TSitzung::DiensteSetzen(std::unique_ptr<TDienste> dienste)
{
    m_dienste = dienste ? std::move(dienste) : std::make_unique<TDienste>();
}

std::unique_ptr<TDienste> TSitzung::DiensteAbgeben()
{
    return std::exchange(m_dienste, std::make_unique<TDienste>());
}

void TSitzung::ZustandLaden(Karten karten)
{
    TProgrammzustand &z = Zustand;
    if (karten == Karten::Nebenher)
        m_karten = std::async(std::launch::async, [&z] { routen::KartendatenLaden(z.Weltkarten); });
    else
        routen::KartendatenLaden(z.Weltkarten);
    KatalogFuellen(z.Katalog);
    CraftingZustandAnlegen(z.Katalog, z.Crafting);
    z.StadtlistenStand = online::EingebauterStadtlistenStand;
    z.LastMap = 1; // Dunladan, unless the options say otherwise
    StandardOptionenSetzen(z.Optionen);
    if (QFileInfo::exists(OptionenDateiname))
        m_dienste->OptionenLaden(z);
}

void TSitzung::KartenAbwarten()
{
    if (m_karten.valid())
        m_karten.get();
}

void TSitzung::OptionenAnwenden()
{
    emit optionenGeaendert();
}

void TSitzung::CraftingweltGeaendert()
{
    WeltvarianteAnwenden(Zustand.Katalog, Zustand.Optionen.BSRWorld);
    emit craftingweltGeaendert();
}

void TSitzung::PlanerweltGeaendert()
{
    emit planerweltGeaendert();
}

void TSitzung::PreiseGeaendert()
{
    emit preiseGeaendert();
}

void TSitzung::BaulisteGeaendert()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TSitzung::baulisteGeaendert)))
        emit baulisteGeaendert();
    else
        AllesNeuBerechnen(Zustand.Katalog, Zustand.Optionen, Zustand.Crafting);
}

void TSitzung::WeltkartenGeaendert()
{
    emit weltkartenGeaendert();
}

void TSitzung::StadtdatenInstallieren(online::TStadtdaten &&daten)
{
    online::StadtdatenInstallieren(Zustand.Weltkarten, std::move(daten));
    emit weltkartenGeaendert();
}

void TSitzung::StadtlistenStandSetzen(const QString &stand)
{
    Zustand.StadtlistenStand = stand;
    emit stadtlistenStandGeaendert();
}

void TSitzung::CharakterGeaendert()
{
    emit charakterGeaendert();
}

} // namespace mvt
