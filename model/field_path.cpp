#include "model/field_path.h"

#include "model/value_parse.h"
#include "model/writer.h"

namespace tk48 {
namespace {

using Visit = std::function<void(const std::string&, const FieldRef&)>;

std::string Numbered(const std::string& prefix, const std::string& stem, std::int32_t number) {
  return prefix + stem + "[" + std::to_string(number) + "]";
}

void Walk(const Node& n, unsigned char* base, const std::string& prefix, const Visit& fn) {
  if (const Node* items = ListItemsOf(n)) {
    Walk(*items, base + n.offset, prefix, fn);
    return;
  }
  if (n.kind == Kind::Group) {
    for (std::size_t i = 0; i < n.count; ++i)
      for (const Node& c : n.children)
        fn(Numbered(prefix, c.name, n.Number(i)), FieldRef{&c, SlotOf(c, base, i), base});
    return;
  }
  if (n.IsField()) {
    for (std::size_t i = 0; i < n.count; ++i)
      fn(n.numbered ? Numbered(prefix, n.name, n.Number(i)) : prefix + n.name, FieldRef{&n, SlotOf(n, base, i), base});
    return;
  }
  for (std::size_t i = 0; i < n.count; ++i) {
    unsigned char* item = base + n.offset + i * n.stride;
    const std::string path = (n.numbered ? Numbered(prefix, n.name, n.Number(i)) : prefix + n.name) + ".";
    for (const Node& c : n.children) Walk(c, item, path, fn);
  }
}

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

void ForEachField(SettingData& record, const Visit& fn) {
  auto* base = reinterpret_cast<unsigned char*>(&record);
  for (const Node& section : ReaderSchema().children) Walk(section, base, {}, fn);
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
