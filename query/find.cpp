#include "query/find.h"

#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "model/field_path.h"
#include "model/writer.h"
#include "query/who_uses.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// ---- Rules ----------------------------------------------------------------------
// Rules name fields and items by their schema paths: the field paths without
// the numbers ("IO.AI.AREA.MD_ON"), '*' matching any run of characters.

// When an item is in use. An item inside an item not in use is not in use either.
enum class Use : std::uint8_t {
  Selected,  // the item's `field` is not 0: a TYPE other than NONE, a MODE other than NOUSE
  Zones,     // a zone numbered up to the zone count `field` of the channel around it
  Slave,     // a numbered field of the slave table, for its slave: in use when the slave is defined
};
struct UseRule {
  std::string_view items;
  Use test;
  std::string_view field;
};
// MA and MD registers are always in use: one without a function still holds a
// value that zones, the browser and other functions set.
constexpr UseRule kUseRules[] = {
    {"SYSTEM.DST", Use::Selected, "MODE"},
    {"IO.NODE_CONF.*", Use::Slave, {}},
    {"IO.AI", Use::Selected, "TYPE"},
    {"IO.DI", Use::Selected, "TYPE"},
    {"IO.PI", Use::Selected, "TYPE"},
    {"IO.AO", Use::Selected, "TYPE"},
    {"IO.DO", Use::Selected, "TYPE"},
    {"IO.GDO", Use::Selected, "MODE"},
    {"IO.*.AREA", Use::Zones, "USE_AREAS"},
    {"COM.WEB.AUTH", Use::Selected, "MODE"},
    {"COM.FTP", Use::Selected, "MODE"},
    {"COM.SNTP", Use::Selected, "MODE"},
    {"COM.MODBUS_TCP", Use::Selected, "MODE"},
    {"COM.SMTP_POP3.*AUTH", Use::Selected, "MODE"},
    {"COM.FTPC", Use::Selected, "MODE"},
    {"MAIL_REPORT.FORM", Use::Selected, "MODE"},
    {"MAIL_REPORT.FORM.SUCCESS", Use::Selected, "MODE"},
    {"MAIL_REPORT.TIME", Use::Selected, "MODE"},
    {"MAIL_REPORT.TIME.REPORT_TIME", Use::Selected, "MODE"},
    {"MAIL_REPORT.ERROR", Use::Selected, "MODE"},
    {"RECORD.LOGGING", Use::Selected, "MODE"},
    {"RECORD.*.PEN", Use::Selected, "PEN_TYPE"},
    {"RECORD.*.PEN.BAND", Use::Selected, "MODE"},
    {"RECORD.EVENT.*_LOG", Use::Selected, "MODE"},
    {"RECORD.REPORT", Use::Selected, "MODE"},
    {"SCHEDULE.UNIT", Use::Selected, "MODE"},
};

