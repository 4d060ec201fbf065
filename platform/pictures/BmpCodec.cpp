#include "platform/pictures/BmpCodec.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/pictures/PictureLimits.h"

namespace BmpCodec {
namespace {
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kMaxSide = 32768;

std::uint32_t U16(const QByteArray& b, qsizetype at) {
  return std::uint32_t(std::uint8_t(b[at])) | (std::uint32_t(std::uint8_t(b[at + 1])) << 8);
}
std::uint32_t U32(const QByteArray& b, qsizetype at) { return U16(b, at) | (U16(b, at + 2) << 16); }

void Put16(QByteArray& b, std::uint32_t v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

bool Fail(QString* error, const QString& text) {
  if (error != nullptr) {
    *error = text;
  }
  return false;
}

// Extracts a channel under a bit-field mask, scaled to 0..255.
int MaskedChannel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) {
    return 0;
  }
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) {
    ++shift;
  }
  const std::uint32_t max = mask >> shift;
  return int(((value & mask) >> shift) * 255u / max);
}

// Byte and bit shift of pixel x in a row of 1, 4 or 8 bits per pixel
// (leftmost pixel in the high bits).
struct PackedPosition {
  int byte;
  int shift;
};
PackedPosition Packed(int x, int bits) {
  const int perByte = 8 / bits;
  return {x / perByte, 8 - bits * (x % perByte + 1)};
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

const std::vector<QRgb>& StandardPalette16() {
  static const std::vector<QRgb> palette{
      qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
      qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  return palette;
}

std::vector<QRgb> CubePalette() {
  std::vector<QRgb> palette;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        palette.push_back(qRgb(r * 51, g * 51, b * 51));
      }
    }
  }
  for (int i = 1; palette.size() < 256; ++i) {
    const int grey = i * 255 / 41;
    palette.push_back(qRgb(grey, grey, grey));
  }
  return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb c) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(c);
    const int dg = qGreen(palette[i]) - qGreen(c);
    const int db = qBlue(palette[i]) - qBlue(c);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = int(i);
    }
  }
  return best;
}
}  // namespace

bool Decode(const QByteArray& bytes, QImage& image, int& bitsPerPixel, QString* error) {
  const QString bad = QStringLiteral("Not a valid bitmap file");
  if (bytes.size() < kFileHeaderSize + 12 || bytes[0] != 'B' || bytes[1] != 'M') {
    return Fail(error, bad);
  }
  const std::uint32_t dataOffset = U32(bytes, 10);
  const std::uint32_t headerSize = U32(bytes, kFileHeaderSize);
  const bool core = headerSize == 12;
  if (!core && (headerSize < kInfoHeaderSize || bytes.size() < kFileHeaderSize + qsizetype(headerSize))) {
    return Fail(error, bad);
  }
  const qsizetype h = kFileHeaderSize;
  const int width = core ? int(U16(bytes, h + 4)) : std::int32_t(U32(bytes, h + 4));
  const int rawHeight = core ? int(U16(bytes, h + 6)) : std::int32_t(U32(bytes, h + 8));
  const int bits = int(U16(bytes, h + (core ? 10 : 14)));
  const std::uint32_t compression = core ? 0 : U32(bytes, h + 16);
  const std::uint32_t colorsUsed = core ? 0 : U32(bytes, h + 32);
  const bool topDown = rawHeight < 0;
  const std::int64_t absHeight = std::llabs(static_cast<long long>(rawHeight));
  if (absHeight > kMaxSide) {
    return Fail(error, bad);
  }
  const int height = int(absHeight);
  if (width <= 0 || height <= 0 || width > kMaxSide ||
      std::int64_t(width) * height > kMaxPicturePixels) {
    return Fail(error, bad);
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return Fail(error, QStringLiteral("Unsupported bitmap depth: %1 bits per pixel").arg(bits));
  }
  const bool bitFields = compression == 3;
  if (compression != 0 && !(bitFields && (bits == 16 || bits == 32))) {
    return Fail(error, QStringLiteral("Unsupported bitmap compression"));
  }
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bits == 32) {
    masks[0] = 0xFF0000;
    masks[1] = 0x00FF00;
    masks[2] = 0x0000FF;
  }
  qsizetype paletteAt = h + headerSize;
  if (bitFields) {
    const qsizetype maskAt = headerSize >= 52 ? h + 40 : paletteAt;
    if (bytes.size() < maskAt + 12) {
      return Fail(error, bad);
    }
    for (int i = 0; i < 3; ++i) {
      masks[i] = U32(bytes, maskAt + 4 * i);
    }
    if (headerSize < 52) {
      paletteAt += 12;
    }
  }
  std::vector<QRgb> palette;
  if (bits <= 8) {
    const int entrySize = core ? 3 : 4;
    std::uint32_t count = colorsUsed != 0 ? colorsUsed : (1u << bits);
    count = std::min<std::uint32_t>(count, 256);
    if (bytes.size() < paletteAt + qsizetype(count) * entrySize) {
      return Fail(error, bad);
    }
    for (std::uint32_t i = 0; i < count; ++i) {
      const qsizetype at = paletteAt + qsizetype(i) * entrySize;
      palette.push_back(qRgb(std::uint8_t(bytes[at + 2]), std::uint8_t(bytes[at + 1]), std::uint8_t(bytes[at])));
    }
  }
  const int rowBytes = RowBytes(width, bits);
  if (dataOffset > std::uint32_t(bytes.size()) ||
      std::int64_t(bytes.size()) - dataOffset < std::int64_t(rowBytes) * height) {
    return Fail(error, bad);
  }
  QImage out(width, height, QImage::Format_ARGB32);
  if (out.isNull()) {
    return Fail(error, QStringLiteral("Out of memory for the picture"));
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + dataOffset;
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* src = data + std::int64_t(rowBytes) * row;
    const int y = topDown ? row : height - 1 - row;
    QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) {
      QRgb c = 0;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const PackedPosition at = Packed(x, bits);
          const std::size_t index = (src[at.byte] >> at.shift) & ((1u << bits) - 1u);
          c = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
          break;
        }
        case 16:
        case 32: {
          const std::uint32_t v = bits == 16 ? std::uint32_t(src[2 * x] | (src[2 * x + 1] << 8))
                                             : std::uint32_t(src[4 * x]) | (std::uint32_t(src[4 * x + 1]) << 8) |
                                                   (std::uint32_t(src[4 * x + 2]) << 16) |
                                                   (std::uint32_t(src[4 * x + 3]) << 24);
          c = qRgb(MaskedChannel(v, masks[0]), MaskedChannel(v, masks[1]), MaskedChannel(v, masks[2]));
          break;
        }
        default:
          c = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
      }
      dst[x] = 0xFF000000u | c;
    }
  }
  image = out;
  bitsPerPixel = bits;
  return true;
}

