#include "widgets/smooth/splash/TGDIPSplashProgress.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "platform/text/CFormat.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPFont.h"
#include "widgets/gdiplus/TGPGraphics.h"

namespace {

bool OneOf(const char* set, char c) {
  return c != '\0' && std::strchr(set, c) != nullptr;
}

// A format the value may be handed to: "%%" any number of times and exactly
// one floating-point conversion with flags, width and precision written out.
bool OneFloatConversion(const QByteArray& format) {
  int conversions = 0;
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      continue;
    }
    ++i;
    if (i < format.size() && format[i] == '%') {
      continue;
    }
    while (i < format.size() && OneOf("-+ #0", format[i])) {
      ++i;
    }
    while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
      ++i;
    }
    if (i < format.size() && format[i] == '.') {
      ++i;
      while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
        ++i;
      }
    }
    if (i >= format.size() || !OneOf("fFeEgGaA", format[i])) {
      return false;
    }
    ++conversions;
  }
  return conversions == 1;
}

// Gradient bands are laid one pixel beyond their band on every side.
void GradientBand(TGPGraphics& g, const TGPRectF& band, ARGB from, ARGB to, LinearGradientMode mode) {
  if (band.Width <= 0 || band.Height <= 0) {
    return;
  }
  const TGPRectF grown{band.X - 1, band.Y - 1, band.Width + 2, band.Height + 2};
  const TGPLinearGradientBrush brush(grown, from, to, mode);
  g.FillRectangle(brush, band);
}

void EdgeShading(TGPGraphics& g, const TGPRectF& r) {
  constexpr auto horizontal = LinearGradientMode::LinearGradientModeHorizontal;
  GradientBand(g, TGPRectF{r.X, r.Y, 10, r.Height}, ComposeArgb(30, 0, 0, 0), ComposeArgb(0, 0, 0, 0), horizontal);
  GradientBand(g, TGPRectF{r.X + r.Width - 10, r.Y, 10, r.Height}, ComposeArgb(0, 0, 0, 0),
               ComposeArgb(30, 0, 0, 0), horizontal);
}

}  // namespace

TGDIPSplashProgress::TGDIPSplashProgress()
    : m_backGroundFill(std::make_unique<TGDIPFill>()), m_progressFill(std::make_unique<TGDIPFill>()) {
  m_backGroundFill->OnChange = [this](TObject*) { Changed(); };
  m_progressFill->OnChange = [this](TObject*) { Changed(); };
  m_font.OnChange = [this](TObject*) { Changed(); };
  m_progressFont.OnChange = [this](TObject*) { Changed(); };
}

TGDIPSplashProgress::~TGDIPSplashProgress() = default;

void TGDIPSplashProgress::Assign(const TObject* source) {
  const auto* other = dynamic_cast<const TGDIPSplashProgress*>(source);
  if (other == nullptr || other == this) {
    return;
  }
  const TNotifyEvent onChange = std::move(OnChange);
  OnChange = nullptr;
  m_backGroundFill->Assign(other->m_backGroundFill.get());
  m_progressFill->Assign(other->m_progressFill.get());
  m_valueFormat = other->m_valueFormat;
  m_valueType = other->m_valueType;
  m_valuePositionTop = other->m_valuePositionTop;
  m_valuePositionLeft = other->m_valuePositionLeft;
  m_valuePosition = other->m_valuePosition;
  m_valueVisible = other->m_valueVisible;
  m_font.Assign(other->m_font);
  m_progressFont.Assign(other->m_progressFont);
  m_visible = other->m_visible;
  m_height = other->m_height;
  m_width = other->m_width;
  m_left = other->m_left;
  m_top = other->m_top;
  m_step = other->m_step;
  m_minimum = other->m_minimum;
  m_maximum = other->m_maximum;
  m_position = other->m_position;
  m_glowAnimation = other->m_glowAnimation;
  m_progressAnimation = other->m_progressAnimation;
  OnChange = onChange;
  Changed();
}

void TGDIPSplashProgress::SetBackGroundFill(const TGDIPFill& value) {
  if (&value != m_backGroundFill.get()) {
    m_backGroundFill->Assign(&value);
  }
}

void TGDIPSplashProgress::SetProgressFill(const TGDIPFill& value) {
  if (&value != m_progressFill.get()) {
    m_progressFill->Assign(&value);
  }
}

void TGDIPSplashProgress::SetFont(const TFont& value) {
  if (&value != &m_font) {
    m_font.Assign(value);
  }
}

void TGDIPSplashProgress::SetProgressFont(const TFont& value) {
  if (&value != &m_progressFont) {
    m_progressFont.Assign(value);
  }
}

void TGDIPSplashProgress::SetVisible(bool value) {
  m_visible = value;
  Changed();
}

void TGDIPSplashProgress::SetStep(double value) {
  if (std::isfinite(value)) {
    m_step = value;
  }
}

void TGDIPSplashProgress::StoreFinite(double& field, double value) {
  if (std::isfinite(value)) {
    Store(field, value);
  }
}

