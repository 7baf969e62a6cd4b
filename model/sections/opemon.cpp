#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node OpemonSchema() { return Container("OPEMON", offsetof(SettingData, OPEMON), {}); }

}  // namespace tk48
