#pragma once
#include <cstdint>

#include "model/sections/common.h"

namespace tk48 {

// One monitored process: its state channels and the numbers shown beside it.
struct OpemonProc {
  char NAME[97];
  ChannelRef CH[5];            // CH1..5
  ChannelRef NUM_MAIN;
  ChannelRef NUM_SUB[3];       // NUM_SUB1..3
};

struct OpemonSection {
  OpemonProc PROC[32];         // PROC1..32
};

}  // namespace tk48
