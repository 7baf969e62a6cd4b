#pragma once
// The SLMP device lists of the channel editors, as the CSV files name them.
#include <cstdint>
#include <span>
#include <string>

namespace tk48 {

enum class SlmpList : std::uint8_t { Word, PulseWord, Bit };

struct SlmpDevice {
  std::uint16_t code;  // 0x00xx two-byte codes; 0x10xx the one-byte code xx
  std::uint16_t name;  // line of the device name in the text "SLMP device names"
  bool hex;            // numbered in hexadecimal
};

std::span<const SlmpDevice> SlmpDevices(SlmpList list);

// The entry of `code`; a code not in the list gives the first entry, as the editors show it.
const SlmpDevice& SlmpDeviceOf(SlmpList list, std::uint16_t code);

// "00A9H_Special register (SD)", "9CH_Input (X)".
std::string SlmpDeviceText(const SlmpDevice& device);

}  // namespace tk48
