#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

/// The BMP file format: reads uncompressed files of 1, 4, 8, 16, 24 and 32
/// bits per pixel (with or without bit-field masks, bottom-up or top-down,
/// core or info headers) and writes uncompressed bottom-up files of 1, 4,
/// 8, 16 (5-5-5), 24 and 32 bits. Pure functions, any thread.
namespace BmpCodec {

/// Decodes into a 32-bit opaque image; on failure returns false, sets the
/// error text and leaves the outputs alone.
bool Decode(const QByteArray& bytes, QImage& image, int& bitsPerPixel, QString* error);

/// Encodes at 1 (black/white by brightness), 4 (the 16 standard colours,
/// nearest), 8 (the image's own colours when there are at most 256, else a
/// 6x6x6 colour cube with grey ramp, nearest), 16 (5 bits a channel), 24
/// or 32 bits per pixel; any other depth as 24.
QByteArray Encode(const QImage& image, int bitsPerPixel);

}  // namespace BmpCodec
