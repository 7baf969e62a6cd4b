#include "query/field_edit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unordered_set>

#include "checks/editor_limits.h"
#include "checks/limit_checks.h"
#include "model/defaults.h"
#include "model/field_path.h"
#include "model/read_faults.h"
#include "model/reader.h"
#include "model/text_codec.h"
#include "model/value_parse.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The changes a summary lists before it only counts the rest.
constexpr std::size_t kSummaryItems = 8;

// ---- Reading the changes ------------------------------------------------------------

bool IsPathChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
         c == '[' || c == ']';
}

enum class Form : std::uint8_t { Assignment, DiffLine, HiddenSecret, Neither };

// "PATH=VALUE", or "PATH: old -> new" as `diff` writes it. A value written by
// the file never holds '>' (it is escaped), so the arrow cannot be part of one.
Form Split(std::string_view line, AskedChange& change) {
  std::size_t end = 0;
  while (end < line.size() && IsPathChar(line[end])) ++end;
  if (end == 0 || end == line.size()) return Form::Neither;
  change.path = std::string(line.substr(0, end));
  if (line[end] == '=') {
    change.value = std::string(line.substr(end + 1));
    return Form::Assignment;
  }
  if (line.substr(end, 2) != ": ") return Form::Neither;
  const std::string_view values = line.substr(end + 2);
  const std::size_t arrow = values.find(" -> ");
  if (arrow == std::string_view::npos)
    return values == LoadText(text::kSecretChanged) ? Form::HiddenSecret : Form::Neither;
  change.expected = std::string(values.substr(0, arrow));
  change.value = std::string(values.substr(arrow + 4));
  return Form::DiffLine;
}

// ---- The checks of one value ----------------------------------------------------------

std::string Text(int id) { return std::string(LoadText(id)); }

// A limit's bound as the screens show it: "0.001", "-2000", "10000000000".
std::string Decimal(double v, int places) {
  char s[64];
  std::snprintf(s, sizeof s, "%.*f", places, v);
  std::string out(s);
  if (out.find('.') != std::string::npos) {
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.') out.pop_back();
  }
  return out;
}

bool IsHex(const Node& n) { return n.fmt == Fmt::Hex8 || n.fmt == Fmt::Hex2; }

// "0x0000007F", as the file writes the field.
std::string Hex(const Node& n, double v) {
  char s[24];
  std::snprintf(s, sizeof s, "0x%0*llX", n.fmt == Fmt::Hex8 ? 8 : 2, static_cast<unsigned long long>(v));
  return s;
}

std::string IntegerRange(double min, double max) {
  return FormatText(text::kExpectsIntegerRange, static_cast<long long>(min), static_cast<long long>(max));
}

std::string LimitReason(const Node& n, const CellLimit& l) {
  switch (l.check) {
    case Check::Whole:
    case Check::Port:
      if (IsHex(n)) return FormatText(text::kExpectsNumberRange, Hex(n, l.min).c_str(), Hex(n, l.max).c_str());
      return IntegerRange(l.min, l.max);
    case Check::OneOf: {
      std::string list;
      for (std::int32_t v : l.set)
        list += (list.empty() ? "" : std::string(LoadText(text::kListSeparator))) + std::to_string(v);
      return FormatText(text::kExpectsOneOf, list.c_str());
    }
    case Check::Real:
    case Check::RealNonZero:
      if (l.places == 0 && l.check == Check::Real)  // a discrete pen's OFF or ON
        return IntegerRange(l.min, l.max);
      return FormatText(l.check == Check::Real ? text::kEditRealRange : text::kEditRealRangeNonZero,
                        Decimal(l.min, l.places).c_str(), Decimal(l.max, l.places).c_str(), l.places);
    case Check::Text: return FormatText(text::kEditTextLength, l.chars, 2 * l.chars);
    case Check::Ascii: return FormatText(text::kEditAsciiLength, l.chars);
    case Check::Length: return FormatText(text::kEditLength, l.chars);
    case Check::Name: return FormatText(text::kEditNameLength, l.chars);
    case Check::Address: return Text(text::kEditAddress);
  }
  return Text(text::kValueRefused);
}

