#include "widgets/trackbar/TCustomTrackBar.h"

#include <algorithm>
#include <limits>

#include <QRegion>

#include "platform/core/Rounding.h"
#include "platform/pictures/TBitmap.h"
#include "platform/threads/TTimer.h"
#include "widgets/smooth/IntegerFormat.h"
#include "widgets/trackbar/TTrackHintWindow.h"

namespace {
constexpr TRect kNoRect{-1, -1, -1, -1};
bool Exists(const TRect& r) { return !(r == kNoRect); }
}  // namespace

TCustomTrackBar::TCustomTrackBar(QWidget* parent)
    : TCustomControl(parent),
      m_thumb(std::make_unique<TTrackBarThumb>()),
      m_slider(std::make_unique<TTrackBarSlider>()) {
  SetBounds(Left(), Top(), 150, 26);
  SetTabStop(true);
  TControlStyle style = ControlStyle();
  style.Exclude(TControlStyleItem::csDoubleClicks);
  SetControlStyle(style);
  SetColor(clNone);
  const auto repaint = [this](TObject*) { PartChanged(); };
  m_backGround.OnChange = repaint;
  m_backGroundDisabled.OnChange = repaint;
  m_rateActive.OnChange = repaint;
  m_rateInActive.OnChange = repaint;
  for (TTrackBarPart* part : std::initializer_list<TTrackBarPart*>{m_thumb.get(), m_slider.get(), &m_buttons,
                                                                   &m_trackLabel, &m_tickMark}) {
    part->SetOwner(this);
    part->OnChange = repaint;
  }
  m_tickMark.OnChange = [this](TObject*) {
    MeasureTickText();
    PartChanged();
  };
  m_trackHint = ShowHint();
  m_trackHintWnd = new TTrackHintWindow(this);
}

TCustomTrackBar::~TCustomTrackBar() = default;

void TCustomTrackBar::Loaded() {
  TCustomControl::Loaded();
  MeasureTickText();
  m_buttons.ButtonsPictureChanged();
  m_thumb->ThumbPictureChanged();
}

void TCustomTrackBar::MeasureTickText() {
  TBitmap measure(1, 1);
  int width = 0;
  int height = 0;
  AdvTrackBar::MeasureText(measure.Canvas(), m_tickMark.Font(), QStringLiteral("gh"), width, height);
  m_textHeight = height + 2 * m_tickTextOffset;
}

void TCustomTrackBar::SetTickImages(TImageList* value) {
  if (value == m_tickImages) {
    return;
  }
  if (m_tickImages != nullptr) {
    disconnect(m_tickImages, &QObject::destroyed, this, nullptr);
  }
  m_tickImages = value;
  if (value != nullptr) {
    // A list destroyed while shown: the QPointer drops it, the bar repaints.
    connect(value, &QObject::destroyed, this, [this] { Invalidate(); });
  }
  Invalidate();
}

void TCustomTrackBar::SetTransparent(bool value) {
  if (StoreIfChanged(m_transparent, value)) {
    Invalidate();
  }
}

void TCustomTrackBar::SetBackGroundStretched(bool value) {
  m_backGroundStretched = value;
  Invalidate();
}

void TCustomTrackBar::SetColorTo(TColor value) {
  if (StoreIfChanged(m_colorTo, value)) {
    Invalidate();
  }
}

void TCustomTrackBar::SetBorderColor(TColor value) {
  if (StoreIfChanged(m_borderColor, value)) {
    Invalidate();
  }
}

void TCustomTrackBar::SetDirection(AdvTrackBar::TGradientDirection value) {
  if (StoreIfChanged(m_direction, value)) {
    Invalidate();
  }
}

void TCustomTrackBar::SetMax(int value) {
  if (value == m_max) {
    return;
  }
  m_max = value;
  if (m_position > m_max) {
    SetPosition(m_max);
  }
  Invalidate();
}

void TCustomTrackBar::SetMin(int value) {
  if (value == m_min) {
    return;
  }
  m_min = value;
  if (m_position < m_min) {
    SetPosition(m_min);
  }
  Invalidate();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (StoreIfChanged(m_orientation, value)) {
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
  }
}

