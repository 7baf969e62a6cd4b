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

bool DownloadForAccessScreens(SettingData& record, DeviceContext& ctx) {
  const auto file = GetDeviceFile(ctx, kConfigFile, kReceiveBufferSize);
  if (!file) return false;
  CGzlib zip;
  if (!zip.Decompress(*file)) {
    ctx.ui.Message(LoadText(text::kFailedToDecompress), Icon::Error);
    return false;
  }
  auto fresh = NewSettingData();
  ApplyDefaults(*fresh);
  const auto text = zip.Decompressed();
  const ReadResult read = ParseConfiguration(*fresh, {reinterpret_cast<const char*>(text.data()), text.size()});
  const ReadMessage outcome = ReadOutcomeMessage(read, ctx.tagMessage);
  if (!outcome.text.empty()) ctx.ui.Message(outcome.text, outcome.error ? Icon::Error : Icon::Warning);
  if (!read.ok()) return false;
  if (!read.sawAccessBlock || !read.sawIpAddress) {
    ctx.ui.Message(LoadText(text::kNoAccessBlocks), Icon::Error);
    return false;
  }
  std::memcpy(&record, fresh.get(), sizeof record);
  return true;
}

bool RunRemoteConfigSettings(QWidget* parent, SettingData& record, DeviceContext& ctx) {
  if (!DownloadForAccessScreens(record, ctx)) return false;
  CDlgBaseTk48cfg screen(parent, record, ctx);
  return screen.exec() == QDialog::Accepted;
}

bool RunNetworkSettings(QWidget* parent, SettingData& record, DeviceContext& ctx) {
  if (!DownloadForAccessScreens(record, ctx)) return false;
  CDlgBaseIpAddress screen(parent, record, ctx);
  return screen.exec() == QDialog::Accepted;
}

}  // namespace tk48
