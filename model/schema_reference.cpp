#include "model/schema_reference.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "model/defaults.h"
#include "model/field_path.h"
#include "model/setting_data.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// What the walk learns of a pattern besides its FieldPattern: the span of each
// numbered part of the path, and every default seen.
struct Spans {
  std::vector<std::pair<std::int32_t, std::int32_t>> ranges;
  std::unordered_set<std::string> seen;
};

// The numbers of a path's "[n]" parts, in order.
template <class F>
void ForEachNumber(std::string_view path, F&& f) {
  for (std::size_t k = 0, at = path.find('['); at != std::string_view::npos; at = path.find('[', at + 1), ++k) {
    std::int32_t n = 0;
    std::from_chars(path.data() + at + 1, path.data() + path.size(), n);
    f(k, n);
  }
}

// The first member's path with each "[n]" replaced by the span the walk saw.
std::string PatternOf(const std::string& path, const Spans& spans) {
  std::string out;
  std::size_t from = 0;
  for (const auto& [low, high] : spans.ranges) {
    const std::size_t open = path.find('[', from), close = path.find(']', open);
    out.append(path, from, open + 1 - from);
    out += low == high ? std::to_string(low) : std::to_string(low) + ".." + std::to_string(high);
    from = close;
  }
  out.append(path, from);
  return out;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator = ", ") {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : std::string(separator)) + p;
  return out;
}

std::string Hex(std::int64_t v, int digits) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "0x%0*llX", digits, static_cast<unsigned long long>(v));
  return buf;
}

std::string FamiliesText(const Families& families) {
  std::vector<std::string> parts;
  for (const Family& f : families) {
    const std::string k(f.keyword);
    parts.push_back(f.noNumber ? k : k + "1.." + k + std::to_string(f.max));
  }
  return Joined(parts);
}

// ---- Markdown ------------------------------------------------------------------

// A value in a code span; one holding a backtick or blank ends is shown as plain text.
std::string Code(std::string_view text) {
  if (text.empty()) return std::string(LoadText(text::kReferenceEmpty));
  if (text.find('`') != std::string_view::npos || text.front() == ' ' || text.back() == ' ') return MarkdownText(text);
  std::string out = "`";
  for (char c : text) out += c == '|' ? std::string("\\|") : std::string(1, c);
  return out + "`";
}

std::string DefaultText(const PatternDefaults& d) {
  if (d.distinct <= PatternDefaults::kListed) {
    std::vector<std::string> parts;
    for (const std::string& v : d.values) parts.push_back(Code(v));
    return Joined(parts);
  }
  return FormatText(text::kReferenceVaries, d.distinct, Code(d.values.front()).c_str(), Code(d.last).c_str());
}

// ---- JSON ----------------------------------------------------------------------

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04X", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string QuotedList(const std::vector<std::string>& items) {
  std::vector<std::string> parts;
  for (const std::string& i : items) parts.push_back(Quoted(i));
  return "[" + Joined(parts, ",") + "]";
}

// The accepted values in machine form, beside the readable "range".
std::string ValuesJson(const Node& n) {
  std::string out;
  auto numbers = [](const auto& values) {
    std::vector<std::string> parts;
    for (auto v : values) parts.push_back(std::to_string(v));
    return "[" + Joined(parts, ",") + "]";
  };
  auto families = [](const Families& list) {
    std::vector<std::string> parts;
    for (const Family& f : list)
      parts.push_back("{\"keyword\":" + Quoted(f.keyword) + ",\"max\":" + std::to_string(f.noNumber ? 0 : f.max) + "}");
    return "[" + Joined(parts, ",") + "]";
  };
  switch (n.kind) {
    case Kind::Int:
      if (!n.allowed.empty()) return ",\"allowed\":" + numbers(n.allowed);
      return ",\"min\":" + std::to_string(n.min) + ",\"max\":" + std::to_string(n.max);
    case Kind::Suffixed: return ",\"allowed\":" + numbers(n.allowed);
    case Kind::Text: return ",\"maxBytes\":" + std::to_string(n.capacity - 1) + (n.ascii ? ",\"ascii\":true" : "");
    case Kind::Keyword: return ",\"keywords\":" + QuotedList({n.keywords->begin(), n.keywords->end()});
    case Kind::Ref:
    case Kind::PenChannel: return ",\"families\":" + families(*n.families);
    case Kind::MdNumber: return ",\"min\":0,\"max\":" + std::to_string(n.max);
    default: return out;
  }
}

}  // namespace

