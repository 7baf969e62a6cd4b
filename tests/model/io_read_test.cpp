// What the reader accepts for the IO section: ranges, value sets, references,
// the real-number fields, and element numbers out of range.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using testing::Element;
using testing::Outcome;

// A reference as one number: kind * 1000 + channel number.
double Code(const ChannelRef& r) { return r.kind * 1000.0 + r.no; }

struct Case {
  std::vector<Element> elements;  // read in this order; the last one is the element under test
  Outcome outcome;
  double (*get)(const SettingData&);
  double expected;  // the stored value, or the default that a refused value leaves
};

void Check(const Case& c) {
  const auto& [path, value] = c.elements.back();
  SCOPED_TRACE(std::string(path) + " = \"" + std::string(value) + "\"");
  const testing::Loaded l = testing::Read(c.elements);
  EXPECT_EQ(testing::OutcomeOf(l.result), c.outcome)
      << "got " << testing::ToString(testing::OutcomeOf(l.result)) << ", path " << l.result.path;
  if (c.outcome == Outcome::Invalid) {
    EXPECT_EQ(l.result.path, testing::ReportedPath(path));
  }
  if (c.outcome != Outcome::Fatal) {
    EXPECT_EQ(c.get(*l.record), c.expected);
  }
}

TEST(IoRead, SlaveNodes) {
  auto sharId5 = [](const SettingData& r) -> double { return r.IO.NODE_CONF.SHAR_ID[5]; };
  auto errOut31 = [](const SettingData& r) {
    return r.IO.NODE_CONF.ERROUT_KIND[31] * 1000.0 + r.IO.NODE_CONF.ERROUT_NO[31];
  };
  auto interval = [](const SettingData& r) -> double { return r.IO.NODE_CONF.INTERVAL; };
  const Case cases[] = {
      // SHAR_ID is a signed byte: -1 comes back as -1, not 255.
      {{{"IO.NODE_CONF.SHAR_ID5", "31"}, {"IO.NODE_CONF.SHAR_ID5", "-1"}}, Outcome::Stored, sharId5, -1},
      {{{"IO.NODE_CONF.SHAR_ID5", "-2"}}, Outcome::Invalid, sharId5, -1},
      {{{"IO.NODE_CONF.SHAR_ID5", "32"}}, Outcome::Invalid, sharId5, -1},
      {{{"IO.NODE_CONF.SHAR_ID32", "0"}}, Outcome::Unrecognised, sharId5, -1},
      {{{"IO.NODE_CONF.ERROUT31", "GDO32"}}, Outcome::Stored, errOut31, 3032},
      {{{"IO.NODE_CONF.ERROUT31", "MD256"}}, Outcome::Stored, errOut31, 1256},
      {{{"IO.NODE_CONF.ERROUT31", "GDO33"}}, Outcome::Invalid, errOut31, 0},
      {{{"IO.NODE_CONF.ERROUT31", "AI1"}}, Outcome::Invalid, errOut31, 0},
      {{{"IO.NODE_CONF.INTERVAL", "10000"}}, Outcome::Stored, interval, 10000},
      {{{"IO.NODE_CONF.INTERVAL", "99"}}, Outcome::Invalid, interval, 100},
      {{{"IO.NODE_CONF.INTERVAL", "10001"}}, Outcome::Invalid, interval, 100},
      {{{"IO.NODE_CONF.SLMP_SS0", "0"}}, Outcome::Invalid, [](const SettingData& r) -> double { return r.IO.NODE_CONF.SLMP_SS[0]; }, 255},
      {{{"IO.NODE_CONF.SLMP_TIMEOUT", "61"}}, Outcome::Invalid, [](const SettingData& r) -> double { return r.IO.NODE_CONF.SLMP_TIMEOUT; }, 1},
  };
  for (const Case& c : cases) Check(c);
}

