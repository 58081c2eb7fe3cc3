// Port numbers for device paths, and opening a device exclusively.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/port_table.h"
#include "platform/pseudo_terminal.h"
#include "platform/serial_device.h"
#include "support/temp_dir.h"

namespace hl::test {
namespace {

TEST(PortTable, GivesACharacterDeviceOneNumberForGoodAndRefusesOtherPaths) {
  PseudoTerminal pty;
  const auto number = portNumberOf(pty.devicePath());
  ASSERT_TRUE(number.has_value());
  EXPECT_GE(*number, 1u);
  EXPECT_EQ(portNumberOf(pty.devicePath()), number);
  EXPECT_EQ(portPathOf(*number), pty.devicePath());
  TempDir dir;
  dir.write("plain", "x");
  EXPECT_FALSE(portNumberOf(dir.file("plain")).has_value()) << "a plain file is no port";
  EXPECT_FALSE(portNumberOf("/no/such/device").has_value());
  EXPECT_FALSE(portNumberOf("没串口").has_value());
  EXPECT_EQ(portPathOf(0), "");
  EXPECT_EQ(portPathOf(kMaxPortNumber), "");
}

TEST(SerialDevice, OpensExclusivelyAndSaysWhyNot) {
  PseudoTerminal pty;
  SerialDevice first, second;
  ASSERT_TRUE(first.open(pty.devicePath()));
  EXPECT_FALSE(second.open(pty.devicePath()));
  EXPECT_EQ(lastSerialError(), EBUSY);
  EXPECT_NE(serialErrorText(EBUSY).find("another program"), std::string::npos);
  EXPECT_NE(serialErrorText(EACCES).find("dialout"), std::string::npos);
  EXPECT_TRUE(first.close());
  EXPECT_TRUE(second.open(pty.devicePath())) << "free again once closed";
  TempDir dir;
  dir.write("plain", "x");
  SerialDevice plain;
  EXPECT_FALSE(plain.open(dir.file("plain")));
  EXPECT_EQ(lastSerialError(), ENODEV);
}

}  // namespace
}  // namespace hl::test
