#pragma once

#include <optional>

#include <QString>

#include "link/NetworkEndpoints.h"

/// Reads where units are reached from a text of "key=value" fields separated
/// by commas: `unit` (the unit address before any unit is found), `group`
/// (the probe's multicast group), both "a.b.c.d", and the ports `tcp`,
/// `frame` and `broadcast` (1-65535). Fields left out keep their defaults;
/// an unknown key or a bad value refuses the whole text. The program takes
/// it from KRV71_NETWORK_ENDPOINTS, so that a simulated unit on loopback can
/// stand in for the unit.
std::optional<NetworkEndpoints> ParseNetworkEndpoints(const QString& text);

/// The variable the program entry reads the endpoints from.
inline constexpr char kNetworkEndpointsVariable[] = "KRV71_NETWORK_ENDPOINTS";
