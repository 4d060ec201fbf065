#pragma once

#include <chrono>
#include <cstdint>
#include <netinet/in.h>
#include <vector>

#include "tools/unitsim/UnitSim.h"

/// Where a command came from, so that its reply goes back the same way.
struct UnitSim::Origin {
  SimLink link = SimLink::Pty;
  int connectionId = 0;  ///< TCP connection
  int udpFd = -1;        ///< UDP socket that received it
  sockaddr_in peer{};    ///< UDP sender
};

/// A reply (or a piece of one) waiting for its time.
struct UnitSim::PendingWrite {
  std::chrono::steady_clock::time_point due;
  Origin origin;
  std::vector<std::uint8_t> bytes;
  std::size_t replies = 0;  ///< replies this write completes
};
