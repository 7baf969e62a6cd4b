#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node IoSchema() { return Container("IO", offsetof(SettingData, IO), {}); }

}  // namespace tk48
