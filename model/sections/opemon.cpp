#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
Node ProcRef(const char* name, std::uint32_t offset, std::uint16_t count) {
  static const Families channels{{"NONE", 0, true}, {"AI", kAiCount}, {"PI", kPiCount},
                                 {"MA", kMaCount},  {"DI", kDiCount}, {"MD", kMdCount}};
  Node ref = Ref(name, offset, offset + offsetof(ChannelRef, no), channels, 0, 1);
  return count == 0 ? ref : Array(std::move(ref), count, 1, sizeof(ChannelRef), sizeof(ChannelRef));
}
}  // namespace

Node OpemonSchema() {
  return Container("OPEMON", offsetof(SettingData, OPEMON),
                   {Repeated("PROC", offsetof(OpemonSection, PROC), 32, 1, sizeof(OpemonProc),
                             {Text("NAME", offsetof(OpemonProc, NAME), 97, "Process%d"),
                              ProcRef("CH", offsetof(OpemonProc, CH), 5),
                              ProcRef("NUM_MAIN", offsetof(OpemonProc, NUM_MAIN), 0),
                              ProcRef("NUM_SUB", offsetof(OpemonProc, NUM_SUB), 3)})});
}

}  // namespace tk48
