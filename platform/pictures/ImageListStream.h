#pragma once

#include <QByteArray>

class TImageList;

/// The stream form of an image list, as the system's image-list writer
/// lays it out: a 28-byte header ("IL", version 0x101, image count,
/// capacity, growth, picture width and height, background colour, flags,
/// four overlay slots; little-endian), then the pictures as one BMP file,
/// four pictures a row, then their mask as a one-bit BMP file (black =
/// shown, white = transparent). Each picture is stored at the list's size.
/// Pure functions, GUI thread (the list's).
namespace ImageListStream {

QByteArray Write(const TImageList& list);

/// Replaces the list's pictures with the stream's; a stream that is not
/// complete and consistent returns false and leaves the list alone.
bool Read(const QByteArray& bytes, TImageList& list);

}  // namespace ImageListStream
