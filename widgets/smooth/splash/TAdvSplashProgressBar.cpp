#include "widgets/smooth/splash/TAdvSplashProgressBar.h"

#include <algorithm>
#include <cmath>

#include "platform/threads/TTimer.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPRegion.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"

namespace {

struct TBarPreset {
  TStylePreset style;
  TColor bgColor, bgColorTo, bgBorder, color, colorTo, colorMirror, colorMirrorTo, border;
};

constexpr TBarPreset kPresets[] = {
    {TStylePreset::tsOffice2003Blue, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x962D00},
    {TStylePreset::tsOffice2003Silver, 0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0xECE2E1, 0xB39698, clNone, clNone, 0x947C7C},
    {TStylePreset::tsOffice2003Olive, 0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x588060},
    {TStylePreset::tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xFFFFFF, 0xC9D1D5, clNone, clNone, 0x808080},
    {TStylePreset::tsOffice2007Luna, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD},
    {TStylePreset::tsOffice2007Obsidian, 0x5C534C, 0x5C534C, 0xC0C0C0, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB,
     0x000000},
    {TStylePreset::tsWindowsXP, 0xB6B6B6, 0xB6B6B6, 0xC0C0C0, 0xFFFFFF, clBtnFace, clNone, clNone, 0x000000},
    {TStylePreset::tsWhidbey, 0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0xF5F9FA, 0xA8C0C0, clNone, clNone, 0x962D00},
    {TStylePreset::tsOffice2007Silver, 0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0xD1C7C5,
     0x000000},
    {TStylePreset::tsWindowsVista, 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A},
    {TStylePreset::tsWindows7, 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D},
    {TStylePreset::tsTerminal, clBtnFace, clBtnFace, 0x808080, 0xFFFFFF, 0xFFFFFF, clNone, clNone, 0x808080},
    {TStylePreset::tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, clNone, clNone, clNone, 0x5B391E},
    {TStylePreset::tsOffice2010Silver, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xEDE9E5, clNone, clNone, clNone, 0x7C6D66},
    {TStylePreset::tsOffice2010Black, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, clNone, clNone, clNone, 0x6D6D6D},
};

}  // namespace

TAdvSplashProgressBar::TAdvSplashProgressBar(QWidget* parent)
    : TGraphicControl(parent),
      m_animationTimer(std::make_unique<TTimer>()),
      m_appearance(std::make_unique<TGDIPSplashProgress>()) {
  SetBounds(Left(), Top(), 150, 17);
  m_appearance->OnChange = [this](TObject*) { AppearanceChanged(); };
  m_animationTimer->SetInterval(10);
  m_animationTimer->OnTimer = [this](TObject*) { AnimationTick(); };
}

TAdvSplashProgressBar::~TAdvSplashProgressBar() {
  m_animationTimer->OnTimer = nullptr;
}

void TAdvSplashProgressBar::Assign(const TAdvSplashProgressBar& source) {
  if (&source == this) {
    return;
  }
  m_step = source.m_step;
  m_minimum = source.m_minimum;
  m_maximum = source.m_maximum;
  m_position = source.m_position;
  m_glowAnimation = source.m_glowAnimation;
  m_progressAnimation = source.m_progressAnimation;
  m_appearance->Assign(source.m_appearance.get());
  Invalidate();
}

void TAdvSplashProgressBar::SetAppearance(const TGDIPSplashProgress& value) {
  if (&value != m_appearance.get()) {
    m_appearance->Assign(&value);
  }
}

void TAdvSplashProgressBar::AppearanceChanged() {
  const TGDIPSplashProgress& a = *m_appearance;
  SetBounds(a.Left(), a.Top(), a.Width(), a.Height());
  SetVisible(a.Visible());
  SetStep(a.Step());
  SetMinimum(a.Minimum());
  SetMaximum(a.Maximum());
  SetPosition(a.Position());
  SetGlowAnimation(a.GlowAnimation());
  SetProgressAnimation(a.ProgressAnimation());
  Invalidate();
}

void TAdvSplashProgressBar::PositionChanged() {
  if (OnPositionChanged) {
    OnPositionChanged(this, m_position);
  }
}

void TAdvSplashProgressBar::SetPosition(double value) {
  if (!std::isfinite(value)) {
    return;
  }
  const bool changed = StoreIfChanged(m_position, std::max(m_minimum, std::min(value, m_maximum)));
  if (Animating()) {
    m_positionTo = m_position;
  } else {
    m_positionTo = m_positionTemp = m_position;
    PositionChanged();
    Invalidate();
  }
  if (changed) {
    Raise(OnChange, this);
  }
}

void TAdvSplashProgressBar::SetMaximum(double value) {
  if (!std::isfinite(value) || !StoreIfChanged(m_maximum, value)) {
    return;
  }
  if (value < m_position) {
    if (!Animating()) {
      m_position = m_positionTemp = value;
    }
    m_positionTo = value;
  }
  Invalidate();
  Raise(OnChange, this);
}

