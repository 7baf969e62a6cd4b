#include "model/transfer_container.h"

#include <cstring>
#include <memory>

#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/writer.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

std::optional<std::vector<std::uint8_t>> PackForUpload(std::string_view text, UiPort& ui) {
  if (text.size() + kUploadMargin > kTextBufferSize) {
    ui.Message(LoadText(text::kSettingDataOverCapacity), Icon::Error);
    return std::nullopt;
  }
  CGzlib zip;
  if (!zip.Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()})) {
    ui.Message(LoadText(text::kFailedToCompress), Icon::Error);
    return std::nullopt;
  }
  const auto out = zip.Compressed();
  return std::vector<std::uint8_t>(out.begin(), out.end());
}

namespace {
template <class Writer>
std::optional<std::vector<std::uint8_t>> Pack(const SettingData& record, UiPort& ui, Writer write) {
  auto buffer = std::make_unique_for_overwrite<char[]>(kTextBufferSize);
  std::string refused;
  const std::size_t len = write(record, std::span<char>(buffer.get(), kTextBufferSize), &refused);
  if (!refused.empty()) {
    ShowUnwritable(refused, ui);
    return std::nullopt;
  }
  if (len + kUploadMargin > kTextBufferSize) {
    ui.Message(LoadText(text::kSettingDataOverCapacity), Icon::Error);
    return std::nullopt;
  }
  return PackForUpload({buffer.get(), len}, ui);
}
}  // namespace

std::optional<std::vector<std::uint8_t>> PackConfiguration(const SettingData& record, UiPort& ui) {
  return Pack(record, ui, WriteConfiguration);
}

std::optional<std::vector<std::uint8_t>> PackAccessSettings(const SettingData& record, UiPort& ui) {
  return Pack(record, ui, WriteAccessSettings);
}

bool UnpackDownload(std::span<const std::uint8_t> data, SettingData& record, UiPort& ui, bool tagMessage,
                    const std::function<bool(const ReadResult&)>& accept) {
  CGzlib zip;
  if (!zip.Decompress(data)) {
    ui.Message(LoadText(text::kFailedToDecompress), Icon::Error);
    return false;
  }
  auto fresh = NewSettingData();
  ApplyDefaults(*fresh);
  const auto text = zip.Decompressed();
  ReadResult read;
  if (!ReadConfiguration(*fresh, {reinterpret_cast<const char*>(text.data()), text.size()}, ui, tagMessage,
                         &read) ||
      (accept && !accept(read)))
    return false;
  std::memcpy(&record, fresh.get(), sizeof record);
  return true;
}

}  // namespace tk48
