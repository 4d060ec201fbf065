// JPEG pictures (libjpeg, damaged files refused) loaded as a JPEG image. A
// JPEG image saves the bytes it was loaded from, so there is no round trip
// to check, and one decode per input keeps a small file that declares a
// large picture (4 megapixels from 254 bytes) within the time limit.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "platform/pictures/TJPEGImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnsureFuzzGuiApplication();
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TJPEGImage image;
  if (!image.LoadFromBytes(bytes)) {
    KRV_FUZZ_CHECK("jpeg", image.Empty());
    return 0;
  }
  KRV_FUZZ_CHECK("jpeg", !image.Empty());
  return 0;
}