TRect TGDIPSplashProgress::FrameRect(const TRect& r) const {
  TRect f{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
  if (m_backGroundFill->BorderColor() != clNone) {
    const int inset = m_backGroundFill->BorderInset();
    f = TRect{f.Left + inset, f.Top + inset, f.Right - inset, f.Bottom - inset};
  }
  return f;
}

TGPRectF TGDIPSplashProgress::GetInsideRectF(const TRect& r) const {
  const TRect f = FrameRect(r);
  return TGPRectF{float(f.Left), float(f.Top), float(f.Right - f.Left), float(f.Bottom - f.Top)};
}

TGPRectF TGDIPSplashProgress::CalculateProgressRectangle(const TRect& r, double min, double max,
                                                         double position) const {
  const TRect f = FrameRect(r);
  const int b = m_progressFill->BorderWidth();
  const bool border = m_progressFill->BorderColor() != clNone && b != 0;
  const double full = double(border ? f.Right - b : f.Right) - f.Left;
  double done = 0;
  if (max - min > 0) {
    done = std::min(full, (position - min) / (max - min) * full);
  }
  if (border) {
    return TGPRectF{float(f.Left + b / 2.0), float(f.Top + b / 2.0), float(done), float(f.Bottom - b - f.Top)};
  }
  return TGPRectF{float(f.Left), float(f.Top), float(done), float(f.Bottom - f.Top)};
}

QString TGDIPSplashProgress::ValueText(double min, double max, double position) const {
  const QByteArray format = m_valueFormat.toUtf8();
  if (!OneFloatConversion(format)) {
    return {};
  }
  const double clamped = std::clamp(position, std::min(min, max), std::max(min, max));
  double value = clamped;
  if (m_valueType == TGDIPProgressValueType::vtPercentage) {
    value = min < max ? (clamped - min) / (max - min) * 100 : max;
  }
  return FormatC(format.constData(), value);
}

void TGDIPSplashProgress::DrawValue(TGPGraphics& g, const TRect& r, double min, double max, double position) {
  const QString text = ValueText(min, max, position);
  if (text.isEmpty()) {
    return;
  }
  const TGPRectF inside = GetInsideRectF(r);
  const TGPRectF done = CalculateProgressRectangle(r, min, max, position);
  auto measure = [&](const TFont& font) {
    const std::unique_ptr<TGPFont> gpFont = TGPGraphics::MakeFont(font);
    TGPRectF box;
    g.MeasureString(text, int(text.size()), gpFont.get(), inside, box);
    return box;
  };
  const TGPRectF box = measure(m_font);
  const double tw = box.Width;
  double q = (inside.Height - box.Height) / 2;
  double x = inside.X;
  switch (m_valuePosition) {
  case TGDIPProgressValuePosition::vpProgressCenter:
    x = done.Width >= tw ? inside.X + (done.Width - tw) / 2 : inside.X;
    break;
  case TGDIPProgressValuePosition::vpProgressRight:
    x = done.Width >= tw ? inside.X + done.Width - tw : inside.X;
    break;
  case TGDIPProgressValuePosition::vpCenter:
    x = r.Left + (inside.Width - tw) / 2;
    break;
  case TGDIPProgressValuePosition::vpLeft:
    x = inside.X;
    break;
  case TGDIPProgressValuePosition::vpRight:
    x = r.Left + inside.Width - tw;
    break;
  case TGDIPProgressValuePosition::vpCustom:
    x = r.Left + m_valuePositionLeft;
    q = m_valuePositionTop;
    break;
  }
  const TFont& font = done.X + done.Width > x + tw / 2 ? m_progressFont : m_font;
  const std::unique_ptr<TGPFont> gpFont = TGPGraphics::MakeFont(font);
  const TGPSolidBrush brush(OpaqueArgbFromColor(font.Color()));
  g.DrawString(text, int(text.size()), gpFont.get(), TGPPointF{float(x), float(r.Top + q)}, &brush);
}

void TGDIPSplashProgress::Draw(TGPGraphics& g, const TRect& r, double min, double max, double position) {
  m_backGroundFill->Fill(&g, TGPRectF{float(r.Left), float(r.Top), float(r.Right - r.Left - 1),
                                      float(r.Bottom - r.Top - 1)});
  const TGPRectF done = CalculateProgressRectangle(r, min, max, position);
  m_progressFill->Fill(&g, done);
  if (done.Width > 0) {
    EdgeShading(g, done);
  }
  EdgeShading(g, GetInsideRectF(r));
  if (m_valueVisible) {
    DrawValue(g, r, min, max, position);
  }
  const TRect f = FrameRect(r);
  const float h = float(f.Bottom - f.Top);
  constexpr auto vertical = LinearGradientMode::LinearGradientModeVertical;
  GradientBand(g, TGPRectF{float(f.Left), float(f.Top), float(f.Right - f.Left), float(h / 2.5)},
               ComposeArgb(180, 255, 255, 255), ComposeArgb(0, 255, 255, 255), vertical);
  const float h5 = h / 5;
  GradientBand(g, TGPRectF{float(f.Left), float(f.Bottom - h5), float(f.Right - f.Left), h5},
               ComposeArgb(0, 255, 255, 255), ComposeArgb(255, 255, 255, 255), vertical);
}
