#pragma once
#include <cstddef>
#include <span>
#include <string>

#include "model/field_access.h"
#include "model/real_text.h"
#include "model/setting_data.h"

namespace tk48 {

// Upload and save buffers hold at most this many bytes of configuration text.
inline constexpr std::size_t kTextBufferSize = 6815744;  // 0x680000
inline constexpr std::size_t kUploadMargin = 16;

// Writes the configuration file into `out` and returns the document's length.
// Nothing is written past the end of `out`; a return value larger than
// out.size() means the document did not fit.
std::size_t WriteConfiguration(const SettingData& record, std::span<char> out);
// The access-settings document (device-access block and network address block).
std::size_t WriteAccessSettings(const SettingData& record, std::span<char> out);

// Convenience forms that size the result exactly.
std::string ConfigurationText(const SettingData& record);
std::string AccessSettingsText(const SettingData& record);

// One field item's value as its line in the file carries it.
std::string FormatFieldValue(const Node& n, const FieldSlot& slot);

}  // namespace tk48
