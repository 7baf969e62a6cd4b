#include "editors/direct_network.h"

#include <cstring>

#include "editors/CDlgBaseIpAddress.h"
#include "editors/CDlgBaseTk48cfg.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

bool ReadAccessDownload(std::span<const std::uint8_t> file, SettingData& record, UiPort& ui, bool tagMessage) {
  CGzlib zip;
  if (!zip.Decompress(file)) {
    ui.Message(LoadText(text::kFailedToDecompress), Icon::Error);
    return false;
  }
  auto fresh = NewSettingData();
  ApplyDefaults(*fresh);
  const auto text = zip.Decompressed();
  const ReadResult read = ParseConfiguration(*fresh, {reinterpret_cast<const char*>(text.data()), text.size()});
  const ReadMessage outcome = ReadOutcomeMessage(read, tagMessage);
  if (!outcome.text.empty()) ui.Message(outcome.text, outcome.error ? Icon::Error : Icon::Warning);
  if (!read.ok()) return false;
  if (!read.sawAccessBlock || !read.sawIpAddress) {
    ui.Message(LoadText(text::kNoAccessBlocks), Icon::Error);
    return false;
  }
  std::memcpy(&record, fresh.get(), sizeof record);
  return true;
}

bool DownloadForAccessScreens(SettingData& record, DeviceContext& ctx) {
  const auto file = GetDeviceFile(ctx, kConfigFile, kReceiveBufferSize);
  return file && ReadAccessDownload(*file, record, ctx.ui, ctx.tagMessage);
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
