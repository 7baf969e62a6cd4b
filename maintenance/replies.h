#pragma once
// The replies of the maintenance gets, as the screens and the CLI show them.
// A reply the device got wrong shows its message and gives nullopt.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tk48 {
class UiPort;
}

namespace tk48::maint {

// "MAC": exactly 6 bytes as "%02X-%02X-...", else "Failure to obtain MAC address".
std::optional<std::string> MacText(std::span<const std::uint8_t> reply, UiPort& ui);

// "LOG": the bytes up to the first NUL (a full 4096-byte log has none), never
// past the capacity, as UTF-8; a malformed sequence becomes U+FFFD.
std::string LogText(std::span<const std::uint8_t> reply);

// "SD": bytes 0-7 the free capacity as a little-endian double; nullopt for a
// reply under 8 bytes or a value that is not finite and at least 0.
std::optional<double> FreeCapacity(std::span<const std::uint8_t> reply);
// The free capacity in the largest unit it holds one of: "1.50KB (1536byte)",
// "3.00GB (3221225472byte)", "512byte".
std::string DiskText(double bytes);
// Both, with "Failed to receive." for a bad reply.
std::optional<std::string> DiskReplyText(std::span<const std::uint8_t> reply, UiPort& ui);
// The device side: the 12-byte reply for a free capacity.
std::array<std::uint8_t, 12> DiskReply(double bytes);

}  // namespace tk48::maint
