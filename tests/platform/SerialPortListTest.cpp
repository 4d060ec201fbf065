#include "platform/io/SerialPortList.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// A tty of a fake sysfs tree: what its entry under class/tty holds.
struct FakeTty {
  std::string name;
  const char* driver = nullptr;  ///< the device's driver, none when null
  const char* type = nullptr;    ///< the UART type attribute, none when null
  const char* devName = nullptr; ///< DEVNAME of the uevent, none when null
  bool hasDevice = true;
};

/// Lays the ttys out as the kernel does: class/tty/<name> links to the
/// device's tty folder, whose `device` links to the device, whose `driver`
/// links to the driver.
void MakeSysfs(const std::filesystem::path& root, const std::vector<FakeTty>& ttys) {
  namespace fs = std::filesystem;
  fs::create_directories(root / "class" / "tty");
  for (const FakeTty& tty : ttys) {
    const fs::path device = root / "devices" / ("dev-" + tty.name);
    const fs::path folder = device / "tty" / tty.name;
    fs::create_directories(folder);
    fs::create_directory_symlink(folder, root / "class" / "tty" / tty.name);
    if (tty.hasDevice) {
      fs::create_directory_symlink(device, folder / "device");
    }
    if (tty.driver != nullptr) {
      const fs::path driver = root / "bus" / "drivers" / tty.driver;
      fs::create_directories(driver);
      fs::create_directory_symlink(driver, device / "driver");
    }
    if (tty.type != nullptr) {
      std::ofstream(folder / "type") << tty.type << '\n';
    }
    std::ofstream uevent(folder / "uevent");
    uevent << "MAJOR=4\nMINOR=64\n";
    if (tty.devName != nullptr) {
      uevent << "DEVNAME=" << tty.devName << '\n';
    }
  }
}

TEST(SerialPortList, ListUnder_takesTheTtysWithADriverAndAKnownUartFromSysfsAlone) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::filesystem::path root = folder.path().toStdString();
  MakeSysfs(root, {
                      {"ttyS0", "port", "4", "ttyS0"},           // a 16550A on the serial bus of newer kernels
                      {"ttyS1", "port", "0", "ttyS1"},           // a port without a chip
                      {"ttyS3", "serial8250", "4", "ttyS3"},     // the same on older kernels
                      {"ttyS2", "serial8250", "0", "ttyS2"},
                      {"ttyS12", "port", "bad", "ttyS12"},       // an odd type hides no port
                      {"ttyUSB0", "ftdi_sio", nullptr, "ttyUSB0"},
                      {"ttyACM1", "cdc_acm", nullptr, nullptr},  // no DEVNAME: the entry's own name
                      {"ttyAMA0", nullptr, "0", "ttyAMA0", true}, // a device without a driver
                      {"tty0", nullptr, nullptr, "tty0", false},  // virtual terminals, the console, ptmx
                      {"console", nullptr, nullptr, "console", false},
                      {"ptmx", nullptr, nullptr, "ptmx", false},
                  });
  // None of the listed device nodes exists: nothing was opened to decide.
  EXPECT_EQ(SerialPortList::ListUnder(root.string()),
            (std::vector<std::string>{"/dev/ttyACM1", "/dev/ttyS0", "/dev/ttyS3", "/dev/ttyS12", "/dev/ttyUSB0"}));
  EXPECT_TRUE(SerialPortList::ListUnder((root / "absent").string()).empty());
}

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
