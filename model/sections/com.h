#pragma once
#include <cstdint>

#include "model/sections/access.h"
#include "model/sections/common.h"

namespace tk48 {

struct ComSection {
  TcpIpBlock TCP_IP;  // network address block (access-settings document only)
};

}  // namespace tk48
