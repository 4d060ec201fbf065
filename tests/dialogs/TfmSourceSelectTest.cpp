#include "dialogs/TfmSourceSelect.h"

#include <gtest/gtest.h>

#include "platform/widgets/TComboBox.h"
#include "tests/dialogs/ComboPick.h"
#include "tests/dialogs/RecordingDialogHost.h"

namespace {

TEST(TfmSourceSelectTest, ShowsEachChannelsBitAndSetsTheBitOfItsOwnChannel) {
  RecordingDialogHost host;
  host.pairMask = (1u << 1) | (1u << 5);
  TfmSourceSelect form(host);
  EXPECT_FALSE(form.SourceCombo(2)->Enabled());
  EXPECT_EQ(form.SourceCombo(7)->Items(), (QStringList{"         Out5", " Out5 + Out6"}));
  form.Show();
  for (int channel = 0; channel < 9; ++channel) {
    EXPECT_EQ(form.SourceCombo(channel)->Tag(), channel);
    EXPECT_EQ(form.SourceCombo(channel)->ItemIndex(), channel == 1 || channel == 5 ? 1 : 0) << channel;
  }
  EXPECT_TRUE(host.pairCalls.empty());
  PickItem(*form.SourceCombo(1), 0);
  PickItem(*form.SourceCombo(8), 1);
  form.Close();
  EXPECT_EQ(host.pairCalls, (std::vector<std::pair<int, int>>{{1, 0}, {8, 1}}));
}

}  // namespace
