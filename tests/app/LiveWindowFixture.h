#pragma once

#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "tests/link/support/FakeLinkTransport.h"

/// The main window that counts its unlock prompts instead of showing the dialog.
class PromptCountingWindow : public TfmMain {
public:
  using TfmMain::TfmMain;
  void ShowUnlockDialog() override { ++unlockPrompts; }
  int unlockPrompts = 0;
};

/// One main window over recording transports, shared by a test suite (a
/// window costs seconds under the sanitizers).
class LiveWindowFixture : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    factory = std::make_unique<FakeLinkTransportFactory>();
    window = std::make_unique<PromptCountingWindow>(*factory, nullptr);
  }
  static void TearDownTestSuite() {
    window.reset();
    factory.reset();
  }

  template <class T>
  static T& Get(const QString& name) {
    T* object = window->Controls().Find<T>(name);
    if (object == nullptr) {
      throw std::runtime_error("no control " + name.toStdString());
    }
    return *object;
  }

  static inline std::unique_ptr<FakeLinkTransportFactory> factory;
  static inline std::unique_ptr<PromptCountingWindow> window;
};
