#pragma once

/// The FIR designer's switches that the design steps read when they run.
enum class FirDesignSwitch {
  AutoGain,        ///< sbAutoGain
  AutoDelay,       ///< sbAutoDelay
  MagnitudeRange,  ///< rzbFirMagRangeOnOff
  PhaseRange,      ///< rzbFirPhaseRangeOnOff
  Target,          ///< rzblbTargetOnOff
};

/// One band of the designer's equaliser as its band panel holds it.
struct FirDesignBand {
  double frequency = 1000.0;  ///< Hz
  double gain = 0.0;          ///< dB
  double q = 3.0;
  int type = 0;               ///< panel type index 0..6 (Peak .. HPF -12dB); -1 when none is chosen
  bool bypassed = false;
};

/// What the design steps read from the designer dialog each time they run:
/// the state of its switches and the bands of its equaliser panel. The
/// dialog implements it over its buttons and its band panel; tests over plain
/// values. GUI thread only.
class FirDesignControls {
public:
  static constexpr int kBandCount = 10;

  virtual ~FirDesignControls() = default;

  /// True while the switch is down.
  virtual bool IsDown(FirDesignSwitch which) const = 0;
  /// Band 0..9 of the equaliser panel.
  virtual FirDesignBand Band(int band) const = 0;
};
