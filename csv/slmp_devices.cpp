#include "csv/slmp_devices.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "csv/csv_row.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The word devices of the analog channels, two-byte codes first.
constexpr SlmpDevice kWord[] = {
    {0x00A9, 0, false},
    {0x00A8, 1, false},
    {0x00B4, 2, true},
    {0x00C2, 3, false},
    {0x00C8, 4, false},
    {0x00C5, 5, false},
    {0x00B5, 6, true},
    {0x00CC, 7, false},
    {0x00AF, 8, false},
    {0x00B0, 9, true},
    {0x002C, 10, true},
    {0x10A9, 0, false},
    {0x10A8, 1, false},
    {0x10B4, 2, true},
    {0x10C2, 3, false},
    {0x10C8, 4, false},
    {0x10C5, 5, false},
    {0x10B5, 6, true},
    {0x10CC, 7, true},
    {0x10AF, 8, true},
    {0x10B0, 9, true},
};

// The pulse inputs add the long counters and index registers in front.
constexpr SlmpDevice kPulseWord[] = {
    {0x0052, 11, false},
    {0x005A, 12, false},
    {0x0056, 13, false},
    {0x0062, 14, false},
    {0x1062, 14, false},
    {0x1056, 13, false},
    kWord[0], kWord[1], kWord[2], kWord[3], kWord[4], kWord[5], kWord[6], kWord[7], kWord[8], kWord[9], kWord[10],
    kWord[11], kWord[12], kWord[13], kWord[14], kWord[15], kWord[16], kWord[17], kWord[18], kWord[19], kWord[20],
};

constexpr SlmpDevice kBit[] = {
    {0x0091, 15, false},
    {0x009C, 16, true},
    {0x009D, 17, true},
    {0x0090, 18, false},
    {0x0092, 19, false},
    {0x0093, 20, false},
    {0x0094, 21, false},
    {0x00A0, 22, true},
    {0x00C1, 23, false},
    {0x00C0, 24, false},
    {0x0051, 25, false},
    {0x0050, 26, false},
    {0x00C7, 27, false},
    {0x00C6, 28, false},
    {0x0059, 29, false},
    {0x0058, 30, false},
    {0x00C4, 31, false},
    {0x00C3, 32, false},
    {0x0055, 33, false},
    {0x0054, 34, false},
    {0x00A1, 35, true},
    {0x1091, 15, false},
    {0x109C, 16, true},
    {0x109D, 17, true},
    {0x1090, 18, false},
    {0x1092, 19, false},
    {0x1093, 20, false},
    {0x1094, 21, false},
    {0x10A0, 22, true},
    {0x10C1, 23, false},
    {0x10C0, 24, false},
    {0x10C7, 27, false},
    {0x10C6, 28, false},
    {0x10C4, 31, false},
    {0x10C3, 32, false},
    {0x10A1, 35, true},
    {0x1098, 36, false},
    {0x1055, 33, false},
    {0x1054, 34, false},
};

}  // namespace

std::span<const SlmpDevice> SlmpDevices(SlmpList list) {
  switch (list) {
    case SlmpList::Word: return kWord;
    case SlmpList::PulseWord: return kPulseWord;
    case SlmpList::Bit: return kBit;
  }
  return kWord;
}

const SlmpDevice& SlmpDeviceOf(SlmpList list, std::uint16_t code) {
  const auto devices = SlmpDevices(list);
  for (const SlmpDevice& d : devices)
    if (d.code == code) return d;
  return devices.front();
}

// The device names, one per line of one string-table text, in the order of
// SlmpDevice::name.
std::string_view DeviceName(std::uint16_t index) {
  std::string_view names = LoadText(text::kCsvSlmpDeviceNames);
  for (; index > 0; --index) names.remove_prefix(std::min(names.size(), names.find('\n') + 1));
  return names.substr(0, names.find('\n'));
}

std::string SlmpDeviceText(const SlmpDevice& device) {
  char prefix[8];
  if (device.code & 0x1000)
    std::snprintf(prefix, sizeof prefix, "%02XH_", device.code & 0xFF);
  else
    std::snprintf(prefix, sizeof prefix, "%04XH_", device.code);
  return prefix + std::string(DeviceName(device.name));
}

}  // namespace tk48
