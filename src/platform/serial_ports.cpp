#include "platform/serial_ports.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace hl {
namespace {

namespace fs = std::filesystem;

// A serial-core port reports its UART type; 0 means no UART is present.
bool isPlaceholderUart(const fs::path& ttyDir) {
  std::ifstream type(ttyDir / "type");
  int value = -1;
  return type >> value && value == 0;
}

}  // namespace

std::vector<std::string> listSerialPorts(const std::string& sysRoot, const std::string& devRoot) {
  std::vector<std::string> ports;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(sysRoot, ec)) {
    const fs::path dir = entry.path();
    if (!fs::exists(dir / "device", ec)) continue;  // virtual consoles and pseudo-terminals have no device
    if (isPlaceholderUart(dir)) continue;
    ports.push_back((fs::path(devRoot) / dir.filename()).string());
  }
  std::sort(ports.begin(), ports.end());
  return ports;
}

}  // namespace hl
