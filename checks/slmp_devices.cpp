#include "checks/slmp_devices.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kText = text::kSlmpDeviceTexts;
// Z and R are entered in decimal as two-byte codes and in hexadecimal as
// one-byte codes, as the device reads them.
constexpr SlmpDevice kWordDevices[] = {
    {0x00A9, kText + 0, false},  {0x00A8, kText + 1, false},  {0x00B4, kText + 2, true},
    {0x00C2, kText + 3, false},  {0x00C8, kText + 4, false},  {0x00C5, kText + 5, false},
    {0x00B5, kText + 6, true},   {0x00CC, kText + 7, false},  {0x00AF, kText + 8, false},
    {0x00B0, kText + 9, true},   {0x002C, kText + 10, true},  {0x10A9, kText + 11, false},
    {0x10A8, kText + 12, false}, {0x10B4, kText + 13, true},  {0x10C2, kText + 14, false},
    {0x10C8, kText + 15, false}, {0x10C5, kText + 16, false}, {0x10B5, kText + 17, true},
    {0x10CC, kText + 18, true},  {0x10AF, kText + 19, true},  {0x10B0, kText + 20, true},
};

// The bit devices of a discrete input.
constexpr int kBit = text::kSlmpBitDeviceTexts;
constexpr SlmpDevice kBitDevices[] = {
    {0x0091, kBit + 0, false}, {0x009C, kBit + 1, true}, {0x009D, kBit + 2, true},
    {0x0090, kBit + 3, false}, {0x0092, kBit + 4, false}, {0x0093, kBit + 5, false},
    {0x0094, kBit + 6, false}, {0x00A0, kBit + 7, true}, {0x00C1, kBit + 8, false},
    {0x00C0, kBit + 9, false}, {0x0051, kBit + 10, false}, {0x0050, kBit + 11, false},
    {0x00C7, kBit + 12, false}, {0x00C6, kBit + 13, false}, {0x0059, kBit + 14, false},
    {0x0058, kBit + 15, false}, {0x00C4, kBit + 16, false}, {0x00C3, kBit + 17, false},
    {0x0055, kBit + 18, false}, {0x0054, kBit + 19, false}, {0x00A1, kBit + 20, true},
    {0x1091, kBit + 21, false}, {0x109C, kBit + 22, true}, {0x109D, kBit + 23, true},
    {0x1090, kBit + 24, false}, {0x1092, kBit + 25, false}, {0x1093, kBit + 26, false},
    {0x1094, kBit + 27, false}, {0x10A0, kBit + 28, true}, {0x10C1, kBit + 29, false},
    {0x10C0, kBit + 30, false}, {0x10C7, kBit + 31, false}, {0x10C6, kBit + 32, false},
    {0x10C4, kBit + 33, false}, {0x10C3, kBit + 34, false}, {0x10A1, kBit + 35, true},
    {0x1098, kBit + 36, false}, {0x1055, kBit + 37, false}, {0x1054, kBit + 38, false},
};

// A pulse input also reads the long (32-bit) counters and timers, none of
// them numbered in hexadecimal, ahead of the word devices.
constexpr int kPulse = text::kSlmpPulseDeviceTexts;
constexpr auto kPulseDevices = [] {
  std::array<SlmpDevice, 6 + std::size(kWordDevices)> all{{{0x0052, kPulse + 0, false}, {0x005A, kPulse + 1, false}, {0x0056, kPulse + 2, false}, {0x0062, kPulse + 3, false}, {0x1062, kPulse + 4, false}, {0x1056, kPulse + 5, false}}};
  std::copy(std::begin(kWordDevices), std::end(kWordDevices), all.begin() + 6);
  return all;
}();

}  // namespace

std::span<const SlmpDevice> SlmpWordDevices() { return kWordDevices; }
std::span<const SlmpDevice> SlmpBitDevices() { return kBitDevices; }
std::span<const SlmpDevice> SlmpPulseDevices() { return kPulseDevices; }

int SlmpDeviceIndex(std::span<const SlmpDevice> devices, std::uint16_t code) {
  for (std::size_t i = 0; i < devices.size(); ++i)
    if (devices[i].code == code) return static_cast<int>(i);
  return -1;
}

}  // namespace tk48
