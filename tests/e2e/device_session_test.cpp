// Several gets and puts on one connection against tk48sim, on both
// transports: one status check and one login, the status at hand before the
// first put, a refused get that leaves the session serving.
#include <gtest/gtest.h>

#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48 {
namespace {

using namespace test;
using Texts = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

TEST(DeviceSession, SeveralTransfersOnOneConnection) {
  TransferSim sim({"--sd", "--logging"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    DeviceOperation op(sim, t);
    op.ui.logins.push_back(Credentials{"nobody", "wrong"});  // a second prompt would take this one
    DeviceSession session(op.ctx);
    EXPECT_FALSE(session.Get("MAC", 6));  // nothing before Connect
    ASSERT_TRUE(session.Connect()) << ::testing::PrintToString(op.ui.Texts());
    EXPECT_EQ(session.status().model, 0x3E);
    EXPECT_TRUE(session.status().sdCard());
    EXPECT_TRUE(session.status().logging());

    EXPECT_EQ(session.Get("MAC", 6), (Bytes{0x00, 0x1B, 0x48, 0x47, 0x00, 0x01}));
    EXPECT_FALSE(session.Get("NO_SUCH_FILE", 16));  // refused; the connection serves on
    op.ui.messages.clear();
    const std::uint8_t page = t == Transport::Usb ? 3 : 4;
    EXPECT_TRUE(session.Put("TREND", {&page, 1}, 21));
    const auto mac = session.Get("MAC", 6);
    EXPECT_TRUE(mac && mac->size() == 6);
    EXPECT_EQ(op.ui.Texts(), Texts{});
    EXPECT_EQ(op.ui.logins.size(), t == Transport::Usb ? 2u : 1u);  // one login for the whole session
    EXPECT_EQ(ReadAll((sim.StateDir() / "TREND").string()), std::string(1, static_cast<char>(page)));

    session.Close();
    EXPECT_FALSE(session.Put("TREND", {&page, 1}, 21));
  }
}

TEST(DeviceSession, AFailedConnectLeavesNothingOpen) {
  TransferSim sim({"--status-length", "5", "--net-model", "7"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    DeviceOperation op(sim, t);
    DeviceSession session(op.ctx);
    EXPECT_FALSE(session.Connect());
    EXPECT_FALSE(session.connected());
    EXPECT_EQ(op.ui.messages.size(), 1u);
    EXPECT_FALSE(session.Get("MAC", 6));
    EXPECT_EQ(op.ui.messages.size(), 1u);
  }
}

}  // namespace
}  // namespace tk48
