#include "dialogs/TfmProcess.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/widgets/TStatusBar.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/smooth/TAdvProgressBar.h"

namespace {

class TfmProcessTest : public ::testing::Test {
protected:
  TfmProcessTest() {
    host.englishTexts[QStringLiteral("SID_PROCESS")] = QStringLiteral("Process");
    host.chineseTexts[QStringLiteral("SID_PROCESS")] = QStringLiteral("处理");
  }
  RecordingDialogHost host;
  TfmProcess form{host};
};

TEST_F(TfmProcessTest, Construction_hasFormTextsAndGeometry) {
  EXPECT_EQ(fmProcess, &form);
  EXPECT_EQ(form.Caption(), QStringLiteral("Process"));
  EXPECT_EQ(form.StatusBar->SimpleText(), QStringLiteral("download now"));
  EXPECT_EQ(form.width(), 454);
  EXPECT_EQ(form.height(), 95);
  EXPECT_EQ(form.ProgressBar->Left(), 12);
  EXPECT_EQ(form.ProgressBar->Top(), 14);
  EXPECT_EQ(form.ProgressBar->Width(), 431);
  EXPECT_EQ(form.ProgressBar->Height(), 41);
  EXPECT_EQ(form.StatusBar->Height(), 24);
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(TfmProcessTest, FormShow_looksTheCaptionUpAtEveryShowing) {
  form.ShowModeless();
  EXPECT_EQ(form.Caption(), QStringLiteral("Process"));
  form.CloseProgress();
  host.chinese = true;
  form.ShowModeless();
  EXPECT_EQ(form.Caption(), QStringLiteral("处理"));
  form.CloseProgress();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(TfmProcessTest, EscapeAndCloseRequests_leaveItOpen) {
  form.ShowModeless();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &escape);
  form.close();
  form.Close();
  QCoreApplication::processEvents();
  EXPECT_TRUE(form.isVisible());
  form.CloseProgress();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(TfmProcessTest, CloseProgress_endsAModalShowingEvenUnderAnotherModalBox) {
  TForm stacked;
  bool closedWhileStacked = false;
  bool modalEnded = false;
  QTimer::singleShot(0, &form, [&] {
    // A close request through the frame while modal is ignored too.
    form.close();
    QTimer::singleShot(0, &stacked, [&] {
      form.CloseProgress();
      closedWhileStacked = !form.isVisible();
      stacked.Close();
    });
    stacked.ShowModal();
  });
  form.ShowModal();
  modalEnded = true;
  EXPECT_TRUE(closedWhileStacked);
  EXPECT_TRUE(modalEnded);
  EXPECT_FALSE(form.Modal());
  EXPECT_FALSE(form.isVisible());
}

TEST_F(TfmProcessTest, BarAndStatus_keepTheirLastValuesBetweenShowings) {
  form.ProgressBar->SetMax(300);
  form.ProgressBar->SetPosition(120);
  form.StatusBar->SetSimpleText(QStringLiteral("Recall preset now , please wait..."));
  form.ShowModeless();
  form.CloseProgress();
  form.ShowModeless();
  EXPECT_EQ(form.ProgressBar->Position(), 120);
  EXPECT_EQ(form.StatusBar->SimpleText(), QStringLiteral("Recall preset now , please wait..."));
  form.CloseProgress();
}

}  // namespace
