#include "model/record_diff.h"

#include "model/field_path.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The schema's own text for the section `path` starts with, so a long list
// does not keep one copy of it per row.
std::string_view SectionOf(std::string_view path) {
  const std::string_view head = path.substr(0, path.find('.'));
  for (const Node& section : ReaderSchema().children)
    if (section.name == head) return section.name;
  return {};
}

}  // namespace

std::vector<FieldChange> DiffRecords(const SettingData& before, const SettingData& after, Secrets secrets) {
  std::vector<FieldChange> changes;
  if (SameRecord(before, after)) return changes;
  // The walk only reads.
  auto& from = const_cast<SettingData&>(before);
  std::string_view section;
  ForEachField(from, [&](const std::string& path, const FieldRef& a) {
    std::string va = FieldText(a), vb = FieldText(SameFieldIn(a, before, after));
    if (va == vb) return;
    const bool inSection = !section.empty() && path.size() > section.size() && path[section.size()] == '.' &&
                           std::string_view(path).starts_with(section);
    if (!inSection) section = SectionOf(path);
    const bool hidden = Hides(*a.node, secrets);
    changes.push_back(
        {section, path, hidden ? std::string() : std::move(va), hidden ? std::string() : std::move(vb), hidden});
  });
  return changes;
}

std::string ChangeLine(const FieldChange& change) {
  if (change.hidden) return change.path + ": " + std::string(LoadText(text::kSecretChanged));
  return change.path + ": " + change.before + " -> " + change.after;
}

}  // namespace tk48
