// The output rules: two channels writing the same point (by the key of their
// kind), and the holders a mapped output may not have.
#include <gtest/gtest.h>

#include <memory>

#include "checks/output_checks.h"
#include "model/defaults.h"

namespace tk48 {
namespace {

TEST(OutputPoints, SameKeyOfTheSameKindOnly) {
  const OutputPoint module{1, 3, 2, 0, 0, 0, 0, 0};
  const OutputPoint modbus{2, 0, 0, 5, 4, 100, 0, 0};
  const OutputPoint slmp{3, 0, 0, 5, 0, 0, 0x00B4, 26};
  struct Case {
    const char* what;
    OutputPoint a, b;
    bool same;
  };
  auto with = [](OutputPoint p, auto change) {
    change(p);
    return p;
  };
  const Case cases[] = {
      {"module", module, with(module, [](auto& p) { p.node = 9; p.address = 7; }), true},
      {"module channel", module, with(module, [](auto& p) { p.cardCh = 3; }), false},
      {"modbus", modbus, with(modbus, [](auto& p) { p.cardNo = 9; p.code = 1; }), true},
      {"modbus slave", modbus, with(modbus, [](auto& p) { p.node = 6; }), false},
      {"modbus register type", modbus, with(modbus, [](auto& p) { p.modType = 3; }), false},
      {"slmp", slmp, with(slmp, [](auto& p) { p.address = 3; }), true},
      {"slmp device", slmp, with(slmp, [](auto& p) { p.code = 0x10B4; }), false},
      {"slmp number", slmp, with(slmp, [](auto& p) { p.number = 27; }), false},
      {"other kind", module, with(module, [](auto& p) { p.type = 2; }), false},
      {"not in use", with(module, [](auto& p) { p.type = 0; }), with(module, [](auto& p) { p.type = 0; }), false},
  };
  for (const Case& c : cases) EXPECT_EQ(SamePoint(c.a, c.b), c.same) << c.what;
}

TEST(OutputPoints, FirstPairAndFirstOther) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  DoCh (&dos)[kDoCount] = record->IO.DO;
  EXPECT_EQ(FirstDuplicatePair(std::span<const DoCh>(dos)).first, -1);
  for (int i : {4, 9, 2, 7}) {
    dos[i].TYPE = 1;
    dos[i].CARD_NO = i % 2 + 1;
    dos[i].CARD_CH = 1;
  }
  // 4 and 2 share module 1, 9 and 7 module 2: the pair with the lowest first.
  const DuplicatePair pair = FirstDuplicatePair(std::span<const DoCh>(dos));
  EXPECT_EQ(pair.first, 2);
  EXPECT_EQ(pair.second, 4);
  EXPECT_EQ(FirstDuplicateOf(std::span<const DoCh>(dos), 9, PointOf(dos[9])), 7);
  EXPECT_EQ(FirstDuplicateOf(std::span<const DoCh>(dos), 2, PointOf(dos[2])), 4);
}

TEST(OutputHolders, PatternsAndMembersByTheirOwnKinds) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  record->SCHEDULE.PATTERN[63].OUT[7].CH = {2, 5};  // GDO5
  EXPECT_TRUE(PatternsName(record->SCHEDULE, OutputFamily::Gdo, 4));
  EXPECT_FALSE(PatternsName(record->SCHEDULE, OutputFamily::Do, 4));
  record->IO.GDO[6].CH[31] = {1, 5};  // DO5, in a disabled GDO
  record->IO.GDO[9].CH[0] = {1, 5};
  EXPECT_EQ(FirstGdoHoldingDo(record->IO, 4), 6);
  EXPECT_EQ(FirstGdoHoldingDo(record->IO, 3), -1);
  record->IO.GDO[2].CH[3] = {2, 10};  // MD10
  EXPECT_TRUE(SlotsHoldMd(record->IO.GDO[2].CH, 9));
  EXPECT_FALSE(SlotsHoldMd(record->IO.GDO[6].CH, 4));
  // A mapping whose MD the list cannot show (a stored number beyond 1 to 256)
  // names no MD: a member slot numbered 0 is not it.
  record->IO.GDO[2].CH[4] = {2, 0};
  EXPECT_FALSE(SlotsHoldMd(record->IO.GDO[2].CH, -1));
}

}  // namespace
}  // namespace tk48
