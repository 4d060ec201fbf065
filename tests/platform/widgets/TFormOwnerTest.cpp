#include <chrono>
#include <functional>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "platform/widgets/TForm.h"
#include "tests/support/ProcessEventsUntil.h"

using namespace std::chrono_literals;

namespace {

/// A shown, active main window and a dialog over it with a list, as a user
/// has them before reopening the dialog.
class TFormOwner : public ::testing::Test {
protected:
  void SetUp() override {
    mainWindow.show();
    ASSERT_TRUE(Activate(mainWindow));
    list = new QComboBox(&dialog);
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});
  }

  static bool Activate(QWidget& window) {
    window.activateWindow();
    return ProcessEventsUntil([&window] { return window.isActiveWindow(); }, 5s);
  }

  bool OwnedByTheMainWindow(const TForm& form) const {
    return form.windowHandle() != nullptr && form.windowHandle()->transientParent() == mainWindow.windowHandle();
  }

  TForm mainWindow;
  TForm dialog;
  TForm inner;
  QComboBox* list = nullptr;
};

}  // namespace

// A window that has just closed can still be the active one: a dialog whose
// loss of activation the window system reports later, or a list's popup
// (whose window, on some platforms, stays the active one). Reopening the
// dialog then must not make it owned by a window it owns itself: Qt's
// modality checks would walk that loop of owners for ever as soon as another
// modal window opened, and the program would hang.
TEST_F(TFormOwner, aDialogReopenedWhileAWindowItOwnsIsStillActiveStaysOwnedByTheMainWindow) {
  const struct {
    const char* what;
    std::function<QWidget*()> leaveActive;
  } cases[] = {
      {"a dialog it opened",
       [this]() -> QWidget* {
         inner.ShowOver(&dialog);
         EXPECT_TRUE(ProcessEventsUntil([this] { return inner.isActiveWindow(); }, 5s));
         inner.Close();
         // The window system's report of the activation change comes later.
         QApplication::setActiveWindow(&inner);
         return &inner;
       }},
      {"its own list's popup",
       [this]() -> QWidget* {
         // A quick pick: the list opens and closes before the window
         // system's activation of the popup has arrived.
         list->showPopup();
         list->hidePopup();
         QWidget* popup = list->view()->window();
         EXPECT_TRUE(ProcessEventsUntil([popup] { return QApplication::activeWindow() == popup; }, 5s));
         return popup;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dialog.ShowOver(&mainWindow);
    ASSERT_TRUE(ProcessEventsUntil([this] { return dialog.isActiveWindow(); }, 5s));
    QWidget* const stale = c.leaveActive();
    dialog.Close();
    ASSERT_FALSE(stale->isVisible());
    ASSERT_EQ(QApplication::activeWindow(), stale);

    bool owned = false;
    bool innerShown = false;
    QTimer::singleShot(0, &dialog, [&] {
      owned = OwnedByTheMainWindow(dialog);
      if (owned) {
        // Another modal window above it opens and closes.
        QTimer::singleShot(0, &inner, [&] {
          innerShown = inner.isVisible();
          inner.Close();
        });
        inner.ShowModal();
      }
      dialog.Close();
    });
    dialog.ShowModal();
    EXPECT_TRUE(owned);
    EXPECT_TRUE(innerShown);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(Activate(mainWindow));
  }
}
