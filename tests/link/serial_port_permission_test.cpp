// A serial port refused for lack of permission: the message goes on, after
// the configurator's own, to name the device and the group that owns it;
// every other failure to open keeps the message as it was.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include "link/port_access.h"
#include "link/serial_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/link/serial_peer.h"
#include "tests/link/unprivileged.h"

namespace tk48 {
namespace {

TEST(SerialPortPermission, AnUnreadableDeviceNamesItsPathAndGroup) {
  test::PtyPeer peer;
  ASSERT_FALSE(peer.SlavePath().empty());
  const std::string group = test::LockDevice(peer.SlavePath());
  const auto run = test::RunUnprivileged([&] {
    SerialPort port;
    if (port.Open(peer.SlavePath())) return 3;
    std::fputs(CannotOpenPortText(4, peer.SlavePath(), port.openError()).c_str(), stdout);
    return port.openError() == EACCES ? 0 : 4;
  });
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "Cannot open COM port 4\n\n" + peer.SlavePath() +
                            ": permission denied.\nTo open it your user must be in the group \"" + group +
                            "\" that owns the device: sudo usermod -aG " + group + " $USER, then log out and in again.");
}

TEST(SerialPortPermission, OtherFailuresKeepTheMessage) {
  const std::string plain = FormatText(text::kCannotOpenComPort, 2);
  SerialPort port;
  EXPECT_FALSE(port.Open("/nonexistent/ttyTK48"));
  EXPECT_EQ(port.openError(), ENOENT);
  EXPECT_EQ(CannotOpenPortText(2, "/nonexistent/ttyTK48", port.openError()), plain);
  EXPECT_EQ(CannotOpenPortText(2, std::nullopt, EACCES), plain);  // a COM number with no device
  // A port that opens but is no terminal fails on its settings, not on the open.
  EXPECT_FALSE(port.Open("/dev/null"));
  EXPECT_EQ(port.openError(), 0);
  EXPECT_EQ(CannotOpenPortText(2, "/dev/null", port.openError()), plain);
  // A later successful open clears the error.
  test::PtyPeer peer;
  EXPECT_FALSE(port.Open("/nonexistent/ttyTK48"));
  ASSERT_TRUE(port.Open(peer.SlavePath()));
  EXPECT_EQ(port.openError(), 0);
}

}  // namespace
}  // namespace tk48
