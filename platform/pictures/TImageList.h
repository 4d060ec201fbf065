#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "platform/pictures/TBitmap.h"

class TCanvas;

/// A list of equally sized pictures, each with the colour that marks its
/// transparent pixels. Draws a picture normally or greyed (disabled look).
/// A QObject only so that the controls showing it can watch for its
/// removal (QPointer). GUI thread only.
class TImageList : public QObject {
public:
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  void SetSize(int width, int height);
  int Count() const { return int(m_images.size()); }
  /// Appends a copy of bitmap, maskColor marking its transparent pixels;
  /// answers its index.
  int AddMasked(const TBitmap& bitmap, TColor maskColor);
  void Clear() { m_images.clear(); }
  /// Picture index (0 <= index < Count()) as it was added.
  const TBitmap& Bitmap(int index) const { return *m_images.at(std::size_t(index)); }
  /// Draws picture index with its top-left corner at (x, y); nothing for
  /// an index outside the list.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

private:
  int m_width = 0;
  int m_height = 0;
  std::vector<std::unique_ptr<TBitmap>> m_images;
};
