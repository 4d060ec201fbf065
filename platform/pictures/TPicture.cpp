#include "platform/pictures/TPicture.h"

#include <QFile>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TJPEGImage.h"
#include "platform/pictures/TPngImage.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  m_graphic = std::move(graphic);
  if (m_graphic) {
    m_graphic->OnChange = [this](TObject*) { Raise(OnChange, this); };
  }
  Raise(OnChange, this);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) { Adopt(std::move(graphic)); }

TBitmap& TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(m_graphic.get())) {
    return *bitmap;
  }
  auto bitmap = std::make_unique<TBitmap>();
  if (m_graphic && !m_graphic->Empty()) {
    bitmap->AssignImage(m_graphic->ToImage());
  }
  TBitmap& result = *bitmap;
  Adopt(std::move(bitmap));
  return result;
}

void TPicture::Assign(const TPicture& other) {
  if (&other != this) {
    Adopt(other.m_graphic ? other.m_graphic->Clone() : nullptr);
  }
}

bool TPicture::LoadFromBytes(const QByteArray& bytes, QString* error) {
  std::unique_ptr<TGraphic> graphic;
  if (bytes.startsWith("BM")) {
    graphic = std::make_unique<TBitmap>();
  } else if (bytes.startsWith("\xFF\xD8")) {
    graphic = std::make_unique<TJPEGImage>();
  } else if (bytes.startsWith("\x89PNG")) {
    graphic = std::make_unique<TPngImage>();
  } else {
    if (error != nullptr) {
      *error = QStringLiteral("Unknown picture format");
    }
    return false;
  }
  if (!graphic->LoadFromBytes(bytes, error)) {
    return false;
  }
  Adopt(std::move(graphic));
  return true;
}

bool TPicture::LoadFromFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot open file \"%1\": %2").arg(path, file.errorString());
    }
    return false;
  }
  return LoadFromBytes(file.readAll(), error);
}

bool TPicture::SaveToFile(const QString& path, QString* error) const {
  if (!m_graphic) {
    if (error != nullptr) {
      *error = QStringLiteral("Cannot save an empty picture");
    }
    return false;
  }
  return m_graphic->SaveToFile(path, error);
}
