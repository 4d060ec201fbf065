#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include <QString>

/// What the setting file (".prs") and the unit file (".unt") share: their
/// 16-byte header, the CR LF that ends them (and each unit-file record), the
/// reading of a FIR section word and the rule that gives a chosen name its
/// extension. Stateless; any thread.
namespace PresetFileFormat {

inline constexpr char kHeader[] = "***KRV-71V010***";
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::uint32_t kMarker = 0xFFFFFFFFu;

/// Whether the bytes start with the header.
bool HasHeader(std::span<const std::uint8_t> bytes);

/// Whether the two bytes at `offset` are 0D 0A.
bool HasLineEnd(std::span<const std::uint8_t> bytes, std::size_t offset);

/// The 32-bit word at `offset`, low byte first.
std::uint32_t ReadWord(std::span<const std::uint8_t> bytes, std::size_t offset);

/// Whether a word read as a float is out of range for a coefficient: above
/// 50.0, or not a finite number at all.
bool IsOutOfRange(std::uint32_t word);

/// The chosen name with one trailing ".ext" (all lower or all upper case)
/// taken off, then ".ext" appended: "show.UNT" -> "show.unt",
/// "a.untold" -> "a.untold.unt". `extension` is lower case, without the dot.
QString WithExtension(const QString& chosen, const QString& extension);

}  // namespace PresetFileFormat
