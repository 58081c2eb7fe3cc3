#pragma once
// The serial ports of this machine, as device paths ("/dev/ttyUSB0").
#include <string>
#include <vector>

namespace hl {

// Real serial devices only: ttys backed by a device (USB adapters, on-board
// UARTs that exist), not the placeholder UART slots the kernel reserves nor
// virtual consoles. Sorted by name. sysRoot and devRoot let tests supply a
// fake tree.
std::vector<std::string> listSerialPorts(const std::string& sysRoot = "/sys/class/tty",
                                         const std::string& devRoot = "/dev");

}  // namespace hl
