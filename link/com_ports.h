#pragma once
// COM port numbers, as the preferences and the connection dialog know them,
// and the device paths they stand for on this system. The protocol code only
// ever sees a path; this is the one place that turns a number into one.
//
// COM number N (1 to 20) is:
//   1. the preference "COM<N>_DEVICE" in section "TK48GCFG" (for example
//      COM3_DEVICE=/dev/ttyUSB1), when it is set and not empty;
//   2. otherwise the N-th port of ListSerialPorts(): first the links under
//      /dev/serial/by-id, sorted by name (they name the adapter, so they keep
//      their order across re-plugging), then every /dev/ttyACM* and
//      /dev/ttyUSB* that none of those links points at, ttyACM before ttyUSB and
//      by number (ttyUSB2 before ttyUSB10);
//   3. otherwise nothing: the port is not present.
//
// The preferences store stays outside the core: callers hand in a lookup,
// which the desktop application backs with QSettings.
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk48 {

inline constexpr int kFirstComPort = 1;
inline constexpr int kLastComPort = 20;
inline constexpr std::string_view kComPortSection = "TK48GCFG";

// Returns the stored value of `key` in `section`, or nullopt when it is not set.
using PreferenceLookup = std::function<std::optional<std::string>(std::string_view section, std::string_view key)>;

struct SerialPortEntry {
  std::string path;         // what SerialLink::Open takes
  std::string description;  // the by-id name or the device name, for the connection dialog
};

// The serial ports present under `devRoot`, in the order above.
std::vector<SerialPortEntry> ListSerialPorts(const std::filesystem::path& devRoot = "/dev");

// "COM<N>_DEVICE".
std::string ComPortPreferenceKey(int number);

// The device path of COM port `number`; nullopt when the number is out of range
// or no port stands behind it. `lookup` may be empty (no overrides).
std::optional<std::string> ComPortPath(int number, const PreferenceLookup& lookup,
                                       std::span<const SerialPortEntry> ports);
std::optional<std::string> ComPortPath(int number, const PreferenceLookup& lookup);

// Every COM number that stands for a port, with its path and description.
struct ComPortEntry {
  int number = 0;
  SerialPortEntry port;
};
std::vector<ComPortEntry> ListComPorts(const PreferenceLookup& lookup, std::span<const SerialPortEntry> ports);

}  // namespace tk48
