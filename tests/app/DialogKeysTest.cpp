#include <chrono>
#include <functional>
#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

#include "dialogs/TfmAbout.h"
#include "dialogs/TfmChNameList.h"
#include "dialogs/TfmChannelName.h"
#include "dialogs/TfmCopy.h"
#include "dialogs/TfmExit.h"
#include "dialogs/TfmFactory.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmInOutSelect.h"
#include "dialogs/TfmLinkSel.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmNetworkSetup.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "dialogs/TfmPeqRst.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmSourceSelect.h"
#include "dialogs/TfmStoreName.h"
#include "dialogs/TfmStorePreset.h"
#include "dialogs/TfmTest.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "tests/support/ProcessEventsUntil.h"

using namespace std::chrono_literals;

namespace {

/// The window shown and active, as a user has it before opening a dialog.
class DialogKeys : public SharedMainWindow<FakeLinkTransportFactory> {
protected:
  void SetUp() override {
    window.State().ExitAllowed = false;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.isActiveWindow(); }, 5s));
  }

  /// Esc as the keyboard gives it: to the focus widget of the active window.
  static void PressEscape() {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
  }

  /// True when `dialog` is a window of its own above the main window.
  bool OwnedByTheWindow(TForm& dialog) const {
    return dialog.windowHandle() != nullptr && dialog.windowHandle()->transientParent() == window.windowHandle();
  }

  /// Every visible entry of `item`'s sub-menu (and their own) without a handler.
  static void CollectUnbound(const TMenuItem& item, QStringList& unbound) {
    for (int i = 0; i < item.Count(); ++i) {
      const TMenuItem& entry = item.Item(i);
      if (!entry.Visible || entry.Caption == QLatin1String("-")) {
        continue;
      }
      if (entry.Count() > 0) {
        CollectUnbound(entry, unbound);
      } else if (!entry.OnClick) {
        unbound << entry.Name;
      }
    }
  }
};

using DialogMaker = std::function<std::unique_ptr<TForm>(IDialogHost&)>;

template <class Dialog>
DialogMaker Make() {
  return [](IDialogHost& host) { return std::make_unique<Dialog>(host); };
}

}  // namespace

TEST_F(DialogKeys, everyVisibleMenuEntryHasAHandler) {
  QStringList unbound;
  TMainMenu& menu = window.Form().MainMenu;
  for (int i = 0; i < menu.Count(); ++i) {
    const TMenuItem& top = menu.Item(i);
    if (!top.Visible) {
      continue;
    }
    if (top.Count() > 0) {
      CollectUnbound(top, unbound);
    } else if (!top.OnClick) {
      unbound << top.Name;
    }
  }
  EXPECT_TRUE(unbound.isEmpty()) << unbound.join(QStringLiteral(", ")).toStdString();
}

TEST_F(DialogKeys, escapeClicksTheCancelOrExitButtonOfEveryDialogThatHasOne) {
  const std::pair<const char*, DialogMaker> dialogs[] = {
      {"TfmExit", Make<TfmExit>()},           {"TfmPeqRst", Make<TfmPeqRst>()},
      {"TfmFirDownload", Make<TfmFirDownload>()}, {"TfmFactory", Make<TfmFactory>()},
      {"TfmChNameList", Make<TfmChNameList>()}, {"TfmLockMode", Make<TfmLockMode>()},
      {"TfmChannelName", Make<TfmChannelName>()}, {"TfmStoreName", Make<TfmStoreName>()},
      {"TfmStorePreset", Make<TfmStorePreset>()}, {"TfmRecallPreset", Make<TfmRecallPreset>()},
      {"TfmCopy", Make<TfmCopy>()},           {"TfmTest", Make<TfmTest>()},
      {"TfmLinkSel", Make<TfmLinkSel>()},     {"TfmSourceSelect", Make<TfmSourceSelect>()},
      {"TfmInOutSelect", Make<TfmInOutSelect>()}, {"TfmNetworkSetup", Make<TfmNetworkSetup>()},
      {"TfmLockSetup", Make<TfmLockSetup>()}, {"TfmLockConfirm", Make<TfmLockConfirm>()},
      {"TfmPanelLockSetup", Make<TfmPanelLockSetup>()},
  };
  for (const auto& [name, make] : dialogs) {
    SCOPED_TRACE(name);
    std::unique_ptr<TForm> dialog = make(window);
    dialog->ShowOver(&window);
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog->isActiveWindow(); }, 5s));
    EXPECT_TRUE(OwnedByTheWindow(*dialog));
    PressEscape();
    EXPECT_TRUE(ProcessEventsUntil([&] { return !dialog->isVisible(); }, 5s));
    window.activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.isActiveWindow(); }, 5s));
  }
  window.State().ExitAllowed = false;
}

TEST_F(DialogKeys, theQuitQuestionStaysAboveTheWindowWithTheFocusAndEscapeCancelsIt) {
  TfmExit exitDialog(window);
  window.close();
  ASSERT_TRUE(exitDialog.isVisible());
  EXPECT_TRUE(OwnedByTheWindow(exitDialog));
  ASSERT_TRUE(ProcessEventsUntil([&] { return exitDialog.isActiveWindow(); }, 5s));
  PressEscape();
  EXPECT_FALSE(exitDialog.isVisible());
  EXPECT_FALSE(window.State().ExitAllowed);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(DialogKeys, aModalDialogFromTheMenuIsOwnedByTheWindowAndTakesTheFocus) {
  TfmAbout about(window);
  bool owned = false;
  bool focused = false;
  QTimer::singleShot(0, &about, [&] {
    owned = OwnedByTheWindow(about);
    focused = ProcessEventsUntil([&] { return about.isActiveWindow(); }, 5s);
    about.Close();
  });
  window.Form().MainMenu.Find(QStringLiteral("About"))->Click();
  EXPECT_TRUE(owned);
  EXPECT_TRUE(focused);
  EXPECT_FALSE(about.isVisible());
}
