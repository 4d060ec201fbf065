#pragma once

#include <QString>

#include "platform/drawing/TBrush.h"
#include "platform/drawing/TPen.h"
#include "plot/base/TiLimitDataList.h"
#include "plot/core/TiPlotObject.h"

class TiPlotXAxis;
class TiPlotYAxis;

enum class TiPlotLimitStyle {
  iplsLineX = 0,
  iplsLineY = 1,
  iplsBandX = 2,
  iplsBandY = 3,
  iplsPolyBandX = 4,
  iplsPolyBandY = 5,
};

/// A threshold over the data view: a line at one X or Y value, a band
/// between two, or a band whose bounds vary along an axis. Drawn in the
/// space of one X and one Y axis found by name; with UserCanMove its lines
/// are dragged with the mouse (only in the toolbar's select mode while
/// SelectModeOnlyInteraction). Owned by the plot's limit manager; GUI
/// thread only.
class TiPlotLimit : public TiPlotObject {
public:
  TiPlotLimit(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
              TNotifyEvent onRename);
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Limit; }

  TiPlotLimitStyle Style() const { return m_style; }
  void SetStyle(TiPlotLimitStyle value) { StoreAndChange(value, m_style); }
  TColor Color() const { return m_color; }
  void SetColor(TColor value) { StoreAndChange(value, m_color); }
  int LineWidth() const { return m_lineWidth; }
  void SetLineWidth(int value) { StoreAndChange(value, m_lineWidth); }
  TPenStyle LineStyle() const { return m_lineStyle; }
  void SetLineStyle(TPenStyle value) { StoreAndChange(value, m_lineStyle); }
  TBrushStyle FillStyle() const { return m_fillStyle; }
  void SetFillStyle(TBrushStyle value) { StoreAndChange(value, m_fillStyle); }
  QString XAxisName() const { return m_xAxisName; }
  void SetXAxisName(const QString& value);
  QString YAxisName() const { return m_yAxisName; }
  void SetYAxisName(const QString& value);
  double Line1Position() const { return m_line1Position; }
  /// A change fires OnLimitLine1PositionChange (not while loading).
  void SetLine1Position(double value);
  double Line2Position() const { return m_line2Position; }
  void SetLine2Position(double value);
  bool UserCanMove() const { return m_userCanMove; }
  void SetUserCanMove(bool value) { StoreAndChange(value, m_userCanMove); }
  bool SelectModeOnlyInteraction() const { return m_selectModeOnlyInteraction; }
  void SetSelectModeOnlyInteraction(bool value) { StoreAndChange(value, m_selectModeOnlyInteraction); }
  bool ClipToAxes() const { return m_clipToAxes; }
  void SetClipToAxes(bool value) { StoreAndChange(value, m_clipToAxes); }

  /// EPlotError "the Upper Limit must be greater than or equal to the
  /// Lower Limit" when lowerLimit > upperLimit (nothing added).
  void AddBandElement(double position, double upperLimit, double lowerLimit);
  void ClearAllElements();
  int ElementCount() const { return m_pointList.Count(); }

  TiPlotXAxis* GetXAxis();
  TiPlotYAxis* GetYAxis();
  bool IsYStyle() const;
  /// Polygon bands and filled bands draw under the data view's grid.
  bool DrawInBackground() const;
  bool Line1Shown() const { return m_line1Show; }

  void NotificationRemove(TObject* sender) override;
  void NotificationRename(TObject* sender) override;
  void NotificationSetFocus(TObject* sender) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;
  void DoMouseLeft(const TiPlotMouseData& mouseData) override;
  void DoMouseMove(const TiPlotMouseData& mouseData) override;
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  TCursor GetMouseCursor(TPoint point) override;
  void AddMenuItems(TPopupMenu& popupMenu) override;

private:
  void DrawLine(TCanvas& canvas, TColor backGroundColor);
  void DrawBand(TCanvas& canvas);
  void DrawPolyBand(TCanvas& canvas);

  TiPlotLimitStyle m_style = TiPlotLimitStyle::iplsLineY;
  TColor m_color = clRed;
  int m_lineWidth = 0;
  TPenStyle m_lineStyle = TPenStyle::psSolid;
  TBrushStyle m_fillStyle = TBrushStyle::bsSolid;
  QString m_xAxisName;
  QString m_yAxisName;
  double m_line1Position = 50;
  double m_line2Position = 50;
  bool m_userCanMove = false;
  bool m_selectModeOnlyInteraction = true;
  bool m_clipToAxes = false;
  TiLimitDataList m_pointList;
  TiPlotXAxis* m_xAxis = nullptr;
  TiPlotYAxis* m_yAxis = nullptr;
  bool m_line1Show = false;
  bool m_line2Show = false;
  TRect m_line1ClickRect;
  TRect m_line2ClickRect;
  bool m_mouseDownLine1 = false;
  bool m_mouseDownLine2 = false;
};
