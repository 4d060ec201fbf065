#pragma once

#include <cstdint>
#include <functional>
#include <vector>

/// The IPv4 addresses of this host's interfaces that are up, loopback
/// excluded, in the order the system lists them; first octet in bits 24-31.
/// Tests install a hook that answers instead of the system.
namespace HostAddresses {

using Hook = std::function<std::vector<std::uint32_t>()>;

std::vector<std::uint32_t> List();

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

}  // namespace HostAddresses