void TCustomTrackBar::SetPosition(int value) {
  if (value == m_position) {
    return;
  }
  value = value < m_min ? m_min : (value > m_max ? m_max : value);
  const TRect oldThumb = GetThumbRect();
  m_position = value;
  const TRect newThumb = GetThumbRect();
  if (RatingMode()) {
    Invalidate();
  } else {
    QRegion region(InflateRect(oldThumb, 1, 1).ToQRect());
    region += InflateRect(newThumb, 1, 1).ToQRect();
    if (m_slider->ColorCompleted() != clNone || !m_slider->PictureCompleted().Empty()) {
      region += SliderRect().ToQRect();
    }
    if (m_tickMark.ShowImageAtThumbOnly()) {
      const TRect track = TrackRect();
      for (const TRect& t : {InflateRect(oldThumb, 1, 1), InflateRect(newThumb, 1, 1)}) {
        region += (Vertical() ? Rect(track.Left, t.Top, track.Right, t.Bottom)
                              : Rect(t.Left, track.Top, t.Right, track.Bottom))
                      .ToQRect();
      }
    }
    update(region);
    InvalidateTrackLabel();
  }
  DoChange();
}

void TCustomTrackBar::DoChange() { Raise(OnChange, this); }

TRect TCustomTrackBar::InnerRect() const {
  const int inset = m_borderWidth + m_offset;
  return InflateRect(ClientRect(), -inset, -inset);
}

TRect TCustomTrackBar::MinButtonRect() const {
  const TRect in = InnerRect();
  const int size = m_buttons.Size();
  return Vertical() ? Rect(in.Left, in.Bottom - size, in.Right, in.Bottom)
                    : Rect(in.Left, in.Top, in.Left + size, in.Bottom);
}

TRect TCustomTrackBar::MaxButtonRect() const {
  const TRect in = InnerRect();
  const int size = m_buttons.Size();
  return Vertical() ? Rect(in.Left, in.Top, in.Right, in.Top + size)
                    : Rect(in.Right - size, in.Top, in.Right, in.Bottom);
}

TRect TCustomTrackBar::TrackRect() const {
  TRect r = InnerRect();
  int cross = m_slider->Offset();
  if (m_trackLabel.Visible() && m_trackLabel.AtTop()) {
    const TRect label = LabelRect(false);
    cross += (Vertical() ? label.Width() : label.Height()) + 1;
  }
  (Vertical() ? r.Left : r.Top) += cross;
  if (m_buttons.Visible()) {
    const int spacing = m_buttons.Spacing();
    if (Vertical()) {
      r.Bottom = MinButtonRect().Top - spacing;
      r.Top = MaxButtonRect().Bottom + spacing;
    } else {
      r.Left = MinButtonRect().Right + spacing;
      r.Right = MaxButtonRect().Left - spacing;
    }
  }
  return r;
}

int TCustomTrackBar::PointerOffset() const {
  const int w = m_thumb->Width();
  if (w <= 0) {
    return 0;
  }
  switch (m_thumb->ThumbPointer()) {
    case TThumbPointer::tpLeft: return 0;
    case TThumbPointer::tpCenter: return w / 2;
    case TThumbPointer::tpRight: return w;
  }
  return 0;
}

TRect TCustomTrackBar::GetTopLeftTickRect() const {
  if (m_tickMark.Style() == TTickStyle::tsNone || m_tickMark.Position() == TTickMark::tmBottomRight) {
    return kNoRect;
  }
  const int depth = m_tickMark.Size() + (m_tickMark.ShowText() ? m_textHeight : 0);
  const TRect track = TrackRect();
  const int po = PointerOffset();
  return Vertical() ? Rect(track.Left, track.Top + po, track.Left + depth, track.Bottom - po)
                    : Rect(track.Left + po, track.Top, track.Right - po, track.Top + depth);
}

TRect TCustomTrackBar::GetBottomRightTickRect() const {
  if (m_tickMark.Style() == TTickStyle::tsNone || m_tickMark.Position() == TTickMark::tmTopLeft) {
    return kNoRect;
  }
  const int depth = m_tickMark.Size() + (m_tickMark.ShowText() ? m_textHeight : 0);
  const TRect track = TrackRect();
  const int po = PointerOffset();
  const TRect slider = SliderRect();
  const TRect topLeft = GetTopLeftTickRect();
  int start = Vertical() ? track.Left : track.Top;
  if (Exists(slider)) {
    start = (Vertical() ? slider.Right : slider.Bottom) - (m_slider->Border3D() ? 1 : 0) + m_tickMark.Spacing();
  } else if (Exists(topLeft)) {
    start = (Vertical() ? topLeft.Right : topLeft.Bottom) + 2 * m_tickMark.Spacing();
  }
  return Vertical() ? Rect(start, track.Top + po, start + depth, track.Bottom - po)
                    : Rect(track.Left + po, start, track.Right - po, start + depth);
}

