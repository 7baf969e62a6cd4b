#pragma once
#include <cstdint>

#include "model/sections/common.h"

namespace tk48 {

struct RecordSection {
  std::int32_t reserved_;  // the section's fields follow
};

}  // namespace tk48
