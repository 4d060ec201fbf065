#include "platform/pictures/TiffCodec.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include <tiffio.h>

#include "platform/pictures/PictureLimits.h"

namespace TiffCodec {
namespace {

// The file's bytes as libtiff reads them: a read-only stream over memory.
struct MemoryStream {
  const QByteArray* bytes = nullptr;
  toff_t position = 0;
  QString firstError;  ///< libtiff's first error report, for the caller
};

tsize_t ReadProc(thandle_t handle, tdata_t buffer, tsize_t size) {
  auto* s = static_cast<MemoryStream*>(handle);
  const auto total = toff_t(s->bytes->size());
  if (size <= 0 || s->position >= total) {
    return 0;
  }
  const auto count = std::min<toff_t>(toff_t(size), total - s->position);
  std::memcpy(buffer, s->bytes->constData() + s->position, std::size_t(count));
  s->position += count;
  return tsize_t(count);
}

tsize_t WriteProc(thandle_t, tdata_t, tsize_t) { return 0; }

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  auto* s = static_cast<MemoryStream*>(handle);
  const auto total = toff_t(s->bytes->size());
  toff_t base = 0;
  if (whence == SEEK_CUR) {
    base = s->position;
  } else if (whence == SEEK_END) {
    base = total;
  }
  s->position = base + offset;
  return s->position;
}

int CloseProc(thandle_t) { return 0; }

toff_t SizeProc(thandle_t handle) { return toff_t(static_cast<MemoryStream*>(handle)->bytes->size()); }

int MapProc(thandle_t, tdata_t*, toff_t*) { return 0; }

void UnmapProc(thandle_t, tdata_t, toff_t) {}

int OnError(TIFF*, void* user, const char* module, const char* format, va_list args) {
  auto* s = static_cast<MemoryStream*>(user);
  if (s->firstError.isEmpty()) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    s->firstError = module != nullptr ? QString::fromLocal8Bit(module) + QStringLiteral(": ") + QString::fromLocal8Bit(text)
                                      : QString::fromLocal8Bit(text);
  }
  return 1;  // handled: nothing goes to standard error
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct OptionsFree {
  void operator()(TIFFOpenOptions* o) const { TIFFOpenOptionsFree(o); }
};
struct TiffClose {
  void operator()(TIFF* t) const { TIFFClose(t); }
};

bool Fail(QString* error, const QString& text) {
  if (error != nullptr) {
    *error = QStringLiteral("TIFF error: ") + text;
  }
  return false;
}

}  // namespace

bool LooksLikeTiff(const QByteArray& bytes) {
  return bytes.startsWith(QByteArrayLiteral("II*\0")) || bytes.startsWith(QByteArrayLiteral("MM\0*"));
}

bool Decode(const QByteArray& bytes, QImage& image, QString* error) {
  MemoryStream stream;
  stream.bytes = &bytes;
  std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
  if (!options) {
    return Fail(error, QStringLiteral("Out of memory"));
  }
  // No single allocation inside libtiff may exceed what the largest picture needs.
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), tmsize_t(kMaxPicturePixels * 4));
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), OnError, &stream);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), OnWarning, &stream);
  std::unique_ptr<TIFF, TiffClose> tiff(TIFFClientOpenExt("picture", "rm", &stream, ReadProc, WriteProc, SeekProc,
                                                         CloseProc, SizeProc, MapProc, UnmapProc, options.get()));
  if (!tiff) {
    return Fail(error, stream.firstError.isEmpty() ? QStringLiteral("Not a TIFF file") : stream.firstError);
  }
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  if (TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) != 1 ||
      TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) != 1 || width == 0 || height == 0) {
    return Fail(error, QStringLiteral("Image has no size"));
  }
  if (std::int64_t(width) * std::int64_t(height) > kMaxPicturePixels || width > 0x7FFFFFFF || height > 0x7FFFFFFF) {
    return Fail(error, QStringLiteral("Image too large"));
  }
  char why[1024] = {};
  if (TIFFRGBAImageOK(tiff.get(), why) != 1) {
    return Fail(error, QString::fromLocal8Bit(why));
  }
  QImage decoded(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
  if (decoded.isNull()) {
    return Fail(error, QStringLiteral("Out of memory"));
  }
  static_assert(sizeof(std::uint32_t) == 4);
  auto* raster = reinterpret_cast<std::uint32_t*>(decoded.bits());
  if (decoded.bytesPerLine() != qsizetype(width) * 4 ||
      TIFFReadRGBAImageOriented(tiff.get(), width, height, raster, ORIENTATION_TOPLEFT, 1) != 1) {
    return Fail(error, stream.firstError.isEmpty() ? QStringLiteral("Cannot read the image") : stream.firstError);
  }
  // libtiff packs R, G, B, A from the lowest byte up, with associated alpha.
  const std::size_t count = std::size_t(width) * height;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = raster[i];
    raster[i] = qRgba(int(TIFFGetR(p)), int(TIFFGetG(p)), int(TIFFGetB(p)), int(TIFFGetA(p)));
  }
  std::uint16_t extraCount = 0;
  std::uint16_t* extraTypes = nullptr;
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
  image = decoded.convertToFormat(extraCount > 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) {
    return Fail(error, QStringLiteral("Out of memory"));
  }
  return true;
}

}  // namespace TiffCodec
