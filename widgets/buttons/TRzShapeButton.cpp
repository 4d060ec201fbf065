#include "widgets/buttons/TRzShapeButton.h"

#include <QBitmap>
#include <QRegion>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/Accelerators.h"
#include "widgets/panelset/PaintHelpers.h"

namespace {
constexpr QRgb kRgbMask = 0x00FFFFFF;

// Offsets whose shape pixels put a ring pixel at (x, y) = shape + offset.
std::vector<TPoint> RingOffsets(int r, bool bottomRight) {
  std::vector<TPoint> offsets;
  if (bottomRight) {
    for (int dy = -r; dy <= r; ++dy) offsets.push_back({r, dy});
    for (int dx = r - 1; dx >= -r; --dx) offsets.push_back({dx, r});
  } else {
    for (int dy = r - 1; dy >= -r; --dy) offsets.push_back({-r, dy});
    for (int dx = -r + 1; dx <= r - 1; ++dx) offsets.push_back({dx, -r});
  }
  return offsets;
}
}  // namespace

TRzShapeButton::TRzShapeButton(QWidget* parent) : TGraphicControl(parent) {
  // No click from a plain release: the shape decides (see MouseUp).
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csDoubleClicks});
  SetParentFont(true);
  m_bitmap.OnChange = [this](TObject*) { RebuildImages(); };
  TGraphicControl::SetBounds(Left(), Top(), 80, 80);
}

TRzShapeButton::~TRzShapeButton() { m_bitmap.OnChange = nullptr; }

void TRzShapeButton::SetAutoSize(bool value) {
  if (value != m_autoSize) {
    m_autoSize = value;
    SetBounds(Left(), Top(), Width(), Height());
  }
}

void TRzShapeButton::SetBevelWidth(int value) {
  value = std::clamp(value, 0, 2);
  if (value != m_bevelWidth) {
    m_bevelWidth = value;
    RebuildImages();
  }
}

void TRzShapeButton::SetBevelHighlightColor(TColor value) {
  if (value != m_bevelHighlightColor) {
    m_bevelHighlightColor = value;
    RebuildImages();
  }
}

void TRzShapeButton::SetBevelShadowColor(TColor value) {
  if (value != m_bevelShadowColor) {
    m_bevelShadowColor = value;
    RebuildImages();
  }
}

void TRzShapeButton::SetBorderStyle(TBorderStyle value) {
  if (value != m_borderStyle) {
    m_borderStyle = value;
    RebuildImages();
  }
}

void TRzShapeButton::SetBorderColor(TColor value) {
  if (value != m_borderColor) {
    m_borderColor = value;
    RebuildImages();
  }
}

void TRzShapeButton::SetPreciseClick(bool value) {
  m_preciseClick = value;
  UpdateHitRegion();
}

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition value) {
  if (value != m_captionPosition) {
    m_captionPosition = value;
    Invalidate();
  }
}

void TRzShapeButton::SetCaptionXY(int x, int y) {
  if (x == m_captionX && y == m_captionY) {
    return;
  }
  m_captionX = x;
  m_captionY = y;
  m_captionPosition = TRzCaptionPosition::cpXY;
  Invalidate();
}

void TRzShapeButton::SetBounds(int left, int top, int width, int height) {
  if (m_autoSize && !m_bitmap.Empty()) {
    width = m_bitmap.Width() + 4;
    height = m_bitmap.Height() + 4;
  }
  TGraphicControl::SetBounds(left, top, width, height);
}

void TRzShapeButton::MakeImage(TBitmap& image, bool down) const {
  const QImage& source = m_bitmap.Image();
  const QRgb key = ColorToQRgb(m_bitmap.TransparentColor()) & kRgbMask;
  const int w = source.width();
  const int h = source.height();
  const auto inShape = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && (source.pixel(x, y) & kRgbMask) != key;
  };
  QImage result = source.copy();
  const int rings = m_bevelWidth + (m_borderStyle == TBorderStyle::bsSingle ? 1 : 0);
  TColor highlight = m_bevelHighlightColor;
  if ((ColorToQRgb(highlight) & kRgbMask) == key) {
    const TColor c = ColorToRGB(highlight);
    highlight = RGB(std::max(GetRValue(c) - 1, 0), std::max(GetGValue(c) - 1, 0), std::max(GetBValue(c) - 1, 0));
  }
  for (int r = 1; r <= rings; ++r) {
    // Both sides of a ring take the pixels that were transparent before the
    // ring; the top-left side is painted last, so it keeps the pixels both
    // sides reach (the diagonal ends of the bottom-right list).
    const QImage before = result;
    for (const bool bottomRight : {true, false}) {
      const bool border = m_borderStyle == TBorderStyle::bsSingle && r == rings;
      if (down && bottomRight && r == rings) {
        continue;
      }
      const TColor color = border ? m_borderColor : (bottomRight != down ? m_bevelShadowColor : highlight);
      const QRgb rgb = ColorToQRgb(color);
      const std::vector<TPoint> offsets = RingOffsets(r, bottomRight);
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          if ((before.pixel(x, y) & kRgbMask) != key) {
            continue;
          }
          for (const TPoint& o : offsets) {
            if (inShape(x - o.X, y - o.Y)) {
              result.setPixel(x, y, rgb);
              break;
            }
          }
        }
      }
    }
  }
  image.AssignImage(result);
  image.SetTransparentColor(m_bitmap.TransparentColor());
  image.SetTransparent(true);
}

