#include "model/field_path.h"

#include <charconv>

#include "model/value_parse.h"
#include "model/writer.h"

namespace tk48 {
namespace {

using Visit = std::function<void(const std::string&, const FieldRef&)>;

// One walk, one path buffer: each level appends its part and cuts it off again.
class Walker {
 public:
  explicit Walker(FieldVisitor& visitor) : visitor_(visitor) { path_.reserve(128); }

  void Walk(const Node& n, unsigned char* base) {
    if (const Node* items = ListItemsOf(n)) {
      Walk(*items, base + n.offset);
      return;
    }
    const std::size_t mark = path_.size();
    if (n.kind == Kind::Group) {
      for (std::size_t i = 0; i < n.count; ++i) {
        for (const Node& c : n.children) {
          Append(c.name, true, n.Number(i));
          visitor_.Field(path_, FieldRef{&c, SlotOf(c, base, i), base}, n.Number(i));
          path_.resize(mark);
        }
      }
      return;
    }
    if (n.IsField()) {
      for (std::size_t i = 0; i < n.count; ++i) {
        Append(n.name, n.numbered, n.Number(i));
        visitor_.Field(path_, FieldRef{&n, SlotOf(n, base, i), base}, n.Number(i));
        path_.resize(mark);
      }
      return;
    }
    for (std::size_t k = 0; k < n.count; ++k) {
      const std::size_t i = n.descending ? n.count - 1 - k : k;  // AREA5 .. AREA1, as the file has them
      unsigned char* item = base + n.offset + i * n.stride;
      Append(n.name, n.numbered, n.Number(i));
      path_ += '.';
      visitor_.EnterItem(n, n.Number(i), item);
      for (const Node& c : n.children) Walk(c, item);
      visitor_.LeaveItem(n);
      path_.resize(mark);
    }
  }

 private:
  void Append(const std::string& name, bool numbered, std::int32_t number) {
    path_ += name;
    if (!numbered) return;
    char digits[12];
    path_ += '[';
    path_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    path_ += ']';
  }

  FieldVisitor& visitor_;
  std::string path_;
};

class PathVisitor final : public FieldVisitor {
 public:
  explicit PathVisitor(const Visit& fn) : fn_(fn) {}
  void EnterItem(const Node&, std::int32_t, unsigned char*) override {}
  void LeaveItem(const Node&) override {}
  void Field(std::string_view path, const FieldRef& field, std::int32_t) override { fn_(std::string(path), field); }

 private:
  const Visit& fn_;
};

// Splits "AI[12]" into stem and number; a plain name has no number.
bool SplitPart(std::string_view part, std::string_view& stem, std::int32_t& number, bool& numbered) {
  const std::size_t open = part.find('[');
  numbered = open != std::string_view::npos;
  if (!numbered) {
    stem = part;
    return !part.empty();
  }
  if (part.back() != ']' || open + 2 > part.size() - 1) return false;
  stem = part.substr(0, open);
  const std::string_view digits = part.substr(open + 1, part.size() - open - 2);
  number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || number > 100000) return false;
    number = number * 10 + (c - '0');
  }
  return true;
}

}  // namespace

const Node* ListItemsOf(const Node& n) {
  if (n.kind != Kind::Container || n.numbered || n.children.size() != 1) return nullptr;
  const Node& c = n.children.front();
  return c.kind == Kind::Container && c.numbered && c.name == n.name ? &c : nullptr;
}

void WalkFields(const Node& root, SettingData& record, FieldVisitor& visitor) {
  auto* base = reinterpret_cast<unsigned char*>(&record);
  Walker walker(visitor);
  for (const Node& section : root.children) walker.Walk(section, base);
}

void ForEachField(SettingData& record, const Visit& fn) {
  PathVisitor visitor(fn);
  WalkFields(ReaderSchema(), record, visitor);
}

void ForEachField(SettingData& record, const Node& document, const Visit& fn) {
  PathVisitor visitor(fn);
  WalkFields(document, record, visitor);
}

FieldRef SameFieldIn(const FieldRef& field, const SettingData& from, const SettingData& other) {
  const auto delta = reinterpret_cast<const unsigned char*>(&other) - reinterpret_cast<const unsigned char*>(&from);
  FieldRef moved = field;
  moved.slot.value += delta;
  if (moved.slot.number) moved.slot.number += delta;
  moved.base += delta;
  return moved;
}

std::optional<FieldRef> FindField(SettingData& record, std::string_view path) {
  const Node* container = &ReaderSchema();
  unsigned char* base = reinterpret_cast<unsigned char*>(&record);
  while (!path.empty()) {
    const std::size_t dot = path.find('.');
    const std::string_view part = path.substr(0, dot);
    path = dot == std::string_view::npos ? std::string_view{} : path.substr(dot + 1);
    std::string_view stem;
    std::int32_t number = 0;
    bool numbered = false;
    if (!SplitPart(part, stem, number, numbered)) return std::nullopt;
    const Node* found = nullptr;
    const Node* numbering = nullptr;
    for (const auto& c : numbered ? container->numberedChildren : container->exactChildren) {
      if (c.name == stem) {
        found = c.node;
        numbering = c.group ? c.group : c.node;
        break;
      }
    }
    if (!found && numbered) {  // IO.AI[12]: the items inside the list container AI
      for (const auto& c : container->exactChildren) {
        if (c.name == stem && ListItemsOf(*c.node)) {
          base += c.node->offset;
          found = numbering = ListItemsOf(*c.node);
          break;
        }
      }
    }
    if (!found) return std::nullopt;
    std::size_t index = 0;
    if (numbered) {
      if (number < numbering->first || number >= numbering->first + numbering->count) return std::nullopt;
      index = static_cast<std::size_t>(number - numbering->first);
    }
    if (found->IsField()) {
      if (!path.empty()) return std::nullopt;
      return FieldRef{found, SlotOf(*found, base, index), base};
    }
    base += found->offset + index * found->stride;
    container = found;
  }
  return std::nullopt;
}

std::string FieldText(const FieldRef& field) { return FormatFieldValue(*field.node, field.slot); }

bool SetFieldText(const FieldRef& field, std::string_view text) {
  return StoreFieldValue(*field.node, field.slot, field.base, text) == Store::Stored;
}

}  // namespace tk48
