#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#define KRV_FUZZ_TARGET(name) extern "C" int KrvFuzz_##name(const std::uint8_t* data, std::size_t size);
#include "FuzzTargets.inc"
#undef KRV_FUZZ_TARGET

namespace {

using FuzzEntry = int (*)(const std::uint8_t*, std::size_t);

struct FuzzReplayTarget {
  const char* name;
  FuzzEntry entry;
};

void PrintTo(const FuzzReplayTarget& target, std::ostream* out) { *out << target.name; }

const FuzzReplayTarget kFuzzReplayTargets[] = {
#define KRV_FUZZ_TARGET(name) {#name, &KrvFuzz_##name},
#include "FuzzTargets.inc"
#undef KRV_FUZZ_TARGET
};

/// The files of fuzz/<folder>/<target>/, sorted; none when it is missing.
std::vector<std::filesystem::path> FuzzReplayFiles(const char* folder, const char* target) {
  const std::filesystem::path dir = std::filesystem::path(KRV_FUZZ_DIR) / folder / target;
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(dir)) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      if (entry.is_regular_file()) {
        files.push_back(entry.path());
      }
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

class FuzzCorpusReplay : public ::testing::TestWithParam<FuzzReplayTarget> {};

// Every seed and every input that once failed runs through the target as the
// fuzzer would run it; a fault aborts (sanitizers, the targets' checks).
TEST_P(FuzzCorpusReplay, EverySeedAndRegressionInputRunsCleanly) {
  const FuzzReplayTarget target = GetParam();
  const std::vector<std::filesystem::path> seeds = FuzzReplayFiles("corpus", target.name);
  EXPECT_FALSE(seeds.empty()) << "no seed corpus for " << target.name;
  std::vector<std::filesystem::path> files = seeds;
  const std::vector<std::filesystem::path> regressions = FuzzReplayFiles("regressions", target.name);
  files.insert(files.end(), regressions.begin(), regressions.end());
  for (const std::filesystem::path& file : files) {
    SCOPED_TRACE(file.string());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(target.entry(bytes.data(), bytes.size()), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpusReplay, ::testing::ValuesIn(kFuzzReplayTargets),
                         [](const ::testing::TestParamInfo<FuzzReplayTarget>& info) { return info.param.name; });

}  // namespace
