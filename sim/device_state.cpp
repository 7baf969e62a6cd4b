#include "sim/device_state.h"

#include "sim/bytes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/setting_data.h"
#include "model/writer.h"

namespace tk48::sim {
namespace {

constexpr std::string_view kConfigFile = "CONFIG_P";

struct OperationRow {
  std::string_view file;
  std::int8_t code;
};
constexpr std::array kOperations = {
    OperationRow{"CONFIG_P", 2}, OperationRow{"JDIR_P", 5},  OperationRow{"JDAT_P", 6},  OperationRow{"OPE", 9},
    OperationRow{"TIME", 10},    OperationRow{"DEL", 11},    OperationRow{"LOG", 12},    OperationRow{"MAIL", 13},
    OperationRow{"SUM", 14},     OperationRow{"FTPC", 15},   OperationRow{"MBCLR", 18},  OperationRow{"UDIR_P", 19},
    OperationRow{"UDAT_P", 20},  OperationRow{"TREND", 21},  OperationRow{"LGNG", 22},   OperationRow{"EVECLR", 24},
    OperationRow{"PATTERN", 25}, OperationRow{"SCHPER", 26}, OperationRow{"SCHMNT", 27}, OperationRow{"OPMNCLR", 28},
};

// A device file name is a short plain word: it becomes a file name under the state folder.
bool ValidName(std::string_view name) {
  return !name.empty() && name.size() <= 64 && name.front() != '.' &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                  c == '.' || c == '-';
         });
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }



// The files a fresh device has besides "CONFIG_P".
std::vector<std::pair<std::string_view, std::vector<std::uint8_t>>> FactoryFiles() {
  std::vector<std::uint8_t> sd(8);
  const double freeBytes = 7.5 * 1024 * 1024 * 1024;
  std::uint64_t bits = std::bit_cast<std::uint64_t>(freeBytes);
  for (auto& b : sd) b = static_cast<std::uint8_t>(bits), bits >>= 8;  // little-endian
  return {
      {"MAC", {0x00, 0x1B, 0x48, 0x47, 0x00, 0x01}},
      {"SD", sd},
      {"LOG", Bytes("2024/01/01 00:00:00 power on\r\n")},
  };
}

}  // namespace

std::int8_t OperationCode(std::string_view name) {
  for (const auto& row : kOperations)
    if (row.file == name) return row.code;
  return -1;
}

DeviceState::DeviceState(DeviceConfig config) : config_(std::move(config)) {}

bool DeviceState::Init(std::string* error) {
  std::lock_guard lock(mutex_);
  if (!config_.stateDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(config_.stateDir, ec);
    if (ec || !std::filesystem::is_directory(config_.stateDir)) {
      if (error) *error = "cannot use state folder " + config_.stateDir.string();
      return false;
    }
  }
  if (!ReadLocked(kConfigFile)) {
    auto record = NewSettingData();
    ApplyDefaults(*record);
    const auto compressed = Compress(ConfigurationText(*record));
    if (!compressed || !WriteLocked(kConfigFile, *compressed)) {
      if (error) *error = "cannot write the default CONFIG_P";
      return false;
    }
  }
  for (const auto& [name, bytes] : FactoryFiles())
    if (!ReadLocked(name)) WriteLocked(name, bytes);
  InitMaintenanceLocked();
  return true;
}

std::vector<std::uint8_t> DeviceState::StatusBytes() const {
  const auto v = Version();
  return {kModelCode, v.major, v.minor, static_cast<std::uint8_t>(v.revision >> 8),
          static_cast<std::uint8_t>(v.revision), Flags()};
}

DeviceVersion DeviceState::Version() const {
  std::lock_guard lock(mutex_);
  return config_.version;
}

std::uint8_t DeviceState::Flags() const {
  std::lock_guard lock(mutex_);
  return static_cast<std::uint8_t>((config_.sdCard ? 1 : 0) | (config_.logging ? 2 : 0));
}

