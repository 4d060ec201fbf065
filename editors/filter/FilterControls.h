#pragma once

#include <QString>

#include "editors/IEditorWindow.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TControl.h"

class LMyFFTDrawHpLp6dB;
class TMyPEQType10;

/// Finding a channel's filter controls by composed name: stem + "InA".."InC"
/// or "Out1".."Out6". Null when the control does not exist.
class FilterControls {
public:
  explicit FilterControls(IEditorWindow& window) : m_window(window) {}

  template <class T>
  T* Find(const QString& stem, int channel) const {
    return m_window.Controls().Find<T>(stem, channel);
  }
  template <class T>
  T* Find(const QString& name) const {
    return m_window.Controls().Find<T>(name);
  }
  LMyFFTDrawHpLp6dB* PlotControl(int channel) const;
  TMyPEQType10* Panel(int channel) const;
  /// Band selector of band 0..: "rzbEq" + (band + 1) + suffix.
  template <class T>
  T* BandSelector(int band, int channel) const {
    return Find<T>(QStringLiteral("rzbEq") + QString::number(band + 1), channel);
  }

  /// The Tag of the control that raised an event (its channel).
  static int ChannelOf(TObject* sender);
  static bool IsInput(int channel) { return channel < 3; }
  static int BandCount(int channel) { return IsInput(channel) ? 8 : 9; }

  IEditorWindow& Window() const { return m_window; }

private:
  IEditorWindow& m_window;
};
