#pragma once
// The main window's "TK48GCFG" and "Network" commands after the access-mode
// gate: the device's setting data is downloaded into the working record, then
// the screen opens on it.
//
// Both screens upload the device-access block and the network address block
// together, so each must start from the device's own values of both. A
// download that did not carry them (a device that leaves them out) would
// leave the defaults in their place, and an upload would then overwrite the
// device's accounts and address with those defaults: in that case the screen
// is not opened and the user is told why.
#include <QWidget>
#include <functional>

#include "link/transfers.h"
#include "model/setting_data.h"

namespace tk48 {

// The upload both screens run once the user has confirmed it; tests replace it.
using AccessUpload = std::function<bool(const SettingData&, DeviceContext&)>;

// "CONFIG_P" from the device into `record` (as DownloadSettings does it, with
// the same messages), refused with a message when the device-access block or
// the network address block was missing. `record` changes only on success.
bool DownloadForAccessScreens(SettingData& record, DeviceContext& ctx);

// Download, then the screen. True when the screen uploaded.
bool RunRemoteConfigSettings(QWidget* parent, SettingData& record, DeviceContext& ctx);
bool RunNetworkSettings(QWidget* parent, SettingData& record, DeviceContext& ctx);

}  // namespace tk48
