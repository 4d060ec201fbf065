#include "widgets/smooth/splash/TSplashItem.h"

void TSplashItem::Assign(const TSplashItem& source) {
  m_text = source.m_text;
  m_imageIndex = source.m_imageIndex;
  m_tag = source.m_tag;
  m_picture.Assign(&source.m_picture);
  m_posX = source.m_posX;
  m_posY = source.m_posY;
  m_font.Assign(source.m_font);
}

void TSplashItem::EndUpdate() {
  if (m_updateCount > 0) {
    --m_updateCount;
  }
  if (m_updateCount == 0) {
    m_collection.Changed();
  }
}
