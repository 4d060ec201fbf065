#include "plot/core/TiPlotComponent.h"

#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotAxis.h"

// Dispatch of the plot's per-kind events: find the object's kind and its
// index in the kind's manager, and fire the matching event. Nothing fires
// while the plot is loading.

namespace {

using K = TiPlotObjectKind;

/// The event of each kind in one family (null: the kind has none).
template <typename Event>
struct EventSet {
  Event TiPlotComponentEvents::*channel = nullptr;
  Event TiPlotComponentEvents::*xAxis = nullptr;
  Event TiPlotComponentEvents::*yAxis = nullptr;
  Event TiPlotComponentEvents::*dataCursor = nullptr;
  Event TiPlotComponentEvents::*dataView = nullptr;
  Event TiPlotComponentEvents::*legend = nullptr;
  Event TiPlotComponentEvents::*limit = nullptr;
  Event TiPlotComponentEvents::*annotation = nullptr;
  bool timeSeriesChannelOnly = false;
  Event TiPlotComponentEvents::*table = nullptr;
};

template <typename Event>
Event TiPlotComponentEvents::*Member(const EventSet<Event>& set, K kind) {
  switch (kind) {
    case K::Channel: return set.channel;
    case K::XYChannel: return set.timeSeriesChannelOnly ? nullptr : set.channel;
    case K::XAxis: return set.xAxis;
    case K::YAxis: return set.yAxis;
    case K::DataCursor: return set.dataCursor;
    case K::DataView: return set.dataView;
    case K::Legend: return set.legend;
    case K::Limit: return set.limit;
    case K::Annotation: return set.annotation;
    case K::Table: return set.table;
    default: return nullptr;
  }
}

using E = TiPlotComponentEvents;

const EventSet<TiPlotObjectMouseEvent> kMouseDown{&E::OnMouseDownChannel,   &E::OnMouseDownXAxis,
                                                  &E::OnMouseDownYAxis,     &E::OnMouseDownDataCursor,
                                                  &E::OnMouseDownDataView,  &E::OnMouseDownLegend,
                                                  &E::OnMouseDownLimit,     &E::OnMouseDownAnnotation};
const EventSet<TiPlotObjectMouseEvent> kMouseUp{&E::OnMouseUpChannel,  &E::OnMouseUpXAxis,     &E::OnMouseUpYAxis,
                                                &E::OnMouseUpDataCursor, &E::OnMouseUpDataView, &E::OnMouseUpLegend,
                                                &E::OnMouseUpLimit,    &E::OnMouseUpAnnotation};
const EventSet<TiPlotObjectMouseMoveEvent> kMouseMove{&E::OnMouseMoveChannel,  &E::OnMouseMoveXAxis,
                                                      &E::OnMouseMoveYAxis,    &E::OnMouseMoveDataCursor,
                                                      &E::OnMouseMoveDataView, &E::OnMouseMoveLegend,
                                                      &E::OnMouseMoveLimit,    &E::OnMouseMoveAnnotation};
const EventSet<TiPlotObjectMouseWheelEvent> kMouseWheel{
    &E::OnMouseWheelChannel,  &E::OnMouseWheelXAxis,  &E::OnMouseWheelYAxis, &E::OnMouseWheelDataCursor,
    &E::OnMouseWheelDataView, &E::OnMouseWheelLegend, &E::OnMouseWheelLimit, &E::OnMouseWheelAnnotation,
    true};
const EventSet<TiPlotObjectEvent> kClick{&E::OnClickChannel,  &E::OnClickXAxis,      &E::OnClickYAxis,
                                         &E::OnClickDataCursor, &E::OnClickDataView, &E::OnClickLegend,
                                         &E::OnClickLimit,    &E::OnClickAnnotation};
const EventSet<TiPlotObjectEvent> kDblClick{&E::OnDblClickChannel,  &E::OnDblClickXAxis,    &E::OnDblClickYAxis,
                                            &E::OnDblClickDataCursor, &E::OnDblClickDataView, &E::OnDblClickLegend,
                                            &E::OnDblClickLimit,    &E::OnDblClickAnnotation};
const EventSet<TiPlotObjectGetMouseCursorEvent> kCursor{
    &E::OnGetMouseCursorChannel,  &E::OnGetMouseCursorXAxis,  &E::OnGetMouseCursorYAxis,
    &E::OnGetMouseCursorDataCursor, &E::OnGetMouseCursorDataView, &E::OnGetMouseCursorLegend,
    &E::OnGetMouseCursorLimit,    &E::OnGetMouseCursorAnnotation};
const EventSet<TiPlotObjectEvent> kGotFocus{&E::OnGotFocusChannel,    &E::OnGotFocusXAxis,    &E::OnGotFocusYAxis,
                                            &E::OnGotFocusDataCursor, &E::OnGotFocusDataView, &E::OnGotFocusLegend,
                                            nullptr,                  &E::OnGotFocusAnnotation};
const EventSet<TiPlotObjectEvent> kLostFocus{&E::OnLostFocusChannel,    &E::OnLostFocusXAxis,
                                             &E::OnLostFocusYAxis,      &E::OnLostFocusDataCursor,
                                             &E::OnLostFocusDataView,   &E::OnLostFocusLegend,
                                             nullptr,                   &E::OnLostFocusAnnotation};
const EventSet<TiPlotPopupMenuEvent> kPopup{&E::OnPopupMenuChannel,  &E::OnPopupMenuXAxis,     &E::OnPopupMenuYAxis,
                                            &E::OnPopupMenuDataCursor, &E::OnPopupMenuDataView, &E::OnPopupMenuLegend,
                                            &E::OnPopupMenuLimit,    &E::OnPopupMenuAnnotation};

const EventSet<TiPlotObjectEvent> kAdd{&E::OnAddChannel,  &E::OnAddXAxis,  &E::OnAddYAxis,
                                       &E::OnAddDataCursor, &E::OnAddDataView, &E::OnAddLegend,
                                       &E::OnAddLimit,    &E::OnAddAnnotation, false, &E::OnAddTable};
const EventSet<TiPlotObjectEvent> kRemove{&E::OnRemoveChannel,    &E::OnRemoveXAxis,    &E::OnRemoveYAxis,
                                          &E::OnRemoveDataCursor, &E::OnRemoveDataView, &E::OnRemoveLegend,
                                          &E::OnRemoveLimit,      &E::OnRemoveAnnotation, false, &E::OnRemoveTable};

/// Fires the event of the object's kind in a family with its index and
/// the further arguments.
template <typename Event, typename... Args>
void FireKind(TiPlotComponent& plot, const EventSet<Event>& set, const TiPlotObject* object, Args&&... args) {
  if (object == nullptr || plot.IsLoading()) {
    return;
  }
  const auto member = Member(set, object->Kind());
  if (member == nullptr) {
    return;
  }
  const Event& event = static_cast<TiPlotComponentEvents&>(plot).*member;
  if (event) {
    event(plot.ObjectIndex(object), std::forward<Args>(args)...);
  }
}

/// Fires a single event with the object's index first.
template <typename Event, typename... Args>
void FireOne(TiPlotComponent& plot, const Event& event, const TiPlotObject* object, Args&&... args) {
  if (object != nullptr && !plot.IsLoading() && event) {
    event(plot.ObjectIndex(object), std::forward<Args>(args)...);
  }
}

}  // namespace

