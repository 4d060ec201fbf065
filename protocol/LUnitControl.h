#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include <QByteArrayView>

#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

class IUnitHost;
class LCmd;

/// The editor's model of the unit: the current UnitImage, what is known of
/// the unit's stored presets and the buffers the transfer exchanges fill.
/// Channel setters store an edit into every channel of the edited channel's
/// link group, then (unless the host is refreshing its controls) send one
/// command for the edited channel. Owned by the main window for the whole
/// run; GUI thread only.
///
/// Channels are 0-2 (inputs) and 3-8 (outputs). A channel, band, input or
/// slot outside its range (or of the wrong kind where the value exists for
/// one kind only) changes nothing; getters then give zero.
class LUnitControl {
public:
  static constexpr int kPresetCount = 30;
  static constexpr std::size_t kSlotTableSize = 31;
  static constexpr std::size_t kStoredPresetSize = 1 + UnitImage::kSize;
  using StoredPreset = std::array<std::uint8_t, kStoredPresetSize>;

  /// Starts from the default image. The host must outlive the model.
  explicit LUnitControl(IUnitHost& host);

  UnitImage& Image() { return m_image; }
  const UnitImage& Image() const { return m_image; }
  /// Entry n is 1 when the unit holds stored preset n + 1.
  std::array<std::uint8_t, kPresetCount>& PresetUsedFlags() { return m_presetUsed; }
  /// The unit's own preset slot table (EEPROM bytes 0..30).
  std::array<std::uint8_t, kSlotTableSize>& UnitSlotTable() { return m_slotTable; }
  /// The image transfer buffer: data byte k of block b lands at 50 b + k.
  std::array<std::uint8_t, UnitImage::kSize>& ImageBlockStream() { return m_blockStream; }
  /// Slot n: preset number n + 1, then that preset's 1020-byte image.
  std::array<StoredPreset, kPresetCount>& StoredPresetSlots() { return m_storedPresets; }

  /// Link mask of the group that holds the channel: its own mask when that
  /// holds its own bit, else the mask of the first lower channel of its kind
  /// that holds the bit; with no such channel, the mask of the channel just
  /// below (the first channel of a kind: its own). The channel's own bit is
  /// always part of the result, so an edit always reaches the edited channel.
  unsigned GetLinkGroup(int channel) const;
  /// Channels of the group among bits 0-2 (inputs) or 0-5 (outputs).
  int CountLinkGroup(int channel) const;

  // Setters that store into the link group and send (forceAppend 0 unless noted).
  void SetCompressor(int input, const CompressorRecord& record);
  void SetGate(int input, const GateRecord& record);
  void SetLimiter(int output, const LimiterRecord& record);
  void SetPolarity(int channel, int flag);
  /// Stores the band and its bypass bit; marks the channel's curve dirty.
  void SetPeqBand(int channel, int band, const PeqBandRecord& record, int bypass);
  /// The low cut (index +2, slope +6 of the record); marks the curve dirty.
  void SetHighPass(int output, const OutputFilterRecord& record);
  /// The high cut (index +4, slope +7 of the record); marks the curve dirty.
  void SetLowPass(int output, const OutputFilterRecord& record);
  /// Designed FIR, sent with forceAppend 1; marks the curve dirty.
  void SetOutputFir(int output, const FirDesignRecord& record);
  void SetOutputFirRecord(int output, const OutputFilterRecord& record);  ///< stores only
  void SetInputFirTaps(int input, int taps);                             ///< stores only
  void SetInputFirBypass(int input, int flag);                           ///< forceAppend 1
  void SetGain(int channel, int gainCode);
  void SetDelay(int channel, int samples);
  void SetMute(int channel, int flag);

  // Setters of one channel or of the whole unit.
  void SetDelayUnit(int unit);
  void SetRouting(int output, int input, int flag);
  void SetMixLevel(int output, int input, int levelCode);
  void SetLinkMask(int channel, int mask);             ///< forceAppend 1
  void SetSourcePair(int source, int flag);            ///< forceAppend 1
  void SetChannelName(int channel, QByteArrayView name);  ///< 8 bytes, zero-padded; forceAppend 1
  /// FIR name slot 0..8 (8 bytes, zero-padded), forceAppend 1; another slot
  /// stores and sends nothing.
  void SetFirName(int slot, QByteArrayView name);
  void SetEqBypassMask(int channel, int mask);  ///< stores only

