#include "online/Hintergrundabruf.h"

#include "online/Downloaddatei.h"

#include <memory>

namespace mvt::online {

void DownloadDateienEntfernen(const QString &ordner)
{
    DownloaddateienEntfernen(ordner, {VersionsdateiTemp, StadtlisteTemp});
}

THintergrundThread::THintergrundThread(QObject *empfaenger, TAbrufziel ziel)
    : m_ziel(std::move(ziel)), m_empfaenger(empfaenger)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void THintergrundThread::Uebergeben(std::function<void()> f)
{
    QObject *e = m_empfaenger.data();
    if (!e || !f)
        return;
    QMetaObject::invokeMethod(e, std::move(f), Qt::QueuedConnection);
}

TUpdateThread::TUpdateThread(QObject *empfaenger, TAbrufziel ziel, TSchritte schritte)
    : THintergrundThread(empfaenger, std::move(ziel)), m_schritte(std::move(schritte))
{
}

void TUpdateThread::run()
{
    Uebergeben(m_schritte.CheckBoxSetzen);
    Uebergeben(m_schritte.SucheAnzeigen);
    const TVersionsauskunft a = VersionAbfragen(m_ziel.Basis, m_ziel.Ordner, m_ziel.Grenzen);
    if (m_schritte.Ergebnis)
        Uebergeben([f = m_schritte.Ergebnis, a] { f(a); });
}

TStadtUpdateThread::TStadtUpdateThread(QObject *empfaenger, TAbrufziel ziel, QString stand,
                                       std::array<routen::TGitter, routen::AnzahlWelten> grund,
                                       TSchritte schritte)
    : THintergrundThread(empfaenger, std::move(ziel)), m_stand(std::move(stand)), m_grund(std::move(grund)),
      m_schritte(std::move(schritte))
{
}

void TStadtUpdateThread::run()
{
    routen::TGrundgelaende grund{};
    for (size_t i = 0; i < grund.size(); ++i)
        grund[i] = &m_grund[i];
    routen::TStadtlistenEmpfaenger e;
    e.WeltFertig = [this](routen::TStadtdaten &&d) {
        if (!m_schritte.WeltInstallieren)
            return;
        // shared_ptr: the queued call must be copyable; the grids move, they are not copied.
        auto daten = std::make_shared<routen::TStadtdaten>(std::move(d));
        Uebergeben([f = m_schritte.WeltInstallieren, daten] { f(*daten); });
    };
    e.Meldung = [this](const QString &text) {
        if (m_schritte.Meldung)
            Uebergeben([f = m_schritte.Meldung, text] { f(text); });
    };
    const TStadtlistenAusgang aus =
        StadtlisteAktualisieren(m_ziel.Basis, m_ziel.Ordner, m_stand, grund, e, m_ziel.Grenzen);
    if (aus.NeuerStand && m_schritte.StandSetzen)
        Uebergeben([f = m_schritte.StandSetzen, s = *aus.NeuerStand] { f(s); });
}

} // namespace mvt::online
