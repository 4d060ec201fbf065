#include "platform/pictures/ImageListStream.h"

#include <algorithm>
#include <cstdint>

#include <QColor>
#include <QImage>
#include <QtEndian>

#include "platform/drawing/TColor.h"
#include "platform/pictures/BmpCodec.h"
#include "platform/pictures/PictureLimits.h"
#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TImageList.h"

namespace {

constexpr int kHeaderSize = 28;
constexpr quint16 kMagic = 0x4C49;  // "IL"
constexpr quint16 kVersion = 0x0101;
constexpr quint16 kFlagMask = 0x0001;
constexpr quint16 kFlagColor24 = 0x0018;
constexpr quint16 kGrow = 4;
constexpr int kColumns = 4;
constexpr int kMaxImages = 10000;

quint16 U16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 U32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

void PutU16(QByteArray& b, quint16 v) {
  char raw[2];
  qToLittleEndian(v, raw);
  b.append(raw, 2);
}

/// One BMP file from `at`, at most `bytes` long, of exactly width x height.
bool ReadBmp(const QByteArray& bytes, int& at, int width, int height, QImage& image) {
  if (bytes.size() - at < 14 || bytes.at(at) != 'B' || bytes.at(at + 1) != 'M') {
    return false;
  }
  const quint32 size = U32(bytes, at + 2);
  if (size < 14 || size > quint32(bytes.size() - at)) {
    return false;
  }
  int bits = 0;
  QImage decoded;
  if (!BmpCodec::Decode(bytes.mid(at, int(size)), decoded, bits, nullptr) || decoded.width() != width ||
      decoded.height() != height) {
    return false;
  }
  image = decoded;
  at += int(size);
  return true;
}

/// A colour that none of the shown pixels has, to mark the hidden ones.
QRgb UnusedColor(const QImage& picture, const QImage& mask) {
  QRgb candidate = qRgb(255, 0, 255);
  for (bool used = true; used;) {
    used = false;
    for (int y = 0; y < picture.height() && !used; ++y) {
      for (int x = 0; x < picture.width() && !used; ++x) {
        used = qGray(mask.pixel(x, y)) < 128 && (picture.pixel(x, y) & 0xFFFFFF) == (candidate & 0xFFFFFF);
      }
    }
    if (used) {
      candidate = qRgb(qRed(candidate), (qGreen(candidate) + 1) & 0xFF, qBlue(candidate));
    }
  }
  return candidate;
}

}  // namespace

namespace ImageListStream {

QByteArray Write(const TImageList& list) {
  const int count = list.Count();
  const int w = list.Width();
  const int h = list.Height();
  const int rows = (std::max(count, 1) + kColumns - 1) / kColumns;
  QImage colors(kColumns * w, rows * h, QImage::Format_RGB32);
  QImage mask(kColumns * w, rows * h, QImage::Format_RGB32);
  if (w <= 0 || h <= 0 || colors.isNull() || mask.isNull()) {
    return {};
  }
  colors.fill(Qt::black);
  mask.fill(Qt::white);
  for (int i = 0; i < count; ++i) {
    const TBitmap& picture = list.Bitmap(i);
    const QImage image = picture.Image().convertToFormat(QImage::Format_RGB32);
    const QRgb hidden = ColorToQRgb(picture.TransparentColor()) & 0xFFFFFF;
    const int left = (i % kColumns) * w;
    const int top = (i / kColumns) * h;
    for (int y = 0; y < std::min(h, image.height()); ++y) {
      for (int x = 0; x < std::min(w, image.width()); ++x) {
        const QRgb p = image.pixel(x, y);
        const bool shown = !picture.Transparent() || (p & 0xFFFFFF) != hidden;
        colors.setPixel(left + x, top + y, shown ? p : qRgb(0, 0, 0));
        mask.setPixel(left + x, top + y, shown ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
      }
    }
  }
  QByteArray bytes;
  PutU16(bytes, kMagic);
  PutU16(bytes, kVersion);
  PutU16(bytes, quint16(count));
  PutU16(bytes, quint16(count + kGrow));
  PutU16(bytes, kGrow);
  PutU16(bytes, quint16(w));
  PutU16(bytes, quint16(h));
  PutU16(bytes, 0xFFFF);  // background: none
  PutU16(bytes, 0xFFFF);
  PutU16(bytes, kFlagMask | kFlagColor24);
  for (int overlay = 0; overlay < 4; ++overlay) {
    PutU16(bytes, 0xFFFF);
  }
  bytes += BmpCodec::Encode(colors, 24);
  bytes += BmpCodec::Encode(mask, 1);
  return bytes;
}

bool Read(const QByteArray& bytes, TImageList& list) {
  if (bytes.size() < kHeaderSize || U16(bytes, 0) != kMagic || U16(bytes, 2) != kVersion) {
    return false;
  }
  const int count = U16(bytes, 4);
  const int w = U16(bytes, 10);
  const int h = U16(bytes, 12);
  const bool masked = (U16(bytes, 18) & kFlagMask) != 0;
  const int rows = (std::max(count, 1) + kColumns - 1) / kColumns;
  if (count > kMaxImages || count > U16(bytes, 6) || w <= 0 || h <= 0 ||
      std::int64_t(kColumns) * w * rows * h > kMaxPicturePixels) {
    return false;
  }
  int at = kHeaderSize;
  QImage colors;
  QImage mask(kColumns * w, rows * h, QImage::Format_RGB32);
  if (mask.isNull() || !ReadBmp(bytes, at, kColumns * w, rows * h, colors)) {
    return false;
  }
  mask.fill(Qt::black);
  if (masked && !ReadBmp(bytes, at, kColumns * w, rows * h, mask)) {
    return false;
  }
  list.Clear();
  list.SetSize(w, h);
  for (int i = 0; i < count; ++i) {
    const QRect cell((i % kColumns) * w, (i / kColumns) * h, w, h);
    QImage picture = colors.copy(cell).convertToFormat(QImage::Format_RGB32);
    const QImage hidden = mask.copy(cell);
    const QRgb marker = UnusedColor(picture, hidden);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (qGray(hidden.pixel(x, y)) >= 128) {
          picture.setPixel(x, y, marker);
        }
      }
    }
    TBitmap bitmap;
    bitmap.AssignImage(picture);
    list.AddMasked(bitmap, QRgbToColor(marker));
  }
  return true;
}

}  // namespace ImageListStream
