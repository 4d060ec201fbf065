#pragma once

#include <array>
#include <cstdint>

/// One bit of the unit's three panel-lock permission bytes and the controls
/// of the main window it disables while the access lock restricts the
/// editor: page buttons and single controls by name, per-channel controls
/// by stem (the channel suffix "InA".."Out6" appended; byte 0 governs the
/// inputs, byte 1 the outputs). A set bit disables, a clear one enables.
struct PanelLockBit {
  int byte = 0;
  std::uint8_t bit = 0;
  /// A control of the window named whole (a page button, bStore ...); null when none.
  const char* control = nullptr;
  /// Set when `control` stays enabled unless this bit of the other channel
  /// byte is set too (the Delay page button needs both delay bits).
  std::uint8_t alsoNeedsOtherByte = 0;
  /// Per-channel stems, null-terminated.
  std::array<const char*, 9> channelStems{};
};

/// The twelve permission bits in byte and bit order (the panel lock setup
/// dialog shows one box per entry). Plain data; any thread.
extern const std::array<PanelLockBit, 12> kPanelLockBits;