std::vector<FieldPattern> ConfigurationReference() {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  std::vector<FieldPattern> patterns;
  std::vector<Spans> spans;
  std::unordered_map<const Node*, std::size_t> index;
  ForEachField(*record, ConfigurationSchema(), [&](const std::string& path, const FieldRef& f) {
    const auto [at, added] = index.try_emplace(f.node, patterns.size());
    if (added) {
      patterns.push_back({path, f.node, 0, {}});
      spans.emplace_back();
    }
    FieldPattern& p = patterns[at->second];
    Spans& s = spans[at->second];
    ForEachNumber(path, [&s](std::size_t k, std::int32_t n) {
      if (k == s.ranges.size()) {
        s.ranges.emplace_back(n, n);
      } else {
        s.ranges[k].first = std::min(s.ranges[k].first, n);
        s.ranges[k].second = std::max(s.ranges[k].second, n);
      }
    });
    ++p.count;
    std::string value = FieldText(f);
    if (s.seen.insert(value).second) {
      ++p.defaults.distinct;
      if (p.defaults.values.size() < PatternDefaults::kListed) p.defaults.values.push_back(value);
    }
    p.defaults.last = std::move(value);
  });
  for (std::size_t i = 0; i < patterns.size(); ++i) patterns[i].path = PatternOf(patterns[i].path, spans[i]);
  return patterns;
}

std::string_view KindName(const Node& n) {
  static constexpr std::string_view kNames[] = {"container", "group",    "int",    "real",     "text",
                                                "keyword",   "channel",  "md",     "suffixed", "pen-channel"};
  return kNames[static_cast<std::size_t>(n.kind)];
}

std::string FormatName(const Node& n) {
  switch (n.kind) {
    case Kind::Int: {
      static constexpr std::string_view kFormats[] = {"%d", "%u", "0x%08lX", "0x%02X", "%d", "%d"};
      return std::string(kFormats[static_cast<std::size_t>(n.fmt)]);
    }
    case Kind::Real: return n.fmt == Fmt::F4 ? "%.4f" : "%.3f";
    case Kind::Text: return "text";
    case Kind::Keyword: return "keyword";
    case Kind::Ref: return "keyword<n>";
    case Kind::MdNumber: return "MD<n>";
    case Kind::Suffixed: return std::string("<n>") + n.suffix;
    case Kind::PenChannel: return "%d";
    default: return {};
  }
}

std::string RangeText(const Node& n) {
  switch (n.kind) {
    case Kind::Int: {
      if (!n.allowed.empty()) {
        std::vector<std::string> parts;
        for (std::int32_t v : n.allowed) parts.push_back(std::to_string(v));
        return Joined(parts);
      }
      const int digits = n.fmt == Fmt::Hex8 ? 8 : n.fmt == Fmt::Hex2 ? 2 : 0;
      const std::string range = digits ? Hex(n.min, digits) + ".." + Hex(n.max, digits)
                                       : std::to_string(n.min) + ".." + std::to_string(n.max);
      return n.viaReal ? FormatText(text::kRangeViaReal, range.c_str()) : range;
    }
    case Kind::Real: return FormatText(text::kRangeReal, static_cast<int>(n.maxRealChars));
    case Kind::Text: return FormatText(n.ascii ? text::kRangeAsciiChars : text::kRangeUtf8Bytes, n.capacity - 1);
    case Kind::Keyword: return Joined({n.keywords->begin(), n.keywords->end()});
    case Kind::Ref: return FamiliesText(*n.families);
    case Kind::MdNumber: return "NONE, MD1..MD" + std::to_string(n.max);
    case Kind::Suffixed: {
      std::vector<std::string> parts;
      for (std::int32_t v : n.allowed) parts.push_back(std::to_string(v) + n.suffix);
      return Joined(parts);
    }
    case Kind::PenChannel: {
      std::vector<std::string> parts;
      for (const Family& f : *n.families)
        parts.push_back(std::string(f.keyword) + ": " + (f.noNumber ? "0" : "1.." + std::to_string(f.max)));
      return FormatText(text::kRangeByPenType, Joined(parts, "; ").c_str());
    }
    default: return {};
  }
}

