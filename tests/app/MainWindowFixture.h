#pragma once

#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/TfmMain.h"

/// Finds a control of the window by its exact name, or fails the test.
template <class T>
T& FindControl(TfmMain& window, const QString& name) {
  T* object = window.Controls().Find<T>(name);
  if (object == nullptr) {
    throw std::runtime_error("no control " + name.toStdString());
  }
  return *object;
}

/// One main window, built as the program entry builds it over `Factory`
/// without HID devices, shared by every test of a suite: building a window
/// is the slow part of these tests. A suite whose tests change the window
/// puts back what they change in its SetUp.
template <class Factory>
class SharedMainWindow : public ::testing::Test {
public:
  static void SetUpTestSuite() {
    s_factory = std::make_unique<Factory>();
    s_window = std::make_unique<TfmMain>(*s_factory, nullptr);
  }
  static void TearDownTestSuite() {
    s_window.reset();
    s_factory.reset();
  }

protected:
  template <class T>
  T& Get(const QString& name) {
    return FindControl<T>(window, name);
  }

  static inline std::unique_ptr<Factory> s_factory;
  static inline std::unique_ptr<TfmMain> s_window;
  Factory& factory = *s_factory;
  TfmMain& window = *s_window;
};
