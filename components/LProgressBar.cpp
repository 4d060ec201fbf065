#include "components/LProgressBar.h"

#include <algorithm>

#include "components/PlotPixel.h"
#include "platform/widgets/TShape.h"

LProgressBar::LProgressBar(QWidget* parent) : TCustomControl(parent) {
  SetBounds(Left(), Top(), 14, 132);
  SetColor(clBlack);
  m_laidOutWidth = 14;
  m_laidOutHeight = 132;
  const int count = m_firstNum + m_secondNum + m_thirdNum;
  for (int k = 0; k < count; ++k) {
    m_segments.push_back(new TShape(this));
  }
  Rename();
  LayOut();
  Darken();
}

void LProgressBar::Darken() {
  for (int k = 1; k <= SegmentCount(); ++k) {
    Segment(k)->Brush().SetColor(DarkColor(ZoneOf(k)));
  }
}

LProgressBar::Zone LProgressBar::ZoneOf(int segment) const {
  if (segment <= m_firstNum) {
    return TopZone;
  }
  return segment <= m_firstNum + m_secondNum ? MiddleZone : BottomZone;
}

TColor LProgressBar::DarkColor(Zone zone) const {
  return zone == TopZone ? m_firstColor : zone == MiddleZone ? m_secondColor : m_thirdColor;
}

TShape* LProgressBar::Segment(int number) const { return m_segments[std::size_t(number - 1)]; }

void LProgressBar::Rename() {
  for (std::size_t i = 0; i < m_segments.size(); ++i) {
    m_segments[i]->SetName(QStringLiteral("shape%1").arg(i + 1));
  }
}

// Segment k of N: full width, height H div N + 2, top trunc(H / N x (k - 1)) - 1.
void LProgressBar::LayOut() {
  const int n = int(m_segments.size());
  const int w = Width();
  const int h = Height();
  for (int k = 1; k <= n; ++k) {
    Segment(k)->SetBounds(0, PixelTrunc(double(h) / n * (k - 1)) - 1, w, h / n + 2);
  }
}

void LProgressBar::SetDarkColor(Zone zone, TColor& field, TColor value) {
  if (value == field) {
    return;
  }
  field = value;
  for (int k = 1; k <= SegmentCount(); ++k) {
    if (ZoneOf(k) == zone) {
      Segment(k)->Brush().SetColor(value);
    }
  }
}

void LProgressBar::SetLitColor(Zone zone, TColor& field, TColor value) {
  if (value == field) {
    return;
  }
  for (int k = 1; k <= SegmentCount(); ++k) {
    TShape* segment = Segment(k);
    if (ZoneOf(k) == zone && segment->Brush().Color() == field) {
      segment->Brush().SetColor(value);
    }
  }
  field = value;
}

void LProgressBar::SetFirstColor(TColor value) { SetDarkColor(TopZone, m_firstColor, value); }
void LProgressBar::SetSecondColor(TColor value) { SetDarkColor(MiddleZone, m_secondColor, value); }
void LProgressBar::SetThirdColor(TColor value) { SetDarkColor(BottomZone, m_thirdColor, value); }
void LProgressBar::SetLFirstColor(TColor value) { SetLitColor(TopZone, m_lFirstColor, value); }
void LProgressBar::SetLSecondColor(TColor value) { SetLitColor(MiddleZone, m_lSecondColor, value); }
void LProgressBar::SetLThirdColor(TColor value) { SetLitColor(BottomZone, m_lThirdColor, value); }

void LProgressBar::SetZoneCount(Zone zone, int value) {
  value = std::max(value, 0);
  int* counts[] = {&m_firstNum, &m_secondNum, &m_thirdNum};
  int& count = *counts[zone];
  if (value == count) {
    return;
  }
  int zoneEnd = 0;
  for (int z = 0; z <= zone; ++z) {
    zoneEnd += *counts[z];
  }
  for (; count < value; ++count, ++zoneEnd) {
    m_segments.insert(m_segments.begin() + zoneEnd, new TShape(this));
  }
  for (; count > value; --count, --zoneEnd) {
    delete m_segments[std::size_t(zoneEnd - 1)];
    m_segments.erase(m_segments.begin() + (zoneEnd - 1));
  }
  Rename();
  LayOut();
  Darken();
}

void LProgressBar::SetFirstNum(int value) { SetZoneCount(TopZone, value); }
void LProgressBar::SetSecondNum(int value) { SetZoneCount(MiddleZone, value); }
void LProgressBar::SetThirdNum(int value) { SetZoneCount(BottomZone, value); }

void LProgressBar::SetPosition(int value) {
  const int n = SegmentCount();
  if (value == m_position || m_max <= 0 || n <= 0) {
    return;
  }
  m_position = value > m_max ? m_max : value < m_min ? m_min : value;
  const float step = float(double(m_max) / n);
  int lit = std::min(PixelTrunc(double(static_cast<long double>(m_position) / step)), n);
  if (value >= m_max && lit < n) {
    ++lit;
  }
  lit = std::max(lit, 0);
  const TColor dark[] = {m_firstColor, m_secondColor, m_thirdColor};
  const TColor bright[] = {m_lFirstColor, m_lSecondColor, m_lThirdColor};
  for (int q = 0; q < lit; ++q) {
    Recolour(*Segment(n - q), dark, bright);
  }
  for (int q = 0; q < n - lit; ++q) {
    Recolour(*Segment(q + 1), bright, dark);
  }
}

// The zone is read from the present colour, first zone first: a segment
// whose fill is from[z] takes to[z]; any other keeps its colour.
void LProgressBar::Recolour(TShape& segment, const TColor (&from)[3], const TColor (&to)[3]) {
  const TColor colour = segment.Brush().Color();
  for (int zone = 0; zone < 3; ++zone) {
    if (colour == from[zone]) {
      segment.Brush().SetColor(to[zone]);
      return;
    }
  }
}

void LProgressBar::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  Resize();
}

// A size change lays the segments out again (colours stay).
void LProgressBar::Resize() {
  if (m_laidOutWidth != 0 && (Width() != m_laidOutWidth || Height() != m_laidOutHeight)) {
    m_laidOutWidth = Width();
    m_laidOutHeight = Height();
    LayOut();
  }
  TCustomControl::Resize();
}

// Lowered outer and inner bevels, one pixel each, over the background.
void LProgressBar::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  for (int bevel = 0; bevel < 2; ++bevel) {
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen().SetColor(clBtnHighlight);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
    r = InflateRect(r, -1, -1);
  }
}
