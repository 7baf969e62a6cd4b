// The maintenance files of the simulated device: the schedule files served
// compressed and changed by their puts, the clock, the system log, the logging
// flag, the preset document, and the user image and browser view packages,
// checked and unpacked in the state folder.
#include <ctime>
#include <filesystem>
#include <system_error>

#include "maintenance/device_files.h"
#include "maintenance/menu_checks.h"
#include "maintenance/packages.h"
#include "maintenance/schedule_files.h"
#include "model/gzlib.h"
#include "sim/device_state.h"

namespace tk48::sim {
namespace {

using maint::File;

constexpr std::string_view kOneTimeFile = "PATTERN_P";
constexpr std::string_view kPermanentFile = "SCHPER_P";
constexpr std::string_view kTypesFile = "SCHMNT_P";
constexpr std::string_view kLogFile = "LOG";
// Where the packages are unpacked, under the state folder.
constexpr std::string_view kImageFolder = "images";
constexpr std::string_view kViewFolder = "view";

PutOutcome Result(std::uint8_t code, std::string message = {}) { return {0, code, std::move(message)}; }

std::time_t TimeOf(const maint::DateTime& t) {
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  return timegm(&tm);
}

std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> data) {
  CGzlib gz;
  if (!gz.Decompress(data)) return std::nullopt;
  const auto plain = gz.Decompressed();
  return std::vector<std::uint8_t>(plain.begin(), plain.end());
}

}  // namespace

std::filesystem::path DeviceState::UnpackFolder(std::string_view which) const {
  return config_.stateDir.empty() ? std::filesystem::path{} : config_.stateDir / std::string(which);
}

// A fresh device has no schedules set; files left in the state folder stay.
void DeviceState::InitMaintenanceLocked() {
  maint::DeviceSchedule schedule;
  if (!ReadLocked(kOneTimeFile)) WriteLocked(kOneTimeFile, maint::BuildOneTime(schedule.oneTime));
  if (!ReadLocked(kPermanentFile)) WriteLocked(kPermanentFile, maint::BuildPermanent(schedule.permanent));
  if (!ReadLocked(kTypesFile)) WriteLocked(kTypesFile, maint::BuildOutputTypes(schedule.types));
}