// The integers a field of `width` holds: a range wider than the field would
// store the low bits of a value, which then reads back as another.
CellLimit WithinWidth(CellLimit l, Width width) {
  static constexpr struct {
    Width width;
    double min, max;
  } kWidths[] = {{Width::U8, 0, 255},
                 {Width::S8, -128, 127},
                 {Width::U16, 0, 65535},
                 {Width::S16, -32768, 32767},
                 {Width::S32, -2147483648.0, 2147483647.0},
                 {Width::U32, 0, 4294967295.0}};
  for (const auto& w : kWidths) {
    if (w.width != width) continue;
    l.min = std::max(l.min, w.min);
    l.max = std::min(l.max, w.max);
  }
  return l;
}

// The field of the other server that listens on `port`, for a refused port.
std::string_view PortOwner(const SettingData& record, PortService self, std::int64_t port) {
  for (const EditorLimit& l : EditorLimits())
    if (l.limit.check == Check::Port && l.limit.service != self && ServicePort(record, l.limit.service) == port)
      return l.field;
  return {};
}

using Reason = std::optional<std::string>;

// What the reader stores, or why it refuses. A text is refused where the reader
// would cut it or the file could not carry it.
Reason StoreRefusal(const FieldRef& field, std::string_view value) {
  const Node& n = *field.node;
  if (n.kind == Kind::Text) {
    if (value.find('\0') != std::string_view::npos) return Text(text::kEditControlCharacter);
    std::string plain(value.size() + 1, '\0');  // the escapes only ever shorten a text
    UnescapeText(value, plain.data(), plain.size());
    plain.resize(std::strlen(plain.c_str()));
    if (plain.size() >= n.capacity) return FormatText(text::kEditTextBytes, n.capacity - 1);
    const std::u16string units = Utf8ToUtf16(plain);
    if (Utf16ToUtf8(units) != plain ||
        std::ranges::any_of(units, [](char16_t u) { return u >= 0xD800 && u <= 0xDFFF; }))
      return Text(text::kEditNotUtf8);
  }
  if (!SetFieldText(field, value)) return RefusedReason(n, value, field.base);
  return std::nullopt;
}

// The screen's check of a value the reader took, on the record with every
// change made: its limit may depend on another field (the function of an MA).
Reason ScreenCheck(const FieldRef& field, std::string_view path, std::string_view value, const SettingData& record) {
  const Node& n = *field.node;
  const unsigned char* stored = field.slot.value;
  switch (n.kind) {
    case Kind::Text: {
      const char* raw = reinterpret_cast<const char*>(stored);
      const std::string_view plain(raw, strnlen(raw, n.capacity));
      const std::u16string units = Utf8ToUtf16(plain);
      if (std::ranges::any_of(units, [](char16_t u) { return IsXmlForbiddenControl(u); }))
        return Text(text::kEditControlCharacter);
      const CellLimit l = FieldLimit(n, path, stored);
      if (!TextFits(plain, units, l)) return LimitReason(n, l);
      return std::nullopt;
    }
    case Kind::Real: {
      const CellLimit l = FieldLimit(n, path, stored);
      std::string_view number = value;
      if (l.check != Check::Real && l.check != Check::RealNonZero) {
        // A whole number the file writes with its decimals, "50.000".
        const std::size_t point = number.find('.');
        if (point != std::string_view::npos && number.find_first_not_of('0', point + 1) != std::string_view::npos)
          return LimitReason(n, l);
        number = number.substr(0, point);
      }
      const auto v = NumberValue(number, l);
      if (!v) return LimitReason(n, l);
      if (*v != LoadReal(stored)) return Text(text::kEditNotFileForm);
      return std::nullopt;
    }
    case Kind::Int:
    case Kind::PenChannel: {
      CellLimit l;
      if (n.kind == Kind::PenChannel) {
        // The channel of the pen's type; a pen without a type has channel 0.
        const auto type = static_cast<std::size_t>(LoadI32(field.base + n.depOffset));
        const std::int16_t max = (*n.families)[type].max;
        l = {Check::Whole, max ? 1.0 : 0.0, static_cast<double>(max)};
      } else {
        l = WithinWidth(FieldLimit(n, path, stored), n.width);
      }
      std::optional<std::int64_t> v;
      if (!IsHex(n))
        v = WholeValue(value, l);
      else if (const auto hex = HexValue(value, static_cast<std::uint32_t>(l.max)))
        v = *hex;
      if (!v) return LimitReason(n, l);
      if (l.check == Check::Port && PortTakenByOther(record, l.service, *v))
        return FormatText(text::kEditPortTaken, std::string(PortOwner(record, l.service, *v)).c_str());
      // The reader reads "+5" or " 5" as 0, and "FF" as a decimal.
      if (*v != LoadInt(stored, n.width)) return Text(text::kEditNotFileForm);
      return std::nullopt;
    }
    default: return std::nullopt;  // keywords, references: the reader's exact forms are the screens' choices
  }
}

