// The IO section as the writer puts it into the file: element order, numbered
// names, defaults and line forms, checked item by item against text built from
// the field tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "model/defaults.h"
#include "model/setting_data.h"
#include "model/writer.h"
#include "tests/model/io_text.h"

namespace tk48 {
namespace {

using testing::ItemText;
using testing::Lines;

const std::string kZero = "0x00000000";

std::string N(const char* stem, int n) { return stem + std::to_string(n); }

std::string F3(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  return buf;
}

// Alarm area k as a new configuration writes it.
void DefaultArea(Lines& l, int k) {
  const std::string name = N("NAME", k);
  l.Open(N("AREA", k))
      .Field("LEVEL_UPPER", F3(20.0 * k))
      .Field("LEVEL_LOWER", F3(20.0 * (k - 1)))
      .Field("AREA_NAME", name)
      .Field("AREA_COLOR", kZero);
  for (const char* side : {"UPPER", "LOWER"})
    l.Open(side).Field("EVENT_LOG", "USE").Field("MESSAGE", name).Field("EVENT_NO", "1").Fields("MAIL", 1, 4, kZero).Close(side);
  l.Fields("MD_ON", 1, 8, kZero)
      .Fields("DO_ON", 1, 4, kZero)
      .Field("GDO_ON1", kZero)
      .Fields("RESET_PI", 1, 4, kZero)
      .Fields("RESET_MA", 1, 8, kZero)
      .Close(N("AREA", k));
}

void DefaultAreas(Lines& l) {
  for (int k = 5; k >= 1; --k) DefaultArea(l, k);
}

void DefaultStatus(Lines& l) {
  l.Open("STATUS");
  for (const char* side : {"ON", "OFF"})
    l.Open(side)
        .Field("DISP_STRING", side)
        .Field("DISP_COLOR", kZero)
        .Field("EVENT_LOG", "USE")
        .Field("EVENT_NO", "1")
        .Field("MESSAGE", side)
        .Fields("MAIL", 1, 4, kZero)
        .Fields("RESET_PI", 1, 4, kZero)
        .Fields("RESET_MA", 1, 8, kZero)
        .Field("DELAY", "0")
        .Close(side);
  l.Close("STATUS");
}

void DefaultOutputStatus(Lines& l) {
  l.Open("STATUS");
  for (const char* side : {"ON", "OFF"}) l.Open(side).Field("DISP_STRING", side).Field("DISP_COLOR", kZero).Close(side);
  l.Close("STATUS");
}

// CARD_NO..SLMP_DEV_NO with their defaults.
void DefaultPoint(Lines& l, const char* modType) {
  l.Field("CARD_NO", "1")
      .Field("CARD_CH", "1")
      .Field("MOD_NODE", "0")
      .Field("MOD_TYPE", modType)
      .Field("MOD_ADDRESS", "1")
      .Field("SLMP_DEV_CODE", "0")
      .Field("SLMP_DEV_NO", "0");
}

std::string DefaultNodeConf() {
  Lines l;
  l.Open("NODE_CONF");
  for (int i = 0; i < 32; ++i) l.Field(N("NODE", i), "");
  l.Fields("NODE_TYPE", 0, 31, "MODBUS_TCP")
      .Fields("DEV_ID", 0, 31, "0")
      .Fields("SHAR_ID", 0, 31, "-1")
      .Fields("PORT", 0, 31, "502")
      .Fields("ERROUT", 0, 31, "NONE")
      .Field("INTERVAL", "100")
      .Field("TIMEOUT", "1")
      .Field("TRANSACTION", "USE")
      .Fields("SLMP_NO", 0, 31, "0")
      .Fields("SLMP_SS", 0, 31, "255")
      .Fields("SLMP_CPU", 0, 31, "1023")
      .Fields("SLMP_DROP", 0, 31, "0")
      .Field("SLMP_TIMEOUT", "1")
      .Close("NODE_CONF");
  return l.text;
}

std::string DefaultAi(int n) {
  Lines l;
  l.Open(N("AI", n)).Field("TYPE", "NONE");
  DefaultPoint(l, "3");
  l.Field("TIME_TYPE", "MON")
      .Field("NAME", N("AI", n))
      .Field("COMMENT", N("AI", n))
      .Field("AI_DATA_TYPE", "PERCENT")
      .Field("FILTER", "NONE")
      .Field("MOVING_AVERAGE", "4")
      .Field("T", "0")
      .Field("SCALE_100", "100.000")
      .Field("SCALE_0", "0.000")
      .Field("SCALE", "0.010")
      .Field("POINT", "2")
      .Field("UNIT", "%")
      .Field("USE_AREAS", "0");
  DefaultAreas(l);
  return l.Close(N("AI", n)).text;
}

std::string DefaultDi(int n) {
  Lines l;
  l.Open(N("DI", n)).Field("TYPE", "NONE");
  DefaultPoint(l, "1");
  l.Field("AI_CH", "1").Field("AI_BIT", "0").Field("NAME", N("DI", n)).Field("COMMENT", N("DI", n)).Field("INVERT", "INVALID");
  DefaultStatus(l);
  return l.Close(N("DI", n)).text;
}

std::string DefaultPi(int n) {
  Lines l;
  l.Open(N("PI", n))
      .Field("TYPE", "NONE")
      .Field("CARD_NO", "1")
      .Field("CARD_CH", "1")
      .Field("MOD_NODE", "0")
      .Field("MOD_TYPE", "3")
      .Field("MOD_ADDRESS", "1")
      .Field("SWAP", "ACTIVE")
      .Field("SLMP_DEV_CODE", "0")
      .Field("SLMP_DEV_NO", "0")
      .Field("SLMP_SW", "INVALID")
      .Field("DI_CH", "1")
      .Field("NAME", N("PI", n))
      .Field("COMMENT", N("PI", n))
      .Field("FILTER", "NONE")
      .Field("MOVING_AVERAGE", "4")
      .Field("T", "0")
      .Field("SCALE", "1.000")
      .Field("POINT", "0")
      .Field("UNIT", "count")
      .Field("MODE", "SUM")
      .Field("RNG", "NOUSE")
      .Field("MODE_TCP", "SUM")
      .Field("MODE_DI", "ON")
      .Open("WIDTH").Field("LOW", "1").Field("HIGH", "100000000").Close("WIDTH")
      .Open("ANALOG_SUM")
      .Field("TARGET_CH", "1").Field("RATE", "10000").Field("UNIT", "MIN").Field("DROPOUT", "0")
      .Close("ANALOG_SUM")
      .Open("BINARY_SUM").Field("TARGET_CH", "1").Close("BINARY_SUM")
      .Field("USE_AREAS", "0");
  DefaultAreas(l);
  return l.Close(N("PI", n)).text;
}

std::string DefaultMa(int n) {
  Lines l;
  l.Open(N("MA", n))
      .Field("TYPE", "NONE")
      .Open("CONST").Fields("K", 0, 7, "0.000").Fields("A", 0, 7, "0.000").Close("CONST")
      .Open("INPUT").Fields("X", 0, 7, "AI1").Close("INPUT")
      .Field("NAME", N("MA", n))
      .Field("COMMENT", N("MA", n))
      .Field("WEB", "USE")
      .Field("WEB_LOWER", "0.000")
      .Field("WEB_UPPER", "100.000")
      .Field("POINT", "0")
      .Field("UNIT", "%")
      .Field("INIT", "0.000")
      .Field("BACKUP", "NOUSE")
      .Field("USE_AREAS", "0");
  DefaultAreas(l);
  return l.Close(N("MA", n)).text;
}

std::string DefaultMd(int n) {
  Lines l;
  l.Open(N("MD", n))
      .Field("TYPE", "NONE")
      .Field("NAME", N("MD", n))
      .Field("COMMENT", N("MD", n))
      .Field("INPUT1", "DI1")
      .Field("INPUT2", "DI1")
      .Open("CONST").Field("K1", "0").Close("CONST")
      .Open("INPUT_CONT").Field("CH", "DI1").Field("CN", "0").Close("INPUT_CONT")
      .Field("WEB", "USE")
      .Field("BACKUP", "NOUSE");
  DefaultStatus(l);
  return l.Close(N("MD", n)).text;
}

std::string DefaultAo(int n) {
  Lines l;
  l.Open(N("AO", n)).Field("TYPE", "NONE");
  DefaultPoint(l, "4");
  l.Field("NAME", N("AO", n))
      .Field("COMMENT", N("AO", n))
      .Field("WEB", "USE")
      .Field("WEB_LOWER", "0.000")
      .Field("WEB_UPPER", "100.000")
      .Field("WEB_SCALE", "0.0100")
      .Field("WEB_POINT", "2")
      .Field("UNIT", "%")
      .Field("INIT", "0")
      .Open("IO_MAPPING").Field("MODE", "NONE").Field("ANALOG", "AI1").Fields("BIT", 0, 15, "LOW").Close("IO_MAPPING");
  return l.Close(N("AO", n)).text;
}

std::string DefaultDo(int n) {
  Lines l;
  l.Open(N("DO", n)).Field("TYPE", "NONE");
  DefaultPoint(l, "0");
  l.Field("NAME", N("DO", n)).Field("COMMENT", N("DO", n));
  DefaultOutputStatus(l);
  l.Field("INVERT", "INVALID").Field("IO_MAPPING", "NONE").Field("WEB", "USE");
  return l.Close(N("DO", n)).text;
}

std::string DefaultGdo(int n) {
  Lines l;
  l.Open(N("GDO", n)).Field("NAME", N("GDO", n)).Field("COMMENT", N("GDO", n)).Field("MODE", "NOUSE");
  DefaultOutputStatus(l);
  l.Fields("CH", 1, 32, "NONE").Field("IO_MAPPING", "NONE").Field("WEB", "USE");
  return l.Close(N("GDO", n)).text;
}

class IoWriteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto r = NewSettingData();
    ApplyDefaults(*r);
    text_ = new std::string(ConfigurationText(*r));
  }
  static void TearDownTestSuite() {
    delete text_;
    text_ = nullptr;
  }
  static std::string* text_;
};
std::string* IoWriteTest::text_ = nullptr;

