#include <bit>
#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "protocol/FirBlockMap.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/FirSection.h"
#include "protocol/UnitFile.h"
#include "protocol/UnitImage.h"
#include "protocol/UnitRecords.h"

namespace {

/// A unit file of 30 full presets: every input 2048 taps, every output a
/// type-4 FIR of 1024 taps.
std::vector<std::uint8_t> FullUnitFile() {
  UnitImage image = UnitImage::Default();
  image.SetByte(0, 0xFF);
  FirCoefficientStore fir;
  for (int k = 0; k < FirCoefficientStore::kSize; ++k) {
    fir.SetWord(k, std::bit_cast<std::uint32_t>(0.25f * std::sin(0.001f * static_cast<float>(k + 1))));
  }
  for (int channel = 0; channel < UnitImage::kChannelCount; ++channel) {
    const std::size_t record = UnitImage::ChannelRecord(channel);
    if (UnitImage::IsInput(channel)) {
      image.SetWord(record + UnitImage::kInFirTaps, FirBlockMap::kInputTaps);
      continue;
    }
    auto filter = image.ReadRecord<OutputFilterRecord>(record + UnitImage::kOutFilter);
    filter.fir.firType = 4;
    filter.fir.taps = FirBlockMap::kOutputTaps;
    image.WriteRecord(record + UnitImage::kOutFilter, filter);
  }
  std::array<std::uint8_t, UnitFile::kSlotTableSize> slots{};
  std::array<std::uint8_t, LUnitControl::kPresetCount> used{};
  std::array<LUnitControl::StoredPreset, LUnitControl::kPresetCount> stored{};
  std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount> sections;
  for (int k = 0; k < LUnitControl::kPresetCount; ++k) {
    slots[static_cast<std::size_t>(k + 1)] = 0xFF;
    used[static_cast<std::size_t>(k)] = 1;
    stored[static_cast<std::size_t>(k)][0] = static_cast<std::uint8_t>(k + 1);
    std::copy(image.Bytes().begin(), image.Bytes().end(), stored[static_cast<std::size_t>(k)].begin() + 1);
    sections[static_cast<std::size_t>(k)] = EncodePresetFir(fir, image);
  }
  return EncodeUnitFile(slots, used, stored, sections);
}

// Checking a whole unit file and building the download's FIR phase: every
// FIR block of all 30 presets (about 31,000 frames). Goal: 50 ms or less.
void BM_UnitFileValidateAndFirPhase(benchmark::State& state) {
  const std::vector<std::uint8_t> file = FullUnitFile();
  std::size_t frames = 0;
  for (auto _ : state) {
    const auto staged = ParseUnitFile(file);
    const UnitFileFirPhase phase = BuildUnitFileFirPhase(*staged, 1);
    frames = phase.commands.size();
    benchmark::DoNotOptimize(phase.commands.data());
  }
  state.counters["frames"] = static_cast<double>(frames);
}
BENCHMARK(BM_UnitFileValidateAndFirPhase)->Unit(benchmark::kMillisecond);

}  // namespace
