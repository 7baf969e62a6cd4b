// The Qt-free rules of the input/output screens, shared with the CSV import:
// the zones' limit order, a channel's slave cross-checks, deleting a slave with
// its channels, the slave paste veto, and the SLMP device table.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "checks/slave_checks.h"
#include "checks/slmp_devices.h"
#include "checks/zone_order.h"
#include "model/defaults.h"
#include "model/setting_data.h"

namespace tk48 {
namespace {

TEST(ZoneOrder, FirstRuleBrokenInOrder) {
  // Zone k runs from 20(k-1) to 20k; each case changes one limit.
  struct Case {
    int n;
    int zone;
    bool upper;
    double value;
    int message;
  };
  const Case cases[] = {
      {2, 2, false, 20, 0},   {2, 2, false, 19.999, 340}, {3, 3, false, 39, 341}, {3, 2, true, 20, 342},
      {4, 4, false, 59, 343}, {4, 3, true, 40, 344},      {5, 5, false, 79, 345}, {5, 4, true, 60, 346},
      // The highest zone has no upper limit, zone 1 no lower one; no zones, no order.
      {5, 5, true, -1, 0},    {2, 1, false, 99, 0},       {0, 2, false, -99, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.n) + "/" + std::to_string(c.zone));
    ZoneLimits z{};
    for (int k = 0; k < kAreaCount; ++k) {
      z.lower[k] = 20.0 * k;
      z.upper[k] = 20.0 * (k + 1);
    }
    (c.upper ? z.upper : z.lower)[c.zone - 1] = c.value;
    EXPECT_EQ(ZoneOrderMessage(z, c.n), c.message);
  }
}

class SlaveRules : public ::testing::Test {
 protected:
  SlaveRules() { ApplyDefaults(*record); }
  void Address(int slave, const char* text) { std::strcpy(nodes.NODE[slave], text); }
  std::unique_ptr<SettingData> record = NewSettingData();
  NodeConf& nodes = record->IO.NODE_CONF;
};

TEST_F(SlaveRules, ChannelCrossChecks) {
  Address(1, "10.0.0.1");
  nodes.SHAR_ID[3] = 1;  // 3 shares 1, has no address of its own
  Address(4, "10.0.0.4");
  nodes.NODE_TYPE[4] = kSlaveSlmp;
  struct Case {
    std::int32_t kind;
    int slave;
    int message;
  };
  const Case cases[] = {{kTypeModbusTcp, 3, 0},   {kTypeModbusTcp, 2, 290}, {kTypeSlmp, 3, 290},
                        {kTypeModbusTcp, 4, 305}, {kTypeSlmp, 1, 306},      {kTypeSlmp, 4, 0},
                        {kTypeModbusTcp, 32, 290}, {kTypeCard, 2, 0},       {kTypeNone, -1, 0}};
  for (const Case& c : cases) EXPECT_EQ(SlaveRefMessage(nodes, c.kind, c.slave), c.message) << c.kind << "/" << c.slave;
}

TEST_F(SlaveRules, DeletingASlaveDisablesItsChannelsAndThoseOfItsModbusSharersOnly) {
  IoSection& io = record->IO;
  nodes.SHAR_ID[5] = 3;                 // a Modbus/TCP sharer: goes along
  nodes.NODE_TYPE[6] = kSlaveSlmp;      // an SLMP slave's stale sharing: stays
  nodes.SHAR_ID[6] = 3;
  io.AO[0].TYPE = kTypeModbusTcp;
  io.AO[0].MOD_NODE = 3;
  io.DO[1].TYPE = kTypeSlmp;
  io.DO[1].MOD_NODE = 5;
  io.PI[2].TYPE = kTypeSlmp;
  io.PI[2].MOD_NODE = 6;
  io.DI[3].TYPE = kTypeCard;  // a local channel naming slave 3 by its stale MOD_NODE
  io.DI[3].MOD_NODE = 3;
  EXPECT_TRUE(HasChannelsOfDeleted(io, 3));
  EXPECT_TRUE(HasChannelsOn(io, 3, kTypeModbusTcp));
  EXPECT_FALSE(HasChannelsOn(io, 3, kTypeSlmp));
  const auto before = NewSettingData();
  *before = *record;
  DisableChannelsOfDeleted(io, 3);
  before->IO.AO[0].TYPE = kTypeNone;
  before->IO.DO[1].TYPE = kTypeNone;
  EXPECT_TRUE(SameRecord(*record, *before));
  EXPECT_FALSE(HasChannelsOfDeleted(io, 3));
}

TEST_F(SlaveRules, PasteVeto) {
  nodes.SHAR_ID[7] = 2;  // Modbus/TCP, sharing 2
  nodes.SHAR_ID[5] = 3;  // 3 is shared
  nodes.NODE_TYPE[11] = kSlaveSlmp;
  struct Case {
    int from;
    int to;
    bool refused;
  };
  const Case cases[] = {{7, 4, true}, {7, 9, false}, {11, 3, true}, {11, 4, false}, {2, 3, false}, {5, 8, false}};
  for (const Case& c : cases) EXPECT_EQ(PasteRefused(nodes, c.from, c.to), c.refused) << c.from << " onto " << c.to;
  CopySlave(nodes, 7, 9);
  EXPECT_EQ(nodes.SHAR_ID[9], 2);
}

TEST(SlmpDevices, CodesAndNumberBases) {
  const auto devices = SlmpWordDevices();
  ASSERT_EQ(devices.size(), 21u);
  struct Case {
    std::uint16_t code;
    int index;
    bool hex;
  };
  const Case cases[] = {{0x00A9, 0, false}, {0x00B4, 2, true},   {0x00CC, 7, false}, {0x00AF, 8, false},
                        {0x002C, 10, true}, {0x10A9, 11, false}, {0x10CC, 18, true}, {0x10AF, 19, true},
                        {0x10B0, 20, true}};
  for (const Case& c : cases) {
    const int i = SlmpDeviceIndex(devices, c.code);
    ASSERT_EQ(i, c.index) << c.code;
    EXPECT_EQ(devices[static_cast<std::size_t>(i)].hex, c.hex) << c.code;
  }
  EXPECT_EQ(SlmpDeviceIndex(devices, 0), -1);
  EXPECT_EQ(SlmpDeviceIndex(devices, 0x1234), -1);
}

}  // namespace
}  // namespace tk48
