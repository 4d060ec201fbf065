#include "editors/fir/FirTapBudget.h"

#include "editors/fir/FirKinds.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "protocol/UnitRecords.h"

namespace {
constexpr int kInputs = 3;
constexpr int kChannels = 9;
}  // namespace

bool FirTapBudget::Fits(int inUse, int n) { return n <= 0 || kTaps - inUse - n >= 0; }

int FirTapBudget::OutputFirTaps(const FirDesignRecord& fir) {
  if (fir.firType == FirKinds::kFirOff) return 0;
  if (fir.firType == FirKinds::kFirCoefficientSet) return fir.taps;
  return FirTapsFromCode(fir.taps);
}

int FirTapBudget::OutputRecordTaps(const OutputFilterRecord& record) {
  if (record.fir.firType == FirKinds::kFirCoefficientSet && record.mode == FirKinds::kModeIir) return 0;
  return OutputFirTaps(record.fir);
}

int FirTapBudget::ChannelTaps(const LUnitControl& unit, int channel) {
  if (channel < kInputs) return unit.GetInputFirBypass(channel) ? 0 : unit.GetInputFirTaps(channel);
  return OutputRecordTaps(unit.GetOutputFilters(channel));
}

int FirTapBudget::CountInUse(const LUnitControl& unit) {
  int taps = 0;
  for (int channel = 0; channel < kChannels; ++channel) taps += ChannelTaps(unit, channel);
  return taps;
}