namespace {

// The stored schedule with the one-time days moved to the clock's next seven.
std::optional<maint::DeviceSchedule> LoadSchedule(const std::optional<std::vector<std::uint8_t>>& oneTime,
                                                  const std::optional<std::vector<std::uint8_t>>& permanent,
                                                  const std::optional<std::vector<std::uint8_t>>& types,
                                                  const maint::DateTime& today) {
  if (!oneTime || !permanent || !types) return std::nullopt;
  auto o = maint::ParseOneTime(*oneTime);
  auto p = maint::ParsePermanent(*permanent);
  auto t = maint::ParseOutputTypes(*types);
  if (!o || !p || !t) return std::nullopt;
  maint::DeviceSchedule schedule{*o, *p, *t};
  schedule.StartDays(today);  // also mirrors the entries into the output types
  return schedule;
}

maint::DateTime Today(std::chrono::seconds offset) {
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now() + offset);
  return maint::UtcFields(now);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> DeviceState::ServeScheduleLocked(std::string_view name) const {
  if (name != kOneTimeFile && name != kPermanentFile && name != kTypesFile) return std::nullopt;
  const auto schedule =
      LoadSchedule(ReadLocked(kOneTimeFile), ReadLocked(kPermanentFile), ReadLocked(kTypesFile), Today(clockOffset_));
  if (!schedule) return ReadLocked(name);  // a file spoilt on purpose goes out as it is
  const auto plain = name == kOneTimeFile     ? maint::BuildOneTime(schedule->oneTime)
                     : name == kPermanentFile ? maint::BuildPermanent(schedule->permanent)
                                              : maint::BuildOutputTypes(schedule->types);
  return maint::Compress(plain);
}

std::optional<PutOutcome> DeviceState::MaintenancePutLocked(std::string_view name,
                                                            std::span<const std::uint8_t> data) {
  const maint::DeviceFile* row = maint::FindFile(name, true);
  if (!row) return std::nullopt;
  const auto stored = [&](std::string_view file, std::span<const std::uint8_t> bytes) {
    return WriteLocked(file, bytes) ? Result(kResultDone) : Result(kResultSaveFailed);
  };

  switch (row->file) {
    case File::Sum:
      if (!maint::ParsePresetDocument(data))
        return Result(kResultUnsupportedValue, "Unsupported preset command");
      return stored(name, data);
    case File::ImageData:
    case File::ViewData: {
      // The data package alone: its wrapping must hold; it is kept as it came
      // and waits for its directory.
      const bool padded = row->file == File::ViewData;
      const auto plain = Inflate(data);
      if (!plain || !maint::Unwrap(*plain, padded)) return Result(kResultSaveFailed);
      return stored(name, data);
    }
    case File::ImageDir:
    case File::ViewDir: {
      const bool view = row->file == File::ViewDir;
      const auto plain = Inflate(data);
      const auto dataPut = ReadLocked(view ? "UDAT_P" : "JDAT_P");
      const auto packagedData = dataPut ? Inflate(*dataPut) : std::nullopt;
      if (!plain || !packagedData) return Result(kResultSaveFailed);
      const auto files = maint::ListPackage(*plain, *packagedData, view);
      if (!files) return Result(kResultSaveFailed);
      if (const auto folder = UnpackFolder(view ? kViewFolder : kImageFolder); !folder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
        std::filesystem::create_directories(folder, ec);
        if (ec || !maint::WritePackagedFiles(*files, folder.string())) return Result(kResultSaveFailed);
      }
      return stored(name, *plain);
    }
    default:
      break;
  }

  const auto put = maint::DecodePut(name, data);
  if (!put) return Result(kResultSaveFailed);  // a wrong size or a value out of range
  switch (put->file) {
    case File::Time: {
      const auto& n = put->numbers;
      const auto set = TimeOf({n[0], n[1], n[2], n[3], n[4], n[5]});
      clockOffset_ = std::chrono::seconds(set - std::time(nullptr));
      break;
    }
    case File::LogReset:
      return stored(kLogFile, {});
    case File::Lgng:
      config_.logging = put->value != 0;
      break;
    case File::Delete: {
      const bool view = put->value == maint::kResetView[0] || put->value == maint::kResetView[1];
      std::error_code ec;
      if (const auto folder = UnpackFolder(view ? kViewFolder : kImageFolder); !folder.empty())
        std::filesystem::remove_all(folder, ec);
      for (const auto file : view ? std::array{"UDAT_P", "UDIR_P"} : std::array{"JDAT_P", "JDIR_P"}) {
        if (config_.stateDir.empty())
          memory_.erase(std::string(file));
        else
          std::filesystem::remove(config_.stateDir / file, ec);
      }
      break;
    }
    case File::Pattern:
    case File::Schper:
    case File::Schmnt: {
      auto schedule = LoadSchedule(ReadLocked(kOneTimeFile), ReadLocked(kPermanentFile), ReadLocked(kTypesFile),
                                   Today(clockOffset_));
      if (!schedule) return Result(kResultSaveFailed);
      const auto& n = put->numbers;
      const maint::DateTime date{n[0], n[1], n[2]};
      const bool applied =
          put->file == File::Pattern  ? schedule->Apply(maint::PatternPut{date, n[3], n[4]})
          : put->file == File::Schper ? schedule->Apply(maint::PermanentPut{date, n[3], n[4], n[5]})
                                      : schedule->Apply(maint::OutputTypePut{n[0], n[1], static_cast<std::uint8_t>(n[2])});
      if (!applied) return Result(kResultSaveFailed);
      if (!WriteLocked(kOneTimeFile, maint::BuildOneTime(schedule->oneTime)) ||
          !WriteLocked(kPermanentFile, maint::BuildPermanent(schedule->permanent)) ||
          !WriteLocked(kTypesFile, maint::BuildOutputTypes(schedule->types)))
        return Result(kResultSaveFailed);
      break;
    }
    default:
      break;
  }
  return stored(name, data);
}

}  // namespace tk48::sim
