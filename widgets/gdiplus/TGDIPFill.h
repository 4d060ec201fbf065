#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"
#include "widgets/gdiplus/GdiPlusTypes.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"

class TGPGraphics;
class TGPGraphicsPath;
class TIniFile;

enum class TFillPicturePosition : int {
  ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
  ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum class TFillRoundingType : int { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum class TFillPictureSize : int { psOriginal, psCustom };
enum class TFillPictureMode : int { pmInsideFill, pmOutsideFill };
enum class TPictureMode : int { pmStretch, pmNormal };
enum class TShadowType : int { stRightBottom, stBottom, stSurround };
enum class TGlowMode : int { gmNone, gmGradient, gmRadial, gmRadialGradient };

/// How a rectangle of a smooth widget is painted: a solid, gradient,
/// hatch, texture or radial background, optionally split into an upper and
/// a mirrored lower part, rounded corners, a soft shadow, a border, a glow,
/// a dotted focus outline and two pictures, each colour with its opacity.
/// Fill paints it into a GDI+ surface. Setters store a changed value and
/// raise OnChange (not while an update is running); Assign copies. Stored
/// to INI sections, streams and the clipboard (format "GDI+ Fill"). Owned
/// by its widget. GUI thread only.
class TGDIPFill : public TObject {
public:
  TGDIPFill();
  ~TGDIPFill() override;
  TGDIPFill(const TGDIPFill&) = delete;
  TGDIPFill& operator=(const TGDIPFill&) = delete;

  /// Paints into R and returns what is left of R after the shadow. Each
  /// opacity argument of 255 takes the property's value.
  TGPRectF Fill(TGPGraphics* graphics, const TGPRectF& R, int ABorderOpacity = 255, int AOpacity = 255,
                int AOpacityTo = 255, int AOpacityMirror = 255, int AOpacityMirrorTo = 255);

  /// Copies every appearance value of another fill description (not Focus,
  /// FocusColor or OnChange) and notifies; other sources are ignored.
  void Assign(const TObject* source);
  void BeginUpdate() { ++m_updateCount; }
  /// Lowers the update count; a change made meanwhile is not raised.
  void EndUpdate();
  void Changed();

  /// INI persistence: the keys of one section.
  void SaveToIni(TIniFile& ini, const QString& section) const;
  /// Reads the section's values straight into the fields; a picture text
  /// that is not hexadecimal stops with false and the error "No Hex-Number"
  /// (the values read so far stay).
  bool LoadFromIni(const TIniFile& ini, const QString& section, QString* error = nullptr);
  bool SaveToFile(const QString& fileName, const QString& section, QString* error = nullptr) const;
  bool LoadFromFile(const QString& fileName, const QString& section, QString* error = nullptr);
  /// The description as bytes (what the clipboard carries).
  QByteArray SaveToBytes() const;
  bool LoadFromBytes(const QByteArray& bytes, QString* error = nullptr);
  void SaveToClipBoard() const;
  /// Nothing when the clipboard holds no "GDI+ Fill".
  void LoadFromClipBoard();

  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Set(m_color, v); }
  TColor ColorTo() const { return m_colorTo; }
  void SetColorTo(TColor v) { Set(m_colorTo, v); }
  TColor ColorMirror() const { return m_colorMirror; }
  void SetColorMirror(TColor v) { Set(m_colorMirror, v); }
  TColor ColorMirrorTo() const { return m_colorMirrorTo; }
  void SetColorMirrorTo(TColor v) { Set(m_colorMirrorTo, v); }
  TAdvGradientType GradientType() const { return m_gradientType; }
  void SetGradientType(TAdvGradientType v) { Set(m_gradientType, v); }
  TAdvGradientType GradientMirrorType() const { return m_gradientMirrorType; }
  void SetGradientMirrorType(TAdvGradientType v) { Set(m_gradientMirrorType, v); }
  HatchStyle GetHatchStyle() const { return m_hatchStyle; }
  void SetHatchStyle(HatchStyle v) { Set(m_hatchStyle, v); }
  HatchStyle HatchStyleMirror() const { return m_hatchStyleMirror; }
  void SetHatchStyleMirror(HatchStyle v) { Set(m_hatchStyleMirror, v); }
  bool BackGroundPictureAspectRatio() const { return m_backGroundPictureAspectRatio; }
  void SetBackGroundPictureAspectRatio(bool v) { Set(m_backGroundPictureAspectRatio, v); }
  TFillPictureMode BackGroundPictureMode() const { return m_backGroundPictureMode; }
  void SetBackGroundPictureMode(TFillPictureMode v) { Set(m_backGroundPictureMode, v); }
  TAdvGDIPPicture& BackGroundPicture() { return m_backGroundPicture; }
  void SetBackGroundPicture(const TAdvGDIPPicture& picture);
  TFillPicturePosition BackGroundPicturePosition() const { return m_backGroundPicturePosition; }
  void SetBackGroundPicturePosition(TFillPicturePosition v) { Set(m_backGroundPicturePosition, v); }
  int BackGroundPictureLeft() const { return m_backGroundPictureLeft; }
  void SetBackGroundPictureLeft(int v) { Set(m_backGroundPictureLeft, v); }
  int BackGroundPictureTop() const { return m_backGroundPictureTop; }
  void SetBackGroundPictureTop(int v) { Set(m_backGroundPictureTop, v); }
  TPictureMode BackGroundPictureAspectMode() const { return m_backGroundPictureAspectMode; }
  void SetBackGroundPictureAspectMode(TPictureMode v) { Set(m_backGroundPictureAspectMode, v); }
  TAdvGDIPPicture& Picture() { return m_picture; }
  void SetPicture(const TAdvGDIPPicture& picture);
  TFillPicturePosition PicturePosition() const { return m_picturePosition; }
  void SetPicturePosition(TFillPicturePosition v) { Set(m_picturePosition, v); }
  int PictureLeft() const { return m_pictureLeft; }
  void SetPictureLeft(int v) { Set(m_pictureLeft, v); }
  int PictureTop() const { return m_pictureTop; }
  void SetPictureTop(int v) { Set(m_pictureTop, v); }
  TFillPictureSize PictureSize() const { return m_pictureSize; }
  void SetPictureSize(TFillPictureSize v) { Set(m_pictureSize, v); }
  int PictureWidth() const { return m_pictureWidth; }
  void SetPictureWidth(int v) { Set(m_pictureWidth, v); }
  int PictureHeight() const { return m_pictureHeight; }
  void SetPictureHeight(int v) { Set(m_pictureHeight, v); }
  bool PictureAspectRatio() const { return m_pictureAspectRatio; }
  void SetPictureAspectRatio(bool v) { Set(m_pictureAspectRatio, v); }
  TPictureMode PictureAspectMode() const { return m_pictureAspectMode; }
  void SetPictureAspectMode(TPictureMode v) { Set(m_pictureAspectMode, v); }
  int Opacity() const { return m_opacity; }
  void SetOpacity(int v) { Set(m_opacity, v); }
  int OpacityTo() const { return m_opacityTo; }
  void SetOpacityTo(int v) { Set(m_opacityTo, v); }
  int OpacityMirror() const { return m_opacityMirror; }
  void SetOpacityMirror(int v) { Set(m_opacityMirror, v); }
  int OpacityMirrorTo() const { return m_opacityMirrorTo; }
  void SetOpacityMirrorTo(int v) { Set(m_opacityMirrorTo, v); }
  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor v) { Set(m_borderColor, v); }
  int BorderOpacity() const { return m_borderOpacity; }
  void SetBorderOpacity(int v) { Set(m_borderOpacity, v); }
  int BorderWidth() const { return m_borderWidth; }
  void SetBorderWidth(int v) { Set(m_borderWidth, v); }
  /// How far inside its rectangle the border's middle lies: 1 for a
  /// one-pixel border, else half the width rounded up.
  int BorderInset() const { return m_borderWidth == 1 ? 1 : (m_borderWidth + 1) / 2; }
  int Rounding() const { return m_rounding; }
  void SetRounding(int v) { Set(m_rounding, v); }
  TFillRoundingType RoundingType() const { return m_roundingType; }
  void SetRoundingType(TFillRoundingType v) { Set(m_roundingType, v); }
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor v) { Set(m_shadowColor, v); }
  int ShadowOffset() const { return m_shadowOffset; }
  void SetShadowOffset(int v) { Set(m_shadowOffset, v); }
  TShadowType ShadowType() const { return m_shadowType; }
  void SetShadowType(TShadowType v) { Set(m_shadowType, v); }
  int Angle() const { return m_angle; }
  void SetAngle(int v) { Set(m_angle, v); }
  TGlowMode Glow() const { return m_glow; }
  void SetGlow(TGlowMode v) { Set(m_glow, v); }
  TColor GlowGradientColor() const { return m_glowGradientColor; }
  void SetGlowGradientColor(TColor v) { Set(m_glowGradientColor, v); }
  TColor GlowRadialColor() const { return m_glowRadialColor; }
  void SetGlowRadialColor(TColor v) { Set(m_glowRadialColor, v); }
  bool Focus() const { return m_focus; }
  void SetFocus(bool v) { Set(m_focus, v); }
  TColor FocusColor() const { return m_focusColor; }
  void SetFocusColor(TColor v) { Set(m_focusColor, v); }
  /// The focus outline's rectangle as the last Fill computed it.
  TGPRectF FocusRect() const { return m_focusRect; }

  TNotifyEvent OnChange;

  /// A closed path of the rectangle with the corners of the type rounded by radius.
  static std::unique_ptr<TGPGraphicsPath> CreateRoundRectPath(const TGPRectF& r, int radius,
                                                              TFillRoundingType roundingType);
  /// The size a w x h picture takes in a W x H box: 0 x 0 when any is 0 or
  /// less; pmNormal keeps a smaller picture; else the aspect-kept fit.
  static void FitPictureSize(double w, double h, double W, double H, TPictureMode mode, double& outW,
                             double& outH);

