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


// The bit devices a discrete output can write, in list order.
constexpr int kBitText = text::kSlmpBitDeviceTexts;
constexpr SlmpDevice kBitDevices[] = {
    {0x0091, kBitText + 0, false}, {0x009C, kBitText + 1, true}, {0x009D, kBitText + 2, true},
    {0x0090, kBitText + 3, false}, {0x0092, kBitText + 4, false}, {0x0093, kBitText + 5, false},
    {0x0094, kBitText + 6, false}, {0x00A0, kBitText + 7, true}, {0x00C1, kBitText + 8, false},
    {0x00C0, kBitText + 9, false}, {0x0051, kBitText + 10, false}, {0x0050, kBitText + 11, false},
    {0x00C7, kBitText + 12, false}, {0x00C6, kBitText + 13, false}, {0x0059, kBitText + 14, false},
    {0x0058, kBitText + 15, false}, {0x00C4, kBitText + 16, false}, {0x00C3, kBitText + 17, false},
    {0x0055, kBitText + 18, false}, {0x0054, kBitText + 19, false}, {0x00A1, kBitText + 20, true},
    {0x1091, kBitText + 21, false}, {0x109C, kBitText + 22, true}, {0x109D, kBitText + 23, true},
    {0x1090, kBitText + 24, false}, {0x1092, kBitText + 25, false}, {0x1093, kBitText + 26, false},
    {0x1094, kBitText + 27, false}, {0x10A0, kBitText + 28, true}, {0x10C1, kBitText + 29, false},
    {0x10C0, kBitText + 30, false}, {0x10C7, kBitText + 31, false}, {0x10C6, kBitText + 32, false},
    {0x10C4, kBitText + 33, false}, {0x10C3, kBitText + 34, false}, {0x10A1, kBitText + 35, true},
    {0x1098, kBitText + 36, false}, {0x1055, kBitText + 37, false}, {0x1054, kBitText + 38, false},
};

}  // namespace

std::span<const SlmpDevice> SlmpWordDevices() { return kWordDevices; }
std::span<const SlmpDevice> SlmpBitDevices() { return kBitDevices; }

int SlmpDeviceIndex(std::span<const SlmpDevice> devices, std::uint16_t code) {
  for (std::size_t i = 0; i < devices.size(); ++i)
    if (devices[i].code == code) return static_cast<int>(i);
  return -1;
}

}  // namespace tk48
