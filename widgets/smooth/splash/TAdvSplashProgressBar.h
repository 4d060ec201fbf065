#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "platform/core/TRect.h"
#include "platform/widgets/TGraphicControl.h"
#include "widgets/smooth/TStylePreset.h"

class TGDIPSplashProgress;
class TTimer;

/// Sender and the new position.
using TAdvSmoothProgressBarPositionChanged = std::function<void(TObject* Sender, double Value)>;

/// The progress bar the splash window shows in plain mode: paints its
/// appearance for its position, can glide to a new position (1/15 of the
/// remaining way every 10 ms) and run a glow across the done part. The
/// appearance's bounds, visibility and values follow into the control. A
/// child of the splash window, which owns it. GUI thread only.
class TAdvSplashProgressBar : public TGraphicControl {
public:
  explicit TAdvSplashProgressBar(QWidget* parent = nullptr);
  ~TAdvSplashProgressBar() override;

  /// Copies values, animation flags and appearance of another bar.
  void Assign(const TAdvSplashProgressBar& source);

  TGDIPSplashProgress& Appearance() { return *m_appearance; }
  void SetAppearance(const TGDIPSplashProgress& value);

  double Position() const { return m_position; }
  /// Values that are not finite are ignored by the value setters.
  void SetPosition(double value);
  double Minimum() const { return m_minimum; }
  void SetMinimum(double value);
  double Maximum() const { return m_maximum; }
  void SetMaximum(double value);
  double Step() const { return m_step; }
  void SetStep(double value);
  bool GlowAnimation() const { return m_glowAnimation; }
  void SetGlowAnimation(bool value);
  bool ProgressAnimation() const { return m_progressAnimation; }
  void SetProgressAnimation(bool value);
  QString Version() const { return QStringLiteral("1.2.0.0"); }

  void Next() { SetPosition(m_position + m_step); }
  void Next(double step) { SetPosition(m_position + step); }
  void Previous() { SetPosition(m_position - m_step); }
  void Previous(double step) { SetPosition(m_position - step); }
  void GoToValue(double value) { SetPosition(value); }
  void GoToStart() { SetPosition(m_minimum); }
  void GoToEnd() { SetPosition(m_maximum); }
  /// The painted position is still on its way to the target.
  bool AnimationInProgress() const;
  void SetComponentStyle(TStylePreset style);

  /// One step of the animation timer (it runs every 10 ms).
  void AnimationTick();
  /// Where the glow's centre is, in the control.
  double GlowPos() const { return m_glowPos; }

  /// Raised when a setter changes Position, Minimum or Maximum.
  TNotifyEvent OnChange;
  TAdvSmoothProgressBarPositionChanged OnPositionChanged;

protected:
  void Paint() override;
  void Resize() override;

private:
  void AppearanceChanged();
  void PositionChanged();
  bool Animating() const { return m_progressAnimation; }

  double m_positionTo = 0;
  double m_positionTemp = 0;
  TRect m_rect;
  int m_glowCount = 3000;
  double m_glowPos = -40;
  std::unique_ptr<TTimer> m_animationTimer;
  double m_maximum = 100;
  std::unique_ptr<TGDIPSplashProgress> m_appearance;
  bool m_glowAnimation = false;
  double m_minimum = 0;
  bool m_progressAnimation = false;
  double m_step = 10;
  double m_position = 0;
};
