#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <sys/types.h>

/// Writes all bytes to a non-blocking descriptor with `put` (write, send
/// ...), waiting for room with poll(); gives up (false) when `wakeFd`
/// becomes readable, after `limitMs` without progress, or on an error. Any
/// thread; the caller keeps the descriptors open meanwhile.
using PutBytes = ssize_t (*)(int fd, const std::uint8_t* bytes, std::size_t count);
bool WriteUntilWoken(int fd, std::span<const std::uint8_t> bytes, int wakeFd, int limitMs, PutBytes put);
