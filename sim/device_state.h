#pragma once
// The simulated device's side that the serial and network sides share: its
// named files, its status and the check a put of "CONFIG_P" goes through.
// Every member is safe to call from both sides at once.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk48::sim {

struct DeviceVersion {
  std::uint8_t major = 2;
  std::uint8_t minor = 0;
  std::uint16_t revision = 0;
};

struct DeviceConfig {
  std::filesystem::path stateDir;  // empty: files live in memory only
  DeviceVersion version;
  bool sdCard = false;   // status flag bit 0
  bool logging = false;  // status flag bit 1
};

inline constexpr std::uint8_t kModelCode = 0x3E;

// Device result codes of a put.
enum PutResultCode : std::uint8_t {
  kResultDone = 0,
  kResultProcessing = 1,
  kResultSaveFailed = 3,
  kResultUnsupportedValue = 101,
  kResultCorrupt = 102,
  kResultLoggingRunning = 103,
};

struct PutOutcome {
  std::int8_t operation = 0;  // the file's operation code, echoed by the result poll
  std::uint8_t result = kResultDone;
  std::string message;  // the text that goes with result 101
};

// The operation code the result poll echoes for a put of `name` (-1: unknown file).
std::int8_t OperationCode(std::string_view name);

class DeviceState {
 public:
  explicit DeviceState(DeviceConfig config);

  // Creates the state folder and the initial files ("CONFIG_P" holds the
  // compressed default configuration). False when the folder cannot be used.
  bool Init(std::string* error = nullptr);

  // The status answer: model, major, minor, revision (big-endian), flags.
  std::vector<std::uint8_t> StatusBytes() const;
  DeviceVersion Version() const;
  std::uint8_t Flags() const;

  // A device file's bytes; nullopt when the device has no such file.
  std::optional<std::vector<std::uint8_t>> ReadFile(std::string_view name) const;

  // Takes a put as the device would: checks "CONFIG_P" (decompresses and reads
  // it) and stores the file when it is accepted.
  PutOutcome Put(std::string_view name, std::span<const std::uint8_t> data);

  // Stores a file without any check.
  bool WriteFile(std::string_view name, std::span<const std::uint8_t> data);

 private:
  std::optional<std::vector<std::uint8_t>> ReadLocked(std::string_view name) const;
  bool WriteLocked(std::string_view name, std::span<const std::uint8_t> data);
  PutOutcome CheckConfiguration(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& stored) const;
  // The maintenance files (device_maintenance.cpp). The schedule files are
  // kept plain under their device names and served compressed, the one-time
  // days always the next seven of the device's clock.
  void InitMaintenanceLocked();
  std::optional<std::vector<std::uint8_t>> ServeScheduleLocked(std::string_view name) const;
  // The outcome of a maintenance put, or nullopt for a file the maintenance
  // menu does not send (stored as it came).
  std::optional<PutOutcome> MaintenancePutLocked(std::string_view name, std::span<const std::uint8_t> data);
  std::filesystem::path UnpackFolder(std::string_view which) const;

  mutable std::mutex mutex_;
  DeviceConfig config_;
  std::map<std::string, std::vector<std::uint8_t>, std::less<>> memory_;  // when there is no state folder
  std::chrono::seconds clockOffset_{0};  // the device clock against the computer's, set by "TIME"
};

}  // namespace tk48::sim
