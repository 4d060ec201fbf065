#include <gtest/gtest.h>

#include <cmath>

#include "components/peq/TMyPEQType10.h"
#include "tests/components/PeqPanelTestSupport.h"

using namespace PeqPanelTest;

namespace {

const QColor kGreen(0, 176, 0);

class TMyPEQType10Test : public ::testing::Test {
protected:
  void SetUp() override {
    SetUpAsOnForm(panel, 582, 270, 8);
    panel.OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, &panel);
      nowAtChange.push_back(panel.GetNowIndex());
    };
  }
  int Changes() const { return int(nowAtChange.size()); }

  TMyPEQType10 panel;
  std::vector<int> nowAtChange;
};

TEST(TMyPEQType10Layout, RowsAndColumnsFollowSizeAndChannelNumber) {
  struct Case {
    int width, height, rows, columnWidth, rowHeight;
  };
  for (const Case& c : {Case{582, 270, 8, 102, 29}, Case{452, 270, 9, 76, 26}, Case{452, 270, 10, 76, 23}}) {
    TMyPEQType10 panel;
    SetUpAsOnForm(panel, c.width, c.height, c.rows);
    for (int row = 0; row < c.rows; ++row) {
      const int labelTop = 15 + c.rowHeight * row + 8;
      EXPECT_EQ(NumberLabel(panel, row)->Top(), labelTop);
      EXPECT_EQ(NumberLabel(panel, row)->Left(), 12);
      EXPECT_EQ(NumberLabel(panel, row)->Width(), 20);
      EXPECT_EQ(FreqBox(panel, row)->geometry(), QRect(40, labelTop - 1, c.columnWidth, FreqBox(panel, row)->height()));
      EXPECT_EQ(QBox(panel, row)->x(), 32 + c.columnWidth + 16);
      EXPECT_EQ(GainBox(panel, row)->x(), 32 + 2 * c.columnWidth + 24);
      EXPECT_EQ(TypeList(panel, row)->Left(), 32 + 3 * c.columnWidth + 32);
      EXPECT_EQ(TypeList(panel, row)->Width(), c.columnWidth + 8);
      EXPECT_EQ(BypassButton(panel, row)->Left(), 32 + 4 * c.columnWidth + 46);
      EXPECT_EQ(BypassButton(panel, row)->Width(), c.columnWidth - 14);
      EXPECT_EQ(TypeList(panel, row)->Count(), 11);
      EXPECT_EQ(TypeList(panel, row)->ItemIndex(), 0);
    }
    for (int row = c.rows; row < TMyPEQPanel::kRows; ++row) {
      EXPECT_FALSE(FreqBox(panel, row)->isVisibleTo(&panel));
      EXPECT_FALSE(BypassButton(panel, row)->Visible());
      EXPECT_EQ(TypeList(panel, row)->Top(), 10000);
    }
  }
}

TEST(TMyPEQType10Layout, InputPanelLabelTops) {
  TMyPEQType10 panel;
  SetUpAsOnForm(panel, 582, 270, 8);
  EXPECT_EQ(NumberLabel(panel, 0)->Top(), 23);
  EXPECT_EQ(NumberLabel(panel, 1)->Top(), 52);
  EXPECT_EQ(NumberLabel(panel, 2)->Top(), 81);
  EXPECT_EQ(NumberLabel(panel, 7)->Caption(), QStringLiteral("8"));
}

TEST(TMyPEQType10Layout, TitleLineMovesTheRowsDownAndShowsTheColumnTitles) {
  TMyPEQType10 panel;
  panel.SetTitleVisable(true);
  SetUpAsOnForm(panel, 582, 270, 8);
  auto* title = panel.findChild<TRzLabel*>(QStringLiteral("Title2"));
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(title->Visible());
  EXPECT_EQ(title->Caption(), QStringLiteral("Q"));
  const int rowHeight = (270 - 15 - 13 - 16) / 8;
  EXPECT_EQ(title->BoundsRect(), Bounds(8 * 2 + 102 + 33, 15, 102 - 15, rowHeight));
  EXPECT_EQ(NumberLabel(panel, 0)->Top(), 15 + 13 + 8);
  EXPECT_EQ(NumberLabel(panel, 1)->Top(), 15 + 13 + 8 + rowHeight);
}

TEST(TMyPEQType10Layout, PaintingAtANewSizeLaysTheRowsOut) {
  TMyPEQType10 panel;
  panel.SetBounds(0, 0, 452, 270);
  panel.SetChannelNumber(9);
  EXPECT_EQ(NumberLabel(panel, 1)->Top() - NumberLabel(panel, 0)->Top(), 7);  // still the built layout
  panel.grab();
  EXPECT_EQ(NumberLabel(panel, 1)->Top() - NumberLabel(panel, 0)->Top(), 26);
  EXPECT_FALSE(NumberLabel(panel, 9)->Visible());
}

