#include "app/upload_baseline.h"

#include <algorithm>

#include "model/defaults.h"

namespace tk48 {

std::string DeviceKey(const ConnectionSettings& c) {
  if (c.usb) return "usb:COM" + std::to_string(c.comPort);
  const AddressEntry* entry = FindAddressEntry(c.addressBook, c.entryName);
  return "net:" + (entry ? entry->address : std::string()) + ":" + std::to_string(c.netPort);
}

void KnownConfigurations::Remember(const std::string& device, const SettingData& record) {
  auto it = std::find_if(devices_.begin(), devices_.end(), [&](const auto& d) { return d.first == device; });
  std::unique_ptr<SettingData> copy;
  if (it != devices_.end()) {
    copy = std::move(it->second);
    devices_.erase(it);
  } else if (devices_.size() >= kMaxDevices) {
    copy = std::move(devices_.front().second);
    devices_.erase(devices_.begin());
  } else {
    copy = NewSettingData();
  }
  *copy = record;
  devices_.emplace_back(device, std::move(copy));
}

void KnownConfigurations::OpenedFrom(const SettingData* record, std::string path) {
  if (!record) {
    file_.reset();
    filePath_.clear();
    return;
  }
  if (!file_) file_ = NewSettingData();
  *file_ = *record;
  filePath_ = std::move(path);
}

KnownConfigurations::Baseline KnownConfigurations::For(const std::string& device) {
  for (const auto& [key, record] : devices_)
    if (key == device) return {*record, Source::Device, filePath_};
  if (file_) return {*file_, Source::File, filePath_};
  if (!defaults_) {
    defaults_ = NewSettingData();
    ApplyDefaults(*defaults_);
  }
  return {*defaults_, Source::Defaults, filePath_};
}

}  // namespace tk48
