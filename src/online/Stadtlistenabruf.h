// The town list update from the tool's web site: the date file, the comparison with the
// stamp in use, the download of the list and its processing.
#pragma once

#include "online/HttpAbruf.h"
#include "routes/Stadtliste.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace mvt::online {

inline const QString StadtlistenDatumPfad = QStringLiteral("/TownListDate.txt");
inline const QString StadtlistePfad = QStringLiteral("/TownList.txt");
inline const QString StadtlisteTemp = QStringLiteral("2_MVTdownloadTMP.txt");

// Bytes of "/TownListDate.txt" beyond which the download is refused.
inline constexpr int64_t HoechstDatumsdatei = 4096;

// The end of one update: the stamp to use from now on, or nullopt when nothing changes.
struct TStadtlistenAusgang {
    std::optional<QString> NeuerStand;
};

// The whole update against basis: the date file, the comparison with stand, the list,
// the processing. Temporary file in ordner, deleted in every case. Blocks.
TStadtlistenAusgang StadtlisteAktualisieren(const QString &basis, const QString &ordner, const QString &stand,
                                            const routen::TGrundgelaende &grund,
                                            const routen::TStadtlistenEmpfaenger &empfaenger,
                                            const THttpGrenzen &grenzen = {});

} // namespace mvt::online
