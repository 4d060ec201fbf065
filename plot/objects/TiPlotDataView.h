#pragma once

#include "platform/drawing/TPen.h"
#include "plot/core/TiPlotLayoutObject.h"

class TiPlotAxis;

enum class TiPlotGridLineStyle { ipglsSolid = 0, ipglsDash = 1, ipglsDot = 2 };
enum class TiPlotAxesControlStyle { ipacsXAxis = 0, ipacsYAxis = 1, ipacsBoth = 2, ipacsNone = 3 };

/// Pen settings of one family of grid lines (X or Y, majors or minors).
struct TiPlotGridLineSettings {
  bool Custom = false;
  TColor Color = clGreen;
  int Width = 0;
  TiPlotGridLineStyle Style = TiPlotGridLineStyle::ipglsSolid;
};

/// The plot area: the rectangle in which channels, cursors, limits and
/// annotations are drawn and around which the layout stacks the other
/// objects. Paints its background and grid (from the axes' ticks) and
/// converts between pixels and percent positions of the area. Its mouse
/// modes (zoom box, axes control) come with the axis input. Owned by the
/// data view manager; GUI thread only.
class TiPlotDataView : public TiPlotLayoutObject {
public:
  TiPlotDataView(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                 TNotifyEvent onRename);
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::DataView; }

  // Percent positions: 0 is the left / bottom edge, 100 the right / top
  // edge; values outside 0..100 are allowed. An area of zero width or
  // height maps every pixel to 0 %.
  double PixelsXToPositionPercent(int value) const;
  double PixelsYToPositionPercent(int value) const;
  int PositionPercentToPixelsX(double value) const;
  int PositionPercentToPixelsY(double value) const;

  /// Fills DrawRect unless BackgroundTransparent.
  void DrawBackground(TCanvas& canvas);
  /// Grid and, while selected, the selection frame.
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  /// The base entries: "Edit..." when the user may edit.
  void AddMenuItems(TPopupMenu& popupMenu) override;
  void NotificationRemove(TObject* sender) override;
  void NotificationRename(TObject* sender) override;
  void NotificationSetFocus(TObject* sender) override;

  QString Title() const { return m_title; }
  void SetTitle(const QString& value) { StoreAndChange(value, m_title); }
  bool BackgroundTransparent() const { return m_backgroundTransparent; }
  void SetBackgroundTransparent(bool value) { StoreAndChange(value, m_backgroundTransparent); }
  TColor BackgroundColor() const { return m_backgroundColor; }
  void SetBackgroundColor(TColor value) { StoreAndChange(value, m_backgroundColor); }
  QString GridXAxisName() const { return m_gridXAxisName; }
  /// A different name also forgets the cached axis; "<ALL>" (any case)
  /// means every X axis.
  void SetGridXAxisName(const QString& value);
  QString GridYAxisName() const { return m_gridYAxisName; }
  void SetGridYAxisName(const QString& value);
  bool GridShow() const { return m_gridShow; }
  void SetGridShow(bool value) { StoreAndChange(value, m_gridShow); }
  TColor GridLineColor() const { return m_gridLineColor; }
  void SetGridLineColor(TColor value) { StoreAndChange(value, m_gridLineColor); }
  bool GridLineShowLeft() const { return m_showLeft; }
  void SetGridLineShowLeft(bool value) { StoreAndChange(value, m_showLeft); }
  bool GridLineShowTop() const { return m_showTop; }
  void SetGridLineShowTop(bool value) { StoreAndChange(value, m_showTop); }
  bool GridLineShowRight() const { return m_showRight; }
  void SetGridLineShowRight(bool value) { StoreAndChange(value, m_showRight); }
  bool GridLineShowBottom() const { return m_showBottom; }
  void SetGridLineShowBottom(bool value) { StoreAndChange(value, m_showBottom); }
  bool GridLineShowXMajors() const { return m_showXMajors; }
  void SetGridLineShowXMajors(bool value) { StoreAndChange(value, m_showXMajors); }
  bool GridLineShowXMinors() const { return m_showXMinors; }
  void SetGridLineShowXMinors(bool value) { StoreAndChange(value, m_showXMinors); }
  bool GridLineShowYMajors() const { return m_showYMajors; }
  void SetGridLineShowYMajors(bool value) { StoreAndChange(value, m_showYMajors); }
  bool GridLineShowYMinors() const { return m_showYMinors; }
  void SetGridLineShowYMinors(bool value) { StoreAndChange(value, m_showYMinors); }
  TiPlotGridLineStyle GridLineMajorStyle() const { return m_majorStyle; }
  void SetGridLineMajorStyle(TiPlotGridLineStyle value) { StoreAndChange(value, m_majorStyle); }
  TiPlotGridLineStyle GridLineMinorStyle() const { return m_minorStyle; }
  void SetGridLineMinorStyle(TiPlotGridLineStyle value) { StoreAndChange(value, m_minorStyle); }
  /// The custom pens of X majors, X minors, Y majors and Y minors
  /// (GridLineXMajorCustom, ...Color, ...Width, ...Style as one record).
  const TiPlotGridLineSettings& GridLineXMajor() const { return m_xMajor; }
  void SetGridLineXMajor(const TiPlotGridLineSettings& value) { StoreGrid(value, m_xMajor); }
  const TiPlotGridLineSettings& GridLineXMinor() const { return m_xMinor; }
  void SetGridLineXMinor(const TiPlotGridLineSettings& value) { StoreGrid(value, m_xMinor); }
  const TiPlotGridLineSettings& GridLineYMajor() const { return m_yMajor; }
  void SetGridLineYMajor(const TiPlotGridLineSettings& value) { StoreGrid(value, m_yMajor); }
  const TiPlotGridLineSettings& GridLineYMinor() const { return m_yMinor; }
  void SetGridLineYMinor(const TiPlotGridLineSettings& value) { StoreGrid(value, m_yMinor); }
  /// The same values one at a time, as the editor writes them.
  bool GridLineXMajorCustom() const { return m_xMajor.Custom; }
  void SetGridLineXMajorCustom(bool value) { StoreAndChange(value, m_xMajor.Custom); }
  TColor GridLineXMajorColor() const { return m_xMajor.Color; }
  void SetGridLineXMajorColor(TColor value) { StoreAndChange(value, m_xMajor.Color); }
  int GridLineXMajorWidth() const { return m_xMajor.Width; }
  void SetGridLineXMajorWidth(int value) { StoreAndChange(value, m_xMajor.Width); }
  TiPlotGridLineStyle GridLineXMajorStyle() const { return m_xMajor.Style; }
  void SetGridLineXMajorStyle(TiPlotGridLineStyle value) { StoreAndChange(value, m_xMajor.Style); }
  bool GridLineXMinorCustom() const { return m_xMinor.Custom; }
  void SetGridLineXMinorCustom(bool value) { StoreAndChange(value, m_xMinor.Custom); }
  TColor GridLineXMinorColor() const { return m_xMinor.Color; }
  void SetGridLineXMinorColor(TColor value) { StoreAndChange(value, m_xMinor.Color); }
  int GridLineXMinorWidth() const { return m_xMinor.Width; }
  void SetGridLineXMinorWidth(int value) { StoreAndChange(value, m_xMinor.Width); }
  TiPlotGridLineStyle GridLineXMinorStyle() const { return m_xMinor.Style; }
  void SetGridLineXMinorStyle(TiPlotGridLineStyle value) { StoreAndChange(value, m_xMinor.Style); }
  bool GridLineYMajorCustom() const { return m_yMajor.Custom; }
  void SetGridLineYMajorCustom(bool value) { StoreAndChange(value, m_yMajor.Custom); }
  TColor GridLineYMajorColor() const { return m_yMajor.Color; }
  void SetGridLineYMajorColor(TColor value) { StoreAndChange(value, m_yMajor.Color); }
  int GridLineYMajorWidth() const { return m_yMajor.Width; }
  void SetGridLineYMajorWidth(int value) { StoreAndChange(value, m_yMajor.Width); }
  TiPlotGridLineStyle GridLineYMajorStyle() const { return m_yMajor.Style; }
  void SetGridLineYMajorStyle(TiPlotGridLineStyle value) { StoreAndChange(value, m_yMajor.Style); }
  bool GridLineYMinorCustom() const { return m_yMinor.Custom; }
  void SetGridLineYMinorCustom(bool value) { StoreAndChange(value, m_yMinor.Custom); }
  TColor GridLineYMinorColor() const { return m_yMinor.Color; }
  void SetGridLineYMinorColor(TColor value) { StoreAndChange(value, m_yMinor.Color); }
  int GridLineYMinorWidth() const { return m_yMinor.Width; }
  void SetGridLineYMinorWidth(int value) { StoreAndChange(value, m_yMinor.Width); }
  TiPlotGridLineStyle GridLineYMinorStyle() const { return m_yMinor.Style; }
  void SetGridLineYMinorStyle(TiPlotGridLineStyle value) { StoreAndChange(value, m_yMinor.Style); }
  bool AxesControlEnabled() const { return m_axesControlEnabled; }
  /// Stored without a repaint.
  void SetAxesControlEnabled(bool value) { m_axesControlEnabled = value; }
  TiPlotAxesControlStyle AxesControlMouseStyle() const { return m_axesControlMouseStyle; }
  void SetAxesControlMouseStyle(TiPlotAxesControlStyle value) { m_axesControlMouseStyle = value; }
  TiPlotAxesControlStyle AxesControlWheelStyle() const { return m_axesControlWheelStyle; }
  void SetAxesControlWheelStyle(TiPlotAxesControlStyle value) { m_axesControlWheelStyle = value; }
  bool AxesControlAllowInSelectMode() const { return m_axesControlAllowInSelectMode; }
  void SetAxesControlAllowInSelectMode(bool value) { StoreAndChange(value, m_axesControlAllowInSelectMode); }

