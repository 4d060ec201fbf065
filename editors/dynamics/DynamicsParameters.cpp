#include "editors/dynamics/DynamicsParameters.h"

#include <cstdint>

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"

namespace {

std::uint16_t Word(int value) { return static_cast<std::uint16_t>(value); }

/// The fields the three records share under the same kinds.
template <class Record>
bool WriteCommonField(Record& record, int kind, int value) {
  switch (static_cast<DynamicsKind>(kind)) {
    case DynamicsKind::Threshold: record.threshold = Word(value + kThresholdOffset); return true;
    case DynamicsKind::Attack: record.attack = Word(value); return true;
    case DynamicsKind::Release: record.release = Word(value); return true;
    case DynamicsKind::Ratio: record.ratio = Word(value); return true;
    default: return false;
  }
}

}  // namespace

void WriteCompressorField(CompressorRecord& record, int kind, int value) {
  if (WriteCommonField(record, kind, value)) {
    return;
  }
  switch (static_cast<DynamicsKind>(kind)) {
    case DynamicsKind::Knee: record.knee = Word(value); break;
    case DynamicsKind::SideChainFrequency: record.sideChainFreq = Word(value); break;
    case DynamicsKind::SideChainType: record.sideChainType = static_cast<std::uint8_t>(value); break;
    default: break;
  }
}

void WriteGateField(GateRecord& record, int kind, int value) { WriteCommonField(record, kind, value); }

void WriteLimiterField(LimiterRecord& record, int kind, int value) {
  if (!WriteCommonField(record, kind, value) && kind == int(DynamicsKind::Knee)) {
    record.knee = Word(value);
  }
}

void SetCompressorParameter(IEditorWindow& window, int channel, int kind, int value) {
  if (window.State().RefreshingControls) {
    return;
  }
  LUnitControl& unit = window.UnitControl();
  CompressorRecord record = unit.GetCompressor(channel);
  WriteCompressorField(record, kind, value);
  unit.SetCompressor(channel, record);
}

void SetGateParameter(IEditorWindow& window, int channel, int kind, int value) {
  if (window.State().RefreshingControls) {
    return;
  }
  LUnitControl& unit = window.UnitControl();
  GateRecord record = unit.GetGate(channel);
  WriteGateField(record, kind, value);
  unit.SetGate(channel, record);
}

void SetLimiterParameter(IEditorWindow& window, int channel, int kind, int value) {
  if (window.State().RefreshingControls) {
    return;
  }
  LUnitControl& unit = window.UnitControl();
  LimiterRecord record = unit.GetLimiter(channel);
  WriteLimiterField(record, kind, value);
  unit.SetLimiter(channel, record);
}
