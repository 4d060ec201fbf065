#include <gtest/gtest.h>

#include <functional>

#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "tests/plot/SystemPlots.h"

namespace {

// One property as the editor and the property files reach it: its
// registered name, a text value other than its default, and what the
// object's own accessor must then answer.
struct EditorBoundPropertyCase {
  const char* name;
  const char* text;
  std::function<bool(TiPlotObject&)> holds;
};

TiPlotDataView& EditorBoundDataView(TiPlotComponent& plot) {
  return *plot.Master().DataViewManager().ItemAs<TiPlotDataView>(0);
}

TiPlotLegend& EditorBoundLegend(TiPlotComponent& plot) {
  return *plot.Master().LegendManager().ItemAs<TiPlotLegend>(0);
}

// Writes every case through the registry, counting change notifications;
// a second write of the same text must not notify again.
void ExpectRegisteredWithChange(TiPlotObject& object, const std::vector<EditorBoundPropertyCase>& cases) {
  int changes = 0;
  object.OnChange = [&changes](TObject*) { ++changes; };
  for (const EditorBoundPropertyCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TiPlotProperty* property = TiPlotPropertyRegistry::Find(object, QString::fromLatin1(c.name));
    ASSERT_NE(property, nullptr);
    changes = 0;
    ASSERT_TRUE(property->Set(object, QString::fromLatin1(c.text)));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(c.holds(object));
    EXPECT_EQ(property->Get(object), QString::fromLatin1(c.text));
    property->Set(object, QString::fromLatin1(c.text));
    EXPECT_EQ(changes, 1);
  }
}

}  // namespace

TEST(EditorBoundProperties, DataViewCustomGridPens_oneAtATimeWithChange) {
  TiPlot plot;
  TiPlotDataView& view = EditorBoundDataView(plot);
  auto dv = [](TiPlotObject& o) -> TiPlotDataView& { return static_cast<TiPlotDataView&>(o); };
  ExpectRegisteredWithChange(
      view,
      {{"GridLineXMajorCustom", "True", [&](TiPlotObject& o) { return dv(o).GridLineXMajor().Custom; }},
       {"GridLineXMajorColor", "255", [&](TiPlotObject& o) { return dv(o).GridLineXMajorColor() == clRed; }},
       {"GridLineXMinorWidth", "3", [&](TiPlotObject& o) { return dv(o).GridLineXMinor().Width == 3; }},
       {"GridLineYMajorStyle", "ipglsDot",
        [&](TiPlotObject& o) { return dv(o).GridLineYMajorStyle() == TiPlotGridLineStyle::ipglsDot; }},
       {"GridLineYMinorCustom", "True", [&](TiPlotObject& o) { return dv(o).GridLineYMinorCustom(); }}});
  // The single setters leave the other fields of the record alone.
  view.SetGridLineYMinorWidth(7);
  EXPECT_TRUE(view.GridLineYMinor().Custom);
  EXPECT_EQ(view.GridLineYMinor().Width, 7);
  EXPECT_EQ(view.GridLineYMinor().Color, clGreen);
}

TEST(EditorBoundProperties, LegendWrapAndMargins_registeredWithChange) {
  TiPlot plot;
  TiPlotLegend& legend = EditorBoundLegend(plot);
  auto lg = [](TiPlotObject& o) -> TiPlotLegend& { return static_cast<TiPlotLegend&>(o); };
  ExpectRegisteredWithChange(
      legend, {{"WrapColAutoCountMax", "7", [&](TiPlotObject& o) { return lg(o).WrapColAutoCountMax() == 7; }},
               {"WrapRowAutoCountMax", "9", [&](TiPlotObject& o) { return lg(o).WrapRowAutoCountMax() == 9; }},
               {"WrapColSpacingAuto", "False", [&](TiPlotObject& o) { return !lg(o).WrapColSpacingAuto(); }},
               {"WrapRowSpacingAuto", "True", [&](TiPlotObject& o) { return lg(o).WrapRowSpacingAuto(); }},
               {"ChannelNameMaxWidth", "12", [&](TiPlotObject& o) { return lg(o).ChannelNameMaxWidth() == 12; }},
               {"MarginTop", "2.5", [&](TiPlotObject& o) { return lg(o).MarginTop() == 2.5; }},
               {"MarginLeft", "0.5", [&](TiPlotObject& o) { return lg(o).MarginLeft() == 0.5; }}});
  // The row spacing has a second name; both reach one value.
  legend.SetRowSpacing(1.5);
  EXPECT_EQ(legend.WrapRowSpacingMin(), 1.5);
  legend.SetWrapRowSpacingMin(0.75);
  EXPECT_EQ(legend.RowSpacing(), 0.75);
}
