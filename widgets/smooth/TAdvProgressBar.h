#pragma once

#include <memory>

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"
#include "platform/core/TRect.h"
#include "platform/widgets/TGraphicControl.h"

class TCanvas;
class TTimer;

enum class TGaugeOrientation { goHorizontal, goVertical };

/// What the progress bar hands its painter.
struct TGaugeSettings {
  TColor Level0Color = clNone;
  TColor Level0ColorTo = clNone;
  TColor Level1Color = clNone;
  TColor Level1ColorTo = clNone;
  TColor Level2Color = clNone;
  TColor Level2ColorTo = clNone;
  TColor Level3Color = clNone;
  TColor Level3ColorTo = clNone;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clGray;
  TColor Level0BkColor = clNone;
  TColor Level1BkColor = clNone;
  TColor Level2BkColor = clNone;
  bool ShowBorder = true;
  bool Stacked = false;
  bool ShowPercentage = true;
  bool ShowPosition = true;
  const TFont* Font = nullptr;
  bool CompletionSmooth = false;
  bool ShowGradient = true;
  int Steps = 8;
  int Position = 0;  ///< percentage 0..100
  int Value = 0;  ///< raw position
  int Max = 100;
  TColor BackgroundColor = clWhite;
  TGaugeOrientation Orientation = TGaugeOrientation::goHorizontal;
  bool Rounded = true;
  TColor ParentColor = clBtnFace;
  QString Format;
  bool Infinite = false;
  int InfinitePos = 0;
};

/// Draws a gauge into r of the canvas (GDI only): frame, level zones, the
/// bar as one segment or 7-pixel blocks (stacked by level or in the colour
/// pair of the level reached), the busy window and the text. With Rounded
/// the corners outside the frame are fuchsia.
void DrawGauge(TCanvas& canvas, const TRect& r, const TGaugeSettings& settings);

/// The level-coloured progress bar of the progress window: a windowless
/// control showing Position between Min and Max in the colour pair of the
/// percentage reached, with the percentage or value written over it, or a
/// moving window in busy mode. SetPosition paints at once, and only when
/// the position reaches a new hundredth of the range or the percentage
/// changes; a value outside the range is clamped without painting. Owned
/// by its parent. GUI thread only.
class TAdvProgressBar : public TGraphicControl {
public:
  explicit TAdvProgressBar(QWidget* parent = nullptr);
  ~TAdvProgressBar() override;

  int Min() const { return m_min; }
  void SetMin(int value);
  int Max() const { return m_max; }
  void SetMax(int value);
  int Position() const { return m_position; }
  void SetPosition(int value);
  /// The percentage of Position within the range (0 when Max = Min).
  int Percentage() const;

