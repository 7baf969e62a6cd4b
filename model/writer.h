#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "model/field_access.h"
#include "model/real_text.h"
#include "model/setting_data.h"
#include "port/ui_port.h"

namespace tk48 {

// Upload and save buffers hold at most this many bytes of configuration text.
inline constexpr std::size_t kTextBufferSize = 6815744;  // 0x680000
inline constexpr std::size_t kUploadMargin = 16;

// Writes the configuration file into `out` and returns the document's length.
// Nothing is written past the end of `out`; a return value larger than
// out.size() means the document did not fit. A text holding a control
// character that XML cannot carry would make a file that does not read back:
// then the document is refused, the return is 0 and `refusedField` (when
// given) gets the field's path.
std::size_t WriteConfiguration(const SettingData& record, std::span<char> out,
                               std::string* refusedField = nullptr);
// The access-settings document (device-access block and network address block).
std::size_t WriteAccessSettings(const SettingData& record, std::span<char> out,
                                std::string* refusedField = nullptr);

// Convenience forms that size the result exactly; empty when refused.
std::string ConfigurationText(const SettingData& record);
std::string AccessSettingsText(const SettingData& record);
// The same, showing the refusal (naming the field) when there is one.
std::optional<std::string> ConfigurationText(const SettingData& record, UiPort& ui);
std::optional<std::string> AccessSettingsText(const SettingData& record, UiPort& ui);
// The refusal message for a text `field` that the file cannot carry.
void ShowUnwritable(const std::string& field, UiPort& ui);

// One field item's value as its line in the file carries it.
std::string FormatFieldValue(const Node& n, const FieldSlot& slot);
// The same into `out`, for callers that format many values: its length, or 0
// when it does not fit (kFieldValueMax always fits).
inline constexpr std::size_t kFieldValueMax = 8192;  // the longest text escapes to 6,144 bytes
std::size_t FormatFieldValue(const Node& n, const FieldSlot& slot, std::span<char> out);

}  // namespace tk48
