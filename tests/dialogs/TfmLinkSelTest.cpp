#include "dialogs/TfmLinkSel.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/TfmInformation.h"
#include "platform/widgets/TLabel.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "tests/support/ClickWidget.h"
#include "tests/support/ModalDialogCloser.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

using Calls = std::vector<std::string>;

class TfmLinkSelTest : public ::testing::Test {
protected:
  TfmLinkSelTest() {
    host.englishTexts = {{QStringLiteral("SID_LINK_TITLE"), QStringLiteral("Link Selection")},
                         {QStringLiteral("SID_SET"), QStringLiteral("Set")},
                         {QStringLiteral("SID_EXIT"), QStringLiteral("Exit")},
                         {QStringLiteral("SID_INFO_ERROR_FIR_TAPS"), QStringLiteral("Run Out of FIR Resource!!")}};
    form.Show();
  }
  ~TfmLinkSelTest() override { form.Close(); }

  TRzBmpButton& Cell(const char* name) {
    auto* cell = form.Controls().Find<TRzBmpButton>(QLatin1String(name));
    if (cell == nullptr) {
      throw std::runtime_error(std::string("no cell ") + name);
    }
    return *cell;
  }
  void Click(const char* name) { ClickWidget(&Cell(name)); }

  /// Closes the information box as a user would, keeping its message.
  ModalDialogCloser closer{[this](QWidget* dialog) {
    // Until its modal loop has ended, the box still shows after the OK.
    if (dialog == &information && information.ModalResult() == mrNone) {
      messages << information.lbMessage->Caption();
      information.btnOK->Click();
    }
  }};
  QStringList messages;
  RecordingDialogHost host;
  TfmInformation information{host};
  TfmLinkSel form{host};
};

TEST_F(TfmLinkSelTest, Construction_givesEachRowItsCellsAsOneRadioGroupUnderItsColumns) {
  EXPECT_EQ(form.width(), 742);
  EXPECT_EQ(form.height(), 297);
  const char* const rows[] = {"A", "B", "C", "1", "2", "3", "4", "5", "6"};
  for (int row = 0; row < 9; ++row) {
    const QString kind = row < 3 ? QStringLiteral("In") : QStringLiteral("Out");
    auto* box = form.Controls().Find<TRzGroupBox>(QStringLiteral("rzgLinkSel") + kind + QLatin1String(rows[row]));
    ASSERT_NE(box, nullptr) << row;
    const int first = row < 3 ? 0 : 3;
    for (int column = first; column <= row; ++column) {
      const QString name = QStringLiteral("rzb%1Link%2%3").arg(QLatin1String(rows[row]), kind, QLatin1String(rows[column]));
      auto* cell = form.Controls().Find<TRzBmpButton>(name);
      ASSERT_EQ(cell, form.Cell(row, column)) << name.toStdString();
      ASSERT_NE(cell, nullptr) << name.toStdString();
      EXPECT_EQ(cell->parentWidget(), box);
      EXPECT_EQ(cell->Caption(), kind + QLatin1String(rows[row]));
      EXPECT_EQ(cell->GroupIndex(), 1);
      EXPECT_EQ(cell->Tag(), column - first);
      EXPECT_EQ(cell->Down(), column == row);
      EXPECT_TRUE(cell->Enabled());
      auto* label = form.Controls().Find<TLabel>(QStringLiteral("lbLinkSel") + kind + QLatin1String(rows[column]));
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->Caption(), kind + QLatin1String(rows[column]));
      EXPECT_EQ(cell->mapTo(&form, QPoint(0, 0)).x(), label->mapTo(&form, QPoint(0, 0)).x()) << name.toStdString();
    }
  }
  EXPECT_EQ(form.Cell(3, 2), nullptr);
  for (const char* name : {"rzgLinkSelIn", "rzgLinkSelOut", "imLinkSelIn", "imLinkSelOut", "imLinkSelButton",
                           "rzsLinkSelInA", "rzsLinkSelOut6", "bnSet", "bnExit"}) {
    EXPECT_TRUE(form.Controls().Contains(QLatin1String(name))) << name;
  }
}

TEST_F(TfmLinkSelTest, Show_setsTheTextsOfTheLanguageAndClearsGridEdited) {
  form.ShowChannelLinks(0, 0b001);
  EXPECT_EQ(form.GridEdited(), 0);  // row InA has no action
  form.ShowChannelLinks(0, 0b100);
  EXPECT_EQ(form.GridEdited(), 1);
  form.Close();
  host.chinese = true;
  host.chineseTexts = {{QStringLiteral("SID_LINK_TITLE"), QStringLiteral("联动选择")},
                       {QStringLiteral("SID_SET"), QStringLiteral("设置")},
                       {QStringLiteral("SID_EXIT"), QStringLiteral("退出")}};
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("联动选择"));
  EXPECT_EQ(form.bnSet->Caption(), QStringLiteral("设置"));
  EXPECT_EQ(form.bnExit->Caption(), QStringLiteral("退出"));
  EXPECT_EQ(form.GridEdited(), 0);
}

