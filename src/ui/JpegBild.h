// Decoding of the JPEG pictures held in the program, through libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>

namespace mvt {

// Largest width or height accepted; anything larger is refused rather than allocated.
constexpr int JpegMaxKante = 16384;

// JPEG bytes in memory to an RGB32 image. A null image for bytes that are not a
// readable JPEG (truncated, corrupt, unsupported colour space, too large); never a crash.
QImage JpegDekodieren(const QByteArray &daten);

} // namespace mvt
