#pragma once

#include <cstdint>
#include <vector>

class FirCoefficientStore;
class UnitImage;

/// The byte form of one FIR memory area as the setting and unit files hold
/// it: 49,152 bytes, the nine channels in area order, each a run of 2048
/// (input) or 1024 (output) 4-byte words, low byte first. A channel is either
/// all FF FF FF FF (an identity) or its coefficients followed by FF FF FF FF
/// words to the channel's end. Stateless; any thread.

/// How many coefficients of `channel` (0-8) a stored preset's section
/// holds at most, from the FIR settings of the preset's image and the
/// channel's first coefficient: an input its tap count; an output its tap
/// word when its FIR type is 4 or more or its first coefficient is not
/// exactly 1.0, else 2, whatever the tap word. Clamped to the channel.
int PresetFirCount(const UnitImage& presetImage, int channel, float firstCoefficient);

/// The FirSection of a stored preset from the coefficients in `fir` and the
/// FIR settings of the preset's image: each channel its `PresetFirCount` of
/// coefficients, or an identity when they form a unit impulse.
std::vector<std::uint8_t> EncodePresetFir(const FirCoefficientStore& fir, const UnitImage& presetImage);

/// Appends one channel (0-8) in section form: its first `count`
/// coefficients (clamped to the channel) unless they form a unit impulse,
/// then FF FF FF FF words to the channel's end.
void AppendFirSectionChannel(std::vector<std::uint8_t>& out, const FirCoefficientStore& fir, int channel, int count);

/// The FirSection of a preset that holds no data: 49,152 bytes FF.
std::vector<std::uint8_t> EncodeErasedFir();
