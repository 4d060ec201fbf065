#pragma once

#include <functional>
#include <string>
#include <vector>

/// The serial ports of the system, by device path. GUI thread only. Tests
/// install a hook that answers instead of the system, so that no test looks
/// at (or opens) the machine's real ports.
namespace SerialPortList {

using Hook = std::function<std::vector<std::string>()>;

/// Every serial port (tty devices backed by hardware, without the phantom
/// ports the 8250 driver registers for absent chips), or the hook's list,
/// in PortNameLess order.
std::vector<std::string> List();

/// Installs (or, with an empty hook, removes) the answering hook.
void SetHook(Hook hook);

/// Orders names by the text before their trailing digits, then by the
/// number those digits form (a name without one first), so that
/// /dev/ttyS2 < /dev/ttyS10 < /dev/ttyUSB0.
bool PortNameLess(const std::string& a, const std::string& b);

}  // namespace SerialPortList