TRect TCustomTrackBar::SliderRect() const {
  if (!m_slider->Visible() || m_slider->Size() <= 0) {
    return kNoRect;
  }
  const TRect track = TrackRect();
  const TRect topLeft = GetTopLeftTickRect();
  int start = Vertical() ? track.Left : track.Top;
  if (Exists(topLeft)) {
    start = (Vertical() ? topLeft.Right : topLeft.Bottom) + m_tickMark.Spacing();
  }
  return Vertical() ? Rect(start, track.Top, start + m_slider->Size(), track.Bottom)
                    : Rect(track.Left, start, track.Right, start + m_slider->Size());
}

TRect TCustomTrackBar::GetThumbRect() const {
  const TRect track = TrackRect();
  const int w = m_thumb->Width();
  const int size = m_thumb->Size();
  const TRect slider = SliderRect();
  const TRect topLeft = GetTopLeftTickRect();
  const TRect bottomRight = GetBottomRightTickRect();
  int start = 0;
  if (Exists(slider)) {
    start = (Vertical() ? slider.Left : slider.Top) + m_slider->Size() / 2 - size / 2;
  } else if (m_tickMark.Style() == TTickStyle::tsNone) {
    start = Vertical() ? track.Left : track.Top;
  } else if (!Exists(topLeft) && Exists(bottomRight)) {
    start = Vertical() ? bottomRight.Left : bottomRight.Top;
  } else {
    start = (Vertical() ? topLeft.Left : topLeft.Top) + m_tickMark.Spacing() - size / 2;
  }
  const int length = Vertical() ? track.Height() : track.Width();
  const int offset = m_max == m_min ? 0 : Round(double(length - w) * (m_position - m_min) / (m_max - m_min));
  TRect r = Vertical() ? Rect(start, track.Bottom - offset - w, start + size, track.Bottom - offset)
                       : Rect(track.Left + offset, start, track.Left + offset + w, start + size);
  if (m_thumb->Shape() == TThumbShape::tsLine && m_thumb->Picture().Empty()) {
    const TRect in = InnerRect();
    if (Vertical()) {
      r.Left = in.Left;
      r.Right = Width() - m_borderWidth;
    } else {
      r.Top = in.Top;
      r.Bottom = Height() - m_borderWidth;
    }
  }
  return r;
}

QString TCustomTrackBar::GetTrackLabelText() const {
  QString text = FormatIntegers(m_trackLabel.Format(), {m_position});
  if (OnGetTrackLabelText) {
    OnGetTrackLabelText(const_cast<TCustomTrackBar*>(this), m_position, text);
  }
  return text;
}

TRect TCustomTrackBar::LabelRect(bool narrowed) const {
  if (!m_trackLabel.Visible()) {
    return kNoRect;
  }
  QString text = GetTrackLabelText();
  if (text.isEmpty() && OnGetTrackLabelText) {
    text = QStringLiteral("Pos");
  }
  TBitmap measure(1, 1);
  int tw = 0;
  int th = 0;
  AdvTrackBar::MeasureText(measure.Canvas(), m_trackLabel.Font(), text, tw, th);
  const TRect in = InnerRect();
  const int depth = th + m_trackLabel.Spacing();
  int start = (Vertical() ? in.Left : in.Top) + m_slider->Offset();
  if (!m_trackLabel.AtTop()) {
    const TRect bottomRight = GetBottomRightTickRect();
    const TRect slider = SliderRect();
    const TRect anchor = Exists(bottomRight) ? bottomRight : slider;
    start = (Vertical() ? anchor.Right : anchor.Bottom) + 1;
  }
  TRect band = Vertical() ? Rect(start, in.Top, start + depth, in.Bottom) : Rect(in.Left, start, in.Right, start + depth);
  if (!narrowed) {
    return band;
  }
  const int along = tw + 5;
  const TLabelPosition p = m_trackLabel.Position();
  const bool left = p == TLabelPosition::lpTopLeft || p == TLabelPosition::lpBottomLeft;
  const bool right = p == TLabelPosition::lpTopRight || p == TLabelPosition::lpBottomRight;
  if (!Vertical()) {
    if (left) {
      band.Right = band.Left + along;
    } else if (right) {
      band.Left = band.Right - along;
    } else {
      band.Left += (band.Width() - along) / 2;
      band.Right = band.Left + along;
    }
    return band;
  }
  // Upside down: the text runs upwards from the rectangle's top.
  int bottom = in.Bottom;
  if (right) {
    bottom = in.Top + along;
  } else if (!left) {
    bottom = in.Bottom - (in.Height() - along) / 2;
  }
  return Rect(band.Left, bottom, band.Right, bottom - along);
}

