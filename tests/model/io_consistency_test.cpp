// The cross-field rules checked after a read: alarm areas, pulse counter
// windows, scales, and outputs that would drive the same point.
#include <gtest/gtest.h>

#include <functional>

#include "model/defaults.h"
#include "model/reader.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using Change = std::function<void(IoSection&)>;

struct Case {
  const char* what;
  Change change;
  bool consistent;
};

void CheckAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    auto r = testing::Defaults();
    c.change(r->IO);
    EXPECT_EQ(CheckConsistency(*r), c.consistent) << c.what;
  }
}

// Areas 1..n of one channel: area k spans lower[k-1] to upper[k-1].
template <class Ch>
void SetAreas(Ch& ch, int useAreas, std::initializer_list<std::pair<double, double>> limits) {
  ch.USE_AREAS = static_cast<std::int16_t>(useAreas);
  int k = 0;
  for (auto [lower, upper] : limits) {
    ch.AREA[k].LEVEL_LOWER = lower;
    ch.AREA[k].LEVEL_UPPER = upper;
    ++k;
  }
}

TEST(IoConsistency, DefaultsPass) { EXPECT_TRUE(CheckConsistency(*testing::Defaults())); }

TEST(IoConsistency, AlarmAreasFollowEachOther) {
  CheckAll({
      {"all five default areas in use", [](IoSection& io) { io.AI[0].TYPE = kTypeCard, io.AI[0].USE_AREAS = 5; }, true},
      {"area 2 starts below the end of area 1",
       [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 2, {{0, 20}, {19.999, 40}}); }, false},
      {"area 2 starts where area 1 ends",
       [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 2, {{0, 20}, {20, 40}}); }, true},
      {"an analog input not in use is not checked",
       [](IoSection& io) { SetAreas(io.AI[0], 2, {{0, 20}, {10, 40}}); }, true},
      {"areas past USE_AREAS are not checked",
       [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 2, {{0, 20}, {20, 40}, {0, 1}}); }, true},
      {"no areas in use", [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 0, {{50, 20}, {0, 1}}); }, true},
      {"a middle area must not be empty",
       [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 3, {{0, 20}, {20, 20}, {40, 60}}); }, false},
      {"the last area may be empty",
       [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 3, {{0, 20}, {20, 40}, {40, 40}}); }, true},
      {"the first area may be reversed",
       [](IoSection& io) { io.AI[0].TYPE = kTypeCard, SetAreas(io.AI[0], 2, {{30, 10}, {10, 40}}); }, true},
      {"last analog input, area 5",
       [](IoSection& io) { io.AI[127].TYPE = kTypeSlmp, io.AI[127].USE_AREAS = 5, io.AI[127].AREA[4].LEVEL_LOWER = 79; }, false},
      {"pulse input in use",
       [](IoSection& io) { io.PI[127].TYPE = 8, io.PI[127].USE_AREAS = 4, io.PI[127].AREA[3].LEVEL_LOWER = 59; }, false},
      {"pulse input not in use", [](IoSection& io) { io.PI[127].USE_AREAS = 4, io.PI[127].AREA[3].LEVEL_LOWER = 59; }, true},
      {"function registers are checked whatever their TYPE",
       [](IoSection& io) { SetAreas(io.MA[255], 2, {{0, 20}, {19, 40}}); }, false},
  });
}

TEST(IoConsistency, ModbusPulseCounterNeedsAWindow) {
  auto counter = [](std::uint32_t low, std::uint32_t high, std::int32_t type = kTypeModbusTcp, std::int32_t mode = 0) {
    return [=](IoSection& io) {
      io.PI[5].TYPE = type;
      io.PI[5].MODE_TCP = mode;
      io.PI[5].WIDTH = {low, high};
    };
  };
  CheckAll({
      {"LOW below HIGH", counter(1, 2), true},
      {"LOW equal to HIGH", counter(5, 5), false},
      {"LOW above HIGH", counter(6, 5), false},
      {"compared unsigned", counter(1, 0xFFFFFFFFu), true},
      {"compared unsigned, reversed", counter(0xFFFFFFFFu, 1), false},
      {"MODE_TCP REAL", counter(6, 5, kTypeModbusTcp, 1), true},
      {"TYPE SLMP", counter(6, 5, kTypeSlmp), true},
  });
}

TEST(IoConsistency, ScaledInputsNeedANonZeroScale) {
  CheckAll({
      {"integer analog input in use",
       [](IoSection& io) { io.AI[9].TYPE = kTypeCard, io.AI[9].AI_DATA_TYPE = kAiDataInt, io.AI[9].SCALE = 0; }, false},
      {"negative zero", [](IoSection& io) { io.AI[9].TYPE = kTypeCard, io.AI[9].AI_DATA_TYPE = kAiDataInt, io.AI[9].SCALE = -0.0; },
       false},
      {"percent analog input", [](IoSection& io) { io.AI[9].TYPE = kTypeCard, io.AI[9].SCALE = 0; }, true},
      {"integer analog input not in use", [](IoSection& io) { io.AI[9].AI_DATA_TYPE = kAiDataInt, io.AI[9].SCALE = 0; }, true},
      {"pulse input in use", [](IoSection& io) { io.PI[9].TYPE = kTypeCard, io.PI[9].SCALE = 0; }, false},
      {"pulse input not in use", [](IoSection& io) { io.PI[9].SCALE = 0; }, true},
  });
}