  // Getters of the current image.
  int GetGain(int channel) const;
  int GetDelay(int channel) const;
  bool GetPolarity(int channel) const;
  unsigned GetLinkMask(int channel) const;
  bool GetMute(int channel) const;
  PeqBandRecord GetPeqBand(int channel, int band) const;
  PeqBandRecord GetDefaultPeqBand(int channel, int band) const;
  bool IsPeqBandBypassed(int channel, int band) const;
  CompressorRecord GetCompressor(int input) const;
  GateRecord GetGate(int input) const;
  LimiterRecord GetLimiter(int output) const;
  OutputFilterRecord GetOutputFilters(int channel) const;  ///< all zero for an input
  int GetInputFirTaps(int input) const;
  bool GetInputFirBypass(int input) const;
  unsigned GetRoutingMask(int output) const;
  int GetMixLevel(int output, int input) const;
  std::span<const std::uint8_t> GetChannelNameField(int channel) const;  ///< 8 bytes (empty if invalid)
  std::span<const std::uint8_t> GetFirNameField(int slot) const;         ///< 8 bytes (empty if invalid)
  std::span<const std::uint8_t> GetPresetNameField() const;              ///< 14 bytes
  unsigned GetEqBypassMask(int channel) const;
  bool IsSourcePaired(int source) const;
  int GetDelayUnit() const;
  int GetDanteAvailable() const;
  int GetTestSignalMode() const;
  int GetTestSineFrequency() const;
  int GetTestLevel() const;
  int GetInputPairSource(int pair) const;
  int GetOutputPairSource(int pair) const;
  int GetDanteOutputSource(int pair) const;

  // Stored preset directory.
  /// Flag n := 1 when payload byte n is 0xFF (a missing byte counts as unused).
  void SetPresetUsedFlags(std::span<const std::uint8_t> payload);
  /// The first 14 payload bytes become the preset name (zero-padded if fewer).
  void SetPresetName(std::span<const std::uint8_t> payload);
  bool IsPresetUsed(int n) const;
  void MarkPresetUsed(int n);

  // Preset upload (LUnitControl_Presets.cpp).
  /// Reply 25: copies the payload (at most 31 bytes) into the slot table.
  void SetEepromBytes(std::span<const std::uint8_t> payload);
  /// Reply 40 of stored preset `preset` (1-30): payload byte 0 is the block
  /// n (0-20), the rest its data, which goes to the block stream from 50 n;
  /// at block 20 the preset's stored slot receives the preset number and
  /// the stream. False, and nothing changes, for a preset outside 1-30, a
  /// block above 20 or a payload shorter than the block.
  bool StorePresetBlock(int preset, std::span<const std::uint8_t> payload);

  /// Copies the processing of one channel onto another of the same kind,
  /// inside the image only: everything but the name, link mask and (outputs)
  /// routing and mix levels, plus the band bypass word and the channel's bits
  /// of the mute and equaliser bypass masks.
  void CopyChannelRecord(int source, int destination);

private:
  /// Marks a field that one kind of channel lacks.
  static constexpr std::size_t kNoField = SIZE_MAX;
  /// Offset of a channel's field, by kind; nullopt for an invalid channel or
  /// a field its kind lacks.
  static std::optional<std::size_t> Field(int channel, std::size_t inputField, std::size_t outputField);
  template <typename Store>
  void ForEachInGroup(int channel, Store store);
  void Send(const LCmd& command, bool forceAppend);
  /// Stores a crossover's index word and slope byte (filter record fields)
  /// into the output's group; nothing for an input.
  void StoreCrossover(int output, std::size_t indexField, std::size_t slopeField, unsigned index, unsigned slope);

  IUnitHost& m_host;
  UnitImage m_image;
  std::array<std::uint8_t, kPresetCount> m_presetUsed{};
  std::array<std::uint8_t, kSlotTableSize> m_slotTable{};
  std::array<std::uint8_t, UnitImage::kSize> m_blockStream{};
  std::array<StoredPreset, kPresetCount> m_storedPresets{};
};
