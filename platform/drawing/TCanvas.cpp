#include "platform/drawing/TCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include <QPainter>

#include "platform/drawing/Blit.h"
#include "platform/drawing/Raster.h"
#include "platform/pictures/TGraphic.h"
#include "platform/drawing/TwoPixelPen.h"

namespace {
// Drawing on no image, or on an empty one, does nothing (and opens no painter).
bool NoPixels(const QImage* image) { return image == nullptr || image->isNull(); }

constexpr QRgb kOpaque = 0xFF000000u;
// Lines are cut to this margin around the image before they are stepped.
constexpr int kLineMargin = 64;

// Binary raster operation: bit (2 * pen + dest) of the table (mode index)
// gives the result bit.
QRgb ApplyRop2(QRgb pen, QRgb dest, TPenMode mode) {
  const unsigned t = unsigned(mode);
  const QRgb p = pen & 0xFFFFFFu;
  const QRgb d = dest & 0xFFFFFFu;
  QRgb out = 0;
  if (t & 8u) out |= p & d;
  if (t & 4u) out |= p & ~d;
  if (t & 2u) out |= ~p & d;
  if (t & 1u) out |= ~p & ~d;
  return kOpaque | (out & 0xFFFFFFu);
}

// On/off run lengths of the styled one-pixel pens.
const std::vector<int>& DashPattern(TPenStyle style) {
  static const std::vector<int> solid;
  static const std::vector<int> dash{18, 6};
  static const std::vector<int> dot{3, 3};
  static const std::vector<int> dashDot{9, 6, 3, 6};
  static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
  static const std::vector<int> alternate{1, 1};
  switch (style) {
    case TPenStyle::psDash:
      return dash;
    case TPenStyle::psDot:
      return dot;
    case TPenStyle::psDashDot:
      return dashDot;
    case TPenStyle::psDashDotDot:
      return dashDotDot;
    case TPenStyle::psAlternate:
      return alternate;
    default:
      return solid;
  }
}

// Set bits are lines; bit 7 is the leftmost pixel.
constexpr std::array<std::array<std::uint8_t, 8>, 6> kHatches = {{
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
}};

bool PatternBit(const std::array<std::uint8_t, 8>& rows, int dx, int dy) {
  return ((rows[std::size_t(dy & 7)] >> (7 - (dx & 7))) & 1) != 0;
}

TRect Normalized(int left, int top, int right, int bottom) {
  return Rect(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom));
}
}  // namespace

TCanvas::TCanvas() : TCanvas(nullptr) {}

TCanvas::TCanvas(QImage* target) : m_target(target) {
  m_brush.OnChange = [this](TObject*) { BrushChanged(); };
  m_font.OnChange = [this](TObject*) { FontChanged(); };
  m_pen.OnChange = [this](TObject*) { PenChanged(); };
  BrushChanged();
  FontChanged();
}

TCanvas::~TCanvas() = default;

void TCanvas::SetTarget(QImage* target) {
  m_target = target;
  m_saved.clear();
  const TColor bk = m_state.bkColor;
  const TColor text = m_state.textColor;
  const int mode = m_state.bkMode;
  m_state = State{};
  m_state.bkColor = bk;
  m_state.textColor = text;
  m_state.bkMode = mode;
}

// As in the class library: only a solid brush gives text and styled lines
// an opaque background; every other style leaves what lies below (a hatch's
// gaps included).
void TCanvas::BrushChanged() {
  m_state.bkColor = m_brush.Color();
  m_state.bkMode = m_brush.Style() == TBrushStyle::bsSolid ? OPAQUE : TRANSPARENT;
}

void TCanvas::FontChanged() { m_state.textColor = m_font.Color(); }

void TCanvas::PenChanged() { m_dashPhase = 0; }