// The offsets of the fields of the direct network settings: the reader knows
// them, the configuration file does not hold them.
bool InAccessDocument(const FieldRef& field, const SettingData& record) {
  static const std::unordered_set<std::ptrdiff_t> offsets = [] {
    std::unordered_set<std::ptrdiff_t> all;
    const std::unique_ptr<SettingData> scratch = NewSettingData();
    const auto* base = reinterpret_cast<const unsigned char*>(scratch.get());
    ForEachField(*scratch, AccessSchema(),
                 [&](const std::string&, const FieldRef& f) { all.insert(f.slot.value - base); });
    return all;
  }();
  return offsets.contains(field.slot.value - reinterpret_cast<const unsigned char*>(&record));
}

// How many leading characters two paths share, up to a whole component:
// "IO.DO[2].TYPE" and the item "IO.DO[2]" share 8, "IO.DO[1].TYPE" only 2.
std::size_t SharedPart(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const bool boundary = (i == a.size() || a[i] == '.') && (i == b.size() || b[i] == '.');
  if (boundary) return i;
  const std::size_t dot = a.substr(0, i).rfind('.');
  return dot == std::string_view::npos ? 0 : dot;
}

// The change a fault of the result is laid to: the one nearest the field or
// item it names, the first change when none is near.
std::size_t Blamed(std::span<const AskedChange> changes, std::string_view path) {
  std::size_t blamed = 0, shared = 0;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const std::size_t n = SharedPart(changes[i].path, path);
    if (n > shared) blamed = i, shared = n;
  }
  return blamed;
}

// A fault of the result: a rule between fields broken ("IO.DO[2]: drives the
// same point as IO.DO[1]"), or a field the reader would refuse in the written
// file ("RECORD.LOGGING.PEN[2].CH=0: expects ...", a pen's channel read against
// a pen type changed beside it).
std::optional<ReadFault> ResultFault(const SettingData& record) {
  if (auto broken = FindInconsistency(record)) return broken;
  const std::string text = ConfigurationText(record);
  auto back = NewSettingData();
  ApplyDefaults(*back);
  const ReadResult read = ParseConfiguration(*back, text);
  if (read.ok()) return std::nullopt;
  if (!read.faults.empty()) return read.faults.front();
  ReadFault unreadable;
  unreadable.reason = Text(text::kValueRefused);
  return unreadable;
}

std::string FaultReason(const ReadFault& fault) {
  if (fault.value.empty()) return FormatText(text::kFaultOfRule, fault.path.c_str(), fault.reason.c_str());
  return FormatText(text::kEditRefusal, fault.path.c_str(), fault.value.c_str(), fault.reason.c_str());
}

std::string ChangeItem(const FieldChange& c) {
  if (c.hidden) return c.path + " " + Text(text::kSecretChanged);
  return FormatText(text::kEditChangeItem, c.path.c_str(), ShownValue(c.before).c_str(), ShownValue(c.after).c_str());
}

}  // namespace

std::string RefusalLine(const EditRefusal& refusal) {
  const std::string value = ShownValue(refusal.value);
  const std::string body = refusal.path.empty() ? FormatText(text::kFaultOfRule, value.c_str(), refusal.reason.c_str())
                                                : FormatText(text::kEditRefusal, refusal.path.c_str(), value.c_str(),
                                                             refusal.reason.c_str());
  return refusal.line ? FormatText(text::kEditRefusalAtLine, refusal.line, body.c_str()) : body;
}

std::optional<AskedChange> ParseAssignment(std::string_view text) {
  AskedChange change;
  if (Split(text, change) != Form::Assignment) return std::nullopt;
  return change;
}

