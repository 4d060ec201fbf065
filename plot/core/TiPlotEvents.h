#pragma once

#include <functional>

#include <QString>

#include "platform/core/TObject.h"
#include "platform/core/TRect.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TControl.h"

// Event types of a plot; Index is the object's position in the manager of
// its kind.
using TiPlotObjectEvent = std::function<void(int Index)>;
using TiPlotObjectMouseEvent = std::function<void(int Index, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseMoveEvent = std::function<void(int Index, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseWheelEvent = std::function<void(int Index, int WheelDelta, TShiftState Shift, int X, int Y)>;
using TiPlotObjectGetMouseCursorEvent = std::function<void(int Index, TCursor& MouseCursor)>;
using TiPlotPopupMenuEvent = std::function<void(int Index, bool& Cancel, int ScreenX, int ScreenY)>;
using TiPlotDataPointMouseEvent =
    std::function<void(int ChannelIndex, int DataIndex, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMouseMoveEvent =
    std::function<void(int ChannelIndex, int DataIndex, TShiftState Shift, int X, int Y)>;
using TiPlotClickDataPointEvent = std::function<void(int ChannelIndex, int DataIndex)>;
using TiPlotDataPointMovedEvent =
    std::function<void(int ChannelIndex, int DataIndex, double OldX, double OldY, double NewX, double NewY)>;
using TiPlotObjectDoubleValueChangeEvent = std::function<void(int Index, double OldValue, double NewValue)>;
using TiPlotAxesMinSpanChangeEvent =
    std::function<void(int Index, double OldMin, double OldSpan, double NewMin, double NewSpan)>;
using TiPlotAxesCustomizeLabelEvent = std::function<void(int Index, double Value, QString& ALabel)>;
using TiPlotObjectCustomizeTextEvent = std::function<void(int Index, QString& AText)>;
using TiPlotDataPointCustomizeTextEvent = std::function<void(int ChannelIndex, int DataPointIndex, QString& AText)>;
/// The button kind the toolbar's two click events carry.
enum class TiPlotToolBarButtonType {
  iptbbtResume = 0,
  iptbbtPause = 1,
  iptbbtScrollAxesMode = 2,
  iptbbtZoomAxesMode = 3,
  iptbbtSelect = 4,
  iptbbtZoomBox = 5,
  iptbbtZoomOut = 6,
  iptbbtZoomIn = 7,
  iptbbtCursor = 8,
  iptbbtEdit = 9,
  iptbbtCopy = 10,
  iptbbtSave = 11,
  iptbbtPrint = 12,
  iptbbtPreview = 13,
};
using TiPlotBeforeToolBarButtonClickEvent =
    std::function<void(int Index, TiPlotToolBarButtonType ButtonType, bool& Cancel)>;
using TiPlotToolBarButtonClickEvent = std::function<void(int Index, TiPlotToolBarButtonType ButtonType)>;
/// Before each printed page: its number from 1 and whether it is the last.
using TiPlotPrintPageEvent = std::function<void(int PageIndex, bool LastPage)>;
using TiPlotZoomBoxEvent = std::function<void(TRect& ZoomRect, bool& Cancel)>;

/// The published events of a plot component, one member per kind and
/// occurrence. The plot's dispatch operations fire them; none fires while
/// the plot is loading.
struct TiPlotComponentEvents {
  TiPlotObjectMouseEvent OnMouseDownXAxis, OnMouseDownYAxis, OnMouseDownDataView, OnMouseDownLegend,
      OnMouseDownChannel, OnMouseDownLimit, OnMouseDownDataCursor, OnMouseDownAnnotation;
  TiPlotObjectMouseEvent OnMouseUpXAxis, OnMouseUpYAxis, OnMouseUpDataView, OnMouseUpLegend, OnMouseUpChannel,
      OnMouseUpLimit, OnMouseUpDataCursor, OnMouseUpAnnotation;
  TiPlotObjectMouseMoveEvent OnMouseMoveXAxis, OnMouseMoveYAxis, OnMouseMoveDataView, OnMouseMoveLegend,
      OnMouseMoveChannel, OnMouseMoveLimit, OnMouseMoveDataCursor, OnMouseMoveAnnotation;
  TiPlotObjectEvent OnClickXAxis, OnClickYAxis, OnClickDataView, OnClickLegend, OnClickChannel, OnClickLimit,
      OnClickDataCursor, OnClickAnnotation;
  TiPlotObjectEvent OnDblClickXAxis, OnDblClickYAxis, OnDblClickDataView, OnDblClickLegend, OnDblClickChannel,
      OnDblClickLimit, OnDblClickDataCursor, OnDblClickAnnotation;
  TiPlotObjectMouseWheelEvent OnMouseWheelXAxis, OnMouseWheelYAxis, OnMouseWheelDataView, OnMouseWheelLegend,
      OnMouseWheelChannel, OnMouseWheelLimit, OnMouseWheelDataCursor, OnMouseWheelAnnotation;
  TiPlotPopupMenuEvent OnPopupMenuXAxis, OnPopupMenuYAxis, OnPopupMenuDataView, OnPopupMenuLegend,
      OnPopupMenuChannel, OnPopupMenuLimit, OnPopupMenuDataCursor, OnPopupMenuAnnotation;
  TiPlotObjectEvent OnGotFocusChannel, OnGotFocusXAxis, OnGotFocusYAxis, OnGotFocusDataCursor, OnGotFocusDataView,
      OnGotFocusLegend, OnGotFocusAnnotation;
  TiPlotObjectEvent OnLostFocusChannel, OnLostFocusXAxis, OnLostFocusYAxis, OnLostFocusDataCursor,
      OnLostFocusDataView, OnLostFocusLegend, OnLostFocusAnnotation;
  TiPlotObjectEvent OnAddChannel, OnAddXAxis, OnAddYAxis, OnAddDataCursor, OnAddDataView, OnAddLegend, OnAddLimit,
      OnAddTable, OnAddAnnotation;
  TiPlotObjectEvent OnRemoveChannel, OnRemoveXAxis, OnRemoveYAxis, OnRemoveDataCursor, OnRemoveDataView,
      OnRemoveLegend, OnRemoveLimit, OnRemoveTable, OnRemoveAnnotation;
  TiPlotObjectGetMouseCursorEvent OnGetMouseCursorChannel, OnGetMouseCursorXAxis, OnGetMouseCursorYAxis,
      OnGetMouseCursorDataCursor, OnGetMouseCursorDataView, OnGetMouseCursorLegend, OnGetMouseCursorLimit,
      OnGetMouseCursorTable, OnGetMouseCursorAnnotation;

  TiPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
  TiPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
  TiPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
  TiPlotDataPointMovedEvent OnDataPointMoved;
  TiPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;

  TiPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnXAxisSpanChange, OnYAxisMinChange, OnYAxisSpanChange;
  TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnXAxisMinSpanChangeFinished, OnYAxisMinSpanChange,
      OnYAxisMinSpanChangeFinished;
  TiPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
  TiPlotObjectCustomizeTextEvent OnXAxisCustomizeHint, OnYAxisCustomizeHint, OnDataCursorCustomizeHint,
      OnToolBarCustomizeHint;
  TiPlotObjectDoubleValueChangeEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
  TiPlotObjectEvent OnDataCursorChange, OnBeforeDataCursorUpdate, OnAnnotationCoordinatesChange,
      OnAnnotationMoveUser, OnAnnotationResizeUser, OnAnnotationCoordinatesChangeFinished;
  TiPlotZoomBoxEvent OnBeforeZoomBox;
  TiPlotBeforeToolBarButtonClickEvent OnBeforeToolBarButtonClick;
  TiPlotToolBarButtonClickEvent OnToolBarButtonClick;
  TNotifyEvent OnAfterPaint;
};
