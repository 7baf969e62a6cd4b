#include "checks/limit_checks.h"

#include <algorithm>
#include <cstdlib>

#include "checks/checks.h"

namespace tk48 {
namespace {

// A number's text, one unit per byte: anything beyond ASCII fails the checks.
std::u16string Units(std::string_view text) {
  std::u16string u;
  u.reserve(text.size());
  for (char c : text) u.push_back(static_cast<unsigned char>(c));
  return u;
}

// "%d.%d.%d.%d" as the address field writes it.
bool IsDottedAddress(std::string_view s) {
  int parts = 0;
  while (true) {
    std::size_t digits = 0;
    int value = 0;
    for (; digits < s.size() && s[digits] >= '0' && s[digits] <= '9'; ++digits) value = value * 10 + (s[digits] - '0');
    if (digits == 0 || digits > 3 || value > 255) return false;
    ++parts;
    s.remove_prefix(digits);
    if (s.empty()) return parts == 4;
    if (s.front() != '.' || parts == 4) return false;
    s.remove_prefix(1);
  }
}

}  // namespace

std::optional<std::int64_t> IntegerValue(std::string_view text, std::int64_t min, std::int64_t max) {
  if (text.empty()) return std::nullopt;
  const std::string t(text);
  const std::u16string u = Units(t);
  if (min >= 0 && max > INT32_MAX) {
    const auto hi = static_cast<std::uint32_t>(std::min<std::int64_t>(max, UINT32_MAX));
    if (!CheckUInt(u, static_cast<std::uint32_t>(min), hi, 0, 0)) return std::nullopt;
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(std::strtoul(t.c_str(), nullptr, 10)));
  }
  const auto lo = static_cast<std::int32_t>(std::max<std::int64_t>(min, INT32_MIN));
  const auto hi = static_cast<std::int32_t>(std::min<std::int64_t>(max, INT32_MAX));
  if (!CheckInt(u, lo, hi, 0, 0)) return std::nullopt;
  return static_cast<std::int64_t>(std::strtol(t.c_str(), nullptr, 10));
}

std::optional<std::uint32_t> HexValue(std::string_view text, std::uint32_t max) {
  const std::string t(text);
  if (t.empty() || !CheckHex(Units(t), 0, max, 0, 0)) return std::nullopt;
  return static_cast<std::uint32_t>(std::strtoul(t.c_str(), nullptr, 16));
}

std::optional<std::int64_t> WholeValue(std::string_view text, const CellLimit& l) {
  if (l.check != Check::OneOf)
    return IntegerValue(text, static_cast<std::int64_t>(l.min), static_cast<std::int64_t>(l.max));
  const auto v = IntegerValue(text, INT32_MIN, INT32_MAX);
  if (!v || std::find(l.set.begin(), l.set.end(), *v) == l.set.end()) return std::nullopt;
  return v;
}

std::optional<double> NumberValue(std::string_view text, const CellLimit& l) {
  if (l.check != Check::Real && l.check != Check::RealNonZero) {
    const auto v = WholeValue(text, l);
    return v ? std::optional<double>(static_cast<double>(*v)) : std::nullopt;
  }
  const std::string t(text);
  const auto check = l.check == Check::Real ? CheckReal : CheckRealNonZero;
  if (t.empty() || !check(Units(t), 0, l.places, 0, l.min, l.max, nullptr)) return std::nullopt;
  return std::strtod(t.c_str(), nullptr);
}

bool TextFits(std::string_view bytes, std::u16string_view units, const CellLimit& l) {
  switch (l.check) {
    case Check::Ascii:
      return CheckAsciiText(units, l.chars, 0, 0, 0, 0);
    case Check::Length:
      return CheckLength(units, l.chars, 0, 0);
    case Check::Name:
      return bytes.find('"') == std::string_view::npos && CheckText(units, l.chars, 0, 0);
    case Check::Address:
      return bytes.empty() || IsDottedAddress(bytes);
    default:
      return CheckText(units, l.chars, 0, 0);
  }
}

}  // namespace tk48
