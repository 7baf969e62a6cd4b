#include "checks/output_holders.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "model/field_path.h"
#include "model/schema.h"

namespace tk48 {
namespace {

// Child `name` of a schema node, looking through groups and past a list
// container named like its items ("DO" holding DO1..DO128).
const Node* Child(const Node& n, std::string_view name) {
  for (const Node& c : n.children) {
    if (c.kind == Kind::Group) {
      for (const Node& g : c.children)
        if (g.name == name) return &g;
      continue;
    }
    if (c.name != name) continue;
    if (const Node* items = ListItemsOf(c)) return items;
    return &c;
  }
  return nullptr;
}

// The stored kind by which the reference at `path` names `keyword`; -1 when its
// family list has no such family.
std::int32_t KindIn(std::initializer_list<std::string_view> path, std::string_view keyword) {
  const Node* n = &ConfigurationSchema();
  for (std::string_view part : path) {
    n = Child(*n, part);
    if (n == nullptr) return -1;
  }
  if (n->families == nullptr) return -1;
  for (std::size_t i = 0; i < n->families->size(); ++i)
    if ((*n->families)[i].keyword == keyword) return static_cast<std::int32_t>(i);
  return -1;
}

HolderKinds KindsNaming(std::string_view family) {
  return {KindIn({"IO", "NODE_CONF", "ERROUT"}, family),  KindIn({"COM", "FTPC", "ERROR"}, family),
          KindIn({"MAIL_REPORT", "ERROR", "CH"}, family), KindIn({"SCHEDULE", "PATTERN", "OUT", "CH"}, family),
          KindIn({"IO", "GDO", "CH"}, family),            KindIn({"SCHEDULE", "MENTE", "INPUT", "CH"}, family)};
}

}  // namespace

const HolderKinds& KindsOf(OutputFamily family) {
  static const std::array<HolderKinds, 3> kinds{KindsNaming("MD"), KindsNaming("DO"), KindsNaming("GDO")};
  return kinds[static_cast<std::size_t>(family)];
}

std::int32_t HolderKind(OutputHolder holder, OutputFamily family) {
  const HolderKinds& k = KindsOf(family);
  switch (holder) {
    case OutputHolder::SlaveErrorOutput: return k.slave;
    case OutputHolder::FtpFailure: return k.ftp;
    case OutputHolder::MailOutput: return k.mail;
    case OutputHolder::PatternOutput: return k.pattern;
    case OutputHolder::GdoMember: return k.member;
    case OutputHolder::MaintenanceSwitch: return k.mente;
  }
  return -1;
}

}  // namespace tk48
