#include <QTimer>

#include <gtest/gtest.h>

#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmPeqRst.h"
#include "platform/widgets/TLabel.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

class FirConfirmations : public ::testing::Test {
protected:
  FirConfirmations() {
    host.englishTexts = {{QStringLiteral("SID_PEQRST"), QStringLiteral("Information")},
                         {QStringLiteral("SID_PEQRST_RESET"), QStringLiteral("Are you sure to RESET EQ ?")},
                         {QStringLiteral("SID_INFO_FIR_DOWNLOAD"), QStringLiteral("Are you sure to Download FIR ?")},
                         {QStringLiteral("SID_PEQRST_OK"), QStringLiteral("OK")},
                         {QStringLiteral("SID_PEQRST_CANCEL"), QStringLiteral("Cancel")}};
    host.chineseTexts = {{QStringLiteral("SID_PEQRST"), QStringLiteral("提示")},
                         {QStringLiteral("SID_PEQRST_OK"), QStringLiteral("确定")}};
  }

  /// Runs `act` inside the dialog's modal loop; returns what ShowModal gave.
  static TModalResult Modal(TForm& form, const std::function<void()>& act) {
    QTimer::singleShot(0, &form, act);
    return form.ShowModal();
  }

  RecordingDialogHost host;
  TfmPeqRst reset{host};
  TfmFirDownload download{host};
};

TEST_F(FirConfirmations, bothAreBuiltAsTheFormsAndTakeTheirTextsWhenShown) {
  EXPECT_EQ(reset.Caption(), QStringLiteral("Informaion"));
  EXPECT_EQ(reset.width(), 272);
  EXPECT_EQ(reset.height(), 174);
  EXPECT_EQ(download.width(), 283);
  EXPECT_EQ(reset.findChild<QWidget*>(QStringLiteral("GroupBox1"))->width(), 237);
  EXPECT_EQ(download.findChild<QWidget*>(QStringLiteral("GroupBox1"))->width(), 245);
  EXPECT_EQ(reset.btnOK->Left(), 46);
  EXPECT_EQ(reset.btnCancel->Left(), 146);
  EXPECT_EQ(reset.btnOK->Top(), 130);
  EXPECT_EQ(reset.lbReset->Caption(), QStringLiteral("Are you sure to RESET EQ ?"));

  Modal(reset, [&] {
    EXPECT_EQ(reset.Caption(), QStringLiteral("Information"));
    EXPECT_EQ(reset.btnCancel->Caption(), QStringLiteral("Cancel"));
    reset.btnCancel->Click();
  });
  host.chinese = true;
  Modal(download, [&] {
    EXPECT_EQ(download.Caption(), QStringLiteral("提示"));
    EXPECT_EQ(download.btnOK->Caption(), QStringLiteral("确定"));
    download.btnCancel->Click();
  });
}

TEST_F(FirConfirmations, okHidesTheDialogThenActsAndCancelDoesNothing) {
  std::vector<int> resets;
  bool visibleDuringAction = true;
  reset.ResetAction = [&](int channel) {
    resets.push_back(channel);
    visibleDuringAction = reset.isVisible();
  };
  int downloads = 0;
  download.DownloadAction = [&] {
    ++downloads;
    visibleDuringAction = visibleDuringAction || download.isVisible();
  };

  for (int channel : {9, 4}) {
    reset.SetChannel(channel);
    Modal(reset, [&] { reset.btnOK->Click(); });
    EXPECT_FALSE(reset.isVisible());
  }
  Modal(reset, [&] { reset.btnCancel->Click(); });
  Modal(reset, [&] { reset.Close(); });  // the window frame
  EXPECT_EQ(resets, (std::vector<int>{9, 4}));
  EXPECT_EQ(reset.Channel(), 4);

  Modal(download, [&] { download.btnCancel->Click(); });
  EXPECT_EQ(downloads, 0);
  Modal(download, [&] { download.btnOK->Click(); });
  EXPECT_EQ(downloads, 1);
  EXPECT_FALSE(visibleDuringAction);
  EXPECT_FALSE(download.isVisible());
}

}  // namespace
