// Which ttys count as serial ports.
#include <gtest/gtest.h>

#include "platform/serial_ports.h"
#include "support/temp_dir.h"

namespace hl::test {
namespace {

TEST(SerialPorts, ListsRealDevicesOnlySortedByName) {
  TempDir sys;
  sys.write("ttyUSB0/device/uevent", "");
  sys.write("ttyACM1/device/uevent", "");
  sys.write("ttyS0/device/uevent", "");
  sys.write("ttyS0/type", "4\n");   // a UART is present
  sys.write("ttyS1/device/uevent", "");
  sys.write("ttyS1/type", "0\n");   // a reserved slot without a UART
  sys.write("tty1/uevent", "");     // a virtual console: no device
  sys.write("ptmx/uevent", "");
  EXPECT_EQ(listSerialPorts(sys.path().string(), "/dev"),
            (std::vector<std::string>{"/dev/ttyACM1", "/dev/ttyS0", "/dev/ttyUSB0"}));
}

TEST(SerialPorts, NoTreeMeansNoPorts) {
  EXPECT_TRUE(listSerialPorts("/nonexistent/tty", "/dev").empty());
}

}  // namespace
}  // namespace hl::test
