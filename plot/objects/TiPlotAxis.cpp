#include "plot/objects/TiPlotAxis.h"

#include <algorithm>
#include <cmath>

#include "platform/drawing/TCanvas.h"
#include "platform/core/VectorClones.h"
#include "platform/core/VectorLog.h"
#include "plot/base/iRounding.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"

TiPlotAxis::TiPlotAxis(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                       TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)) {
  m_titleFont.SetColor(clWhite);
  m_titleFont.SetName(QStringLiteral("Arial"));
  m_titleFont.SetSize(10);
  m_titleFont.SetStyle({TFontStyle::fsBold});
  m_labelsFont.SetColor(clWhite);
  m_titleFont.OnChange = [this](TObject*) { DoChange(); };
  m_labelsFont.OnChange = [this](TObject*) { DoChange(); };
  UpdateLogCache();
}

TiPlotAxis::~TiPlotAxis() {
  m_titleFont.OnChange = nullptr;
  m_labelsFont.OnChange = nullptr;
}

namespace {

double ClampSpan(double value) {
  if (std::isnan(value) || value > 1e300) {
    return 1e300;
  }
  return value < 1e-300 ? 1e-300 : value;
}

double ClampMin(double value) {
  if (std::isnan(value) || value > 1e300) {
    return 1e300;
  }
  return value < -1e300 ? -1e300 : value;
}

/// The decimal logarithms of a log scale's ends and its pixels a decade.
struct LogScale {
  double logMin;
  double logRange;
  double pixelsPerDecade;
};

LogScale MakeLogScale(double min, double span, int actualStart, int actualStop) {
  const double m = min > 0 ? min : 1;
  const double s = span > 0 ? span : 1;
  LogScale scale;
  scale.logMin = std::log10(m);
  scale.logRange = std::log10(m + s) - scale.logMin;
  scale.pixelsPerDecade = scale.logRange != 0 ? double(actualStart - actualStop) / scale.logRange : 0;
  return scale;
}

}  // namespace

void TiPlotAxis::UpdateLogCache() {
  // Only a log scale reads the cache; a linear one tracking new data every
  // point would take two logarithms a point for nothing.
  if (m_scaleType != TiPlotScaleType::ipstLog10) {
    return;
  }
  const LogScale scale = MakeLogScale(m_min, m_span, m_actualStart, m_actualStop);
  m_logMin = scale.logMin;
  m_logRange = scale.logRange;
  m_pixelsPerDecade = scale.pixelsPerDecade;
}

void TiPlotAxis::FireMinChange(double oldValue, double newValue) {
  if (Owner()) {
    Owner()->DoAxisMinChange(this, oldValue, newValue);
  }
}

void TiPlotAxis::FireSpanChange(double oldValue, double newValue) {
  if (Owner()) {
    Owner()->DoAxisSpanChange(this, oldValue, newValue);
  }
}

void TiPlotAxis::FireMinSpanChange(double oldMin, double oldSpan, double newMin, double newSpan) {
  if (Owner()) {
    Owner()->DoAxisMinSpanChange(this, oldMin, oldSpan, newMin, newSpan);
  }
}

void TiPlotAxis::SetSpan(double value) {
  value = ClampSpan(value);
  if (value == m_span) {
    return;
  }
  const double old = m_span;
  m_span = value;
  UpdateLogCache();
  DoChange();
  if (!m_blockMinSpanEvents) {
    FireSpanChange(old, value);
    FireMinSpanChange(m_min, old, m_min, value);
  }
}

void TiPlotAxis::SetMin(double value) {
  value = ClampMin(value);
  if (value == m_min) {
    return;
  }
  const double old = m_min;
  m_min = value;
  UpdateLogCache();
  DoChange();
  if (!m_blockMinSpanEvents) {
    FireMinChange(old, value);
    FireMinSpanChange(old, m_span, value, m_span);
  }
}

void TiPlotAxis::SetMinSpan(double newMin, double newSpan) {
  if (m_scaleType == TiPlotScaleType::ipstLog10) {
    if (!(newMin > 0)) {
      newMin = 1;
    }
    if (!(newSpan > 0)) {
      newSpan = 1;
    }
  }
  if (newMin == m_min && newSpan == m_span) {
    return;
  }
  const double oldMin = m_min;
  const double oldSpan = m_span;
  const bool blockedOutside = m_blockMinSpanEvents;
  m_blockMinSpanEvents = true;
  try {
    SetMin(newMin);
    SetSpan(newSpan);
  } catch (...) {
    m_blockMinSpanEvents = blockedOutside;
    throw;
  }
  m_blockMinSpanEvents = blockedOutside;
  if (blockedOutside) {
    return;
  }
  if (newMin != oldMin) {
    FireMinChange(oldMin, newMin);
  }
  if (newSpan != oldSpan) {
    FireSpanChange(oldSpan, newSpan);
  }
  FireMinSpanChange(oldMin, oldSpan, m_min, m_span);
}