QByteArray Encode(const QImage& source, int bits) {
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 32) {
    bits = 24;
  }
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int width = image.width();
  const int height = image.height();
  std::vector<QRgb> palette;
  if (bits == 1) {
    palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  } else if (bits == 4) {
    palette = StandardPalette16();
  } else if (bits == 8) {
    std::map<QRgb, int> seen;
    for (int y = 0; y < height && seen.size() <= 256; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < width && seen.size() <= 256; ++x) {
        seen.emplace(line[x] & 0xFFFFFFu, 0);
      }
    }
    if (seen.size() <= 256) {
      for (const auto& entry : seen) {
        palette.push_back(0xFF000000u | entry.first);
      }
    } else {
      palette = CubePalette();
    }
  }
  std::map<QRgb, int> indexCache;
  auto indexOf = [&](QRgb c) {
    c &= 0xFFFFFFu;
    if (bits == 1) {
      return qRed(c) + qGreen(c) + qBlue(c) > 382 ? 1 : 0;
    }
    const auto it = indexCache.find(c);
    if (it != indexCache.end()) {
      return it->second;
    }
    const int index = Nearest(palette, c);
    indexCache.emplace(c, index);
    return index;
  };

  const int rowBytes = RowBytes(width, bits);
  const std::uint32_t paletteBytes = std::uint32_t(palette.size()) * 4;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
  const std::uint32_t imageBytes = std::uint32_t(rowBytes) * std::uint32_t(height);
  QByteArray out;
  out.reserve(qsizetype(offset + imageBytes));
  out.append("BM");
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, std::uint32_t(width));
  Put32(out, std::uint32_t(height));
  Put16(out, 1);
  Put16(out, std::uint32_t(bits));
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 3780);  // 96 DPI in pixels per metre
  Put32(out, 3780);
  Put32(out, std::uint32_t(palette.size()));
  Put32(out, 0);
  for (QRgb c : palette) {
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append(char(0));
  }
  QByteArray row(rowBytes, '\0');
  for (int y = height - 1; y >= 0; --y) {
    row.fill('\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(row.data());
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const QRgb c = line[x];
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const PackedPosition at = Packed(x, bits);
          dst[at.byte] |= std::uint8_t(indexOf(c) << at.shift);
          break;
        }
        case 16: {
          const std::uint32_t v = (std::uint32_t(qRed(c) >> 3) << 10) | (std::uint32_t(qGreen(c) >> 3) << 5) |
                                  std::uint32_t(qBlue(c) >> 3);
          dst[2 * x] = std::uint8_t(v & 0xFF);
          dst[2 * x + 1] = std::uint8_t(v >> 8);
          break;
        }
        case 32:
          dst[4 * x] = std::uint8_t(qBlue(c));
          dst[4 * x + 1] = std::uint8_t(qGreen(c));
          dst[4 * x + 2] = std::uint8_t(qRed(c));
          dst[4 * x + 3] = std::uint8_t(qAlpha(c));
          break;
        default:
          dst[3 * x] = std::uint8_t(qBlue(c));
          dst[3 * x + 1] = std::uint8_t(qGreen(c));
          dst[3 * x + 2] = std::uint8_t(qRed(c));
          break;
      }
    }
    out.append(row);
  }
  return out;
}

}  // namespace BmpCodec
