#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node DispSchema() { return Container("DISP", offsetof(SettingData, DISP), {}); }

}  // namespace tk48