// Fields that name channels besides the reference fields, and when a reference
// is in effect. A field with rules refers to a channel only when one of its
// rules holds; the reference fields without rules always do.
struct RefRule {
  std::string_view field;
  std::string_view family = {};  // a number or bit-set field: the family it names
  std::string_view when = {};    // on the item around the field: "TYPE=AND|OR,INPUT_CONT.CN=0"; empty: always
  std::int32_t item = -1;        // only this item of a repeated field
  std::string_view run = {};     // the count of consecutive channels from the one referred to
};
constexpr RefRule kRefRules[] = {
    // A channel's input taken from another channel.
    {"IO.DI.AI_CH", "AI", "TYPE=AI"},
    {"IO.PI.DI_CH", "DI", "TYPE=DI"},
    {"IO.PI.ANALOG_SUM.TARGET_CH", "AI", "TYPE=ANALOG_SUM"},
    {"IO.PI.BINARY_SUM.TARGET_CH", "AI", "TYPE=BINARY_SUM"},
    // The inputs a function reads: X1 always, X2 for the two-input functions, X3 for the sum.
    {"IO.MA.INPUT.X", {}, "TYPE!=NONE", 1},
    {"IO.MA.INPUT.X", {}, "TYPE=ADD|MUL|DIV", 2},
    {"IO.MA.INPUT.X", {}, "TYPE=ADD", 3},
    {"IO.MD.INPUT1", {}, "TYPE=EQUAL|NOT|XOR"},
    {"IO.MD.INPUT1", {}, "TYPE=AND|OR,INPUT_CONT.CN=0"},
    {"IO.MD.INPUT2", {}, "TYPE=XOR"},
    {"IO.MD.INPUT2", {}, "TYPE=AND|OR,INPUT_CONT.CN=0"},
    {"IO.MD.INPUT_CONT.CH", {}, "TYPE=AND|OR,INPUT_CONT.CN!=0", -1, "INPUT_CONT.CN"},
    {"IO.AO.IO_MAPPING.ANALOG", {}, "IO_MAPPING.MODE=ANALOG"},
    {"IO.AO.IO_MAPPING.BIT", {}, "IO_MAPPING.MODE=DIGITAL"},
    {"MAIL_REPORT.FORM.SUCCESS.CH", {}, "SUCCESS.MODE!=NONE"},
    {"MAIL_REPORT.ERROR.CH", {}, "ERROR.MODE!=NONE"},
    // Bit sets of channels: bit i of word w stands for channel 32 (w - 1) + i + 1.
    {"IO.*.MD_ON", "MD"},
    {"IO.*.DO_ON", "DO"},
    {"IO.*.GDO_ON1", "GDO"},
    {"IO.*.RESET_PI", "PI"},
    {"IO.*.RESET_MA", "MA"},
    {"COM.WEB.AUTH.CTRL_MD", "MD"},
    {"COM.WEB.AUTH.CTRL_MA", "MA"},
    {"COM.WEB.AUTH.CTRL_DO", "DO"},
    {"COM.WEB.AUTH.CTRL_GDO", "GDO"},
    {"COM.WEB.AUTH.CTRL_AO", "AO"},
    {"DISP.DATA.AI", "AI"},
    {"DISP.DATA.DI", "DI"},
    {"DISP.DATA.PI", "PI"},
    {"DISP.DATA.MA", "MA"},
    {"DISP.DATA.MD", "MD"},
    {"DISP.DATA.AO", "AO"},
    {"DISP.DATA.DO", "DO"},
    {"DISP.DATA.GDO", "GDO"},
};

// ---- Matching ---------------------------------------------------------------------

constexpr std::array<char, 256> kLower = [] {
  std::array<char, 256> t{};
  for (int c = 0; c < 256; ++c) t[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return t;
}();
char Lower(char c) { return kLower[static_cast<unsigned char>(c)]; }

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Lower(c);
  return out;
}

// `lowered` already in lower case.
bool Contains(std::string_view hay, std::string_view lowered) {
  if (lowered.empty()) return true;
  if (lowered.size() > hay.size()) return false;
  const char first = lowered.front();
  for (std::size_t i = 0, last = hay.size() - lowered.size(); i <= last; ++i) {
    if (Lower(hay[i]) != first) continue;
    std::size_t k = 1;
    while (k < lowered.size() && Lower(hay[i + k]) == lowered[k]) ++k;
    if (k == lowered.size()) return true;
  }
  return false;
}