TColor TCanvas::SetBkColor(TColor color) { return std::exchange(m_state.bkColor, color); }
TColor TCanvas::SetTextColor(TColor color) { return std::exchange(m_state.textColor, color); }
int TCanvas::SetBkMode(int mode) { return std::exchange(m_state.bkMode, mode); }
unsigned TCanvas::SetTextAlign(unsigned align) { return std::exchange(m_state.textAlign, align); }
int TCanvas::SetPolyFillMode(int mode) { return std::exchange(m_state.polyFillMode, mode); }
TPoint TCanvas::SetViewportOrg(int x, int y) { return std::exchange(m_state.viewportOrg, Point(x, y)); }
TPoint TCanvas::SetWindowOrg(int x, int y) { return std::exchange(m_state.windowOrg, Point(x, y)); }

TPoint TCanvas::OffsetViewportOrg(int dx, int dy) {
  const TPoint old = m_state.viewportOrg;
  m_state.viewportOrg = Point(old.X + dx, old.Y + dy);
  return old;
}

TPoint TCanvas::LogicalToDevice(TPoint p) const {
  return {p.X - m_state.windowOrg.X + m_state.viewportOrg.X, p.Y - m_state.windowOrg.Y + m_state.viewportOrg.Y};
}

int TCanvas::SaveDC() {
  m_saved.push_back({m_state, m_pen, m_brush, m_font});
  return int(m_saved.size());
}

bool TCanvas::RestoreDC(int level) {
  if (level < 0) {
    level = int(m_saved.size()) + 1 + level;
  }
  if (level < 1 || level > int(m_saved.size())) {
    return false;
  }
  Saved saved = std::move(m_saved[std::size_t(level - 1)]);
  m_saved.resize(std::size_t(level - 1));
  m_pen.Assign(saved.pen);
  m_brush.Assign(saved.brush);
  m_font.Assign(saved.font);
  m_state = saved.state;
  return true;
}

void TCanvas::SelectClipRgn(const TRegion* region) {
  if (region == nullptr) {
    m_state.clip.reset();
  } else {
    m_state.clip = *region;
  }
}

void TCanvas::IntersectClipRect(int left, int top, int right, int bottom) {
  const TPoint a = LogicalToDevice({left, top});
  const TPoint b = LogicalToDevice({right, bottom});
  const TRegion rect = TRegion::CreateRectRgn(a.X, a.Y, b.X, b.Y);
  if (!m_state.clip) {
    m_state.clip = rect;
  } else {
    m_state.clip->Combine(*m_state.clip, rect, RGN_AND);
  }
}

void TCanvas::ExcludeClipRect(int left, int top, int right, int bottom) {
  const TPoint a = LogicalToDevice({left, top});
  const TPoint b = LogicalToDevice({right, bottom});
  const TRegion rect = TRegion::CreateRectRgn(a.X, a.Y, b.X, b.Y);
  if (!m_state.clip) {
    m_state.clip = m_target ? TRegion::CreateRectRgn(0, 0, m_target->width(), m_target->height()) : TRegion();
  }
  m_state.clip->Combine(*m_state.clip, rect, RGN_DIFF);
}

TRect TCanvas::ClipRect() const {
  if (m_target == nullptr) {
    return {};
  }
  TRect device = Rect(0, 0, m_target->width(), m_target->height());
  if (m_state.clip) {
    device = IntersectRect(device, m_state.clip->BoundingBox());
  }
  const int dx = m_state.windowOrg.X - m_state.viewportOrg.X;
  const int dy = m_state.windowOrg.Y - m_state.viewportOrg.Y;
  return OffsetRect(device, dx, dy);
}

bool TCanvas::DeviceContains(int dx, int dy) const {
  if (m_target == nullptr || dx < 0 || dy < 0 || dx >= m_target->width() || dy >= m_target->height()) {
    return false;
  }
  return !m_state.clip || m_state.clip->Contains(dx, dy);
}

QRgb TCanvas::DevicePixel(int dx, int dy) const {
  return reinterpret_cast<const QRgb*>(m_target->constScanLine(dy))[dx];
}

QRgb TCanvas::Realize(QRgb rgb) const {
  if (m_monochrome) {
    return qRed(rgb) + qGreen(rgb) + qBlue(rgb) > 382 ? 0xFFFFFFFFu : kOpaque;
  }
  return kOpaque | rgb;
}

void TCanvas::PutDevicePixel(int dx, int dy, QRgb rgb) {
  if (DeviceContains(dx, dy)) {
    reinterpret_cast<QRgb*>(m_target->scanLine(dy))[dx] = Realize(rgb);
  }
}

