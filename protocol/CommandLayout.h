#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

/// How many leading payload bytes of a command name the parameter it sets:
/// the channel, then the band, input, pair or block where the command
/// carries one (1 for a channel gain, 2 for an equaliser band or a mix
/// level, 0 for a command of the whole unit). Two commands of one code that
/// agree in these bytes set the same parameter. nullopt for a code whose
/// layout names no parameter (requests, exchange steps): only the whole
/// payload tells two of them apart.
std::optional<std::size_t> ParameterAddressBytes(std::uint8_t code);
