#pragma once

#include <QString>

#include "platform/core/TObject.h"
#include "platform/core/TRect.h"
#include "widgets/smooth/splash/TSplashCollection.h"

/// One line of the splash screen's list: markup, and where it was last laid
/// out ((-1, -1, -1, -1) before that or while scrolled out). Writers store
/// plainly; EndUpdate at 0 raises the collection's OnChange. Owned by its
/// collection. GUI thread only.
class TSplashListItem : public TObject {
public:
  explicit TSplashListItem(TSplashCollection<TSplashListItem>& collection) : m_collection(collection) {}

  void Assign(const TSplashListItem& source);

  QString HTMLText() const { return m_htmlText; }
  void SetHTMLText(const QString& value) { m_htmlText = value; }
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value) { m_imageIndex = value; }
  int Tag() const { return m_tag; }
  void SetTag(int value) { m_tag = value; }
  TRect DisplayRect() const { return m_displayRect; }
  void SetDisplayRect(const TRect& value) { m_displayRect = value; }

  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();
  void Refresh() { m_collection.Changed(); }

private:
  TSplashCollection<TSplashListItem>& m_collection;
  QString m_htmlText;
  int m_imageIndex = -1;
  int m_tag = 0;
  TRect m_displayRect{-1, -1, -1, -1};
  int m_updateCount = 0;
};

using TSplashListItems = TSplashCollection<TSplashListItem>;