TEST(TMyPEQType10Layout, ChannelNumberIsHeldWithinOneToFifty) {
  TMyPEQType10 panel;
  int changes = 0;
  panel.OnChange = [&](TObject*) { ++changes; };
  panel.SetChannelNumber(60);
  EXPECT_EQ(panel.GetChannelNumber(), 50);
  panel.SetChannelNumber(0);
  EXPECT_EQ(panel.GetChannelNumber(), 1);
  EXPECT_EQ(changes, 2);
  panel.SetBounds(0, 0, 300, 100);
  panel.SetLabelColor(clRed);  // lays out one row without dividing by zero
  EXPECT_TRUE(FreqBox(panel, 0)->isVisibleTo(&panel));
  EXPECT_FALSE(FreqBox(panel, 1)->isVisibleTo(&panel));
}

TEST_F(TMyPEQType10Test, SetEqParamValue_storesStepsShowsTextsAndRaisesOneChange) {
  panel.SetEqParamValue(2, 1015, 35, -3.3, 0, false);
  EXPECT_EQ(Changes(), 1);
  EXPECT_EQ(FreqBox(panel, 2)->Text(), QStringLiteral("1.02KHz"));
  EXPECT_EQ(GainBox(panel, 2)->Text(), QStringLiteral("-3.3dB"));
  EXPECT_EQ(QBox(panel, 2)->Text(), QStringLiteral("3.00"));
  EXPECT_DOUBLE_EQ(panel.GetFreqValue(2), 1000 * kPeqFreqRatio);
  EXPECT_DOUBLE_EQ(panel.GetGainValue(2), -33 * 0.1);
  EXPECT_EQ(panel.GetQValue(2), 3.0);
  EXPECT_EQ(panel.GetTypeValue(2), 0);
  EXPECT_FALSE(panel.GetBypassValue(2));
  EXPECT_EQ(panel.GetNowIndex(), 0);
}

TEST_F(TMyPEQType10Test, ValueSetters_eachRaiseOneChangeAndKeepTheCurrentBand) {
  panel.SetFreqValue(1, 10);
  EXPECT_EQ(FreqBox(panel, 1)->Text(), QStringLiteral("10.1Hz"));
  EXPECT_NEAR(panel.GetFreqValue(1), 10.07, 0.005);
  panel.SetGainValue(1, 3.36);
  EXPECT_EQ(GainBox(panel, 1)->Text(), QStringLiteral("3.4dB"));
  EXPECT_DOUBLE_EQ(panel.GetGainValue(1), 33 * 0.1);
  panel.SetQValue(1, 16.7);
  EXPECT_EQ(QBox(panel, 1)->Text(), QStringLiteral("1.00"));
  panel.SetTypeValue(1, 4);
  EXPECT_EQ(panel.GetTypeValue(1), 4);
  panel.SetBypassValue(1, true);
  EXPECT_TRUE(panel.GetBypassValue(1));
  EXPECT_EQ(BypassButton(panel, 1)->Color(), RGB(255, 128, 128));
  EXPECT_EQ(BypassButton(panel, 0)->Color(), clSilver);
  EXPECT_EQ(nowAtChange, std::vector<int>(5, 0));
}

TEST_F(TMyPEQType10Test, RowsOutsideThePanelAreIgnored) {
  panel.SetFreqValue(50, 2000);
  panel.SetEqParamValue(-1, 2000, 10, 3, 1, true);
  panel.SetQValue(50, 300);
  EXPECT_EQ(Changes(), 0);
  EXPECT_DOUBLE_EQ(panel.GetFreqValue(50), 1000.0);
  EXPECT_EQ(panel.GetTypeValue(-1), -1);
  panel.SetQValue(3, 300);  // a Q index beyond the table is held at its end
  EXPECT_EQ(panel.GetQValue(3), 128.0);
}

TEST_F(TMyPEQType10Test, TabbingThroughARowWithoutTypingRaisesNothing) {
  LeaveBox(FreqBox(panel, 4));
  LeaveBox(QBox(panel, 4));
  LeaveBox(GainBox(panel, 4));
  EXPECT_EQ(Changes(), 0);
}

