#include "maintenance/device_files.h"

#include <algorithm>
#include <iterator>

#include "maintenance/date_time.h"
#include "maintenance/schedule_files.h"
#include "model/gzlib.h"
#include "model/sections/common.h"

namespace tk48::maint {

namespace {
// Rows in File order.
constexpr DeviceFile kFiles[] = {
    {File::Time, "TIME", true, 10, 0, 0, 12},
    {File::Mac, "MAC", false, 0, 6, 6, 0},
    {File::LogGet, "LOG", false, 0, 4096, 4096, 0},
    {File::LogReset, "LOG", true, 12, 0, 0, 1},
    {File::Mail, "MAIL", true, 13, 0, 0, 1},
    {File::Sum, "SUM", true, 14, 0, 0, 0},
    {File::Ftpc, "FTPC", true, 15, 0, 0, 1},
    {File::Mbclr, "MBCLR", true, 18, 0, 0, 1},
    {File::Opmnclr, "OPMNCLR", true, 28, 0, 0, 1},
    {File::Sd, "SD", false, 0, 12, 12, 0},
    {File::Trend, "TREND", true, 21, 0, 0, 1},
    {File::Lgng, "LGNG", true, 22, 0, 0, 1},
    {File::Eveclr, "EVECLR", true, 24, 0, 0, 1},
    {File::Ope, "OPE", true, 9, 0, 0, 1},
    {File::ImageData, "JDAT_P", true, 6, 0, 0, 0},
    {File::ImageDir, "JDIR_P", true, 5, 0, 0, 0},
    {File::ViewData, "UDAT_P", true, 20, 0, 0, 0},
    {File::ViewDir, "UDIR_P", true, 19, 0, 0, 0},
    {File::Delete, "DEL", true, 11, 0, 0, 1},
    {File::PatternGet, "PATTERN_P", false, 0, kOneTimeFileSize, 2 * kOneTimeFileSize, 0},
    {File::Pattern, "PATTERN", true, 25, 0, 0, 10},
    {File::SchperGet, "SCHPER_P", false, 0, kPermanentFileSize, 2 * kPermanentFileSize, 0},
    {File::Schper, "SCHPER", true, 26, 0, 0, 12},
    {File::SchmntGet, "SCHMNT_P", false, 0, kOutputTypesFileSize, 2 * kOutputTypesFileSize, 0},
    {File::Schmnt, "SCHMNT", true, 27, 0, 0, 6},
};
constexpr bool InFileOrder() {
  for (std::size_t i = 0; i < std::size(kFiles); ++i) {
    if (static_cast<std::size_t>(kFiles[i].file) != i) return false;
  }
  return true;
}
static_assert(InFileOrder(), "kFiles rows follow the File enumeration");

// The one-byte puts whose byte is fixed.
struct FixedByte {
  File file;
  std::uint8_t value;
};
constexpr FixedByte kFixed[] = {{File::LogReset, 1}, {File::Ftpc, 110}, {File::Mbclr, 0},
                                {File::Opmnclr, 0}, {File::Eveclr, 0}, {File::Ope, 4}};

const FixedByte* FindFixed(File file) {
  const auto* it =
      std::find_if(std::begin(kFixed), std::end(kFixed), [&](const FixedByte& f) { return f.file == file; });
  return it == std::end(kFixed) ? nullptr : it;
}

bool Within(int v, int lo, int hi) { return v >= lo && v <= hi; }

// The range rule of a one-byte put whose byte varies.
bool ByteInRange(File file, std::uint8_t v) {
  switch (file) {
    case File::Mail: return v < 128;  // template index 0..127; 100 is the regular report
    case File::Trend: return v <= kTrendPages;
    case File::Lgng: return v <= 1;
    case File::Delete: return Within(v, kResetView[0], kResetImages[1]);
    default: break;
  }
  const FixedByte* fixed = FindFixed(file);
  return fixed && fixed->value == v;
}

bool NumbersInRange(File file, const std::array<std::uint16_t, 6>& n) {
  switch (file) {
    case File::Time: return IsDeviceDateTime({n[0], n[1], n[2], n[3], n[4], n[5]});
    case File::Pattern:
      return IsDeviceDate(n[0], n[1], n[2]) && Within(n[3], 1, kUnits) && n[4] <= kPatterns;
    case File::Schper:
      return IsDeviceDate(n[0], n[1], n[2]) && Within(n[3], 1, kUnits) && Within(n[4], 1, kPermanentEntries) &&
             n[5] <= kPatterns;
    case File::Schmnt:
      return n[0] <= 1 && Within(n[1], 1, n[0] == kFamilyDo ? kDoCount : kMdCount) && n[2] <= kOutputOff;
    default: return false;
  }
}
}  // namespace

const DeviceFile& FileOf(File file) { return kFiles[static_cast<std::size_t>(file)]; }

std::size_t Capacity(File file, bool usb) { return usb ? FileOf(file).usbCapacity : FileOf(file).netCapacity; }

std::array<std::uint8_t, 1> FixedPayload(File file) {
  const FixedByte* fixed = FindFixed(file);
  return {fixed ? fixed->value : std::uint8_t{0}};
}

std::optional<std::array<std::uint8_t, 1>> TrendPayload(int page) {
  if (!Within(page, 0, kTrendPages)) return std::nullopt;
  return std::array<std::uint8_t, 1>{static_cast<std::uint8_t>(page)};
}

const DeviceFile* FindFile(std::string_view name, bool put) {
  const auto* it = std::find_if(std::begin(kFiles), std::end(kFiles),
                                [&](const DeviceFile& s) { return s.name == name && s.put == put; });
  return it == std::end(kFiles) ? nullptr : it;
}

std::optional<DevicePut> DecodePut(std::string_view name, std::span<const std::uint8_t> data) {
  const DeviceFile* row = FindFile(name, true);
  if (!row || row->payloadSize == 0 || data.size() != row->payloadSize) return std::nullopt;
  DevicePut put{row->file};
  if (data.size() == 1) {
    // "LOG" is a get too; as a put its one byte resets the log.
    put.value = data[0];
    if (!ByteInRange(row->file, put.value)) return std::nullopt;
    return put;
  }
  for (std::size_t i = 0; i < data.size() / 2; ++i) put.numbers[i] = Le16(data.data() + 2 * i);
  if (!NumbersInRange(row->file, put.numbers)) return std::nullopt;
  return put;
}

std::optional<std::vector<std::uint8_t>> Compress(std::span<const std::uint8_t> bytes) {
  CGzlib zip;
  if (!zip.Compress(bytes)) return std::nullopt;
  const auto c = zip.Compressed();
  return std::vector<std::uint8_t>(c.begin(), c.end());
}

std::vector<std::uint8_t> PackNumbers(std::span<const std::uint16_t> numbers) {
  std::vector<std::uint8_t> out(numbers.size() * 2);
  for (std::size_t i = 0; i < numbers.size(); ++i) PutLe16(out.data() + 2 * i, numbers[i]);
  return out;
}

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
void PutLe16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace tk48::maint
