#pragma once

#include <array>
#include <cstdint>

#include <QString>

/// The main window's shared state that editors and dialogs read and write
/// (the link state, unit id, exchange state and FIR store live in the link
/// session). Plain data with the start-up values; the main window owns one
/// for the whole run. GUI thread only.
struct MainWindowState {
  /// Pages: 0-8 a channel (ChannelIndex), then the function pages.
  static constexpr int kPageComp = 9;
  static constexpr int kPageDelay = 10;
  static constexpr int kPageGain = 11;
  static constexpr int kPageMatrix = 12;
  static constexpr int kPageGate = 13;
  static constexpr int kPageLimit = 14;
  static constexpr int kChannels = 9;
  static constexpr int kOverlayPlots = 11;
  static constexpr int kDesignWidth = 1125;
  static constexpr int kDesignHeight = 727;

  /// "English" or "ChineseGB"; empty until start-up sets it.
  QString LanguageName;
  /// 1 while start-up builds the window, up to and including its first
  /// full refresh.
  bool StartingUp = false;
  /// Set by the exit dialog's OK, cleared by its Cancel; the window closes
  /// only while it is set.
  bool ExitAllowed = false;
  /// Controls are being moved by program code: editor handlers return at
  /// once and the unit model sends nothing.
  bool RefreshingControls = false;
  /// Response-plot marker being dragged and the second marker of the mouse
  /// handling, -1 none.
  int SelectedCurveMarker = -1;
  int PreviousCurveMarker = -1;
  int CurrentPage = kPageGain;
  /// Input (0-2) on the Comp and Gate pages, output (3-8) on the Limit page.
  int SelectedCompressorInput = 0;
  int SelectedGateInput = 0;
  int SelectedLimiterOutput = 3;
  /// Window height above the design height at the last layout that had one.
  int LayoutExtraHeight = 0;
  /// Per plot (channel plots 0-8, input and output gain summaries 9, 10):
  /// bit k = channel k's curve changed since that plot last copied it.
  std::array<std::uint32_t, kOverlayPlots> CurveOverlayMasks{};
  /// Tap count of each channel's FIR coefficients and the taps charged
  /// against the budget.
  std::array<int, kChannels> FirTaps{};
  int FirTapsInUse = 0;
  /// Last DSP idle count and the load alarm's hold count.
  std::uint32_t DspIdleCount = 0;
  int DspFlashHold = 0;
  /// 0 automatic, 1 manual network address setting.
  int ManualIpSetting = 0;
  /// Unit address of the network link, first octet in bits 24-31.
  std::uint32_t SelectedUnitAddress = 0;

  // Filter editing: the one edit the curve timers apply and the last mouse
  // position handled on a response plot.
  /// The latest edit before a curve timer fires wins. kind: band edits 0
  /// frequency, 1 Q, 2 gain; crossover edits 1 low cut, 0 high cut.
  struct CurveEdit {
    int kind = 0;
    int channel = 0;
    double gain = 0.0;   ///< dB
    float q = 0.0f;      ///< QIndex of a Q bar edit, the Q value of a drag
    float frequency = 0.0f;  ///< Hz
    int bypass = 0;
    int type = 0;  ///< PeqType
    int band = 0;
    int slope = 0;  ///< crossover slope byte 0..20
  };
  CurveEdit PendingCurveEdit;
  struct MousePosition {
    int x = 0;
    int y = 0;
    bool operator==(const MousePosition&) const = default;
  };
  MousePosition LastPlotMousePosition;
  // Lock state (the main window's lock status side). The lock dialogs read
  // and write these: the permission bytes of the panel lock (byte 0 inputs,
  // 1 outputs, 2 presets) and each setup dialog's copy of the user-lock byte.
  std::array<std::uint8_t, 3> PanelLockPermissions{};
  std::uint8_t PanelLockSetupUserLockState = 0;
  std::uint8_t LockSetupUserLockState = 0;
};
