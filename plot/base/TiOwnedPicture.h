#pragma once

#include <memory>

#include <QString>

#include "platform/pictures/TBitmap.h"

/// The optional picture an object owns (annotations and labels): empty by
/// default, a copy of what is assigned. GUI thread only.
class TiOwnedPicture {
public:
  TBitmap* Get() const { return m_bitmap.get(); }
  /// nullptr frees the picture; otherwise it is copied in.
  void Assign(const TBitmap* value);
  /// Frees the picture; false when there was none.
  bool Clear();
  /// Reads a bitmap file; throws EPlotError with the load error, leaving
  /// the picture as it was.
  void LoadFromFile(const QString& fileName);
  /// Makes the bottom-left pixel's colour the transparent one.
  void TakeCornerTransparency();

private:
  std::unique_ptr<TBitmap> m_bitmap;
};
