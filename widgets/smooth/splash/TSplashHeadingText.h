#pragma once

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "widgets/gdiplus/GdiPlusTypes.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"

/// Where a block of the splash screen's program information sits in its text area.
enum class TItemLocation { ilTopLeft, ilTopCenter, ilTopRight, ilBottomLeft, ilBottomCenter, ilBottomRight, ilCustom };

/// A heading of the splash screen (program name or version): its text, font,
/// place and brush (solid, gradient, hatch or picture). Writing Text raises
/// OnChange; the other properties are plain. Owned by the program
/// information. GUI thread only.
class TSplashHeadingText : public TObject {
public:
  TSplashHeadingText();

  void Assign(const TSplashHeadingText& source);

  QString Text() const { return m_text; }
  void SetText(const QString& value);
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  TItemLocation Location() const { return m_location; }
  void SetLocation(TItemLocation value) { m_location = value; }
  int PosX() const { return m_posX; }
  void SetPosX(int value) { m_posX = value; }
  int PosY() const { return m_posY; }
  void SetPosY(int value) { m_posY = value; }
  int Angle() const { return m_angle; }
  void SetAngle(int value) { m_angle = value; }
  HatchStyle Hatch() const { return m_hatchStyle; }
  void SetHatchStyle(HatchStyle value) { m_hatchStyle = value; }
  TAdvGDIPPicture& Picture() { return m_picture; }
  const TAdvGDIPPicture& Picture() const { return m_picture; }
  TColor ColorStart() const { return m_startColor; }
  void SetColorStart(TColor value) { m_startColor = value; }
  TColor ColorEnd() const { return m_endColor; }
  void SetColorEnd(TColor value) { m_endColor = value; }
  int OpacityStart() const { return m_startOpacity; }
  void SetOpacityStart(int value) { m_startOpacity = value; }
  int OpacityEnd() const { return m_endOpacity; }
  void SetOpacityEnd(int value) { m_endOpacity = value; }
  TAdvGradientType GradientType() const { return m_gradientType; }
  void SetGradientType(TAdvGradientType value) { m_gradientType = value; }

  TNotifyEvent OnChange;

private:
  int m_startOpacity = 255;
  int m_endOpacity = 255;
  int m_posY = 100;
  int m_posX = 10;
  QString m_text;
  TAdvGDIPPicture m_picture;
  TAdvGradientType m_gradientType = TAdvGradientType::gtVertical;
  TColor m_endColor = clNone;
  TColor m_startColor = clBlack;
  TFont m_font;
  HatchStyle m_hatchStyle = HatchStyle::HatchStyleHorizontal;
  TItemLocation m_location = TItemLocation::ilTopLeft;
  int m_angle = 0;
};
