#pragma once

#include <cstdint>
#include <string>

/// 127.0.0.1, the one address the tests' sockets talk to.
inline constexpr std::uint32_t kLoopback = 0x7F000001;

/// Names of the network interfaces other than loopback that this process can
/// see; empty inside the test run's private network namespace.
std::string NonLoopbackInterfaces();

/// For tests that open sockets: fails the current test (and returns false)
/// unless the only network interface is loopback.
bool RequireLoopbackOnly();
