// The real-number checks: the decimal form, the parse and the range, with the
// suffix chosen by the decimal places.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "tests/checks/check_case.h"

namespace tk48 {
namespace {

using test::ExpectCheck;
using test::Printable;

TEST(CheckDecimalFormat, SignPointDigitsAndZeroTail) {
  struct Case {
    std::u16string text;
    int places;
    bool pass;
  };
  const Case cases[] = {
      {u"", 3, false},          {u"1.2300", 3, true},  {u"1.2301", 3, false}, {u"-", 3, true},
      {u".", 3, true},          {u"+1", 3, true},      {u"1.2.3", 3, false},  {u"1-2", 3, false},
      {u" 1", 3, false},        {u"1e3", 3, false},    {u"1,5", 3, false},    {u"1.000000001", 3, false},
      {u"1.0", 0, true},        {u"1.5", 0, false},    {u"0.12345", 4, false}, {u"0.1234", 4, true},
      {u"00012.000", 3, true},  {u"--1", 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Printable(c.text) + " places " + std::to_string(c.places));
    EXPECT_EQ(CheckDecimalFormat(c.text, c.places), c.pass);
  }
}

constexpr char kZero[] = "Setting error: Scaling 0 %";

struct RealCase {
  std::u16string text;
  int places;
  double min, max;
  std::string message;
};

TEST(CheckReal, FormParseRange) {
  const std::string range = std::string(kZero) + "\nUsable range: -100.000 to 100.000";
  const std::u16string huge = u"1" + std::u16string(400, u'0');
  const RealCase cases[] = {
      {u"1.0005", 3, -100, 100, kZero},
      {u"1.0000", 3, -100, 100, ""},
      {u"1e3", 3, -100, 100, kZero},
      {u"-", 3, -100, 100, kZero},
      {u".", 3, -100, 100, kZero},
      {u"", 3, -100, 100, kZero},
      {u"5.", 3, -100, 100, ""},
      {u"-.5", 3, -100, 100, ""},
      {u"100.000", 3, -100, 100, ""},
      {u"-100", 3, -100, 100, ""},
      {u"100.001", 3, -100, 100, range},
      {u"-100.001", 3, -100, 100, range},
      {u"0", 3, -100, 100, ""},
      {u"101", 2, -100, 100, kZero},  // other places: the field message alone
      {u"101", 4, -100, 100, kZero},
      {huge, 3, -DBL_MAX, DBL_MAX, kZero},  // overflow
      {u"0.5", 3, 1.25, 2.5, std::string(kZero) + "\nUsable range: 1.250 to 2.500"},
  };
  for (const RealCase& c : cases) {
    SCOPED_TRACE(Printable(c.text).substr(0, 20) + " places " + std::to_string(c.places));
    ExpectCheck([&](int show, UiPort* ui) { return CheckReal(c.text, 450, c.places, show, c.min, c.max, ui); },
                c.message);
  }
}

TEST(CheckRealNonZero, ZeroAndRangeWithThreeOrFourPlaces) {
  const std::string three = std::string(kZero) + "\nUsable range: -10.000 to 10.000 (except 0)";
  const std::string four = std::string(kZero) + "\nUsable range: -10.0000 to 10.0000 (except 0)";
  const RealCase cases[] = {
      {u"0.000", 3, -10, 10, three},
      {u"-0", 3, -10, 10, three},
      {u"+0.", 3, -10, 10, three},
      {u"0.001", 3, -10, 10, ""},
      {u"-10", 3, -10, 10, ""},
      {u"10.001", 3, -10, 10, three},
      {u"0", 4, -10, 10, four},
      {u"0.0001", 4, -10, 10, ""},
      {u"0.00001", 4, -10, 10, kZero},  // the form fails first: field message alone
      {u"abc", 3, -10, 10, kZero},
      {u"0", 2, -10, 10, kZero},
  };
  for (const RealCase& c : cases) {
    SCOPED_TRACE(Printable(c.text) + " places " + std::to_string(c.places));
    ExpectCheck(
        [&](int show, UiPort* ui) { return CheckRealNonZero(c.text, 450, c.places, show, c.min, c.max, ui); },
        c.message);
  }
}

}  // namespace
}  // namespace tk48