void TiPlotComponent::DoObjectInsert(TObject* object) {
  FireKind(*this, kAdd, dynamic_cast<TiPlotObject*>(object));
}

void TiPlotComponent::DoObjectRemove(TObject* object) {
  auto* plotObject = dynamic_cast<TiPlotObject*>(object);
  for (TiPlotObject** reference :
       {&m_mouseDownObject, &m_lastMouseOverObject, &m_lastMouseClickObject, &m_lastHintObject}) {
    if (plotObject != nullptr && *reference == plotObject) {
      *reference = nullptr;
    }
  }
  FireKind(*this, kRemove, plotObject);
}

void TiPlotComponent::DoObjectMouseDown(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y) {
  FireKind(*this, kMouseDown, object, button, shift, x, y);
}

void TiPlotComponent::DoObjectMouseMove(TiPlotObject* object, TShiftState shift, int x, int y) {
  FireKind(*this, kMouseMove, object, shift, x, y);
}

void TiPlotComponent::DoObjectMouseUp(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y) {
  FireKind(*this, kMouseUp, object, button, shift, x, y);
}

void TiPlotComponent::DoObjectMouseWheel(TiPlotObject* object, int wheelDelta, TShiftState shift, int x, int y) {
  FireKind(*this, kMouseWheel, object, wheelDelta, shift, x, y);
}

