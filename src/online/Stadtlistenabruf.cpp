#include "online/Stadtlistenabruf.h"

#include "base/Textdatei.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace mvt::online {

namespace {

// Fetches one file into the temporary file and takes its lines; the file is gone after.
std::optional<QStringList> Holen(const QString &url, const QString &temp, const THttpGrenzen &grenzen)
{
    std::optional<QStringList> zeilen;
    if (HttpHolen(url, temp, grenzen))
        if (const std::optional<QByteArray> inhalt = DateiLesen(temp))
            zeilen = ZeilenTrennen(TextDekodieren(*inhalt));
    QFile::remove(temp);
    return zeilen;
}

} // namespace

TStadtlistenAusgang StadtlisteAktualisieren(const QString &basis, const QString &ordner, const QString &stand,
                                            const TGrundgelaende &grund,
                                            const TStadtlistenEmpfaenger &empfaenger,
                                            const THttpGrenzen &grenzen)
{
    const QString temp = QDir(ordner).filePath(StadtlisteTemp);
    // The date file is one short line; anything much larger is no date file.
    THttpGrenzen datumGrenzen = grenzen;
    datumGrenzen.HoechstBytes = std::min<int64_t>(grenzen.HoechstBytes, HoechstDatumsdatei);
    const std::optional<QStringList> datum = Holen(basis + StadtlistenDatumPfad, temp, datumGrenzen);
    if (!datum)
        return {};
    const std::optional<QString> neu = NeuererStand(*datum, stand);
    if (!neu)
        return {};
    const std::optional<QStringList> liste = Holen(basis + StadtlistePfad, temp, grenzen);
    if (!liste)
        return {};
    if (!StadtlisteVerarbeiten(*liste, grund, empfaenger))
        return {StadtlistenFehlerStand};
    return {*neu};
}

} // namespace mvt::online
