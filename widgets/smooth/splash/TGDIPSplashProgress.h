#pragma once

#include <memory>

#include <QString>

#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "platform/core/TRect.h"
#include "widgets/gdiplus/GdiPlusTypes.h"

class TGDIPFill;
class TGPGraphics;

enum class TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum class TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };

/// The appearance and values of the splash screen's progress bar: two fills,
/// the value text and its fonts, the bar's bounds in the splash window and
/// its position between a minimum and a maximum. Draw paints a bar with
/// them. Setters store a changed value and raise OnChange (Visible on every
/// write, Step never); a change inside a fill or font raises it too. Owned
/// by the splash component or the bar control. GUI thread only.
class TGDIPSplashProgress : public TObject {
public:
  TGDIPSplashProgress();
  ~TGDIPSplashProgress() override;
  TGDIPSplashProgress(const TGDIPSplashProgress&) = delete;
  TGDIPSplashProgress& operator=(const TGDIPSplashProgress&) = delete;

  /// Copies every setting from another description, then raises OnChange;
  /// other sources are ignored.
  void Assign(const TObject* source);

  /// Paints the bar into r for the position between min and max.
  void Draw(TGPGraphics& graphics, const TRect& r, double min, double max, double position);
  /// The frame rectangle of r as X, Y, Width, Height.
  TGPRectF GetInsideRectF(const TRect& r) const;
  /// The done part of the bar in r.
  TGPRectF CalculateProgressRectangle(const TRect& r, double min, double max, double position) const;
  /// The value text for the position, or empty when ValueFormat is not one
  /// floating-point conversion (with any number of "%%").
  QString ValueText(double min, double max, double position) const;

  TGDIPFill& BackGroundFill() { return *m_backGroundFill; }
  const TGDIPFill& BackGroundFill() const { return *m_backGroundFill; }
  void SetBackGroundFill(const TGDIPFill& value);
  TGDIPFill& ProgressFill() { return *m_progressFill; }
  const TGDIPFill& ProgressFill() const { return *m_progressFill; }
  void SetProgressFill(const TGDIPFill& value);
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& value);
  TFont& ProgressFont() { return m_progressFont; }
  const TFont& ProgressFont() const { return m_progressFont; }
  void SetProgressFont(const TFont& value);

  QString ValueFormat() const { return m_valueFormat; }
  void SetValueFormat(const QString& value) { Store(m_valueFormat, value); }
  TGDIPProgressValueType ValueType() const { return m_valueType; }
  void SetValueType(TGDIPProgressValueType value) { Store(m_valueType, value); }
  TGDIPProgressValuePosition ValuePosition() const { return m_valuePosition; }
  void SetValuePosition(TGDIPProgressValuePosition value) { Store(m_valuePosition, value); }
  int ValuePositionLeft() const { return m_valuePositionLeft; }
  void SetValuePositionLeft(int value) { Store(m_valuePositionLeft, value); }
  int ValuePositionTop() const { return m_valuePositionTop; }
  void SetValuePositionTop(int value) { Store(m_valuePositionTop, value); }
  bool ValueVisible() const { return m_valueVisible; }
  void SetValueVisible(bool value) { Store(m_valueVisible, value); }
  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  int Left() const { return m_left; }
  void SetLeft(int value) { Store(m_left, value); }
  int Top() const { return m_top; }
  void SetTop(int value) { Store(m_top, value); }
  int Width() const { return m_width; }
  void SetWidth(int value) { Store(m_width, value); }
  int Height() const { return m_height; }
  void SetHeight(int value) { Store(m_height, value); }
  /// Values that are not finite are ignored.
  double Step() const { return m_step; }
  void SetStep(double value);
  double Minimum() const { return m_minimum; }
  void SetMinimum(double value) { StoreFinite(m_minimum, value); }
  double Maximum() const { return m_maximum; }
  void SetMaximum(double value) { StoreFinite(m_maximum, value); }
  double Position() const { return m_position; }
  void SetPosition(double value) { StoreFinite(m_position, value); }
  bool ProgressAnimation() const { return m_progressAnimation; }
  void SetProgressAnimation(bool value) { Store(m_progressAnimation, value); }
  bool GlowAnimation() const { return m_glowAnimation; }
  void SetGlowAnimation(bool value) { Store(m_glowAnimation, value); }

  TNotifyEvent OnChange;

private:
  template <typename T>
  void Store(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      Changed();
    }
  }
  void StoreFinite(double& field, double value);
  void Changed() { Raise(OnChange, this); }
  TRect FrameRect(const TRect& r) const;
  void DrawValue(TGPGraphics& graphics, const TRect& r, double min, double max, double position);

  std::unique_ptr<TGDIPFill> m_backGroundFill;
  QString m_valueFormat = QStringLiteral("%.0f%%");
  TGDIPProgressValueType m_valueType = TGDIPProgressValueType::vtAbsolute;
  std::unique_ptr<TGDIPFill> m_progressFill;
  int m_valuePositionTop = 0;
  int m_valuePositionLeft = 0;
  TFont m_font;
  TGDIPProgressValuePosition m_valuePosition = TGDIPProgressValuePosition::vpCenter;
  bool m_valueVisible = false;
  TFont m_progressFont;
  bool m_visible = false;
  int m_height = 17;
  int m_left = 50;
  int m_width = 300;
  int m_top = 100;
  bool m_progressAnimation = false;
  bool m_glowAnimation = false;
  double m_position = 0;
  double m_step = 10;
  double m_maximum = 100;
  double m_minimum = 0;
};