void TiPlotAxis::SetDesiredIncrement(double value) {
  if (std::isnan(value) || value > 1e300) {
    value = 1e300;
  } else if (value < 0) {
    value = 0;
  }
  if (StoreDouble(value, m_desiredIncrement)) {
    DoChange();
  }
}

void TiPlotAxis::SetDesiredStart(double value) {
  if (StoreDouble(value, m_desiredStart)) {
    DoChange();
  }
}

void TiPlotAxis::SetScaleType(TiPlotScaleType value) {
  if (value == m_scaleType) {
    return;
  }
  m_scaleType = value;
  if (value == TiPlotScaleType::ipstLog10 && !(m_min > 0)) {
    m_min = 1;
  }
  UpdateLogCache();
  DoChange();
}

void TiPlotAxis::SetReverseScale(bool value) {
  if (StoreValue(value, m_reverseScale)) {
    DoChange();
  }
}

namespace {

/// Nearest integer, halves to even, of a value first bounded to +-1e9
/// (NaN counts as 0): the magic-number form keeps the loops below free of
/// library calls.
inline std::int64_t RoundBounded(double x) {
  x = x > 1e9 ? 1e9 : (x < -1e9 ? -1e9 : x);
  x = x == x ? x : 0.0;
  constexpr double kMagic = 6755399441055744.0;  // 1.5 * 2^52
  return std::int64_t((x + kMagic) - kMagic);
}

/// RoundBounded as an int, in the form the vector units take: a rounding
/// instruction (halves to even in the default mode) and a conversion to 32
/// bits, which the bounded value fits.
[[gnu::always_inline]] inline int RoundBoundedInt(double x) {
  x = x > 1e9 ? 1e9 : (x < -1e9 ? -1e9 : x);
  x = x == x ? x : 0.0;
  return int(std::nearbyint(x));
}

/// The log-scale pixels of values, a block at a time: a block whose values
/// are all positive normal numbers takes the logarithm that vectorises, any
/// other block goes value by value (a value <= 0 counts as 1) with the same
/// logarithm for every value in its domain, so a value's pixel never depends
/// on its neighbours.
KRV_VECTOR_CLONES void LogValuesToPixels(const double* values, int* pixels, std::size_t count, int start,
                                         double logMin, double pixelsPerDecade) {
  constexpr std::size_t kBlock = 256;
  for (std::size_t begin = 0; begin < count; begin += kBlock) {
    const std::size_t size = std::min(kBlock, count - begin);
    const double* v = values + begin;
    int* p = pixels + begin;
    int outside = 0;
    for (std::size_t j = 0; j < size; ++j) {
      outside |= int(!IsLogDomain(v[j]));
    }
    if (outside == 0) {
      for (std::size_t j = 0; j < size; ++j) {
        p[j] = start - RoundBoundedInt((VectorLog10(v[j]) - logMin) * pixelsPerDecade);
      }
      continue;
    }
    for (std::size_t j = 0; j < size; ++j) {
      const double log10 = IsLogDomain(v[j]) ? VectorLog10(v[j]) : (v[j] > 0 ? std::log10(v[j]) : 0.0);
      p[j] = start - RoundBoundedInt((log10 - logMin) * pixelsPerDecade);
    }
  }
}

}  // namespace

int TiPlotAxis::PositionToPixels(double value) const {
  int pixel = 0;
  PositionsToPixels(&value, &pixel, 1);
  return pixel;
}

void TiPlotAxis::PositionsToPixels(const double* values, int* pixels, std::size_t count) const {
  if (m_actualStart == m_actualStop || m_span <= 1e-300) {
    std::fill(pixels, pixels + count, (m_actualStart + m_actualStop) / 2);
    return;
  }
  if (m_scaleType == TiPlotScaleType::ipstLinear) {
    const std::int64_t start = m_actualStart;
    const double min = m_min;
    const double scale = m_pixelsPerSpanUnit;
    for (std::size_t i = 0; i < count; ++i) {
      const std::int64_t p = start - RoundBounded((values[i] - min) * scale);
      pixels[i] = int(std::clamp<std::int64_t>(p, -32000, 32000));
    }
    return;
  }
  if (m_logRange == 0) {
    std::fill(pixels, pixels + count, 0);
    return;
  }
  LogValuesToPixels(values, pixels, count, m_actualStart, m_logMin, m_pixelsPerDecade);
}

