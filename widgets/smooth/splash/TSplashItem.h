#pragma once

#include <QString>

#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"
#include "widgets/smooth/splash/TSplashCollection.h"

/// A free item of the splash screen: a picture (or an image of the
/// component's image list) followed by a text at (PosX, PosY). Writers
/// store plainly; EndUpdate at 0 raises the collection's OnChange. Owned by
/// its collection. GUI thread only.
class TSplashItem : public TObject {
public:
  explicit TSplashItem(TSplashCollection<TSplashItem>& collection) : m_collection(collection) {}

  void Assign(const TSplashItem& source);

  QString Text() const { return m_text; }
  void SetText(const QString& value) { m_text = value; }
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value) { m_imageIndex = value; }
  int Tag() const { return m_tag; }
  void SetTag(int value) { m_tag = value; }
  TAdvGDIPPicture& Picture() { return m_picture; }
  const TAdvGDIPPicture& Picture() const { return m_picture; }
  int PosX() const { return m_posX; }
  void SetPosX(int value) { m_posX = value; }
  int PosY() const { return m_posY; }
  void SetPosY(int value) { m_posY = value; }
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  bool Visible() const { return m_visible; }
  void SetVisible(bool value) { m_visible = value; }

  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();

private:
  TSplashCollection<TSplashItem>& m_collection;
  QString m_text;
  int m_imageIndex = -1;
  int m_tag = 0;
  TAdvGDIPPicture m_picture;
  int m_posY = 130;
  int m_posX = 80;
  TFont m_font;
  bool m_visible = true;
  int m_updateCount = 0;
};

using TSplashItems = TSplashCollection<TSplashItem>;
