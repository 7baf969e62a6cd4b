#include "editors/network/direct_network.h"

#include "editors/network/CDlgBaseIpAddress.h"
#include "editors/network/CDlgBaseTk48cfg.h"
#include "model/reader.h"
#include "model/transfer_container.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

bool ReadAccessDownload(std::span<const std::uint8_t> file, SettingData& record, UiPort& ui, bool tagMessage) {
  // Both screens upload both blocks: without the device's own values of each,
  // an upload would put defaults over its accounts or its address.
  return UnpackDownload(file, record, ui, tagMessage, [&ui](const ReadResult& read) {
    if (read.sawAccessBlock && read.sawIpAddress) return true;
    ui.Message(LoadText(text::kNoAccessBlocks), Icon::Error);
    return false;
  });
}

bool DownloadForAccessScreens(SettingData& record, DeviceContext& ctx) {
  const auto file = GetDeviceFile(ctx, kConfigFile, kReceiveBufferSize);
  if (!file || !ReadAccessDownload(*file, record, ctx.ui, ctx.tagMessage)) return false;
  KeepBackup(ctx, BackupKind::Download, *file);
  return true;
}

bool RunRemoteConfigSettings(QWidget* parent, SettingData& record, DeviceContext& ctx) {
  CDlgBaseTk48cfg screen(parent, record, ctx);
  return screen.exec() == QDialog::Accepted;
}

bool RunNetworkSettings(QWidget* parent, SettingData& record, DeviceContext& ctx) {
  CDlgBaseIpAddress screen(parent, record, ctx);
  return screen.exec() == QDialog::Accepted;
}

}  // namespace tk48
