#include "plot/base/TiOwnedPicture.h"

#include "plot/base/EPlotError.h"

void TiOwnedPicture::Assign(const TBitmap* value) {
  if (value == nullptr) {
    m_bitmap.reset();
    return;
  }
  if (m_bitmap == nullptr) {
    m_bitmap = std::make_unique<TBitmap>();
  }
  m_bitmap->Assign(*value);
}

bool TiOwnedPicture::Clear() {
  if (m_bitmap == nullptr) {
    return false;
  }
  m_bitmap.reset();
  return true;
}

void TiOwnedPicture::LoadFromFile(const QString& fileName) {
  TBitmap loaded;
  QString error;
  if (!loaded.LoadFromFile(fileName, &error)) {
    throw EPlotError(error);
  }
  Assign(&loaded);
}

void TiOwnedPicture::TakeCornerTransparency() {
  if (m_bitmap != nullptr && m_bitmap->Width() > 0 && m_bitmap->Height() > 0) {
    m_bitmap->SetTransparentColor(QRgbToColor(m_bitmap->Image().pixel(0, m_bitmap->Height() - 1)));
  }
}
