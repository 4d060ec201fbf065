#include <cmath>

#include "plot/base/EPlotError.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotAxis.h"

void TiPlotAxis::SetTrackingEnabled(bool value) {
  if (value == m_trackingEnabled) {
    return;
  }
  m_trackingEnabled = value;
  if (m_restoreValuesOnResume) {
    if (value) {
      SetMinSpan(m_previousMin, m_previousSpan);
      SetLabelsMinLength(m_previousLabelsMinLength);
    } else {
      UpdateResumeValues();
    }
  }
  DoChange();
}

void TiPlotAxis::UpdateResumeValues() {
  m_previousMin = Min();
  m_previousSpan = Span();
  m_previousLabelsMinLength = LabelsMinLength();
}

void TiPlotAxis::NewTrackingData(double value) {
  if (!m_trackingEnabled) {
    return;
  }
  const double v = value;
  double m = Min();
  double s = Span();
  if (!m_firstAlignDone) {
    m_firstAlignDone = true;
    switch (m_trackingAlignFirstStyle) {
      case TiPlotAlignFirstStyle::ipafsMin:
        m = v;
        break;
      case TiPlotAlignFirstStyle::ipafsMax:
        m = v - Span();
        break;
      case TiPlotAlignFirstStyle::ipafsAuto:
        if (v < Min() || v > Max()) {
          m = v;
        }
        break;
      case TiPlotAlignFirstStyle::ipafsNone:
        return;
    }
    SetMinSpan(m, s);
    return;
  }
  switch (m_trackingStyle) {
    case TiPlotTrackingStyle::iptsScaleMinMax:
      if (m + Span() < v) {
        s = v - m;
      }
      if (v < m) {
        m = v;
      }
      SetMinSpan(m, s);
      AlignToIncrement();
      break;
    case TiPlotTrackingStyle::iptsScaleMax:
      if (v > Max()) {
        SetMinSpan(m, v - Max() + Span());
        AlignToIncrement();
      }
      break;
    case TiPlotTrackingStyle::iptsScaleMin:
      if (v < Min()) {
        SetMinSpan(v, Max() - v);
        AlignToIncrement();
      }
      break;
    case TiPlotTrackingStyle::iptsScrollSmooth:
    case TiPlotTrackingStyle::iptsScrollPage: {
      const bool smooth = m_trackingStyle == TiPlotTrackingStyle::iptsScrollSmooth;
      const bool over = m + Span() < v;
      if (over && m_trackingScrollCompressMax != 0) {
        if (v - m > Span()) {
          s = v - m;
        }
        if (Span() > m_trackingScrollCompressMax) {
          s = m_trackingScrollCompressMax;
        }
      }
      if (over) {
        m = smooth ? v - s : m + s;
      } else if (v < Min()) {
        m = smooth ? v : m - s;
      }
      SetMinSpan(m, s);
      break;
    }
    case TiPlotTrackingStyle::iptsExpandCollapse:
      ZoomToFit();
      AlignToIncrement();
      break;
    case TiPlotTrackingStyle::iptsExpandCollapseFast:
      ZoomToFitFast();
      AlignToIncrement();
      break;
    case TiPlotTrackingStyle::iptsExpandMinMax:
      if (v > Max()) {
        s = s + v - Max();
      }
      if (v < Min()) {
        s = Min() - v + Span();
        m = v;
      }
      SetMinSpan(m, s);
      AlignToIncrement();
      break;
  }
  if (m_trackingSpanMinimum != 0 && Span() < m_trackingSpanMinimum) {
    SetMinSpan(Mid() - m_trackingSpanMinimum / 2, m_trackingSpanMinimum);
  }
  if (m_trackingMinMargin != 0 && Min() + m_trackingMinMargin > v) {
    SetMinSpan(Min() - (Min() + m_trackingMinMargin - v), Span());
  }
  if (m_trackingMaxMargin != 0 && v > Max() - m_trackingMaxMargin) {
    SetMinSpan(Min(), v - (Max() - m_trackingMaxMargin) + Span());
  }
}

void TiPlotAxis::AlignToIncrement() {
  if (m_trackingIncrementStyle == TiPlotTrackingIncrementStyle::iptisMinimum) {
    return;
  }
  const double increment =
      m_trackingIncrementStyle == TiPlotTrackingIncrementStyle::iptisMajor ? MajorIncrement() : MinorIncrement();
  // Before the first tick generation there is no increment to align to.
  if (!(increment > 0)) {
    return;
  }
  const double oldMax = Max();
  const double oldMin = Min();
  double newMax = oldMax;
  double newMin = oldMin;
  if (std::fmod(oldMax, increment) != 0) {
    newMax = std::trunc(oldMax / increment) * increment;
    if (newMax < oldMax) {
      newMax += increment;
    }
  }
  if (std::fmod(oldMin, increment) != 0) {
    newMin = std::trunc(oldMin / increment) * increment;
    if (newMin > oldMin) {
      newMin -= increment;
    }
  }
  if (newMax != oldMax || newMin != oldMin) {
    SetMinSpan(newMin, newMax - newMin);
  }
}

