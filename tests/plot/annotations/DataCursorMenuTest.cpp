#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStringList>

#include "platform/widgets/TPopupMenu.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/core/TiMenuItem.h"
#include "tests/plot/SystemPlots.h"

namespace {

TiPlotDataCursor& MenuCursorOf(TiPlotComponent& plot) {
  return *plot.Master().DataCursorManager().ItemAs<TiPlotDataCursor>(0);
}

QStringList Captions(const TMenuItem& menu, bool visibleOnly = true) {
  QStringList captions;
  for (int i = 0; i < menu.Count(); ++i) {
    if (menu.Item(i).Visible || !visibleOnly) {
      captions << menu.Item(i).Caption;
    }
  }
  return captions;
}

QStringList Captions(const TPopupMenu& menu) {
  QStringList captions;
  for (int i = 0; i < menu.Count(); ++i) {
    captions << menu.Item(i).Caption;
  }
  return captions;
}

}  // namespace

TEST(DataCursorMenu, ChannelAndStyleItems_listVisibleChannelsAndChosenStyles) {
  TiPlot plot;
  plot.AddChannel();
  plot.AddChannel();
  plot.Channel(0)->SetTitleText(QStringLiteral("Gain\r\nLeft"));
  plot.Channel(1)->SetVisible(false);
  TiPlotDataCursor& cursor = MenuCursorOf(plot);
  cursor.SetMenuItemVisibleDeltaY(false);
  cursor.SetMenuItemCaptionDeltaX(QStringLiteral("Time"));
  TPopupMenu menu;
  cursor.AddMenuItems(menu);
  EXPECT_EQ(Captions(menu), (QStringList{"Channel", "Style", "Options", "Snap to Data-Point", "Edit..."}));
  TMenuItem& channels = menu.Item(0);
  ASSERT_EQ(Captions(channels), (QStringList{"<All>", "GainLeft", plot.Channel(2)->TitleText()}));
  EXPECT_EQ(static_cast<TiMenuItem&>(channels.Item(1)).AString, plot.Channel(0)->Name());
  channels.Item(1).Click();
  EXPECT_EQ(cursor.ChannelName(), plot.Channel(0)->Name());
  EXPECT_TRUE(plot.Channel(0)->UserSelected());
  channels.Item(0).Click();
  EXPECT_EQ(cursor.ChannelName(), QStringLiteral("<All>"));
  EXPECT_FALSE(plot.Channel(0)->UserSelected());

  TMenuItem& styles = menu.Item(1);
  EXPECT_EQ(Captions(styles), (QStringList{"Value X-Y", "Value X", "Value Y", "Time", "Frequency"}));
  EXPECT_TRUE(styles.Item(0).Checked);
  styles.Item(3).Click();
  EXPECT_EQ(cursor.Style(), TiPlotDataCursorStyle::ipcsDeltaX);
}

TEST(DataCursorMenu, OptionsAndSnapItems_followTheCursorAndThePlotKind) {
  TiPlot plot;
  TiPlotDataCursor& cursor = MenuCursorOf(plot);
  cursor.SetChannelName(QStringLiteral("<all>"));
  TPopupMenu menu;
  cursor.AddMenuItems(menu);
  TMenuItem& options = menu.Item(2);
  ASSERT_EQ(Captions(options), (QStringList{"Use Channel Color", "Hide Hint On Release", "Flip Alignment"}));
  EXPECT_FALSE(options.Item(2).Enabled);
  options.Item(1).Click();
  EXPECT_TRUE(cursor.HintHideOnRelease());
  menu.Item(3).Click();
  EXPECT_TRUE(cursor.SnapToDataPoint());

  cursor.SetChannelName(QString());
  cursor.AddMenuItems(menu);
  menu.Item(2).Item(2).Click();
  EXPECT_EQ(cursor.HintOrientationSide(), TiOrientationSide::iosTopLeft);
  cursor.SetMenuUserCanChangeOptions(false);
  cursor.AddMenuItems(menu);
  EXPECT_EQ(Captions(menu), (QStringList{"Channel", "Style", "Snap to Data-Point", "Edit..."}));

  TiXYPlot xyPlot;
  MenuCursorOf(xyPlot).AddMenuItems(menu);
  EXPECT_EQ(Captions(menu), (QStringList{"Channel", "Style", "Options", "Edit..."}));
}

TEST(DataCursorMenu, Popup_showsSubItemsAsSubMenusWhoseActionsClickTheItems) {
  TiPlot plot;
  TiPlotDataCursor& cursor = MenuCursorOf(plot);
  cursor.SetMenuItemVisibleValueX(false);
  TPopupMenu menu;
  cursor.AddMenuItems(menu);
  menu.Popup(0, 0);
  QMenu* shown = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* candidate = qobject_cast<QMenu*>(widget); candidate != nullptr && candidate->isVisible()) {
      shown = candidate;
    }
  }
  ASSERT_NE(shown, nullptr);
  QMenu* styles = nullptr;
  for (QAction* action : shown->actions()) {
    if (action->text() == QStringLiteral("Style")) {
      styles = action->menu();
    }
  }
  ASSERT_NE(styles, nullptr);
  ASSERT_EQ(styles->actions().size(), 5);  // "Value X" hidden
  EXPECT_TRUE(styles->actions().at(0)->isChecked());
  styles->actions().at(2)->trigger();
  EXPECT_EQ(cursor.Style(), TiPlotDataCursorStyle::ipcsDeltaX);
  menu.CloseUp();
}