private:
  void StoreGrid(const TiPlotGridLineSettings& value, TiPlotGridLineSettings& field);
  /// Grid lines of every axis of a kind, or of the named one.
  void DrawAxisGrid(TCanvas& canvas, TiPlotObjectKind kind, const QString& name, TiPlotAxis*& cache,
                    const TiPlotGridLineSettings& major, const TiPlotGridLineSettings& minor, bool majors,
                    bool minors) const;
  void DrawGrid(TCanvas& canvas);

  mutable TiPlotAxis* m_xAxis = nullptr;
  mutable TiPlotAxis* m_yAxis = nullptr;
  QString m_title;
  bool m_backgroundTransparent = true;
  TColor m_backgroundColor = clTeal;
  bool m_gridShow = true;
  bool m_axesControlEnabled = false;
  TiPlotAxesControlStyle m_axesControlWheelStyle = TiPlotAxesControlStyle::ipacsXAxis;
  TiPlotAxesControlStyle m_axesControlMouseStyle = TiPlotAxesControlStyle::ipacsBoth;
  QString m_gridYAxisName;
  QString m_gridXAxisName;
  TColor m_gridLineColor = clGreen;
  bool m_showLeft = true;
  bool m_showTop = true;
  bool m_showRight = true;
  bool m_showBottom = true;
  bool m_showXMajors = true;
  bool m_showXMinors = false;
  bool m_showYMajors = true;
  bool m_showYMinors = false;
  TiPlotGridLineStyle m_majorStyle = TiPlotGridLineStyle::ipglsSolid;
  TiPlotGridLineStyle m_minorStyle = TiPlotGridLineStyle::ipglsSolid;
  TiPlotGridLineSettings m_xMajor;
  TiPlotGridLineSettings m_xMinor;
  TiPlotGridLineSettings m_yMajor;
  TiPlotGridLineSettings m_yMinor;
  bool m_axesControlAllowInSelectMode = false;
};
