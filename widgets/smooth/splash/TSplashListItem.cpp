#include "widgets/smooth/splash/TSplashListItem.h"

void TSplashListItem::Assign(const TSplashListItem& source) {
  m_htmlText = source.m_htmlText;
  m_tag = source.m_tag;
  m_imageIndex = source.m_imageIndex;
}

void TSplashListItem::EndUpdate() {
  if (m_updateCount > 0) {
    --m_updateCount;
  }
  if (m_updateCount == 0) {
    Refresh();
  }
}