  TColor Level0Color() const { return m_levels.Level0Color; }
  void SetLevel0Color(TColor v) { Store(m_levels.Level0Color, v); }
  TColor Level0ColorTo() const { return m_levels.Level0ColorTo; }
  void SetLevel0ColorTo(TColor v) { Store(m_levels.Level0ColorTo, v); }
  TColor Level1Color() const { return m_levels.Level1Color; }
  void SetLevel1Color(TColor v) { Store(m_levels.Level1Color, v); }
  TColor Level1ColorTo() const { return m_levels.Level1ColorTo; }
  void SetLevel1ColorTo(TColor v) { Store(m_levels.Level1ColorTo, v); }
  TColor Level2Color() const { return m_levels.Level2Color; }
  void SetLevel2Color(TColor v) { Store(m_levels.Level2Color, v); }
  TColor Level2ColorTo() const { return m_levels.Level2ColorTo; }
  void SetLevel2ColorTo(TColor v) { Store(m_levels.Level2ColorTo, v); }
  TColor Level3Color() const { return m_levels.Level3Color; }
  void SetLevel3Color(TColor v) { Store(m_levels.Level3Color, v); }
  TColor Level3ColorTo() const { return m_levels.Level3ColorTo; }
  void SetLevel3ColorTo(TColor v) { Store(m_levels.Level3ColorTo, v); }
  int Level1Perc() const { return m_levels.Level1Perc; }
  void SetLevel1Perc(int v) { Store(m_levels.Level1Perc, v); }
  int Level2Perc() const { return m_levels.Level2Perc; }
  void SetLevel2Perc(int v) { Store(m_levels.Level2Perc, v); }
  TColor Level0BkColor() const { return m_levels.Level0BkColor; }
  void SetLevel0BkColor(TColor v);
  TColor Level1BkColor() const { return m_levels.Level1BkColor; }
  void SetLevel1BkColor(TColor v);
  TColor Level2BkColor() const { return m_levels.Level2BkColor; }
  void SetLevel2BkColor(TColor v);
  TColor BackgroundColor() const { return m_levels.BackgroundColor; }
  void SetBackgroundColor(TColor v) { Store(m_levels.BackgroundColor, v); }
  TColor BorderColor() const { return m_levels.BorderColor; }
  void SetBorderColor(TColor v) { Store(m_levels.BorderColor, v); }
  bool ShowBorder() const { return m_levels.ShowBorder; }
  void SetShowBorder(bool v) { Store(m_levels.ShowBorder, v); }
  bool Stacked() const { return m_levels.Stacked; }
  void SetStacked(bool v) { Store(m_levels.Stacked, v); }
  bool ShowPercentage() const { return m_levels.ShowPercentage; }
  void SetShowPercentage(bool v) { Store(m_levels.ShowPercentage, v); }
  bool ShowPosition() const { return m_levels.ShowPosition; }
  void SetShowPosition(bool v) { Store(m_levels.ShowPosition, v); }
  bool CompletionSmooth() const { return m_levels.CompletionSmooth; }
  void SetCompletionSmooth(bool v) { Store(m_levels.CompletionSmooth, v); }
  bool ShowGradient() const { return m_levels.ShowGradient; }
  void SetShowGradient(bool v) { Store(m_levels.ShowGradient, v); }
  int Steps() const { return m_levels.Steps; }
  void SetSteps(int v) { Store(m_levels.Steps, v); }
  TGaugeOrientation Orientation() const { return m_levels.Orientation; }
  void SetOrientation(TGaugeOrientation v) { Store(m_levels.Orientation, v); }
  bool Rounded() const { return m_levels.Rounded; }
  void SetRounded(bool v) { Store(m_levels.Rounded, v); }
  QString Format() const { return m_levels.Format; }
  void SetFormat(const QString& v) { Store(m_levels.Format, v); }
  const TFont& GaugeFont() const { return m_fontPercentage; }
  /// Copies the font; its change repaints.
  void SetGaugeFont(const TFont& font) { m_fontPercentage.Assign(font); }
  bool Infinite() const { return m_levels.Infinite; }
  void SetInfinite(bool value);
  bool Animated() const { return m_animated; }
  void SetAnimated(bool value);
  int InfiniteInterval() const { return m_infiniteInterval; }
  void SetInfiniteInterval(int value);
  int InfinitePos() const { return m_infinitePos; }
  QString Version() const { return QStringLiteral("1.2.0.1"); }

  /// One step of the busy window (what the timer runs).
  void InfiniteTimerTick();

protected:
  void Paint() override;

private:
  template <typename T>
  void Store(T& field, const T& value) {
    field = value;
    Invalidate();
  }
  void UpdateTimer();

  TGaugeSettings m_levels;  ///< appearance; Position, Value, Max filled per paint
  int m_min = 0;
  int m_max = 100;
  int m_position = 50;
  TFont m_fontPercentage;
  std::unique_ptr<TTimer> m_timer;
  bool m_animated = false;
  int m_infiniteInterval = 50;
  int m_infinitePos = 0;
  bool m_infiniteInc = false;
  int m_oldPos = 0;
  int m_oldBlockPos = 0;
  int m_maxIncrement = 1;
};
