#pragma once
// SettingData: the whole configuration of one device as one fixed-size record.
// Field names are the configuration file's element names.
#include <cstring>
#include <memory>
#include <type_traits>

#include "model/sections/access.h"
#include "model/sections/com.h"
#include "model/sections/disp.h"
#include "model/sections/io.h"
#include "model/sections/mail_report.h"
#include "model/sections/opemon.h"
#include "model/sections/record.h"
#include "model/sections/schedule.h"
#include "model/sections/system.h"

namespace tk48 {

struct SettingData {
  AccessBlock TK48GCFG;
  SystemSection SYSTEM;
  IoSection IO;
  ComSection COM;
  DispSection DISP;
  RecordSection RECORD;
  MailReportSection MAIL_REPORT;
  ScheduleSection SCHEDULE;
  OpemonSection OPEMON;
};

static_assert(std::is_trivially_copyable_v<SettingData> && std::is_standard_layout_v<SettingData>,
              "the record is copied and compared byte for byte");

// The record is large: keep it on the heap.
inline std::unique_ptr<SettingData> NewSettingData() { return std::make_unique<SettingData>(); }

inline bool SameRecord(const SettingData& a, const SettingData& b) {
  return std::memcmp(&a, &b, sizeof(SettingData)) == 0;
}

}  // namespace tk48