void TAdvSplashProgressBar::SetMinimum(double value) {
  if (!std::isfinite(value) || !StoreIfChanged(m_minimum, value)) {
    return;
  }
  if (value > m_position) {
    if (!Animating()) {
      m_position = m_positionTemp = value;
    }
    m_positionTo = value;
  }
  Invalidate();
  Raise(OnChange, this);
}

void TAdvSplashProgressBar::SetStep(double value) {
  if (std::isfinite(value) && StoreIfChanged(m_step, value)) {
    Invalidate();
  }
}

void TAdvSplashProgressBar::SetGlowAnimation(bool value) {
  if (StoreIfChanged(m_glowAnimation, value)) {
    Invalidate();
  }
}

void TAdvSplashProgressBar::SetProgressAnimation(bool value) {
  if (!StoreIfChanged(m_progressAnimation, value)) {
    return;
  }
  Invalidate();
  if (!m_progressAnimation) {
    SetPosition(m_positionTo);
  }
}

bool TAdvSplashProgressBar::AnimationInProgress() const {
  return Animating() && std::abs(m_positionTemp - m_positionTo) >= 0.001;
}

void TAdvSplashProgressBar::AnimationTick() {
  if (Animating()) {
    const double step = std::abs(m_positionTo - m_positionTemp) / 15;
    if (std::abs(m_positionTemp - m_positionTo) < 0.000001) {
      m_positionTemp = m_positionTo;
      m_position = m_positionTemp;
      PositionChanged();
    } else {
      const double move = std::max(step, 0.000001);
      m_positionTemp += m_positionTemp < m_positionTo ? move : -move;
      m_position = m_positionTemp;
      PositionChanged();
      Invalidate();
    }
  }
  if (m_position > m_minimum && m_glowAnimation) {
    if (m_glowCount >= 1500) {
      m_glowPos += 3;
    }
    const TGPRectF done = m_appearance->CalculateProgressRectangle(m_rect, m_minimum, m_maximum, m_position);
    if (done.Width >= m_glowPos) {
      m_glowCount += 10;
    } else {
      m_glowCount = 0;
      m_glowPos = -60;
    }
    Invalidate();
  }
}

void TAdvSplashProgressBar::Paint() {
  TGPGraphics g(Canvas());
  g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
  g.SetTextRenderingHint(TextRenderingHint::TextRenderingHintClearTypeGridFit);
  m_rect = TRect{0, 0, Width(), Height()};
  m_appearance->Draw(g, m_rect, m_minimum, m_maximum, m_position);
  if (!m_glowAnimation || m_position <= 0) {
    return;
  }
  const TGPRectF done = m_appearance->CalculateProgressRectangle(m_rect, m_minimum, m_maximum, m_position);
  const TGPRectF inside = m_appearance->GetInsideRectF(m_rect);
  g.SetClip(TGPRegion(done));
  constexpr auto horizontal = LinearGradientMode::LinearGradientModeHorizontal;
  const float glow = float(m_glowPos);
  const TGPRectF left{glow - 30, inside.Y, 30, inside.Height};
  const TGPRectF right{glow, inside.Y, 30, inside.Height};
  g.FillRectangle(TGPLinearGradientBrush(TGPRectF{left.X - 1, left.Y - 1, left.Width + 2, left.Height + 2},
                                         ComposeArgb(0, 255, 255, 255), ComposeArgb(120, 255, 255, 255),
                                         horizontal),
                  left);
  g.FillRectangle(TGPLinearGradientBrush(TGPRectF{right.X - 1, right.Y - 1, right.Width + 2, right.Height + 2},
                                         ComposeArgb(120, 255, 255, 255), ComposeArgb(0, 255, 255, 255),
                                         horizontal),
                  right);
  g.ResetClip();
}

void TAdvSplashProgressBar::Resize() {
  TGraphicControl::Resize();
  Repaint();
}

void TAdvSplashProgressBar::SetComponentStyle(TStylePreset style) {
  for (const TBarPreset& p : kPresets) {
    if (p.style != style) {
      continue;
    }
    TGDIPFill& bg = m_appearance->BackGroundFill();
    bg.SetColor(p.bgColor);
    bg.SetColorTo(p.bgColorTo);
    bg.SetBorderColor(p.bgBorder);
    TGDIPFill& pf = m_appearance->ProgressFill();
    pf.SetColor(p.color);
    pf.SetColorTo(p.colorTo);
    pf.SetColorMirror(p.colorMirror);
    pf.SetColorMirrorTo(p.colorMirrorTo);
    pf.SetBorderColor(p.border);
    if (style != TStylePreset::tsTerminal) {
      pf.SetGradientMirrorType(TAdvGradientType::gtVertical);
    }
  }
}
