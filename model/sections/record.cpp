#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node RecordSchema() { return Container("RECORD", offsetof(SettingData, RECORD), {}); }

}  // namespace tk48
