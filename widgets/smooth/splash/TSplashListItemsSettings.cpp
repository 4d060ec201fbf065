#include "widgets/smooth/splash/TSplashListItemsSettings.h"

void TSplashListItemsSettings::Assign(const TSplashListItemsSettings& source) {
  if (&source == this) {
    return;
  }
  m_rect.SetLeft(source.m_rect.Left());
  m_rect.SetTop(source.m_rect.Top());
  m_rect.SetWidth(source.m_rect.Width());
  m_rect.SetHeight(source.m_rect.Height());
  m_space = source.m_space;
  m_htmlFont.Assign(source.m_htmlFont);
  m_htmlUrlColor = source.m_htmlUrlColor;
  m_htmlShadowColor = source.m_htmlShadowColor;
  m_htmlShadowOffset = source.m_htmlShadowOffset;
  Raise(OnChange, this);
}
