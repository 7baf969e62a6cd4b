#include "model/value_parse.h"

#include "model/field_access.h"
#include "model/text_codec.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <limits>

namespace tk48 {

std::int32_t ParseInt32(std::string_view s) {
  std::uint32_t v = 0;
  if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    for (std::size_t i = 2; i < s.size(); ++i) {
      const char c = s[i];
      std::uint32_t d;
      if (c >= '0' && c <= '9') d = static_cast<std::uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') d = static_cast<std::uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') d = static_cast<std::uint32_t>(c - 'A' + 10);
      else break;
      v = v * 16u + d;
    }
    return static_cast<std::int32_t>(v);
  }
  bool negative = false, nonZero = false;
  for (char c : s) {
    if (c == '-' && !negative && !nonZero) {
      negative = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    if (c != '0') nonZero = true;
    v = v * 10u + static_cast<std::uint32_t>(c - '0');
  }
  return static_cast<std::int32_t>(negative ? 0u - v : v);
}

double ParseReal(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) return 0;  // "+-5": no number
  }
  const char* first = s.data() + i;
  const char* last = s.data() + s.size();
  double v = 0;
  const auto r = std::from_chars(first, last, v, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large (or too small) for a double: infinity or zero, as strtod gives.
    const bool tiny = std::find_if(first, r.ptr, [](char c) { return c == 'e' || c == 'E'; }) != r.ptr &&
                      std::find(first, r.ptr, '-') != r.ptr;
    v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (r.ec != std::errc()) {
    v = 0;
  }
  return negative ? -v : v;
}

bool AcceptsInt(const Node& n, std::int64_t v) {
  if (!n.allowed.empty()) return std::find(n.allowed.begin(), n.allowed.end(), v) != n.allowed.end();
  return v >= n.min && v <= n.max;
}

void UnescapeText(std::string_view s, char* field, std::size_t capacity) {
  std::memset(field, 0, capacity);
  const std::size_t room = capacity - 1;
  std::size_t out = 0;
  std::size_t i = 0;
  for (; i < s.size() && out < room; ++i) {
    char c = s[i];
    if (c == '#') {
      if (++i == s.size()) break;  // a '#' at the very end is dropped
      switch (s[i]) {
        case 'A': c = '&'; break;
        case 'G': c = '>'; break;
        case 'L': c = '<'; break;
        case 'S': c = '\''; break;
        case 'W': c = '"'; break;
        case 'D':
          if (out + 2 > room) return;  // a line break that does not fit whole ends the copy
          field[out++] = '\r';
          field[out++] = '\n';
          continue;
        default: c = s[i]; break;
      }
    }
    field[out++] = c;
  }
  if (i == s.size()) return;
  // Cut short: the text never ends in part of a character.
  const std::size_t whole = WithoutPartialCharacter({field, out});
  std::memset(field + whole, 0, out - whole);
}

int FindKeyword(const Keywords& words, std::string_view text) {
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == text) return static_cast<int>(i);
  return -1;
}

namespace {
// A plain decimal number: digits only, value in 1..max.
int ChannelNumber(std::string_view digits, int max) {
  if (digits.empty() || digits.size() > 6) return -1;
  int v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v >= 1 && v <= max ? v : -1;
}
}  // namespace

RefValue ParseRef(const Families& families, std::string_view text) {
  RefValue best;
  std::size_t bestLen = 0;
  for (std::size_t k = 0; k < families.size(); ++k) {
    const Family& f = families[k];
    if (f.noNumber) {
      if (text == f.keyword) return {static_cast<int>(k), 0};
      continue;
    }
    if (text.size() > f.keyword.size() && text.substr(0, f.keyword.size()) == f.keyword &&
        f.keyword.size() > bestLen) {
      const int n = ChannelNumber(text.substr(f.keyword.size()), f.max);
      if (n > 0) {
        best = {static_cast<int>(k), n};
        bestLen = f.keyword.size();
      }
    }
  }
  return best;
}