void TiPlotAxis::FitTo(double maximum, double minimum, bool spanMinimum) {
  if (maximum > -1e299 && minimum < 1e299 && maximum != minimum) {
    double d = maximum - minimum;
    if (spanMinimum && m_trackingSpanMinimum != 0 && d < m_trackingSpanMinimum) {
      d = m_trackingSpanMinimum;
    }
    SetMinSpan(minimum - m_trackingMinMargin, d + m_trackingMaxMargin + m_trackingMinMargin);
  }
}

namespace {

template <typename F>
void ForEachChannelOn(TiPlotAxis& axis, F&& f) {
  const bool xAxis = axis.Kind() == TiPlotObjectKind::XAxis;
  for (TiPlotObject* object : axis.Owner()->Master().ChannelManager().Snapshot()) {
    auto* channel = dynamic_cast<TiPlotChannelCustom*>(object);
    if (channel != nullptr &&
        (xAxis ? channel->XAxisName() : channel->YAxisName()).compare(axis.Name(), Qt::CaseInsensitive) == 0) {
      f(*channel, xAxis);
    }
  }
}

}  // namespace

void TiPlotAxis::ZoomToFit() {
  double maximum = -1e300;
  double minimum = 1e300;
  ForEachChannelOn(*this, [&](TiPlotChannelCustom& c, bool xAxis) {
    maximum = std::max(maximum, xAxis ? c.GetFitXMax() : c.GetFitYMax());
    minimum = std::min(minimum, xAxis ? c.GetFitXMin() : c.GetFitYMin());
  });
  FitTo(maximum, minimum, true);
}

void TiPlotAxis::ZoomToFitFast() {
  double maximum = -1e300;
  double minimum = 1e300;
  ForEachChannelOn(*this, [&](TiPlotChannelCustom& c, bool xAxis) {
    maximum = std::max(maximum, xAxis ? c.RunningXMax() : c.RunningYMax());
    minimum = std::min(minimum, xAxis ? c.RunningXMin() : c.RunningYMin());
  });
  FitTo(maximum, minimum, false);
}

void TiPlotAxis::Zoom(double value) {
  if (ScaleType() == TiPlotScaleType::ipstLog10) {
    SetMinSpan(Min() / std::pow(10.0, value), Span() * std::pow(10.0, value));
    return;
  }
  if (!(value > 0)) {
    throw EPlotError(QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
  }
  const double newSpan = Span() * value;
  SetMinSpan((Max() + Min()) / 2 - newSpan / 2, newSpan);
}

void TiPlotAxis::ZoomBy(double exponent) {
  if (ScaleType() == TiPlotScaleType::ipstLog10) {
    SetMinSpan(Min() * std::pow(10.0, exponent), Span() / std::pow(10.0, exponent));
    return;
  }
  const double newSpan = Span() / std::pow(10.0, exponent);
  SetMinSpan((Max() + Min()) / 2 - newSpan / 2, newSpan);
}

void TiPlotAxis::ScrollBy(double fraction) {
  if (ScaleType() == TiPlotScaleType::ipstLog10) {
    const double a = std::log10(Max()) - std::log10(Min());
    double newMin = Min() * std::pow(10.0, fraction * a);
    double newMax = Max() * std::pow(10.0, fraction * a);
    if (m_scrollMinMaxEnabled) {
      if (newMin <= m_scrollMin) {
        newMin = m_scrollMin;
        newMax = m_scrollMin * std::pow(10.0, a);
      } else if (newMin + Span() >= m_scrollMax) {
        newMin = m_scrollMax / std::pow(10.0, a);
        newMax = m_scrollMax;
      }
    }
    SetMinSpan(newMin, newMax - newMin);
    return;
  }
  double newMin = Min() + fraction * Span();
  if (m_scrollMinMaxEnabled) {
    if (newMin <= m_scrollMin) {
      newMin = m_scrollMin;
    } else if (newMin + Span() >= m_scrollMax) {
      newMin = m_scrollMax - Span();
    }
  }
  SetMinSpan(newMin, Span());
}
