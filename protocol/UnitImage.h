#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include <QByteArrayView>

/// The complete parameter set of the unit (or of one stored preset): 1020
/// bytes whose layout is the wire and file format. 16-bit fields are
/// little-endian; names are 8-bit characters, zero-padded. Channels are
/// numbered 0-2 (inputs InA-InC) and 3-8 (outputs Out1-Out6). A plain value;
/// the thread that owns it uses it.
class UnitImage {
public:
  static constexpr std::size_t kSize = 1020;
  static constexpr int kInputCount = 3;
  static constexpr int kOutputCount = 6;
  static constexpr int kChannelCount = kInputCount + kOutputCount;
  static constexpr int kInputBands = 8;
  static constexpr int kOutputBands = 9;
  static constexpr std::size_t kNameSize = 8;
  static constexpr std::size_t kPresetNameSize = 14;

  // Top level.
  static constexpr std::size_t kPresetName = 2;
  static constexpr std::size_t kInputRecords = 16;
  static constexpr std::size_t kInputRecordSize = 90;
  static constexpr std::size_t kOutputRecords = 286;
  static constexpr std::size_t kOutputRecordSize = 104;
  static constexpr std::size_t kInputMuteMask = 910;
  static constexpr std::size_t kOutputMuteMask = 912;
  static constexpr std::size_t kSourcePairMask = 914;
  static constexpr std::size_t kBandBypassMasks = 916;  ///< one word per channel 0..8
  static constexpr std::size_t kFirNames = 934;         ///< 8 bytes per channel 0..8
  static constexpr std::size_t kTestSignalMode = 1006;
  static constexpr std::size_t kTestSineFrequency = 1008;
  static constexpr std::size_t kTestLevel = 1009;
  static constexpr std::size_t kDelayUnit = 1010;
  static constexpr std::size_t kDanteAvailable = 1011;
  static constexpr std::size_t kInputPairSource = 1012;  ///< one byte per input pair 0..1
  static constexpr std::size_t kOutputPairSource = 1014;
  static constexpr std::size_t kDanteOutputSource = 1015;
  static constexpr std::size_t kInputEqBypassMask = 1016;
  static constexpr std::size_t kOutputEqBypassMask = 1018;

  // Fields of an input record.
  static constexpr std::size_t kInName = 0;
  static constexpr std::size_t kInGate = 8;
  static constexpr std::size_t kInBands = 16;
  static constexpr std::size_t kInCompressor = 64;
  static constexpr std::size_t kInFirTaps = 78;
  static constexpr std::size_t kInFirBypass = 80;
  static constexpr std::size_t kInGain = 82;
  static constexpr std::size_t kInPolarity = 84;
  static constexpr std::size_t kInDelay = 86;
  static constexpr std::size_t kInLinkMask = 88;

  // Fields of an output record.
  static constexpr std::size_t kOutName = 0;
  static constexpr std::size_t kOutRouting = 8;
  static constexpr std::size_t kOutMixLevels = 10;  ///< one word per input 0..2
  static constexpr std::size_t kOutFilter = 16;
  static constexpr std::size_t kOutBands = 32;
  static constexpr std::size_t kOutLimiter = 86;
  static constexpr std::size_t kOutGain = 96;
  static constexpr std::size_t kOutPolarity = 98;
  static constexpr std::size_t kOutDelay = 100;
  static constexpr std::size_t kOutLinkMask = 102;

  // Block form on the link: block b carries bytes 50 b .. 50 b + 49; the
  // last block (20) only bytes 1000..1019.
  static constexpr std::size_t kBlockSize = 50;
  static constexpr int kBlockCount = 21;

  /// All zero bytes; Default() gives the program's default image.
  UnitImage() = default;

  /// The default image: "Default Preset", every channel unlinked at 0 dB with
  /// its default bands, dynamics, filters, names and routing.
  static const UnitImage& Default();

  static bool IsInput(int channel) { return channel >= 0 && channel < kInputCount; }
  static bool IsOutput(int channel) { return channel >= kInputCount && channel < kChannelCount; }
  /// Offset of a channel's record (input or output).
  static std::size_t ChannelRecord(int channel);
  /// Offset of one of the channel's equaliser band records.
  static std::size_t BandRecord(int channel, int band);
  static int BandCount(int channel) { return IsInput(channel) ? kInputBands : kOutputBands; }
  /// The channel's bit in masks over its own kind (bit n = input n or output n).
  static int KindBit(int channel) { return IsInput(channel) ? channel : channel - kInputCount; }
  static std::size_t MuteMask(int channel) { return IsInput(channel) ? kInputMuteMask : kOutputMuteMask; }
  /// The whole-equaliser bypass mask: the input one for a channel below 3.
  static std::size_t EqBypassMask(int channel) { return channel < kInputCount ? kInputEqBypassMask : kOutputEqBypassMask; }
  static std::size_t BandBypassMask(int channel) { return kBandBypassMasks + 2 * static_cast<std::size_t>(channel); }

  std::uint8_t* Data() { return m_bytes.data(); }
  const std::uint8_t* Data() const { return m_bytes.data(); }
  std::span<std::uint8_t, kSize> Bytes() { return m_bytes; }
  std::span<const std::uint8_t, kSize> Bytes() const { return m_bytes; }

  std::uint8_t Byte(std::size_t offset) const { return m_bytes[offset]; }
  void SetByte(std::size_t offset, unsigned value) { m_bytes[offset] = static_cast<std::uint8_t>(value & 0xFF); }
  std::uint16_t Word(std::size_t offset) const;
  void SetWord(std::size_t offset, unsigned value);
  /// Writes a name field of `size` bytes: the first `size` bytes of text,
  /// zero-padded when it is shorter.
  void SetText(std::size_t offset, QByteArrayView text, std::size_t size);
  /// Sets or clears one bit of a 16-bit mask word.
  void SetWordBit(std::size_t offset, int bit, bool set);

  template <typename Record>
  Record ReadRecord(std::size_t offset) const {
    return Record::Read(m_bytes.data() + offset);
  }
  template <typename Record>
  void WriteRecord(std::size_t offset, const Record& record) {
    record.Write(m_bytes.data() + offset);
  }

  /// The bytes of block 0..20 (50 bytes, 20 for the last); empty for any
  /// other block number.
  std::span<const std::uint8_t> Block(int block) const;

  bool operator==(const UnitImage&) const = default;

private:
  std::array<std::uint8_t, kSize> m_bytes{};
};
