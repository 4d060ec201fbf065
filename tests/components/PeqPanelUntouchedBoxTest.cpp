#include <gtest/gtest.h>

#include "components/peq/TMyPEQFir.h"
#include "components/peq/TMyPEQType10.h"
#include "tests/components/PeqPanelTestSupport.h"

using namespace PeqPanelTest;

namespace {

// The channel panels and the FIR designer's panel, set up as their forms do.
template <class Panel>
class PeqPanelUntouchedBox : public ::testing::Test {
protected:
  void SetUp() override {
    SetUpAsOnForm(panel, 452, 270, 8);
    // Q index 21 is the grid's 1.30, which a typed 1.3 would not give back.
    panel.SetEqParamValue(2, 1000, 21, -3.3, 0, false);
    panel.OnChange = [this](TObject*) { ++changes; };
  }
  Panel panel;
  int changes = 0;
};

using BandPanels = ::testing::Types<TMyPEQType10, TMyPEQFir>;
TYPED_TEST_SUITE(PeqPanelUntouchedBox, BandPanels);

TYPED_TEST(PeqPanelUntouchedBox, leavingABoxWithoutTypingChangesAndRaisesNothing) {
  auto& panel = this->panel;
  ASSERT_EQ(QBox(panel, 2)->Text(), QStringLiteral("1.30"));
  for (TEmptyEdit* box : {FreqBox(panel, 2), QBox(panel, 2), GainBox(panel, 2)}) {
    LeaveBox(box);
    QTest::keyClick(box, Qt::Key_Return);
  }
  EXPECT_EQ(this->changes, 0);
  EXPECT_EQ(QBox(panel, 2)->Text(), QStringLiteral("1.30"));
  EXPECT_EQ(panel.GetQValue(2), 1.3);
  EXPECT_DOUBLE_EQ(panel.GetFreqValue(2), 1000.0);
  EXPECT_DOUBLE_EQ(panel.GetGainValue(2), -33 * 0.1);
}

TYPED_TEST(PeqPanelUntouchedBox, aTypedTextIsStillRead) {
  auto& panel = this->panel;
  TypeAndEnter(QBox(panel, 2), QStringLiteral("1.3"));
  EXPECT_EQ(this->changes, 1);
  EXPECT_EQ(QBox(panel, 2)->Text(), QStringLiteral("1.26"));
  LeaveBox(QBox(panel, 2));  // the panel's own new text is untouched again
  EXPECT_EQ(this->changes, 1);
  EXPECT_EQ(panel.GetQValue(2), 1.26);
}

}  // namespace
