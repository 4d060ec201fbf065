#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

/// TIFF decoding through libtiff: the first image of a file, in any of the
/// photometric kinds and compressions libtiff reads, to a 32-bit image
/// (with alpha when the file has an extra sample). A file declaring more pixels than the picture limit, or one libtiff
/// cannot read whole, is refused with a "TIFF error: " message instead of
/// being filled in. Pure functions, any thread.
namespace TiffCodec {

/// Whether the bytes begin as a TIFF file does ("II*\0" or "MM\0*").
bool LooksLikeTiff(const QByteArray& bytes);

bool Decode(const QByteArray& bytes, QImage& image, QString* error);

}  // namespace TiffCodec
