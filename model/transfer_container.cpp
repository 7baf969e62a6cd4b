#include "model/transfer_container.h"

#include <charconv>
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

std::optional<int> UploadLevel(int level) {
  constexpr int kFastest = 1, kSmallest = 9;  // zlib's Z_BEST_SPEED and Z_BEST_COMPRESSION
  if (level < kFastest || level > kSmallest) return std::nullopt;
  return level;
}

std::optional<int> UploadLevel(std::string_view text) {
  int level = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), level);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return UploadLevel(level);
}

std::optional<std::vector<std::uint8_t>> PackForUpload(std::string_view text, UiPort& ui, int level) {
  if (text.size() + kUploadMargin > kTextBufferSize) {
    ui.Message(LoadText(text::kSettingDataOverCapacity), Icon::Error);
    return std::nullopt;
  }
  CGzlib zip;
  if (!zip.Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, level)) {
    ui.Message(LoadText(text::kFailedToCompress), Icon::Error);
    return std::nullopt;
  }
  const auto out = zip.Compressed();
  return std::vector<std::uint8_t>(out.begin(), out.end());
}

namespace {
template <class Writer>
std::optional<std::vector<std::uint8_t>> Pack(const SettingData& record, UiPort& ui, int level, Writer write) {
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
  return PackForUpload({buffer.get(), len}, ui, level);
}
}  // namespace

std::optional<std::vector<std::uint8_t>> PackConfiguration(const SettingData& record, UiPort& ui, int level) {
  return Pack(record, ui, level, WriteConfiguration);
}

std::optional<std::vector<std::uint8_t>> PackAccessSettings(const SettingData& record, UiPort& ui, int level) {
  return Pack(record, ui, level, WriteAccessSettings);
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
