#pragma once
// The main window's "TK48GCFG" and "Network" commands: after the access-mode
// gate the device's setting data is downloaded into the working record, then
// the screen opens on it.
//
// Both screens upload the device-access block and the network address block
// together, so each must start from the device's own values of both. A
// download that did not carry them would leave the defaults in their place,
// and an upload would then overwrite the device's accounts and address with
// those defaults: such a download is refused, with a message, and the screen
// is not opened.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>

#include "editors/toolkit/screen_env.h"
#include "link/transfers.h"
#include "model/setting_data.h"

namespace tk48 {

// "CONFIG_P" from the device into `record` (as DownloadSettings does it, with
// the same messages), refused with a message when the device-access block or
// the network address block is missing. `record` changes only on success.
bool DownloadForAccessScreens(SettingData& record, DeviceContext& ctx);
// The read step of that download, on the received file.
bool ReadAccessDownload(std::span<const std::uint8_t> file, SettingData& record, UiPort& ui, bool tagMessage);

// The screens, modal, on the downloaded record. True when they uploaded.
bool RunRemoteConfigSettings(QWidget* parent, SettingData& record, DeviceContext& ctx);
bool RunNetworkSettings(QWidget* parent, SettingData& record, DeviceContext& ctx);

}  // namespace tk48