void TCanvas::ForEachClippedRun(int y, int x0, int x1, const std::function<void(int a, int b)>& run) const {
  if (m_target == nullptr || y < 0 || y >= m_target->height()) {
    return;
  }
  x0 = std::max(x0, 0);
  x1 = std::min(x1, m_target->width());
  if (x0 >= x1) {
    return;
  }
  if (!m_state.clip) {
    run(x0, x1);
    return;
  }
  for (const QRect& r : m_state.clip->ToQRegion()) {
    if (y < r.top() || y > r.bottom()) {
      continue;
    }
    const int a = std::max(x0, r.left());
    const int b = std::min(x1, r.right() + 1);
    if (a < b) {
      run(a, b);
    }
  }
}

QRgb TCanvas::BrushPixel(int dx, int dy, bool& draw) const {
  draw = true;
  switch (m_brush.Style()) {
    case TBrushStyle::bsClear:
      draw = false;
      return 0;
    case TBrushStyle::bsSolid:
      return ColorToQRgb(m_brush.Color());
    case TBrushStyle::bsPattern:
      return ColorToQRgb(PatternBit(m_brush.Pattern(), dx, dy) ? m_state.bkColor : m_state.textColor);
    default:
      break;
  }
  const auto& hatch = kHatches[std::size_t(int(m_brush.Style()) - int(TBrushStyle::bsHorizontal))];
  if (PatternBit(hatch, dx, dy)) {
    return ColorToQRgb(m_brush.Color());
  }
  draw = m_state.bkMode == OPAQUE;
  return ColorToQRgb(m_state.bkColor);
}

QRgb TCanvas::PatternPixel(int dx, int dy) const {
  bool draw = false;
  const QRgb rgb = BrushPixel(dx, dy, draw);
  return draw ? rgb : kOpaque;
}

void TCanvas::FillDeviceSpan(int y, int x0, int x1, bool useRop) {
  if (m_brush.Style() == TBrushStyle::bsClear) {
    return;
  }
  const TPenMode mode = useRop ? m_pen.Mode() : TPenMode::pmCopy;
  const bool solid = m_brush.Style() == TBrushStyle::bsSolid && mode == TPenMode::pmCopy;
  const QRgb solidColor = Realize(ColorToQRgb(m_brush.Color()));
  ForEachClippedRun(y, x0, x1, [&](int a, int b) {
    QRgb* line = reinterpret_cast<QRgb*>(m_target->scanLine(y));
    if (solid) {
      std::fill(line + a, line + b, solidColor);
      return;
    }
    for (int x = a; x < b; ++x) {
      bool draw = false;
      const QRgb brush = BrushPixel(x, y, draw);
      if (draw) {
        line[x] = Realize(mode == TPenMode::pmCopy ? brush : ApplyRop2(brush, line[x], mode));
      }
    }
  });
}

void TCanvas::PlotPen(int dx, int dy, QRgb pen) {
  if (!DeviceContains(dx, dy)) {
    return;
  }
  QRgb& pixel = reinterpret_cast<QRgb*>(m_target->scanLine(dy))[dx];
  pixel = Realize(m_pen.Mode() == TPenMode::pmCopy ? pen : ApplyRop2(pen, pixel, m_pen.Mode()));
}

void TCanvas::DrawPenLine(TPoint from, TPoint to) {
  if (m_pen.Style() == TPenStyle::psClear || NoPixels(m_target)) {
    return;
  }
  if (m_pen.Width() > 1) {
    DrawWideLines({from, to}, false);
    return;
  }
  const QRgb pen = ColorToQRgb(m_pen.Color());
  const QRgb gap = ColorToQRgb(m_state.bkColor);
  const bool opaqueGaps = m_state.bkMode == OPAQUE;
  const std::vector<int>& pattern = DashPattern(m_pen.Style());
  int period = 0;
  for (int run : pattern) {
    period += run;
  }
  TPoint a = LogicalToDevice(from);
  TPoint b = LogicalToDevice(to);
  const TRect reach = InflateRect(Rect(0, 0, m_target->width(), m_target->height()), kLineMargin, kLineMargin);
  if ((!reach.Contains(a) || !reach.Contains(b)) && !Raster::ClipSegment(a, b, reach)) {
    return;
  }
  Raster::LinePixels(a, b, [&](int x, int y) {
    if (pattern.empty()) {
      PlotPen(x, y, pen);
      return;
    }
    int pos = m_dashPhase % period;
    std::size_t i = 0;
    while (pos >= pattern[i]) {
      pos -= pattern[i];
      ++i;
    }
    ++m_dashPhase;
    if (i % 2 == 0) {
      PlotPen(x, y, pen);
    } else if (opaqueGaps) {
      PlotPen(x, y, gap);
    }
  });
}

