#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "platform/pictures/TGraphic.h"

class QIODevice;
class TGPImage;

/// What the two GDI+ picture classes share: the picture file's bytes, kept
/// exactly as stored and decoded on every measure and draw; Empty; the size
/// as last decoded; loading from streams, files, resources and URLs; and
/// OnClear. Copying a picture copies its bytes. GUI thread only.
class TGDIPGraphicBase : public TGraphic {
public:
  TGDIPGraphicBase(const TGDIPGraphicBase&) = delete;
  TGDIPGraphicBase& operator=(const TGDIPGraphicBase&) = delete;

  /// True while there are no bytes to draw.
  bool Empty() const { return m_isEmpty; }
  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  /// Writing the size does nothing: it comes from the picture.
  void SetWidth(int) {}
  void SetHeight(int) {}
  const QByteArray& Data() const { return m_data; }

  /// Form loading: takes the whole stream as the picture's bytes.
  virtual void ReadData(QIODevice* stream);
  void WriteData(QIODevice* stream) const;
  void SaveToStream(QIODevice* stream) const { WriteData(stream); }
  /// Replaces the bytes with the stream's content, measures and notifies.
  virtual void LoadFromStream(QIODevice* stream);
  /// Reads the whole file; any failure leaves the picture Empty.
  void LoadFromFile(const QString& fileName);
  /// Loads the resource ":/<name>" of the program when it exists.
  void LoadFromResourceName(const QString& name);
  /// "RES://name" loads a resource, "FILE://path" a file (prefix in any
  /// case); any other text is ignored.
  void LoadFromURL(const QString& url);
  /// Decodes the bytes and takes the size; false (nothing changed) when Empty.
  bool GetImageSizes();
  /// The decoded picture, or nullptr when Empty.
  std::unique_ptr<TGPImage> Decode() const;

  /// Copies the bytes of another picture of the same class, or the file
  /// bytes of a bitmap or picture holder; no source clears the picture;
  /// any other source leaves it Empty.
  void Assign(const TObject* source);

  // TGraphic
  void DrawOn(TCanvas& canvas, const TRect& r) const override;
  QImage ToImage() const override;
  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr) override;
  bool SaveToBytes(QByteArray& bytes, QString* error = nullptr) const override;

  TNotifyEvent OnClear;

protected:
  TGDIPGraphicBase() = default;
  /// Draws a BMP picture from a bitmap of its bytes: stretched or at the
  /// rectangle's top-left.
  virtual bool StretchBitmaps() const = 0;
  /// Whether Assign takes any graphic besides bitmaps and picture holders.
  virtual bool AssignsAnyGraphic() const = 0;
  virtual bool SameClass(const TObject* source) const = 0;
  /// Sets the size after LoadFromFile read the bytes.
  virtual void MeasureLoadedFile(const QString& fileName);
  void SetBytes(const QByteArray& bytes);
  void SetSize(int width, int height) {
    m_width = width;
    m_height = height;
  }

private:
  QByteArray m_data;
  bool m_isEmpty = true;
  // Drawing a picture refreshes its size.
  mutable int m_width = 0;
  mutable int m_height = 0;
};
