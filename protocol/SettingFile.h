#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/LCmd.h"

class UnitImage;

/// How a channel's FIR words in a setting file load.
enum class FirChannelLoad : std::uint8_t {
  Coefficients = 0,  ///< sent as blocks with the channel's tap count
  Identity = 1,      ///< marker (or a value out of range) at the first word: erased
  OutOfRange = 2,    ///< a later value out of range: erased, and the user is told
};

/// A setting file read and checked whole, before anything of the editor
/// changes: the image bytes 2 to 1,005 it holds and the coefficient store
/// they load into.
struct StagedSetting {
  static constexpr std::size_t kImageBytes = 1004;
  std::array<std::uint8_t, kImageBytes> imageBytes{};
  FirCoefficientStore fir;
  std::array<FirChannelLoad, FirBlockMap::kChannelCount> channels{};
};

/// The setting file (".prs"): the 16-byte header, image bytes 2 to 1,005,
/// the FIR section of the current setting and CR LF, 50,174 bytes. Image
/// bytes 0, 1 and 1,006 to 1,019 are not in the file and keep their values
/// on open. Stateless; any thread.
struct SettingFile {
  static constexpr std::size_t kSize = 50174;
  static constexpr std::size_t kImageOffset = 16;  ///< file offset of image byte 2
  static constexpr std::size_t kFirOffset = 1020;
  static constexpr std::size_t kLineEndOffset = 50172;
};

/// Header, image part and FIR part (50,172 bytes; the caller appends CR LF).
/// FIR part: input c writes its tap count of coefficients unless they form
/// a unit impulse; output o writes its tap word of coefficients only when
/// its FIR type is 0 with a tap word above 26, or 4 and above. Tap counts
/// are clamped to the channel; the rest of a channel is FF FF FF FF.
std::vector<std::uint8_t> WriteUnitImage(const UnitImage& image, const FirCoefficientStore& fir);

/// The whole file: WriteUnitImage followed by 0D 0A.
std::vector<std::uint8_t> EncodeSettingFile(const UnitImage& image, const FirCoefficientStore& fir);

/// Reads and checks a whole file. Refused (nullopt): any size but 50,174 or
/// another header. A tap count above the channel (2048 for an input, 1024 for
/// an output) is kept in the image as the unit reported it; the coefficients
/// are those the writer cut to the channel. A FIR word
/// FF FF FF FF or out of range (above 50.0, infinite, not a number) at a
/// channel's first word makes it an identity; later, FF FF FF FF is 0.0 and a
/// value out of range makes the channel an identity marked OutOfRange.
std::optional<StagedSetting> ParseSettingFile(std::span<const std::uint8_t> bytes);

/// Commits a staged file into the image (bytes 2 to 1,005) and the
/// coefficient store, and returns the commands that send it to the unit, in
/// the loader's order: mutes on; preset name; each input's and output's
/// record with the input FIR bypassed and the output in IIR mode; pairing;
/// bands; FIR names; each channel's coefficients or sector erase; input FIR
/// bypass and output FIR and mode as stored; mutes as stored.
std::vector<LCmd> LoadUnitImage(UnitImage& image, FirCoefficientStore& fir, const StagedSetting& staged, int unitId);
