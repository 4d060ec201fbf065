#include "platform/TPngImage.h"

#include <QBuffer>

void TPngImage::SetImage(const QImage& image) {
  m_image = image.convertToFormat(QImage::Format_ARGB32);
  m_bitmap.AssignImage(m_image);
  Changed();
}

void TPngImage::Assign(const TGraphic& source) { SetImage(source.ToImage()); }

void TPngImage::SetTransparent(bool value) {
  m_bitmap.SetTransparent(value);
  TGraphic::SetTransparent(value);
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
  auto copy = std::make_unique<TPngImage>();
  copy->m_image = m_image;
  copy->m_bitmap.Assign(m_bitmap);
  copy->TGraphic::SetTransparent(Transparent());
  return copy;
}

bool TPngImage::LoadFromBytes(const QByteArray& bytes, QString* error) {
  QImage image;
  if (!image.loadFromData(bytes, "PNG")) {
    if (error != nullptr) {
      *error = QStringLiteral("Not a valid PNG file");
    }
    return false;
  }
  SetImage(image);
  return true;
}

bool TPngImage::SaveToBytes(QByteArray& bytes, QString* error) const {
  QBuffer buffer(&bytes);
  if (m_image.isNull() || !buffer.open(QIODevice::WriteOnly) || !m_image.save(&buffer, "PNG")) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot save the PNG picture");
    }
    return false;
  }
  return true;
}