void TiPlotAxis::Log10PositionsToPixels(const double* log10Values, int* pixels, std::size_t count) const {
  if (m_actualStart == m_actualStop || m_span <= 1e-300) {
    std::fill(pixels, pixels + count, (m_actualStart + m_actualStop) / 2);
    return;
  }
  const LogScale scale = m_scaleType == TiPlotScaleType::ipstLog10
                             ? LogScale{m_logMin, m_logRange, m_pixelsPerDecade}
                             : MakeLogScale(m_min, m_span, m_actualStart, m_actualStop);
  if (scale.logRange == 0) {
    std::fill(pixels, pixels + count, 0);
    return;
  }
  const int start = m_actualStart;
  for (std::size_t i = 0; i < count; ++i) {
    pixels[i] = start - int(RoundBounded((log10Values[i] - scale.logMin) * scale.pixelsPerDecade));
  }
}

double TiPlotAxis::PixelsToPosition(int value) const {
  double f = 0;
  if (Horizontal()) {
    const int w = m_scaleRect.Right - m_scaleRect.Left;
    if (w == 0) {
      return m_min;
    }
    f = m_reverseScale ? double(m_scaleRect.Right - value) / w : double(value - m_scaleRect.Left) / w;
  } else {
    const int h = m_scaleRect.Bottom - m_scaleRect.Top;
    if (h == 0) {
      return m_min;
    }
    f = m_reverseScale ? double(value - m_scaleRect.Top) / h : double(m_scaleRect.Bottom - value) / h;
  }
  if (m_scaleType == TiPlotScaleType::ipstLinear) {
    return m_min + m_span * f;
  }
  return std::pow(10.0, m_logMin + m_logRange * f);
}

int TiPlotAxis::WidthToPixels(double value) const {
  return std::abs(PositionToPixels(m_min + value) - PositionToPixels(m_min));
}

double TiPlotAxis::PositionToPercent(double value) const {
  return m_reverseScale ? (Max() - value) / m_span : (value - m_min) / m_span;
}

double TiPlotAxis::PercentToPosition(double value) const {
  const double share = StopPercent() - StartPercent();
  if (!(share > 0)) {
    return 0;
  }
  if (m_scaleType == TiPlotScaleType::ipstLinear) {
    if (m_reverseScale) {
      return Max() - value * m_span;
    }
    return m_min + m_span * (100 * value - StartPercent()) / share;
  }
  return std::pow(10.0, m_logMin + (m_reverseScale ? 1 - value : value) * m_logRange);
}

bool TiPlotAxis::PointOnScale(double value) const {
  const int p = PositionToPixels(value);
  if (Horizontal()) {
    return m_scaleRect.Left <= p && p <= m_scaleRect.Right;
  }
  return m_scaleRect.Top <= p && p <= m_scaleRect.Bottom;
}