TEST(IoRead, InputChannels) {
  auto aiMovingAverage = [](const SettingData& r) -> double { return r.IO.AI[2].MOVING_AVERAGE; };
  auto aiAddress = [](const SettingData& r) -> double { return r.IO.AI[2].MOD_ADDRESS; };
  auto piAddress = [](const SettingData& r) -> double { return r.IO.PI[2].MOD_ADDRESS; };
  auto ai12Point = [](const SettingData& r) -> double { return r.IO.AI[11].POINT; };
  auto aiPoint = [](const SettingData& r) -> double { return r.IO.AI[1].POINT; };
  auto aiCardNo = [](const SettingData& r) -> double { return r.IO.AI[1].CARD_NO; };
  auto aiUseAreas = [](const SettingData& r) -> double { return r.IO.AI[1].USE_AREAS; };
  auto aiType = [](const SettingData& r) -> double { return r.IO.AI[1].TYPE; };
  auto aiDevNo = [](const SettingData& r) -> double { return r.IO.AI[1].SLMP_DEV_NO; };
  auto diModType = [](const SettingData& r) -> double { return r.IO.DI[1].MOD_TYPE; };
  auto diDelay = [](const SettingData& r) -> double { return r.IO.DI[1].STATUS.ON.DELAY; };
  auto area5Gdo = [](const SettingData& r) -> double { return r.IO.AI[1].AREA[4].GDO_ON1; };
  auto piRate = [](const SettingData& r) -> double { return r.IO.PI[1].ANALOG_SUM.RATE; };
  const Case cases[] = {
      {{{"IO.AI.AI3.MOVING_AVERAGE", "12"}}, Outcome::Invalid, aiMovingAverage, 4},
      {{{"IO.AI.AI3.MOVING_AVERAGE", "16"}}, Outcome::Stored, aiMovingAverage, 16},
      {{{"IO.AI.AI3.MOD_ADDRESS", "65536"}}, Outcome::Stored, aiAddress, 65536},
      {{{"IO.AI.AI3.MOD_ADDRESS", "0"}}, Outcome::Invalid, aiAddress, 1},
      {{{"IO.PI.PI3.MOD_ADDRESS", "65535"}}, Outcome::Stored, piAddress, 65535},
      {{{"IO.PI.PI3.MOD_ADDRESS", "65536"}}, Outcome::Invalid, piAddress, 1},
      // Element numbers: leading zeros and the 0x form; 0 and 129 are not analog inputs.
      {{{"IO.AI.AI012.POINT", "1"}}, Outcome::Stored, ai12Point, 1},
      {{{"IO.AI.AI0x0C.POINT", "3"}}, Outcome::Stored, ai12Point, 3},
      {{{"IO.AI.AI0.POINT", "1"}}, Outcome::Unrecognised, ai12Point, 2},
      {{{"IO.AI.AI129.POINT", "1"}}, Outcome::Unrecognised, ai12Point, 2},
      // An empty number stores 0 where 0 is accepted.
      {{{"IO.AI.AI2.POINT", ""}}, Outcome::Stored, aiPoint, 0},
      {{{"IO.AI.AI2.CARD_NO", ""}}, Outcome::Invalid, aiCardNo, 1},
      {{{"IO.AI.AI2.POINT", "3rd"}}, Outcome::Stored, aiPoint, 3},
      {{{"IO.AI.AI2.POINT", "4"}}, Outcome::Invalid, aiPoint, 2},
      {{{"IO.AI.AI2.USE_AREAS", "5"}}, Outcome::Stored, aiUseAreas, 5},
      {{{"IO.AI.AI2.USE_AREAS", "1"}}, Outcome::Invalid, aiUseAreas, 0},
      {{{"IO.AI.AI2.USE_AREAS", "6"}}, Outcome::Invalid, aiUseAreas, 0},
      {{{"IO.AI.AI2.TYPE", "DEMO_PULSE"}}, Outcome::Stored, aiType, 7},
      {{{"IO.AI.AI2.TYPE", "card"}}, Outcome::Invalid, aiType, 0},
      {{{"IO.AI.AI2.SLMP_DEV_NO", "4294967295"}}, Outcome::Stored, aiDevNo, 4294967295.0},
      {{{"IO.DI.DI2.MOD_TYPE", "0"}}, Outcome::Stored, diModType, 0},
      {{{"IO.DI.DI2.MOD_TYPE", "2"}}, Outcome::Invalid, diModType, 1},
      {{{"IO.DI.DI2.STATUS.ON.DELAY", "999"}}, Outcome::Stored, diDelay, 999},
      {{{"IO.DI.DI2.STATUS.ON.DELAY", "1000"}}, Outcome::Invalid, diDelay, 0},
      {{{"IO.AI.AI2.AREA5.GDO_ON1", "0xFFFFFFFF"}}, Outcome::Stored, area5Gdo, 4294967295.0},
      {{{"IO.AI.AI2.AREA5.GDO_ON2", "1"}}, Outcome::Unrecognised, area5Gdo, 0},
      {{{"IO.AI.AI2.AREA6.GDO_ON1", "1"}}, Outcome::Unrecognised, area5Gdo, 0},
      {{{"IO.AI.AI2.AREA0.GDO_ON1", "1"}}, Outcome::Unrecognised, area5Gdo, 0},
      {{{"IO.PI.PI2.ANALOG_SUM.RATE", "0"}}, Outcome::Stored, piRate, 0},
      {{{"IO.PI.PI2.ANALOG_SUM.RATE", "10001"}}, Outcome::Invalid, piRate, 10000},
  };
  for (const Case& c : cases) Check(c);
}

