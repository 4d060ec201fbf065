#include <exception>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TJPEGImage.h"
#include "platform/pictures/TMetafile.h"
#include "platform/pictures/TPngImage.h"
#include "plot/base/EPlotError.h"
#include "plot/base/TiVCLComponent.h"

namespace {
void CheckJpegCompression(int compression) {
  if (compression < 1 || compression > 100) {
    throw EPlotError(QStringLiteral("Compression must be in the range of 1-100"));
  }
}

void CheckPngCompression(int compression) {
  if (compression < 0 || compression > 9) {
    throw EPlotError(QStringLiteral("Compression must be in the range of 0-9"));
  }
}

void Save(const TGraphic& graphic, const QString& fileName) {
  QString error;
  if (!graphic.SaveToFile(fileName, &error)) {
    throw EPlotError(error);
  }
}

QByteArray Bytes(const TGraphic& graphic) {
  QByteArray bytes;
  QString error;
  if (!graphic.SaveToBytes(bytes, &error)) {
    throw EPlotError(error);
  }
  return bytes;
}

std::unique_ptr<TJPEGImage> Jpeg(const TBitmap& bitmap, int compression, bool progressive) {
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->Assign(bitmap);
  jpeg->SetCompressionQuality(compression);
  jpeg->SetProgressiveEncoding(progressive);
  return jpeg;
}

std::unique_ptr<TPngImage> Png(const TBitmap& bitmap, int compression) {
  auto png = std::make_unique<TPngImage>();
  png->Assign(bitmap);
  png->SetCompressionLevel(compression);
  return png;
}

/// Runs paint under the control's lock; what it throws leaves as EPlotError.
template <typename F>
void PaintLocked(TiVCLComponent& control, F&& paint) {
  control.Lock();
  try {
    paint();
  } catch (const EPlotError&) {
    control.Unlock();
    throw;
  } catch (const std::exception& e) {
    control.Unlock();
    throw EPlotError(QString::fromStdString(e.what()));
  }
  control.Unlock();
}
}  // namespace

std::unique_ptr<TBitmap> TiVCLComponent::RenderBitmap() {
  auto bitmap = std::make_unique<TBitmap>(Width(), Height());
  PaintLocked(*this, [&] { iPaintTo(bitmap->Canvas()); });
  return bitmap;
}

void TiVCLComponent::PaintToMetafile(TMetafile& metafile, const QString& description) {
  metafile.SetSize(Width(), Height());
  metafile.SetCreatorAndDescription(QStringLiteral("Vivove"), description);
  PaintLocked(*this, [&] { iPaintTo(metafile.Canvas()); });
}

void TiVCLComponent::SaveImageToMetaFile(const QString& fileName) {
  TMetafile metafile;
  PaintToMetafile(metafile, QString());
  Save(metafile, fileName);
}

void TiVCLComponent::SaveImageToJPEG(const QString& fileName, int compression, bool progressive) {
  CheckJpegCompression(compression);
  Save(*Jpeg(*RenderBitmap(), compression, progressive), fileName);
}

void TiVCLComponent::SaveImageToPNG(const QString& fileName, int compression) {
  CheckPngCompression(compression);
  Save(*Png(*RenderBitmap(), compression), fileName);
}

QByteArray TiVCLComponent::GetBytesJPEG(int compression, bool progressive) {
  Lock();
  try {
    CheckJpegCompression(compression);
    QByteArray bytes = Bytes(*Jpeg(*RenderBitmap(), compression, progressive));
    Unlock();
    return bytes;
  } catch (...) {
    Unlock();
    throw;
  }
}

QByteArray TiVCLComponent::GetBytesPNG(int compression) {
  Lock();
  try {
    CheckPngCompression(compression);
    QByteArray bytes = Bytes(*Png(*RenderBitmap(), compression));
    Unlock();
    return bytes;
  } catch (...) {
    Unlock();
    throw;
  }
}

std::unique_ptr<TJPEGImage> TiVCLComponent::MakeJPEGImage(int compression, bool progressive) {
  CheckJpegCompression(compression);
  auto jpeg = Jpeg(*RenderBitmap(), compression, progressive);
  QString error;
  if (!jpeg->Compress(&error)) {
    throw EPlotError(error);
  }
  return jpeg;
}