std::size_t PatternMembers(std::string_view pattern) {
  std::size_t members = 1;
  for (std::size_t at = pattern.find('['); at != std::string_view::npos; at = pattern.find('[', at + 1)) {
    const std::size_t close = pattern.find(']', at);
    if (close == std::string_view::npos) return 0;
    const std::string_view part = pattern.substr(at + 1, close - at - 1);
    const std::size_t dots = part.find("..");
    long low = 0, high = 0;
    const auto first = std::from_chars(part.data(), part.data() + part.size(), low);
    if (first.ec != std::errc{}) return 0;
    if (dots == std::string_view::npos) {
      high = low;
    } else if (std::from_chars(part.data() + dots + 2, part.data() + part.size(), high).ec != std::errc{} ||
               high < low) {
      return 0;
    }
    members *= static_cast<std::size_t>(high - low + 1);
  }
  return members;
}

std::string MarkdownText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (std::string_view("\\`*_[]<>|#").find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}

std::string ReferenceMarkdown(const std::vector<FieldPattern>& patterns) {
  std::size_t fields = 0;
  for (const FieldPattern& p : patterns) fields += p.count;
  std::string out = "# " + std::string(LoadText(text::kReferenceTitle)) + "\n\n" +
                    std::string(LoadText(text::kReferenceIntro)) + "\n\n" +
                    FormatText(text::kReferenceCount, fields, patterns.size()) + "\n";
  std::string header = "|";
  for (int column = 0; column < 5; ++column)
    header += " " + std::string(LoadText(text::kReferenceColumnPath + column)) + " |";
  header += "\n|---|---|---|---|---|\n";
  std::string section;
  for (const FieldPattern& p : patterns) {
    const std::string top = p.path.substr(0, p.path.find('.'));
    if (top != section) {  // a table per section of the file
      section = top;
      out += "\n## " + section + "\n\n" + header;
    }
    out += "| " + Code(p.path) + " | " + std::string(KindName(*p.node)) + " | " + MarkdownText(RangeText(*p.node)) + " | " +
           Code(FormatName(*p.node)) + " | " + DefaultText(p.defaults) + " |\n";
  }
  return out;
}

std::string ReferenceJson(const std::vector<FieldPattern>& patterns) {
  std::string out = "{\"document\":\"TK48G_CFG\",\"fields\":[";
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    const FieldPattern& p = patterns[i];
    const PatternDefaults& d = p.defaults;
    out += std::string(i ? "," : "") + "\n{\"path\":" + Quoted(p.path) + ",\"count\":" + std::to_string(p.count) +
           ",\"kind\":" + Quoted(KindName(*p.node)) + ",\"format\":" + Quoted(FormatName(*p.node)) +
           ",\"range\":" + Quoted(RangeText(*p.node)) + ValuesJson(*p.node) +
           ",\"default\":" + (d.Uniform() ? Quoted(d.last) : "null");
    if (!d.Uniform()) {
      out += ",\"defaults\":" + QuotedList(d.values) + ",\"distinctDefaults\":" + std::to_string(d.distinct);
      if (d.distinct > PatternDefaults::kListed) out += ",\"lastDefault\":" + Quoted(d.last);
    }
    out += "}";
  }
  return out + "\n]}\n";
}

}  // namespace tk48
