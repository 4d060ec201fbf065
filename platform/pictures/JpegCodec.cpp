#include "platform/pictures/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "platform/pictures/PictureLimits.h"

namespace JpegCodec {
namespace {
// libjpeg reports errors by calling error_exit; we jump back to the caller's
// setjmp with the formatted message. Warnings (corrupt data, premature end)
// are treated as errors too.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) {
    OnError(cinfo);
  }
}

void Silent(j_common_ptr) {}

void InstallErrors(ErrorManager& manager) {
  jpeg_std_error(&manager.pub);
  manager.pub.error_exit = OnError;
  manager.pub.emit_message = OnMessage;
  manager.pub.output_message = Silent;
  manager.message[0] = '\0';
}

// Everything touched between setjmp and a possible longjmp lives here, on the
// heap, so its state is well defined after the jump.
struct DecodeState {
  jpeg_decompress_struct cinfo{};
  ErrorManager errors{};
  QImage image;
  std::vector<JSAMPLE> row;
  bool created = false;
};

struct EncodeState {
  jpeg_compress_struct cinfo{};
  ErrorManager errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<JSAMPLE> row;
  bool created = false;
};

bool Fail(QString* error, const QString& text) {
  if (error != nullptr) {
    *error = text;
  }
  return false;
}

bool DecodeInto(DecodeState* s, const QByteArray& bytes) {
  if (setjmp(s->errors.jump) != 0) {
    return false;
  }
  jpeg_create_decompress(&s->cinfo);
  s->created = true;
  jpeg_mem_src(&s->cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&s->cinfo, TRUE);
  if (std::int64_t(s->cinfo.image_width) * s->cinfo.image_height > kMaxPicturePixels) {
    std::snprintf(s->errors.message, sizeof s->errors.message, "Image too large");
    return false;
  }
  const bool cmyk = s->cinfo.jpeg_color_space == JCS_CMYK || s->cinfo.jpeg_color_space == JCS_YCCK;
  s->cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&s->cinfo);
  const int width = int(s->cinfo.output_width);
  const int height = int(s->cinfo.output_height);
  const int components = s->cinfo.output_components;
  s->image = QImage(width, height, QImage::Format_ARGB32);
  if (s->image.isNull()) {
    std::snprintf(s->errors.message, sizeof s->errors.message, "Out of memory for the picture");
    return false;
  }
  s->row.resize(std::size_t(width) * std::size_t(components));
  while (s->cinfo.output_scanline < s->cinfo.output_height) {
    const int y = int(s->cinfo.output_scanline);
    JSAMPROW rows[1] = {s->row.data()};
    jpeg_read_scanlines(&s->cinfo, rows, 1);
    QRgb* line = reinterpret_cast<QRgb*>(s->image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = s->row.data() + std::size_t(x) * std::size_t(components);
      if (cmyk) {
        // Adobe writes CMYK inverted: the stored value is 255 - ink.
        const int k = p[3];
        line[x] = qRgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
      } else {
        line[x] = qRgb(p[0], p[1], p[2]);
      }
    }
  }
  jpeg_finish_decompress(&s->cinfo);
  return true;
}

bool EncodeFrom(EncodeState* s, const QImage& image, int quality, bool grayscale, bool progressive) {
  if (setjmp(s->errors.jump) != 0) {
    return false;
  }
  jpeg_create_compress(&s->cinfo);
  s->created = true;
  jpeg_mem_dest(&s->cinfo, &s->buffer, &s->size);
  s->cinfo.image_width = JDIMENSION(image.width());
  s->cinfo.image_height = JDIMENSION(image.height());
  s->cinfo.input_components = grayscale ? 1 : 3;
  s->cinfo.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&s->cinfo);
  jpeg_set_quality(&s->cinfo, quality, TRUE);
  if (progressive) {
    jpeg_simple_progression(&s->cinfo);
  }
  jpeg_start_compress(&s->cinfo, TRUE);
  const int components = s->cinfo.input_components;
  s->row.resize(std::size_t(image.width()) * std::size_t(components));
  while (s->cinfo.next_scanline < s->cinfo.image_height) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(int(s->cinfo.next_scanline)));
    for (int x = 0; x < image.width(); ++x) {
      JSAMPLE* p = s->row.data() + std::size_t(x) * std::size_t(components);
      if (grayscale) {
        p[0] = JSAMPLE(qGray(line[x]));
      } else {
        p[0] = JSAMPLE(qRed(line[x]));
        p[1] = JSAMPLE(qGreen(line[x]));
        p[2] = JSAMPLE(qBlue(line[x]));
      }
    }
    JSAMPROW rows[1] = {s->row.data()};
    jpeg_write_scanlines(&s->cinfo, rows, 1);
  }
  jpeg_finish_compress(&s->cinfo);
  return true;
}
}  // namespace

bool Decode(const QByteArray& bytes, QImage& image, QString* error) {
  if (bytes.size() < 4) {
    return Fail(error, QStringLiteral("Not a JPEG file"));
  }
  auto state = std::make_unique<DecodeState>();
  InstallErrors(state->errors);
  state->cinfo.err = &state->errors.pub;
  const bool ok = DecodeInto(state.get(), bytes);
  if (state->created) {
    jpeg_destroy_decompress(&state->cinfo);
  }
  if (!ok) {
    return Fail(error, QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(state->errors.message)));
  }
  image = state->image;
  return true;
}

bool Encode(const QImage& source, int quality, bool grayscale, QByteArray& bytes, QString* error, bool progressive) {
  if (source.isNull()) {
    return Fail(error, QStringLiteral("Cannot save an empty picture"));
  }
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  auto state = std::make_unique<EncodeState>();
  InstallErrors(state->errors);
  state->cinfo.err = &state->errors.pub;
  const bool ok = EncodeFrom(state.get(), image, std::clamp(quality, 1, 100), grayscale, progressive);
  if (ok) {
    bytes = QByteArray(reinterpret_cast<const char*>(state->buffer), qsizetype(state->size));
  }
  if (state->created) {
    jpeg_destroy_compress(&state->cinfo);
  }
  std::free(state->buffer);
  if (!ok) {
    return Fail(error, QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(state->errors.message)));
  }
  return true;
}

}  // namespace JpegCodec
