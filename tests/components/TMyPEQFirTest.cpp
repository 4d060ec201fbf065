#include <gtest/gtest.h>

#include "components/peq/TMyPEQFir.h"
#include "tests/components/PeqPanelTestSupport.h"

using namespace PeqPanelTest;

namespace {

class TMyPEQFirTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetUpAsOnForm(panel, 452, 270, 10);
    panel.OnChange = [this](TObject*) { ++changes; };
  }
  TMyPEQFir panel;
  int changes = 0;
};

TEST_F(TMyPEQFirTest, TenRowsOfTwentyThreePixelsWithSevenTypes) {
  EXPECT_EQ(NumberLabel(panel, 1)->Top() - NumberLabel(panel, 0)->Top(), 23);
  EXPECT_EQ(FreqBox(panel, 9)->width(), 76);
  EXPECT_EQ(TypeList(panel, 9)->Count(), 7);
  EXPECT_EQ(panel.TypeCount(), 7);
  EXPECT_FALSE(FreqBox(panel, 10)->isVisibleTo(&panel));
}

TEST_F(TMyPEQFirTest, ClickIntoABoxMakesItsRowCurrentWithoutColourOrEvent) {
  bool told = false;
  panel.OnEditMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { told = true; };
  const QColor before = TextColour(GainBox(panel, 4));
  QTest::mouseClick(GainBox(panel, 4), Qt::LeftButton);
  EXPECT_EQ(panel.GetNowIndex(), 4);
  EXPECT_FALSE(told);
  EXPECT_EQ(changes, 0);
  panel.SetNowIndex(4);
  panel.SetNowIndex(7);
  EXPECT_EQ(TextColour(GainBox(panel, 4)), before);
  EXPECT_EQ(TextColour(GainBox(panel, 7)), before);
  panel.SetNowIndex(-1);  // only this colours: the current band gets LabelColor
  EXPECT_EQ(TextColour(GainBox(panel, 7)), ToQColor(clBackground));
  EXPECT_EQ(panel.GetNowIndex(), 7);
}

TEST_F(TMyPEQFirTest, TypesAboveSixLeaveNoSelection) {
  panel.SetTypeValue(0, 6);
  EXPECT_EQ(panel.GetTypeValue(0), 6);
  panel.SetTypeValue(0, 7);
  EXPECT_EQ(panel.GetTypeValue(0), -1);
  panel.SetEqParamValue(1, 1000, 16, 0, 9, false);
  EXPECT_EQ(panel.GetTypeValue(1), -1);
}

TEST_F(TMyPEQFirTest, WheelOverATypeListStepsTheTypeWhenNoOwnerTakesIt) {
  Wheel(TypeList(panel, 3), -120);
  EXPECT_EQ(panel.GetTypeValue(3), 1);
  EXPECT_EQ(panel.GetNowIndex(), 3);
  Wheel(TypeList(panel, 3), 120);
  EXPECT_EQ(panel.GetTypeValue(3), 0);
  EXPECT_EQ(changes, 2);
}

}  // namespace
