#pragma once
// The configuration as the device keeps it and hands it out, on both sides:
// the full document plus its own access block and network address block, so a
// screen that edits those blocks after a download starts from the device's
// values. An access-settings document put to the device changes just them.
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include <string_view>

#include "model/setting_data.h"
#include "sim/device_state.h"

namespace tk48::sim {

// The full document with the access-settings document's blocks placed right
// after the root start tag.
std::string DeviceConfigurationText(const SettingData& record);

// True when `text` is a well-formed document whose root holds nothing but the
// device-access block and COM with only its TCP_IP block.
bool IsAccessDocument(std::string_view text);

// Copies the device-access block and the network address block.
void CopyAccessBlocks(const SettingData& from, SettingData& to);

// The configuration the device holds, with its own access blocks.
std::unique_ptr<SettingData> DeviceRecord(const DeviceState& device);

// A device file as a get receives it: "CONFIG_P" with the device's own access
// blocks, anything else as stored; nullopt when there is no such file.
std::optional<std::vector<std::uint8_t>> ServeDeviceFile(const DeviceState& device, std::string_view name);

// A put as the device takes it: an access-settings document as "CONFIG_P"
// changes only the two access blocks; a full document is checked and stored,
// and updates the access blocks when it carries them.
PutOutcome PutDeviceFile(DeviceState& device, std::string_view name, std::span<const std::uint8_t> data);

}  // namespace tk48::sim
