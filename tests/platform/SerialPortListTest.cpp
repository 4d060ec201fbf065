#include "platform/io/SerialPortList.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(SerialPortList, List_ordersByPrefixThenTrailingNumber) {
  SerialPortList::SetHook([] {
    return std::vector<std::string>{"/dev/ttyS10", "/dev/ttyUSB0", "/dev/ttyS3", "/dev/ttyS4",
                                    "/dev/ttyACM1", "/dev/ttyS2", "/dev/ttyX"};
  });
  const std::vector<std::string> ports = SerialPortList::List();
  SerialPortList::SetHook({});
  EXPECT_EQ(ports, (std::vector<std::string>{"/dev/ttyACM1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4",
                                             "/dev/ttyS10", "/dev/ttyUSB0", "/dev/ttyX"}));
}

TEST(SerialPortList, PortNameLess_isAStrictOrderForOddNames) {
  EXPECT_TRUE(SerialPortList::PortNameLess("/dev/ttyS2", "/dev/ttyS10"));
  EXPECT_FALSE(SerialPortList::PortNameLess("/dev/ttyS10", "/dev/ttyS2"));
  EXPECT_TRUE(SerialPortList::PortNameLess("/dev/ttyS01", "/dev/ttyS1"));
  EXPECT_FALSE(SerialPortList::PortNameLess("/dev/ttyS1", "/dev/ttyS01"));
  EXPECT_FALSE(SerialPortList::PortNameLess("/dev/ttyS1", "/dev/ttyS1"));
  // A number too long for its value still orders, by text.
  EXPECT_TRUE(SerialPortList::PortNameLess("/dev/pty99999999999999999998", "/dev/pty99999999999999999999"));
}

}  // namespace
