#pragma once
// Small configuration documents for the section tests: every (path, value) pair
// becomes its own chain of elements below the root, so a test names exactly the
// elements it means and nothing else.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/defaults.h"
#include "model/reader.h"
#include "model/setting_data.h"

namespace tk48::testing {

using Element = std::pair<std::string_view, std::string_view>;  // "COM.FTPC.COM_LOG", "MD5"

inline std::string Doc(const std::vector<Element>& elements) {
  std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<TK48G_CFG>\r\n";
  for (const auto& [path, value] : elements) {
    std::vector<std::string_view> names;
    for (std::size_t at = 0; at <= path.size();) {
      std::size_t dot = path.find('.', at);
      if (dot == std::string_view::npos) dot = path.size();
      names.push_back(path.substr(at, dot - at));
      at = dot + 1;
    }
    for (std::size_t i = 0; i + 1 < names.size(); ++i) doc += "<" + std::string(names[i]) + ">\r\n";
    doc += "<" + std::string(names.back()) + ">" + std::string(value) + "</" + std::string(names.back()) + ">\r\n";
    for (std::size_t i = names.size() - 1; i-- > 0;) doc += "</" + std::string(names[i]) + ">\r\n";
  }
  return doc + "</TK48G_CFG>\r\n\r\n";
}

// The element path the reader reports for a dotted path.
inline std::string ReportedPath(std::string_view path) {
  std::string out = "<TK48G_CFG>";
  for (std::size_t at = 0; at <= path.size();) {
    std::size_t dot = path.find('.', at);
    if (dot == std::string_view::npos) dot = path.size();
    out += "<" + std::string(path.substr(at, dot - at)) + ">";
    at = dot + 1;
  }
  return out;
}

struct Loaded {
  std::unique_ptr<SettingData> record;
  ReadResult result;
};

// Reads the elements into a record set to its defaults, as a file read does.
inline Loaded Read(const std::vector<Element>& elements) {
  Loaded l{NewSettingData(), {}};
  ApplyDefaults(*l.record);
  l.result = ParseConfiguration(*l.record, Doc(elements));
  return l;
}

inline std::unique_ptr<SettingData> Defaults() {
  auto r = NewSettingData();
  ApplyDefaults(*r);
  return r;
}

// The outcome of one element, as the reader's flags show it.
enum class Outcome { Stored, Invalid, Unrecognised, Fatal };

inline Outcome OutcomeOf(const ReadResult& r) {
  if (r.flags & kReadFatal) return Outcome::Fatal;
  if (r.flags & kReadInvalid) return Outcome::Invalid;
  if (r.flags & kReadUnrecognised) return Outcome::Unrecognised;
  return Outcome::Stored;
}

inline const char* ToString(Outcome o) {
  switch (o) {
    case Outcome::Stored: return "stored";
    case Outcome::Invalid: return "invalid";
    case Outcome::Unrecognised: return "unrecognised";
    case Outcome::Fatal: return "fatal";
  }
  return "?";
}

// One line of the configuration text, "<NAME>value</NAME>", found after `after`.
inline bool HasLine(const std::string& text, std::string_view after, std::string_view line) {
  const std::size_t from = text.find(after);
  return from != std::string::npos && text.find(std::string(line) + "\r\n", from) != std::string::npos;
}

}  // namespace tk48::testing

namespace tk48::testing {

// One table row of the section tests: the elements read (the last one is under
// test, the others prepare the record), the outcome, and for a stored value the
// field and what it holds afterwards.
using Getter = std::int64_t (*)(const SettingData&);

struct ElementCase {
  std::vector<Element> elements;
  Outcome outcome;
  Getter get = nullptr;
  std::int64_t want = 0;
  const char* where = nullptr;  // reported path when it is not the last element's own
};

// A reference as one number for the tables: kind * 1000 + channel number.
constexpr std::int64_t KindNo(int kind, int no) { return kind * 1000 + no; }

}  // namespace tk48::testing

#define TK48_FIELD(expr) [](const ::tk48::SettingData& r) -> std::int64_t { return static_cast<std::int64_t>(r.expr); }
#define TK48_REF(expr) \
  [](const ::tk48::SettingData& r) -> std::int64_t { return ::tk48::testing::KindNo(r.expr.kind, r.expr.no); }

namespace tk48::testing {

// Records are compared byte for byte: set references member by member, so no
// padding of a temporary lands in the record.
inline void SetRef(ChannelRef& ref, std::int32_t kind, std::int16_t no) {
  ref.kind = kind;
  ref.no = no;
}

// Texts likewise: the bytes after the terminator stay zero, as the reader leaves them.
template <std::size_t N>
void SetText(char (&field)[N], std::string_view text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

}  // namespace tk48::testing
