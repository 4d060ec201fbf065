#include "widgets/gdiplus/TGDIPGraphicBase.h"

#include <QFile>
#include <QIODevice>

#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/pictures/TPicture.h"
#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"

void TGDIPGraphicBase::SetBytes(const QByteArray& bytes) {
  m_data = bytes;
  m_isEmpty = false;
}

void TGDIPGraphicBase::ReadData(QIODevice* stream) {
  if (stream) {
    SetBytes(stream->readAll());
  }
}

void TGDIPGraphicBase::WriteData(QIODevice* stream) const {
  if (stream) {
    stream->write(m_data);
  }
}

void TGDIPGraphicBase::LoadFromStream(QIODevice* stream) {
  if (!stream) {
    return;
  }
  SetBytes(stream->readAll());
  GetImageSizes();
  Changed();
}

void TGDIPGraphicBase::MeasureLoadedFile(const QString&) { GetImageSizes(); }

void TGDIPGraphicBase::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    m_isEmpty = true;
    return;
  }
  SetBytes(file.readAll());
  Raise(OnClear, this);
  MeasureLoadedFile(fileName);
  Changed();
}

void TGDIPGraphicBase::LoadFromResourceName(const QString& name) {
  QFile resource(QStringLiteral(":/") + name);
  if (resource.open(QIODevice::ReadOnly)) {
    LoadFromStream(&resource);
  }
}

void TGDIPGraphicBase::LoadFromURL(const QString& url) {
  const QString upper = url.toUpper();
  if (upper.startsWith(QStringLiteral("RES://"))) {
    const QString name = url.mid(6);
    if (!name.isEmpty()) {
      LoadFromResourceName(name);
    }
  } else if (upper.startsWith(QStringLiteral("FILE://"))) {
    const QString path = url.mid(7);
    if (!path.isEmpty()) {
      LoadFromFile(path);
    }
  }
}

std::unique_ptr<TGPImage> TGDIPGraphicBase::Decode() const {
  if (m_isEmpty || m_data.isEmpty()) {
    return nullptr;
  }
  return std::make_unique<TGPImage>(m_data, false);
}

bool TGDIPGraphicBase::GetImageSizes() {
  const auto image = Decode();
  if (!image) {
    return false;
  }
  m_width = int(image->GetWidth());
  m_height = int(image->GetHeight());
  return true;
}

void TGDIPGraphicBase::Assign(const TObject* source) {
  m_isEmpty = true;
  if (!source) {
    m_data.clear();
    Changed();
    Raise(OnClear, this);
    return;
  }
  QByteArray bytes;
  if (SameClass(source)) {
    m_data = static_cast<const TGDIPGraphicBase*>(source)->m_data;
    m_isEmpty = m_data.isEmpty();
    Changed();
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    if (picture->Graphic() && picture->Graphic()->SaveToBytes(bytes)) {
      SetBytes(bytes);
    }
    Changed();
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source);
             graphic && (dynamic_cast<const TBitmap*>(source) || AssignsAnyGraphic())) {
    if (graphic->SaveToBytes(bytes)) {
      SetBytes(bytes);
    }
    Changed();
  } else {
    return;
  }
  GetImageSizes();
}

void TGDIPGraphicBase::DrawOn(TCanvas& canvas, const TRect& r) const {
  const auto image = Decode();
  if (!image) {
    return;
  }
  if (image->GetFormat() == TGPImageFormat::ifBMP) {
    TBitmap bitmap;
    if (!bitmap.LoadFromBytes(m_data)) {
      return;
    }
    bitmap.SetTransparentMode(TTransparentMode::tmAuto);
    bitmap.SetTransparent(true);
    if (StretchBitmaps()) {
      canvas.StretchDraw(r, bitmap);
    } else {
      canvas.Draw(r.Left, r.Top, bitmap);
    }
    return;
  }
  m_width = int(image->GetWidth());
  m_height = int(image->GetHeight());
  TGPGraphics graphics(canvas);
  graphics.DrawImageRect(image.get(), r.Left, r.Top, r.Width(), r.Height());
}

QImage TGDIPGraphicBase::ToImage() const {
  const auto image = Decode();
  return image && image->NativeImage() ? image->NativeImage()->image : QImage();
}

bool TGDIPGraphicBase::LoadFromBytes(const QByteArray& bytes, QString*) {
  SetBytes(bytes);
  GetImageSizes();
  Changed();
  return true;
}

bool TGDIPGraphicBase::SaveToBytes(QByteArray& bytes, QString*) const {
  bytes = m_data;
  return true;
}
