// BMP pictures (1 to 32 bits, compressed or not): loaded as the picture kind and as a picture that picks its kind by
// content; a picture taken is saved and the saved bytes load again at the
// same size.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnsureFuzzGuiApplication();
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TPicture picture;
  picture.LoadFromBytes(bytes);
  TBitmap image;
  if (!image.LoadFromBytes(bytes)) {
    KRV_FUZZ_CHECK("bmp", image.Empty());
    return 0;
  }
  QByteArray saved;
  KRV_FUZZ_CHECK("bmp", image.SaveToBytes(saved));
  TBitmap reloaded;
  KRV_FUZZ_CHECK("bmp", reloaded.LoadFromBytes(saved));
  KRV_FUZZ_CHECK("bmp", reloaded.Width() == image.Width() && reloaded.Height() == image.Height());
  return 0;
}
