#pragma once
// The checks the maintenance menu makes before it sends a command, and the
// payloads that depend on the setting data: preset, test mail, logging. The
// record is the maintenance copy downloaded for the screen, never the main
// window's. Every refusal shows its message and returns nullopt / false.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/setting_data.h"

namespace tk48 {
class UiPort;
}

namespace tk48::maint {

// ---- Device status ---------------------------------------------------------------
// "Initialize process operation data" needs major version 2: "Unsupported
// version" (information icon) below it.
bool CheckOpemonVersion(int major, UiPort& ui);
// An SD card for "Disk usage" and "Start/stop logging" ("No disk") or for the
// FTP client test over USB ("Insert SD card."); information icon.
enum class SdUse : std::uint8_t { Disk, FtpTest };
bool CheckSdCard(bool sdCard, SdUse use, UiPort& ui);

// ---- Logging ---------------------------------------------------------------------
// Logging enabled in the setting data (RECORD.LOGGING.MODE USE); otherwise
// "Logging is disabled." and false.
bool CheckLoggingEnabled(const SettingData& record, UiPort& ui);
// The step the device's running flag calls for: the question and the "LGNG" byte.
struct LoggingStep {
  int questionId;
  std::array<std::uint8_t, 1> payload;
};
LoggingStep NextLoggingStep(bool running);

// ---- Test mail -------------------------------------------------------------------
inline constexpr int kMailTemplates = 128;
inline constexpr std::uint8_t kRegularReportIndex = 100;
// Template `number` (1..128): in use, with a recipient; template 101 is
// refused (its index is the regular report's). The "MAIL" byte. A number
// outside 1..128 gives nullopt without a message (the caller offers only those).
std::optional<std::uint8_t> TestMailPayload(const SettingData& record, int number, UiPort& ui);
// The regular report: enabled, and one of its ticked templates in use with a recipient.
std::optional<std::uint8_t> TestReportPayload(const SettingData& record, UiPort& ui);

// ---- Preset count ----------------------------------------------------------------
// "%02d %s" per PI channel, the name only for a channel whose TYPE is not NONE.
std::vector<std::string> PresetChannelRows(const SettingData& record);
// The checks in order (the value's form and range, the overflow against the
// channel's SCALE, whether the channel can be preset) and then the "SUM"
// document for PI `channel` (1..128) with the value as typed. A channel
// outside 1..128 gives nullopt without a message.
std::optional<std::string> PresetPayload(const SettingData& record, int channel, std::u16string_view value,
                                         UiPort& ui);
// The command document itself.
std::string PresetDocument(std::string_view family, int channel, std::string_view value);
// The device side: the document taken apart; nullopt unless it has exactly
// the document's form with family PI, a channel 1..128 and a number.
struct PresetCommand {
  std::string family;
  int channel = 0;
  std::string value;
};
std::optional<PresetCommand> ParsePresetDocument(std::span<const std::uint8_t> bytes);

}  // namespace tk48::maint
