#pragma once

#include <string>

/// Names of the network interfaces other than loopback that this process can
/// see; empty inside the test run's private network namespace.
std::string NonLoopbackInterfaces();

/// For tests that open sockets: fails the current test (and returns false)
/// unless the only network interface is loopback.
bool RequireLoopbackOnly();
