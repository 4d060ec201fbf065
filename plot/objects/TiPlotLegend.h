#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include <QString>

#include "platform/text/TFont.h"
#include "plot/core/TiPlotButton.h"
#include "plot/core/TiPlotLayoutObject.h"

class TiPlotChannelCustom;

enum class TiPlotLegendChannelNameColorStyle {
  iplcncsFont = 0,
  iplcncsChannelColor = 1,
  iplcncsXAxisFontColor = 2,
  iplcncsYAxisFontColor = 3,
};

/// One laid-out legend entry (rebuilt at every layout pass).
struct TiPlotLegendItem {
  TiPlotChannelCustom* Channel = nullptr;
  int MaxHeight = 0;
  int ALeft = 0;
  int ATop = 0;
  int ARow = 0;
  int ACol = 0;
};

/// A scroll button of the legend: a button face with a raised or sunken
/// edge. Owned by its legend; GUI thread only.
class TiPlotLegendButton : public TiPlotButton {
public:
  using TiPlotButton::TiPlotButton;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
};

/// The list of a plot's channels beside the data view: per entry a line
/// sample, a marker sample, the name, axis titles, newest values and
/// running statistics, in rows and wrap columns; two scroll buttons page
/// through entries that do not fit. Margins and gaps are in "0" widths and
/// heights of Font. Owned by the plot's legend manager; GUI thread only.
class TiPlotLegend : public TiPlotLayoutObject {
public:
  TiPlotLegend(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
               TNotifyEvent onRename);
  ~TiPlotLegend() override;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Legend; }

  TFont& Font() { return m_font; }
  TFont& SelectedItemFont() { return m_selectedItemFont; }
  TFont& ColumnTitlesFont() { return m_columnTitlesFont; }
  double MarginLeft() const { return m_marginLeft; }
  void SetMarginLeft(double value) { StoreAndChange(value, m_marginLeft); }
  double MarginRight() const { return m_marginRight; }
  void SetMarginRight(double value) { StoreAndChange(value, m_marginRight); }
  double MarginTop() const { return m_marginTop; }
  void SetMarginTop(double value) { StoreAndChange(value, m_marginTop); }
  double MarginBottom() const { return m_marginBottom; }
  void SetMarginBottom(double value) { StoreAndChange(value, m_marginBottom); }
  TColor BackGroundColor() const { return m_backGroundColor; }
  void SetBackGroundColor(TColor value) { StoreAndChange(value, m_backGroundColor); }
  bool BackGroundTransparent() const { return m_backGroundTransparent; }
  void SetBackGroundTransparent(bool value) { StoreAndChange(value, m_backGroundTransparent); }
  TColor SelectedItemBackGroundColor() const { return m_selectedItemBackGroundColor; }
  void SetSelectedItemBackGroundColor(TColor value) { StoreAndChange(value, m_selectedItemBackGroundColor); }
  bool ColumnTitlesVisible() const { return m_columnTitlesVisible; }
  void SetColumnTitlesVisible(bool value) { StoreAndChange(value, m_columnTitlesVisible); }
  bool ShowColumnLine() const { return m_showColumnLine; }
  void SetShowColumnLine(bool value) { StoreAndChange(value, m_showColumnLine); }
  bool ShowColumnMarker() const { return m_showColumnMarker; }
  void SetShowColumnMarker(bool value) { StoreAndChange(value, m_showColumnMarker); }
  bool ShowColumnXAxisTitle() const { return m_showColumnXAxisTitle; }
  void SetShowColumnXAxisTitle(bool value) { StoreAndChange(value, m_showColumnXAxisTitle); }
  bool ShowColumnYAxisTitle() const { return m_showColumnYAxisTitle; }
  void SetShowColumnYAxisTitle(bool value) { StoreAndChange(value, m_showColumnYAxisTitle); }
  bool ShowColumnYMax() const { return m_showColumnYMax; }
  void SetShowColumnYMax(bool value) { StoreAndChange(value, m_showColumnYMax); }
  bool ShowColumnYMin() const { return m_showColumnYMin; }
  void SetShowColumnYMin(bool value) { StoreAndChange(value, m_showColumnYMin); }
  bool ShowColumnYMean() const { return m_showColumnYMean; }
  void SetShowColumnYMean(bool value) { StoreAndChange(value, m_showColumnYMean); }
  bool ShowColumnXValue() const { return m_showColumnXValue; }
  void SetShowColumnXValue(bool value) { StoreAndChange(value, m_showColumnXValue); }
  bool ShowColumnYValue() const { return m_showColumnYValue; }
  void SetShowColumnYValue(bool value) { StoreAndChange(value, m_showColumnYValue); }
  double ColumnSpacing() const { return m_columnSpacing; }
  void SetColumnSpacing(double value) { StoreAndChange(value, m_columnSpacing); }
  double RowSpacing() const { return m_rowSpacing; }
  void SetRowSpacing(double value) { StoreAndChange(value, m_rowSpacing); }
  /// Another name of RowSpacing.
  double WrapRowSpacingMin() const { return m_rowSpacing; }
  void SetWrapRowSpacingMin(double value) { SetRowSpacing(value); }
  double WrapColSpacingMin() const { return m_wrapColSpacingMin; }
  void SetWrapColSpacingMin(double value) { StoreAndChange(value, m_wrapColSpacingMin); }
  int WrapColDesiredCount() const { return m_wrapColDesiredCount; }
  /// Values below 1 become 1.
  void SetWrapColDesiredCount(int value) { StoreAndChange(std::max(value, 1), m_wrapColDesiredCount); }
  int WrapRowDesiredCount() const { return m_wrapRowDesiredCount; }
  void SetWrapRowDesiredCount(int value) { StoreAndChange(std::max(value, 1), m_wrapRowDesiredCount); }
  bool WrapColAutoCountEnabled() const { return m_wrapColAutoCountEnabled; }
  void SetWrapColAutoCountEnabled(bool value) { StoreAndChange(value, m_wrapColAutoCountEnabled); }
  bool WrapRowAutoCountEnabled() const { return m_wrapRowAutoCountEnabled; }
  void SetWrapRowAutoCountEnabled(bool value) { StoreAndChange(value, m_wrapRowAutoCountEnabled); }
  TiPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return m_channelNameColorStyle; }
  void SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle value) {
    StoreAndChange(value, m_channelNameColorStyle);
  }
  /// Values below 1 become 1.
  int WrapColAutoCountMax() const { return m_wrapColAutoCountMax; }
  void SetWrapColAutoCountMax(int value) { StoreAndChange(std::max(value, 1), m_wrapColAutoCountMax); }
  int WrapRowAutoCountMax() const { return m_wrapRowAutoCountMax; }
  void SetWrapRowAutoCountMax(int value) { StoreAndChange(std::max(value, 1), m_wrapRowAutoCountMax); }
  /// Spread the wrap columns over the width of a horizontal legend.
  bool WrapColSpacingAuto() const { return m_wrapColSpacingAuto; }
  void SetWrapColSpacingAuto(bool value) { StoreAndChange(value, m_wrapColSpacingAuto); }
  /// Spread the rows over the height of a vertical legend.
  bool WrapRowSpacingAuto() const { return m_wrapRowSpacingAuto; }
  void SetWrapRowSpacingAuto(bool value) { StoreAndChange(value, m_wrapRowSpacingAuto); }
  /// 0: the name column is as wide as the widest name; else its width in
  /// "0" widths, names wrapped at words and entries as high as they need.
  double ChannelNameMaxWidth() const { return m_channelNameMaxWidth; }
  void SetChannelNameMaxWidth(double value) { StoreAndChange(value, m_channelNameMaxWidth); }
  /// Captions of the title row, translated when drawn.
  QString CaptionColumnTitle() const { return m_captions[cName]; }
  void SetCaptionColumnTitle(const QString& value) { StoreAndChange(value, m_captions[cName]); }
  QString CaptionColumnXAxisTitle() const { return m_captions[cXAxisTitle]; }
  void SetCaptionColumnXAxisTitle(const QString& value) { StoreAndChange(value, m_captions[cXAxisTitle]); }
  QString CaptionColumnYAxisTitle() const { return m_captions[cYAxisTitle]; }
  void SetCaptionColumnYAxisTitle(const QString& value) { StoreAndChange(value, m_captions[cYAxisTitle]); }
  QString CaptionColumnXValue() const { return m_captions[cXValue]; }
  void SetCaptionColumnXValue(const QString& value) { StoreAndChange(value, m_captions[cXValue]); }
  QString CaptionColumnYValue() const { return m_captions[cYValue]; }
  void SetCaptionColumnYValue(const QString& value) { StoreAndChange(value, m_captions[cYValue]); }
  QString CaptionColumnYMax() const { return m_captions[cYMax]; }
  void SetCaptionColumnYMax(const QString& value) { StoreAndChange(value, m_captions[cYMax]); }
  QString CaptionColumnYMin() const { return m_captions[cYMin]; }
  void SetCaptionColumnYMin(const QString& value) { StoreAndChange(value, m_captions[cYMin]); }
  QString CaptionColumnYMean() const { return m_captions[cYMean]; }
  void SetCaptionColumnYMean(const QString& value) { StoreAndChange(value, m_captions[cYMean]); }
  int LineColumnWidth() const { return m_lineColumnWidth; }
  void SetLineColumnWidth(int value) { StoreAndChange(value, m_lineColumnWidth); }
  int LineColumnHeight() const { return m_lineColumnHeight; }
  void SetLineColumnHeight(int value) { StoreAndChange(value, m_lineColumnHeight); }

  int ViewStartIndex() const { return m_itemViewStartIndex; }
  void SetViewStartIndex(int value) { m_itemViewStartIndex = value; }
  int ViewStopIndex() const { return m_itemViewStopIndex; }
  /// Set by the plot's paint: a visible "<All>" cursor shows its values here.
  void SetCursorAllChannels(bool value) { m_cursorAllChannels = value; }
  bool UpButtonVisible() const { return m_upButton->Visible(); }
  bool UpButtonEnabled() const { return m_upButton->Enabled(); }
  bool DownButtonEnabled() const { return m_downButton->Enabled(); }
  const std::vector<TiPlotLegendItem>& Items() const { return m_items; }

  int GetRequiredWidth(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  TiPlotObject* DoMouseOver(int x, int y) override;
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  void NotificationSetFocus(TObject* sender) override;
  /// Drops the entry of a channel being removed, so that nothing before the
  /// next layout reaches it.
  void NotificationRemove(TObject* sender) override;

  /// The entry's name: TitleText, or Name when the title is blank.
  static QString ChannelLabel(const TiPlotChannelCustom& channel);
  /// The newest point's X or Y through the axis' legend format.
  QString ValueText(TiPlotChannelCustom& channel, bool x);

  /// The entry columns, left to right.
  enum Column { cLine, cMarker, cName, cXAxisTitle, cYAxisTitle, cXValue, cYValue, cYMax, cYMin, cYMean, cCount };
  /// The text of an entry's cell (axis titles, values, statistics).
  QString CellText(TiPlotChannelCustom& channel, Column column);

private:
  void Layout(TCanvas& canvas);
  bool ColumnShown(Column column) const;
  QString ColumnCaption(Column column) const;
  void DrawLineSample(TCanvas& canvas, const TiPlotChannelCustom& channel, int x, int y);

  TFont m_font;
  TFont m_selectedItemFont;
  TFont m_columnTitlesFont;
  double m_marginLeft = 1;
  double m_marginRight = 1;
  double m_marginTop = 1;
  double m_marginBottom = 1;
  TColor m_backGroundColor = clGray;
  bool m_backGroundTransparent = true;
  TColor m_selectedItemBackGroundColor = clYellow;
  bool m_columnTitlesVisible = false;
  bool m_showColumnLine = true;
  bool m_showColumnMarker = false;
  bool m_showColumnXAxisTitle = false;
  bool m_showColumnYAxisTitle = false;
  bool m_showColumnYMax = false;
  bool m_showColumnYMin = false;
  bool m_showColumnYMean = false;
  bool m_showColumnXValue = false;
  bool m_showColumnYValue = false;
  double m_columnSpacing = 0.5;
  double m_rowSpacing = 0.25;
  double m_wrapColSpacingMin = 2;
  int m_wrapColDesiredCount = 1;
  int m_wrapRowDesiredCount = 5;
  bool m_wrapColAutoCountEnabled = false;
  bool m_wrapRowAutoCountEnabled = true;
  int m_wrapColAutoCountMax = 100;
  int m_wrapRowAutoCountMax = 100;
  bool m_wrapColSpacingAuto = true;
  bool m_wrapRowSpacingAuto = false;
  TiPlotLegendChannelNameColorStyle m_channelNameColorStyle = TiPlotLegendChannelNameColorStyle::iplcncsFont;
  double m_channelNameMaxWidth = 0;
  // By column; the line and marker columns have none.
  QString m_captions[cCount] = {QString(),
                                QString(),
                                QStringLiteral("Title"),
                                QStringLiteral("X-Axis"),
                                QStringLiteral("Y-Axis"),
                                QStringLiteral("X"),
                                QStringLiteral("Y"),
                                QStringLiteral("Y-Max"),
                                QStringLiteral("Y-Min"),
                                QStringLiteral("Y-Mean")};
  int m_lineColumnWidth = 13;
  int m_lineColumnHeight = 3;
  std::unique_ptr<TiPlotLegendButton> m_upButton;
  std::unique_ptr<TiPlotLegendButton> m_downButton;
  std::vector<TiPlotLegendItem> m_items;
  std::vector<int> m_columnList;
  bool m_cursorAllChannels = false;
  int m_requiredWidth = 0;
  int m_requiredHeight = 0;
  TRect m_itemsRect;
  int m_itemWidth = 0;
  int m_itemHeight = 0;
  int m_maxItemHeight = 0;
  int m_rowSpacingPixels = 0;
  int m_columnSpacingPixels = 0;
  int m_wrapSpacingPixels = 0;
  int m_width[cCount] = {};
  int m_start[cCount] = {};
  int m_titlesHeight = 0;
  int m_titlesMargin = 0;
  bool m_showXValue2 = false;
  bool m_showYValue2 = false;
  int m_itemViewStartIndex = 0;
  int m_itemViewStopIndex = 0;
};
