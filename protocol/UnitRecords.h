#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// Fixed-layout blocks of the unit image that travel to the unit unchanged.
/// Each record reads and writes its bytes explicitly, 16-bit fields low byte
/// first, so the byte layout never depends on host struct packing.

/// One equaliser band: gain code, FreqIndex, QIndex, PeqType.
struct PeqBandRecord {
  static constexpr std::size_t kSize = 6;
  std::uint16_t gain = 0;
  std::uint16_t freq = 0;
  std::uint8_t q = 0;
  std::uint8_t type = 0;

  static PeqBandRecord Read(const std::uint8_t* bytes);
  void Write(std::uint8_t* bytes) const;
  bool operator==(const PeqBandRecord&) const = default;
};

/// Compressor of an input; `carried` is kept as read and never edited.
struct CompressorRecord {
  static constexpr std::size_t kSize = 14;
  std::uint16_t ratio = 0;
  std::uint16_t attack = 0;
  std::uint16_t release = 0;
  std::uint16_t knee = 0;
  std::uint16_t threshold = 0;
  std::uint16_t sideChainFreq = 0;
  std::uint8_t carried = 0;
  std::uint8_t sideChainType = 0;

  static CompressorRecord Read(const std::uint8_t* bytes);
  void Write(std::uint8_t* bytes) const;
  bool operator==(const CompressorRecord&) const = default;
};

/// Gate of an input.
struct GateRecord {
  static constexpr std::size_t kSize = 8;
  std::uint16_t attack = 0;
  std::uint16_t release = 0;
  std::uint16_t ratio = 0;
  std::uint16_t threshold = 0;

  static GateRecord Read(const std::uint8_t* bytes);
  void Write(std::uint8_t* bytes) const;
  bool operator==(const GateRecord&) const = default;
};

/// Limiter of an output.
struct LimiterRecord {
  static constexpr std::size_t kSize = 10;
  std::uint16_t ratio = 0;
  std::uint16_t attack = 0;
  std::uint16_t release = 0;
  std::uint16_t knee = 0;
  std::uint16_t threshold = 0;

  static LimiterRecord Read(const std::uint8_t* bytes);
  void Write(std::uint8_t* bytes) const;
  bool operator==(const LimiterRecord&) const = default;
};

/// Designed FIR of an output (bytes +8 to +15 of its filter record).
/// `taps` is the taps code for types 1-3, else the coefficient count.
struct FirDesignRecord {
  static constexpr std::size_t kSize = 8;
  std::uint8_t firType = 0;
  std::uint8_t window = 0;
  std::uint16_t lowIndex = 0;
  std::uint16_t highIndex = 0;
  std::uint16_t taps = 0;

  static FirDesignRecord Read(const std::uint8_t* bytes);
  void Write(std::uint8_t* bytes) const;
  bool operator==(const FirDesignRecord&) const = default;
};

/// Filter record of an output: processing mode, low cut (high-pass), high
/// cut (low-pass) and the designed FIR.
struct OutputFilterRecord {
  static constexpr std::size_t kSize = 16;
  std::uint16_t mode = 0;
  std::uint16_t lowCutIndex = 0;
  std::uint16_t highCutIndex = 0;
  std::uint8_t lowCutSlope = 0;
  std::uint8_t highCutSlope = 0;
  FirDesignRecord fir;

  static OutputFilterRecord Read(const std::uint8_t* bytes);
  void Write(std::uint8_t* bytes) const;
  bool operator==(const OutputFilterRecord&) const = default;
};

/// Appends the record's bytes in image order.
template <typename Record>
void AppendRecord(std::vector<std::uint8_t>& out, const Record& record) {
  const std::size_t at = out.size();
  out.resize(at + Record::kSize);
  record.Write(out.data() + at);
}
