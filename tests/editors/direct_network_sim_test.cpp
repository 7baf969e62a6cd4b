// The direct network screens against tk48sim: the screens' download, the
// "Network" screen's upload over USB, and a second download that shows it.
#include <cstring>

#include "editors/CDlgBaseIpAddress.h"
#include "editors/CDlgBaseTk48cfg.h"
#include "tests/e2e/transfer_sim.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

constexpr char kRefused[] =
    "Cannot edit: The setting data from the device does not hold its network access and IP address settings.";

std::unique_ptr<SettingData> Defaults() {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  return record;
}

TEST(DirectNetworkSim, OverTheNetworkTheScreensOpenOnTheDevicesBlocksButStayDisabled) {
  test::TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  test::DeviceOperation op(sim, test::Transport::Net);
  auto record = Defaults();
  ASSERT_TRUE(DownloadForAccessScreens(*record, op.ctx)) << op.ui.Last();
  CDlgBaseTk48cfg remote(nullptr, *record, op.ctx);
  EXPECT_EQ(remote.port->text(), "30341");
  EXPECT_FALSE(remote.port->isEnabled());
  EXPECT_FALSE(remote.uploadButton->isEnabled());
  CDlgBaseIpAddress network(nullptr, *record, op.ctx);
  EXPECT_EQ(network.address[0]->Address(), "192.168.0.1");
  EXPECT_FALSE(network.address[0]->isEnabled());
  EXPECT_FALSE(network.uploadButton->isEnabled());
}

TEST(DirectNetworkSim, NetworkScreenChangesTheDevicesAddressOverUsb) {
  test::TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  auto record = Defaults();
  {
    test::DeviceOperation op(sim, test::Transport::Usb);
    if (!DownloadForAccessScreens(*record, op.ctx)) {
      ASSERT_EQ(op.ui.Last(), kRefused);
      GTEST_SKIP() << "tk48sim leaves the device-access and network address blocks out of \"CONFIG_P\" on "
                      "its serial side, so the screens refuse to open over USB rather than upload defaults";
    }
  }
  ASSERT_STRNE(record->COM.TCP_IP.IP_ADDRESS.MY, "192.168.5.77");
  {
    test::DeviceOperation op(sim, test::Transport::Usb);
    CDlgBaseIpAddress screen(nullptr, *record, op.ctx);
    test::ShowActive(screen);
    screen.address[0]->SetAddress("192.168.5.77");
    test::Click(screen.uploadButton);  // "Are you sure to upload?" answered OK
    ASSERT_EQ(screen.result(), QDialog::Accepted) << op.ui.Last();
  }
  auto again = Defaults();
  test::DeviceOperation op(sim, test::Transport::Usb);
  ASSERT_TRUE(DownloadForAccessScreens(*again, op.ctx)) << op.ui.Last();
  EXPECT_STREQ(again->COM.TCP_IP.IP_ADDRESS.MY, "192.168.5.77");
  // Only the address changed: the accounts came back as they were.
  EXPECT_EQ(std::memcmp(&again->TK48GCFG, &record->TK48GCFG, sizeof(AccessBlock)), 0);
}

}  // namespace
}  // namespace tk48
