// The C conversions the commit step uses on text that no check has vetted
// (fields not in use are written from whatever they hold).
#include <gtest/gtest.h>

#include <cmath>

#include "checks/c_number.h"
#include "tests/checks/check_case.h"

namespace tk48 {
namespace {

using test::Printable;

TEST(CNumber, LongStopsAtTheFirstNonDigitAndClampsOnOverflow) {
  struct Case {
    std::u16string text;
    std::int32_t value;
    std::size_t end;
    bool overflow;
  };
  const Case cases[] = {
      {u"abc", 0, 0, false},          {u"12abc", 12, 2, false},        {u"  -7", -7, 4, false},
      {u"+", 0, 0, false},            {u"99999999999", 2147483647, 11, true},
      {u"-99999999999", -2147483647 - 1, 12, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    const auto n = ParseLong(c.text);
    EXPECT_EQ(n.value, c.value);
    EXPECT_EQ(n.end, c.end);
    EXPECT_EQ(n.overflow, c.overflow);
  }
}

TEST(CNumber, UnsignedNegatesModulo32BitsAndTakesHexPrefix) {
  EXPECT_EQ(ParseULong(u"-1", 10).value, 0xFFFFFFFFu);
  EXPECT_EQ(ParseULong(u"-2", 16).value, 0xFFFFFFFEu);
  EXPECT_EQ(ParseULong(u"0x00ff", 16).value, 0xFFu);
  const auto zeroX = ParseULong(u"0xg", 16);  // "0" converted, "xg" left
  EXPECT_EQ(zeroX.value, 0u);
  EXPECT_EQ(zeroX.end, 1u);
  const auto over = ParseULong(u"4294967296", 10);
  EXPECT_TRUE(over.overflow);
  EXPECT_EQ(over.value, 0xFFFFFFFFu);
}

TEST(CNumber, DoubleTakesExponentAndReportsOverflow) {
  EXPECT_EQ(ParseDouble(u"1e3").value, 1000.0);
  EXPECT_EQ(ParseDouble(u" -2.5x").value, -2.5);
  EXPECT_EQ(ParseDouble(u" -2.5x").end, 5u);
  EXPECT_EQ(ParseDouble(u"1e").end, 1u);  // a bare "e" is left over
  EXPECT_EQ(ParseDouble(u"-").end, 0u);
  const auto huge = ParseDouble(u"1e999");
  EXPECT_TRUE(huge.overflow);
  EXPECT_TRUE(std::isinf(huge.value));
}

}  // namespace
}  // namespace tk48
