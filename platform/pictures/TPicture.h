#pragma once

#include <memory>

#include "platform/pictures/TGraphic.h"

class TBitmap;

/// Holds one picture of any kind (bitmap, JPEG, PNG), as image boxes and
/// buttons keep theirs. Loading picks the kind from the content (BMP, JPEG
/// or PNG signature); a refused file leaves the current picture. Assign
/// copies, never shares. Raises OnChange when the picture changes. GUI thread.
class TPicture : public TObject {
public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  /// The picture, or nullptr when empty.
  TGraphic* Graphic() const { return m_graphic.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  /// The picture as a bitmap: an existing bitmap itself, any other kind is
  /// replaced by a bitmap of its pixels; an empty picture gets an empty bitmap.
  TBitmap& Bitmap();
  int Width() const { return m_graphic ? m_graphic->Width() : 0; }
  int Height() const { return m_graphic ? m_graphic->Height() : 0; }
  bool Empty() const { return !m_graphic || m_graphic->Empty(); }
  void Assign(const TPicture& other);

  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr);
  bool LoadFromFile(const QString& path, QString* error = nullptr);
  bool SaveToFile(const QString& path, QString* error = nullptr) const;

  TNotifyEvent OnChange;

private:
  void Adopt(std::unique_ptr<TGraphic> graphic);

  std::unique_ptr<TGraphic> m_graphic;
};
