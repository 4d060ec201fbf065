#include "widgets/panels/TRzCustomPanel.h"

#include <algorithm>

#include <QCursor>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/ParentColor.h"
#include "widgets/panelset/FrameSettings.h"
#include "widgets/panelset/PaintHelpers.h"
#include "widgets/panelset/TRzPanelDockManager.h"

TRzCustomPanel::TRzCustomPanel(QWidget* parent) : TCustomControl(parent) {
  m_frame.Outer = Rz::TFrameStyleEx::fsRaised;
}

void TRzCustomPanel::SetAlignment(TAlignment value) { Store(m_alignment, value); }
void TRzCustomPanel::SetAlignmentVertical(TAlignmentVertical value) { Store(m_alignmentVertical, value); }
void TRzCustomPanel::SetBorderInner(Rz::TFrameStyleEx value) { StoreAndRealign(m_frame.Inner, value); }
void TRzCustomPanel::SetBorderOuter(Rz::TFrameStyleEx value) { StoreAndRealign(m_frame.Outer, value); }
void TRzCustomPanel::SetBorderSides(Rz::TSides value) { StoreAndRealign(m_frame.Sides, value); }
void TRzCustomPanel::SetBorderColor(TColor value) { Store(m_frame.BorderColor, value); }
void TRzCustomPanel::SetBorderHighlight(TColor value) { Store(m_frame.BorderHighlight, value); }
void TRzCustomPanel::SetBorderShadow(TColor value) { Store(m_frame.BorderShadow, value); }
void TRzCustomPanel::SetBorderWidth(int value) { StoreAndRealign(m_frame.BorderWidth, value); }
void TRzCustomPanel::SetBevelWidth(int value) { Store(m_frame.BevelWidth, value); }
void TRzCustomPanel::SetFlatColor(TColor value) { Store(m_frame.FlatColor, value); }
void TRzCustomPanel::SetFlatColorAdjustment(int value) { Store(m_frame.FlatColorAdjustment, value); }
void TRzCustomPanel::SetGradientColorStyle(Rz::TRzGradientColorStyle value) { Store(m_gradientColorStyle, value); }
void TRzCustomPanel::SetGridColor(TColor value) { Store(m_gridColor, value); }
void TRzCustomPanel::SetGridStyle(TRzGridStyle value) { Store(m_gridStyle, value); }
void TRzCustomPanel::SetGridXSize(int value) { Store(m_gridXSize, std::clamp(value, 0, 0xFFFF)); }
void TRzCustomPanel::SetGridYSize(int value) { Store(m_gridYSize, std::clamp(value, 0, 0xFFFF)); }
void TRzCustomPanel::SetPaintClientArea(bool value) { Store(m_paintClientArea, value); }
void TRzCustomPanel::SetShowGrid(bool value) { Store(m_showGrid, value); }
void TRzCustomPanel::SetTextMargin(int value) { Store(m_textMargin, value); }
void TRzCustomPanel::SetTextMarginVertical(int value) { Store(m_textMarginVertical, value); }
void TRzCustomPanel::SetVisualStyle(TRzVisualStyle value) { Store(m_visualStyle, value); }
void TRzCustomPanel::SetWordWrap(bool value) { Store(m_wordWrap, value); }

void TRzCustomPanel::SetGridSize(int xSize, int ySize) {
  SetGridXSize(xSize);
  SetGridYSize(ySize);
}

void TRzCustomPanel::SetGradientColorStart(TColor value) {
  if (Store(m_gradientColorStart, value)) {
    Rz::InvalidateTransparentChildren(this);
  }
}

void TRzCustomPanel::SetGradientColorStop(TColor value) {
  if (Store(m_gradientColorStop, value)) {
    Rz::InvalidateTransparentChildren(this);
  }
}

void TRzCustomPanel::SetGradientDirection(Rz::TGradientDirection value) {
  if (Store(m_gradientDirection, value)) {
    Rz::InvalidateTransparentChildren(this);
  }
}

void TRzCustomPanel::SetTransparent(bool value) {
  if (!Store(m_transparent, value)) {
    return;
  }
  for (TControl* child : Controls()) {
    child->Invalidate();
  }
}

Rz::TBorderFrame TRzCustomPanel::BorderFrame() const {
  Rz::TBorderFrame frame = m_frame;
  frame.Color = Color();
  frame.ParentColor = ParentColorOf(this);
  frame.Transparent = m_transparent;
  return frame;
}

TRect TRzCustomPanel::ShrinkByBorders(const TRect& rect, bool includeBorderWidth) const {
  return Rz::FramedClientRect(rect, BorderFrame(), includeBorderWidth);
}

