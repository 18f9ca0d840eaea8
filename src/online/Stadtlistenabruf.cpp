#include "online/Stadtlistenabruf.h"

#include "base/Textdatei.h"
#include "online/Downloaddatei.h"

#include <algorithm>

namespace mvt::online {

namespace {

// Fetches one file into the temporary file and takes its lines; the file is gone after.
std::optional<QStringList> Holen(const QString &url, const QString &ordner, const THttpGrenzen &grenzen)
{
    std::optional<QStringList> zeilen;
    TDownloaddatei temp(ordner, StadtlisteTemp);
    if (temp.Offen() && HttpHolen(url, temp.Datei(), grenzen))
        if (const std::optional<QByteArray> inhalt = temp.Inhalt(HoechstDateigroesse))
            zeilen = ZeilenTrennen(TextDekodieren(*inhalt));
    return zeilen;
}

} // namespace

TStadtlistenAusgang StadtlisteAktualisieren(const QString &basis, const QString &ordner, const QString &stand,
                                            const routen::TGrundgelaende &grund,
                                            const routen::TStadtlistenEmpfaenger &empfaenger,
                                            const THttpGrenzen &grenzen)
{
    // The date file is one short line; anything much larger is no date file.
    THttpGrenzen datumGrenzen = grenzen;
    datumGrenzen.HoechstBytes = std::min<int64_t>(grenzen.HoechstBytes, HoechstDatumsdatei);
    const std::optional<QStringList> datum = Holen(basis + StadtlistenDatumPfad, ordner, datumGrenzen);
    if (!datum)
        return {};
    const std::optional<QString> neu = routen::NeuererStand(*datum, stand);
    if (!neu)
        return {};
    const std::optional<QStringList> liste = Holen(basis + StadtlistePfad, ordner, grenzen);
    if (!liste)
        return {};
    if (!routen::StadtlisteVerarbeiten(*liste, grund, empfaenger))
        return {routen::StadtlistenFehlerStand};
    return {*neu};
}

} // namespace mvt::online