int ParseMdNumber(std::string_view text) {
  if (text == "NONE") return 0;
  if (text.size() > 2 && text.substr(0, 2) == "MD") return ChannelNumber(text.substr(2), 256);
  return -1;
}

std::int64_t ParseSuffixed(const Node& n, std::string_view text) {
  if (text.size() < 2 || text.back() != n.suffix) return -1;
  const int v = ChannelNumber(text.substr(0, text.size() - 1), 1 << 20);
  if (v < 0 || std::find(n.allowed.begin(), n.allowed.end(), v) == n.allowed.end()) return -1;
  return v;
}

Store StoreFieldValue(const Node& n, const FieldSlot& slot, unsigned char* base, std::string_view text) {
  switch (n.kind) {
    case Kind::Int: {
      std::int64_t v;
      if (n.viaReal) {
        const double r = ParseReal(text);
        if (!(r >= 0 && r <= 4294967295.0)) {
          return Store::Fatal;
        }
        v = static_cast<std::int64_t>(r);  // the fraction is dropped
      } else {
        const std::uint32_t raw = static_cast<std::uint32_t>(ParseInt32(text));
        v = IsUnsigned(n.width) ? static_cast<std::int64_t>(raw) : static_cast<std::int32_t>(raw);
        if (!AcceptsInt(n, v)) return Store::Refused;
      }
      StoreInt(slot.value, n.width, v);
      return Store::Stored;
    }
    case Kind::Real: {
      if (text.size() > n.maxRealChars) {
        return Store::Fatal;
      }
      const double r = ParseReal(text);
      if (!(r >= -1e10 && r <= 1e10)) {
        return Store::Fatal;
      }
      StoreReal(slot.value, r);
      return Store::Stored;
    }
    case Kind::Text: {
      if (n.ascii)
        for (char c : text)
          if (static_cast<unsigned char>(c) >= 0x80) return Store::Refused;
      UnescapeText(text, reinterpret_cast<char*>(slot.value), n.capacity);
      return Store::Stored;
    }
    case Kind::Keyword: {
      const int k = FindKeyword(*n.keywords, text);
      if (k < 0) return Store::Refused;
      StoreI32(slot.value, k);
      return Store::Stored;
    }
    case Kind::Ref: {
      const RefValue r = ParseRef(*n.families, text);
      if (r.kind < 0) return Store::Refused;
      StoreI32(slot.value, r.kind);
      const Family& f = (*n.families)[static_cast<std::size_t>(r.kind)];
      if (!f.noNumber || f.zeroNumber) StoreI16(slot.number, static_cast<std::int16_t>(r.number));
      return Store::Stored;
    }
    case Kind::MdNumber: {
      const int v = ParseMdNumber(text);
      if (v < 0) return Store::Refused;
      StoreInt(slot.value, n.width, v);
      return Store::Stored;
    }
    case Kind::Suffixed: {
      const std::int64_t v = ParseSuffixed(n, text);
      if (v < 0) return Store::Refused;
      StoreI32(slot.value, static_cast<std::int32_t>(v));
      return Store::Stored;
    }
    case Kind::PenChannel: {
      // Read against the pen type already stored beside it.
      const std::int32_t type = LoadI32(base + n.depOffset);
      if (type < 0 || static_cast<std::size_t>(type) >= n.families->size()) return Store::Refused;
      const Family& f = (*n.families)[static_cast<std::size_t>(type)];
      std::int32_t v = ParseInt32(text);
      if (f.max == 0) {
        v = 0;  // no pen: the channel is 0 whatever the text
      } else if (v < 1 || v > f.max) {
        return Store::Refused;
      }
      StoreInt(slot.value, n.width, v);
      return Store::Stored;
    }
    case Kind::Container:
    case Kind::Group:
      break;
  }
  return Store::Stored;
}

}  // namespace tk48
