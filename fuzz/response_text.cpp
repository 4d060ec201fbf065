// Measurement and target text files as the FIR designer reads them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "firdesign/ResponseRecords.h"
#include "fuzz/support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<ResponseRecords> records =
      ParseResponseText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (records) {
    KRV_FUZZ_CHECK("response_text", records->Count() >= 2);
    KRV_FUZZ_CHECK("response_text", records->magnitude.size() == records->frequency.size() &&
                                        records->phase.size() == records->frequency.size());
  }
  return 0;
}
