#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "protocol/LCmd.h"
#include "protocol/LUnitControl.h"

/// The unit file (".unt"), the backup of all 30 stored presets: the 16-byte
/// header, the unit's 31-byte slot table, then 30 records of 50,161 bytes
/// (preset number or 'd', image bytes 0 to 1,005 or 1,006 x 'd', the
/// preset's FIR section, CR LF), 1,504,877 bytes in all. Stateless; any
/// thread.
struct UnitFile {
  static constexpr std::size_t kSize = 1504877;
  static constexpr std::size_t kSlotTableOffset = 16;
  static constexpr std::size_t kSlotTableSize = LUnitControl::kSlotTableSize;
  static constexpr std::size_t kRecordsOffset = 47;
  static constexpr std::size_t kRecordSize = 50161;
  static constexpr std::size_t kRecordImageBytes = 1006;  ///< image bytes 0 to 1,005
  static constexpr std::size_t kRecordFirOffset = 1007;
  static constexpr std::size_t kRecordLineEnd = 50159;
  static constexpr std::uint8_t kUnused = 'd';
  static constexpr int kRecordCount = LUnitControl::kPresetCount;
  static constexpr int kSegmentCount = 21;
  /// Progress of the download: a record passed over, an identity input or
  /// output of the FIR phase.
  static constexpr int kSkippedRecordProgress = 20;
  static constexpr int kIdentityInputProgress = 155;
  static constexpr int kIdentityOutputProgress = 77;
};

/// A unit file read and checked whole, before anything is sent.
struct StagedUnitFile {
  std::array<std::uint8_t, UnitFile::kSlotTableSize> eepromBytes{};
  std::vector<std::uint8_t> bytes;  ///< the whole file

  /// Record k (0-29), 50,161 bytes.
  std::span<const std::uint8_t> Record(int k) const;
  /// Whether record k holds a preset to download: its image byte 0 is 0xFF.
  bool IsUsed(int k) const { return Record(k)[1] == 0xFF; }
};

/// The file an upload writes: the header and slot table, then for each
/// preset the first 1,007 bytes of its stored slot when its used flag is
/// set, else 1,007 x 'd', its FIR section (49,152 bytes) and CR LF.
std::vector<std::uint8_t> EncodeUnitFile(const std::array<std::uint8_t, UnitFile::kSlotTableSize>& slotTable,
                                         const std::array<std::uint8_t, LUnitControl::kPresetCount>& usedFlags,
                                         const std::array<LUnitControl::StoredPreset, LUnitControl::kPresetCount>& slots,
                                         const std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount>& firSections);

/// Reads and checks a whole file. Refused (nullopt): any size but
/// 1,504,877; another header; a record not ending in CR LF; a used record
/// whose byte 0 is not its preset number; an unused ('d') record whose
/// section holds coefficients; in any record, a channel with
/// coefficients where the writer keeps none (`PresetFirCount` 0, from the
/// record's image), or with a word among those the download sends that is
/// not a finite number (other than FF FF FF FF, which stands for 0.0). A
/// count above the channel is clamped to it, as the writer and the senders do.
std::optional<StagedUnitFile> ParseUnitFile(std::span<const std::uint8_t> bytes);

/// Segment s (0-20) of record k as `CM_MCS_DOWNLOAD` to preset k: 50 image
/// bytes from 50 s; segment 20 carries image bytes 1,000 to 1,005 from the
/// record and 1,006 to 1,019 from the default image.
LCmd DownloadSegment(const StagedUnitFile& file, int unitId, int k, int segment);

/// The FIR phase of a download: for each record k, preset k + 1, every
/// channel either erased (an identity) or written with its tap count of
/// coefficients (at least the `PresetFirCount` the writer kept), staged in
/// a store of its own. `progress` is what queuing
/// them advances the progress window by.
struct UnitFileFirPhase {
  std::vector<LCmd> commands;
  int progress = 0;
};
UnitFileFirPhase BuildUnitFileFirPhase(const StagedUnitFile& file, int unitId);
