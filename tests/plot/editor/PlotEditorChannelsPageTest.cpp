#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorOpenPicker.h"
#include "plot/editor/iPlotEditorChannelPage.h"
#include "plot/editor/iPlotEditorPages.h"
#include "plot/objects/TiPlotXAxis.h"
#include "tests/plot/editor/PlotEditorPageFixture.h"

namespace {

TiPlotChannelCustom& EditedChannel(const PlotEditorPageFixture& f, int index = 0) {
  return *dynamic_cast<TiPlotChannelCustom*>(f.plot->Master().ChannelManager().Items(index));
}

QString ChannelStatText(const PlotEditorPageFixture& f, int index) {
  return f.Get<TLabel>(ChannelStatValueLabelName(index)).Caption();
}

/// A file chooser that answers with one name.
struct ChannelPageFileAnswer {
  explicit ChannelPageFileAnswer(const QString& name) {
    FileChooser::SetFilesHook([name](const FileDialogChoice&) {
      return std::optional<FileAnswer>(FileAnswer{{name}, 1});
    });
  }
  ~ChannelPageFileAnswer() { FileChooser::SetFilesHook({}); }
};

}  // namespace

TEST(PlotEditorChannelsPage, EveryBindingChangedThroughItsWidgetReachesTheChannel) {
  PlotEditorPageFixture f;
  TiPlotChannelCustom& channel = EditedChannel(f);
  const TiPropertyTable& properties = TiPlotPropertyRegistry::PropertiesOf(channel);
  for (const TiEditorBinding& row : ChannelPageTable().Rows) {
    SCOPED_TRACE(row.Property.toStdString());
    auto* control = dynamic_cast<QWidget*>(f.form->Controls().FindObject(BindingControlName(ChannelPageTable(), row)));
    const TiPlotProperty* p = TiPlotPropertyRegistry::Find(properties, row.Property);
    ASSERT_NE(control, nullptr);
    ASSERT_NE(p, nullptr);
    const BindingChange change = ChangeBindingAsUser(control, row, channel, *p);
    EXPECT_EQ(change.Actual, change.Expected);
  }
}

TEST(PlotEditorChannelsPage, LookBindingsChangeThePlotsPicture) {
  PlotEditorPageFixture f;
  TiPlotChannelCustom& channel = EditedChannel(f);
  for (int i = 0; i < 20; ++i) channel.AddXY(i * 5, (i % 4) * 20);
  channel.SetMarkersVisible(true);
  f.form->UpdateChannelEdit();
  struct Case {
    const char* property;
  };
  for (const char* property : {"Color", "TraceLineWidth", "MarkersStyle"}) {
    SCOPED_TRACE(property);
    const TiEditorBinding* row = nullptr;
    for (const TiEditorBinding& r : ChannelPageTable().Rows) {
      if (r.Property == QLatin1String(property)) row = &r;
    }
    ASSERT_NE(row, nullptr);
    const QImage before = f.Picture();
    auto* control = dynamic_cast<QWidget*>(f.form->Controls().FindObject(BindingControlName(ChannelPageTable(), *row)));
    ChangeBindingAsUser(control, *row, channel, *TiPlotPropertyRegistry::Find(channel, row->Property));
    EXPECT_NE(f.Picture(), before);
  }
}

