#pragma once

class LUnitControl;
struct FirDesignRecord;
struct OutputFilterRecord;

/// The unit's shared FIR resource: all FIR filters together may run at most
/// 4096 taps, counted once for every channel of a link group. Holds no state
/// of its own; the taps charged live in the window's `FirTapsInUse`. Any
/// thread that owns the values it is given.
class FirTapBudget {
public:
  static constexpr int kTaps = 4096;

  /// Whether a charge of `n` taps fits beside `inUse` charged taps. Giving
  /// taps back (n <= 0) always fits, even while a recount stands above the
  /// budget, so a FIR can always be switched off.
  static bool Fits(int inUse, int n);

  /// The taps an output's FIR runs when it runs: none when off (type 0), the
  /// tap count of a coefficient set (type 4), n x 32 + 256 for a designed
  /// FIR (types 1-3).
  static int OutputFirTaps(const FirDesignRecord& fir);

  /// The taps an output's record charges: a designed FIR (types 1-3)
  /// whatever the mode, a coefficient set (type 4) unless the mode is IIR,
  /// nothing when off.
  static int OutputRecordTaps(const OutputFilterRecord& record);

  /// The taps one channel runs in the image: an input's tap count unless it
  /// is bypassed; an output's designed FIR (types 1-3) whatever the mode, its
  /// coefficient set (type 4) unless the mode is IIR, nothing when off.
  static int ChannelTaps(const LUnitControl& unit, int channel);

  /// The taps the whole image charges: every channel's `ChannelTaps`.
  static int CountInUse(const LUnitControl& unit);
};
