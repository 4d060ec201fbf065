#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

/// JPEG decoding and encoding through libjpeg. Grey, YCbCr/RGB and
/// (Adobe) CMYK files decode to an opaque 32-bit image; a damaged or
/// truncated file is refused with libjpeg's message instead of being
/// filled in. Pure functions, any thread.
namespace JpegCodec {

bool Decode(const QByteArray& bytes, QImage& image, QString* error);

/// Encodes as YCbCr (or greyscale) at quality 1..100, baseline or, with
/// progressive, as a progressive file (SOF2).
bool Encode(const QImage& image, int quality, bool grayscale, QByteArray& bytes, QString* error,
            bool progressive = false);

}  // namespace JpegCodec