TEST(PlotEditorChannelsPage, TimeSeriesSubPagesAndControlsShowOnlyForATimeSeriesPlot) {
  for (const bool xy : {false, true}) {
    SCOPED_TRACE(xy ? "X-Y plot" : "time-series plot");
    PlotEditorPageFixture f(xy);
    auto& pages = f.Get<TiComponentEditorPageControl>(QStringLiteral("ChannelPageControl"));
    QStringList shown;
    for (int i = 0; i < pages.count(); ++i) {
      if (pages.isTabVisible(i)) shown << pages.tabText(i);
    }
    const QStringList all{"General", "Trace", "Marker", "Bar", "High/Low", "Fill", "Digital", "File I/O", "Stats"};
    const QStringList common{"General", "Trace", "Marker", "File I/O", "Stats"};
    EXPECT_EQ(shown, xy ? common : all);
    EXPECT_EQ(f.Get<TiComponentEditorCheckBox>(QStringLiteral("ChannelFastDrawEnabledCheckBox")).isHidden(), xy);
    EXPECT_EQ(f.Get<TiComponentEditorComboBox>(QStringLiteral("ChannelInterpolationStyleComboBox")).isHidden(), xy);
    // The rows from "Fill" on are left alone on an X-Y channel: the clip
    // check box stays visible but is neither filled nor applied.
    auto& clip = f.Get<TiComponentEditorCheckBox>(QStringLiteral("ChannelClipToAxesCheckBox"));
    EXPECT_FALSE(clip.isHidden());
    EditorControlInput::Click(&clip, 5, 8);
    EXPECT_EQ(EditedChannel(f).ClipToAxes(), !xy);
  }
}

TEST(PlotEditorChannelsPage, AddAndRemoveExistOnlyWhenUsersMayAddAndRemoveChannels) {
  for (const bool allowed : {false, true}) {
    PlotEditorPageFixture f(false, allowed);
    EXPECT_EQ(f.Get<TiComponentEditorButton>(QStringLiteral("iChannelAddButton")).isHidden(), !allowed);
    EXPECT_EQ(f.Get<TiComponentEditorButton>(QStringLiteral("ChannelRemoveButton")).isHidden(), !allowed);
  }
}

TEST(PlotEditorChannelsPage, LogButtonsAndFileNameSwitchTheirEnablingWithTheLog) {
  QTemporaryDir dir;
  PlotEditorPageFixture f;
  auto& fileName = f.Get<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"));
  auto& picker = f.Get<TiComponentEditorOpenPicker>(QStringLiteral("ChannelLogFileNamePicker"));
  auto& activate = f.Get<TiComponentEditorButton>(QStringLiteral("ChannelLogActivateButton"));
  auto& deactivate = f.Get<TiComponentEditorButton>(QStringLiteral("ChannelLogDeactivateButton"));
  const QString log = dir.filePath(QStringLiteral("channel.log"));
  PlotEditorPageFixture::Type(fileName, log);
  EXPECT_EQ(EditedChannel(f).LogFileName(), log);
  EXPECT_EQ(picker.FileName(), log);
  auto states = [&] {
    return QList<bool>{fileName.isEnabled(), picker.isEnabled(), activate.isEnabled(), deactivate.isEnabled()};
  };
  EXPECT_EQ(states(), (QList<bool>{true, true, true, false}));
  activate.click();
  EXPECT_TRUE(EditedChannel(f).LoggingActive());
  EXPECT_EQ(states(), (QList<bool>{false, false, false, true}));
  EXPECT_EQ(fileName.text(), log);
  deactivate.click();
  EXPECT_FALSE(EditedChannel(f).LoggingActive());
  EXPECT_EQ(states(), (QList<bool>{true, true, true, false}));
}

