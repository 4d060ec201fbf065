#include "plot/objects/TiPlotDataView.h"

#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/base/iRounding.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotAxis.h"

namespace {

const QString kDataViewAll = QStringLiteral("<ALL>");

TPenStyle PenStyleOf(TiPlotGridLineStyle style) {
  switch (style) {
    case TiPlotGridLineStyle::ipglsDash:
      return TPenStyle::psDash;
    case TiPlotGridLineStyle::ipglsDot:
      return TPenStyle::psDot;
    default:
      return TPenStyle::psSolid;
  }
}

TPen PenOf(const TiPlotGridLineSettings& custom, TColor color, TiPlotGridLineStyle style) {
  TPen pen;
  pen.SetColor(custom.Custom ? custom.Color : color);
  pen.SetWidth(custom.Custom ? custom.Width : 0);
  pen.SetStyle(PenStyleOf(custom.Custom ? custom.Style : style));
  return pen;
}

}  // namespace

TiPlotDataView::TiPlotDataView(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                               TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)) {}

double TiPlotDataView::PixelsXToPositionPercent(int value) const {
  return Width() == 0 ? 0.0 : double(value - DrawRect().Left) / Width() * 100;
}

double TiPlotDataView::PixelsYToPositionPercent(int value) const {
  return Height() == 0 ? 0.0 : (1 - double(value - DrawRect().Top) / Height()) * 100;
}

int TiPlotDataView::PositionPercentToPixelsX(double value) const {
  return RoundSafe(Width() * value / 100 + DrawRect().Left);
}

int TiPlotDataView::PositionPercentToPixelsY(double value) const {
  return RoundSafe(Height() * (100 - value) / 100 + DrawRect().Top);
}

void TiPlotDataView::SetGridXAxisName(const QString& value) {
  if (value != m_gridXAxisName) {
    m_xAxis = nullptr;
  }
  StoreAndChange(value, m_gridXAxisName);
}

void TiPlotDataView::SetGridYAxisName(const QString& value) {
  if (value != m_gridYAxisName) {
    m_yAxis = nullptr;
  }
  StoreAndChange(value, m_gridYAxisName);
}

void TiPlotDataView::StoreGrid(const TiPlotGridLineSettings& value, TiPlotGridLineSettings& field) {
  if (value.Custom != field.Custom || value.Color != field.Color || value.Width != field.Width ||
      value.Style != field.Style) {
    field = value;
    DoChange();
  }
}

void TiPlotDataView::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotLayoutObject::AddMenuItems(popupMenu);
  AddEditMenuItem(popupMenu);
}

void TiPlotDataView::NotificationRemove(TObject* sender) {
  if (sender == m_xAxis) {
    m_xAxis = nullptr;
  }
  if (sender == m_yAxis) {
    m_yAxis = nullptr;
  }
}

void TiPlotDataView::NotificationRename(TObject* sender) {
  if (sender != nullptr && sender == m_xAxis) {
    m_gridXAxisName = m_xAxis->Name();
  }
  if (sender != nullptr && sender == m_yAxis) {
    m_gridYAxisName = m_yAxis->Name();
  }
}

void TiPlotDataView::NotificationSetFocus(TObject* sender) {
  auto* object = dynamic_cast<TiPlotObject*>(sender);
  if (object != nullptr && object != this && object->UserSelected()) {
    SetUserSelected(false);
  }
}

void TiPlotDataView::DrawBackground(TCanvas& canvas) {
  if (m_backgroundTransparent) {
    return;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(m_backgroundColor);
  canvas.FillRect(DrawRect());
}

void TiPlotDataView::Draw(TCanvas& canvas, TColor backGroundColor) {
  TiPlotLayoutObject::Draw(canvas, backGroundColor);
  canvas.Brush().SetColor(backGroundColor);
  DrawGrid(canvas);
  if (!UserSelected()) {
    return;
  }
  const TRect r = DrawRect();
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(backGroundColor);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Polyline({{r.Left, r.Top}, {r.Left, r.Bottom}});
  canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}});
  canvas.Polyline({{r.Left, r.Top}, {r.Right, r.Top}});
  canvas.Polyline({{r.Left, r.Bottom}, {r.Right + 1, r.Bottom}});
  canvas.Font().SetColor(clWhite);
  DrawFocusRectangle(canvas, {r.Left, r.Top, r.Right + 1, r.Bottom + 1});
}

void TiPlotDataView::DrawAxisGrid(TCanvas& canvas, TiPlotObjectKind kind, const QString& name, TiPlotAxis*& cache,
                                  const TiPlotGridLineSettings& major, const TiPlotGridLineSettings& minor,
                                  bool majors, bool minors) const {
  if (Owner() == nullptr) {
    return;
  }
  TiPlotKindManager* manager = Owner()->Master().ManagerOfKind(kind);
  if (manager == nullptr) {
    return;
  }
  const TPen majorPen = PenOf(major, m_gridLineColor, m_majorStyle);
  const TPen minorPen = PenOf(minor, m_gridLineColor, m_minorStyle);
  if (name.compare(kDataViewAll, Qt::CaseInsensitive) == 0) {
    for (TiPlotObject* object : manager->Snapshot()) {
      static_cast<TiPlotAxis*>(object)->DrawGridLines(canvas, DrawRect(), majorPen, minorPen, majors, minors);
    }
    return;
  }
  if (cache == nullptr) {
    cache = dynamic_cast<TiPlotAxis*>(manager->GetObjectByName(name));
  }
  if (cache != nullptr) {
    cache->DrawGridLines(canvas, DrawRect(), majorPen, minorPen, majors, minors);
  }
}

void TiPlotDataView::DrawGrid(TCanvas& canvas) {
  if (!m_gridShow) {
    return;
  }
  DrawAxisGrid(canvas, TiPlotObjectKind::XAxis, m_gridXAxisName, m_xAxis, m_xMajor, m_xMinor, m_showXMajors,
               m_showXMinors);
  DrawAxisGrid(canvas, TiPlotObjectKind::YAxis, m_gridYAxisName, m_yAxis, m_yMajor, m_yMinor, m_showYMajors,
               m_showYMinors);
  const TRect r = DrawRect();
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(0);
  canvas.Pen().SetColor(m_gridLineColor);
  if (m_showLeft) {
    canvas.Polyline({{r.Left, r.Top}, {r.Left, r.Bottom}});
  }
  if (m_showRight) {
    canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}});
  }
  if (m_showTop) {
    canvas.Polyline({{r.Left, r.Top}, {r.Right, r.Top}});
  }
  if (m_showBottom) {
    canvas.Polyline({{r.Left, r.Bottom}, {r.Right + 1, r.Bottom}});
  }
}
