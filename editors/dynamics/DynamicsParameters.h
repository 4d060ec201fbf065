#pragma once

#include "protocol/UnitRecords.h"

class IEditorWindow;

/// The parameter kinds of the dynamics setters; the compressor knows all
/// seven, the gate 0-3, the limiter 0-4.
enum class DynamicsKind : int {
  Threshold = 0,           ///< position in half decibels, stored + 180
  Attack = 1,              ///< milliseconds - 1
  Release = 2,             ///< milliseconds - 1
  Ratio = 3,               ///< index into RatioTable
  Knee = 4,                ///< whole decibels
  SideChainFrequency = 5,  ///< frequency index 0-300
  SideChainType = 6,       ///< side-chain equaliser type 0-9, stored as a byte
};

/// Writes the field of `kind` into a record: words take the value's low 16
/// bits, the side-chain type its low byte; a kind the record lacks changes
/// nothing.
void WriteCompressorField(CompressorRecord& record, int kind, int value);
void WriteGateField(GateRecord& record, int kind, int value);
void WriteLimiterField(LimiterRecord& record, int kind, int value);

/// One dynamics parameter of a channel to the unit model: the field is
/// written into a copy of the channel's record and the whole record goes
/// to the model, which stores it for the link group and sends one command
/// for the channel. Does nothing while the window refreshes its controls.
/// GUI thread only.
void SetCompressorParameter(IEditorWindow& window, int channel, int kind, int value);
void SetGateParameter(IEditorWindow& window, int channel, int kind, int value);
void SetLimiterParameter(IEditorWindow& window, int channel, int kind, int value);
