#include <gtest/gtest.h>

#include "components/peq/TMyPEQType8.h"
#include "tests/components/PeqPanelTestSupport.h"

using namespace PeqPanelTest;

namespace {

TEST(TMyPEQType8, ListsNineTypesWithHighPassBeforeLowPass) {
  TMyPEQType8 panel;
  SetUpAsOnForm(panel, 452, 270, 9);
  int changes = 0;
  panel.OnChange = [&](TObject*) { ++changes; };
  TRzComboBox* list = TypeList(panel, 2);
  EXPECT_EQ(list->Count(), 9);
  list->SetItemIndex(2);
  Wheel(list, -120);  // the fourth entry, as picked by the user
  EXPECT_EQ(panel.GetTypeValue(2), 3);
  EXPECT_EQ(list->Text(), QStringLiteral(" HPF -6dB   "));
  EXPECT_EQ(list->Items()[5], QStringLiteral(" LPF -6dB   "));
  EXPECT_EQ(changes, 1);
  panel.SetEqTypeString(QStringLiteral("AP2"), 8);
  panel.SetEqTypeString(QStringLiteral("none"), 9);  // beyond the list: ignored
  panel.ChangeLanguage();
  EXPECT_EQ(list->Items().back(), QStringLiteral("AP2"));
  EXPECT_EQ(list->Count(), 9);
}

}  // namespace
