#pragma once

#include <cstdint>
#include <optional>
#include <vector>

/// One frame of the unit's protocol as the simulator sees it: the unit id
/// byte, the command code and the payload. Built and parsed here on purpose
/// without the editor's protocol code, so that a codec mistake on either side
/// shows up as a failure against the other. A plain value; any thread.
struct SimFrame {
  std::uint8_t unitId = 0;
  std::uint8_t code = 0;
  std::vector<std::uint8_t> payload;
};

/// Frame layout: 10 02, two address bytes, L = payload size + 1, code,
/// payload, 10 03, XOR of every byte before it. The whole frame is L + 8 bytes.
namespace SimFrameLayout {
inline constexpr std::uint8_t kDle = 0x10;
inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;
inline constexpr std::size_t kOverhead = 8;
inline constexpr std::size_t kLengthOffset = 4;
inline constexpr std::size_t kCodeOffset = 5;
inline constexpr std::size_t kPayloadOffset = 6;
}  // namespace SimFrameLayout

/// A frame as the unit sends it: the unit id in byte 2, 00 in byte 3.
std::vector<std::uint8_t> BuildUnitFrame(std::uint8_t unitId, std::uint8_t code,
                                         const std::vector<std::uint8_t>& payload);

/// A frame as the editor sends it: 00 in byte 2, the unit id in byte 3.
std::vector<std::uint8_t> BuildEditorFrame(std::uint8_t unitId, std::uint8_t code,
                                           const std::vector<std::uint8_t>& payload);

/// XOR of bytes [0, count).
std::uint8_t FrameChecksum(const std::vector<std::uint8_t>& bytes, std::size_t count);

/// Which address byte carries the unit id when a frame is parsed.
enum class SimFrameSender { Editor, Unit };

/// Parses one complete frame (exactly L + 8 bytes with both markers, the end
/// markers and a matching checksum); nullopt for anything else, including a
/// frame whose length byte is 0 (it has no code).
std::optional<SimFrame> ParseFrame(const std::vector<std::uint8_t>& bytes, SimFrameSender sender);
