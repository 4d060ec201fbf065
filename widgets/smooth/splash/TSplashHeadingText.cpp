#include "widgets/smooth/splash/TSplashHeadingText.h"

TSplashHeadingText::TSplashHeadingText() {
  m_font.SetName(QStringLiteral("Tahoma"));
}

void TSplashHeadingText::Assign(const TSplashHeadingText& source) {
  if (&source == this) {
    return;
  }
  m_angle = source.m_angle;
  m_text = source.m_text;
  m_font.Assign(source.m_font);
  m_location = source.m_location;
  m_posX = source.m_posX;
  m_posY = source.m_posY;
  m_hatchStyle = source.m_hatchStyle;
  m_picture.Assign(&source.m_picture);
  m_startColor = source.m_startColor;
  m_endColor = source.m_endColor;
  m_startOpacity = source.m_startOpacity;
  m_endOpacity = source.m_endOpacity;
  m_gradientType = source.m_gradientType;
}

void TSplashHeadingText::SetText(const QString& value) {
  if (StoreIfChanged(m_text, value)) {
    Raise(OnChange, this);
  }
}
