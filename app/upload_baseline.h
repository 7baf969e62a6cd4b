#pragma once
// What a device holds, as far as this run knows: the change review before an
// upload compares the working record with it. In order: the configuration
// last downloaded from (or uploaded to) that device in this run, else the
// configuration file the hub was opened from, else the plain defaults.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "link/connection.h"
#include "model/setting_data.h"

namespace tk48 {

// Names the device a connection reaches: "usb:COM3", "net:192.168.1.20:30341".
// Needs the address book filled (DeviceCtx does that).
std::string DeviceKey(const ConnectionSettings& connection);

class KnownConfigurations {
 public:
  enum class Source { Device, File, Defaults };
  struct Baseline {
    const SettingData& record;
    Source source;
    const std::string& file;  // Source::File: the file's path
  };

  // The device `device` holds `record` now (after a download or an upload).
  void Remember(const std::string& device, const SettingData& record);
  // The hub opens on `record` as read from the configuration file `path`;
  // nullptr when it opens on anything else (new, downloaded, CSV).
  void OpenedFrom(const SettingData* record, std::string path = {});
  Baseline For(const std::string& device);

  // Devices remembered at most (each record is some 2 MB): the oldest goes first.
  static constexpr std::size_t kMaxDevices = 16;

 private:
  std::vector<std::pair<std::string, std::unique_ptr<SettingData>>> devices_;  // oldest first
  std::unique_ptr<SettingData> file_;
  std::string filePath_;
  std::unique_ptr<SettingData> defaults_;
};

}  // namespace tk48