std::unique_ptr<QPainter> TCanvas::BeginPainter() const {
  auto painter = std::make_unique<QPainter>(m_target);
  if (m_state.clip) {
    painter->setClipRegion(m_state.clip->ToQRegion());
  }
  painter->translate(m_state.viewportOrg.X - m_state.windowOrg.X, m_state.viewportOrg.Y - m_state.windowOrg.Y);
  return painter;
}

void TCanvas::DrawWideLines(const std::vector<TPoint>& points, bool closed) {
  if (NoPixels(m_target)) {
    return;
  }
  const std::vector<int>& pattern = DashPattern(m_pen.Style());
  if (pattern.empty() && m_pen.Width() == 2 && m_pen.Mode() == TPenMode::pmCopy && m_target->depth() == 32) {
    TRect bounds = Rect(0, 0, m_target->width(), m_target->height());
    QRegion region;
    if (m_state.clip) {
      region = m_state.clip->ToQRegion();
      const QRect box = region.boundingRect();
      bounds = Rect(std::max(bounds.Left, box.left()), std::max(bounds.Top, box.top()),
                    std::min(bounds.Right, box.right() + 1), std::min(bounds.Bottom, box.bottom() + 1));
    }
    TwoPixelPen pen(*m_target, bounds, Realize(ColorToQRgb(m_pen.Color())), region.rectCount() > 1 ? &region : nullptr);
    pen.Polyline(points, LogicalToDevice({0, 0}), closed);
    return;
  }
  auto painter = BeginPainter();
  painter->setRenderHint(QPainter::Antialiasing, false);
  QColor color = QColor::fromRgb(Realize(ColorToQRgb(m_pen.Color())));
  QPen pen(color, m_pen.Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  QPen gaps = pen;
  if (!pattern.empty()) {
    // A wide styled pen keeps the one-pixel pen's runs, in pixels along the
    // line; its dashes end square so the runs keep their lengths.
    QList<qreal> runs;
    for (int run : pattern) {
      runs << qreal(run) / m_pen.Width();
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern(runs);
    gaps.setColor(QColor::fromRgb(Realize(ColorToQRgb(m_state.bkColor))));
    gaps.setCapStyle(Qt::FlatCap);
  }
  const bool opaqueGaps = !pattern.empty() && m_state.bkMode == OPAQUE;
  // Segments reaching far outside are cut (in logical coordinates) to a
  // margin around the image, which keeps the painter's numbers small.
  const TPoint origin = LogicalToDevice({0, 0});
  const int margin = kLineMargin + m_pen.Width();
  const TRect reach = OffsetRect(InflateRect(Rect(0, 0, m_target->width(), m_target->height()), margin, margin),
                                 -origin.X, -origin.Y);
  bool far = false;
  QPolygon polygon;
  for (const TPoint& p : points) {
    far = far || !reach.Contains(p);
    polygon << QPoint(p.X, p.Y);
  }
  if (!far) {
    for (const QPen* stroke : {&gaps, &pen}) {
      if (stroke == &gaps && !opaqueGaps) {
        continue;
      }
      painter->setPen(*stroke);
      if (closed) {
        painter->drawPolygon(polygon);
      } else {
        painter->drawPolyline(polygon);
      }
    }
    return;
  }
  // Drawn segment by segment, a styled pen's runs go on where the previous
  // segment left them.
  qreal travelled = 0;
  const std::size_t count = closed ? points.size() : points.size() - 1;
  for (std::size_t i = 0; i < count; ++i) {
    const TPoint from = points[i];
    const TPoint to = points[(i + 1) % points.size()];
    TPoint a = from;
    TPoint b = to;
    if (Raster::ClipSegment(a, b, reach)) {
      const qreal skipped = std::hypot(qreal(a.X) - from.X, qreal(a.Y) - from.Y);
      if (opaqueGaps) {
        painter->setPen(gaps);
        painter->drawLine(a.X, a.Y, b.X, b.Y);
      }
      if (!pattern.empty()) {
        pen.setDashOffset((travelled + skipped) / m_pen.Width());
      }
      painter->setPen(pen);
      painter->drawLine(a.X, a.Y, b.X, b.Y);
    }
    travelled += std::hypot(qreal(to.X) - from.X, qreal(to.Y) - from.Y);
  }
}

void TCanvas::MoveTo(int x, int y) { m_penPos = Point(x, y); }

void TCanvas::LineTo(int x, int y) {
  DrawPenLine(m_penPos, Point(x, y));
  m_penPos = Point(x, y);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.size() < 2) {
    return;
  }
  if (m_pen.Width() > 1) {
    if (m_pen.Style() != TPenStyle::psClear) {
      DrawWideLines(points, false);
    }
    return;
  }
  if (m_pen.Style() == TPenStyle::psSolid && !NoPixels(m_target)) {
    DrawSolidPolyline(points);
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    DrawPenLine(points[i - 1], points[i]);
  }
}

// A long trace's cost lies in what DrawPenLine does for every segment and
// every pixel (the pen set up, the clip looked up, the pixel's scan line
// fetched), not in its pixels. So where the clip is none or one rectangle,
// a segment lying wholly in the image and the clip is written straight to
// the scan lines with the pen set up once; any other goes through
// DrawPenLine. The pixels and their order are the same either way.
void TCanvas::DrawSolidPolyline(const std::vector<TPoint>& points) {
  TRect open = Rect(0, 0, m_target->width(), m_target->height());
  if (m_state.clip) {
    const QRegion& clip = m_state.clip->ToQRegion();
    open = clip.rectCount() == 1 ? IntersectRect(open, TRect::FromQRect(clip.boundingRect())) : TRect();
  }
  const QRgb pen = ColorToQRgb(m_pen.Color());
  const QRgb realized = Realize(pen);
  const TPenMode mode = m_pen.Mode();
  uchar* bits = nullptr;
  qsizetype stride = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const TPoint a = LogicalToDevice(points[i - 1]);
    const TPoint b = LogicalToDevice(points[i]);
    if (!open.Contains(a) || !open.Contains(b)) {
      DrawPenLine(points[i - 1], points[i]);
      continue;
    }
    if (bits == nullptr) {
      bits = m_target->bits();
      stride = m_target->bytesPerLine();
    }
    Raster::LinePixels(a, b, [&](int x, int y) {
      QRgb& pixel = reinterpret_cast<QRgb*>(bits + y * stride)[x];
      pixel = mode == TPenMode::pmCopy ? realized : Realize(ApplyRop2(pen, pixel, mode));
    });
  }
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2 || NoPixels(m_target)) {
    return;
  }
  std::vector<TPoint> device;
  device.reserve(points.size());
  for (const TPoint& p : points) {
    device.push_back(LogicalToDevice(p));
  }
  for (const Raster::Span& s :
       Raster::PolygonSpans(device, m_state.polyFillMode == WINDING, 0, m_target->height())) {
    FillDeviceSpan(s.Y, s.X0, s.X1, true);
  }
  if (m_pen.Width() > 1) {
    if (m_pen.Style() != TPenStyle::psClear) {
      DrawWideLines(points, true);
    }
    return;
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    DrawPenLine(points[i], points[(i + 1) % points.size()]);
  }
}

