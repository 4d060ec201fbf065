#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <QString>

/// The records of a measurement or target file: frequency (Hz), magnitude
/// (dB) and phase (degrees), in file order. Plain value type, any thread.
struct ResponseRecords {
  std::vector<double> frequency;
  std::vector<double> magnitude;
  std::vector<double> phase;

  int Count() const { return static_cast<int>(frequency.size()); }
};

/// Reads the records of a response text (8-bit, split at white space): every
/// token before the first numeric one is a header; then records of
/// frequency, magnitude and phase, each optionally followed by a coherence
/// of at most 1.0. A numeric token is an optional sign followed by digits and
/// points, read by its longest decimal prefix; one whose value is beyond the
/// range of a double counts as not numeric. A record with a field that is not
/// numeric, or cut short by the end of the text, is not counted.
/// Refused (nullopt): such a last record, fewer than two records, or
/// frequencies of the kept records (all but the last one read, which the
/// designer replaces) that do not strictly ascend.
std::optional<ResponseRecords> ParseResponseText(std::string_view text);

/// The largest measurement file read; a larger one is refused unread.
inline constexpr qint64 kMaxResponseFileBytes = 64 * 1024 * 1024;

/// ParseResponseText of the file's bytes; a file that cannot be read, or
/// one larger than kMaxResponseFileBytes, is refused too.
std::optional<ResponseRecords> ReadResponseFile(const QString& path);
