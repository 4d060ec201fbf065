#pragma once

#include <QString>

class IEditorWindow;

/// The three transfer-curve panels: each redraws one channel from that
/// channel's controls (not from the unit model), sets the panel's caption
/// and head labels, and makes the channel the panel's (the meters of the
/// panel follow it). A missing control ends a redraw before anything is
/// drawn. The window owns it. GUI thread only.
class DynamicsPanels {
 public:
  explicit DynamicsPanels(IEditorWindow& window) : m_window(window) {}

  /// Input 0-2: the side-chain curve, then the transfer curve on ipComp.
  void RefreshCompressorPanel(int channel);
  /// Input 0-2: the gate curve on ipGate.
  void RefreshGatePanel(int channel);
  /// Output 3-8: the limiter curve on ipLimit.
  void RefreshLimiterPanel(int channel);

 private:
  /// "In A" .. "In C" or "Out 1" .. "Out 6".
  static QString ChannelHeading(int channel);
  /// The heading, two blanks, then the text of `key`.
  QString Caption(int channel, const char* key) const;

  IEditorWindow& m_window;
};
