#pragma once
// What the maintenance screens need from the application: the UI port, a
// fresh device context per operation, the second record the menus that
// download first fill (never the main window's), and the remembered paths.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/transfers.h"
#include "maintenance/device_files.h"
#include "maintenance/put_order.h"
#include "model/setting_data.h"
#include "port/ui_port.h"

namespace tk48::maint {

struct MaintEnv {
  UiPort& ui;
  std::function<DeviceContext()> device;
  SettingData& record;
  std::function<bool(SettingData&, DeviceContext&)> download = DownloadSettings;
  std::function<std::string(std::string_view key)> readPath = [](std::string_view) { return std::string(); };
  std::function<void(std::string_view key, const std::string& path)> writePath = [](std::string_view,
                                                                                     const std::string&) {};
};

// OK/Cancel with the information icon; true on OK.
bool Confirm(UiPort& ui, int questionId);

// One operation on its own connection.
std::optional<std::vector<std::uint8_t>> GetFile(MaintEnv& env, File file, DeviceStatus* status = nullptr);
bool PutFile(MaintEnv& env, File file, std::span<const std::uint8_t> data);
std::optional<DeviceStatus> ReadStatus(MaintEnv& env);
// The setting data into the maintenance record.
bool DownloadRecord(MaintEnv& env);
// Several puts on one connection, made before the first of them (the puts of
// a PutInOrder run).
class OneConnection {
 public:
  explicit OneConnection(MaintEnv& env) : ctx_(env.device()), session_(ctx_) {}
  bool Put(File file, std::span<const std::uint8_t> data);
  PutFunction put() { return std::bind_front(&OneConnection::Put, this); }

 private:
  DeviceContext ctx_;
  DeviceSession session_;
};

}  // namespace tk48::maint