void TCanvas::PaintShape(const TRect& bounds, int cornerWidth, int cornerHeight) {
  if (NoPixels(m_target)) {
    return;
  }
  const TPoint offset = LogicalToDevice({0, 0});
  const TRect device = OffsetRect(bounds, offset.X, offset.Y);
  if (m_pen.Style() == TPenStyle::psClear) {
    // Without a pen the shape loses its last column and row.
    const TRect r = Rect(device.Left, device.Top, device.Right - 1, device.Bottom - 1);
    for (const Raster::Span& s : Raster::RoundRectSpans(r, cornerWidth, cornerHeight, 0, m_target->height())) {
      FillDeviceSpan(s.Y, s.X0, s.X1, true);
    }
    return;
  }
  const int w = m_pen.Width();
  const TRect outer = (w == 1 || m_pen.Style() == TPenStyle::psInsideFrame)
                          ? device
                          : InflateRect(device, (w - 1) / 2, (w - 1) / 2);
  // Rows beyond the image matter only as neighbours of the outline.
  const std::vector<Raster::Span> rows =
      Raster::RoundRectSpans(outer, cornerWidth, cornerHeight, -w - 1, m_target->height() + w + 1);
  const bool styled = !DashPattern(m_pen.Style()).empty() && w == 1;
  const QRgb pen = ColorToQRgb(m_pen.Color());
  const int n = int(rows.size());
  for (int i = 0; i < n; ++i) {
    // The interior is what stays after eroding the shape by the pen width
    // (4-neighbourhood, so a one-pixel outline is 8-connected).
    int x0 = rows[std::size_t(i)].X0 + w;
    int x1 = rows[std::size_t(i)].X1 - w;
    for (int k = 1; k <= w && x0 < x1; ++k) {
      if (i - k < 0 || i + k >= n) {
        x1 = x0;
        break;
      }
      const int shrink = w - k;
      x0 = std::max({x0, rows[std::size_t(i - k)].X0 + shrink, rows[std::size_t(i + k)].X0 + shrink});
      x1 = std::min({x1, rows[std::size_t(i - k)].X1 - shrink, rows[std::size_t(i + k)].X1 - shrink});
    }
    const Raster::Span& row = rows[std::size_t(i)];
    if (x0 < x1) {
      FillDeviceSpan(row.Y, x0, x1, true);
    } else {
      x0 = x1 = row.X1;
    }
    if (styled) {
      continue;
    }
    // The outline is what lies outside the interior: at most two pieces,
    // stepped only where the image is.
    const int width = m_target->width();
    for (const auto& [from, to] : {std::pair{row.X0, x0}, std::pair{x1, row.X1}}) {
      for (int x = std::max(from, 0); x < std::min(to, width); ++x) {
        PlotPen(x, row.Y, pen);
      }
    }
  }
  if (styled) {
    // Dashed outlines follow the path clockwise from the top-left corner.
    const TPoint saved = m_penPos;
    const TPoint o = LogicalToDevice({0, 0});
    const TRect r = OffsetRect(outer, -o.X, -o.Y);
    const std::vector<TPoint> path{{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1},
                                   {r.Left, r.Bottom - 1}};
    for (std::size_t i = 0; i < path.size(); ++i) {
      DrawPenLine(path[i], path[(i + 1) % path.size()]);
    }
    m_penPos = saved;
  }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  PaintShape(Normalized(left, top, right, bottom), 0, 0);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  PaintShape(Normalized(left, top, right, bottom), cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  const TRect r = Normalized(left, top, right, bottom);
  PaintShape(r, r.Width(), r.Height());
}

void TCanvas::FillRect(const TRect& r) {
  if (r.IsEmpty() || NoPixels(m_target)) {
    return;
  }
  const TPoint a = LogicalToDevice(r.TopLeft());
  const int last = int(std::min<std::int64_t>(std::int64_t(a.Y) + r.Height(), m_target->height()));
  for (int y = std::max(a.Y, 0); y < last; ++y) {
    FillDeviceSpan(y, a.X, a.X + r.Width(), false);
  }
}

void TCanvas::FrameRect(const TRect& r) {
  if (r.IsEmpty()) {
    return;
  }
  FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
  FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
  FillRect(Rect(r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1));
  FillRect(Rect(r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1));
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (r.IsEmpty() || NoPixels(m_target)) {
    return;
  }
  const TPoint o = LogicalToDevice({0, 0});
  const TRect d = OffsetRect(r, o.X, o.Y);
  auto invert = [this](int x, int y) {
    if ((x + y) % 2 == 0 && DeviceContains(x, y)) {
      QRgb& pixel = reinterpret_cast<QRgb*>(m_target->scanLine(y))[x];
      pixel = kOpaque | (~pixel & 0xFFFFFFu);
    }
  };
  for (int x = std::max(d.Left, 0); x < std::min(d.Right, m_target->width()); ++x) {
    invert(x, d.Top);
    if (d.Bottom - 1 > d.Top) {
      invert(x, d.Bottom - 1);
    }
  }
  for (int y = std::max(d.Top + 1, 0); y < std::min(d.Bottom - 1, m_target->height()); ++y) {
    invert(d.Left, y);
    if (d.Right - 1 > d.Left) {
      invert(d.Right - 1, y);
    }
  }
}

void TCanvas::InvertRect(const TRect& r) {
  if (!r.IsEmpty()) {
    PatBlt(*this, r.Left, r.Top, r.Width(), r.Height(), DSTINVERT);
  }
}

bool TCanvas::PtVisible(int x, int y) const {
  const TPoint d = LogicalToDevice({x, y});
  return DeviceContains(d.X, d.Y);
}

void TCanvas::FillRgn(const TRegion& region) {
  if (NoPixels(m_target)) {
    return;
  }
  const TPoint o = LogicalToDevice({0, 0});
  for (const QRect& r : region.ToQRegion()) {
    const int first = std::max(r.top() + o.Y, 0);
    const int last = std::min(r.bottom() + o.Y, m_target->height() - 1);
    for (int y = first; y <= last; ++y) {
      FillDeviceSpan(y, r.left() + o.X, r.right() + 1 + o.X, false);
    }
  }
}

void TCanvas::GradientFill(const TRect& r, TColor start, TColor stop, bool vertical) {
  if (r.IsEmpty() || NoPixels(m_target)) {
    return;
  }
  const QRgb a = ColorToQRgb(start);
  const QRgb b = ColorToQRgb(stop);
  const int length = vertical ? r.Height() : r.Width();
  auto mix = [&](int pos) {
    auto channel = [&](int ca, int cb) {
      return int(ca + std::int64_t(cb - ca) * pos / std::max(1, length - 1));
    };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
  };
  const TPoint o = LogicalToDevice(r.TopLeft());
  const int lastRow = int(std::min<std::int64_t>(r.Height(), std::int64_t(m_target->height()) - o.Y));
  // The colours of the columns on the image, computed once for every row.
  const int firstColumn = std::max(0, -o.X);
  const int endColumn = int(std::min<std::int64_t>(r.Width(), std::int64_t(m_target->width()) - o.X));
  std::vector<QRgb> columns;
  if (!vertical) {
    for (int x = firstColumn; x < endColumn; ++x) {
      columns.push_back(Realize(mix(x)));
    }
  }
  for (int y = std::max(0, -o.Y); y < lastRow; ++y) {
    const QRgb rowColor = vertical ? Realize(mix(y)) : 0;
    ForEachClippedRun(o.Y + y, o.X, o.X + r.Width(), [&](int x0, int x1) {
      QRgb* line = reinterpret_cast<QRgb*>(m_target->scanLine(o.Y + y));
      for (int x = x0; x < x1; ++x) {
        line[x] = vertical ? rowColor : columns[std::size_t(x - o.X - firstColumn)];
      }
    });
  }
}

TColor TCanvas::Pixel(int x, int y) const {
  const TPoint d = LogicalToDevice({x, y});
  if (!DeviceContains(d.X, d.Y)) {
    return CLR_INVALID;
  }
  return QRgbToColor(DevicePixel(d.X, d.Y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  const TPoint d = LogicalToDevice({x, y});
  PutDevicePixel(d.X, d.Y, ColorToQRgb(color));
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  graphic.DrawOn(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) { graphic.DrawOn(*this, r); }

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  StretchBlt(*this, dest.Left, dest.Top, dest.Width(), dest.Height(), &source, sourceRect.Left, sourceRect.Top,
             sourceRect.Width(), sourceRect.Height(), m_copyMode);
}
