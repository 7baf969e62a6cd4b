// The text checks: the double limit of free text, the restricted ASCII set with
// its order of decisions, and the plain length rule.
#include <gtest/gtest.h>

#include <string>

#include "tests/checks/check_case.h"

namespace tk48 {
namespace {

using test::ExpectCheck;
using test::Printable;

std::u16string Repeat(char16_t c, std::size_t n) { return std::u16string(n, c); }

constexpr char kName[] = "Setting error: Name";
constexpr char kNameLimit[] = "Setting error: Name\nMax. 32 characters (alphanumerical: 64 characters)";

TEST(CheckText, DoubleLimitForPlainAscii) {
  struct Case {
    const char* what;
    std::u16string text;
    std::string message;
  };
  const Case cases[] = {
      {"empty", u"", ""},
      {"64 ASCII", Repeat(u'a', 64), ""},
      {"65 ASCII", Repeat(u'a', 65), kNameLimit},
      {"space and tilde are ASCII", u" ~" + Repeat(u'a', 62), ""},
      {"32 with one non-ASCII", u"\u00e9" + Repeat(u'a', 31), ""},
      {"33 with one non-ASCII", u"\u00e9" + Repeat(u'a', 32), kNameLimit},
      {"non-ASCII at the end", Repeat(u'a', 32) + u"\u30c6", kNameLimit},
      {"CR LF counts as two ASCII units, 64 in all", u"ab\r\n" + Repeat(u'a', 60), ""},
      {"CR LF counts as two ASCII units, 65 in all", u"ab\r\n" + Repeat(u'a', 61), kNameLimit},
      {"lone LF makes the text wide, 32", u"\n" + Repeat(u'a', 31), ""},
      {"lone LF makes the text wide, 33", u"\n" + Repeat(u'a', 32), kNameLimit},
      {"LF CR is not a pair", u"\n\r" + Repeat(u'a', 31), kNameLimit},
      {"lone CR at the end", Repeat(u'a', 32) + u"\r", kNameLimit},
      {"TAB is wide", u"\t" + Repeat(u'a', 32), kNameLimit},
      {"DEL is wide", u"\x7f" + Repeat(u'a', 32), kNameLimit},
      {"a surrogate pair is two wide units", u"\U0001F600" + Repeat(u'a', 31), kNameLimit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectCheck([&](int show, UiPort* ui) { return CheckText(c.text, 32, 160, show, ui); }, c.message);
  }
}

TEST(CheckText, SuffixCarriesNAndTwiceN) {
  ExpectCheck([](int show, UiPort* ui) { return CheckText(Repeat(u'x', 11), 5, 161, show, ui); },
              "Setting error: Name 2\nMax. 5 characters (alphanumerical: 10 characters)");
}

constexpr char kLogin3[] = "Setting error: Login ID(ID3)";
constexpr char kLogin3Long[] = "Setting error: Login ID(ID3)\nMax. 16 characters";

TEST(CheckAsciiText, BadCharacterBeforeTooLong) {
  struct Case {
    std::u16string text;
    std::string message;
  };
  const Case cases[] = {
      {u"", ""},
      {Repeat(u'a', 16), ""},
      {u" !~}" + Repeat(u'a', 12), ""},
      {Repeat(u'a', 17), kLogin3Long},
      {u"\\abc", kLogin3},
      {Repeat(u'a', 15) + u"\\", kLogin3},
      // Each position is first tested for its character, then against the limit:
      // a bad seventeenth unit is a bad character, a bad eighteenth comes too late.
      {Repeat(u'a', 16) + u"\\", kLogin3},
      {Repeat(u'a', 16) + u"\u00e9", kLogin3},
      {Repeat(u'a', 17) + u"\\", kLogin3Long},
      {u"ab\u00e9", kLogin3},
      {u"a\tb", kLogin3},
      {u"a\x7f", kLogin3},
      {u"\r\n", kLogin3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    ExpectCheck([&](int show, UiPort* ui) { return CheckAsciiText(c.text, 16, 1281, 1290, 3, show, ui); },
                c.message);
  }
}

TEST(CheckAsciiText, ExtraPartOnlyWithAnExtraId) {
  ExpectCheck([](int show, UiPort* ui) { return CheckAsciiText(u"p\\w", 16, 1282, 0, 3, show, ui); },
              "Setting error: Password");
  ExpectCheck([](int show, UiPort* ui) { return CheckAsciiText(u"p\\w", 16, 1282, 1290, 8, show, ui); },
              "Setting error: Password(ID8)");
  ExpectCheck([](int show, UiPort* ui) { return CheckAsciiText(Repeat(u'p', 5), 4, 1282, 0, 0, show, ui); },
              "Setting error: Password\nMax. 4 characters");
}

TEST(CheckLength, CountsUnitsAndAcceptsAnyCharacter) {
  struct Case {
    std::u16string text;
    std::string message;
  };
  const Case cases[] = {
      {u"", ""},
      {u"a\\\t\u00e9", ""},
      {u"\U0001F600\r\n", ""},
      {u"abcde", std::string(kName) + "\nMax. 4 characters"},
      {u"\u30c6\u30b9\u30c8\u30c8\u30c8", std::string(kName) + "\nMax. 4 characters"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    ExpectCheck([&](int show, UiPort* ui) { return CheckLength(c.text, 4, 160, show, ui); }, c.message);
  }
}

// A control character that a configuration file cannot carry never reaches the
// record: both free-text checks refuse it before any length rule. Tab, CR and
// LF stay usable.
TEST(TextChecks, RefuseControlCharactersTheFileCannotCarry) {
  const std::string refused = std::string(kName) + "\nControl characters cannot be used.";
  struct Case {
    std::u16string text;
    std::string message;
  };
  const Case cases[] = {
      {u"a\x01b", refused},
      {u"\x08", refused},
      {u"a\x0b", refused},
      {u"\x0c", refused},
      {u"x\x0e", refused},
      {u"\x1f", refused},
      {u"\x1b" + Repeat(u'a', 80), refused},  // refused as such even when also too long
      {u"a\tb\r\nc\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    ExpectCheck([&](int show, UiPort* ui) { return CheckText(c.text, 32, 160, show, ui); }, c.message);
    ExpectCheck([&](int show, UiPort* ui) { return CheckLength(c.text, 100, 160, show, ui); }, c.message);
  }
}

TEST(Checks, NoUiMeansSilentEvenWhenAskedToShow) {
  EXPECT_FALSE(CheckText(Repeat(u'a', 65), 32, 160, kShowMessage, nullptr));
  EXPECT_FALSE(CheckInt(u"x", 0, 1, 163, kShowMessage, nullptr));
}

TEST(Checks, MessageIdZeroLeavesTheSuffixAlone) {
  // The CSV import passes 0; should a caller show it anyway, only the rule remains.
  ExpectCheck([](int show, UiPort* ui) { return CheckInt(u"14", -12, 13, 0, show, ui); },
              "\nUsable range: -12 to 13");
}

}  // namespace
}  // namespace tk48