void TiPlotComponent::DoObjectClick(TiPlotObject* object) {
  if (IsLoading()) {
    return;
  }
  FireKind(*this, m_dblClickActive ? kDblClick : kClick, object);
  m_dblClickActive = false;
}

void TiPlotComponent::DoObjectGetMouseCursor(TiPlotObject* object, TCursor& mouseCursor) {
  FireKind(*this, kCursor, object, mouseCursor);
}

void TiPlotComponent::DoObjectGotFocus(TiPlotObject* object) { FireKind(*this, kGotFocus, object); }

void TiPlotComponent::DoObjectLostFocus(TiPlotObject* object) { FireKind(*this, kLostFocus, object); }

void TiPlotComponent::DoObjectPopupMenu(TiPlotObject* object, bool& cancel, int screenX, int screenY) {
  FireKind(*this, kPopup, object, cancel, screenX, screenY);
}

void TiPlotComponent::DoDataPointClick(TiPlotObject* channel, int dataIndex) {
  FireOne(*this, m_dblClickActive ? OnDblClickDataPoint : OnClickDataPoint, channel, dataIndex);
}

void TiPlotComponent::DoDataPointMouseDown(TiPlotObject* channel, int dataIndex, const TiPlotMouseData& d) {
  FireOne(*this, OnMouseDownDataPoint, channel, dataIndex, d.Button, d.Shift, d.X, d.Y);
}

void TiPlotComponent::DoDataPointMouseMove(TiPlotObject* channel, int dataIndex, const TiPlotMouseData& d) {
  FireOne(*this, OnMouseMoveDataPoint, channel, dataIndex, d.Shift, d.X, d.Y);
}

void TiPlotComponent::DoDataPointMouseUp(TiPlotObject* channel, int dataIndex, const TiPlotMouseData& d) {
  FireOne(*this, OnMouseUpDataPoint, channel, dataIndex, d.Button, d.Shift, d.X, d.Y);
}

void TiPlotComponent::DoDataPointMoved(TiPlotObject* channel, int dataIndex, double oldX, double oldY, double newX,
                                       double newY) {
  FireOne(*this, OnDataPointMoved, channel, dataIndex, oldX, oldY, newX, newY);
}

void TiPlotComponent::DoDataPointCustomizeHint(TiPlotObject* channel, int dataIndex, QString& text) {
  FireOne(*this, OnDataPointCustomizeHint, channel, dataIndex, text);
}

void TiPlotComponent::DoAxisMinChange(TiPlotAxis* axis, double oldValue, double newValue) {
  FireOne(*this, axis->Kind() == K::XAxis ? OnXAxisMinChange : OnYAxisMinChange, axis, oldValue, newValue);
}

void TiPlotComponent::DoAxisSpanChange(TiPlotAxis* axis, double oldValue, double newValue) {
  FireOne(*this, axis->Kind() == K::XAxis ? OnXAxisSpanChange : OnYAxisSpanChange, axis, oldValue, newValue);
}

void TiPlotComponent::DoAxisMinSpanChange(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin,
                                          double newSpan) {
  FireOne(*this, axis->Kind() == K::XAxis ? OnXAxisMinSpanChange : OnYAxisMinSpanChange, axis, oldMin, oldSpan,
          newMin, newSpan);
}

void TiPlotComponent::DoAxisMinSpanChangeFinished(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin,
                                                  double newSpan) {
  FireOne(*this, axis->Kind() == K::XAxis ? OnXAxisMinSpanChangeFinished : OnYAxisMinSpanChangeFinished, axis,
          oldMin, oldSpan, newMin, newSpan);
}

