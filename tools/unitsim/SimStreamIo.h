#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class SimFrameAssembler;

/// Reads everything waiting on a non-blocking stream descriptor (pty master
/// or TCP connection) through `assembler`, appending the frames it completes
/// and counting the broken ones; false when the peer closed or the read failed.
bool ReadFrames(int fd, SimFrameAssembler& assembler, std::vector<std::vector<std::uint8_t>>& frames,
                std::size_t& rejected);

/// Writes all bytes to a non-blocking descriptor, waiting up to a second in
/// total for room; false when the descriptor failed or stayed full.
/// Never raises SIGPIPE on a socket.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size);