void TCustomTrackBar::InvalidateTrackLabel() {
  if (!m_trackLabel.Visible()) {
    return;
  }
  TRect r = LabelRect(!OnGetTrackLabelText);
  r = Vertical() ? Rect(r.Left, r.Bottom - 10, r.Right, r.Top + 10) : InflateRect(r, 5, 0);
  update(r.ToQRect().normalized());
}

// Cells run left to right from the track's top left and start a new row
// where a further cell would pass the track's right edge; a cell whose top
// lies below the track is not shown.
TCustomTrackBar::RatingGrid TCustomTrackBar::RatingCells() const {
  RatingGrid grid;
  for (const TGDIPPicture* p : {&m_rateActive, &m_rateInActive}) {
    grid.cellWidth = std::max(grid.cellWidth, p->Width());
    grid.cellHeight = std::max(grid.cellHeight, p->Height());
  }
  grid.track = TrackRect();
  const long long width = grid.track.Right - grid.track.Left;
  if (grid.cellWidth > 0) {
    grid.perRow = std::max(1LL, width / grid.cellWidth);
  } else {
    grid.perRow = width < 0 ? 1 : std::numeric_limits<long long>::max();
  }
  return grid;
}

TRect TCustomTrackBar::RatingCellRect(int value) const {
  if (value <= m_min) {
    return kNoRect;
  }
  const RatingGrid grid = RatingCells();
  const long long index = static_cast<long long>(value) - m_min - 1;
  const long long x = grid.track.Left + (index % grid.perRow) * grid.cellWidth;
  const long long y = grid.track.Top + (index / grid.perRow) * grid.cellHeight;
  if (y > grid.track.Bottom) {
    return kNoRect;
  }
  return Rect(int(x), int(y), int(x + grid.cellWidth), int(y + grid.cellHeight));
}

int TCustomTrackBar::LastShownRatingValue() const {
  const RatingGrid grid = RatingCells();
  if (grid.track.Top > grid.track.Bottom) {
    return m_min;
  }
  const long long range = static_cast<long long>(m_max) - m_min;
  if (grid.cellHeight <= 0 || grid.perRow >= range) {
    return m_max;
  }
  const long long rows = (grid.track.Bottom - grid.track.Top) / grid.cellHeight + 1;
  return rows > range / grid.perRow ? m_max : int(m_min + rows * grid.perRow);
}

std::optional<int> TCustomTrackBar::RatingValueAt(TPoint p) const {
  const RatingGrid grid = RatingCells();
  if (grid.cellWidth <= 0 || grid.cellHeight <= 0 || p.X < grid.track.Left || p.Y < grid.track.Top) {
    return std::nullopt;
  }
  const long long column = (p.X - grid.track.Left) / grid.cellWidth;
  const long long row = (p.Y - grid.track.Top) / grid.cellHeight;
  if (column >= grid.perRow) {
    return std::nullopt;
  }
  const long long value = m_min + 1 + row * grid.perRow + column;
  if (value > m_max || !RatingCellRect(int(value)).Contains(p)) {
    return std::nullopt;
  }
  return int(value);
}

void TCustomTrackBar::StepDown() {
  if (m_position > m_min) {
    SetPosition(m_position - m_buttons.Step());
  }
}

void TCustomTrackBar::StepUp() {
  if (m_position < m_max) {
    SetPosition(m_position + m_buttons.Step());
  }
}

void TCustomTrackBar::InvalidateThumb() { update(InflateRect(GetThumbRect(), 1, 1).ToQRect()); }