TEST_F(TMyPEQType10Test, TypedValuesAreStoredOnEnterAndOnLeaving) {
  TypeAndEnter(FreqBox(panel, 1), QStringLiteral("1.5k"));
  EXPECT_EQ(FreqBox(panel, 1)->Text(), QStringLiteral("1.52KHz"));
  TypeAndEnter(QBox(panel, 1), QStringLiteral("1.3"));
  EXPECT_EQ(QBox(panel, 1)->Text(), QStringLiteral("1.26"));
  GainBox(panel, 1)->setText(QStringLiteral("-3.75"));
  LeaveBox(GainBox(panel, 1));
  EXPECT_EQ(GainBox(panel, 1)->Text(), QStringLiteral("-3.7dB"));
  EXPECT_DOUBLE_EQ(panel.GetGainValue(1), -37 * 0.1);
  EXPECT_DOUBLE_EQ(panel.GetFreqValue(1), PeqIndexToFreq(188));
  EXPECT_EQ(panel.GetQValue(1), 1.26);
  EXPECT_EQ(nowAtChange, (std::vector<int>{1, 1, 1}));
}

TEST_F(TMyPEQType10Test, TypingStopsAtSevenCharacters_thePanelsOwnTextsMayBeLonger) {
  panel.SetFreqValue(0, 12500);
  EXPECT_EQ(FreqBox(panel, 0)->Text(), QStringLiteral("12.41KHz"));
  TEmptyEdit* box = QBox(panel, 0);
  box->clear();
  QTest::keyClicks(box, QStringLiteral("123456789"));
  EXPECT_EQ(box->Text(), QStringLiteral("1234567"));
}

TEST_F(TMyPEQType10Test, RejectedTextShowsTheStoredValueWithTheCaretAtTheEnd) {
  panel.SetGainValue(0, 6);
  TypeAndEnter(GainBox(panel, 0), QStringLiteral("5."));
  EXPECT_EQ(GainBox(panel, 0)->Text(), QStringLiteral("6.0dB"));
  EXPECT_EQ(GainBox(panel, 0)->cursorPosition(), 5);
  TypeAndEnter(FreqBox(panel, 0), QStringLiteral("0"));
  EXPECT_EQ(FreqBox(panel, 0)->Text(), QStringLiteral("1.00KHz"));
  EXPECT_EQ(Changes(), 3);
}

TEST_F(TMyPEQType10Test, BypassClickedTwiceTogglesAndRaisesTwoChanges) {
  panel.show();
  panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  BypassButton(panel, 3)->SetFocus();  // the first box, focused on showing, is left
  nowAtChange.clear();
  QTest::mouseClick(BypassButton(panel, 3), Qt::LeftButton);
  EXPECT_TRUE(panel.GetBypassValue(3));
  EXPECT_EQ(BypassButton(panel, 3)->Color(), RGB(255, 128, 128));
  QTest::mouseClick(BypassButton(panel, 3), Qt::LeftButton);
  EXPECT_FALSE(panel.GetBypassValue(3));
  EXPECT_EQ(BypassButton(panel, 3)->Color(), clSilver);
  EXPECT_EQ(nowAtChange, (std::vector<int>{3, 3}));
}

TEST_F(TMyPEQType10Test, HighlightMovesWhenTheOwnerConfirmsTheCurrentBand) {
  const QColor label = ToQColor(clBackground);
  panel.SetNowIndex(0);  // the same band: nothing
  panel.SetNowIndex(2);
  EXPECT_EQ(TextColour(FreqBox(panel, 2)), kGreen);
  TypeAndEnter(GainBox(panel, 5), QStringLiteral("2"));  // a user edit of band 5
  EXPECT_EQ(TextColour(GainBox(panel, 2)), kGreen);
  panel.SetNowIndex(panel.GetNowIndex());
  EXPECT_EQ(TextColour(QBox(panel, 2)), label);
  EXPECT_EQ(TextColour(QBox(panel, 5)), kGreen);
  panel.SetNowIndex(5);  // again: nothing changes
  EXPECT_EQ(TextColour(QBox(panel, 5)), kGreen);
  panel.SetNowIndex(-1);
  EXPECT_EQ(panel.GetNowIndex(), 5);
  EXPECT_EQ(TextColour(FreqBox(panel, 5)), label);
}

TEST_F(TMyPEQType10Test, SetColorIgnoresRowsNotShown) {
  panel.SetColor(8, clRed);
  panel.SetColor(-1, clRed);
  panel.SetColor(7, clRed);
  EXPECT_NE(TextColour(FreqBox(panel, 8)), ToQColor(clRed));
  EXPECT_EQ(TextColour(FreqBox(panel, 7)), ToQColor(clRed));
}

TEST_F(TMyPEQType10Test, PickingATypeMakesTheRowCurrent_writingItRaisesNothing) {
  TRzComboBox* list = TypeList(panel, 6);
  list->SetItemIndex(3);
  EXPECT_EQ(Changes(), 0);
  Wheel(list, -120);  // the list's own stepping, as a pick
  EXPECT_EQ(panel.GetTypeValue(6), 4);
  EXPECT_EQ(nowAtChange, std::vector<int>{6});
}

