#include "plot/objects/TiPlotAxis.h"

#include <cmath>

#include "platform/drawing/TCanvas.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iDateTimeFormat.h"
#include "plot/base/iRounding.h"
#include "plot/base/iTimeUnits.h"

namespace {

constexpr int kTickLimit = 5000;

/// Total div step, at least 1.
int CountSteps(int total, int step) { return std::max(1, total / step); }

}  // namespace

int TiPlotAxis::TickListAdd(double position, const QString& label, TiPlotTickType style) {
  if (m_scaleType == TiPlotScaleType::ipstLog10 && !(position > 0)) {
    throw EPlotError(QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
  }
  TiPlotTickObject tick;
  tick.TickType = style;
  tick.Position = position;
  tick.Text = label;
  m_ticks.push_back(tick);
  DoChange();
  return int(m_ticks.size()) - 1;
}

void TiPlotAxis::TickListClear() {
  m_ticks.clear();
  DoChange();
}

void TiPlotAxis::SetTickListCustom(bool value) { StoreAndChange(value, m_tickListCustom); }

void TiPlotAxis::UpdateTickPixels() {
  for (TiPlotTickObject& tick : m_ticks) {
    tick.Show = PointOnScale(tick.Position);
    if (tick.Show) {
      tick.PositionPixels = PositionToPixels(tick.Position);
    }
  }
}

void TiPlotAxis::AddTick(TiPlotTickType type, double value) {
  if (!PointOnScale(value) || (m_scaleType == TiPlotScaleType::ipstLog10 && !(value > 0))) {
    return;
  }
  TiPlotTickObject tick;
  tick.TickType = type;
  tick.Position = value;
  if (type == TiPlotTickType::ipttMajor) {
    tick.Text = GetLabelText(value);
  }
  m_ticks.push_back(tick);
}

void TiPlotAxis::GenerateTicks(TCanvas& canvas) {
  m_monthModeEnabled = false;
  m_yearModeEnabled = false;
  CalcScaleRect(canvas);
  if (!m_tickListCustom) {
    m_ticks.clear();
    canvas.Font().Assign(m_labelsFont);
    const int maxLabel = GetMaxLabelWidth(canvas, m_labelsFont);
    const bool flat = m_labelsRotation == TiRotationAngle::ira000 || m_labelsRotation == TiRotationAngle::ira180;
    const double factor = m_labelSeparation + 1;
    const int zeroWidth = canvas.TextWidth(QStringLiteral("0"));
    const int zeroHeight = canvas.TextHeight(QStringLiteral("0"));
    int s = 0;
    if (Horizontal()) {
      s = flat ? RoundSafe(zeroWidth * factor + maxLabel) : RoundSafe(zeroHeight * factor);
    } else {
      s = flat ? RoundSafe(zeroHeight * factor) : RoundSafe(zeroWidth * factor + maxLabel);
    }
    s = std::max(s, 1);
    int n = std::max(1, TruncSafe(double(GetScaleLength()) / s));
    if (m_scaleType == TiPlotScaleType::ipstLog10 && m_logRange > 1) {
      GenerateLogTicks(n);
    } else {
      m_majorIncrement = 0;
      int count = 0;
      if (m_span <= 1e-299) {
        count = 1;
        m_majorIncrement = m_span;
      }
      if (count == 0 && m_desiredIncrement != 0 && !m_labelsVisible &&
          m_span / m_desiredIncrement < double(GetScaleLength()) / (m_minorCount + 1)) {
        count = RoundSafe(m_span / m_desiredIncrement);
        m_majorIncrement = m_desiredIncrement;
        n = count;
      }
      if (count == 0 && m_desiredIncrement != 0 && n > m_span / m_desiredIncrement) {
        count = RoundSafe(m_span / m_desiredIncrement);
        m_majorIncrement = m_desiredIncrement;
        n = count;
      }
      n = std::max(n, 1);
      if (count == 0) {
        if (m_labels.FormatStyle == TiPlotTextFormat::iptfDateTime) {
          ChooseDateTimeIncrement(n, count);
        } else if (m_labels.FormatStyle == TiPlotTextFormat::iptfPrice32nds) {
          ChoosePrice32ndsIncrement(n, count);
        } else {
          ChooseDecimalIncrement(n, count);
        }
      }
      if (count < 2 && n > 1) {
        m_majorIncrement /= 2;
        count = 2;
      }
      if (n < count) {
        count = n;
        m_majorIncrement = m_span / n;
      }
      const double start = std::trunc(m_min / m_majorIncrement) * m_majorIncrement;
      m_minorIncrement = m_majorIncrement / (m_minorCount + 1);
      const bool minors = m_minorCount >= 1 && !m_monthModeEnabled && !m_yearModeEnabled && m_minorIncrement != 0;
      WalkTicks(FirstTickPosition(start), minors);
    }
  }
  UpdateTickPixels();
}

double TiPlotAxis::FirstTickPosition(double start) {
  if (m_desiredStart != 0 && m_desiredStart >= m_min && m_desiredStart <= Max()) {
    double p = m_desiredStart;
    while (p > m_min) {
      const double lower = p - m_majorIncrement;
      if (lower == p) {
        break;
      }
      p = lower;
    }
    return p;
  }
  if (m_monthModeEnabled || m_yearModeEnabled) {
    // Calendar walks need a calendar range; forced directly, no events.
    m_min = std::clamp(m_min, m_monthModeEnabled ? 0.0 : -182625.0, 2593224.0);
    m_span = std::min(m_span, 36525.0);
    m_majorIncrement = std::max(m_majorIncrement, 1.0);
    UpdateLogCache();
    const int k = RoundSafe(m_majorIncrement);
    if (m_monthModeEnabled) {
      const double first = RecodeDay(m_min, 1);
      return IncMonth(RecodeMonth(first, std::max(1, MonthOf(m_min) / k * k)), -k);
    }
    const double year = IncYear(RecodeYear(m_min, YearOf(m_min) / k * k), -k);
    return RecodeDay(RecodeMonth(year, 1), 1);
  }
  return start - m_majorIncrement;
}

void TiPlotAxis::WalkTicks(double p, bool minors) {
  const double stop = Max() + m_majorIncrement;
  while (p <= stop) {
    AddTick(TiPlotTickType::ipttMajor, p);
    bool done = false;
    if (minors) {
      for (int i = 0; i < m_minorCount; ++i) {
        p += m_minorIncrement;
        AddTick(TiPlotTickType::ipttMinor, p);
      }
    } else if (m_monthModeEnabled) {
      p = IncMonth(p, RoundSafe(m_majorIncrement));
    } else if (m_yearModeEnabled) {
      p = IncYear(p, RoundSafe(m_majorIncrement));
    } else if (p + m_majorIncrement == p) {
      done = true;
    } else {
      p += m_majorIncrement;
    }
    if (int(m_ticks.size()) > kTickLimit || p + m_minorIncrement == p) {
      m_ticks.clear();
      AddTick(TiPlotTickType::ipttMajor, m_min + m_span / 2);
      return;
    }
    if (done) {
      return;
    }
    if (minors) {
      p += m_minorIncrement;
    }
  }
}

void TiPlotAxis::ChooseDecimalIncrement(int n, int& count) {
  int d = TruncSafe(std::log10(m_span) - 1 - std::log10(double(n)));
  count = 1;
  for (;;) {
    const double e = std::pow(10.0, d);
    for (const double step : {e, 2 * e, 5 * e}) {
      if (m_span / step <= n) {
        m_majorIncrement = step;
        count = RoundSafe(m_span / step);
        return;
      }
    }
    ++d;
  }
}

void TiPlotAxis::ChooseDateTimeIncrement(int n, int& count) {
  const int a = n - 1;
  struct Rung {
    int total;
    std::initializer_list<int> steps;
    double unitDays;
  };
  const Rung clock[] = {
      {DateTimeToMilliseconds(m_span), {1, 2, 5, 10, 20, 50, 100, 200, 500}, 1.0 / 86400000},
      {DateTimeToSeconds(m_span), {1, 2, 5, 10, 15, 20, 30}, 1.0 / 86400},
      {DateTimeToMinutes(m_span), {1, 2, 5, 10, 15, 20, 30}, 1.0 / 1440},
      {DateTimeToHours(m_span), {1, 2, 4, 6, 12}, 1.0 / 24},
      {TruncSafe(m_span), {1, 7, 14}, 1.0},
  };
  for (const Rung& rung : clock) {
    for (const int step : rung.steps) {
      if (a >= rung.total / step) {
        count = CountSteps(rung.total, step);
        m_majorIncrement = step * rung.unitDays;
        return;
      }
    }
  }
  const int days = TruncSafe(m_span);
  const std::pair<int, int> months[] = {{1, 31}, {2, 61}, {3, 92}, {6, 183}};
  for (const auto& [months_, divisor] : months) {
    if (a >= days / divisor) {
      count = CountSteps(days, divisor);
      m_majorIncrement = months_;
      m_monthModeEnabled = true;
      return;
    }
  }
  m_yearModeEnabled = true;
  for (int o = 1;; o *= 10) {
    const std::pair<int, int> years[] = {{o, 365 * o}, {2 * o, 730 * o}, {5 * o, 1825 * o}};
    for (const auto& [years_, divisor] : years) {
      if (a >= days / divisor || o > 100000) {
        count = CountSteps(days, divisor);
        m_majorIncrement = years_;
        return;
      }
    }
  }
}

void TiPlotAxis::ChoosePrice32ndsIncrement(int n, int& count) {
  for (const double step : {1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2}) {
    if (n >= m_span / step) {
      m_majorIncrement = step;
      count = TruncSafe(m_span / step);
      return;
    }
  }
  for (double h = 1;; h *= 10) {
    for (const double step : {h, 2 * h, 5 * h}) {
      if (n >= m_span / step) {
        m_majorIncrement = step;
        count = TruncSafe(m_span / step);
        return;
      }
    }
  }
}

void TiPlotAxis::GenerateLogTicks(int n) {
  const double decades = m_logRange;
  const double e = m_min > 0 ? m_min : 1;
  double step = 1;
  double g = 0;
  const bool perDecade = n >= decades;
  if (perDecade) {
    g = std::trunc(m_logMin) - 1;
  } else {
    step = 200;
    for (const double s : {2.0, 5.0, 10.0, 20.0, 50.0, 100.0}) {
      if (n >= decades / s) {
        step = s;
        break;
      }
    }
    g = std::trunc(std::log10(e));
  }
  const double top = e + m_span;
  for (double value = std::pow(10.0, g); value <= top; g += step, value = std::pow(10.0, g)) {
    AddTick(TiPlotTickType::ipttMajor, value);
    if (perDecade) {
      for (int i = 2; i <= 9; ++i) {
        AddTick(TiPlotTickType::ipttMinor, i * value);
      }
    }
  }
}
