// The direct network screens against tk48sim: the screens' download, the
// "Network" screen's upload over USB, and a second download that shows it.
#include <cstring>

#include "editors/network/CDlgBaseIpAddress.h"
#include "editors/network/CDlgBaseTk48cfg.h"
#include "tests/e2e/transfer_sim.h"
#include "tests/editors/editor_fixture.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using testing::Defaults;

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
    ASSERT_TRUE(DownloadForAccessScreens(*record, op.ctx)) << op.ui.Last();
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

TEST(DirectNetworkSim, RemoteScreenAddsAnAccountThatThenLogsInOverTheNetwork) {
  test::TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  auto record = Defaults();
  {
    test::DeviceOperation op(sim, test::Transport::Usb);
    ASSERT_TRUE(DownloadForAccessScreens(*record, op.ctx)) << op.ui.Last();
    CDlgBaseTk48cfg screen(nullptr, *record, op.ctx);
    test::ShowActive(screen);
    test::Pick(screen.netMode, 1);
    test::Pick(screen.accounts[3].mode, 1);
    screen.accounts[3].login->setText("field");
    screen.accounts[3].password->setText("pw-4");
    op.ui.answers = {Answer::Ok, Answer::Ok};  // the weak-account question (ID1 is blank), the confirmation
    test::Click(screen.uploadButton);
    ASSERT_EQ(screen.result(), QDialog::Accepted) << op.ui.Last();
  }
  // The device now lets the new account in over the network, and hands it back.
  test::DeviceOperation op(sim, test::Transport::Net);
  op.ui.logins = {Credentials{"field", "pw-4"}};
  auto again = Defaults();
  ASSERT_TRUE(DownloadForAccessScreens(*again, op.ctx)) << op.ui.Last();
  EXPECT_EQ(op.ui.loginPrompts, 1);
  EXPECT_EQ(again->TK48GCFG.NET, 1);
  EXPECT_EQ(again->TK48GCFG.AUTH[3].MODE, 1);
  EXPECT_STREQ(again->TK48GCFG.AUTH[3].LOGIN, "field");
  EXPECT_STREQ(again->TK48GCFG.AUTH[3].PASSWORD, "pw-4");
}

}  // namespace
}  // namespace tk48
