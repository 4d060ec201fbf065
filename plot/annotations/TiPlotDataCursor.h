#pragma once

#include <array>

#include <QString>

#include "platform/text/TFont.h"
#include "plot/base/iPlotTypes.h"
#include "plot/channels/TiPlotChannelTypes.h"
#include "plot/core/TiPlotManagerObject.h"

class TiPlotChannel;
class TiPlotChannelCustom;
class TiPlotDataView;

/// The measuring cursor of a plot: one or two pointer lines across the
/// data view, positioned in percent of it, and a hint box showing what the
/// measured channel reads there (or, for "<All>", nothing: the values go
/// to the first legend). The user drags pointers and hint with the mouse.
/// Owned by the plot's data cursor manager; GUI thread only.
class TiPlotDataCursor : public TiPlotManagerObject {
public:
  TiPlotDataCursor(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                   TNotifyEvent onRename);
  ~TiPlotDataCursor() override;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::DataCursor; }

  QString ChannelName() const { return m_channelName; }
  void SetChannelName(const QString& value);
  bool ChannelAllowAll() const { return m_channelAllowAll; }
  void SetChannelAllowAll(bool value) { StoreAndChange(value, m_channelAllowAll); }
  bool ChannelShowAllInLegend() const { return m_channelShowAllInLegend; }
  void SetChannelShowAllInLegend(bool value) { StoreAndChange(value, m_channelShowAllInLegend); }
  TiPlotDataCursorStyle Style() const { return m_style; }
  void SetStyle(TiPlotDataCursorStyle value);
  TFont& Font() { return m_font; }
  TColor Color() const { return m_color; }
  void SetColor(TColor value) { StoreAndChange(value, m_color); }
  bool UseChannelColor() const { return m_useChannelColor; }
  void SetUseChannelColor(bool value) { StoreAndChange(value, m_useChannelColor); }
  bool HintShow() const { return m_hintShow; }
  void SetHintShow(bool value) { StoreAndChange(value, m_hintShow); }
  bool HintHideOnRelease() const { return m_hintHideOnRelease; }
  void SetHintHideOnRelease(bool value) { StoreAndChange(value, m_hintHideOnRelease); }
  TiOrientationSide HintOrientationSide() const { return m_hintOrientationSide; }
  void SetHintOrientationSide(TiOrientationSide value) { StoreAndChange(value, m_hintOrientationSide); }
  double HintPosition() const { return m_hintPosition; }
  void SetHintPosition(double value) { StoreAndChange(value, m_hintPosition); }
  double Pointer1Position() const { return m_pointer1Position; }
  /// Clamped to [0, 100] (NaN gives 0).
  void SetPointer1Position(double value);
  double Pointer2Position() const { return m_pointer2Position; }
  void SetPointer2Position(double value);
  int PointerPenWidth() const { return m_pointerPenWidth; }
  void SetPointerPenWidth(int value) { StoreAndChange(value, m_pointerPenWidth); }
  bool MenuUserCanChangeOptions() const { return m_menuUserCanChangeOptions; }
  void SetMenuUserCanChangeOptions(bool value) { StoreAndChange(value, m_menuUserCanChangeOptions); }
  bool SnapToDataPoint() const { return m_snapToDataPoint; }
  void SetSnapToDataPoint(bool value) { StoreAndChange(value, m_snapToDataPoint); }
  bool UseCachedInterpolatedData() const { return m_useCachedInterpolatedData; }
  void SetUseCachedInterpolatedData(bool value) { StoreAndChange(value, m_useCachedInterpolatedData); }
  bool MenuItemVisibleValueXY() const { return m_menuItemVisible[0]; }
  void SetMenuItemVisibleValueXY(bool value) { StoreAndChange(value, m_menuItemVisible[0]); }
  bool MenuItemVisibleValueX() const { return m_menuItemVisible[1]; }
  void SetMenuItemVisibleValueX(bool value) { StoreAndChange(value, m_menuItemVisible[1]); }
  bool MenuItemVisibleValueY() const { return m_menuItemVisible[2]; }
  void SetMenuItemVisibleValueY(bool value) { StoreAndChange(value, m_menuItemVisible[2]); }
  bool MenuItemVisibleDeltaX() const { return m_menuItemVisible[3]; }
  void SetMenuItemVisibleDeltaX(bool value) { StoreAndChange(value, m_menuItemVisible[3]); }
  bool MenuItemVisibleDeltaY() const { return m_menuItemVisible[4]; }
  void SetMenuItemVisibleDeltaY(bool value) { StoreAndChange(value, m_menuItemVisible[4]); }
  bool MenuItemVisibleInverseDeltaX() const { return m_menuItemVisible[5]; }
  void SetMenuItemVisibleInverseDeltaX(bool value) { StoreAndChange(value, m_menuItemVisible[5]); }
  QString MenuItemCaptionValueXY() const { return m_menuItemCaption[0]; }
  void SetMenuItemCaptionValueXY(const QString& value) { StoreAndChange(value, m_menuItemCaption[0]); }
  QString MenuItemCaptionValueX() const { return m_menuItemCaption[1]; }
  void SetMenuItemCaptionValueX(const QString& value) { StoreAndChange(value, m_menuItemCaption[1]); }
  QString MenuItemCaptionValueY() const { return m_menuItemCaption[2]; }
  void SetMenuItemCaptionValueY(const QString& value) { StoreAndChange(value, m_menuItemCaption[2]); }
  QString MenuItemCaptionDeltaX() const { return m_menuItemCaption[3]; }
  void SetMenuItemCaptionDeltaX(const QString& value) { StoreAndChange(value, m_menuItemCaption[3]); }
  QString MenuItemCaptionDeltaY() const { return m_menuItemCaption[4]; }
  void SetMenuItemCaptionDeltaY(const QString& value) { StoreAndChange(value, m_menuItemCaption[4]); }
  QString MenuItemCaptionInverseDeltaX() const { return m_menuItemCaption[5]; }
  void SetMenuItemCaptionInverseDeltaX(const QString& value) { StoreAndChange(value, m_menuItemCaption[5]); }

  double ValueX() const { return m_valueX; }
  double ValueY() const { return m_valueY; }
  TiPlotDataPointStatus Status() const { return m_status; }
  /// Stores a changed reading and fires OnDataCursorChange.
  void SetValues(TiPlotDataPointStatus status, double y, double x);
  QString CursorDisplayText() const { return m_cursorDisplayText; }
  void SetCursorDisplayText(const QString& value) { m_cursorDisplayText = value; }
  TiPlotDataView* DataView() const { return m_dataView; }
  void SetDataView(TiPlotDataView* view) { m_dataView = view; }
  TiPlotChannelCustom* ResolveChannel();
  /// OnBeforeDataCursorUpdate, then the measured channel (every channel
  /// for "<All>") computes the reading.
  void UpdateValues();
  /// Which pointers show and how they lie, from Style and the plot kind.
  void UpdatePointerLayout();
  bool Pointer1Shown() const { return m_pointer1Show; }
  bool Pointer2Shown() const { return m_pointer2Show; }
  TiOrientation Pointer1Orientation() const { return m_pointer1Orientation; }
  TRect HintRect() const { return m_hintRect; }
  bool HintShowing() const { return m_hintShowing; }

  /// The named time-series channel's Y at XValue, read by moving this
  /// cursor there for a moment; ipdpsNull (YValue 0) without such a channel.
  TiPlotDataPointStatus GetInterpolatedYValue(const QString& channelName, double xValue, double& yValue);
  /// Puts both pointers on the nearest data points (when SnapToDataPoint).
  void DoSnapToDataPoint();
  /// Pointer 1 or 2 onto the nearest point of the measured channel, or of
  /// the closest channel for "<All>"; only on a time-series plot and not in
  /// the Peak-Peak style.
  void SnapPointer(int pointer);
  /// Moves pointer 1 or 2 to the point Step places from DataIndex on the
  /// channel at ChannelIndex, scrolling the X axis to keep it in view.
  void MovePointerToIndex(int channelIndex, int dataIndex, int step, int pointer);
  int SnapToIndexChannel() const { return m_snapToIndexChannel; }
  int SnapToIndexData() const { return m_snapToIndexData; }

  void SetVisible(bool value) override;
  void SetXYAxesReversed(bool value) override;
  void NotificationRemove(TObject* sender) override;
  void NotificationRename(TObject* sender) override;
  /// Follows a selected channel while selected; otherwise another selected
  /// object takes the selection away.
  void NotificationSetFocus(TObject* sender) override;
  void DoGotFocus() override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;
  void DoMouseLeft(const TiPlotMouseData& mouseData) override;
  void DoMouseMove(const TiPlotMouseData& mouseData) override;
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  TCursor GetMouseCursor(TPoint point) override;
  /// Page Up/Down, Home, End and the arrows move pointer 1 and the hint
  /// (with Ctrl pointer 2) by pixel steps of the data view.
  void DoKeyDown(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu) override;
  /// "Channel", "Style", "Options" (when the user may change them), "Snap
  /// to Data-Point" (not on an X-Y plot) and "Edit...".
  void AddMenuItems(TPopupMenu& popupMenu) override;

