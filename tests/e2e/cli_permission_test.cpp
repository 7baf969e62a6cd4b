// tk48gcfg-cli on a serial device the user may not open: the configurator's
// message, then the device path and the group to join, on stderr.
#include <gtest/gtest.h>

#include <unistd.h>

#include "link/port_access.h"
#include "tests/link/serial_peer.h"
#include "tests/link/unprivileged.h"

namespace tk48 {
namespace {

TEST(CliPermission, AnUnreadableDeviceNamesItsPathAndGroup) {
  test::PtyPeer peer;
  ASSERT_FALSE(peer.SlavePath().empty());
  const std::string group = test::LockDevice(peer.SlavePath());
  const std::string program = std::string(TK48_BIN_DIR) + "/tk48gcfg-cli";
  const auto run = test::RunUnprivileged([&] {
    execl(program.c_str(), program.c_str(), "status", "--usb", peer.SlavePath().c_str(), nullptr);
    return 126;
  });
  EXPECT_EQ(run.status, 1);
  const std::string expected = CannotOpenPortText(1, peer.SlavePath(), EACCES) + "\n";
  EXPECT_EQ(run.output, expected);
  EXPECT_NE(run.output.find(peer.SlavePath() + ": permission denied."), std::string::npos);
  EXPECT_NE(run.output.find("\"" + group + "\""), std::string::npos);
}

}  // namespace
}  // namespace tk48
