#pragma once
// The maintenance device files: every get and put the maintenance menu makes,
// with its receive capacity or payload size and its result-poll code, and the
// small fixed payloads. The device side (the simulator) decodes a put with
// DecodePut and gets nullopt for a wrong size or an out-of-range value.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tk48::maint {

enum class File : std::uint8_t {
  Time, Mac, LogGet, LogReset, Mail, Sum, Ftpc, Mbclr, Opmnclr, Sd, Trend, Lgng, Eveclr, Ope,
  ImageData, ImageDir, ViewData, ViewDir, Delete,
  PatternGet, Pattern, SchperGet, Schper, SchmntGet, Schmnt,
};

struct DeviceFile {
  File file;
  std::string_view name;   // the device file name
  bool put;
  std::int32_t pollCode;   // the USB result poll after a put; 0 for a get
  std::size_t usbCapacity; // a get's receive capacity over USB
  std::size_t netCapacity; // ... and over the network
  std::size_t payloadSize; // a put's fixed size; 0 for the packages and the preset document
};

const DeviceFile& FileOf(File file);
// A get's receive capacity on the given transport.
std::size_t Capacity(File file, bool usb);

// ---- One-byte puts -----------------------------------------------------------
// The fixed commands: LOG 1, FTPC 110, MBCLR 0, OPMNCLR 0, EVECLR 0, OPE 4.
std::array<std::uint8_t, 1> FixedPayload(File file);
// "DEL": the two steps of a reset; the second is sent only after the first succeeded.
inline constexpr std::array<std::uint8_t, 2> kResetImages{12, 13};
inline constexpr std::array<std::uint8_t, 2> kResetView{10, 11};
// "TREND": page 1 to 16, or 0 for all pages; nullopt outside.
std::optional<std::array<std::uint8_t, 1>> TrendPayload(int page);
inline constexpr int kTrendPages = 16;
// "LGNG": 1 starts, 0 stops.
inline std::array<std::uint8_t, 1> LoggingPayload(bool start) { return {static_cast<std::uint8_t>(start ? 1 : 0)}; }

// ---- Device side ---------------------------------------------------------------
// One put as the device reads it. `value` is the single byte of a one-byte put;
// the schedule puts and TIME keep their numbers in `numbers`.
struct DevicePut {
  File file;
  std::uint8_t value = 0;
  std::array<std::uint16_t, 6> numbers{};
};
// The put of `name` with `data`, checked: size, and the range of every value
// (TIME a real date of 2015 to 2099, schedule units 1 to 32, patterns 0 to 64,
// entries 1 to 10, families 0 and 1 with channels of that family, types 0 to 2,
// trend pages 0 to 16, the fixed bytes exactly). Nullopt for a file this table
// does not hold as a fixed-size put, a wrong size or an out-of-range value.
std::optional<DevicePut> DecodePut(std::string_view name, std::span<const std::uint8_t> data);
// The table entry for a device file name and direction; nullptr when there is none.
const DeviceFile* FindFile(std::string_view name, bool put);

// The transfer container's compression of a package or a schedule file;
// nullopt when zlib fails.
std::optional<std::vector<std::uint8_t>> Compress(std::span<const std::uint8_t> bytes);

// Little-endian 16-bit numbers, as TIME and the schedule puts carry them.
std::vector<std::uint8_t> PackNumbers(std::span<const std::uint16_t> numbers);
std::uint16_t Le16(const std::uint8_t* p);
std::uint32_t Le32(const std::uint8_t* p);
void PutLe16(std::uint8_t* p, std::uint16_t v);
void PutLe32(std::uint8_t* p, std::uint32_t v);

}  // namespace tk48::maint