TEST_F(TfmLinkSelTest, ClickingCells_runsTheRowActionAndADisabledCellTakesNoClick) {
  Click("rzb4LinkOut2");  // Out4 joins Out2
  Click("rzb2LinkOut1");  // Out2 joins Out1: Out4 leads again
  EXPECT_TRUE(Cell("rzb2LinkOut1").Down());
  EXPECT_FALSE(Cell("rzb2LinkOut2").Down());
  EXPECT_TRUE(Cell("rzb4LinkOut4").Down());
  EXPECT_FALSE(Cell("rzb4LinkOut2").Down());
  EXPECT_FALSE(Cell("rzb4LinkOut2").Enabled());
  Click("rzb4LinkOut2");
  EXPECT_TRUE(Cell("rzb4LinkOut4").Down());
  EXPECT_EQ(form.Grid().PressedColumn(6), 6);
  EXPECT_EQ(form.GridEdited(), 1);
  // A programmatic press runs the same action.
  Cell("rzb2LinkOut2").SetDown(true);
  Cell("rzb2LinkOut2").Click();
  EXPECT_TRUE(Cell("rzb4LinkOut2").Enabled());
}

TEST_F(TfmLinkSelTest, Set_copiesNewMembersAndStoresMasksThenReloadsShowsGroupsAndCloses) {
  Click("rzbCLinkInA");
  Click("rzb3LinkOut1");
  form.bnSetClick(form.bnSet);
  EXPECT_EQ(host.linkCalls, (Calls{"charge",    "copy 0 2 0", "mask 0 5",   "mask 2 0",   "caption 3 5",
                                   "copy 3 5 0", "mask 3 5",   "mask 5 0",   "reload",     "show 0 1",
                                   "caption 0 0", "show 1 1",  "caption 1 1", "show 2 0",  "show 3 1",
                                   "caption 3 3", "show 4 1",  "caption 4 4", "show 5 0",  "show 6 1",
                                   "caption 6 6", "show 7 1",  "caption 7 7", "show 8 1",  "caption 8 8",
                                   "gain page"}));
  ASSERT_EQ(host.charged.size(), 1u);
  EXPECT_EQ(host.charged[0].size(), 7u);  // the whole first run, charged once
  EXPECT_FALSE(form.isVisible());

  host.linkCalls.clear();
  form.Show();
  form.bnSetClick(form.bnSet);
  EXPECT_TRUE(host.linkCalls.empty());
  EXPECT_FALSE(form.isVisible());
}

TEST_F(TfmLinkSelTest, SetOverTheBudget_showsTheMessageRestoresTheGridAndStaysOpen) {
  host.taps = {2048, 2048, 0, 0, 0, 0, 0, 0, 0};
  Click("rzbCLinkInA");
  form.bnSetClick(form.bnSet);
  EXPECT_EQ(messages, QStringList{QStringLiteral("Run Out of FIR Resource!!")});
  EXPECT_EQ(form.TotalTaps(), 6144);
  EXPECT_TRUE(host.linkCalls.empty());
  EXPECT_TRUE(Cell("rzbCLinkInC").Down());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.GridEdited(), 1);

  // Exactly the budget is accepted.
  host.taps = {2048, 0, 0, 0, 0, 0, 0, 0, 0};
  Click("rzbCLinkInA");
  form.bnSetClick(form.bnSet);
  EXPECT_EQ(form.TotalTaps(), 4096);
  EXPECT_EQ(host.linkCalls.at(1), "copy 0 2 0");
}

TEST_F(TfmLinkSelTest, SetWhoseCopiesTheBudgetRefuses_sendsNothingAndRestoresTheGrid) {
  host.acceptCharges = false;
  Click("rzb2LinkOut1");
  Click("rzb4LinkOut3");
  form.bnSetClick(form.bnSet);
  EXPECT_EQ(host.linkCalls, Calls{"charge refused"});
  EXPECT_TRUE(Cell("rzb2LinkOut2").Down());
  EXPECT_TRUE(Cell("rzb4LinkOut4").Down());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(TfmLinkSelTest, Exit_restoresTheUnitModelsGroupsOnlyAfterAnEdit) {
  host.masks = {0b101, 0b010, 0, 1, 2, 4, 8, 16, 32};
  for (int channel = 0; channel < 9; ++channel) {
    form.ShowChannelLinks(channel, host.masks[std::size_t(channel)]);
  }
  form.Close();
  form.Show();
  // Without an edit the grid stays as it is, even where it differs.
  host.masks[0] = 1;
  host.masks[2] = 4;
  form.bnExitClick(form.bnExit);
  EXPECT_TRUE(Cell("rzbCLinkInA").Down());

  form.Show();
  Click("rzbBLinkInA");
  form.bnExitClick(form.bnExit);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.GridEdited(), 1);
  form.Show();
  EXPECT_TRUE(Cell("rzbBLinkInB").Down());
  EXPECT_TRUE(Cell("rzbCLinkInC").Down());
  EXPECT_TRUE(host.linkCalls.empty());
}

}  // namespace
