#pragma once
#include <cstdint>

#include "model/setting_data.h"

namespace tk48 {

// Zero fill, fixed and generated defaults, area limits, reference numbers, and
// the generated holiday calendar.
void ApplyDefaults(SettingData& record);

// "New setting": the defaults with the whole holiday calendar cleared.
void ApplyNewSetting(SettingData& record);

// The weekday of a date, 0 = Sunday.
int Weekday(int year, int month, int day);

// Fills `masks[year - 2015][month - 1]` for 2015..2099, carrying the substitute
// holiday across months and years.
void GenerateHolidays(std::uint32_t (&masks)[85][12]);

}  // namespace tk48
