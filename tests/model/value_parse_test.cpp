// The reader's value rules on their own: integers, reals, references.
#include <gtest/gtest.h>

#include <cmath>

#include "model/text_codec.h"
#include "model/value_parse.h"

namespace tk48 {
namespace {

TEST(TextCut, NeverSplitsACharacter) {
  const struct {
    std::string_view text;
    std::size_t room, length;
  } cases[] = {
      {"abc", 5, 3},
      {"abc", 2, 2},
      {"a\xC3\xA9", 2, 1},           // two-byte character cut after its lead byte
      {"a\xC3\xA9", 3, 3},
      {"a\xE6\x97\xA5" "b", 2, 1},     // three-byte character, one or two of its bytes left
      {"a\xE6\x97\xA5" "b", 3, 1},
      {"a\xE6\x97\xA5" "b", 4, 4},
      {"\xE6\x97\xA5\xE6\x97\xA5", 5, 3},
      {"\xE6\x97\xA5", 0, 0},
      {"\x80\x80\x80\x80x", 4, 4},  // no lead byte in reach: not UTF-8, cut where asked
  };
  for (const auto& c : cases) EXPECT_EQ(WholeCharacterCut(c.text, c.room), c.length) << c.text << " " << c.room;
}

TEST(ValueParse, Integers) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"0", 0},          {"12", 12},         {"-12", -12},         {"007", 7},
      {"0x0C", 12},      {"0XfF", 255},      {"0x", 0},            {"0xFFFFFFFF", -1},
      {"12abc", 12},     {"abc", 0},         {"", 0},              {"-", 0},
      {"--5", 0},        {"0-5", -5},        {"5-3", 5},           {"2147483648", INT32_MIN},
      {"4294967296", 0}, {"99999999999", 1215752191}, {"+5", 0},   {"0x1_0", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt32(c.text), c.value) << c.text;
}

TEST(ValueParse, RealsLikeStrtod) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1.5", 1.5},   {"  -2.25", -2.25}, {"+3", 3},     {"1e3", 1000}, {"1.9x", 1.9},
      {"", 0},        {"abc", 0},         {".5", 0.5},   {"5.", 5},     {"-0", 0},
      {"+-5", 0},     {"1e", 1},          {"2E-2", 0.02},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseReal(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isinf(ParseReal("1e999")));
  EXPECT_EQ(ParseReal("1e-999"), 0.0);
}

TEST(ValueParse, References) {
  static const Families families{{"NONE", 0, true}, {"MD", 256}, {"DO", 128}, {"GDO", 32}};
  const struct {
    const char* text;
    int kind, number;
  } cases[] = {
      {"NONE", 0, 0},  {"MD1", 1, 1},    {"MD256", 1, 256}, {"MD257", -1, 0}, {"MD0", -1, 0},
      {"GDO32", 3, 32}, {"GDO33", -1, 0}, {"DO5", 2, 5},     {"MD", -1, 0},    {"MD1x", -1, 0},
      {"md1", -1, 0},  {"NONE1", -1, 0}, {"AI3", -1, 0},    {"MD-1", -1, 0},
  };
  for (const auto& c : cases) {
    const RefValue r = ParseRef(families, c.text);
    EXPECT_EQ(r.kind, c.kind) << c.text;
    if (c.kind >= 0) {
      EXPECT_EQ(r.number, c.number) << c.text;
    }
  }
}

}  // namespace
}  // namespace tk48
