#include "maintenance/screens/maint_env.h"

#include "resources/strings.h"

namespace tk48::maint {

bool Confirm(UiPort& ui, int questionId) {
  return ui.Message(LoadText(questionId), Icon::Information, Buttons::OkCancel) == Answer::Ok;
}

std::optional<std::vector<std::uint8_t>> GetFile(MaintEnv& env, File file, DeviceStatus* status) {
  DeviceContext ctx = env.device();
  return GetDeviceFile(ctx, FileOf(file).name, Capacity(file, ctx.settings.usb), status);
}

bool PutFile(MaintEnv& env, File file, std::span<const std::uint8_t> data) {
  DeviceContext ctx = env.device();
  return PutDeviceFile(ctx, FileOf(file).name, data, FileOf(file).pollCode);
}

std::optional<DeviceStatus> ReadStatus(MaintEnv& env) {
  DeviceContext ctx = env.device();
  return ReadDeviceStatus(ctx);
}

bool DownloadRecord(MaintEnv& env) {
  DeviceContext ctx = env.device();
  return env.download(env.record, ctx);
}

bool OneConnection::Put(File file, std::span<const std::uint8_t> data) {
  return (session_.connected() || session_.Connect()) && session_.Put(FileOf(file).name, data, FileOf(file).pollCode);
}

}  // namespace tk48::maint
