#pragma once

#include <memory>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/core/TObject.h"
#include "platform/core/TRect.h"

class TCanvas;

/// Base of the pictures (bitmaps, JPEG and other images): size, the
/// transparent flag, drawing onto a canvas, and loading and saving. Load
/// and save return false and set an error text on failure; a failed load
/// leaves the picture unchanged. Raises OnChange when its content changes.
/// GUI thread.
class TGraphic : public TObject {
public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() == 0 || Height() == 0; }

  /// Drawn with its transparent colour left out when set.
  bool Transparent() const { return m_transparent; }
  virtual void SetTransparent(bool value);

  /// Draws the picture stretched into r (nearest pixel) with the canvas's
  /// copy mode, honouring transparency. Used by TCanvas::Draw/StretchDraw.
  virtual void DrawOn(TCanvas& canvas, const TRect& r) const = 0;

  /// A deep copy of the same kind.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  /// The pixels as an opaque 32-bit image (null when empty).
  virtual QImage ToImage() const = 0;

  virtual bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr) = 0;
  virtual bool SaveToBytes(QByteArray& bytes, QString* error = nullptr) const = 0;
  /// Reads the whole file and calls LoadFromBytes.
  bool LoadFromFile(const QString& path, QString* error = nullptr);
  /// Writes SaveToBytes to a temporary name and renames it into place.
  bool SaveToFile(const QString& path, QString* error = nullptr) const;

  TNotifyEvent OnChange;

protected:
  void Changed() { Raise(OnChange, this); }

private:
  bool m_transparent = false;
};