TEST_F(IoWriteTest, SlaveNodesAreGroupedByFieldWithTheSingleFieldsBetweenTheGroups) {
  EXPECT_EQ(ItemText(*text_, "IO", "NODE_CONF"), DefaultNodeConf());
}

// The first and the last item of each family, with every field in file order
// and every default; the last item also proves the item stride.
TEST_F(IoWriteTest, EveryChannelFamilyIsWrittenInFileOrderWithItsDefaults) {
  struct Case {
    const char* family;
    int last;
    std::function<std::string(int)> expected;
  };
  const Case cases[] = {
      {"AI", 128, DefaultAi}, {"DI", 256, DefaultDi}, {"PI", 128, DefaultPi}, {"MA", 256, DefaultMa},
      {"MD", 256, DefaultMd}, {"AO", 64, DefaultAo},  {"DO", 128, DefaultDo}, {"GDO", 32, DefaultGdo},
  };
  for (const Case& c : cases) {
    for (int n : {1, c.last}) {
      SCOPED_TRACE(N(c.family, n));
      EXPECT_EQ(ItemText(*text_, c.family, N(c.family, n)), c.expected(n));
    }
    EXPECT_EQ(ItemText(*text_, c.family, N(c.family, c.last + 1)), "") << c.family << " has no item past " << c.last;
  }
}

