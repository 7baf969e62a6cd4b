#include "checks/c_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tk48 {
namespace {

bool IsCSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int DigitValue(char16_t c, int base) {
  int d = 99;
  if (c >= u'0' && c <= u'9') d = c - u'0';
  else if (c >= u'a' && c <= u'z') d = c - u'a' + 10;
  else if (c >= u'A' && c <= u'Z') d = c - u'A' + 10;
  return d < base ? d : -1;
}

// White space, sign, optional "0x" (base 16) and digits: the magnitude
// saturates just above 2^32, which is past every limit asked for.
struct Scanned {
  std::uint64_t magnitude = 0;
  bool negative = false;
  std::size_t end = 0;
};

Scanned ScanInteger(std::u16string_view text, int base) {
  Scanned s;
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) s.negative = text[i++] == u'-';
  // "0x" counts only when a hex digit follows; otherwise the "0" alone is the number.
  if (base == 16 && i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
      DigitValue(text[i + 2], 16) >= 0)
    i += 2;
  const std::size_t digits = i;
  constexpr std::uint64_t kCap = std::uint64_t{1} << 33;
  for (int d; i < text.size() && (d = DigitValue(text[i], base)) >= 0; ++i) {
    s.magnitude = s.magnitude * base + static_cast<unsigned>(d);
    if (s.magnitude > kCap) s.magnitude = kCap;
  }
  s.end = i == digits ? 0 : i;
  return s;
}

}  // namespace

CNumber<std::int32_t> ParseLong(std::u16string_view text) {
  const Scanned s = ScanInteger(text, 10);
  CNumber<std::int32_t> n;
  n.end = s.end;
  if (s.end == 0) return n;
  const std::uint64_t limit = s.negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
  n.overflow = s.magnitude > limit;
  const std::uint64_t m = n.overflow ? limit : s.magnitude;
  n.value = static_cast<std::int32_t>(s.negative ? -static_cast<std::int64_t>(m) : static_cast<std::int64_t>(m));
  return n;
}

CNumber<std::uint32_t> ParseULong(std::u16string_view text, int base) {
  const Scanned s = ScanInteger(text, base);
  CNumber<std::uint32_t> n;
  n.end = s.end;
  if (s.end == 0) return n;
  n.overflow = s.magnitude > 0xFFFFFFFFu;
  if (n.overflow) {
    n.value = 0xFFFFFFFFu;
  } else {
    const auto m = static_cast<std::uint32_t>(s.magnitude);
    n.value = s.negative ? 0u - m : m;
  }
  return n;
}

CNumber<double> ParseDouble(std::u16string_view text) {
  CNumber<double> n;
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Collect "digits[.digits][e[sign]digits]" as ASCII for from_chars.
  std::string ascii;
  std::size_t mantissaDigits = 0;
  auto takeDigits = [&](std::size_t& count) {
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, ++count) ascii += static_cast<char>(text[i]);
  };
  takeDigits(mantissaDigits);
  if (i < text.size() && text[i] == u'.') {
    ascii += '.';
    ++i;
    takeDigits(mantissaDigits);
  }
  if (mantissaDigits == 0) return n;  // no conversion
  std::size_t end = i;
  bool negativeExponent = false;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) negativeExponent = text[j++] == u'-';
    if (j < text.size() && text[j] >= u'0' && text[j] <= u'9') {
      ascii += 'e';
      if (negativeExponent) ascii += '-';
      i = j;
      std::size_t expDigits = 0;
      takeDigits(expDigits);
      end = i;
    }
  }
  n.end = end;
  double v = 0;
  const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    n.overflow = true;
    v = negativeExponent ? 0.0 : HUGE_VAL;
  }
  n.value = negative ? -v : v;
  return n;
}

}  // namespace tk48