ChangeList ParseChanges(std::string_view text) {
  ChangeList list;
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    ++number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line[start] == '#') continue;
    line.remove_prefix(start);
    AskedChange change;
    change.line = number;
    switch (Split(line, change)) {
      case Form::Assignment:
      case Form::DiffLine: list.changes.push_back(std::move(change)); break;
      case Form::HiddenSecret:
        list.refused.push_back({change.path, Text(text::kSecretChanged), Text(text::kEditHiddenSecret), number});
        break;
      case Form::Neither: list.refused.push_back({{}, std::string(line), Text(text::kEditBadLine), number}); break;
    }
  }
  return list;
}

EditOutcome ApplyChanges(SettingData& record, std::span<const AskedChange> changes, bool force) {
  auto work = std::make_unique<SettingData>(record);
  std::vector<std::optional<FieldRef>> fields(changes.size());
  std::vector<Reason> reasons(changes.size());
  const auto refuse = [&](std::size_t i, std::string reason) {
    if (!reasons[i]) reasons[i] = std::move(reason);
  };

  // Every path first, against the record as it was: a diff line names the value it replaces.
  std::unordered_set<const unsigned char*> seen;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const AskedChange& c = changes[i];
    fields[i] = FindField(*work, c.path);
    if (!fields[i] || InAccessDocument(*fields[i], *work)) {
      fields[i].reset();
      refuse(i, Text(text::kEditNoSuchField));
    } else if (!seen.insert(fields[i]->slot.value).second) {
      refuse(i, Text(text::kEditTwice));
    } else if (c.expected && !force) {
      // A line the record already holds as its new value is done, not a conflict:
      // a fleet run again after some devices failed passes over those it changed.
      const std::string held = FieldText(*fields[i]);
      if (held != *c.expected && held != c.value)
        refuse(i, fields[i]->node->secret
                      ? Text(text::kEditSecretNotExpected)
                      : FormatText(text::kEditNotExpected, ShownValue(held).c_str(), ShownValue(*c.expected).c_str()));
    }
  }
  // The reader's rules, as it stores them: a pen's channel after the pen's type
  // it is read against, whatever order the changes come in.
  for (bool dependent : {false, true})
    for (std::size_t i = 0; i < changes.size(); ++i)
      if (!reasons[i] && (fields[i]->node->kind == Kind::PenChannel) == dependent)
        if (Reason r = StoreRefusal(*fields[i], changes[i].value)) refuse(i, std::move(*r));
  // The screens' checks, on the record with every change in it.
  for (std::size_t i = 0; i < changes.size(); ++i)
    if (!reasons[i])
      if (Reason r = ScreenCheck(*fields[i], changes[i].path, changes[i].value, *work)) refuse(i, std::move(*r));
  // The rules between fields and the file the result makes, once every value passed.
  if (std::ranges::none_of(reasons, [](const Reason& r) { return r.has_value(); }) && !changes.empty())
    if (const auto fault = ResultFault(*work)) refuse(Blamed(changes, fault->path), FaultReason(*fault));

  EditOutcome outcome;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (!reasons[i]) continue;
    const bool secret = fields[i] && fields[i]->node->secret;
    outcome.refused.push_back({changes[i].path, secret ? Text(text::kEditSecretValue) : changes[i].value,
                               std::move(*reasons[i]), changes[i].line});
  }
  if (!outcome.ok()) return outcome;
  outcome.changed = DiffRecords(record, *work);
  record = *work;
  return outcome;
}

std::string ChangeSummary(std::span<const FieldChange> changed) {
  if (changed.empty()) return Text(text::kEditNoChange);
  std::string list;
  const std::size_t shown = std::min(changed.size(), kSummaryItems);
  for (std::size_t i = 0; i < shown; ++i) {
    if (i) list += LoadText(text::kListSeparator);
    list += ChangeItem(changed[i]);
  }
  if (changed.size() > shown) list = FormatText(text::kEditMoreChanges, list.c_str(), changed.size() - shown);
  return changed.size() == 1 ? FormatText(text::kEditOneChanged, list.c_str())
                             : FormatText(text::kEditFieldsChanged, changed.size(), list.c_str());
}

}  // namespace tk48