TEST(PlotEditorChannelsPage, StatsShowDatesOfADateTimeAxisAfterRefreshAndResetOnAnotherChannel) {
  PlotEditorPageFixture f(false, true);
  TiPlotChannelCustom& channel = EditedChannel(f);
  channel.XAxis()->SetLabelsFormatStyle(TiPlotTextFormat::iptfDateTime);
  channel.XAxis()->SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
  channel.AddXY(45000, 1);
  channel.AddXY(45002, 3);
  for (int i = 0; i < ChannelStatCount(); ++i) EXPECT_EQ(ChannelStatText(f, i), "Click Refresh");
  f.Get<TiComponentEditorButton>(QStringLiteral("ChannelStatsRefreshButton")).click();
  QStringList shown;
  for (int i = 0; i < ChannelStatCount(); ++i) shown << ChannelStatText(f, i);
  EXPECT_EQ(shown.at(0), "2");
  EXPECT_TRUE(shown.at(2).endsWith(" Bytes"));
  EXPECT_TRUE(shown.at(3).endsWith(" Bytes"));
  EXPECT_EQ(shown.mid(5), (QStringList{"2023-03-15", "2023-03-17", "2023-03-16", "1", "3", "2"}));
  // Another channel picked in the list as a user does: the values go back.
  f.plot->Master().AddChannel();
  auto& list = f.form->ChannelListBox();
  ASSERT_EQ(list.ItemIndex(), 1);
  const QRect first = list.visualItemRect(list.item(0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first.center());
  EXPECT_EQ(list.ItemIndex(), 0);
  for (int i = 0; i < ChannelStatCount(); ++i) EXPECT_EQ(ChannelStatText(f, i), "Click Refresh");
  f.Get<TiComponentEditorButton>(QStringLiteral("ChannelStatsRefreshButton")).click();
  EXPECT_EQ(ChannelStatText(f, 0), "2");
  f.Get<TiComponentEditorButton>(QStringLiteral("iChannelAddButton")).click();
  for (int i = 0; i < ChannelStatCount(); ++i) EXPECT_EQ(ChannelStatText(f, i), "Click Refresh");
}

TEST(PlotEditorChannelsPage, DataLoadReplacesThePoints) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("points.dat"));
  PlotEditorPageFixture f;
  TiPlotChannelCustom& channel = EditedChannel(f);
  channel.AddXY(1, 10);
  channel.AddXY(2, 20);
  channel.SaveDataToFile(file);
  channel.Clear();
  for (int i = 0; i < 5; ++i) channel.AddXY(i, -i);
  ChannelPageFileAnswer answer(file);
  f.Get<TiComponentEditorOpenPicker>(QStringLiteral("ChannelDataOpenPicker")).click();
  ASSERT_EQ(channel.Count(), 2);
  EXPECT_EQ(channel.GetY(1), 20);
}

TEST(PlotEditorChannelsPage, ANegativeRingBufferSizeIsTakenAsNone) {
  PlotEditorPageFixture f;
  auto& ring = f.Get<TiComponentEditorEdit>(QStringLiteral("ChannelRingBufferSizeEdit"));
  PlotEditorPageFixture::Type(ring, QStringLiteral("8"));
  EXPECT_EQ(EditedChannel(f).RingBufferSize(), 8);
  PlotEditorPageFixture::Type(ring, QStringLiteral("-5"));
  EXPECT_EQ(EditedChannel(f).RingBufferSize(), 0);
  EXPECT_EQ(ring.text(), "0");
}

TEST(PlotEditorChannelsPage, AxisNameListsFollowARenamedXAxisAndARemovedAxisLeavesNoSelection) {
  PlotEditorPageFixture f;
  f.Picture();  // the plot has been drawn: its channels know their axes
  auto& channelXAxis = f.Get<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"));
  EXPECT_EQ(channelXAxis.currentText(), "X-Axis 1");
  PlotEditorPageFixture::Type(f.Get<TiComponentEditorEdit>(QStringLiteral("XAxisNameEdit")), QStringLiteral("Time"));
  QString listed;
  bool box = false;
  TColor colour = 0;
  f.form->XAxisListBoxGetData(0, box, colour, listed);
  EXPECT_EQ(listed, "Time");
  EXPECT_EQ(channelXAxis.currentText(), "Time");
  EXPECT_TRUE(channelXAxis.Items().contains("Time"));
  EXPECT_EQ(EditedChannel(f).XAxisName(), "Time");

  f.Get<TiComponentEditorButton>(QStringLiteral("XAxisRemoveButton")).click();
  EXPECT_EQ(channelXAxis.currentIndex(), -1);
  EXPECT_FALSE(channelXAxis.Items().contains("Time"));
}