TRect TRzCustomPanel::ClientRect() const {
  return m_dockSite ? ClientRectOfWindow() : ShrinkByBorders(ClientRectOfWindow(), false);
}

void TRzCustomPanel::AdjustClientRect(TRect& rect) const {
  rect = InflateRect(rect, -m_frame.BorderWidth, -m_frame.BorderWidth);
  if (m_dockSite) {
    rect = ShrinkByBorders(rect, false);
  }
}

void TRzCustomPanel::SetDockSite(bool value) {
  if (m_dockSite == value) {
    return;
  }
  m_dockSite = value;
  UpdateDockManager();
  AlignControls();
  Invalidate();
}

void TRzCustomPanel::SetUseDockManager(bool value) {
  if (m_useDockManager != value) {
    m_useDockManager = value;
    UpdateDockManager();
    Invalidate();
  }
}

void TRzCustomPanel::AlignChanged() {
  // The grabbers lie left or on top by the alignment: docked controls move.
  if (m_dockManager) {
    m_dockManager->ResetBounds();
  }
}

void TRzCustomPanel::UpdateDockManager() {
  if (!m_dockSite || !m_useDockManager) {
    m_dockManager.reset();
  } else if (!m_dockManager) {
    m_dockManager = std::make_unique<TRzPanelDockManager>(*this);
  }
}

void TRzCustomPanel::PaintDockSite() {
  if (m_dockManager) {
    m_dockManager->PaintSite(Canvas());
  }
}

void TRzCustomPanel::SetBounds(int left, int top, int width, int height) {
  if (Align() == TAlign::alBottom && height != Height()) {
    top = Top() + Height() - height;
  } else if (Align() == TAlign::alRight && width != Width()) {
    left = Left() + Width() - width;
  }
  TCustomControl::SetBounds(left, top, width, height);
}

TPoint TRzCustomPanel::CursorClientPos() const {
  const QPoint p = mapFromGlobal(QCursor::pos());
  return {p.x(), p.y()};
}

Rz::TColorPair TRzCustomPanel::GradientColors() const {
  if (m_gradientColorStyle == Rz::TRzGradientColorStyle::gcsCustom) {
    return {m_gradientColorStart, m_gradientColorStop};
  }
  return Rz::OfficeGradientColors(m_gradientColorStyle);
}

std::pair<TColor, int> TRzCustomPanel::FlatFrameColors() const {
  if (m_visualStyle == TRzVisualStyle::vsGradient && m_gradientColorStyle != Rz::TRzGradientColorStyle::gcsCustom) {
    return {Rz::OfficeFrameColor(m_gradientColorStyle), 0};
  }
  return {m_frame.FlatColor, m_frame.FlatColorAdjustment};
}

void TRzCustomPanel::PaintBackground() {
  if (m_transparent && m_paintClientArea) {
    Rz::PaintParentBackground(this, Canvas(), true);
    return;
  }
  if (Color() != clNone) {
    Canvas().FillRect(ClientRectOfWindow());
  }
}

void TRzCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  const auto [flat, adjustment] = FlatFrameColors();
  Rz::TBorderFrame frame = BorderFrame();
  frame.FlatColor = flat;
  frame.FlatColorAdjustment = adjustment;
  const TRect r = Rz::PaintBorderFrame(canvas, PaintBounds(), frame);
  if (!m_transparent && m_paintClientArea) {
    PaintFill(r, flat, adjustment);
  }
  if (m_showGrid) {
    PaintGridLines(r);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  PaintCaptionText(r);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  Raise(OnPaint, this);
  PaintDockSite();
}

