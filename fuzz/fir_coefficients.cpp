// FIR coefficient files, read for a channel of the capacity the first byte
// picks (an input's 2048 taps, an output's 1024, or a small one).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "editors/fir/FirCoefficientFile.h"
#include "fuzz/support/FuzzCheck.h"

namespace {

constexpr int kFirFuzzCapacities[] = {2048, 1024, 16, 1};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const int capacity = kFirFuzzCapacities[data[0] % std::size(kFirFuzzCapacities)];
  std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  const FirCoefficientFile file = ReadFirCoefficientFile(in, capacity);
  KRV_FUZZ_CHECK("fir_coefficients", file.values.size() <= static_cast<std::size_t>(capacity) + 1);
  KRV_FUZZ_CHECK("fir_coefficients", file.refusal != nullptr || !file.values.empty());
  return 0;
}
