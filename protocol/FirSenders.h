#pragma once

#include <vector>

#include "protocol/LCmd.h"

class FirCoefficientStore;
class UnitImage;

/// The commands that write one channel's coefficients into the unit's FIR
/// memory, built from a coefficient store. Blocks of 12 go out while 12 x b
/// is below the tap count; the tap count is clamped to the channel's size
/// (2048 for an input, 1024 for an output), so a damaged count never reads
/// past the channel. Appended to `out`; stateless, any thread.

/// `CM_MCS_EXT_FIR` blocks: the current setting's FIR of `channel` (0-8).
void AppendFirBlocks(std::vector<LCmd>& out, const FirCoefficientStore& fir, int unitId, int channel, int taps);

/// `CM_MCS_FIR_EXT_EEPROM` blocks: the FIR of stored preset `preset` (1-30).
void AppendPresetFirBlocks(std::vector<LCmd>& out, const FirCoefficientStore& fir, int unitId, int preset,
                           int channel, int taps);

/// `CMD_ERASE_FIR_SECTOR` for every sector the channel occupies in the area
/// of `preset` (0 = the current setting): two for an input, one for an output.
void AppendSectorErase(std::vector<LCmd>& out, int unitId, int preset, int channel);

/// The tap count clamped to the channel's size.
int ClampFirTaps(int channel, int taps);

/// The tap count an image gives a channel's coefficients: an input's FIR
/// tap count, an output's FIR tap word (the last field of its filter record).
int ImageFirTaps(const UnitImage& image, int channel);
