#pragma once
// The SLMP word devices a channel can read, in list order, with the code the
// record stores and whether the device number is entered in hexadecimal. Codes
// 0x00xx are two-byte device codes; 0x10xx stand for the one-byte code xx.
// The editors' device lists and the CSV files share this table.
#include <cstdint>
#include <span>

namespace tk48 {

struct SlmpDevice {
  std::uint16_t code;
  int textId;  // the list text, "00A9H_Special register (SD)"
  bool hex;    // the device number is entered in hexadecimal ("%08x")
};

std::span<const SlmpDevice> SlmpWordDevices();
// The bit devices a discrete input reads (39).
std::span<const SlmpDevice> SlmpBitDevices();
// The word devices of a pulse input: six long devices, then the word devices (27).
std::span<const SlmpDevice> SlmpPulseDevices();
// The entry of `code` in `devices`, or -1 when the code is not listed.
int SlmpDeviceIndex(std::span<const SlmpDevice> devices, std::uint16_t code);

}  // namespace tk48