void TRzShapeButton::RebuildImages() {
  SetBounds(Left(), Top(), Width(), Height());
  if (m_bitmap.Empty()) {
    m_bitmapUp.SetSize(0, 0);
    m_bitmapDown.SetSize(0, 0);
    m_hitTestMask.reset();
  } else {
    MakeImage(m_bitmapUp, false);
    MakeImage(m_bitmapDown, true);
    // Black where the up image is opaque.
    const QImage& up = m_bitmapUp.Image();
    const QRgb key = ColorToQRgb(m_bitmap.TransparentColor()) & kRgbMask;
    m_hitTestMask = std::make_unique<TBitmap>(up.width(), up.height());
    m_hitTestMask->SetMonochrome(true);
    for (int y = 0; y < up.height(); ++y) {
      for (int x = 0; x < up.width(); ++x) {
        if ((up.pixel(x, y) & kRgbMask) != key) {
          m_hitTestMask->Canvas().SetPixel(x, y, clBlack);
        }
      }
    }
  }
  UpdateHitRegion();
  Invalidate();
}

bool TRzShapeButton::PtInMask(int x, int y) const {
  if (!m_hitTestMask) {
    return true;
  }
  if (x < 0 || y < 0 || x >= m_hitTestMask->Width() || y >= m_hitTestMask->Height()) {
    return false;
  }
  return (m_hitTestMask->Image().pixel(x, y) & kRgbMask) == 0;
}

// The window system's hit test: with PreciseClick only the shape takes the
// mouse, so clicks elsewhere reach what lies beneath.
void TRzShapeButton::UpdateHitRegion() {
  if (!m_preciseClick || !m_hitTestMask) {
    clearMask();
    return;
  }
  const QImage& mask = m_hitTestMask->Image();
  QImage shape(mask.size(), QImage::Format_Mono);
  shape.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});  // 1 = on the shape
  shape.fill(0);
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if ((mask.pixel(x, y) & kRgbMask) == 0) {
        shape.setPixel(x, y, 1);
      }
    }
  }
  setMask(QRegion(QBitmap::fromImage(shape)));
}

bool TRzShapeButton::Hit(int x, int y) const {
  if (m_preciseClick) {
    return PtInMask(x, y);
  }
  return x >= 0 && x < Width() && y >= 0 && y <= Height();
}

void TRzShapeButton::SetState(TButtonState state) {
  if (state != m_state) {
    m_state = state;
    Repaint();
  }
}

void TRzShapeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft && Enabled() && (!m_preciseClick || PtInMask(x, y))) {
    m_dragging = true;
    SetState(TButtonState::bsDown);
  }
}

void TRzShapeButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  const bool onShape = PtInMask(x, y);
  if (!onShape && m_preciseShowHint) {
    if (!m_prevShowHintSaved) {
      m_prevShowHint = ShowHint();
      m_prevShowHintSaved = true;
      SetShowHint(false);
    }
  } else if (!onShape && m_preciseClick) {
    if (!m_prevCursorSaved) {
      m_prevCursor = Cursor();
      m_prevCursorSaved = true;
      SetCursor(crDefault);
    }
  } else {
    if (m_prevShowHintSaved) {
      SetShowHint(m_prevShowHint);
      m_prevShowHintSaved = false;
    }
    if (m_prevCursorSaved) {
      SetCursor(m_prevCursor);
      m_prevCursorSaved = false;
    }
  }
  if (m_dragging) {
    SetState(Hit(x, y) ? TButtonState::bsDown : TButtonState::bsUp);
  }
}

void TRzShapeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !m_dragging) {
    return;
  }
  m_dragging = false;
  SetState(TButtonState::bsUp);
  if (Hit(x, y)) {
    Click();
  }
}

void TRzShapeButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
    Click();
    message.Result = 1;
    return;
  }
  if (message.Msg == CM_SYSCOLORCHANGE) {
    RebuildImages();
  }
  TGraphicControl::WndProc(message);
}

TRect TRzShapeButton::CaptionRect() const {
  if (m_captionPosition == TRzCaptionPosition::cpCentered) {
    return Rect(0, 0, Width(), Height());
  }
  TCanvas measure;
  measure.Font().Assign(Font());
  const TSize size = measure.TextExtent(Caption());
  return Bounds(m_captionX, m_captionY, size.cx, size.cy);
}

void TRzShapeButton::Paint() {
  if (m_state != TButtonState::bsDown) {
    m_state = TButtonState::bsUp;
  }
  const bool down = m_state == TButtonState::bsDown;
  TCanvas& canvas = Canvas();
  const TBitmap& image = down ? m_bitmapDown : m_bitmapUp;
  if (!image.Empty()) {
    // The transparent colour is left out, so the parent shows around the shape.
    canvas.Draw(down ? 1 : 0, down ? 1 : 0, image);
  }
  if (Caption().isEmpty()) {
    return;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(Font());
  const TRect r = CaptionRect();
  Rz::DrawTextCentered(canvas, Caption(), down ? OffsetRect(r, 1, 1) : r);
}