TEST_F(IoWriteTest, AlarmAreasStartWithTheUpperLimitOfAreaFive) {
  const std::string ai = ItemText(*text_, "AI", "AI1");
  const std::size_t areas = ai.find("<AREA");
  ASSERT_NE(areas, std::string::npos);
  EXPECT_TRUE(ai.substr(areas).starts_with("<AREA5>\r\n<LEVEL_UPPER>100.000</LEVEL_UPPER>\r\n<LEVEL_LOWER>80.000</"))
      << ai.substr(areas, 80);
  EXPECT_LT(ai.find("<AREA2>"), ai.find("<AREA1>"));
}

// Values other than the defaults through the line form of their kind.
TEST(IoWriteForms, ValuesUseTheLineFormOfTheirKind) {
  struct Case {
    const char* what;
    std::function<void(IoSection&)> set;
    const char* family;
    const char* item;
    const char* line;
  };
  const Case cases[] = {
      {"u32 %u above INT32_MAX", [](IoSection& io) { io.AI[1].SLMP_DEV_NO = 0xFFFFFFFFu; }, "AI", "AI2",
       "<SLMP_DEV_NO>4294967295</SLMP_DEV_NO>"},
      {"u32 read as a real", [](IoSection& io) { io.PI[0].WIDTH.HIGH = 0xFFFFFFFFu; }, "PI", "PI1",
       "<HIGH>4294967295</HIGH>"},
      {"s16 negative", [](IoSection& io) { io.AO[63].INIT = -32768; }, "AO", "AO64", "<INIT>-32768</INIT>"},
      {"u16 above INT16_MAX", [](IoSection& io) { io.NODE_CONF.SLMP_CPU[31] = 65535; }, "IO", "NODE_CONF",
       "<SLMP_CPU31>65535</SLMP_CPU31>"},
      {"four decimals", [](IoSection& io) { io.AO[0].WEB_SCALE = -2000; }, "AO", "AO1",
       "<WEB_SCALE>-2000.0000</WEB_SCALE>"},
      {"three decimals", [](IoSection& io) { io.AI[0].SCALE = -2000; }, "AI", "AI1", "<SCALE>-2000.000</SCALE>"},
      {"colour", [](IoSection& io) { io.AI[0].AREA[0].AREA_COLOR = 0x00FF0000; }, "AI", "AI1",
       "<AREA_COLOR>0x00FF0000</AREA_COLOR>"},
      {"bit word", [](IoSection& io) { io.MA[0].AREA[4].RESET_MA[7] = 0xFFFFFFFFu; }, "MA", "MA1",
       "<RESET_MA8>0xFFFFFFFF</RESET_MA8>"},
      {"reference with number", [](IoSection& io) { io.NODE_CONF.ERROUT_KIND[7] = 2, io.NODE_CONF.ERROUT_NO[7] = 128; },
       "IO", "NODE_CONF", "<ERROUT7>DO128</ERROUT7>"},
      {"NONE hides its number", [](IoSection& io) { io.NODE_CONF.ERROUT_NO[8] = 5; }, "IO", "NODE_CONF",
       "<ERROUT8>NONE</ERROUT8>"},
      {"kind 0 of a list without NONE has a number", [](IoSection& io) { io.MA[0].INPUT.X[3] = {0, 12}; }, "MA",
       "MA1", "<X3>AI12</X3>"},
      {"last family of a list", [](IoSection& io) { io.MA[0].INPUT.X[7] = {3, 256}; }, "MA", "MA1", "<X7>MA256</X7>"},
      {"HIGH without number", [](IoSection& io) { io.AO[0].IO_MAPPING.BIT[0] = {1, 0}; }, "AO", "AO1",
       "<BIT0>HIGH</BIT0>"},
      {"LOW hides its number", [](IoSection& io) { io.AO[0].IO_MAPPING.BIT[1] = {0, 7}; }, "AO", "AO1",
       "<BIT1>LOW</BIT1>"},
      {"bit from an MD", [](IoSection& io) { io.AO[0].IO_MAPPING.BIT[15] = {3, 256}; }, "AO", "AO1",
       "<BIT15>MD256</BIT15>"},
      {"group member", [](IoSection& io) { io.GDO[31].CH[31] = {1, 128}; }, "GDO", "GDO32", "<CH32>DO128</CH32>"},
      {"group member NONE", [](IoSection& io) { io.GDO[0].CH[0] = {0, 9}; }, "GDO", "GDO1", "<CH1>NONE</CH1>"},
      {"keyword", [](IoSection& io) { io.MA[0].TYPE = 16; }, "MA", "MA1", "<TYPE>LIMIT</TYPE>"},
      {"status texts", [](IoSection& io) { std::snprintf(io.MD[0].STATUS.OFF.MESSAGE, 97, "pump <off>"); }, "MD",
       "MD1", "<MESSAGE>pump #Loff#G</MESSAGE>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto r = NewSettingData();
    ApplyDefaults(*r);
    c.set(r->IO);
    const std::string item = ItemText(ConfigurationText(*r), c.family, c.item);
    EXPECT_NE(item.find(std::string(c.line) + "\r\n"), std::string::npos) << item.substr(0, 2000);
  }
}

}  // namespace
}  // namespace tk48