void TRzCustomPanel::PaintFill(TRect r, TColor flat, int adjustment) {
  using Rz::TFrameStyleEx;
  using Rz::TSide;
  TCanvas& canvas = Canvas();
  const bool rounded =
      (m_frame.Outer == TFrameStyleEx::fsFlatRounded && m_frame.Inner == TFrameStyleEx::fsNone && m_frame.BorderWidth == 0) ||
      m_frame.Inner == TFrameStyleEx::fsFlatRounded;
  if (rounded) {
    r = Rz::ShrinkSides(r, m_frame.Sides, -1);
  }
  if (m_visualStyle == TRzVisualStyle::vsGradient) {
    const Rz::TColorPair colors = GradientColors();
    Rz::FillGradient(canvas, r, m_gradientDirection, colors.Start, colors.Stop, 1);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  if (!rounded) {
    return;
  }
  const TColor corner = Rz::AdjustedShade(flat, adjustment);
  const Rz::TSides s = m_frame.Sides;
  const auto both = [s](TSide a, TSide b) { return s.Contains(a) && s.Contains(b); };
  if (both(TSide::sdLeft, TSide::sdTop)) canvas.SetPixel(r.Left, r.Top, corner);
  if (both(TSide::sdRight, TSide::sdTop)) canvas.SetPixel(r.Right - 1, r.Top, corner);
  if (both(TSide::sdLeft, TSide::sdBottom)) canvas.SetPixel(r.Left, r.Bottom - 1, corner);
  if (both(TSide::sdRight, TSide::sdBottom)) canvas.SetPixel(r.Right - 1, r.Bottom - 1, corner);
}

void TRzCustomPanel::PaintGridLines(const TRect& r) {
  TCanvas& canvas = Canvas();
  const int nx = m_gridXSize > 0 ? r.Width() / m_gridXSize : 0;
  const int ny = m_gridYSize > 0 ? r.Height() / m_gridYSize : 0;
  canvas.Pen().SetColor(m_gridColor);
  const auto dottedLine = [&](int x0, int y0, int x1, int y1) {
    // Every second pixel, starting one pixel after the line's start.
    const int dx = x1 > x0 ? 1 : 0;
    const int dy = y1 > y0 ? 1 : 0;
    for (int x = x0 + dx, y = y0 + dy; (dx != 0 ? x < x1 : y < y1); x += 2 * dx, y += 2 * dy) {
      canvas.SetPixel(x, y, m_gridColor);
    }
  };
  const auto line = [&](int x0, int y0, int x1, int y1) {
    if (m_gridStyle == TRzGridStyle::gsDottedLines) {
      dottedLine(x0, y0, x1, y1);
    } else {
      canvas.MoveTo(x0, y0);
      canvas.LineTo(x1, y1);
    }
  };
  if (m_gridStyle == TRzGridStyle::gsDots) {
    for (int i = 1; i <= nx; ++i) {
      for (int j = 1; j <= ny; ++j) {
        canvas.SetPixel(r.Left + i * m_gridXSize - 1, r.Top + j * m_gridYSize - 1, m_gridColor);
      }
    }
    return;
  }
  for (int i = 1; i <= nx; ++i) {
    const int x = r.Left + i * m_gridXSize - 1;
    line(x, r.Top, x, r.Bottom);
  }
  for (int j = 1; j <= ny; ++j) {
    const int y = r.Top + j * m_gridYSize - 1;
    line(r.Left, y, r.Right, y);
  }
}

void TRzCustomPanel::PaintCaptionText(TRect r) {
  if (Caption().isEmpty()) {
    return;
  }
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  r = InflateRect(r, -m_textMargin, -m_textMarginVertical);
  const unsigned flags = AlignmentFlag(m_alignment) | (m_wordWrap ? DT_WORDBREAK : 0u) | DT_EXPANDTABS | DT_VCENTER;
  TRect measured = r;
  const int t = canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
  switch (m_alignmentVertical) {
    case TAlignmentVertical::avTop:
      r.Bottom = std::min(r.Bottom, r.Top + t);
      break;
    case TAlignmentVertical::avCenter:
      r.Top = (r.Top + r.Bottom - t) / 2;
      r.Bottom = std::min(r.Bottom, r.Top + t);
      break;
    case TAlignmentVertical::avBottom:
      r.Top = std::max(r.Top, r.Bottom - t - 1);
      break;
  }
  if (!Enabled()) {
    canvas.Font().SetColor(clGrayText);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(Caption(), r, flags);
}

void TRzCustomPanel::EnabledChanged() {
  TCustomControl::EnabledChanged();
  const QList<TControl*> children = Controls();
  if (!Enabled()) {
    m_enabledList.clear();
    for (TControl* child : children) {
      m_enabledList.emplace_back(child, child->Enabled());
    }
    for (TControl* child : children) {
      child->SetEnabled(false);
    }
    return;
  }
  for (TControl* child : children) {
    const auto entry = std::find_if(m_enabledList.begin(), m_enabledList.end(),
                                    [child](const auto& e) { return e.first == child; });
    child->SetEnabled(entry == m_enabledList.end() || entry->second);
  }
}

void TRzCustomPanel::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  if (message.Msg == WM_THEMECHANGED) {
    Rz::RefreshXpColorScheme();
  }
}

TRzCustomPanel::~TRzCustomPanel() {
  m_dockManager.reset();
  if (m_frameController != nullptr) {
    m_frameController->RemoveControl(this);
  }
}

void TRzCustomPanel::SetFrameController(TRzFrameController* value) {
  ChangeFrameController(m_frameController, value, this);
}

void TRzCustomPanel::ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) {
  ApplyFrameSettingsTo(*this, controller, property, m_frameControllerNotifications);
}
