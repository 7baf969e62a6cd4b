#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node ComSchema() { return Container("COM", offsetof(SettingData, COM), {}); }

}  // namespace tk48
