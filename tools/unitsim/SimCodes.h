#pragma once

#include <cstdint>

/// Command and reply codes of the unit's protocol, as the simulator knows
/// them (its own table, kept apart from the editor's).
namespace SimCode {
inline constexpr std::uint8_t kAck = 1;
inline constexpr std::uint8_t kMcuReset = 4;
inline constexpr std::uint8_t kHello = 16;
inline constexpr std::uint8_t kGoodbye = 17;
inline constexpr std::uint8_t kKeepAlive = 18;
inline constexpr std::uint8_t kIdentity = 19;
inline constexpr std::uint8_t kCurrentPreset = 20;
inline constexpr std::uint8_t kDelayUnit = 21;
inline constexpr std::uint8_t kDiscovery = 22;
inline constexpr std::uint8_t kReadEeprom = 25;
inline constexpr std::uint8_t kWriteEeprom = 26;
inline constexpr std::uint8_t kRecallPreset = 32;
inline constexpr std::uint8_t kStorePreset = 33;
inline constexpr std::uint8_t kReadPresetDirectory = 34;
inline constexpr std::uint8_t kFactoryReset = 35;
inline constexpr std::uint8_t kSelectPreset = 36;
inline constexpr std::uint8_t kImageBlockReply = 36;
inline constexpr std::uint8_t kDownload = 37;
inline constexpr std::uint8_t kPresetName = 38;
inline constexpr std::uint8_t kReadImageBlock = 39;
inline constexpr std::uint8_t kReadPresetBlock = 40;
inline constexpr std::uint8_t kReadPresetName = 41;
inline constexpr std::uint8_t kCopyChannel = 42;
inline constexpr std::uint8_t kLockStatus = 44;
inline constexpr std::uint8_t kPassSubmit = 45;
inline constexpr std::uint8_t kSetLock = 47;
inline constexpr std::uint8_t kCompressor = 48;
inline constexpr std::uint8_t kLowPass = 49;
inline constexpr std::uint8_t kHighPass = 50;
inline constexpr std::uint8_t kPeq = 51;
inline constexpr std::uint8_t kGain = 52;
inline constexpr std::uint8_t kMute = 53;
inline constexpr std::uint8_t kPolarity = 54;
inline constexpr std::uint8_t kDelay = 56;
inline constexpr std::uint8_t kWorkMode = 57;
inline constexpr std::uint8_t kMatrix = 58;
inline constexpr std::uint8_t kLinkMask = 59;
inline constexpr std::uint8_t kEqBypass = 60;
inline constexpr std::uint8_t kChannelName = 61;
inline constexpr std::uint8_t kGate = 62;
inline constexpr std::uint8_t kLimiter = 63;
inline constexpr std::uint8_t kLevels = 64;
inline constexpr std::uint8_t kMix = 65;
inline constexpr std::uint8_t kFir = 75;
inline constexpr std::uint8_t kOutputMode = 76;
inline constexpr std::uint8_t kExtFir = 78;
inline constexpr std::uint8_t kInputFirBypass = 79;
inline constexpr std::uint8_t kReadFirBlock = 86;
inline constexpr std::uint8_t kEraseFirSector = 88;
inline constexpr std::uint8_t kTransferMode = 89;
inline constexpr std::uint8_t kFirExtEeprom = 90;
inline constexpr std::uint8_t kFirName = 91;
inline constexpr std::uint8_t kSetUserLock = 92;
inline constexpr std::uint8_t kSourcePair = 93;
inline constexpr std::uint8_t kSourceType = 94;
}  // namespace SimCode
