#include "tests/support/NetworkConfinement.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <set>

#include <gtest/gtest.h>

std::string NonLoopbackInterfaces() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) {
    return "(getifaddrs failed)";
  }
  std::set<std::string> names;
  for (const ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
    if ((it->ifa_flags & IFF_LOOPBACK) == 0) {
      names.insert(it->ifa_name);
    }
  }
  freeifaddrs(list);
  std::string joined;
  for (const std::string& name : names) {
    joined += (joined.empty() ? "" : ", ") + name;
  }
  return joined;
}

bool RequireLoopbackOnly() {
  const std::string others = NonLoopbackInterfaces();
  EXPECT_EQ(others, "") << "tests that open sockets must run inside the private network "
                           "namespace of scripts/test.sh (only loopback)";
  return others.empty();
}
