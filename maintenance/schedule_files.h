#pragma once
// The schedule files the device hands out ("PATTERN_P", "SCHPER_P",
// "SCHMNT_P": zlib-compressed, fixed sizes) and the small puts that change
// them ("PATTERN", "SCHPER", "SCHMNT"). Parse and build both ways, so the
// screens, the CLI and the simulator share one layout.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "maintenance/date_time.h"

namespace tk48 {
class UiPort;
}

namespace tk48::maint {

inline constexpr int kUnits = 32;
inline constexpr int kPatterns = 64;
inline constexpr int kOneTimeDays = 7;
inline constexpr int kPermanentEntries = 10;
inline constexpr std::size_t kDayEntrySize = 10;  // five 16-bit numbers
inline constexpr std::size_t kOneTimeFileSize = kUnits * kOneTimeDays * kDayEntrySize;         // 2240
inline constexpr std::size_t kPermanentFileSize = kUnits * kPermanentEntries * kDayEntrySize;  // 3200
inline constexpr std::size_t kTypeEntrySize = 12;
inline constexpr std::size_t kTypeUnitSize = (kOneTimeDays + kPermanentEntries) * kTypeEntrySize;  // 204
inline constexpr std::size_t kDoTypesOffset = kUnits * kTypeUnitSize;                                // 6528
inline constexpr std::size_t kMdTypesOffset = kDoTypesOffset + 128;                                  // 6656
inline constexpr std::size_t kOutputTypesFileSize = kMdTypesOffset + 256;                            // 6912

// Output families of "SCHMNT" and output types.
inline constexpr std::uint16_t kFamilyMd = 0, kFamilyDo = 1;
inline constexpr std::uint8_t kOutputSch = 0, kOutputOn = 1, kOutputOff = 2;

// A day entry as the device sends it. The numbers are the device's: nothing
// here is trusted as an index before ValidDay / ValidPattern say so.
struct ScheduleDay {
  std::uint16_t year = 0, month = 0, day = 0, weekday = 0, pattern = 0;
  bool SameDate(const ScheduleDay& o) const { return year == o.year && month == o.month && day == o.day; }
  bool operator==(const ScheduleDay&) const = default;
};
inline bool ValidPattern(int pattern) { return pattern >= 0 && pattern <= kPatterns; }
inline bool ValidWeekday(int weekday) { return weekday >= 0 && weekday <= 6; }

using OneTimeUnit = std::array<ScheduleDay, kOneTimeDays>;
using PermanentUnit = std::array<ScheduleDay, kPermanentEntries>;

struct OneTimeFile {
  std::array<OneTimeUnit, kUnits> units{};
};
struct PermanentFile {
  std::array<PermanentUnit, kUnits> units{};
};
// "SCHMNT_P": the unit entries are kept as their raw bytes (only the set word
// and the pattern number are read); the output types follow.
struct OutputTypesFile {
  std::array<std::array<std::uint8_t, kTypeUnitSize>, kUnits> unitEntries{};
  std::array<std::uint8_t, 128> doTypes{};
  std::array<std::uint8_t, 256> mdTypes{};

  // Entry e of unit u (0-based; e < 7 the one-time days, then the permanent entries).
  bool EntrySet(int unit, int entry) const;
  std::uint16_t EntryPattern(int unit, int entry) const;
  void SetEntry(int unit, int entry, bool set, std::uint16_t pattern);
  // The type of channel `no` (1-based) of a family; nullopt for a channel outside it.
  std::optional<std::uint8_t> Type(std::uint16_t family, int no) const;
  bool SetType(std::uint16_t family, int no, std::uint8_t type);
};

// ---- Parse and build the decompressed bytes ----------------------------------
// Nullopt unless `bytes` has exactly the file's size.
std::optional<OneTimeFile> ParseOneTime(std::span<const std::uint8_t> bytes);
std::optional<PermanentFile> ParsePermanent(std::span<const std::uint8_t> bytes);
std::optional<OutputTypesFile> ParseOutputTypes(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> BuildOneTime(const OneTimeFile& file);
std::vector<std::uint8_t> BuildPermanent(const PermanentFile& file);
std::vector<std::uint8_t> BuildOutputTypes(const OutputTypesFile& file);

// A received file: decompresses and parses it; a failed decompression or a
// wrong size shows "Failed to decompress setting data." (error icon).
std::optional<OneTimeFile> UnpackOneTime(std::span<const std::uint8_t> received, UiPort& ui);
std::optional<PermanentFile> UnpackPermanent(std::span<const std::uint8_t> received, UiPort& ui);
std::optional<OutputTypesFile> UnpackOutputTypes(std::span<const std::uint8_t> received, UiPort& ui);

// ---- The puts ----------------------------------------------------------------
struct PatternPut {  // "PATTERN": a one-time day of a unit takes a pattern
  DateTime date;     // year, month, day
  int unit = 1;      // 1..32
  int pattern = 0;   // 0..64
};
struct PermanentPut {  // "SCHPER": a permanent entry of a unit
  DateTime date;
  int unit = 1;
  int entry = 1;     // 1..10
  int pattern = 0;
};
struct OutputTypePut {  // "SCHMNT"
  std::uint16_t family = kFamilyMd;
  int channel = 1;      // 1-based
  std::uint8_t type = kOutputSch;
};
std::vector<std::uint8_t> Payload(const PatternPut& put);
std::vector<std::uint8_t> Payload(const PermanentPut& put);
std::vector<std::uint8_t> Payload(const OutputTypePut& put);

// ---- The device's schedule state (the simulator) ------------------------------
// The three files kept consistent: the unit entries of "SCHMNT_P" mirror the
// one-time days and the permanent entries.
struct DeviceSchedule {
  OneTimeFile oneTime;
  PermanentFile permanent;
  OutputTypesFile types;

  // The one-time days become the seven days from `today`, keeping the pattern
  // of a date that stays; new days have none.
  void StartDays(const DateTime& today);
  // False (nothing changes) when no one-time day of the unit has that date.
  bool Apply(const PatternPut& put);
  // False when the date is not a device date or another set entry of the unit has it.
  bool Apply(const PermanentPut& put);
  bool Apply(const OutputTypePut& put);
  // Rewrites the unit entries of the output types from the two schedules.
  void Mirror();
};

}  // namespace tk48::maint