void TiPlotComponent::DoAxisCustomizeLabel(TiPlotAxis* axis, QString& text, double value) {
  m_tempCustomLabel = text;
  FireOne(*this, axis->Kind() == K::XAxis ? OnXAxisCustomizeLabel : OnYAxisCustomizeLabel, axis, value,
          m_tempCustomLabel);
  text = m_tempCustomLabel;
}

void TiPlotComponent::DoXAxisCustomizeHint(TiPlotObject* axis, QString& text) {
  FireOne(*this, OnXAxisCustomizeHint, axis, text);
}

void TiPlotComponent::DoYAxisCustomizeHint(TiPlotObject* axis, QString& text) {
  FireOne(*this, OnYAxisCustomizeHint, axis, text);
}

void TiPlotComponent::DoDataCursorCustomizeHint(TiPlotObject* cursor, QString& text) {
  FireOne(*this, OnDataCursorCustomizeHint, cursor, text);
}

void TiPlotComponent::DoToolBarCustomizeHint(TiPlotObject* toolBar, QString& text) {
  FireOne(*this, OnToolBarCustomizeHint, toolBar, text);
}

void TiPlotComponent::DoDataCursorChange(TiPlotObject* cursor) { FireOne(*this, OnDataCursorChange, cursor); }

void TiPlotComponent::DoBeforeDataCursorUpdate(TiPlotObject* cursor) {
  FireOne(*this, OnBeforeDataCursorUpdate, cursor);
}

void TiPlotComponent::DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue) {
  FireOne(*this, OnLimitLine1PositionChange, limit, oldValue, newValue);
}

void TiPlotComponent::DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue) {
  FireOne(*this, OnLimitLine2PositionChange, limit, oldValue, newValue);
}

void TiPlotComponent::DoAnnotationCoordinatesChange(TiPlotObject* annotation) {
  FireOne(*this, OnAnnotationCoordinatesChange, annotation);
}

void TiPlotComponent::DoAnnotationMoveUser(TiPlotObject* annotation) {
  FireOne(*this, OnAnnotationMoveUser, annotation);
}

void TiPlotComponent::DoAnnotationResizeUser(TiPlotObject* annotation) {
  FireOne(*this, OnAnnotationResizeUser, annotation);
}

void TiPlotComponent::DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation) {
  FireOne(*this, OnAnnotationCoordinatesChangeFinished, annotation);
}

template <typename F>
void TiPlotComponent::ForwardToOtherAxes(TiPlotAxis* axis, F&& f) {
  if (m_masterAxisBlock) {
    return;
  }
  m_masterAxisBlock = true;
  try {
    TiPlotKindManager* manager = m_master->ManagerOfKind(axis->Kind());
    for (TiPlotObject* other : manager ? manager->Snapshot() : std::vector<TiPlotObject*>{}) {
      if (other != axis && manager->Contains(other)) {
        f(*static_cast<TiPlotAxis*>(other));
      }
    }
  } catch (...) {
    m_masterAxisBlock = false;
    throw;
  }
  m_masterAxisBlock = false;
}

void TiPlotComponent::MasterAxisMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& data) {
  ForwardToOtherAxes(axis, [&](TiPlotAxis& other) { other.DoMouseLeft(data); });
}

void TiPlotComponent::MasterAxisMouseMove(TiPlotAxis* axis, const TiPlotMouseData& data) {
  ForwardToOtherAxes(axis, [&](TiPlotAxis& other) { other.DoMouseMove(data); });
}

void TiPlotComponent::MasterAxisMouseUp(TiPlotAxis* axis, const TiPlotMouseData& data) {
  ForwardToOtherAxes(axis, [&](TiPlotAxis& other) { other.DoMouseUp(data); });
}

void TiPlotComponent::MasterAxisMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x, int y) {
  ForwardToOtherAxes(axis, [&](TiPlotAxis& other) { other.DoMouseWheel(wheelDelta, shift, x, y); });
}

void TiPlotComponent::MasterAxisKeyDown(TiPlotAxis* axis, WORD& key, TShiftState shift) {
  ForwardToOtherAxes(axis, [&](TiPlotAxis& other) { other.DoKeyDown(key, shift, m_popupMenu.get()); });
}
