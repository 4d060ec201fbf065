#include "platform/io/HostAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <mutex>
#include <utility>

namespace {

std::mutex& HookMutex() {
  static std::mutex mutex;
  return mutex;
}

HostAddresses::Hook& HostAddressesHook() {
  static HostAddresses::Hook hook;
  return hook;
}

std::vector<std::uint32_t> SystemList() {
  std::vector<std::uint32_t> addresses;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) {
    return addresses;
  }
  for (const ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
    if (it->ifa_addr == nullptr || it->ifa_addr->sa_family != AF_INET || (it->ifa_flags & IFF_UP) == 0 ||
        (it->ifa_flags & IFF_LOOPBACK) != 0) {
      continue;
    }
    addresses.push_back(ntohl(reinterpret_cast<const sockaddr_in*>(it->ifa_addr)->sin_addr.s_addr));
  }
  ::freeifaddrs(list);
  return addresses;
}

}  // namespace

std::vector<std::uint32_t> HostAddresses::List() {
  Hook hook;
  {
    std::scoped_lock lock(HookMutex());
    hook = HostAddressesHook();
  }
  return hook ? hook() : SystemList();
}

void HostAddresses::SetHook(Hook hook) {
  std::scoped_lock lock(HookMutex());
  HostAddressesHook() = std::move(hook);
}
