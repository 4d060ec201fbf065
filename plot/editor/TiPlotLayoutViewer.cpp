#include "plot/editor/TiPlotLayoutViewer.h"

#include <cstdlib>

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotDataViewLayout.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotTranslationManager.h"

namespace {

using K = TiPlotObjectKind;

bool IsDataView(const TiPlotLayoutObject* o) { return o->Kind() == K::DataView; }
bool IsMarker(const TiPlotLayoutObject* o) { return dynamic_cast<const TiPlotDataViewLayout*>(o) != nullptr; }
bool IsAxis(const TiPlotLayoutObject* o) { return o->Kind() == K::XAxis || o->Kind() == K::YAxis; }
bool IsLabel(const TiPlotLayoutObject* o) { return o->Kind() == K::Label; }
bool IsLegend(const TiPlotLayoutObject* o) { return o->Kind() == K::Legend; }

/// Axes share a row with axes, labels with labels and legends.
bool CanMerge(const TiPlotLayoutObject* a, const TiPlotLayoutObject* b) {
  return (IsAxis(a) && IsAxis(b)) || (IsLabel(a) && IsLabel(b)) || (IsLabel(a) && IsLegend(b)) ||
         (IsLegend(a) && IsLabel(b));
}

/// The kinds whose span the user resizes by their ends.
bool IsSizable(const TiPlotLayoutObject* o) {
  return IsAxis(o) || IsLabel(o) || IsLegend(o) || o->Kind() == K::Table;
}

bool Holds(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

constexpr TColor clSilverBar = 0x00C0C0C0;
constexpr int kEndGrip = 6;
constexpr double kSizeStep = 1.25;

}  // namespace

TiPlotLayoutViewer::TiPlotLayoutViewer(QWidget* parent) : TiCustomComponent(parent) {
  m_font.SetName(QStringLiteral("Arial"));
  m_font.SetSize(10);
}

TiPlotLayoutViewer::~TiPlotLayoutViewer() = default;

void TiPlotLayoutViewer::SetLayoutManager(TiPlotLayoutManager* value) {
  if (value == m_layoutManager) {
    return;
  }
  m_layoutManager = value;
  m_blockList.clear();
  EndEdit();
}

void TiPlotLayoutViewer::SetTranslationManager(TiPlotTranslationManager* value) {
  m_translationManager = value;
  InvalidateChange();
}

TiPlotLayoutObject* TiPlotLayoutViewer::SelectedObject() const {
  return m_layoutManager != nullptr && m_layoutManager->Contains(m_selectedBlock) ? m_selectedBlock : nullptr;
}

TiPlotLayoutObject* TiPlotLayoutViewer::GetMouseOverBlock(int x, int y) const {
  if (m_layoutManager == nullptr) {
    return nullptr;
  }
  for (int i = 0; i < m_layoutManager->Count(); ++i) {
    TiPlotLayoutObject* o = m_layoutManager->GetLayoutObject(i);
    if (!IsMarker(o) && Holds(o->LayoutRect(), x, y)) {
      return o;
    }
  }
  return nullptr;
}

TBlockObject* TiPlotLayoutViewer::GetMouseOverBlock2(int x, int y) const {
  for (const auto& slot : m_blockList) {
    const TRect& r = slot->ARect;
    bool accepts = true;
    if (slot->ToolBar) {
      accepts = y >= (r.Top + r.Bottom) / 2;
    } else if (slot->DataView && slot->Horizontal) {
      accepts = y < r.Top + m_cellWidth || y >= r.Bottom - m_cellWidth;
    } else if (slot->DataView) {
      accepts = x < r.Left + m_cellWidth || x >= r.Right - m_cellWidth;
    }
    if (accepts && Holds(r, x, y)) {
      return slot.get();
    }
  }
  return nullptr;
}

TiPlotLayoutObject* TiPlotLayoutViewer::FindRowObject(TiPlotLayoutObject* exclude, bool horizontal, int zOrder) const {
  const TiPlotLayoutManager& lm = *m_layoutManager;
  const TiPlotLayoutObject* otherMarker =
      horizontal ? static_cast<const TiPlotLayoutObject*>(&lm.DataViewVert()) : &lm.DataViewHorz();
  for (int i = 0; i < m_layoutManager->Count(); ++i) {
    TiPlotLayoutObject* o = m_layoutManager->GetLayoutObject(i);
    if (o != exclude && o != otherMarker && !IsDataView(o) && o->ZOrder() == zOrder && o->Horizontal() == horizontal) {
      return o;
    }
  }
  return nullptr;
}

void TiPlotLayoutViewer::iPaintTo(TCanvas& canvas) {
  ForgetRemoved();
  CalcDiagram(canvas);
  DrawBackground(canvas);
  if (m_layoutManager != nullptr) {
    DrawBlocks(canvas);
  }
}

void TiPlotLayoutViewer::CalcDiagram(TCanvas& canvas) {
  m_viewRect = TRect{5, 5, Width() - 5, Height() - 5};
  if (m_layoutManager == nullptr) {
    return;
  }
  canvas.Font().Assign(m_font);
  m_cellWidth = Round(canvas.TextHeight(QStringLiteral("ABC")) * 1.1);
  const TiPlotLayoutManager& lm = *m_layoutManager;
  m_dataViewRect = TRect{m_viewRect.Left + lm.LeftUniqueCount() * m_cellWidth,
                         m_viewRect.Top + lm.TopUniqueCount() * m_cellWidth,
                         m_viewRect.Right - lm.RightUniqueCount() * m_cellWidth,
                         m_viewRect.Bottom - lm.BottomUniqueCount() * m_cellWidth};
  m_dataViewWidth = m_dataViewRect.Right - m_dataViewRect.Left;
  m_dataViewHeight = m_dataViewRect.Bottom - m_dataViewRect.Top;
  if (m_dragOverRefBlock2 == nullptr) {
    RebuildSlots();
  }
  PlaceObjects();
}

void TiPlotLayoutViewer::RebuildSlots() {
  const TiPlotLayoutManager& lm = *m_layoutManager;
  const TRect& v = m_viewRect;
  const TRect& dv = m_dataViewRect;
  const int cell = m_cellWidth;
  m_blockList.clear();
  auto add = [this](TRect r, int z, bool horizontal, bool dataView, bool toolBar) {
    m_blockList.push_back(std::make_unique<TBlockObject>(TBlockObject{r, z, horizontal, dataView, toolBar}));
  };
  int z = 0;
  for (int d = 0; d < lm.LeftUniqueCount(); ++d) {
    add({v.Left + d * cell, dv.Top, v.Left + (d + 1) * cell, dv.Bottom}, z++, false, false, false);
  }
  add(dv, z++, false, true, false);
  for (int d = 0; d < lm.RightUniqueCount(); ++d) {
    add({dv.Right + d * cell, dv.Top, dv.Right + (d + 1) * cell, dv.Bottom}, z++, false, false, false);
  }
  z = lm.TopUniqueCount() + lm.BottomUniqueCount();
  for (int i = 0; i < lm.TopUniqueCount(); ++i) {
    add({v.Left, v.Top + i * cell, v.Right, v.Top + (i + 1) * cell}, z--, true, false, i == 0);
  }
  add(dv, z--, true, true, false);
  for (int d = 0; d < lm.BottomUniqueCount(); ++d) {
    add({v.Left, dv.Bottom + d * cell, v.Right, dv.Bottom + (d + 1) * cell}, z--, true, false, false);
  }
}

void TiPlotLayoutViewer::PlaceObjects() {
  const TRect& v = m_viewRect;
  const TRect& dv = m_dataViewRect;
  const int cell = m_cellWidth;
  const int dHorz = m_layoutManager->DataViewHorz().ZOrder();
  const int dVert = m_layoutManager->DataViewVert().ZOrder();
  for (int i = 0; i < m_layoutManager->Count(); ++i) {
    TiPlotLayoutObject* o = m_layoutManager->GetLayoutObject(i);
    if (IsDataView(o) || IsMarker(o)) {
      o->SetLayoutRect(dv);
      continue;
    }
    const int z = o->ZOrder();
    const double start = o->StartPercent();
    const double stop = o->StopPercent();
    TRect r;
    if (o->Horizontal()) {
      r.Top = dHorz < z ? dv.Top - (z - dHorz) * cell : dv.Bottom + (dHorz - z - 1) * cell;
      r.Bottom = r.Top + cell;
      if (IsAxis(o)) {
        r.Left = Round(dv.Left + m_dataViewWidth * start / 100);
        r.Right = Round(dv.Left + m_dataViewWidth * stop / 100);
      } else {
        const int width = v.Right - v.Left;
        r.Left = v.Left + Round(width * start / 100);
        r.Right = v.Left + Round(width * stop / 100);
      }
    } else {
      r.Left = dVert < z ? dv.Right + (z - dVert - 1) * cell : dv.Left - (dVert - z) * cell;
      r.Right = r.Left + cell;
      r.Top = dv.Bottom - Round(m_dataViewHeight * stop / 100);
      r.Bottom = dv.Bottom - Round(m_dataViewHeight * start / 100);
    }
    o->SetLayoutRect(r);
  }
}

void TiPlotLayoutViewer::DrawBackground(TCanvas& canvas) {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(clBlue);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetColor(clBlue);
  canvas.FillRect(canvas.ClipRect());
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(m_viewRect);
}

void TiPlotLayoutViewer::DrawBlocks(TCanvas& canvas) {
  canvas.Pen().SetColor(clBlack);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(m_font);
  const TiPlotLayoutObject* vertMarker = &m_layoutManager->DataViewVert();
  for (int i = 0; i < m_layoutManager->Count(); ++i) {
    TiPlotLayoutObject* o = m_layoutManager->GetLayoutObject(i);
    if (IsDataView(o) || o == vertMarker) {
      continue;
    }
    canvas.Brush().SetColor(o == m_selectedBlock ? clYellow : clSilverBar);
    canvas.Brush().SetStyle(o->Visible() ? TBrushStyle::bsSolid : TBrushStyle::bsDiagCross);
    if (!o->Visible()) {
      // The hatch's gaps show the white view, so hidden bars stand out.
      canvas.SetBkMode(TRANSPARENT);
    }
    const TRect r = o->LayoutRect();
    canvas.Rectangle(r);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const QString name =
        m_translationManager != nullptr ? m_translationManager->FindReplacement(o->Name()) : o->Name();
    TRect bounds;
    iDrawRotatedText(canvas, name, r, bounds, m_font.Color(), true, TiAlignmentHorizontal::iahCenter,
                     o->Horizontal() ? TiRotationAngle::ira000 : TiRotationAngle::ira090);
  }
  DrawDropFrame(canvas);
}

void TiPlotLayoutViewer::DrawDropFrame(TCanvas& canvas) {
  TRect frame;
  if (m_overLayoutObject != nullptr) {
    frame = m_overLayoutObject->LayoutRect();
  } else if (m_dragOverRefBlock2 != nullptr) {
    const TBlockObject& slot = *m_dragOverRefBlock2;
    const int h = m_cellWidth / 2;
    const bool below = m_insertDirection == TiInsertDirection::iidBelow;
    const bool above = m_insertDirection == TiInsertDirection::iidAbove;
    frame = slot.ARect;
    if (slot.Horizontal) {
      const int dy = below ? h : above ? -(h - 1) : 0;
      frame.Top += dy;
      frame.Bottom += dy;
    } else {
      const int dx = below ? -h : above ? h + 1 : 0;
      frame.Left += dx;
      frame.Right += dx;
    }
    if (slot.DataView && slot.Horizontal) {
      if (below) {
        frame.Top = frame.Bottom - m_cellWidth;
      } else if (above) {
        frame.Bottom = frame.Top + m_cellWidth;
      }
      frame.Left = m_viewRect.Left;
      frame.Right = m_viewRect.Right;
    } else if (slot.DataView) {
      if (below) {
        frame.Right = frame.Left + m_cellWidth;
      } else if (above) {
        frame.Left = frame.Right - m_cellWidth;
      }
    }
  } else {
    return;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetColor(clBlack);
  canvas.Pen().SetWidth(2);
  canvas.Rectangle(frame);
  canvas.Pen().SetWidth(1);
}

void TiPlotLayoutViewer::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  ForgetRemoved();
  TiPlotLayoutObject* object = GetMouseOverBlock(x, y);
  if (object == nullptr || IsDataView(object) || object->Kind() == K::ToolBar) {
    return;
  }
  if (button != TMouseButton::mbLeft) {
    // Another button may open a pop-up menu on this press, which then takes
    // the release: no drag or resize may outlive it. The bar stays selected
    // for the menu.
    EndEdit();
    m_selectedBlock = object;
    return;
  }
  m_selectedBlock = object;
  m_mouseDown = true;
  m_mouseDownX = x;
  m_mouseDownY = y;
  if (!shift.Contains(TShiftStateItem::ssLeft)) {
    m_insertDirection = TiInsertDirection::iidMerge;
  }
  if (m_resizeBlock != nullptr) {
    m_editMode = TiLayoutEditMode::ilemSize;
    m_mouseDownStartPercent = m_resizeBlock->StartPercent();
    m_mouseDownStopPercent = m_resizeBlock->StopPercent();
  } else {
    m_editMode = TiLayoutEditMode::ilemDrag;
  }
  InvalidateChange();
}

void TiPlotLayoutViewer::iMouseMove(TShiftState shift, int x, int y) {
  ForgetRemoved();
  SetCursor(crDefault);
  if (m_editMode == TiLayoutEditMode::ilemDrag && !shift.Contains(TShiftStateItem::ssLeft)) {
    return;
  }
  m_overLayoutObject = nullptr;
  m_dragOverRefBlock2 = nullptr;
  TiPlotLayoutObject* over = GetMouseOverBlock(x, y);
  TBlockObject* slot = GetMouseOverBlock2(x, y);
  switch (m_editMode) {
    case TiLayoutEditMode::ilemDrag:
      if (m_mouseDown) {
        DragOver(x, y, over, slot);
      }
      break;
    case TiLayoutEditMode::ilemSize:
      if (m_mouseDown) {
        SizeTo(x, y);
      }
      break;
    case TiLayoutEditMode::ilemNone:
      Hover(x, y, over);
      break;
  }
  InvalidateChange();
}

void TiPlotLayoutViewer::DragOver(int x, int y, TiPlotLayoutObject* over, TBlockObject* slot) {
  TiPlotLayoutObject* selected = m_selectedBlock;
  if (over != nullptr && !IsDataView(over) && over != selected && over->Horizontal() == selected->Horizontal() &&
      over->ZOrder() == selected->ZOrder()) {
    m_overLayoutObject = over;
  }
  if (slot == nullptr || (IsAxis(selected) && selected->Horizontal() != slot->Horizontal)) {
    return;
  }
  m_dragOverRefBlock2 = slot;
  const TiPlotLayoutObject* target = FindRowObject(selected, slot->Horizontal, slot->ZOrder);
  if (target == nullptr) {
    return;
  }
  const TRect& r = slot->ARect;
  const int h = r.Bottom - r.Top;
  const int w = r.Right - r.Left;
  using D = TiInsertDirection;
  if (slot->ToolBar) {
    // Only the toolbar row's lower half is a slot: a bar goes below it or,
    // when it may, shares it.
    if (!CanMerge(selected, target) || y > r.Top + 2 * h / 3) {
      m_insertDirection = D::iidBelow;
    } else {
      m_dragOverRefBlock2 = nullptr;
    }
  } else if (CanMerge(selected, target)) {
    if (slot->Horizontal) {
      m_insertDirection = y > r.Top + 2 * h / 3 ? D::iidBelow : y > r.Top + h / 3 ? D::iidMerge : D::iidAbove;
    } else {
      m_insertDirection = x < r.Left + w / 3 ? D::iidBelow : x < r.Left + 2 * w / 3 ? D::iidMerge : D::iidAbove;
    }
  } else if (slot->Horizontal) {
    m_insertDirection = y > r.Top + h / 2 ? D::iidBelow : D::iidAbove;
  } else {
    m_insertDirection = x < r.Left + w / 2 ? D::iidBelow : D::iidAbove;
  }
}

void TiPlotLayoutViewer::SizeTo(int x, int y) {
  TiPlotLayoutObject* bar = m_resizeBlock;
  if (bar == nullptr) {
    return;
  }
  const bool horizontal = bar->Horizontal();
  const int delta = horizontal ? x - m_mouseDownX : m_mouseDownY - y;
  const int total = horizontal ? m_dataViewWidth : m_dataViewHeight;
  // Rows can fill a small viewer and leave the data view no size: then a
  // pixel is no share of it.
  if (total <= 0) {
    return;
  }
  const double p = Round(double(delta) / total * 100 / kSizeStep) * kSizeStep;
  if (m_sizingSide == TiLayoutSizingSide::ilssStart) {
    bar->SetStartPercent(m_mouseDownStartPercent + p);
  } else {
    bar->SetStopPercent(m_mouseDownStopPercent + p);
  }
}

void TiPlotLayoutViewer::Hover(int x, int y, TiPlotLayoutObject* over) {
  m_resizeBlock = nullptr;
  if (over == nullptr || !IsSizable(over)) {
    return;
  }
  const TRect r = over->LayoutRect();
  const bool horizontal = over->Horizontal();
  const int toStart = horizontal ? x - r.Left : r.Bottom - y;
  const int toStop = horizontal ? r.Right - x : y - r.Top;
  if (std::abs(toStart) <= kEndGrip) {
    m_sizingSide = TiLayoutSizingSide::ilssStart;
  } else if (std::abs(toStop) <= kEndGrip) {
    m_sizingSide = TiLayoutSizingSide::ilssStop;
  } else {
    return;
  }
  SetCursor(horizontal ? crSizeWE : crSizeNS);
  m_resizeBlock = over;
}

void TiPlotLayoutViewer::iMouseUp(TMouseButton, TShiftState, int, int) {
  ForgetRemoved();
  m_mouseDown = false;
  if (m_editMode == TiLayoutEditMode::ilemDrag && m_selectedBlock != nullptr) {
    Drop();
  } else if (m_editMode == TiLayoutEditMode::ilemSize && m_resizeBlock != nullptr &&
             (m_resizeBlock->StartPercent() != m_mouseDownStartPercent ||
              m_resizeBlock->StopPercent() != m_mouseDownStopPercent)) {
    DoChange();
  }
  EndEdit();
}

void TiPlotLayoutViewer::Drop() {
  TiPlotLayoutObject* selected = m_selectedBlock;
  const TBlockObject* slot = m_dragOverRefBlock2;
  if (m_overLayoutObject != nullptr) {
    SwapSpans();
    return;
  }
  if (slot == nullptr) {
    return;
  }
  if (slot->Horizontal != selected->Horizontal()) {
    if (selected->Horizontal()) {
      MoveToVertical();
    } else {
      MoveToHorizontal();
    }
    return;
  }
  TiPlotLayoutObject* target = FindRowObject(selected, slot->Horizontal, slot->ZOrder);
  if (m_insertDirection == TiInsertDirection::iidMerge) {
    MergeInto(target);
  } else {
    if (target != nullptr) {
      m_layoutManager->RemoveZOrder(selected);
      m_layoutManager->InsertZOrder(selected, target->ZOrder(), m_insertDirection);
    }
    selected->SetStartPercent(0);
    selected->SetStopPercent(100);
  }
  DoChange();
}

void TiPlotLayoutViewer::MergeInto(TiPlotLayoutObject* target) {
  TiPlotLayoutObject* selected = m_selectedBlock;
  const TBlockObject& slot = *m_dragOverRefBlock2;
  std::vector<TiPlotLayoutObject*> row;
  for (int i = 0; i < m_layoutManager->Count(); ++i) {
    TiPlotLayoutObject* o = m_layoutManager->GetLayoutObject(i);
    if (o != selected && !IsDataView(o) && !IsMarker(o) && o->Horizontal() == slot.Horizontal &&
        o->ZOrder() == slot.ZOrder) {
      row.push_back(o);
    }
  }
  row.push_back(selected);
  const double share = 100.0 / double(row.size());
  for (std::size_t k = 0; k < row.size(); ++k) {
    row[k]->SetStopPercent(share * double(k + 1));
    row[k]->SetStartPercent(share * double(k));
  }
  if (target != nullptr) {
    m_layoutManager->RemoveZOrder(selected);
    m_layoutManager->InsertZOrder(selected, target->ZOrder(), TiInsertDirection::iidMerge);
  }
}

void TiPlotLayoutViewer::SwapSpans() {
  const double overStart = m_overLayoutObject->StartPercent();
  const double overStop = m_overLayoutObject->StopPercent();
  m_overLayoutObject->SetStartStopPercent(m_selectedBlock->StartPercent(), m_selectedBlock->StopPercent());
  m_selectedBlock->SetStartStopPercent(overStart, overStop);
  DoChange();
}

void TiPlotLayoutViewer::MoveToVertical() { MoveToOrientation(false); }

void TiPlotLayoutViewer::MoveToHorizontal() { MoveToOrientation(true); }

void TiPlotLayoutViewer::MoveToOrientation(bool horizontal) {
  TiPlotLayoutObject* selected = m_selectedBlock;
  const TiPlotLayoutObject* target = FindRowObject(selected, horizontal, m_dragOverRefBlock2->ZOrder);
  if (target == nullptr) {
    return;
  }
  m_layoutManager->RemoveZOrder(selected);
  selected->SetHorizontal(horizontal);
  m_layoutManager->InsertZOrder(selected, target->ZOrder(), m_insertDirection);
  DoChange();
}

void TiPlotLayoutViewer::DoChange() { Raise(OnChange, this); }

void TiPlotLayoutViewer::ForgetRemoved() {
  auto listed = [this](const TiPlotLayoutObject* o) {
    return o != nullptr && m_layoutManager != nullptr && m_layoutManager->Contains(o);
  };
  if (!listed(m_overLayoutObject)) {
    m_overLayoutObject = nullptr;
  }
  if (!listed(m_resizeBlock)) {
    if (m_editMode == TiLayoutEditMode::ilemSize) {
      m_editMode = TiLayoutEditMode::ilemNone;
      m_mouseDown = false;
    }
    m_resizeBlock = nullptr;
  }
  if (!listed(m_selectedBlock)) {
    if (m_editMode == TiLayoutEditMode::ilemDrag) {
      m_editMode = TiLayoutEditMode::ilemNone;
      m_mouseDown = false;
      m_dragOverRefBlock2 = nullptr;
    }
    m_selectedBlock = nullptr;
  }
}

void TiPlotLayoutViewer::EndEdit() {
  m_mouseDown = false;
  m_editMode = TiLayoutEditMode::ilemNone;
  SetCursor(crDefault);
  m_overLayoutObject = nullptr;
  m_dragOverRefBlock2 = nullptr;
  m_selectedBlock = nullptr;
  m_resizeBlock = nullptr;
  InvalidateChange();
}
