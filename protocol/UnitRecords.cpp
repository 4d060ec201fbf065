#include "protocol/UnitRecords.h"

#include "protocol/ByteOrder.h"

PeqBandRecord PeqBandRecord::Read(const std::uint8_t* bytes) {
  return {GetLe16(bytes), GetLe16(bytes + 2), bytes[4], bytes[5]};
}

void PeqBandRecord::Write(std::uint8_t* bytes) const {
  PutLe16(bytes, gain);
  PutLe16(bytes + 2, freq);
  bytes[4] = q;
  bytes[5] = type;
}

CompressorRecord CompressorRecord::Read(const std::uint8_t* bytes) {
  return {GetLe16(bytes),     GetLe16(bytes + 2), GetLe16(bytes + 4), GetLe16(bytes + 6),
          GetLe16(bytes + 8), GetLe16(bytes + 10), bytes[12],         bytes[13]};
}

void CompressorRecord::Write(std::uint8_t* bytes) const {
  PutLe16(bytes, ratio);
  PutLe16(bytes + 2, attack);
  PutLe16(bytes + 4, release);
  PutLe16(bytes + 6, knee);
  PutLe16(bytes + 8, threshold);
  PutLe16(bytes + 10, sideChainFreq);
  bytes[12] = carried;
  bytes[13] = sideChainType;
}

GateRecord GateRecord::Read(const std::uint8_t* bytes) {
  return {GetLe16(bytes), GetLe16(bytes + 2), GetLe16(bytes + 4), GetLe16(bytes + 6)};
}

void GateRecord::Write(std::uint8_t* bytes) const {
  PutLe16(bytes, attack);
  PutLe16(bytes + 2, release);
  PutLe16(bytes + 4, ratio);
  PutLe16(bytes + 6, threshold);
}

LimiterRecord LimiterRecord::Read(const std::uint8_t* bytes) {
  return {GetLe16(bytes), GetLe16(bytes + 2), GetLe16(bytes + 4), GetLe16(bytes + 6), GetLe16(bytes + 8)};
}

void LimiterRecord::Write(std::uint8_t* bytes) const {
  PutLe16(bytes, ratio);
  PutLe16(bytes + 2, attack);
  PutLe16(bytes + 4, release);
  PutLe16(bytes + 6, knee);
  PutLe16(bytes + 8, threshold);
}

FirDesignRecord FirDesignRecord::Read(const std::uint8_t* bytes) {
  return {bytes[0], bytes[1], GetLe16(bytes + 2), GetLe16(bytes + 4), GetLe16(bytes + 6)};
}

void FirDesignRecord::Write(std::uint8_t* bytes) const {
  bytes[0] = firType;
  bytes[1] = window;
  PutLe16(bytes + 2, lowIndex);
  PutLe16(bytes + 4, highIndex);
  PutLe16(bytes + 6, taps);
}

OutputFilterRecord OutputFilterRecord::Read(const std::uint8_t* bytes) {
  return {GetLe16(bytes), GetLe16(bytes + 2), GetLe16(bytes + 4), bytes[6], bytes[7], FirDesignRecord::Read(bytes + 8)};
}

void OutputFilterRecord::Write(std::uint8_t* bytes) const {
  PutLe16(bytes, mode);
  PutLe16(bytes + 2, lowCutIndex);
  PutLe16(bytes + 4, highCutIndex);
  bytes[6] = lowCutSlope;
  bytes[7] = highCutSlope;
  fir.Write(bytes + 8);
}
