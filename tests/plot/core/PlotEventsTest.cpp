#include <gtest/gtest.h>

#include "plot/core/TiPlotButton.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

using K = TiPlotObjectKind;

/// An X axis that forwards its left press to the plot's other X axes, as
/// an axis with MasterUIInput does, and counts what it receives.
class ForwardingAxis : public TiPlotXAxis {
public:
  using TiPlotXAxis::TiPlotXAxis;
  void DoMouseLeft(const TiPlotMouseData& data) override {
    ++presses;
    Owner()->MasterAxisMouseLeft(this, data);
  }
  int presses = 0;
};

/// A managed object of a fixed kind (channels of both kinds).
class KindObject : public TiPlotManagerObject {
public:
  KindObject(TiPlotComponent* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent n, K kind)
      : TiPlotManagerObject(owner, c, i, r, n), m_kind(kind) {}
  K Kind() const override { return m_kind; }

private:
  K m_kind;
};

}  // namespace

TEST(PlotEvents, MasterAxisInput_forwardsOneLevelOnly) {
  TiPlotComponent plot;
  plot.Master().XAxisManager().SetObjectClass(
      [](TiPlotComponent* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent n) {
        return std::make_unique<ForwardingAxis>(owner, c, i, r, n);
      },
      nullptr);
  plot.AddXAxis();
  plot.AddXAxis();
  auto* a = plot.Master().XAxisManager().ItemAs<ForwardingAxis>(0);
  auto* b = plot.Master().XAxisManager().ItemAs<ForwardingAxis>(1);
  a->iMouseDown(TMouseButton::mbLeft, {}, 1, 1, 0, 0, nullptr);
  EXPECT_EQ(a->presses, 1);
  EXPECT_EQ(b->presses, 1);
}

TEST(PlotEvents, DoubleClickThenClick_firesDblClickOnceThenClick) {
  TiPlotComponent plot;
  plot.AddDataView();
  QStringList fired;
  plot.OnClickDataView = [&](int) { fired << QStringLiteral("click"); };
  plot.OnDblClickDataView = [&](int) { fired << QStringLiteral("dbl"); };
  plot.SetDBLClickActive(true);
  plot.DoObjectClick(plot.DataView(0));
  plot.DoObjectClick(plot.DataView(0));
  EXPECT_EQ(fired, (QStringList{"dbl", "click"}));
}

TEST(PlotEvents, WheelEvent_onlyForTimeSeriesChannels) {
  TiPlotComponent plot;
  for (const K kind : {K::Channel, K::XYChannel}) {
    plot.Master().SetChannelClass(
        [kind](TiPlotComponent* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent n) {
          return std::make_unique<KindObject>(owner, c, i, r, n, kind);
        },
        nullptr);
    plot.Master().AddChannel();
  }
  std::vector<int> wheeled;
  plot.OnMouseWheelChannel = [&](int index, int, TShiftState, int, int) { wheeled.push_back(index); };
  plot.Master().ChannelManager().Items(0)->iMouseWheel(120, {}, {0, 0});
  plot.Master().ChannelManager().Items(1)->iMouseWheel(120, {}, {0, 0});
  EXPECT_EQ(wheeled, std::vector<int>{0});
  EXPECT_EQ(plot.Master().ChannelManager().Items(1)->Name(), "Channel 2");
}

TEST(PlotEvents, Labels_titleCannotBeDeletedAndStaysOnRemoveAll) {
  TiPlotComponent plot;
  for (int i = 0; i < 3; ++i) {
    AddFake(plot, {K::Label, true});
  }
  EXPECT_EQ(ErrorOf([&] { plot.DeleteLabel(0); }), "Label Index 0 can not be Deleted (Resevered for Title)");
  EXPECT_EQ(plot.Master().LabelManager().Count(), 3);
  TiPlotObject* title = plot.Master().LabelManager().Items(0);
  plot.RemoveAllLabels();
  ASSERT_EQ(plot.Master().LabelManager().Count(), 1);
  EXPECT_EQ(plot.Master().LabelManager().Items(0), title);
}

TEST(PlotEvents, Button_clicksOnReleaseInsideWithGroupClickFirst) {
  TiPlotComponent plot;
  TiPlotButton button(&plot);
  button.SetDrawRect({10, 10, 30, 20});
  button.SetGroupIndex(2);
  QStringList fired;
  button.OnGroupClick = [&](TObject*) { fired << QStringLiteral("group"); };
  button.OnClick = [&](TObject*) { fired << QStringLiteral("click"); };
  button.iMouseDown(TMouseButton::mbLeft, {}, 12, 12, 0, 0, nullptr);
  button.iMouseUp(TMouseButton::mbLeft, {}, 40, 12, 0, 0, false, nullptr);
  EXPECT_TRUE(fired.isEmpty());
  button.iMouseDown(TMouseButton::mbLeft, {}, 12, 12, 0, 0, nullptr);
  button.iMouseUp(TMouseButton::mbLeft, {}, 29, 19, 0, 0, false, nullptr);
  EXPECT_EQ(fired, (QStringList{"group", "click"}));
}
