#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node ScheduleSchema() { return Container("SCHEDULE", offsetof(SettingData, SCHEDULE), {}); }

}  // namespace tk48
