#pragma once
#include <cstdint>

#include "model/sections/common.h"
#include "model/sections/mail_report.h"  // HourMin

namespace tk48 {

// One output of a pattern: on at START, off at STOP (STOP.HOUR 24 = end of day).
struct PatternOut {
  ChannelRef CH;               // NONE, DO, GDO, MD
  HourMin START;
  HourMin STOP;
};

struct SchedulePattern {
  char PTN_NAME[97];
  PatternOut OUT[8];           // OUT1..8
};

struct UnitDay {
  std::int16_t PTN;            // 0 = none, else a pattern number
};

struct ScheduleUnit {
  char NAME[97];
  std::int32_t MODE;
  UnitDay BASIC[7];            // BASIC0..6, Sunday to Saturday
};

struct MenteInput {
  ChannelRef CH;               // NONE, DI, MD
};

struct ScheduleMente {
  MenteInput INPUT;
};

struct ScheduleSection {
  SchedulePattern PATTERN[64]; // PATTERN1..64
  ScheduleUnit UNIT[32];       // UNIT1..32
  ScheduleMente MENTE;
};

}  // namespace tk48
