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

bool PutInOrder(MaintEnv& env, std::initializer_list<PutStep> steps, int* failedStep) {
  DeviceContext ctx = env.device();
  DeviceSession session(ctx);
  if (failedStep) *failedStep = -1;
  if (!session.Connect()) return false;
  int index = 0;
  for (const PutStep& step : steps) {
    if (!session.Put(FileOf(step.file).name, step.data, FileOf(step.file).pollCode)) {
      if (failedStep) *failedStep = index;
      return false;
    }
    ++index;
  }
  return true;
}

}  // namespace tk48::maint
