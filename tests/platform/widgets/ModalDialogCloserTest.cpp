#include <chrono>

#include <QElapsedTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/widgets/TForm.h"
#include "tests/support/ModalDialogCloser.h"

using namespace std::chrono_literals;

// A form shown twice in a row is two showings, each recorded once.
TEST(ModalDialogCloser, recordsEachShowingOnce) {
  TForm form;
  form.SetCaption(QStringLiteral("Twice"));
  ModalDialogCloser closer;
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(closer.Texts(), (QStringList{QStringLiteral("Twice"), QStringLiteral("Twice")}));
}

// A dialog that will not close is a failure that names it, not a silent hang.
TEST(ModalDialogCloser, aDialogThatStaysOpenIsAFailureThatNamesIt) {
  TForm stubborn;
  stubborn.SetCaption(QStringLiteral("Stubborn"));
  QElapsedTimer shown;
  stubborn.OnClose = [&shown](TObject*, TCloseAction& action) {
    if (shown.elapsed() < 500) {
      action = TCloseAction::caNone;
    }
  };
  EXPECT_NONFATAL_FAILURE(
      {
        ModalDialogCloser closer({}, 100ms);
        shown.start();
        stubborn.ShowModal();
        EXPECT_EQ(closer.Texts(), QStringList{QStringLiteral("Stubborn")});
      },
      "\"Stubborn\" is still open 100 ms after it was answered");
}
