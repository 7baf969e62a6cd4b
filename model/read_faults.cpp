#include "model/read_faults.h"

#include <cinttypes>

#include "model/field_access.h"
#include "model/reader.h"
#include "model/text_codec.h"
#include "model/value_parse.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::size_t kShownValue = 80;

// "NOUSE, USE": what a field accepts, listed as the file writes it.
template <class List, class Item>
std::string Listed(const List& list, Item item) {
  std::string out;
  for (const auto& entry : list) {
    if (!out.empty()) out += LoadText(text::kListSeparator);
    out += item(entry);
  }
  return out;
}

std::string OneOf(const std::string& list) { return FormatText(text::kExpectsOneOf, list.c_str()); }

std::string FamilyText(const Family& f) {
  const std::string word(f.keyword);
  if (f.noNumber) return word;
  return FormatText(text::kChannelSpan, word.c_str(), word.c_str(), static_cast<int>(f.max));
}

std::string IntegerRange(std::int64_t min, std::int64_t max) {
  return FormatText(text::kExpectsIntegerRange, static_cast<long long>(min), static_cast<long long>(max));
}

}  // namespace

std::string RefusedReason(const Node& n, std::string_view text, const unsigned char* base) {
  switch (n.kind) {
    case Kind::Int:
      if (n.viaReal) return FormatText(text::kExpectsNumberRange, "0", "4294967295");
      if (!n.allowed.empty()) return OneOf(Listed(n.allowed, [](std::int32_t v) { return std::to_string(v); }));
      return IntegerRange(n.min, n.max);
    case Kind::Real:
      if (text.size() > n.maxRealChars) return FormatText(text::kExpectsShortReal, static_cast<int>(n.maxRealChars));
      return FormatText(text::kExpectsNumberRange, "-1e10", "1e10");
    case Kind::Text: return std::string(LoadText(text::kExpectsAscii));
    case Kind::Keyword: return OneOf(Listed(*n.keywords, [](std::string_view w) { return std::string(w); }));
    case Kind::Ref: return OneOf(Listed(*n.families, FamilyText));
    case Kind::MdNumber: {
      const Family families[] = {{.keyword = "NONE", .noNumber = true}, {.keyword = "MD", .max = 256}};
      return OneOf(Listed(families, FamilyText));
    }
    case Kind::Suffixed:
      return OneOf(Listed(n.allowed, [&](std::int32_t v) { return std::to_string(v) + n.suffix; }));
    case Kind::PenChannel: {
      const std::int32_t type = LoadI32(base + n.depOffset);
      if (type >= 0 && static_cast<std::size_t>(type) < n.families->size())
        return IntegerRange(1, (*n.families)[static_cast<std::size_t>(type)].max);
      break;
    }
    case Kind::Container:
    case Kind::Group: break;
  }
  return std::string(LoadText(text::kValueRefused));
}

std::string ShownValue(std::string_view text) {
  if (text.size() <= kShownValue) return std::string(text);
  const std::string head(text.substr(0, WithoutPartialCharacter(text.substr(0, kShownValue))));
  return FormatText(text::kCutValue, head.c_str());
}

std::string ReadFaultText(const ReadResult& result) {
  std::string out;
  for (const ReadFault& f : result.faults) {
    if (!out.empty()) out += '\n';
    const auto line = static_cast<unsigned long long>(f.line), column = static_cast<unsigned long long>(f.column);
    if (f.line == 0)
      out += FormatText(text::kFaultOfRule, f.path.c_str(), f.reason.c_str());
    else if (f.path.empty())
      out += FormatText(text::kFaultAtPlace, line, column, f.reason.c_str());
    else
      out += FormatText(text::kFaultAtField, line, column, f.path.c_str(), f.value.c_str(), f.reason.c_str());
  }
  return out;
}

}  // namespace tk48
