#pragma once

#include <cstdint>

/// The largest picture a decoder accepts, in pixels (a quarter of a gigabyte
/// at 32 bits): far above any picture the program shows. A file declaring
/// more is refused before anything is allocated for it.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 26;
