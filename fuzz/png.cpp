// PNG pictures: loaded as the picture kind and as a picture that picks its kind by
// content; a picture taken is saved and the saved bytes load again at the
// same size.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "platform/pictures/TPngImage.h"
#include "platform/pictures/TPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnsureFuzzGuiApplication();
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TPicture picture;
  picture.LoadFromBytes(bytes);
  TPngImage image;
  if (!image.LoadFromBytes(bytes)) {
    KRV_FUZZ_CHECK("png", image.Empty());
    return 0;
  }
  QByteArray saved;
  KRV_FUZZ_CHECK("png", image.SaveToBytes(saved));
  TPngImage reloaded;
  KRV_FUZZ_CHECK("png", reloaded.LoadFromBytes(saved));
  KRV_FUZZ_CHECK("png", reloaded.Width() == image.Width() && reloaded.Height() == image.Height());
  return 0;
}
