#pragma once
// The device's result codes (from the USB result poll and from refused
// network puts) and the message each one shows.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk48 {

// A refused network put with this code was in fact taken by the device.
inline constexpr std::int32_t kResultAccepted = 100;

// The text for `code`, with the device's own message where the text takes
// one; nullopt for the code that shows nothing.
std::optional<std::string> DeviceResultText(std::int32_t code, std::string_view message);

}  // namespace tk48
