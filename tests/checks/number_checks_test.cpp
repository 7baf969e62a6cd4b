// The integer checks: the C conversion's form (white space, sign, prefix,
// overflow, trailing characters) decides first, then the range with its suffix.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/checks/check_case.h"

namespace tk48 {
namespace {

using test::ExpectCheck;
using test::Printable;

constexpr char kHour[] = "Setting error: Time zone (hour)";

struct IntCase {
  std::u16string text;
  std::int32_t min, max;
  std::string message;
};

TEST(CheckInt, FormThenRange) {
  const std::string range = std::string(kHour) + "\nUsable range: -12 to 13";
  constexpr auto lo = std::numeric_limits<std::int32_t>::min();
  constexpr auto hi = std::numeric_limits<std::int32_t>::max();
  const IntCase cases[] = {
      {u" 5", -12, 13, ""},
      {u"\t\n\v\f\r5", -12, 13, ""},
      {u"5 ", -12, 13, kHour},
      {u"+13", -12, 13, ""},
      {u"-12", -12, 13, ""},
      {u"-13", -12, 13, range},
      {u"14", -12, 13, range},
      {u"12345678901", -12, 13, kHour},
      {u"", -12, 13, kHour},
      {u" ", -12, 13, kHour},
      {u"-", -12, 13, kHour},
      {u"+-1", -12, 13, kHour},
      {u"1.0", -12, 13, kHour},
      {u"0x1", -12, 13, kHour},
      {u"\uff15", -12, 13, kHour},  // a full-width digit is not a digit
      {u"-2147483648", lo, hi, ""},
      {u"2147483647", lo, hi, ""},
      {u"2147483648", lo, hi, kHour},
      {u"-2147483649", lo, hi, kHour},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    ExpectCheck([&](int show, UiPort* ui) { return CheckInt(c.text, c.min, c.max, 163, show, ui); }, c.message);
  }
}

struct UIntCase {
  std::u16string text;
  std::uint32_t min, max;
  std::string message;
};

TEST(CheckUInt, UnsignedConversionAndRange) {
  const std::string range = std::string(kHour) + "\nUsable range: 0 to 100";
  constexpr std::uint32_t top = 0xFFFFFFFFu;
  const UIntCase cases[] = {
      {u"100", 0, 100, ""},
      {u"101", 0, 100, range},
      {u"-1", 0, 100, range},  // 4294967295
      {u"-1", 0, top, ""},
      {u"-4294967295", 0, 100, ""},  // 1
      {u"4294967295", 0, top, ""},
      {u"4294967296", 0, top, kHour},
      {u"-4294967296", 0, top, kHour},
      {u"3000000000", 2999999999u, 3000000000u, ""},
      {u"3000000001", 2999999999u, 3000000000u,
       std::string(kHour) + "\nUsable range: 2999999999 to 3000000000"},
      {u"0x10", 0, 100, kHour},
      {u"", 0, 100, kHour},
  };
  for (const UIntCase& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    ExpectCheck([&](int show, UiPort* ui) { return CheckUInt(c.text, c.min, c.max, 163, show, ui); }, c.message);
  }
}

TEST(CheckHex, PrefixCaseAndPaddedSuffix) {
  const std::string range = std::string(kHour) + "\nUsable range: 0000 to ffff";
  const UIntCase cases[] = {
      {u"0x1A", 0, 0xFFFF, ""},
      {u"0X1a", 0, 0xFFFF, ""},
      {u"ffff", 0, 0xFFFF, ""},
      {u" +Ab", 0, 0xFFFF, ""},
      {u"fffff", 0, 0xFFFF, range},
      {u"-1", 0, 0xFFFF, range},
      {u"ffffffff", 0, 0xFFFFFFFFu, ""},
      {u"100000000", 0, 0xFFFFFFFFu, kHour},
      {u"g", 0, 0xFFFF, kHour},
      {u"0x", 0, 0xFFFF, kHour},
      {u"0xg", 0, 0xFFFF, kHour},
      {u"1a ", 0, 0xFFFF, kHour},
      {u"", 0, 0xFFFF, kHour},
      {u"f", 0x10, 0x1FFFF, std::string(kHour) + "\nUsable range: 0010 to 1ffff"},
  };
  for (const UIntCase& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    ExpectCheck([&](int show, UiPort* ui) { return CheckHex(c.text, c.min, c.max, 163, show, ui); }, c.message);
  }
}

}  // namespace
}  // namespace tk48
