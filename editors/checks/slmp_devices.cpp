#include "editors/checks/slmp_devices.h"

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

}  // namespace

std::span<const SlmpDevice> SlmpWordDevices() { return kWordDevices; }

int SlmpDeviceIndex(std::span<const SlmpDevice> devices, std::uint16_t code) {
  for (std::size_t i = 0; i < devices.size(); ++i)
    if (devices[i].code == code) return static_cast<int>(i);
  return -1;
}

}  // namespace tk48