// Point addressing of an output; the fields a TYPE does not use stay as given.
template <class Ch>
void Card(Ch& ch, int no, int channel) {
  ch.TYPE = kTypeCard;
  ch.CARD_NO = static_cast<std::int16_t>(no);
  ch.CARD_CH = static_cast<std::int16_t>(channel);
}
template <class Ch>
void Modbus(Ch& ch, int node, std::uint8_t type, std::uint32_t address) {
  ch.TYPE = kTypeModbusTcp;
  ch.MOD_NODE = static_cast<std::int16_t>(node);
  ch.MOD_TYPE = type;
  ch.MOD_ADDRESS = address;
}
template <class Ch>
void Slmp(Ch& ch, int node, std::uint16_t code, std::uint32_t no) {
  ch.TYPE = kTypeSlmp;
  ch.MOD_NODE = static_cast<std::int16_t>(node);
  ch.SLMP_DEV_CODE = code;
  ch.SLMP_DEV_NO = no;
}

TEST(IoConsistency, NoTwoOutputsDriveTheSamePoint) {
  CheckAll({
      {"DO card 2 channel 5 twice", [](IoSection& io) { Card(io.DO[0], 2, 5), Card(io.DO[127], 2, 5); }, false},
      {"DO card 2 channels 5 and 6", [](IoSection& io) { Card(io.DO[0], 2, 5), Card(io.DO[1], 2, 6); }, true},
      {"DO cards 2 and 3 channel 5", [](IoSection& io) { Card(io.DO[0], 2, 5), Card(io.DO[1], 3, 5); }, true},
      {"card items ignore their Modbus fields",
       [](IoSection& io) { Card(io.DO[0], 2, 5), Card(io.DO[1], 2, 5), io.DO[1].MOD_ADDRESS = 99, io.DO[1].SLMP_DEV_NO = 7; },
       false},
      {"same card fields, different TYPE",
       [](IoSection& io) { Card(io.DO[0], 2, 5), Card(io.DO[1], 2, 5), io.DO[1].TYPE = kTypeModbusTcp, io.DO[1].MOD_ADDRESS = 9; },
       true},
      {"DO Modbus point twice",
       [](IoSection& io) { Modbus(io.DO[3], 4, 0, 100), Modbus(io.DO[4], 4, 0, 100), io.DO[4].CARD_NO = 9; }, false},
      {"DO Modbus addresses differ", [](IoSection& io) { Modbus(io.DO[3], 4, 0, 100), Modbus(io.DO[4], 4, 0, 101); }, true},
      {"DO Modbus nodes differ", [](IoSection& io) { Modbus(io.DO[3], 4, 0, 100), Modbus(io.DO[4], 5, 0, 100); }, true},
      {"DO SLMP point twice",
       [](IoSection& io) { Slmp(io.DO[6], 1, 0x9C, 7), Slmp(io.DO[7], 1, 0x9C, 7), io.DO[7].MOD_ADDRESS = 3; }, false},
      {"DO SLMP device numbers differ", [](IoSection& io) { Slmp(io.DO[6], 1, 0x9C, 7), Slmp(io.DO[7], 1, 0x9C, 8); }, true},
      {"DO SLMP device codes differ", [](IoSection& io) { Slmp(io.DO[6], 1, 0x9C, 7), Slmp(io.DO[7], 1, 0x9D, 7); }, true},
      {"AO card 1 channel 4 twice", [](IoSection& io) { Card(io.AO[0], 1, 4), Card(io.AO[63], 1, 4); }, false},
      {"AO Modbus point twice", [](IoSection& io) { Modbus(io.AO[10], 0, 4, 1), Modbus(io.AO[20], 0, 4, 1); }, false},
      {"AO SLMP point twice", [](IoSection& io) { Slmp(io.AO[10], 0, 0xA8, 0), Slmp(io.AO[20], 0, 0xA8, 0); }, false},
      {"an AO and a DO on the same card channel", [](IoSection& io) { Card(io.AO[0], 1, 1), Card(io.DO[0], 1, 1); }, true},
  });
}

TEST(IoConsistency, ServerPortsDiffer) {
  auto r = testing::Defaults();
  r->COM.FTP.PORT = r->COM.WEB.PORT;
  EXPECT_FALSE(CheckConsistency(*r));
}

// A broken rule fails the whole read, not just the field.
TEST(IoConsistency, AReadThatBreaksARuleIsFatal) {
  const testing::Loaded twoOutputs = testing::Read({{"IO.DO.DO1.TYPE", "CARD"},
                                                    {"IO.DO.DO1.CARD_NO", "2"},
                                                    {"IO.DO.DO1.CARD_CH", "5"},
                                                    {"IO.DO.DO2.TYPE", "CARD"},
                                                    {"IO.DO.DO2.CARD_NO", "2"},
                                                    {"IO.DO.DO2.CARD_CH", "5"}});
  EXPECT_EQ(testing::OutcomeOf(twoOutputs.result), testing::Outcome::Fatal);

  const testing::Loaded overlap = testing::Read({{"IO.AI.AI1.TYPE", "CARD"},
                                                 {"IO.AI.AI1.USE_AREAS", "2"},
                                                 {"IO.AI.AI1.AREA2.LEVEL_LOWER", "10.000"}});
  EXPECT_EQ(testing::OutcomeOf(overlap.result), testing::Outcome::Fatal);

  const testing::Loaded fine = testing::Read({{"IO.DO.DO1.TYPE", "CARD"}, {"IO.DO.DO2.TYPE", "CARD"}, {"IO.DO.DO2.CARD_CH", "2"}});
  EXPECT_EQ(testing::OutcomeOf(fine.result), testing::Outcome::Stored);
}

}  // namespace
}  // namespace tk48