TEST_F(TMyPEQType10Test, WheelOverATypeListGoesToTheOwnerWhoMayStopIt) {
  TObject* wheelSender = nullptr;
  panel.OnPeqTypeMouseWheel = [&](TObject* sender, TShiftState, int delta, QPoint, bool& handled) {
    wheelSender = sender;
    EXPECT_EQ(delta, -120);
    handled = true;
  };
  Wheel(TypeList(panel, 2), -120);
  EXPECT_EQ(wheelSender, TypeList(panel, 2));
  EXPECT_EQ(panel.GetTypeValue(2), 0);
  EXPECT_EQ(panel.GetNowIndex(), 0);
  EXPECT_EQ(Changes(), 0);
}

TEST_F(TMyPEQType10Test, MouseDownInABoxMakesItsRowCurrentAndTellsTheOwner) {
  TObject* sender = nullptr;
  int x = -1;
  panel.OnEditMouseDown = [&](TObject* s, TMouseButton button, TShiftState, int mx, int) {
    sender = s;
    x = mx;
    EXPECT_EQ(button, TMouseButton::mbLeft);
  };
  QTest::mousePress(GainBox(panel, 3), Qt::LeftButton, {}, QPoint(7, 4));
  EXPECT_EQ(sender, &panel);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(panel.GetNowIndex(), 3);
  EXPECT_EQ(Changes(), 0);
  QTest::mouseRelease(GainBox(panel, 3), Qt::LeftButton, {}, QPoint(7, 4));
}

TEST_F(TMyPEQType10Test, ChangeLanguageKeepsSelections_aNewSizeSelectsTheFirstType) {
  panel.SetTypeValue(1, 7);
  for (int i = 0; i < 11; ++i) {
    panel.SetEqTypeString(QStringLiteral("T%1").arg(i), i);
  }
  panel.SetBypassString(QStringLiteral("Bypass"));
  panel.ChangeLanguage();
  EXPECT_EQ(panel.GetTypeValue(1), 7);
  EXPECT_EQ(TypeList(panel, 1)->Text(), QStringLiteral("T7"));
  EXPECT_EQ(TypeList(panel, 1)->Count(), 11);
  EXPECT_EQ(BypassButton(panel, 0)->Caption(), QStringLiteral("Bypass"));
  panel.SetBounds(0, 0, 600, 270);
  panel.SetLabelColor(clRed);
  EXPECT_EQ(panel.GetTypeValue(1), 0);
}

TEST_F(TMyPEQType10Test, PanelFontAndColourReachTheValueBoxes) {
  panel.Font().SetHeight(-20);
  panel.SetColor(clNavy);
  EXPECT_EQ(FreqBox(panel, 0)->font().pixelSize(), 20);
  EXPECT_EQ(QBox(panel, 7)->palette().color(QPalette::Base), ToQColor(clWhite));
}

TEST_F(TMyPEQType10Test, AnotherWindowTakingTheActivationDoesNotLeaveTheBox) {
  panel.show();
  panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  FreqBox(panel, 1)->setFocus();
  nowAtChange.clear();
  FreqBox(panel, 1)->setText(QStringLiteral("2k"));
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(Changes(), 0);
  EXPECT_EQ(FreqBox(panel, 1)->Text(), QStringLiteral("2k"));
  panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  QBox(panel, 1)->setFocus();
  EXPECT_EQ(nowAtChange, std::vector<int>{1});
  EXPECT_EQ(FreqBox(panel, 1)->Text(), QStringLiteral("2.00KHz"));
}

TEST(TMyPEQType10Window, FirstShowCreatesTheWindow) {
  TMyPEQType10 panel;
  SetUpAsOnForm(panel, 582, 270, 8);
  panel.show();
  EXPECT_EQ(TypeList(panel, 0)->Count(), 22);
  EXPECT_EQ(panel.GetTypeValue(0), 1);
}

TEST(TMyPEQType10Window, WindowCreationBringsBackTheDefaultTextsAndSelectsEntryOne) {
  TMyPEQType10 panel;
  SetUpAsOnForm(panel, 582, 270, 8);
  panel.SetBypassString(QStringLiteral("Early"));
  panel.HandleNeeded();
  EXPECT_EQ(TypeList(panel, 0)->Count(), 22);
  EXPECT_EQ(panel.GetTypeValue(0), 1);
  panel.ChangeLanguage();
  EXPECT_EQ(TypeList(panel, 0)->Count(), 11);
  EXPECT_EQ(TypeList(panel, 0)->Text(), QStringLiteral(" Low Shelf  "));
  EXPECT_EQ(BypassButton(panel, 0)->Caption(), QStringLiteral("   BYPASS   "));
  panel.HandleNeeded();  // once only
  EXPECT_EQ(TypeList(panel, 0)->Count(), 11);
}

}  // namespace
