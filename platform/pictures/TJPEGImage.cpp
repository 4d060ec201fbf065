#include "platform/pictures/TJPEGImage.h"

#include "platform/pictures/JpegCodec.h"

TJPEGImage::TJPEGImage() = default;

void TJPEGImage::SetCompressionQuality(int value) {
  value = std::clamp(value, 1, 100);
  if (value != m_quality) {
    m_quality = value;
    m_data.clear();
  }
}

void TJPEGImage::SetGrayscale(bool value) {
  if (value != m_grayscale) {
    m_grayscale = value;
    m_data.clear();
    Changed();
  }
}

void TJPEGImage::SetProgressiveEncoding(bool value) {
  if (value != m_progressive) {
    m_progressive = value;
    m_data.clear();
  }
}

void TJPEGImage::Assign(const TGraphic& source) {
  m_bitmap.AssignImage(source.ToImage());
  m_data.clear();
  Changed();
}

bool TJPEGImage::Compress(QString* error) {
  QByteArray bytes;
  if (!JpegCodec::Encode(m_bitmap.Image(), m_quality, m_grayscale, bytes, error, m_progressive)) {
    return false;
  }
  m_data = bytes;
  return true;
}

void TJPEGImage::SetTransparent(bool value) {
  m_bitmap.SetTransparent(value);
  TGraphic::SetTransparent(value);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->m_bitmap.Assign(m_bitmap);
  copy->m_data = m_data;
  copy->m_quality = m_quality;
  copy->m_grayscale = m_grayscale;
  copy->m_progressive = m_progressive;
  copy->TGraphic::SetTransparent(Transparent());
  return copy;
}

void TJPEGImage::DrawOn(TCanvas& canvas, const TRect& r) const {
  if (m_grayscale) {
    TBitmap grey;
    QImage image = m_bitmap.Image().convertToFormat(QImage::Format_Grayscale8);
    grey.AssignImage(image);
    grey.SetTransparent(Transparent());
    grey.DrawOn(canvas, r);
    return;
  }
  m_bitmap.DrawOn(canvas, r);
}

bool TJPEGImage::LoadFromBytes(const QByteArray& bytes, QString* error) {
  QImage image;
  if (!JpegCodec::Decode(bytes, image, error)) {
    return false;
  }
  m_bitmap.AssignImage(image);
  m_data = bytes;
  Changed();
  return true;
}

bool TJPEGImage::SaveToBytes(QByteArray& bytes, QString* error) const {
  if (!m_data.isEmpty()) {
    bytes = m_data;
    return true;
  }
  return JpegCodec::Encode(m_bitmap.Image(), m_quality, m_grayscale, bytes, error, m_progressive);
}
