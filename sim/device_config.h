#pragma once
// The configuration text as the device hands it out over the network: the
// full document plus its own access block and network address block, so a
// screen that edits those blocks after a download starts from the device's
// values. An access-settings document put to the device changes just them.
#include <string>
#include <string_view>

#include "model/setting_data.h"

namespace tk48::sim {

// The full document with the access-settings document's blocks placed right
// after the root start tag.
std::string DeviceConfigurationText(const SettingData& record);

// True when `text` is a well-formed document whose root holds nothing but the
// device-access block and COM with only its TCP_IP block.
bool IsAccessDocument(std::string_view text);

// Copies the device-access block and the network address block.
void CopyAccessBlocks(const SettingData& from, SettingData& to);

}  // namespace tk48::sim
