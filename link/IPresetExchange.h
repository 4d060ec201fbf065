#pragma once

#include <cstdint>
#include <span>

/// The steps of the preset and unit-file exchanges that the reply
/// dispatcher hands on: reading the unit's slot table, preset blocks and
/// FIR areas of stored presets (upload), writing presets (download), and
/// the preset-load timer of a recall. Implemented by the owner of those
/// exchanges; without one the dispatcher ignores their replies. GUI thread.
class IPresetExchange {
public:
  virtual ~IPresetExchange() = default;

  /// Reply 25: the unit's EEPROM bytes (at most the 31 of the slot table).
  virtual void HandleEepromReply(std::span<const std::uint8_t> payload) = 0;
  /// Reply 37, after the progress was advanced.
  virtual void HandleDownloadSegmentReply(int unitId, std::span<const std::uint8_t> payload) = 0;
  /// Reply 40.
  virtual void HandlePresetBlockReply(int unitId, std::span<const std::uint8_t> payload) = 0;
  /// The FIR area of the stored preset being uploaded has been read into
  /// the coefficient store; `unitId` is that of the last block reply.
  virtual void PresetFirReadFinished(int unitId) = 0;
  /// `CMD_ACK` in PROCESS_PRESET_DOWNLOAD.
  virtual void DownloadNextPreset() = 0;
  /// The hello reply that ends the FIR phase of a unit-file download:
  /// starts `tmDownloadEnd`.
  virtual void StartDownloadEnd() = 0;
  /// Stops `tmPresetLoadCount`.
  virtual void StopPresetLoadCount() = 0;
  /// The link has closed (Disconnect): a running exchange ends at once.
  virtual void EndExchange() = 0;

protected:
  IPresetExchange() = default;
  IPresetExchange(const IPresetExchange&) = default;
  IPresetExchange& operator=(const IPresetExchange&) = default;
};
