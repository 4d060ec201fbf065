#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/TfmMain.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "platform/threads/TTimer.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"

using Bytes = std::vector<std::uint8_t>;

inline void Key(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &release);
}

/// Replaces the box's text by typing `text` over it.
inline void Type(TCurvyEdit& box, const QString& text) {
  box.InnerEdit()->selectAll();
  for (QChar c : text) {
    Key(box.InnerEdit(), c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown), QString(c));
  }
}

/// Types `text` into the box and takes it with Enter.
inline void Enter(TCurvyEdit& box, const QString& text) {
  Type(box, text);
  Key(box.InnerEdit(), Qt::Key_Return);
}

inline void Focus(QWidget* w, QEvent::Type type, Qt::FocusReason reason) {
  QFocusEvent event(type, reason);
  QCoreApplication::sendEvent(w, &event);
}

inline void Click(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
}

/// One main window linked over a pseudo-terminal to a simulated unit whose
/// image links InA with InB and Out1 with Out2 and Out3, shared by the
/// suite (a window costs seconds under the sanitizers).
class LinkedUnitWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    using namespace std::chrono_literals;
    factory = new LinkTransportFactory;
    window = new TfmMain(*factory, nullptr);
    window->show();
    UnitSimOptions options;
    options.pty = true;
    sim = new UnitSim(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    sim->ModifyState([](SimUnitState& state) {
      using namespace SimImageLayout;
      WriteWord(state.image, ChannelRecord(0) + kInLinkMask, 3);
      WriteWord(state.image, ChannelRecord(1) + kInLinkMask, 0);
      WriteWord(state.image, ChannelRecord(3) + kOutLinkMask, 7);
      WriteWord(state.image, ChannelRecord(4) + kOutLinkMask, 0);
      WriteWord(state.image, ChannelRecord(5) + kOutLinkMask, 0);
    });
    window->Session().SetComPortName(QString::fromStdString(sim->PtyPath()));
    window->Session().OpenSerialLink();
    auto* poll = window->Controls().Find<TTimer>(QStringLiteral("tmInLevelDet"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return poll->Enabled(); }, 30s)) << "no read-out";
  }

  static void TearDownTestSuite() {
    window->State().ExitAllowed = true;
    window->Session().CloseAllTransports();
    delete window;
    delete sim;
    delete factory;
    window = nullptr;
    sim = nullptr;
    factory = nullptr;
  }

  template <class T>
  static T& Get(const QString& name) {
    T* object = window->Controls().Find<T>(name);
    if (object == nullptr) {
      throw std::runtime_error("no control " + name.toStdString());
    }
    return *object;
  }

  /// The raw frames the unit received with `code`, once it has `count`.
  static std::vector<Bytes> FramesOf(std::uint8_t code, std::size_t count) {
    using namespace std::chrono_literals;
    EXPECT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(code) >= count; }, 5s)) << int(code);
    std::vector<Bytes> frames;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code == code) {
        frames.push_back(frame.raw);
      }
    }
    return frames;
  }

  /// Lets every queued frame out, then the number of frames received with
  /// any of `codes`.
  static std::size_t FramesAfterSettling(std::span<const std::uint8_t> codes) {
    using namespace std::chrono_literals;
    // A keep-alive queued now goes out after everything queued before it.
    const std::size_t before = sim->ReceivedCount(CMD_KEEP_ALIVE);
    window->Session().SendCommand(CM_MCS_CMD(1, CMD_KEEP_ALIVE), true);
    EXPECT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) > before; }, 5s));
    std::size_t count = 0;
    for (std::uint8_t code : codes) {
      count += sim->ReceivedCount(code);
    }
    return count;
  }

  static void ShowPage(const char* button) { Get<TRzBmpButton>(QLatin1String(button)).Click(); }

  static std::uint16_t SimWord(int channel, std::size_t inputField, std::size_t outputField) {
    return ReadWord(sim->Image(), SimImageLayout::ChannelRecord(channel) + (channel < 3 ? inputField : outputField));
  }

  static inline LinkTransportFactory* factory = nullptr;
  static inline TfmMain* window = nullptr;
  static inline UnitSim* sim = nullptr;
};
