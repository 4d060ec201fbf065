#include "platform/pictures/TPngImage.h"

#include <algorithm>

#include <QBuffer>
#include <QImageWriter>

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
  copy->m_compressionLevel = m_compressionLevel;
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
  QImageWriter writer(&buffer, "PNG");
  // Qt takes a ratio 0..100 and gives zlib the level ratio * 9 / 91.
  writer.setCompression(m_compressionLevel < 0 ? -1 : (std::min(m_compressionLevel, 9) * 91 + 8) / 9);
  if (m_image.isNull() || !buffer.open(QIODevice::WriteOnly) || !writer.write(m_image)) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot save the PNG picture");
    }
    return false;
  }
  return true;
}