// WIDTH.LOW and WIDTH.HIGH go through the real-number conversion: fractions are
// dropped, and a value outside 0..4294967295 fails the whole read.
TEST(IoRead, PulseWidthIsReadAsARealNumber) {
  auto low = [](const SettingData& r) -> double { return r.IO.PI[1].WIDTH.LOW; };
  auto high = [](const SettingData& r) -> double { return r.IO.PI[1].WIDTH.HIGH; };
  const Case cases[] = {
      {{{"IO.PI.PI2.WIDTH.LOW", "1.9"}}, Outcome::Stored, low, 1},
      {{{"IO.PI.PI2.WIDTH.LOW", "0"}}, Outcome::Stored, low, 0},
      {{{"IO.PI.PI2.WIDTH.LOW", "1e3"}}, Outcome::Stored, low, 1000},
      {{{"IO.PI.PI2.WIDTH.HIGH", "4294967295"}}, Outcome::Stored, high, 4294967295.0},
      {{{"IO.PI.PI2.WIDTH.LOW", "-1"}}, Outcome::Fatal, low, 0},
      {{{"IO.PI.PI2.WIDTH.HIGH", "4294967295.5"}}, Outcome::Fatal, high, 0},  // tested before the fraction goes
  };
  for (const Case& c : cases) Check(c);
}

TEST(IoRead, FunctionRegisters) {
  auto x3 = [](const SettingData& r) { return Code(r.IO.MA[1].INPUT.X[3]); };
  auto x0 = [](const SettingData& r) { return Code(r.IO.MA[1].INPUT.X[0]); };
  auto maType = [](const SettingData& r) -> double { return r.IO.MA[1].TYPE; };
  auto mdInput1 = [](const SettingData& r) { return Code(r.IO.MD[3].INPUT1); };
  auto mdCont = [](const SettingData& r) { return Code(r.IO.MD[3].INPUT_CONT.CH); };
  auto mdCn = [](const SettingData& r) -> double { return r.IO.MD[3].INPUT_CONT.CN; };
  auto mdK1 = [](const SettingData& r) -> double { return r.IO.MD[3].CONST.K1; };
  const Case cases[] = {
      {{{"IO.MA.MA2.INPUT.X3", "PI128"}}, Outcome::Stored, x3, 2128},
      {{{"IO.MA.MA2.INPUT.X3", "PI129"}}, Outcome::Invalid, x3, 1},
      {{{"IO.MA.MA2.INPUT.X3", "NONE"}}, Outcome::Invalid, x3, 1},  // every input names a channel
      {{{"IO.MA.MA2.INPUT.X0", "MA256"}}, Outcome::Stored, x0, 3256},
      {{{"IO.MA.MA2.INPUT.X0", "MA256"}, {"IO.MA.MA2.INPUT.X0", "AI7"}}, Outcome::Stored, x0, 7},
      {{{"IO.MA.MA2.INPUT.X8", "AI2"}}, Outcome::Unrecognised, x0, 1},
      {{{"IO.MA.MA2.TYPE", "LIMIT"}}, Outcome::Stored, maType, 16},
      {{{"IO.MA.MA2.TYPE", "LIMITS"}}, Outcome::Invalid, maType, 0},
      {{{"IO.MD.MD4.INPUT1", "MD256"}}, Outcome::Stored, mdInput1, 1256},
      {{{"IO.MD.MD4.INPUT1", "NONE"}}, Outcome::Invalid, mdInput1, 1},
      {{{"IO.MD.MD4.INPUT1", "DI257"}}, Outcome::Invalid, mdInput1, 1},
      {{{"IO.MD.MD4.INPUT_CONT.CH", "DI256"}}, Outcome::Stored, mdCont, 256},
      {{{"IO.MD.MD4.INPUT_CONT.CN", "17"}}, Outcome::Invalid, mdCn, 0},
      {{{"IO.MD.MD4.CONST.K1", "999"}}, Outcome::Stored, mdK1, 999},
      {{{"IO.MD.MD4.CONST.K0", "1"}}, Outcome::Unrecognised, mdK1, 0},
  };
  for (const Case& c : cases) Check(c);
}

