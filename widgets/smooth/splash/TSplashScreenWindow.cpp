#include "widgets/smooth/splash/TSplashScreenWindow.h"

#include <QEvent>
#include <QPainter>

#include "platform/drawing/GdiConstants.h"
#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TAdvSplashProgressBar.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"
#include "widgets/smooth/splash/TSplashPainter.h"

TSplashScreenWindow::TSplashScreenWindow(TAdvSmoothSplashScreen& splash, bool stayOnTop) : m_splash(splash) {
  SetBorderStyle(TFormBorderStyle::bsNone);
  Qt::WindowFlags flags = Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  if (stayOnTop) {
    flags |= Qt::WindowStaysOnTopHint;
  }
  setWindowFlags(flags);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  SetColor(clWhite);
  m_progressBar = new TAdvSplashProgressBar(this);
  m_progressBar->SetVisible(false);
}

TSplashScreenWindow::~TSplashScreenWindow() = default;

void TSplashScreenWindow::SetLayered(bool value) {
  if (!StoreIfChanged(m_forcedTransparent, value)) {
    return;
  }
  if (m_forcedTransparent) {
    if (!m_mainBuffer) {
      m_mainBuffer = std::make_unique<TGPBitmap>(Width(), Height());
    }
    setAttribute(Qt::WA_TranslucentBackground);
    RenderLayered();
  }
}

void TSplashScreenWindow::Refresh() {
  if (m_forcedTransparent) {
    RenderLayered();
  } else {
    Repaint();
  }
}

void TSplashScreenWindow::PaintLayers(TGPGraphics& g) {
  TSplashPainter(m_splash, Width(), Height()).PaintAll(g);
}

void TSplashScreenWindow::DrawLayeredProgress(TGPGraphics& g) {
  if (!m_splash.ProgressBar().Visible()) {
    return;
  }
  TAdvSplashProgressBar& bar = *m_progressBar;
  const TRect r{bar.Left(), bar.Top(), bar.Left() + bar.Width(), bar.Top() + bar.Height()};
  bar.Appearance().Draw(g, r, 0, 100, bar.Position());
}

void TSplashScreenWindow::RenderLayered() {
  if (!m_forcedTransparent || !m_mainBuffer) {
    return;
  }
  {
    TGPGraphics g(m_mainBuffer.get());
    g.Clear(0);
    raise();
    PaintLayers(g);
    DrawLayeredProgress(g);
  }
  PresentLayered();
}

void TSplashScreenWindow::PresentLayered() {
  if (!m_forcedTransparent || !m_mainBuffer) {
    return;
  }
  m_presented = m_mainBuffer->NativeImage()->image;
  setWindowOpacity(m_opacity / 255.0);
  repaint();
  m_splash.NotifyPresent(m_presented, m_opacity, geometry());
}

void TSplashScreenWindow::SetWindowRegion() {
  const TGDIPFill& fill = m_splash.Fill();
  if (fill.Rounding() <= 0 || fill.RoundingType() == TFillRoundingType::rtNone) {
    return;
  }
  const int L = 0;
  const int T = 0;
  const int R = Width();
  const int B = Height();
  const int d = 2 * fill.Rounding();
  auto rounded = [d](int l, int t, int r, int b) { return TRegion::CreateRoundRectRgn(l, t, r, b, d, d); };
  TRegion a;
  TRegion b;
  switch (fill.RoundingType()) {
  case TFillRoundingType::rtTop:
    a = rounded(L, T, R + 1, B);
    b = TRegion::CreateRectRgn(L, T + d, R, B);
    break;
  case TFillRoundingType::rtBottom:
    a = TRegion::CreateRectRgn(L, T, R, B - d);
    b = rounded(L, T, R + 1, B);
    break;
  case TFillRoundingType::rtBoth:
    a = rounded(0, 0, R - L, B - T);
    b = a;
    break;
  case TFillRoundingType::rtLeft:
    a = rounded(L, T, R, B + 1);
    b = TRegion::CreateRectRgn(L + d, T, R, B);
    break;
  case TFillRoundingType::rtRight:
    a = rounded(L, T, R, B + 1);
    b = TRegion::CreateRectRgn(L, T, R - d, B);
    break;
  case TFillRoundingType::rtNone:
    return;
  }
  m_region.Combine(a, b, RGN_OR);
  setMask(m_region.ToQRegion());
}

void TSplashScreenWindow::SetAlphaBlendValue(int value) {
  m_alphaBlendValue = value;
  setWindowOpacity(value / 255.0);
}

void TSplashScreenWindow::FadeInLayered(int step, int wait, int max) {
  while (m_opacity < max) {
    if (m_opacity + step >= max) {
      m_opacity = max;
      PresentLayered();
      return;
    }
    m_opacity += step;
    PresentLayered();
    m_splash.Sleep(wait);
  }
}

void TSplashScreenWindow::FadeOutWindow(int step, int wait, int min) {
  if (m_forcedTransparent) {
    while (m_opacity > min) {
      if (m_opacity - step <= min) {
        m_opacity = min;
        PresentLayered();
        return;
      }
      m_opacity -= step;
      PresentLayered();
      m_splash.Sleep(wait);
    }
    return;
  }
  while (m_alphaBlendValue > min) {
    if (m_alphaBlendValue - step <= min) {
      SetAlphaBlendValue(min);
      return;
    }
    SetAlphaBlendValue(m_alphaBlendValue - step);
    m_splash.Sleep(3 * wait);
  }
}

void TSplashScreenWindow::Paint() {
  TForm::Paint();
  if (m_forcedTransparent) {
    return;
  }
  TGPGraphics g(Canvas());
  PaintLayers(g);
}

void TSplashScreenWindow::Click() {
  TForm::Click();
  Raise(m_splash.OnClick, &m_splash);
}

void TSplashScreenWindow::paintEvent(QPaintEvent* event) {
  if (!m_forcedTransparent) {
    TForm::paintEvent(event);
    return;
  }
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, m_presented);
}

bool TSplashScreenWindow::event(QEvent* event) {
  // The splash never takes the activation or the focus.
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::FocusIn) {
    return true;
  }
  return TForm::event(event);
}