std::optional<std::vector<std::uint8_t>> DeviceState::ReadFile(std::string_view name) const {
  std::lock_guard lock(mutex_);
  if (auto schedule = ServeScheduleLocked(name)) return schedule;
  return ReadLocked(name);
}

bool DeviceState::WriteFile(std::string_view name, std::span<const std::uint8_t> data) {
  std::lock_guard lock(mutex_);
  return WriteLocked(name, data);
}

PutOutcome DeviceState::Put(std::string_view name, std::span<const std::uint8_t> data) {
  std::lock_guard lock(mutex_);
  PutOutcome outcome;
  outcome.operation = OperationCode(name);
  if (!ValidName(name)) {
    outcome.result = kResultSaveFailed;
    return outcome;
  }
  std::vector<std::uint8_t> stored(data.begin(), data.end());
  if (name == kConfigFile) {
    const auto checked = CheckConfiguration(data, stored);
    outcome.result = checked.result;
    outcome.message = checked.message;
    if (outcome.result != kResultDone) return outcome;
  }
  if (auto maintenance = MaintenancePutLocked(name, data)) {
    maintenance->operation = outcome.operation;
    return *maintenance;
  }
  if (!WriteLocked(name, stored)) outcome.result = kResultSaveFailed;
  return outcome;
}

// Reads the put text as the device does. A complete document is kept as it
// came; a partial one (the access-settings document) is merged into the stored
// configuration, which is then kept in its rewritten form.
PutOutcome DeviceState::CheckConfiguration(std::span<const std::uint8_t> data,
                                           std::vector<std::uint8_t>& stored) const {
  PutOutcome outcome;
  CGzlib gz;
  if (!gz.Decompress(data)) {
    outcome.result = kResultCorrupt;
    return outcome;
  }
  const auto text = AsText(gz.Decompressed());

  auto fresh = NewSettingData();
  ApplyDefaults(*fresh);
  const ReadResult read = ParseConfiguration(*fresh, text);
  if (read.flags & kReadFatal) {
    outcome.result = kResultCorrupt;
    return outcome;
  }
  if (!read.ok()) {
    outcome.result = kResultUnsupportedValue;
    outcome.message = "Unsupported value: " + read.path;
    return outcome;
  }
  if (!CheckConsistency(*fresh)) {
    outcome.result = kResultUnsupportedValue;
    outcome.message = "Inconsistent setting values";
    return outcome;
  }

  auto merged = NewSettingData();
  ApplyDefaults(*merged);
  if (const auto current = ReadLocked(kConfigFile); current) {
    CGzlib old;
    if (old.Decompress(*current)) ParseConfiguration(*merged, AsText(old.Decompressed()));
  }
  ParseConfiguration(*merged, text);
  if (SameRecord(*merged, *fresh)) return outcome;  // keep the bytes as they came
  auto rewritten = Compress(ConfigurationText(*merged));
  if (!rewritten) {
    outcome.result = kResultSaveFailed;
    return outcome;
  }
  stored = std::move(*rewritten);
  return outcome;
}

std::optional<std::vector<std::uint8_t>> DeviceState::ReadLocked(std::string_view name) const {
  if (!ValidName(name)) return std::nullopt;
  if (config_.stateDir.empty()) {
    const auto it = memory_.find(name);
    if (it == memory_.end()) return std::nullopt;
    return it->second;
  }
  std::ifstream in(config_.stateDir / std::string(name), std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool DeviceState::WriteLocked(std::string_view name, std::span<const std::uint8_t> data) {
  if (!ValidName(name)) return false;
  if (config_.stateDir.empty()) {
    memory_.insert_or_assign(std::string(name), std::vector<std::uint8_t>(data.begin(), data.end()));
    return true;
  }
  // Write aside and rename, so that a reader never sees half a file.
  const auto path = config_.stateDir / std::string(name);
  auto temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size())))
      return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  return !ec;
}

}  // namespace tk48::sim