TEST(IoRead, Outputs) {
  auto aoInit = [](const SettingData& r) -> double { return r.IO.AO[1].INIT; };
  auto bit0 = [](const SettingData& r) { return Code(r.IO.AO[1].IO_MAPPING.BIT[0]); };
  auto bit15 = [](const SettingData& r) { return Code(r.IO.AO[1].IO_MAPPING.BIT[15]); };
  auto analog = [](const SettingData& r) { return Code(r.IO.AO[1].IO_MAPPING.ANALOG); };
  auto aoModType = [](const SettingData& r) -> double { return r.IO.AO[1].MOD_TYPE; };
  auto doModType = [](const SettingData& r) -> double { return r.IO.DO[1].MOD_TYPE; };
  auto doMapping = [](const SettingData& r) { return Code(r.IO.DO[1].IO_MAPPING); };
  auto gdoCh32 = [](const SettingData& r) { return Code(r.IO.GDO[1].CH[31]); };
  auto gdoCh1 = [](const SettingData& r) { return Code(r.IO.GDO[1].CH[0]); };
  const Case cases[] = {
      // INIT keeps the low 16 bits of any 32-bit integer.
      {{{"IO.AO.AO2.INIT", "70000"}}, Outcome::Stored, aoInit, 4464},
      {{{"IO.AO.AO2.INIT", "-70000"}}, Outcome::Stored, aoInit, -4464},
      {{{"IO.AO.AO2.INIT", "-32768"}}, Outcome::Stored, aoInit, -32768},
      // LOW and HIGH carry no number: number 0 is stored.
      {{{"IO.AO.AO2.IO_MAPPING.BIT0", "HIGH"}}, Outcome::Stored, bit0, 1000},
      {{{"IO.AO.AO2.IO_MAPPING.BIT0", "DI9"}, {"IO.AO.AO2.IO_MAPPING.BIT0", "LOW"}}, Outcome::Stored, bit0, 0},
      {{{"IO.AO.AO2.IO_MAPPING.BIT15", "MD256"}}, Outcome::Stored, bit15, 3256},
      {{{"IO.AO.AO2.IO_MAPPING.BIT0", "HIGH1"}}, Outcome::Invalid, bit0, 1},
      // A family the bit mapping does not take is refused like any other reference.
      {{{"IO.AO.AO2.IO_MAPPING.BIT0", "AI3"}}, Outcome::Invalid, bit0, 1},
      {{{"IO.AO.AO2.IO_MAPPING.BIT16", "HIGH"}}, Outcome::Unrecognised, bit0, 1},
      {{{"IO.AO.AO2.IO_MAPPING.ANALOG", "MA256"}}, Outcome::Stored, analog, 1256},
      {{{"IO.AO.AO2.IO_MAPPING.ANALOG", "DI1"}}, Outcome::Invalid, analog, 1},
      {{{"IO.AO.AO2.MOD_TYPE", "4"}}, Outcome::Stored, aoModType, 4},
      {{{"IO.AO.AO2.MOD_TYPE", "3"}}, Outcome::Invalid, aoModType, 4},
      {{{"IO.DO.DO2.MOD_TYPE", "0"}}, Outcome::Stored, doModType, 0},
      {{{"IO.DO.DO2.MOD_TYPE", "1"}}, Outcome::Invalid, doModType, 0},  // coils only
      {{{"IO.DO.DO2.IO_MAPPING", "MD256"}}, Outcome::Stored, doMapping, 2256},
      {{{"IO.DO.DO2.IO_MAPPING", "DO1"}}, Outcome::Invalid, doMapping, 0},
      {{{"IO.GDO.GDO2.CH32", "DO128"}}, Outcome::Stored, gdoCh32, 1128},
      {{{"IO.GDO.GDO2.CH32", "GDO1"}}, Outcome::Invalid, gdoCh32, 0},
      {{{"IO.GDO.GDO2.CH0", "DO1"}}, Outcome::Unrecognised, gdoCh1, 0},
      {{{"IO.GDO.GDO2.CH33", "DO1"}}, Outcome::Unrecognised, gdoCh1, 0},
  };
  for (const Case& c : cases) Check(c);
}

// Reals take at most 16 characters; the four-decimal WEB_SCALE takes 17.
TEST(IoRead, RealTextLength) {
  auto aoScale = [](const SettingData& r) { return r.IO.AO[1].WEB_SCALE; };
  auto aiScale = [](const SettingData& r) { return r.IO.AI[1].SCALE; };
  const Case cases[] = {
      {{{"IO.AO.AO2.WEB_SCALE", "1234567.123456789"}}, Outcome::Stored, aoScale, 1234567.123456789},
      {{{"IO.AO.AO2.WEB_SCALE", "12345678.123456789"}}, Outcome::Fatal, aoScale, 0},
      {{{"IO.AI.AI2.SCALE", "12345678.1234567"}}, Outcome::Stored, aiScale, 12345678.1234567},
      {{{"IO.AI.AI2.SCALE", "123456789.1234567"}}, Outcome::Fatal, aiScale, 0},
  };
  for (const Case& c : cases) Check(c);
}

}  // namespace
}  // namespace tk48
