#include "maintenance/schedule_files.h"

#include <cstring>

#include "maintenance/device_files.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

namespace {
ScheduleDay ReadDay(const std::uint8_t* p) {
  return {Le16(p), Le16(p + 2), Le16(p + 4), Le16(p + 6), Le16(p + 8)};
}
void WriteDay(std::uint8_t* p, const ScheduleDay& d) {
  const std::uint16_t n[5] = {d.year, d.month, d.day, d.weekday, d.pattern};
  for (int i = 0; i < 5; ++i) PutLe16(p + 2 * i, n[i]);
}

template <class File, std::size_t kSize>
std::optional<File> ParseDays(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kSize) return std::nullopt;
  File file;
  const std::uint8_t* p = bytes.data();
  for (auto& unit : file.units) {
    for (auto& d : unit) {
      d = ReadDay(p);
      p += kDayEntrySize;
    }
  }
  return file;
}

template <class File, std::size_t kSize>
std::vector<std::uint8_t> BuildDays(const File& file) {
  std::vector<std::uint8_t> out(kSize);
  std::uint8_t* p = out.data();
  for (const auto& unit : file.units) {
    for (const auto& d : unit) {
      WriteDay(p, d);
      p += kDayEntrySize;
    }
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> received, std::size_t size,
                                                 UiPort& ui) {
  CGzlib zip;
  if (!zip.Decompress(received) || zip.Decompressed().size() != size) {
    ui.Message(LoadText(text::kFailedToDecompress), Icon::Error);
    return std::nullopt;
  }
  const auto d = zip.Decompressed();
  return std::vector<std::uint8_t>(d.begin(), d.end());
}

template <class File>
std::optional<File> Unpack(std::span<const std::uint8_t> received, std::size_t size,
                           std::optional<File> (*parse)(std::span<const std::uint8_t>), UiPort& ui) {
  const auto bytes = Inflate(received, size, ui);
  if (!bytes) return std::nullopt;
  return parse(*bytes);
}

std::uint8_t* EntryAt(std::array<std::uint8_t, kTypeUnitSize>& unit, int entry) {
  return unit.data() + entry * kTypeEntrySize;
}
}  // namespace

// ---- Output types --------------------------------------------------------------

bool OutputTypesFile::EntrySet(int unit, int entry) const {
  return Le32(unitEntries[unit].data() + entry * kTypeEntrySize) != 0;
}

std::uint16_t OutputTypesFile::EntryPattern(int unit, int entry) const {
  return Le16(unitEntries[unit].data() + entry * kTypeEntrySize + 10);
}

void OutputTypesFile::SetEntry(int unit, int entry, bool set, std::uint16_t pattern) {
  std::uint8_t* p = EntryAt(unitEntries[unit], entry);
  PutLe32(p, set ? 1 : 0);
  PutLe16(p + 10, pattern);
}

std::optional<std::uint8_t> OutputTypesFile::Type(std::uint16_t family, int no) const {
  if (family == kFamilyDo && no >= 1 && no <= static_cast<int>(doTypes.size())) return doTypes[no - 1];
  if (family == kFamilyMd && no >= 1 && no <= static_cast<int>(mdTypes.size())) return mdTypes[no - 1];
  return std::nullopt;
}

bool OutputTypesFile::SetType(std::uint16_t family, int no, std::uint8_t type) {
  if (!Type(family, no)) return false;
  (family == kFamilyDo ? doTypes[no - 1] : mdTypes[no - 1]) = type;
  return true;
}

// ---- Parse and build -------------------------------------------------------------

std::optional<OneTimeFile> ParseOneTime(std::span<const std::uint8_t> bytes) {
  return ParseDays<OneTimeFile, kOneTimeFileSize>(bytes);
}
std::optional<PermanentFile> ParsePermanent(std::span<const std::uint8_t> bytes) {
  return ParseDays<PermanentFile, kPermanentFileSize>(bytes);
}
std::vector<std::uint8_t> BuildOneTime(const OneTimeFile& file) {
  return BuildDays<OneTimeFile, kOneTimeFileSize>(file);
}
std::vector<std::uint8_t> BuildPermanent(const PermanentFile& file) {
  return BuildDays<PermanentFile, kPermanentFileSize>(file);
}

std::optional<OutputTypesFile> ParseOutputTypes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kOutputTypesFileSize) return std::nullopt;
  OutputTypesFile file;
  const std::uint8_t* p = bytes.data();
  for (auto& unit : file.unitEntries) {
    std::memcpy(unit.data(), p, unit.size());
    p += unit.size();
  }
  std::memcpy(file.doTypes.data(), bytes.data() + kDoTypesOffset, file.doTypes.size());
  std::memcpy(file.mdTypes.data(), bytes.data() + kMdTypesOffset, file.mdTypes.size());
  return file;
}

