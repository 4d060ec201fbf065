// The Channels page: the plot's channels with every channel property on
// nine sub-pages; the channel's files, log and statistics live in
// TiPlotEditorForm_ChannelFiles.cpp.
#include "plot/editor/TiPlotEditorForm.h"

#include <QLabel>

#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/editor/TiComponentEditorListBox.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiEditorRow.h"
#include "plot/editor/TiEditorRowPlacer.h"
#include "plot/editor/iEditorCompactTabs.h"
#include "plot/editor/iPlotEditorChannelPage.h"
#include "plot/editor/iPlotEditorPages.h"

namespace {

const QStringList kChannelPenStyles{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame"};
const QStringList kChannelBrushStyles{"Solid",     "Clear",     "Horizontal", "Vertical",
                                      "FDiagonal", "BDiagonal", "Cross",      "DiagCross"};

}  // namespace

const TiEditorPageTable& ChannelPageTable() {
  static const TiEditorPageTable table = [] {
    using W = TiEditorWidget;
    using R = TiEditorRow;
    const auto ts = TiPlotObjectKind::Channel;
    TiEditorPageTable t;
    t.Prefix = QStringLiteral("Channel");
    t.Kind = TiPlotObjectKind::Channel;
    t.PageControlName = QStringLiteral("ChannelPageControl");
    t.SubPages = {"General",
                  "Trace",
                  "Marker",
                  "Bar",
                  kChannelHighLowPage,
                  kChannelHighLowPage + "/Open/Close",
                  kChannelHighLowPage + "/Candlestick",
                  "Fill",
                  "Digital",
                  "File I/O",
                  "Stats"};
    t.NestedPageControls = {{kChannelHighLowPage, QStringLiteral("ChannelHighLowPageControl")}};
    const QString hl = kChannelHighLowPage;
    const QString oc = hl + "/Open/Close";
    const QString cs = hl + "/Candlestick";
    t.Rows = {
        R("General", "Name", W::Edit, "Name"),
        R("General", "Visible", W::CheckBox, "Visible"),
        R("General", "Popup Enabled", W::CheckBox, "PopupEnabled"),
        R("General", "Layer", W::SpinEdit, "Layer"),
        R("General", "Title", W::Edit, "TitleText"),
        R("General", "Visible in Legend", W::CheckBox, "VisibleInLegend"),
        R("General", "User Can Move Data Points", W::CheckBox, "UserCanMoveDataPoints"),
        R("General", "Style", W::ComboBox, "UserCanMoveDataPointsStyle").Items({"X and Y", "X Only", "Y Only"}),
        R("General", "Ring Buffer Size", W::Edit, "RingBufferSize"),
        R("General", "Color", W::ColorPicker, "Color"),
        R("General", "X-Axis Name", W::NameComboBox, "XAxisName").List(TiEditorNameList::XAxes),
        R("General", "Y-Axis Name", W::NameComboBox, "YAxisName").List(TiEditorNameList::YAxes),
        R("General", "X-Axis Tracking Enabled", W::CheckBox, "XAxisTrackingEnabled"),
        R("General", "Y-Axis Tracking Enabled", W::CheckBox, "YAxisTrackingEnabled"),
        R("General", "Data Style", W::ComboBox, "DataStyle")
            .Items({"Standard", "Compact", "Compact Interval", "Full Feature"}),
        R("Trace", "Visible", W::CheckBox, "TraceVisible"),
        R("Trace", "Line Style", W::ComboBox, "TraceLineStyle")
            .Items({"Solid", "Dash", "Dot", "DashDot", "DashDotDot"}),
        R("Trace", "Line Width", W::SpinEdit, "TraceLineWidth").Spin(0, 100),
        R("Marker", "Visible", W::CheckBox, "MarkersVisible"),
        R("Marker", "Allow Individual", W::CheckBox, "MarkersAllowIndividual"),
        R("Marker", "Size", W::SpinEdit, "MarkersSize").Spin(0, 100),
        R("Marker", "Style", W::ComboBox, "MarkersStyle")
            .Items({"Circle", "Square", "Diamond", "Cross", "Plus", "Triangle Up", "Triangle Down", "Triangle Left",
                    "Triangle Right", "Vertical Line", "Horizontal Line", "Character"}),
        R("Marker", "Color", W::ColorPicker, "MarkersPenColor").In("Pen"),
        R("Marker", "Use Channel Color", W::CheckBox, "MarkersPenUseChannelColor").In("Pen"),
        R("Marker", "Style", W::ComboBox, "MarkersPenStyle").In("Pen").Items(kChannelPenStyles),
        R("Marker", "Width", W::SpinEdit, "MarkersPenWidth").In("Pen").Spin(0, 100),
        R("Marker", "Color", W::ColorPicker, "MarkersBrushColor").In("Brush"),
        R("Marker", "Use Channel Color", W::CheckBox, "MarkersBrushUseChannelColor").In("Brush"),
        R("Marker", "Style", W::ComboBox, "MarkersBrushStyle").In("Brush").Items(kChannelBrushStyles),
        R("Marker", "Turn Off Limit", W::SpinEdit, "MarkersTurnOffLimit").Spin(0, 20000),
        R("File I/O", "File Name", W::Edit, "LogFileName").Manual(),
        R("File I/O", "Buffer Size", W::SpinEdit, "LogBufferSize").Spin(0, 32767).Manual(),
        R("Marker", "Font", W::FontPicker, "MarkersFont"),
        R("Fill", "Enabled", W::CheckBox, "FillEnabled").Only(ts),
        R("Fill", "Reference", W::Edit, "FillReference").Only(ts),
        R("Fill", "Style", W::ComboBox, "FillStyle").Items(kChannelBrushStyles).Only(ts),
        R("Fill", "Color", W::ColorPicker, "FillColor").Only(ts),
        R("Fill", "Use Channel Color", W::CheckBox, "FillUseChannelColor").Only(ts),
        R("Bar", "Enabled", W::CheckBox, "BarEnabled").Only(ts),
        R("Bar", "Width", W::Edit, "BarWidth").Converter().Only(ts),
        R("Bar", "Reference", W::Edit, "BarReference").Only(ts),
        R("Bar", "Use Channel Color", W::CheckBox, "BarPenUseChannelColor").In("Pen").Only(ts),
        R("Bar", "Style", W::ComboBox, "BarPenStyle").In("Pen").Items(kChannelPenStyles).Only(ts),
        R("Bar", "Color", W::ColorPicker, "BarPenColor").In("Pen").Only(ts),
        R("Bar", "Width", W::SpinEdit, "BarPenWidth").In("Pen").Spin(0, 100).Only(ts),
        R("Bar", "Use Channel Color", W::CheckBox, "BarBrushUseChannelColor").In("Brush").Only(ts),
        R("Bar", "Style", W::ComboBox, "BarBrushStyle").In("Brush").Items(kChannelBrushStyles).Only(ts),
        R("Bar", "Color", W::ColorPicker, "BarBrushColor").In("Brush").Only(ts),
        R(hl, "Style", W::ComboBox, "HighLowStyle").Items({"Open/Close", "Candlestick"}).Only(ts),
        R(hl, "Enabled", W::CheckBox, "HighLowEnabled").Only(ts),
        R(oc, "Color", W::ColorPicker, "HighLowBarColor").In("Bar").Only(ts),
        R(oc, "Width", W::Edit, "HighLowBarWidth").In("Bar").Converter().Only(ts),
        R(oc, "Show", W::CheckBox, "HighLowOpenShow").In("Open").Only(ts),
        R(oc, "Color", W::ColorPicker, "HighLowOpenColor").In("Open").Only(ts),
        R(oc, "Width", W::Edit, "HighLowOpenWidth").In("Open").Converter().Only(ts),
        R(oc, "Height", W::Edit, "HighLowOpenHeight").In("Open").Converter().Only(ts),
        R(oc, "Show", W::CheckBox, "HighLowCloseShow").In("Close").Only(ts),
        R(oc, "Color", W::ColorPicker, "HighLowCloseColor").In("Close").Only(ts),
        R(oc, "Width", W::Edit, "HighLowCloseWidth").In("Close").Converter().Only(ts),
        R(oc, "Height", W::Edit, "HighLowCloseHeight").In("Close").Converter().Only(ts),
        R(cs, "Shadow Color", W::ColorPicker, "HighLowShadowColor").Only(ts),
        R(cs, "Bullish Color", W::ColorPicker, "HighLowBullishColor").Only(ts),
        R(cs, "Bearish Color", W::ColorPicker, "HighLowBearishColor").Only(ts),
        R("Digital", "Enabled", W::CheckBox, "DigitalEnabled").Only(ts),
        R("Digital", "Reference High", W::Edit, "DigitalReferenceHigh").Only(ts),
        R("Digital", "Reference Low", W::Edit, "DigitalReferenceLow").Only(ts),
        R("Digital", "Reference Style", W::ComboBox, "DigitalReferenceStyle").Items({"Scale", "Percent"}).Only(ts),
        R("General", "Fast Draw", W::CheckBox, "FastDrawEnabled").Only(ts),
        R("General", "Clip To Axes", W::CheckBox, "ClipToAxes").Only(ts),
        R("Trace", "Interpolation Style", W::ComboBox, "InterpolationStyle")
            .Items(
                {"Straight Line", "Cubic Spline", "Polynomial", "Rational", "Differential", "Differential Terminated"})
            .Only(ts),
    };
    // These sub-pages are arranged by hand (LayOutChannelSubPages).
    const QStringList arranged{"General", "Marker", "Bar", hl, oc, cs};
    for (TiEditorBinding& row : t.Rows) {
      if (arranged.contains(row.SubPage)) row.Place = TiEditorPlace::Manual;
    }
    return t;
  }();
  return table;
}

namespace {

QWidget* ChannelSubPage(const TiComponentEditorPageControl& pages, const QString& caption) {
  for (int i = 0; i < pages.count(); ++i) {
    if (pages.tabText(i) == caption) return pages.widget(i);
  }
  return nullptr;
}

/// The time-series-only sub-pages and controls shown for a time-series
/// plot, hidden for an X-Y plot.
void ShowTimeSeriesChannelControls(const TiPlotEditorForm& form, bool show) {
  if (auto* pages = form.Control<TiComponentEditorPageControl>(QStringLiteral("ChannelPageControl"))) {
    for (const QString& caption :
         {QStringLiteral("Bar"), QStringLiteral("High/Low"), QStringLiteral("Fill"), QStringLiteral("Digital")}) {
      for (int i = 0; i < pages->count(); ++i) {
        if (pages->tabText(i) == caption) pages->setTabVisible(i, show);
      }
    }
  }
  for (const QString& name :
       {QStringLiteral("ChannelFastDrawEnabledCheckBox"), QStringLiteral("ChannelInterpolationStyleComboBox")}) {
    if (auto* control = dynamic_cast<QWidget*>(form.Controls().FindObject(name))) control->setVisible(show);
    if (auto* label = form.findChild<QLabel*>(name + QStringLiteral("Label"))) label->setVisible(show);
  }
}

/// The sub-pages whose rows the page places itself.
void LayOutChannelSubPages(const TiPlotEditorForm& form, TiEditorRowPlacer& placer,
                           const TiComponentEditorPageControl& pages) {
  constexpr int w = kEditorSubPageWidth;
  QWidget* general = ChannelSubPage(pages, QStringLiteral("General"));
  placer.Column(general, 6, 6, 214, -1,
                {"Name", "TitleText", "Layer", "RingBufferSize", "Color", "XAxisName", "YAxisName", "DataStyle"});
  // "Fast Draw" stands last: hidden on an X-Y plot, it leaves no gap.
  const int y = placer.Column(general, 228, 6, w - 234, 0,
                              {"Visible", "PopupEnabled", "VisibleInLegend", "ClipToAxes", "XAxisTrackingEnabled",
                               "YAxisTrackingEnabled", "UserCanMoveDataPoints"});
  const int z = placer.Column(general, 228, y + 2, w - 234, -1, {"UserCanMoveDataPointsStyle"});
  placer.Column(general, 228, z + 1, w - 234, 0, {"FastDrawEnabled"});

  QWidget* marker = ChannelSubPage(pages, QStringLiteral("Marker"));
  int a =
      placer.Column(marker, 6, 6, 142, -1, {"MarkersVisible", "MarkersAllowIndividual", "MarkersSize", "MarkersStyle"});
  a = placer.Column(marker, 6, a + 2, 142, -1, {"MarkersTurnOffLimit"});
  placer.Column(marker, 6, a + 4, 142, 0, {"MarkersFont"});
  placer.Column(placer.Group(marker, QStringLiteral("Pen"), 152, 2, 136, 117), 6, 18, 124, -1,
                {"MarkersPenColor", "MarkersPenUseChannelColor", "MarkersPenStyle", "MarkersPenWidth"});
  placer.Column(placer.Group(marker, QStringLiteral("Brush"), 292, 2, w - 296, 93), 6, 18, w - 308, -1,
                {"MarkersBrushColor", "MarkersBrushUseChannelColor", "MarkersBrushStyle"});

  QWidget* bar = ChannelSubPage(pages, QStringLiteral("Bar"));
  placer.Column(bar, 6, 6, 142, -1, {"BarEnabled", "BarWidth", "BarReference"});
  placer.Column(placer.Group(bar, QStringLiteral("Pen"), 152, 2, 136, 117), 6, 18, 124, -1,
                {"BarPenUseChannelColor", "BarPenStyle", "BarPenColor", "BarPenWidth"});
  placer.Column(placer.Group(bar, QStringLiteral("Brush"), 292, 2, w - 296, 93), 6, 18, w - 308, -1,
                {"BarBrushUseChannelColor", "BarBrushStyle", "BarBrushColor"});

  QWidget* highLow = ChannelSubPage(pages, QStringLiteral("High/Low"));
  placer.Column(highLow, 6, 6, 190, -1, {"HighLowStyle"});
  placer.Column(highLow, 206, 6, 120, 0, {"HighLowEnabled"});
  auto& nested = *form.Control<TiComponentEditorPageControl>(QStringLiteral("ChannelHighLowPageControl"));
  nested.SetBounds(2, 34, w - 4, kEditorSubPageHeight - 36);
  QWidget* openClose = ChannelSubPage(nested, QStringLiteral("Open/Close"));
  placer.Column(placer.Group(openClose, QStringLiteral("Bar"), 4, 2, 132, 72), 6, 18, 120, -1,
                {"HighLowBarColor", "HighLowBarWidth"});
  placer.Column(placer.Group(openClose, QStringLiteral("Open"), 140, 2, 134, 117), 6, 18, 122, -1,
                {"HighLowOpenShow", "HighLowOpenColor", "HighLowOpenWidth", "HighLowOpenHeight"});
  placer.Column(placer.Group(openClose, QStringLiteral("Close"), 278, 2, 134, 117), 6, 18, 122, -1,
                {"HighLowCloseShow", "HighLowCloseColor", "HighLowCloseWidth", "HighLowCloseHeight"});
  placer.Column(ChannelSubPage(nested, QStringLiteral("Candlestick")), 6, 6, 200, -1,
                {"HighLowShadowColor", "HighLowBullishColor", "HighLowBearishColor"});
}

}  // namespace

void TiPlotEditorForm::BuildChannelsPage(QWidget* page) {
  m_channelPage = BuildObjectPage(
      page, true, ChannelPageTable(), [this] { ChannelChange(); }, [this] { UpdateChannelEdit(); });
  auto& pages = *Control<TiComponentEditorPageControl>(QStringLiteral("ChannelPageControl"));
  pages.setTabText(pages.indexOf(ChannelSubPage(pages, kChannelHighLowPage)), QStringLiteral("High/Low"));
  CompactTabs(pages);
  TiEditorRowPlacer placer(m_controls, ChannelPageTable());
  LayOutChannelSubPages(*this, placer, pages);
  TiEditorRowPlacer::HintValueConverters(pages);
  BuildChannelFileControls(*this, placer, ChannelSubPage(pages, QStringLiteral("File I/O")),
                           ChannelSubPage(pages, QStringLiteral("Stats")));
}

void TiPlotEditorForm::UpdateChannelEdit() {
  // The X-Y plot is the one whose channel class is TiXYPlotChannel.
  ShowTimeSeriesChannelControls(*this,
                                dynamic_cast<const TiXYPlot*>(m_master ? m_master->Owner() : nullptr) == nullptr);
  TiPlotObject* channel = FillObjectPage(*m_channelListBox, m_channelPage);
  SetChannelLogControls(*this, dynamic_cast<TiPlotChannelCustom*>(channel));
  m_channelListBox->viewport()->update();
}

void TiPlotEditorForm::ChannelChange() {
  auto* channel = dynamic_cast<TiPlotChannelCustom*>(ApplyObjectPage(*m_channelListBox, m_channelPage));
  if (channel == nullptr) return;
  Control<TiComponentEditorOpenPicker>(QStringLiteral("ChannelLogFileNamePicker"))->SetFileName(channel->LogFileName());
  UpdateAll();
}