void TiPlotAxis::CalcScaleRect(TCanvas& canvas) {
  canvas.Font().Assign(m_labelsFont);
  const TRect r = DrawRect();
  if (!IsCartesian()) {
    m_quadSide = Horizontal() ? (ReverseSide() ? TiQuadSide::iqsTop : TiQuadSide::iqsBottom)
                              : (ReverseSide() ? TiQuadSide::iqsRight : TiQuadSide::iqsLeft);
  } else {
    m_quadSide = Horizontal() ? TiQuadSide::iqsBottom : TiQuadSide::iqsRight;
  }
  const bool flat = m_labelsRotation == TiRotationAngle::ira000 || m_labelsRotation == TiRotationAngle::ira180;
  if (Horizontal()) {
    m_scaleRect.Top = r.Top;
    m_scaleRect.Bottom = r.Bottom;
    m_focusRect.Top = r.Top + 2;
    m_focusRect.Bottom = r.Bottom - 2;
    const int z0 = canvas.TextWidth(QStringLiteral("0"));
    int l = 0;
    if (m_labelsVisible) {
      l = flat ? GetMaxLabelWidth(canvas, m_labelsFont) : canvas.TextHeight(GetLabelText(m_min));
    }
    const int d = IsCartesian() ? 0 : RoundSafe(l / 2.0) + RoundSafe(z0 * m_stackingEndsMargin);
    m_scaleRect.Left = StartStacked() ? r.Left + d : r.Left;
    m_scaleRect.Right = StopStacked() ? r.Right - d : r.Right;
    m_focusRect.Left = m_scaleRect.Left - d;
    m_focusRect.Right = m_scaleRect.Right + d;
    m_actualStart = m_reverseScale ? m_scaleRect.Right : m_scaleRect.Left;
    m_actualStop = m_reverseScale ? m_scaleRect.Left : m_scaleRect.Right;
  } else {
    m_scaleRect.Left = r.Left;
    m_scaleRect.Right = r.Right;
    m_focusRect.Left = r.Left + 2;
    m_focusRect.Right = r.Right - 2;
    const int z0 = canvas.TextHeight(QStringLiteral("0"));
    const int l = flat ? canvas.TextHeight(GetLabelText(m_min)) : GetMaxLabelWidth(canvas, m_labelsFont);
    const int d = IsCartesian() ? 0 : (l + RoundSafe(z0 * m_stackingEndsMargin)) / 2;
    m_scaleRect.Bottom = StartStacked() ? r.Bottom - d : r.Bottom;
    m_scaleRect.Top = StopStacked() ? r.Top + d : r.Top;
    m_focusRect.Bottom = m_scaleRect.Bottom + d;
    m_focusRect.Top = m_scaleRect.Top - d;
    m_actualStart = m_reverseScale ? m_scaleRect.Top : m_scaleRect.Bottom;
    m_actualStop = m_reverseScale ? m_scaleRect.Bottom : m_scaleRect.Top;
  }
  m_pixelsPerSpanUnit = double(m_actualStart - m_actualStop) / m_span;
  if (std::isnan(m_pixelsPerSpanUnit) || std::fabs(m_pixelsPerSpanUnit) > 1e300) {
    m_pixelsPerSpanUnit = 0;
  }
  UpdateLogCache();
}

int TiPlotAxis::GetScaleLength() const {
  return Horizontal() ? m_scaleRect.Right - m_scaleRect.Left : m_scaleRect.Bottom - m_scaleRect.Top;
}

void TiPlotAxis::ZoomToRect(const TRect& rect) {
  int a = Horizontal() ? rect.Left : rect.Bottom;
  int b = Horizontal() ? rect.Right : rect.Top;
  if (m_reverseScale) {
    std::swap(a, b);
  }
  const double newMin = PixelsToPosition(a);
  SetMinSpan(newMin, PixelsToPosition(b) - newMin);
}

TiPlotAxis* TiPlotAxis::FindAxis(TiPlotObjectKind kind, const QString& name) const {
  if (Owner() == nullptr) {
    return nullptr;
  }
  TiPlotKindManager* manager = Owner()->Master().ManagerOfKind(kind);
  return manager ? dynamic_cast<TiPlotAxis*>(manager->GetObjectByName(name)) : nullptr;
}

TiPlotAxis* TiPlotAxis::GetCartesianRefAxis() {
  if (m_cartesianRefAxis == nullptr) {
    m_cartesianRefAxis = FindAxis(OtherAxisKind(), m_cartesianChildRefAxisName);
  }
  return m_cartesianRefAxis;
}

TiPlotAxis* TiPlotAxis::GetAlignRefAxis() {
  if (m_alignRefAxis == nullptr) {
    m_alignRefAxis = FindAxis(Kind(), m_alignRefAxisName);
  }
  return m_alignRefAxis;
}

bool TiPlotAxis::MouseHitTest(const TiPlotMouseData& mouseData) const {
  return m_focusRect.Contains({mouseData.X, mouseData.Y});
}

void TiPlotAxis::NotificationRemove(TObject* sender) {
  if (sender == m_cartesianRefAxis) {
    m_cartesianRefAxis = nullptr;
  }
  if (sender == m_alignRefAxis) {
    m_alignRefAxis = nullptr;
  }
}

void TiPlotAxis::NotificationRename(TObject* sender) {
  if (sender == m_cartesianRefAxis) {
    m_cartesianChildRefAxisName = m_cartesianRefAxis->Name();
  }
}

void TiPlotAxis::NotificationSetFocus(TObject* sender) {
  auto* object = dynamic_cast<TiPlotObject*>(sender);
  if (object == nullptr || object == this || !object->UserSelected()) {
    return;
  }
  const bool multiSelect =
      ShiftState().Contains(TShiftStateItem::ssShift) || ShiftState().Contains(TShiftStateItem::ssCtrl);
  if (dynamic_cast<TiPlotAxis*>(object) && multiSelect) {
    return;
  }
  SetUserSelected(false);
}
