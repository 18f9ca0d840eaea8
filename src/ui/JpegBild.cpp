#include "ui/JpegBild.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace mvt {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back
// into Lesen. Everything that Lesen changes lives in the caller's frame and is reached
// through pointers, so nothing has an indeterminate value after the jump, and between
// setjmp and longjmp only C frames of libjpeg lie, so no destructor is skipped.
struct TDekoder {
    jpeg_decompress_struct Info;
    jpeg_error_mgr Fehler;
    std::jmp_buf Sprung;
    bool Angelegt = false;
    bool Warnung = false; // corrupt or truncated data: libjpeg goes on with grey, we refuse
};

void FehlerAbbruch(j_common_ptr info)
{
    auto *d = static_cast<TDekoder *>(info->client_data);
    std::longjmp(d->Sprung, 1);
}

void MeldungMerken(j_common_ptr info, int stufe)
{
    if (stufe < 0)
        static_cast<TDekoder *>(info->client_data)->Warnung = true;
}

bool Lesen(TDekoder *d, const QByteArray *daten, QImage *bild)
{
    if (setjmp(d->Sprung))
        return false;

    jpeg_create_decompress(&d->Info);
    d->Angelegt = true;
    jpeg_mem_src(&d->Info, reinterpret_cast<const unsigned char *>(daten->constData()),
                 static_cast<unsigned long>(daten->size()));
    if (jpeg_read_header(&d->Info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (d->Info.image_width == 0 || d->Info.image_height == 0 || d->Info.image_width > JpegMaxKante ||
        d->Info.image_height > JpegMaxKante)
        return false;
    d->Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->Info);
    if (d->Info.output_components != 3)
        return false;

    *bild = QImage(static_cast<int>(d->Info.output_width), static_cast<int>(d->Info.output_height),
                   QImage::Format_RGB888);
    if (bild->isNull())
        return false;
    while (d->Info.output_scanline < d->Info.output_height) {
        JSAMPROW zeile = bild->scanLine(static_cast<int>(d->Info.output_scanline));
        if (jpeg_read_scanlines(&d->Info, &zeile, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&d->Info);
    return !d->Warnung;
}

} // namespace

QImage JpegDekodieren(const QByteArray &daten)
{
    if (daten.isEmpty())
        return {};

    TDekoder d{};
    d.Info.err = jpeg_std_error(&d.Fehler);
    d.Fehler.error_exit = FehlerAbbruch;
    d.Fehler.emit_message = MeldungMerken;
    d.Info.client_data = &d;

    QImage bild;
    const bool gelesen = Lesen(&d, &daten, &bild);
    if (d.Angelegt)
        jpeg_destroy_decompress(&d.Info);
    if (!gelesen)
        return {};
    return bild.convertToFormat(QImage::Format_RGB32);
}

} // namespace mvt
