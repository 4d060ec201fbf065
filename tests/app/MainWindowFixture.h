#pragma once

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "link/LinkTransportFactory.h"

/// A main window as the program entry builds it, without HID devices.
class MainWindowFixture : public ::testing::Test {
protected:
  template <class T>
  T& Get(const QString& name) {
    T* object = window.Controls().Find<T>(name);
    if (object == nullptr) {
      throw std::runtime_error("no control " + name.toStdString());
    }
    return *object;
  }

  LinkTransportFactory factory;
  TfmMain window{factory, nullptr};
};
