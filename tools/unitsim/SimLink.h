#pragma once

#include <cstdint>

/// The links over which the simulated unit is reached.
enum class SimLink : std::uint8_t { Pty = 0, Tcp = 1, Udp = 2, Hid = 3 };