bool Glob(std::string_view s, std::string_view p) {
  std::size_t si = 0, pi = 0, star = std::string_view::npos, mark = 0;
  while (si < s.size()) {
    if (pi < p.size() && p[pi] != '*' && (p[pi] == '?' || Lower(p[pi]) == Lower(s[si]))) {
      ++si;
      ++pi;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = si;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      si = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

// ---- The rules resolved against the schema, once ----------------------------------

// A stored value of an item: a keyword's index or an integer.
struct Value {
  std::uint32_t offset = 0;  // from the item's base
  Width width = Width::S32;
  std::int64_t Load(const unsigned char* base) const { return LoadInt(base + offset, width); }
};

struct Condition {
  Value value;
  std::vector<std::int64_t> values;
  bool negate = false;
  bool Holds(const unsigned char* base) const {
    const std::int64_t v = value.Load(base);
    bool in = false;
    for (std::int64_t x : values) in = in || x == v;
    return in != negate;
  }
};

struct Gate {
  std::int32_t item = -1;
  std::vector<Condition> conditions;
  bool hasRun = false;
  Value run;
};

// What the walk needs to know of a field node.
struct FieldRules {
  bool slave = false;                 // Use::Slave
  std::string_view family;            // a number or bit-set field
  const Node* scope = nullptr;        // the item the gates look at
  std::vector<Gate> gates;
};

struct ItemRule {
  Use test;
  Value value;  // in the item (Selected) or the item around it (Zones)
};

struct Index {
  std::unordered_map<const Node*, ItemRule> items;
  std::unordered_map<const Node*, FieldRules> fields;
};

[[noreturn]] void BadRule(std::string_view what) {
  throw std::logic_error("find rule does not fit the schema: " + std::string(what));
}

// The field at `path` below an item of `scope`, through plain containers.
const Node& FieldIn(const Node& scope, std::string_view path, std::uint32_t& offset) {
  const Node* n = &scope;
  offset = 0;
  while (!path.empty()) {
    const std::size_t dot = path.find('.');
    const std::string_view part = path.substr(0, dot);
    path = dot == std::string_view::npos ? std::string_view{} : path.substr(dot + 1);
    const Node* next = nullptr;
    for (const Node::Child& c : n->exactChildren)
      if (c.name == part) next = c.node;
    if (next == nullptr || next->count != 1) BadRule(part);
    offset += next->offset;
    n = next;
  }
  if (!n->IsField()) BadRule(n->name);
  return *n;
}

Value ValueIn(const Node& scope, std::string_view path) {
  Value v;
  const Node& f = FieldIn(scope, path, v.offset);
  v.width = StorageWidth(f);
  return v;
}

// "TYPE=AND|OR,INPUT_CONT.CN!=0".
std::vector<Condition> Conditions(const Node& scope, std::string_view when) {
  std::vector<Condition> out;
  while (!when.empty()) {
    const std::size_t comma = when.find(',');
    std::string_view term = when.substr(0, comma);
    when = comma == std::string_view::npos ? std::string_view{} : when.substr(comma + 1);
    const std::size_t eq = term.find('=');
    if (eq == std::string_view::npos || eq == 0) BadRule(term);
    Condition c;
    c.negate = term[eq - 1] == '!';
    const std::string_view path = term.substr(0, c.negate ? eq - 1 : eq);
    std::uint32_t offset = 0;
    const Node& field = FieldIn(scope, path, offset);
    c.value = {offset, StorageWidth(field)};
    std::string_view list = term.substr(eq + 1);
    while (!list.empty()) {
      const std::size_t bar = list.find('|');
      const std::string_view word = list.substr(0, bar);
      list = bar == std::string_view::npos ? std::string_view{} : list.substr(bar + 1);
      std::int64_t v = -1;
      if (field.kind == Kind::Keyword) {
        for (std::size_t k = 0; k < field.keywords->size(); ++k)
          if ((*field.keywords)[k] == word) v = static_cast<std::int64_t>(k);
      } else if (std::from_chars(word.data(), word.data() + word.size(), v).ec != std::errc{}) {
        v = -1;
      }
      if (v < 0) BadRule(word);
      c.values.push_back(v);
    }
    out.push_back(std::move(c));
  }
  return out;
}

class IndexBuilder {
 public:
  explicit IndexBuilder(Index& index) : index_(index) {}

  void Walk(const Node& n, const std::string& prefix) {
    if (const Node* items = ListItemsOf(n)) return Walk(*items, prefix);
    const std::string path = prefix + n.name;
    if (n.kind == Kind::Group) {
      for (const Node& c : n.children) FieldNode(c, prefix + c.name);
      return;
    }
    if (n.IsField()) return FieldNode(n, path);
    ItemNode(n, path);
    const bool item = n.numbered || n.count > 1 || scopes_.empty();
    if (item) scopes_.push_back(&n);
    for (const Node& c : n.children) Walk(c, path + ".");
    if (item) scopes_.pop_back();
  }

  // Every rule names something: a rule the schema lost is a fault, not a silent no-op.
  void CheckEveryRuleUsed() const {
    for (std::size_t i = 0; i < std::size(kUseRules); ++i)
      if (!useUsed_[i]) BadRule(kUseRules[i].items);
    for (std::size_t i = 0; i < std::size(kRefRules); ++i)
      if (!refUsed_[i]) BadRule(kRefRules[i].field);
  }

 private:
  void ItemNode(const Node& n, const std::string& path) {
    for (std::size_t i = 0; i < std::size(kUseRules); ++i) {
      const UseRule& r = kUseRules[i];
      if (r.test == Use::Slave || !Glob(path, r.items)) continue;
      useUsed_[i] = true;
      const Node* holder = r.test == Use::Zones ? scopes_.back() : &n;
      index_.items[&n] = ItemRule{r.test, ValueIn(*holder, r.field)};
    }
  }

  void FieldNode(const Node& n, const std::string& path) {
    FieldRules rules;
    bool any = false;
    for (std::size_t i = 0; i < std::size(kUseRules); ++i) {
      const UseRule& r = kUseRules[i];
      if (r.test == Use::Slave && n.numbered && Glob(path, r.items)) rules.slave = any = useUsed_[i] = true;
    }
    for (std::size_t i = 0; i < std::size(kRefRules); ++i) {
      const RefRule& r = kRefRules[i];
      if (!Glob(path, r.field)) continue;
      any = refUsed_[i] = true;
      rules.family = r.family;
      rules.scope = scopes_.back();
      Gate gate{r.item, Conditions(*rules.scope, r.when), !r.run.empty(), {}};
      if (gate.hasRun) gate.run = ValueIn(*rules.scope, r.run);
      if (!r.when.empty() || r.item >= 0) rules.gates.push_back(std::move(gate));
    }
    if (any) index_.fields[&n] = std::move(rules);
  }

  Index& index_;
  std::vector<const Node*> scopes_;  // the numbered items around, innermost last; the section first
  std::array<bool, std::size(kUseRules)> useUsed_{};
  std::array<bool, std::size(kRefRules)> refUsed_{};
};

const Index& Rules() {
  static const Index index = [] {
    Index built;
    IndexBuilder builder(built);
    for (const Node& section : ConfigurationSchema().children) builder.Walk(section, {});
    builder.CheckEveryRuleUsed();
    return built;
  }();
  return index;
}

// ---- The walk ------------------------------------------------------------------------

// How a hit shows a hidden password: "(set)" when it holds a value, never the value.
std::string SecretText(const FieldRef& field) {
  const bool set = *reinterpret_cast<const char*>(field.slot.value) != '\0';
  return set ? std::string(LoadText(text::kSecretSet)) : std::string();
}

// Every field of the configuration file, knowing whether the items around it
// are in use; Visit decides on a hit.
class FindWalk : public FieldVisitor {
 public:
  explicit FindWalk(Secrets secrets = Secrets::Hidden) : secrets_(secrets), rules_(Rules()) {
    frames_.push_back({nullptr, nullptr, true});
  }

  std::vector<FindHit> Run(const SettingData& record) {
    WalkFields(ConfigurationSchema(), const_cast<SettingData&>(record), *this);
    return std::move(hits_);
  }

  void EnterItem(const Node& container, std::int32_t number, unsigned char* base) override {
    bool inUse = frames_.back().inUse;
    if (inUse) {
      if (auto it = rules_.items.find(&container); it != rules_.items.end()) {
        const ItemRule& r = it->second;
        inUse = r.test == Use::Selected
                    ? r.value.Load(base) != 0
                    : number <= ZonesInUse(static_cast<std::int16_t>(r.value.Load(frames_.back().base)));
      }
    }
    frames_.push_back({&container, base, inUse});
  }
  void LeaveItem(const Node&) override { frames_.pop_back(); }

  void Field(std::string_view path, const FieldRef& field, std::int32_t number) override {
    if (!Visit(path, field, number)) return;
    bool inUse = frames_.back().inUse;
    if (const FieldRules* rules = RulesOf(*field.node); inUse && rules && rules->slave)
      inUse = SlaveDefined(*reinterpret_cast<const NodeConf*>(frames_.back().base), number);
    hits_.push_back({std::string(path), Hides(*field.node, secrets_) ? SecretText(field) : FieldText(field), inUse});
  }

 protected:
  ~FindWalk() = default;
  virtual bool Visit(std::string_view path, const FieldRef& field, std::int32_t number) = 0;

  const Secrets secrets_;

  const FieldRules* RulesOf(const Node& field) const {
    const auto it = rules_.fields.find(&field);
    return it == rules_.fields.end() ? nullptr : &it->second;
  }

  // The base of the item of `scope` around the current field.
  const unsigned char* BaseOf(const Node* scope) const {
    for (auto f = frames_.rbegin(); f != frames_.rend(); ++f)
      if (f->node == scope) return f->base;
    return nullptr;
  }

 private:
  struct Frame {
    const Node* node;
    const unsigned char* base;
    bool inUse;
  };
  const Index& rules_;
  std::vector<Frame> frames_;
  std::vector<FindHit> hits_;
};

class TextFind final : public FindWalk {
 public:
  TextFind(std::string_view text, Secrets secrets)
      : FindWalk(secrets),
        needle_(Lowered(text)),
        escaped_(needle_.find('#') != std::string::npos),
        numeric_(needle_.find_first_not_of("0123456789-.xabcdef") == std::string::npos) {}

 private:
  bool Visit(std::string_view, const FieldRef& f, std::int32_t) override {
    // A hit on a hidden password would tell what it holds; the empty text tells nothing.
    if (Hides(*f.node, secrets_)) return needle_.empty();
    // A number is written with digits, '-', '.' and "0x" hexadecimals: a text
    // of other characters never matches one, and formatting it would be wasted.
    if (!numeric_ && (f.node->kind == Kind::Int || f.node->kind == Kind::Real)) return false;
    // A text matches as it was typed ("A&B"), and in the file's escapes ("A#AB")
    // only when asked for them: "ab" does not find "A&B".
    if (f.node->kind == Kind::Text) {
      const char* raw = reinterpret_cast<const char*>(f.slot.value);
      if (Contains(std::string_view(raw, strnlen(raw, f.node->capacity)), needle_)) return true;
      if (!escaped_) return false;
    }
    return Contains(std::string_view(scratch_.data(), FormatFieldValue(*f.node, f.slot, scratch_)), needle_);
  }
  std::string needle_;
  std::array<char, kFieldValueMax> scratch_;
  bool escaped_;  // the text holds the escape character
  bool numeric_;  // the text may be part of a number
};

class PathFind final : public FindWalk {
 public:
  PathFind(std::string_view pattern, Secrets secrets) : FindWalk(secrets), pattern_(pattern) {}

 private:
  bool Visit(std::string_view path, const FieldRef&, std::int32_t) override {
    return Glob(path, pattern_);
  }
  std::string_view pattern_;
};

struct Channel {
  std::string family;
  std::int64_t number = 0;
};

// "AI005", "ai5", "AI 5"; nullopt for anything else.
std::optional<Channel> ParseChannel(std::string_view text) {
  static constexpr std::string_view kFamilies[] = {"AI", "DI", "PI", "MA", "MD", "AO", "DO", "GDO"};
  std::size_t i = 0;
  Channel c;
  while (i < text.size() && Lower(text[i]) >= 'a' && Lower(text[i]) <= 'z')
    c.family += static_cast<char>(text[i++] & ~0x20);
  while (i < text.size() && text[i] == ' ') ++i;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data() + i, end, c.number);
  if (i == text.size() || ec != std::errc{} || ptr != end || c.number < 1) return std::nullopt;
  for (std::string_view f : kFamilies)
    if (f == c.family) return c;
  return std::nullopt;
}

// The family and number a reference field names; an empty family for none.
std::pair<std::string_view, std::int64_t> Named(const FieldRef& f) {
  const Node& n = *f.node;
  auto of = [&](std::int64_t kind, std::int64_t number) -> std::pair<std::string_view, std::int64_t> {
    if (kind < 0 || static_cast<std::size_t>(kind) >= n.families->size()) return {};
    const Family& family = (*n.families)[static_cast<std::size_t>(kind)];
    if (family.noNumber) return {};
    return {family.keyword, number};
  };
  switch (n.kind) {
    case Kind::Ref: return of(LoadI32(f.slot.value), LoadI16(f.slot.number));
    case Kind::PenChannel: return of(LoadI32(f.base + n.depOffset), LoadInt(f.slot.value, n.width));
    case Kind::MdNumber: return {"MD", LoadInt(f.slot.value, n.width)};
    default: return {};
  }
}

class ReferenceFind final : public FindWalk {
 public:
  explicit ReferenceFind(Channel wanted) : wanted_(std::move(wanted)) {}

 private:
  bool Visit(std::string_view, const FieldRef& f, std::int32_t number) override {
    const FieldRules* rules = RulesOf(*f.node);
    if (!rules && f.node->kind != Kind::Ref && f.node->kind != Kind::PenChannel && f.node->kind != Kind::MdNumber)
      return false;
    std::int64_t run = 1;  // channels named from the one stored
    if (rules && !rules->gates.empty()) {
      const unsigned char* base = BaseOf(rules->scope);
      const Gate* open = nullptr;
      for (const Gate& g : rules->gates) {
        if (g.item >= 0 && g.item != number) continue;
        bool holds = true;
        for (const Condition& c : g.conditions) holds = holds && c.Holds(base);
        if (holds) {
          open = &g;
          break;
        }
      }
      if (open == nullptr) return false;
      if (open->hasRun) run = open->run.Load(base);
    }
    if (rules && !rules->family.empty()) {
      if (rules->family != wanted_.family) return false;
      const std::int64_t value = LoadInt(f.slot.value, f.node->width);
      if (f.node->fmt != Fmt::Hex8) return value == wanted_.number;
      const std::int64_t word = f.node->numbered ? number : 1;
      const std::int64_t bit = wanted_.number - 1 - 32 * (word - 1);
      return bit >= 0 && bit < 32 && ((value >> bit) & 1) != 0;
    }
    const auto [family, first] = Named(f);
    return family == wanted_.family && wanted_.number >= first && wanted_.number < first + run;
  }
  Channel wanted_;
};

}  // namespace

std::vector<FindHit> FindText(const SettingData& record, std::string_view text, Secrets secrets) {
  return TextFind(text, secrets).Run(record);
}

std::vector<FindHit> FindPath(const SettingData& record, std::string_view pattern, Secrets secrets) {
  return PathFind(pattern, secrets).Run(record);
}

std::vector<FindHit> FindReferences(const SettingData& record, std::string_view channel) {
  const std::optional<Channel> wanted = ParseChannel(channel);
  if (!wanted) return {};
  return ReferenceFind(*wanted).Run(record);
}

std::string_view PathSection(std::string_view path) { return path.substr(0, path.find_first_of(".[")); }

}  // namespace tk48