private:
  TRect DrawPointer(TCanvas& canvas, double position, TiOrientation orientation, bool dragged);
  void DrawHint(TCanvas& canvas);
  bool IsDeltaStyle() const;
  void RequestRepaint();
  /// Index of the point of channel nearest to x (distance in X), -1 when none.
  int FindNearestIndex(TiPlotChannel& channel, double x, double& distance);
  void DoSnapKeyDown(WORD charCode, bool ctrl);
  void StepHint(bool up);

  int m_mouseDownXPixels = 0;
  int m_mouseDownYPixels = 0;
  int m_mouseDownX = 0;
  int m_mouseDownY = 0;
  bool m_mouseDownHint = false;
  bool m_mouseDownPointer1 = false;
  bool m_mouseDownPointer2 = false;
  TRect m_pointer1Rect;
  TRect m_pointer2Rect;
  bool m_pointer1Show = true;
  bool m_pointer2Show = false;
  TiOrientation m_pointer1Orientation = TiOrientation::ioVertical;
  TiOrientation m_pointer2Orientation = TiOrientation::ioVertical;
  TRect m_hintRect;
  TiOrientation m_hintOrientation = TiOrientation::ioVertical;
  bool m_hintShowing = false;
  TiPlotChannelCustom* m_channel = nullptr;
  TiPlotDataView* m_dataView = nullptr;
  QString m_channelName;
  bool m_channelAllowAll = true;
  bool m_channelShowAllInLegend = true;
  TiPlotDataCursorStyle m_style = TiPlotDataCursorStyle::ipcsValueXY;
  TFont m_font;
  TColor m_color = clYellow;
  bool m_useChannelColor = true;
  bool m_hintShow = true;
  bool m_hintHideOnRelease = false;
  TiOrientationSide m_hintOrientationSide = TiOrientationSide::iosBottomRight;
  double m_hintPosition = 50;
  double m_pointer1Position = 50;
  double m_pointer2Position = 60;
  int m_pointerPenWidth = 1;
  bool m_menuUserCanChangeOptions = true;
  bool m_snapToDataPoint = false;
  bool m_useCachedInterpolatedData = false;
  std::array<bool, 6> m_menuItemVisible{true, true, true, true, true, true};
  std::array<QString, 6> m_menuItemCaption{QStringLiteral("Value X-Y"), QStringLiteral("Value X"),
                                           QStringLiteral("Value Y"),   QStringLiteral("Period"),
                                           QStringLiteral("Peak-Peak"), QStringLiteral("Frequency")};
  int m_hintHeight = 0;
  int m_hintWidth = 0;
  QString m_cursorDisplayText;
  double m_valueX = 0;
  double m_valueY = 0;
  TiPlotDataPointStatus m_status = TiPlotDataPointStatus::ipdpsValid;
  int m_snapToIndexChannel = -1;
  int m_snapToIndexData = -1;
};
