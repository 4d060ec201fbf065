#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "tests/support/NetworkConfinement.h"

namespace {

// Connecting a UDP socket only picks a route; no packet leaves the host.
int ConnectUdp(const char* address, int& error) {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(9);
  inet_pton(AF_INET, address, &to.sin_addr);
  const int rc = connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to);
  error = rc == 0 ? 0 : errno;
  close(fd);
  return rc;
}

}  // namespace

TEST(NetworkConfinement, onlyLoopbackExists) { EXPECT_TRUE(RequireLoopbackOnly()); }

TEST(NetworkConfinement, addressesBeyondLoopbackAreUnreachable) {
  int error = 0;
  EXPECT_NE(ConnectUdp("192.0.2.1", error), 0);
  EXPECT_EQ(error, ENETUNREACH);
}

TEST(NetworkConfinement, loopbackAndDiscoveryMulticastAreRouted) {
  int error = 0;
  EXPECT_EQ(ConnectUdp("127.0.0.1", error), 0) << error;
  EXPECT_EQ(ConnectUdp("127.0.0.255", error), 0) << error;
  EXPECT_EQ(ConnectUdp("239.254.50.123", error), 0) << error;
}
