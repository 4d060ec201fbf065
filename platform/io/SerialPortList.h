#pragma once

#include <functional>
#include <string>
#include <vector>

/// The serial ports of the system, by device path, found in sysfs without
/// opening any port (opening one raises the modem lines of whatever hangs
/// on it). A port the user may not open is listed all the same: the link
/// attempt then says so. GUI thread only. Tests install a hook that answers
/// instead of the system, or read a sysfs tree of their own.
namespace SerialPortList {

using Hook = std::function<std::vector<std::string>()>;

/// The ports of the system's sysfs (ListUnder("/sys")), or the hook's list,
/// in PortNameLess order.
std::vector<std::string> List();

/// The ports described in the sysfs tree at `sysfsRoot`, in PortNameLess
/// order: "/dev/" + the device name of every entry of class/tty whose
/// device has a driver, except those whose UART type is 0 (the ports
/// serial drivers register for chips that are not there).
std::vector<std::string> ListUnder(const std::string& sysfsRoot);

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

/// Orders names by the text before their trailing digits, then by the
/// number those digits form (a name without one first), so that
/// /dev/ttyS2 < /dev/ttyS10 < /dev/ttyUSB0.
bool PortNameLess(const std::string& a, const std::string& b);

}  // namespace SerialPortList
