#pragma once

#include <memory>

#include <QImage>
#include <QPointer>

#include "platform/drawing/TRegion.h"
#include "platform/widgets/TForm.h"

class TAdvSmoothSplashScreen;
class TAdvSplashProgressBar;
class TGPBitmap;
class TGPGraphics;

/// The splash component's window: frameless, on top, never activated or
/// focused. Plain mode paints the layers through its canvas, with the bar
/// control as a child; layered mode draws them into an ARGB buffer and
/// presents that translucently with the constant opacity FOpacity. Made and
/// freed by the component. GUI thread only.
class TSplashScreenWindow : public TForm {
public:
  TSplashScreenWindow(TAdvSmoothSplashScreen& splash, bool stayOnTop);
  ~TSplashScreenWindow() override;

  TAdvSplashProgressBar& ProgressBar() { return *m_progressBar; }
  bool Layered() const { return m_forcedTransparent; }
  /// Switches layered mode; switching it on makes the buffer and renders.
  void SetLayered(bool value);
  int Opacity() const { return m_opacity; }
  void SetOpacity(int value) { m_opacity = value; }
  /// Layered: draws every layer again and presents; plain: repaints now.
  void Refresh();
  void RenderLayered();
  /// Hands the buffer to the screen with the current opacity.
  void PresentLayered();
  /// Clips the window to the fill's rounding.
  void SetWindowRegion();
  /// The window region (empty when none is set).
  const TRegion& WindowRegion() const { return m_region; }
  /// Blocking fades of the constant opacity (layered) or the alpha blend
  /// value (plain); see the component.
  void FadeInLayered(int step, int wait, int max);
  void FadeOutWindow(int step, int wait, int min);
  /// Plain mode's alpha blend value (255: opaque).
  int AlphaBlendValue() const { return m_alphaBlendValue; }
  void SetAlphaBlendValue(int value);
  /// The image presented last in layered mode.
  const QImage& Presented() const { return m_presented; }

protected:
  void Paint() override;
  void Click() override;
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

private:
  void PaintLayers(TGPGraphics& g);
  void DrawLayeredProgress(TGPGraphics& g);

  TAdvSmoothSplashScreen& m_splash;
  QPointer<TAdvSplashProgressBar> m_progressBar;
  bool m_forcedTransparent = false;
  std::unique_ptr<TGPBitmap> m_mainBuffer;
  int m_opacity = 5;
  int m_alphaBlendValue = 255;
  QImage m_presented;
  TRegion m_region;
};
