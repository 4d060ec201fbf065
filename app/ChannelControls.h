#pragma once

#include <array>

class ControlRegistry;
class LMyFFTDrawHpLp6dB;
class LProgressBar;
class QString;
class TAdvTrackBar;
class TCurvyEdit;
class TImage;
class TLabel;
class TMyPEQType10;
class TRzBmpButton;
class TRzButton;
class TRzComboBox;
class TUpDown;

/// A track bar with the value box that shows its position.
struct BarAndBox {
  TAdvTrackBar* bar = nullptr;
  TCurvyEdit* box = nullptr;
};

/// The controls of one channel that the full refresh, the level meters and
/// the band selection work with, found once by name after the window is
/// built. Input-only and output-only members stay null on the other kind.
/// Non-owning; the controls belong to the main window.
struct ChannelControls {
  // Every channel.
  TLabel* lbMatrixChName = nullptr;
  TRzBmpButton* rzbMenu = nullptr;
  TMyPEQType10* peqPeq = nullptr;
  TRzBmpButton* rzbEq1 = nullptr;
  BarAndBox eqFreq, eqBw, eqGain;
  BarAndBox lowCutFreq, highCutFreq;
  BarAndBox gain, gainBackup;
  TRzBmpButton* rzbPhase = nullptr;
  TRzBmpButton* rzbPhaseBackup = nullptr;
  TRzBmpButton* rzbMute = nullptr;
  TRzBmpButton* rzbMuteBackup = nullptr;
  TAdvTrackBar* isDelay = nullptr;
  TImage* imDelay = nullptr;
  TLabel* lbDelayLine = nullptr;
  LMyFFTDrawHpLp6dB* fftDraw = nullptr;
  TLabel* lbNowFirTaps = nullptr;
  TLabel* lbNowFirName = nullptr;
  TRzBmpButton* rzbFirBypass = nullptr;
  LProgressBar* pbLevel = nullptr;
  LProgressBar* pbLevelBackup = nullptr;
  LProgressBar* pbLimit = nullptr;
  LProgressBar* pbLimitBackup = nullptr;

  // Inputs: gate and compressor.
  BarAndBox gateThreshold, gateAttack, gateRelease, gateRatio;
  BarAndBox compThreshold, compAttack, compRelease, compEqFreq, compEqType;
  TUpDown* udCompRatio = nullptr;
  TUpDown* udCompKnee = nullptr;
  TCurvyEdit* cvdCompRatio = nullptr;
  TCurvyEdit* cvdCompKnee = nullptr;
  LProgressBar* pbLevelGate = nullptr;
  LProgressBar* pbLevelComp = nullptr;
  LProgressBar* pbLimitComp = nullptr;

  // Outputs: routing, crossover, designed FIR and limiter.
  std::array<TRzBmpButton*, 3> rzbMatrix{};
  std::array<TUpDown*, 3> udMixGain{};
  TRzComboBox* rzcMode = nullptr;
  BarAndBox firLowCut, firHighCut;
  TRzComboBox* rzcFirType = nullptr;
  TRzComboBox* rzcFirWin = nullptr;
  TRzComboBox* rzcFirTaps = nullptr;
  TRzButton* bnFirOK = nullptr;
  TRzComboBox* rzcLowCutSlop = nullptr;
  TRzComboBox* rzcHighCutSlop = nullptr;
  TRzBmpButton* rzbLowCutBypass = nullptr;
  TRzBmpButton* rzbHighCutBypass = nullptr;
  BarAndBox limitThreshold, limitAttack, limitRelease;
  TUpDown* udLimitRatio = nullptr;
  TUpDown* udLimitKnee = nullptr;
  TCurvyEdit* cvdLimitRatio = nullptr;
  TCurvyEdit* cvdLimitKnee = nullptr;
  LProgressBar* pbLevelLimit = nullptr;
  LProgressBar* pbLimitLimit = nullptr;
};

/// Every channel's controls plus the page meters of the compressor, gate
/// and limiter pages and the DSP load label.
struct LiveControls {
  std::array<ChannelControls, 9> channels;
  LProgressBar* pbLevelCompIn = nullptr;
  LProgressBar* pbLimitCompIn = nullptr;
  LProgressBar* pbLevelGateIn = nullptr;
  LProgressBar* pbLevelLimitOut = nullptr;
  LProgressBar* pbLimitLimitOut = nullptr;
  TLabel* lbDspMips = nullptr;

  /// Finds every control by name; throws std::runtime_error naming the
  /// first one missing (the window is then incomplete).
  void Bind(const ControlRegistry& registry);
};
