#pragma once

#include <cstddef>
#include <cstdint>

/// Writes all bytes to a non-blocking descriptor, waiting up to a second in
/// total for room; false when the descriptor failed or stayed full.
/// Never raises SIGPIPE on a socket.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size);