private:
  struct Alphas {
    int border, opacity, opacityTo, mirror, mirrorTo;
  };
  template <typename T>
  void Set(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      Changed();
    }
  }
  void DrawGradientBackGround(TGPGraphics& g, const TGPRectF& R, bool mirror, const Alphas& a);
  void PaintRadialGradient(TGPGraphics& g, const TGPRectF& R, ARGB base, ARGB centre, TFillRoundingType type,
                           int radius, bool atTop);
  void DrawGlow(TGPGraphics& g, const TGPRectF& R);
  void DrawShadow(TGPGraphics& g, TGPRectF& R);
  void DrawPictureAt(TGPGraphics& g, TAdvGDIPPicture& picture, const TRect& r, int w, int h,
                     TFillPicturePosition position, int left, int top, bool aspect, TPictureMode mode);
  void DrawPictures(TGPGraphics& g, const TGPRectF& R, bool background, bool clip);

  TColor m_color = clSilver;
  TColor m_colorTo = clGray;
  TColor m_colorMirror = clNone;
  TColor m_colorMirrorTo = clNone;
  TAdvGradientType m_gradientType = TAdvGradientType::gtVertical;
  TAdvGradientType m_gradientMirrorType = TAdvGradientType::gtSolid;
  HatchStyle m_hatchStyle = HatchStyle::HatchStyleHorizontal;
  HatchStyle m_hatchStyleMirror = HatchStyle::HatchStyleHorizontal;
  bool m_backGroundPictureAspectRatio = false;
  TFillPictureMode m_backGroundPictureMode = TFillPictureMode::pmOutsideFill;
  TAdvGDIPPicture m_backGroundPicture;
  TFillPicturePosition m_backGroundPicturePosition = TFillPicturePosition::ppTopLeft;
  int m_backGroundPictureLeft = 0;
  int m_backGroundPictureTop = 0;
  TPictureMode m_backGroundPictureAspectMode = TPictureMode::pmStretch;
  TAdvGDIPPicture m_picture;
  TFillPicturePosition m_picturePosition = TFillPicturePosition::ppTopLeft;
  int m_pictureLeft = 0;
  int m_pictureTop = 0;
  TFillPictureSize m_pictureSize = TFillPictureSize::psOriginal;
  int m_pictureWidth = 50;
  int m_pictureHeight = 50;
  bool m_pictureAspectRatio = false;
  TPictureMode m_pictureAspectMode = TPictureMode::pmStretch;
  int m_opacity = 255;
  int m_opacityTo = 255;
  int m_opacityMirror = 255;
  int m_opacityMirrorTo = 255;
  TColor m_borderColor = clNone;
  int m_borderOpacity = 255;
  int m_borderWidth = 1;
  int m_rounding = 0;
  TFillRoundingType m_roundingType = TFillRoundingType::rtBoth;
  TColor m_shadowColor = clGray;
  int m_shadowOffset = 0;
  TShadowType m_shadowType = TShadowType::stRightBottom;
  int m_angle = 0;
  TGlowMode m_glow = TGlowMode::gmNone;
  TColor m_glowGradientColor = clWhite;
  TColor m_glowRadialColor = clWhite;
  bool m_focus = false;
  TColor m_focusColor = clBlack;
  TGPRectF m_focusRect;
  int m_updateCount = 0;
};
