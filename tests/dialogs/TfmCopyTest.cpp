#include "dialogs/TfmCopy.h"

#include <gtest/gtest.h>

#include "dialogs/TfmAbout.h"
#include "platform/widgets/TLabel.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"

namespace {

using Copy = std::tuple<int, int, int>;

class TfmCopyTest : public ::testing::Test {
protected:
  TfmCopyTest() {
    host.englishTexts = {{QStringLiteral("SID_COPY_TITLE"), QStringLiteral("Channel Copy")},
                         {QStringLiteral("SID_COPY"), QStringLiteral("Copy")},
                         {QStringLiteral("SID_EXIT"), QStringLiteral("Exit")}};
  }
  RecordingDialogHost host;
  TfmCopy form{host};
};

TEST_F(TfmCopyTest, Construction_offersFixedListsWithItemsZeroAndOneSelected) {
  EXPECT_EQ(form.cbInSource->Style(), TComboBoxStyle::csDropDownList);
  EXPECT_EQ(form.cbOutDestination->Style(), TComboBoxStyle::csDropDownList);
  EXPECT_EQ(form.cbInSource->Items(), (QStringList{"InA", "InB", "InC"}));
  EXPECT_EQ(form.cbOutSource->Items().size(), 6);
  EXPECT_EQ(form.cbOutSource->Items().last(), QStringLiteral("Out6"));
  for (const TRzComboBox* list : {form.cbInSource, form.cbOutSource}) {
    EXPECT_EQ(list->ItemIndex(), 0);
  }
  for (const TRzComboBox* list : {form.cbInDestination, form.cbOutDestination}) {
    EXPECT_EQ(list->ItemIndex(), 1);
  }
  EXPECT_EQ(form.bnInChCopy->Tag(), 0);
  EXPECT_EQ(form.bnOutChCopy->Tag(), 1);
  EXPECT_EQ(form.Label1->Caption(), QStringLiteral("=>"));
  EXPECT_EQ(form.width(), 345);
  EXPECT_EQ(form.height(), 257);
}

TEST_F(TfmCopyTest, CopyButtons_callCopyChannelAndKeepTheDialogOpen) {
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("Channel Copy"));
  EXPECT_EQ(form.bnOutChCopy->Caption(), QStringLiteral("Copy"));
  EXPECT_EQ(form.bnExit->Caption(), QStringLiteral("Exit"));
  form.cbOutSource->SetItemIndex(1);
  form.cbOutDestination->SetItemIndex(4);
  form.bnOutChCopy->Click();
  form.cbInSource->SetItemIndex(1);
  form.cbInDestination->SetItemIndex(1);
  form.bnInChCopy->Click();
  EXPECT_EQ(host.copies, (std::vector<Copy>{{4, 7, 1}, {1, 1, 1}}));
  EXPECT_TRUE(form.isVisible());
  form.bnExit->Click();
  EXPECT_FALSE(form.isVisible());
  form.Show();
  EXPECT_EQ(form.cbOutSource->ItemIndex(), 1);
  EXPECT_EQ(form.cbOutDestination->ItemIndex(), 4);
  form.Close();
}

TEST(TfmAboutTest, Show_setsTheCaptionAndKeepsTheLabels) {
  RecordingDialogHost host;
  host.chinese = true;
  host.chineseTexts = {{QStringLiteral("SID_ABOUT"), QStringLiteral("关于")}};
  TfmAbout form(host);
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("关于"));
  EXPECT_EQ(form.ProductName->Caption(), QStringLiteral("Product Name : KRV-71 FIR DSP Processor Editor"));
  EXPECT_EQ(form.Version->Caption(), QStringLiteral("Version : V1.0"));
  EXPECT_EQ(form.width(), 485);
  EXPECT_EQ(form.height(), 119);
  form.btnOK->Click();
  form.Close();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