std::vector<std::uint8_t> BuildOutputTypes(const OutputTypesFile& file) {
  std::vector<std::uint8_t> out(kOutputTypesFileSize);
  std::uint8_t* p = out.data();
  for (const auto& unit : file.unitEntries) {
    std::memcpy(p, unit.data(), unit.size());
    p += unit.size();
  }
  std::memcpy(out.data() + kDoTypesOffset, file.doTypes.data(), file.doTypes.size());
  std::memcpy(out.data() + kMdTypesOffset, file.mdTypes.data(), file.mdTypes.size());
  return out;
}

std::optional<OneTimeFile> UnpackOneTime(std::span<const std::uint8_t> received, UiPort& ui) {
  return Unpack<OneTimeFile>(received, kOneTimeFileSize, &ParseOneTime, ui);
}
std::optional<PermanentFile> UnpackPermanent(std::span<const std::uint8_t> received, UiPort& ui) {
  return Unpack<PermanentFile>(received, kPermanentFileSize, &ParsePermanent, ui);
}
std::optional<OutputTypesFile> UnpackOutputTypes(std::span<const std::uint8_t> received, UiPort& ui) {
  return Unpack<OutputTypesFile>(received, kOutputTypesFileSize, &ParseOutputTypes, ui);
}

// ---- Puts ----------------------------------------------------------------------

namespace {
std::uint16_t U16(int v) { return static_cast<std::uint16_t>(v); }
}  // namespace

std::vector<std::uint8_t> Payload(const PatternPut& p) {
  const std::uint16_t n[] = {U16(p.date.year), U16(p.date.month), U16(p.date.day), U16(p.unit), U16(p.pattern)};
  return PackNumbers(n);
}

std::vector<std::uint8_t> Payload(const PermanentPut& p) {
  const std::uint16_t n[] = {U16(p.date.year), U16(p.date.month), U16(p.date.day),
                             U16(p.unit),      U16(p.entry),      U16(p.pattern)};
  return PackNumbers(n);
}

std::vector<std::uint8_t> Payload(const OutputTypePut& p) {
  const std::uint16_t n[] = {p.family, U16(p.channel), p.type};
  return PackNumbers(n);
}

// ---- Device state ----------------------------------------------------------------

void DeviceSchedule::StartDays(const DateTime& today) {
  // Walk the calendar from today; a unit keeps the pattern of a date it already had.
  ScheduleDay days[kOneTimeDays];
  DateTime d = today;
  for (auto& day : days) {
    day = {U16(d.year), U16(d.month), U16(d.day), U16(Weekday(d.year, d.month, d.day)), 0};
    if (++d.day > DaysInMonth(d.year, d.month)) {
      d.day = 1;
      if (++d.month > 12) {
        d.month = 1;
        ++d.year;
      }
    }
  }
  for (auto& unit : oneTime.units) {
    OneTimeUnit next{};
    for (int i = 0; i < kOneTimeDays; ++i) {
      next[i] = days[i];
      for (const ScheduleDay& old : unit) {
        if (old.SameDate(days[i])) next[i].pattern = old.pattern;
      }
    }
    unit = next;
  }
  Mirror();
}

bool DeviceSchedule::Apply(const PatternPut& put) {
  if (put.unit < 1 || put.unit > kUnits || !ValidPattern(put.pattern)) return false;
  const ScheduleDay date{U16(put.date.year), U16(put.date.month), U16(put.date.day)};
  for (ScheduleDay& day : oneTime.units[put.unit - 1]) {
    if (day.SameDate(date)) {
      day.pattern = U16(put.pattern);
      Mirror();
      return true;
    }
  }
  return false;
}

bool DeviceSchedule::Apply(const PermanentPut& put) {
  if (put.unit < 1 || put.unit > kUnits || put.entry < 1 || put.entry > kPermanentEntries ||
      !ValidPattern(put.pattern) || !IsDeviceDate(put.date.year, put.date.month, put.date.day))
    return false;
  PermanentUnit& unit = permanent.units[put.unit - 1];
  const ScheduleDay date{U16(put.date.year), U16(put.date.month), U16(put.date.day),
                         U16(Weekday(put.date.year, put.date.month, put.date.day)), U16(put.pattern)};
  for (int e = 0; e < kPermanentEntries; ++e) {
    if (e != put.entry - 1 && unit[e].pattern != 0 && unit[e].SameDate(date)) return false;
  }
  unit[put.entry - 1] = put.pattern == 0 ? ScheduleDay{} : date;
  Mirror();
  return true;
}

bool DeviceSchedule::Apply(const OutputTypePut& put) {
  return put.type <= kOutputOff && types.SetType(put.family, put.channel, put.type);
}

void DeviceSchedule::Mirror() {
  for (int u = 0; u < kUnits; ++u) {
    for (int d = 0; d < kOneTimeDays; ++d) {
      const auto p = oneTime.units[u][d].pattern;
      types.SetEntry(u, d, p != 0, p);
    }
    for (int e = 0; e < kPermanentEntries; ++e) {
      const auto p = permanent.units[u][e].pattern;
      types.SetEntry(u, kOneTimeDays + e, p != 0, p);
    }
  }
}

}  // namespace tk48::maint
